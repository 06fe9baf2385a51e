// src/quests/questgive.cpp -- quests offered to the player: one quest made, saved and given to its
// giver (the kinds with their givers and limits, whether a new quest may be made today and the person
// a role falls to are the offer's: society/questoffer).
#include <cstdio>
#include <cstring>

#include "base/savecommit.h"
#include "core/datafunc.h"
#include "core/maintenance.h"
#include "core/notes.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "creatures/predicates.h"
#include "creatures/zoomservices.h"
#include "maps/zoomstore.h"
#include "quests/questkinds.h"
#include "core/tehtavat.h"
#include "society/questlist.h"

// ---- a quest made ----

// The record of the last quest made, as the offering saved it.
static QuestStruct doneqS;

// The kind's generator; an empty title when the kind has none or it gave up. The axe quest may hand
// the quest to another person, whose number comes back in c.
QuestStruct (*questgen_override)(int kind, int c, int x, int y) = nullptr;

static void generate(int kind, int &c, int x, int y) {
    CreatureStruct *giver = &Cre[c];
    if (questgen_override) {
        doneqS = questgen_override(kind, c, x, y);
        doneqS.title[sizeof doneqS.title - 1] = 0;
        return;
    }
    switch (kind) {
    case 3: doneqS = Quest_FetchHerbs(giver, x, y); break;
    case 5: doneqS = Quest_AdventurersAxe(x, y, c); break;
    case 10: doneqS = Quest_OldMansPunt(giver, x, y); break;
    case 15: doneqS = Quest_BirdThief(giver, x, y); break;
    case 20: doneqS = Quest_BewitchedWolf(c, x, y); break;
    case 30: doneqS = Quest_HomelandRobbers(giver, x, y); break;
    case 35: doneqS = Quest_AnimalForestCover(c, x, y); break;
    case 37: doneqS = Quest_HomelandEscort(c, x, y); break;
    case 38: doneqS = Quest_DisorientedWoodsman(c, x, y); break;
    case 40: doneqS = Quest_ItemsWanted(c, x, y); break;
    case 50: doneqS = Quest_ForestMaids(c, x, y); break;
    case 51: doneqS = Quest_WaterFolk(c, x, y); break;
    case 52: doneqS = Quest_ForestSpirit(c, x, y); break;
    case 70:
    case 72: doneqS = Quest_SimpleChores(kind, c, x, y); break;
    case 71: doneqS = Quest_Messenger(c, x, y); break;
    default: memset(&doneqS, 0, sizeof doneqS); break;
    }
    doneqS.title[sizeof doneqS.title - 1] = 0;
}

void quest_file_drop(uint32_t id) {
    char path[1200];
    quest_file_path(id, path, sizeof path);
    // Made in the running save, the file stands under its staged name: the commit leaves it out.
    save_remove(path);
}

// A quest that could not be kept takes its side roles with it: their people forget them, and their
// files go unless a commit that failed has taken them back already.
static void undo_side_roles(const QuestStruct &q, bool files) {
    for (uint32_t side : q.sideQuestIds) {
        if (side == 0) continue;
        for (int n = 0; n < CRE_COUNT; n++)
            if (Cre[n].quest == side) disableNPCquest(n, side);
        if (files) quest_file_drop(side);
    }
}

static void failed(int kind, int c) {
    if (DEBUG_INFO) DebugNotef("DoQuestForNPC failed to generate quest #%d for npc #%d", kind, c);
}

// The quest and what its generator wrote for it, kept in the save the offer opened.
static bool made(int kind, int &c, int x, int y) {
    generate(kind, c, x, y);
    if (!doneqS.title[0] || c < 0 || c >= CRE_COUNT) return false;
    if (DEBUG_INFO) DebugNotef("DoQuestForNPC generated quest #%d for npc #%d", kind, c);
    if (doneqS.id == 0) doneqS.id = crID();
    if (doneqS.offerLifeDays == 0) doneqS.offerLifeDays = 30;
    doneqS.generated = 1;
    if (SaveQuest(&doneqS)) return true;
    undo_side_roles(doneqS, true);
    return false;
}

// People the offer put on the map whose records it made: with those records given back, they go.
static void drop_new_people(const int *placed_before) {
    static CreatureStruct r;
    for (int s = 0; s < CRE_COUNT; s++) {
        const int n = RealCreaturePos[s];
        if (n == placed_before[s] || n < CRE_DATAID || (cre_file_record(n, r) && r.kind != CK_NONE)) continue;
        Poista_Olento(s);
        memset(&Cre[s], 0, sizeof Cre[s]);
        RealCreaturePos[s] = placed_before[s];
    }
}

int DoQuestForNPC(int c, int kind, int x, int y) {
    if (c < 0 || c >= CRE_COUNT) {
        failed(kind, c);
        return 0;
    }
    // Within a save the disk has refused already nothing is tried: it would be refused too.
    if (save_running() && save_failure()[0]) {
        failed(kind, c);
        return -1;
    }
    // One offer is one commit: the quest, its side roles' files, the people its generator put into the
    // creature file and onto stored maps go in together or not at all. Within a save already running
    // (a map entry's upkeep) they join that save.
    const bool own = !save_running();
    static CreFileMark creatures;
    static int placed[CRE_COUNT];
    cre_file_mark(creatures);
    memcpy(placed, RealCreaturePos, sizeof placed);
    save_begin();
    const bool kept = made(kind, c, x, y);
    bool committed = false;
    if (kept || !own) committed = save_commit();
    else save_discard();
    const bool refused = save_failure()[0] != 0;
    if (!kept || !committed) {
        // Nothing of an offer not given stays behind for a later save: the creature records it wrote
        // are forgotten, unless a save it joined may still write them.
        if (own) zoomstore_forget_seen();
        if (own || refused) {
            cre_file_back_to(creatures);
            drop_new_people(placed);
        }
        if (kept) {
            undo_side_roles(doneqS, false);
            char line[300];
            snprintf(line, sizeof line, "!The quest \"%.*s\" could not be written to its file: it is not kept.",
                     (int)strnlen(doneqS.title, sizeof doneqS.title), doneqS.title);
            Note(line);
        }
        failed(kind, c);
        return refused ? -1 : 0;
    }
    // The file stands: the person is given the quest.
    CreatureStruct &p = Cre[c];
    p.quest = doneqS.id;
    p.questexpiry = 0;
    if (doneqS.markerFlag) p.stateflags |= 16;
    p.questday = (uint16_t)(Plr.daynumber + doneqS.offerLifeDays);
    if (QUEST_LOGGER) {
        debuglog_quest(&doneqS);
        static QuestStruct side;
        for (uint32_t id : doneqS.sideQuestIds)
            if (id && loadQuest(id, side)) debuglog_quest(&side);
    }
    return 1;
}
