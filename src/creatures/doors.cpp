// src/creatures/doors.cpp -- doors and gates, hiding and sneaking, the movement mode and its name, the
// movement menu with running, standing still, resting and lying down; the door, fence and
// pet-dragging tests of the creatures' steps.
#include "creatures/doors.h"

#include "core/commandcodes.h"
#include "creatures/skills.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "core/weatherengine.h"
#include "creatures/combat.h"
#include "creatures/body.h"
#include "core/creatures.h"
#include "creatures/cremove.h"
#include "creatures/life.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/zoomservices.h"
#include "creatures/hauling.h"
#include "creatures/takeapart.h"
#include "items/wearing.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/picker.h"
#include "maps/rooms.h"
#include "maps/sight.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/tekstit.h"
#include "core/player.h"
#include "core/worldservices.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

enum { MODE_WALK = 1, MODE_SWIM = 2, MODE_ROW = 3, MODE_WADE = 4, MODE_SKI = 7, MODE_HAUL = 9 };

// ---- services of other modules ------------------------------------------------------------------

static void fall_prone() { FallProne(CRE_PLAYER, 2); }   // lying down by choice
static void get_up() { Nouse(CRE_PLAYER); }
static int hauled_load_moves() { return itemmove_check(CRE_PLAYER, 0) > 0; }

// ---- doors ------------------------------------------------------------------------------------

static void set_door(int x, int y, int c) {
    set_mapchar(x, y, c);
    set_memorymap(x, y, c);
}

int open_door(int x, int y) {
    TARGET_NPC = -1;
    if (x == 0) {
        const char set[] = {(char)CH_DOOR_CLOSED, (char)CH_GATE_CLOSED, 0};
        DirSel_ch("door you wish to open", set);
        if (GeneralX + GeneralY == 0) return 0;
    } else {
        GeneralX = x;
        GeneralY = y;
    }
    const int gx = GeneralX, gy = GeneralY;
    switch (get_mapchar(gx, gy)) {
    case CH_GATE_CLOSED:
        set_door(gx, gy, CH_GATE_OPEN);
        Note(MSG("DO_OPEN_GATE"));
        DrawMap();
        return 1;
    case CH_GATE_OPEN: Note(MSG("GATE_ALR_OPEN")); return 0;
    case CH_DOOR_CLOSED:
        set_door(gx, gy, CH_DOOR_OPEN);
        Note(MSG("DO_OPEN_DOOR"));
        DrawMap();
        return 1;
    case CH_DOOR_OPEN: Note(MSG("DOOR_ALR_OPEN")); return 0;
    default: Note(MSG("DOOR_NOT")); return 0;
    }
}

int close_door() {
    TARGET_NPC = -1;
    const char set[] = {(char)CH_DOOR_OPEN, (char)CH_GATE_OPEN, 0};
    DirSel_ch("door you wish to close", set);
    if (GeneralX + GeneralY == 0) return 0;
    const int gx = GeneralX, gy = GeneralY;
    switch (get_mapchar(gx, gy)) {
    case CH_DOOR_OPEN: set_door(gx, gy, CH_DOOR_CLOSED); Note(MSG("DO_CLOSE_DOOR")); return 1;
    case CH_GATE_OPEN: set_door(gx, gy, CH_GATE_CLOSED); Note(MSG("DO_CLOSE_GATE")); return 1;
    case CH_GATE_CLOSED: Note(MSG("GATE_ALR_CLOSED")); return 0;
    case CH_DOOR_CLOSED: Note(MSG("DOOR_ALR_CLOSED")); return 0;
    default: Note(MSG("DOOR_NOT")); return 0;
    }
}

// The creature number of a pool record of a live creature; -1000 for anything else.
static int record_creature(const DataStruct &d) {
    if (d.type != DT_CREATURE || d.id < (uint32_t)CRE_DATAID) return CRE_NONE;
    const uint32_t slot = d.id - CRE_DATAID;
    return slot < (uint32_t)CRE_COUNT ? (int)slot : CRE_NONE;
}

int allowdoorclose(int x, int y) {
    if (x == PlayerX && y == PlayerY) return 0;
    if (koordinaattien_vali(PlayerX, PlayerY, x, y) <= 2 && See(x, y)) return 0;
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        const int c = record_creature(d);
        if (c == CRE_NONE) continue;
        if (d.x == x && d.y == y) return 0;
        if (!onko_NPC_kesyelain(c) || koordinaattien_vali(d.x, d.y, x, y) > 5) continue;
        if (onkohuone(d.x, d.y)) return 0;
        if (koordinaattien_vali(PlayerX, PlayerY, x, y) <= 5 && onkohuone(PlayerX, PlayerY)) return 0;
    }
    return 1;
}

// ---- hiding and sneaking ----------------------------------------------------------------------

static void movement_words(char *out, size_t size) {
    copy_bounded(out, size, movement_desc());
    strlwr(out);
}

void Piiloudu() {
    if (LURK) {
        Note(MSG("HIDING_STOP"));
        LURK = 0;
        Statistics();
        return;
    }
    const int mode = Plr.movement_mode;
    if (mode == MODE_SWIM || mode == MODE_ROW || mode == MODE_HAUL) {
        char words[100];
        movement_words(words, sizeof words);
        Note(cantwhile("sneak", words));
        return;
    }
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        const int c = record_creature(d);
        if (c == CRE_NONE || onko_NPC_kumppani(c) || onko_NPC_kesyelain(c)) continue;
        if (NPCSee(c, PlayerX, PlayerY)) {
            Note(MSG("HIDING_CANT"));
            return;
        }
    }
    Note(Skill_Analyysi("STEALTH", 0));
    Note(MSG("HIDING_START"));
    LURK = 1;
    RUNNING = 0;   // one sneaks at a walk
    Statistics();
}

int nakosuojataso(int who) {
    int x, y;
    if (who == CRE_PLAYER) {
        x = PlayerX;
        y = PlayerY;
    } else {
        if (who < 0 || who >= CRE_COUNT) return 0;
        x = cre_x(who);
        y = cre_y(who);
    }
    int cover = 0;
    for (int j = -1; j <= 1; j++)
        for (int i = -1; i <= 1; i++)
            cover += terrain_flag(get_mapchar(x + i, y + j), TF_BLOCKS_SIGHT | TF_BLOCKS | TF_TREE) != 0;
    return cover;
}

int Hiipimisen_Tarkistus() {
    const int cover = nakosuojataso(CRE_PLAYER);
    const int r = Kayta_Taitoa(0, 10 * cover, "STEALTH", STEALTH_REASONABLE ? LEARN_THIRD : LEARN_FIFTH);
    STEALTH_REASONABLE = 0;
    switch (r) {
    case 3: Note("&You move like a ghost."); return 0;
    case 2: Note("&You sneak ahead."); return 1;
    case 1: Note("{walk}&You sneak ahead."); return 2;
    case 0: Note("{crack}&You fail to sneak unnoticeably."); return 2;
    default: return 0;
    }
}

// ---- the movement mode ------------------------------------------------------------------------

char *movement_desc() {
    static char text[20];
    const int mode = Plr.movement_mode;
    if (Plr.posture == 1 && mode != MODE_SWIM && mode != MODE_WADE) {
        copy_bounded(text, sizeof text, "laying down");
        return text;
    }
    const char *name;
    switch (mode) {
    case MODE_WALK: name = "Walking"; break;
    case MODE_SWIM: name = "Swimming"; break;
    case MODE_ROW: name = "Rowing"; break;
    case MODE_WADE: name = "Wading"; break;
    case MODE_SKI: name = "Skiing"; break;
    case MODE_HAUL: name = "Hauling"; break;
    default: name = "Not walking"; break;
    }
    copy_bounded(text, sizeof text, name);
    return text;
}

// A ski stick in either hand: any item of the stick subtype that is not skis, or object id 700.
static int ski_stick_wielded() {
    for (int hand = 1; hand <= 2; hand++) {
        const int s = wielding(hand);
        if (s < 0 || s >= PLR_SLOTS || Plr.inv_obj[s] == 0) continue;
        const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if ((it.subtype == ST_SKISTICK && !(it.type == IT_TOOL && it.subtype == ST_SKIS)) || it.id == OID_NORTHERN_SPEAR) return 1;
    }
    return 0;
}

void movement_way() {
    int mode = Plr.movement_mode;
    if (mode == 0 || mode == MODE_SKI) {
        Plr.movement_mode = MODE_WALK;
        mode = MODE_WALK;
    }
    if (mode != MODE_WALK) return;
    if (LURK && bigmap()) Piiloudu();
    TRANSPORT = 0;
    SESTA = 0;
    if (!skisequipped(CRE_PLAYER)) return;
    if (!ski_stick_wielded()) {
        Note("_You are wearing skis, but in order to ski you need to wield a ski stick too.");
        return;
    }
    const int snow = GlobWeather.snow_depth;
    if (snow > 99)
        Plr.movement_mode = MODE_SKI;
    else if (snow == 0)
        Note(":You are wearing skis, but there's no snow to ski on.");
    else
        Note(":You are wearing skis, but there's not enough snow for proper skiing.");
}

int setmovement(int who, int mode) {
    if (Plr.movement_mode == MODE_HAUL && mode != MODE_HAUL) stopHauling(who);
    Plr.movement_mode = (uint8_t)mode;
    return 1;
}

void SetLastActionBit(int who, int bit) {
    if (bit < 0 || bit > 7) return;
    if (who == CRE_PLAYER)
        Plr.command_flags |= (uint8_t)(1u << bit);
    else if (who >= 0 && who < CRE_COUNT)
        Cre[who].lastaction |= (uint8_t)(1u << bit);
}

int justwalking(int who) { return who == CRE_PLAYER && Plr.movement_mode == MODE_WALK && Plr.posture == 0; }

void haulcheck() {
    if (Plr.movement_mode == MODE_HAUL && !hauled_load_moves()) stopHauling(CRE_PLAYER);
    Statistics();
}

// ---- creatures: the leashed pet and the fence -------------------------------------------------

// A square a creature can stand on: inside the area, not blocking, no other creature there.
static int free_square(int x, int y, int self) {
    if (x < AREA_MIN || x > AREA_MAX || y < AREA_MIN || y > AREA_MAX) return 0;
    if (x == PlayerX && y == PlayerY) return 0;
    if (terrain_flag(get_mapchar(x, y), TF_BLOCKS)) return 0;
    for (int i = 0, end = data_end(); i < end; i++) {
        const DataStruct &d = Data[i];
        if (d.x == x && d.y == y && record_creature(d) != CRE_NONE && record_creature(d) != self) return 0;
    }
    return 1;
}

void pet_drag(int who, int n) {
    if (who != CRE_PLAYER || n < 0 || n >= CRE_COUNT) return;
    const int pos = cre_datapos(n);
    if (pos < 0 || pos >= DATA_MAX) return;
    Kulje_Paikkaan(n, PlayerX, PlayerY);
    if (koordinaattien_vali(Data[pos].x, Data[pos].y, PlayerX, PlayerY) <= 1) return;
    // Dragged along: onto the square ahead of her, else the nearest free square beside her; with
    // none it stays where it is.
    int tx = -1, ty = -1;
    static const int turns[8] = {0, 1, -1, 2, -2, 3, -3, 4};   // ahead first, then ever farther round
    for (int k = 0; k < 8 && tx < 0; k++) {
        const int d = ((PlayerDir + turns[k]) % 8 + 8) % 8;
        const int qx = PlayerX + Heds_x(d), qy = PlayerY + Heds_y(d);
        if (free_square(qx, qy, n)) {
            tx = qx;
            ty = qy;
        }
    }
    if (tx < 0) return;
    Data[pos].x = (uint16_t)tx;
    Data[pos].y = (uint16_t)ty;
}

static int fence(int x, int y) { return get_mapchar(x, y) == 42; }   // a fence square

int obstacleCheck(int n, int x, int y) {
    if (n < 0 || n >= CRE_COUNT || !fence(x, y)) return 103;
    const CreatureStruct &c = Cre[n];
    if (onko_JOKU_elain(n) && c.weight < 10.0f) return 1;
    const int sp = (int)c.speciescode;
    const bool jumper = sp == SPECIES_GLUTTON || sp == SPECIES_BEAR || sp == SPECIES_LYNX || sp == SPECIES_WOLF;
    const int ceiling = (int)std::ceil(maxenergiavaranto(n) / 10.0);
    const bool hurry = pakeneeko_NPC(n) || taisteleeko_NPC(n) || onko_NPC_rosvo(n) || (saalistaako_NPC(n) && c.energy < ceiling);
    if (!jumper || !hurry) return 103;
    if (sp == SPECIES_BEAR) {
        const bool ns = fence(x, y - 1) && fence(x, y + 1), ew = fence(x - 1, y) && fence(x + 1, y);
        if (ns != ew) {
            take_apart_structure(x, y);   // a bear in a hurry breaks the fence
            return 1;
        }
    }
    const int pos = cre_datapos(n);
    if (pos >= 0 && pos < DATA_MAX && fence(Data[pos].x, Data[pos].y)) return 103;
    return 1;
}

// ---- the movement menu ------------------------------------------------------------------------

void MOVEDO_walk() {
    if (Plr.posture != 1) Note("&You walk.");
    RUNNING = 0;
    LURK = 0;
    Statistics();
}

static void stand_by(const char *line, const char *task, unsigned flags) {
    com(line);
    if (Plr.movement_mode == MODE_SWIM) {
        Note("!That's something you can not do while swimming!");
        return;
    }
    AsetaPonnistelu(CRE_PLAYER, 1);
    spend(240, 0, task, 0, flags);
}

void MOVEDO_wait() { stand_by("Stand still", "STANDING BY", SPF_SECONDS | SPF_ESC_NOASK); }

void MOVEDO_restfatigue() {
    stand_by("Rest until not fatigued", "STANDING BY UNTIL NOT FATIGUED",
             SPF_REST | SPF_SECONDS | SPF_NOPROGRESS | SPF_ESC_NOASK);
}

void MOVEDO_run() {
    if (RUNNING) {
        MOVEDO_walk();
        return;
    }
    if (Plr.posture == 1) get_up();
    if (justwalking(CRE_PLAYER)) {
        Note("&You run.");
        RUNNING = 1;
        LURK = 0;
    } else {
        char words[100];
        movement_words(words, sizeof words);
        Note(cantwhile("run", words));
    }
}

void MOVEDO_stand_or_lay() {
    if (Plr.posture == 0)
        fall_prone();
    else
        world_services.run_action(ACTION_GET_UP, 0, "");
    TurnUsed = 1;
}
