// src/society/trade.h -- the one trade under way: its phase, price, the goods the player offers and
// the partner's goods picked; completing a barter or a debt payment (the partner's village is
// NpcVil of society/village.h, written back when the trade completes).
#pragma once
#include <cstdint>

#include "core/obj_func.h"   // the goods offered: Trade_ItemList and its counts and debt lines

extern int Trade_Phase;            // 0 none, 1 offering, 2 a deal
extern float Trade_Price;
extern int Trade_ItemLoop;         // the partner's slot or animal traded for
extern char Trade_Item[80];        // its description
extern int Trade_Status;

void Trade_Complete();
void Debt_Complete();
void FlushPCTradelistToChatNPC();

// Clears the offered goods: objects and counts 0, no debt line paid.
void Trade_ClearList();

// ---- valuation and acceptance of the offered goods ----
enum { PERSTRADE_ENTRIES = 500 };
// One of the partner's goods the player picked: mark word, slot, object, count (the chooser's line).
struct PersTradeEntry {
    uint32_t mark;
    uint32_t slot;
    uint32_t object;
    uint32_t pad12;
    uint32_t count;
    uint32_t pad20[3];
};
static_assert(sizeof(PersTradeEntry) == 32, "a picked line is 32 bytes");
extern PersTradeEntry PersTradeInvData[PERSTRADE_ENTRIES];
extern char tradeacc_rejreason[1024];   // why the last stack was refused; "" none or silent

struct ItemStruct;
// What `count` items of one kind are worth in a barter: the item's unit price, with the seller's
// markup, times the count. A person's own stock asked for slot by slot costs a tenth more.
constexpr float STOCK_MARKUP = 1.1f;
float goods_price(const ItemStruct &item, int count, float markup = 1.0f);
// Opens the bargain about `what` (cut to the panel's 79 characters) at the asked `price`: phase 1.
void open_bargain(float price, const char *what);
float tradelistvalue();                // worth of the offered goods
float PCTradelistWT();                 // their weight
float pricecutter(float price);        // the price after the village's credit, goodwill and forgiven debts
float whatstheprice();                 // what the partner asks now: the debt in a debt payment
// 1 when goodwill was earned; the partner's village record is written when it changed.
uint32_t soctradegenerosity(float paid, float asked);
const char *payed_vs_asked_txt(float paid, float asked);   // "is halfway there"...; its own buffer
void ITEMPICK_parseline();             // one offering step
// The player picks goods to offer; each accepted stack leaves her slot for the first free trade slot,
// each refusal's reason is said once. Mode 1: offered as payment of a debt.
void tradepicker(uint8_t mode);
int tradeacc(int object, int count, uint8_t flags);     // 1 accepted; bit 0 debt, bit 1 delivery
uint32_t SocTradeChecker(int soc, const ItemStruct &item);
void npc_trade_suggestion(float price, uint32_t flag);   // says what of her goods would settle it
