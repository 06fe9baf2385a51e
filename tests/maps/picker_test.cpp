// tests/maps/picker_test.cpp -- the picker by pushed keys and mouse motion: cancelling, direction
// keys against squares out of sight, creature cycling with the memory of the last target, and the
// wrappers that choose without asking.
#include "core/turn_fixture.h"

#include "core/notes.h"
#include "maps/maptest.h"
#include "maps/mapdraw.h"
#include "maps/picker.h"
#include "maps/sight.h"
#include "presentation/show.h"

using oxatest::push_key;

namespace {

class Picker : public oxatest::TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        NEWGFX = 1;
        PlayerDir = 2;             // facing north: the squares behind her are out of sight
        picker_reset();
        PlayerView();
    }
    static void motion_to(int x, int y, int rel) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = x;
        e.motion.y = y;
        e.motion.xrel = rel;
        e.motion.yrel = rel;
        SDL_PushEvent(&e);
    }
};

TEST_F(Picker, EscapeAndAClosedWindowChooseNothing) {
    SDL_Rect under = {503, 190, 286, 150};
    const uint32_t green = SDL_MapRGB(game_screen->format, 0, 200, 0);
    SDL_FillRect(game_screen, &under, green);
    GeneralX = GeneralY = 5;
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(ValitseLokaatio(PICK_TARGET, "x"), 0);
    EXPECT_EQ(GeneralX + GeneralY, 0);
    EXPECT_EQ(LOCSEL_CURSOR_X, 0) << "the cursor square is cleared on the way out";
    EXPECT_EQ(oxatest::pixel(600, 250), green) << "the screen under the window is back";

    GeneralX = GeneralY = 5;
    EXPECT_EQ(ValitseLokaatio(PICK_DIRECTION, "x"), 0) << "no key ever comes: the picker does not wait forever";
    EXPECT_EQ(GeneralX + GeneralY, 0);
    EXPECT_EQ(oxatest::pixel(600, 250), green);
}

TEST_F(Picker, DirectionKeysChooseAtOnceButNotOutOfSight) {
    maailma[mapidx(230, 229)] = 254;
    push_key(SDLK_UP);
    EXPECT_EQ(ValitseLokaatio(PICK_DIRECTION, "door"), 254);
    EXPECT_EQ(GeneralX, 230);
    EXPECT_EQ(GeneralY, 229);

    ASSERT_FALSE(See(230, 231)) << "the square behind her";
    lastnote[0] = 0;
    push_key(SDLK_DOWN);           // refused: the picker stays open
    push_key('9');                 // north-east
    EXPECT_EQ(ValitseLokaatio(PICK_DIRECTION, "door"), CH_GROUND);
    EXPECT_EQ(GeneralX, 231);
    EXPECT_EQ(GeneralY, 229);
    EXPECT_STREQ(lastnote, "!Please pick a direction where you can see!");
    EXPECT_EQ(NOTE_TUPLAOK, 0) << "other notes that repeat are not told again";

    push_key(SDLK_DOWN);
    EXPECT_EQ(ValitseLokaatio(PICK_DIRECTION | PICK_UNSEEN, "door"), CH_GROUND) << "unseen allowed";
    EXPECT_EQ(GeneralY, 231);

    push_key(SDLK_RETURN);         // offset 0 is not a choice without the own-square mode
    push_key('5');                 // nor is "5"
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(ValitseLokaatio(PICK_DIRECTION, "x"), 0);
    push_key('5');
    EXPECT_EQ(ValitseLokaatio(PICK_DIRECTION | PICK_OWN_SQUARE, "x"), CH_GROUND);
    EXPECT_EQ(GeneralX, 230);
    EXPECT_EQ(GeneralY, 230);
}

TEST_F(Picker, CreaturesCycleNearestFirstAndTheLastTargetIsRemembered) {
    creature(0, 7, 230, 222);      // eight squares north
    creature(1, 4, 232, 228);      // two squares away
    creature(2, 9, 230, 235);      // behind her: not in sight
    push_key('+');
    push_key(SDLK_RETURN);
    EXPECT_EQ(OtaKohta("target"), CH_GROUND);
    EXPECT_EQ(GeneralX, 232);
    EXPECT_EQ(GeneralY, 228);
    EXPECT_EQ(PREV_CRE_NUM, 4);
    EXPECT_EQ(in_sight_pos, 2);
    EXPECT_EQ(cr_in_sight[0], 4);
    EXPECT_EQ(cr_in_sight[1], 7);

    Data[1].x = 229;               // the creature moves; the player does not
    push_key(SDLK_RETURN);
    OtaKohta("target");
    EXPECT_EQ(GeneralX, 229) << "the pick starts on the creature picked last";
    EXPECT_EQ(GeneralY, 228);

    push_key('-');                 // from the nearest back around to the farthest
    push_key(SDLK_RETURN);
    OtaKohta("target");
    EXPECT_EQ(GeneralY, 222);
    EXPECT_EQ(PREV_CRE_NUM, 7);

    PlayerX = 231;                 // she moved: the memory is gone
    PlayerView();
    push_key(SDLK_RETURN);         // offset 0: no choice
    push_key(SDLK_UP);
    push_key(SDLK_RETURN);
    OtaKohta("target");
    EXPECT_EQ(GeneralX, 231);
    EXPECT_EQ(GeneralY, 229);
    EXPECT_EQ(PREV_CRE_NUM, CRE_NONE);
}

TEST_F(Picker, ADamagedCreatureIdInThePoolSelectsNoSlot) {
    place_record(DT_CREATURE, 230, 228, CRE_DATAID + CRE_COUNT + 200);   // names no creature
    place_record(DT_CREATURE, 231, 228, 7);                               // below the creature ids
    creature(2, 4, 229, 228);
    refresh_locsel_insight();
    ASSERT_EQ(in_sight_pos, 1);
    EXPECT_EQ(cr_in_sight[0], 4);
}

TEST_F(Picker, TheMouseMovesTheCursorOntoTheSquareUnderIt) {
    // Map centre 240, 315 with cells of 18 x 20: three cells right and two up. The motion empties
    // the queue behind it, so the picker ends there and the cursor's last place tells.
    motion_to(240 + 3 * 18, 315 - 2 * 20 + 4, 3);
    EXPECT_EQ(OtaKohta("target"), 0);
    EXPECT_EQ(LOCSEL_SCREEN_X, 240 + 3 * 18 - 9);
    EXPECT_EQ(LOCSEL_SCREEN_Y, 315 - 2 * 20 - 10);

    motion_to(240 + 5 * 18, 315 - 4 * 20, 4);   // in direction mode only the neighbour toward it
    EXPECT_EQ(OtaKohta_Suunta("x"), 0);
    EXPECT_EQ(LOCSEL_SCREEN_X, 240 + 18 - 9);
    EXPECT_EQ(LOCSEL_SCREEN_Y, 315 - 20 - 10);
}

// Wheel steps zoom one after the other; those left once the zoom stops at its bound are let go.
TEST_F(Picker, WheelStepsZoomUntilTheBoundThenTheRestAreLetGo) {
    const struct { float from, to; int left; } cases[] = {
        {0.5f, 0.815f, 0},   // two steps in, both taken
        {0.815f, 1.0f, 0},   // the first reaches the bound, the second is let go
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.from);
        mapdimInit(800, 600, c.from);
        for (int i = 0; i < 2; i++) {
            SDL_Event e{};
            e.type = SDL_MOUSEWHEEL;
            e.wheel.y = 1;
            SDL_PushEvent(&e);
        }
        push_key(SDLK_ESCAPE);
        EXPECT_EQ(OtaKohta("target"), 0);
        EXPECT_FLOAT_EQ(mapDim.scale, c.to);
        EXPECT_EQ(SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_MOUSEWHEEL, SDL_MOUSEWHEEL), c.left);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    mapdimInit(800, 600, 1.0f);
}

TEST_F(Picker, WrappersTakeTheOnlyFittingSquareWithoutAsking) {
    maailma[mapidx(231, 231)] = 254;   // one closed door, behind her to the right
    EXPECT_EQ(DirSel_ch("door you wish to open", "\xfe,"), 254);
    EXPECT_EQ(GeneralX, 231);
    EXPECT_EQ(GeneralY, 231);

    maailma[mapidx(229, 229)] = ',';   // a gate too: now the picker asks
    push_key(SDLK_HOME);
    EXPECT_EQ(DirSel_ch("door you wish to open", "\xfe,"), ',');

    maailma[mapidx(230, 229)] = 'T';   // the square ahead is not open ground
    terrain[(unsigned char)'T'].flags |= TF_BLOCKS;
    push_key(SDLK_UP);
    EXPECT_EQ(OtaTyhja_Suunta("x"), 0);
    EXPECT_EQ(GeneralX + GeneralY, 0);

    // Carcasses: the skinned one beside her is passed over, the one ahead taken.
    memset(Cre, 0, sizeof Cre);
    Data[0] = DataStruct{};
    place_record(DT_CARCASS, 229, 230, CRE_DATAID + 3);
    place_record(DT_CARCASS, 231, 230, CRE_DATAID + 5);
    set_carcass_skinned(Cre[3]);
    int x = 0, y = 0;
    EXPECT_EQ(askdir_datatype("carcass", DT_CARCASS, &x, &y, 1 | 8), CH_GROUND);
    EXPECT_EQ(x, 231);
    EXPECT_EQ(y, 230);
}

}  // namespace
