// src/quests/journal.cpp -- the quest journal: which quests a page lists, the day words of a quest's
// assignment, the lines the giver and the informants told her that the journal keeps, and the people
// of a quest with their faces and places. The screen draws the pages (ui_quest_journal).
#include "quests/journal.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "creatures/crefile.h"
#include "creatures/describe.h"
#include "maps/area.h"
#include "maps/mapdesc.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "society/talkscreen.h"
#include "society/questlist.h"

// F2 while quests are on: the map screen is kept aside while the journal owns the window.
void QuestScreen() {
    if (!KUESTIT_PIALLA) return;
    save_page();
    ui_quest_journal();
    restore_page();
    DrawMap();
}

int journal_list() {
    const int n = ReadQuestList("");
    return n < 0 ? 0 : n > QUEST_LIST_MAX ? QUEST_LIST_MAX : n;
}

JournalPage journal_page(int offset, int listed) {
    JournalPage p{};
    if (listed > QUEST_LIST_MAX) listed = QUEST_LIST_MAX;
    if (offset < 0 || offset >= listed) offset = 0;
    p.offset = offset;
    for (int i = offset; i < listed && p.count < JOURNAL_PAGE_QUESTS; i++) p.ids[p.count++] = QuestListIDs[i];
    p.earlier = offset > 0;
    p.later = offset + JOURNAL_PAGE_QUESTS < listed;
    return p;
}

int journal_turn_page(int offset, int key, int listed) {
    if (key == KEY_PGDN && offset + JOURNAL_PAGE_QUESTS < listed) return offset + JOURNAL_PAGE_QUESTS;
    if (key == KEY_PGUP) return offset > JOURNAL_PAGE_QUESTS ? offset - JOURNAL_PAGE_QUESTS : 0;
    return offset;
}

const char *journal_days_words(int days) {
    if (days <= 0) return "today";
    if (days == 1) return "yesterday";
    char *out = sbuf();
    snprintf(out, SBUF_SIZE, "%d days ago", days);
    return out;
}

std::string journal_assignment(const QuestStruct &q) {
    const long today = (long)Plr.daynumber;
    char line[200];
    if (q.completionDay) {
        snprintf(line, sizeof line, "Completed %s", journal_days_words((int)(today - (long)q.completionDay)));
    } else {
        const long passed = today - (long)q.acceptDay;
        long left = (long)q.daysToComplete - (passed > 0 ? passed : 0);
        if (left < 0) left = 0;   // overdue: the day's upkeep removes it
        snprintf(line, sizeof line, "Assigned %s, expires in %ld days.", journal_days_words((int)passed), left);
    }
    std::string out = line;
    if (DEBUG_INFO) {
        if (q.completionDay)
            snprintf(line, sizeof line, " [DEBUG_INFO: No: %u Assigned: %u Completed %u curday: %ld]", (unsigned)q.id,
                     (unsigned)q.acceptDay, (unsigned)q.completionDay, today);
        else
            snprintf(line, sizeof line, " [DEBUG_INFO: Assigned %u curday: %ld]", (unsigned)q.acceptDay, today);
        out += line;
    }
    return out;
}

// A text field of a record read from a file, terminated whatever the file held.
template <size_t N> static void field(char (&out)[N + 1], const char (&in)[N]) {
    memcpy(out, in, N);
    out[N] = 0;
}

// A line meant for the other sex is left out: "[femalepc]" for a man, "[malepc]" for a woman.
static bool meant_for_her(const char *tags) {
    if (Plr.sex == 1 && strstr(tags, "[femalepc]")) return false;
    if (Plr.sex == 2 && strstr(tags, "[malepc]")) return false;
    return true;
}

std::string journal_info_lines(const QuestStruct &q) {
    std::string out;
    for (const QuestTalkLine &l : q.talk) {
        if (!l.said && !DEBUG_INFO) continue;
        char tags[sizeof l.actionTags + 1], text[MSGBUF_SIZE];
        field(tags, l.actionTags);
        if (!strstr(tags, "[info]") || !meant_for_her(tags)) continue;
        char said[sizeof l.npcText + 1];
        field(said, l.npcText);
        copy_bounded(text, sizeof text, said);
        if (strchr(text, '<')) {   // the player's keys filled as the talk fills them; no one is talked to
            const int held = TARGET_NPC;
            TARGET_NPC = -1000;
            Parseroi_vMSG_avaimet(text, sizeof text);
            TARGET_NPC = held;
        }
        out += "\"";
        out += text;
        out += "\"<br><br>";
    }
    return out;
}

JournalPerson journal_person(uint32_t social, int worldX, int worldY) {
    JournalPerson p{};
    p.social = social;
    CreatureStruct c;
    if (social && getsotucrstruct(c, social, 0)) {
        copy_bounded(p.picture, sizeof p.picture, portrait_file(c));
        copy_bounded(p.name, sizeof p.name, monnam_cre(c, 4));
    } else {
        copy_bounded(p.name, sizeof p.name, "someone");
    }
    if (worldX != 0) {
        copy_bounded(p.place, sizeof p.place, CurrentMapName(worldX, worldY, 1));
        copy_bounded(p.terrain, sizeof p.terrain, terrain[get_alltime_maailmachar(worldX, worldY) & 0xff].description);
        p.terrain[0] = (char)toupper((unsigned char)p.terrain[0]);
    }
    return p;
}

bool journal_entry(uint32_t id, JournalEntry &out) {
    std::unique_ptr<QuestStruct> q(new QuestStruct), side(new QuestStruct);
    out = JournalEntry{};
    out.id = id;
    if (!loadQuest(id, *q)) return false;
    char title[sizeof q->title + 1];
    field(title, q->title);
    copy_bounded(out.title, sizeof out.title, StrUpr(title));
    out.assignment = journal_assignment(*q);
    out.tellers.push_back({journal_person(q->giverUid, q->worldX, q->worldY), journal_info_lines(*q)});
    for (uint32_t sid : q->sideQuestIds) {
        if (sid == 0 || !loadQuest(sid, *side)) continue;
        out.tellers.push_back({journal_person(side->giverUid, side->worldX, side->worldY), journal_info_lines(*side)});
    }
    return true;
}
