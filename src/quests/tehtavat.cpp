#include "quests/tehtavat.h"

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/notes.h"
#include "core/records.h"
#include "creatures/creatures.h"

// Stands in until the quests land: no quest expires.
void QuestExpirationMaintenance() {}

// Stands in until the quests land: no quest is ever made, so none is found; a quest handed to SaveQuest
// is kept in memory (a few at a time) and read back by loadQuest.
int KUESTIT_PIALLA = 1;
int DEBUG_KUESTILIPUT = 0;

enum { KEPT_QUESTS = 4 };
static QuestStruct kept[KEPT_QUESTS];

static QuestStruct *kept_quest(uint32_t id) {
    if (id == 0) return nullptr;
    for (QuestStruct &q : kept)
        if (q.id == id) return &q;
    return nullptr;
}

static QuestStruct *kept_quest_free() {
    for (QuestStruct &q : kept)
        if (q.id == 0) return &q;
    return &kept[0];
}

bool loadQuest(uint32_t id, QuestStruct &q) {
    memset(&q, 0, sizeof q);
    const QuestStruct *k = kept_quest(id);
    if (!k) return false;
    q = *k;
    return true;
}

void SaveQuest(QuestStruct *q) {
    if (!q || q->id == 0) return;
    if (q->createdDay == 0 && q->createdMonth == 0) {
        q->createdDay = Plr.day;
        q->createdMonth = Plr.month;
        q->createdYear = Plr.year;
        q->createdDayNumber = Plr.daynumber;
    }
    QuestStruct *k = kept_quest(q->id);
    if (!k) k = kept_quest_free();
    if (k) *k = *q;
}

void RemoveQuest(uint32_t id) {
    QuestStruct *k = kept_quest(id);
    if (k) memset(k, 0, sizeof *k);
}

// The person forgets the quest; the quest is closed.
void closeNPCquest(int c, uint32_t id) {
    if (c >= 0 && c < CRE_COUNT && Cre[c].quest == id) {
        Cre[c].quest = 0;
        Cre[c].stateflags = 0;
    }
    if (QuestStruct *k = kept_quest(id)) k->closed = 1;
}

void disableNPCquest(int c, uint32_t id) { closeNPCquest(c, id); }
void SidequestOpen(uint32_t, const char *) {}
void SidequestComplete(uint32_t) {}
// The offer is logged; no quest is made until the quest generators land.
int DoQuestForNPC(int c, int kind, int x, int y) {
    char line[120];
    snprintf(line, sizeof line, "DoQuestForNPC: no generator yet for quest #%d for npc #%d at %d,%d", kind, c, x, y);
    quest_debuglog(line);
    return 0;
}
int pick_socsivuNPC(const char *, int, int) { return -1000; }
int NewQuestsAllowed() { return 0; }
int ReadQuestList(const char *) { return 0; }
