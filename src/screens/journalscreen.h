// src/screens/journalscreen.h -- the quest journal's pages on the screen (F2).
#pragma once

void quest_journal_screen();
