// src/creatures/combat_tool.cpp -- fights without a screen: a single wound, and duels of two
// templates counted by how they ended.
#include "creatures/combat_tool.h"

#include <cstring>

#include "core/datafunc.h"
#include "core/ownlib.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "creatures/creatures.h"
#include "creatures/melee.h"
#include "creatures/weaponchoice.h"
#include "creatures/wounding.h"
#include "creatures/wounds.h"
#include "presentation/notes.h"

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
    HAAVOITA(0, type, impact, part, 1, 1);
    const CreatureStruct &c = Cre[0];
    fprintf(out, "%s: injury %d, bleeding %d, posture %d\n", c.mode == CM_CARCASS ? "died" : "survived",
            c.injury, body_bleeding_sum(0), c.posture);
    DISABLE_NOTES = 0;
    return 0;
}

enum { DUEL_EXCHANGES = 400 };

int combat_duel_tool(int a, int b, int seed, int rounds, FILE *out) {
    randomize(seed);
    DISABLE_NOTES = 1;
    int count[6] = {0};   // a dies, b dies, a flees, b flees, undecided, both gone
    static const char *const names[6] = {"A killed", "B killed", "A fled", "B fled", "undecided", "both gone"};
    for (int r = 0; r < rounds; r++) {
        memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        if (!make(0, a) || !make(1, b)) {
            fprintf(out, "no creature template %d or %d\n", a, b);
            DISABLE_NOTES = 0;
            return 1;
        }
        place(0, 100, 100);
        place(1, 101, 100);
        for (int s = 0; s < 2; s++) {
            Cre[s].enemy = 1 - s;
            Cre[s].mode = 99;
            Cre[s].stamina = 255;
        }
        int outcome = 4;
        for (int e = 0; e < DUEL_EXCHANGES && outcome == 4; e++) {
            const int att = e % 2, def = 1 - att;
            const bool deadA = Cre[0].mode == CM_CARCASS, deadB = Cre[1].mode == CM_CARCASS;
            if (deadA && deadB) outcome = 5;
            else if (deadA) outcome = 0;
            else if (deadB) outcome = 1;
            else if (Cre[0].mode == 4) outcome = 2;
            else if (Cre[1].mode == 4) outcome = 3;
            if (outcome != 4) break;
            if (Cre[att].posture == 4 || Cre[att].mode != 99) continue;
            Cre[att].posture = Cre[att].posture == 1 ? 0 : Cre[att].posture;   // a fallen fighter gets up
            Cre[att].enemy = def;
            // A person takes up the weapon it fights best with before its first blow.
            if (NPC_wield(att)) continue;
            Taistelu_ISKU(att, -1);
        }
        count[outcome]++;
    }
    fprintf(out, "duel %d against %d, %d rounds, seed %d\n", a, b, rounds, seed);
    for (int i = 0; i < 6; i++) fprintf(out, "%-10s %d\n", names[i], count[i]);
    DISABLE_NOTES = 0;
    return count[4] == 0 ? 0 : 1;
}
