// tests/maps/pool_hole_test.cpp -- a creature that leaves the map leaves a never-used place in the
// middle of the pool: every walk over the things of the map still sees what lies past it.
#include "maps/play_fixture.h"

#include "activities/survival.h"
#include "creatures/doors.h"
#include "creatures/zoomservices.h"
#include "game/look.h"
#include "game/playerstep.h"
#include "maps/facing.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "activities/waterway.h"
#include "maps/sight.h"

#include <functional>
#include <string>

namespace {

class PoolHole : public PlayTest {};

int records_at(int type, int x, int y) {
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == type && Data[i].x == x && Data[i].y == y) n++;
    return n;
}

TEST_F(PoolHole, EveryWalkSeesPastACreatureGoneFromTheMap) {
    struct Case {
        const char *what;
        std::function<void()> lay;    // the thing the walk looks for, laid after the creature
        std::function<bool()> seen;   // the walk, through the game's own call
    } cases[] = {
        {"an equal stack takes the dropped item",
         [] { set_data(DT_ITEM, 231, 230, object("axe"), 2); },
         [] {
             set_data(DT_ITEM, 231, 230, Data[1].id, 3);
             return records_at(DT_ITEM, 231, 230) == 1 && Data[1].count == 5;
         }},
        {"a crowded local map is cleaned up",
         [] {
             for (int i = 0; i < 1901; i++) put(DT_TRACKS, 231, 230, 0);
         },
         [] {
             chkdplimit(231, 230);
             return records_at(DT_TRACKS, 231, 230) < 1901;
         }},
        {"a fire stops the step",
         [] { put(DT_FIRE, 231, 230, 0); },
         [] { return MovePlayer(102) == 0 && PlayerX == 230; }},
        {"a fire keeps the square from an entry",
         [] { put(DT_FIRE, 231, 230, 0); },
         [] { return entry_square_free(231, 230) == 0; }},
        {"a fire beside the player",
         [] { put(DT_FIRE, 231, 230, 0); },
         [] { return datatype_around(DT_FIRE, 230, 230) == 1; }},
        {"a fire beside the player, in sight",
         [] { put(DT_FIRE, 231, 230, 0); },
         [] { return see_datatype_around(DT_FIRE, 230, 230, 0) == 1; }},
        {"a watercraft on the shore",
         [] { put(DT_ITEM, 231, 230, object("boat", IT_VEHICLE, ST_BOAT, 40)); },
         [] { return watercraft_datapos(231, 230) == 1; }},
        {"the remains of a fire are lit again",
         [] { put(DT_FIRE_REMAINS, 231, 230, 77); },
         [] {
             SetFireBurning(231, 230, 30);
             const int f = get_datatype(DT_FIRE, 231, 230);
             return f >= 0 && Data[f].id == 77;
         }},
        {"a creature in the doorway",
         [] { put(DT_CREATURE, 250, 250, CRE_DATAID + 7); },
         [] { return allowdoorclose(250, 250) == 0; }},
        {"what lies on the square is told",
         [] { put(DT_ITEM, 231, 230, object("axe")); },
         [this] {
             Display_Items(231, 230, 0);
             return was_shown("You see an axe there.");
         }},
        {"a fire gives light at night",
         [] { put(DT_FIRE, 236, 230, 0); },
         [] {
             light_sources(0);
             return lighted(236, 230) != 0;
         }},
        {"equal work in process is summed",
         [] {
             const int hide = object("hide");
             put(DT_WORK, 231, 230, hide, 2);
             put(DT_WORK, 231, 230, hide, 3);
         },
         [] {
             init_inprocess();
             return std::string(inprocess_entry(1)).find('5') != std::string::npos;
         }},
    };
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        PlayerX = PlayerY = 230;
        Cre[5].kind = 5;   // animals
        Cre[7].kind = 5;
        put(DT_CREATURE, 240, 240, CRE_DATAID + 5);
        c.lay();
        Poista_Olento(5);
        ASSERT_EQ(Data[0].type, DT_UNUSED) << c.what;
        EXPECT_TRUE(c.seen()) << c.what;
        forget();
    }
}

}  // namespace
