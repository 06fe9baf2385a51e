// tests/quests/course_play_test.cpp -- played: Aino takes the course LIVING IN THE WILD from the task
// key, sees her first task come up by itself on the fourth turn, drinks at a lake, goes down to the
// local map and picks a stone up, each done by the game's own commands.
#include "core/loader_fixture.h"
#include "common/pool_put.h"
#include "common/lake_shore.h"

#include "core/obj_func.h"
#include "maps/area.h"
#include "maps/movement.h"
#include "quests/courses.h"

namespace {

class AinoCourse : public oxatest::PlayingTest {
protected:
    void TearDown() override {
        course_reset();
        PlayingTest::TearDown();
    }
    static void turns(int n) {
        for (int i = 0; i < n; i++) command({SDLK_PERIOD});
    }
    // The task screen by the task key, looked at and left.
    static void task_screen() { command({SDLK_F5, SDLK_ESCAPE}); }
    static bool to_a_lake_shore() { return oxatest::to_a_lake_shore(); }
};

TEST_F(AinoCourse, SheLearnsToDrinkLookCloserAndPickUp) {
    command({SDLK_F5, SDLK_a});   // no course runs: the task key offers the choice
    ASSERT_EQ(Plr.course_index, 0) << notes();
    EXPECT_EQ(oxatest::read_bytes(path("taskdata.oxa")).size(), 24 * sizeof(Tehtava));

    turns(3);
    EXPECT_EQ(Tehtavan_Vaihe, -1);
    EXPECT_EQ(Plr.task_number, 0);
    command({SDLK_ESCAPE, SDLK_PERIOD});   // the fourth turn: the task screen opens by itself
    EXPECT_EQ(Tehtavan_Vaihe, 0);
    EXPECT_EQ(Plr.task_number, 1);

    ASSERT_TRUE(to_a_lake_shore());
    command({SDLK_q, SDLK_y});
    EXPECT_EQ(Tehtavan_Vaihe, 1) << notes();
    turns(3);
    command({SDLK_ESCAPE, SDLK_PERIOD});   // done, and shown so by itself
    EXPECT_EQ(Plr.course_index, 1);
    EXPECT_NE(notes().find("Live freely now"), std::string::npos);

    task_screen();
    EXPECT_EQ(Plr.task_number, 2);
    command({SDLK_RETURN});
    command({SDLK_SPACE, SDLK_PERIOD});
    ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_EQ(Tehtavan_Vaihe, 1);
    task_screen();
    task_screen();
    ASSERT_EQ(Plr.task_number, 3);
    task_screen();   // looking at a running task moves nothing on
    EXPECT_EQ(Plr.course_index, 2);
    EXPECT_EQ(Tehtavan_Vaihe, 0);

    ASSERT_GE(oxatest::pool_put(DT_ITEM, PlayerX, PlayerY, (uint32_t)object("STONE", 1)), 0);
    command({SDLK_g});
    EXPECT_EQ(Tehtavan_Vaihe, 1) << notes();
    EXPECT_EQ(Plr.course_index, 2);
}

// LIVING IN THE WILD run to its last task, seen done by the task key and its reward chosen: the course
// is completed. The task key then shows "LIVING IN THE WILD -- COMPLETED" where its button was, and
// its key starts nothing: no course file is written anew, and no second reward can follow.
TEST_F(AinoCourse, ACompletedCourseIsNotStartedAgainByItsKey) {
    command({SDLK_F5, SDLK_a});
    ASSERT_EQ(Plr.course_index, 0) << notes();
    Plr.course_index = COURSE_LENGTH - 1;   // on to its last task, which she has done
    Plr.task_number = course_order[0][COURSE_LENGTH - 1];
    Tehtavan_Vaihe = 0;
    Tarkista_Suoritus(Plr.task_number);
    ASSERT_EQ(Tehtavan_Vaihe, 1);
    command({SDLK_F5, SDLK_SPACE, SDLK_2, SDLK_SPACE, SDLK_ESCAPE});   // done; an attribute for reward
    ASSERT_NE(Plr.courses_completed & COURSE1_DONE, 0) << notes();
    ASSERT_EQ(Plr.course_index, -1);
    const std::vector<uint8_t> file = oxatest::read_bytes(path("taskdata.oxa"));

    command({SDLK_F5, SDLK_a, SDLK_ESCAPE});   // the choice, and the key of the completed course
    EXPECT_EQ(Plr.course_index, -1);
    EXPECT_EQ(oxatest::read_bytes(path("taskdata.oxa")), file);
}

}  // namespace
