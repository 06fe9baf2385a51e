// tests/activities/survival_play_test.cpp -- played: Vilho, in his winter, goes to drink at a frozen
// lake and cuts a hole in its ice with his spear; Aino builds a fire of the wood laid beside her.
#include <string>

#include "core/loader_fixture.h"
#include "common/lake_shore.h"
#include "core/player.h"
#include "creatures/crestep.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/mapquery.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "maps/movement.h"
#include "worldgen/worldgen.h"

namespace {

struct Side {
    int dx, dy;
    SDL_Keycode key;
};
const Side sides[] = {{1, 0, SDLK_RIGHT}, {-1, 0, SDLK_LEFT}, {0, -1, SDLK_UP}, {0, 1, SDLK_DOWN}};

// The animals of the area go elsewhere: one coming into sight would break off the work.
void animals_away() {
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
            Cre[d.id - CRE_DATAID].kind != CK_HUMAN) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
}

bool stand_on(int x, int y) {
    return crestep_free_square(x, y) && terrain_flag(get_mapchar(x, y), TF_OPEN) &&
           !terrain_flag(get_mapchar(x, y), TF_WATER);
}

// Open water beside a square, where drinking would not ask for a hole.
bool open_water_around(int x, int y) {
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if (terrain_flag(get_mapchar(x + dx, y + dy), TF_WATER) && ice_thickness_true(x + dx, y + dy) == 0) return true;
    return false;
}

class VilhoIce : public oxatest::VilhoInCampTest {};

TEST_F(VilhoIce, HeCutsAHoleInTheLakeIceToDrink) {
    // Out of the camp onto the world map, and down again beside the nearest lake.
    oxatest::step_away_from_creatures();
    command({SDLK_RETURN});
    command({SDLK_PERIOD});
    ASSERT_TRUE(bigmap()) << log();
    ASSERT_TRUE(oxatest::to_a_frozen_lake_shore()) << "a lake near his camp";
    command({SDLK_RETURN});
    command({SDLK_PERIOD});
    ASSERT_FALSE(bigmap()) << log();
    animals_away();
    // The shore of the frozen lake where the ice is thinnest: dry ground with ice beside it.
    int ix = 0, iy = 0, thinnest = 1 << 30;
    SDL_Keycode toward = 0;
    for (int y = AREA_MIN + 1; y < AREA_MAX; y++)
        for (int x = AREA_MIN + 1; x < AREA_MAX; x++) {
            if (!terrain_flag(get_mapchar(x, y), TF_WATER)) continue;
            const int t = ice_thickness_mapwise(x, y);
            if (t <= 0 || t >= thinnest) continue;
            for (const Side &s : sides)
                if (t < thinnest && stand_on(x - s.dx, y - s.dy) && !open_water_around(x - s.dx, y - s.dy)) {
                    PlayerX = x - s.dx;
                    PlayerY = y - s.dy;
                    ix = x, iy = y, toward = s.key, thinnest = t;
                }
        }
    ASSERT_NE(toward, 0) << "a frozen shore in his winter";
    command({SDLK_PERIOD});
    // Nobody about: a passer-by coming into sight would break off the long work.
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
    // Where he cut a hole some days ago the ice has frozen over again, 40 mm thick: too thick to
    // break with bare hands, thin enough to cut with his knife before the frost bites.
    ClearDTEMP();
    DTEMP.type = DT_ICEHOLE;
    DTEMP.x = (uint16_t)ix;
    DTEMP.y = (uint16_t)iy;
    DTEMP.count = 40;
    ASSERT_GE(SetDTEMP(-1), 0);
    const uint32_t before = Plr.minutes;
    const size_t told_before = log().size();
    // Drinking beside the ice offers the hole; the knife is the tool at hand.
    command({SDLK_q, SDLK_y, (int)toward, SDLK_SPACE});
    const std::string told = log().substr(told_before);
    EXPECT_NE(told.find("You made a hole in the ice."), std::string::npos) << told;
    EXPECT_NE(told.find("The knife is a tolerable tool here."), std::string::npos) << told;
    EXPECT_EQ(ice_thickness_true(ix, iy), 0);
    EXPECT_GE(get_datatype(DT_OPENWATER, ix, iy), 0);
    EXPECT_GE(Plr.minutes - before, 4u) << "40 mm with a knife: four minutes at the least";
}

class AinoFire : public oxatest::PlayingTest {};

TEST_F(AinoFire, SheBuildsAFireOfTheWoodBesideHer) {
    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap());
    animals_away();
    int fx = 0, fy = 0;
    SDL_Keycode toward = 0;
    for (const Side &s : sides)
        if (!toward && stand_on(PlayerX + s.dx, PlayerY + s.dy) && See(PlayerX + s.dx, PlayerY + s.dy)) {
            fx = PlayerX + s.dx, fy = PlayerY + s.dy, toward = s.key;
        }
    ASSERT_NE(toward, 0);
    // Branches for kindling and firewood laid on the square.
    ASSERT_GE(set_data(DT_ITEM, fx, fy, object("Branch", 1), 12), 0);
    ASSERT_GE(set_data(DT_ITEM, fx, fy, object("Firewood", 1), 4), 0);
    const uint32_t before = Plr.minutes;
    command({SDLK_f, (int)toward});
    const std::string told = notes();
    EXPECT_GE(Plr.minutes - before, 2u) << "made or not, the try takes its minutes";
    const bool made = told.find("You build a fire.") != std::string::npos;
    EXPECT_TRUE(made || told.find("You fail to get the fire burning.") != std::string::npos) << told;
    EXPECT_EQ(get_datatype(DT_FIRE, fx, fy) >= 0, made);
}

}  // namespace
