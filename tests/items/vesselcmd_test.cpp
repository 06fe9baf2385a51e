// Filling, pouring and emptying vessels and the sauna steam: an owned jug stays owned when filled,
// milk only from a tame female in her season, pouring moves exactly what fits and no command makes
// or loses weight, a full pot and unlike stuff are refused, and the steam of a warm stove.
#include "items/invsel_fixture.h"

#include "creatures/lifeask.h"
#include "activities/vesselcmd.h"
#include "core/plrfield.h"
#include "maps/maps.h"
#include "maps/worldsearch.h"

namespace {

using oxatest::InvTest;

class VesselCommands : public InvTest {
protected:
    void SetUp() override {
        InvTest::SetUp();
        dir->copy_asset("messages/eng_vessels.txt");
        MSG_forget_index();
    }
    static ItemStruct vessel(const char *name, float capacity, unsigned id = 351) {
        ItemStruct v = thing(IT_CONTAINER, name, 0.0f, id);
        v.fullweight = capacity;
        return v;
    }
    // Stuff standing in a vessel: the vessel item is stored first, the stuff names it.
    static ItemStruct in_vessel(ItemStruct stuff, const ItemStruct &v, float weight) {
        stuff.vessel = (uint32_t)Esineesta_Uniikki(v);
        stuff.weight = weight;
        stuff.fullweight = v.fullweight;
        return stuff;
    }
    static float carried_weight() {
        float w = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s]) w += ObjToItem(Plr.inv_obj[s]).weight * (float)Plr.inv_count[s];
        return w;
    }
    static const ItemStruct &slot_item(int s) { return PlayerObj[Plr.inv_obj[s] - OBJ_PLAYER_FIRST]; }
    static int slot_named(const char *name) {
        for (int s = 0; s < PLR_SLOTS; s++) {
            char n[41];
            if (Plr.inv_obj[s] && std::string(item_name(ObjToItem(Plr.inv_obj[s]), n)) == name) return s;
        }
        return -1;
    }
    void lake_ahead() {
        int x = 0, y = 0;
        getaheadxy(-1, &x, &y);
        maailma[mapidx(x, y)] = CH_DEEP_WATER;
    }
};

TEST_F(VesselCommands, AnOwnedJugFilledAtTheLakeKeepsItsOwnerAndItsDebt) {
    ItemStruct jug = vessel("Jug", 4.0f);
    jug.ownersoc = 42;
    jug.ownerflags = OWN_UNPAID;
    const int slot = give(jug);
    lake_ahead();
    fillCmd(slot);
    const ItemStruct &filled = slot_item(slot);
    EXPECT_EQ(filled.id, (unsigned)OID_WATER) << notes();
    EXPECT_FLOAT_EQ(filled.weight, 4.0f);
    EXPECT_EQ(filled.ownersoc, 42u);
    EXPECT_EQ(filled.ownerflags, OWN_UNPAID);
    EXPECT_EQ(TurnUsed, 1);
    EXPECT_TRUE(noted("fill")) << notes();
}

TEST_F(VesselCommands, MilkComesOnlyFromATameFemaleInHerSeasonOnceADay) {
    const int slot = give(vessel("Wooden cup", 3.0f));
    const struct { int species, month; uint8_t sexage; int role; const char *note; } cases[] = {
        {619, 11, 0, 9, "no milk at this time of the year"},   // reindeer in the dead month
        {616, 9, 0, 9, "no milk at this time of the year"},    // sheep in the autumn month
        {609, 6, 1, 9, "can't be milked"},                     // a bull
        {620, 6, 0, 9, "can't be milked"},
        {609, 6, 0, 0, "won't let a stranger milk it"},
    };
    for (const auto &c : cases) {
        memset(&Cre[6], 0, sizeof Cre[6]);
        creature(306, 6, PlayerX, PlayerY - 1);
        Cre[6].kind = 3;
        Cre[6].speciescode = (uint32_t)c.species;
        Cre[6].sexage = c.sexage;
        Cre[6].role = (uint8_t)c.role;
        Plr.month = (uint8_t)c.month;
        oxatest::push_key(SDLK_UP);
        fillCmd(slot);
        EXPECT_TRUE(noted(c.note)) << c.species << " " << notes();
        EXPECT_EQ(slot_item(slot).id, 351u) << "the cup stays empty";
    }
    // A cow in summer gives milk once; the next try the same day is refused.
    Plr.month = 6;
    Cre[6].speciescode = 609;
    Cre[6].role = 9;
    INSTANT_TASKS = 1;
    oxatest::push_key(SDLK_UP);
    fillCmd(slot);
    EXPECT_EQ(slot_item(slot).id, (unsigned)OID_MILK) << notes();
    EXPECT_GE(slot_item(slot).weight, 2.0f);
    EXPECT_LE(slot_item(slot).weight, 3.0f);
    oxatest::push_key(SDLK_UP);
    fillCmd(slot);
    EXPECT_TRUE(noted("has been milked today already")) << notes();
    INSTANT_TASKS = 0;
}

TEST_F(VesselCommands, MilkIsNotMilkedIntoWaterThatWouldBePouredAway) {
    const int slot = give(in_vessel(thing(IT_CONTAINER, "Water", 0, OID_WATER), vessel("Wooden cup", 3.0f), 1.5f));
    creature(306, 6, PlayerX, PlayerY - 1);
    Cre[6].kind = 3;
    Cre[6].speciescode = 609;
    Cre[6].role = 9;
    Plr.month = 6;
    oxatest::push_key(SDLK_UP);
    fillCmd(slot);
    EXPECT_TRUE(noted("can't store different kinds of stuff")) << notes();
    EXPECT_EQ(slot_item(slot).id, (unsigned)OID_WATER);
    EXPECT_FLOAT_EQ(slot_item(slot).weight, 1.5f) << "the water is kept";
}

TEST_F(VesselCommands, PouringMovesWhatFitsAndTheRestStaysInTheSource) {
    const ItemStruct cup = vessel("Wooden cup", 3.0f);
    give(in_vessel(thing(IT_CONTAINER, "Water", 0, OID_WATER), cup, 3.0f));
    const int pot = give(in_vessel(thing(IT_CONTAINER, "Water", 0, OID_WATER), vessel("Pot", 5.0f, 331), 4.0f));
    const float before = carried_weight();
    oxatest::push_key(SDLK_a);   // the cup of water, then the pot
    Kaada_Astiaan(pot);
    (void)pot;
    EXPECT_NEAR(carried_weight(), before, 0.001f) << notes();
    float pot_water = 0, cup_water = 0;
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (!Plr.inv_obj[s]) continue;
        const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (it.fullweight == 5.0f) pot_water = it.weight;
        if (it.fullweight == 3.0f) cup_water = it.weight;
    }
    EXPECT_FLOAT_EQ(pot_water, 5.0f) << "exactly the free space went over";
    EXPECT_FLOAT_EQ(cup_water, 2.0f);
    EXPECT_TRUE(noted("You've got a full")) << notes();
}

TEST_F(VesselCommands, PiecesGoInWholeUntilTheSpaceIsFilledAndTheRestStays) {
    const int berries = give(thing(IT_FOOD, "Lingonberries", 0.3f, OID_BERRY), 10);
    (void)berries;
    const int basket = give(vessel("Birch-bark basket", 1.0f, 353));
    const float before = carried_weight();
    oxatest::push_key(SDLK_b);   // the berries: the basket is listed first
    Kaada_Astiaan(basket);
    EXPECT_NEAR(carried_weight(), before + 0.0f, 0.001f) << notes();
    const int left = slot_named("Lingonberries");
    ASSERT_GE(left, 0);
    int loose = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).vessel == 0 && ObjToItem(Plr.inv_obj[s]).id == OID_BERRY)
            loose += Plr.inv_count[s];
    EXPECT_EQ(loose, 6) << "berries go in until 1.0 is filled: the fourth tops it";
}

TEST_F(VesselCommands, AFullPotAndUnlikeStuffAreRefusedAndNothingChanges) {
    const int cup = give(in_vessel(thing(IT_CONTAINER, "Water", 0, OID_WATER), vessel("Wooden cup", 3.0f), 1.0f));
    const int pot = give(in_vessel(thing(IT_CONTAINER, "Water", 0, OID_WATER), vessel("Pot", 5.0f, 331), 5.0f));
    (void)cup;
    const PlayerStruct before = Plr;
    oxatest::push_key(SDLK_a);
    Kaada_Astiaan(pot);
    EXPECT_TRUE(noted("is completely full!")) << notes();
    EXPECT_EQ(memcmp(&before, &Plr, sizeof Plr), 0);

    const ItemStruct basket = vessel("Birch-bark basket", 2.0f, 353);
    const int mushrooms = give(in_vessel(thing(IT_FOOD, "Mushrooms", 0, OID_MUSHROOM), basket, 0.5f));
    give(thing(IT_FOOD, "Lingonberries", 0.3f, OID_BERRY), 4);
    const PlayerStruct before2 = Plr;
    oxatest::push_key(SDLK_b);
    Kaada_Astiaan(mushrooms);
    EXPECT_TRUE(noted("can't store different kinds of stuff")) << notes();
    EXPECT_EQ(memcmp(&before2, &Plr, sizeof Plr), 0);
}

TEST_F(VesselCommands, EmptyingLosesExactlyTheContentsAndGivesTheVesselBack) {
    ItemStruct cup = vessel("Wooden cup", 3.0f);
    cup.ownersoc = 42;
    cup.ownerflags = OWN_UNPAID;
    ItemStruct water = in_vessel(thing(IT_CONTAINER, "Water", 0, OID_WATER), cup, 2.5f);
    water.ownersoc = 42;
    water.ownerflags = OWN_UNPAID;
    const int slot = give(water, 2);
    const float before = carried_weight();
    Tyhjenna_InventoryAstia(slot);
    EXPECT_NEAR(carried_weight(), before - 2.5f, 0.001f) << notes();
    const int empty = slot_named("Wooden cup");
    ASSERT_GE(empty, 0) << notes();
    EXPECT_EQ(Plr.inv_count[empty], 1);
    EXPECT_EQ(slot_item(empty).ownersoc, 42u) << "the cup stays the village's";
    Tyhjenna_InventoryAstia(empty);
    EXPECT_TRUE(noted("is empty!")) << notes();
}

TEST_F(VesselCommands, SteamOnAWarmStoveRaisesTheBodyTemperature) {
    const int slot = give(in_vessel(thing(IT_CONTAINER, "Water", 0, OID_WATER), vessel("Sauna scoop", 1.0f, 81), 1.0f));
    scoop(slot);
    EXPECT_TRUE(noted("no heated sauna stove")) << notes();
    // A stove beside her whose fire has burnt 135 minutes: heat 45, mild steam.
    const int sx = PlayerX + 1, sy = PlayerY;
    maailma[mapidx(sx, sy)] = 5;
    Plr.minutes = 10000;
    Data[40].type = DT_FIRE;
    Data[40].x = (uint16_t)sx;
    Data[40].y = (uint16_t)sy;
    Data[40].count = 1;
    Data[40].spent_minutes = Plr.minutes - 135;
    Data[40].ready_minute = Plr.minutes + 300;
    Plr.body_temperature = 37.0f;
    const int32_t contacts = Plr.spirit_contacts, steams = plr_get<int32_t>(PLR_SAUNA_COUNTER);
    scoop(slot);
    EXPECT_TRUE(noted("Mild steam")) << notes();
    EXPECT_EQ(plr_get<int32_t>(PLR_SAUNA_COUNTER), steams + 40);
    EXPECT_EQ(Plr.spirit_contacts, contacts) << "steam is no contact with the spirits";
    EXPECT_NEAR(Plr.body_temperature, 38.5f, 0.3f);
    EXPECT_NEAR(slot_item(slot).weight, 0.75f, 0.001f) << "a quarter pound of water thrown";
}

}  // namespace
