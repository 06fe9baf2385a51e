// src/society/trade.cpp -- the one trade under way and its completion.
// Stands in until the trade lands: nothing completes.
#include "society/trade.h"

int Trade_Phase;
float Trade_Price;
int Trade_ItemLoop;
char Trade_Item[80];
int32_t Trade_ItemList[TRADE_SLOTS];
int32_t Trade_ItemCount[TRADE_SLOTS];
int32_t Trade_DebtCheck[TRADE_SLOTS];
int Trade_Status;

void Trade_Complete() {}
void Debt_Complete() {}
void FlushPCTradelistToChatNPC() {}
