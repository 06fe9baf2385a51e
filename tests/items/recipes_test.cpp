// tests/items/recipes_test.cpp -- the recipe readers: header tags with their defaults, finding a
// record among the files of its kind, walking its material lines, copying it whole, the bounds of
// the format and the pattern matcher.
#include <climits>
#include "items/items_fixture.h"
#include "items/materials.h"
#include "items/recipes.h"

namespace oxatest {
namespace {

class RecipeFiles : public ItemsTest {};

TEST_F(RecipeFiles, HeaderTagsAndTheirDefaults) {
    const char *full = ".Birch-bark basket. *CARPENTRY* /30/ (2)";
    EXPECT_STREQ(Tekoheader_esine(full), "Birch-bark basket");
    EXPECT_STREQ(Tekoheader_taito(full), "CARPENTRY");
    EXPECT_EQ(Tekoheader_aika(full), 30);
    EXPECT_EQ(Tekoheader_maara(full), 2);
    EXPECT_EQ(Tekoheader_symbol(full), 1);
    EXPECT_EQ(Tekoheader_kypsymisaika(full), 0);
    EXPECT_EQ(Tekoheader_ponnistelu(full), 2);
    EXPECT_EQ(Tekoheader_apuvoimat(full), 0);
    EXPECT_EQ(Tekoheader_patch(full), 0);
    EXPECT_EQ(Tekoheader_ponnistelu(".X. [effort:0]"), 2);
    EXPECT_EQ(Tekoheader_ponnistelu(".X. [effort:5]"), 7);

    EXPECT_EQ(Tekoheader_aika(".X. /2h/"), 120);
    EXPECT_EQ(Tekoheader_kypsymisaika(".X. \\3d\\"), 4320);
    EXPECT_EQ(Tekoheader_kypsymisaika(".X. \\2hd\\"), 2 * 60 * 1440);
    EXPECT_STREQ(Tekoheader_taito(".X. /5/"), "UNARMED");
    EXPECT_EQ(Tekoheader_aika(".X. *AXE*"), 15);
    // A figure too big for any number is held at the largest time, hours and days as well.
    EXPECT_EQ(Tekoheader_aika(".X. /99999999999999999999999h/"), INT_MAX / 2);
    EXPECT_EQ(Tekoheader_kypsymisaika(".X. \\-99999999999999999999hd\\"), -(INT_MAX / 2));

    const struct { const char *h; int effort, assist; } bounds[] = {
        {".X. [effort:6] [assist:7]", 0, 3}, {".X. [effort:-1] [assist:-2]", 0, 0}};
    for (const auto &b : bounds) {
        EXPECT_EQ(Tekoheader_ponnistelu(b.h), b.effort) << b.h;
        EXPECT_EQ(Tekoheader_apuvoimat(b.h), b.assist) << b.h;
    }
    EXPECT_EQ(Tekoheader_menukey(".Birch-bark work. *MAKE* -B-"), 'B');
    EXPECT_EQ(Tekoheader_menukey(".Birch-bark work. *MAKE*"), 0);
    EXPECT_EQ(Tekoheader_patch(".X. [patch]"), 10);
    EXPECT_EQ(Tekoheader_patch(".X. [patch:3]"), 3);
    EXPECT_STREQ(Tekoheader_customesine(".Wooden spear. \"Spear\""), "Spear");
}

TEST_F(RecipeFiles, OverLongValuesAndLinesAreCut) {
    std::string header = ".";
    header += std::string(150, 'a');
    header += ". /7/";
    EXPECT_EQ(strlen(Tekoheader_esine(header.c_str())), (size_t)TEKO_VALUE_MAX);
    EXPECT_EQ(Tekoheader_aika(header.c_str()), 7);

    std::string file = ".Long. /5/\n{" + std::string(400, 'k') + "}\n";
    for (int i = 0; i < 130; i++) file += "{Knife}\n";
    dir->write_file("diy_long.txt", file);
    ASSERT_STREQ(fread_Tekodata(RECIPE_DIY, "long", 0), ".Long. /5/");
    const char *first = fread_Tekodata(0, nullptr, 1);
    EXPECT_EQ(strlen(first), (size_t)TEKO_LINE_MAX);
    int lines = 1;
    while (strcmp(fread_Tekodata(0, nullptr, 1), "NOT FOUND") != 0) lines++;
    EXPECT_EQ(lines, TEKO_RECORD_LINES);
    EXPECT_EQ(TEKODATA_F, nullptr);

    static AsciiRawStruct raw;
    ASSERT_EQ(read_asciiraw(RECIPE_DIY, "Long", &raw), 1);
    EXPECT_EQ(strlen(raw.lines[0]), (size_t)TEKO_LINE_MAX);
    EXPECT_STREQ(raw.lines[TEKO_RECORD_LINES - 1], "{Knife}");
}

TEST_F(RecipeFiles, RecordsAreFoundInSortedFilesAndWalkedToTheEnd) {
    dir->write_file("diy_b.txt", ".Basket. *LATER*\n{Knife}\n");
    dir->write_file("diy_a.txt",
                    "// a comment line\n[SUBMENU_START:x]\n.basket. *FIRST* /10/\n.more header\n{Knife} (1)\n"
                    "// passed over\n{knife}\n[WEIGHT:3]\n\n.Other.\n{Axe}\n");
    dir->write_file("biy_a.txt", ".Basket. *BUILT*\n{Stone}\n");
    const char *h = fread_Tekodata(RECIPE_DIY, "BASKET", 0);
    EXPECT_STREQ(Tekoheader_taito(h), "FIRST");
    ASSERT_NE(TEKODATA_F, nullptr);

    pura_esinetarvinta(fread_Tekodata(0, nullptr, 1));
    EXPECT_EQ(Tarvike.id, 51u);
    pura_esinetarvinta(fread_Tekodata(0, nullptr, 1));
    EXPECT_EQ(Tarvike.id, (uint32_t)REQ_FREETEXT);
    EXPECT_STREQ(Tarvike.rawname, "knife");
    EXPECT_STREQ(fread_Tekodata(0, nullptr, 1), "NOT FOUND");
    EXPECT_EQ(TEKODATA_F, nullptr);
    EXPECT_EQ(fclose_TEKODATA_F(), 0);

    EXPECT_STREQ(fread_Tekodata(RECIPE_DIY, "Nothing", 0), "NOT FOUND");
    EXPECT_EQ(TEKODATA_F, nullptr);

    // The whole record, item lines included; the item lines of a building are looked for in the
    // making files, as only made things take them.
    static AsciiRawStruct raw;
    ASSERT_EQ(read_asciiraw(RECIPE_DIY, "Basket", &raw), 1);
    EXPECT_STREQ(Tekoheader_taito(raw.header), "FIRST");
    EXPECT_STREQ(raw.lines[0], ".more header");
    EXPECT_STREQ(raw.lines[3], "[WEIGHT:3]");
    EXPECT_STREQ(raw.lines[4], "");
    ItemStruct it = blank(IT_TOOL, "Basket");
    RawModItem(&raw, &it);
    EXPECT_FLOAT_EQ(it.weight, 3.0f);
    ASSERT_EQ(read_asciiraw(RECIPE_BIY, "Basket", &raw), 1);
    EXPECT_STREQ(Tekoheader_taito(raw.header), "FIRST");
    EXPECT_EQ(read_asciiraw(RECIPE_COOKERY, "Basket", &raw), 0);
}

}  // namespace
}  // namespace oxatest
