// Barter with a villager of a prepared village: the price bent by credit, goodwill and forgiven
// debts; goodwill booked for an overpayment; the partner's reasons for refusing a stack; offering
// through the item chooser with scripted keys; the partner's suggestion of what would settle it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/ui.h"
#include "base/ui_pixels.h"
#include "common/harness.h"
#include "creatures/village_fixture.h"
#include "items/invlist.h"
#include "presentation/screen_ui.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/trade.h"

namespace {

// What the talk screen writes, word by word; a word that does not follow on from the last one where
// it ended begins after a blank.
std::string heard;
int heard_next_x = -1;
void hear(int x, int, const char *text, UiColour, int) {
    if (!heard.empty() && heard.back() != ' ' && x != heard_next_x) heard += ' ';
    heard += text;
    heard_next_x = x + 8 * (int)strlen(text);
}

class Trade : public VillageTest {
protected:
    oxatest::NoScreen *noscreen = nullptr;
    static constexpr int NPC = 1;
    void SetUp() override {
        VillageTest::SetUp();
        dir->copy_asset("messages/eng_trade.txt");
        MSG_forget_index();
        noscreen = new oxatest::NoScreen();
        ui_pixels.text_line = hear;
        screen_ui_talk(ui.talk);   // the talk laid out as on a window: each word said reaches the text line
        heard.clear();
        villager(NPC, PlayerX + 2, PlayerY, true);
        Cre[NPC].weight = 70.0f;
        Chatting_With = NPC;
        Chat_Mode = CHAT_TRADE;
        Trade_Phase = 1;
        Trade_Price = 100.0f;
        Trade_ClearList();
        memset(PersTradeInvData, 0, sizeof PersTradeInvData);
        GetNpcVil(SOC);
    }
    void TearDown() override {
        ui_script_clear();
        Trade_ClearList();
        Trade_Phase = 0;
        Chat_Mode = 0;
        Chatting_With = -1000;
        memset(PersTradeInvData, 0, sizeof PersTradeInvData);
        delete noscreen;
        VillageTest::TearDown();
    }
    // A stored item; food keeps a week before it goes stale.
    static int ware(const char *name, int type, float price, unsigned id = 300, float weight = 1.0f) {
        ItemStruct it{};
        it.type = (uint8_t)type;
        it.id = id;
        it.price = price;
        it.weight = it.fullweight = weight;
        it.spoil = type == IT_FOOD ? 7 : 0;
        strcpy(it.name, name);
        return Esineesta_Uniikki(it);
    }
    static ItemStruct &rec(int pos) { return PlayerObj[pos - OBJ_PLAYER_FIRST]; }
    static int give(int pos, int count = 1) {
        for (int s = 0; s < PLR_SLOTS; s++)
            if (!Plr.inv_obj[s]) {
                Plr.inv_obj[s] = pos;
                Plr.inv_count[s] = count;
                return s;
            }
        return -1;
    }
    static int carried_units() {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++) n += Plr.inv_obj[s] ? Plr.inv_count[s] : 0;
        return n;
    }
    static int offered_units() {
        int n = 0;
        for (int i = 0; i < TRADE_SLOTS; i++) n += Trade_ItemList[i] ? Trade_ItemCount[i] : 0;
        return n;
    }
    static int times(const std::string &text) {
        int n = 0;
        for (size_t at = heard.find(text); at != std::string::npos; at = heard.find(text, at + 1)) n++;
        return n;
    }
    static void keys(std::initializer_list<int> k) { ui_script_keys(std::data(k), (int)k.size()); }
};

TEST_F(Trade, PriceBendsByCreditGoodwillAndForgivenDebts) {
    struct Case {
        const char *what;
        float credit, everdebt, generosity;
        int mode;
        float cut, asked;
    } cases[] = {
        {"no history", 0, 0, 0, CHAT_TRADE, 100, 100},
        {"a forgiven debt below half the price", 0, 40, 0, CHAT_TRADE, 110, 100},
        {"a forgiven debt above half", 0, 60, 0, CHAT_TRADE, 120, 100},
        {"goodwill above half the price", 0, 0, 60, CHAT_TRADE, 80, 100},
        {"goodwill below half", 0, 0, 30, CHAT_TRADE, 90, 100},
        {"credit is drawn before anything else", 30, 60, 60, CHAT_TRADE, 70, 70},
        {"credit lowers the asked price only in barter", 30, 0, 0, CHAT_BUY_ANIMAL, 70, 100},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        NpcVil.credit = c.credit;
        NpcVil.everdebt = c.everdebt;
        NpcVil.generosity = c.generosity;
        Chat_Mode = c.mode;
        EXPECT_FLOAT_EQ(pricecutter(100.0f), c.cut);
        EXPECT_FLOAT_EQ(whatstheprice(), c.asked);
    }
    // A debt payment asks the village's debt, bent the same way.
    NpcVil.credit = 0;
    NpcVil.everdebt = 60;
    NpcVil.debt[0] = VillageDebtLine{1, {}, (uint32_t)ware("Axe", IT_TOOL, 50), 2, 100.0f, {}, 0, {}};
    Chat_Mode = CHAT_PAY_DEBT;
    EXPECT_FLOAT_EQ(whatstheprice(), 120.0f);
    // Somebody of no village asks his own price.
    Cre[NPC].community = 0;
    EXPECT_FLOAT_EQ(pricecutter(100.0f), 100.0f);
}

TEST_F(Trade, AnOverpaymentIsGoodwillOrPaysOffAForgivenDebt) {
    struct Case {
        const char *what;
        float everdebt, paid, asked;
        uint32_t generous;
        float generosity_after, everdebt_after;
    } cases[] = {
        {"130 for 100", 0, 130, 100, 1, 24, 0},
        {"60 for an asked 40 earns nothing", 0, 60, 40, 0, 0, 0},
        {"less than a fifth over earns nothing", 0, 119, 100, 0, 0, 0},
        {"a forgiven debt is paid off instead", 50, 130, 100, 0, 0, 20},
        {"never below 0", 20, 130, 100, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GetNpcVil(SOC);
        NpcVil.generosity = 0;
        NpcVil.everdebt = c.everdebt;
        SaveNpcVil();
        EXPECT_EQ(soctradegenerosity(c.paid, c.asked), c.generous);
        EXPECT_FLOAT_EQ(NpcVil.generosity, c.generosity_after);
        EXPECT_FLOAT_EQ(NpcVil.everdebt, c.everdebt_after);
        // The village keeps it even when the barter's end writes nothing.
        GetGlobVil(SOC);
        EXPECT_FLOAT_EQ(globVil.generosity, c.generosity_after);
        EXPECT_FLOAT_EQ(globVil.everdebt, c.everdebt_after);
    }
}

TEST_F(Trade, PartnerRefusesAStackWithItsReason) {
    villager(2, PlayerX - 2, PlayerY, true);   // two of the village on the map
    const int meat = ware("Raw meat", IT_FOOD, 5, 500, 6.0f);
    Cre[2].pack[0] = meat;
    Cre[2].packcount[0] = 4;                   // 24 pounds: more than 10 a head
    Cre[2].pack[1] = ware("Board", IT_TIMBER, 3, 403);
    Cre[2].packcount[1] = 2;                   // more boards than 2 people need
    Cre[NPC].pack[0] = ware("Arrow", IT_WEAPON, 1);
    Cre[NPC].packcount[0] = 50;
    Cre[NPC].pack[1] = 123456789;              // nothing: never read
    Cre[NPC].packcount[1] = 200;
    PersTradeInvData[0] = {1, 0, (uint32_t)ware("Sheep", IT_TOOL, 90), 0, 1, {}};
    PersTradeInvData[1] = {1, 0, 4000000000u, 0, 1, {}};   // a broken line of the chooser

    const int bread = ware("Bread", IT_FOOD, 2);
    rec(bread).spoil = SPOIL_SPOILED;
    const int poor = ware("Knife", IT_TOOL, 20);
    rec(poor).quality = 1;
    const int unknown = ware("Herb", IT_PLANT, 20);
    rec(unknown).plantname = 5;
    const int hide = ware("Hare skin", IT_SKIN, 20, 410);
    const int taken = ware("Axe", IT_TOOL, 40);
    rec(taken).ownersoc = SOC;
    rec(taken).ownerflags = OWN_UNPAID;
    const int carcass = ware("hare", IT_CARCASS, 20);
    animal(3, PlayerX, PlayerY + 1);
    const int leash = ware("Rope", IT_TOOL, 20);
    rec(leash).subtype = ST_ROPE;
    set_leash_sotu(rec(leash), Cre[3].socialid);

    struct Case {
        const char *what;
        int object, count;
        uint8_t flags;
        int accepted;
        const char *reason;
    } cases[] = {
        {"spoiled", bread, 1, 0, 0, "Spoiled bread? No thank you."},
        {"seeds", ware("Seeds", IT_FOOD, 20, 434), 1, 0, 0, "Seeds? Those aren't needed."},
        {"a carcass", carcass, 1, 0, 0, "You try to trade with"},
        {"the partner's own goods", ware("Sheep", IT_TOOL, 90), 1, 0, 0, "It's you who wants"},
        {"boards over the quota", ware("Board", IT_TIMBER, 3, 403), 1, 0, 0, "We have enough"},
        {"meat over the reserves", ware("Raw meat", IT_FOOD, 5, 500, 6.0f), 1, 0, 0,
         "No, we don't need more meat. We have decent reserves already."},
        {"goods taken unpaid from the village", taken, 1, 0, 0, "is not yours."},
        {"...are taken back in a debt payment", taken, 1, 1, 1, ""},
        {"arrows he has 50 of", ware("Arrow", IT_WEAPON, 1), 5, 0, 0, "I don't need any more"},
        {"poor quality", poor, 1, 0, 0, "not of quality I expect"},
        {"poor quality delivered", poor, 1, 2, 1, ""},
        {"unknown", unknown, 1, 0, 0, "I certainly don't want your unknown"},
        {"untanned", hide, 1, 0, 0, "tanned first"},
        {"worth under a hundredth of the price", ware("Twig", IT_TOOL, 0.5f), 1, 0, 0, "is unworthy in this barter."},
        {"two of them are worth enough", ware("Twig", IT_TOOL, 0.5f), 2, 0, 1, ""},
        {"a rope leading an animal: silently", leash, 1, 0, 0, ""},
        {"no such object", 7777777, 1, 0, 0, ""},
        {"no units", ware("Good axe", IT_TOOL, 40), 0, 0, 0, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(tradeacc(c.object, c.count, c.flags), c.accepted);
        EXPECT_NE(std::string(tradeacc_rejreason).find(c.reason), std::string::npos) << tradeacc_rejreason;
        if (!c.reason[0]) {
            EXPECT_STREQ(tradeacc_rejreason, "");
        }
    }

    // The fur trader wants tanned furs, and no more than he can carry besides what is offered; an
    // offered slot naming no object or no units weighs nothing.
    Cre[NPC].role = 5;
    for (int i = 0; i < 2; i++) Cre[NPC].pack[i] = Cre[NPC].packcount[i] = 0;   // he carries nothing yet
    const int fur = ware("Fox fur", IT_SKIN, 60, 412, 50.0f);
    Trade_ItemList[0] = 999999;
    Trade_ItemCount[0] = 4;
    Trade_ItemList[1] = fur;
    Trade_ItemCount[1] = -3;
    EXPECT_EQ(tradeacc(poor, 1, 0), 0);
    EXPECT_STREQ(tradeacc_rejreason, "We want furs - tanned furs. Thick and fine furs of the north. You understand?");
    EXPECT_EQ(tradeacc(fur, 2, 0), 1);
    EXPECT_EQ(tradeacc(fur, 3, 0), 0);
    EXPECT_NE(std::string(tradeacc_rejreason).find("too burdened to carry them"), std::string::npos);
}

TEST_F(Trade, OfferingStepWeighsTheOfferAgainstThePrice) {
    struct Case {
        const char *what;
        float credit, worth;
        int slots_before;          // slots already offered, worth nothing towards the price
        int phase;
        const char *said;
    } cases[] = {
        {"goods worth 70 with credit 30", 30, 70, 0, 2, ""},
        {"goods worth 70 alone", 0, 70, 0, 1, "What you have offered compensates for two-thirds to get those goods for yourself."},
        {"goods worth 95", 0, 95, 0, 1, "What you have offered is just a few more things away"},
        {"goods worth 35", 0, 35, 0, 1, "What you have offered needs to be tripled"},
        {"the twentieth slot short of the price", 0, 10, 19, 1, "This bargain is fruitless."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        heard.clear();
        Trade_ClearList();
        Trade_Phase = 1;
        NpcVil.credit = c.credit;
        for (int i = 0; i < c.slots_before; i++) {
            Trade_ItemList[i] = ware("Pebble", IT_TOOL, 0);
            Trade_ItemCount[i] = 1;
        }
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        give(ware("Silver ring", IT_VALUABLE, c.worth));
        keys({'a', ' '});
        ITEMPICK_parseline();
        EXPECT_EQ(Trade_Phase, c.phase);
        const std::string said = c.phase == 2 ? std::string(CHATMSG("TRADE_ACCEPT_OFFER")) : c.said;
        ASSERT_FALSE(said.empty());
        EXPECT_NE(heard.find(said), std::string::npos) << heard;
        EXPECT_EQ(carried_units(), 0);
    }
    // A 21st kind: the chooser does not open and her goods stay with her.
    heard.clear();
    Trade_ItemList[19] = ware("Pebble", IT_TOOL, 0);
    give(ware("Knife", IT_TOOL, 20));
    keys({'a', ' '});
    ITEMPICK_parseline();
    EXPECT_NE(heard.find("No, I don't want you to add anything there."), std::string::npos) << heard;
    EXPECT_EQ(ui_script_left(), 2);
    EXPECT_EQ(carried_units(), 1);
}

// Played through the talk's tag: she picks three rotten fish and a good knife in the chooser; one
// reason is said for the three fish, the knife goes into the last free slot, nothing is lost.
TEST_F(Trade, PlayedOfferSaysOneReasonAndKeepsEveryUnit) {
    for (int i = 0; i < 18; i++) {
        Trade_ItemList[i] = ware("Pebble", IT_TOOL, 0);
        Trade_ItemCount[i] = 1;
    }
    for (int i = 0; i < 3; i++) rec(Plr.inv_obj[give(ware("Fish", IT_FOOD, 10, 300))]).spoil = SPOIL_SPOILED;
    give(ware("Knife", IT_TOOL, 30));
    give(ware("Axe", IT_TOOL, 30));
    give(ware("Spear", IT_WEAPON, 30));
    const int before = carried_units() + offered_units();
    keys({'+', ' '});   // all of them
    RunParser("[ITEMPICK]");
    EXPECT_EQ(times("Spoiled fish? No thank you."), 1) << heard;
    EXPECT_EQ(times("However, the rest of your offer is accepted."), 1) << heard;
    EXPECT_NE(Trade_ItemList[18], 0);
    EXPECT_NE(Trade_ItemList[19], 0);
    EXPECT_EQ(carried_units() + offered_units(), before);
    EXPECT_EQ(carried_units(), 4) << "three fish and the goods that found no slot";
}

TEST_F(Trade, PartnerSuggestsWhatWouldSettleIt) {
    struct Case {
        const char *what;
        float price;
        std::initializer_list<float> goods;
        const char *said;
    } cases[] = {
        {"the dearest that fits first, a ring too dear", 100, {30, 60, 200},
         "It's hard to decide but at this point, how about your knife0 and knife1."},
        {"enough goods", 90, {30, 60}, "I think we could come to an agreement if you would give me your knife0 and knife1."},
        {"too little", 100, {10, 20}, "I think you simply don't have enough valuable goods to complete this trade."},
        {"only goods far too dear", 100, {300}, "I don't want to be greedy so it's best that you make the offer."},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        heard.clear();
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        int i = 0;
        for (float g : c.goods) give(ware(("Knife" + std::to_string(i++)).c_str(), IT_TOOL, g));
        npc_trade_suggestion(c.price, 0);
        EXPECT_NE(heard.find(c.said), std::string::npos) << heard;
        EXPECT_EQ(offered_units(), 0) << "nothing is put into the offer";
    }
}

}  // namespace
