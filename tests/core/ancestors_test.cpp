// The end of a life: the death texts, the ring of memorial slots and its scan, deleting a character's
// folder, death through the daily upkeep and the quit questions.
#include "core/loader_fixture.h"

#include <signal.h>
#include <algorithm>
#include <sys/resource.h>

#include "base/ui.h"
#include "creatures/ancestors.h"
#include "game/command.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "creatures/death.h"
#include "creatures/wounds.h"
#include "screens/ancestors.h"
#include "screens/loadchar.h"
#include "screens/start.h"
#include "presentation/listwidget.h"
#include <SDL2/SDL_image.h>

using namespace oxatest;

namespace {

void use_messages(TempDir *dir) {
    dir->copy_asset("messages/eng_ancestors.txt");
    dir->copy_asset("messages/eng_skills.txt");
    copy_bounded(language, sizeof language, "eng");
    MSG_forget_index();
}

std::string slurp(const std::string &path) {
    const std::vector<uint8_t> b = read_bytes(path);
    return std::string(b.begin(), b.end());
}

// A memorial written straight into a slot: days lived and distance as given.
void plant_memorial(TempDir *dir, int slot, const char *name, uint32_t days, float km, size_t size = ANC_RECORD_SIZE) {
    static AncestorStruct rec;
    memset(&rec, 0, sizeof rec);
    copy_bounded(rec.plr.name, sizeof rec.plr.name, name);
    copy_bounded(rec.death_text, sizeof rec.death_text, "starved to death");
    rec.plr.daynumber = days;
    rec.plr.distance_km = km;
    const std::string folder = "ANCESTORS/" + std::to_string(slot);
    mkdir("ANCESTORS", 0755);
    mkdir(folder.c_str(), 0755);
    dir->write_file((folder + "/charfile.txt").c_str(), std::string(name) + "\n");
    std::string bytes((const char *)&rec, sizeof rec);
    bytes.resize(size, '\0');
    dir->write_file((folder + "/" + name + ".ANC").c_str(), bytes);
}

}  // namespace

TEST(DeathTexts, EveryCauseAndTheComposedOnes) {
    TempDir dir;
    use_messages(&dir);
    InjuryCause[0] = 0;
    struct Row {
        int cause, bleed, faint, killer;
        const char *death_text, *sentence;
    } rows[] = {
        {DEATH_DROWNING, -105, -99, -105, "drowned", "She drowned"},
        {DEATH_HUNGER, 0, 0, 0, "starved to death", "She starved to death"},
        {DEATH_THIRST, 0, 0, 0, "died from lack of water", "She died from lack of water"},
        {DEATH_QUIT, -105, 0, -105, "quit living", "She quit living"},
        {DEATH_INJURIES, 0, 0, 0, "died from severe injuries", "She died from severe injuries"},
        {DEATH_FATAL_WOUND, 0, 0, 0, "got a fatal wound", "She got a fatal wound"},
        {DEATH_FROZEN, 0, 0, 0, "froze to death", "She froze to death"},
        {DEATH_ILLNESS, 0, 0, 0, "died from an illness", "She died from an illness"},
        {DEATH_ICE_WATER, 0, 0, 0, "drowned after fainting in the freezing water",
         "She drowned after fainting in the freezing water"},
        {-150, 0, 0, 0, "", "She "},
        // Bleeding: the killer is the blood loss, fainting is forgotten.
        {DEATH_BLEEDING, -105, -105, 0, "bled to death after felling into a trap",
         "She bled to death after felling into a trap"},
        // Bled and fainted, then killed: every part in its order.
        {DEATH_INJURIES, -105, -99, -105, "killed by a trap while unconscious",
         "She started to bleed after felling into a trap and fainted from the bloodloss. While unconscious she was "
         "hurt by a trap and died from severe injuries"},
        {DEATH_INJURIES, -105, -99, -99, "bled to death while unconscious after felling into a trap",
         "She started to bleed after felling into a trap and fainted from the bloodloss. While unconscious she died "
         "from severe injuries"},
    };
    for (const Row &r : rows) {
        PlayerStruct rec{};
        rec.sex = 2;
        rec.death_cause = r.cause;
        rec.bleed_harmer = r.bleed;
        rec.faint_cause = r.faint;
        rec.killer = r.killer;
        char text[ANC_TEXT], sentence[ANC_TEXT];
        compose_death_texts(rec, text, sentence);
        EXPECT_STREQ(text, r.death_text) << r.cause;
        EXPECT_STREQ(sentence, r.sentence) << r.cause;
    }
    PlayerStruct he{};
    he.sex = 1;
    he.death_cause = DEATH_ILLNESS;
    copy_bounded(InjuryCause, sizeof InjuryCause, "poisoning");
    char text[ANC_TEXT], sentence[ANC_TEXT];
    compose_death_texts(he, text, sentence);
    EXPECT_STREQ(sentence, "He died from poisoning");
    InjuryCause[0] = 0;
}

TEST(AncestorList, ScanSkipsEmptyAndDamagedSlotsAndSortsStably) {
    TempDir dir;
    plant_memorial(&dir, 0, "URHO", 40, 12.9f);
    plant_memorial(&dir, 3, "KAISA", 40, 3.0f);
    plant_memorial(&dir, 7, "ILMA", 90, 3.0f);
    plant_memorial(&dir, 48, "PAAVO", 10, 50.0f);
    plant_memorial(&dir, 5, "SHORT", 99, 1.0f, ANC_RECORD_SIZE - 1);    // cut short
    plant_memorial(&dir, 6, "LONG", 99, 1.0f, ANC_RECORD_SIZE + 1);     // not a record
    mkdir("ANCESTORS/9", 0755);                                          // no charfile.txt
    plant_memorial(&dir, 10, "LOST", 99, 1.0f);
    remove("ANCESTORS/10/LOST.ANC");                                    // no record
    mkdir("ANCESTORS/11", 0755);
    dir.write_file("ANCESTORS/11/charfile.txt", "../ESCAPE\n");          // a path, never followed
    dir.write_file("ANCESTORS/lastentry.txt", "3\n");
    GrabAncFolders();
    for (int s = 0; s < ANC_SLOTS; s++)
        EXPECT_EQ(AncFolderUsage[s], s == 0 || s == 3 || s == 7 || s == 48) << s;
    EXPECT_EQ(AncSortData_travelled[0], 12u);
    int order[ANC_SLOTS];
    ASSERT_EQ(ancestors_played_order(order), 4);
    EXPECT_EQ(std::vector<int>(order, order + 4), (std::vector<int>{3, 0, 48, 7})) << "latest first, round the ring";
    bubble_sort(order, 4, 1);
    EXPECT_EQ(std::vector<int>(order, order + 4), (std::vector<int>{7, 3, 0, 48})) << "equal days keep their order";
    bubble_sort(order, 4, 2);
    EXPECT_EQ(std::vector<int>(order, order + 4), (std::vector<int>{48, 0, 7, 3})) << "equal distances keep their order";
    bubble_sort(order, 4, 3);
    EXPECT_EQ(std::vector<int>(order, order + 4), (std::vector<int>{48, 0, 7, 3}));

    for (const char *last : {"50\n", "-4\n", "x\n"}) {
        dir.write_file("ANCESTORS/lastentry.txt", last);
        GrabAncFolders();
        EXPECT_EQ(LASTANCNUM, 0) << last;
    }
    remove("ANCESTORS/lastentry.txt");
    GrabAncFolders();
    EXPECT_EQ(LASTANCNUM, 0);
}

// Deleting a folder: only a character's own folder directly inside the working folder, all of it.
TEST(DeleteCharacterSafety, OnlyHerOwnFolderAndAllOfIt) {
    TempDir dir;
    copy_bounded(OxaPath, sizeof OxaPath, dir.path().c_str());
    dir.write_file("keep.txt", "the working folder's own file");
    mkdir("HER", 0755);
    dir.write_file("HER/LOG", "no dot");
    dir.write_file("HER/HER.OXS", "x");
    mkdir("HER/sub", 0755);
    dir.write_file("HER/sub/deep", "x");
    mkdir("GAME", 0755);
    dir.write_file("GAME/oxa", "the program");
    struct Row {
        const char *name;
        int deleted;
    } rows[] = {{"", 0}, {".", 0}, {"..", 0}, {"HER/sub", 0}, {"../HER", 0}, {"NOBODY", 0}, {"GAME", 0}, {"HER", 1}};
    for (const Row &r : rows) {
        copy_bounded(CharacterFile, sizeof CharacterFile, r.name);
        EXPECT_EQ(DeleteCharacter(), r.deleted) << r.name;
        EXPECT_TRUE(dir.exists("keep.txt")) << r.name;
        EXPECT_TRUE(dir.exists("GAME/oxa")) << r.name;
    }
    EXPECT_FALSE(dir.exists("HER"));
    CharacterFile[0] = 0;
}

// The memorial ring with Aino loaded: where each memorial goes, and what a failed write leaves.
class AncestorRing : public LoaderTest {
protected:
    void SetUp() override {
        LoaderTest::SetUp();
        use_messages(dir);
        ASSERT_EQ(loader(), 0);
        LOADER_RUN = 0;
    }
};

TEST_F(AncestorRing, EachMemorialTakesTheNextSlotRoundTheRing) {
    struct Row {
        const char *lastentry;   // nullptr: no file
        int slot;
    } rows[] = {{nullptr, 1}, {"1\n", 2}, {"48\n", 49}, {"49\n", 0}, {"50\n", 1}, {"-2\n", 1}};
    mkdir("ANCESTORS", 0755);
    for (const Row &r : rows) {
        if (r.lastentry) dir->write_file("ANCESTORS/lastentry.txt", r.lastentry);
        else remove("ANCESTORS/lastentry.txt");
        const std::string folder = "ANCESTORS/" + std::to_string(r.slot);
        mkdir(folder.c_str(), 0755);
        dir->write_file((folder + "/OLD.ANC").c_str(), "an older memorial");
        Plr.death_cause = DEATH_HUNGER;
        EXPECT_EQ(bonedone(), r.slot);
        EXPECT_FALSE(dir->exists((folder + "/OLD.ANC").c_str())) << "the slot is emptied first";
        EXPECT_EQ(dir->read_file("ANCESTORS/lastentry.txt"), std::to_string(r.slot) + "\n");
        EXPECT_EQ(dir->read_file((folder + "/charfile.txt").c_str()), "AINO\n");
        GrabAncFolders();
        EXPECT_EQ(AncFolderUsage[r.slot], 1);
    }
}

TEST_F(AncestorRing, AMemorialThatCannotBeWrittenIsReportedNotLeftHalf) {
    mkdir("ANCESTORS", 0755);
    dir->write_file("ANCESTORS/lastentry.txt", "4\n");
    struct rlimit was;
    getrlimit(RLIMIT_FSIZE, &was);
    signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = was;
    small.rlim_cur = 4000;   // a full disk: the record of 22104 bytes can't be written
    setrlimit(RLIMIT_FSIZE, &small);
    lastnote[0] = 0;
    const int slot = bonedone();
    setrlimit(RLIMIT_FSIZE, &was);
    signal(SIGXFSZ, SIG_DFL);
    EXPECT_EQ(slot, -1);
    EXPECT_NE(strstr(lastnote, "couldn't be written"), nullptr) << lastnote;
    EXPECT_FALSE(dir->exists("ANCESTORS/5")) << "no half-written slot";
    EXPECT_EQ(dir->read_file("ANCESTORS/lastentry.txt"), "4\n") << "the ring did not move";
    EXPECT_TRUE(dir->exists("AINO/AINO.OXS"));
}

// Death as the game reaches it: Aino starving, the turn loop run past the day's upkeep.
class DeathPlayed : public PlayingTest {
protected:
    // She starves at the next day's upkeep: a turn spent, answered by the world at the next pass;
    // then the death note's pause and the page. The number of passes the game took.
    int starve() {
        dir->copy_asset("messages/eng_ancestors.txt");
        MSG_forget_index();
        dir->write_file("AINO/KILL.LOG", std::string(KILL_LOG_RECORD, '\0'));
        for (DataStruct &d : Data)
            if (d.type == DT_CREATURE) d.type = 0;
        Plr.starvation = 100;
        Plr.energy = 1000;   // too little for the hour's recovery roll to spare her, enough not to starve more
        Plr.last_upkeep_day = (uint8_t)(Plr.day == 1 ? 30 : Plr.day - 1);
        Plr.hour = 9;
        KeyFeeder typing;
        typing.keys({SDLK_PERIOD, SDLK_SPACE, SDLK_SPACE});
        int r, passes = 0;
        typing.typed([&] {
            while (passes < 3 && turn_pass(&r)) passes++;
            return 0;
        });
        return passes;
    }
};

TEST_F(DeathPlayed, AinoStarvesAndJoinsTheAncestors) {
    const PlayerStruct before = Plr;
    EXPECT_LT(starve(), 3) << "the game is left";
    EXPECT_EQ(REAL_QUIT, -1);

    const std::string slot = dir->path() + "/ANCESTORS/1/";
    EXPECT_EQ(dir->read_file("ANCESTORS/lastentry.txt"), "1\n");
    EXPECT_EQ(slurp(slot + "charfile.txt"), "AINO\n");
    const std::vector<uint8_t> anc = read_bytes(slot + "AINO.ANC");
    ASSERT_EQ(anc.size(), 22104u);
    EXPECT_STREQ((const char *)anc.data(), "starved to death");
    EXPECT_EQ(anc[16384], (uint8_t)(SAVE_VERSION & 0xff));
    EXPECT_STREQ((const char *)&anc[16388], before.name);
    int32_t cause;
    memcpy(&cause, &anc[16388 + 5032], 4);
    EXPECT_EQ(cause, DEATH_HUNGER);
    for (const char *f : {"portrait.png", "AINO.CRS", "AINO.VIL", "AINO.OBJ", "KILL.LOG", "msglog.txt", "deathmsg.txt"})
        EXPECT_TRUE(own_isfile((slot + f).c_str())) << f;
    EXPECT_EQ(read_bytes(slot + "AINO.OBJ").size() % sizeof(ItemStruct), 0u);
    EXPECT_NE(slurp(slot + "msglog.txt").find("You have died..."), std::string::npos);
    EXPECT_EQ(slurp(slot + "deathmsg.txt").rfind("starved to death\nShe starved to death\n", 0), 0u);
    EXPECT_FALSE(dir->exists("AINO")) << "her folder is gone";
    static SavedCharacter rows[LOADCHAR_ROWS];
    const int n = list_saved_characters(rows);
    for (int i = 0; i < n; i++) EXPECT_STRNE(rows[i].folder, "AINO");

    // The death page stays on the screen: the memorial's title bar, her name in yellow, the bottom box.
    int red, green, blue;
    rgb(pixel(400, 550), red, green, blue);
    EXPECT_EQ(std::vector<int>({red, green, blue}), (std::vector<int>{56, 88, 120}));
    bool yellow_name = false;
    for (int y = 30; y < 40 && !yellow_name; y++)
        for (int x = 220; x < 300 && !yellow_name; x++) {
            rgb(pixel(x, y), red, green, blue);
            yellow_name = red == 252 && green == 252 && blue == 84;
        }
    EXPECT_TRUE(yellow_name) << "her name beside the portrait";
    bool portrait = false;
    for (int y = 40; y < 220 && !portrait; y += 7)
        for (int x = 20; x < 200 && !portrait; x += 7) portrait = pixel(x, y) != pixel(205, 120);
    EXPECT_TRUE(portrait);

    PlayerDeath();   // a second death in the same turn
    EXPECT_EQ(dir->read_file("ANCESTORS/lastentry.txt"), "1\n");
    EXPECT_FALSE(dir->exists("ANCESTORS/2"));
}

TEST_F(DeathPlayed, TheKilometresAinoWalkedAreInHerMemorial) {
    ASSERT_STREQ(Plr.mapname, "BIGMAP");
    auto open_ahead = [] {
        const int c = get_mapchar(PlayerX + Heds_x(PlayerDir), PlayerY + Heds_y(PlayerDir));
        return !terrain_flag(c, TF_BLOCKS) && !terrain_flag(c, TF_WATER);
    };
    for (int turns = 0; turns < 8 && !open_ahead(); turns++) command({SDLK_LEFT});
    for (int i = 0; i < 6; i++) {   // a hundred metres a step on the world map, there and back
        command({SDLK_UP});
        command({SDLK_DOWN});
    }
    EXPECT_NEAR(Plr.distance_km, 1.2f, 0.01f);
    EXPECT_LT(starve(), 3);
    ASSERT_EQ(REAL_QUIT, -1);
    const int slot = atoi(dir->read_file("ANCESTORS/lastentry.txt").c_str());
    AncestorStruct memorial;
    char charfile[64];
    ASSERT_TRUE(read_ancestor(slot, memorial, charfile, sizeof charfile));
    EXPECT_NEAR(memorial.plr.distance_km, 1.2f, 0.01f);
    GrabAncFolders();
    EXPECT_EQ(AncSortData_travelled[slot], 1u) << "the journeyed-distance order reads it";
}

// The quit questions with Vilho, answered as the player answers them.
class QuitTree : public LoaderTest {
protected:
    QuitTree() { vilho = true; }
    void SetUp() override {
        LoaderTest::SetUp();
        use_messages(dir);
        copy_bounded(CharacterFile, sizeof CharacterFile, "VILHO");
        snprintf(CharacterPath, sizeof CharacterPath, "%s/VILHO", dir->path().c_str());
        ASSERT_EQ(loader(), 0);
        LOADER_RUN = 0;
    }
    void TearDown() override {
        ui_script_clear();
        PELIMUSEO_EDIT = 0;
        CLOSE_WINDOW = 0;
        EXIT_CLOSE_GAME = 0;
        LoaderTest::TearDown();
    }
    static int quit(std::initializer_list<int> answers, int closed = 0) {
        std::vector<int> keys(answers);
        ui_script_keys(keys.data(), (int)keys.size());
        CLOSE_WINDOW = closed;
        return command_dispatch('Q', 0, 0) == 0;
    }
};

TEST_F(QuitTree, SaveDieOrStay) {
    struct Row {
        std::initializer_list<int> answers;
        int closed, left;
    } stays[] = {{{'n'}, 0, 0}, {{'n'}, 1, 0}, {{'y', 'y'}, 1, 0}};
    // A save that fails keeps him in the game, also when the close button started the quit.
    char name[sizeof Plr.name];
    copy_bounded(name, sizeof name, Plr.name);
    for (const Row &r : stays) {
        Plr.name[0] = r.answers.size() > 1 ? 0 : Plr.name[0];
        EXPECT_EQ(quit(r.answers, r.closed), 0);
        EXPECT_EQ(REAL_QUIT, 0);
        EXPECT_EQ(EXIT_CLOSE_GAME, 0);
        copy_bounded(Plr.name, sizeof Plr.name, name);
    }
    // "no" to dying saves him and leaves; the close button ends the program only after the answers.
    EXPECT_EQ(quit({'y', 'n', 'n'}, 1), 1);
    EXPECT_EQ(REAL_QUIT, -1);
    EXPECT_EQ(EXIT_CLOSE_GAME, 1);
    EXPECT_EQ(Character_Saved, 1);
    EXPECT_TRUE(dir->exists("VILHO/VILHO.OXS"));
    EXPECT_FALSE(dir->exists("ANCESTORS"));

    // In the museum quitting is dying.
    REAL_QUIT = 0;
    EXIT_CLOSE_GAME = 0;
    PELIMUSEO_EDIT = 1;
    EXPECT_EQ(quit({'y', 'y'}), 1);
    EXPECT_EQ(REAL_QUIT, -1);
    EXPECT_EQ(EXIT_CLOSE_GAME, 0);
    EXPECT_FALSE(dir->exists("VILHO"));
    GrabAncFolders();
    ASSERT_EQ(AncFolderUsage[1], 1);
    static AncestorStruct rec;
    char file[128];
    ASSERT_TRUE(read_ancestor(1, rec, file, sizeof file));
    EXPECT_STREQ(rec.death_text, "quit living");
    EXPECT_EQ(rec.plr.death_cause, DEATH_QUIT);
}

// The list as the player runs it: the start menu's row, the orders, a page at a time, a memorial.
class AncestorListScreen : public ScreenTest {
protected:
    // Nine memorials, each with a portrait of its own colour; days lived mixed against the played order.
    void SetUp() override {
        ScreenTest::SetUp();
        for (int s = 0; s < 9; s++) {
            plant_memorial(dir, s, ("DEAD" + std::to_string(s)).c_str(), (uint32_t)(s * 5 % 9), 1.0f);
            SDL_Surface *pic = SDL_CreateRGBSurfaceWithFormat(0, 32, 32, 32, SDL_PIXELFORMAT_RGB888);
            SDL_FillRect(pic, nullptr, SDL_MapRGB(pic->format, colour(s)[0], colour(s)[1], colour(s)[2]));
            IMG_SavePNG(pic, ("ANCESTORS/" + std::to_string(s) + "/portrait.png").c_str());
            SDL_FreeSurface(pic);
        }
        dir->write_file("ANCESTORS/lastentry.txt", "8\n");
    }
    static std::vector<int> colour(int s) { return {20 * s + 40, 200 - 15 * s, 100}; }
    // The portrait colour of the first entry of the page on the screen.
    static std::vector<int> first_entry() {
        int r, g, b;
        rgb(pixel(20, textlineh(4) + 10), r, g, b);
        return {r, g, b};
    }
};

TEST_F(AncestorListScreen, OrdersPagesAndMemorials) {
    struct Row {
        std::vector<SDL_Keycode> keys;
        int first_slot;   // the first entry of the page left on the screen
    } rows[] = {
        {{SDLK_ESCAPE}, 8},                                        // played: latest first
        {{SDLK_l, SDLK_ESCAPE}, 7},                                // longest living first
        {{SDLK_l, SDLK_PAGEDOWN, SDLK_ESCAPE}, 2},                 // its second page
        {{SDLK_l, SDLK_PAGEDOWN, SDLK_p, SDLK_ESCAPE}, 8},         // played again, first page
        {{SDLK_l, SDLK_RETURN, SDLK_SPACE, SDLK_j, SDLK_ESCAPE}, 7},   // a memorial; equal distances keep L
    };
    for (const Row &r : rows) {
        KeyFeeder typing;
        for (SDL_Keycode k : r.keys) typing.key(k);
        typing.typed([] {
            Ancestors(-1);
            return 0;
        });
        EXPECT_EQ(first_entry(), colour(r.first_slot)) << r.keys.size();
    }

    // From the start menu: its fourth row, clicked, opens the list (which scans the slots); the last
    // row quits.
    auto menu = [](KeyFeeder &typing) {
        typing.typed([] {
            Oxa_Start();
            return 0;
        });
    };
    KeyFeeder quit;
    quit.keys({SDLK_PAGEDOWN, SDLK_RETURN});
    menu(quit);
    EXPECT_EQ(REAL_QUIT, 1);
    ASSERT_STREQ(LIST_PosText(3), "ANCESTORS");
    const int x = LISTX_right(3) + 20, y = LISTY_top(3) + 3;   // on the row's line
    memset(AncFolderUsage, 0, sizeof AncFolderUsage);
    KeyFeeder typing;
    typing.click(x, y).keys({SDLK_ESCAPE, SDLK_PAGEDOWN, SDLK_RETURN});
    menu(typing);
    EXPECT_EQ(REAL_QUIT, 1);
    EXPECT_EQ(std::count(AncFolderUsage, AncFolderUsage + ANC_SLOTS, 1), 9) << "the list was opened";
    REAL_QUIT = 0;
}
