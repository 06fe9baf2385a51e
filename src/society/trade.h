// src/society/trade.h -- the one trade under way: its phase, price, the goods the player offers and
// the partner's goods picked; completing a barter or a debt payment (the partner's village is
// NpcVil of society/village.h, written back when the trade completes).
#pragma once
#include <cstdint>

enum { TRADE_SLOTS = 20 };
extern int Trade_Phase;            // 0 none, 1 offering, 2 a deal
extern float Trade_Price;
extern int Trade_ItemLoop;         // the partner's slot or animal traded for
extern char Trade_Item[80];        // its description
extern int32_t Trade_ItemList[TRADE_SLOTS];    // objects the player offers
extern int32_t Trade_ItemCount[TRADE_SLOTS];
extern int32_t Trade_DebtCheck[TRADE_SLOTS];   // the debt line an offered item pays, -1000 none
extern int Trade_Status;

void Trade_Complete();
void Debt_Complete();
void FlushPCTradelistToChatNPC();

// Clears the offered goods: objects and counts 0, no debt line paid.
void Trade_ClearList();
