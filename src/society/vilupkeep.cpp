// src/society/vilupkeep.cpp -- villages are not lived while the player is away: when she enters a map
// each village of the area is caught up in one step by the days since her last visit. Its record is
// made ready, its people enrolled and its dead buried, news of her deeds comes in from the villages of
// its culture nearby, its goods are used and restocked, its pool stored and new quests offered.
#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/predicates.h"
#include "creatures/zoomservices.h"
#include "items/items.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "society/questoffer.h"
#include "society/restock.h"
#include "society/village.h"

// Bits of a cell's society-upkeep byte, set when the society area is made.
enum { SOCMAINT_BUILD = 1, SOCMAINT_CLAIM = 2 };

static bool in_rect(const UiRect &r, int x, int y) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; }

// ---- the record made ready ----

void socmaint(int x, int y) {
    const int soc = (int)Mapinfo_socID(x, y);
    if (soc <= 0) return;
    int flags = Mapinfo_getbfsocmaint(x, y);
    const bool built = (flags & SOCMAINT_BUILD) != 0;
    if ((flags & SOCMAINT_BUILD) && luo_ihmisyhteiso(x, y, (unsigned)soc)) {
        flags &= ~SOCMAINT_BUILD;
        Mapinfo_setbfsocmaint(x, y, flags);
    }
    if (flags & SOCMAINT_CLAIM) {
        claim_vil_items(x, y);
        flags &= ~SOCMAINT_CLAIM;
        Mapinfo_setbfsocmaint(x, y, flags);
    }
    // A village never saved yet starts as a blank record of its id: what reading it gives. The record
    // held may be the very one, not yet in the file: it is kept, not blanked.
    if (!GetGlobVil(soc)) return;

    // A new visit: the village's flags and the shouts said are forgotten, so are the greetings and
    // the debt talk of the last visit.
    globVil.flags = 0;
    memset(globVil.said, 0, sizeof globVil.said);
    globVil.greeted = 0;
    globVil.greetings = 0;
    globVil.debttalked = 0;
    for (int i = 0; i < CRE_COUNT; i++)
        if (Cre[i].kind == CK_HUMAN && Cre[i].mode != CM_CARCASS && Cre[i].community == (uint32_t)soc)
            Cre[i].greetbits &= (uint8_t)~(16 | 2);   // greeted again on this visit, in passing and in talk

    globVil.culture = (uint8_t)get_alltime_kulttuuri(x, y);
    if (globVil.tradeban == 1 && Plr.daynumber > globVil.tradeban_day) {
        globVil.tradeban = 0;
        globVil.tradeban_day = 0;
    }
    const bool settlement = on_kyla(x, y, 1) != 0;
    if ((globVil.centre_x == 0 && globVil.centre_y == 0 && settlement) || built) {
        globVil.centre_x = x;
        globVil.centre_y = y;
    }
    if (settlement) {
        int free_pair = -1, known = 0;
        for (int i = 0; i < 10; i++) {
            if (globVil.centres_x[i] == x && globVil.centres_y[i] == y) known = 1;
            if (globVil.centres_x[i] == 0 && free_pair < 0) free_pair = i;
        }
        if (!known && free_pair >= 0) {
            globVil.centres_x[free_pair] = (uint16_t)x;
            globVil.centres_y[free_pair] = (uint16_t)y;
        }
    }
    SaveGlobVil();
}

void claim_vil_items(int x, int y) {
    if (bigmap()) return;
    const UiRect r = bigxy_zoomrect(x, y);
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.owner != 0 || !in_rect(r, d.x, d.y)) continue;
        if (esinehinta(0, ObjToItem((int)d.id)) > 1.0f) set_dp_socowned(i);
    }
}

// ---- the catch-up ----

void socresourcemaintenance(int soc, int x, int y, int gap) {
    if (gap < 7 || socpopulation(soc) == 0) return;   // only a long absence leaves spent things to clear
    const UiRect r = bigxy_zoomrect(x, y);
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || !in_rect(r, d.x, d.y)) continue;
        if (ObjToItem((int)d.id).id == OID_STONE && got_mc_around(d.x, d.y, 8, 5)) CrunchData(i);
    }
}

void kyla_maintenance(int x, int y) {
    const int soc = (int)Mapinfo_socID(x, y);
    if (soc < 1 || !GetGlobVil(soc)) return;
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CREATURE) continue;
        const int n = creature_slot_of(Data[i].id);
        if (n < 0 || !is_socmember(n)) continue;
        CreatureStruct &c = Cre[n];
        if (c.home_x == x && c.home_y == y && c.community != (uint32_t)soc) c.community = (uint32_t)soc;
        if (c.community == (uint32_t)soc) npctosocppl(n, soc);
    }
    if (zoomarea_socpopulation(soc) == 0) return;
    if (socpopulation(soc) > 0)
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_CARCASS) bury_villager_datapos(i);

    const int lastday = Mapinfo_bigloc_LastDay(x, y);
    const long long away = std::llabs((long long)lastday - (long long)Plr.daynumber);
    const int gap = away > 1000000 ? 1000000 : (int)away;
    socnews(soc, x, y);
    socnews_maint(soc);

    const unsigned work = kyla_work(lastday, gap, socpopulation(soc), Plr.daynumber);
    if (work & KYLA_STOCK) socinventory(soc, x, y, gap, 1);
    if (work & KYLA_RESTOCK) socinventory(soc, x, y, gap, 0);
    if (work & KYLA_UPKEEP) socresourcemaintenance(soc, x, y, gap);
    if (work & KYLA_FLUSH) flushvilpool(soc);
    if (work & KYLA_QUESTS) SocQuestCreator(x, y, soc, "");
}

unsigned kyla_work(int lastday, int gap, int people, uint32_t today) {
    if (lastday == 0)   // the first visit: stocked, no upkeep of what was never used
        return KYLA_STOCK | KYLA_FLUSH | (today > 1 ? KYLA_QUESTS : 0u);
    if (people == 0 || gap == 0) return 0;
    if (gap == 1) return KYLA_UPKEEP;
    return (gap >= 7 ? KYLA_RESTOCK : 0u) | KYLA_UPKEEP | KYLA_FLUSH | KYLA_QUESTS;
}

// ---- news between villages ----

enum { NEWS_REACH = 50, NEWS_SOURCES = 10, NEWS_RECEIVED = 10 };

struct NewsSource {
    int soc;
    int distance;
};

// The ten nearest sources, nearest first; of equal distances the one found first stays ahead. Only
// ten are ever kept, however many villages stand round.
struct NearestSources {
    NewsSource at[NEWS_SOURCES];
    int n = 0;
    void offer(int soc, int distance) {
        int i = n;
        while (i > 0 && at[i - 1].distance > distance) i--;
        if (i >= NEWS_SOURCES) return;
        const int last = n < NEWS_SOURCES ? n : NEWS_SOURCES - 1;
        for (int k = last; k > i; k--) at[k] = at[k - 1];
        at[i] = {soc, distance};
        if (n < NEWS_SOURCES) n++;
    }
};

static void add_news(VillageNews &acc, int soc, int level, uint32_t value) {
    acc.sumlevel = (uint8_t)(acc.sumlevel + level);
    acc.sources++;
    acc.avglevel = (uint8_t)(acc.sumlevel / acc.sources);
    acc.sumvalue += value;
    acc.avgvalue = acc.sumvalue / acc.sources;
    if (level <= acc.avglevel) {
        acc.from = (uint32_t)soc;
        acc.fromlevel = (uint8_t)level;
        acc.fromvalue = value;
        acc.valuebyte = (uint8_t)(value & 0xff);
    }
}

// The minutes news takes to come from a source at that rank and distance.
static long long news_delay(int rank, int distance) {
    if (distance < 10) return 0;
    return (long long)distance * (rank < 2 ? 5 : rank < 5 ? 10 : 15);
}

void socnews(int soc, int x, int y) {
    if (soc < 1 || !GetGlobVil(soc)) return;
    VillageStruct copy = globVil;
    VillageNews acc[3];
    memset(acc, 0, sizeof acc);

    const int culture = get_alltime_kulttuuri(x, y);
    const int x0 = x - NEWS_REACH < 0 ? 0 : x - NEWS_REACH, x1 = x + NEWS_REACH > WORLD_W - 1 ? WORLD_W - 1 : x + NEWS_REACH;
    const int y0 = y - NEWS_REACH < 0 ? 0 : y - NEWS_REACH, y1 = y + NEWS_REACH > WORLD_H - 1 ? WORLD_H - 1 : y + NEWS_REACH;
    NearestSources near;
    for (const ZoomExtraStruct &z : ZoomExtra) {
        if (z.x == 0 || z.socid == 0 || z.socid == (uint32_t)soc) continue;
        if (z.x < x0 || z.x > x1 || z.y < y0 || z.y > y1) continue;
        if (get_alltime_kulttuuri(z.x, z.y) != culture || !on_kyla(z.x, z.y, 1)) continue;
        near.offer((int)z.socid, koordinaattien_vali(x, y, z.x, z.y));
    }

    for (int rank = 0; rank < near.n; rank++) {
        const int from = near.at[rank].soc, level = rank + 2;
        if (socpopulation(from) < 2 || !GetGlobVil(from) || !globVil.newsflag) continue;
        if ((long long)Plr.minutes < (long long)globVil.deedminute + news_delay(rank, near.at[rank].distance)) continue;
        bool known = false;
        for (int i = 0; i < NEWS_RECEIVED; i++)
            if (copy.newsfrom[i] == (uint32_t)from && copy.newsminute[i] == globVil.deedminute) known = true;
        if (known) continue;
        for (int i = 0; i < NEWS_RECEIVED; i++)
            if (copy.newsfrom[i] == 0) {
                copy.newsfrom[i] = (uint32_t)from;
                copy.newsminute[i] = globVil.deedminute;
                break;
            }
        if (globVil.banished && globVil.banish_day > Plr.daynumber && !(globVil.banishstate & 4))
            add_news(acc[0], from, level, globVil.banish_day);
        if (globVil.theftcount) add_news(acc[1], from, level, globVil.theftcount);
        if (globVil.murders) add_news(acc[2], from, level, globVil.murders);
    }

    VillageNews *into[3] = {&copy.news_banish, &copy.news_theft, &copy.news_murder};
    for (int k = 0; k < 3; k++) {
        if (acc[k].sources) *into[k] = acc[k];
        else memset(into[k], 0, sizeof *into[k]);
    }
    saveVil((uint32_t)soc, copy);
    // Held, the village takes its news too: the older copy would otherwise be written back over it.
    if (globVilID == soc) globVil = copy;
}

uint32_t socnews_maint(int soc) {
    if (soc < 1 || !GetGlobVil(soc)) return 0;
    VillageStruct &v = globVil;
    if (v.news_theft.sources) {
        if (v.theftcount > v.news_theft.valuebyte) {   // it knows better itself: the news is stale
            memset(&v.news_theft, 0, sizeof v.news_theft);
            v.newsapplied1 = 0;
        } else {
            v.newsapplied1 = v.news_theft.sources;
            const float share = wombased_pctmod(v.news_theft.fromlevel, v.news_theft.sources);
            const int heard = (int)(share * (float)v.news_theft.valuebyte);
            if (heard > v.misdeeds) v.misdeeds = (uint8_t)(heard > 255 ? 255 : heard);
        }
    }
    if (v.news_murder.sources) {
        if (v.murders) {
            memset(&v.news_murder, 0, sizeof v.news_murder);
            v.newsapplied2 = 0;
        } else {
            v.newsapplied2 = v.news_murder.sources;
            const int base = v.misdeeds > 5 ? v.misdeeds : 5;
            const int raised = base + ((v.news_murder.valuebyte + v.news_murder.sources) % 256);
            v.misdeeds = (uint8_t)(raised > 255 ? 255 : raised);   // a count, held at its top
        }
    }
    v.hasnews = (v.newsapplied1 || v.newsapplied2) ? 1 : 0;
    SaveGlobVil();
    return v.hasnews;
}
