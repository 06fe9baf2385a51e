// tests/maps/draw_scene.h -- the small local map the drawing tests draw: the game's pictures and line
// table in the test's folder, a cleared player on a summer day, sight 50.
#pragma once
#include "common/harness.h"

#include "core/records.h"
#include "core/weatherengine.h"
#include "maps/area.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "presentation/show.h"
#include "presentation/tiles.h"

#include <unistd.h>
#include <cstring>

namespace oxatest {

// Answers false when the pictures could not be linked in.
inline bool set_up_draw_scene(TempDir &dir, int hour) {
    dir.copy_asset("linedist.arr");
    if (symlink(asset_path("truetile").c_str(), "truetile") != 0) return false;
    NewGfx_loadtiledata();
    memset(&Plr, 0, sizeof Plr);
    strcpy(Plr.mapname, "ZOOMMAP");
    Plr.month = 7;
    Plr.day = 10;
    Plr.hour = (uint8_t)hour;
    Plr.movement_mode = 1;
    GlobWeather = {};
    init_terrain_struct(0, 0);
    InitSines();
    Sight = 50;
    CalculateLDist(50);
    return true;
}

}  // namespace oxatest
