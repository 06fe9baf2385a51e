// tests/activities/fishing_play_test.cpp -- played: Aino makes a fishing rod from the make menu of a
// slender trunk and the cord laid beside her, goes down beside the nearest fish water and angles from
// the shore through the skills screen.
#include <cstdlib>
#include <string>

#include "core/loader_fixture.h"
#include "core/spend.h"
#include "core/player.h"
#include "creatures/crestep.h"
#include "items/invlist.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapquery.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "../items/row_letters.h"

namespace {

enum { FISH_WATER = 128 };   // the terrain flag of a world cell with fish in it

struct Side {
    int dx, dy;
};
const Side sides[] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};

class AinoFishing : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        for (const char *f : {"diy_fishing.txt", "diy_tying.txt", "menudef_make.txt", "messages/eng_traps_fishing.txt"})
            dir->copy_asset(f);
    }
    // Every creature of the area sent away: one coming into sight would break off the work.
    static void nobody_about() {
        for (DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT) {
                Cre[d.id - CRE_DATAID].kind = CK_NONE;
                d.type = 0;
            }
    }
    static int carried(const char *name) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && oxatest::item_name_of(Plr.inv_obj[s]) == name) n += Plr.inv_count[s];
        return n;
    }
    static void at_once(std::initializer_list<int> ks) { oxatest::keys_at_once(ks); }
    static bool dry_free(int x, int y) {
        return crestep_free_square(x, y) && terrain_flag(get_mapchar(x, y), TF_OPEN) &&
               !terrain_flag(get_mapchar(x, y), TF_WATER);
    }
};

TEST_F(AinoFishing, SheMakesARodAndAnglesAtTheLake) {
    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap()) << notes();
    nobody_about();
    ASSERT_EQ(carried("Fishing rod"), 0);
    // She steps west onto the ten feet of cord laid there and takes it up; a slender trunk is felled
    // beside her.
    {
        oxatest::KeyFeeder typing;
        typing.key(SDLK_KP_4, KMOD_CTRL);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    command({SDLK_g, oxatest::ground_letter(PlayerX, PlayerY, "Cord"), SDLK_SPACE});
    ASSERT_EQ(carried("Cord"), 1) << notes();
    ASSERT_GE(set_data(DT_ITEM, PlayerX, PlayerY, object("Slender tree trunk", 1), 1), 0);
    // The make menu's fishing gear, the rod; the trunk and her knife are found, she chooses the cord and
    // goes without a feather.
    at_once({SDLK_PLUS, SDLK_f, SDLK_1, oxatest::carried_letter("Cord", 6), SDLK_ESCAPE, SDLK_SPACE});
    ASSERT_EQ(carried("Fishing rod"), 1) << notes();

    // Up onto the world map, and down again on the land cell beside the nearest fish water.
    oxatest::step_away_from_creatures();
    command({SDLK_RETURN});
    command({SDLK_PERIOD});
    ASSERT_TRUE(bigmap()) << notes();
    const int hx = PlayerX, hy = PlayerY;
    int lake_x = 0, lake_y = 0;
    for (int d = 1; d <= 60 && !lake_x; d++)
        for (int wy = hy - d; wy <= hy + d && !lake_x; wy++)
            for (int wx = hx - d; wx <= hx + d && !lake_x; wx++) {
                if (std::abs(wx - hx) != d && std::abs(wy - hy) != d) continue;
                if (!terrain_flag(get_alltime_maailmachar(wx, wy), FISH_WATER)) continue;
                for (const Side &s : sides) {
                    const int lx = wx - s.dx, ly = wy - s.dy;
                    if (!lake_x && !terrain_flag(get_alltime_maailmachar(lx, ly), TF_WATER) && !on_kyla(lx, ly, 1)) {
                        PlayerX = lx, PlayerY = ly;
                        lake_x = wx, lake_y = wy;
                    }
                }
            }
    ASSERT_NE(lake_x, 0) << "fish water near her home";
    command({SDLK_RETURN});
    command({SDLK_PERIOD});
    ASSERT_FALSE(bigmap()) << notes();
    // A dry square of the lake's own cell with open water beside it.
    bool shore = false;
    for (int ly = AREA_MIN + 1; ly < AREA_MAX && !shore; ly++)
        for (int lx = AREA_MIN + 1; lx < AREA_MAX && !shore; lx++) {
            if (kohtaIsoX(lx) != lake_x || kohtaIsoY(ly) != lake_y || !dry_free(lx, ly)) continue;
            for (const Side &n : sides) shore = shore || avovesi(lx + n.dx, ly + n.dy);
            if (shore) PlayerX = lx, PlayerY = ly;
        }
    ASSERT_TRUE(shore) << "a shore in the lake's cell";
    command({SDLK_PERIOD});
    nobody_about();

    // The skills screen, fishing, active fishing, and the rod she made.
    int fishing = -1;
    for (int s = 0; s < PLR_SKILLS; s++)
        if (strncmp(Plr.skill_name[s], "FISHING", 7) == 0) fishing = s;
    ASSERT_GE(fishing, 0);
    const char key = skill_keys(fishing)[0];
    const std::string before = notes();
    at_once({SDLK_s, key, SDLK_1, oxatest::carried_letter("Fishing rod"), SDLK_SPACE});
    const std::string told = notes().substr(before.size());
    EXPECT_EQ(told.find("You can't fish with that!"), std::string::npos) << told;
    EXPECT_NE(told.find("You cast your line into the water"), std::string::npos) << told;
    EXPECT_EQ(carried("Fishing rod"), 1) << "the rod stays hers";
}

}  // namespace
