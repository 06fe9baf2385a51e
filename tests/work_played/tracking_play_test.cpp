// tests/activities/tracking_play_test.cpp -- played: Vilho, in his winter camp, steps onto the
// square a hare has just left and reads its track with "s" TRACKING.
#include <string>

#include "core/loader_fixture.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/crestep.h"
#include "creatures/zoomservices.h"
#include "creatures/predicates.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapquery.h"
#include "maps/marker.h"
#include "maps/worldsearch.h"

namespace {

class TrackingPlay : public oxatest::VilhoInCampTest {
protected:
    static bool open(int x, int y) {
        return terrain_flag(get_mapchar(x, y), TF_OPEN) && !terrain_flag(get_mapchar(x, y), TF_BLOCKS) && cre_xy(x, y) < 0;
    }
};

TEST_F(TrackingPlay, VilhoReadsTheFreshTrackOfAHare) {
    int slot = -1;
    for (int s = 0; s < PLR_SKILLS && slot < 0; s++)
        if (strncmp(Plr.skill_name[s], "TRACKING", PLR_SKILLNAME) == 0) slot = s;
    for (int s = 0; s < PLR_SKILLS && slot < 0; s++)
        if (!Plr.skill_name[s][0]) slot = s, copy_bounded(Plr.skill_name[s], PLR_SKILLNAME, "TRACKING");
    ASSERT_GE(slot, 0);
    Plr.skill_level[slot] = 60;

    // He has slipped out of the camp, where no tracks show among the trampled huts, to open ground
    // west of it, facing north with room ahead.
    int ax = 0, ay = 0, bx = 0, by = 0;
    for (int y = AREA_CENTRE + 10; y < AREA_CENTRE + 50 && !ax; y++)
        for (int x = AREA_CENTRE - 60; x < AREA_CENTRE - 10 && !ax; x++)
            if (open(x, y) && open(x, y - 1) && open(x, y - 2) && !on_kyla(kohtaIsoX(x), kohtaIsoY(y), 1)) {
                PlayerX = x;
                PlayerY = y;
                ax = x, ay = y - 1, bx = x, by = y - 2;
            }
    ASSERT_NE(ax, 0) << "open ground west of the camp";
    PlayerDir = 2;
    command({SDLK_PERIOD});

    // A hare of the area crosses in front of him, going on ahead, until it leaves a track; then it is
    // gone into the forest.
    Luo_Olento(600);
    CreatureStruct made = Creature;
    const int id = new_creature_to_DATA(made);
    ASSERT_NE(id, CRE_NONE);
    const int hare = id - CRE_DATAID;
    set_data(DT_CREATURE, ax, ay, id, 1);
    for (int tries = 0; tries < 40 && get_datatype(DT_TRACKS, ax, ay) < 0; tries++) {
        Liikkuminen(hare, bx, by, 1);
        if (get_datatype(DT_TRACKS, ax, ay) >= 0) break;
        Liikkuminen(hare, ax, ay, 1);
    }
    ASSERT_GE(get_datatype(DT_TRACKS, ax, ay), 0) << "the snow took its track";
    if (cre_x(hare) == ax && cre_y(hare) == ay) Liikkuminen(hare, bx, by, 1);
    Poista_Olento(hare);

    command({SDLK_UP});
    ASSERT_EQ(PlayerX, ax);
    ASSERT_EQ(PlayerY, ay);
    const size_t before = log().size();
    std::string typed = "s" + skill_keys(slot);
    oxatest::KeyFeeder typing;
    for (char k : typed) typing.key((SDL_Keycode)k, 0);
    int r;
    typing.typed([&] { return turn_pass(&r); });
    const std::string told = log().substr(before);
    EXPECT_NE(told.find("Using: TRACKING"), std::string::npos) << told;
    EXPECT_NE(told.find("You notice here very fresh "), std::string::npos) << told;
    EXPECT_NE(told.find("hare tracks leading to north."), std::string::npos) << told << "whither it went on";
}

}  // namespace
