// tests/maps/draw_standing_test.cpp -- the game's own tiles on the map view: a boulder and a tree stand
// on the square that holds them, and the player stays in sight among the trees of a forest.
#include "common/harness.h"

#include "core/records.h"
#include "core/player.h"
#include "maps/area.h"
#include "presentation/mapthings.h"
#include "maps/mapunit.h"
#include "presentation/painter.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

enum { CH_SPRUCE = 13, CH_BIG_ROCK = 39 };

class StandingTiles : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        dir->link_asset("truetile");
        NewGfx_loadtiledata();
        memset(&Plr, 0, sizeof Plr);
        strcpy(Plr.mapname, "ZOOMMAP");
        Plr.sex = 2;
        Plr.month = 6;
        Plr.day = 1;
        Environ = 2;
        GlobWeather = {};
        memset(Data, 0, sizeof Data);
        memset(terrain, 0, sizeof terrain);
        init_terrain_struct(0, 0);
        NEWGFX = 1;
        PlayerX = PlayerY = 232;
        PlayerDir = 6;
        fill(CH_GROUND);
        mapdimInit(800, 600, 1.0f);
    }
    void TearDown() override {
        NewGfx_freetiledata();
        ScreenTest::TearDown();
    }
    static void fill(int ch) {
        for (int y = 215; y < 250; y++)
            for (int x = 215; x < 250; x++) put(x, y, ch);
    }
    static void put(int x, int y, int ch) {
        const size_t i = mapidx(x, y);
        maailma[i] = maailma_work[i] = (uint8_t)ch;
        maailma_attrib[i] = '4';
        view_rows_written(y, y);
        korkeuskartta[i] = 0;
        pintakartta[i] = 0;
    }
    // The passes of a redraw that put ground, standing terrain, things and the player on the view,
    // read back whole.
    std::vector<uint32_t> draw(bool player = true) {
        CleanMapDrawBuffers();
        SDL_SetRenderTarget(ren, MapMainTexture);
        ShowMaa();
        ShowTemp(0);
        if (player) Items(0);
        else memset(esine_maailma, 0, MAP_BYTES);
        ShowTemp(1);
        int w = 0, h = 0;
        SDL_QueryTexture(MapMainTexture, nullptr, nullptr, &w, &h);
        width = w;
        std::vector<uint32_t> px((size_t)w * h);
        SDL_Rect r = {0, 0, w, h};
        SDL_RenderReadPixels(ren, &r, SDL_PIXELFORMAT_ARGB8888, px.data(), w * 4);
        SDL_SetRenderTarget(ren, nullptr);
        for (uint32_t &p : px) p &= 0xFFFFFF;
        return px;
    }
    // The pixel rectangle of a square's cell on the map view.
    static SDL_Rect cell(int x, int y) {
        const int c = x - PlayerX + 30, r = y - PlayerY + 30;
        return {18 * (c - 1), 20 * (r - 1), 18, 20};
    }
    struct Change {
        int total = 0, inside = 0;
    };
    // Pixels that differ between two pictures, and how many of them lie in the rectangle.
    Change changed(const std::vector<uint32_t> &a, const std::vector<uint32_t> &b, SDL_Rect in) const {
        Change c;
        for (size_t i = 0; i < a.size(); i++) {
            if (a[i] == b[i]) continue;
            const int x = (int)(i % width), y = (int)(i / width);
            c.total++;
            if (x >= in.x && x < in.x + in.w && y >= in.y && y < in.y + in.h) c.inside++;
        }
        return c;
    }
    int width = 0;
};

TEST_F(StandingTiles, ABoulderAndATreeAreDrawnOnTheirOwnSquare) {
    const struct {
        int ch;
        const char *what;
    } standing[] = {{CH_BIG_ROCK, "boulder"}, {CH_SPRUCE, "spruce"}};
    for (const auto &s : standing) {
        fill(CH_GROUND);
        const std::vector<uint32_t> bare = draw(false);
        const int x = PlayerX + 3, y = PlayerY + 2;
        put(x, y, s.ch);
        const std::vector<uint32_t> with = draw(false);
        // Its foot: the lowest changed row lies in the lower half of its own square.
        const SDL_Rect own = cell(x, y);
        int lowest = -1;
        for (size_t i = 0; i < with.size(); i++)
            if (with[i] != bare[i]) lowest = (int)(i / width);
        EXPECT_GE(lowest, own.y + own.h / 2) << s.what;
        EXPECT_LT(lowest, own.y + own.h + 2) << s.what;
        if (s.ch == CH_BIG_ROCK) {
            // A boulder is as big as its square: most of it lies inside the square, little above.
            const Change c = changed(bare, with, own);
            ASSERT_GT(c.total, 100) << s.what;
            EXPECT_GT(c.inside * 100 / c.total, 60) << s.what;
        } else {
            // A tree rises over its square and the next one or two above, no higher.
            const SDL_Rect column = {own.x - 9, own.y - 2 * own.h, 36, 3 * own.h};
            const Change c = changed(bare, with, column);
            ASSERT_GT(c.total, 100) << s.what;
            EXPECT_GT(c.inside * 100 / c.total, 90) << s.what;
        }
    }
}

TEST_F(StandingTiles, ThePlayerIsSeenAmongTheTreesOfAForest) {
    // Her figure alone on open ground: the pixels it changes in her square.
    const std::vector<uint32_t> ground = draw(false);
    const std::vector<uint32_t> her = draw(true);
    const SDL_Rect own = cell(PlayerX, PlayerY);
    const int alone = changed(ground, her, own).inside;
    ASSERT_GT(alone, 40);
    // In a forest every other square holds a spruce: the trees behind and beside her are drawn under
    // her, the one in front at half strength, those further in front stop below her feet.
    fill(CH_SPRUCE);
    put(PlayerX, PlayerY, CH_GROUND);
    const std::vector<uint32_t> forest = draw(false);
    const std::vector<uint32_t> among = draw(true);
    EXPECT_GT(changed(forest, among, own).inside * 100 / alone, 60) << "she is hidden by the trees";
}

}  // namespace
