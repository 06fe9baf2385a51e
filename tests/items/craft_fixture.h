// tests/items/craft_fixture.h -- a running game for the crafting tests: the screen and the message
// texts of the turn tests, the whole catalogue, an empty pack and pool, the recipe files of the
// working folder, and helpers that lay things on the ground or put them in the pack.
#pragma once
#include "core/turn_fixture.h"
#include "common/pool_put.h"

#include "core/obj_func.h"
#include "core/player.h"
#include "items/inventory.h"
#include "items/itemdefs.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/quality.h"
#include "items/recipes.h"

namespace oxatest {

class CraftTest : public TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        for (const char *f : {"messages/eng_crafting.txt", "messages/eng_items.txt", "diy_utility.txt",
                              "diy_clothes.txt", "diy_lumber.txt", "diy_transport.txt", "diy_weapons.txt",
                              "diy_tying.txt", "diy_fishing.txt", "diy_traps.txt", "biy_kota.txt", "biy_building.txt",
                              "menudef_make.txt"})
            dir->copy_asset(f);
        MSG_forget_index();
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
        build_objdef_rows();
        DISABLE_MORECHECK = 1;
        Tyhjaa_Tarvikelista();
        tarvike_valinta = cancel_choice;
        fclose_TEKODATA_F();
    }
    void TearDown() override {
        tarvike_valinta = saved_choice;
        DISABLE_MORECHECK = 0;
        TurnTest::TearDown();
    }
    static int cancel_choice(int) { return -1000; }

    static int row(const char *name) { return definition_by_name(name); }
    static ItemStruct def(const char *name) {
        const int r = row(name);
        EXPECT_GT(r, 0) << name;
        return ConstantObj[r > 0 ? r : 0];
    }
    static ItemStruct graded(const char *name, int grade) {
        ItemStruct it = def(name);
        ItemSet_laatu(grade, it);
        return it;
    }
    // Into the pack as its own slot; answers the slot.
    static int carry(const ItemStruct &it, int count) {
        return Lisaa_Inventoryyn(Esineesta_Uniikki(it), count, 0, -1);
    }
    // A stack on the ground next to the player; answers its pool record.
    static int lay(const ItemStruct &it, int count, int dx = 1, int dy = 0) {
        return oxatest::pool_put(DT_ITEM, PlayerX + dx, PlayerY + dy, (uint32_t)Esineesta_Uniikki(it), count);
    }
    static void line(const char *text) {
        pura_esinetarvinta(text);
        Lisaa_Tarvike();
    }
    int (*saved_choice)(int) = tarvike_valinta;
};

}  // namespace oxatest
