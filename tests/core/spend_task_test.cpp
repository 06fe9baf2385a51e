// tests/core/spend_task_test.cpp -- the timed-task loop: the ticks and the creatures' turns between
// them, the short tasks, the limits of a task's length, cancelling with Esc, the other reasons that
// end a task, and the tick pause.
#include "turn_fixture.h"

#include "core/obj_func.h"
#include "items/items.h"
#include "presentation/windows.h"
#include "creatures/bodyrec.h"

#include <algorithm>

#include <string>
#include <vector>

using oxatest::TurnTest;
using oxatest::push_key;
using oxatest::push_quit;

namespace {

std::vector<std::string> &questions() {
    static std::vector<std::string> q;
    return q;
}
int answer = 0;
int ask(const char *question) {
    questions().push_back(question);
    return answer;
}

class SpendTest : public TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        questions().clear();
        answer = 0;
        ui.choices.yes_no = ask;
        ui.choices.yes_no_esc = ask;
        // Tracks on the world map count down once a creatures' turn: they count the turns.
        world_map();
        memset(maailma, CH_GROUND, MAP_BYTES);
        Data[0].type = DT_TRACKS;
        Data[0].x = Data[0].y = 100;
        Data[0].count = 2000;
    }
    static int creature_turns() { return 2000 - Data[0].count; }
};

TEST_F(SpendTest, ThirtyMinutesInTicksWithTheCreaturesBetween) {
    EXPECT_EQ(basicspend(30, "Working"), 1);
    EXPECT_EQ(Plr.minutes, 30u);
    EXPECT_EQ(SPEND_MINDONE, 30);
    EXPECT_EQ(creature_turns(), 30);
    EXPECT_EQ(SPENDING, 0);
    EXPECT_EQ(SPENDING_CRITICAL, 0);
    EXPECT_EQ(TurnUsed, 1);
    EXPECT_TRUE(questions().empty());
    EXPECT_EQ(grabscr_slot("spend"), -1) << "the task window's screen was given back";
}

TEST_F(SpendTest, ShortTasks) {
    EXPECT_EQ(basicspend(1, "Glancing"), 1);
    EXPECT_EQ(Plr.minutes, 1u);
    EXPECT_EQ(creature_turns(), 1);

    EXPECT_EQ(realbasicspend(0, 10, "Tying", 0), 1);
    EXPECT_EQ(Plr.minutes, 1u);
    EXPECT_EQ(Juoksevat_sekuntit, 10);
    EXPECT_EQ(creature_turns(), 1) << "ten seconds: no creatures' turn";

    clock_reset();
    EXPECT_EQ(realbasicspend(1, 0, "Knotting", 0), 1);
    EXPECT_EQ(Plr.minutes, 2u) << "six ten-second ticks";
    EXPECT_EQ(creature_turns(), 7);
}

TEST_F(SpendTest, TaskLengthLimit) {
    EXPECT_EQ(basicspend(721, "Carving"), 0);
    EXPECT_EQ(Plr.minutes, 0u);
    EXPECT_EQ(TurnUsed, 1);
    EXPECT_NE(strstr(lastnote, "far too long"), nullptr);
    EXPECT_EQ(SPENDING, 0);

    // Twelve hours of carving outdoors: she is dressed against the cold of the night.
    ItemStruct suit;
    ClrItemstruct(suit);
    suit.type = IT_ARMOUR;
    SET_ITEM_TEXT(suit.name, "fur suit");
    suit.weight = suit.fullweight = 5.0f;
    suit.cover[0] = suit.cover[1] = suit.cover[2] = 255;
    suit.fig[5] = 15;
    suit.status = ISTAT_WORN;
    Plr.inv_obj[0] = Esineesta_Uniikki(suit);
    Plr.inv_count[0] = 1;
    // Twelve hours of ticks are the rules' own: the map is not drawn 1,441 times over.
    {
        oxatest::NoScreen no_screen;
        EXPECT_EQ(spend(721, 0, "Carving", 0, SPF_LONG5 | SPF_NOPROGRESS), 1) << "a long task may";
    }
    EXPECT_EQ(Plr.minutes, 721u);
    EXPECT_EQ(creature_turns(), 721);
    // Twelve hours exactly is within the limit: the task starts (and is cancelled at its first tick,
    // the ticks themselves are counted above).
    Plr.minutes = 0;
    answer = 1;
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(basicspend(720, "Carving"), 0);
    EXPECT_STREQ(lastnote, "!Task cancelled!");
    EXPECT_EQ(SPEND_MINDONE, 1);
}

TEST_F(SpendTest, EscAsksAndAYesCancelsWithTheTimeSpent) {
    answer = 1;
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(basicspend(30, "Working"), 0);
    ASSERT_EQ(questions().size(), 1u);
    EXPECT_EQ(questions()[0], "Cancel current task?");
    EXPECT_STREQ(lastnote, "!Task cancelled!");
    EXPECT_EQ(TurnUsed, 3);
    EXPECT_EQ(SPEND_MINDONE, 1);
    EXPECT_EQ(Plr.minutes, 0u) << "the minute being cancelled is not spent";
    EXPECT_EQ(SPENDING, 0);
    EXPECT_EQ(SPENDING_CRITICAL, 0);

    answer = 0;
    questions().clear();
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(basicspend(30, "Working"), 1) << "a no goes on";
    EXPECT_EQ(questions().size(), 1u);
    EXPECT_EQ(Plr.minutes, 30u);

    questions().clear();
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(spend(30, 0, "Working", 0, SPF_ESC_NOASK), 0);
    EXPECT_TRUE(questions().empty()) << "flag 4 cancels without a question";
}

TEST_F(SpendTest, PausedTaskAndOtherEnds) {
    answer = 1;
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(spend(40, 0, "Weaving", 0, SPF_LONG0), 0);
    EXPECT_EQ(questions()[0], "Take a break?");
    EXPECT_EQ(SPEND_CRAFTPAUSE, 1);
    EXPECT_STREQ(lastnote, "_Task paused, to be continued at will.");

    SPENDING = 0;
    REAL_QUIT = -1;                // the game is being left: the task ends at once
    EXPECT_EQ(basicspend(30, "Working"), 0);
    REAL_QUIT = 0;

    Plr.movement_mode = 2;
    EXPECT_EQ(basicspend(30, "Working"), 0);
    EXPECT_EQ(TurnUsed, 0);
    EXPECT_NE(strstr(lastnote, "swimming"), nullptr);
    Plr.movement_mode = 1;

    SPEND_INTERRUPT = 2;           // left over from outside: the start clears it
    EXPECT_EQ(basicspend(5, "STANDING BY"), 1);
}

TEST_F(SpendTest, ExhaustedAndSleepyAtOnceIsToldBothAndKeepsNoMinute) {
    static std::vector<std::string> told;
    told.clear();
    const UiNotes shown = ui.notes;
    ui.notes.note = [](const char *t, const char *, uint8_t, uint8_t, uint8_t, const char *) { told.push_back(t); };
    plr_set<float>(PB_FATIGUE, 100.0f);
    plr_set<int32_t>(PB_SLEEPINESS, 2001);
    EXPECT_EQ(spend(40, 0, "Weaving", 0, SPF_LONG0), 0);
    ui.notes = shown;
    const std::vector<std::string> both = {"&Too fatigued to continue! You need a break.",
                                           "&You are too tired to continue! You need to sleep."};
    EXPECT_NE(std::search(told.begin(), told.end(), both.begin(), both.end()), told.end());
    EXPECT_STREQ(lastnote, "_Task paused, to be continued at will.");
    EXPECT_EQ(SPEND_MINDONE, 0) << "a minute done is none when sleep ends the task";
}

TEST_F(SpendTest, ClosingTheWindowEndsTheTask) {
    push_quit();
    EXPECT_EQ(basicspend(30, "Working"), 0);
    EXPECT_EQ(EXIT_CLOSE_GAME, 1);
    EXPECT_TRUE(questions().empty());
}

TEST_F(SpendTest, TickPauseAndHelpers) {
    EXPECT_EQ(spend_tick_delay(30, 1, 0), 33);
    EXPECT_EQ(spend_tick_delay(2, 1, 0), 200);
    EXPECT_EQ(spend_tick_delay(0, 1, 0), 200);
    EXPECT_EQ(spend_tick_delay(30, 1, -500), 1);
    EXPECT_EQ(spend_tick_delay(10, 6, 5), 21);
    EXPECT_EQ(spend_helper_chance(1), 22);
    EXPECT_EQ(spend_helper_chance(2), 29);
    EXPECT_EQ(spend_helper_chance(3), 35);
}

}  // namespace
