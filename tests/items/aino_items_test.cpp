// The ready-made character handles her things through the turn loop, keys typed one at a time:
// she drops her bread and picks it up again, takes off her shirt and puts it on again, wields her
// knife, picks part of the arrows and all the stones from the square beside her and examines her
// knife. What she
// carries and what lies on the ground afterwards match the expected dump.
#include "core/loader_fixture.h"

#include "core/datafunc.h"
#include "core/maintenance.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "core/tekstit.h"
#include "game/turnloop.h"
#include "items/invlist.h"
#include "items/row_letters.h"
#include "items/inventory.h"
#include "activities/itemcmd.h"
#include "items/items.h"
#include "items/materials.h"
#include "presentation/input_feeder.h"
#include "presentation/listwidget.h"
#include "presentation/notes.h"

#include <fstream>
#include <vector>
#include <sstream>

namespace {

using oxatest::carried_letter;
using oxatest::ground_letter;
using oxatest::item_name_of;

class AinoItems : public oxatest::PlayingTest {
protected:
    // One command through the turn loop, with the answers to its questions typed after it. Capital
    // letters are typed as text (a shifted key); a key with `shift_last` holds Shift on the last key.
    static void command(std::initializer_list<int> ks, bool shift_last = false) {
        oxatest::KeyFeeder typing;
        size_t i = 0;
        for (int k : ks) {
            ++i;
            if (k >= 'A' && k <= 'Z') {
                const char t[2] = {(char)k, 0};
                typing.text(t);
            } else {
                typing.key((SDL_Keycode)k, shift_last && i == ks.size() ? KMOD_LSHIFT : 0);
            }
        }
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    static std::string name_of(int pos) { return item_name_of(pos); }
    static SDL_Keycode letter(const char *name, unsigned filter = 0) { return carried_letter(name, filter); }
    static std::string carried() {
        std::string out;
        for (int s = 0; s < PLR_SLOTS; s++) {
            if (!Plr.inv_obj[s]) continue;
            const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
            out += name_of(Plr.inv_obj[s]) + " x" + std::to_string(Plr.inv_count[s]);
            if (it.status & ISTAT_WORN) out += " worn";
            if (it.status & ISTAT_PRIMARY) out += " 1st";
            if (it.status & ISTAT_SECOND) out += " 2nd";
            out += "\n";
        }
        return out;
    }
    static std::string ground(int x, int y) {
        std::string out;
        for (int i = 0; i < DATA_MAX; i++) {
            const DataStruct &d = Data[i];
            if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
            out += name_of((int)d.id) + " x" + std::to_string(d.count) + "\n";
        }
        return out;
    }
};

TEST_F(AinoItems, ADayOfHandlingHerThings) {
    oxatest::down_to_her_field();
    const int x = PlayerX, y = PlayerY;
    ASSERT_EQ(ground(x, y), "");
    ASSERT_EQ(ground(x + 1, y), "Stone x3\nArrow x5\n");
    const int before = (int)Plr.minutes * 60 + Juoksevat_sekuntit;

    command({SDLK_d, letter("Rye bread"), SDLK_SPACE});
    EXPECT_EQ(ground(x, y), "Rye bread x1\n") << notes();
    command({SDLK_g});   // the only thing there: taken at once
    EXPECT_EQ(ground(x, y), "") << notes();

    const int undressed_at = (int)Plr.minutes * 60 + Juoksevat_sekuntit;
    command({'T', letter("Linen shirt"), SDLK_SPACE});
    command({'W', letter("Linen shirt"), SDLK_SPACE});
    EXPECT_GE((int)Plr.minutes * 60 + Juoksevat_sekuntit - undressed_at, 20) << "undressing and dressing took their time";
    command({SDLK_w, letter("Knife", invmask(IT_WEAPON, IT_TOOL))});
    // Arrows and stones beside her: part of the arrows, Enter at the count takes all the stones.
    command({'G', SDLK_RIGHT, ground_letter(x + 1, y, "Arrow"), SDLK_3, ground_letter(x + 1, y, "Stone"), SDLK_RETURN,
             SDLK_SPACE});
    EXPECT_NE(notes().find("You pick up 3 arrows."), std::string::npos) << notes();
    command({SDLK_i, letter("Knife"), SDLK_SPACE, SDLK_ESCAPE});

    EXPECT_EQ(carried(),
              "Pike x1\n"
              "elk cut x1\n"
              "Salt x1\n"
              "Water x1\n"
              "Knife x1 1st\n"
              "Linen shirt x1 worn\n"
              "Woollen trousers x1 worn\n"
              "Leather shoes x1 worn\n"
              "Bag x1\n"
              "Torch x1\n"
              "Birch-bark strip x6\n"
              "Branch x5\n"
              "Pot x1\n"
              "Perch x1\n"
              "Roach x1\n"
              "Rye bread x1\n"
              "Stone x3\n"
              "Arrow x3\n")
        << notes();
    EXPECT_EQ(ground(x, y), "");
    EXPECT_EQ(ground(x + 1, y), "Arrow x2\n");
    EXPECT_GT((int)Plr.minutes * 60 + Juoksevat_sekuntit, before);
    EXPECT_NE(notes().find("is used with the skill"), std::string::npos) << notes();
}

// Examining her shirt opens its coverage on the body picture, where the kinds of attack are chosen;
// the page she left is back afterwards.
// Thirty stacks of bread besides her own food: a menu shows 25 entries, so the eat key pages on with
// "+" and the last stack of her pack can be eaten too.
TEST_F(AinoItems, SheEatsHerLastStackOfFoodPastTheFirstPageOfTheMenu) {
    const int bread = definition_by_name("Rye bread");
    ASSERT_GT(bread, 0);
    for (int i = 0; i < 30; i++) {   // each of its own weight, so that none joins another
        ItemStruct it = ConstantObj[bread];
        it.weight = it.fullweight = 0.2f + 0.01f * (float)i;
        ASSERT_GE(Lisaa_Inventoryyn(Esineesta_Uniikki(it), 1, 0, -1), 0);
    }
    std::vector<int> food;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == IT_FOOD) food.push_back(s);
    ASSERT_GE(food.size(), 30u);
    const int k = (int)food.size() - 1, pos = Plr.inv_obj[food.back()];
    const float weight = ObjToItem(pos).weight;
    Plr.stomach = 0;
    std::vector<int> keys = {SDLK_e};
    for (int page = 0; page < k / 24; page++) keys.push_back(SDLK_PLUS);
    keys.push_back(SDLK_a + k % 24);
    keys.push_back(SDLK_ESCAPE);   // no more
    oxatest::KeyFeeder typing;
    typing.at_waits();   // the Esc for the menu shown again, not for the meal's minute
    for (int key : keys) typing.key((SDL_Keycode)key, 0);
    int r;
    typing.typed([&] { return turn_pass(&r); });
    bool whole = false;
    for (int s = 0; s < PLR_SLOTS; s++) whole |= Plr.inv_obj[s] == pos && ObjToItem(pos).weight == weight;
    EXPECT_FALSE(whole) << "her last stack is eaten from: " << notes();
}

TEST_F(AinoItems, ExaminingHerShirtShowsItsCoverage) {
    int shirt = -1;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && name_of(Plr.inv_obj[s]) == "Linen shirt") shirt = s;
    ASSERT_GE(shirt, 0);
    const std::string before = notes();
    oxatest::KeyFeeder typing;
    typing.text("B").key(SDLK_ESCAPE);
    typing.typed([&] {
        Inventory(shirt);
        return 0;
    });
    for (int kind : {'B', 'P', 'S', 'E', 'T', 'W', 'A'})
        EXPECT_GE(LIST_PosOfKey(kind), 0) << "the coverage screen lists the kinds of attack: " << (char)kind;
    EXPECT_EQ(notes().substr(before.size()).find("Only weapons"), std::string::npos) << notes();
}

// Her dog beside her carries a loaf: 'G' towards it unpacks the dog, and the loaf comes to her pack.
TEST_F(AinoItems, PickingFromTheDogBesideHerUnpacksIt) {
    dir->copy_asset("messages/eng_unpack.txt");
    MSG_forget_index();
    int dog = -1;
    for (int c = 0; c < CRE_COUNT && dog < 0; c++)
        if (Cre[c].kind == CK_NONE) dog = c;
    ASSERT_GE(dog, 0);
    Luo_Olento(618);
    Cre[dog] = Creature;
    Cre[dog].owner = CRE_PLAYER;
    int bread = 0;
    for (int s = 0; s < PLR_SLOTS && !bread; s++)
        if (Plr.inv_obj[s] && name_of(Plr.inv_obj[s]) == "Rye bread") bread = Plr.inv_obj[s];
    ASSERT_NE(bread, 0);
    Cre[dog].pack[0] = bread;
    Cre[dog].packcount[0] = 2;
    int rec = -1;
    for (int i = 0; i < DATA_MAX && rec < 0; i++)
        if (Data[i].type == DT_UNUSED) rec = i;
    ASSERT_GE(rec, 0);
    Data[rec] = DataStruct{};
    Data[rec].type = DT_CREATURE;
    Data[rec].id = (uint32_t)(CRE_DATAID + dog);
    Data[rec].x = (uint16_t)PlayerX;
    Data[rec].y = (uint16_t)(PlayerY + 1);
    const std::string before = carried();
    command({'G', SDLK_DOWN, SDLK_a, SDLK_RETURN, SDLK_RETURN, SDLK_SPACE});
    EXPECT_EQ(Cre[dog].pack[0], 0) << notes();
    EXPECT_NE(notes().find("You open the load"), std::string::npos) << notes();
    EXPECT_NE(notes().find("You pick up"), std::string::npos) << notes();
    EXPECT_NE(carried(), before);
    ClearDATA(rec);
    memset(&Cre[dog], 0, sizeof Cre[dog]);
}

// A companion's load too heavy for her: she is asked once, and yes puts it on her own square.
TEST_F(AinoItems, WhatSheCannotCarryFromACompanionGoesToTheGround) {
    int friend_slot = -1;
    for (int c = 0; c < CRE_COUNT && friend_slot < 0; c++)
        if (Cre[c].kind == CK_NONE) friend_slot = c;
    ASSERT_GE(friend_slot, 0);
    CreatureStruct &f = Cre[friend_slot];
    memset(&f, 0, sizeof f);
    f.kind = CK_HUMAN;
    f.weight = 70.0f;
    f.partyflags |= 256;               // her companion
    ItemStruct rock = ObjToItem(Plr.inv_obj[0]);
    SET_ITEM_TEXT(rock.name, "Millstone");
    rock.type = IT_TIMBER;
    rock.weight = rock.fullweight = 900.0f;
    f.pack[0] = Esineesta_Uniikki(rock);
    f.packcount[0] = 1;
    int rec = -1;
    for (int i = 0; i < DATA_MAX && rec < 0; i++)
        if (Data[i].type == DT_UNUSED) rec = i;
    ASSERT_GE(rec, 0);
    Data[rec] = DataStruct{};
    Data[rec].type = DT_CREATURE;
    Data[rec].id = (uint32_t)(CRE_DATAID + friend_slot);
    Data[rec].x = (uint16_t)PlayerX;
    Data[rec].y = (uint16_t)(PlayerY + 1);
    command({'G', SDLK_DOWN, SDLK_a, SDLK_RETURN, SDLK_y, SDLK_SPACE});
    EXPECT_EQ(f.pack[0], 0) << notes();
    EXPECT_EQ(ground(PlayerX, PlayerY), "Millstone x1\n") << notes();
    ClearDATA(rec);
    memset(&f, 0, sizeof f);
}

}  // namespace
