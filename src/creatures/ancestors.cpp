// The ancestors' memorial: the death texts, the ring of slot folders and its scan, and the end of a
// life (the memorial, the character's folder deleted, back to the start menu).
#include "creatures/ancestors.h"

#include <errno.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/oxa.h"
#include "core/tekstit.h"
#include "creatures/condition.h"
#include "core/creatures.h"
#include "creatures/wounds.h"
#include "items/recipes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/mapdesc.h"
#include "maps/mapunit.h"
#include "maps/marker.h"

AncestorStruct Ancestor;
uint8_t AncFolderUsage[ANC_SLOTS];
uint32_t AncSortData_daysplayed[ANC_SLOTS];
uint32_t AncSortData_travelled[ANC_SLOTS];
int LASTANCNUM;

static const char *const ANC_FOLDER = "ANCESTORS";
static const char *const ANC_LASTENTRY = "ANCESTORS/lastentry.txt";

// ---- the death texts ------------------------------------------------------------------------------

static void append(char *out, const char *text) {
    const size_t used = strlen(out);
    if (used + 1 < ANC_TEXT) copy_bounded(out + used, ANC_TEXT - used, text);
}

const char *death_cause_text(int cause, const PlayerStruct &rec) {
    static char out[ANC_TEXT];
    static const struct {
        int cause;
        const char *text;
    } plain[] = {
        {DEATH_DROWNING, "drowned"},
        {DEATH_HUNGER, "starved to death"},
        {DEATH_THIRST, "died from lack of water"},
        {DEATH_QUIT, "quit living"},
        {DEATH_INJURIES, "died from severe injuries"},
        {DEATH_FATAL_WOUND, "got a fatal wound"},
        {DEATH_FROZEN, "froze to death"},
        {DEATH_ICE_WATER, "drowned after fainting in the freezing water"},
    };
    out[0] = 0;
    for (const auto &p : plain)
        if (p.cause == cause) copy_bounded(out, sizeof out, p.text);
    if (cause == DEATH_BLEEDING) {
        copy_bounded(out, sizeof out, "bled to death after ");
        append(out, harmer(rec.bleed_harmer, 0));
    } else if (cause == DEATH_ILLNESS) {
        snprintf(out, sizeof out, "died from %s", InjuryCause[0] ? InjuryCause : "an illness");
    }
    return out;
}

void compose_death_texts(PlayerStruct &rec, char *death_text, char *sentence) {
    switch (rec.death_cause) {
    case DEATH_DROWNING: case DEATH_HUNGER: case DEATH_THIRST: case DEATH_QUIT: case DEATH_FROZEN:
    case DEATH_ICE_WATER:
        rec.bleed_harmer = rec.faint_cause = rec.killer = 0;
        break;
    case DEATH_BLEEDING:
        rec.killer = DEATH_BLEEDING;
        rec.faint_cause = 0;
        break;
    default: break;
    }
    char cause[ANC_TEXT], fainting[ANC_TEXT] = "", killer[ANC_TEXT] = "";
    copy_bounded(cause, sizeof cause, death_cause_text(rec.death_cause, rec));
    if (rec.faint_cause == DEATH_BLEEDING) {
        if (rec.bleed_harmer) {
            copy_bounded(fainting, sizeof fainting, "started to bleed after ");
            append(fainting, harmer(rec.bleed_harmer, 0));
            append(fainting, " and ");
        }
        append(fainting, "fainted from the bloodloss");
    } else if (rec.faint_cause > 0) {
        copy_bounded(fainting, sizeof fainting, "fainted after ");
        append(fainting, harmer(rec.faint_cause, 0));
    }
    if (rec.killer) {
        copy_bounded(killer, sizeof killer, harmer(rec.killer, 10));
        if (rec.faint_cause) append(killer, " while unconscious");
        if (rec.killer == DEATH_BLEEDING && rec.bleed_harmer) {
            append(killer, " after ");
            append(killer, harmer(rec.bleed_harmer, 0));
        }
    }
    copy_bounded(death_text, ANC_TEXT, killer[0] ? killer : cause);

    char subject[64];
    copy_bounded(subject, sizeof subject, MSG(rec.sex == 2 ? "PP_SUBJ:FEM" : "PP_SUBJ:MASC"));
    sentence[0] = 0;
    append(sentence, subject);
    Alkuk(sentence);
    append(sentence, " ");
    if (fainting[0]) {
        append(sentence, fainting);
        append(sentence, ". While unconscious ");
        append(sentence, subject);
        append(sentence, " ");
    }
    if (rec.killer != 0 && rec.killer != DEATH_BLEEDING) {
        append(sentence, harmer(rec.killer, 1));
        append(sentence, " and ");
    }
    append(sentence, cause);
}

// ---- the ring of slots ----------------------------------------------------------------------------

static void slot_folder(char *out, size_t size, int slot) { snprintf(out, size, "%s/%d", ANC_FOLDER, slot); }

// A character folder name as a slot may name it: a plain name inside the working folder.
static bool plain_name(const char *name) {
    return name[0] && strcmp(name, ".") != 0 && strcmp(name, "..") != 0 && !strchr(name, '/') &&
           strlen(name) < sizeof CharacterFile;
}

bool read_ancestor(int slot, AncestorStruct &out, char *charfile, size_t size) {
    if (slot < 0 || slot >= ANC_SLOTS) return false;
    char folder[64], path[256], name[sizeof CharacterFile + 2] = "";
    slot_folder(folder, sizeof folder, slot);
    snprintf(path, sizeof path, "%s/charfile.txt", folder);
    FILE *f = fopen(path, "r");
    if (!f) return false;
    const bool got = fgets(name, sizeof name, f) != nullptr;
    fclose(f);
    name[strcspn(name, "\r\n")] = 0;
    if (!got || !plain_name(name)) return false;
    snprintf(path, sizeof path, "%s/%s.ANC", folder, name);
    struct stat st;
    if (stat(path, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != ANC_RECORD_SIZE) return false;
    static AncestorStruct staging;
    if (!read_exact(path, &staging, sizeof staging)) return false;
    for (char *t : {staging.death_text, staging.sentence, staging.map_name, staging.terrain}) t[ANC_TEXT - 1] = 0;
    staging.plr.name[sizeof staging.plr.name - 1] = 0;
    out = staging;
    copy_bounded(charfile, size, name);
    return true;
}

void GrabAncFolders() {
    static AncestorStruct rec;
    char name[sizeof CharacterFile];
    for (int s = 0; s < ANC_SLOTS; s++) {
        AncFolderUsage[s] = 0;
        AncSortData_daysplayed[s] = AncSortData_travelled[s] = 0;
        if (!read_ancestor(s, rec, name, sizeof name)) continue;
        AncFolderUsage[s] = 1;
        AncSortData_daysplayed[s] = rec.plr.daynumber;
        const float km = rec.plr.distance_km;
        AncSortData_travelled[s] = km > 0 && km < 4e9f ? (uint32_t)km : 0;
    }
    LASTANCNUM = 0;
    FILE *f = fopen(ANC_LASTENTRY, "r");
    if (f) {
        char line[32] = "";
        if (fgets(line, sizeof line, f)) {
            const long n = strtol(line, nullptr, 10);
            if (n >= 0 && n < ANC_SLOTS) LASTANCNUM = (int)n;
        }
        fclose(f);
    }
}

void bubble_sort(int *order, int count, int key) {
    if (key != 1 && key != 2) return;
    const uint32_t *by = key == 1 ? AncSortData_daysplayed : AncSortData_travelled;
    auto value = [&](int slot) { return slot >= 0 && slot < ANC_SLOTS ? by[slot] : 0u; };
    for (int pass = 0; pass < count - 1; pass++)
        for (int i = 0; i < count - 1 - pass; i++)
            if (value(order[i]) < value(order[i + 1])) {
                const int t = order[i];
                order[i] = order[i + 1];
                order[i + 1] = t;
            }
}

int ancestors_played_order(int order[ANC_SLOTS]) {
    int n = 0;
    for (int s = LASTANCNUM; s >= 0; s--)
        if (AncFolderUsage[s]) order[n++] = s;
    for (int s = ANC_SLOTS - 1; s > LASTANCNUM; s--)
        if (AncFolderUsage[s]) order[n++] = s;
    return n;
}

// Removes every file of a folder and everything below it, never following a link, then the folder.
static int remove_entry(const char *path, const struct stat *, int kind, struct FTW *) {
    return kind == FTW_DP ? rmdir(path) : unlink(path);
}
static int remove_tree(const char *folder) { return nftw(folder, remove_entry, 16, FTW_DEPTH | FTW_PHYS); }

static bool write_text(const char *path, const char *text) { return write_atomic(path, text, strlen(text)); }

// A file of the character's folder copied into the slot; a file she never had is no failure.
static bool copy_from_character(const char *folder, const char *name, const char *as) {
    char from[1200], to[1600];
    if ((size_t)snprintf(from, sizeof from, "%s/%s", CharacterPath, name) >= sizeof from) return false;
    if ((size_t)snprintf(to, sizeof to, "%s/%s", folder, as) >= sizeof to) return false;
    return !own_isfile(from) || copyfile(from, to);
}

static void memorial_failed(const char *what) {
    char line[400];
    snprintf(line, sizeof line, "!The memorial of %s couldn't be written (%s).", Plr.name[0] ? plrnam() : "you", what);
    Note(line);
}

int bonedone() {
    memset(&Ancestor, 0, sizeof Ancestor);
    GrabAncFolders();
    compose_death_texts(Plr, Ancestor.death_text, Ancestor.sentence);
    copy_bounded(Ancestor.map_name, ANC_TEXT, CurrentMapName(PlayerX, PlayerY, 0));
    const int wx = bigmap() ? PlayerX : IsoX(), wy = bigmap() ? PlayerY : IsoY();
    copy_bounded(Ancestor.terrain, ANC_TEXT, terrain_desc(get_alltime_maailmachar(wx, wy)));
    Ancestor.version = (uint8_t)(Plr.save_version & 0xff);
    Ancestor.plr = Plr;

    if (!gotfolder(ANC_FOLDER) && !own_mkdir(ANC_FOLDER)) oxa_quit("Could not create ANCESTORS folder!");
    const int slot = LASTANCNUM + 1 >= ANC_SLOTS ? 0 : LASTANCNUM + 1;
    char folder[64], path[512];
    slot_folder(folder, sizeof folder, slot);
    if (own_isfile(folder)) remove_tree(folder);
    if (!own_mkdir(folder)) {
        snprintf(path, sizeof path, "Could not create %s folder!", folder);
        oxa_quit(path);
    }

    const char *name = CharacterFile;
    snprintf(path, sizeof path, "%s\n", name);
    char charfile[128];
    snprintf(charfile, sizeof charfile, "%s/charfile.txt", folder);
    bool whole = write_text(charfile, path);
    snprintf(path, sizeof path, "%s/%s.ANC", folder, name);
    whole = whole && write_atomic(path, &Ancestor, sizeof Ancestor);
    if (!whole) {
        remove_tree(folder);
        memorial_failed("the record");
        return -1;
    }

    // Copies and the objects she carried: a memorial without them is still a memorial.
    bool copies = copy_from_character(folder, "portrait.png", "portrait.png");
    static ItemStruct carried[PLR_SLOTS];
    int n = 0;
    for (int i = 0; i < PLR_SLOTS; i++)
        if (Plr.inv_obj[i] > 0) ObjToItem(carried[n++], Plr.inv_obj[i]);
    snprintf(path, sizeof path, "%s/%s.OBJ", folder, name);
    copies = write_atomic(path, carried, sizeof(ItemStruct) * (size_t)n) && copies;
    save_creatures();
    char file[200];
    for (const char *ext : {"CRS", "VIL"}) {
        snprintf(file, sizeof file, "%s.%s", name, ext);
        copies = copy_from_character(folder, file, file) && copies;
    }
    copies = copy_from_character(folder, "KILL.LOG", "KILL.LOG") && copies;
    copies = copy_from_character(folder, "msglog.txt", "msglog.txt") && copies;
    static char deathmsg[4 * ANC_TEXT + 8];
    snprintf(deathmsg, sizeof deathmsg, "%s\n%s\n%s\n%s\n", Ancestor.death_text, Ancestor.sentence, Ancestor.map_name,
             Ancestor.terrain);
    snprintf(path, sizeof path, "%s/deathmsg.txt", folder);
    copies = write_text(path, deathmsg) && copies;
    if (!copies) memorial_failed("some of its files");

    snprintf(path, sizeof path, "%d\n", slot);
    if (!write_text(ANC_LASTENTRY, path)) memorial_failed("lastentry.txt: the next memorial will take its slot");
    LASTANCNUM = slot;
    return slot;
}

// ---- the end of a life ----------------------------------------------------------------------------

// The names of the program itself: a folder holding one is never deleted.
static const char *const PROGRAM_FILES[] = {"oxa", "oxa.exe", "halvornaland", "halvornaland.exe"};

int DeleteCharacter() {
    fclose_TEKODATA_F();
    const char *name = CharacterFile;
    if (!plain_name(name)) return 0;
    char folder[1200];
    snprintf(folder, sizeof folder, "%s/%s", OxaPath[0] ? OxaPath : ".", name);
    struct stat st;
    if (lstat(folder, &st) != 0 || !S_ISDIR(st.st_mode)) return 0;
    char path[1400];
    for (const char *program : PROGRAM_FILES) {
        snprintf(path, sizeof path, "%s/%s", folder, program);
        if (own_isfile(path)) return 0;
    }
    if (remove_tree(folder) == 0) return 1;
    fclose_TEKODATA_F();
    oxa_delay(250);
    if (remove_tree(folder) == 0 || !own_isfile(folder)) return 1;
    const int err = errno;
    snprintf(path, sizeof path, "!error: can't remove character directory: \"%s\"! errno: %d", name, err);
    Note(path);
    Pause();
    return 0;
}

void PlayerDeath() {
    DISABLE_NOTES = 0;
    DISABLE_MAP = 0;
    ClrOxaFlipMap();
    FLIP_map_OFF();
    if (REAL_QUIT == -1) return;   // she has died once already this turn
    Note("!You have died...");
    Pause();
    FLIP_map_OFF();
    RESET_MAPEFF();
    ui_death_scene();
    const int slot = bonedone();
    for (DataStruct &d : Data) {
        d.x = d.y = 0;
        d.type = 0;
        d.count = 0;
        d.id = 0;
    }
    DeleteCharacter();
    XOUT_OK = 0;
    ui_memorial_page(slot);
    CLOSE_WINDOW = 0;
    REAL_QUIT = -1;
}
