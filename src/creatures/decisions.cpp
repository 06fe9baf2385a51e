// src/creatures/decisions.cpp -- a creature's choices in a fight: the aspect of its weapon, which
// natural attack it uses, when it goes for a foe and when it runs.
#include "creatures/decisions.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "core/ownlib.h"
#include "creatures/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "presentation/tekstit.h"

enum { UNUSABLE = 200, MODE_COMBAT = 99, MODE_FLEE = 4 };

static bool creature(int n) { return n >= 0 && n < CRE_COUNT && Cre[n].kind != CK_NONE; }

int ase_kayttokelpoinen(const ItemStruct &item) {
    return item.fig[0] < UNUSABLE || item.fig[1] < UNUSABLE || item.fig[2] < UNUSABLE;
}

WeaponAnalysis analysoi_ase(const ItemStruct &item) {
    WeaponAnalysis a{-1, 0, 0, Ota_AttackClass(item.adclass), 0, 0};
    static const int dtypes[3] = {0, 2, 4};
    // Blunt, then edge, then point: a later aspect wins a tie.
    for (int i = 0; i < 3; i++)
        if (item.fig[i] < UNUSABLE && item.fig[i] >= a.best) a.best = item.fig[i], a.aspect = i;
    a.dtype = dtypes[a.aspect];
    // A net strikes no way at all: no aspect is drawn, where drawing would never end.
    if (!ase_kayttokelpoinen(item)) return a;
    int r = random(3);
    while (item.fig[r] >= UNUSABLE) r = random(3);
    a.randomaspect = r;
    a.randomdtype = dtypes[r];
    return a;
}

int vertaa_aseita(const ItemStruct &a, const ItemStruct &b) {
    const WeaponAnalysis x = analysoi_ase(a), y = analysoi_ase(b);
    if (x.best <= y.best) return 2;
    if (x.attackclass < y.attackclass) return 2;
    return 1;
}

static void upper_attack(char *out, size_t size, int n, int i) {
    char name[sizeof Cre[0].natattack[0] + 1];
    memcpy(name, Cre[n].natattack[i], sizeof Cre[n].natattack[i]);
    name[sizeof Cre[n].natattack[i]] = 0;
    size_t k = 0;
    for (; name[k] && k + 1 < size; k++) out[k] = (char)toupper((unsigned char)name[k]);
    out[k] = 0;
}

int NaturalAttackPossible(int n, int i) {
    if (!creature(n) || i < 0 || i > 2) return 0;
    char name[16];
    upper_attack(name, sizeof name, n, i);
    if (!name[0]) return 0;
    const int group = strstr(name, "PUNCH") || strstr(name, "SMACK") ? 3 : 0;
    const int difficulty = strstr(name, "BIG_BITE") ? 0 : 10;
    return Pettaako_Fysiikka(n, group, difficulty) != 1.0f;
}

int NaturalAttack(int n) {
    int any = 0;
    for (int i = 0; i < 3; i++) any |= NaturalAttackPossible(n, i);
    if (!any) return 1000;
    int r = random(3);
    while (!NaturalAttackPossible(n, r)) r = random(3);
    return r;
}

void NPC_hyokkaa(int n, int target, int stamina) {
    if (!creature(n) || n == target || Cre[n].posture == 4) return;
    CreatureStruct &c = Cre[n];
    if (c.kind != CK_HUMAN && NaturalAttack(n) == 1000) {
        NPC_Pakene(n, target, 0);
        return;
    }
    if (c.mode == MODE_COMBAT && c.enemy == target) return;
    c.enemy = target;
    c.mode = MODE_COMBAT;
    c.stamina = (uint8_t)(stamina == 0 ? 255 : stamina);
    ATTACKER = n;
    DEFENDER = target;
    cre_say(n, "NPC_ATTACKS");
}

int NPC_Pakene(int n, int from, int force) {
    if (!creature(n)) return 0;
    CreatureStruct &c = Cre[n];
    if (c.mode == MODE_FLEE) return 1;
    if (onko_NPC_kumppani(n) && !force) return 0;
    Keskeyta_Puuha(n, -1);
    c.enemy = from;
    c.mode = MODE_FLEE;
    cre_say(n, "DO_ESCAPE");
    cre_flees(n, from);
    c.mode = MODE_FLEE;
    return 1;
}

void NPC_moraalitarkistus_haavoitus(int n, int attacker, int wounds) {
    if (!creature(n) || Cre[n].posture == 4) return;
    CreatureStruct &c = Cre[n];
    if (attacker >= 0) {
        if (creature(attacker) && c.community && c.community == Cre[attacker].community) return;
        if (c.mode == MODE_COMBAT) {
            if (c.enemy != attacker) NPC_hyokkaa(n, attacker, 0);
            return;
        }
    } else if (attacker == -1 && (onko_NPC_kesyelain(n) || onko_NPC_kumppani(n))) {
        return;
    }
    c.enemy = attacker;
    const int w = c.woundcount + wounds;
    c.woundcount = (uint8_t)(w > 255 ? 255 : w);
    if (random(100) + 1 < c.aggressiveness) {
        if (c.mode != MODE_COMBAT) cre_say(n, "SOUND_THREATEN");
        NPC_hyokkaa(n, attacker, 0);
    } else {
        NPC_Pakene(n, attacker, 0);
    }
}
