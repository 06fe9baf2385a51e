// The creature tables, and the creature services the core calls.
#include "core/creatures.h"

#include "core/obj_func.h"
#include "core/records.h"

int TEMPLATE_BUILD = 0;

CreatureStruct ConstantCre[CONSTANTCRE_COUNT];
CreatureStruct Cre[CRE_COUNT];
CreatureStruct Creature;
CreatureStruct TEMP_CREATURE;
CreatureStruct flexCr;
int RealCreaturePos[CRE_COUNT];
char DefinitionsFolder[41];

int onko_JOKU_tajuton(int n) {
    if (n == CRE_PLAYER) return Plr.posture == 3 || Plr.posture == 4;
    if (n < 0 || n >= CRE_COUNT) return 0;
    const CreatureStruct &c = Cre[n];
    return c.mode == CM_ASLEEP || c.posture == 3 || c.posture == 4;
}

void ClrRealCreaturePos() {
    for (int &p : RealCreaturePos) p = 0;
}

// The entry check of a map: no rule of the game ends it on entering a map.
void allowed_check() {}

static CreatureStruct *cre(int n) { return (unsigned)n < (unsigned)CRE_COUNT ? &Cre[n] : nullptr; }

int is_tied(int n) {
    const CreatureStruct *c = cre(n);
    return c && (c->domestic & 16);
}

int is_carcass_skinned(const CreatureStruct &c) {
    return c.Puuha[1] == 301 && c.PuuhaKohde[1] >= c.PuuhaAika[1] && c.PuuhaTila[1] == 100;
}

// ---- a record read from the creature file ----

int puuha_known_code(int code) {
    switch (code) {
    case 1: case 2: case 4: case 50: case 52: case 53: case 55: case 60: case 65: case 68: case 69: case 70:
    case 80: case 81: case 100: case 101: case 110: case 120: case 121: case 122: case 130: case 140: case 150:
    case 151: case 200: case 300: case 301:
        return 1;
    default:
        return 0;
    }
}

enum { QUEUE_SLOTS = (int)(sizeof(CreatureStruct::Puuha) / sizeof(CreatureStruct::Puuha[0])) };

static void clear_slot(CreatureStruct &c, int i) {
    c.Puuha[i] = c.PuuhaAika[i] = c.PuuhaTila[i] = c.PuuhaX[i] = c.PuuhaY[i] = c.PuuhaKohde[i] = 0;
}

void puuha_make_safe(CreatureStruct &c) {
    if (c.mode == CM_CARCASS) return;   // a carcass keeps its burning and skinning state in the queue
    for (int i = 0; i < QUEUE_SLOTS; i++) {
        if (c.Puuha[i] && !puuha_known_code(c.Puuha[i])) clear_slot(c, i);
        if (c.PuuhaX[i] < 0 || c.PuuhaX[i] >= 3072 || c.PuuhaY[i] < 0 || c.PuuhaY[i] >= 2048) c.PuuhaX[i] = c.PuuhaY[i] = 0;
        if (c.PuuhaAika[i] < -1) c.PuuhaAika[i] = 0;
        if ((c.Puuha[i] == 80 || c.Puuha[i] == 81) && (c.PuuhaKohde[i] < 0 || c.PuuhaKohde[i] >= DATA_MAX)) clear_slot(c, i);
    }
    for (int i = 0; i < 20; i++)
        if (c.movehist_x[i] < 0 || c.movehist_x[i] >= 3072 || c.movehist_y[i] < 0 || c.movehist_y[i] >= 2048)
            c.movehist_x[i] = c.movehist_y[i] = 0;
    if (c.Suunta < -1 || c.Suunta > 7) c.Suunta = 0;
}

// A record read from a file may hold anything: every text ends inside its field.
void creature_make_safe(CreatureStruct &c) {
    c.species[sizeof c.species - 1] = 0;
    c.pname[sizeof c.pname - 1] = 0;
    c.spare[sizeof c.spare - 1] = 0;
    c.portrait[sizeof c.portrait - 1] = 0;
    c.voice1[sizeof c.voice1 - 1] = 0;
    c.voice2[sizeof c.voice2 - 1] = 0;
    for (auto &a : c.natattack) a[sizeof a - 1] = 0;
    for (auto &s : c.skillname) s[sizeof s - 1] = 0;
    c.tilename[sizeof c.tilename - 1] = 0;
    puuha_make_safe(c);   // activities, targets and steps read from a file stay in range
    // Object numbers name a catalogue row or a stored thing; anything else is an empty entry.
    auto thing = [](int32_t &obj) {
        const bool row = obj > 0 && obj < CONSTANTOBJ_ROWS;
        const bool stored = obj >= OBJ_PLAYER_FIRST && obj <= OBJ_PLAYER_LAST;
        if (!row && !stored) obj = 0;
    };
    for (int i = 0; i < CRE_PACK; i++) {
        thing(c.pack[i]);
        if (c.pack[i] == 0) c.packcount[i] = 0;
    }
    for (int32_t &w : c.worn) thing(w);
    thing(c.wielded);
    thing(c.offhand);
}
