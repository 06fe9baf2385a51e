// tests/activities/building_test.cpp -- building work: the progress words of a paused job, one paused
// job a square whatever is done there, the placement rules of a door and a ceiling, the material lines
// of a recipe and a structure's recipe asked when taking it apart.
#include "items/craft_fixture.h"

#include "activities/building.h"
#include "activities/making.h"
#include "maps/maps.h"

namespace oxatest {
namespace {

int esc_asks = 0, esc_answer_at = 0;
// Esc is pressed at every minute and answered yes at the chosen question: the work stops there.
int esc_until(const char *) {
    if (++esc_asks >= esc_answer_at) return 1;
    push_key(SDLK_ESCAPE);
    return 0;
}

class Building : public CraftTest {
protected:
    void SetUp() override {
        CraftTest::SetUp();
        dir->copy_asset("messages/eng_itemcmd.txt");
        MSG_forget_index();
        x = PlayerX + 1, y = PlayerY;
        for (int j = y - 2; j <= y + 2; j++)
            for (int i = x - 2; i <= x + 2; i++) maailma[mapidx(i, j)] = 250;
        esc_asks = 0;
    }
    static int jobs_at(int x, int y) {
        int n = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_PAUSED_BUILDING && d.x == x && d.y == y) n++;
        return n;
    }
    static int job_at(int x, int y) {
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_PAUSED_BUILDING && Data[i].x == x && Data[i].y == y) return i;
        return -1;
    }
    int x = 0, y = 0;
};

TEST_F(Building, APausedJobReadsItsProgress) {
    const struct { int spent, total; const char *text; } cases[] = {
        {0, 120, "initially prepared western wall (under construction)"},
        {24, 120, "initially prepared western wall (under construction)"},   // 20 %
        {30, 120, "partly built western wall (under construction)"},         // 25 %
        {60, 120, "half-finished western wall (under construction)"},
        {80, 120, "semi-finished western wall (under construction)"},        // 67 %
        {110, 120, "finishing western wall (under construction)"},
        {200, 120, "finishing western wall (under construction)"},           // never past 100 %
    };
    for (const auto &c : cases) {
        set_build_pause(x, y, 200, c.spent, c.total);
        const int job = job_at(x, y);
        ASSERT_GE(job, 0);
        EXPECT_STREQ(mcinprocess_desc(job), c.text) << c.spent;
        EXPECT_LE(mcinprocess_pct(job), 100);
    }
    EXPECT_EQ(mcinprocess_pct(job_at(x, y)), 100);
    EXPECT_STREQ(mcinprocess_desc(-1), "");
    EXPECT_STREQ(mcinprocess_desc(DATA_MAX), "");
}

// Pausing, continuing and taking apart, in any order, leave one paused job on the square.
TEST_F(Building, ASquareHoldsOnePausedJobWhateverIsDoneThere) {
    ui.choices.yes_no = esc_until;
    carry(def("Woodsman's axe"), 1);
    const int wall = 200;
    const struct { const char *step; } steps[] = {{"pause"}, {"pause"}, {"take apart"}, {"continue"}, {"pause"},
                                                  {"continue"}, {"take apart"}, {"two old jobs, then pause"}};
    for (const auto &s : steps) {
        const std::string step = s.step;
        if (step == "pause") {
            set_build_pause(x, y, wall, 30, 400);
        } else if (step == "take apart") {
            esc_asks = 0, esc_answer_at = 3;
            push_key(SDLK_ESCAPE);
            EXPECT_EQ(Pura(-1, x, y), 0);
        } else if (step == "continue") {
            const uint32_t before = Data[job_at(x, y)].spent_minutes;
            esc_asks = 0, esc_answer_at = 40;   // past the pause point of the rest of the work
            push_key(SDLK_SPACE);               // the materials are at hand: on with the work
            push_key(SDLK_ESCAPE);
            EXPECT_EQ(branchRakenna(0, 0), 0) << lastnote;
            ASSERT_GE(job_at(x, y), 0);
            EXPECT_GT(Data[job_at(x, y)].spent_minutes, before) << "the minutes done are added to the job; " << lastnote;
            EXPECT_EQ(get_mapchar(x, y), 250);
        } else {
            pool_put(DT_PAUSED_BUILDING, x, y, (uint32_t)wall, 1);
            pool_put(DT_PAUSED_BUILDING, x, y, (uint32_t)wall, 1);
            set_build_pause(x, y, wall, 30, 400);
        }
        EXPECT_EQ(jobs_at(x, y), 1) << "after: " << step;
    }
}

TEST_F(Building, PlacementRulesOfADoorAndACeiling) {
    carry(def("Woodsman's axe"), 1);
    // A door on the square of a paused wall.
    set_build_pause(x, y, 200, 30, 120);
    push_key(SDLK_RIGHT);
    EXPECT_EQ(branchRakenna(254, 0), 0);
    EXPECT_STREQ(lastnote, "!Not possible! There's partly built western wall (under construction).");
    CrunchData(job_at(x, y));

    // A ceiling needs three roofed squares of the nine around it; an object on the square is the next
    // refusal, so reaching it shows the placement was allowed.
    const char *refused = "!You can't build a ceiling there yet! There needs to be more solid structures, walls or "
                          "surrounding ceiling around first.";
    const struct { int walls; const char *note; } cases[] = {
        {2, refused},
        {3, "!The chosen location must be clear of any objects."},
    };
    lay(def("Woodsman's axe"), 1);
    const int around[][2] = {{0, -1}, {1, -1}, {1, 0}};
    for (const auto &c : cases) {
        for (int k = 0; k < 3; k++) maailma[mapidx(x + around[k][0], y + around[k][1])] = k < c.walls ? 196 : 250;
        push_key(SDLK_RIGHT);
        EXPECT_EQ(branchRakenna('_', 0), 0);
        EXPECT_STREQ(lastnote, c.note) << c.walls << " walls";
    }
}

TEST_F(Building, RecipesOfStructures) {
    const struct { const char *line; uint32_t count; bool limited; } lines[] = {
        {"{Knife} [remove] (2)", 2, false},
        {"{Knife} [remove] (2) [ask_num]", 0, true},
    };
    for (const auto &l : lines) {
        Tyhjaa_Tarvike();
        pura_esinetarvinta(l.line);
        EXPECT_EQ(Tarvike.id, 51u) << l.line;
        EXPECT_EQ(Tarvike.remove, 1) << l.line;
        EXPECT_EQ(Tarvike.count, l.count) << l.line;
        EXPECT_EQ(Tarvike.max_count == 2, l.limited) << l.line;
    }

    // Taking apart asks the recipe: its minutes and materials, or a refusal without one.
    const struct { int mc, minutes; const char *note; } structures[] = {
        {250, 0, "!That is something you can't deconstruct!"},
        {'_', 240, ""},
        {200, 360, ""},
    };
    for (const auto &s : structures) {
        lastnote[0] = 0;
        EXPECT_EQ(branchRakenna(s.mc, 1), s.minutes) << s.mc;
        EXPECT_STREQ(lastnote, s.note) << s.mc;
        EXPECT_EQ(Tarvikelista[0].id != 0, s.minutes != 0) << "the materials are listed";
    }
    EXPECT_STREQ(Tarvikelista[0].label, "Log");
}

}  // namespace
}  // namespace oxatest
