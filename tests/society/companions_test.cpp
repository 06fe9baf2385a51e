// Companions: who agrees to come along, what a recruit wants before joining, the wage reckoning at
// parting, the reports of a starving companion, its things laid down or given back without a loss,
// and the orders of "!".
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/ui_pixels.h"
#include "common/harness.h"
#include "core/datafunc.h"
#include "core/crefunc.h"
#include "creatures/village_fixture.h"
#include "presentation/screen_ui.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/companions.h"
#include "society/reputation.h"
#include "society/trade.h"

namespace {

std::string heard;                 // what the people said, in talk word by word or aloud
std::vector<std::string> notes;

class Companions : public VillageTest {
protected:
    oxatest::NoScreen *noscreen = nullptr;
    void (*screen_note)(const char *, const char *, uint8_t, uint8_t, uint8_t, const char *) = nullptr;
    void (*screen_line)(int, int, const char *, UiColour, int) = nullptr;
    static constexpr int NPC = 1;
    CreatureStruct as_made{};      // the villager as SetUp made him
    uint8_t kept_disable_notes = 0;
    // Every item stack of the map taken away.
    static void clear_items() {
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_ITEM) ClearDATA(i);
    }

    void SetUp() override {
        VillageTest::SetUp();
        noscreen = new oxatest::NoScreen();
        dir->copy_asset("messages/eng_general.txt");
        dir->copy_asset("messages/eng_crelife.txt");
        MSG_forget_index();
        heard.clear();
        notes.clear();
        screen_line = ui_pixels.text_line;
        ui_pixels.text_line = [](int, int, const char *word, UiColour, int) { heard += word; };
        screen_ui_talk(ui.talk);   // the talk laid out as on a window: each word said reaches the text line
        people_speech_log = [](int, const char *, const char *text) { heard += std::string(text) + "|"; };
        screen_note = ui.notes.note;
        ui.notes.note = [](const char *note, const char *, uint8_t, uint8_t, uint8_t, const char *) { notes.push_back(note); };
        villager(NPC, PlayerX + 1, PlayerY, true);
        Cre[NPC].willingness = 5;
        Cre[NPC].socialid = 7001;
        as_made = Cre[NPC];
        kept_disable_notes = DISABLE_NOTES;
        DISABLE_NOTES = 0;
        Chatting_With = NPC;
        Chat_Mode = CHAT_HELP;
        QUIT = EXIT_CHAT = 0;
        Trade_Phase = 0;
        ClearChatOptStruct();
        GetNpcVil(SOC);
        memset(&TARGET_REPSUMMARY, 0, sizeof TARGET_REPSUMMARY);
        TARGET_REPSUMMARY.overall = 3;
    }
    void TearDown() override {
        DISABLE_NOTES = kept_disable_notes;
        ui_pixels.text_line = screen_line;
        people_speech_log = nullptr;
        ui.notes.note = screen_note;
        ui_script_clear();
        Chatting_With = -1000;
        Trade_Phase = 0;
        delete noscreen;
        VillageTest::TearDown();
    }
    static bool said(const char *words) { return heard.find(words) != std::string::npos; }
    static bool offered(const char *tag) {
        for (const ChatOptStruct &o : ChatOptions)
            if (o.text[0] && !strcmp(o.tag, tag)) return true;
        return false;
    }
    // A stack into the person's pack with its slot flags.
    static void pack(int n, int obj, int count, uint8_t bits = 0) {
        for (int s = 0; s < CRE_PACK; s++)
            if (Cre[n].pack[s] == 0) {
                Cre[n].pack[s] = obj;
                Cre[n].packcount[s] = (uint8_t)count;
                Cre[n].packbits[s] = bits;
                return;
            }
    }
    static void empty_pack(int n) {
        memset(Cre[n].pack, 0, sizeof Cre[n].pack);
        memset(Cre[n].packcount, 0, sizeof Cre[n].packcount);
        memset(Cre[n].packbits, 0, sizeof Cre[n].packbits);
        Cre[n].wielded = 0;
    }
    // Food of exactly 1200 nutrition a unit: 40 % carbohydrate and 20 % protein, one pound.
    int ration() {
        ItemStruct it{};
        it.type = IT_FOOD;
        it.id = 300;
        it.weight = it.fullweight = 1.0f;
        it.fig[0] = 40;
        it.fig[2] = 20;
        it.price = 2;
        strcpy(it.name, "Ration");
        return Esineesta_Uniikki(it);
    }
    int weapon(const char *name = "Spear") { return item(name, IT_WEAPON, 12.0f, 3.0f); }
    // The units of every stack, carried by the person or lying on the map, by object kind name.
    long units(const char *name, int n) {
        long u = 0;
        for (int s = 0; s < CRE_PACK; s++)
            if (Cre[n].pack[s] > 0 && !strcmp(ObjToItem(Cre[n].pack[s]).name, name)) u += Cre[n].packcount[s];
        if (Cre[n].wielded > 0 && !strcmp(ObjToItem(Cre[n].wielded).name, name)) u++;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_ITEM && !strcmp(ObjToItem((int)Data[i].id).name, name)) u += Data[i].count;
        return u;
    }
    // Every free record of the pool taken by a stone far away: no room for anything more.
    void fill_pool() {
        const int stone = item("Pebble", IT_TOOL, 0.0f);
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_UNUSED || Data[i].type == DT_FREED) {
                memset(&Data[i], 0, sizeof Data[i]);
                Data[i].type = DT_ITEM;
                Data[i].id = (uint32_t)stone;
                Data[i].count = 1;
                Data[i].x = (uint16_t)(PlayerX + 20 + i % 10);
                Data[i].y = (uint16_t)(PlayerY + 20);
                Data[i].extra = DATA_NOMERGE;
            }
    }
    // The person as a companion who joined `served` days ago for a term of `left` more days.
    static void joined(int n, int left, int served) {
        Cre[n].partyflags = CW_JOINED | CW_HUNTING;
        Cre[n].compterms = 0;
        cre_spare(Cre[n], SPARE_PREPAID) = (uint8_t)left;
        cre_spare(Cre[n], SPARE_SERVICE) = (uint8_t)served;
    }
};

// Whether a person comes along: each refusal with its sentence, the wait of a "later" person, and
// a willing villager with no pet of its own.
TEST_F(Companions, WhoComesAlong) {
    struct Case {
        const char *what;
        void (*set)(CreatureStruct &c);
        int days, result;
        const char *answer;
    };
    static const Case cases[] = {
        {"willing", [](CreatureStruct &) {}, 0, 1, ""},
        {"never", [](CreatureStruct &c) { c.recruitbits = RB_REFUSES; }, 0, 0, "I don't think so."},
        {"busy", [](CreatureStruct &c) { c.stateflags = 64; }, 0, 0, "That doesn't suit me."},
        {"a quest", [](CreatureStruct &c) { c.quest = 9; }, 0, 0, "Not now, but maybe in the future."},
        {"a craftsman", [](CreatureStruct &c) { c.speciescode = 580; }, 0, 0, "I really can't leave from here."},
        {"a healer", [](CreatureStruct &c) { c.role = 13; }, 0, 0, "No, I'm not interested."},
        {"unwilling", [](CreatureStruct &c) { c.willingness = 1; }, 0, 0, "No, I'm not interested."},
        {"later, first asked", [](CreatureStruct &c) { c.recruitbits = RB_LATER; c.strength = 10; }, 3, 0, "maybe in the future"},
        {"later, 150 days on", [](CreatureStruct &c) { c.recruitbits = RB_LATER; c.strength = 10; c.firsttalkday = 250; }, 3, 1, ""},
        {"later, 149 days on", [](CreatureStruct &c) { c.recruitbits = RB_LATER; c.strength = 10; c.firsttalkday = 251; }, 3, 0, "maybe in the future"},
        {"later, away a month", [](CreatureStruct &c) { c.recruitbits = RB_LATER; c.strength = 10; c.firsttalkday = 399; }, 30, 1, ""},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        CreatureStruct kept = Cre[NPC];
        k.set(Cre[NPC]);
        EXPECT_EQ(onko_NPC_varvattavissa(NPC, k.days), k.result);
        EXPECT_NE(std::string(mietelause).find(k.answer), std::string::npos) << mietelause;
        if (!k.answer[0]) {
            EXPECT_STREQ(mietelause, "");
        }
        Cre[NPC] = kept;
    }
    // A companion of the village gone unpaid, or a pet of its own, keep it home too.
    villager(2, PlayerX - 1, PlayerY, true);
    Cre[2].willingness = 5;
    strcpy(Cre[2].pname, "Urho");
    set_compword(2, CF_OWING);
    EXPECT_EQ(onko_NPC_varvattavissa(NPC, 0), 0);
    EXPECT_NE(std::string(mietelause).find("until our"), std::string::npos) << mietelause;
    set_compword(2, 0);
    animal(3, PlayerX, PlayerY + 2, 618, 20.0f);
    Cre[3].ownerbits = 1;
    Cre[3].owner = (int32_t)Cre[NPC].socialid;
    EXPECT_EQ(onko_NPC_varvattavissa(NPC, 0), 0);
    EXPECT_EQ(onko_NPC_varvattavissa(2, 0), 1) << "the dog is not his";
}

// What each kind of recruit wants: work wants food only, hunting food for its days and three
// weapons; food worth exactly days x 1200 is not enough, and stock goods of the village count for
// nothing.
TEST_F(Companions, ARecruitWantsFoodAndWeaponsByItsKind) {
    struct Case {
        const char *what, *tag;
        int rations, weapons, stock_weapons;
        bool wields, joins;
        const char *wants;
    };
    static const Case cases[] = {
        {"work, fed, unarmed", "[RECRUIT WORK]", 6, 0, 0, false, true, ""},
        {"work, exactly 5 x 1200", "[RECRUIT WORK]", 5, 0, 0, false, false, "more food"},
        {"hunting, exactly 7 x 1200", "[RECRUIT HUNTING]", 7, 3, 0, false, false, "more food"},
        {"hunting, fed, two weapons", "[RECRUIT HUNTING]", 8, 2, 0, false, false, "extra weapons"},
        {"hunting, fed, two and one in hand", "[RECRUIT HUNTING]", 8, 2, 0, true, true, ""},
        {"hunting, the village's weapons", "[RECRUIT HUNTING]", 8, 1, 2, false, false, "extra weapons"},
        {"work, carrying the village's weapons", "[RECRUIT WORK]", 6, 0, 2, false, true, ""},
    };
    const int food = ration(), spear = weapon(), knife = weapon("Knife");
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        Cre[NPC] = as_made;
        clear_items();
        empty_pack(NPC);
        if (k.rations) pack(NPC, food, k.rations);
        for (int i = 0; i < k.weapons; i++) pack(NPC, spear, 1);
        for (int i = 0; i < k.stock_weapons; i++) pack(NPC, spear, 1, PACK_STOCK);
        if (k.wields) Cre[NPC].wielded = knife;
        heard.clear();
        ClearChatOptStruct();
        RunParser(k.tag);
        EXPECT_TRUE(said("That's fine with me.")) << heard;
        EXPECT_EQ(onko_NPC_kumppani(NPC) != 0, k.joins) << heard;
        if (k.joins) {
            EXPECT_EQ(Cre[NPC].partyflags & (CW_AGREED | CW_JOINED), CW_JOINED);
            EXPECT_EQ(Cre[NPC].compterms & RW_RECRUITING, 0u);
            EXPECT_EQ(cre_spare(Cre[NPC], SPARE_SERVICE), 1);
            EXPECT_TRUE(said("I think I have everything I need"));
            GetGlobVil(SOC);
            EXPECT_EQ(globVil.hired[0], Cre[NPC].socialid) << "his village counts him among its hired people";
        } else {
            EXPECT_TRUE(said(k.wants)) << heard;
            EXPECT_TRUE(offered("[DELIVER]") && offered("[RECRUIT CLEAR]"));
            EXPECT_TRUE(Cre[NPC].partyflags & CW_AGREED);
            // Asked again, he remembers the company agreed on.
            heard.clear();
            Start_Conversation(1);
            const bool work = !strcmp(k.tag, "[RECRUIT WORK]");
            EXPECT_TRUE(said(work ? "we talked about me working for you" : "we talked about me hunting with you")) << heard;
            EXPECT_TRUE(said(k.wants)) << heard;
        }
        int stock_left = 0;
        for (int s = 0; s < CRE_PACK; s++) stock_left += Cre[NPC].pack[s] && (Cre[NPC].packbits[s] & PACK_STOCK);
        EXPECT_EQ(stock_left, k.joins ? 0 : k.stock_weapons) << "the village's goods are laid down when he joins";
        EXPECT_EQ(units("Spear", NPC), k.weapons + k.stock_weapons) << "and none is lost";
        clrVillages();
        GetGlobVil(SOC);
        SaveGlobVil();
        GetNpcVil(SOC);
    }
}

// The wage at parting: 8 a day of service after the first, what he carries counted 4 higher; a
// shortfall is stored and owed, an escortee is owed nothing; while the term runs every day counts.
TEST_F(Companions, TheWageIsReckonedAtParting) {
    struct Case {
        const char *what;
        int left, served;
        float short_by;            // what he carries falls this much below the sum, before the 4
        bool escortee;
        int owed;
    };
    static const Case cases[] = {
        {"last day, 4 below", 0, 3, 4.0f, false, 0},
        {"last day, 5 below", 0, 3, 5.0f, false, 1},
        {"last day, 3 below", 0, 3, 3.0f, false, 0},
        {"first day, 20 below", 0, 1, 20.0f, false, 16},
        {"escortee", 0, 3, 50.0f, true, 0},
        {"term running, 4 below", 2, 3, 4.0f, false, 4},
    };
    empty_pack(NPC);
    pack(NPC, weapon(), 2);
    const float carried = (float)NPC_inventoryhinta(NPC);
    ASSERT_GT(carried, 0.0f);
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        joined(NPC, k.left, k.served);
        set_compword(NPC, k.escortee ? (uint32_t)CF_ESCORTEE : 0u);
        const int days_paid = k.left ? k.served : k.served - 1;
        Cre[NPC].hirevalue = carried + k.short_by - (float)(WAGE_PER_DAY * days_paid);
        Cre[NPC].compdebt = 0;
        EXPECT_EQ(CompanionInvDebt(NPC, 0), k.owed);
        EXPECT_FLOAT_EQ(Cre[NPC].compdebt, (float)k.owed);
    }
    // Parting through "[UNJOIN CONFIRM]": owed, he waits and says what he expects; paid, he leaves.
    for (const float short_by : {4.0f, 12.0f}) {
        joined(NPC, 3, 3);
        set_compword(NPC, 0);
        Cre[NPC].hirevalue = carried + short_by - (float)(WAGE_PER_DAY * 2);
        heard.clear();
        RunParser("[UNJOIN CONFIRM]");
        EXPECT_FALSE(onko_NPC_kumppani(NPC));
        EXPECT_EQ(cre_spare(Cre[NPC], SPARE_PREPAID), 0);
        if (short_by == 4.0f) {
            EXPECT_EQ(compword(NPC) & CF_OWING, 0u);
            EXPECT_TRUE(said("Bye now and take care of yourself!")) << heard;
            EXPECT_EQ(Cre[NPC].hirevalue, 0.0f);
        } else {
            EXPECT_TRUE(compword(NPC) & CF_OWING);
            EXPECT_TRUE(said("I expect you to hand out some decent goods at once")) << heard;
            EXPECT_TRUE(said("to make me happy."));
            EXPECT_FLOAT_EQ(Cre[NPC].compdebt, 8.0f);
        }
    }
}

// A starving companion complains at each day's report; the third time he leaves at once.
TEST_F(Companions, TheThirdStarvingReportEndsTheCompany) {
    empty_pack(NPC);
    joined(NPC, 5, 2);
    Cre[NPC].hirevalue = 0;
    const char *const warnings[] = {"You must remember that we are still companions.",
                                    "I warn you not neglect me again", "This was the final straw"};
    for (int day = 0; day < 3; day++) {
        SCOPED_TRACE(day);
        Cre[NPC].energy = 0;
        heard.clear();
        ASSERT_EQ(comp_partymorale(NPC), 1);
        Chatting_With = NPC;
        Init_Talk_NPC(NPC, ASIA_COMPANION);
        Start_Conversation(0);
        EXPECT_TRUE(said("I am starving.")) << heard;
        EXPECT_TRUE(said(warnings[day])) << heard;
        EXPECT_EQ(compword(NPC) & CF_WANTSTALK, 0u);
        EXPECT_EQ(Cre[NPC].grouplife, day + 1);
        EXPECT_EQ(onko_NPC_kumppani(NPC) != 0, day < 2);
    }
    EXPECT_TRUE(said("Our paths will separate now!"));
    EXPECT_TRUE(said("Now it's time for me to go back home."));
}

// Lent things given back and the village's goods laid down on joining: every unit is on the map or
// still in his pack; with the pool full they stay with him and a note says so.
TEST_F(Companions, LoanedAndStockItemsAreNeverLost) {
    for (const bool full : {false, true}) {
        SCOPED_TRACE(full ? "the pool full" : "room on the map");
        Cre[NPC] = as_made;
        empty_pack(NPC);
        ItemStruct lent_bow{};
        lent_bow.type = IT_WEAPON;
        lent_bow.id = 301;
        lent_bow.weight = 2.0f;
        lent_bow.price = 20;
        lent_bow.status = ITEM_LENT_MARK;
        strcpy(lent_bow.name, "Lent bow");
        pack(NPC, Esineesta_Uniikki(lent_bow), 1);
        pack(NPC, item("Lent arrow", IT_WEAPON, 1.0f, 0.1f), 12, PACK_LENT);
        pack(NPC, item("Own knife", IT_WEAPON, 5.0f), 1);
        if (full) fill_pool();
        notes.clear();
        heard.clear();
        Cre[NPC].partyflags = CW_AGREED | CW_HUNTING;
        Cre[NPC].compterms = RW_RECRUITING;
        RunParser("[RETURN LOANED]");
        EXPECT_TRUE(said("You can now find your equipment on the ground at your feet."));
        EXPECT_EQ(units("Lent bow", NPC), 1);
        EXPECT_EQ(units("Lent arrow", NPC), 12);
        EXPECT_EQ(units("Own knife", NPC), 1);
        EXPECT_EQ(Cre[NPC].partyflags | Cre[NPC].compterms, 0u);
        const int feet = get_itemtype(IT_WEAPON, PlayerX, PlayerY);
        if (full) {
            EXPECT_LT(feet, 0);
            EXPECT_EQ(notes.size(), 2u) << "a note for each stack he keeps";
        } else {
            ASSERT_GE(feet, 0);
            EXPECT_EQ(ObjToItem((int)Data[feet].id).status & ITEM_LENT_MARK, 0) << "hers again";
            int left = 0;
            for (int s = 0; s < CRE_PACK; s++) left += Cre[NPC].pack[s] != 0;
            EXPECT_EQ(left, 1) << "only his own knife";
        }

        // The village's goods he carries are laid down when he joins.
        empty_pack(NPC);
        if (!full) clear_items();
        pack(NPC, item("Village pot", IT_TOOL, 6.0f), 2, PACK_STOCK);
        notes.clear();
        EXPECT_EQ(DropStockItems(NPC), full ? 0 : 1);
        EXPECT_EQ(units("Village pot", NPC), 2);
        EXPECT_EQ(notes.size(), full ? 1u : 0u);
        int pots_in_pack = 0;
        for (int s = 0; s < CRE_PACK; s++) pots_in_pack += Cre[NPC].packcount[s];
        EXPECT_EQ(pots_in_pack, full ? 2 : 0);
        clear_items();
    }
}

// The orders of "!": each work order queues its activity or says why not; group commands are offered
// only with more than one companion near.
TEST_F(Companions, OrdersQueueWorkOrSayWhyNot) {
    struct Case {
        const char *what;
        void (*order)(int);
        int first;                 // the activity queued first, 0 none
        const char *line;
    };
    static const Case cases[] = {
        {"fire", compcom_fire, 110, "Ok, I'll go light a fire."},
        {"fell, no trees", compcom_fell, 0, "proper trees around here"},
        {"carve, no trunks", compcom_carvelog, 0, "proper trunks around"},
        {"split, no trunks", compcom_splitboard, 0, "proper trunks around"},
        {"butcher, no carcass", compcom_butcher, 0, "nothing butcher here"},
        {"roast, nothing raw", compcom_roast, 110, "I don't have anything to cook."},
    };
    joined(NPC, 5, 1);
    for (const Case &k : cases) {
        SCOPED_TRACE(k.what);
        Lisaa_Puuha(NPC, 1, 30);   // whatever it did before is stopped
        heard.clear();
        k.order(NPC);
        EXPECT_EQ(Cre[NPC].Puuha[0], k.first);
        EXPECT_TRUE(said(k.line)) << heard;
        for (int s = 0; s < PUUHA_SLOTS; s++) Keskeyta_Puuha(NPC, 0);
    }
    // "!" with one companion near offers no group command; with two it does.
    for (const int companions : {1, 2}) {
        SCOPED_TRACE(companions);
        if (companions == 2) {
            villager(2, PlayerX - 1, PlayerY, true);
            joined(2, 5, 1);
        }
        const int keys[] = {'Z'};
        ui_script_keys(keys, 1);
        EXPECT_EQ(compchat(NPC, 0, 10), 1);
        bool group = false, stay = false;
        for (int i = 0; i < VALINTA_MAX; i++) {
            group |= ValintaEntry[i].key == '+';
            stay |= ValintaEntry[i].key == 'S';
        }
        EXPECT_EQ(group, companions == 2);
        EXPECT_TRUE(stay);
    }
    // "S" tells him to stay for an hour, and again to follow.
    const int stay[] = {'S'};
    ui_script_keys(stay, 1);
    compchat(NPC, 0, 10);
    EXPECT_TRUE(Cre[NPC].partyflags & CW_STAY);
    EXPECT_EQ(Cre[NPC].follow[0], Plr.minutes + 60);
    ui_script_keys(stay, 1);
    compchat(NPC, 0, 10);
    EXPECT_FALSE(Cre[NPC].partyflags & CW_STAY);
    EXPECT_TRUE(said("Alright, let's move together again.")) << heard;
}

}  // namespace
