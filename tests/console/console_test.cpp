// The developer console: the guard and the action keys typed through Aino's turn loop, the typed
// line's word matching, its quest, weather and report commands, and the console's rule-side work on
// bad numbers, the clock's carry, skills and magic knowledge.
#include "core/loader_fixture.h"

#include "activities/magic.h"
#include "core/harnrule.h"
#include "core/maintenance.h"
#include "core/weatherengine.h"
#include "game/wizard.h"
#include "maps/mapquery.h"
#include "society/questoffer.h"
#include "items/herbarium.h"
#include "items/plants.h"
#include "creatures/cremove.h"
#include "creatures/body.h"
#include "creatures/wounding.h"
#include "creatures/perception.h"
#include "core/player.h"
#include "items/inventory.h"
#include "base/debuglog.h"
#include "core/creatures.h"
#include "maps/area.h"
#include "presentation/input_feeder.h"
#include "presentation/show.h"
#include "core/tehtavat.h"
#include "screens/console.h"
#include "worldgen/localgen.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using oxatest::KeyFeeder;

// ---- the console's own rules, without a game --------------------------------------------------

TEST(ConsoleWords, EveryMatchingWordRunsInNumberOrder) {
    const struct {
        const char *line;
        std::vector<int> runs;
    } rows[] = {
        {"force", {42, 108}},          // "rc" inside "force"
        {"encounter", {30, 60}},       // "ter" inside "encounter"
        {"sumsaa", {9, 10}},
        {"saa", {10}},
        {"aarre", {64}},
        {"aarreset", {63}},
        {"vil", {53}},
        {"vilchk", {47}},
        {"grab", {26, 37}},
        {"unl", {41, 51}},
        {"sleepy", {127, 135}},
        {"tired", {128}},
        {"socown", {49, 161}},
        {"qlog", {}},
        {"qloggerx", {93}},
        {"\x1b", {}},
    };
    for (const auto &r : rows) {
        int got[32];
        const int n = console_line_matches(r.line, got, 32);
        EXPECT_EQ(std::vector<int>(got, got + n), r.runs) << r.line;
    }
}

class ConsoleRules : public ::testing::Test {
protected:
    void SetUp() override { memset(&Plr, 0, sizeof Plr); }
    void TearDown() override { memset(&Plr, 0, sizeof Plr); }
};

TEST_F(ConsoleRules, TypedNumbersAreCheckedBaseTen) {
    const struct {
        const char *text;
        int value;
    } rows[] = {{"12", 12}, {"-7", -7}, {"0012", 12}, {"abc", 0}, {"12x", 0}, {"", 0},
                {"99999999999999999999", 0}, {"0x1f", 0}, {"2147483647", 2147483647}};
    for (const auto &r : rows) EXPECT_EQ(wizard_number(r.text), r.value) << r.text;
}

TEST_F(ConsoleRules, DaysCarryIntoMonthsAndYearsAndMonthsStayInRange) {
    const struct {
        int day, month, year, pass, day2, month2, year2;
    } rows[] = {
        {29, 12, 3, 3, 2, 1, 4},
        {1, 1, 0, 30, 1, 2, 0},
        {10, 5, 0, 0, 10, 5, 0},
        {10, 5, 0, -4, 10, 5, 0},
    };
    for (const auto &r : rows) {
        Plr.day = (uint8_t)r.day, Plr.month = (uint8_t)r.month, Plr.year = (uint8_t)r.year;
        clock_add_days(r.pass);
        EXPECT_EQ(Plr.day, r.day2) << r.day << "." << r.month << " + " << r.pass;
        EXPECT_EQ(Plr.month, r.month2);
        EXPECT_EQ(Plr.year, r.year2);
    }
    Plr.month = 5;
    EXPECT_EQ(wizard_set_month(13), 0);
    EXPECT_EQ(wizard_set_month(0), 0);
    EXPECT_EQ(Plr.month, 5);
}

TEST_F(ConsoleRules, SkillBoostSaturatesAndSpellsStayInTheirTable) {
    Plr.skill_level[0] = 255;
    Plr.skill_level[1] = 40;
    wizard_skillboost();
    EXPECT_EQ(Plr.skill_level[0], 255);
    EXPECT_EQ(Plr.skill_level[1], 41);

    Plr.spirit_customs = 3;
    Plr.rod_season_day = 77;
    Plr.last_upkeep_day = 9;
    magic_knowledge_fill(255);
    EXPECT_EQ(Plr.spirit_customs, 3u) << "the bytes after the knowledge table are not spells";
    EXPECT_EQ(Plr.rod_season_day, 77);
    EXPECT_EQ(Plr.last_upkeep_day, 9);
    magic_flag_today(8);
    magic_forget_all();
    EXPECT_EQ(Plr.spirit_customs, 3u);
    EXPECT_EQ(Plr.rod_season_day, 77);
}

// ---- played: Aino at the console --------------------------------------------------------------

class ConsoleGame : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        reset_switches();
    }
    void TearDown() override {
        reset_switches();
        PlayingTest::TearDown();
    }
    static void reset_switches() {
        WIZARD_npcfreeze = WIZARD_nodamage = CLOAK = INVISIBLE = WIZARD_randomsuccess = 0;
        WIZ_NAKO = WIZARD_objcount = 0;
        DEBUG_spend_pass = DEBUG_kasveja_aina = DEBUG_aika_ja_esineet = DEBUG_INFO = 0;
        QUEST_LOGGER = 0;
        KUESTIT_PIALLA = 1;
        DEBUG_KUESTILIPUT = 0;
    }
    // The console key, the guard and then whatever follows, typed in one turn.
    static void console(const std::string &after, bool guard = true) {
        KeyFeeder typing;
        typing.key('*');
        if (guard) typing.key('k').key('j');
        for (char c : after) typing.key(c == '\n' ? SDLK_RETURN : c == 27 ? SDLK_ESCAPE : (SDL_Keycode)c);
        int r;
        DISABLE_MORECHECK = 1;   // long reports do not stop for the paging key
        typing.typed([&] { return turn_pass(&r); });
    }
    static void line(const std::string &text) { console("\n" + text + "\n"); }
    // Notes begin with a capital: the log is compared in lower case.
    bool noted(std::string text) const {
        std::string log = notes();
        for (char &c : log) c = (char)tolower((unsigned char)c);
        for (char &c : text) c = (char)tolower((unsigned char)c);
        return log.find(text) != std::string::npos;
    }
};

TEST_F(ConsoleGame, AWrongGuardKeyEndsTheConsoleAtOnce) {
    for (const char *keys : {"x", "kx"}) {
        console(keys, false);
        command({SDLK_PERIOD});   // the next key is an ordinary command again
        EXPECT_EQ(WIZARD_npcfreeze, 0) << keys;
        EXPECT_FALSE(noted("?>")) << keys;
    }
    console("f");
    EXPECT_EQ(WIZARD_npcfreeze, 1);
    EXPECT_TRUE(noted("frz 1"));
}

TEST_F(ConsoleGame, SuccessModesStepRoundAndRollsFollowThem) {
    const char *texts[] = {"wizard suc - random", "wizard suc - ML 80%, random", "wizard suc - CF always",
                           "wizard suc - CS always", "wizard suc - off"};
    const int expect_roll[] = {-1, -1, SR_CRITFAIL, SR_CRITSUCCESS, -1};
    for (int i = 0; i < 5; i++) {
        console("s");
        EXPECT_EQ(WIZARD_randomsuccess, (i + 1) % 5);
        EXPECT_TRUE(noted(texts[i])) << texts[i];
        if (expect_roll[i] < 0) continue;
        for (int k = 0; k < 20; k++) EXPECT_EQ(SuccessRoll(0, 50), expect_roll[i]);
    }
}

TEST_F(ConsoleGame, KeysYAndXEndByTheirLastStep) {
    console("ySKIING\n");
    EXPECT_EQ(Plr.hour, 23);
    console("x\x1b");
    EXPECT_EQ(DEBUG_kasveja_aina, 1);
    EXPECT_TRUE(noted("DEBUG_kasveja_aina: 1"));
    console("0\x1b");
    EXPECT_FALSE(noted("onko_taistelutilanne")) << "no creature picked: nothing asked";
}

TEST_F(ConsoleGame, DaysMonthsAndTeleportTakeOnlySoundValues) {
    Plr.day = 29;
    Plr.month = 12;
    const int year = Plr.year;
    const uint32_t days = Plr.daynumber;
    console("d3\n");
    EXPECT_EQ(Plr.daynumber, days + 3);
    EXPECT_EQ(Plr.day, 2);
    EXPECT_EQ(Plr.month, 1);
    EXPECT_EQ(Plr.year, year + 1);
    console("m13\n");
    EXPECT_EQ(Plr.month, 1);
    const int x = PlayerX, y = PlayerY;
    console("t99999\n5\n");
    EXPECT_EQ(PlayerX, x);
    EXPECT_EQ(PlayerY, y);
}

TEST_F(ConsoleGame, FrozenCreaturesStandAndSeeingAllLastsEveryTurn) {
    ASSERT_NE(walk_into_her_village(), 0);
    command({SDLK_SPACE, SDLK_PERIOD});
    console("f");
    ASSERT_TRUE(noted("frz 1"));
    std::vector<std::pair<int, int>> before;
    for (const DataStruct &d : Data)
        if (d.type == DT_CREATURE) before.push_back({d.x, d.y});
    ASSERT_FALSE(before.empty());
    for (int i = 0; i < 4; i++) command({SDLK_PERIOD});
    std::vector<std::pair<int, int>> after;
    for (const DataStruct &d : Data)
        if (d.type == DT_CREATURE) after.push_back({d.x, d.y});
    EXPECT_EQ(after, before);
    console("b");
    command({SDLK_PERIOD});
    EXPECT_EQ(ALL_SEE, 1);
}

TEST_F(ConsoleGame, TypedLinesReportAndForceQuests) {
    line("var");
    for (const char *t : {"queststruct: 61920", "QUALIST: ", "creature: 1384", "item: 172", "data: 36", "plr: 5716"})
        EXPECT_TRUE(noted(t)) << t;
    EXPECT_TRUE(dir->exists("test.dat"));

    // "herb" names each herb effect she carries as the plant data names it.
    int effect = -1;
    for (int b = 0; b < YRTTI_COUNT && effect < 0; b++)
        if (YrttiInfo[b].name[0]) effect = b;
    ASSERT_GE(effect, 0) << "the plant data names its effects";
    Plr.body_effects = 1u << effect;
    line("herb");
    EXPECT_TRUE(noted(YrttiInfo[effect].name)) << notes();

    line("qkill");
    EXPECT_TRUE(noted("qkilled"));

    console("\ndq\n\x1b");   // the picker left with Esc: no person, no question
    EXPECT_FALSE(noted("Homeland escort"));

    console("\nqlogger\n1");
    EXPECT_EQ(QUEST_LOGGER, 1);
    console("\nqlogger\nz");
    EXPECT_EQ(QUEST_LOGGER, 1) << "another key changes nothing";
    line("qf2");
    EXPECT_EQ(DEBUG_KUESTILIPUT, 2);

    line("sleepy");
    EXPECT_EQ(plr_tiredness(), 3000) << "both sleepy commands, the later last";
    line("tired");
    EXPECT_EQ(plr_tiredness(), 1400);
}

// "newhd" switches the heading layout and lays the note box out anew for it, and back again.
TEST_F(ConsoleGame, NewHeadingLayoutMovesTheNoteBox) {
    const int was = NEWHEADINGBRANCH;
    guiInit(RESOLUTION_X, RESOLUTION_Y);
    const GuiBlock before = noteboxGui;
    line("newhd");
    EXPECT_NE(NEWHEADINGBRANCH, was);
    EXPECT_NE(noteboxGui.y, before.y);
    EXPECT_NE(noteboxGui.height, before.height);
    line("newhd");
    EXPECT_EQ(NEWHEADINGBRANCH, was);
    EXPECT_EQ(noteboxGui.y, before.y);
    EXPECT_EQ(noteboxGui.height, before.height);
}

TEST_F(ConsoleGame, WeatherQuestionsChangeOnlyWhatIsAnswered) {
    GlobWeather.cloud = 90;
    const WeatherStruct was = GlobWeather;
    console("\nsaa\nnnnnnn");
    EXPECT_TRUE(noted("pilvia"));
    EXPECT_EQ(memcmp(&GlobWeather, &was, sizeof was), 0) << "no to every question";
    console("\nsaa\ny");
    EXPECT_EQ(GlobWeather.cloud, 0);
}

TEST_F(ConsoleGame, DumpsListThePoolsCreatures) {
    ASSERT_NE(walk_into_her_village(), 0);
    int creatures = 0;
    for (const DataStruct &d : Data) creatures += d.type == DT_CREATURE;
    ASSERT_GT(creatures, 0);
    console("4\n");
    std::ifstream in(dir->path() + "/datalist.txt");
    std::stringstream ss;
    ss << in.rdbuf();
    int lines = 0;
    for (size_t p = ss.str().find(" T:4 "); p != std::string::npos; p = ss.str().find(" T:4 ", p + 1)) lines++;
    EXPECT_EQ(lines, creatures);
    EXPECT_TRUE(noted("Koti ")) << "each creature told with its home";
}

// "iniq" asks for a new quest only where people live within three cells of her world cell.
TEST_F(ConsoleGame, NewQuestAskedOnlyNearASettlement) {
    ASSERT_TRUE(bigmap());
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(v.x, 0);
    PlayerX = v.x;
    PlayerY = v.y;
    ASSERT_TRUE(is_settled_area(IsoX(), IsoY(), 3));
    line("iniq");
    const std::string near = questoffer_log();
    EXPECT_NE(near.find("SocQuestCreator"), std::string::npos) << "asked beside her village";
    int wx = 0, wy = 0;
    for (int d = 8; d < 400 && !wx; d += 8)
        for (int k = 0; k < 4 && !wx; k++) {
            const int x = v.x + (k == 0 ? d : k == 1 ? -d : 0), y = v.y + (k == 2 ? d : k == 3 ? -d : 0);
            if (x > 0 && y > 0 && x < WORLD_W && y < WORLD_H && !is_settled_area(x, y, 3)) wx = x, wy = y;
        }
    ASSERT_NE(wx, 0) << "a wild cell";
    PlayerX = wx;
    PlayerY = wy;
    line("iniq");
    EXPECT_EQ(std::string(questoffer_log()), near) << "nothing asked in the wild";
}

}  // namespace
