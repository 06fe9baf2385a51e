// src/society/questlist.h -- the quests of a character listed from their files, the daily expiry of
// overdue quests and offers, a person's link to a quest dropped or closed, and a quest opening or
// completing the side roles it gave to other people (the quest record: core/tehtavat.h).
#pragma once
#include <cstdint>

#include "core/tehtavat.h"

void QuestExpirationMaintenance();     // the daily removal of expired quests
extern uint32_t QuestListIDs[QUEST_LIST_MAX];         // the last listing, newest accepted first
extern uint32_t QuestListACCGAMEDAY[QUEST_LIST_MAX];  // their accept days
// Lists the stored quests passing `filter` ("[uncompleted]", "[completed]", "[new]", "[nameid:k]",
// "[igndaygap:d]"); the number that passed, which may exceed the QUEST_LIST_MAX entries listed.
int ReadQuestList(const char *filter);
void closeNPCquest(int c, uint32_t id);        // the person's link dropped and the quest closed
void disableNPCquest(int c, uint32_t id);      // the person's link dropped; the quest file kept
void SidequestOpen(uint32_t id, const char *tags);   // a status tag added once, if it fits
void SidequestComplete(uint32_t id);
