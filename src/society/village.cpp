// src/society/village.cpp -- the village societies the people and the goods answer to. Until the
// villages land every record is kept in memory only: a village is made when its settlement is
// first entered and forgotten with the game; its talks are a line of speech.
#include "society/village.h"

#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/breaches.h"
#include "creatures/creatures.h"
#include "creatures/people.h"
#include "creatures/predicates.h"
#include "items/items.h"
#include "items/ownership.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"

VillageStruct globVil;
int globVilID = -1000;
VillageStruct NpcVil;

static VillageStruct villages[VILLAGE_MAX];

static void dbg(const char *text) {
    if (DEBUG_INFO) DebugNote(text);
}

static int find_village(int soc) {
    for (int i = 0; i < VILLAGE_MAX; i++)
        if (villages[i].socid == (uint32_t)soc) return i;
    return -1;
}

// The centre of a new village: the settlement cell of the society nearest the first cell found.
static void find_centre(VillageStruct &v) {
    for (const ZoomExtraStruct &z : ZoomExtra) {
        if (z.x == 0 || z.socid != v.socid) continue;
        const int c = get_alltime_maailmachar(z.x, z.y);
        if (c == 210 || c == 211 || c == 239 || v.centre_x == 0) {
            v.centre_x = z.x;
            v.centre_y = z.y;
            if (c == 210 || c == 211 || c == 239) return;
        }
    }
}

// The record of a society: an existing one, or a new blank one in the first free row; a full table
// reuses the row of the village visited longest ago.
static int village_row(int soc) {
    int i = find_village(soc);
    if (i >= 0) return i;
    i = find_village(0);
    if (i < 0) {
        i = 0;
        for (int k = 1; k < VILLAGE_MAX; k++)
            if (villages[k].lastvisit < villages[i].lastvisit) i = k;
    }
    memset(&villages[i], 0, sizeof villages[i]);
    villages[i].socid = (uint32_t)soc;
    find_centre(villages[i]);
    villages[i].culture = (uint8_t)get_alltime_kulttuuri(villages[i].centre_x, villages[i].centre_y);
    return i;
}

int GetGlobVil(int soc) {
    if (soc <= 0) return 0;
    if (globVilID == soc) return 1;
    SaveGlobVil();
    globVil = villages[village_row(soc)];
    globVilID = soc;
    return 1;
}

int SaveGlobVil() {
    if (globVilID <= 0) return 1;
    const int i = village_row(globVilID);
    villages[i] = globVil;
    return 1;
}

void clrGlobVil() {
    SaveGlobVil();
    globVilID = -1000;
    memset(&globVil, 0, sizeof globVil);
}

void clrVillages() {
    memset(villages, 0, sizeof villages);
    memset(&globVil, 0, sizeof globVil);
    globVilID = -1000;
}

void updglobnewstick() {}

static int settlement_char(int c) { return c == 210 || c == 211 || c == 239; }

int createsocarea(int x, int y, int flags) {
    const unsigned had = Mapinfo_socID(x, y);
    if (had) return (int)had;
    const unsigned id = crID();
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) {
            const int cx = x + dx, cy = y + dy;
            if (!(dx == 0 && dy == 0) && (!settlement_char(get_alltime_maailmachar(cx, cy)) || Mapinfo_socID(cx, cy)))
                continue;
            Mapinfo_setsocID(cx, cy, id);
            Mapinfo_setbfsocmaint(cx, cy, flags);
        }
    if (Mapinfo_socID(x, y) != id) return 0;   // no room for the cell's record
    GetGlobVil((int)id);
    globVil.centre_x = x;
    globVil.centre_y = y;
    SaveGlobVil();
    return (int)id;
}

// A visit: counted once per entry, with the people of the society that live on the map remembered.
void socmaint(int x, int y) {
    const int soc = (int)Mapinfo_socID(x, y);
    if (!GetGlobVil(soc)) return;
    globVil.visits++;
    if (globVil.lastvisit) globVil.visitgap = (uint16_t)(Plr.daynumber - globVil.lastvisit);
    globVil.lastvisit = Plr.daynumber;
    globVil.greeted = 0;
    globVil.greetings = 0;
    globVil.debttalked = 0;
    globVil.culture = (uint8_t)get_alltime_kulttuuri(x, y);
    int k = 0;
    for (int i = 0; i < CRE_COUNT && k < VILLAGE_PEOPLE; i++)
        if (Cre[i].kind == CK_HUMAN && Cre[i].mode != CM_CARCASS && Cre[i].community == (uint32_t)soc && Cre[i].socialid)
        {
            globVil.people[k++] = Cre[i].socialid;
            Cre[i].greetbits &= (uint8_t)~16;   // greeted again on this visit
        }
    if (k) memset(globVil.people + k, 0, sizeof(uint32_t) * (VILLAGE_PEOPLE - k));
    SaveGlobVil();
}

void kyla_maintenance(int, int) {}
void field_maintenance(int, int) {}

// ---- debts and the goods pool ----

void vildebtrefresh(VillageStruct *v) {
    float total = 0.0f;
    uint32_t oldest = 0;
    int lines = 0;
    for (const VillageDebtLine &d : v->debt) {
        if (!d.active) continue;
        lines++;
        total += d.value;
        if (!oldest || d.minute < oldest) oldest = d.minute;
    }
    v->hasdebt = lines > 0;
    v->debtlevel = (uint8_t)(lines == 0 ? 0 : total > 400.0f ? 3 : total > 16.0f ? 2 : 1);
    v->debtage = lines ? Plr.minutes - oldest : 0;
    v->goods = (uint8_t)(lines > 0);
}

int additemdebt(int soc, int pos, int count) {
    if (count <= 0 || pos <= 0 || !GetGlobVil(soc)) return 0;
    // one line per item: more units of the same item are added to its line
    for (VillageDebtLine &d : globVil.debt)
        if (d.active && d.object == (uint32_t)pos) {
            d.count += (uint32_t)count;
            d.value = esinehinta(0, ObjToItem(pos)) * (float)d.count;
            vildebtrefresh(&globVil);
            SaveGlobVil();
            return 1;
        }
    for (VillageDebtLine &d : globVil.debt) {
        if (d.active) continue;
        memset(&d, 0, sizeof d);
        d.active = 1;
        d.object = (uint32_t)pos;
        d.count = (uint32_t)count;
        d.value = esinehinta(0, ObjToItem(pos)) * (float)count;
        d.minute = Plr.minutes;
        vildebtrefresh(&globVil);
        SaveGlobVil();
        return 1;
    }
    dbg("debt book full");
    return 0;
}

int remitemdebt(int soc, unsigned pos, unsigned count) {
    if (soc <= 0 || count == 0 || !GetGlobVil(soc)) return 0;
    for (VillageDebtLine &d : globVil.debt) {
        if (!d.active || d.object != pos) continue;
        if (count >= d.count) {
            memset(&d, 0, sizeof d);
        } else {
            d.value -= d.value * (float)count / (float)d.count;
            d.count -= count;
        }
        vildebtrefresh(&globVil);
        dbg(globVil.hasdebt ? "still got debt" : "no debt no more");
        SaveGlobVil();
        return 1;
    }
    return 0;
}

int vildebtcount(int soc) {
    if (!GetGlobVil(soc)) return 0;
    int n = 0;
    for (const VillageDebtLine &d : globVil.debt) n += d.active ? 1 : 0;
    return n;
}

void forgivedebtitems(int soc) {
    if (!GetGlobVil(soc)) return;
    memset(globVil.debt, 0, sizeof globVil.debt);
    vildebtrefresh(&globVil);
    SaveGlobVil();
}

int addvilpool(int soc, int pos, int count) {
    if (count <= 0 || pos <= 0 || !GetGlobVil(soc)) return 0;
    for (int i = 0; i < VILLAGE_POOL; i++)
        if (globVil.pool[i] == (uint32_t)pos && globVil.poolcount[i] + count <= 254) {
            globVil.poolcount[i] = (uint8_t)(globVil.poolcount[i] + count);
            return SaveGlobVil();
        }
    for (int i = 0; i < VILLAGE_POOL; i++)
        if (globVil.pool[i] == 0) {
            globVil.pool[i] = (uint32_t)pos;
            globVil.poolcount[i] = (uint8_t)(count > 254 ? 254 : count);
            return SaveGlobVil();
        }
    return 0;
}

// ---- collection and reclaiming ----

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
    if (level) globVil.flags |= 0x4000;
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

static int storage_char(int c) { return c == 19 || c == 28 || c == 40 || c == 95 || c == 240; }

int socwants_reclaim_dp(int dp, int soc) {
    if ((unsigned)dp >= (unsigned)DATA_MAX || soc <= 0 || Data[dp].type != DT_ITEM) return 0;
    const ItemStruct item = ObjToItem((int)Data[dp].id);
    if (item.ownerword1 == 0 && item.ownerword2 == 0) return 0;
    const int x = Data[dp].x, y = Data[dp].y;
    if (kohtaIsoX(x) == item.ownerword1 && kohtaIsoY(y) == item.ownerword2 && storage_char(get_mapchar(x, y))) return 0;
    const OwnerStruct o = own_datapos(dp);
    if (o.free) return 0;
    return o.soc == (uint32_t)soc;
}

int soc_reclaim_check(int soc) {
    if (!GetGlobVil(soc)) return 0;
    int wanted = 0;
    for (int i = 0; i < DATA_MAX && !wanted; i++)
        if (Data[i].type == DT_ITEM && socwants_reclaim_dp(i, soc)) wanted = 1;
    globVil.reclaimflag = (uint8_t)wanted;
    SaveGlobVil();
    return wanted;
}

// ---- people and places ----

int socpopulation(int soc) {
    if (soc <= 0 || find_village(soc) < 0) return 0;
    if (!GetGlobVil(soc)) return 0;
    int n = 0;
    for (uint32_t id : globVil.people) n += id ? 1 : 0;
    int here = 0;
    for (int i = 0; i < CRE_COUNT; i++)
        if (Cre[i].kind == CK_HUMAN && Cre[i].mode != CM_CARCASS && Cre[i].community == (uint32_t)soc) here++;
    return here > n ? here : n;
}

void npcremsocppl(int n, int soc) {
    if ((unsigned)n >= (unsigned)CRE_COUNT || !GetGlobVil(soc)) return;
    for (uint32_t &id : globVil.people)
        if (id && id == Cre[n].socialid) id = 0;
    SaveGlobVil();
}

void meet_soc(int soc) {
    if (!GetGlobVil(soc) || globVil.greeted) return;
    globVil.greeted = 1;
    globVil.talks++;
    SaveGlobVil();
}

int locdist_soccenter(int soc, int wx, int wy) {
    if (!GetGlobVil(soc) || (globVil.centre_x == 0 && globVil.centre_y == 0)) return 1000;
    return koordinaattien_vali(wx, wy, globVil.centre_x, globVil.centre_y);
}

int isloc_soccenter(int soc, int wx, int wy) { return locdist_soccenter(soc, wx, wy) == 0; }

int CompanionInvDebt(int n, unsigned) {
    if ((unsigned)n >= (unsigned)CRE_COUNT) return 0;
    return (int)Cre[n].compdebt;
}

int NPC_riittavasti_aseita(int n, int k) {
    if ((unsigned)n >= (unsigned)CRE_COUNT) return 0;
    int weapons = Cre[n].wielded ? 1 : 0;
    for (int i = 0; i < CRE_PACK; i++)
        if (Cre[n].pack[i] && ObjToItem(Cre[n].pack[i]).type == IT_WEAPON) weapons++;
    return weapons >= k;
}


// Stands in until the village file lands: the partner's village is the cached one.
void GetNpcVil(int soc) {
    if (soc > 0 && GetGlobVil(soc)) {
        NpcVil = globVil;
    } else {
        memset(&NpcVil, 0, sizeof NpcVil);
        NpcVil.socid = (uint32_t)-1000;
    }
}

void SaveNpcVil() {
    if ((int)NpcVil.socid <= 0 || !GetGlobVil((int)NpcVil.socid)) return;
    globVil = NpcVil;
    SaveGlobVil();
}

void talk_soc(int soc) {
    if (!GetGlobVil(soc)) return;
    globVil.talks++;
    SaveGlobVil();
}
