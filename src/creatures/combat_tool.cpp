// src/creatures/combat_tool.cpp -- fights without a screen: a single wound, and duels of two
// templates counted by how they ended.
#include "creatures/combat_tool.h"

#include <cstring>
#include <vector>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/obj_func.h"
#include "creatures/creturn.h"
#include "creatures/body.h"
#include "creatures/combat.h"
#include "creatures/creation.h"
#include "creatures/missiles.h"
#include "maps/area.h"
#include "creatures/crestep.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/plrlink.h"
#include "maps/sight.h"
#include "core/creatures.h"
#include "creatures/melee.h"
#include "creatures/weaponchoice.h"
#include "creatures/wounding.h"
#include "creatures/wounds.h"
#include "core/notes.h"

static bool make(int slot, int code) {
    if (code < 500 || code >= CONSTANTCRE_COUNT) return false;
    Luo_Olento(code);
    if (Creature.kind == CK_NONE) return false;
    Cre[slot] = Creature;
    Cre[slot].enemy = CRE_NONE;
    Cre[slot].killer = 0;
    return true;
}

static void place(int slot, int x, int y) {
    set_data(DT_CREATURE, x, y, CRE_DATAID + slot, 1);
    Cre[slot].Viimeisin_X = x;
    Cre[slot].Viimeisin_Y = y;
}

int combat_wound_tool(int victim, int type, int impact, int part, int seed, FILE *out) {
    randomize(seed);
    DISABLE_NOTES = 1;
    memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    if (!make(0, victim)) {
        fprintf(out, "no creature template %d\n", victim);
        return 1;
    }
    if (part < 0 || part >= BODYPARTS) part = BP_THORAX;
    Cre[1].kind = CK_HUMAN;   // the striker: a creature that means to kill, so no kill is logged
    place(0, 100, 100);
    place(1, 101, 100);
    const int armour = CreArmour(0, part, type);
    const int eff = impact - armour;
    const int group = damage_group(type);
    const char *cell = ITable[group * BODYPARTS + part] + haava_column(group, eff < 0 ? 0 : eff) * 5;
    fprintf(out, "victim %d (%s), type %d, impact %d, part %d (%s)\n", victim, Cre[0].species, type, impact, part,
            bodypart_plain(part));
    fprintf(out, "armour %d, effective impact %d, cell \"%.5s\"\n", armour, eff, cell);
    if (eff >= 1) {
        const WoundCell w = HaavaSarake(type, eff, part);
        fprintf(out, "the cell reads: level %d, injury %d, F%d S%d B%d K%d E%d A%d\n", w.level, w.injury,
                w.fumble, w.stumble, w.bleeding, w.kill, w.shock, w.amputation);
    }
    combat_rolltrace_clear();
    HAAVOITA(0, type, impact, part, 1, 1);
    fprintf(out, "%s", COMBAT_rolltrace[0] ? COMBAT_rolltrace : "no rolls\n");
    const CreatureStruct &c = Cre[0];
    fprintf(out, "%s: injury %d, bleeding %d, posture %d\n", c.mode == CM_CARCASS ? "died" : "survived",
            c.injury, body_bleeding_sum(0), c.posture);
    DISABLE_NOTES = 0;
    return 0;
}

// ---- duels ----
// Two creatures set on each other on an open field at noon, the player far off, each taking the
// creature turn of the game in turn: a wound bleeds, a fighter faints, comes to, flees or dies as in
// play. When one of them carries a bow and arrows they start apart, and the bowman shoots while the
// other closes in; then they fight hand to hand.

enum { DUEL_TURNS = 400, DUEL_BOW_DISTANCE = 12, DUEL_X = AREA_CENTRE, DUEL_Y = AREA_CENTRE };

static void duel_field() {
    memset(&Plr, 0, sizeof Plr);
    Plr.month = 6;
    Plr.day = 15;
    Plr.hour = 12;
    Plr.minutes = 100000;
    Plr.daynumber = 400;
    Plr.movement_mode = 1;
    Plr.world_x = Plr.world_y = 100;
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
    memset(maailma, CH_BLANK, MAP_BYTES);
    world_layers_unsaved();
    memset(korkeuskartta, 0, MAP_BYTES);
    layer_rows_written(korkeuskartta, 0, MAP_ROWS - 1);
    for (int y = AREA_MIN; y <= AREA_MAX; y++)
        for (int x = AREA_MIN; x <= AREA_MAX; x++) maailma[mapidx(x, y)] = CH_GROUND;
    init_terrain_struct(0, 0);
    InitSines();          // the lines sight is traced along
    CalculateLDist(50);   // a clear day's sight
    PlayerX = PlayerY = AREA_MIN + 2;   // far enough that neither minds her
    PlayerDir = 0;
}

static int arrows_carried(int c) {
    int n = 0;
    for (int s = 0; s < CRE_PACK; s++)
        if (Cre[c].pack[s] && onko_NUOLI(ObjToItem(Cre[c].pack[s]))) n += Cre[c].packcount[s];
    return n;
}

static bool carries_bow(int c) {
    bool bow = Cre[c].wielded && onko_JOUSIPYSSY(ObjToItem(Cre[c].wielded));
    for (int s = 0; s < CRE_PACK && !bow; s++) bow = Cre[c].pack[s] && onko_JOUSIPYSSY(ObjToItem(Cre[c].pack[s]));
    return bow && arrows_carried(c) > 0;
}

static int wound_count(int c) {
    int n = 0;
    for (int s = 0; s < 20; s++) n += Cre[c].woundkind[s] != 0;
    return n;
}

// How the duel stands: 0..5 as the names below, 4 while it goes on.
static int duel_outcome() {
    const bool deadA = Cre[0].mode == CM_CARCASS || Cre[0].kind == CK_NONE;
    const bool deadB = Cre[1].mode == CM_CARCASS || Cre[1].kind == CK_NONE;
    if (deadA && deadB) return 5;
    if (deadA) return 0;
    if (deadB) return 1;
    if (Cre[0].mode == 4) return 2;
    if (Cre[1].mode == 4) return 3;
    return 4;
}

// A fighter who calmed down or went back to its ways is set on its foe again: the duel is a fight.
static void keep_fighting(int s) {
    CreatureStruct &c = Cre[s];
    if (c.mode == CM_CARCASS || c.mode == 4 || c.kind == CK_NONE) return;
    if (c.mode != 99 || c.enemy != 1 - s) {
        Aseta_Vihollinen(s, 1 - s);
        c.mode = 99;
        if (c.stamina == 0) c.stamina = 255;
    }
}

struct DuelCounts {
    long outcome[6] = {0};
    long bow_duels = 0, shots = 0, arrow_wounds = 0, melee_turns = 0;
};

// One duel; its outcome.
static int one_duel(int a, int b, DuelCounts &k) {
    Aseta_Etulyontiasema(-1000);   // no advantage carried over from the duel before
    memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
    memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
    if (!make(0, a) || !make(1, b)) return -1;
    const bool bow = carries_bow(0) || carries_bow(1);
    k.bow_duels += bow;
    place(0, DUEL_X, DUEL_Y);
    place(1, DUEL_X + (bow ? DUEL_BOW_DISTANCE : 1), DUEL_Y);
    for (int s = 0; s < 2; s++) {
        Cre[s].socialid = 90000u + (uint32_t)s;
        Cre[s].mode = 0;
        Cre[s].stamina = 255;
        keep_fighting(s);
    }
    int outcome = 4;
    int seconds = 0;
    for (int t = 0; t < DUEL_TURNS && outcome == 4; t++) {
        seconds += 6;
        if (seconds >= 60) {
            seconds = 0;
            Plr.minutes++;
        }
        const bool apart = koordinaattien_vali(cre_x(0), cre_y(0), cre_x(1), cre_y(1)) > 1;
        if (!apart) k.melee_turns++;
        crestep_pass_begin();
        for (int s = 0; s < 2 && outcome == 4; s++) {
            const int pos = cre_datapos(s);
            if (pos < 0) break;
            const int arrows = arrows_carried(s), wounds = wound_count(1 - s);
            CreatureAct(pos);
            if (arrows_carried(s) < arrows) {
                k.shots++;
                if (Cre[1 - s].kind != CK_NONE && wound_count(1 - s) > wounds) k.arrow_wounds++;
            }
            outcome = duel_outcome();
            if (outcome == 4) keep_fighting(0), keep_fighting(1);
        }
        crestep_pass_end();
        clear_noises();
    }
    return outcome;
}

// What the field replaces, given back when the duels are over.
struct DuelSaved {
    PlayerStruct plr;
    int x, y, dir;
    std::vector<uint8_t> map, heights;
    std::vector<uint32_t> sight;
};

int combat_duel_tool(int a, int b, int seed, int rounds, FILE *out) {
    randomize(seed);
    const int notes = DISABLE_NOTES, draw = MISSILE_DRAW;
    DISABLE_NOTES = 1;
    MISSILE_DRAW = 0;
    DuelSaved saved{Plr, PlayerX, PlayerY, PlayerDir, std::vector<uint8_t>(maailma, maailma + MAP_BYTES),
                    std::vector<uint8_t>(korkeuskartta, korkeuskartta + MAP_BYTES),
                    std::vector<uint32_t>(LDist, LDist + LINE_COUNT)};
    duel_field();
    DuelCounts k;
    int failed = 0;
    for (int r = 0; r < rounds && !failed; r++) {
        const int o = one_duel(a, b, k);
        if (o < 0) failed = 1;
        else k.outcome[o]++;
    }
    DISABLE_NOTES = notes;
    MISSILE_DRAW = draw;
    Plr = saved.plr;
    PlayerX = saved.x, PlayerY = saved.y, PlayerDir = saved.dir;
    memcpy(maailma, saved.map.data(), MAP_BYTES);
    world_layers_unsaved();
    memcpy(korkeuskartta, saved.heights.data(), MAP_BYTES);
    layer_rows_written(korkeuskartta, 0, MAP_ROWS - 1);
    memcpy(LDist, saved.sight.data(), sizeof LDist);
    init_terrain_struct(0, 0);
    if (failed) {
        fprintf(out, "no creature template %d or %d\n", a, b);
        return 1;
    }
    static const char *const names[6] = {"A killed", "B killed", "A fled", "B fled", "undecided", "both gone"};
    fprintf(out, "duel %d against %d, %d rounds, seed %d\n", a, b, rounds, seed);
    for (int i = 0; i < 6; i++) fprintf(out, "%-10s %ld\n", names[i], k.outcome[i]);
    fprintf(out, "with a bow %ld, arrows shot %ld, arrows that wounded %ld, turns hand to hand %ld\n", k.bow_duels,
            k.shots, k.arrow_wounds, k.melee_turns);
    return k.outcome[4] == 0 ? 0 : 1;
}
