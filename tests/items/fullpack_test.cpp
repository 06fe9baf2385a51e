// A full pack (91 stacks or more) takes back what a command gave out of it: the cup emptied, the pot
// poured into, the two pieces of a cut cord, a joined cord, and the pot a material line emptied, which
// the line takes rather than the stack that moved into its slot.
#include "items/invsel_fixture.h"

#include "activities/mending.h"
#include "activities/vesselcmd.h"
#include "items/items.h"
#include "items/matching.h"
#include "items/materials.h"

#include <functional>

namespace {

using oxatest::InvTest;

class FullPack : public InvTest {
protected:
    void SetUp() override {
        InvTest::SetUp();
        dir->copy_asset("messages/eng_vessels.txt");
        MSG_forget_index();
    }
    static ItemStruct vessel(const char *name, unsigned id) {
        ItemStruct v = thing(IT_CONTAINER, name, 0.0f, id);
        v.fullweight = 3.0f;
        return v;
    }
    static ItemStruct water_in(const ItemStruct &v) {
        ItemStruct w = thing(IT_CONTAINER, "Water", 1.0f, OID_WATER);
        w.vessel = (uint32_t)Esineesta_Uniikki(v);
        w.fullweight = v.fullweight;
        return w;
    }
    static ItemStruct cord(int feet) {
        ItemStruct c = thing(IT_TOOL, "Cord", 0.1f * (float)feet, OID_CORD);
        c.subtype = ST_ROPE;
        set_Item_pituus(feet, c);
        set_Item_maxpituus(feet, c);
        return c;
    }
    // Pebbles of their own, one stack each, until the pack holds `stacks`.
    static void fill_to(int stacks) {
        for (int n = 0; stacks_carried() < stacks; n++) {
            char name[20];
            snprintf(name, sizeof name, "Pebble %d", n);
            give(thing(IT_TIMBER, name, 0.1f));
        }
    }
    static int stacks_carried() {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++) n += Plr.inv_obj[s] != 0;
        return n;
    }
    static int carried_named(const char *name, int feet = -1) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++) {
            char own[41];
            if (!Plr.inv_obj[s] || strcmp(item_name(ObjToItem(Plr.inv_obj[s]), own), name) != 0) continue;
            if (feet < 0 || get_Item_pituus(ObjToItem(Plr.inv_obj[s])) == feet) n += Plr.inv_count[s];
        }
        return n;
    }
};

TEST_F(FullPack, WhatACommandPutsBackStaysCarried) {
    struct Row {
        const char *what;
        int stacks;
        std::function<void()> give_things, command;
        std::function<bool()> carried;
    } rows[] = {
        {"a cup emptied", 95, [] { give(water_in(vessel("Wooden cup", 351))); },
         [] { Tyhjenna_InventoryAstia(0); }, [] { return carried_named("Wooden cup") == 1; }},
        {"a pot poured into", 95,
         [] {
             give(water_in(vessel("Wooden cup", 351)));
             give(vessel("Pot", OID_POT));
         },
         [] {
             oxatest::push_key(SDLK_a);
             Kaada_Astiaan(1);
         },
         [] {
             for (int s = 0; s < PLR_SLOTS; s++)
                 if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).id == (uint32_t)OID_WATER &&
                     !strcmp(ObjToItem((int)ObjToItem(Plr.inv_obj[s]).vessel).name, "Pot"))
                     return true;
             return false;
         }},
        {"a cord cut in two", 95, [] { give(cord(10)); },
         [] {
             oxatest::push_key(SDLK_a);
             oxatest::push_key(SDLK_4);
             oxatest::push_key(SDLK_RETURN);
             TYING_shorten();
         },
         [] { return carried_named("Cord", 4) == 1 && carried_named("Cord", 6) == 1; }},
        {"two cords joined", 95, [] { give(cord(8), 2); },
         [] {
             oxatest::push_key(SDLK_a);
             oxatest::push_key(SDLK_a);
             TYING_join();
         },
         [] { return carried_named("Cord", 16) == 1; }},
    };
    INSTANT_TASKS = 1;
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        memset(Data, 0, sizeof Data);
        r.give_things();
        fill_to(r.stacks);
        const size_t told = notes().size();
        r.command();
        EXPECT_TRUE(r.carried()) << notes().substr(told);
        EXPECT_EQ(ground(PlayerX, PlayerY), "");
        EXPECT_EQ(notes().find("You carry too much!", told), std::string::npos);
    }
    INSTANT_TASKS = 0;
}

// The pot of a pot line is emptied, and the line takes the pot wherever it came back to: into its slot,
// or with every slot behind it taken, into the first free one.
TEST_F(FullPack, APotLineTakesTheEmptiedPotNotTheNextStack) {
    for (int stacks : {95, 100}) {
        SCOPED_TRACE(stacks);
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        memset(Data, 0, sizeof Data);
        give(water_in(vessel("Pot", OID_POT)));
        fill_to(stacks);
        const int pebble = Plr.inv_obj[1];
        Tyhjaa_Tarvikelista();
        Tyhjaa_Tarvike();
        Tarvike.id = OID_POT;
        Tarvike.count = Tarvike.first_count = 1;
        Lisaa_Tarvike();
        oxatest::push_key(SDLK_SPACE);
        ASSERT_NE(Kay_Tarvikelista("Test"), 0) << notes();
        EXPECT_STREQ(ObjToItem((int)Kayttolista[0].itempos).name, "Pot");
        EXPECT_EQ(ground(PlayerX, PlayerY), "");
        int pebbles = 0;
        for (int s = 0; s < PLR_SLOTS; s++) pebbles += Plr.inv_obj[s] == pebble;
        EXPECT_EQ(pebbles, 1) << "the stack behind the pot is left alone";
        Palauta_Kaytetyt_Tarvikkeet();
    }
}

}  // namespace
