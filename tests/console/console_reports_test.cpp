// The console's report, map and item commands typed by Aino in her game: what each line lays on her
// square and what it tells, the item report of key 7 and the fire heat of key x.
#include "core/loader_fixture.h"
#include "core/player.h"
#include "core/tekstit.h"
#include "core/vilrecord.h"
#include "creatures/villagejudge.h"

#include "game/wizard.h"
#include "items/items.h"
#include "items/materials.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "core/shading.h"
#include "maps/zoomstore.h"
#include "presentation/input_feeder.h"
#include "screens/console.h"
#include "worldgen/localgen.h"

#include <string>
#include <vector>

namespace {

using oxatest::KeyFeeder;

class ConsoleReports : public oxatest::PlayingTest {
protected:
    void SetUp() override {
        PlayingTest::SetUp();
        srand(5656);               // the treasures, furs and scenes draw from the stream
        DEBUG_kasveja_aina = 0;
        memset(Kayttolista, 0, sizeof Kayttolista);
        GetMapShade(&shade[0], &shade[1], &shade[2]);
    }
    void TearDown() override {
        DEBUG_kasveja_aina = 0;
        SetMapShade(shade[0], shade[1], shade[2]);
        PlayingTest::TearDown();
    }
    int shade[3] = {255, 255, 255};
    // The console key, the guard and the keys after it, in one turn; '^' is the arrow up.
    static void console(const std::string &after) {
        KeyFeeder typing;
        typing.key('*').key('k').key('j');
        for (char c : after) typing.key(c == '\n' ? SDLK_RETURN : c == 27 ? SDLK_ESCAPE : c == '^' ? SDLK_UP : (SDL_Keycode)c);
        int r;
        DISABLE_MORECHECK = 1;
        typing.typed([&] { return turn_pass(&r); });
    }
    // Notes begin with a capital and lose their colour mark: compared in lower case.
    bool noted(std::string text) const {
        std::string log = notes();
        for (char &c : log) c = (char)tolower((unsigned char)c);
        for (char &c : text) c = (char)tolower((unsigned char)c);
        return log.find(text) != std::string::npos;
    }
    // Item records on a square and the names of the things they hold; the things counted.
    static std::vector<std::string> items_at(int x, int y) {
        std::vector<std::string> names;
        for (const DataStruct &d : Data) {
            if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
            ItemStruct it{};
            ObjToItem(it, (int)d.id);
            names.push_back(std::string(it.name, strnlen(it.name, sizeof it.name)));
        }
        return names;
    }
    static int things_at(int x, int y) {
        int n = 0;
        for (const DataStruct &d : Data) n += d.type == DT_ITEM && d.x == x && d.y == y ? d.count : 0;
        return n;
    }
    // Runs a call while the keys are typed ('^' the arrow up).
    template <typename Fn> static void with_keys(const std::string &keys, Fn fn) {
        if (keys.empty()) {
            fn();
            return;
        }
        KeyFeeder typing;
        for (char c : keys) typing.key(c == '\n' ? SDLK_RETURN : c == 27 ? SDLK_ESCAPE : c == '^' ? SDLK_UP : (SDL_Keycode)c);
        typing.typed([&] {
            fn();
            return 0;
        });
    }
};

// Each line as the console runs it: the keys it reads, the things it lays on her square (and east
// of it), and a line it must tell. Picks take the square north of her. The lines that draw from the
// random stream come first, before any key is waited for.
TEST_F(ConsoleReports, TypedLinesLayTheirThingsAndTellTheirLines) {
    const struct {
        const char *line, *keys;
        int laid;              // new things on her square
        int laid_east;         // new things east of her; -1 some
        const char *told;      // a line the command tells ("" none)
        const char *named;     // a thing laid must be called so ("" any)
    } rows[] = {
        {"small hide", "", 2, 0, "", ""},
        {"hide", "", 1, 0, "", ""},   // the village's: merged into an equal pile or laid anew
        {"trs", "", 0, -1, "", ""},
        {"amulet", "", 4, 0, "", "Wedge of Ukko"},
        {"art", "", 1, 0, "", "Molotov blend"},
        {"wool", "", 1, 0, "", "wool"},
        {"tuohi", "", 2, 0, "", "Birch-bark strip"},
        {"tub", "", 1, 0, "", "Water"},   // the water laid stands in the tub
        {"food", "", 1, 0, "", ""},
        {"luoto", "", 0, 0, "", ""},
        {"gamefind", "", 0, 0, "", ""},
        {"wpdam", "", 0, 0, "x?", ""},
        {"kl", "", 0, 0, "kl: empty", ""},
        {"anc", "", 0, 0, "No memorial is kept.", ""},
        {"ld", "^\n", 0, 0, "From here | vague navi:", ""},
        {"zoomimportant", "^\n", 0, 0, "important: ", ""},
        {"grab", "a", 0, 0, "", ""},   // the grab test waits for a key
        {"mapshade", "", 0, 0, "", ""},
        {"aarre", "", 0, 0, "The treasure is ", ""},   // where, how hidden and what
    };
    for (const auto &r : rows) {
        const int here = things_at(PlayerX, PlayerY), east = things_at(PlayerX + 1, PlayerY);
        with_keys(r.keys, [&] { console_run_line(r.line); });
        EXPECT_EQ(things_at(PlayerX, PlayerY) - here, r.laid) << r.line;
        const int east_new = things_at(PlayerX + 1, PlayerY) - east;
        if (r.laid_east < 0) {
            EXPECT_GT(east_new, 0) << r.line;
        } else {
            EXPECT_EQ(east_new, r.laid_east) << r.line;
        }
        if (r.told[0]) {
            EXPECT_TRUE(noted(r.told)) << r.line;
        }
        if (r.named[0]) {
            bool found = false;
            for (const std::string &n : items_at(PlayerX, PlayerY)) found |= n == r.named;
            EXPECT_TRUE(found) << r.line << " lays " << r.named;
        }
    }
    EXPECT_TRUE(noted("cur x,y: ")) << "ld tells both cells";
    EXPECT_TRUE(noted("check x,y: "));
    EXPECT_TRUE(noted("| On\n") || noted("| Ei\n")) << "luoto tells whether a rock is near";
    EXPECT_TRUE(noted("nope!") || noted("I promise you ")) << "gamefind";
    EXPECT_TRUE(dir->exists("screenshot.bmp"));
    EXPECT_TRUE(noted("There's a treasure ")) << "aarre tells where the treasure lies";

    // The chat test speaks as her village's listener, to nobody in particular.
    RepSummary village{};
    socrepSummary(&village, globVil);
    memset(&TARGET_REPSUMMARY, 0x55, sizeof TARGET_REPSUMMARY);
    TARGET_NPC = 3;
    console_run_line("chattest");
    EXPECT_EQ(TARGET_NPC, -1);
    EXPECT_EQ(memcmp(&TARGET_REPSUMMARY, &village, sizeof village), 0);
    console_run_line("fat");
    EXPECT_EQ(Plr.fat_reserve, 100.0f) << "fat fills the fat reserve";
    int red, green, blue;
    GetMapShade(&red, &green, &blue);
    EXPECT_EQ(red, 135) << "the fade ends on the twilight blue";
    EXPECT_EQ(green, 164);
    EXPECT_EQ(blue, 211);

    with_keys("wool\n", [] { console_datalist(); });   // the pool dump names what the word finds
    EXPECT_TRUE(noted("| --- 0 wool "));

    // The birch-bark work checked and left: what the check took is back, and the used list tells it.
    int32_t pack[PLR_SLOTS], counts[PLR_SLOTS];
    memcpy(pack, Plr.inv_obj, sizeof pack);
    memcpy(counts, Plr.inv_count, sizeof counts);
    with_keys("\x1b", [] { console_run_line("tuohityo"); });
    EXPECT_EQ(memcmp(pack, Plr.inv_obj, sizeof pack), 0);
    EXPECT_EQ(memcmp(counts, Plr.inv_count, sizeof counts), 0);
    console_run_line("kl");
    EXPECT_TRUE(noted("kl #0 Birch-bark strip [407]"));
}

// The scenes go into the stored local maps of their cells, made first when a cell has none.
TEST_F(ConsoleReports, ScenesAreLaidIntoTheStoredLocalMaps) {
    ASSERT_TRUE(bigmap());
    const int cx = IsoX() + 3, cy = IsoY() + 3;
    console("\nspot\n");
    ASSERT_EQ(load_zoommap(cx, cy), 1) << "the cell three east and south has a local map";
    int blood = 0, shelter = 0;
    for (const DataStruct &d : Zoom.data) blood += d.type == 99;
    for (uint8_t c : Zoom.chars) shelter += c == 31;
    EXPECT_GT(blood, 0) << "the camp's blood marks";
    EXPECT_GT(shelter, 0) << "the camp's shelter";

    console("\nld\n\x1b");   // a pick left with Esc ends the command
    EXPECT_TRUE(noted("cur x,y: "));
    EXPECT_FALSE(noted("check x,y: "));
}

TEST_F(ConsoleReports, ItemReportAndFireHeatTellEveryFigure) {
    console("7\n");
    for (const char *t : {"ocdescr: ", "ekuvaus: ", "Ravinto: ", "TYPE: ", "B,E,P: ", "Prot1 ", "ownerID: ", "octype: ",
                          "Esinehinta: ", "kg hinta: ", "leashcheck: ", "SPECIAL_STATUS: ", "Laatumuuttuja: ",
                          "Itemmatskill: "})
        EXPECT_TRUE(noted(t)) << t;

    console("x^\n");
    for (const char *t : {"Uusi Arvo: ", "Vanha Arvo: ", "DEBUG_kasveja_aina: 1"}) EXPECT_TRUE(noted(t)) << t;
    console("o^\n^\n");
    for (const char *t : {"onkohuone og: ", "Koko: ", "Mitattu: ", "allowdoorclose "}) EXPECT_TRUE(noted(t)) << t;
}

}  // namespace
