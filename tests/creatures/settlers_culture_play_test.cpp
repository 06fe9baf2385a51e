// tests/creatures/settlers_culture_play_test.cpp -- played through the turn loop: the people a village
// is settled with when she first walks down into it are of the culture of the cell she stands in,
// whatever people own the cells a few steps from it.
#include "core/loader_fixture.h"

#include "maps/kulttuuri.h"

namespace {

class SettlersCulturePlayed : public oxatest::PlayingTest {};

// A village of one of the home peoples on the last columns of its block of the culture map, so that
// cells two steps east of it belong to another block; {0, 0} when the world has none.
oxatest::WorldCell village_at_a_block_edge() {
    for (int y = 40; y < WORLD_H - 40; y++)
        for (int x = 30; x < WORLD_W - 40; x += 32)
            for (int e = x; e <= x + 1; e++) {
                const int c = get_alltime_maailmachar(e, y);
                if ((c == 239 || c == 210 || c == 211) && get_alltime_kulttuuri(e, y) <= 9) return {e, y};
            }
    return {0, 0};
}

}  // namespace

TEST_F(SettlersCulturePlayed, AVillagesPeopleAreOfItsCultureWhateverPeopleOwnTheCellsBesideIt) {
    const oxatest::WorldCell v = village_at_a_block_edge();
    ASSERT_NE(v.x, 0);
    const int culture = get_alltime_kulttuuri(v.x, v.y);
    const int other = culture == 1 ? 2 : 1;
    for (int y = v.y - 2; y <= v.y + 2; y++) set_alltime_kulttuuri(v.x + 2, y, other);
    ASSERT_EQ(get_alltime_kulttuuri(v.x, v.y), culture);

    PlayerX = v.x;
    PlayerY = v.y;
    command({SDLK_RETURN});
    command({SDLK_SPACE, SDLK_PERIOD});
    ASSERT_FALSE(bigmap()) << notes();
    int people = 0;
    for (const CreatureStruct &c : Cre) {
        if (c.kind != CK_HUMAN || c.home_x != v.x || c.home_y != v.y) continue;
        EXPECT_EQ(c.culture, culture) << c.species;
        people++;
    }
    EXPECT_GT(people, 0);
}
