// tests/activities/traps_test.cpp -- traps: what each kind takes, stepping in and getting free, the
// fixed setting bonuses, and the animals lured to set traps while the player was away.
#include "activity_fixture.h"

#include "activities/traps.h"
#include "activities/activities.h"
#include "game/toimi.h"
#include "game/scenario.h"
#include "creatures/bodyrec.h"
#include "creatures/wounds.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/spiritdata.h"
#include "game/playerstep.h"

#include <set>
#include <vector>

namespace {

using oxatest::ActivityTest;

class Traps : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        dir->copy_asset("messages/eng_traps_fishing.txt");
        MSG_forget_index();
        memset(ZoomExtra, 0, sizeof(ZoomExtraStruct) * ZOOMEXTRA_COUNT);
        Plr.world_x = Plr.world_y = 100;
        Plr.daynumber = 40;
        memset(&Creature, 0, sizeof Creature);
        saved_yes_no = ui.choices.yes_no;
    }
    int (*saved_yes_no)(const char *) = nullptr;
    void TearDown() override {
        trap_lure_pick = AnsaSpawnCONSTANTCRE;
        ui.choices.yes_no = saved_yes_no;
        ActivityTest::TearDown();
    }
    // A trap record at pos: a construction (its action code) or a portable trap (an object number).
    static int trap(int pos, int x, int y, uint32_t id, int quality, int flags = 0, int extra = TRAP_ARMED) {
        Data[pos] = {};
        Data[pos].type = DT_TRAP;
        Data[pos].x = (uint16_t)x;
        Data[pos].y = (uint16_t)y;
        Data[pos].id = id;
        Data[pos].count = (uint16_t)quality;
        Data[pos].flags = (uint8_t)flags;
        Data[pos].extra = (uint8_t)extra;
        return pos;
    }
    static uint32_t trap_item(unsigned object) {
        ItemStruct it = thing(IT_TOOL, object == OID_FOX_TRAP ? "Paw-board fox trap" : "Loop snare", object, 1.0f);
        it.subtype = ST_TRAP;
        return (uint32_t)Esineesta_Uniikki(it);
    }
    // The working record as a lured animal of a kind, weight and species.
    static void animal(int kind, float weight, int species = 600) {
        memset(&Creature, 0, sizeof Creature);
        Creature.kind = (uint8_t)kind;
        Creature.weight = weight;
        Creature.speciescode = (uint32_t)species;
    }
    // The local area was last seen `days` ago.
    static void away(int days) {
        const int i = zoomextra_kohta(100, 100);
        ASSERT_GE(i, 0);
        ZoomExtra[i].x = ZoomExtra[i].y = 100;
        ZoomExtra[i].lastday = (uint16_t)(Plr.daynumber - days);
    }
    // The lure pass with a pick that finds nothing: the traps it tried, in order.
    static std::vector<int> &tried() {
        static std::vector<int> t;
        return t;
    }
    static int count_pick(int n, int &x, int &y) {
        x = y = 0;
        tried().push_back(n);
        return TRAP_NONE;
    }
    static int lure_pass() {
        tried().clear();
        trap_lure_pick = count_pick;
        AnsaHoukutus();
        return (int)tried().size();
    }
};

TEST_F(Traps, EachConstructionTakesTheWeightsOfItsTable) {
    struct Case {
        int code;
        float weight;
        int takes;
    } cases[] = {
        {ACTION_LEVER_TRAP, 5.0f, 1},      {ACTION_LEVER_TRAP, 5.1f, 0},     {ACTION_SMALL_DEADFALL, 3.0f, 0},
        {ACTION_SMALL_DEADFALL, 3.1f, 1},  {ACTION_SMALL_DEADFALL, 7.0f, 1}, {ACTION_SMALL_DEADFALL, 7.1f, 0},
        {ACTION_BIG_DEADFALL, 10.0f, 0},   {ACTION_BIG_DEADFALL, 45.0f, 1},  {ACTION_BEAR_DEADFALL, 30.0f, 0},
        {ACTION_BEAR_DEADFALL, 240.0f, 1}, {ACTION_TRAP_PIT, 30.0f, 1},      {ACTION_TRAP_PIT, 29.9f, 0},
        {ACTION_STAKED_PIT, 30.0f, 1},     {ACTION_STAKED_PIT, 4.0f, 0},
    };
    for (const Case &c : cases) {
        trap(10, 231, 230, (uint32_t)c.code, 2);
        animal(3, c.weight);
        EXPECT_EQ(VaikuttaakoAnsa(10, CRE_PLAYER), c.takes) << c.code << " at " << c.weight;
    }
}

TEST_F(Traps, PortableTrapsTheBearTrapAndPeopleChooseWhomTheyTake) {
    const uint32_t fox = trap_item(OID_FOX_TRAP), snare = trap_item(OID_LOOP_SNARE);
    struct Case {
        const char *what;
        uint32_t id;
        int flags, kind, species, takes;
    } cases[] = {
        {"a fox in a fox trap", fox, TRAPF_PORTABLE, 18, 601, 1},
        {"a hare in a fox trap", fox, TRAPF_PORTABLE, 2, 600, 0},
        {"a hare in a snare", snare, TRAPF_PORTABLE, 2, 600, 1},
        {"a bird in a snare", snare, TRAPF_PORTABLE, 21, 632, 1},
        {"a bird in a favoured snare", snare, TRAPF_PORTABLE | TRAPF_FAVOURED, 21, 632, 0},
        {"a hare in a favoured snare", snare, TRAPF_PORTABLE | TRAPF_FAVOURED, 2, 600, 1},
        {"a bear in a favoured bear trap", ACTION_BEAR_DEADFALL, TRAPF_FAVOURED, 4, 605, 1},
        {"a cow in a favoured bear trap", ACTION_BEAR_DEADFALL, TRAPF_FAVOURED, 7, 609, 0},
        {"a person in a pit", ACTION_TRAP_PIT, 0, 1, 530, 1},
        {"a person in a deadfall", ACTION_BIG_DEADFALL, 0, 1, 530, 0},
        {"a record naming no item", 7777777, TRAPF_PORTABLE, 2, 600, 0},
    };
    for (const Case &c : cases) {
        trap(10, 231, 230, c.id, 2, c.flags);
        animal(c.kind, c.kind == 1 ? 70.0f : 240.0f, c.species);
        EXPECT_EQ(VaikuttaakoAnsa(10, CRE_PLAYER), c.takes) << c.what;
    }
    // Two more traps beside a fox trap keep the fox away; a trap item marked to let go lets go.
    trap(10, 231, 230, fox, 2, TRAPF_PORTABLE);
    trap(11, 232, 230, ACTION_LEVER_TRAP, 2);
    trap(12, 231, 231, ACTION_LEVER_TRAP, 2);
    animal(18, 5.0f, 601);
    EXPECT_EQ(VaikuttaakoAnsa(10, CRE_PLAYER), 0);
    ItemStruct loose = ObjToItem((int)snare);
    loose.trap[0] = 1;
    trap(10, 231, 230, (uint32_t)Esineesta_Uniikki(loose), 2, TRAPF_PORTABLE);
    animal(2, 4.0f);
    EXPECT_EQ(VaikuttaakoAnsa(10, CRE_PLAYER), 0);
    EXPECT_EQ(Data[10].type, DT_ITEM) << "it lies there as the snare again";
    // Numbers that name nothing select nothing.
    for (int c : {-7, (int)CRE_COUNT, 4000}) EXPECT_EQ(VaikuttaakoAnsa(11, c), 0) << c;
    EXPECT_EQ(VaikuttaakoAnsa(-1, CRE_PLAYER), 0);
    EXPECT_EQ(VaikuttaakoAnsa(DATA_MAX, CRE_PLAYER), 0);
    trap(13, 240, 240, 7777777, 2, TRAPF_PORTABLE);
    EXPECT_STREQ(Ansan_Nimi(13), "useless old trap");
    trap(13, 240, 240, 60000, 2);
    EXPECT_STREQ(Ansan_Nimi(13), "useless old trap");
    EXPECT_STREQ(Ansan_Nimi(11), "light lever trap");
}

TEST_F(Traps, ThePlayerIsAlwaysFreedAndAnAnimalHeldOnlyByAWellSetTrap) {
    const uint32_t snare = trap_item(OID_LOOP_SNARE);
    for (int quality = 0; quality <= 3; quality++)
        for (uint32_t id : {(uint32_t)ACTION_STAKED_PIT, (uint32_t)ACTION_BEAR_DEADFALL, snare}) {
            trap(10, PlayerX, PlayerY, id, quality, id == snare ? TRAPF_PORTABLE : 0, TRAP_SPRUNG);
            EXPECT_EQ(PiteleekoAnsa(10, CRE_PLAYER), 0) << id << " quality " << quality;
        }
    EXPECT_TRUE(noted("You free yourself from the trap pit with sharp stakes.")) << notes();
    creature(20, 3, 235, 235);
    Cre[3].kind = 2;
    Cre[3].weight = 4.0f;
    Cre[3].korkeus = 100;
    struct Case {
        int quality, held;
    } cases[] = {{0, 0}, {1, 1}, {3, 1}};
    for (const Case &c : cases) {
        Cre[3].trapminute = 0;
        trap(10, 235, 235, snare, c.quality, TRAPF_PORTABLE, TRAP_SPRUNG);
        EXPECT_EQ(PiteleekoAnsa(10, 3), c.held) << c.quality;
        EXPECT_EQ(Cre[3].trapminute != 0, c.held == 1);
    }
    EXPECT_EQ(Cre[3].korkeus, 0) << "a flier held is brought down";
}

TEST_F(Traps, SheWalksIntoATrapAndOutOfItAgain) {
    ui.choices.yes_no = [](const char *) { return 1; };   // "Really walk into a trap?"
    *plr_bytes(PB_ENDURANCE) = 40;   // a trap's wound does not knock her out
    trap(0, 231, 230, ACTION_LEVER_TRAP, 2);   // the step reads the pool up to its first unused record
    ASSERT_EQ(MovePlayer(102), 1);
    ASSERT_EQ(PlayerX, 231);
    EXPECT_EQ(Data[0].extra, TRAP_SPRUNG);
    EXPECT_TRUE(noted("You step into a light lever trap!")) << notes();
    EXPECT_TRUE(noted("gets hurt!")) << notes();
    EXPECT_STREQ(InjuryCause, "Walked into a light lever trap");
    ASSERT_EQ(MovePlayer(102), 1) << "a trap never holds her";
    EXPECT_EQ(PlayerX, 232);
    EXPECT_EQ(Data[0].extra, 0) << "the trap let go";
    EXPECT_TRUE(noted("You free yourself from the light lever trap.")) << notes();
}

TEST_F(Traps, TakingATrapDownGivesBackItsMaterialsAndASnareItsItem) {
    trap(10, 231, 230, ACTION_LEVER_TRAP, 2);
    struct Aside {
        int pos, mark, x;
    } asides[] = {{11, TRAP_MATERIAL_MARK, 231}, {12, TRAP_MATERIAL_MARK, 231}, {13, 5, 231}, {14, TRAP_MATERIAL_MARK, 240}};
    for (const Aside &a : asides) {
        Data[a.pos] = {};
        Data[a.pos].type = DT_BOUND;
        Data[a.pos].x = (uint16_t)a.x;
        Data[a.pos].y = 230;
        Data[a.pos].id = 329;
        Data[a.pos].count = 1;
        Data[a.pos].extra = (uint8_t)a.mark;
    }
    oxatest::push_key(SDLK_RIGHT);
    EXPECT_EQ(Pura_Ansa(), 1) << notes();
    EXPECT_NE(Data[10].type, DT_TRAP);
    for (const Aside &a : asides)
        EXPECT_EQ(Data[a.pos].type, a.mark == TRAP_MATERIAL_MARK && a.x == 231 ? DT_ITEM : DT_BOUND) << a.pos;
    EXPECT_TRUE(noted("Ok, you have disassembled the light lever trap now.")) << notes();
    // A snare is only let go: it lies there as the snare, and no time is spent on it.
    const uint32_t snare = trap_item(OID_LOOP_SNARE);
    trap(20, 230, 229, snare, 2, TRAPF_PORTABLE);
    const uint32_t before = Plr.minutes;
    oxatest::push_key(SDLK_UP);
    EXPECT_EQ(Pura_Ansa(), 1) << notes();
    EXPECT_EQ(Data[20].type, DT_ITEM);
    EXPECT_EQ(Data[20].id, snare);
    EXPECT_EQ(Plr.minutes, before);
    EXPECT_TRUE(noted("You trigger and release the loop snare.")) << notes();
}

TEST_F(Traps, LureAttemptsGrowWithTheDaysAwayAndTheSetting) {
    struct Case {
        int days, quality, attempts;
    } cases[] = {
        {0, 3, 0}, {1, 0, 0}, {1, 1, 0}, {1, 2, 1}, {1, 3, 2}, {2, 1, 1}, {4, 0, 1}, {5, 0, 2}, {30, 3, 4},
    };
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        trap(10, 231, 230, ACTION_LEVER_TRAP, c.quality);
        away(c.days);
        EXPECT_EQ(lure_pass(), c.attempts) << c.days << " days, quality " << c.quality;
    }
}

TEST_F(Traps, FiftyTrapsLureNothingAndAtMostThreeTrapsLure) {
    away(10);
    for (int i = 0; i < 50; i++) trap(i, 200 + i, 240, ACTION_LEVER_TRAP, 3);
    EXPECT_EQ(lure_pass(), 0) << "fifty set traps on the map";
    Data[49] = {};
    EXPECT_GT(lure_pass(), 0) << "forty-nine still lure";
    std::set<int> traps(tried().begin(), tried().end());
    EXPECT_EQ(traps.size(), 3u);
    // A trap an animal of the map could walk into already lures nothing.
    memset(Data, 0, sizeof Data);
    trap(10, 231, 230, ACTION_LEVER_TRAP, 3);
    creature(20, 3, 250, 250);
    Cre[3].kind = 2;
    Cre[3].weight = 4.0f;
    EXPECT_EQ(lure_pass(), 0);
}

TEST_F(Traps, BigDeadfallBearTrapAndReArmingRollWithTheirOwnBonus) {
    struct Case {
        int code, bonus;
    } cases[] = {{ACTION_BIG_DEADFALL, 0}, {ACTION_BEAR_DEADFALL, -10}, {ACTION_TRAP_PIT, 30}};
    for (const Case &c : cases) {
        asetus_bonus = 77;   // whatever the last job left
        EXPECT_GT(Tee_Lista_Ansamateriaaleista(c.code), 0);
        EXPECT_EQ(asetus_bonus, c.bonus) << c.code;
    }
    // Re-arming a sprung snare: the TRAPPING roll gets the snare's 30 whatever was built before.
    skill(0, "TRAPPING", 40);
    static int level_rolled;
    skill_successroll = [](int, int level) {
        level_rolled = level;
        return 2;
    };
    trap(10, 231, 230, trap_item(OID_LOOP_SNARE), 1, TRAPF_PORTABLE, TRAP_SPRUNG);
    Tee_Lista_Ansamateriaaleista(ACTION_BEAR_DEADFALL);
    oxatest::push_key(SDLK_RIGHT);
    DISABLE_MAP = 1;   // no drawing in between: a drawn snare that holds nobody would be let go first
    AsetaAnsa(ACTION_RESET_TRAP, -1);
    DISABLE_MAP = 0;
    EXPECT_EQ(Data[10].extra, TRAP_ARMED);
    EXPECT_EQ(level_rolled, 70);
    EXPECT_EQ(Data[10].count, 2);
}

// A trap set again counts with the set traps around it: the forest guardian minds too many.
TEST_F(Traps, ReArmingAmongManySetTrapsAngersTheForestGuardian) {
    skill(0, "TRAPPING", 40);
    struct Case {
        int others, fall;
    } cases[] = {{34, 0}, {35, 1}, {98, 1}, {99, 3}};
    for (const Case &c : cases) {
        memset(Data, 0, sizeof Data);
        trap(0, 231, 230, trap_item(OID_LOOP_SNARE), 1, TRAPF_PORTABLE, TRAP_SPRUNG);
        for (int i = 0; i < c.others; i++) trap(1 + i, 200 + i % 60, 236 + i / 60, ACTION_LEVER_TRAP, 2);
        const int mood = get_SpiritData_mood(231, 230, 702);
        oxatest::push_key(SDLK_RIGHT);
        DISABLE_MAP = 1;   // a drawn snare that holds nobody would be let go first
        AsetaAnsa(ACTION_RESET_TRAP, -1);
        DISABLE_MAP = 0;
        ASSERT_EQ(Data[0].extra, TRAP_ARMED);
        EXPECT_EQ(mood - get_SpiritData_mood(231, 230, 702), c.fall) << c.others << " other traps";
    }
}

TEST_F(Traps, TheTrapScenarioGetsItsFoxTrap) {
    build_objdef_rows();
    Plr.scenario = 6;
    start_scenario();
    int fox = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).id == OID_FOX_TRAP) fox += Plr.inv_count[s];
    EXPECT_EQ(fox, 1);
}

}  // namespace
