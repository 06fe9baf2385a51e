// tests/worldgen/encounter_test.cpp -- meetings in the wilds: the watch of each turn, the animals a
// wild local map gets and where, the scenes laid on a local map, creatures moved onto stored maps,
// and Aino meeting an animal on her travels and finding it when she zooms in.
#include "core/loader_fixture.h"
#include "creatures/beside_her.h"
#include "worldgen/localgen_fixture.h"

#include "base/ui.h"
#include "core/tekstit.h"
#include "game/turnloop.h"
#include "core/weather.h"
#include "creatures/crefile.h"
#include "creatures/zoomservices.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "maps/mapquery.h"
#include "maps/sight.h"
#include "worldgen/encounter.h"

#include <set>

namespace {

// ---- a bare world: the watch, group sizes, spawn squares, scenes ------------------------------

class Wilds : public LocalGenTest {
protected:
    void TearDown() override {
        ENCOUNTER = 0;
        LastWatch = WATCH_UNSET;
        LocalGenTest::TearDown();
    }
    void stand_on(int c) { put(PlayerX, PlayerY, c), put_world(PlayerX, PlayerY, c); }
    static void all_ground() { ZoomMap_Clear(), memset(Zoom.chars, CH_GROUND, sizeof Zoom.chars); }
};

TEST_F(Wilds, TheWatchFiresAfterFourHoursOfOneDayAndNeverStartsAnEventOnWater) {
    stand_on(238);
    // The hours do not wrap: 23 against 0 is a long watch, 2 against 23 is one too.
    const struct {
        int last, hour, after;
    } cases[] = {{0, 23, 23}, {0, 3, 0}, {0, 4, 4}, {23, 2, 2}, {WATCH_UNSET, 5, 5}, {10, 7, 10}};
    for (const auto &c : cases) {
        LastWatch = c.last;
        LastHour = Plr.hour = (uint8_t)c.hour;
        ENCOUNTER = 0;
        EncounterCheck();
        EXPECT_EQ(LastWatch, c.after) << c.last << " -> " << c.hour;
    }
    for (int water : {0, 1}) {
        stand_on(water ? CH_DEEP_WATER : 238);
        int events = 0;
        for (int i = 0; i < 300; i++) {
            LastWatch = 0, LastHour = Plr.hour = 23, ENCOUNTER = 0;
            EncounterCheck();
            events += ENCOUNTER == ENC_EVENT;
        }
        EXPECT_EQ(events > 10, !water) << events;
    }
    EXPECT_EQ(SLEEP_INTERRUPT, 3) << "an event wakes her";
}

TEST_F(Wilds, TheGroupOfASpeciesFollowsItsAbundanceAndALonerComesAlone) {
    const int cases[][3] = {{99, 3, 1}, {400, 3, 1}, {800, 3, 2}, {1300, 3, 4}, {1300, 1, 1}, {0, 3, 1}};
    for (const auto &c : cases) {
        CreatureStruct t{};
        t.abundance = (uint16_t)c[0];
        t.group = (uint8_t)c[1];
        EXPECT_EQ(populate_group_size(t, 0), c[2]) << c[0] << "/" << c[1];
    }
}

TEST_F(Wilds, NoAnimalComesWithinThirtyOneSquaresOfHerOrInHerSight) {
    local_area();
    for (int y = AREA_MIN; y <= AREA_MAX; y++)
        for (int x = AREA_MIN; x <= AREA_MAX; x++) put(x, y, CH_GROUND);
    PlayerX = PlayerY = 232;
    ConstantCre[600] = CreatureStruct{};
    int found = 0, x, y;
    for (int round = 0; round < 2; round++) {
        if (round) memset(maailma_attrib, ' ', MAP_BYTES);   // all in view: only what lies past it is left
        for (int i = 0; i < 200; i++) {
            if (!SpawnLoc(x, y, 600)) continue;
            found++;
            EXPECT_TRUE(abs(x - PlayerX) > 31 && abs(y - PlayerY) > 31) << x << "," << y;
            EXPECT_FALSE(See(x, y)) << x << "," << y;
            EXPECT_FALSE(x >= 169 && x <= 295 && y >= 169 && y <= 295) << "never in the middle she came into";
        }
    }
    EXPECT_GT(found, 100);
    ConstantCre[600].moveclass = 96;   // a swimmer finds no open water on dry land
    EXPECT_EQ(SpawnLoc(x, y, 600), 0);
    EXPECT_EQ(x + y, 0);
}

// Ducks, goldeneyes and divers come to any open water: a small lake with dry land all round gets them.
TEST_F(Wilds, WaterBirdsComeToASmallLake) {
    DoCreatures();
    local_area();
    char saved_file[sizeof CharacterFile];
    copy_bounded(saved_file, sizeof saved_file, CharacterFile);
    copy_bounded(CharacterFile, sizeof CharacterFile, "POPULATION");
    char path[1200];
    cre_file_path(path, sizeof path);
    ASSERT_EQ(cre_file_create(path, 2000), 1);
    Plr.world_x = Plr.world_y = 300;
    PlayerX = PlayerY = 232;
    for (int y = AREA_MIN; y < AREA_MIN + 320; y++)
        for (int x = AREA_MIN; x < AREA_MIN + 320; x++) {
            const bool lake = x < AREA_MIN + 64 && y < AREA_MIN + 64;   // the area's north-west cell
            put(x, y, lake ? CH_SHALLOW_WATER : CH_GROUND);
            put_world(kohtaIsoX(x), kohtaIsoY(y), lake ? CH_SHALLOW_WATER : 238);
        }
    Plr.month = 5;
    int birds = 0;
    for (int fill = 0; fill < 60; fill++) {
        memset(Data, 0, sizeof Data);
        memset(Cre, 0, sizeof Cre);
        Plr.daynumber += 20;
        PopuloiZoomalue();
        for (const DataStruct &d : Data) {
            const int c = d.type == DT_CREATURE ? creature_slot_of(d.id) : -1;
            birds += c >= 0 && Cre[c].kind == 21 && Cre[c].moveclass == 128;
        }
    }
    EXPECT_GT(birds, 0);
    memset(Data, 0, sizeof Data);
    memset(Cre, 0, sizeof Cre);
    copy_bounded(CharacterFile, sizeof CharacterFile, saved_file);
}

TEST_F(Wilds, ATreasureNeedsAFreeThreeByThreeOfGroundAndLaysNothingWithout) {
    build_objdef_rows();
    DoCreatures();   // the furs of the treasure come from the culture's animals
    all_ground();
    ASSERT_EQ(zoomscene_treasure("[triboulder]", 0), 1);
    int spot = -1, things = 0;
    for (int i = 0; i < ZOOM_RECORDS; i++) {
        if (Zoom.data[i].type == 119) spot = i;
        if (Zoom.data[i].type == DT_ITEM) things += Zoom.data[i].count;   // like things share a record
    }
    ASSERT_GE(spot, 0);
    EXPECT_EQ(Zoom.data[spot].count, 0) << "the spot's marker comes last";
    EXPECT_GE(things, 5);
    EXPECT_EQ(ch(Zoom.data[spot].x, Zoom.data[spot].y - 1), 39) << "a big rock north of it";

    all_ground();   // ground only on every other square: no 3 x 3 patch anywhere
    for (int i = 0; i < ZOOM_SQUARES; i++)
        if ((i % 64 + i / 64) % 2) Zoom.chars[i] = 238;
    static ZoomStruct before;
    memcpy(&before, &Zoom, sizeof before);
    EXPECT_EQ(zoomscene_treasure("[triboulder][chasm][pit]", 0), 0);
    EXPECT_EQ(memcmp(&before, &Zoom, sizeof before), 0) << "nothing is laid, not even round a corner";
}

TEST_F(Wilds, TheBirdTrapLaysTwoToFourSnaresAndNoEmptyFeatherStack) {
    build_objdef_rows();
    DoCreatures();   // the birds the culture hunts
    for (int round = 0; round < 20; round++) {
        all_ground();
        ASSERT_EQ(zoomscene_bird_trap_area(0, "[bird theft]", 77), 1);
        int snares = 0;
        for (const DataStruct &d : Zoom.data) {
            if (d.type != DT_ITEM) continue;
            EXPECT_GT(d.count, 0);
            if (d.id == (uint32_t)object("LOOP SNARE", 1)) snares++;
            else EXPECT_EQ(ObjToItem((int)d.id).origin, 77u) << "the feathers name the quest";
        }
        EXPECT_TRUE(snares >= 2 && snares <= 4) << snares;
    }
}

TEST_F(Wilds, ACampLaysThreeToolsAndTwoFoodsEachDrawnOnItsOwn) {
    build_objdef_rows();
    DoCreatures();
    int mixed_tools = 0, mixed_foods = 0;
    for (int round = 0; round < 20; round++) {
        all_ground();
        zoomscene_adventurers_camp(-1000, 0, "");
        std::set<uint32_t> tools, foods;
        int tool_count = 0;
        for (const DataStruct &d : Zoom.data) {
            if (d.type != DT_ITEM) continue;
            if (ObjToItem((int)d.id).type == IT_FOOD) foods.insert(d.id);
            else tools.insert(d.id), tool_count += d.count;
        }
        EXPECT_EQ(tool_count, 3) << round;
        mixed_tools += tools.size() > 1;
        mixed_foods += foods.size() > 1;
    }
    EXPECT_GT(mixed_tools, 0) << "the three tools are not one tool laid thrice";
    EXPECT_GT(mixed_foods, 0) << "the two foods are not one food laid twice";
}

// ---- Aino's world: encounters on maps being built, stored maps, her travels ---------------------

class AinoInTheWilds : public oxatest::LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        ASSERT_EQ(system(("cp -r " + std::string(OXA_RUN_DIR) + "/messages " + dir->path() + "/").c_str()), 0);
        copy_bounded(language, sizeof language, "eng");
        MSG_forget_index();
        clear_zoomservices();
        kept = ui;
        ui_use_null_screen();
        ASSERT_EQ(loader(), 0);
        var_clear();
        LOADER_RUN = 0;
        srand(20261208);   // loading seeds the stream from the clock
        ASSERT_TRUE(wild_cell());
    }
    void TearDown() override {
        ui_script_clear();
        ui = kept;
        ENCOUNTER = 0;
        LastWatch = WATCH_UNSET;
        LoaderTest::TearDown();
    }
    std::string notes() {
        const std::vector<uint8_t> bytes = read("msglog.txt");
        return std::string(bytes.begin(), bytes.end());
    }
    // A cell of forest or heath near her, never built, with no settlement or water within two cells.
    bool wild_cell() {
        for (int d = 3; d < 40; d++)
            for (int y = PlayerY - d; y <= PlayerY + d; y++)
                for (int x = PlayerX - d; x <= PlayerX + d; x++) {
                    const int c = get_alltime_maailmachar(x, y);
                    if ((c != 15 && c != 3 && c != 238) || is_settled_area(x, y, 2) || ZoomMapPos(x, y)) continue;
                    int water = 0;
                    for (int yy = y - 2; yy <= y + 2; yy++)
                        for (int xx = x - 2; xx <= x + 2; xx++) water += terrain_flag(get_alltime_maailmachar(xx, yy), TF_WATER) != 0;
                    if (!water) return wx = PlayerX = x, wy = PlayerY = y, true;
                }
        return false;
    }
    static void encounter_record(int id, int dx = 0) {
        ClearDTEMP();
        DTEMP.type = DT_ENCOUNTER;
        DTEMP.x = (uint16_t)(PlayerX + dx);
        DTEMP.y = (uint16_t)PlayerY;
        DTEMP.id = (uint32_t)id;
        DTEMP.ready_minute = Plr.minute;   // it does not wander off this turn
        SetDTEMP(-1);
    }
    UiScreen kept;
    int wx = 0, wy = 0;
};

TEST_F(AinoInTheWilds, SheMeetsAFoxOnHerTravelsAndFindsItWhenSheZoomsIn) {
    encounter_record(601);
    // Hares, squirrels and lynxes are plentiful in these woods this year.
    for (int code : {600, 604, 608}) ConstantCre[code].abundance = 4999;
    const int yes = 'y';
    ui_script_keys(&yes, 1);
    TurnUsed = 1;                  // her last command took its turn: the turn loop answers it
    ASSERT_EQ(turn_answer(), 1);   // the fox is met, she zooms in and the map is loaded
    EXPECT_EQ(ui_script_left(), 0) << "she was asked";
    const std::string log = notes();
    EXPECT_NE(log.find("You encounter an animal. You think it's a fox..."), std::string::npos) << log;
    EXPECT_NE(log.find("You can zoom to the local terrain map and look for it."), std::string::npos);
    ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
    EXPECT_EQ((int)Plr.world_x, wx);
    int fox = 0, animals = 0;
    for (const DataStruct &d : Data) {
        const int c = creature_slot_of(d.id);
        if (d.type != DT_CREATURE || c < 0) continue;
        if (Cre[c].speciescode == 601) fox += d.x >= AREA_CENTRE && d.x < AREA_CENTRE + 64;
        else animals += Cre[c].speciescode == 600 || Cre[c].speciescode == 604 || Cre[c].speciescode == 608;
    }
    EXPECT_EQ(fox, 1) << "the fox is in the cell she zoomed into";
    EXPECT_GT(animals, 0) << "a first entry brings the animals of the place";
    EXPECT_NE(Mapinfo_LastPopDay(wx, wy), 0u);
}

TEST_F(AinoInTheWilds, ABigAnimalAsksNothingAndASmallOneWaitsForHerAnswer) {
    for (float weight : {10.0f, 25.0f}) {   // asked first: the zoom-in of the big one takes her away
        const bool asks = weight < 20.0f;
        ConstantCre[608].weight = weight;
        encounter_record(608);
        const int no = 'n';
        ui_script_keys(&no, 1);
        const size_t seen = notes().size();
        ENCOUNTER = ENC_CREATURE;
        DO_ENCOUNTER();
        EXPECT_EQ(ui_script_left(), asks ? 0 : 1) << weight;
        EXPECT_EQ(LOAD_MAP, asks ? 0 : 1) << "the zoom-in follows at once";
        EXPECT_EQ(notes().find("Ok, you continue on your way.", seen) != std::string::npos, asks);
    }
}

TEST_F(AinoInTheWilds, EncountersAreOfTheCellBeingBuiltAndRobbersOfOneBandShareItsId) {
    ZoomMap_Clear();
    memset(Zoom.chars, CH_GROUND, sizeof Zoom.chars);
    MaailmaX = PlayerX + 64, MaailmaY = PlayerY;   // a block of the culture map of its own
    set_alltime_kulttuuri(PlayerX, PlayerY, 1);
    set_alltime_kulttuuri(MaailmaX, MaailmaY, 7);
    for (int bad : {-5, 1000 + cre_file_records() + 10}) Encounter(bad);   // nobody has these numbers
    Encounter(551);
    unsigned community = 0;
    int robbers = 0;
    for (const DataStruct &d : Zoom.data) {
        if (d.type != DT_CREATURE) continue;
        ASSERT_TRUE(Lataa_RealCreature((int)d.id));
        EXPECT_EQ(Creature.culture, 7) << "the culture of the cell being built";
        if (!community) community = Creature.community;
        EXPECT_EQ(Creature.community, community);
        robbers++;
    }
    EXPECT_TRUE(robbers >= 2 && robbers <= 4) << robbers;
    EXPECT_NE(community, 0u);
}

TEST_F(AinoInTheWilds, ATeleportTakesAFreedRecordAndAFullMapLeavesTheCreatureWhereItWas) {
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
    const int x = wx + 1, far_x = wx + 40;
    const int n = oxatest::creature_east_of_her(611);
    RealCreaturePos[n] = SaveNewRealCreature(Cre[n]);
    ASSERT_TRUE(load_zoommap(x, wy));
    for (DataStruct &d : Zoom.data)
        if (d.type == DT_UNUSED || d.type == DT_FREED) d.type = DT_ITEM, d.id = 74, d.count = 1;
    Zoom.data[1500].type = DT_FREED;
    Zoom.data[1501].type = DT_FREED;
    ASSERT_TRUE(save_zoommap(x, wy, 1));
    EXPECT_EQ(cr_teleport(n, x, wy), 1);
    EXPECT_EQ(spawn_sotucre_on_zoommap(611, x, wy), 1);
    EXPECT_EQ(cr_teleport(n, x, wy), 0) << "a full map takes nobody";
    EXPECT_GE(cre_datapos(n), 0) << "the wolf stays where it was";
    ASSERT_TRUE(load_zoommap(x, wy));
    EXPECT_EQ(Zoom.data[1500].type, DT_CREATURE);
    EXPECT_EQ(Zoom.data[1500].id, Cre[n].socialid);
    // A cell without a stored map takes no creature, and gets no map for it either.
    ASSERT_EQ(ZoomMapPos(far_x, wy), 0);
    EXPECT_EQ(spawn_sotucre_on_zoommap(611, far_x, wy), 0);
    EXPECT_EQ(cr_teleport(n, far_x, wy), 0);
    EXPECT_EQ(ZoomMapPos(far_x, wy), 0);
}

TEST_F(AinoInTheWilds, ASoundInTheDistanceNamesTheCreatureAndLeavesTheLastSlotAlone) {
    Cre[499] = CreatureStruct{};
    copy_bounded(Cre[499].species, sizeof Cre[499].species, "Sentinel");
    static CreatureStruct before;
    before = Cre[499];
    for (DataStruct &d : Data)
        if (d.type == DT_ENCOUNTER) d.type = DT_FREED;
    encounter_record(611, 3);   // the wolves stand three cells east of her
    Kuulo_Aistimus();
    EXPECT_EQ(memcmp(&before, &Cre[499], sizeof before), 0) << "the last creature slot is nobody's scratch";
    EXPECT_NE(notes().find("You hear the distant howl of a wolf somewhere in the "), std::string::npos) << notes();
}

}  // namespace
