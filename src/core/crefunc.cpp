#include "core/crefunc.h"

#include <cctype>
#include <cmath>
#include <cstring>

#include "core/creatures.h"
#include "core/obj_func.h"
#include "core/plrfield.h"
#include "base/ownlib.h"
#include "base/debuglog.h"
#include "core/records.h"
#include "core/tekstit.h"

static const CreatureStruct *cre_of(int c) { return (unsigned)c < (unsigned)CRE_COUNT ? &Cre[c] : nullptr; }

// A creature born on day 0 with no birth age counts as grown: 1000 days.
int CreAgeInDays(int c) {
    const CreatureStruct *r = cre_of(c);
    if (!r) return 0;
    if (r->birthday == 0 && r->playerage == 0) return 1000;
    const int d = (int)Plr.daynumber - r->birthday;
    return d < 0 ? -d : d;
}

int CreAgeInMonths(int c) {
    const CreatureStruct *r = cre_of(c);
    if (!r) return 0;
    if (r->birthday == 0 && r->playerage == 0) return 33;
    return CreAgeInDays(c) / 30;
}

// The player's companion and her pet.
int onko_NPC_kumppani(int n) {
    CreatureStruct *c = (unsigned)n < (unsigned)CRE_COUNT ? &Cre[n] : nullptr;
    if (!c || c->kind != CK_HUMAN) return 0;
    if (c->mode == 6) {
        c->partyflags |= 256;
        c->mode = 0;
    }
    if (!(c->partyflags & 256)) return 0;
    c->memberbits |= MB_COMPANION;
    return 1;
}
int onko_NPC_kesyelain(int n) {
    const CreatureStruct *c = cre_of(n);
    if (!c || c->kind == CK_HUMAN) return 0;
    return c->role == 9 || c->owner == CRE_PLAYER;
}

float cre_carried(int who) {
    const CreatureStruct *c = cre_of(who);
    if (!c) return 0.0f;
    float sum = 0.0f;
    ItemStruct it;
    for (int i = 0; i < CRE_PACK; i++)
        if (c->pack[i] && c->packcount[i]) sum += (float)c->packcount[i] * ObjToItem(it, c->pack[i]).weight;
    // what it wears and wields weighs only past a fifth of its body weight
    const int32_t held[CRE_WORN + 2] = {c->worn[0], c->worn[1], c->worn[2], c->worn[3], c->worn[4],
                                        c->worn[5], c->worn[6], c->wielded, c->offhand};
    float running = 0.0f;
    for (int32_t pos : held) {
        if (pos == 0) continue;
        const float w = ObjToItem(it, pos).weight;
        running += w;
        if (running >= c->weight / 5.0f) sum += w;
    }
    return sum;
}

float cre_load(int who) {
    const CreatureStruct *c = cre_of(who);
    if (!c) return 0.0f;
    return c->load < 255 ? (float)c->load : std::ceil(cre_carried(who));
}

// A body lying down or crawling weighs on the ground at half.
float FullWeightLoad(int who) {
    if (who == -1) {
        float w = (float)plr_get<int32_t>(PB_BODYWEIGHT) + plr_get<float>(PB_LOAD);
        if (Plr.posture == 1 || Plr.movement_mode == 7) w /= 2.0f;
        return w;
    }
    const CreatureStruct *c = cre_of(who);
    if (!c) return 0.0f;
    return gtolbs(c->weight * 1000.0f) + cre_load(who);
}

// The living people of a culture at home on world cell wx, wy, among the creatures of the area.
int Cre_home_people(int wx, int wy, int culture) {
    int n = 0;
    for (const CreatureStruct &c : Cre)
        n += c.kind == CK_HUMAN && c.mode != CM_CARCASS && c.culture == culture && c.home_x == wx && c.home_y == wy;
    return n;
}


// ---- what it is ----

int is_human(int n) {
    if (n == CRE_PLAYER) return 1;
    const CreatureStruct *c = cre_of(n);
    return c && c->kind == CK_HUMAN;
}
int onko_NPC_lintu(int n) {
    const CreatureStruct *c = n == CRE_PLAYER ? &Creature : cre_of(n);
    return c && (c->moveclass == 64 || c->moveclass == 128 || c->kind == 21);
}
int onko_NPC_nainen(int n) {
    const CreatureStruct *c = cre_of(n);
    return c && c->role == 14;
}
int sukeltaako_NPC(int n) {
    const CreatureStruct *c = cre_of(n);
    return c && c->korkeus == -100;
}
int is_socmember(int n) {
    const CreatureStruct *c = cre_of(n);
    if (!c || c->kind != CK_HUMAN || c->role == 5 || c->community == 0) return 0;
    if (c->partyflags & 256) return 0;
    return !(c->memberbits & MB_COMPANION) && !(c->memberbits & 4);
}

// ---- names ----

static void field(char *out, size_t size, const char *f, size_t fsize) {
    const size_t n = strnlen(f, fsize);
    copy_bounded(out, size < n + 1 ? size : n + 1, f);
}

static void strip_name(CreatureStruct &c) {
    char species[sizeof c.species + 1];
    field(species, sizeof species, c.species, sizeof c.species);
    const char *at = strstr(species, "' the ");
    if (!at) return;
    char rest[sizeof species];
    copy_bounded(rest, sizeof rest, at + 6);
    memset(c.species, 0, sizeof c.species);
    memcpy(c.species, rest, strlen(rest));
    c.namebits |= 1;
}

// ---- names ----

static char *name_of(CreatureStruct &rec, int flags) {
    char *out = sbuf();
    CreatureStruct *c = &rec;
    strip_name(rec);
    char name[64], pname[sizeof c->pname + 1];
    field(name, sizeof name, c->species, sizeof c->species);
    field(pname, sizeof pname, c->pname, sizeof c->pname);
    const bool animal = c->kind != CK_HUMAN;
    const unsigned sp = c->speciescode;
    if (animal) {
        name[0] = (char)tolower((unsigned char)name[0]);
        char base[64];
        copy_bounded(base, sizeof base, name);
        const bool male = c->sexage & 1, young = c->sexage & 2;
        if (young) {
            if (sp == SPECIES_ELK_COW || sp == SPECIES_REINDEER || sp == SPECIES_FOREST_REINDEER || sp == SPECIES_ELK)
                bprintf(name, sizeof name, "%s calf", base);
            else if (sp >= SPECIES_WILD_BOAR && sp <= SPECIES_PIG) copy_bounded(name, sizeof name, "piglet");
            else if (sp == SPECIES_SHEEP) copy_bounded(name, sizeof name, "lamb");
            else if (sp == SPECIES_DOG) bprintf(name, sizeof name, "%s puppy", base);
            else bprintf(name, sizeof name, "%s cub", base);
        } else if (male) {
            if (sp == SPECIES_ELK) bprintf(name, sizeof name, "bull %s", base);
            else if (sp == SPECIES_SHEEP) copy_bounded(name, sizeof name, "ram");
            else if (sp == SPECIES_PIG) copy_bounded(name, sizeof name, "boar");
            else if (sp == SPECIES_REINDEER || sp == SPECIES_FOREST_REINDEER) bprintf(name, sizeof name, "%s stag", base);
        } else {
            if (sp == SPECIES_BEAR) bprintf(name, sizeof name, "female %s", base);
            else if (sp == SPECIES_PIG) copy_bounded(name, sizeof name, "sow");
            else if (sp == SPECIES_DOG) copy_bounded(name, sizeof name, "female dog");
            else if (sp == SPECIES_REINDEER || sp == SPECIES_FOREST_REINDEER) bprintf(name, sizeof name, "%s doe", base);
        }
        if (flags & 1) {
            copy_bounded(out, SBUF_SIZE, name);
            return out;
        }
    } else if (flags & 1) {
        copy_bounded(out, SBUF_SIZE, "human");
        return out;
    }
    if (flags & 8) {
        bprintf(out, SBUF_SIZE, "%s the %s", pname, name);
        return out;
    }
    const bool known = (c->namebits & 1) || (!animal && DEBUG_INFO);
    if (animal && (c->namebits & 2) && pname[0]) {
        if (flags & 4) bprintf(out, SBUF_SIZE, (flags & 2) ? "the %s called %s" : "%s called %s", name, pname);
        else copy_bounded(out, SBUF_SIZE, pname);
    } else if (known && pname[0]) {
        if (flags & 4) bprintf(out, SBUF_SIZE, "%s the %s", pname, name);
        else copy_bounded(out, SBUF_SIZE, pname);
    } else {
        bprintf(out, SBUF_SIZE, (flags & 2) ? "the %s" : "%s", name);
    }
    return out;
}

char *monnam(int n, int flags) {
    if (n == -1) {
        char *out = sbuf();
        copy_bounded(out, SBUF_SIZE, "human");
        return out;
    }
    CreatureStruct *c = (unsigned)n < (unsigned)CRE_COUNT ? &Cre[n] : nullptr;
    if (!c) return sbuf();
    return name_of(*c, flags);
}

// Named from a copy of the record: no creature slot is touched.
char *monnam_cre(const CreatureStruct &record, int flags) {
    static CreatureStruct scratch;
    scratch = record;
    return name_of(scratch, flags);
}

static bool is_leash(const ItemStruct &item) { return item.type == IT_TOOL && item.subtype == ST_ROPE; }

int sotu_Crepos(unsigned socialid) {
    if (socialid == 0) return CRE_NONE;
    for (int c = 0; c < CRE_COUNT; c++)
        if (Cre[c].kind != CK_NONE && Cre[c].socialid == socialid) return c;
    return CRE_NONE;
}

int npcleash_check(const ItemStruct &item) {
    if (!is_leash(item) || leash_sotu(item) == 0) return CRE_NONE;
    return sotu_Crepos(leash_sotu(item));
}

uint32_t compword(int n) {
    if ((unsigned)n >= (unsigned)CRE_COUNT || Cre[n].kind == CK_NONE) return 0;
    uint32_t w;
    memcpy(&w, Cre[n].compflags, sizeof w);
    return w;
}
