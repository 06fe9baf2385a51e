// src/society/talk.h -- what other modules ask of conversation: how people address the player and
// the listener's reputation.
#pragma once
#include <cstdint>

// The listener's reputation summary: six reports of 1126 bytes (a level byte 0..6, a class byte,
// a 100-byte noun), trade at 0, theft at 1126, mischief at 2252, help at 5630; the overall level at
// byte 6756 and familiarity at byte 6757.
enum { REPSUMMARY_SIZE = 6758, REP_TRADE = 0, REP_THEFT = 1126, REP_MISCHIEF = 2252, REP_HELP = 5630,
       REP_OVERALL = 6756, REP_FAMILIARITY = 6757 };
extern uint8_t TARGET_REPSUMMARY[REPSUMMARY_SIZE];

char *plraddress(int n, int mode);   // how creature n addresses the player; mode 1 after bad deeds
