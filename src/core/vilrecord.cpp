// src/core/vilrecord.cpp -- the plain work on the village record: the deed the village has to tell,
// the collection level and its grace, the people and visits on record, the goods pool and the debt
// state read from the debt lines. The file and the cache are in vilfile.cpp.
#include "core/vilrecord.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/debuglog.h"
#include "core/creatures.h"
#include "core/itemname.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"

enum { OWN_NOT_FOR_SALE = 8 };     // owner flag: the item is not for sale
enum { POOL_LINE_TOP = 254 };

static void dbg(const char *text) {
    if (DEBUG_INFO) DebugNote(text);
}

static float never_negative(float v) { return v > 0.0f ? v : 0.0f; }

// The player did a deed here: the village has it to tell from now on.
void updglobnewstick() {
    globVil.newsflag = 1;
    globVil.deedminute = Plr.minutes;
    globVil.deedday = (uint16_t)Plr.daynumber;
}

// ---- collection ----

void perinta_tick(int soc) {
    if (!GetGlobVil(soc) || !globVil.graceend || Plr.minutes < globVil.graceend) return;
    if (globVil.gracetype > globVil.reclaimlevel) globVil.reclaimlevel = globVil.gracetype > 3 ? 3 : globVil.gracetype;
    globVil.graceend = 0;
    globVil.gracetype = 0;
    SaveGlobVil();
}

int perinta_taso(int soc) {
    if (!GetGlobVil(soc)) return 0;
    perinta_tick(soc);
    return globVil.reclaimlevel > 3 ? 3 : globVil.reclaimlevel;
}

void aktivoi_perinta(int soc, unsigned char level) {
    if (!GetGlobVil(soc)) return;
    globVil.reclaimlevel = level > 3 ? 3 : level;
    globVil.gracetype = 0;
    globVil.graceend = 0;
    SaveGlobVil();
}

void perinta_armonaika(int soc, int minutes, unsigned char level) {
    if (!GetGlobVil(soc) || globVil.graceend) return;
    globVil.gracetype = level;
    globVil.graceend = Plr.minutes + (uint32_t)(minutes < 1 ? 1 : minutes);
    globVil.duemin = globVil.graceend;
    SaveGlobVil();
}

void deaktivoi_perinta(int soc) {
    if (!GetGlobVil(soc)) return;
    globVil.reclaimlevel = 0;
    globVil.gracetype = 0;
    globVil.graceend = 0;
    globVil.duemin = 0;
    globVil.flags &= ~0x4000u;
    SaveGlobVil();
}

// ---- people and visits ----

int socpopulation(int soc) {
    if (soc < 1 || !GetGlobVil(soc)) return 0;
    int n = 0;
    for (uint32_t id : globVil.people) n += id ? 1 : 0;
    return n;
}

int soc_visits(int soc) { return soc > 0 && GetGlobVil(soc) ? (int)globVil.visits : 0; }

// A social id goes into the first free slot of a list unless it stands there already.
static void enrol(uint32_t *slots, int n, uint32_t id) {
    if (id == 0) return;
    for (int i = 0; i < n; i++)
        if (slots[i] == id) return;
    for (int i = 0; i < n; i++)
        if (slots[i] == 0) {
            slots[i] = id;
            return;
        }
}

void npctosocppl(int n, int soc) {
    if (soc < 1 || (unsigned)n >= (unsigned)CRE_COUNT || !GetGlobVil(soc)) return;
    enrol(globVil.people, VILLAGE_PEOPLE, Cre[n].socialid);
}

void socset_npc_hired(int n, int soc) {
    if (soc < 1 || (unsigned)n >= (unsigned)CRE_COUNT || !GetGlobVil(soc)) return;
    enrol(globVil.hired, VILLAGE_HIRED, Cre[n].socialid);
}

void npcremsocppl(int n, int soc) {
    if ((unsigned)n >= (unsigned)CRE_COUNT || Cre[n].socialid == 0 || !GetGlobVil(soc)) return;
    for (uint32_t &id : globVil.people)
        if (id == Cre[n].socialid) {
            id = 0;
            break;
        }
}

// A visit is counted once a day.
void meet_soc(int soc) {
    if (!GetGlobVil(soc) || globVil.lastvisit == Plr.daynumber) return;
    if (globVil.lastvisit) globVil.visitgap = (uint16_t)std::abs((long long)globVil.lastvisit - (long long)Plr.daynumber);
    globVil.visits++;
    globVil.lastvisit = Plr.daynumber;
    globVil.greeted = 0;
}

void talk_soc(int soc) {
    if (!GetGlobVil(soc)) return;
    globVil.talks++;
}

// ---- the goods pool ----

int addvilpool(int soc, int pos, int count) {
    if (count <= 0 || pos <= 0 || soc < 1 || !GetGlobVil(soc)) return 0;
    int free_line = -1;
    for (int i = 0; i < VILLAGE_POOL; i++) {
        if (globVil.pool[i] == 0) {
            if (free_line < 0) free_line = i;
            continue;
        }
        if (globVil.pool[i] == (uint32_t)pos && globVil.poolcount[i] + count <= POOL_LINE_TOP) {
            globVil.poolcount[i] = (uint8_t)(globVil.poolcount[i] + count);
            char name[41];
            DebugNotef("vilpool #%d: %s count incr. to %d", i, item_name(ObjToItem(pos), name), globVil.poolcount[i]);
            SaveGlobVil();
            return 1;
        }
    }
    if (free_line < 0) return 0;
    globVil.pool[free_line] = (uint32_t)pos;
    globVil.poolcount[free_line] = (uint8_t)(count > POOL_LINE_TOP ? POOL_LINE_TOP : count);
    char name[41];
    DebugNotef("vilpool #%d: %s add %d", free_line, item_name(ObjToItem(pos), name), globVil.poolcount[free_line]);
    SaveGlobVil();
    return 1;
}

void clearvilpool(int soc) {
    if (soc < 1 || !GetGlobVil(soc)) return;
    memset(globVil.pool, 0, sizeof globVil.pool);
    memset(globVil.poolcount, 0, sizeof globVil.poolcount);
    SaveGlobVil();
}

// ---- the debt state ----

float vildebtvalue(const VillageStruct *v) {
    if (!v) return 0.0f;
    float total = 0.0f;
    for (const VillageDebtLine &d : v->debt)
        if (d.active) total += never_negative(d.value);
    return total;
}

void vildebtrefresh(VillageStruct *v) {
    if (!v) return;
    v->hasdebt = 0;
    uint32_t oldest = 0;
    bool not_for_sale = false;   // any owed item not for sale stops the trade, whatever the line's place
    for (VillageDebtLine &d : v->debt) {
        if (!d.active) continue;
        const ItemStruct item = ObjToItem((int)d.object);
        if (!item.name[0]) {   // the item is gone
            memset(&d, 0, sizeof d);
            continue;
        }
        if (item.ownerflags & OWN_NOT_FOR_SALE) not_for_sale = true;
        if (!v->hasdebt || d.minute < oldest) oldest = d.minute;
        v->hasdebt = 1;
        if (DEBUG_INFO) {
            char line[200];
            snprintf(line, sizeof line, "debti: %s", ekuvaus((int)d.object, 1, 0));
            DebugNote(line);
        }
    }
    if (not_for_sale && v->tradeban == 0) v->tradeban = 2;
    else if (!not_for_sale && v->tradeban == 2) v->tradeban = 0;
    if (!v->hasdebt) {
        v->debtage = 0;
        v->debtlevel = 0;
    } else {
        v->debtage = Plr.minutes >= oldest ? Plr.minutes - oldest : 0;
        const float total = vildebtvalue(v);
        v->debtlevel = (uint8_t)(total > 400.0f ? 3 : total > 16.0f ? 2 : 1);
        dbg("debtrefresh: got debt");
    }
    v->goods = v->hasdebt;
}
