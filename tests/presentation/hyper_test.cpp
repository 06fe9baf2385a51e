// The encyclopedia: topics and first sentences, the link rules of a page, the history, the info box
// line, the browser driven by keys, and a lint of the game's own GAME.NFO.
#include "common/harness.h"
#include "common/source_scan.h"
#include "presentation/input_feeder.h"
#include "core/oxa.h"
#include "presentation/hyper.h"
#include "presentation/listwidget.h"
#include "presentation/show.h"
#include "base/ui.h"

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char *const kSmallNfo =
    "# a comment line\n"
    ".BIRCH.BIRCHES.\n"
    "The birch is a white tree. It grows\n"
    "on burnt land. See spruce and [pine.\n"
    "***\n"
    ".SPRUCE.\n"
    "A dark tree.\n"
    "***\n"
    ".PINE.\n"
    "Tall on dry heaths.\n"
    "***\n"
    ".START.\n"
    "The main page.\n"
    "Birch, spruce.\n"
    "***\n";

class Encyclopedia : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        dir->write_file("GAME.NFO", kSmallNfo);
        get_topics();
        clear_list();
        clear_history();
    }
    static std::vector<std::string> page_links() {
        std::vector<std::string> v;
        for (int i = 2; i < lpos; i++) v.push_back(hyper_links[i]);
        return v;
    }
};

TEST_F(Encyclopedia, HeadingOfTwoNamesGivesTwoTopicsOfOnePage) {
    EXPECT_TRUE(istopic("birch"));
    EXPECT_TRUE(istopic("BIRCHES"));
    EXPECT_TRUE(istopic("Spruce"));
    EXPECT_FALSE(istopic("BIR"));
    EXPECT_FALSE(istopic(""));
    EXPECT_STREQ(keyword_firstline("birch"), "The birch is a white tree.");
    EXPECT_STREQ(keyword_firstline("birches"), "The birch is a white tree.");
    EXPECT_STREQ(keyword_firstline("alder"), "Info missing. Report!");
    // A one-line page does not swallow the next heading.
    EXPECT_STREQ(keyword_firstline("SPRUCE"), "A dark tree.");
    EXPECT_TRUE(istopic("PINE"));
    ASSERT_EQ(show_topic("birches"), 1);
    EXPECT_STREQ(topsnes, "BIRCHES");
    EXPECT_EQ(show_topic("ALDER"), 0);
    EXPECT_EQ(show_topic("BI"), 0);
}

TEST_F(Encyclopedia, LinkRulesOfAPage) {
    const char *heading = ".BIRCH.BIRCHES.";
    // Its own heading is no link; a name inside a word is none; "[" links even after a letter.
    Lisaa_Linkit(60, 60, "Birch and birches grow by the spruce, xpine and x[pine ", heading, 0);
    EXPECT_EQ(page_links(), (std::vector<std::string>{"SPRUCE", "PINE"}));
    // A name is linked once a page; the character after it must end a word.
    Lisaa_Linkit(60, 72, "spruces, spruce. pine<br>", ".START.", 0);
    EXPECT_EQ(page_links(), (std::vector<std::string>{"SPRUCE", "PINE"}));
    clear_list();
    Lisaa_Linkit(60, 60, "spruces and birch'", ".START.", 0);
    EXPECT_EQ(page_links(), (std::vector<std::string>{"BIRCH"}));
    clear_list();
    EXPECT_EQ(Lisaa_Linkit(60, 60, "sp", ".START.", 0), 0);
    // Measuring draws and adds nothing.
    EXPECT_GT(Lisaa_Linkit(100, 60, "the spruce ", ".START.", 1), 100);
    EXPECT_TRUE(page_links().empty());
}

TEST_F(Encyclopedia, HistoryKeepsNoRepeatsAndGoesBack) {
    add_link("START");
    add_link("BIRCH");
    add_link("BIRCH");
    EXPECT_STREQ(link_[LINK_HISTORY - 1], "BIRCH");
    EXPECT_STREQ(prev_link_(0), "START");
    EXPECT_STREQ(prev_link(), "START");
    EXPECT_STREQ(prev_link(), "");
    for (int i = 0; i < 40; i++) add_link(i % 2 ? "PINE" : "SPRUCE");
    EXPECT_STREQ(link_[LINK_HISTORY - 1], "PINE");
    EXPECT_STREQ(link_[0], "SPRUCE");
}

TEST_F(Encyclopedia, InfoBoxLineIsCutWithTwoDots) {
    char out[300];
    const std::string long_text(120, 'a');
    infobox_line("BIRCH", long_text.c_str(), INFOBOX_CUT, out, sizeof out);
    EXPECT_EQ(std::string(out), std::string(92, 'a') + "..");
    infobox_line("BIRCH", "", INFOBOX_CUT, out, sizeof out);
    EXPECT_STREQ(out, "The birch is a white tree.");
    infobox_line("BIRCH", long_text.c_str(), INFOBOX_CUT_NARROW, out, sizeof out);
    EXPECT_EQ(strlen(out), 55u);
    GameInfo_Hotspot("birch", "", 0);
    EXPECT_EQ(dir->read_file("GFX.NFO"), "birch\n");
}

TEST_F(Encyclopedia, BoundsOfTheTopicFile) {
    std::ostringstream big;
    for (int i = 0; i < 600; i++) big << ".TOPIC" << i << ".\nLine " << i << ".\n***\n";
    big << ".LAST.\n" << std::string(400, 'x') << "\n" << std::string(400, 'y') << "\n***\n";
    dir->write_file("GAME.NFO", big.str());
    get_topics();
    EXPECT_TRUE(istopic("TOPIC499"));
    EXPECT_FALSE(istopic("TOPIC500"));
    EXPECT_FALSE(istopic("LAST"));
    EXPECT_TRUE(dir->exists("debug_topics!.txt"));

    dir->write_file("GAME.NFO", ".LONG.\n" + std::string(400, 'x') + "\n" + std::string(400, 'y') + "\n***\n");
    get_topics();
    ASSERT_TRUE(istopic("LONG"));
    EXPECT_EQ(strlen(keyword_firstline("LONG")), 199u);

    remove("GAME.NFO");
    get_topics();
    EXPECT_FALSE(istopic("LONG"));
    EXPECT_EQ(show_topic("LONG"), 0);
}

TEST_F(Encyclopedia, BrowserBackFromTheFirstPageAndEscReturnsTheScreen) {
    box(0, 0, 799, 599, RGB_to_color(0, 0, 200));
    const uint32_t before = oxatest::pixel(400, 300);
    {
        oxatest::KeyFeeder f;
        f.keys({SDLK_BACKSPACE, SDLK_HOME});       // nothing before BIRCH: BIRCH again, then START
        f.key(SDLK_BACKSPACE).key(SDLK_ESCAPE);    // back to BIRCH, and out
        f.typed([] {
            game_info("birch");
            return 0;
        });
    }
    EXPECT_STREQ(topsnes, "BIRCH");
    EXPECT_STREQ(link_[LINK_HISTORY - 1], "BIRCH");
    EXPECT_STREQ(link_[LINK_HISTORY - 2], "");
    EXPECT_EQ(oxatest::pixel(400, 300), before);
}

TEST_F(Encyclopedia, TypedKeywordsAndTheNotFoundPage) {
    oxatest::KeyFeeder f;
    f.key(SDLK_SPACE).keys({SDLK_a, SDLK_l, SDLK_d, SDLK_e, SDLK_r, SDLK_RETURN});
    f.key(SDLK_SPACE);                             // the not-found page waits for a key
    f.key(SDLK_SPACE).keys({SDLK_p, SDLK_i, SDLK_n, SDLK_e, SDLK_RETURN});
    f.key(SDLK_ESCAPE);
    f.typed([] {
        game_info("FILE");                         // no info box yet: nothing opens
        game_info("START");
        return 0;
    });
    EXPECT_STREQ(topsnes, "PINE");
    EXPECT_STREQ(link_[LINK_HISTORY - 2], "START");
    EXPECT_STREQ(link_[LINK_HISTORY - 3], "");
}

TEST_F(Encyclopedia, LinksAreReachedWithTheCursorKeys) {
    oxatest::KeyFeeder f;
    // START reads "Birch, spruce.": the cursor starts on the first link and goes right to the next.
    f.keys({SDLK_RIGHT, SDLK_RETURN, SDLK_ESCAPE});
    f.typed([] {
        game_info("START");
        return 0;
    });
    EXPECT_STREQ(topsnes, "SPRUCE");
}

// The topic names the code gives the encyclopedia, read from the sources.
static std::set<std::string> topics_named_by_code() {
    const std::string root = OXA_SOURCE_DIR;
    std::set<std::string> names = {"START", "THE HALVORNALAND", "ARMOUR MATERIALS", "STEALTH"};
    std::regex call(R"((game_info|set_info|GameInfo_Hotspot|Valinta_LisaaGameinfo|Valinta_LisaaGlobalGameinfo|ARMOUR_INFO_TOPIC =)\(?\s*\"([A-Z][A-Z '-]+)\")");
    FILE *p = popen(("find " + root + "/src -name '*.cpp'").c_str(), "r");
    char path[512];
    while (p && fgets(path, sizeof path, p)) {
        path[strcspn(path, "\n")] = 0;
        std::ifstream in(path);
        std::stringstream s;
        s << in.rdbuf();
        const std::string text = s.str();
        oxatest::each_match(text,
                            {"game_info", "set_info", "GameInfo_Hotspot", "Valinta_LisaaGameinfo",
                             "Valinta_LisaaGlobalGameinfo", "ARMOUR_INFO_TOPIC ="},
                            call, [&names](const std::smatch &m) {
                                const std::string name = m[2];
                                if (name != "FILE" && name != "FIRST TIMER INFO") names.insert(name);
                            });
    }
    if (p) pclose(p);
    return names;
}

TEST(GameNfo, EveryNamedTopicHasAPageAndEveryPageEnds) {
    std::ifstream in(oxatest::asset_path("GAME.NFO"));
    ASSERT_TRUE(in.good());
    std::string line;
    std::set<std::string> headings;
    bool open = false;
    int pages = 0, body = 0;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '.') {
            EXPECT_FALSE(open) << "a page before " << line << " has no ***";
            open = true;
            body = 0;
            pages++;
            std::stringstream names(line.substr(1));
            std::string name;
            while (std::getline(names, name, '.')) {
                if (name.empty()) continue;
                EXPECT_TRUE(headings.insert(name).second) << name << " has two pages";
            }
            continue;
        }
        if (line.find("***") != std::string::npos) {
            EXPECT_TRUE(open) << "*** outside a page";
            EXPECT_GE(body, 1) << "an empty page before line " << line;
            open = false;
            continue;
        }
        if (open) {
            body++;
            EXPECT_LE(line.size(), 150u) << line;
        }
    }
    EXPECT_FALSE(open) << "the last page has no ***";
    EXPECT_GE(pages, 30);
    EXPECT_LE(pages, 120);   // the cultures and the skills have pages of their own
    for (const std::string &t : topics_named_by_code()) EXPECT_TRUE(headings.count(t)) << t << " has no page";
}

}  // namespace
