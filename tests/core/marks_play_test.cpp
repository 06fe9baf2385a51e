// Marks on the ground of Aino's fifth day, as she plays it: the blood a wounded animal sheds beside her
// still lies there when she has rested two hours, and the hearths of the big kotas of an owl and a
// seal village hold their fire or its remains when she first steps into the village.
#include "core/loader_fixture.h"
#include "creatures/beside_her.h"

#include "core/datafunc.h"
#include "core/spend.h"
#include "core/woundslots.h"
#include "creatures/wounding.h"
#include "game/wizard.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "worldgen/worldgen.h"

#include <functional>
#include <set>
#include <utility>

namespace {

using Square = std::pair<int, int>;

class MarksPlayed : public oxatest::PlayingTest {
protected:
    // The game clock runs on by her resting, whatever stops the rest now and then.
    static void rest(int minutes) {
        const uint32_t until = Plr.minutes + (uint32_t)minutes;
        for (int tries = 0; tries < 20 && Plr.minutes < until; tries++)
            spend((int)(until - Plr.minutes), 0, "Resting", 0, 0);
        ASSERT_GE(Plr.minutes, until);
    }
    static std::set<Square> records_of(int type) {
        std::set<Square> at;
        for (const DataStruct &d : Data)
            if (d.type == type) at.insert({d.x, d.y});
        return at;
    }
    // An animal bleeds beside her for an hour; what it shed then must still lie there an hour on.
    static void blood_trail(std::set<Square> &laid, std::set<Square> &standing) {
        EnterLocale(0, 0);
        const int animal = oxatest::creature_east_of_her(620);
        AsetaHaava(animal, 2, 2, BP_THIGH, 0, 6, 2);   // a bleeding cut
        rest(60);
        laid = records_of(DT_COUNTED);
        rest(60);
        const std::set<Square> now = records_of(DT_COUNTED);
        for (const Square &s : laid)
            if (now.count(s)) standing.insert(s);
    }
    // A village of the culture ten cells east of her, entered for the first time: the hearth of
    // each big kota (its framework with the floor all round it) and which of them hold a fire.
    static void kota_hearths(int culture, std::set<Square> &hearths, std::set<Square> &burning) {
        const int vx = (int)Plr.world_x + 10, vy = (int)Plr.world_y;
        maailma_alltime[mapidx(vx, vy)] = 239;
        set_alltime_kulttuuri(vx, vy, culture);
        PlayerX = vx;
        PlayerY = vy;
        command({SDLK_RETURN});
        command({SDLK_SPACE, SDLK_PERIOD});
        ASSERT_FALSE(bigmap());
        const int x0 = AREA_CENTRE + ZOOM_SIDE * find_zoom_x(PlayerX, 0);
        const int y0 = AREA_CENTRE + ZOOM_SIDE * find_zoom_y(PlayerY, 0);
        const std::set<Square> fires = records_of(DT_FIRE), remains = records_of(DT_FIRE_REMAINS);
        for (int y = y0 + 1; y < y0 + ZOOM_SIDE - 1; y++)
            for (int x = x0 + 1; x < x0 + ZOOM_SIDE - 1; x++) {
                if (get_mapchar(x, y) != 41) continue;
                bool floor = true;
                for (int dy = -1; dy <= 1; dy++)
                    for (int dx = -1; dx <= 1; dx++) floor &= (dx == 0 && dy == 0) || get_mapchar(x + dx, y + dy) == 40;
                if (!floor) continue;
                hearths.insert({x, y});
                if (fires.count({x, y}) || remains.count({x, y})) burning.insert({x, y});
            }
    }
};

TEST_F(MarksPlayed, MarksOfTodayStayOnHerFifthDay) {
    struct Row {
        const char *what;
        std::function<void(std::set<Square> &, std::set<Square> &)> play;
    };
    const Row rows[] = {
        {"a wounded animal's blood trail after two hours' rest", blood_trail},
        {"the big kotas of an owl village", [](std::set<Square> &h, std::set<Square> &b) { kota_hearths(8, h, b); }},
        {"the big kotas of a seal village", [](std::set<Square> &h, std::set<Square> &b) { kota_hearths(9, h, b); }},
    };
    wizard_pass_days(4);   // as the console passes days, out on the world map
    ASSERT_EQ(Plr.daynumber, 5u);
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        oxatest::step_away_from_creatures();
        for (int t = 0; t < 3 && !bigmap(); t++) {   // up onto the world map, past what she is told
            command({SDLK_RETURN});
            command({SDLK_PERIOD});
        }
        ASSERT_TRUE(bigmap()) << notes().substr(notes().size() > 1500 ? notes().size() - 1500 : 0);
        std::set<Square> found, standing;
        r.play(found, standing);
        EXPECT_FALSE(found.empty());
        EXPECT_EQ(standing, found);
    }
}

}  // namespace
