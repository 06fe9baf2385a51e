// tests/activities/timber_test.cpp -- timbercraft on the ready-made character's field: what felling
// each kind of tree gives, a felling broken off and taken up again, bark by the season, what
// chopping and splitting give and what a broken-off chop gives back, and the people's felling and
// chopping step by step, which ends when its piece is freed or replaced meanwhile.
#include "core/maintenance.h"
#include "core/loader_fixture.h"
#include "common/object_table.h"

#include "creatures/skills.h"
#include "activities/timber.h"
#include "game/toimi.h"
#include "core/harnrule.h"
#include "core/notes.h"
#include "core/player.h"
#include "core/spend.h"
#include "maps/squareevents.h"
#include "core/tekstit.h"
#include "core/weatherengine.h"
#include "creatures/bodyrec.h"
#include "creatures/puuha.h"
#include "items/inventory.h"
#include "items/itemdefs.h"
#include "items/items_int.h"
#include "items/ownership.h"
#include "empty_village.h"
#include "maps/worldsearch.h"

#include <cmath>

namespace {

int fixed_roll = 2;
int roll_fixed(int, int) { return fixed_roll; }
int draw_middle(int n) { return n == 10 ? 5 : 0; }   // work times exact, every chance to learn taken
// She turns toward a square of the field that holds nothing, away from her fire: the tree goes there.
void face_open_square(int &tx, int &ty) {
    for (int dir = 0; dir < 8; dir++) {
        PlayerDir = dir;
        getaheadxy(CRE_PLAYER, &tx, &ty);
        bool clear = true;
        for (const DataStruct &d : Data)
            if (d.type && d.type != DT_FREED && d.type != DT_TRACKS && abs((int)d.x - tx) <= 1 &&
                abs((int)d.y - ty) <= 1 && (d.type == DT_FIRE || (d.x == tx && d.y == ty)))
                clear = false;
        if (clear) return;
    }
}
int break_at = 0;                  // the minute of the task at which Esc is pressed; 0 never
int esc_at_minute() {
    if (break_at && SPEND_MINDONE >= break_at) {
        break_at = 0;
        return KEY_ESC;
    }
    return 0;
}

class Timber : public oxatest::LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        for (const char *f : {"messages/eng_timber.txt", "messages/eng_skills.txt", "messages/eng_crafting.txt",
                              "messages/eng_items.txt", "messages/eng_body.txt"})
            dir->copy_asset(f);
        MSG_forget_index();
        ASSERT_EQ(loader(), 0);
        oxatest::down_to_her_field();
        // The animals and people of the field go elsewhere: none comes into sight while she works.
        for (DataStruct &d : Data)
            if (d.type == DT_CREATURE) d.type = 0;
        for (CreatureStruct &c : Cre) c.kind = CK_NONE;
        // She stands on the axe laid beside her; the tree is the square ahead.
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && !strcmp(ObjToItem((int)d.id).name, "Woodsman's axe")) PlayerX = d.x, PlayerY = d.y;
        face_open_square(tx, ty);
        GlobWeather.intensity = 0;
        skill_successroll = roll_fixed;
        skill_random = draw_middle;
        fixed_roll = SR_SUCCESS;
        ui.choices.kb_hit = esc_at_minute;
    }
    void TearDown() override {
        skill_successroll = SuccessRoll;
        skill_random = random;
        ui.choices.kb_hit = nullptr;
        break_at = 0;
        ui_script_clear();
        clrskillbank();
        LoaderTest::TearDown();
    }
    // The square ahead becomes a tree of map character c with no marks.
    // She rests between the jobs of a test, whose hours of work would tire her out.
    void tree(int c) {
        plr_set<float>(PB_FATIGUE, 0.0f);
        plr_set<int32_t>(PB_SLEEPINESS, 0);
        set_mapchar(tx, ty, c);
        for (DataStruct &d : Data)
            if (d.x == tx && d.y == ty && (d.type == DT_TREE || d.type == DT_ITEM)) d.type = DT_FREED;
    }
    static void keys(std::initializer_list<int> ks) {
        std::vector<int> v(ks);
        ui_script_keys(v.data(), (int)v.size());
    }
    // Pieces and records of the named item lying at x, y.
    static int lying(int x, int y, const char *name, int *records = nullptr, uint8_t *mark = nullptr) {
        int n = 0, r = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && d.x == x && d.y == y && !strcmp(ObjToItem((int)d.id).name, name)) {
                n += d.count, r++;
                if (mark) *mark = ObjToItem((int)d.id).magic;
            }
        if (records) *records = r;
        return n;
    }
    // A piece laid at the square ahead: the catalogue's item, changed by `edit`.
    template <class F> int lay(const char *name, F edit) {
        ItemStruct it = ObjToItem(object(name, 1));
        edit(it);
        set_data(DT_ITEM, tx, ty, Luo_Esineen_Itempos(it), 1);
        return get_itemtype(IT_TIMBER, tx, ty);
    }
    static int timber_slot() {
        for (int s = 0; s < PLR_SKILLS; s++)
            if (!strcmp(Plr.skill_name[s], "TIMBERCRAFT")) return s;
        return -1;
    }
    int tx = 0, ty = 0;
};

TEST_F(Timber, EachKindOfTreeFallsIntoItsOwnTimber) {
    const struct {
        int c;
        bool sapling, rain;
        const char *product;
        int least, most;
        uint8_t mark;
    } cases[] = {
        {12, false, false, "Slender tree trunk", 3, 5, 0},   // a young spruce is small whatever its kind
        {17, false, true, "Slender tree trunk", 3, 5, 0},    // no rain mark on slender trunks
        {24, false, false, "Slender tree trunk", 3, 5, 0},   // an alder is 4 m: small
        {18, false, false, "Tree trunk", 1, 1, 0},
        {18, false, true, "Tree trunk", 1, 1, TIMBER_RAIN_MARK},
        {10, true, false, "birch sapling", 1, 1, 0},          // a sapling of a big kind is a sapling
    };
    for (const auto &k : cases)
        for (int round = 0; round < 6; round++) {
            SCOPED_TRACE(testing::Message() << "char " << k.c << " rain " << k.rain << " round " << round);
            tree(k.c);
            if (k.sapling) Data[init_TreeData(tx, ty)].flags |= 1 << TREEDATA_SAPLING;
            GlobWeather.intensity = k.rain ? 2 : 0;
            {   // the last minute of a felling, within the hour, so that the weather cannot turn meanwhile
                Plr.minute = 10;
                last_hour = Plr.hour;
                const int rec = init_TreeData(tx, ty);
                Data[rec].ready_minute = 60;
                Data[rec].spent_minutes = 59;
            }
            keys({' '});
            ASSERT_EQ(felltimber(CRE_PLAYER, 0, 0, 0), 1) << lastnote;
            int records = 0;
            uint8_t mark = 99;
            const int got = lying(tx, ty, k.product, &records, &mark);
            EXPECT_GE(got, k.least);
            EXPECT_LE(got, k.most);
            EXPECT_EQ(records, 1) << "one record with the count";
            EXPECT_EQ(mark, k.mark);
            EXPECT_EQ(get_mapchar(tx, ty), TIMBER_FELLED_CHAR);
            EXPECT_EQ(get_datatype(DT_TREE, tx, ty), -1) << "the work record is freed";
        }
    keys({KEY_ESC});
    EXPECT_EQ(felltimber(CRE_PLAYER, 0, 0, 0), 0) << "a felled square holds no tree";
}

TEST_F(Timber, BreakingOffAFellingKeepsTheMinutesDone) {
    tree(18);
    const int rec = init_TreeData(tx, ty);
    ASSERT_GE(rec, 0);
    Data[rec].ready_minute = 60;   // this pine takes an hour
    break_at = 20;
    keys({' ', 'y'});
    EXPECT_EQ(felltimber(CRE_PLAYER, 0, 0, 0), 0);
    const int n = get_datatype(DT_TREE, tx, ty);
    ASSERT_GE(n, 0);
    EXPECT_EQ(dp_spentmins(n), 20);
    EXPECT_EQ(dp_leftmins(n), 40);
    EXPECT_EQ(get_mapchar(tx, ty), 18) << "the pine stands";
    EXPECT_EQ(lying(tx, ty, "Tree trunk"), 0);

    const uint32_t before = Plr.minutes;
    keys({' '});
    EXPECT_EQ(felltimber(CRE_PLAYER, 0, 0, 0), 1);
    EXPECT_EQ(Plr.minutes - before, 40u) << "the rest of the work, not the whole of it";
    EXPECT_EQ(lying(tx, ty, "Tree trunk"), 1);
}

TEST_F(Timber, BarkByTheSeason) {
    const struct {
        int month, c;
        bool given;
        float feet, sheets;        // birch-bark strip length, alder sheets
    } cases[] = {
        {5, 10, true, 100, 0},     // roll 2: 80 + 10 x 2 feet
        {8, 10, true, 50, 0},      // August: half the yield
        {6, 24, true, 0, 3},       // ceil(3 / 1.25)
        {3, 10, false, 0, 0},      // out of season
        {5, 18, false, 0, 0},      // no bark from a pine
    };
    int may_minutes = 0;
    for (const auto &k : cases) {
        SCOPED_TRACE(testing::Message() << "month " << k.month << " char " << k.c);
        tree(k.c);
        Plr.month = (uint8_t)k.month;
        const uint32_t before = Plr.minutes;
        keys({' '});
        EXPECT_EQ(TIMBERCRAFT_bark(), k.given ? 1 : 0);
        const int minutes = (int)(Plr.minutes - before);
        if (!k.given) {
            EXPECT_EQ(minutes, 0);
            EXPECT_FALSE(get_TreeData_peeled(tx, ty));
            continue;
        }
        EXPECT_TRUE(get_TreeData_peeled(tx, ty));
        if (k.month == 5) may_minutes = minutes;
        if (k.month == 8) {
            EXPECT_EQ(minutes, 2 * may_minutes) << "August: twice the time";
        }
        if (k.feet > 0) {
            int slot = -1;
            for (int i = 0; i < PLR_SLOTS; i++)
                if (Plr.inv_obj[i] && ObjToItem(Plr.inv_obj[i]).id == 407) slot = i;
            ASSERT_GE(slot, 0);
            EXPECT_FLOAT_EQ(ObjToItem(Plr.inv_obj[slot]).weight, Luo_Sommelo((int)k.feet).weight);
            Poista_PlrItem(slot, Plr.inv_count[slot]);
        } else {
            int sheets = 0;
            for (int s = 0; s < PLR_SLOTS; s++)
                if (Plr.inv_obj[s] && strstr(ObjToItem(Plr.inv_obj[s]).name, "alder")) sheets += Plr.inv_count[s];
            EXPECT_EQ(sheets, (int)k.sheets);
        }
        keys({' '});
        EXPECT_EQ(TIMBERCRAFT_bark(), 0) << "a tree is peeled once";
    }
}

TEST_F(Timber, ChoppingAndSplittingGiveTheirPieces) {
    const struct {
        int mode;
        const char *source;
        float weight;
        uint8_t mark;
        const char *product;
        int least, most;
        bool branches;
    } cases[] = {
        {ACTION_SPLIT_FIREWOOD, "Block of wood", 3, 0, "Firewood", 1, 4, false},
        {ACTION_CHOP_BLOCKS, "Tree trunk", 0, 0, "Block of wood", 8, 8, true},
        {ACTION_CARVE_LOG, "Tree trunk", 0, TIMBER_RAIN_MARK, "Log", 1, 1, true},   // the log keeps the rain mark
    };
    for (const auto &k : cases)
        for (int round = 0; round < 5; round++) {
            SCOPED_TRACE(testing::Message() << "mode " << k.mode << " round " << round);
            tree(TIMBER_FELLED_CHAR);
            ASSERT_GE(lay(k.source, [&](ItemStruct &it) {
                          if (k.weight > 0) it.weight = k.weight;
                          it.magic = k.mark;
                      }),
                      0);
            keys({' '});
            EXPECT_EQ(TIMBERCRAFT_chop(CRE_PLAYER, tx, ty, k.mode, 0), 1) << lastnote;
            uint8_t mark = 99;
            const int got = lying(tx, ty, k.product, nullptr, &mark);
            EXPECT_GE(got, k.least);
            EXPECT_LE(got, k.most);
            EXPECT_EQ(mark, k.mark);
            EXPECT_EQ(lying(tx, ty, k.source), 0) << "the source is used up";
            EXPECT_EQ(lying(tx, ty, "Branch") > 0, k.branches);
        }
}

// One timber work on the square ahead of her, with the tree it is done to.
struct TimberWorkRow {
    const char *work;
    int c;                      // the tree ahead
    int (*run)(int x, int y);   // the work on the square ahead
};
static int timber_fell(int, int) { return felltimber(CRE_PLAYER, 0, 0, 0); }
static int timber_chop(int x, int y) { return TIMBERCRAFT_chop(CRE_PLAYER, x, y, ACTION_CHOP_BLOCKS, 0); }
static int timber_bark(int, int) { return TIMBERCRAFT_bark(); }

// A village with nobody living in it keeps no books: chopping its log, felling or peeling a tree on
// its land books no mischief.
TEST_F(Timber, ChoppingAnEmptyVillagesLogBooksNoMischief) {
    const int soc = 4711;
    clrVillages();
    oxatest::empty_village_here(soc);
    ASSERT_EQ(socpopulation(soc), 0);
    Plr.month = 5;   // the bark season
    const TimberWorkRow rows[] = {
        {"chopping a log", TIMBER_FELLED_CHAR, timber_chop},
        {"felling", 12, timber_fell},
        {"peeling bark", 10, timber_bark},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.work);
        tree(r.c);
        if (r.c == TIMBER_FELLED_CHAR) {
            const int log = lay("Tree trunk", [](ItemStruct &) {});
            ASSERT_GE(log, 0);
            Data[log].owner = SOC_OWNER;
            ASSERT_FALSE(own_datapos(log).free) << "the village's log";
        }
        keys({' '});
        EXPECT_EQ(r.run(tx, ty), 1) << lastnote;
        EXPECT_EQ(oxatest::village_mischief(soc), 0);
    }
    clrVillages();
}

// With no room in the object table for what the work makes, nothing is done: the tree stands with its
// bark, the log lies whole, no time passes, and she is told.
TEST_F(Timber, WithNoRoomForItsProductTimberWorkChangesNothing) {
    Plr.month = 5;   // the bark season
    const TimberWorkRow rows[] = {
        {"felling", 18, timber_fell},
        {"chopping a log", TIMBER_FELLED_CHAR, timber_chop},
        {"peeling bark", 10, timber_bark},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.work);
        tree(r.c);
        const bool log = r.c == TIMBER_FELLED_CHAR;
        if (log) ASSERT_GE(lay("Tree trunk", [](ItemStruct &) {}), 0);
        const uint32_t start = Plr.minutes;
        const std::vector<int> filled = oxatest::fill_object_table();
        keys({' '});
        const int done = r.run(tx, ty);
        oxatest::free_objects(filled);
        EXPECT_NE(done, 1);
        EXPECT_TRUE(strstr(lastnote, "There is no room for more objects")) << lastnote;
        EXPECT_EQ(Plr.minutes, start);
        EXPECT_EQ(get_mapchar(tx, ty), r.c);
        EXPECT_FALSE(get_TreeData_peeled(tx, ty));
        EXPECT_EQ(lying(tx, ty, "Tree trunk"), log ? 1 : 0);
    }
}

TEST_F(Timber, ABrokenOffChopGivesBackWhatItTookAndItsLearning) {
    const int s = timber_slot();
    ASSERT_GE(s, 0);
    Plr.skill_level[s] = 5;        // every good roll teaches her
    Plr.skill_counter[s] = 0;
    fixed_roll = SR_CRITSUCCESS;
    // The pack and the ground around her, counted and weighed.
    auto sums = [&](int &count, float &weight) {
        count = 0, weight = 0;
        for (int i = 0; i < PLR_SLOTS; i++)
            if (Plr.inv_obj[i]) count += Plr.inv_count[i], weight += Plr.inv_count[i] * ObjToItem(Plr.inv_obj[i]).weight;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && abs((int)d.x - PlayerX) <= 1 && abs((int)d.y - PlayerY) <= 1)
                count += d.count, weight += d.count * ObjToItem((int)d.id).weight;
    };
    tree(TIMBER_FELLED_CHAR);
    lay("Tree trunk", [](ItemStruct &) {});
    int count0 = 0, count1 = 0;
    float weight0 = 0, weight1 = 0;
    sums(count0, weight0);
    const uint8_t level = Plr.skill_level[s], raises = Plr.skill_raises[s];
    const uint32_t counter = Plr.skill_counter[s];
    for (int mode : {ACTION_CHOP_BLOCKS, ACTION_SPLIT_BOARDS, ACTION_CARVE_LOG}) {
        SCOPED_TRACE(mode);
        break_at = 1;
        keys({' ', 'y'});
        EXPECT_EQ(TIMBERCRAFT_chop(CRE_PLAYER, tx, ty, mode, 0), 0);
        sums(count1, weight1);
        EXPECT_EQ(count1, count0);
        EXPECT_FLOAT_EQ(weight1, weight0);
        EXPECT_EQ(Plr.skill_level[s], level) << "the learning of the attempt is taken back";
        EXPECT_EQ(Plr.skill_raises[s], raises);
        EXPECT_EQ(Plr.skill_counter[s], counter);
        for (const DataStruct &d : Data) EXPECT_FALSE(d.type == DT_ITEM && d.pad33[0]) << "nothing stays reserved";
    }
    // Done to the end, the same rolls do teach her.
    keys({' '});
    EXPECT_EQ(TIMBERCRAFT_chop(CRE_PLAYER, tx, ty, ACTION_CARVE_LOG, 0), 1);
    EXPECT_GT(Plr.skill_level[s], level);
}

TEST_F(Timber, PeopleFellAndChopStepByStepAndStopWhenTheirPieceIsGone) {
    // A woodsman with an axe in his pack, beside the square ahead.
    const int n = 7;
    memset(&Cre[n], 0, sizeof Cre[n]);
    Cre[n].kind = CK_HUMAN;
    Cre[n].timberskill = 40;
    Cre[n].pack[0] = (uint32_t)object("Woodsman's axe", 1);
    Cre[n].packcount[0] = 1;
    ClearDTEMP();
    DTEMP.type = DT_CREATURE;
    DTEMP.x = (uint16_t)PlayerX;
    DTEMP.y = (uint16_t)PlayerY;
    DTEMP.id = CRE_DATAID + n;
    ASSERT_GE(SetDTEMP(-1), 0);

    // Felling: one minute of work on each call, the tree falling on the last.
    tree(18);
    EXPECT_EQ(timber_creature_can(n, 120, tx, ty), 1);
    int calls = 1;
    while (!timber_creature_step(n, 120, tx, ty) && calls < 1000) calls++;
    EXPECT_EQ(get_mapchar(tx, ty), TIMBER_FELLED_CHAR);
    EXPECT_EQ(lying(tx, ty, "Tree trunk"), 1);
    EXPECT_GT(calls, 10) << "step by step";
    EXPECT_EQ(timber_creature_step(n, 120, tx, ty), 1) << "no tree: the work ends";
    Cre[n].pack[0] = 0;
    tree(18);
    EXPECT_EQ(timber_creature_can(n, 120, tx, ty), 0) << "no axe, no felling";
    Cre[n].pack[0] = (uint32_t)object("Woodsman's axe", 1);
    ItemStruct skull{};
    skull.id = 416;
    skull.origin = 605;
    strcpy(skull.name, "Bear skull");
    set_data(DT_ITEM, tx, ty, Luo_Esineen_Itempos(skull), 1);
    EXPECT_EQ(timber_creature_can(n, 120, tx, ty), 0) << "the pine that bears a bear's skull is never felled";
    tree(18);

    // Carving a log: the timer set on the first call, the log made when it is down to one.
    const struct {
        const char *what;
        int meanwhile;             // 0 nothing, 1 the trunk freed, 2 freed and its record refilled
        int logs;
    } cases[] = {{"undisturbed", 0, 1}, {"trunk taken", 1, 0}, {"record refilled", 2, 0}};
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        tree(TIMBER_FELLED_CHAR);
        const int trunk = lay("Tree trunk", [](ItemStruct &) {});
        ASSERT_GE(trunk, 0);
        Cre[n].Puuha[0] = 121;
        Cre[n].PuuhaX[0] = tx, Cre[n].PuuhaY[0] = ty;
        Cre[n].PuuhaKohde[0] = 0;
        EXPECT_EQ(timber_creature_step(n, 121, tx, ty), 0);
        EXPECT_GT(Cre[n].PuuhaAika[0], 1);
        if (k.meanwhile) {
            CrunchData(trunk);
            if (k.meanwhile == 2) {
                ClearDTEMP();
                DTEMP.type = DT_ITEM;
                DTEMP.x = (uint16_t)tx;
                DTEMP.y = (uint16_t)ty;
                DTEMP.id = (uint32_t)object("Stone", 1);
                DTEMP.count = 3;
                ASSERT_EQ(SetDTEMP(trunk), trunk);
            }
        }
        int ended = 0;
        for (int tick = 0; tick < 500 && !ended; tick++) {
            ended = timber_creature_step(n, 121, tx, ty);
            Cre[n].PuuhaAika[0]--;   // as the queue counts it down
        }
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(lying(tx, ty, "Log"), k.logs);
        if (k.meanwhile == 2) {
            EXPECT_EQ(Data[trunk].count, 3) << "the stones are not worked";
        }
        for (DataStruct &d : Data)
            if (d.type == DT_ITEM && d.x == tx && d.y == ty) d.type = DT_FREED;
    }
    memset(&Cre[n], 0, sizeof Cre[n]);
}

}  // namespace

namespace {

// Esc pressed at a minute of the task, and a yes to taking a break: the player's hands, while the
// keys of the commands go through the turn loop.
int (*screen_kb_hit)() = nullptr;
int (*screen_yes_no)(const char *) = nullptr;
int press_esc_at_minute() {
    const int k = esc_at_minute();
    return k ? k : screen_kb_hit ? screen_kb_hit() : 0;
}
int break_yes(const char *question) {
    if (!strcmp(question, "Take a break?")) return 1;
    return screen_yes_no ? screen_yes_no(question) : 0;
}

class AinoFells : public oxatest::PlayingTest {
protected:
    void TearDown() override {
        if (screen_kb_hit) ui.choices.kb_hit = screen_kb_hit;
        if (screen_yes_no) ui.choices.yes_no = screen_yes_no;
        screen_kb_hit = nullptr;
        screen_yes_no = nullptr;
        break_at = 0;
        PlayingTest::TearDown();
    }
    // "s", her timbercraft's key on the skills screen, "F" in its menu and a space under the tools.
    static void fell_command() {
        oxatest::KeyFeeder typing;
        typing.key(SDLK_s).key((SDL_Keycode)SkillDATA(-1, "TIMBERCRAFT", SKD_KEY));
        typing.text("F").key(SDLK_SPACE);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
};

TEST_F(AinoFells, SheFellsAPineBreaksOffAndGoesOn) {
    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap());
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE) d.type = 0;   // nothing comes into sight to break off the work
    for (CreatureStruct &c : Cre) c.kind = CK_NONE;
    for (const DataStruct &d : Data)
        if (d.type == DT_ITEM && !strcmp(ObjToItem((int)d.id).name, "Woodsman's axe")) PlayerX = d.x, PlayerY = d.y;
    int tx = 0, ty = 0;
    face_open_square(tx, ty);
    set_mapchar(tx, ty, 18);
    for (DataStruct &d : Data)
        if (d.type == DT_TREE && d.x == tx && d.y == ty) d.type = DT_FREED;
    screen_kb_hit = ui.choices.kb_hit;
    screen_yes_no = ui.choices.yes_no;
    ui.choices.kb_hit = press_esc_at_minute;
    ui.choices.yes_no = break_yes;

    break_at = 5;
    fell_command();
    const int rec = get_datatype(DT_TREE, tx, ty);
    ASSERT_GE(rec, 0) << notes();
    EXPECT_EQ(dp_spentmins(rec), 5);
    const int left = dp_leftmins(rec);
    EXPECT_GT(left, 20);
    EXPECT_EQ(get_mapchar(tx, ty), 18) << "the pine stands";

    const uint32_t before = Plr.minutes;
    fell_command();
    EXPECT_EQ(get_mapchar(tx, ty), TIMBER_FELLED_CHAR) << notes();
    EXPECT_EQ((int)(Plr.minutes - before), left) << "she goes on where she stopped";
    int trunks = 0;
    for (const DataStruct &d : Data)
        if (d.type == DT_ITEM && d.x == tx && d.y == ty && !strcmp(ObjToItem((int)d.id).name, "Tree trunk")) trunks += d.count;
    EXPECT_EQ(trunks, 1);
    EXPECT_NE(notes().find("the tree falls down"), std::string::npos) << notes();
}

}  // namespace
