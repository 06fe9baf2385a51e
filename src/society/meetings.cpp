// src/society/meetings.cpp -- persistent creatures met again on a freshly loaded map are brought up to
// date in one step for the days nobody saw them.
#include "society/meetings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "base/ui.h"
#include "core/notes.h"
#include "core/datafunc.h"
#include "core/gamefiles.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/animals.h"
#include "creatures/crefile.h"
#include "core/crefunc.h"
#include "creatures/describe.h"
#include "creatures/predicates.h"
#include "creatures/puuha.h"
#include "creatures/zoomservices.h"
#include "items/items.h"
#include "maps/facing.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/maps.h"
#include "society/questoffer.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "society/village.h"
#include "worldgen/culturegoods.h"
#include "core/worldservices.h"
#include "society/questlist.h"

// ---- the fields in spare bytes ----

// ---- where a creature stands ----

static bool persistent(int c) { return c >= 0 && c < CRE_COUNT && Cre[c].kind != CK_NONE && RealCreaturePos[c] >= CRE_DATAID; }

// Its square on the map: its pool record's, else its latest square; false when it has neither.
static bool square_of(int c, int dp, int &x, int &y) {
    if (dp < 0 || dp >= DATA_MAX || Data[dp].id != (uint32_t)(c + CRE_DATAID)) dp = cre_datapos(c);
    if (dp >= 0) {
        x = Data[dp].x;
        y = Data[dp].y;
        return true;
    }
    x = Cre[c].Viimeisin_X;
    y = Cre[c].Viimeisin_Y;
    return x > 0 || y > 0;
}

// The world cell it stands in.
static void cell_of(int c, int dp, int &wx, int &wy) {
    int x, y;
    if (!square_of(c, dp, x, y)) {
        wx = (int)Plr.world_x;
        wy = (int)Plr.world_y;
        return;
    }
    wx = kohtaIsoX(x);
    wy = kohtaIsoY(y);
}

// Days since a stored day: 0 for a day after today (a damaged record), at most the catch-up's limit.
static int days_since(int32_t day) {
    const long long d = (long long)Plr.daynumber - (long long)day;
    return d < 0 ? 0 : d > MEET_DAYS_MAX ? MEET_DAYS_MAX : (int)d;
}

// ---- meeting ----

static void moods(CreatureStruct &r) {
    for (int i = 0; i < 2; i++) {
        uint8_t &m = r.moods[i];
        if (m < 1 || m > 99) m = (uint8_t)(random(50) + 50);
    }
}

// The 10th, 20th, 30th, 40th and 50th meeting bring the creature closer to the player.
static void familiarity_step(CreatureStruct &r) {
    if (r.visits == 0 || r.visits > 50 || r.visits % 10 != 0) return;
    if (r.familiarity == 3) r.familiarity = 4;
    else if (r.familiarity < 3) r.familiarity = (uint8_t)(r.familiarity + 2);
}

// The person's link to a quest: a completed quest is remembered for a year from the day it was done,
// by its giver and by the people of its side roles alike, and then forgotten, so that the person may
// be asked to take part in another; an offer nobody took is closed once its days are out.
static void quest_link(int c) {
    CreatureStruct &r = Cre[c];
    if (r.quest == 0) {
        if (r.questexpiry) disableNPCquest(c, 0);
        return;
    }
    // A quest id past the last id ever handed out names no quest: the link is dropped unread.
    static QuestStruct q;
    if (r.quest > Plr.last_uid || !loadQuest(r.quest, q)) {
        disableNPCquest(c, r.quest);
        return;
    }
    // A closed quest (expired, or its offer ended) is in no list: its giver has nothing more to say of
    // it, and an escortee whose days ran out leaves her company.
    if (q.closed) {
        closeNPCquest(c, r.quest);
        return;
    }
    if (q.completionDay != 0) {
        if (r.questexpiry == 0) r.questexpiry = q.completionDay;
        if ((long long)Plr.daynumber - (long long)r.questexpiry > 364) disableNPCquest(c, r.quest);
    } else if (r.questday != 0 && Plr.daynumber > r.questday) {
        closeNPCquest(c, r.quest);
    }
}

int creature_update(int c, int dp) {
    if (!persistent(c)) return -1;
    CreatureStruct &r = Cre[c];
    r.visits++;
    const int days = r.daysaved < 0 ? MEET_FIRST_DAYS : days_since(r.daysaved);
    if (r.kind == CK_HUMAN) moods(r);
    familiarity_step(r);
    quest_link(c);
    if (!onko_NPC_kumppani(c)) Cr_Meet_Update(c, days, dp);
    return days;
}

// ---- the days unseen ----

int lagtime_activities(int c, int days, int dp) {
    if (days < 1 || !persistent(c) || !is_socmember(c)) return 0;
    const uint32_t soc = Cre[c].community;
    if (soc > Plr.last_uid) return 0;   // names no village ever made
    int wx, wy;
    cell_of(c, dp, wx, wy);
    if (locdist_soccenter((int)soc, wx, wy) > 1) return 0;
    return flush_socmember(c);
}

static bool carries_food(const CreatureStruct &r) {
    for (int s = 0; s < CRE_PACK; s++)
        if (r.pack[s] > 0 && r.packcount[s] > 0 && ObjToItem(r.pack[s]).type == IT_FOOD) return true;
    return false;
}

static void meals(int c, int days) {
    CreatureStruct &r = Cre[c];
    if (onko_NPC_kumppani(c)) {
        syonti(c, 0);
        return;
    }
    // Meals of its own food for the days unseen: nothing wears its reserve down while nobody watches,
    // so the first day's meals leave it fed for the rest.
    if (days < 1) return;
    syonti(c, 0);
    if (carries_food(r) || onko_NPC_lapsi(c)) return;
    const int food = KULTTUURIESINE_Eraruoka(r.culture < 14 ? r.culture : 0);
    if (food > 0) AddCrPack(c, food, random(3) + 2);
}

static void heal(CreatureStruct &r, int days) {
    for (int s = 0; s < 20; s++) {
        if (!r.woundkind[s]) continue;
        const int left = (int)r.woundinjury[s] - 2 * days;
        if (left > 0) {
            r.woundinjury[s] = (uint8_t)left;
            continue;
        }
        r.woundkind[s] = r.woundlevel[s] = r.woundpart[s] = r.woundinjury[s] = r.woundbleeding[s] = r.woundside[s] = 0;
    }
}

static void spoil_pack(CreatureStruct &r, int days) {
    for (int s = 0; s < CRE_PACK; s++) {
        if (r.pack[s] <= 0) continue;
        ItemStruct changed;
        if (!spoilItem(r.pack[s], 0, 0, changed, days)) continue;
        const int aged = Luo_Esineen_Itempos(changed);
        if (aged) r.pack[s] = aged;   // with no room for the aged item it stays as it was
    }
}

// A young animal puts on weight by its age; from 25 months it is grown.
static void grow(int c) {
    CreatureStruct &r = Cre[c];
    if (r.kind == CK_HUMAN || !(r.sexage & 2)) return;
    const int a = CreAgeInMonths(c);
    const float full = r.speciesweight;
    if (a < 2) r.weight = full / 10.0f;
    else if (a <= 3) r.weight = full / 5.0f;
    else if (a <= 6) r.weight = full / 3.0f;
    else if (a <= 12) r.weight = full * 0.5f;
    else if (a <= 24) r.weight = full * 0.7f;
    else {
        r.sexage &= (uint8_t)~2;
        r.endurance = (uint8_t)(r.endurance > 127 ? 255 : r.endurance * 2);   // halved while young
        r.weight = full;
    }
}

void Cr_Meet_Update(int c, int days, int dp) {
    if (!persistent(c) || Cre[c].mode == CM_CARCASS) return;
    CreatureStruct &r = Cre[c];
    if (days < 0) days = 0;
    const bool human = r.kind == CK_HUMAN, companion = human && onko_NPC_kumppani(c);
    if (human && !companion && r.community == 0 && r.quest == 0 && days > 1) {
        int wx, wy;
        cell_of(c, dp, wx, wy);
        // The woodsman met is the one who offers, not another who stands first in the pool.
        const bool woodsman = r.speciescode == SPECIES_WOODSMAN || r.speciescode == SPECIES_ADVENTURER;
        if (woodsman && r.culture != 11 && r.culture != 12 && !onko_NPC_rosvo(c) && !is_settled_area(wx, wy, 5)) {
            char tags[32];
            snprintf(tags, sizeof tags, "[forcenpc:%d]", c);
            SocQuestCreator(wx, wy, 0, tags);
        }
    }
    r.stateflags &= ~5u;
    lagtime_activities(c, days, dp);
    if (r.daysaved < 0) {
        r.daysaved = (int32_t)Plr.daynumber;
        r.first_seen = Plr.daynumber;
        return;
    }
    if (!onko_NPC_tarkea_olento(c) && !bigmap() && days > 10 && (long long)Plr.daynumber - r.first_seen > 30) {
        int x, y, wx, wy;
        cell_of(c, dp, wx, wy);
        if (square_of(c, dp, x, y) && abs(x - PlayerX) + abs(y - PlayerY) > 63 && !is_settled_area(wx, wy, 1)) {
            Poista_Olento(c);
            return;
        }
    }
    if (human) meals(c, days);
    // Work in hand goes on while nobody watches: a craft ordered and left before it was begun is
    // begun when she left, the days unseen counted whole.
    if (days > 0) PaaPuuha_unseen(c, (uint32_t)days * 1440u);
    heal(r, days);
    if (!human && days > 0) spoil_pack(r, days);
    grow(c);
}

// ---- the developer's searches ----

int find_sotu_in_stored_maps(unsigned sotu, int *wx, int *wy) {
    *wx = *wy = -1;
    char path[1200];
    snprintf(path, sizeof path, "%s/ZOOMMAPS.DAT", map_charpath());
    FILE *f = fopen(path, "rb");
    if (!f) return 0;
    // whole records only: a cut-off last record is not read
    static ZoomStruct z;
    long found = -1;
    for (long k = 0; fread(&z, sizeof z, 1, f) == 1; k++)
        for (const DataStruct &d : z.data)
            if ((d.type == DT_CREATURE || d.type == DT_CARCASS) && d.id == sotu) {
                found = k;
                break;
            }
    fclose(f);
    if (found < 0) return 0;
    snprintf(path, sizeof path, "%s/ZOOMINDEX.DAT", map_charpath());
    FILE *ix = fopen(path, "rb");
    ZoomIndex e{};
    const bool read = ix && fseek(ix, found * (long)sizeof e, SEEK_SET) == 0 && fread(&e, sizeof e, 1, ix) == 1;
    if (ix) fclose(ix);
    if (read) {
        *wx = e.x;
        *wy = e.y;
    }
    return 1;
}

// The search's findings as notes.
static void search_stored_maps(unsigned sotu) {
    int wx, wy;
    if (!find_sotu_in_stored_maps(sotu, &wx, &wy)) return;
    Note("found in zooms");
    if (wx < 0 && wy < 0) return;
    char line[120];
    snprintf(line, sizeof line, "found isox,isoy zoommap: %d,%d", wx, wy);
    Note(line);
}

void find_missing(const char *name) {
    if (!name || !name[0]) return;
    world_services.save(SAVE_NOMAP);
    char asked[80];
    snprintf(asked, sizeof asked, "Looking for %.40s", name);
    Note(asked);
    const int records = cre_file_records();
    for (int k = 0; k < records; k++) {
        if (!Lataa_RealCreature(CRE_DATAID + k)) continue;
        const CreatureStruct &c = Creature;
        if (c.kind == CK_NONE || strncmp(c.pname, name, sizeof c.pname) != 0) continue;
        Note("FOUND!");
        char line[200];
        snprintf(line, sizeof line, "name: %.16s", c.pname);
        Note(line);
        snprintf(line, sizeof line, "viim x,y: %d,%d", (int)c.Viimeisin_X, (int)c.Viimeisin_Y);
        Note(line);
        snprintf(line, sizeof line, "meet: %d now: %u", (int)c.daysaved, Plr.daynumber);
        Note(line);
        snprintf(line, sizeof line, "sotu: %u", c.socialid);
        Note(line);
        const unsigned sotu = c.socialid ? c.socialid : (unsigned)(CRE_DATAID + k);
        if (KyllaEi("Bring back?")) {
            const int id = lisaa_realcreature(CRE_DATAID + k, 0);
            if (id >= CRE_DATAID && id < CRE_DATAID + CRE_COUNT) {
                const int slot = id - CRE_DATAID;
                int x = PlayerX + 1, y = PlayerY;
                for (int d = 0; d < 8 && !entry_square_free(x, y); d++) {
                    static const int dx[8] = {1, 1, 0, -1, -1, -1, 0, 1}, dy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
                    x = PlayerX + dx[d];
                    y = PlayerY + dy[d];
                }
                set_data(DT_CREATURE, x, y, id, 1);
                Cre[slot].Viimeisin_X = x;
                Cre[slot].Viimeisin_Y = y;
            }
            return;
        }
        search_stored_maps(sotu);
        return;
    }
}

void find_missing_sotu(unsigned sotu) {
    const int records = cre_file_records();
    if (sotu < (unsigned)CRE_DATAID || records < 0 || sotu >= (unsigned)(CRE_DATAID + records)) return;
    world_services.save(SAVE_NOMAP);
    char line[60];
    snprintf(line, sizeof line, "searching sotu %u", sotu);
    Note(line);
    search_stored_maps(sotu);
}
