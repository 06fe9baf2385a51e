// tests/quests/courses_test.cpp -- the game courses: the task file as written and read, the events a
// course hands out, the completion and its reward, and the course state a new load starts from.
#include "core/loader_fixture.h"

#include <strings.h>

#include "activities/crolls.h"
#include "game/command.h"
#include "core/notes.h"
#include "core/player.h"
#include "quests/courses.h"
#include "core/tehtavat.h"
#include "society/village.h"

namespace {

const size_t REC = sizeof(Tehtava);

class Courses : public oxatest::LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        course_reset();
        ui_script_clear();
    }
    void TearDown() override {
        course_reset();
        ui_script_clear();
        LoaderTest::TearDown();
    }
    std::vector<Tehtava> records() const {
        const std::vector<uint8_t> bytes = read("taskdata.oxa");
        std::vector<Tehtava> out(bytes.size() / REC);
        if (!out.empty()) memcpy(out.data(), bytes.data(), out.size() * REC);
        return out;
    }
    static int carried(const char *name) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++) {
            const int o = (int)Plr.inv_obj[s];
            if (o >= OBJ_PLAYER_FIRST && o <= OBJ_PLAYER_LAST && Plr.inv_count[s] > 0 &&
                strcasestr(PlayerObj[o - OBJ_PLAYER_FIRST].name, name))
                n += (int)Plr.inv_count[s];
        }
        return n;
    }
    // The course written and its task at `index` shown and done, as the task screen leaves it.
    static void at_task(int course, int index) {
        ASSERT_EQ(course == 1 ? Tee_Gamecourse_1() : Tee_Gamecourse_2(), 1);
        Plr.course_index = index;
        Plr.task_number = course_order[course - 1][index];
        Tehtavan_Vaihe = 0;
    }
};

TEST_F(Courses, EachCourseIsWrittenWholeInItsOrderWithItsEvents) {
    for (int course = 1; course <= 2; course++) {
        SCOPED_TRACE(course);
        ASSERT_EQ(course == 1 ? Tee_Gamecourse_1() : Tee_Gamecourse_2(), 1);
        EXPECT_EQ(size_of("taskdata.oxa"), 61632);
        const std::vector<Tehtava> t = records();
        ASSERT_EQ(t.size(), 24u);
        EXPECT_EQ(Plr.course_index, 0);
        EXPECT_EQ(Tehtavan_Vaihe, -1);
        for (int i = 0; i < 24; i++) {
            EXPECT_EQ(t[i].taskNumber, course_order[course - 1][i]);
            EXPECT_EQ(t[i].count, 1);
            EXPECT_EQ(t[i].endEvent, i == 23 ? COURSE_EVENT_DONE : 0) << i;
            for (int k = 0; k < TASK_LINES; k++)
                EXPECT_LE(strlen(t[i].keyHelp[k]), (size_t)TASK_KEYHELP_WHOLE) << t[i].title;
        }
        if (course == 1) {
            EXPECT_STREQ(t[0].title, "WATER");
            EXPECT_STREQ(t[0].picture, "jarvi_400x300.jpg");
            EXPECT_EQ(t[7].taskNumber, 7);
            EXPECT_EQ(t[7].startEvent, COURSE_EVENT_ROD);
            EXPECT_EQ(t[4].taskNumber, 8);
            EXPECT_EQ(t[4].startEvent, COURSE_EVENT_PIKE);
            EXPECT_EQ(t[0].startEvent, 0);
        } else {
            EXPECT_STREQ(t[0].title, "SOURCE OF LIVELIHOOD");
            EXPECT_EQ(t[0].picture[0], 0);
        }
    }
    Aseta_Tehtava(45);
    ASSERT_EQ(Kirjoita_Tehtavatiedostoon(1), 1);
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].taskNumber, 45);
    Aseta_Tehtava(23);
    ASSERT_EQ(Kirjoita_Tehtavatiedostoon(0), 1);
    ASSERT_EQ(records().size(), 2u);
    EXPECT_EQ(records()[1].taskNumber, 23);
}

TEST_F(Courses, EveryTaskTextFitsItsFieldsInSingleBytes) {
    bool umlaut = false;
    for (int n = 1; n <= COURSE_TASKS; n++) {
        Aseta_Tehtava(n);
        EXPECT_EQ(tehtava.taskNumber, n);
        EXPECT_NE(tehtava.title[0], 0) << n;
        EXPECT_NE(tehtava.description[0][0], 0) << n;
        EXPECT_NE(tehtava.completion[0][0], 0) << n;
        for (int k = 0; k < TASK_LINES; k++)
            for (const char *line : {tehtava.description[k], tehtava.completion[k]}) {
                EXPECT_LE(strlen(line), 199u) << n;
                for (const char *p = line; *p; p++) {
                    EXPECT_NE((uint8_t)*p, 0xC3) << "task " << n << " holds UTF-8";
                    umlaut |= (uint8_t)*p == 228;
                }
            }
    }
    EXPECT_TRUE(umlaut) << "the letter a with two dots is byte 228";
}

TEST_F(Courses, KeyHelpLinesLongerThan54AreCut) {
    const struct {
        size_t length;
        size_t stored;
        bool cut;
    } cases[] = {{60, 54, true}, {55, 54, true}, {54, 54, false}, {20, 20, false}};
    for (const auto &c : cases) {
        Aseta_Tehtava(3);
        memset(tehtava.keyHelp[1], 'k', c.length);
        tehtava.keyHelp[1][c.length] = 0;
        ASSERT_EQ(Kirjoita_Tehtavatiedostoon(1), 1);
        const std::string got = records()[0].keyHelp[1];
        EXPECT_EQ(got.size(), c.stored) << c.length;
        EXPECT_EQ(got.substr(got.size() - 2) == "..", c.cut) << got;
    }
}

TEST_F(Courses, ACourseThatCannotBeWrittenOrReadLeavesHerInFreePlay) {
    // No folder to write into: the choice says so and she stays in free play.
    snprintf(CharacterPath, sizeof CharacterPath, "%s/NOBODY", dir->path().c_str());
    Plr.course_index = -1;
    EXPECT_EQ(Tee_Gamecourse_1(), 0);
    EXPECT_EQ(Plr.course_index, -1);
    EXPECT_NE(std::string(NOTE).find("couldn't be written"), std::string::npos) << NOTE;

    // Only whole records are read; a place past them, or a file gone, ends the course.
    snprintf(CharacterPath, sizeof CharacterPath, "%s/AINO", dir->path().c_str());
    const struct {
        size_t bytes;
        int index;
        int after;
    } cases[] = {{3 * REC + 100, 2, 2}, {3 * REC + 100, 3, -1}, {REC - 1, 0, -1}, {0, 0, -1}};
    for (const auto &c : cases) {
        ASSERT_EQ(Tee_Gamecourse_2(), 1);
        std::vector<uint8_t> bytes = read("taskdata.oxa");
        bytes.resize(c.bytes);
        if (c.bytes)
            write("taskdata.oxa", bytes.data(), bytes.size());
        else
            remove(path("taskdata.oxa").c_str());
        Plr.course_index = c.index;
        Tehtavan_Vaihe = 0;
        TehtavaNaytto();
        EXPECT_EQ(Plr.course_index, c.after) << c.bytes << " bytes, place " << c.index;
        if (c.after >= 0) { EXPECT_EQ(Plr.task_number, 46); }
    }

    // A record whose start event is the course's end: showing the task completes nothing.
    ASSERT_EQ(Tee_Gamecourse_1(), 1);
    std::vector<uint8_t> bytes = read("taskdata.oxa");
    const int32_t done = COURSE_EVENT_DONE;
    memcpy(bytes.data(), &done, sizeof done);
    write("taskdata.oxa", bytes.data(), bytes.size());
    Plr.courses_completed = 0;
    TehtavaNaytto();
    EXPECT_EQ(Plr.course_index, 0);
    EXPECT_EQ(Plr.courses_completed, 0);
    EXPECT_EQ(Tehtava_Tapahtuma, 0);
}

TEST_F(Courses, OnlyTheShownTaskIsDoneAndOnlyOnce) {
    ASSERT_EQ(Tee_Gamecourse_1(), 1);
    Tarkista_Suoritus(1);
    EXPECT_EQ(Tehtavan_Vaihe, -1) << "not shown yet: no task is current";
    TehtavaNaytto();   // shown: the first task runs, and viewing it moves nothing on
    EXPECT_EQ(Plr.task_number, 1);
    EXPECT_EQ(Tehtavan_Vaihe, 0);
    EXPECT_EQ(Plr.course_index, 0);
    for (int other : {2, 20, 0}) Tarkista_Suoritus(other);
    EXPECT_EQ(Tehtavan_Vaihe, 0);
    Tarkista_Suoritus(1);
    Tarkista_Suoritus(1);
    EXPECT_EQ(Tehtavan_Vaihe, 1);
    EXPECT_EQ(Tehtavan_Suoritukset, 0);
    TehtavaNaytto();   // the completion seen: on to the next task, not yet shown
    EXPECT_EQ(Plr.course_index, 1);
    EXPECT_EQ(Plr.task_number, 0);
    EXPECT_EQ(Tehtavan_Vaihe, -1);
    EXPECT_NE(std::string(NOTE).find("Live freely now"), std::string::npos) << NOTE;
}

TEST_F(Courses, EventsGiveTheirThingsOnceAndRegionalOnesWaitForTheWorldMap) {
    ASSERT_EQ(loader(), 0);
    course_reset();
    Plr.course_index = 0;
    const int tracking = plr_ML("TRACKING");
    const struct {
        int event;
        const char *item;   // the thing carried afterwards; null for none
    } gifts[] = {{COURSE_EVENT_ROD, "FISHING ROD"}, {COURSE_EVENT_PIKE, "PIKE"}, {COURSE_EVENT_AXE, "HANDAXE"},
                 {COURSE_EVENT_FARMING, "SHOVEL"}, {COURSE_EVENT_TRACKING, nullptr}};
    for (const auto &g : gifts) {
        const int before = g.item ? carried(g.item) : 0;
        Tehtava_Tapahtuma = g.event;
        Tehtava_TapahtumaTarkistus();
        EXPECT_EQ(Tehtava_Tapahtuma, -1);
        EXPECT_EQ(Plr.course_last_event, g.event);
        if (g.item) { EXPECT_EQ(carried(g.item), before + 1) << g.item; }
    }
    if (tracking < 80) { EXPECT_EQ(plr_ML("TRACKING"), tracking + 20); }

    // The same event again, as after a load: dropped without a word.
    const int rods = carried("FISHING ROD");
    Plr.course_last_event = COURSE_EVENT_ROD;
    Tehtava_Tapahtuma = COURSE_EVENT_ROD;
    NOTE[0] = 0;
    Tehtava_TapahtumaTarkistus();
    EXPECT_EQ(Tehtava_Tapahtuma, -1);
    EXPECT_EQ(carried("FISHING ROD"), rods);
    EXPECT_STREQ(NOTE, "");

    // Raiders wait while she is on a local map, and come on her first turn outside.
    oxatest::down_to_her_field();
    Tehtava_Tapahtuma = COURSE_EVENT_RAIDERS;
    for (int turn = 0; turn < 3; turn++) Tehtava_TapahtumaTarkistus();
    EXPECT_EQ(Tehtava_Tapahtuma, COURSE_EVENT_RAIDERS);
    EXPECT_EQ(Plr.course_last_event, COURSE_EVENT_ROD);
    oxatest::step_away_from_creatures();
    command_dispatch(KEY_ENTER, 0, 0);
    if (LOAD_MAP == 1) { ASSERT_EQ(GetMappie(0), 1); }
    ASSERT_TRUE(bigmap());
    Tehtava_TapahtumaTarkistus();
    EXPECT_EQ(Tehtava_Tapahtuma, -1);
    EXPECT_EQ(Plr.course_last_event, COURSE_EVENT_RAIDERS);
    EXPECT_NE(std::string(NOTE).find("Njerpez camps in this region"), std::string::npos) << NOTE;
}

TEST_F(Courses, TheLastTaskSeenDoneCompletesTheCourseAndRewardsOnce) {
    ASSERT_EQ(loader(), 0);
    const struct {
        int course;
        int key;
        uint8_t bit;
    } cases[] = {{1, '2', COURSE1_DONE}, {2, '1', COURSE2_DONE}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.course);
        course_reset();
        Plr.courses_completed = 0;
        at_task(c.course, 23);
        Tarkista_Suoritus(course_order[c.course - 1][23]);
        ASSERT_EQ(Tehtavan_Vaihe, 1);
        const int strength = Plr.strength;
        SKILLIMPROVE_points = 0;
        const int keys[] = {'x', c.key, KEY_ESC};   // a key that chooses nothing is passed over
        ui_script_keys(keys, 3);
        TehtavaNaytto();
        EXPECT_EQ(Plr.courses_completed, c.bit);
        EXPECT_EQ(Plr.course_index, -1);
        EXPECT_EQ(Tehtava_Tapahtuma, 0);
        if (c.key == '2') { EXPECT_EQ(Plr.strength, strength < 18 ? strength + 1 : strength); }
        if (c.key == '1') {
            EXPECT_EQ(SKILLIMPROVE_decok, 0);
            EXPECT_EQ(SKILLIMPROVE_points, 3);
            EXPECT_EQ(SKILLIMPROVE_onetime, 1);
        }
        // Seen again: no course runs, so the choice is offered, and no second reward.
        ui_script_keys(keys, 3);
        TehtavaNaytto();
        EXPECT_EQ(Plr.strength, c.key == '2' && strength < 18 ? strength + 1 : strength);
    }
}

class CoursesTwoCharacters : public Courses {
protected:
    CoursesTwoCharacters() { vilho = true; }
};

TEST_F(CoursesTwoCharacters, ALoadStartsTheCourseStateAnew) {
    ASSERT_EQ(loader(), 0);
    Tehtavan_Vaihe = 1;
    Tehtava_Tapahtuma = COURSE_EVENT_TRADERS;
    task_gap = 3;
    NpcVil.socid = 7;          // the village talked to last, with credit earned in that game
    NpcVil.credit = 128.0f;
    leave_to_menu();
    copy_bounded(CharacterFile, sizeof CharacterFile, "VILHO");
    snprintf(CharacterPath, sizeof CharacterPath, "%s/VILHO", dir->path().c_str());
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(Tehtavan_Vaihe, -1);
    EXPECT_EQ(Tehtava_Tapahtuma, 0);
    EXPECT_EQ(task_gap, 0);
    EXPECT_EQ(NpcVil.socid, (uint32_t)-1000) << "a village of the game before is read anew, never written back";
    EXPECT_EQ(NpcVil.credit, 0.0f);
}

}  // namespace
