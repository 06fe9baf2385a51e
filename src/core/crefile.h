// src/core/crefile.h -- the character's creature file "<folder>/<name>.CRS": record k is
// persistent creature 1000 + k; a record whose kind byte is 0 is free.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>

#include "core/creatures.h"

enum {
    CRS_START_RECORDS = 3000,   // a new character's file
    CRS_GROW_RECORDS = 100,     // added at map entry when fewer than CRS_MIN_FREE are free
    CRS_MIN_FREE = 50,
};

// Writes a creature file of `records` free records; 1 when written whole.
int cre_file_create(const char *path, int records);

// Path of the character's creature file.
void cre_file_path(char *buf, size_t size);
// Records in the file, with those a save not yet committed wrote past its end; -1 when it can't be
// opened.
int cre_file_records();
// The record of creature number n (1000 + record) as the file holds it, or as a running save wrote it;
// 1 when there is one, else 0 and a zeroed record.
int cre_file_record(int n, CreatureStruct &out);
// Every record of the file as the game reads it, the records a running save wrote (or a failed save
// left waiting) in their place, given to `each` in order. False when the file can't be read whole (it
// ends inside a record); a character without a creature file has no records.
bool cre_file_each(void (*each)(const CreatureStruct &c));
// Forgets the records kept for a save not yet committed: a load reads the file as it stands.
void cre_file_forget();
// The records kept for a save not yet committed, as they stand at a moment. Put back, whatever was
// written since is forgotten: a record made since is free again, a record changed since is as it was,
// and no later save writes them.
struct CreFileMark {
    std::string path;
    std::map<long, CreatureStruct> records;
};
void cre_file_mark(CreFileMark &mark);
void cre_file_back_to(const CreFileMark &mark);
// Writes c over the file's record n - 1000; nothing for n below 1000. 1 when written.
int Talleta_RealCreature(const CreatureStruct &c, int n);
// Gives c the first free record or a new one at the end; answers its number (1000 + record).
int SaveNewRealCreature(CreatureStruct &c);
// SaveNewRealCreature then lisaa_realcreature; the slot + 1000 id, or CRE_NONE with no slot free.
int new_creature_to_DATA(CreatureStruct &c);
void CarcassSave();
// The record of social id s: the area's live creature (its carcass for type 52), else the first
// record in use in the creature file; a zeroed record and 0 when there is none.
int getsotucrstruct(CreatureStruct &out, unsigned s, int type);

// Five counts of a community's members, in the area as they are now and in the file: carcasses,
// the living, those that have met the player, the injured, the fleeing (each stops at 255).
void GetCRSBasedSocInfo(uint8_t *info, int community);

// Carcass state kept in the second slot of the activity queue.
void set_carcass_skin_pause(CreatureStruct &c, int needed, int spent);
void carcass_skinned_addmins(CreatureStruct &c, int m);
int get_carcass_skin_leftmins(const CreatureStruct &c);   // -1000 before skinning
int get_carcass_skin_spentmins(const CreatureStruct &c);
int pctBurnt_carcass(const CreatureStruct &c, char *text, size_t size);
// Whether the carcass still carries antlers to cut: a grown reindeer or forest reindeer of either
// sex, a grown elk bull of more than eleven months; none once they are taken.
int creS_got_antlers(const CreatureStruct &c);
// Days between today and the day the carcass of social id s was last saved; -1 none found.
int sotubased_corpse_age(int s);
// The number SaveNewRealCreature would give a new creature now (its first free record, or the next
// one at the end); CRE_NONE when the file can't be opened.
int cre_file_next_id();

// The file's records as the entry of a map reads and writes them (creatures/creentry.cpp), the
// records a running save wrote seen first: the file opened by its path, its records, record k read
// (its texts ended inside their fields) and stored (inside a save, into its journal), whether `want`
// records are free, and the note of a failed write.
FILE *cre_file_open(const char *path, const char *mode);
// Ends a use of a file cre_file_open gave (never fclose it): 0, or EOF when a write failed.
int cre_file_close(FILE *f);
long cre_file_count(FILE *f);
bool cre_file_read(FILE *f, long k, CreatureStruct &out);
bool cre_file_store(FILE *f, const char *path, long k, const CreatureStruct &c);
bool cre_file_has_free(FILE *f, long records, int want);
void cre_file_write_failed(const char *path);
