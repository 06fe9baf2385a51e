// A new character made by keys from the start menu, as a player makes one: the quick way to the first
// pass of the turn loop, the custom way with every choice landing in the record, Esc at the name
// leaving nothing behind; the portrait groups; the load list's second page.
#include "core/loader_fixture.h"
#include "screens/screen_typist.h"

#include "activities/crolls.h"
#include "core/tekstit.h"
#include "game/turnloop.h"
#include "creatures/portraits.h"
#include "presentation/hyper.h"
#include "screens/creation.h"
#include "screens/loadchar.h"
#include "screens/start.h"
#include "worldgen/kartta_view.h"
#include "worldgen/newchar.h"

#include <set>

namespace oxatest {
namespace {

// Every name in a folder, sorted.
std::set<std::string> listing(const std::string &path) {
    std::set<std::string> names;
    DIR *d = opendir(path.c_str());
    while (d) {
        dirent *e = readdir(d);
        if (!e) break;
        names.insert(e->d_name);
    }
    if (d) closedir(d);
    return names;
}

class Creation : public LoaderScreenTest {
protected:
    void SetUp() override {
        LoaderScreenTest::SetUp();
        for (const char *f : {"fixedpoints.txt", "weathertypeinfo.txt", "GAME.NFO"}) dir->copy_asset(f);
        for (int n = 0; n <= 12; n++) {
            char name[16];
            snprintf(name, sizeof name, "RNDCAMP.%d", n);
            dir->copy_asset(name);
        }
        ASSERT_EQ(system(("cp -r " + std::string(OXA_RUN_DIR) + "/truegfx " + dir->path() + "/").c_str()), 0);
        CharacterFile[0] = 0;
        CharacterPath[0] = 0;
        WORLDGEN_SEED = 9;
        CLOSE_WINDOW = 0;
        srand(5150);
    }
    PlayerStruct record(const char *folder) {
        static PlayerStruct rec;
        memset(&rec, 0, sizeof rec);
        const std::string p = dir->path() + "/" + folder + "/" + folder + ".OXS";
        EXPECT_TRUE(read_exact(p.c_str(), &rec, sizeof rec)) << p;
        return rec;
    }
    static void type_name(KeyFeeder &keys, const char *name) {
        for (const char *c = name; *c; c++) {
            const char letter[2] = {*c, 0};
            keys.text(letter);
        }
        keys.key(SDLK_RETURN);
    }
};

TEST_F(Creation, QuickCreationFromTheStartMenuPlaysItsFirstTurn) {
    // While the closing page waits for its key the window shows it: its lines and its button.
    int unshown = -1, drawn = -1;
    Typist keys;
    keys.keys({SDLK_DOWN, SDLK_RETURN, SDLK_q});   // CREATE A CHARACTER, Q.Quick and easy
    keys.keys({SDLK_k, SDLK_a, SDLK_l, SDLK_l, SDLK_e, SDLK_RETURN});
    keys.key(SDLK_ESCAPE);    // the course: free play
    keys.look([&] {
        const Shot page = copy_of_screen();
        SDL_Surface *w = SDL_GetWindowSurface(win);
        const Shot shown = Shot(SDL_ConvertSurfaceFormat(w, SDL_PIXELFORMAT_ARGB8888, 0), SDL_FreeSurface);
        unshown = drawn = 0;
        for (const SDL_Rect r : {SDL_Rect{100, 218, 600, 60}, SDL_Rect{340, 570, 120, 25}})
            for (int y = r.y; y < r.y + r.h; y++)
                for (int x = r.x; x < r.x + r.w; x++) {
                    const SDL_Color a = shot_at(page, x, y), b = shot_at(shown, x, y);
                    unshown += a.r != b.r || a.g != b.g || a.b != b.b;
                    const SDL_Color c = shot_at(page, x, 150);   // the picture above the lines
                    drawn += y < 280 && (a.r != c.r || a.g != c.g || a.b != c.b);
                }
    });
    keys.key(SDLK_SPACE);     // the closing page
    keys.run([] { Oxa_Start(); });
    EXPECT_GT(drawn, 500) << "the closing page's lines";
    EXPECT_EQ(unshown, 0) << "pixels of the closing page not in the window";
    ASSERT_STREQ(CharacterFile, "KALLE");
    ASSERT_EQ(REAL_QUIT, 0);
    const PlayerStruct rec = record("KALLE");
    EXPECT_STREQ(rec.name, "kalle");   // as typed
    EXPECT_LT(rec.culture, 4) << "one of the first four cultures";
    EXPECT_EQ(rec.sex, 1);
    EXPECT_EQ(rec.month, 6) << "summer";
    EXPECT_EQ(rec.scenario, 101);
    EXPECT_EQ(rec.course_index, -1);
    EXPECT_GT(read_bytes(dir->path() + "/KALLE/portrait.png").size(), 0u) << "the first face of his group";
    const std::vector<uint8_t> story = read_bytes(dir->path() + "/KALLE/story.txt");
    EXPECT_EQ(std::string(story.begin(), story.end()).rfind("Scenario: ", 0), 0u);

    // The loader plays it, and the load list offers it.
    reset_loader_tables();
    copy_bounded(CharacterFile, sizeof CharacterFile, "KALLE");
    ASSERT_EQ(loader(), 0) << loader_last_note();
    var_clear();
    LOADER_RUN = 0;
    srand(20261207);
    first_pass();
    EXPECT_STREQ(Plr.name, "kalle");
    SavedCharacter rows[LOADCHAR_ROWS];
    const int n = list_saved_characters(rows);
    bool listed = false;
    for (int i = 0; i < n; i++) listed |= strcmp(rows[i].folder, "KALLE") == 0;
    EXPECT_TRUE(listed);
}

// The page that asks whether to take a scenario lays out the story's lines, never the name of the
// picture that heads the story in the scenario's file.
TEST_F(Creation, EveryScenarioPageShowsItsStory) {
    CRTPLR_TAPA = CRTPLR_QUICK;   // the story laid out without asking
    for (int n = 0; n <= 12; n++) {
        char name[16];
        snprintf(name, sizeof name, "RNDCAMP.%d", n);
        std::ifstream file(name);
        std::string line, story;
        for (int i = 0; i < 4 && std::getline(file, line); i++) story = line;   // title, summary, picture
        ASSERT_EQ(get_camp(n), 1) << name;
        SANATAULUKKO_AlustaLuku();
        EXPECT_EQ(SANATAULUKKO_LueSana(), story.substr(0, story.find(' '))) << name << ": the story's first word";
        for (const char *w = SANATAULUKKO_LueSana(); w[0]; w = SANATAULUKKO_LueSana())
            EXPECT_EQ(strstr(w, ".jpg"), nullptr) << name << ": " << w;
    }
    CRTPLR_TAPA = CRTPLR_CUSTOM;
}

TEST_F(Creation, CustomChoicesLandInTheRecordAndEscAtTheNameWritesNothing) {
    const std::set<std::string> before = listing(dir->path());
    {
        KeyFeeder keys;
        keys.key(SDLK_DOWN).key(SDLK_RETURN).key(SDLK_c).key(SDLK_ESCAPE);
        keys.key(SDLK_PAGEDOWN).key(SDLK_RETURN);   // back at the menu: QUIT
        keys.typed([] {
            Oxa_Start();
            return 0;
        });
        EXPECT_EQ(REAL_QUIT, 1);
        EXPECT_EQ(CharacterFile[0], 0);
        EXPECT_EQ(GETBACK, 1);
        EXPECT_EQ(listing(dir->path()), before) << "nothing written";
    }
    CLOSE_WINDOW = 0;
    REAL_QUIT = 0;

    KeyFeeder keys;
    keys.key(SDLK_DOWN).key(SDLK_RETURN).key(SDLK_c);
    type_name(keys, "Lempi");
    keys.key(SDLK_2).key(SDLK_f);              // Kiesseläinen, female
    keys.key(SDLK_RIGHT).key(SDLK_RETURN);     // her group's second face
    keys.key(SDLK_4);                          // winter
    keys.key(SDLK_y);                          // the roll kept
    keys.key(SDLK_ESCAPE);                     // the magic page
    for (int i = 0; i < 8; i++) keys.key(SDLK_DOWN).key(SDLK_EQUALS);   // five points, one a skill
    keys.key(SDLK_y);                          // happy with them
    keys.key(SDLK_e);                          // the world entered
    keys.key(SDLK_RETURN).key(SDLK_y);         // The Halvornaland, taken
    keys.key(SDLK_ESCAPE).key(SDLK_SPACE);     // free play, the closing page
    int spent = -1;
    keys.typed([&] {
        Oxa_Start();
        spent = SKILLIMPROVE_points;
        return 0;
    });
    ASSERT_STREQ(CharacterFile, "LEMPI");
    EXPECT_EQ(spent, 0);
    const PlayerStruct rec = record("LEMPI");
    EXPECT_EQ(rec.culture, 2);
    EXPECT_EQ(rec.sex, 2);
    EXPECT_STREQ(rec.portrait, "fem02.png");
    EXPECT_EQ(rec.month, 11);
    EXPECT_EQ(rec.scenario, 100);
    int raised = 0;
    for (int s = 0; s < PLR_SKILLS; s++) raised += rec.skill_level[s] != rec.skill_start[s];
    EXPECT_EQ(raised, 0) << "the start levels are the levels after the option points";
    EXPECT_EQ(read_bytes(dir->path() + "/LEMPI/portrait.png"), read_bytes(dir->path() + "/truegfx/fem02.png"));
}

// Every culture of the list, and every skill a new character is given, opens a page of the encyclopedia.
TEST_F(Creation, CulturesAndStartingSkillsHaveTheirPages) {
    get_topics();
    for (int c = 0; c < 10; c++) EXPECT_TRUE(istopic(culture_topic(c))) << culture_topic(c);
    EXPECT_TRUE(istopic("CULTURES"));
    reset_character();
    character_skills();
    for (int s = 0; s < PLR_SKILLS; s++) {
        char name[PLR_SKILLNAME + 1];
        memcpy(name, Plr.skill_name[s], PLR_SKILLNAME);
        name[PLR_SKILLNAME] = 0;
        EXPECT_TRUE(!name[0] || istopic(name)) << name;
    }
}

// ---- the portrait groups ----------------------------------------------------------------------

class Portraits : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new TempDir();
        mkdir((dir->path() + "/truegfx").c_str(), 0755);
    }
    void TearDown() override {
        for (auto &f : facelist) f[0] = 0;
        delete dir;
    }
    TempDir *dir = nullptr;
};

TEST_F(Portraits, GroupsHoldFiftyAndAnEmptyGroupGivesNoName) {
    for (int n = 1; n <= 52; n++) {
        char name[32];
        snprintf(name, sizeof name, "truegfx/fem%02d.png", n);
        dir->write_file(name, "x");
    }
    dir->write_file("truegfx/femfolk.jpg", "x");   // not a picture of the group
    struct {
        int (*fill)();
        int count;
        const char *first, *last;
    } groups[] = {{Female_Portraits, 50, "fem01.png", "fem52.png"}, {Eastern_Portraits, 0, "", ""},
                  {Kid_Portraits, 0, "", ""}};
    for (const auto &g : groups) {
        EXPECT_EQ(g.fill(), g.count);
        EXPECT_EQ(facelist_count(), g.count);
        EXPECT_STREQ(Pick_Portrait(0), g.first);
        EXPECT_STREQ(Pick_Portrait(g.count ? g.count - 1 : 0), g.last) << "the last one found in the last place";
        EXPECT_STREQ(Pick_Portrait(g.count), "");
        if (g.count == 0) {
            EXPECT_STREQ(Pick_Portrait(-1), "") << "an empty group";
        }
    }

    ASSERT_EQ(mkdir((dir->path() + "/F").c_str(), 0755), 0);
    EXPECT_EQ(saveportrait("fem07.png", "F"), 1);
    EXPECT_EQ(dir->read_file("F/portrait.png"), "x");
    for (const char *bad : {"../fem07.png", "", "nosuch.png", "/etc/passwd"}) EXPECT_EQ(saveportrait(bad, "F"), 0) << bad;
}

// ---- the load list past one page ----------------------------------------------------------------

class LoadPages : public ScreenTest {};

TEST_F(LoadPages, EveryCharacterIsReachablePastThirtyTwo) {
    static PlayerStruct rec;
    for (int i = 0; i < 34; i++) {
        char folder[16];
        snprintf(folder, sizeof folder, "C%02d", i);
        ASSERT_EQ(mkdir((dir->path() + "/" + folder).c_str(), 0755), 0);
        memset(&rec, 0, sizeof rec);
        snprintf(rec.name, sizeof rec.name, "Name%02d", i);
        dir->write_file((std::string(folder) + "/" + folder + ".OXS").c_str(),
                        std::string(reinterpret_cast<const char *>(&rec), sizeof rec));
    }
    SavedCharacter rows[LOADCHAR_ROWS];
    int more = 0;
    EXPECT_EQ(list_saved_characters_from(0, rows, &more), 32);
    EXPECT_EQ(more, 1);
    EXPECT_EQ(list_saved_characters_from(32, rows, &more), 2);
    EXPECT_EQ(more, 0);
    EXPECT_STREQ(rows[1].folder, "C33");

    KeyFeeder keys;
    keys.key(SDLK_PLUS).key(SDLK_DOWN).key(SDLK_RETURN);   // the next page, its second name
    keys.typed([] {
        load_character();
        return 0;
    });
    EXPECT_STREQ(CharacterFile, "C19") << "a page holds the names its window has room for";
    CharacterFile[0] = 0;
}

}  // namespace
}  // namespace oxatest
