// The pictures of items: the tile chosen by symbol and name, a picture for every name the catalogue
// can give, the in-use marks and the condition bar, and an inventory page as the player sees it.
#include "items/invsel_fixture.h"
#include "items/items_fixture.h"

#include "presentation/itemtiles.h"
#include "items/vessels.h"
#include "presentation/invlist_draw.h"

#include <unistd.h>

#include <set>

namespace {

ItemStruct named(int sym, const char *name, unsigned id = 0) {
    ItemStruct it;
    ClrItemstruct(it);
    it.type = IT_ARMOUR;
    it.tilesym = (uint8_t)sym;
    it.id = id;
    SET_ITEM_TEXT(it.name, name);
    return it;
}

TEST(ItemTileNames, SymbolAndNameWordsChooseTheTile) {
    const struct {
        int sym;
        const char *name;
        unsigned id;
        const char *tile;
    } cases[] = {
        {1, "Wooden mug", 0, "it-wdmug"},
        {1, "Birch mug and cup", 0, "it-wdcup"},   // the later test wins
        {1, "Bowl", 0, "it-wdcup"},
        {156, "Knife", 0, ""},
        {0, "Salt", 0, ""},
        {70, "Knife", 151, "wp-bknife"},
        {70, "Fisher's knife", 151, "wp-fknife"},
        {81, "Woollen undershirt", 0, "ar-lngshirt"},   // "undershi" ends the else chain
        {81, "Woollen overcoat", 0, "ar-wlnocoat"},
        {81, "Fur shirt", 0, "ar-furshirt"},
        {81, "Linen undershirt", 0, "ar-lngshirt"},
        {81, "Woollen tunic", 0, "ar-wotunic"},
        {82, "Wide hat", 0, ""},
        {82, "Woollen cowl", 0, "ar-woolcowl"},
        {83, "Woollen apron", 0, "ar-woapron"},
        {83, "Lamellar shin guards", 0, "ar-lamshgu"},
        {95, "Small trident", 0, "wp-smatrid"},
        {95, "Hard staff", 0, "wp-hrdstaff"},
        {103, "Mail leggings", 0, "ar-maillegg"},
        {103, "Fur leggings", 0, "ar-furlegg"},
        {145, "Fat", 0, "org-fat"},
        {148, "Flatbread", 0, "it-flbread"},
        {153, "Bog bilberry", 0, "ber-bil"},
        {153, "Bilberry", 0, "ber-blue"},   // the words are matched as written
    };
    for (const auto &c : cases) EXPECT_STREQ(ITEM_tilename(named(c.sym, c.name, c.id)), c.tile) << c.sym << " " << c.name;

    ItemStruct own = named(1, "Wooden mug");
    SET_ITEM_TEXT(own.tile, "it-bread");
    EXPECT_STREQ(ITEM_tilename(own), "it-bread") << "an item's own tile is kept";
    memcpy(own.tile, "abcdefghijklm", sizeof own.tile);   // fills the field without an end
    EXPECT_STREQ(ITEM_tilename(own), "abcdefghijklm");
}

class CataloguePictures : public oxatest::ItemsTest {};

TEST_F(CataloguePictures, EveryTileTheCatalogueCanNameHasItsPicture) {
    build_catalogue();
    std::set<std::string> missing;
    int named_rows = 0;
    auto check = [&](const ItemStruct &it) {
        const std::string tile = ITEM_tilename(it);
        if (tile.empty()) return;
        named_rows++;
        if (access(oxatest::asset_path(("truetile/" + tile + ".png").c_str()).c_str(), R_OK) != 0) missing.insert(tile);
    };
    for (int i = 1; i < CONSTANTOBJ_ROWS; i++) {
        if (!ConstantObj[i].type) continue;
        check(ConstantObj[i]);
        // The same name under every symbol: the refinements of the table.
        for (int sym = 1; sym <= 160; sym++) {
            ItemStruct it = ConstantObj[i];
            memset(it.tile, 0, sizeof it.tile);
            it.tilesym = (uint8_t)sym;
            check(it);
        }
    }
    EXPECT_GT(named_rows, 1000);
    std::string list;
    for (const std::string &m : missing) list += m + " ";
    EXPECT_TRUE(missing.empty()) << list;
}

class InUseMarks : public oxatest::InvTest {
protected:
    void SetUp() override {
        InvTest::SetUp();
        // Test pictures: a green square, a blue one.
        oxatest::write_tile_strip("it-bread", 32, 32, 1, [](int, int x, int y) {
            return x >= 8 && x < 24 && y >= 8 && y < 24 ? oxatest::rgb(0, 250, 0) : oxatest::TILE_KEY;
        });
        oxatest::write_tile_strip("ar-shoshirt", 32, 32, 1, [](int, int x, int y) {
            return x >= 8 && x < 24 && y >= 8 && y < 24 ? oxatest::rgb(0, 0, 250) : oxatest::TILE_KEY;
        });
        NewGfx_loadtiledata();
    }
    void TearDown() override {
        NewGfx_freetiledata();
        InvTest::TearDown();
    }
    static bool any(int x0, int y0, int w, int h, int r, int g, int b) {
        for (int y = y0; y < y0 + h; y++)
            for (int x = x0; x < x0 + w; x++) {
                int pr, pg, pb;
                oxatest::rgb(oxatest::pixel(x, y), pr, pg, pb);
                if (pr == r && pg == g && pb == b) return true;
            }
        return false;
    }
    static bool changed(int x0, int y0, int w, int h, uint32_t was) {
        for (int y = y0; y < y0 + h; y++)
            for (int x = x0; x < x0 + w; x++)
                if (oxatest::pixel(x, y) != was) return true;
        return false;
    }
};

TEST_F(InUseMarks, APristineItemShowsNoBarAWornDownOneAndAnEmptyVesselDo) {
    SDL_FillRect(game_screen, nullptr, 0);
    const uint32_t black = oxatest::pixel(100, 100);
    const int whole = Esineesta_Uniikki(thing(IT_WEAPON, "Knife", 1.0f));
    invshow_wear(100, 100, whole);
    EXPECT_FALSE(changed(90, 90, 60, 30, black));

    ItemStruct worn = thing(IT_WEAPON, "Knife", 0.5f);
    worn.fullweight = 1.0f;
    invshow_wear(100, 100, Esineesta_Uniikki(worn));
    EXPECT_TRUE(any(101, 99, 14, 6, 0, 168, 0)) << "half of the bar is green";
    EXPECT_FALSE(any(117, 99, 12, 6, 0, 168, 0)) << "the rest is not";

    SDL_FillRect(game_screen, nullptr, 0);
    ItemStruct bowl = thing(IT_CONTAINER, "Bowl", 0.5f, 351);
    bowl.fullweight = 3.0f;
    invshow_wear(100, 100, Esineesta_Uniikki(bowl));
    EXPECT_TRUE(changed(100, 100, 30, 10, black)) << "the word empty";
    EXPECT_FALSE(any(100, 98, 30, 10, 0, 168, 0));
}

TEST_F(InUseMarks, WornAndWieldedThingsShowTheirPictureAndHand) {
    SDL_FillRect(game_screen, nullptr, 0);
    ItemStruct shirt = thing(IT_ARMOUR, "Linen shirt");
    shirt.tilesym = 81;
    shirt.status = ISTAT_WORN;
    invshow_inuse(100, 100, Esineesta_Uniikki(shirt));
    EXPECT_TRUE(any(100, 98, 20, 16, 0, 0, 250));

    ItemStruct bread = thing(IT_FOOD, "Rye bread");
    bread.tilesym = 148;
    bread.status = ISTAT_PRIMARY;
    invshow_inuse(200, 100, Esineesta_Uniikki(bread));
    EXPECT_TRUE(any(200, 98, 20, 16, 0, 250, 0));
    EXPECT_TRUE(any(220, 103, 24, 10, 240, 230, 140)) << "1st";

    // A symbol without a row draws nothing, worn or not.
    SDL_FillRect(game_screen, nullptr, 0);
    const uint32_t black = oxatest::pixel(300, 100);
    ItemStruct odd = thing(IT_ARMOUR, "Odd piece");
    odd.tilesym = 156;
    odd.status = ISTAT_WORN;
    invshow_inuse(300, 100, Esineesta_Uniikki(odd));
    EXPECT_FALSE(changed(290, 90, 40, 30, black));
}

TEST_F(InUseMarks, AnInventoryPageShowsPicturesMarksAndBars) {
    ItemStruct shirt = thing(IT_ARMOUR, "Linen shirt", 0.5f);
    shirt.tilesym = 81;
    shirt.status = ISTAT_WORN;
    shirt.fullweight = 1.0f;   // worn down to half
    give(shirt);
    ItemStruct bread = thing(IT_FOOD, "Rye bread", 0.25f);
    bread.tilesym = 148;
    give(bread, 2);
    // The page as the selection screen draws it.
    SDL_FillRect(game_screen, nullptr, 0);
    InvGet_character(CRE_PLAYER, 0);
    doInvList(0, 0);
    INVLIST_X = 5;
    INVLIST_Y = 25;
    INVLIST_W = 470;
    INVLIST_INFOY = 445;
    showInvList(0, 0);
    const int shirt_y = InvList_rowy[0], bread_y = InvList_rowy[1];
    ASSERT_GT(shirt_y, 0);
    ASSERT_GT(bread_y, shirt_y);
    // The pictures beside the lines.
    EXPECT_TRUE(any(INVLIST_X + 10, shirt_y, 22, INVLIST_ROWH, 0, 0, 250));
    EXPECT_TRUE(any(INVLIST_X + 10, bread_y, 22, INVLIST_ROWH, 0, 250, 0));
    // The worn mark in the state column and the condition bar of the worn-down shirt.
    EXPECT_TRUE(any(INVLIST_X + 200, shirt_y, INVLIST_W - 200, INVLIST_ROWH, 0, 0, 250));
    EXPECT_TRUE(any(INVLIST_X + 200, shirt_y, INVLIST_W - 200, INVLIST_ROWH, 0, 168, 0));
    EXPECT_FALSE(any(INVLIST_X + 200, bread_y, INVLIST_W - 200, INVLIST_ROWH, 0, 168, 0)) << "fresh bread has no bar";
}

}  // namespace
