// src/creatures/decisions.cpp -- a creature's choices in a fight: the aspect of its weapon, which
// natural attack it uses, when it goes for a foe and when it runs.
#include "creatures/decisions.h"

#include <cctype>
#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "base/debuglog.h"
#include "core/tekstit.h"
#include "items/wornmagic.h"
#include "core/datafunc.h"
#include "core/spend.h"
#include "creatures/cremove.h"
#include "creatures/fightvillage.h"
#include "creatures/melee.h"
#include "creatures/outfit.h"
#include "creatures/weaponchoice.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/sight.h"

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

// A bear that has not been hurt much yet will not face the bearer of a bear charm.
static bool shies_from_charm(int n, int target) {
    if (Cre[n].speciescode != SPECIES_BEAR || Cre[n].woundcount >= 3) return false;
    return hasmagic_worn(target, 16, "") != 0;
}

void taistelutilanne_puuhakeskeytys(int n) {
    if (creature(n) && !saalistaako_NPC(n)) Keskeyta_Puuha(n, -1);
}

void NPC_hyokkaa(int n, int target, int stamina) {
    if (!creature(n) || n == target || Cre[n].posture == 4) return;
    CreatureStruct &c = Cre[n];
    if (shies_from_charm(n, target)) {
        NPC_Pakene(n, -1, 0);
        return;
    }
    if (c.kind != CK_HUMAN && NaturalAttack(n) == 1000) {
        NPC_Pakene(n, target, 0);
        return;
    }
    taistelutilanne_puuhakeskeytys(n);
    if (c.mode == MODE_COMBAT && c.enemy == target) return;
    Aseta_Vihollinen(n, target);
    c.mode = MODE_COMBAT;
    c.stamina = (uint8_t)(stamina == 0 ? 255 : stamina > 255 ? 255 : stamina);
    ATTACKER = n;
    DEFENDER = target;
    cre_say(n, "NPC_ATTACKS");
}

// A flight the player does not see from a bird, a seal, a small or a swimming thing goes untold.
static bool flight_untold(int n) {
    const CreatureStruct &c = Cre[n];
    const int x = cre_x(n), y = cre_y(n);
    if (See(x, y)) return false;
    return onko_NPC_lintu(n) || c.kind == 24 || c.weight < 3.0f || c.korkeus == -100 || avovesi(x, y);
}

// The compass way a creature runs: straight away from what it flees, or on as it faces when that
// stands on its own square or is gone.
static int flight_direction(int n, int from) {
    const int x = cre_x(n), y = cre_y(n);
    int fx = x, fy = y;
    if (from == -1) fx = PlayerX, fy = PlayerY;
    else if (creature(from) && cre_datapos(from) >= 0) fx = cre_x(from), fy = cre_y(from);
    if (fx == x && fy == y) return Cre[n].Suunta & 7;
    return Kulma_Ilmansuunnaksi(calcAngle(fx, fy, x, y));
}

int NPC_Pakene(int n, int from, int force) {
    if (!creature(n)) return 0;
    CreatureStruct &c = Cre[n];
    if (c.mode == MODE_FLEE) return 1;
    if (onko_NPC_kumppani(n) && !force) return 0;
    Keskeyta_Puuha(n, -1);
    Aseta_Vihollinen(n, from);
    c.mode = MODE_FLEE;
    Nollaa_Pakopaikka(n);
    set_NPC_alertness(n, 100);
    if (!flight_untold(n)) {
        TARGET_DIR = flight_direction(n, from);
        cre_say(n, "DO_ESCAPE");
    }
    return 1;
}

int Tarkista_Kumppanit(int n) {
    if (!creature(n)) return 0;
    const bool nokill = (Cre[n].fightbits & 7) != 0;
    int allies = 0;
    for (int k = 0; k < CRE_COUNT; k++) {
        if (k == n || !creature(k) || Cre[k].mode == CM_CARCASS || cre_datapos(k) < 0) continue;
        CreatureStruct &c = Cre[k];
        const bool dog = c.speciescode == SPECIES_DOG && onko_NPC_kesyelain(k);
        const bool companion = onko_NPC_kumppani(k) != 0;
        if (!dog && !(companion && !(c.partyflags & 512))) continue;
        if (taisteleeko_NPC(k) && c.enemy == n) {
            allies++;
            continue;
        }
        const int x = cre_x(k), y = cre_y(k);
        if (!NPC_see(x, y, cre_x(n), cre_y(n), c.Suunta) && !See(x, y)) continue;
        const bool kin = companion && c.community && c.community == Cre[n].community;
        if (kin) fight_unjoin(k);
        if (companion && nokill) {
            if (!pakeneeko_NPC(k)) {
                NPCNote(k, "This is not my fight!", "");
                NPC_Pakene(k, n, 1);
            }
            continue;
        }
        if (kin) continue;
        NPC_hyokkaa(k, n, 0);
        if (taisteleeko_NPC(k)) allies++;
    }
    return allies;
}

void rauhoita_NPCn_lemmikit(int n) {
    if (!creature(n) || Cre[n].kind != CK_HUMAN || !Cre[n].community) return;
    for (int k = 0; k < CRE_COUNT; k++) {
        if (!creature(k) || Cre[k].speciescode != SPECIES_DOG || Cre[k].mode == CM_CARCASS) continue;
        if (Cre[k].community != Cre[n].community || !taisteleeko_NPC(k)) continue;
        Taistelu_OHI(k);
    }
}

void NPC_moraalitarkistus_haavoitus(int n, int attacker, int wounds) {
    if (!creature(n) || Cre[n].posture == 4) return;
    if (attacker == -1 && CLOAK) return;
    if (pokertynyt(n)) return;
    CreatureStruct &c = Cre[n];
    const bool wasfighting = c.mode == MODE_COMBAT;
    bool villager = false;
    int soc = 0;
    if (attacker == -1) {
        if (onko_NPC_kesyelain(n) || onko_NPC_kumppani(n)) {
            // her own animal or companion answers the blow as any foe's; no village takes it up
        } else if (c.kind == CK_HUMAN && c.culture == 11) {
            // a raider of the north answers blows as any foe
        } else if (is_socmember(n)) {
            soc = (int)c.community;
            villager = true;
            if (wounds > 0) fight_breach_violence(soc, 1);
            Aseta_Vihollinen(n, -1);
        } else if (c.kind == CK_HUMAN) {
            set_Cre_moralebit(n, -1, 1);
        } else if (npcKotielain(n) && !onko_NPC_kesyelain(n)) {
            // a village's beast: the village whose land this is takes up the blow
            const int s = (int)Mapinfo_socID(IsoX(), IsoY());
            if (s > 0) fight_breach_violence(s, 1);
        }
    } else if (attacker >= 0) {
        if (creature(attacker) && c.community && c.community == Cre[attacker].community) return;
        if (wasfighting) {
            if (c.enemy != attacker) NPC_hyokkaa(n, attacker, 0);
            return;
        }
    }
    if (!villager) Aseta_Vihollinen(n, attacker);
    const int w = c.woundcount + wounds;
    c.woundcount = (uint8_t)(w > 255 ? 255 : w);
    if (DEBUG_INFO) {
        char line[60];
        snprintf(line, sizeof line, "haavat: %d hyokkaavyys: %d", c.woundcount, c.aggressiveness);
        DebugNote(line);
    }
    bool beat = false;
    if (villager && fight_violence_flag(soc)) {
        if (has_socrole_susp(n, 2)) {
            NPC_hyokkaa(n, -1, 0);
            c.fightbits |= 4;
            return;
        }
        if (wounds == 0) return;
        beat = true;
    }
    if (random(100) + 1 < c.aggressiveness) {
        if (!wasfighting && cre_say(n, "SOUND_THREATEN"))
            SPEND_INTERRUPT = 1;
        DEFENDER = attacker;
        NPC_hyokkaa(n, attacker, 0);
        if (beat) c.fightbits |= 4;
    } else {
        NPC_Pakene(n, attacker, 0);
    }
}
