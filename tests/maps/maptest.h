// tests/maps/maptest.h -- a fresh world for every map test: a working folder that is also the
// character folder, cleared layers and pool, the terrain table of a summer day and the sight-line file.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/harness.h"
#include "common/map_layers.h"
#include "common/pool_put.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"

#include "core/datafunc.h"
#include "core/records.h"

// A record placed straight into the pool at the first unused position; -1 when the pool is full.
inline int place_record(int type, int x, int y, uint32_t id, int count = 1) { return oxatest::pool_put(type, x, y, id, count); }

class MapsTest : public ::testing::Test {
protected:
    void SetUp() override {
        OXA_NODELAY = 1;   // a pause for a key answers at once: no screen, nobody to press it
        dir = new oxatest::TempDir();
        dir->copy_asset("linedist.arr");
        memset(&Plr, 0, sizeof Plr);
        copy_bounded(CharacterPath, sizeof CharacterPath, dir->path().c_str());
        strcpy(Plr.mapname, "BIGMAP");
        Plr.month = 6;
        Plr.day = 15;
        Plr.movement_mode = 1;
        GlobWeather = {};
        oxatest::clear_map_layers(CH_BLANK);
        memset(maailma_alltime, CH_BLANK, MAP_BYTES);
        memset(maailma_memorymap, ' ', MAP_BYTES);
        memset(maailma_alltime_memorymap, ' ', MAP_BYTES);
        memset(maailma_work, ' ', MAP_BYTES);
        memset(maailma_attrib, ':', MAP_BYTES);
        memset(maailma_worksymbol, 0, MAP_BYTES);
        for (const uint8_t *view : {maailma_attrib, maailma_work, maailma_worksymbol})
            layer_rows_written(view, 0, MAP_ROWS - 1);   // written straight: the next fill is whole
        memset(esine_maailma, 0, MAP_BYTES);
        memset(pintakartta, 0, MAP_BYTES);
        memset(korkeuskartta, 0, MAP_BYTES);
        memset(light_map, 0, sizeof light_map);
        memset(Data, 0, sizeof Data);
        memset(IsoData, 0, sizeof IsoData);
        memset(&Zoom, 0, sizeof Zoom);
        memset(ZoomExtra, 0, sizeof ZoomExtra);
        marker_tables_changed();
        PlayerX = PlayerY = 1000;
        PlayerDir = 0;
        Sight = 50;
        NEWGFX = 1;
        ALL_SEE = 0;
        map_clear_file_error();
        memset(terrain, 0, sizeof terrain);           // a build keeps descriptions it does not write
        init_terrain_struct(0, 0);
    }
    void TearDown() override { delete dir; }

    void local_area() { strcpy(Plr.mapname, "ZOOMMAP"); }
    void put(int x, int y, int c) { maailma[mapidx(x, y)] = (uint8_t)c; }
    void put_world(int x, int y, int c) { maailma_alltime[mapidx(x, y)] = (uint8_t)c; }
    std::string path(const char *name) const { return dir->path() + "/" + name; }

    oxatest::TempDir *dir = nullptr;
};
