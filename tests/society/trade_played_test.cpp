// Aino barters with a villager of her own village, keys typed through the turn loop: "C" and the
// person, "T.Trade items", his goods picked, hers offered, "Ok. It's a deal."; then a second trade
// left with ESC. Counts and weights of both sides are summed before and after: nothing is made or
// lost, and what she offered the second time is hers again.
#include "base/ui_pixels.h"
#include "core/loader_fixture.h"
#include "society/villager_beside.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "game/turnloop.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "items/invlist.h"
#include "items/inventory.h"
#include "items/invsel.h"
#include "items/items.h"
#include "maps/mapunit.h"
#include "society/chat.h"
#include "society/chat_topics.h"
#include "society/trade.h"
#include "society/village.h"

namespace {

// The units and weight of one side's goods: so many slots of objects and counts.
struct Side {
    long count = 0;
    double weight = 0.0;
};
template <typename Count> Side side(const int32_t *objs, const Count *counts, int slots) {
    Side s;
    for (int i = 0; i < slots; i++)
        if (objs[i] > 0 && counts[i] > 0) {
            s.count += counts[i];
            s.weight += esinepaino(ObjToItem(objs[i])) * counts[i];
        }
    return s;
}
Side aino_side() { return side(Plr.inv_obj, Plr.inv_count, PLR_SLOTS); }
Side person_side(int n) { return side(Cre[n].pack, Cre[n].packcount, CRE_PACK); }

// What the talk screen wrote, word by word, as one text.
std::string written;
void (*screen_line)(int, int, const char *, UiColour, int);
void record_line(int x, int y, const char *text, UiColour colour, int style) {
    written += text;
    written += ' ';
    if (screen_line) screen_line(x, y, text, colour, style);
}

// The letter of the row holding `pos` in the list the item chooser shows of an owner's goods.
char chooser_letter(int owner, int pos, unsigned options) {
    InvGet_character(owner, options);
    doInvList(0, options);
    for (int i = 0; i < INVDATA_MAX && i < 52; i++)
        if (InvData[i].pos == pos) return NAPPAIN[i];
    return 0;
}

int plr_slot_of(int pos) {
    for (int i = 0; i < PLR_SLOTS; i++)
        if (Plr.inv_obj[i] == pos) return i;
    return -1;
}

class TradePlayed : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        screen_line = ui_pixels.text_line;
        ui_pixels.text_line = record_line;
        written.clear();
    }
    void TearDown() override {
        ui_pixels.text_line = screen_line;
        PlayingTest::TearDown();
    }
    // Everything else that lives stays two squares or more away from her: the talk's picker takes
    // the nearest.
    static void others_away(int n) {
        for (int i = 0; i < DATA_MAX; i++) {
            if (Data[i].type != DT_CREATURE || Data[i].id == (uint32_t)(CRE_DATAID + n)) continue;
            if (std::abs(Data[i].x - PlayerX) > 2 || std::abs(Data[i].y - PlayerY) > 2) continue;
            Data[i].x = (uint16_t)(PlayerX + 12);
            Data[i].y = (uint16_t)(PlayerY + 12);
            const int c = (int)Data[i].id - CRE_DATAID;
            if (c >= 0 && c < CRE_COUNT) {
                Cre[c].Viimeisin_X = Data[i].x;
                Cre[c].Viimeisin_Y = Data[i].y;
            }
        }
    }
    // The person keeps no more than `most` stacks of his own things (a villager is made with his
    // role's tools, weapons and food): the rest are put out of the game.
    static void keep_own(int n, int most) {
        for (int s = 0; s < CRE_PACK; s++) {
            if (Cre[n].pack[s] == 0) continue;
            if (most > 0) {
                most--;
                continue;
            }
            Cre[n].pack[s] = 0;
            Cre[n].packcount[s] = 0;
            Cre[n].packbits[s] = 0;
        }
    }
    // A stack the person has for sale, in a free slot of his pack.
    static void for_sale(int n, int obj, int count) {
        for (int s = 0; s < CRE_PACK; s++)
            if (Cre[n].pack[s] == 0) {
                Cre[n].pack[s] = obj;
                Cre[n].packcount[s] = (uint8_t)count;
                Cre[n].packbits[s] = 2;
                return;
            }
    }
    static int held_by(int n, int obj) {
        for (int s = 0; s < CRE_PACK; s++)
            if (Cre[n].pack[s] == obj) return Cre[n].packcount[s];
        return 0;
    }

};

}  // namespace

TEST_F(TradePlayed, SheBartersAStackAndLeavesASecondTradeWithEsc) {
    if (!payed_vs_asked_txt(95.0f, 100.0f)[0]) GTEST_SKIP() << "the valuation of offered goods is not built yet";
    const int soc = walk_into_her_village();
    ASSERT_GT(soc, 0);
    const int n = oxatest::villager_beside_her(soc);
    ASSERT_GE(n, 0) << "her village has people";
    others_away(n);
    // Two of his own things and two stacks for sale: fewer than five stocked, so only the goods
    // for sale may change hands.
    keep_own(n, 2);
    int own = 0;
    for (int s = 0; s < CRE_PACK; s++) own += Cre[n].pack[s] != 0;
    const int bread = object("Flat rye bread", 1), cord = object("Cord", 1);
    ASSERT_GT(bread, 0);
    ASSERT_GT(cord, 0);
    for_sale(n, bread, 4);
    for_sale(n, cord, 3);
    const int salt = Plr.inv_obj[3], pike = Plr.inv_obj[1];
    ASSERT_STREQ(ObjToItem(salt).name, "Salt");
    ASSERT_STREQ(ObjToItem(pike).name, "Pike");

    // The first talk: his bread for her salt, the deal struck.
    const Side her0 = aino_side(), his0 = person_side(n);
    int stocked = 0;
    bool was_for_sale[CRE_PACK] = {};
    for (int s = 0; s < CRE_PACK; s++) {
        stocked += Cre[n].pack[s] != 0;
        was_for_sale[s] = Cre[n].pack[s] != 0 && Cre[n].packbits[s] == 2;
        npcitemtradable[s] = Cre[n].packbits[s] == 2;   // fewer than five stocked: only his goods for sale
    }
    ASSERT_EQ(stocked, own + 2);
    ASSERT_LT(stocked, 5);
    const char bread_key = chooser_letter(n, bread, SEL_TRADABLE), salt_key = chooser_letter(-1, salt, 0);
    ASSERT_TRUE(bread_key && salt_key);
    {
        oxatest::KeyFeeder typing;
        typing.key((SDL_Keycode)'C', KMOD_SHIFT).key(SDLK_RETURN);   // talk to the person beside her
        typing.key(SDLK_t);                                          // "T.Trade items"
        typing.key(SDLK_1);                                          // "Let's see what I can trade from you."
        typing.key((SDL_Keycode)bread_key).key(SDLK_RETURN).key(SDLK_SPACE);   // all his bread
        typing.key(SDLK_1);                                          // "Offer an item"
        typing.key((SDL_Keycode)salt_key).key(SDLK_SPACE);           // her salt
        typing.key(SDLK_1);                                          // "Ok. It's a deal."
        typing.key(SDLK_SPACE);                                      // the goods change owners
        typing.key(SDLK_ESCAPE);                                     // out of the chat modes
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    ASSERT_EQ(Chatting_With, n);
    EXPECT_NE(written.find("You are bargaining about"), std::string::npos) << "the trade panel was drawn";
    EXPECT_EQ(held_by(n, bread), 0) << written;
    EXPECT_EQ(held_by(n, salt), 1);
    EXPECT_EQ(plr_slot_of(salt), -1);
    int her_bread = 0;
    for (int i = 0; i < PLR_SLOTS; i++)
        if (Plr.inv_obj[i] > 0 && !strcmp(ObjToItem(Plr.inv_obj[i]).name, "Flat rye bread")) her_bread += Plr.inv_count[i];
    EXPECT_EQ(her_bread, 4);
    const Side her1 = aino_side(), his1 = person_side(n);
    EXPECT_EQ(her1.count + his1.count, her0.count + his0.count);
    EXPECT_NEAR(her1.weight + his1.weight, her0.weight + his0.weight, 1e-3);
    EXPECT_EQ(her1.count, her0.count + 4 - 1);
    for (int s = 0; s < CRE_PACK; s++)   // the talk marked his goods for sale only
        EXPECT_EQ(npcitemtradable[s] != 0, was_for_sale[s]) << "slot " << s;

    // The second talk: his cord asked for, her pike offered, and ESC: the pike is hers again.
    written.clear();
    const char pike_key = chooser_letter(-1, pike, 0);
    ASSERT_TRUE(pike_key);
    ASSERT_EQ(chooser_letter(n, cord, SEL_TRADABLE), 'a') << "the cord is the only goods left for sale";
    {
        oxatest::KeyFeeder typing;
        typing.key((SDL_Keycode)'C', KMOD_SHIFT).key(SDLK_RETURN);
        typing.key(SDLK_t);
        typing.key(SDLK_1);
        typing.key(SDLK_a).key(SDLK_RETURN);                         // the cord, the only goods left
        typing.key(SDLK_1);
        typing.key((SDL_Keycode)pike_key).key(SDLK_SPACE);
        typing.key(SDLK_ESCAPE);                                     // "Goodbye"
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    EXPECT_NE(written.find("your pike"), std::string::npos) << "the pike was on offer: " << written;
    EXPECT_EQ(EXIT_CHAT, 1);
    EXPECT_EQ(held_by(n, cord), 3);
    EXPECT_GE(plr_slot_of(pike), 0);
    for (int i = 0; i < TRADE_SLOTS; i++) EXPECT_EQ(Trade_ItemList[i], 0);
    const Side her2 = aino_side(), his2 = person_side(n);
    EXPECT_EQ(her2.count, her1.count);
    EXPECT_EQ(his2.count, his1.count);
    EXPECT_NEAR(her2.weight, her1.weight, 1e-3);
    EXPECT_NEAR(his2.weight, his1.weight, 1e-3);
}
