// src/society/tradevalue.cpp -- what the offered goods are worth to the partner, the price after the
// village's credit and goodwill, and whether the partner takes a stack, with the reason when not.
// Stands in until the trade valuation lands.
#include "society/trade.h"

#include <cstring>

#include "core/obj_func.h"
#include "core/records.h"
#include "items/items.h"
#include "society/talkscreen.h"

PersTradeEntry PersTradeInvData[PERSTRADE_ENTRIES];
char tradeacc_rejreason[1024];

float tradelistvalue() {
    float value = 0.0f;
    for (int i = 0; i < TRADE_SLOTS; i++)
        if (Trade_ItemList[i] > 0 && Trade_ItemCount[i] > 0)
            value += esinehinta(-1, ObjToItem(Trade_ItemList[i])) * (float)Trade_ItemCount[i];
    return value;
}
float PCTradelistWT() { return 0.0f; }
float pricecutter(float price) { return price; }
float whatstheprice() { return Trade_Price; }
uint32_t soctradegenerosity(float paid, float asked) { return paid > asked * 1.25f + 1.0f ? 1 : 0; }
const char *payed_vs_asked_txt(float, float) { return ""; }
void ITEMPICK_parseline() { CrTalk("Let's barter some other time."); }
void tradepicker(uint8_t) {}
int tradeacc(int, int, uint8_t) { return 0; }
uint32_t SocTradeChecker(int, const ItemStruct &) { return 0; }
float SocMeatTradeChecker(int, int) { return 0.0f; }
void npc_trade_suggestion(float, uint32_t) { CrTalk("I can't say what I'd want of yours."); }
