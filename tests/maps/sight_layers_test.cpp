// tests/maps/sight_layers_test.cpp -- the player's view puts back only the squares the last view and
// the edits since touched: after every kind of edit the view layers hold what a view over wholly reset
// layers holds.
#include "maps/maptest.h"

#include "maps/sight.h"
#include "presentation/show.h"

#include <functional>
#include <vector>

namespace {

struct Layers {
    std::vector<uint8_t> attrib, work, memory, symbol;
    Layers()
        : attrib(maailma_attrib, maailma_attrib + MAP_BYTES), work(maailma_work, maailma_work + MAP_BYTES),
          memory(maailma_memorymap, maailma_memorymap + MAP_BYTES),
          symbol(maailma_worksymbol, maailma_worksymbol + MAP_BYTES) {}
};

// The first square where two copies differ, as text; "" when none does.
static std::string first_difference(const char *name, const std::vector<uint8_t> &a, const std::vector<uint8_t> &b) {
    for (size_t i = 0; i < a.size(); i++)
        if (a[i] != b[i])
            return std::string(name) + " differs at " + std::to_string(i % MAP_STRIDE) + "," +
                   std::to_string(i / MAP_STRIDE) + ": " + std::to_string(a[i]) + " against " + std::to_string(b[i]);
    return "";
}

// What the view left, compared with the same view over layers reset whole.
static std::string against_whole_view() {
    const Layers drawn;
    view_layers_touched_all();
    PlayerView();
    const Layers whole;
    for (auto s : {first_difference("attrib", drawn.attrib, whole.attrib), first_difference("work", drawn.work, whole.work),
                   first_difference("memory", drawn.memory, whole.memory),
                   first_difference("symbol", drawn.symbol, whole.symbol)})
        if (!s.empty()) return s;
    return "";
}

class ViewLayers : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        local_area();
        srand(5);
        const int kinds[] = {CH_GROUND, CH_GROUND, 13, 18, 10, 233};
        for (int y = AREA_MIN; y <= AREA_MAX; y++)
            for (int x = AREA_MIN; x <= AREA_MAX; x++) {
                put(x, y, kinds[rand() % 6]);
                korkeuskartta[mapidx(x, y)] = (uint8_t)((x * 3 + y) % 7);
            }
        PlayerX = PlayerY = 232;
        mapdimInit(800, 600, 1.0f);
        InitSines();
        CalculateLDist(50);
        view_layers_touched_all();   // the fixture wrote the layers straight
    }
    void TearDown() override {
        mapdimInit(800, 600, 1.0f);
        InitSines();
        MapsTest::TearDown();
    }
};

TEST_F(ViewLayers, EveryEditIsPutBackAsAWholeResetWould) {
    const struct {
        const char *what;
        std::function<void()> edit;
    } edits[] = {
        {"a step east", [] { PlayerX++; }},
        {"a turn about", [] { PlayerDir = (PlayerDir + 4) & 7; }},
        {"a mark far outside the view", [] { set_tempcol(PlayerX + 90, PlayerY + 40, '!'); }},
        {"a square remembered far away", [] { set_memorymap(PlayerX - 80, PlayerY + 3, 13); }},
        {"a work square far away", [] { set_tempchar(PlayerX + 3, PlayerY - 70, 'x'); }},
        {"a jump across the area", [] { PlayerX -= 100, PlayerY += 60; }},
        {"zoomed out", [] { mapdimInit(800, 600, 0.5f); }},
        {"zoomed in and turned", [] { mapdimInit(800, 600, 1.0f), PlayerDir = 2; }},
        {"the work layer cleared as a map is read", [] { fill_layer(maailma_work, ' '); }},
        {"a local map's memory set", [] {
             memset(Zoom.memory, 'm', sizeof Zoom.memory);
             zoomset_maailma(-2, -2);
         }},
        {"walked into the remembered corner", [] { PlayerX = 110, PlayerY = 110; }},
    };
    PlayerView();
    for (const auto &e : edits) {
        e.edit();
        PlayerView();
        EXPECT_EQ(against_whole_view(), "") << e.what;
    }
}

// A view layer filled again clears just the rows its writers told: the view's own marks, the memory map
// put back into the work layer far from the view, the marks put back over a layer filled with something
// else, and the setters. The layer ends as a whole fill leaves it.
TEST_F(ViewLayers, AViewLayerFilledAgainHoldsTheFillWhole) {
    const struct {
        const char *what;
        uint8_t *layer;
        uint8_t fill;
        std::function<void()> write;
    } cases[] = {
        {"the view's marks", maailma_attrib, ':', [] { PlayerView(); }},
        {"the view's work", maailma_work, ' ', [] { PlayerView(); }},
        {"the view's symbols", maailma_worksymbol, 0, [] { PlayerView(); }},
        {"a memory far away put back", maailma_work, ' ',
         [] {
             set_memorymap(PlayerX - 80, PlayerY + 300, 13);
             PlayerView();
         }},
        {"the marks put back over another fill", maailma_attrib, ' ', [] { PlayerView(); }},
        {"a mark set", maailma_attrib, ':', [] { set_tempcol(PlayerX + 90, PlayerY + 400, '!'); }},
        {"a work square set", maailma_work, ' ', [] { set_tempchar(PlayerX + 3, PlayerY - 170, 'x'); }},
        {"a symbol set", maailma_worksymbol, 0, [] { set_worksymbol(2000, 1500, 13); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fill_layer(c.layer, c.fill);
        c.write();
        fill_layer(c.layer, c.fill);
        const std::vector<uint8_t> whole(MAP_BYTES, c.fill);
        EXPECT_EQ(memcmp(c.layer, whole.data(), MAP_BYTES), 0);
    }
}

// The squares next to a light are lit as the lines of sight see them, whatever the ground, and again
// after the lines change.
TEST_F(ViewLayers, TheSquaresNextToALightAreThoseTheLinesSee) {
    const struct {
        const char *what;
        int ground, height, turns;   // what rings the light, its height, the lines' first step (-1 as loaded)
    } cases[] = {
        {"open ground", CH_GROUND, 0, -1},   {"a ring of spruces", 13, 0, -1}, {"a cliff all round", CH_GROUND, 9, -1},
        {"lines that go straight", 13, 9, 0}, {"lines that turn at once", CH_GROUND, 0, 1},
    };
    int x = 150;
    for (const auto &c : cases) {
        x += 10;
        const int y = 200;
        if (c.turns >= 0)
            for (auto &line : LineData) line[1] = (uint8_t)((line[1] & 0x7f) | (c.turns << 7));
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if (dx || dy) {
                    put(x + dx, y + dy, c.ground);
                    korkeuskartta[mapidx(x + dx, y + dy)] = (uint8_t)c.height;
                }
        light_around(x, y, 1, 0);
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                EXPECT_EQ(lighted(x + dx, y + dy), canseefromto(x, y, x + dx, y + dy, 0) != 0) << c.what << " " << dx << "," << dy;
    }
    InitSines();   // the lines as loaded again
}

// Glowing squares of the map light four squares round them, each of them found: side by side and at
// the area's edges.
TEST_F(ViewLayers, EveryGlowingSquareLightsItsSurroundings) {
    for (int y = AREA_MIN; y <= AREA_MAX; y++)
        for (int x = AREA_MIN; x <= AREA_MAX; x++) {
            put(x, y, CH_GROUND);
            korkeuskartta[mapidx(x, y)] = 0;
        }
    const struct {
        int x, y;
        char is;   // 'g' glows, 'l' lit, 'd' dark
    } squares[] = {
        {200, 200, 'g'},      {201, 200, 'g'},          {205, 200, 'l'}, {196, 200, 'l'},     {206, 200, 'd'},
        {AREA_MAX, 300, 'g'}, {AREA_MAX - 4, 300, 'l'}, {AREA_MIN, 120, 'g'}, {AREA_MIN + 4, 120, 'l'},
        {AREA_MIN + 5, 120, 'd'},
    };
    for (const auto &q : squares)
        if (q.is == 'g') put(q.x, q.y, ':');
    PlayerView();
    for (const auto &q : squares) EXPECT_EQ(lighted(q.x, q.y), q.is != 'd') << q.x << "," << q.y << " " << q.is;
}

}  // namespace
