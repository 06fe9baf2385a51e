// src/worldgen/newchar.cpp -- a new character's folder, built whole from the choices of creation.
// Everything goes into a folder of its own temporary name, which takes the character's name only once
// the last file stands: a creation that fails on the way leaves nothing that blocks the name. The
// creation holds that folder locked while it runs: another game creating the same name is told so
// and never touches it.
#include "worldgen/newchar.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "activities/crolls.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/player.h"
#include "core/records.h"
#include "creatures/portraits.h"
#include "items/itemdefs.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"
#include "worldgen/campaign.h"
#include "worldgen/kartta_main.h"
#include "worldgen/kartta_view.h"
#include "worldgen/chardefs.h"

int CRTPLR_TAPA;
char SaveFile[64];
int (*crtplr_fault)(const char *file) = nullptr;

// ---- names ---------------------------------------------------------------------------------------

static const char *const INHABITANT[CRTPLR_INHABITANTS] = {
    "Kaumolainen",     "Driikil\xe4inen", "Kiessel\xe4inen", "Reemil\xe4inen",  "Sartolainen",
    "Islander",        "Koivulainen",     "of Kuikka-tribe", "of Owl-tribe",    "of Seal-tribe",
    "the vagabond",    "Njerpez",         "Foreigner",       "Forester"};

const char *crtplr_inhabitant(int culture) {
    return culture >= 0 && culture < CRTPLR_INHABITANTS ? INHABITANT[culture] : "";
}

int crtplr_season_month(int season) {
    static const int month[4] = {4, 6, 8, 11};
    return season >= 0 && season < 4 ? month[season] : 6;
}

float crtplr_season_air(int season) {
    static const float air[4] = {10.0f, 18.0f, 5.0f, -5.0f};
    return season >= 0 && season < 4 ? air[season] : 18.0f;
}

const char *crtplr_portrait_group(int sex, int culture) {
    if (sex == 2) return "fem";
    switch (culture) {
    case 0: case 2: case 3: return "east";
    case 7: case 8: case 9: return "north";
    default: return "west";
    }
}

// A character a name may not hold: a space and the marks . , / \ _ & +, and what a folder name or a
// file search can't take (wildcards, the marks some systems refuse, control bytes).
static bool name_refused(unsigned char c) {
    if (c < 32 || c == 127) return true;
    return c != 0 && strchr(" .,/\\_&+*?[:\"<>|", c) != nullptr;
}

static const char *const BEING_CREATED = "A character with that name is being created in another game!";

// The building folder of a folder name.
static void staging_name(char *buf, size_t size, const char *folder) { snprintf(buf, size, "%s.crtplr", folder); }

// Whether another game holds the building folder of this name: its creation is running.
static bool staging_held(const char *folder) {
    char dir[CRTPLR_FOLDER_MAX + 16];
    staging_name(dir, sizeof dir, folder);
    const int fd = open(dir, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    const bool held = flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    close(fd);   // a lock this look took goes with the handle
    return held;
}

int crtplr_folder_name(const char *typed, char *folder, size_t size, const char **why) {
    const char *refusal = nullptr;
    if (folder && size) folder[0] = 0;
    if (!typed) typed = "";
    const size_t len = strlen(typed);
    if (len < 3) refusal = "Too short character name.";
    bool letters = len <= 12;
    for (const char *p = typed; *p; p++)
        if (name_refused((unsigned char)*p)) letters = false;
    if (!letters) refusal = "Character name can't contain spaces or special characters.";
    char out[CRTPLR_FOLDER_MAX + 1] = "";
    if (!refusal) {
        size_t n = 0;
        for (const char *p = typed; *p && n < CRTPLR_FOLDER_MAX; p++) {
            unsigned char c = (unsigned char)*p;
            if (c >= 'a' && c <= 'z') c = (unsigned char)(c - 'a' + 'A');
            if (c == 132 || c == 142 || c == 228) c = 196;
            if (c == 148 || c == 153 || c == 246) c = 214;
            if (c < 128) {
                out[n++] = (char)c;
                continue;
            }
            char hex[5];
            snprintf(hex, sizeof hex, "0x%02x", c);
            for (const char *h = hex; *h && n < CRTPLR_FOLDER_MAX; h++) out[n++] = *h;
        }
        out[n] = 0;
        struct stat st;
        if (stat(out, &st) == 0) refusal = "File folder for a character with that name already exists!";
        else if (staging_held(out)) refusal = BEING_CREATED;
    }
    if (why) *why = refusal;
    if (refusal) return 0;
    if (folder && size) copy_bounded(folder, size, out);
    return 1;
}

// ---- the record ----------------------------------------------------------------------------------

void reset_character() {
    memset(&Plr, 0, sizeof Plr);
    Plr.felt_temperature = 20;
    Plr.day_counter2 = 1;
    Plr.energy = 3000;
    Plr.hour = 8;
    Plr.minute = 0;
    Plr.day = 1;
    Plr.year = 16;
    Plr.daynumber = 1;
    Plr.course_index = -1;
    aseta_peliversio();
    Plr.movement_mode = 1;
    Plr.exertion = 2;
    Plr.upgrade_mark = 255;
    Plr.body_temperature = 37.0f;
    equipment_forget();
}

// ---- the folder ----------------------------------------------------------------------------------

static bool faulted(const char *file) { return crtplr_fault && crtplr_fault(file); }

static bool file_is(const char *path, long size) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode) && (long)st.st_size == size;
}

// Empties a folder the builder made of the plain files in it.
static void empty_folder(const char *dir) {
    if (DIR *d = opendir(dir)) {
        while (const dirent *e = readdir(d)) {
            if (strcmp(e->d_name, ".") == 0 || strcmp(e->d_name, "..") == 0) continue;
            char path[600];
            snprintf(path, sizeof path, "%s/%s", dir, e->d_name);
            remove(path);
        }
        closedir(d);
    }
}

// The building folder, held open with an advisory lock while this creation runs (as a loaded
// character's folder is held): -1 when none is held.
static int staging_fd = -1;

enum class Claim { ours, held, failed };

// Takes the building folder for this creation: made anew, or one that no game holds, left by a
// creation that never finished and emptied. The lock counts only for the folder that still stands
// under the name once it is taken: one removed or renamed in the meantime is looked for again.
static Claim claim_staging(const char *dir) {
    for (int tries = 0; tries < 8; tries++) {
        const bool made = mkdir(dir, 0700) == 0;
        if (!made && errno != EEXIST) return Claim::failed;
        const int fd = open(dir, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT) continue;
            return Claim::failed;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const bool held = errno == EWOULDBLOCK;
            close(fd);
            return held ? Claim::held : Claim::failed;
        }
        struct stat locked, named;
        if (fstat(fd, &locked) != 0 || lstat(dir, &named) != 0 || locked.st_ino != named.st_ino ||
            locked.st_dev != named.st_dev) {
            close(fd);
            continue;
        }
        if (!made) empty_folder(dir);
        staging_fd = fd;
        return Claim::ours;
    }
    return Claim::failed;
}

// Lets the building folder go; `remove` takes it away first, while it is still held.
static void release_staging(const char *dir, bool remove) {
    if (remove) {
        empty_folder(dir);
        rmdir(dir);
    }
    if (staging_fd >= 0) close(staging_fd);
    staging_fd = -1;
}

static bool write_into(const char *dir, const char *file, const void *data, size_t size) {
    if (faulted(file)) return false;
    char path[600];
    snprintf(path, sizeof path, "%s/%s", dir, file);
    return write_atomic(path, data, size);
}

// The chosen portrait into the folder as "portrait.png"; a portrait the working folder lacks is none.
static bool copy_portrait(const char *dir) {
    char name[sizeof Plr.portrait + 1];
    copy_bounded(name, sizeof name, Plr.portrait);
    if (!name[0]) return true;
    char from[64];
    snprintf(from, sizeof from, "truegfx/%s", name);
    if (!own_isfile(from)) return true;
    if (faulted("portrait.png")) return false;
    return saveportrait(name, dir) == 1;
}

// The choices of the first phases into the record.
static void take_choices(const NewCharChoices &c) {
    copy_bounded(Plr.name, sizeof Plr.name, c.name);
    Plr.culture = (uint8_t)(c.culture >= 0 && c.culture < CRTPLR_CULTURES ? c.culture : 0);
    memset(Plr.inhabitant, 0, sizeof Plr.inhabitant);
    copy_bounded(Plr.inhabitant, sizeof Plr.inhabitant, crtplr_inhabitant(Plr.culture));
    Plr.sex = (uint8_t)(c.sex == 2 ? 2 : 1);
    char portrait[sizeof Plr.portrait];
    copy_bounded(portrait, sizeof portrait, c.portrait);
    if (!portrait[0] && c.mode == CRTPLR_QUICK && create_facelist(crtplr_portrait_group(Plr.sex, Plr.culture)) > 0)
        copy_bounded(portrait, sizeof portrait, Pick_Portrait(0));
    memset(Plr.portrait, 0, sizeof Plr.portrait);
    copy_bounded(Plr.portrait, sizeof Plr.portrait, portrait);
    Plr.month = (uint8_t)crtplr_season_month(c.season);
    Plr.air_temperature = crtplr_season_air(c.season);
}

// The rolls until the player keeps them, the starting skills, and the skill phase or quick mode's step.
static void roll_character(const NewCharChoices &c, const NewCharAsk *ask) {
    for (;;) {
        DoHeightWeight();
        DoKeyAttributes();
        if (c.mode == CRTPLR_QUICK || !ask || !ask->accept_roll || ask->accept_roll()) break;
    }
    character_skills();
    if (c.mode == CRTPLR_QUICK) {
        for (int s = 0; s < PLR_SKILLS; s++)
            if (Plr.skill_name[s][0] && strncmp(Plr.skill_name[s], "DODGE", PLR_SKILLNAME) != 0)
                Plr.skill_level[s] = (uint8_t)(Plr.skill_level[s] + Plr.skill_aptitude[s]);
    } else if (ask && ask->skill_phase) {
        ask->skill_phase();
    }
    memcpy(Plr.skill_start, Plr.skill_level, sizeof Plr.skill_start);
    Plr.start_day = Plr.day;
    Plr.start_month = Plr.month;
    Plr.start_year = Plr.year;
}

static bool make_world(const NewCharChoices &c, const NewCharAsk *ask, const char *dir) {
    if (ask && ask->world) return ask->world(dir) == 0;
    worldgen_seed(c.seed);
    if (luokartta() != 0) return false;
    etsialoituskohta(0);
    const bool ok = !faulted("WORLD.DAT") && tallennakartta(dir) == 0;
    putsaa();
    return ok;
}

static int scenario_of(const NewCharChoices &c, const NewCharAsk *ask) {
    if (c.scenario >= 0) return c.scenario;
    if (c.mode != CRTPLR_QUICK && ask && ask->scenario) return ask->scenario();
    return 1;
}

static void course_of(const NewCharChoices &c, const NewCharAsk *ask) {
    Plr.course_index = -1;
    if (c.course == 1 || c.course == 2) world_services.course_start(c.course);
    if (c.course == -2 && ask && ask->course && ask->course() < 0) Plr.course_index = -1;
}

// The player's objects emptied: every row the cleared temporary item with no type and no name.
static void clear_player_objects() {
    ItemStruct blank;
    ClrItemstruct(blank);
    blank.type = 0;
    memset(blank.name, 0, sizeof blank.name);
    for (ItemStruct &row : PlayerObj) row = blank;
}

// The steps from the folder on; false and the reason when a file couldn't be made.
static bool build_folder(const NewCharChoices &c, const NewCharAsk *ask, const char *dir, const char *&fail) {
    char file[128];
    fail = "The portrait couldn't be copied.";
    if (!copy_portrait(dir)) return false;
    roll_character(c, ask);
    copy_bounded(CharacterPath, sizeof CharacterPath, dir);
    fail = "The world couldn't be written.";
    if (!make_world(c, ask, dir)) return false;
    const int scenario = scenario_of(c, ask);
    Plr.scenario = 100 + scenario;
    memset(Plr.folder, 0, sizeof Plr.folder);
    copy_bounded(Plr.folder, sizeof Plr.folder, SaveFile);
    fail = "The story couldn't be written.";
    if (faulted("story.txt") || !get_camp(scenario, dir)) return false;
    SetCampaignData();
    create_objects(dir);
    // Both copies of the definitions again, with the plants the catalogue was given last.
    snprintf(file, sizeof file, "%s/CONSTANT.OBJ", dir);
    fail = "ERROR! Couldn't write CONSTANT.OBJ";
    if (faulted("CONSTANT.OBJ") || !write_constantobj(file) || !file_is(file, (long)sizeof ConstantObj)) return false;
    fail = "ERROR! Couldn't write CONSTANT.OBJ?";
    if (!write_constantobj("CONSTANT.OBJ")) return false;
    fail = "The creature files couldn't be written.";
    if (!write_creature_files(dir, faulted("CONSTANT.CRE"))) return false;
    course_of(c, ask);
    clear_player_objects();
    character_equipment();
    snprintf(file, sizeof file, "%s.OBJ", SaveFile);
    fail = "The objects couldn't be written.";
    if (!write_into(dir, file, PlayerObj, sizeof PlayerObj)) return false;
    aseta_peliversio();
    snprintf(file, sizeof file, "%s.OXS", SaveFile);
    fail = "Failed to save character!";
    if (!write_into(dir, file, &Plr, sizeof Plr)) return false;
    fail = "The portrait couldn't be copied.";
    return copy_portrait(dir);
}

static void say_err(char *err, size_t errsize, const char *text) {
    if (err && errsize) copy_bounded(err, errsize, text ? text : "");
}

int crtplr_build(const NewCharChoices &c, const NewCharAsk *ask, char *err, size_t errsize) {
    say_err(err, errsize, "");
    CharacterFile[0] = 0;
    char folder[CRTPLR_FOLDER_MAX + 1];
    const char *why = nullptr;
    if (!crtplr_folder_name(c.name, folder, sizeof folder, &why)) {
        say_err(err, errsize, why);
        return 0;
    }
    // The building folder is this creation's before anything of the record changes: one that
    // another game holds is that game's creation, and nothing of it is touched.
    char dir[CRTPLR_FOLDER_MAX + 16];
    staging_name(dir, sizeof dir, folder);
    const Claim claim = faulted(dir) ? Claim::failed : claim_staging(dir);
    if (claim != Claim::ours) {
        say_err(err, errsize, claim == Claim::held ? BEING_CREATED : "COULDN'T _TMKDIR CHARDIR!");
        return 0;
    }
    CRTPLR_TAPA = c.mode;
    copy_bounded(SaveFile, sizeof SaveFile, folder);
    randomize((int)(c.seed & 0x7fffffff));
    reset_character();
    take_choices(c);

    const char *fail = "";
    bool ok = build_folder(c, ask, dir, fail);
    if (ok && (faulted(folder) || rename(dir, folder) != 0)) {
        fail = "File folder for a character with that name already exists!";
        ok = false;
    }
    // Renamed, the folder held is the character's: a game that keeps it holds it on from here.
    if (ok && ask && ask->keep_held && staging_fd >= 0) {
        save_keep_folder_lock(staging_fd, folder);
        staging_fd = -1;
    }
    release_staging(dir, !ok);
    if (!ok) {
        CharacterPath[0] = 0;
        say_err(err, errsize, fail);
        return 0;
    }
    copy_bounded(CharacterPath, sizeof CharacterPath, folder);
    if (ask && ask->closing) ask->closing();
    copy_bounded(CharacterFile, sizeof CharacterFile, folder);
    return 1;
}
