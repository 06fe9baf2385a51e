// src/creatures/perception.cpp -- what creatures notice and how they answer (see perception.h).
#include "creatures/perception.h"
#include "core/vilrecord.h"
#include "creatures/decisions.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/datafunc.h"
#include "core/harnrule.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/player.h"
#include "creatures/animals.h"
#include "creatures/body.h"
#include "core/creatures.h"
#include "creatures/cremove.h"
#include "creatures/life.h"
#include "creatures/lifeask.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "creatures/outfit.h"
#include "creatures/weaponchoice.h"
#include "creatures/zoomservices.h"
#include "maps/area.h"
#include "creatures/crestep.h"
#include "maps/facing.h"
#include "maps/marker.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"

int STEALTH_REASONABLE;   // a creature had the chance to notice the sneaking player

int AANI_X, AANI_Y, AANI_TASO, AANI_AIHEUTTAJA;
int CLOAK;
int IHMISUHKA;

// ---- noise ---------------------------------------------------------------------------------------

void aseta_maailmaan_meteli(int x, int y, int level, int source) {
    if (level == 0) {
        AANI_X = AANI_Y = AANI_TASO = 0;
        AANI_AIHEUTTAJA = CRE_NONE;
        return;
    }
    if (level < AANI_TASO) return;
    AANI_X = x;
    AANI_Y = y;
    AANI_TASO = level;
    AANI_AIHEUTTAJA = source;
}

void setNPCnoise(int who, int level) {
    if (who == -1) Plr.noise = (uint8_t)(level < 0 ? 0 : level > 255 ? 255 : level);
}

// ---- bonds ---------------------------------------------------------------------------------------

void set_NPC_friendship(int n, int d) {
    if (!ask_valid(n)) return;
    const int v = Cre[n].friendship + d;
    if (v > 255) return;
    Cre[n].friendship = (uint8_t)(d != 0 && v >= 0 ? v : 0);
}
void set_NPC_foeship(int n, int d) {
    if (!ask_valid(n)) return;
    const int v = Cre[n].foeship + d;
    if (v > 255) return;
    Cre[n].foeship = (uint8_t)(d != 0 && v >= 0 ? v : 0);
    Cre[n].friendship = 0;
}
void set_NPC_alertness(int n, int d) {
    if (!ask_valid(n)) return;
    const int v = Cre[n].alertness + d;
    Cre[n].alertness = (uint8_t)(d != 0 && v >= 0 ? (v > 10 ? 10 : v) : 0);
}
int ELAIN_counterstrike_halukkuus(int) { return 0; }
int morale_range(int f) { return f ? f / 10 + 1 : 0; }

// ---- squares ---------------------------------------------------------------------------------------

static int square_of(int n, int &x, int &y) {
    if (n == -1) {
        x = PlayerX;
        y = PlayerY;
        return 1;
    }
    const int p = crestep_pos(n);
    if (p < 0) return 0;
    x = Data[p].x;
    y = Data[p].y;
    return 1;
}

// A line of sight reaches two squares past the half width of the map view: farther than that no
// line is traced at all.
static int looks(int x, int y, int tx, int ty, int heading) {
    const int reach = (mapDim.half_w > 0 ? mapDim.half_w : 12) + 2;
    if (koordinaattien_vali(x, y, tx, ty) > reach) return 0;
    return NPC_see(x, y, tx, ty, heading);
}

static int sees(int n, int tx, int ty) {
    int x, y;
    if (!square_of(n, x, y)) return 0;
    return looks(x, y, tx, ty, Cre[n].Suunta);
}

// ---- the attacks and flights of fighting ---------------------------------------------------------

// A person, or a beast with teeth or claws it can use, goes for its foe and fights on its own turns;
// one without walks up to it.
void cre_attacks(int n, int t, int how) {
    if (!ask_valid(n)) return;
    if (Cre[n].kind == CK_HUMAN || NaturalAttackPossible(n, 0) || NaturalAttackPossible(n, 1) ||
        NaturalAttackPossible(n, 2)) {
        NPC_hyokkaa(n, t, how);
        return;
    }
    Cre[n].enemy = t;
    int x, y;
    if (!square_of(t, x, y)) return;
    Kulje_Paikkaan(n, x, y);
}

// It turns to flight: running, taking wing, a tree or the water on its own turns from now on.
void cre_flees(int n, int t) {
    if (ask_valid(n)) NPC_Pakene(n, t, 0);
}

// ---- smell, hearing, the hideout ------------------------------------------------------------------

int NPC_vainuaa(int n, int pos, int) {
    if (!ask_valid(n) || is_human(n) || (unsigned)pos >= (unsigned)DATA_MAX) return 0;
    const int d = koordinaattien_vali(Data[pos].x, Data[pos].y, PlayerX, PlayerY);
    const int s = Cre[n].smell;
    if (d > s || SuccessRoll(2 * d, 3 * s) < SR_SUCCESS) return 0;
    if (Cre[n].mode == CM_ASLEEP) HerataNPC(n);
    return 1;
}

int kuulohavainto(int n, int x, int y, int level) {
    if (INVISIBLE || level <= 0) return 0;
    int h, sx, sy;
    if (n == -1) {
        h = Plr.hearing;
    } else {
        if (!ask_valid(n)) return 0;
        h = Cre[n].hearing;
    }
    if (!square_of(n, sx, sy)) return 0;
    const int d = koordinaattien_vali(sx, sy, x, y);
    if (d > level * h || SuccessRoll(d, h + level * h) < SR_SUCCESS) return 0;
    if (n >= 0) {
        if (level >= 2 && Cre[n].mode == CM_ASLEEP) HerataNPC(n);
        kaanna_NPC_kohti(n, x, y);
    }
    return 1;
}

int huomaako_NPC_piilopaikan(int n, int pos) {
    if (!ask_valid(n) || (unsigned)pos >= (unsigned)DATA_MAX) return 0;
    const int d = koordinaattien_vali(Data[pos].x, Data[pos].y, PlayerX, PlayerY);
    int cover = 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (terrain_flag(get_mapchar(PlayerX + dx, PlayerY + dy), TF_BLOCKS_SIGHT)) cover++;
    const int v = (d + 1) / 2 + cover;
    if (v > 0 && d >= 2 && SuccessRoll(10 * v, 5 * Cre[n].hearing) < SR_SUCCESS) return 0;
    if (See(Data[pos].x, Data[pos].y)) {
        LURK = 0;
        char line[120];
        char species[sizeof Cre[n].species + 1];
        copy_bounded(species, sizeof species, Cre[n].species);
        snprintf(line, sizeof line, "!%s seems to notice your hideout!", species);
        Note(line);
        Note(MSG("HIDING_STOP"));
    }
    return 1;
}

// ---- relations -------------------------------------------------------------------------------------

static int hides_in_cover(int n) { return ask_valid(n) && (Cre[n].stateflags & 0x80); }

// Whether the predator a takes b for prey, and how (the diet word that names it, 1 or 2): a is a
// live predator, bpred whether b is one.
static int prey_rank(int a, int b, int bpred) {
    const CreatureStruct &A = Cre[a], &B = Cre[b];
    if (B.kind == CK_HUMAN || (B.stateflags & 0x80)) return 0;   // people, and prey hiding in cover
    const float wa = A.weight, wb = B.weight;
    const uint32_t words[2] = {A.diet1, A.diet2};
    for (int i = 0; i < 2; i++) {
        const uint32_t w = words[i];
        if ((w & 0x10) && B.speciescode == SPECIES_HARE) return i + 1;
        if ((w & 0x2000) && !bpred && onko_NPC_lintu(b)) return i + 1;
        if ((w & 0x20) && bpred && wb < wa / 2) return i + 1;
        if ((w & 0x2) && !bpred && wb <= 1.5f * wa) return i + 1;
        if ((w & 0x4) && !bpred && wb > wa && wb < 10.0f * wa) return i + 1;
        if ((w & 0x8) && !bpred && wb > wa) return i + 1;
    }
    return 0;
}

int saaliselain(int a, int b) {
    if (!ask_valid(a) || !ask_valid(b) || Cre[a].kind == CK_HUMAN || !onko_JOKU_petoelain(a)) return 0;
    return prey_rank(a, b, onko_JOKU_petoelain(b));
}

int riistaelain(int a, int b) {
    if (!is_human(a) || !ask_valid(b) || is_human(b) || hides_in_cover(b) || onko_NPC_kesyelain(b)) return 0;
    const int cult = a == -1 ? Plr.culture : Cre[a].culture;
    if (cult > 15) return 0;
    const uint16_t bit = (uint16_t)(1u << cult);
    return (Cre[b].peltcultures & bit) || (Cre[b].gamecultures & bit);
}

static int herd_species(int s) {
    switch (s) {
    case 609: case 610: case 611: case 613: case 614: case 615: case 616: case 617: case 619: case 620: case 621:
    case 623:
        return 1;
    default:
        return 0;
    }
}

// The companion question changes a record only for a person who is one or is being taken on
// (mode 6): for anyone else its answer is no, read here without the call.
static int companion(int n) {
    const CreatureStruct &c = Cre[n];
    if (c.kind != CK_HUMAN || (c.mode != 6 && !(c.partyflags & 256))) return 0;
    return onko_NPC_kumppani(n);
}
static int tame(const CreatureStruct &c) { return c.kind != CK_HUMAN && (c.role == 9 || c.owner == CRE_PLAYER); }

// A dog keeps with its master (the owner field names her when owner bit 0 is set) or, as a village's
// dog, with the people of the village that owns it.
static int dog_keeps_with(const CreatureStruct &dog, const CreatureStruct &p) {
    if (dog.speciescode != SPECIES_DOG || p.kind != CK_HUMAN || dog.owner <= 0) return 0;
    return (uint32_t)dog.owner == ((dog.ownerbits & 1) ? p.socialid : p.community);
}

int ovatko_NPCt_yhteisossa(int a, int b) {
    if (!ask_valid(a) || !ask_valid(b)) return 0;
    const CreatureStruct &x = Cre[a], &y = Cre[b];
    if (dog_keeps_with(x, y) || dog_keeps_with(y, x)) return 1;
    if (companion(a) || companion(b)) return 0;
    if (tame(x) || tame(y)) return 0;
    if (x.speciescode == SPECIES_RAIDER && y.speciescode == SPECIES_RAIDER) return 1;
    if (x.speciescode == SPECIES_FOREIGN_TRADER && y.speciescode == SPECIES_FOREIGN_TRADER) return 1;
    if (x.community && x.community == y.community) return 1;
    if (x.kind == CK_HUMAN && y.kind == CK_HUMAN && x.culture == y.culture && ((x.role == 20) == (y.role == 20))) return 1;
    if (x.kind != CK_HUMAN && y.kind != CK_HUMAN && x.speciescode == y.speciescode && herd_species((int)x.speciescode))
        return 1;
    if (x.kind == CK_HUMAN && y.kind == CK_HUMAN && on_kyla((int)Plr.world_x, (int)Plr.world_y, 1))
        return x.culture != 11 && y.culture != 11;
    return 0;
}

int yhteisoton_elain(int a) {
    if (!ask_valid(a)) return 0;
    const CreatureStruct &x = Cre[a];
    // every rule above that can answer 1 for an animal a needs a dog (618), reindeer or cattle (500,
    // 510), a community, or a herding kind
    return x.kind != CK_HUMAN && x.community == 0 && x.speciescode != SPECIES_DOG && x.speciescode != SPECIES_RAIDER &&
           x.speciescode != SPECIES_FOREIGN_TRADER && !herd_species((int)x.speciescode);
}

int ihminen_vs_ihminen(int a, int b) {
    if (!ask_valid(a)) return 0;
    if (b != -1 && ovatko_NPCt_yhteisossa(a, b)) return 0;
    if (b != -1 && ask_valid(b) && Cre[b].enemy == a && (Cre[b].mode == 2 || Cre[b].mode == 99)) {
        NPC_moraalitarkistus_haavoitus(a, b, 0);
        return 0;
    }
    if (onko_NPC_kumppani(a)) return 0;
    if (b != -1 && ask_valid(b) && Cre[b].role == 20 && Cre[a].role != 20) return 4;
    const int bits = get_Cre_bfmorale(a, b);
    if (bits & 8) return 1;
    if (bits & 2) return 3;
    if (bits & 1) return 2;
    if (bits & 4) return 4;
    return Cre[a].culture == 11 ? 1 : 0;
}

int elain_vs_elain(int a, int b) {
    if (b == -1 || !ask_valid(a) || !ask_valid(b)) return 0;
    const CreatureStruct &x = Cre[a], &y = Cre[b];
    const int bpred = onko_JOKU_petoelain(b);
    if (x.speciescode == SPECIES_DOG && npcKotielain(a) && ((bpred && !npcKotielain(b)) || y.role == 20)) return 4;
    if (x.kind != CK_HUMAN) {
        if (y.kind == CK_HUMAN) return npcKotielain(a) ? 0 : 1;
        if (y.kind == CK_SPIRIT) return 0;
    }
    if (y.kind == CK_SPIRIT) return 0;
    const int apred = onko_JOKU_petoelain(a);
    if (apred && prey_rank(a, b, bpred)) return 3;
    if (bpred && prey_rank(b, a, apred)) return 2;
    if (bpred && y.enemy == a && (y.mode == 2 || y.mode == 99)) return 2;
    return 0;
}

// ---- threat reactions ----------------------------------------------------------------------------

static void threaten(int n, int t) {
    DEFENDER = t;
    if (cre_say(n, "SOUND_THREATEN") && SPENDING) SPEND_INTERRUPT = 1;
}

static void avoid(int n, int t, int v) {
    int tx, ty, x, y;
    if (!square_of(t, tx, ty) || !square_of(n, x, y)) return;
    if (t == -1 && random(5) == 0) cre_say(n, "NPC_AVOIDS");
    Keskeyta_Puuha(n, -1);
    apukoord[0] = x + (x >= tx ? v : -v);
    apukoord[1] = y + (y >= ty ? v : -v);
    Lisaa_Puuha(n, 60, v);
}

// The attack that ends a threat: a person who fears the other (r 2) answers as to a blow.
static int strike(int n, int t, int r) {
    if (t == -1) threaten(n, t);
    if (r == 2) NPC_moraalitarkistus_haavoitus(n, t, 0);
    else NPC_hyokkaa(n, t, Cre[n].morale2);
    return 1;
}

// The shared steps of a threat: r is the relation of two people, 0 when an animal takes part.
static int threat_steps(int n, int t, int r) {
    CreatureStruct &c = Cre[n];
    if (c.mode == CM_ASLEEP) {
        if (c.percfigure) HerataNPC(n);
        return 0;
    }
    if (c.perception == 0 && c.percfigure && t == -1) cre_say(n, "NPC_GETS_ALERT");
    Aseta_Vihollinen(n, t);
    if (!OtaVihollisenTiedot(n)) return 0;
    const int D = vihollisen_etaisyys;
    if (D >= 16) return 0;
    int alert = 2 * c.alertness;
    if (alert > 20) alert = 20;
    int f4 = c.morale4;
    if (is_cub(n) && f4 < 31) f4 = 20 + random(30);
    int A, F, V;
    if (r == 2 || r == 4) {
        A = (r == 2 ? 8 : 10) + alert;
        F = 0;
        V = 15 + alert;
    } else {
        A = morale_range(c.morale1);
        F = morale_range(f4);
        V = morale_range(c.morale5);
        if (A) A += alert;
        if (F) F += alert;
        if (V) V += alert;
    }
    int attack = 1, close = 1;
    if (A < D) {
        close = 0;
        attack = random(100) < c.morale1;
    }
    const int mom = is_cub(n) && is_mom_around(n);
    if (mom) attack = close = 0;
    int flee = F >= D && F > 0;
    if (c.speciescode == SPECIES_BEAR && is_cub_around(n)) flee = 0;
    const int avoid_it = random(100) < c.morale5;
    const int hide = random(100) < c.morale3 && c.perception == 0;
    if (attack && !avoid_it) threaten(n, t);
    if (close && flee) {
        if (random(c.morale1) <= random(f4)) {
            cre_flees(n, t);
            return 1;
        }
        return strike(n, t, r);
    }
    if (!close) {
        if (flee) {
            cre_flees(n, t);
            return 1;
        }
        if (avoid_it && V > 0) {
            avoid(n, t, V);
            return 1;
        }
        if (hide) {
            Keskeyta_Puuha(n, -1);
            Lisaa_Puuha(n, 2, 5 + random(10));
            return 1;
        }
        return 0;
    }
    return strike(n, t, r);
}

int NPC_uhkareagointi(int n, int t) {
    if ((CLOAK && t == -1) || !ask_valid(n) || pokertynyt(n)) return 0;
    int r = 0;
    if (is_human(n) && is_human(t)) {
        r = ihminen_vs_ihminen(n, t);
        if (r == 0) return 0;
    }
    if (Cre[n].mode == CM_ASLEEP) {
        if (Cre[n].percfigure) HerataNPC(n);
        return 0;
    }
    if (is_human(n) && r == 1 && t == -1 && Cre[n].perception) {
        NPC_moraalitarkistus_haavoitus(n, t, 0);
        NPC_hyokkaa(n, t, 0);
        return 1;
    }
    return threat_steps(n, t, r);
}

void RYHMA_moraalitarkistus(int n, int t) {
    if (!ask_valid(n)) return;
    for (int m = 0; m < CRE_COUNT; m++) {
        if (m == n || Cre[m].kind == CK_NONE || Cre[m].mode == CM_CARCASS || crestep_pos(m) < 0) continue;
        if (!ovatko_NPCt_yhteisossa(n, m)) continue;
        if (!is_human(m) && Cre[m].mode == CM_ASLEEP) HerataNPC(m);
        const int mother = is_cub(n) && Cre[m].speciescode == SPECIES_BEAR && Cre[m].socialid == Cre[n].mother;
        if (Cre[m].speciescode == SPECIES_DOG || mother) {
            NPC_hyokkaa(m, t, 0);
            continue;
        }
        if (Cre[m].mode != CM_ASLEEP) NPC_moraalitarkistus_haavoitus(m, t, 0);
        // a foreign trader stands by his fellows whatever his nerve
        if (Cre[m].speciescode == SPECIES_FOREIGN_TRADER) {
            if (Cre[m].mode == CM_ASLEEP) HerataNPC(m);
            NPC_hyokkaa(m, t, 0);
        }
    }
}

// ---- seeing ------------------------------------------------------------------------------------------

// A dog of a village, not one person's pet.
static int village_dog(const CreatureStruct &c) { return c.speciescode == SPECIES_DOG && c.owner > 0 && !(c.ownerbits & 1); }

void Havaitse_PLR(int n, int pos) {
    if (CLOAK || INVISIBLE || !ask_valid(n)) return;
    CreatureStruct &c = Cre[n];
    if (onko_NPC_kumppani(n) || onko_NPC_kesyelain(n)) {
        c.perception = 0;
        c.percfigure = 0;
        return;
    }
    if (Onko_Turvassa(n)) return;
    if (npcKotielain(n) && !village_dog(c)) return;
    if ((unsigned)pos >= (unsigned)DATA_MAX) return;
    STEALTH_REASONABLE = 1;
    int seen = 0;
    if (c.mode != CM_ASLEEP) {
        seen = looks(Data[pos].x, Data[pos].y, PlayerX, PlayerY, c.Suunta);
        if (seen && LURK) seen = huomaako_NPC_piilopaikan(n, pos);
    } else {
        NPC_vainuaa(n, pos, -1);   // a sleeping animal may wake at her smell
    }
    c.perception = (uint8_t)seen;
    int heard = 0;
    if (!seen && onko_NPC_vapaa_reagoimaan(n)) {
        heard = kuulohavainto(n, PlayerX, PlayerY, Plr.noise);
        if (heard) {
            const int code = c.Puuha[0];
            if (code != 65 && code != 69 && code != 200 && code != 151) {
                Keskeyta_Puuha(n, -1);
                Lisaa_Puuha(n, 2, 2);
            }
        }
    }
    if (!seen && !heard) return;
    if (c.mode == CM_ASLEEP) HerataNPC(n);
    if (!onko_NPC_vapaa_reagoimaan(n)) return;
    int wx, wy;
    square_worldcell(Data[pos].x, Data[pos].y, &wx, &wy);
    const int soc = (int)Mapinfo_socID(wx, wy);
    if (village_dog(c) && soc && 4 + random(5) >= soc_visits(soc) && !PLAYER_SLEEPING) {
        if (aantelylaskuri(n, 0)) {
            cre_say(n, "SOUND_NORMAL");
            if (AANI_TASO < 4) aseta_maailmaan_meteli(Data[pos].x, Data[pos].y, 3, n);
            aantelylaskuri(n, 30 + random(20));
            Keskeyta_Puuha(n, -1);
            apukoord[0] = PlayerX;
            apukoord[1] = PlayerY;
            Lisaa_Puuha(n, 60, 10);
            return;
        }
    }
    NPC_uhkareagointi(n, -1);
}

int Havaitse_Olio(int n, int m) {
    if (n == m || !ask_valid(n)) return 0;
    if (m == -1 && (INVISIBLE || CLOAK)) return 0;
    if (m != -1 && !ask_valid(m)) return 0;
    // is_human of both, read straight: n is a creature of the area, m one or the player
    const int people = Cre[n].kind == CK_HUMAN && (m == CRE_PLAYER || Cre[m].kind == CK_HUMAN);
    const int r = people ? ihminen_vs_ihminen(n, m) : elain_vs_elain(n, m);
    if (r == 0) return 0;
    int x, y, mx, my;
    if (!square_of(n, x, y) || !square_of(m, mx, my)) return 0;
    if (koordinaattien_vali(x, y, mx, my) > 15) return 0;
    CreatureStruct &c = Cre[n];
    int seen;
    if (c.mode == CM_ASLEEP) {
        if (!people) HerataNPC(n);
        seen = 0;
    } else {
        seen = sees(n, mx, my);
    }
    if (m == -1) c.perception = (uint8_t)seen;
    if (!seen) return 0;
    if (!people && r == 4) {
        if (aantelylaskuri(n, 0)) {
            if (cre_say(n, "SOUND_ALARM") && SPENDING) SPEND_INTERRUPT = 1;
            if (AANI_TASO < 4) aseta_maailmaan_meteli(x, y, 3, n);
            aantelylaskuri(n, 5 + random(5));
        }
        Keskeyta_Puuha(n, -1);
        apukoord[0] = mx;
        apukoord[1] = my;
        Lisaa_Puuha(n, 60, 5);
        return 1;
    }
    if ((people || r == 1 || r == 2) && onko_NPC_vapaa_reagoimaan(n)) NPC_uhkareagointi(n, m);
    return 1;
}

void Reagoi_Olentoihin(int n) {
    if (bigmap() || INVISIBLE || !onko_NPC_vapaa_reagoimaan(n)) return;
    int x, y;
    if (!square_of(n, x, y)) return;
    const int calm = Cre[n].kind != CK_HUMAN && Cre[n].speciescode != SPECIES_DOG && !onko_JOKU_petoelain(n);
    int near[CRE_COUNT];
    const int count = crestep_creatures_near(x, y, 15, near, CRE_COUNT, calm);
    for (int k = 0; k < (count >= 0 ? count : DATA_MAX); k++) {
        const int i = count >= 0 ? near[k] : k;
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE) continue;
        // beyond 15 squares nothing is noticed: skip the far ones before any question
        if (abs((int)d.x - x) > 15 || abs((int)d.y - y) > 15) continue;
        const int m = creature_slot_of(d.id);
        if (m < 0 || m == n) continue;
        // two animals that neither hunt nor rob have nothing to notice in each other
        if (calm && Cre[m].kind != CK_HUMAN && Cre[m].role != 20 && !onko_JOKU_petoelain(m)) continue;
        if (Havaitse_Olio(n, m)) return;
    }
}

void clear_noises() {
    aseta_maailmaan_meteli(0, 0, 0, CRE_NONE);
    Plr.noise = 0;
}
