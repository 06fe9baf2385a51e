// The console's report, map and item commands typed by Aino in her game: what each line lays on her
// square and what it tells, the item report of key 7 and the fire heat of key x.
#include "core/loader_fixture.h"

#include "core/wizard.h"
#include "items/items.h"
#include "items/materials.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/shading.h"
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
    // Item records on a square and the names of the things they hold.
    static std::vector<std::string> items_at(int x, int y, int village_only = 0) {
        std::vector<std::string> names;
        for (const DataStruct &d : Data) {
            if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
            if (village_only && !d.owner) continue;
            ItemStruct it{};
            ObjToItem(it, (int)d.id);
            names.push_back(std::string(it.name, strnlen(it.name, sizeof it.name)));
        }
        return names;
    }
};

// Each line: the keys after "?>", the things it lays on her square (or east of it), and a line it
// must tell. Lines that pick a square take the square north of her.
TEST_F(ConsoleReports, TypedLinesLayTheirThingsAndTellTheirLines) {
    const struct {
        const char *keys;
        int laid;              // new item records on her square; -1 not counted
        int laid_east;         // new item records on the square east of her
        const char *told;      // a line the command tells ("" none)
        const char *named;     // a thing laid must be called so ("" any)
    } rows[] = {
        {"amulet\n", 4, 0, "", "Wedge of Ukko"},
        {"art\n", 1, 0, "", "Molotov blend"},
        {"wool\n", 1, 0, "", "wool"},
        {"tuohi\n", 2, 0, "", "Birch-bark strip"},
        {"tub\n", 1, 0, "", "Water"},   // the water laid stands in the tub
        {"small hide\n", 2, 0, "", ""},
        {"trs\n", 0, -5, "", ""},
        {"luoto\n", 0, 0, "", ""},
        {"gamefind\n", 0, 0, "", ""},
        {"ld\n^\n", 0, 0, "From here | vague navi:", ""},
        {"wpdam\n", 0, 0, "x?", ""},
        {"kl\n", 0, 0, "kl: empty", ""},
        {"anc\n", 0, 0, "No memorial is kept.", ""},
        {"zoomimportant\n^\n", 0, 0, "important: ", ""},
        {"grab\nabcd", 0, 0, "", ""},   // the grab test waits for four keys
        {"mapshade\n", 0, 0, "", ""},
    };
    for (const auto &r : rows) {
        const size_t here = items_at(PlayerX, PlayerY).size(), east = items_at(PlayerX + 1, PlayerY).size();
        console(std::string("\n") + r.keys);
        const std::vector<std::string> now = items_at(PlayerX, PlayerY);
        if (r.laid >= 0) {
            EXPECT_EQ(now.size() - here, (size_t)r.laid) << r.keys;
        }
        const int east_new = (int)(items_at(PlayerX + 1, PlayerY).size() - east);
        if (r.laid_east < 0) {
            EXPECT_GE(east_new, -r.laid_east) << r.keys << "an everyday treasure holds 5 to 9 things";
        } else {
            EXPECT_EQ(east_new, r.laid_east) << r.keys;
        }
        if (r.told[0]) {
            EXPECT_TRUE(noted(r.told)) << r.keys;
        }
        if (r.named[0]) {
            bool found = false;
            for (const std::string &n : now) found |= n == r.named;
            EXPECT_TRUE(found) << r.keys << " lays " << r.named;
        }
    }
    EXPECT_TRUE(noted("cur x,y: ")) << "ld tells both cells";
    EXPECT_TRUE(noted("check x,y: "));
    EXPECT_TRUE(noted("| On\n") || noted("| Ei\n")) << "luoto tells whether a rock is near";
    EXPECT_TRUE(noted("nope!") || noted("I promise you ")) << "gamefind";

    EXPECT_TRUE(dir->exists("screenshot.bmp"));
    console("4wool\n");   // the pool dump names the items the word finds
    EXPECT_TRUE(noted("| --- 0 wool ")) << "the wool laid above";

    // The birch-bark work checked and left: what the check took is back, and the used list tells it.
    int32_t pack[PLR_SLOTS], counts[PLR_SLOTS];
    memcpy(pack, Plr.inv_obj, sizeof pack);
    memcpy(counts, Plr.inv_count, sizeof counts);
    console("\ntuohityo\n\x1b");
    EXPECT_EQ(memcmp(pack, Plr.inv_obj, sizeof pack), 0);
    EXPECT_EQ(memcmp(counts, Plr.inv_count, sizeof counts), 0);
    console("\nkl\n");
    EXPECT_TRUE(noted("kl #0 Birch-bark strip [407]"));
    int r, g, b;
    GetMapShade(&r, &g, &b);
    EXPECT_EQ(r, 135) << "the fade ends on the twilight blue";
    EXPECT_EQ(g, 164);
    EXPECT_EQ(b, 211);

    const size_t village = items_at(PlayerX, PlayerY, 1).size();
    console("\nhide\n");
    EXPECT_EQ(items_at(PlayerX, PlayerY, 1).size(), village + 1) << "the fur is the village's";
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
