// The forest cover: a creature that lives in it is hidden at map entry and comes out when let go, also
// by spruce twigs burnt on its freshest track after its slot was given up.
#include <gtest/gtest.h>

#include "core/loader_fixture.h"
#include "creatures/beside_her.h"
#include "creatures/crefile.h"
#include "creatures/people.h"
#include "creatures/predicates.h"
#include "creatures/zoomservices.h"
#include "maps/mapunit.h"
#include "worldgen/encounter.h"
#include "activities/magic.h"
#include "core/obj_func.h"

namespace {

class ForestCover : public oxatest::PlayingTest {};

int records_of(int type, uint32_t id) {
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++) n += Data[i].type == type && Data[i].id == id;
    return n;
}

// A creature of the species east of her, kept in the creature file and hidden in the cover: its
// persistent number, or 0 when it could not be kept.
int hidden_in_cover(int species, int &n) {
    n = oxatest::creature_east_of_her(species);
    const int number = SaveNewRealCreature(Cre[n]);
    if (number < CRE_DATAID) return 0;
    RealCreaturePos[n] = number;
    Cre[n].socialid = (uint32_t)number;
    Cre[n].stateflags |= 0x80;
    if (!Talleta_RealCreature(Cre[n], number)) return 0;
    forestcover_hide_all();
    return number;
}

TEST_F(ForestCover, AHiddenWolfWaitsInTheCoverUntilItIsLetOut) {
    int n;
    const int number = hidden_in_cover(611, n);
    ASSERT_GE(number, CRE_DATAID);
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

// Once she has left the place or loaded a save, no slot holds the hidden wolf: the fire on its track
// finds it in the creature file.
TEST_F(ForestCover, SpruceTwigsBurntOnItsFreshTrackLetItOutOfTheFile) {
    int n;
    const int number = hidden_in_cover(611, n);
    ASSERT_GE(number, CRE_DATAID);
    ASSERT_EQ(records_of('u', (uint32_t)number), 1);
    memset(&Cre[n], 0, sizeof Cre[n]);   // the slot given up
    RealCreaturePos[n] = 0;
    const int x = PlayerX, y = PlayerY - 2;
    auto track = [&](int tx, int ty, uint32_t minute) {
        ASSERT_GE(set_data(DT_TRACKS, tx, ty, 611, 1), 0);
        const int r = get_datatype(DT_TRACKS, tx, ty);
        ASSERT_GE(r, 0);
        Data[r].ready_minute = (uint32_t)number;
        Data[r].spent_minutes = minute;
    };
    track(x, y, Plr.minutes);
    track(x + 3, y - 4, Plr.minutes - 20);   // its track before, in another column and row
    const int twig = object("Spruce twig", 1);
    ASSERT_GT(twig, 0);
    ASSERT_GE(set_data(DT_ITEM, x, y, twig, 3), 0);
    EXPECT_EQ(taikatarkistus_metsanpeittonuotio(x, y), 1);
    EXPECT_EQ(records_of('u', (uint32_t)number), 0) << "out of the cover";
    bool back = false;
    for (int c = 0; c < CRE_COUNT; c++)
        back |= Cre[c].kind != CK_NONE && Cre[c].socialid == (uint32_t)number && cre_datapos(c) >= 0;
    EXPECT_TRUE(back) << "on the map again";
}

// A sheep let out of the cover by the fire on its track follows her, as the sage promised, until she
// has it home; and goes along to the next map with her.
TEST_F(ForestCover, AnAnimalLetOutFollowsHer) {
    int n;
    const int number = hidden_in_cover(616, n);
    ASSERT_GE(number, CRE_DATAID);
    ASSERT_EQ(sotu_forestcover_release((unsigned)number), 1);
    int slot = -1;
    for (int c = 0; c < CRE_COUNT; c++)
        if (Cre[c].kind != CK_NONE && Cre[c].socialid == (uint32_t)number) slot = c;
    ASSERT_GE(slot, 0);
    int x, y;
    ASSERT_TRUE(creature_square(slot, x, y));
    ASSERT_GT(koordinaattien_vali(x, y, PlayerX, PlayerY), 5) << "it comes out some way off";
    EXPECT_EQ(come_along(slot, 0), 1);
    for (int t = 0; t < 80 && koordinaattien_vali(x, y, PlayerX, PlayerY) > 5; t++) {
        command({SDLK_PERIOD});
        ASSERT_TRUE(creature_square(slot, x, y));
    }
    EXPECT_LE(koordinaattien_vali(x, y, PlayerX, PlayerY), 5) << "it came to her";
    companyzoomcheck(0);
    EXPECT_NE(cre_control(slot) & CTRL_FOLLOW, 0) << "and goes along to the next map";
}

}  // namespace
