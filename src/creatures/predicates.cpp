// src/creatures/predicates.cpp -- the creature predicates, the social roles of village people and
// the marks and value of what a creature carries.
#include "creatures/predicates.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "core/datafunc.h"
#include "core/oxa.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/player.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "creatures/physical.h"
#include "creatures/zoomservices.h"
#include "items/items.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/sight.h"
#include "base/debuglog.h"

static CreatureStruct *cre(int n) { return (unsigned)n < (unsigned)CRE_COUNT ? &Cre[n] : nullptr; }
static bool alive(const CreatureStruct &c) { return c.kind != 0 && c.mode != CM_CARCASS; }

// ---- what it is ----

int onko_JOKU_elain(int n) {
    const CreatureStruct *c = cre(n);
    return c && c->kind != CK_HUMAN;
}
int onko_NPC_haltija(int n) {
    const CreatureStruct *c = cre(n);
    return c && c->kind == CK_SPIRIT;
}
int onko_JOKU_petoelain(int n) {
    if (n == CRE_PLAYER) return 1;
    const CreatureStruct *c = cre(n);
    if (!c || c->kind == CK_HUMAN) return 0;
    const uint32_t prey = 0x2 | 0x4 | 0x8 | 0x10 | 0x20 | 0x2000 | 0x10000;
    return (c->diet1 & prey) || (c->diet2 & prey) || c->meateater;
}
int syo_kasveja(int n, int which) {
    const CreatureStruct *c = cre(n);
    if (!c || c->kind == CK_HUMAN) return 0;
    const uint32_t plants = 0x80 | 0x100 | 0x200 | 0x400 | 0x800 | 0x1000;
    if (which == 1) return (c->diet1 & plants) != 0;
    if (which == 2) return (c->diet2 & plants) != 0;
    return ((c->diet1 | c->diet2) & plants) != 0;
}
int onko_NPC_lihansyoja(int n) {
    const CreatureStruct *c = cre(n);
    return c && c->meateater != 0;
}
int is_cub(int n) {
    const CreatureStruct *c = cre(n);
    return c && (c->sexage & 2) && c->kind != CK_HUMAN;
}
static int role_is(int n, int r) {
    const CreatureStruct *c = cre(n);
    return c && c->role == r;
}
int onko_NPC_lapsi(int n) { return role_is(n, 15); }
int onko_NPC_parantaja(int n) { return role_is(n, 13); }
int onko_NPC_rosvo(int n) { return role_is(n, 20); }
int onko_NPC_lieassa(int n) { return role_is(n, 9); }
int onko_NPC_aikamies(int n) {
    const CreatureStruct *c = cre(n);
    return c && c->role != 13 && c->role != 14 && c->role != 15 && c->speciescode != SPECIES_CRAFTSMAN;
}
static int species_matches(int n, const char *pattern) {
    const CreatureStruct *c = cre(n);
    if (!c || c->kind != CK_HUMAN) return 0;
    char species[sizeof c->species + 1];
    copy_bounded(species, sizeof species, c->species);
    return wildcmp(pattern, species) ? 1 : 0;
}
int onko_NPC_vanhus(int n) { return species_matches(n, "*old *"); }
int onko_NPC_vanhamies(int n) {
    return is_human(n) && cre(n) && !onko_NPC_parantaja(n) && onko_NPC_vanhus(n) && !onko_NPC_nainen(n);
}
int onko_NPC_neito(int n) { return species_matches(n, "*maiden*"); }
int lentaako_NPC(int n) {
    const CreatureStruct *c = cre(n);
    return c && c->korkeus == 100;
}
// A water creature: the fish-like species 701 or a swimmer's movement class; -1 asks the template
// `Creature` that a new creature is being made from.
int onko_NPC_vesielaja(int n) {
    const CreatureStruct *c = n == -1 ? &Creature : cre(n);
    return c && (c->speciescode == SPECIES_WATER_FOLK || c->moveclass == 96 || c->moveclass == 128);
}
int saalistaako_NPC(int n) {
    const CreatureStruct *c = cre(n);
    if (!c) return 0;
    const int p = c->Puuha[0];
    return p == 52 || p == 55 || p == 68 || p == 69;
}
int taisteleeko_NPC(int n) {
    const CreatureStruct *c = cre(n);
    return c && (c->mode == 2 || c->mode == 99);
}
int pakeneeko_NPC(int n) {
    const CreatureStruct *c = cre(n);
    return c && c->mode == 4;
}
int nukkuuko_NPC(int n) {
    const CreatureStruct *c = cre(n);
    return c && c->mode == CM_ASLEEP;
}
int onko_NPC_vapaa_reagoimaan(int n) {
    if (INVISIBLE) return 0;
    if (n == CRE_PLAYER) return 1;
    const CreatureStruct *c = cre(n);
    return c && c->mode != 2 && c->mode != 99 && c->mode != 4;
}
int onko_noiduttuelain(int n) {
    const CreatureStruct *c = cre(n);
    return c && (c->stateflags & 2);
}
int onko_noiduttupaastetty(int n) {
    const CreatureStruct *c = cre(n);
    return c && (c->stateflags & 4);
}
int onko_vironsusi(int n) { return onko_noiduttuelain(n) && Cre[n].speciescode == SPECIES_WOLF; }
int maxenergiavaranto(int n) {
    if (n < 0 || n >= CRE_COUNT || !onko_JOKU_elain(n)) return 5000;
    const int cap = (int)(35.0f * Cre[n].weight);
    return onko_JOKU_petoelain(n) ? cap * 2 : cap;
}
int onko_NPC_rohkea(int n) {
    const CreatureStruct *c = cre(n);
    if (!c) return 0;
    for (uint8_t l : c->skilllevel)
        if (l > 70) return 1;
    return 0;
}
int onko_NPC_kesyelain(int n) {
    const CreatureStruct *c = cre(n);
    if (!c || c->kind == CK_HUMAN) return 0;
    return c->role == 9 || c->owner == CRE_PLAYER;
}
int onko_NPC_jonkun_kesyelain(int n, int m) {
    if (m == CRE_PLAYER) return onko_NPC_kesyelain(n);
    const CreatureStruct *c = cre(n), *master = cre(m);
    if (!c || !master || c->kind == CK_HUMAN || !(c->ownerbits & 1)) return 0;
    return c->owner == (int32_t)master->socialid && master->socialid != 0;
}
int npcKotielain(int n) {
    const CreatureStruct *c = cre(n);
    if (!c) return 0;
    if (c->domestic & 2) return 1;
    switch (c->speciescode) {
    case 609: case 610: case 615: case 616: case 617: case 618: case 619: case 621: return 1;
    default: break;
    }
    return c->kind != CK_HUMAN && c->morale4 == 0 && c->morale5 == 0;
}
int is_socanimal(int n) {
    const CreatureStruct *c = cre(n);
    if (!c || c->kind == CK_HUMAN || onko_NPC_kesyelain(n)) return 0;
    return c->owner > 0 || !(c->ownerbits & 1);
}
int is_armed(int n) {
    const CreatureStruct *c = cre(n);
    if (!c) return 0;
    int weapons = 0;
    for (int i = 0; i < CRE_PACK; i++)
        if (c->pack[i] != 0 && ObjToItem(c->pack[i]).type == IT_WEAPON) weapons++;
    return (c->wielded != 0 && weapons >= 1) || weapons >= 2;
}
int onko_NPC_tarkea_olento(int n) {
    if (n == CRE_PLAYER) return 1;
    const CreatureStruct *c = cre(n);
    if (!c) return 0;
    if (onko_NPC_kumppani(n) || onko_NPC_rosvo(n) || onko_NPC_kesyelain(n)) return 1;
    if (c->kind != CK_HUMAN && c->handling == 2) return 1;
    if (onko_noiduttuelain(n) && !onko_noiduttupaastetty(n)) return 1;
    return c->kind == CK_HUMAN && c->community != 0;
}

// ---- other queries ----

int COMBATPROFILE(int n) {
    if (n == CRE_PLAYER) return Plr.posture;
    const CreatureStruct *c = cre(n);
    return c ? c->posture : 0;
}

float olennon_keskipiste(int n) {
    if (n == CRE_PLAYER) return Plr.posture == 0 ? 0.7f : 0.2f;
    const CreatureStruct *c = cre(n);
    if (!c) return 0.0f;
    const bool lying = c->posture != 0;
    if (c->kind == CK_HUMAN) return lying ? 0.3f : 0.7f;
    if (lying) return c->weight <= 1.0f ? 0.1f : 0.2f;
    const float f = c->weight / 100.0f;
    const float least = c->weight <= 1.0f ? 0.2f : 0.3f;
    return f < least ? least : f;
}

int onko_NPC_hereillaoloaika(int n) {
    CreatureStruct *c = cre(n);
    if (!c) return n == CRE_PLAYER;
    const int h = Plr.hour;
    if (c->stateflags & (0x80 | 0x100)) return 1;
    if (c->wakinghour == h + 1) return 1;
    int rhythm = c->rhythm;
    if (c->mode == 3) {
        c->mode = 0;
        rhythm = 1;
    }
    if (CREATURE_UPDATE) return 1;
    if (is_socmember(n) && GOT_PROPERTY_ofsoc((int)c->community)) return 1;
    bool awake;
    switch (rhythm) {
    case 0: awake = h < 7 || h > 21; break;
    case 1: awake = h >= 8 && h <= 21; break;
    case 2: awake = h > 19; break;
    case 3: awake = (h >= 19 && h <= 22) || (h >= 6 && h <= 11); break;
    case 4: awake = true; break;
    default: awake = false; break;
    }
    if (c->mode != 0 && c->mode != CM_ASLEEP) awake = true;
    return awake ? 1 : 0;
}

int NPCn_omistajan_sotu(int n) {
    const CreatureStruct *c = cre(n);
    return c && c->owner != 0 && (c->ownerbits & 1) ? c->owner : CRE_NONE;
}

int onko_NPClla_kesyelain(int m) {
    for (int i = 0; i < CRE_COUNT; i++)
        if (alive(Cre[i]) && onko_NPC_jonkun_kesyelain(i, m)) return i;
    return CRE_NONE;
}

void set_CrePetAndMaster(int pet, int master) {
    CreatureStruct *p = cre(pet), *m = cre(master);
    if (!p) return;
    p->ownerbits |= 1;
    p->owner = master == CRE_PLAYER ? CRE_PLAYER : m ? (int32_t)m->socialid : p->owner;
}

void make_animal_socowned(int n, int soc) {
    CreatureStruct *c = cre(n);
    if (!c) return;
    if (soc == 0) soc = (int)Mapinfo_socID(c->home_x, c->home_y);
    if (soc <= 0) return;
    c->owner = soc;
    c->ownerbits &= (uint8_t)~1;
}

void paasta_noiduttuelain(int n) {
    CreatureStruct *c = cre(n);
    if (c) c->stateflags |= 4;
}

int NPCstruct_omatunto_mins(const CreatureStruct &c) {
    if (!(c.stateflags & 8)) return -1;
    return abs((int)Plr.minutes - (int)c.conscience);
}

static int kept_first_record(int n);

int creature_square(int n, int &x, int &y) {
    // In the creatures' pass the kept places know every creature's first record.
    const int kept = kept_first_record(n);
    if (kept != -2) {
        if (kept < 0) return 0;
        x = Data[kept].x;
        y = Data[kept].y;
        return 1;
    }
    for (int i = 0; i < DATA_MAX; i++)
        if ((Data[i].type == DT_CREATURE || Data[i].type == DT_CARCASS) && creature_slot_of(Data[i].id) == n) {
            x = Data[i].x;
            y = Data[i].y;
            return 1;
        }
    return 0;
}

static bool on_map(int n) {
    int x, y;
    return creature_square(n, x, y) != 0;
}

int is_mom_around(int n) {
    const CreatureStruct *c = cre(n);
    if (!c || c->mother == 0) return 0;
    for (int i = 0; i < CRE_COUNT; i++)
        if (alive(Cre[i]) && Cre[i].socialid == c->mother && on_map(i) && !onko_JOKU_tajuton(i)) return 1;
    return 0;
}

int is_cub_around(int n) {
    const CreatureStruct *c = cre(n);
    if (!c || c->socialid == 0) return 0;
    for (int i = 0; i < CRE_COUNT; i++)
        if (alive(Cre[i]) && Cre[i].mother == c->socialid) return 1;
    return 0;
}

int aantelylaskuri(int n, int v) {
    if (n == CRE_PLAYER) return 1;
    CreatureStruct *c = cre(n);
    if (!c || c->kind == CK_NONE) return 0;
    uint8_t &k = c->noisecounter;
    if (v) {
        k = (uint8_t)(v > 255 ? 255 : v < 0 ? 0 : v);
        return 1;
    }
    if (k == 0) return 1;
    if (k <= 60) return 0;
    k = 0;
    return 1;
}

// ---- the local area ----

int plr_engaged(int x, int y) {
    if (INVISIBLE) return 0;
    return abs(x - PlayerX) <= 1 && abs(y - PlayerY) <= 1;
}


// ---- societies ----

// The village is read before the rest: most creatures asked about belong to none or to another.
static bool member_of(int i, int soc) { return soc > 0 && Cre[i].community == (uint32_t)soc && is_socmember(i); }
static bool awake_and_conscious(int i) {
    const CreatureStruct &c = Cre[i];
    return c.mode != CM_ASLEEP && c.posture != 3 && c.posture != 4;
}
static bool creature_record(const DataStruct &d) { return d.type == DT_CREATURE || d.type == DT_CARCASS; }

// ---- where the creatures stand ----
// The first creature or carcass record of every creature, as a walk of the pool meets them. While
// the creatures' pass runs, most people ask every tick who of their village is nearest: the places
// are learnt in one walk and kept. A kept place is checked against its record when read, and the
// pool counts every creature or carcass record it places or moves (data_creature_records), after
// which the places are learnt again. Outside the pass the pool itself is walked.
static struct {
    bool on = false, known = false;
    bool carry = false;            // nothing but the passes touches the pool between two of them
    uint32_t learnt_at = 0;
    uint32_t wx = 0, wy = 0;       // the world cell whose local area they were learnt on
    int pos[CRE_COUNT];            // first record, -1 none
    int16_t slots[CRE_COUNT];      // the creatures that have one, by slot
    int nslots = 0;
    int records[DATA_MAX];         // every creature and carcass record, in pool order
    int nrecords = 0;
    // Past `end` the pool held no record as the pass began; while no creature record has been placed
    // or moved since (data_creature_records at `end_at`), none lies there.
    bool end_known = false;
    int end = DATA_MAX;
    uint32_t end_at = 0;
} places;

static void learn_places() {
    for (int &p : places.pos) p = -1;
    places.nrecords = 0;
    const int end = places.end_known && places.end_at == data_creature_records ? places.end : DATA_MAX;
    for (int i = 0; i < end; i++) {
        if (!creature_record(Data[i])) continue;
        places.records[places.nrecords++] = i;
        const int s = creature_slot_of(Data[i].id);
        if (s >= 0 && places.pos[s] < 0) places.pos[s] = i;
    }
    // People first: the questions are about villagers, and a question that can end early mostly ends
    // among them.
    places.nslots = 0;
    for (int s = 0; s < CRE_COUNT; s++)
        if (places.pos[s] >= 0 && Cre[s].kind == CK_HUMAN) places.slots[places.nslots++] = (int16_t)s;
    for (int s = 0; s < CRE_COUNT; s++)
        if (places.pos[s] >= 0 && Cre[s].kind != CK_HUMAN) places.slots[places.nslots++] = (int16_t)s;
    places.known = true;
    places.learnt_at = data_creature_records;
    places.wx = Plr.world_x;
    places.wy = Plr.world_y;
}

// The kept places serve while the pass runs on the local area they were learnt on, and nothing was
// placed or moved since; otherwise they are learnt again, or (away from a local area) not used.
static bool places_serve() {
    if (!places.on || bigmap()) return false;
    if (!places.known || places.learnt_at != data_creature_records || places.wx != Plr.world_x || places.wy != Plr.world_y)
        learn_places();
    return true;
}

void socplaces_pass(int on) {
    places.on = on != 0;
    // Carried over, the places learnt stay known from one pass to the next and are checked as ever
    // (the count of creature records placed or moved, the local area) before they serve.
    if (!places.carry) places.known = false;
    places.end_known = false;
}

void socplaces_carry(int on) {
    places.carry = on != 0;
    places.known = false;
}

void socplaces_pool_end(int end) {
    places.end_known = end >= 0 && end <= DATA_MAX;
    places.end = end;
    places.end_at = data_creature_records;
}

// The first creature or carcass record of creature n from the kept places, -1 none; -2 when the
// places don't serve (the pool is walked instead).
static int kept_first_record(int n) {
    if ((unsigned)n >= (unsigned)CRE_COUNT || !places_serve()) return -2;
    const int p = places.pos[n];
    if (p >= 0 && (!creature_record(Data[p]) || creature_slot_of(Data[p].id) != n)) learn_places();   // it went
    return places.pos[n];
}

int kept_creature_records(const int **list) {
    if (!places_serve()) return -1;
    *list = places.records;
    return places.nrecords;
}

int cre_xy(int x, int y) {
    int last = -1;
    const int *kept = nullptr;
    const int n = kept_creature_records(&kept);   // in the creatures' pass: only the creature records
    for (int k = 0; k < (n >= 0 ? n : DATA_MAX); k++) {
        const int i = n >= 0 ? kept[k] : k;
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE || d.x != x || d.y != y) continue;
        int c = datapos_Crepos(i);
        if (sukeltaako_NPC(c) && !DEBUG_INFO) continue;   // a diver is out of sight
        if (!onko_JOKU_tajuton(c)) return c;
        last = c;
    }
    return last;
}

// The members of `soc` (awake ones only with `awake`) that have a record, by slot, each with the pool
// place of its first record; answers how many.
static int member_places(int soc, bool awake, int (&slot)[CRE_COUNT], int (&pos)[CRE_COUNT]) {
    if (soc <= 0) return 0;
    if (places_serve()) {
        for (bool again = true; again;) {
            again = false;
            int n = 0;
            for (int k = 0; k < places.nslots; k++) {
                const int s = places.slots[k];
                if (!member_of(s, soc) || (awake && !awake_and_conscious(s))) continue;
                const int p = places.pos[s];
                if (!creature_record(Data[p]) || creature_slot_of(Data[p].id) != s) {
                    learn_places();   // the record went, or another took its place
                    again = true;
                    break;
                }
                slot[n] = s;
                pos[n++] = p;
            }
            if (again) continue;
            // by slot, as the walk answers (one that became a person since the places were learnt
            // stands among the others)
            for (int k = 1; k < n; k++)
                for (int j = k; j > 0 && slot[j - 1] > slot[j]; j--) std::swap(slot[j - 1], slot[j]), std::swap(pos[j - 1], pos[j]);
            return n;
        }
    }
    // Without the kept places: the members asked for, then one walk of the pool that ends once each
    // one's first record has been found.
    static int first[CRE_COUNT];
    int wanted = 0;
    for (int i = 0; i < CRE_COUNT; i++) {
        const bool asked = member_of(i, soc) && (!awake || awake_and_conscious(i));
        first[i] = asked ? -2 : -1;
        wanted += asked;
    }
    for (int i = 0, left = wanted; i < DATA_MAX && left > 0; i++) {
        const DataStruct &d = Data[i];
        if (!creature_record(d)) continue;
        const int s = creature_slot_of(d.id);
        if (s >= 0 && first[s] == -2) first[s] = i, left--;
    }
    int n = 0;
    for (int i = 0; i < CRE_COUNT; i++)
        if (first[i] >= 0) slot[n] = i, pos[n++] = first[i];
    return n;
}

int socmember_mindist(int soc) {
    int best = 1000;
    static int slot[CRE_COUNT], pos[CRE_COUNT];
    const int n = member_places(soc, false, slot, pos);
    for (int k = 0; k < n; k++) {
        const int d = distance_from_plr(Data[pos[k]].x, Data[pos[k]].y);
        if (d < best) best = d;
    }
    return best;
}

// The nearest from the kept places: a creature of the village is only looked at more closely when it
// stands nearer than the nearest so far, which leaves the same one as asking every member in turn.
static int nearest_kept(int soc) {
    for (;;) {
        int best = CRE_NONE, bestd = 1 << 30;
        bool stale = false;
        for (int k = 0; k < places.nslots && !stale; k++) {
            const int s = places.slots[k];
            if (Cre[s].community != (uint32_t)soc) continue;
            const DataStruct &d = Data[places.pos[s]];
            if (!creature_record(d) || creature_slot_of(d.id) != s) {
                stale = true;   // the record went, or another took its place
                break;
            }
            const int dist = distance_from_plr(d.x, d.y);
            if (dist > bestd || (dist == bestd && s > best) || !is_socmember(s) || !awake_and_conscious(s)) continue;
            bestd = dist;
            best = s;
        }
        if (!stale) return best;
        learn_places();
    }
}

// The member asked about checked first, then the others until one stands nearer (or as near with a
// lower number, whom the nearest would name instead).
static int is_nearest_kept(int soc, int n) {
    const auto record_of = [](int s) -> const DataStruct * {
        const DataStruct &d = Data[places.pos[s]];
        return creature_record(d) && creature_slot_of(d.id) == s ? &d : nullptr;
    };
    for (;;) {
        if (!member_of(n, soc) || !awake_and_conscious(n)) return 0;
        if (places.pos[n] < 0) return 0;
        const DataStruct *own = record_of(n);
        if (!own) {
            learn_places();
            continue;
        }
        const int mine = distance_from_plr(own->x, own->y);
        bool stale = false;
        for (int k = 0; k < places.nslots; k++) {
            const int s = places.slots[k];
            if (s == n || Cre[s].community != (uint32_t)soc) continue;
            const DataStruct *d = record_of(s);
            if (!d) {
                stale = true;
                break;
            }
            const int dist = distance_from_plr(d->x, d->y);
            if (dist > mine || (dist == mine && s > n) || !is_socmember(s) || !awake_and_conscious(s)) continue;
            return 0;
        }
        if (!stale) return 1;
        learn_places();
    }
}

int socnearestnpc_is(int soc, int n) {
    if ((unsigned)n >= (unsigned)CRE_COUNT) return 0;
    if (soc > 0 && places_serve()) return is_nearest_kept(soc, n);
    return socnearestnpc(soc) == n;
}

int socnearestnpc(int soc) {
    if (soc > 0 && places_serve()) return nearest_kept(soc);
    int best = CRE_NONE, bestd = 1 << 30;
    static int slot[CRE_COUNT], pos[CRE_COUNT];
    const int n = member_places(soc, true, slot, pos);
    for (int k = 0; k < n; k++) {
        const int d = distance_from_plr(Data[pos[k]].x, Data[pos[k]].y);
        if (d < bestd) {
            bestd = d;
            best = slot[k];
        }
    }
    return best;
}

int is_socnearestnpc(int n) {
    const CreatureStruct *c = cre(n);
    return c && is_socmember(n) && socnearestnpc_is((int)c->community, n);
}

int is_socnearestadult(int n) { return is_socnearestnpc(n) && !onko_NPC_lapsi(n); }

int socseeplr(int soc) {
    int nearest = CRE_NONE, bestd = 1 << 30;
    static int slot[CRE_COUNT], pos[CRE_COUNT];
    const int n = member_places(soc, true, slot, pos);
    for (int k = 0; k < n; k++) {
        const int i = slot[k];
        const int x = Data[pos[k]].x, y = Data[pos[k]].y;
        if (!NPC_see(x, y, PlayerX, PlayerY, Cre[i].Suunta)) continue;
        if (See(x, y)) return i;
        const int d = distance_from_plr(x, y);
        if (d < bestd) {
            bestd = d;
            nearest = i;
        }
    }
    return nearest;
}

int soc_companion_in_debt(int soc) {
    for (int i = 0; i < CRE_COUNT; i++)
        if (alive(Cre[i]) && Cre[i].community == (uint32_t)soc && (Cre[i].compflags[2] & 4)) return i;
    return CRE_NONE;
}

static bool exhausted(int n) { return pokertynyt(n) != 0; }

void set_socrole_susp(int soc, int r) {
    if (soc < 1 || r < 0 || r > 7) return;
    int all[CRE_COUNT], grown[CRE_COUNT], men[CRE_COUNT], preferred[99];
    int na = 0, ng = 0, nm = 0, np = 0;
    for (int i = 0; i < CRE_COUNT; i++) {
        if (!member_of(i, soc) || exhausted(i)) continue;
        all[na++] = i;
        if (onko_NPC_lapsi(i)) continue;
        grown[ng++] = i;
        if (onko_NPC_nainen(i)) continue;
        men[nm++] = i;
        if (np < 99 && (r == 0 || (r == 2 && is_armed(i)))) preferred[np++] = i;
    }
    int want = r == 1 ? 2 : r == 2 ? (na < 3 ? 1 : na / 3) : 1;
    const uint8_t bit = (uint8_t)(1u << r);
    auto hand_out = [&](int *list, int &count) {
        while (want > 0 && count > 0) {
            const int i = list[--count];
            if (Cre[i].suspicion & bit) continue;
            Cre[i].suspicion |= bit;
            want--;
            char line[120], name[sizeof Cre[i].pname + 1];
            copy_bounded(name, sizeof name, Cre[i].pname);
            snprintf(line, sizeof line, "Socrole %d for %s", r, name);
            debuglog("socrole", line);
        }
    };
    hand_out(preferred, np);
    hand_out(men, nm);
    hand_out(grown, ng);
    hand_out(all, na);
}

// The member last found holding each role, and of which village: most who ask do not hold the role,
// and its holder is looked at first. Only a hint: a holder is a holder however it was found.
static struct {
    int soc = 0, slot = -1;
} role_seen[8];

int has_socrole_susp(int n, int r) {
    if (!is_socmember(n) || r < 0 || r > 7) return 0;
    const uint8_t bit = (uint8_t)(1u << r);
    if (Cre[n].suspicion & bit) return 1;
    const int soc = (int)Cre[n].community;
    const int seen = role_seen[r].slot;
    if (role_seen[r].soc == soc && seen >= 0 && member_of(seen, soc) && (Cre[seen].suspicion & bit)) return 0;
    for (int i = 0; i < CRE_COUNT; i++)
        if (member_of(i, soc) && (Cre[i].suspicion & bit)) {
            role_seen[r].soc = soc;
            role_seen[r].slot = i;
            return 0;
        }
    set_socrole_susp(soc, r);
    return 0;
}

void clr_socrole_susp(int soc, int r) {
    if (r < 0 || r > 7) return;
    for (int i = 0; i < CRE_COUNT; i++)
        if (member_of(i, soc)) Cre[i].suspicion &= (uint8_t) ~(1u << r);
}

void npc_socroles_lost(int n) {
    if (!is_socmember(n)) return;
    const uint8_t bits = Cre[n].suspicion;
    for (int r = 0; r < 8; r++)
        if (bits & (1u << r)) clr_socrole_susp((int)Cre[n].community, r);
}

// ---- possessions ----

// The item of object number obj with owner flag 4 set or cleared, stored again; its new number.
static int with_claim(int obj, bool mark) {
    if (obj == 0) return 0;
    ItemStruct item = ObjToItem(obj);
    if (item.type == 0) return obj;
    const uint8_t was = item.ownerflags;
    if (mark) item.ownerflags |= 4;
    else item.ownerflags &= (uint8_t)~4;
    if (item.ownerflags == was) return obj;
    const int stored = Luo_Esineen_Itempos(item);
    return stored > 0 ? stored : obj;
}

void makepersonal_NPCitems(int n, int mark) {
    CreatureStruct *c = cre(n);
    if (!c) return;
    const bool all_valuable = c->compflags[1] & 1;
    // The pack has twenty entries: nothing past them is read.
    for (int i = 0; i < CRE_PACK; i++) {
        if (c->pack[i] == 0 || (c->packbits[i] & 1)) continue;
        const bool valuable = all_valuable || esinehinta(0, ObjToItem(c->pack[i])) >= 8.0f;
        c->pack[i] = with_claim(c->pack[i], valuable && mark);
    }
    for (int &w : c->worn) w = with_claim(w, mark != 0);
    c->wielded = with_claim(c->wielded, mark != 0);
}

void make_NPC_escortee(int n, int figure) {
    CreatureStruct *c = cre(n);
    if (!c) return;
    c->partyflags &= ~1024u;
    c->partyflags |= 256;
    c->compterms &= ~2u;
    c->escortstate = 1;
    c->compfigure = (uint8_t)figure;
    uint32_t word;
    memcpy(&word, c->compflags, sizeof word);
    word &= ~(1u << 18);
    word |= 1u << 8;
    memcpy(c->compflags, &word, sizeof word);
    const int cap = maxenergiavaranto(n);
    c->food = (uint16_t)(cap < 0 ? 0 : cap > 65535 ? 65535 : cap);
    c->stateflags &= ~(1u << 9);
    c->follow[0] = c->follow[1] = 0;
    // Its first activity is given up: the queue moves one place forward.
    for (int k = 0; k < 9; k++) {
        c->Puuha[k] = c->Puuha[k + 1];
        c->PuuhaAika[k] = c->PuuhaAika[k + 1];
        c->PuuhaTila[k] = c->PuuhaTila[k + 1];
        c->PuuhaX[k] = c->PuuhaX[k + 1];
        c->PuuhaY[k] = c->PuuhaY[k + 1];
        c->PuuhaKohde[k] = c->PuuhaKohde[k + 1];
    }
    c->Puuha[9] = c->PuuhaAika[9] = c->PuuhaTila[9] = c->PuuhaX[9] = c->PuuhaY[9] = c->PuuhaKohde[9] = 0;
    makepersonal_NPCitems(n, 1);
}

int NPC_inventoryhinta(int n) {
    const CreatureStruct *c = cre(n);
    if (!c) return 0;
    float sum = c->wielded ? esinehinta(0, ObjToItem(c->wielded)) : 0.0f;
    for (int i = 0; i < CRE_PACK; i++)
        if (c->pack[i] != 0 && !(c->packbits[i] & 1)) sum += esinehinta(0, ObjToItem(c->pack[i])) * c->packcount[i];
    for (int w : c->worn)
        if (w) sum += esinehinta(0, ObjToItem(w));
    return (int)sum;
}
