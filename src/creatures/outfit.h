// src/creatures/outfit.h -- a creature's things and identity: its pack and clothes, the clothing sets
// by level, food and weapon skills, first names with a memory of recent ones, faces, picture names,
// bird calls, the value of hides and live animals, morale presets and the bookkeeping of kills.
#pragma once
#include <cstdint>

#include "core/creatures.h"

enum { PREVNAME_COUNT = 32, PREVNAME_SIZE = 100, NAME_MAX_CHARS = 15 };
extern char PrevNameStack[PREVNAME_COUNT][PREVNAME_SIZE];

// Pack and clothes of the working record Creature.
void Lisaa_Esine(int obj);                 // one obj into the first empty pack entry, unless held
void Lisaa_Usea_Esine(int obj, int n);     // n of obj onto its entry (same object or same name)
void Lisaa_Vaate(int obj);                 // puts obj on, replacing what covers the same parts
// obj with a quality drawn for the wealth class, stored, and added to c's pack with bits.
void addobj_creature(CreatureStruct &c, int obj, int n, int quality, int bits);
void addcloth_creature(CreatureStruct &c, int obj, int quality);

// Clothing pickers: an object number of the level's row (0..2), or 0 (nothing).
int Kengat(int level, int culture);
int Housut(int level, int culture);
int Alusmekko(int level, int culture);
int Paallysmekko(int level, int culture);
int Aluspaita(int level, int culture);
int Paallyspaita(int level, int culture);
int Miesten_Paahine(int level, int culture);
int Esiliina(int level);
int Naisten_Paahine(int level);
int Pikkuasuste(int level);
void pue_mies(int level, int quality, int culture);
void pue_nainen(int level, int quality);   // shoes, undergarment, dress, apron, headwear, accessory
void Lisaa_Eraruoka(int culture);
void Lisaa_Arkiruoka(int culture);
void set_skill(const char *name, int level);

// Names and faces.
char *RndHumanName(const char *sex, int culture);
int PrevNameStackCheck(const char *name);
void ClearPrevNameStack();
const char *pick_male_face();
const char *pick_female_face();
const char *pick_child_face();
// A trader's made-up personal name ("Bevisward").
void trader_name(char *out, int size);

// Pictures and sounds. The picture name of a creature record: its own, else by its graphic.
const char *tilename_of_graphic(const CreatureStruct &c);
int BircallActive(int c);
char *BirdcallSamplename(int c);

// Values.
int NAHKA_Hinta(const char *name);
int NAHKA_OnkoTurkis(const char *name);
int elainhinta(int c);

// Morale.
void Aseta_Moraali_Kotielain();
void Luo_Ihmisen_Moraali();
void domorale_NjerpezAvoider(int c);
void domorale_NjerpezAvoider(CreatureStruct &r);   // the same for a record not (yet) in a slot
void set_Cre_moralebit(int c, int target, int bit);
void setall_Cre_moralebit(int c, int bit);
int get_Cre_bfmorale(int c, int target);

// After the player kills creature n: the event log and the kill marker of the species.
void TappoTarkistukset(int n);
