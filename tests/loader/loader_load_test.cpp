// The loader: the fixture character loads, a save and a reload give the same state, records of older
// versions are upgraded or refused, and damaged files are refused or read as far as they are whole.
#include "core/loader_fixture.h"
#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <map>
#include "base/savecommit.h"
#include <random>
#include "core/player.h"
#include "core/weatherengine.h"
#include "presentation/notes.h"
#include "presentation/show.h"
#include "game/turnloop.h"
#include "presentation/input.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "items/inventory.h"

using oxatest::LoaderTest;

namespace {

int slot_named(const char *name) {
    for (int s = 0; s < PLR_SKILLS; s++)
        if (strncmp(Plr.skill_name[s], name, PLR_SKILLNAME) == 0) return s;
    return -1;
}

}  // namespace

TEST_F(LoaderTest, FixtureLoadsOntoTheWorldMap) {
    ASSERT_EQ(loader(), 0);
    EXPECT_STREQ(loader_load_notes(), "") << "a sound folder loads without a word";
    EXPECT_STREQ(Plr.name, "Aino");
    EXPECT_STREQ(Plr.mapname, "BIGMAP");
    EXPECT_EQ(Plr.save_version, SAVE_VERSION);
    EXPECT_EQ(PlayerX, (int)Plr.world_x);
    EXPECT_EQ(PlayerY, (int)Plr.world_y);
    EXPECT_EQ(Environ, 1);
    EXPECT_FALSE(terrain_flag(get_mapchar(PlayerX, PlayerY), TF_WATER | TF_BLOCKS)) << "the character stands on land";
    EXPECT_EQ(get_mapchar(0, 0), CH_SEA);   // the world's edge is open sea
    EXPECT_EQ(memcmp(maailma, maailma_alltime, MAP_BYTES), 0);
    EXPECT_EQ(ENSIMMAINEN_LATAUS, 1);
    EXPECT_EQ(LOAD_MAP, 0);
    // The first entry ends with a quick save; the world was backed up and the pool file made.
    EXPECT_EQ(size_of("AINO.OXS"), 5716);
    EXPECT_EQ(size_of("AINO.OBJ"), 8582800);
    EXPECT_EQ(size_of("AINO.BAK"), 5716);
    EXPECT_EQ(size_of("WORLD.BAK"), 6296577);
    EXPECT_EQ(size_of("BIGMAP.DAT"), 360000);
}

// WORLD.BAK holds the bytes of WORLD.DAT after the backup, whatever it held before; with the world in
// memory changed since it was read, the file itself is copied, not the memory.
TEST_F(LoaderTest, TheWorldBackupHoldsTheWorldFile) {
    ASSERT_EQ(loader(), 0);
    const std::vector<uint8_t> world = read("WORLD.DAT");
    ASSERT_EQ(world.size(), MAP_BYTES);
    EXPECT_EQ(read("WORLD.BAK"), world) << "the load wrote it";
    std::vector<uint8_t> stale = world;
    stale[mapidx(1500, 1000)] ^= 1;
    stale[MAP_BYTES - 1] ^= 1;
    struct Case {
        const char *before;
        size_t size;               // of the backup before; 0: none
        bool memory_changed;
    } cases[] = {
        {"the same", MAP_BYTES, false}, {"none", 0, false},        {"another world", MAP_BYTES, false},
        {"cut short", 1000, false},     {"the same", MAP_BYTES, true}, {"another world", MAP_BYTES, true},
    };
    for (const Case &c : cases) {
        const std::vector<uint8_t> &old = strcmp(c.before, "the same") == 0 ? world : stale;
        remove(path("WORLD.BAK").c_str());
        if (c.size) write("WORLD.BAK", old.data(), c.size);
        if (c.memory_changed) {
            maailma_alltime[mapidx(700, 700)] ^= 1;   // as a writer of the world that tells its row
            world_layer_touched(700, 700);
        }
        EXPECT_EQ(back_up_world_file(), 1) << c.before;
        EXPECT_TRUE(read("WORLD.BAK") == world) << c.before << (c.memory_changed ? ", the world changed" : "");
    }
}

// Loading her again in the same run: what play changed in her objects and never saved is gone, the
// objects as her file holds them come back, and a change after the load is saved as ever.
TEST_F(LoaderTest, LoadingAgainTakesHerObjectsFromHerFile) {
    ASSERT_EQ(loader(), 0);
    const std::vector<uint8_t> file = read("AINO.OBJ");
    ASSERT_EQ(file.size(), sizeof PlayerObj);
    PlayerObj[7].weight += 3.0f;   // unsaved
    for (int round = 0; round < 2; round++) {   // the second load finds the table as the file holds it
        leave_to_menu();
        ASSERT_EQ(loader(), 0);
        EXPECT_EQ(memcmp(PlayerObj, file.data(), file.size()), 0) << round;
    }
    PlayerObj[PLAYEROBJ_COUNT - 1].weight = 12.5f;
    ASSERT_EQ(Save(SAVE_EXPLICIT), 1);
    const std::vector<uint8_t> saved = read("AINO.OBJ");
    ASSERT_EQ(saved.size(), sizeof PlayerObj);
    EXPECT_EQ(memcmp(PlayerObj, saved.data(), saved.size()), 0);
}

TEST_F(LoaderTest, SaveThenReloadGivesTheSameState) {
    ASSERT_EQ(loader(), 0);
    // Play a little: move, carry something, leave something on the map.
    PlayerX += 1;
    PlayerDir = 4;
    Plr.inv_obj[3] = 50000;
    Plr.inv_count[3] = 2;
    copy_bounded(PlayerObj[0].name, sizeof PlayerObj[0].name, "Basket");
    PlayerObj[0].type = IT_CONTAINER;
    PlayerObj[0].material = 1;
    laske_Load(CRE_PLAYER);   // the load is counted from the pack, as every load of the game does
    const int placed = set_data(DT_ITEM, PlayerX, PlayerY + 1, 50000, 1);
    ASSERT_GE(placed, 0);
    Plr.daynumber = 170;

    ASSERT_EQ(Save(SAVE_EXPLICIT), 1);
    EXPECT_STREQ(loader_last_note(), "=Your character has been saved.");
    EXPECT_EQ(size_of("AINO.OXS"), 5716);
    EXPECT_EQ(size_of("AINO.OBJ"), 8582800);
    EXPECT_EQ(size_of("WEATHER.DAT"), 23148);
    EXPECT_EQ(size_of("EXITER.DAT"), 12);
    EXPECT_EQ(size_of("WORLD.DAT"), 6296577);
    EXPECT_EQ(size_of("CONSTANT.OBJ"), 68800);

    static PlayerStruct saved;
    saved = Plr;
    static ItemStruct objects[PLAYEROBJ_COUNT];
    memcpy(objects, PlayerObj, sizeof objects);
    static DataStruct pool[DATA_MAX];
    memcpy(pool, Data, sizeof pool);
    const WeatherStruct weather = GlobWeather;
    const int x = PlayerX, y = PlayerY;

    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(memcmp(&Plr, &saved, sizeof Plr), 0) << "every byte of the record comes back";
    EXPECT_EQ(memcmp(PlayerObj, objects, sizeof objects), 0);
    EXPECT_EQ(memcmp(Data, pool, sizeof pool), 0);
    EXPECT_EQ(memcmp(IsoData, pool, sizeof pool), 0);
    EXPECT_EQ(memcmp(&GlobWeather, &weather, sizeof weather), 0);
    EXPECT_EQ(PlayerX, x);
    EXPECT_EQ(PlayerY, y);
    EXPECT_EQ(PlayerDir, 4);
    EXPECT_EQ(Data[placed].type, DT_ITEM);
}

TEST_F(LoaderTest, ExitRecordOverridesTheDayCountersOfTheCharacterFile) {
    edit_record([](PlayerStruct &p) { p.daynumber = 999; });
    const int32_t exiter[3] = {300 * 3, 200 - 500, 0};
    write("EXITER.DAT", exiter, sizeof exiter);
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(Plr.daynumber, 200u);
    EXPECT_EQ(Plr.day_counter2, 300u);

    // A cut exit record is ignored with a message: the character file's counters stay.
    leave_to_menu();
    write("EXITER.DAT", exiter, 8);
    edit_record([](PlayerStruct &p) {
        p.daynumber = 321;
        p.day_counter2 = 320;
    });
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(Plr.daynumber, 321u);
    EXPECT_EQ(Plr.day_counter2, 320u);
}

// Day figures no game reaches (the sum of the second one and 500 would pass the integer's end) are a
// damaged record: told, and the character file's counters stay.
TEST_F(LoaderTest, ExitRecordPastTheLastDayIsDamaged) {
    struct Case {
        int32_t v0, v1;
        bool sound;
    };
    const Case cases[] = {
        {300 * 3, 0x7fffffff, false},
        {300 * 3, DAYNUMBER_MAX - 500 + 1, false},
        {(DAYNUMBER_MAX + 1) * 3, 200 - 500, false},
        {DAYNUMBER_MAX * 3, DAYNUMBER_MAX - 500, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.v0) + " " + std::to_string(c.v1));
        leave_to_menu();
        edit_record([](PlayerStruct &p) {
            p.daynumber = 321;
            p.day_counter2 = 320;
        });
        const int32_t exiter[3] = {c.v0, c.v1, 0};
        write("EXITER.DAT", exiter, sizeof exiter);
        ASSERT_EQ(loader(), 0);
        EXPECT_EQ(Plr.daynumber, c.sound ? (uint32_t)DAYNUMBER_MAX : 321u);
        EXPECT_EQ(Plr.day_counter2, c.sound ? (uint32_t)DAYNUMBER_MAX : 320u);
        EXPECT_EQ(std::string(loader_load_notes()).find("EXITER.DAT is damaged") != std::string::npos, !c.sound);
    }
}

static int bug_windows = 0;
static void count_bug_window(const char *const *lines, int n) {
    for (int i = 0; i < n; i++) bug_windows += strstr(lines[i], "!BUG!") != nullptr;
}

// Damaged creature templates are built once the object definitions are read: the things their
// creatures carry are all in the catalogue, no "!BUG!" window waits for a key, and the next load
// finds the file whole.
TEST_F(LoaderTest, DamagedTemplatesAreBuiltAfterTheObjectDefinitions) {
    std::vector<uint8_t> noise(sizeof(CreatureStruct) * CONSTANTCRE_COUNT);
    std::mt19937 draw(20261209);
    for (uint8_t &b : noise) b = (uint8_t)draw();
    write("CONSTANT.CRE", noise.data(), noise.size());
    bug_windows = 0;
    ui.windows.table_fault = count_bug_window;
    const int loaded = loader();
    ui.windows.table_fault = nullptr;
    ASSERT_EQ(loaded, 0);
    EXPECT_EQ(bug_windows, 0);
    EXPECT_NE(std::string(loader_load_notes()).find("CONSTANT.CRE was damaged"), std::string::npos);
    EXPECT_EQ(size_of("CONSTANT.CRE"), (long)noise.size());

    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(std::string(loader_load_notes()).find("CONSTANT.CRE"), std::string::npos) << loader_load_notes();
}

// The remembered world is mended only when more than half of the squares it shows explored hold
// another thing than the world: counted over the whole layer, its first and last squares among them.
TEST_F(LoaderTest, RememberedWorldIsMendedOnlyWhenMostOfItIsWrong) {
    const std::vector<uint8_t> world = oxatest::read_bytes(path("WORLD.DAT"));
    ASSERT_EQ(world.size(), MAP_BYTES);
    // 1,000 explored squares spread over the layer, from its last square back to its first; none of
    // them, nor its changed byte, is a space.
    std::vector<size_t> explored;
    for (size_t k = 0; k < 1000; k++) {
        const size_t i = k == 999 ? 0 : MAP_BYTES - 1 - k * 6291;
        ASSERT_TRUE(world[i] != ' ' && (world[i] ^ 1) != ' ') << i;
        explored.push_back(i);
    }
    const struct {
        int unlike;
        bool mended;
    } cases[] = {{0, false}, {500, false}, {501, true}, {1000, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.unlike);
        std::vector<uint8_t> memory(MAP_BYTES, ' ');
        for (size_t k = 0; k < explored.size(); k++)
            memory[explored[k]] = (uint8_t)((int)k < c.unlike ? world[explored[k]] ^ 1 : world[explored[k]]);
        write("WORLD.PLM", memory.data(), memory.size());
        leave_to_menu();
        ASSERT_EQ(loader(), 0);
        EXPECT_EQ(std::string(loader_load_notes()).find("WORLD.PLM was damaged") != std::string::npos, c.mended)
            << loader_load_notes();
    }
}

// ---- save versions ------------------------------------------------------------------------------

TEST_F(LoaderTest, VersionsFrom318LoadAndOlderThan350LoseTheirSpiritStanding) {
    struct Case {
        int version;
        bool cleared;
    } cases[] = {{318, true}, {340, true}, {349, true}, {350, false}, {363, false}};
    for (const Case &c : cases) {
        leave_to_menu();
        edit_record([&](PlayerStruct &p) {
            p.save_version = c.version;
            p.forest_spirit = 40;
            p.forest_spirit2 = 7;
        });
        ASSERT_EQ(loader(), 0) << c.version;
        EXPECT_EQ(Plr.save_version, SAVE_VERSION) << c.version;
        EXPECT_EQ(Plr.forest_spirit, c.cleared ? 0 : 40) << c.version;
        EXPECT_EQ(Plr.forest_spirit2, c.cleared ? 0u : 7u) << c.version;
        // The upgraded version reaches the disk with the first save.
        static PlayerStruct on_disk;
        ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &on_disk, sizeof on_disk));
        EXPECT_EQ(on_disk.save_version, SAVE_VERSION) << c.version;
    }
}

TEST_F(LoaderTest, Version317IsRefusedWithItsMessageAndTheFolderKept) {
    // A saved folder with its marker files; then a record too old to upgrade.
    ASSERT_EQ(loader(), 0);
    ASSERT_EQ(Save(0), 1);
    const std::vector<uint8_t> markers = read("MARKER.DAT");
    ASSERT_EQ(markers.size(), 1560000u);
    for (int version : {317, 311}) {
        edit_record([&](PlayerStruct &p) { p.save_version = version; });
        const std::vector<uint8_t> record = read("AINO.OXS");
        leave_to_menu();
        EXPECT_EXIT(loader(), ::testing::ExitedWithCode(1),
                    "Can't migrate! This savegame needs a remedy. Report the issue at forums or by e-mail.");
        EXPECT_EQ(read("MARKER.DAT"), markers) << version << ": the refused load cleared the marker file";
        EXPECT_EQ(read("AINO.OXS"), record) << version;
        EXPECT_FALSE(dir->exists("AINO/AINO.BAK") && read("AINO.BAK") == record) << "no backup of a refused record";
    }
}

TEST_F(LoaderTest, OldSkillsAndMarkersAreUpgradedInPlace) {
    edit_record([](PlayerStruct &p) {
        memset(p.skill_name, 0, sizeof p.skill_name);
        memset(p.skill_level, 0, sizeof p.skill_level);
        const char *names[] = {"WOODCARVING", "DAGGER", "FORAGING", "SURVIVAL", "TRACKING", "RITUAL"};
        for (int s = 0; s < 6; s++) {
            copy_bounded(p.skill_name[s], PLR_SKILLNAME, names[s]);
            p.skill_level[s] = (uint8_t)(10 + s);
        }
        p.legacy_marker = 5;
        p.upgrade_cleared = 0;
        p.skill_counter[7] = 99;
        p.skill_raises[7] = 3;
        p.save_version = 330;
    });
    ASSERT_EQ(loader(), 0);
    EXPECT_STREQ(Plr.skill_name[0], "CARPENTRY");
    EXPECT_EQ(Plr.skill_level[0], 10);
    EXPECT_STREQ(Plr.skill_name[1], "KNIFE");
    EXPECT_EQ(Plr.skill_level[1], 11);
    EXPECT_EQ(slot_named("FORAGING"), -1);
    EXPECT_EQ(slot_named("SURVIVAL"), -1);
    EXPECT_EQ(slot_named("RITUAL"), -1);
    EXPECT_GE(slot_named("HERBLORE"), 0);
    EXPECT_GE(slot_named("STEALTH"), 0);
    ASSERT_GE(slot_named("TRAPPING"), 0);
    EXPECT_EQ(Plr.skill_level[slot_named("TRAPPING")], 14) << "trapping grows out of tracking";
    ASSERT_GE(slot_named("BUILDING"), 0);
    EXPECT_EQ(Plr.skill_level[slot_named("BUILDING")], 0) << "no timbercraft to grow out of";
    EXPECT_EQ(Plr.legacy_marker, -1);
    EXPECT_EQ(Plr.upgrade_mark, 255);
    EXPECT_EQ(Plr.energy, 3000u);
    EXPECT_EQ(Plr.upgrade_cleared, 1);
    EXPECT_EQ(Plr.skill_counter[7], 0u);
    EXPECT_EQ(Plr.skill_raises[7], 0);
}

TEST(LoaderItemUpgrade, OldItemsTakeTheirNewNamesKindsAndGraphics) {
    memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
    ItemStruct r{};
    r.type = IT_WEAPON;
    copy_bounded(r.name, sizeof r.name, "Northern knife");
    copy_bounded(r.skill, sizeof r.skill, "DAGGER");
    r.tilesym = 123;
    upgrade_item(r);
    EXPECT_STREQ(r.skill, "KNIFE");
    EXPECT_EQ(r.id, 153u);
    EXPECT_EQ(r.tilesym, 70);

    ItemStruct food{};
    food.type = IT_FOOD;
    food.subtype = 18;
    food.tilesym = 158;
    copy_bounded(food.name, sizeof food.name, "Fur cap");
    upgrade_item(food);
    EXPECT_EQ(food.id, 490u);
    EXPECT_EQ(food.tilesym, 69);
    EXPECT_EQ(food.material, 8u);

    ItemStruct trap{};
    trap.type = IT_TOOL;
    trap.id = 800;
    copy_bounded(trap.name, sizeof trap.name, "Old lauta trap");
    upgrade_item(trap);
    EXPECT_STREQ(trap.name, "Paw-board fox trap");

    ItemStruct blank{};
    upgrade_item(blank);
    EXPECT_EQ(blank.type, 0);
    EXPECT_EQ(blank.material, 0u) << "an empty record stays empty";
}

// ---- damaged files ------------------------------------------------------------------------------

TEST_F(LoaderTest, ShortCharacterFileIsRefusedAndLeavesNothingBehind) {
    const std::vector<uint8_t> whole = read("AINO.OXS");
    write("AINO.OXS", whole.data(), 4000);
    Plr.name[0] = 'Q';
    EXPECT_EQ(loader(), -1);
    EXPECT_NE(strstr(loader_last_note(), "damaged"), nullptr) << loader_last_note();
    EXPECT_EQ(Plr.name[0], 'Q') << "the record is left as it was";
    EXPECT_EQ(size_of("AINO.OXS"), 4000) << "a refused file is not saved over";
}

TEST_F(LoaderTest, MissingCharacterOrObjectFileEndsTheProgram) {
    remove(path("AINO.OBJ").c_str());
    EXPECT_EXIT(loader(), ::testing::ExitedWithCode(1), "Couldn't open object data!");
    remove(path("AINO.OXS").c_str());
    EXPECT_EXIT(loader(), ::testing::ExitedWithCode(1), "Wrong character file specified");
}

// An object file cut short: one that lacks a thing she carries is refused and left as it was; one that
// holds them all loads, the records past its end empty, and says so.
TEST_F(LoaderTest, ShortObjectFileIsRefusedWhenItLacksWhatSheCarries) {
    static PlayerStruct rec;
    ASSERT_TRUE(read_exact(path("AINO.OXS").c_str(), &rec, sizeof rec));
    int last = -1;   // the record of the last thing she carries
    for (int s = 0; s < PLR_SLOTS; s++)
        if (rec.inv_obj[s] >= OBJ_PLAYER_FIRST && rec.inv_obj[s] <= OBJ_PLAYER_LAST)
            last = std::max(last, rec.inv_obj[s] - OBJ_PLAYER_FIRST);
    ASSERT_GT(last, 0);
    const std::vector<uint8_t> good = read("AINO.OBJ");
    ItemStruct carried;
    memcpy(&carried, &good[last * sizeof(ItemStruct)], sizeof carried);
    const size_t record = sizeof(ItemStruct);
    const struct {
        size_t bytes;
        bool loads;
    } cuts[] = {{0, false}, {record * last, false}, {record * last + 100, false}, {record * (last + 1) + 100, true}};
    for (const auto &cut : cuts) {
        SCOPED_TRACE(cut.bytes);
        leave_to_menu();
        write("AINO.OBJ", good.data(), cut.bytes);
        if (!cut.loads) {
            EXPECT_EQ(loader(), -1);
            EXPECT_NE(strstr(loader_last_note(), "AINO.OBJ is damaged"), nullptr) << loader_last_note();
            EXPECT_EQ(size_of("AINO.OBJ"), (long)cut.bytes) << "a refused load writes nothing";
            continue;
        }
        ASSERT_EQ(loader(), 0);
        EXPECT_NE(strstr(loader_load_notes(), "The object file AINO.OBJ was short"), nullptr) << loader_load_notes();
        EXPECT_STREQ(PlayerObj[last].name, carried.name);
        EXPECT_EQ(PlayerObj[PLAYEROBJ_COUNT - 1].type, 0);
        EXPECT_EQ(size_of("AINO.OBJ"), 8582800) << "the next save writes the whole table";
    }
}

TEST_F(LoaderTest, TemplateFileIsReadUpToTheTablesEnd) {
    std::vector<uint8_t> templates(sizeof(CreatureStruct) * (CONSTANTCRE_COUNT + 5) + 17, 0);
    for (int i = 0; i < CONSTANTCRE_COUNT + 5; i++) {
        CreatureStruct c{};
        snprintf(c.species, sizeof c.species, "Species %d", i);
        memcpy(&templates[i * sizeof(CreatureStruct)], &c, sizeof c);
    }
    write("CONSTANT.CRE", templates.data(), templates.size());
    ASSERT_EQ(loader(), 0);
    EXPECT_STREQ(ConstantCre[0].species, "Species 0");
    // Templates from 500 on are built again at load; the rows below keep what the file held.
    EXPECT_STREQ(ConstantCre[499].species, "Species 499");

    // A cut record at the end is left out.
    leave_to_menu();
    write("CONSTANT.CRE", templates.data(), sizeof(CreatureStruct) * 2 + 100);
    ASSERT_EQ(loader(), 0);
    EXPECT_STREQ(ConstantCre[1].species, "Species 1");
    EXPECT_STREQ(ConstantCre[2].species, "");
}

TEST_F(LoaderTest, WeatherFileIsLoadedOrTheWeatherStartsAnew) {
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(Plr.air_temperature, (float)GlobWeather.temperature);
    ASSERT_EQ(Save(0), 1);
    const std::vector<uint8_t> saved = read("WEATHER.DAT");
    ASSERT_EQ(saved.size(), 23148u);
    const WeatherStruct before = weatherengine.current;

    leave_to_menu();
    weatherengine.current.temperature = -40;
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(memcmp(&GlobWeather, &before, sizeof before), 0);

    // A cut weather file starts a new run instead of half a year of old weather.
    leave_to_menu();
    write("WEATHER.DAT", saved.data(), 1000);
    ASSERT_EQ(loader(), 0);
    EXPECT_NE(strstr(loader_last_note(), "WEATHER.DAT"), nullptr) << loader_last_note();
    EXPECT_EQ(memcmp(&GlobWeather, &PrevWeather, sizeof GlobWeather), 0);
}

// ---- with a screen ------------------------------------------------------------------------------

using oxatest::LoaderScreenTest;

TEST_F(LoaderScreenTest, LoadingEndsOnTheGameScreenAndTheSaveIsToldInTheNoteBox) {
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(DISABLE_NOTES, 0) << "notes are on again once the game runs";
    EXPECT_EQ(FLIPMODE, 1) << "the map is shown with every flip";
    int r, g, b;
    oxatest::rgb(oxatest::pixel(510, 10), r, g, b);   // the name bar of the status panel
    EXPECT_EQ(r, 56);
    EXPECT_EQ(g, 88);
    EXPECT_EQ(b, 120);
    ASSERT_EQ(Save(SAVE_EXPLICIT), 1);
    EXPECT_NE(strstr(lastnote, "Your character has been saved."), nullptr) << lastnote;
}

TEST_F(LoaderTest, NothingOfTheLastCharacterLeaksIntoTheNextWorld) {
    // A second character whose world has no things file yet.
    std::string cmd = "cd " + dir->path() + " && cp -r AINO BRUNO && cd BRUNO && mv AINO.OXS BRUNO.OXS && "
                      "mv AINO.OBJ BRUNO.OBJ && mv AINO.CRS BRUNO.CRS && rm DATA.DAT";
    ASSERT_EQ(system(cmd.c_str()), 0);
    ASSERT_EQ(loader(), 0);
    ASSERT_GE(set_data(DT_ITEM, PlayerX + 1, PlayerY, 50003, 1), 0);
    ASSERT_EQ(Save(0), 1);
    var_clear();   // back to the menu: the tables keep what the first game left in them

    copy_bounded(CharacterFile, sizeof CharacterFile, "BRUNO");
    ASSERT_EQ(loader(), 0);
    for (int i = 0; i < DATA_MAX; i++) {
        ASSERT_EQ(IsoData[i].type, 0) << i;
        ASSERT_EQ(Data[i].type, 0) << i;
    }
    EXPECT_EQ(size_of("../BRUNO/DATA.DAT"), 360000);
}

// A second character whose folder lacks her culture map or her place names never plays on with the
// first one's: a missing file is mended or refused as a damaged one is, and what she plays on is her own.
TEST_F(LoaderTest, ASecondCharacterNeverGetsTheFirstOnesCultureMapOrPlaceNames) {
    struct Case {
        const char *what;
        std::vector<const char *> removed;
        int result;
        const char *told;
    } cases[] = {
        {"names.dat missing", {"names.dat"}, 0, "names.dat was missing; the places of the world are named anew."},
        {"kulttuuri.dat missing", {"kulttuuri.dat"}, 0, "kulttuuri.dat was missing; the culture map is taken from kulttuuri.bak."},
        {"both culture files missing", {"kulttuuri.dat", "kulttuuri.bak"}, -1, "kulttuuri.dat is damaged"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        copy_bounded(CharacterFile, sizeof CharacterFile, "AINO");
        ASSERT_EQ(loader(), 0);   // the first game: her maps are in memory
        var_clear();
        // Bruno's world is his own: his culture map and his place names are Aino's laid the other way round.
        std::string cmd = "cd " + dir->path() + " && rm -rf BRUNO && cp -r AINO BRUNO && cd BRUNO && mv AINO.OXS BRUNO.OXS && "
                          "mv AINO.OBJ BRUNO.OBJ && mv AINO.CRS BRUNO.CRS";
        ASSERT_EQ(system(cmd.c_str()), 0);
        std::vector<uint8_t> culture = read("kulttuuri.dat"), names = read("names.dat");
        std::reverse(culture.begin(), culture.end());
        for (size_t i = 0; i + 1 < names.size() / 2; i += 2) {   // two bytes to a block, the blocks reversed
            std::swap(names[i], names[names.size() - 2 - i]);
            std::swap(names[i + 1], names[names.size() - 1 - i]);
        }
        write("../BRUNO/kulttuuri.dat", culture.data(), culture.size());
        write("../BRUNO/kulttuuri.bak", culture.data(), culture.size());
        write("../BRUNO/names.dat", names.data(), names.size());
        for (const char *f : c.removed) ASSERT_EQ(remove(path(std::string("../BRUNO/") + f).c_str()), 0);

        copy_bounded(CharacterFile, sizeof CharacterFile, "BRUNO");
        EXPECT_EQ(loader(), c.result);
        EXPECT_NE(std::string(loader_load_notes()).find(c.told), std::string::npos) << loader_load_notes();
        if (c.result != 0) {
            EXPECT_FALSE(dir->exists("BRUNO/kulttuuri.dat")) << "a refused load writes nothing";
            continue;
        }
        EXPECT_EQ(memcmp(kulttuurikartta, culture.data(), culture.size()), 0) << "his own culture map";
        const std::vector<uint8_t> his_names = read("../BRUNO/names.dat");
        ASSERT_EQ(his_names.size(), sizeof nimikartta);
        for (int i = 0; i < BLOCK_COUNT; i++)
            ASSERT_EQ(nimikartta[i], his_names[2 * i] | his_names[2 * i + 1] << 8) << "his own place names, block " << i;
        ASSERT_EQ(Save(0), 1);
        EXPECT_EQ(read("../BRUNO/kulttuuri.dat"), culture) << "his save writes his own map";
        var_clear();
    }
}

// The fixture writer never writes over a character it finds: a played one, one whose save was cut
// short between her character file's two names, or a played folder that lost its character file (nor
// Vilho's folder without his).
TEST_F(LoaderTest, FixtureWriterLeavesAnExistingCharacterAlone) {
    edit_record([](PlayerStruct &p) { p.daynumber = 4242; });
    auto folder = [&] {
        std::map<std::string, std::vector<uint8_t>> files;
        DIR *d = opendir(path("").c_str());
        while (dirent *e = d ? readdir(d) : nullptr)
            if (e->d_name[0] != '.') files[e->d_name] = read(e->d_name);
        if (d) closedir(d);
        return files;
    };
    const char *const cases[] = {"her record", "her save cut short between two names", "her record lost"};
    for (const char *c : cases) {
        SCOPED_TRACE(c);
        if (c == cases[1]) {
            // No other character stands in the working folder: Vilho's folder lacks his file too.
            ASSERT_EQ(remove((dir->path() + "/VILHO/VILHO.OXS").c_str()), 0);
            const std::vector<uint8_t> oxs = read("AINO.OXS");
            ASSERT_EQ(rename(path("AINO.OXS").c_str(), path("AINO.OXS.prev").c_str()), 0);
            write("AINO.OXS.new", oxs.data(), oxs.size());
            const SaveListEntry entries[] = {{'R', "AINO.OXS"}};
            char text[128];
            const size_t len = save_list_format(text, sizeof text, entries, 1);
            write("SAVE.COMMIT", text, len);
        }
        if (c == cases[2]) {
            for (const char *name : {"SAVE.COMMIT", "AINO.OXS.new", "AINO.OXS.prev"}) remove(path(name).c_str());
            write("WORLD.BAK", "played", 6);
        }
        const auto before = folder();
        const std::string cmd = oxatest::fixture_tool() + " " + dir->path() + " 2>/dev/null";
        EXPECT_EQ(system(cmd.c_str()), 0);
        EXPECT_TRUE(folder() == before);
    }
}

namespace {

// A game open on a working folder that loads a character the moment her character file stands, holding
// her folder as a loaded game does (a process of its own), until it is let go: whether it had her, and
// her folder as it found it (kept beside as "<folder>.kept").
class GameWaitingFor {
public:
    explicit GameWaitingFor(const std::string &folder) : folder_(folder) {
        if (pipe(told_) != 0 || pipe(release_) != 0) return;
        pid_ = fork();
        if (pid_ != 0) return;
        const std::string oxs = folder + "/" + folder.substr(folder.rfind('/') + 1) + ".OXS", kept = folder + ".kept";
        char answer = 'N';
        for (;;) {
            struct stat st;
            if (stat(oxs.c_str(), &st) == 0) break;
            struct timeval now = {0, 0};
            fd_set let_go;
            FD_ZERO(&let_go);
            FD_SET(release_[0], &let_go);
            if (select(release_[0] + 1, &let_go, nullptr, nullptr, &now) > 0) _exit(write(told_[1], &answer, 1) == 1 ? 0 : 1);
            usleep(200);
        }
        const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
        answer = fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) == 0 ? 'H' : 'R';
        if (answer == 'H') {
            const pid_t cp = fork();
            if (cp == 0) {
                execlp("cp", "cp", "-a", folder.c_str(), kept.c_str(), (char *)nullptr);
                _exit(1);
            }
            int status;
            waitpid(cp, &status, 0);
        }
        if (write(told_[1], &answer, 1) != 1) _exit(1);
        char c;
        if (read(release_[0], &c, 1) < 0) _exit(1);
        _exit(0);
    }
    // Lets the game go: whether it had her folder.
    bool had() {
        if (pid_ <= 0) return false;
        const char c = 'x';
        char answer = 'N';
        if (write(release_[1], &c, 1) != 1 || read(told_[0], &answer, 1) != 1) answer = 'N';
        int status;
        waitpid(pid_, &status, 0);
        pid_ = 0;
        for (int fd : {told_[0], told_[1], release_[0], release_[1]}) close(fd);
        return answer == 'H';
    }
    ~GameWaitingFor() { had(); }

private:
    std::string folder_;
    int told_[2] = {-1, -1}, release_[2] = {-1, -1};
    pid_t pid_ = 0;
};

}  // namespace

// Her world is the generator's, from fixed seeds: written again into another folder, every file is
// the same, and she stands on a field of her own people's land with one of their villages to the east.
// A game open on that folder that loads her the moment her character file stands is told she is in
// use: the writer holds her folder from her making on; should that game have her first, her folder is
// left to it byte for byte.
TEST_F(LoaderTest, FixtureWorldIsGeneratedAlikeWithHerHomeBesideHerVillage) {
    const std::string again = dir->path() + "/again";
    // The game data the game reads as it takes her down to her field and back.
    const std::string cmd = "mkdir -p " + again + "/messages && cp " + dir->path() + "/*.dat " + dir->path() +
                            "/*.arr " + dir->path() + "/*.txt " + dir->path() + "/NOTES.STD " + dir->path() + "/RNDCAMP.* " + again + "/ && cp " +
                            dir->path() + "/messages/* " + again + "/messages/";
    ASSERT_EQ(system(cmd.c_str()), 0) << cmd;
    GameWaitingFor game(again + "/AINO");
    const std::string tool = oxatest::fixture_tool() + " " + again;
    ASSERT_EQ(system(tool.c_str()), 0) << tool;
    if (game.had()) {
        const std::string same = "diff -r " + again + "/AINO " + again + "/AINO.kept >/dev/null";
        EXPECT_EQ(system(same.c_str()), 0) << "her folder changed while a game had it";
        return;
    }
    for (const char *f : {"WORLD.DAT", "kulttuuri.dat", "names.dat", "DATA.DAT", "AINO.OXS", "AINO.OBJ", "ZOOMMAPS.DAT",
                          "ZOOMMAP.DAT"}) {
        const std::vector<uint8_t> a = read(f), b = read(std::string("../again/AINO/") + f);
        ASSERT_FALSE(a.empty()) << f;
        EXPECT_TRUE(a == b) << f << " differs";
    }
    ASSERT_EQ(loader(), 0);
    const int culture = reinterpret_cast<const uint8_t *>(&Plr)[13];
    EXPECT_EQ(get_alltime_maailmachar(PlayerX, PlayerY), CH_FIELD);
    EXPECT_EQ(get_alltime_kulttuuri(PlayerX, PlayerY), culture);
    const oxatest::WorldCell v = oxatest::her_village();
    ASSERT_NE(v.x, 0) << "a village near her";
    EXPECT_GT(v.x, PlayerX) << "to the east, as her story tells";
    EXPECT_EQ(get_alltime_kulttuuri(v.x, v.y), culture);
}

// The road of a game: the ready-made character loads onto the world map, a turn passes, Ctrl+S
// saves, and a second load finds the same place and time.
TEST_F(LoaderScreenTest, PlayingSavingAndLoadingAgain) {
    REAL_QUIT = loader();   // as the outer loop runs a game
    ASSERT_EQ(REAL_QUIT, 0);
    var_clear();
    ASSERT_TRUE(bigmap());
    const int wx = PlayerX, wy = PlayerY;
    int result = 0;
    first_pass();
    EXPECT_EQ(PlayerX, wx);
    EXPECT_EQ(PlayerY, wy);
    lastnote[0] = 0;
    press(SDLK_s, KMOD_LCTRL);
    EXPECT_EQ(turn_pass(&result), 0) << "saving ends the game's loop";
    EXPECT_NE(strstr(lastnote, "Your character has been saved."), nullptr) << lastnote;
    const uint32_t minutes = Plr.minutes;

    var_clear();
    oxatest::reset_loader_tables();
    REAL_QUIT = loader();
    ASSERT_EQ(REAL_QUIT, 0);
    EXPECT_TRUE(bigmap());
    EXPECT_EQ(PlayerX, wx);
    EXPECT_EQ(PlayerY, wy);
    EXPECT_EQ(Plr.minutes, minutes);
}
