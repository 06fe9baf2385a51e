// The forest cover: a creature that lives in it is hidden at map entry and comes out when let go.
#include <gtest/gtest.h>

#include "core/loader_fixture.h"
#include "creatures/beside_her.h"
#include "creatures/crefile.h"

namespace {

class ForestCover : public oxatest::PlayingTest {};

int records_of(int type, uint32_t id) {
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++) n += Data[i].type == type && Data[i].id == id;
    return n;
}

TEST_F(ForestCover, AHiddenWolfWaitsInTheCoverUntilItIsLetOut) {
    const int n = oxatest::creature_east_of_her(611);
    const int number = SaveNewRealCreature(Cre[n]);
    ASSERT_GE(number, CRE_DATAID);
    RealCreaturePos[n] = number;
    Cre[n].socialid = (uint32_t)number;
    Cre[n].stateflags |= 0x80;
    ASSERT_TRUE(Talleta_RealCreature(Cre[n], number));
    forestcover_hide_all();
    ASSERT_EQ(records_of('u', (uint32_t)number), 1) << "hidden as a record of its own";
    EXPECT_LT(cre_datapos(n), 0);

    EXPECT_EQ(sotu_forestcover_release(0), 0);
    EXPECT_EQ(sotu_forestcover_release(4242), 0) << "nobody of that id in the cover";
    ASSERT_EQ(sotu_forestcover_release((unsigned)number), 1);
    EXPECT_EQ(records_of('u', (uint32_t)number), 0);
    const int slot = [&] {
        for (int c = 0; c < CRE_COUNT; c++)
            if (Cre[c].kind != CK_NONE && RealCreaturePos[c] == number) return c;
        return -1;
    }();
    ASSERT_GE(slot, 0);
    EXPECT_GE(cre_datapos(slot), 0) << "back on the map";
    EXPECT_EQ(Cre[slot].stateflags & 0x180u, 0x100u) << "out of the cover, marked let go";
    EXPECT_EQ(Cre[slot].domestic & 1, 1);
}

}  // namespace
