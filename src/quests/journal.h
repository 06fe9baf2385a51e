// src/quests/journal.h -- the quest journal (F2): the quests she has accepted, newest first, five to
// a page, and one quest told in full: who gave it and where, when it was assigned or completed, and
// what the giver and the informants have told her. The screen draws what these compose.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/tehtavat.h"
#include "society/questlist.h"

enum { JOURNAL_PAGE_QUESTS = 5 };

// The accepted quests listed newest first into QuestListIDs; their count, at most the list's size.
int journal_list();

struct JournalPage {
    int offset;                    // the first quest of the page in the list
    int count;                     // quests on the page
    uint32_t ids[JOURNAL_PAGE_QUESTS];
    bool earlier, later;           // a page before it, quests after it
};
// The page from `offset` of a list of `listed` quests (QuestListIDs as journal_list left it).
JournalPage journal_page(int offset, int listed);
// The page offset after PgDn (on by five while more follow) or PgUp (back by five, not below 0).
int journal_turn_page(int offset, int key, int listed);

const char *journal_days_words(int days);          // "today", "yesterday", "%d days ago"
// "Assigned today, expires in 30 days." or, once completed, "Completed yesterday".
std::string journal_assignment(const QuestStruct &q);
// The spoken lines marked "[info]" that are meant for her, each "\"...\"<br><br>".
std::string journal_info_lines(const QuestStruct &q);

// A person of a quest as the journal shows them: the face, the name and the quest's place.
struct JournalPerson {
    char picture[40];              // the face's picture file; "" none
    char name[120];
    char place[120];               // the place's name; "" when the quest has no place
    char terrain[120];             // the place's terrain, first letter raised
    uint32_t social;
};
JournalPerson journal_person(uint32_t social, int worldX, int worldY);

// A quest told in full: the giver first, then each informant who has something to tell.
struct JournalTeller {
    JournalPerson person;
    std::string told;
};
struct JournalEntry {
    uint32_t id;
    char title[65];                // upper case
    std::string assignment;
    std::vector<JournalTeller> tellers;
};
bool journal_entry(uint32_t id, JournalEntry &out);   // false when the quest cannot be read
