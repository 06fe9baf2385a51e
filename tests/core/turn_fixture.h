// tests/core/turn_fixture.h -- a running game for the turn, command, clock and task tests: the
// screen, the message files, a local area of open ground around the player, cleared pool and
// creatures, and the per-game state of the loop, the clock and the task loop.
#pragma once
#include "common/harness.h"
#include "common/map_layers.h"
#include "common/object_table.h"

#include "game/command.h"
#include "game/loader.h"
#include "core/config.h"
#include "core/datafunc.h"
#include "core/maintenance.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/spend.h"
#include "game/turnloop.h"
#include "core/creatures.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/plrlink.h"
#include "maps/sight.h"
#include "presentation/input.h"
#include "presentation/menu.h"
#include "base/debuglog.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "core/tekstit.h"
#include "core/player.h"
#include "worldgen/encounter.h"

#include <cstring>
#include <string>
#include <vector>

namespace oxatest {

class TurnTest : public ScreenTest {
protected:
    static std::vector<int> fill_object_table() { return oxatest::fill_object_table(); }
    static void free_objects(const std::vector<int> &filled) { oxatest::free_objects(filled); }
    void SetUp() override {
        ScreenTest::SetUp();
        dir->copy_asset("linedist.arr");
        dir->copy_asset("messages/eng_core.txt");
        dir->copy_asset("messages/eng_creatures.txt");
        dir->copy_asset("messages/eng_general.txt");
        copy_bounded(language, sizeof language, "eng");
        MSG_forget_index();
        copy_bounded(CharacterPath, sizeof CharacterPath, dir->path().c_str());
        CharacterFile[0] = 0;      // no character's name left by an earlier test

        memset(&Plr, 0, sizeof Plr);
        strcpy(Plr.mapname, "ZOOMMAP");
        Plr.month = 6;
        Plr.day = 15;
        Plr.hour = 12;
        Plr.year = 1;
        Plr.movement_mode = 1;
        Plr.course_index = -1;
        Plr.last_upkeep_day = 15;
        Plr.energy = 5000;
        Plr.body_temperature = 37.0f;
        GlobWeather = {};
        oxatest::clear_map_layers(CH_BLANK);
        memset(maailma_alltime, CH_BLANK, MAP_BYTES);
        memset(maailma_memorymap, ' ', MAP_BYTES);
        memset(maailma_attrib, ':', MAP_BYTES);
        memset(pintakartta, 0, MAP_BYTES);
        memset(korkeuskartta, 0, MAP_BYTES);
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        memset(terrain, 0, sizeof terrain);
        init_terrain_struct(0, 0);
        for (int y = 190; y < 280; y++)
            for (int x = 190; x < 280; x++) maailma[mapidx(x, y)] = CH_GROUND;
        PlayerX = PlayerY = 230;
        PlayerDir = 2;
        bigmap();
        InitSines();
        Sight = 50;
        CalculateLDist(50);
        ALL_SEE = 0;
        mapdimInit(800, 600, 1.0f);
        guiInit(800, 600);

        REAL_QUIT = 0;
        TRADMOVEMENT = 0;
        PELIMUSEO_EDIT = 0;
        DEBUGLOG = 0;
        UPDATE_SCREEN = ZoomRenew = Exit_Checking = 0;
        turnloop_reset();
        forget_the_game_before();   // as a load does: nothing of a game an earlier test played holds
        clock_reset();
        last_hour = Plr.hour;      // the first hour's upkeep is behind us
        spend_reset();
        CLOSE_WINDOW = 0;
        lastnote[0] = 0;
    }
    void TearDown() override {
        REAL_QUIT = 0;
        TRADMOVEMENT = 0;
        MSG_forget_index();
        ScreenTest::TearDown();
    }

    void world_map() {
        strcpy(Plr.mapname, "BIGMAP");
        bigmap();
    }
    // A creature of slot c standing at (x, y), with its pool record at pos.
    static void creature(int pos, int c, int x, int y) {
        Data[pos].type = DT_CREATURE;
        Data[pos].x = (uint16_t)x;
        Data[pos].y = (uint16_t)y;
        Data[pos].id = (uint32_t)(CRE_DATAID + c);
        Data[pos].count = 1;
        Cre[c].kind = 50;
        Cre[c].mode = 3;
    }
    static int seconds_of_game() { return (int)Plr.minutes * 60 + Juoksevat_sekuntit; }
};

}  // namespace oxatest
