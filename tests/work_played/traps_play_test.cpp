// tests/activities/traps_play_test.cpp -- the ready-made character lays a loop snare from her pack with
// the apply key and, back on the map days later, finds what the snare took.
#include "core/loader_fixture.h"
#include "../items/row_letters.h"

#include "activities/traps.h"
#include "game/command.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "creatures/crestep.h"
#include "creatures/predicates.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "maps/maps.h"
#include "maps/picker.h"
#include "maps/sight.h"
#include "maps/trapdata.h"
#include "presentation/notes.h"

#include <cstring>

namespace {

class AinoTraps : public oxatest::PlayingTest {
protected:
    static const unsigned SEED = 20261207;
    void SetUp() override {
        PlayingTest::SetUp();
        dir->copy_asset("flora_forest.txt");
    }
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
    // The arrow key toward an open square beside her that she sees, and that square.
    static SDL_Keycode open_side(int &x, int &y) {
        static const struct {
            int dx, dy;
            SDL_Keycode key;
        } sides[] = {{1, 0, SDLK_RIGHT}, {-1, 0, SDLK_LEFT}, {0, -1, SDLK_UP}, {0, 1, SDLK_DOWN}};
        for (const auto &s : sides) {
            x = PlayerX + s.dx;
            y = PlayerY + s.dy;
            if (get_datatype(DT_TRAP, x, y) < 0 && cre_xy(x, y) < 0 && See(x, y) && TyhjaRuutu(get_mapchar(x, y)))
                return s.key;
        }
        return SDLK_ESCAPE;
    }
    // A live creature of the kind on the map, or -1.
    static int creature_of_kind(int kind) {
        for (const DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
                Cre[d.id - CRE_DATAID].kind == kind)
                return (int)d.id - CRE_DATAID;
        return -1;
    }
    // A square beside x, y where a creature could stand.
    static bool free_beside(int x, int y, int &bx, int &by) {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if ((dx || dy) && crestep_free_square(x + dx, y + dy) && get_datatype(DT_TRAP, x + dx, y + dy) < 0) {
                    bx = x + dx;
                    by = y + dy;
                    return true;
                }
        return false;
    }
};

TEST_F(AinoTraps, SheLaysASnareAndFindsACatchDaysLater) {
    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap());
    // The animals of her field go elsewhere, her dog with them: one coming into sight would break off
    // the laying.
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
            Cre[d.id - CRE_DATAID].kind != CK_HUMAN) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
    // From here the days go the same each run, whatever her company did on the way down.
    srand(SEED);
    ASSERT_GT(AddNewItem(object("Loop snare", 1), 1), 0);
    int tx = 0, ty = 0;
    const SDL_Keycode side = open_side(tx, ty);
    ASSERT_NE(side, SDLK_ESCAPE);
    const SDL_Keycode letter = oxatest::carried_letter("Loop snare", invmask(IT_TOOL, IT_CONTAINER));
    command({SDLK_a, letter, side});
    int trap = get_datatype(DT_TRAP, tx, ty);
    ASSERT_GE(trap, 0) << notes();
    EXPECT_EQ(Data[trap].extra, TRAP_ARMED);
    EXPECT_TRUE(noted("The loop snare is now set and readied.")) << notes();
    EXPECT_EQ(PlrGotESINE(OID_LOOP_SNARE), 0) << "the snare left her pack";

    // She goes her way and comes back some days later, until a hare has come to the snare's country.
    int hare = -1;
    for (int trip = 0; trip < 10 && hare < 0; trip++) {
        oxatest::step_away_from_creatures();
        command({SDLK_RETURN});
        command({SDLK_PERIOD});
        ASSERT_TRUE(bigmap()) << notes();
        Plr.daynumber += 3;   // days on the road
        command({SDLK_RETURN});
        command({SDLK_PERIOD});
        ASSERT_FALSE(bigmap()) << notes();
        hare = creature_of_kind(2);
    }
    ASSERT_GE(hare, 0) << "a hare came to the snare's country";
    trap = get_datatype(DT_TRAP, tx, ty);
    ASSERT_GE(trap, 0);
    ASSERT_EQ(Data[trap].extra, TRAP_ARMED);

    // The hare happens by the snare and steps in; as the turns pass it stays caught.
    int bx = 0, by = 0;
    ASSERT_TRUE(free_beside(tx, ty, bx, by));
    const int pos = crestep_pos(hare);
    ASSERT_GE(pos, 0);
    Data[pos].x = (uint16_t)bx;
    Data[pos].y = (uint16_t)by;
    ASSERT_EQ(Liikkuminen(hare, tx, ty, 1), STEP_OK);
    EXPECT_EQ(Data[trap].extra, TRAP_SPRUNG);
    EXPECT_NE(Cre[hare].trapminute, 0u);
    for (int turn = 0; turn < 20; turn++) command({SDLK_PERIOD});
    EXPECT_EQ(Data[trap].extra, TRAP_SPRUNG) << "the snare holds it";
    EXPECT_EQ(cre_xy(tx, ty), hare) << "caught where the snare lies";

    // She takes the snare down from beside it, facing it: the hare goes free, and three days on it
    // still lives.
    static const struct {
        int dx, dy, dir;
    } beside[] = {{-1, 0, 0}, {1, 0, 4}, {0, 1, 2}, {0, -1, 6}};
    bool placed = false;
    for (const auto &b : beside) {
        const int x = tx + b.dx, y = ty + b.dy;
        if (placed || cre_xy(x, y) >= 0 || get_datatype(DT_TRAP, x, y) >= 0 || !TyhjaRuutu(get_mapchar(x, y))) continue;
        PlayerX = x;
        PlayerY = y;
        PlayerDir = b.dir;
        placed = true;
    }
    ASSERT_TRUE(placed);
    int trapping = -1;
    for (int s = 0; s < PLR_SKILLS; s++)
        if (strncmp(Plr.skill_name[s], "TRAPPING", 8) == 0) trapping = s;
    ASSERT_GE(trapping, 0);
    command({SDLK_s, (SDL_Keycode)skill_keys(trapping)[0], SDLK_d});
    EXPECT_TRUE(noted("You trigger and release the loop snare.")) << notes();
    EXPECT_EQ(get_datatype(DT_TRAP, tx, ty), -1);
    EXPECT_EQ(Cre[hare].trapminute, 0u) << "nothing holds it";
    Plr.minutes += 3 * 1440 + (uint32_t)Cre[hare].energy;
    command({SDLK_PERIOD});
    EXPECT_EQ(Cre[hare].kind, 2) << "the hare lives";
    EXPECT_NE(Cre[hare].mode, CM_CARCASS);
}

}  // namespace
