// src/society/questlist.cpp -- the quests of a character listed from their files (there is no index),
// the daily expiry of overdue quests and offers, a person's link to a quest dropped or closed, and a
// quest opening or completing the side roles it gave to other people.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "society/questlist.h"

#include "base/ownlib.h"
#include "base/tags.h"
#include "base/ui.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/creatures.h"
#include "creatures/people.h"
#include "core/tehtavat.h"

uint32_t QuestListIDs[QUEST_LIST_MAX];
uint32_t QuestListACCGAMEDAY[QUEST_LIST_MAX];

// The number of a "[key:n]" tag of the filter; false when there is none.
static bool filter_number(const char *filter, const char *key, long &out) {
    size_t len = 0;
    const char *v = tag_find(filter, key, &len);
    if (!v) return false;
    char digits[24];
    if (len >= sizeof digits) len = sizeof digits - 1;
    memcpy(digits, v, len);
    digits[len] = 0;
    out = strtol(digits, nullptr, 10);
    return true;
}

struct ListFilter {
    bool uncompleted, completed, fresh, hasname, hasgap;
    long nameid, gap;
};

static bool passes(const QuestStruct &q, const ListFilter &f) {
    bool pass = q.accepted != 0;
    if (f.uncompleted) pass = pass && q.closed == 0 && q.completionDay == 0;
    if (f.completed) pass = pass && q.closed == 0 && q.completionDay != 0;
    if (f.fresh) pass = q.accepted == 0 && q.closed == 0;
    if (f.hasname) pass = q.kind == f.nameid;
    if (f.hasgap) {
        const long long since = (long long)Plr.daynumber - f.gap;
        if (since >= 0 && since > (long long)q.createdDayNumber) pass = false;
    }
    return pass && q.generated;
}

int ReadQuestList(const char *filter) {
    memset(QuestListIDs, 0, sizeof QuestListIDs);
    memset(QuestListACCGAMEDAY, 0, sizeof QuestListACCGAMEDAY);
    if (!filter) filter = "";
    ListFilter f = {};
    f.uncompleted = strstr(filter, "[uncompleted]") != nullptr;
    f.completed = strstr(filter, "[completed]") != nullptr;
    f.fresh = strstr(filter, "[new]") != nullptr;
    f.hasname = filter_number(filter, "nameid", f.nameid);
    f.hasgap = filter_number(filter, "igndaygap", f.gap);

    static QuestStruct q;
    int count = 0, listed = 0;
    for (const uint32_t id : quest_file_ids()) {
        // A short or unreadable file is skipped; so is a record that is not the quest its name says.
        if (!loadQuest(id, q)) continue;
        if (!passes(q, f)) continue;
        if (listed < QUEST_LIST_MAX) {
            QuestListIDs[listed] = q.id;
            QuestListACCGAMEDAY[listed] = q.acceptDay;
            listed++;
        }
        count++;
    }
    // Newest accepted first; equal days keep the order of the file names.
    for (int pass = 0; pass < listed - 1; pass++)
        for (int k = 0; k < listed - 1 - pass; k++)
            if (QuestListACCGAMEDAY[k + 1] > QuestListACCGAMEDAY[k]) {
                uint32_t t = QuestListACCGAMEDAY[k];
                QuestListACCGAMEDAY[k] = QuestListACCGAMEDAY[k + 1];
                QuestListACCGAMEDAY[k + 1] = t;
                t = QuestListIDs[k];
                QuestListIDs[k] = QuestListIDs[k + 1];
                QuestListIDs[k + 1] = t;
            }
    return count;
}

// The ids of the last listing, copied: closing a quest may list again.
static int listed_ids(int count, uint32_t *ids) {
    const int n = count < QUEST_LIST_MAX ? count : QUEST_LIST_MAX;
    memcpy(ids, QuestListIDs, sizeof(uint32_t) * (size_t)n);
    return n;
}

void QuestExpirationMaintenance() {
    static uint32_t ids[QUEST_LIST_MAX];
    static QuestStruct q;
    int n = listed_ids(ReadQuestList("[uncompleted]"), ids);
    for (int i = 0; i < n; i++) {
        if (!loadQuest(ids[i], q) || q.acceptDayOfMonth == 0 || q.completionDay != 0) continue;
        if ((long long)Plr.daynumber <= (long long)q.acceptDay + q.daysToComplete) continue;
        char text[200];
        snprintf(text, sizeof text, "!%.*s quest has expired and is removed from the quest journal.",
                 (int)strnlen(q.title, sizeof q.title), q.title);
        Note(text);
        Pause();
        RemoveQuest(ids[i]);
    }
    n = listed_ids(ReadQuestList("[new]"), ids);
    for (int i = 0; i < n; i++) {
        if (!loadQuest(ids[i], q) || q.accepted || q.completionDay != 0 || q.offerLifeDays == 0) continue;
        if ((long long)Plr.daynumber > (long long)q.createdDayNumber + q.offerLifeDays) RemoveQuest(ids[i]);
    }
}

// The person's link to a quest forgotten; only persons of the area (0 to 499) have one to forget.
static bool drop_link(int c) {
    if (c < 0 || c >= CRE_COUNT) return false;
    CreatureStruct &p = Cre[c];
    p.quest = 0;
    p.stateflags = 0;
    p.questday = 0;
    p.questexpiry = 0;
    return true;
}

void closeNPCquest(int c, uint32_t id) {
    if (drop_link(c) && (Cre[c].partyflags & PF_COMPANION)) unjoin_npc(c);
    RemoveQuest(id);
}

void disableNPCquest(int c, uint32_t) { drop_link(c); }

void SidequestOpen(uint32_t id, const char *tags) {
    static QuestStruct q;
    if (id == 0 || !tags || !tags[0] || !loadQuest(id, q)) return;
    q.statusTags[sizeof q.statusTags - 1] = 0;
    // Summary talks speak their lines again: a tag already there is not added twice, and one that would
    // not fit is left out rather than cut.
    if (strstr(q.statusTags, tags)) return;
    const size_t used = strlen(q.statusTags), add = strlen(tags);
    if (used + add > sizeof q.statusTags - 1) {
        char line[200];
        snprintf(line, sizeof line, "SidequestOpen: no room for %.60s in quest #%u", tags, id);
        quest_debuglog(line);
        return;
    }
    memcpy(q.statusTags + used, tags, add + 1);
    SaveQuest(&q);
}

void SidequestComplete(uint32_t id) {
    static QuestStruct q;
    if (id == 0 || !loadQuest(id, q) || q.ownCompletion) return;
    q.completionDay = Plr.daynumber;
    SaveQuest(&q);
}
