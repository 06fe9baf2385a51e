// Barter and debts in talk: who trades and in what order a person refuses, which of his goods may be
// picked, the picked goods checked against his pack when the deal is struck, and a debt paid by
// returning the goods or by offering others. Every case counts the goods of both sides.
#include <string>

#include "base/ui.h"
#include "base/ui_pixels.h"
#include "core/loader_fixture.h"
#include "core/obj_func.h"
#include "creatures/village_fixture.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "presentation/screen_ui.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/reputation.h"
#include "society/trade.h"

namespace {

std::string heard;
void hear(int, int, const char *text, UiColour, int) { heard += text; }

class TradeTalk : public VillageTest {
protected:
    static constexpr int OLLI = 1;
    void SetUp() override {
        VillageTest::SetUp();
        villager(OLLI, 234, 232, true);
        Chatting_With = OLLI;
        Chat_Mode = CHAT_TRADE;
        GetNpcVil(SOC);
        memset(&TARGET_REPSUMMARY, 0, sizeof TARGET_REPSUMMARY);
        ClearChatOptStruct();
        Clear_Trade_Itemlist();
        Trade_Phase = 0;
        Trade_Price = 0.0f;
        QUIT = EXIT_CHAT = 0;
        kept_line = ui_pixels.text_line;
        kept_talk = ui.talk;
        ui_pixels.text_line = hear;
        screen_ui_talk(ui.talk);   // the talk laid out as on a window: each word said reaches the text line
        heard.clear();
    }
    void TearDown() override {
        ui_pixels.text_line = kept_line;
        ui.talk = kept_talk;
        ui_script_clear();
        Chatting_With = CRE_NONE;
        Chat_Mode = 0;
        Clear_Trade_Itemlist();
        memset(PersTradeInvData, 0, sizeof PersTradeInvData);
        memset(npcitemtradable, 0, sizeof npcitemtradable);
        VillageTest::TearDown();
    }
    static bool offered(const char *tag) {
        for (const ChatOptStruct &o : ChatOptions)
            if (o.text[0] && !strcmp(o.tag, tag)) return true;
        return false;
    }
    // The units of the player's slots, the person's pack and the offered slots together.
    static long units() {
        long n = 0;
        for (int i = 0; i < PLR_SLOTS; i++) n += Plr.inv_obj[i] > 0 ? Plr.inv_count[i] : 0;
        for (int i = 0; i < CRE_PACK; i++) n += Cre[OLLI].pack[i] > 0 ? Cre[OLLI].packcount[i] : 0;
        for (int i = 0; i < TRADE_SLOTS; i++) n += Trade_ItemList[i] > 0 ? Trade_ItemCount[i] : 0;
        return n;
    }
    static int held(int obj) {
        int n = 0;
        for (int i = 0; i < CRE_PACK; i++) n += Cre[OLLI].pack[i] == obj ? Cre[OLLI].packcount[i] : 0;
        return n;
    }
    void (*kept_line)(int, int, const char *, UiColour, int) = nullptr;
    UiTalk kept_talk{};
};

}  // namespace

TEST_F(TradeTalk, APersonRefusesToTradeInOrder) {
    const std::string adult = CHATMSG("ADULT_TOPIC"), stopped = CHATMSG("TRADE_STOPPAGE");
    struct Case {
        const char *what;
        uint8_t role;
        uint32_t party, comp;
        uint8_t ban;
        uint32_t banday;
        int say, result;
        std::string words;
    } cases[] = {
        {"a robber before all", 20, 256, CF_OWING, 1, 0, 1, 0, "Hah! Trading! I'm not that kind of a person."},
        {"a companion", 15, 256, CF_OWING, 1, 0, 0, 0, "I'm your companion, not somebody to trade with."},
        {"owed for services", 15, 0, CF_OWING, 1, 0, 0, 0, "owe me for my services"},
        {"a child asked", 15, 0, 0, 1, 0, 1, 0, adult},
        {"a child, quiet", 15, 0, 0, 0, 0, 0, 0, ""},
        {"trade stopped", 0, 0, 0, 1, 0, 1, 0, stopped},
        {"stopped until tomorrow", 0, 0, 0, 0, 401, 1, 0, stopped},
        {"stopped, quiet", 0, 0, 0, 2, 0, 0, 0, ""},
        {"the stop is over today", 0, 0, 0, 0, 400, 1, 1, ""},
    };
    for (const Case &k : cases) {
        Cre[OLLI].role = k.role;
        Cre[OLLI].partyflags = k.party;
        Cre[OLLI].memberbits = 0;
        set_compword(OLLI, k.comp);
        NpcVil.tradeban = k.ban;
        NpcVil.tradeban_day = k.banday;
        heard.clear();
        EXPECT_EQ(Does_Trading(k.say), k.result) << k.what;
        if (k.words.empty()) EXPECT_EQ(heard, "") << k.what;
        else EXPECT_NE(heard.find(k.words), std::string::npos) << k.what << ": " << heard;
    }
    memset(&NpcVil, 0, sizeof NpcVil);
    NpcVil.socid = (uint32_t)-1000;
    Cre[OLLI].role = 0;
    set_compword(OLLI, 0);
    EXPECT_EQ(Does_Trading(1), 1) << "a person without a village always trades";
}

TEST_F(TradeTalk, FlaggedGoodsOrFiveStockedSlotsMayBePicked) {
    struct Case {
        const char *what;
        uint8_t bits[6];
        int stocked;
        float credit;
        uint8_t status4, magic3;
        uint32_t stateflags;
        unsigned mask;   // the tradable slots
        bool offers;
    } cases[] = {
        {"four, two flagged", {0, 2, 4, 0}, 4, 0.0f, 0, 0, 0, 0x6, true},
        {"four, none flagged", {0, 0, 0, 0}, 4, 0.0f, 0, 0, 0, 0x0, false},
        {"a fifth makes all", {0, 0, 0, 0, 0}, 5, 0.0f, 0, 0, 0, 0x1f, true},
        {"credit makes all", {0, 0, 0}, 3, 10.0f, 0, 0, 0, 0x7, true},
        {"lent and marked never", {0, 0, 0, 0, 0, 0}, 6, 0.0f, 0x40, 1, 0, 0x27, true},
        {"he keeps his goods", {2, 2}, 2, 0.0f, 0, 0, SF_KEEPS_GOODS, 0x3, false},
    };
    for (const Case &k : cases) {
        memset(Cre[OLLI].pack, 0, sizeof Cre[OLLI].pack);
        for (int s = 0; s < k.stocked; s++) {
            ItemStruct it = ObjToItem(item("Cup", IT_CONTAINER, 3.0f));
            if (s == 4) it.status = k.status4;
            if (s == 3) it.magic = k.magic3;
            Cre[OLLI].pack[s] = Esineesta_Uniikki(it);
            Cre[OLLI].packcount[s] = 2;
            Cre[OLLI].packbits[s] = k.bits[s];
        }
        Cre[OLLI].stateflags = k.stateflags;
        NpcVil.credit = k.credit;
        ClearChatOptStruct();
        heard.clear();
        TradeInquiry();
        unsigned mask = 0;
        for (int s = 0; s < CRE_PACK; s++) mask |= npcitemtradable[s] ? 1u << s : 0;
        EXPECT_EQ(mask, k.mask) << k.what;
        EXPECT_EQ(offered("[PERSONAL TRADE]"), k.offers) << k.what;
        EXPECT_EQ(heard.find(CHATMSG("TRADE_BRIEFING")) != std::string::npos, !k.offers) << k.what;
    }
}

// His sorrel is picked through the chooser; before the deal is struck his pack changes under it.
TEST_F(TradeTalk, PickedGoodsMoveOnlyAsTheyLieInHisPack) {
    struct Case {
        const char *what;
        int left;           // his sorrel when the deal is struck
        bool swapped;       // the slot holds something else by then
        int moved;
    } cases[] = {{"as picked", 3, false, 3}, {"two eaten since", 1, false, 1}, {"the slot changed", 3, true, 0}};
    for (const Case &k : cases) {
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        memset(Cre[OLLI].pack, 0, sizeof Cre[OLLI].pack);
        // His sorrel, of a species she doesn't know: shown by its mark's name until she buys it.
        const int sorrel = item("Sorrel", IT_PLANT, 2.0f), cup = item("Cup", IT_CONTAINER, 3.0f);
        PlayerObj[sorrel - OBJ_PLAYER_FIRST].plantname = 7;
        Cre[OLLI].pack[0] = sorrel;
        Cre[OLLI].packcount[0] = 3;
        Cre[OLLI].packbits[0] = 2;
        Chat_Mode = CHAT_TRADE;
        TradeInquiry();
        const int keys[] = {'a', KEY_ENTER};   // his only row, all of it
        ui_script_keys(keys, 2);
        InitPersonalTrade();
        ASSERT_EQ(Trade_Phase, 1) << k.what;
        EXPECT_FLOAT_EQ(Trade_Price, 6.0f) << k.what;
        Cre[OLLI].packcount[0] = (uint8_t)k.left;
        if (k.swapped) Cre[OLLI].pack[0] = cup;
        const long before = units();
        Trade_Phase = 2;
        RunParser("[TRADECOMPLETE]");
        EXPECT_EQ(units(), before) << k.what;
        int got = 0;
        for (int i = 0; i < PLR_SLOTS; i++) {
            const ItemStruct mine = ObjToItem(Plr.inv_obj[i]);
            if (Plr.inv_obj[i] <= 0 || strcmp(mine.name, "Sorrel") != 0) continue;
            got += Plr.inv_count[i];
            EXPECT_EQ(mine.plantname, 1) << k.what << ": what she bought is known to her";
            EXPECT_STREQ(enimi(Plr.inv_obj[i], 1, 0), "sorrel") << k.what << ": and named by its own name";
        }
        EXPECT_EQ(got, k.moved) << k.what;
    }
}

TEST_F(TradeTalk, ADebtIsPaidByReturningTheGoodsOrOfferingOthers) {
    struct Case {
        const char *what;
        int owed_axes, owed_cups;   // the debt lines
        int offer_axes;             // of the owed axes
        int pelts, pelt_slots;      // other goods offered: so many slots of so many knives
        const char *words;
        int phase;
        bool ends;
    } cases[] = {
        {"all returned", 2, 0, 2, 0, 0, "You just returned all of our goods. Nothing traded.", 1, true},
        {"some returned", 2, 1, 2, 0, 0, "That's fine. I've got them now.", 1, false},
        {"paid in full", 1, 0, 0, 2, 1, nullptr, 2, false},
        {"paid short", 3, 0, 0, 1, 1, "What you have offered", 1, false},
        {"twenty slots short", 40, 0, 0, 1, TRADE_SLOTS, "This bargain is fruitless.", 1, false},
    };
    for (const Case &k : cases) {
        clrVillages();
        GetGlobVil(SOC);
        memset(Cre[OLLI].pack, 0, sizeof Cre[OLLI].pack);
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        Clear_Trade_Itemlist();
        const int axe = item("Axe", IT_TOOL, 10.0f), cup = item("Cup", IT_CONTAINER, 3.0f);
        const int pelt = item("Knife", IT_WEAPON, 10.0f);
        if (k.owed_axes) addvildebtitem(&globVil, SOC, axe, k.owed_axes);
        if (k.owed_cups) addvildebtitem(&globVil, SOC, cup, k.owed_cups);
        vildebtrefresh(&globVil);
        SaveGlobVil();
        GetNpcVil(SOC);
        const uint8_t trouble = NpcVil.paytrouble;
        Chat_Mode = CHAT_PAY_DEBT;
        InitPayDebtMode(1);
        if (k.offer_axes) AddTradeItemList(axe, k.offer_axes);
        for (int s = 0; s < k.pelt_slots; s++) AddTradeItemList(pelt, k.pelts);
        QUIT = EXIT_CHAT = 0;
        heard.clear();
        const long before = units();
        RunParser("[DEBT ITEMPICK]");
        EXPECT_EQ(units(), before) << k.what;
        EXPECT_EQ(held(axe), k.offer_axes) << k.what;
        const std::string said = k.words ? k.words : CHATMSG("TRADE_ACCEPT_OFFER");
        EXPECT_NE(heard.find(said), std::string::npos) << k.what << ": " << heard;
        EXPECT_EQ(Trade_Phase, k.ends ? 0 : k.phase) << k.what;
        EXPECT_EQ(QUIT == 1 && EXIT_CHAT == 1, k.ends) << k.what;
        EXPECT_EQ(NpcVil.paytrouble, trouble + (k.ends ? 1 : 0)) << k.what;
        EXPECT_EQ(NpcVil.hasdebt, k.ends ? 0 : 1) << k.what;
        if (k.phase != 2) continue;
        // Paid in full: the same axe taken unpaid, on the ground and in a bag, is hers now; one owed
        // to another village stays marked.
        ItemStruct owed = ObjToItem(axe);
        owed.ownersoc = SOC;
        owed.ownerflags = OWN_UNPAID;
        const int on_ground = Esineesta_Uniikki(owed);
        place_record(DT_ITEM, 236, 232, (uint32_t)on_ground);
        owed.vessel = (uint32_t)item("Bag", IT_CONTAINER, 2.0f);
        const int in_bag = Esineesta_Uniikki(owed);
        owed.ownersoc = SOC + 1;
        const int elsewhere = Esineesta_Uniikki(owed);
        RunParser("[TRADECOMPLETE]");
        EXPECT_EQ(ObjToItem(on_ground).ownerflags & OWN_UNPAID, 0) << "on the ground";
        EXPECT_EQ(ObjToItem(in_bag).ownerflags & OWN_UNPAID, 0) << "in a bag";
        EXPECT_EQ(ObjToItem(on_ground).ownersoc, 0u);
        EXPECT_EQ(ObjToItem(elsewhere).ownerflags & OWN_UNPAID, OWN_UNPAID) << "owed to another village";
    }
    // A reward worth exactly the debt pays it whole; less pays a part.
    GetNpcVil(SOC);
    const float debt = vildebtvalue(&NpcVil);
    ASSERT_GT(debt, 0.0f);
    for (float share : {1.0f, 0.25f}) {
        NpcVil.credit = debt * share;
        Chat_Mode = CHAT_PAY_DEBT;
        heard.clear();
        EXPECT_EQ(gotcredit(0.0f), share == 1.0f ? 1 : 2);
        InitPayDebtMode(0);
        EXPECT_EQ(Trade_Phase, share == 1.0f ? 2 : 1);
        EXPECT_NE(heard.find(share == 1.0f ? "It's all yours to keep" : "Your reward covers"), std::string::npos) << heard;
    }
}

// Goods on offer are in none of her slots: the object maintenance keeps them all the same, and they
// come back to her whole.
class TradeOffer : public oxatest::LoaderTest {};

TEST_F(TradeOffer, OfferedGoodsOutliveTheObjectMaintenanceAndComeBack) {
    ASSERT_EQ(loader(), 0);
    int slot = -1;
    for (int i = 0; i < PLR_SLOTS && slot < 0; i++)
        if (Plr.inv_obj[i] >= OBJ_PLAYER_FIRST && Plr.inv_count[i] > 0) slot = i;
    ASSERT_GE(slot, 0);
    const int obj = Plr.inv_obj[slot], count = Plr.inv_count[slot];
    const ItemStruct was = ObjToItem(obj);
    Clear_Trade_Itemlist();
    ASSERT_EQ(AddTradeItemList(obj, Poista_PlrItem_NoCrunch(slot, count)), 0);
    ASSERT_GT(object_maintenance(), 0);
    EXPECT_TRUE(ItemStructsEqual(ObjToItem(obj), was));
    Trade_ItemList_Return();
    int back = 0;
    for (int i = 0; i < PLR_SLOTS; i++)
        if (Plr.inv_obj[i] > 0 && ItemStructsEqual(ObjToItem(Plr.inv_obj[i]), was)) back += Plr.inv_count[i];
    EXPECT_EQ(back, count);
    EXPECT_FALSE(TRADELIST_MAXED());
    for (int i = 0; i < TRADE_SLOTS; i++) EXPECT_EQ(AddTradeItemList(OBJ_PLAYER_FIRST, 1), i);
    EXPECT_TRUE(TRADELIST_MAXED());
    EXPECT_EQ(AddTradeItemList(OBJ_PLAYER_FIRST, 1), TRADE_SLOTS) << "a 21st stack has no slot";
    Clear_Trade_Itemlist();
}
