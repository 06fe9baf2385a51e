// The ready-made character hauls a log through the turn loop: on the world map the haul key is
// refused; zoomed in, 'm' takes the log at her feet, it follows her step and stays where she lets
// go, and 'p' pushes a stone to the next square.
#include "core/loader_fixture.h"
#include "core/player.h"

#include "game/turnloop.h"
#include "creatures/hauling.h"
#include "items/invlist.h"
#include "items/items.h"
#include "maps/movement.h"
#include "presentation/input_feeder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

class AinoHauling : public oxatest::PlayingTest {
protected:
    static int laid(const char *name, int x, int y) {
        const int row = object(name, 1);
        if (row <= 0) return -1;
        set_data(DT_ITEM, x, y, row, 1);
        return row;
    }
    static int count_at(int row, int x, int y) {
        int n = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && (int)d.id == row && d.x == x && d.y == y) n += d.count;
        return n;
    }
};

TEST_F(AinoHauling, SheHaulsALogAlongAndPushesAStone) {
    ASSERT_TRUE(bigmap());
    command({SDLK_m});
    EXPECT_NE(notes().find("not allowed on the wilderness map"), std::string::npos) << notes();

    command({SDLK_RETURN});   // down to the local map of her field
    // The first look over the new map waits for a key; nothing lies at her feet to haul yet.
    command({SDLK_SPACE, SDLK_m});
    ASSERT_FALSE(bigmap()) << notes();
    EXPECT_NE(notes().find("There is nothing here you could move."), std::string::npos) << notes();
    // Her dog and the animals of the field go elsewhere: one standing beside her would be stepped round
    // or packed.
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= (uint32_t)CRE_DATAID && d.id < (uint32_t)(CRE_DATAID + CRE_COUNT)) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
    const int x = PlayerX, y = PlayerY;
    const int log = laid("Log", x, y);
    ASSERT_GT(log, 0);
    command({SDLK_m, SDLK_a, SDLK_SPACE});
    EXPECT_EQ(Plr.movement_mode, 9) << notes();
    EXPECT_EQ(itemmove_check(CRE_PLAYER, 0), 1);

    // South, over her bow and arrows: her fire burns north of her.
    const int before = (int)Plr.minutes;
    command({SDLK_DOWN});
    ASSERT_TRUE(PlayerX != x || PlayerY != y) << notes();
    EXPECT_EQ(count_at(log, PlayerX, PlayerY), 1) << notes();
    EXPECT_EQ(count_at(log, x, y), 0);
    EXPECT_GE((int)Plr.minutes - before, 1) << "a log costs a minute a step";

    command({SDLK_m});
    EXPECT_EQ(Plr.movement_mode, 1);
    EXPECT_EQ(itemmove_check(CRE_PLAYER, 0), 0);
    EXPECT_EQ(count_at(log, PlayerX, PlayerY), 1);

    // A stone pushed to the next free square beside her (a tree or an animal may stand above her).
    const int stone = laid("Stone", PlayerX, PlayerY);
    const int sx = PlayerX, sy = PlayerY;
    const struct {
        SDL_Keycode key;
        int dx, dy;
    } ways[] = {{SDLK_UP, 0, -1}, {SDLK_LEFT, -1, 0}, {SDLK_RIGHT, 1, 0}};
    int way = 0;
    while (way < 2 && !entry_square_free(sx + ways[way].dx, sy + ways[way].dy)) way++;
    const int there = count_at(stone, sx + ways[way].dx, sy + ways[way].dy);   // her own stones may lie there
    command({SDLK_p, ways[way].key, SDLK_a, SDLK_SPACE});   // the stone is listed before the log
    EXPECT_EQ(count_at(stone, sx + ways[way].dx, sy + ways[way].dy), there + 1) << notes();
    EXPECT_EQ(GeneralX, sx + ways[way].dx);
    EXPECT_EQ(GeneralY, sy + ways[way].dy);
    EXPECT_EQ(count_at(stone, sx, sy), 0);
}

}  // namespace
