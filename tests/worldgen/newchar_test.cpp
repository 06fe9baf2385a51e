// A new character's folder built whole with no screen: its files and record, the names a folder may
// take, a write that fails on the way, and the character played from the folder.
#include "core/loader_fixture.h"

#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>

#include "activities/magic.h"
#include "creatures/outfit.h"
#include "core/player.h"
#include "items/itemdefs.h"
#include "worldgen/campaign.h"
#include "worldgen/newchar.h"
#include "game/turnloop.h"

namespace oxatest {
namespace {

NewCharChoices quick(const char *name, uint32_t seed) {
    NewCharChoices c{};
    copy_bounded(c.name, sizeof c.name, name);
    c.mode = CRTPLR_QUICK;
    c.culture = 2;
    c.sex = 1;
    c.season = 1;
    c.scenario = -1;   // quick mode takes the first scenario after The Halvornaland
    c.course = -1;
    c.seed = seed;
    return c;
}

long file_size(const std::string &path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? (long)st.st_size : -1;
}

// What a new character's build reads from the working folder besides the loader's files.
void copy_creation_data(TempDir *dir) {
    for (int n = 0; n <= 1; n++) dir->copy_asset(("RNDCAMP." + std::to_string(n)).c_str());
}

class NewCharacter : public LoaderScreenTest {
protected:
    void SetUp() override {
        LoaderScreenTest::SetUp();
        copy_creation_data(dir);
        crtplr_fault = nullptr;
        ClearPrevNameStack();   // as at the start of a run: the names an earlier test drew steer no draw
    }
    void TearDown() override {
        crtplr_fault = nullptr;
        LoaderScreenTest::TearDown();
    }
    // Nothing of a creation that failed: no folder of the name and none under the building name.
    void expect_nothing_left(const char *folder) {
        EXPECT_FALSE(dir->exists(folder)) << folder;
        EXPECT_FALSE(dir->exists((std::string(folder) + ".crtplr").c_str())) << folder;
    }
};

TEST_F(NewCharacter, QuickBuildFromSeedIsWholeAndPlays) {
    char err[200] = "x";
    ASSERT_EQ(crtplr_build(quick("Testi", 5), nullptr, err, sizeof err), 1) << err;
    EXPECT_STREQ(err, "");
    EXPECT_STREQ(CharacterFile, "TESTI");
    expect_nothing_left("TESTI.crtplr");
    const std::string f = dir->path() + "/TESTI/";
    const struct { const char *file; long size; } files[] = {
        {"TESTI.OXS", 5716},        {"TESTI.OBJ", 8582800},       {"TESTI.CRS", 4152000},
        {"CONSTANT.OBJ", 68800},    {"CONSTANT.CRE", 1384000},    {"WORLD.DAT", 6296577},
    };
    for (const auto &e : files) EXPECT_EQ(file_size(f + e.file), e.size) << e.file;
    EXPECT_EQ(file_size(dir->path() + "/CONSTANT.OBJ"), 68800);
    EXPECT_EQ(dir->read_file("TESTI/story.txt").rfind("Scenario: Near the village\n", 0), 0u);
    EXPECT_NE(dir->read_file("objsym.txt").find("NEWTILES DONE: "), std::string::npos);

    static PlayerStruct p;
    ASSERT_TRUE(read_exact((f + "TESTI.OXS").c_str(), &p, sizeof p));
    EXPECT_STREQ(p.name, "Testi");
    EXPECT_EQ(p.culture, 2);
    EXPECT_STREQ(p.inhabitant, "Kiessel\xe4inen");
    EXPECT_STREQ(p.folder, "TESTI");
    EXPECT_STREQ(p.mapname, "BIGMAP");
    EXPECT_EQ(p.sex, 1);
    EXPECT_EQ(p.save_version, 363);
    EXPECT_EQ(p.year, 16);
    EXPECT_EQ(p.start_year, 16);
    EXPECT_EQ(p.day, 1);
    EXPECT_EQ(p.hour, 8);
    EXPECT_EQ(p.minute, 0);
    EXPECT_EQ(p.month, 6);
    EXPECT_EQ(p.start_month, 6);
    EXPECT_FLOAT_EQ(p.air_temperature, 18.0f);
    EXPECT_FLOAT_EQ(p.body_temperature, 37.0f);
    EXPECT_EQ(p.scenario, 101);
    EXPECT_EQ(p.course_index, -1);
    EXPECT_EQ(p.world_x, p.x);
    EXPECT_NE(p.world_x, 0u);
    int skills = 0;
    for (int s = 0; s < PLR_SKILLS; s++) {
        if (!p.skill_name[s][0]) continue;
        skills++;
        const bool dodge = strncmp(p.skill_name[s], "DODGE", PLR_SKILLNAME) == 0;
        EXPECT_EQ(p.skill_start[s], p.skill_level[s]) << s;
        if (!dodge) {
            EXPECT_GE(p.skill_level[s], p.skill_aptitude[s]) << "quick mode's step " << s;
        }
    }
    EXPECT_EQ(skills, 27);
    const uint8_t *known = reinterpret_cast<const uint8_t *>(&p) + 5367;
    EXPECT_TRUE(known[9] & 1);
    EXPECT_TRUE(known[10] & 1);

    // Played: the loader dresses him, the turn loop takes a pass.
    copy_bounded(CharacterFile, sizeof CharacterFile, "TESTI");
    ASSERT_EQ(loader(), 0);
    var_clear();
    LOADER_RUN = 0;
    srand(5);
    first_pass();
    int worn = 0, bread = 0, knife = 0;
    std::vector<std::string> names;
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (Plr.inv_obj[s] < OBJ_PLAYER_FIRST) continue;
        const ItemStruct &it = PlayerObj[Plr.inv_obj[s] - OBJ_PLAYER_FIRST];
        char name[41];
        names.push_back(item_name(it, name));
        worn += (it.status & ISTAT_WORN) != 0;
        bread += strstr(name, "bread") || strstr(name, "Bread");
        knife += strncmp(it.skill, "KNIFE", 5) == 0;
    }
    std::string pack;
    for (const std::string &n : names) pack += n + "; ";
    EXPECT_GE(worn, 3) << "shoes, trousers and shirts of his culture: " << pack;
    EXPECT_EQ(bread, 1);
    EXPECT_GE(knife, 1);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << "one slot per name";
}

// Names: what a folder is called, and what is refused with which text.
TEST_F(NewCharacter, NamesAndTheirFolders) {
    ASSERT_EQ(mkdir("ANNA", 0700), 0);
    const char *too_short = "Too short character name.", *special = "Character name can't contain spaces or special characters.",
               *exists = "File folder for a character with that name already exists!";
    const struct { const char *typed, *folder, *why; } rows[] = {
        {"Jo", "", too_short},
        {"Joe", "JOE", nullptr},
        {"Ada", "ADA", nullptr},
        {"Abcdefghijkl", "ABCDEFGHIJKL", nullptr},
        {"Abcdefghijklm", "", special},
        {"M\xe4ki", "M0xc4KI", nullptr},
        {"M\x84ki", "M0xc4KI", nullptr},
        {"\xf6\xf6\xf6\xf6\xf6\xf6\xf6\xf6\xf6", "0xd60xd60xd60xd60xd60xd60xd60xd6", nullptr},   // cut to 32
        {"anna", "", exists},
        {"aNNa", "", exists},
        {"Ab c", "", special},
        {"Ab*c", "", special},
        {"Ab?c", "", special},
        {"Ab[c", "", special},
        {"Ab/c", "", special},
        {"Ab..c", "", special},
        {"..", "", special},
        {"Kalle3", "KALLE3", nullptr},
        {"Anna-Liisa", "ANNA-LIISA", nullptr},
        {"Ab,c", "", special},
        {"Ab_c", "", special},
        {"Ab&c", "", special},
        {"Ab+c", "", special},
        {"Ab\\c", "", special},
        {"Ab\tc", "", special},
    };
    for (const auto &r : rows) {
        char folder[40] = "junk";
        const char *why = "junk";
        EXPECT_EQ(crtplr_folder_name(r.typed, folder, sizeof folder, &why), r.why ? 0 : 1) << r.typed;
        EXPECT_STREQ(folder, r.folder) << r.typed;
        if (r.why) {
            EXPECT_STREQ(why, r.why) << r.typed;
        } else {
            EXPECT_EQ(why, nullptr) << r.typed;
        }
    }
}

// A write that fails on the way ends the creation with its reason and leaves no folder behind, so that
// the name may be tried again.
TEST_F(NewCharacter, AFailedWriteLeavesNothing) {
    static std::string failing;
    crtplr_fault = [](const char *file) { return failing == file ? 1 : 0; };
    const struct { const char *file, *err; } rows[] = {
        {"WORLD.DAT", "The world couldn't be written."},
        {"KAISA.OBJ", "The objects couldn't be written."},
        {"KAISA", "File folder for a character with that name already exists!"},   // the last rename
    };
    for (const auto &r : rows) {
        failing = r.file;
        char err[200] = "";
        EXPECT_EQ(crtplr_build(quick("Kaisa", 9), nullptr, err, sizeof err), 0) << r.file;
        EXPECT_STREQ(err, r.err) << r.file;
        EXPECT_STREQ(CharacterFile, "") << r.file;
        expect_nothing_left("KAISA");
    }
    failing.clear();
    char err[200] = "";
    EXPECT_EQ(crtplr_build(quick("Kaisa", 9), nullptr, err, sizeof err), 1) << err;
    EXPECT_TRUE(dir->exists("KAISA/KAISA.OXS"));

    // A scenario the working folder lacks ends the game naming its file.
    remove("RNDCAMP.1");
    oxa_quit_hook = [](const char *text) { throw std::runtime_error(text); };
    std::string quit;
    try {
        crtplr_build(quick("Kalle", 9), nullptr, err, sizeof err);
    } catch (const std::runtime_error &e) {
        quit = e.what();
    }
    oxa_quit_hook = nullptr;
    EXPECT_EQ(quit, "RNDCAMP.1");
}

// What a second game answers, run as a program of its own, when it asks for the name "Kaisa" and
// then creates her: "<name passed> <built> <refusal>|<error>".
std::string second_game_creates_kaisa() {
    int out[2];
    if (pipe(out) != 0) return "no pipe";
    const pid_t pid = fork();
    if (pid == 0) {
        close(out[0]);
        char folder[40], err[200] = "";
        const char *why = nullptr;
        const int named = crtplr_folder_name("Kaisa", folder, sizeof folder, &why);
        NewCharChoices c = quick("Kaisa", 3);
        c.culture = 5;
        const int built = crtplr_build(c, nullptr, err, sizeof err);
        dprintf(out[1], "%d %d %s|%s", named, built, why ? why : "", err);
        _exit(0);
    }
    close(out[1]);
    std::string said;
    char buf[256];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;) said.append(buf, (size_t)n);
    close(out[0]);
    waitpid(pid, nullptr, 0);
    return said;
}

// Two games creating one name: the second, asking while the first waits on a page of its creation, is
// told the name is being created and touches nothing of the first's folder, which the first finishes
// whole as its own. A building folder no game holds was left by a creation that never finished: the
// next creation of the name clears it.
TEST_F(NewCharacter, TwoGamesCreatingOneNameNeverMix) {
    static std::string answer;
    NewCharAsk ask{};
    ask.accept_roll = [] {
        answer = second_game_creates_kaisa();
        return 1;
    };
    NewCharChoices first = quick("Kaisa", 9);
    first.mode = CRTPLR_CUSTOM;
    first.scenario = 1;
    char err[200] = "";
    ASSERT_EQ(crtplr_build(first, &ask, err, sizeof err), 1) << err;
    const std::string busy = "A character with that name is being created in another game!";
    EXPECT_EQ(answer, "0 0 " + busy + "|" + busy);
    static PlayerStruct p;
    ASSERT_TRUE(read_exact((dir->path() + "/KAISA/KAISA.OXS").c_str(), &p, sizeof p));
    EXPECT_STREQ(p.name, "Kaisa");
    EXPECT_EQ(p.culture, 2);   // her own record, not the second game's
    EXPECT_FALSE(dir->exists("KAISA.crtplr"));

    ASSERT_EQ(mkdir((dir->path() + "/KALLE.crtplr").c_str(), 0700), 0);
    dir->write_file("KALLE.crtplr/KALLE.OXS", "left by a creation that never finished");
    ASSERT_EQ(crtplr_build(quick("Kalle", 9), nullptr, err, sizeof err), 1) << err;
    EXPECT_EQ(file_size(dir->path() + "/KALLE/KALLE.OXS"), 5716);
    expect_nothing_left("KALLE.crtplr");
}

// The equipment given at creation: one slot per object and per name, the count of the first kept.
TEST_F(NewCharacter, EquipmentIsGivenOncePerName) {
    reset_character();
    build_objdef_rows();
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    const int bread = object("Rye bread", 1), knife = object("Knife", 1);
    ASSERT_GT(bread, 0);
    ASSERT_GT(knife, 0);
    add_equipment(bread, 2);
    add_equipment(bread, 3);
    add_plrequ(knife, 1, 5);
    add_plrequ(knife, 1, 2);   // another grade, the same name
    add_equipment(0, 4);
    EXPECT_EQ(Plr.inv_count[0], 2);
    EXPECT_EQ(Plr.inv_count[1], 1);
    EXPECT_EQ(Plr.inv_obj[2], 0);
    const ItemStruct &k = PlayerObj[Plr.inv_obj[1] - OBJ_PLAYER_FIRST];
    EXPECT_EQ(k.quality & QUAL_GRADE, 5);
    EXPECT_TRUE(k.quality & QUAL_KNOWN);
    reset_character();
    EXPECT_EQ(added[0], 0u);
}

}  // namespace
}  // namespace oxatest
