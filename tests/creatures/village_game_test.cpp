// tests/creatures/village_game_test.cpp -- the ready-made character walks into her village: its
// people belong to its society, the tub in its sauna is the village's, what she picks up
// under a villager's eyes becomes a debt, and the village's people live their turns with her there.
#include "core/loader_fixture.h"

#include "game/turnloop.h"
#include "game/worldpass.h"
#include "core/vilrecord.h"
#include "creatures/predicates.h"
#include "creatures/people.h"
#include "creatures/zoomservices.h"
#include "activities/itemcmd.h"
#include "items/ownership.h"
#include "maps/marker.h"
#include "society/village.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

using oxatest::LoaderTest;

namespace {
class VillageGame : public LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        clear_zoomservices();
        ZoomRenew = 0;
    }
};
}  // namespace

TEST_F(VillageGame, HerVillagesPeopleAndGoodsBelongToItsSociety) {
    enter_her_village();
    const unsigned soc = Mapinfo_socID(IsoX(), IsoY());
    ASSERT_NE(soc, 0u) << "entering the village made its society";
    int members = 0;
    for (int c = 0; c < CRE_COUNT; c++)
        if (Cre[c].kind == CK_HUMAN && Cre[c].community == soc) members++;
    // However its households came out, a village has at least the family forced into a nearly empty one.
    EXPECT_GE(members, 3);
    EXPECT_GE(socpopulation((int)soc), 3);
    int goods = -1;
    for (int i = 0; i < DATA_MAX && goods < 0; i++)
        if (Data[i].type == DT_ITEM && Data[i].owner == SOC_OWNER) goods = i;
    ASSERT_GE(goods, 0) << "the sauna keeps the village's tub";
    EXPECT_EQ(own_datapos(goods).soc, soc);

    // she picks it up: seen or unseen, the village knows whose it is
    Data[goods].x = (uint16_t)PlayerX;
    Data[goods].y = (uint16_t)PlayerY;
    ASSERT_EQ(GetIt(goods, 1, 0), 1);
    int slot = -1;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] > 0 && ObjToItem(Plr.inv_obj[s]).ownersoc == soc) slot = s;
    ASSERT_GE(slot, 0);
    const uint8_t flags = ObjToItem(Plr.inv_obj[slot]).ownerflags;
    EXPECT_TRUE(flags & (OWN_UNPAID | OWN_TAKEN));
    EXPECT_EQ((flags & OWN_UNPAID) != 0, vildebtcount((int)soc) == 1);
    EXPECT_TRUE(GOT_PROPERTY_ofsoc((int)soc));

    // the village lives its turns around her, through the game's own creature pass
    for (int t = 0; t < 200; t++) CreatureMove();
    int placed = 0;
    for (const DataStruct &d : Data)
        if (d.type == DT_CREATURE) placed++;
    EXPECT_GT(placed, 0);
}

// A villager who dies, drowned as a carcass or lost in the deep water without one, leaves its place in
// the village's people either way.
TEST_F(VillageGame, AVillagerLostInTheWaterLeavesItsPeopleToo) {
    enter_her_village();
    const unsigned soc = Mapinfo_socID(IsoX(), IsoY());
    ASSERT_NE(soc, 0u);
    int lost = 0;
    for (int c = 0; c < CRE_COUNT && lost == 0; c++) {
        if (Cre[c].kind != CK_HUMAN || Cre[c].community != soc || !is_socmember(c)) continue;
        const int before = socpopulation((int)soc);
        Cre[c].korkeus = -100;   // diving
        KillCreature(c, 0);
        EXPECT_EQ(socpopulation((int)soc), before - 1) << c;
        if (Cre[c].kind == CK_NONE) lost++;
    }
    EXPECT_EQ(lost, 1) << "one of them was lost without a carcass";
}
