// src/society/village.cpp -- the village societies the people and the goods answer to: making a
// society for a settlement, its people, visits and talks, its
// centres and buildings, the collection of its debts and word of mouth. The file and the cache are
// in vilfile.cpp, the debt lines in vildebt.cpp, the upkeep on entry in vilupkeep.cpp and the goods
// pool and storage in vilstore.cpp.
#include "society/village.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/datafunc.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/breaches.h"
#include "core/creatures.h"
#include "creatures/people.h"
#include "creatures/predicates.h"
#include "items/items.h"
#include "items/ownership.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "core/tekstit.h"

// The player did a deed here: the village has it to tell from now on.
void updglobnewstick() {
    globVil.newsflag = 1;
    globVil.deedminute = Plr.minutes;
    globVil.deedday = (uint16_t)Plr.daynumber;
}

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

// ---- people and places ----

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

int isloc_soccenter(int soc, int wx, int wy) {
    if (soc == 0 || !GetGlobVil(soc)) return 0;
    if (globVil.centre_x == wx && globVil.centre_y == wy) return 1;
    if (globVil.centre_x == 0 && globVil.centre_y == 0 && on_kyla(wx, wy, 1)) return 1;
    for (int i = 0; i < 10; i++)
        if (globVil.centres_x[i] != 0 && globVil.centres_x[i] == wx && globVil.centres_y[i] == wy) return 1;
    return 0;
}

// Cells to the nearest centre; 1000 when the village has none on record.
int locdist_soccenter(int soc, int wx, int wy) {
    if (!GetGlobVil(soc)) return 1000;
    if (globVil.centre_x == wx && globVil.centre_y == wy) return 0;
    int best = 1000;
    if (globVil.centre_x != 0 || globVil.centre_y != 0) best = koordinaattien_vali(wx, wy, globVil.centre_x, globVil.centre_y);
    for (int i = 0; i < 10; i++)
        if (globVil.centres_x[i] != 0) {
            const int d = koordinaattien_vali(wx, wy, globVil.centres_x[i], globVil.centres_y[i]);
            if (d < best) best = d;
        }
    return best;
}

// The code of the last building letter of the world cells around x, y, row by row.
int shoptype(int x, int y) {
    int code = -1000;
    for (int cy = y - 2; cy <= y + 2; cy++)
        for (int cx = x - 2; cx <= x + 2; cx++) switch (get_alltime_maailmachar(cx, cy)) {
            case 'a': code = 97; break;
            case 'b': code = 98; break;
            case 'c': code = 3; break;
            case 'd': code = 4; break;
            case 'e': code = 101; break;
            case 'f': code = 102; break;
            case 'i': code = 105; break;
            case 'j': code = 10; break;
            case 'l': code = 108; break;
            default: break;
            }
    return code;
}

int buildingtype(int x, int y) { return shoptype(x, y); }

// A shop's letter on the local map in front of x, y.
int oldshoparea(int x, int y) {
    for (int cy = y; cy <= y + 4; cy++)
        for (int cx = x - 3; cx <= x + 3; cx++) {
            const int c = get_mapchar(cx, cy) - 'a';
            if (c >= 0 && c < 12 && ((0x97f >> c) & 1)) return 1;
        }
    return 0;
}

int livingroom(int x, int y) {
    for (int cy = y - 3; cy <= y + 3; cy++)
        for (int cx = x - 3; cx <= x + 3; cx++) {
            const int c = get_mapchar(cx, cy);
            if (c == 4 || c == 5 || c == 19 || c == 240) return 1;
        }
    return 0;
}

float wombased_pctmod(int kind, int count) {
    if (kind == 2) return 1.0f;
    float share = kind < 6 ? 0.5f : 0.25f;
    if (count >= 4) share += 0.1f;
    if (count >= 6) share += 0.2f;
    return share;
}
