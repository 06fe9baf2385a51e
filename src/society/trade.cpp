// src/society/trade.cpp -- the one trade under way and its completion: the goods change owners, the
// village books goodwill, credit and paid debts, and the partner answers. The goods are valued in
// tradevalue.cpp; the partner's goods the player picked are PersTradeInvData.
#include "society/trade.h"

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "core/creatures.h"
#include "creatures/deathdrop.h"
#include "creatures/describe.h"
#include "items/inventory.h"
#include "items/items.h"
#include "core/tehtavat.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/talkscreen.h"
#include "society/village.h"
#include "core/worldservices.h"

int Trade_Phase;
float Trade_Price;
int Trade_ItemLoop;
char Trade_Item[80];
int Trade_Status;

enum { TASK_BOUGHT = 37, TASK_TRADED = 16, TASK_TRADED_ROLE5 = 44 };

// ---- helpers ----

static bool partner_valid() { return Chatting_With >= 0 && Chatting_With < CRE_COUNT; }

static void store_item(int pos, const ItemStruct &item) {
    if (pos >= OBJ_PLAYER_FIRST && pos <= OBJ_PLAYER_LAST) PlayerObj[pos - OBJ_PLAYER_FIRST] = item;
}

static void clear_marks(ItemStruct &item) {
    item.ownerword1 = item.ownerword2 = 0;
    item.ownersoc = 0;
    item.ownerflags = 0;
}

// A chat text (CHATMSG's scratch answer) said when it is not empty.
static void say_text(const char *text) {
    char line[MSGBUF_SIZE];
    copy_bounded(line, sizeof line, text ? text : "");
    if (line[0]) CrTalk(line);
}

void Trade_ClearList() { Clear_Trade_Itemlist(); }

static void report_tasks() {
    if (partner_valid() && Cre[Chatting_With].role == 5) world_services.course_task_check(TASK_TRADED_ROLE5);
    world_services.course_task_check(TASK_TRADED);
}

// The partner's answer: what remains of the reward, else the deal's line.
static void answer(float price, int generous) {
    if (gotcredit(price) == 1) NPCpuhe_ClaimedAndRewardRemains(price);
    else if (generous) say_text(CHATMSG("TRADE_GENEROUS_DEAL"));
    else say_text(CHATMSG("TRADE_DEAL"));
}

// The price is drawn from the village's credit while there is any.
static void book_credit(float price) {
    if (NpcVil.credit <= 0.0f) return;
    if (NpcVil.wholereward <= 0.0f) NpcVil.wholereward = NpcVil.credit;
    NpcVil.credit -= price;
    if (NpcVil.credit <= 0.0f) {
        CrTalk("Now you are fully rewarded from our behalf.");
        NpcVil.credit = 0.0f;
        NpcVil.wholereward = 0.0f;
    }
}

void FlushPCTradelistToChatNPC() {
    if (!partner_valid()) return;
    for (int i = 0; i < TRADE_SLOTS; i++) {
        const int obj = Trade_ItemList[i], count = Trade_ItemCount[i];
        if (obj <= 0 || count <= 0) continue;
        ItemStruct item = ObjToItem(obj);
        if (item.status & (ISTAT_PRIMARY | ISTAT_WORN | ISTAT_SECOND)) {
            item.status = 0;
            store_item(obj, item);
        }
        if (!new_AddCrPack(Chatting_With, obj, count, 0)) NpcDropItem(Chatting_With, obj, count);
    }
}

// The partner's goods the player picked become hers: known to her, free of the village's marks. An
// entry is checked against the pack as it is now, and only what left the pack reaches her.
static void take_picked_goods() {
    const int n = Chatting_With;
    for (PersTradeEntry &e : PersTradeInvData) {
        const int slot = (int)e.slot, obj = (int)e.object;
        if (e.count == 0 || e.count > 255 || slot < 0 || slot >= CRE_PACK) continue;
        if (obj <= 0 || Cre[n].pack[slot] != obj || Cre[n].packcount[slot] == 0) continue;
        ItemStruct item = ObjToItem(obj);
        item.plantname = 1;   // she learns what she bought: its own name stands
        item.ownersoc = 0;
        item.ownerflags = 0;
        item.owner = 0;
        const int mine = Luo_Esineen_Itempos(item);
        if (mine <= 0) continue;
        const int moved = Poista_NpcItem(n, slot, (int)e.count);
        if (moved > 0) Lisaa_Inventoryyn(mine, moved, 0, 0);
        if (item.id == OID_SALT) world_services.course_task_check(TASK_BOUGHT);
    }
    memset(PersTradeInvData, 0, sizeof PersTradeInvData);
}

void Trade_Complete() {
    const int generous = soctradegenerosity(tradelistvalue(), Trade_Price);
    if (Chat_Mode != CHAT_BUY_ANIMAL && Chat_Mode != CHAT_TRADE_TEST && partner_valid()) take_picked_goods();
    report_tasks();
    answer(Trade_Price, generous);
    FlushPCTradelistToChatNPC();
    Trade_ClearList();
    if (Chat_Mode == CHAT_BUY_ANIMAL) {
        char line[200];
        snprintf(line, sizeof line, "I'll get your %s here and also give you a rope so you can leash it.", Trade_Item);
        CrTalk(line);
        BringAnimal();
        QUIT = 1;
        return;
    }
    if (NpcVil.credit > 0.0f) {
        book_credit(Trade_Price);
        SaveNpcVil();
    }
    Emote(0, "The trade is complete and the goods change their owners.");
    Chat_Mode = 0;
    Trade_Phase = 0;
    Trade_Status = 0;
    QUIT = 1;
}

// The paid line's goods, and every stored object of the same goods marked unpaid to this village
// (carried, in a container or lying on the ground), are free of the village's marks.
static void settle_line(VillageDebtLine &d, uint32_t soc) {
    ItemStruct item = ObjToItem((int)d.object);
    if (item.id == OID_SALT) world_services.course_task_check(TASK_BOUGHT);
    if (item.vessel) {
        ItemStruct vessel = ObjToItem((int)item.vessel);
        clear_marks(vessel);
        store_item((int)item.vessel, vessel);
    }
    const ItemStruct owed = item;
    clear_marks(item);
    store_item((int)d.object, item);
    for (ItemStruct &mine : PlayerObj) {
        if (!(mine.ownerflags & OWN_UNPAID) || mine.ownersoc != soc) continue;
        if (mine.type != owed.type || mine.id != owed.id || strncmp(mine.name, owed.name, sizeof mine.name) != 0) continue;
        clear_marks(mine);
    }
    memset(&d, 0, sizeof d);
}

void Debt_Complete() {
    Trade_Status = 1;
    Trade_Phase = 0;
    report_tasks();
    const float value = tradelistvalue(), debt = vildebtvalue(&NpcVil);
    if (NpcVil.goodtrades < 250 && NpcVil.credit <= 0.0f) NpcVil.goodtrades = (uint8_t)(NpcVil.goodtrades + NpcVil.debtlevel);
    const int generous = NpcVil.credit > 0.0f ? 0 : soctradegenerosity(value, debt);
    for (VillageDebtLine &d : NpcVil.debt)
        if (d.active) settle_line(d, NpcVil.socid);
    vildebtrefresh(&NpcVil);
    SaveNpcVil();
    FlushPCTradelistToChatNPC();
    if (partner_valid()) Creature = Cre[Chatting_With];
    Trade_ClearList();
    answer(debt, generous);
    if (NpcVil.credit > 0.0f) {
        book_credit(debt);
        SaveNpcVil();
    }
    Emote(0, "The trade is complete and the goods change their owners.");
}
