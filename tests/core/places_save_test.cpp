// The ready-made character's save keeps where she has been: the map-info and marker files are
// written with the save, and the cells she visited keep their last-visit days through a reload;
// her world's cultures and place names load with her.
#include "core/loader_fixture.h"
#include "game/loader_int.h"
#include "maps/kulttuuri.h"
#include "worldgen/worldgen.h"

using oxatest::LoaderTest;

TEST_F(LoaderTest, VisitedCellsAndMarkersSurviveASaveAndAReload) {
    ASSERT_EQ(loader(), 0);
    const int hx = (int)Plr.world_x, hy = (int)Plr.world_y;
    EXPECT_EQ(get_alltime_kulttuuri(hx, hy), reinterpret_cast<const uint8_t *>(&Plr)[13]) << "her own people's land";
    EXPECT_EQ(get_alltime_kulttuuri(0, 0), 10);    // the open sea is nobody's
    EXPECT_STRNE(get_areaname(hx, hy, 1, nullptr), "  ");
    EXPECT_GT(strlen(get_areaname(hx, hy, 0, nullptr)), 3u);

    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    const int wx = (int)Plr.world_x, wy = (int)Plr.world_y;
    LisaaExtraMarker_TAPPO(520);
    const uint32_t today = Plr.daynumber;
    ASSERT_EQ(Save(0), 1);
    EXPECT_EQ(size_of("MARKER.DAT"), 1560000);
    EXPECT_EQ(size_of("EXTRAMARKER.DAT"), 1440000);

    leave_to_menu();
    memset(ZoomExtra, 0, sizeof ZoomExtra);
    memset(ExtraMarker, 0, sizeof ExtraMarker);
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(Mapinfo_bigloc_LastDay(wx, wy), (int)today);
    EXPECT_EQ(Mapinfo_bigloc_LastDay(wx + 2, wy - 2), (int)today);
    EXPECT_EQ(Mapinfo_bigloc_LastDay(wx + 3, wy), 0);
    EXPECT_EQ(LueExtraMarker_TAPPO(wx, wy, 520), 1);
}

// A stored settlement without a society gets one wherever it lies in its row (the load passes over
// runs of cells without a settlement); a settlement never stored gets none.
TEST_F(LoaderTest, StoredSettlementsWithoutASocietyGetOneAtTheLoad) {
    ASSERT_EQ(loader(), 0);
    struct Cell { int x, y; bool stored; } cells[] = {
        {63, 100, true}, {64, 200, true}, {127, 300, true}, {WORLD_W - 1, 400, true},
        {5, WORLD_H - 1, true}, {65, 500, false},
    };
    for (const Cell &c : cells) {
        maailma_alltime[mapidx(c.x, c.y)] = 239;
        if (c.stored) {
            ASSERT_EQ(save_zoommap(c.x, c.y, 2), 1) << c.x << "," << c.y;
        }
        ASSERT_EQ(Mapinfo_socID(c.x, c.y), 0u);
    }
    found_missing_societies();
    for (const Cell &c : cells) EXPECT_EQ(Mapinfo_socID(c.x, c.y) != 0, c.stored) << c.x << "," << c.y;
}
