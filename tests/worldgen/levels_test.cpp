// tests/worldgen/levels_test.cpp -- the ready-made character zooms in and out, steps into her village,
// is refused where she can't leave, and finds every local map as she left it.
#include "core/loader_fixture.h"

#include <dirent.h>
#include <sys/stat.h>

#include "game/turnloop.h"
#include "game/worldpass.h"
#include "maps/kulttuuri.h"
#include "creatures/zoomservices.h"
#include "maps/movement.h"
#include "game/playerstep.h"
#include "core/tekstit.h"
#include "core/player.h"
#include "base/debuglog.h"
#include "worldgen/encounter.h"
#include "worldgen/worldgen.h"

using oxatest::LoaderTest;

namespace {

class LevelsTest : public LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        // The game's own message files: the notes of a zoom read them.
        if (DIR *d = opendir((std::string(OXA_RUN_DIR) + "/messages").c_str())) {
            while (dirent *e = readdir(d))
                if (e->d_name[0] != '.') dir->copy_asset(("messages/" + std::string(e->d_name)).c_str());
            closedir(d);
        }
        copy_bounded(language, sizeof language, "eng");
        MSG_forget_index();
        clear_zoomservices();
        ZoomRenew = 0;
        DEBUGLOG = 0;
    }
    std::string notes() {
        const std::vector<uint8_t> bytes = read("msglog.txt");
        return std::string(bytes.begin(), bytes.end());
    }
    void forget_notes() { remove(path("msglog.txt").c_str()); }
    // The stored local map of a world cell, its chars only.
    std::string stored_chars(int x, int y) {
        if (!load_zoommap(x, y)) return "";
        return std::string(reinterpret_cast<const char *>(Zoom.chars), sizeof Zoom.chars);
    }
    int count_on_area(int x0, int y0, int c) {
        int n = 0;
        for (int y = y0; y < y0 + 64; y++)
            for (int x = x0; x < x0 + 64; x++) n += get_mapchar(x, y) == c;
        return n;
    }
    void zoom() {
        if (!bigmap()) oxatest::step_away_from_creatures();
        EnterLocale(0, 0);
        ASSERT_EQ(LOAD_MAP, 1) << notes();
        ASSERT_EQ(GetMappie(0), 1) << loader_last_note() << " " << map_file_error();
    }
};

}  // namespace

TEST_F(LevelsTest, ZoomingInBuildsTheCellsLandAndZoomingOutLandsOnTheCellSheStoodIn) {
    ASSERT_EQ(loader(), 0);
    const int wx = PlayerX, wy = PlayerY;
    zoom();
    EXPECT_NE(notes().find("Zooming in"), std::string::npos);
    EXPECT_NE(notes().find("There is field here and you take a closer look at this area."), std::string::npos);
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_GT(count_on_area(AREA_CENTRE, AREA_CENTRE, 'R'), 300) << "her own cell is a field";

    // She walks into the cell north-east of her own and zooms out there.
    PlayerX = AREA_CENTRE + 64 + 20;
    PlayerY = AREA_CENTRE - 64 + 20;
    forget_notes();
    zoom();
    EXPECT_NE(notes().find("Zooming out"), std::string::npos);
    EXPECT_STREQ(Plr.mapname, "BIGMAP");
    EXPECT_EQ(PlayerX, wx + 1);
    EXPECT_EQ(PlayerY, wy - 1);
    EXPECT_EQ(CoordinateFixXMOD, 1);
    EXPECT_EQ(CoordinateFixYMOD, -1);
    const std::string before = stored_chars(wx + 1, wy - 1);
    ASSERT_FALSE(before.empty());

    // Going back in shows the same map, around the new cell.
    zoom();
    EXPECT_EQ((int)Plr.world_x, wx + 1);
    EXPECT_EQ(stored_chars(wx + 1, wy - 1), before);
    EXPECT_EQ(get_mapchar(AREA_CENTRE + 10, AREA_CENTRE + 10), (uint8_t)before[10 * 64 + 10]);
}

TEST_F(LevelsTest, EveryMapIsAsSheLeftItAfterASaveAndAReload) {
    ASSERT_EQ(loader(), 0);
    const int wx = PlayerX, wy = PlayerY;
    zoom();
    std::vector<std::string> maps;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) maps.push_back(stored_chars(wx + dx, wy + dy));
    ASSERT_EQ(Save(0), 1);
    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    zoom();   // out
    zoom();   // and in again
    int k = 0;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) EXPECT_EQ(stored_chars(wx + dx, wy + dy), maps[k++]) << dx << "," << dy;
}

TEST_F(LevelsTest, AnAreaThatCannotBeStoredKeepsHerOnTheWorldMap) {
    ASSERT_EQ(loader(), 0);
    const int wx = PlayerX, wy = PlayerY;
    remove(path("ZOOMMAPS.DAT").c_str());
    remove(path("ZOOMINDEX.DAT").c_str());
    ASSERT_EQ(mkdir(path("ZOOMMAPS.DAT").c_str(), 0755), 0);   // the store can't be written
    EnterLocale(0, 0);
    EXPECT_EQ(LOAD_MAP, 0);
    EXPECT_STREQ(Plr.mapname, "BIGMAP");
    EXPECT_EQ(PlayerX, wx);
    EXPECT_EQ(PlayerY, wy);
    EXPECT_NE(notes().find("couldn't be stored"), std::string::npos);
}

TEST_F(LevelsTest, SteppingOntoHerVillageEntersItAndTheVillageIsKept) {
    ASSERT_EQ(loader(), 0);
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(v.x, 0) << "a village near her home";
    const int code = get_alltime_maailmachar(v.x, v.y);
    PlayerX = v.x;
    PlayerY = v.y;
    ASSERT_EQ(CheckExits(), 1);
    ASSERT_EQ(LOAD_MAP, 1);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_EQ((int)Plr.world_x, v.x);
    EXPECT_GT(count_on_area(AREA_CENTRE, AREA_CENTRE, 95), 0) << "a house stands in the village";
    zoom();   // out, storing the village
    EXPECT_EQ(get_alltime_maailmachar(v.x, v.y), code);
    EXPECT_EQ(ZoomExtra[zoomextra_kohta(v.x, v.y)].abandoned, 0);
    EXPECT_NE(get_alltime_kulttuuri(v.x, v.y), 10);
}

TEST_F(LevelsTest, OnlySettlementsCampsCavesAndAnOwnHomesteadAreEnteredByStepping) {
    ASSERT_EQ(loader(), 0);
    struct { int c; int enters; } cases[] = {{30, 1}, {60, 1}, {86, 1}, {211, 1}, {239, 1}, {15, 0}, {251, 0}};
    for (auto &k : cases) {
        PlayerX = 1600;
        PlayerY = 900;
        strcpy(Plr.mapname, "BIGMAP");
        LOAD_MAP = 0;
        maailma[mapidx(1600, 900)] = (uint8_t)k.c;
        maailma_alltime[mapidx(1600, 900)] = (uint8_t)k.c;
        EXPECT_EQ(CheckExits(), k.enters) << k.c;
        EXPECT_EQ(LOAD_MAP, k.enters) << k.c;
    }
}

TEST_F(LevelsTest, ARevisitPlacesHerUpLeftOfHerLastSquareByZoomButOnItByHomesteadEntry) {
    ASSERT_EQ(loader(), 0);
    const int wx = PlayerX, wy = PlayerY;
    ZoomExtraStruct &z = ZoomExtra[zoomextra_kohta(wx, wy)];
    z.x = (uint16_t)wx;
    z.y = (uint16_t)wy;
    z.last_x = 30;
    z.last_y = 40;
    LOADER_RUN = 0;   // the game plays on after the load
    EnterLocale(0, 0);
    EXPECT_EQ(KARTANLATAUSTAPA, 8);
    EXPECT_EQ(KARTANLATAUS_X, 29);
    EXPECT_EQ(KARTANLATAUS_Y, 39);

    // The automatic entry places her on the square itself, unless a loading mode 2 was already set.
    struct { int mode_before, mode_after, x; } table[] = {{0, 8, 30}, {2, 2, 0}};
    for (auto &t : table) {
        Nollaa_Kartanlataustapa();
        KARTANLATAUSTAPA = t.mode_before;
        strcpy(Plr.mapname, "BIGMAP");
        PlayerX = wx;
        PlayerY = wy;
        Enter(wx, wy, 0);
        EXPECT_EQ(KARTANLATAUSTAPA, t.mode_after) << t.mode_before;
        EXPECT_EQ(KARTANLATAUS_X, t.x) << t.mode_before;
    }
}

TEST_F(LevelsTest, RenewingTheAreaShowsNoNoteAndNoArrivalText) {
    ASSERT_EQ(loader(), 0);
    zoom();
    forget_notes();
    PlayerX = AREA_CENTRE + 64 + 5;   // at the east edge of her cell's neighbour
    ZoomRenew = 1;
    ZoomRenewer();
    ZoomRenew = 0;
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_EQ(notes().find("Zooming"), std::string::npos) << notes();
    EXPECT_EQ(notes().find("There is"), std::string::npos) << notes();
}

// Her party's follow check, made for a zoom out the cave mouth then refuses, ends at the next map
// entry: the next move checks again who can follow.
TEST_F(LevelsTest, AFollowCheckForARefusedZoomOutEndsAtTheNextMapEntry) {
    ASSERT_EQ(loader(), 0);
    zoom();
    set_mapchar(PlayerX, PlayerY, 96);
    ASSERT_EQ(companyzoomcheck(1), 1);
    EnterLocale(0, 0);
    ASSERT_EQ(LOAD_MAP, 0) << "refused in the cave mouth";
    ASSERT_EQ(COMPANYZOOMCHECKED, 1);
    safesave();
    EXPECT_EQ(COMPANYZOOMCHECKED, 0);
}

TEST(CellNames, TwoDigitsAtLeast) {
    EXPECT_STREQ(terrain_name(5, 123), "05,123");
    EXPECT_STREQ(terrain_name(12, 7), "12,07");
    EXPECT_STREQ(terrain_name(0, 0), "00,00");
    EXPECT_STREQ(terrain_name(3071, 2047), "3071,2047");
}

TEST_F(LevelsTest, WalkingOffTheMiddleRebuildsTheAreaAroundHerCell) {
    ASSERT_EQ(loader(), 0);
    zoom();
    const int wx = (int)Plr.world_x, wy = (int)Plr.world_y;
    const int y = PlayerY;
    PlayerX = 328;
    for (int x = 326; x < 332; x++) set_mapchar(x, y, CH_GROUND);
    const std::string before = stored_chars(wx, wy);
    LOADER_RUN = 0;   // the game plays on after the load
    ZoomRenew = 0;
    ASSERT_EQ(MovePlayer(102), 1);
    ASSERT_EQ(ZoomRenew, 1);
    ASSERT_EQ(turn_answer(), 1);
    EXPECT_EQ(ZoomRenew, 0);
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_EQ((int)Plr.world_x, wx + 2) << "the cell she walked into is the new centre";
    EXPECT_EQ((int)Plr.world_y, wy);
    EXPECT_EQ(PlayerX, AREA_CENTRE + 1) << "one square inside the new centre cell";
    EXPECT_EQ(PlayerY, y);
    EXPECT_EQ(stored_chars(wx, wy), before) << "the old centre is kept in the store";
}

namespace {
class FirstZoom : public oxatest::PlayingTest {};
}  // namespace

// Her first Enter on the world map has no heading to come in by: she stands in the middle of her field.
TEST_F(FirstZoom, HerFirstEnterPutsHerInTheMiddleOfHerField) {
    ASSERT_TRUE(bigmap());
    command({SDLK_RETURN});
    command({SDLK_SPACE, SDLK_PERIOD});   // the first look over the new map waits for a key
    ASSERT_FALSE(bigmap());
    EXPECT_EQ(PlayerX, AREA_CENTRE + 32);
    EXPECT_EQ(PlayerY, AREA_CENTRE + 32);
}
