// The player record's files, the inventory slots and the skill lookups.
#include "core/player.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/creatures.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/tehtavat.h"
#include "core/tekstit.h"
#include "core/worldservices.h"

#include <cstdio>
#include <cstring>

int INVISIBLE = 0;
int Environ = 1;

int bigmap() {
    if (memcmp(Plr.mapname, "BIGMAP", 7) == 0) {
        Environ = 1;
        return 1;
    }
    Environ = 2;
    world_services.course_task_check(2);
    return 0;
}

int non_outdoor() {
    if (!bigmap()) return 0;
    Note("!That's not allowed on the wilderness map! Press [ENTER] to zoom on the local terrain map.");
    return 1;
}

// The note box and its pause.
static void say(const char *text) { Note(text); }
static void pause_notes() { Pause(); }

static void character_file(char *buf, size_t size, const char *ext) {
    snprintf(buf, size, "%s/%s.%s", CharacterPath, CharacterFile, ext);
}

// ---- files ----

int do_OXS_backup() {
    char oxs[1200], bak[1200];
    character_file(oxs, sizeof oxs, "OXS");
    character_file(bak, sizeof bak, "BAK");
    static uint8_t copy[PLR_SIZE];
    if (!read_exact(oxs, copy, sizeof copy)) return 0;
    if (copy[0] == 0 && copy[1] == 0 && copy[2] == 0 && copy[3] == 0) return 0;
    // A backup that holds the file already (the character was not saved since) is left as it is.
    return file_holds(bak, copy, sizeof copy) || write_atomic(bak, copy, sizeof copy) ? 1 : 0;
}

void aseta_peliversio() { Plr.save_version = SAVE_VERSION; }

int ReadPlrFile() {
    char path[1200];
    character_file(path, sizeof path, "OXS");
    FILE *f = fopen(path, "rb");
    if (!f) return 0;
    static PlayerStruct fresh;
    size_t got = fread(&fresh, 1, sizeof fresh, f);
    fclose(f);
    if (got != sizeof fresh) {
        // A short file would leave the rest of the record from the previous game.
        char note[1300];
        snprintf(note, sizeof note, "!The character file %s is damaged (%u of %u bytes).", path,
                 (unsigned)got, (unsigned)sizeof fresh);
        say(note);
        return -1;
    }
    Plr = fresh;
    return 1;
}

int WritePlrFile() {
    if (Plr.name[0] == 0) {
        say("!OXS name blank. Report!");
        pause_notes();
        return 0;
    }
    char path[1200];
    character_file(path, sizeof path, "OXS");
    if (!write_atomic(path, &Plr, sizeof Plr)) {
        say("!Write error with .OXS file. Report!");
        pause_notes();
        return 0;
    }
    return 1;
}

bool exiter_sound(const int32_t v[3]) {
    return v[2] == 0 && v[0] >= 0 && v[0] % 3 == 0 && v[0] / 3 <= DAYNUMBER_MAX && v[1] >= -500 &&
           v[1] <= DAYNUMBER_MAX - 500 && (v[0] | v[1]) != 0;
}

int ReadExiter() {
    char path[1200];
    snprintf(path, sizeof path, "%s/EXITER.DAT", CharacterPath);
    int32_t v[3];
    if (!read_exact(path, v, sizeof v) || !exiter_sound(v)) return 0;
    Plr.day_counter2 = (uint32_t)(v[0] / 3);
    Plr.daynumber = (uint32_t)(v[1] + 500);
    return 1;
}

int WriteExiter() {
    char path[1200];
    snprintf(path, sizeof path, "%s/EXITER.DAT", CharacterPath);
    int32_t v[3] = {(int32_t)(Plr.day_counter2 * 3), (int32_t)Plr.daynumber - 500, 0};
    return write_atomic(path, v, sizeof v) ? 1 : 0;
}

// ---- inventory ----

static bool stored(int n) { return n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST; }
static bool overloaded() { return Plr.inv_obj[PLR_OVERLOAD_SLOT] != 0; }

static int first_empty_slot() {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] == 0) return s;
    return -1;
}

static int slot_holding(int obj) {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] == obj) return s;
    return -1;
}

static void to_ground(int obj, int count) {
    say("!You carry too much! Excess items are now put on the ground.");
    pause_notes();
    set_data(DT_ITEM, PlayerX, PlayerY, obj, count);
}

static void fill_slot(int s, int obj, int count) {
    Plr.inv_obj[s] = obj;
    Plr.inv_count[s] = count;
}

void AddItem(int obj, int count, int mode) {
    if (overloaded()) {
        to_ground(obj, count);
        return;
    }
    int s = mode == 1 ? CheckIfSame(obj) : -1;
    if (s < 0) s = slot_holding(obj);
    if (s >= 0) {
        Plr.inv_count[s] += count;
        return;
    }
    s = first_empty_slot();
    if (s < 0) to_ground(obj, count);
    else fill_slot(s, obj, count);
}

// Making room at `pos` moves the slots behind it back by one. The move must not push an item
// out of the last slots, so it is made only while slot 98 is empty; otherwise the item goes to
// the first empty slot.
static int make_room(int pos) {
    if (pos < 0 || pos > PLR_SLOTS - 2 || Plr.inv_obj[PLR_SLOTS - 2] != 0) return first_empty_slot();
    for (int s = PLR_SLOTS - 2; s > pos; s--) {
        Plr.inv_obj[s] = Plr.inv_obj[s - 1];
        Plr.inv_count[s] = Plr.inv_count[s - 1];
    }
    fill_slot(pos, 0, 0);
    return pos;
}

static int add_to_pack(int obj, int count, int mode, int pos);

int Lisaa_Inventoryyn(int obj, int count, int mode, int pos) {
    if (overloaded()) {
        to_ground(obj, count);
        return 99;
    }
    return add_to_pack(obj, count, mode, pos);
}

int Lisaa_Jaon_Loput(int obj, int count, int mode, int pos) { return add_to_pack(obj, count, mode, pos); }

static int add_to_pack(int obj, int count, int mode, int pos) {
    int target = pos == -1 ? first_empty_slot() : make_room(pos);
    int used = -1;
    if (mode == 1) {
        int s = CheckIfSame(obj);
        if (s >= 0) {
            Plr.inv_count[s] += count;
            used = s;
        }
    }
    if (used < 0 && mode != 0) {
        int s = slot_holding(obj);
        if (s >= 0) {
            Plr.inv_count[s] += count;
            used = s;
        }
    }
    if (used < 0) {
        if (target < 0) {
            to_ground(obj, count);
            laske_Load(-1);
            return 99;
        }
        fill_slot(target, obj, count);
        used = target;
    }
    laske_Load(-1);
    return used;
}

int AddNewItem(int obj, int count) {
    if (CheckIfSame(obj) < 0) obj = ObjToPlayerObj(obj);
    if (obj == 0) return 0;   // the object table is full: the note told so, nothing is added
    AddItem(obj, count, 1);
    laske_Load(-1);
    return 1;
}

int CheckIfSame(int obj) {
    ItemStruct want;
    ObjToItem(want, obj);
    for (int s = 0; s < PLR_SLOTS; s++) {
        int n = Plr.inv_obj[s];
        if (stored(n) && ItemStructsEqual(PlayerObj[n - OBJ_PLAYER_FIRST], want)) return s;
    }
    return -1;
}

int Yhdista_Slottiin(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS) return 0;
    if (Plr.inv_obj[slot] == 0 || Plr.inv_count[slot] == 0) return 0;
    ItemStruct here, other;
    ObjToItem(here, Plr.inv_obj[slot]);
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (s == slot || Plr.inv_obj[s] == 0) continue;
        if (!ItemStructsEqual(here, ObjToItem(other, Plr.inv_obj[s]))) continue;
        Plr.inv_count[slot] += Plr.inv_count[s];
        fill_slot(s, 0, 0);
    }
    laske_Load(-1);
    return 0;
}

void item_to_plrobj(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS) return;
    int n = Plr.inv_obj[slot];
    if (stored(n)) PlayerObj[n - OBJ_PLAYER_FIRST] = Temp_Item;
}

static bool valid_rec(int rec) { return rec >= 0 && rec < PLAYEROBJ_COUNT; }

int Status(int rec, int bits) { return valid_rec(rec) ? (PlayerObj[rec].status & bits) : 0; }

void StatusSet(int rec, int bits) {
    if (valid_rec(rec)) PlayerObj[rec].status = (uint8_t)(PlayerObj[rec].status + bits);
}

void StatusUnset(int rec, int bits) {
    if (valid_rec(rec)) PlayerObj[rec].status = (uint8_t)(PlayerObj[rec].status - bits);
}

int DropItem(int count, int obj, int x, int y) {
    if (stored(obj)) {
        int rec = obj - OBJ_PLAYER_FIRST;
        if (Status(rec, ISTAT_PRIMARY)) StatusUnset(rec, ISTAT_PRIMARY);
        if (Status(rec, ISTAT_SECOND)) StatusUnset(rec, ISTAT_SECOND);
    }
    set_data(DT_ITEM, x, y, obj, count);
    return 1;
}

void wear_armours() {
    for (int s = 0; s < 50; s++) {
        int n = Plr.inv_obj[s];
        if (!stored(n) || Plr.inv_count[s] != 1) continue;
        int rec = n - OBJ_PLAYER_FIRST;
        if (PlayerObj[rec].type == IT_ARMOUR && !Status(rec, ISTAT_WORN)) StatusSet(rec, ISTAT_WORN);
    }
}

// ---- skills ----

static void skill_text(int s, char *out) {
    memcpy(out, Plr.skill_name[s], PLR_SKILLNAME);
    out[PLR_SKILLNAME] = 0;
}

int plr_ML(const char *name) {
    char sk[PLR_SKILLNAME + 1];
    for (int s = 0; s < PLR_SKILLS; s++) {
        skill_text(s, sk);
        if (sk[0] && strstr(sk, name)) return Plr.skill_level[s];
    }
    return 1000;
}

void set_ML(const char *name, int level) {
    char sk[PLR_SKILLNAME + 1];
    for (int s = 0; s < PLR_SKILLS; s++) {
        skill_text(s, sk);
        if (sk[0] && strstr(sk, name)) Plr.skill_level[s] = (uint8_t)level;
    }
}

void impro(const char *name) {
    char sk[PLR_SKILLNAME + 1];
    for (int s = 0; s < PLR_SKILLS; s++) {
        skill_text(s, sk);
        if (sk[0] && strcmp(sk, name) == 0 && Plr.skill_level[s] < 80) Plr.skill_level[s] += 20;
    }
}
