// Plants from the plant data files, plant names by language and herb-effect words.
#include <unistd.h>

#include "items/items_test.h"
#include "items_fixture.h"

namespace oxatest {

class Plants : public ItemsTest {
protected:
    void SetUp() override {
        ItemsTest::SetUp();
        unlink("flora_forest.txt");
        unlink("flora_meadow.txt");
        for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    }
    const ItemStruct *plant(const char *name) {
        int row = ConstantObj_Nimella(name, IT_PLANT);
        return row < 0 ? nullptr : &ConstantObj[row];
    }
};

TEST_F(Plants, KindsSizesAndDefaults) {
    dir->write_file("flora_test.txt",
                    ".Big berry. :131: (80) [berry]\n"
                    "[NAME:Rubus magnus][SIZE:L][TILEGFX:ber-cloud]\n"
                    "\n"
                    ".Little cap. [mushroom]\n"
                    "[NAME:Fungus parvus][SIZE:S][EFFECT_RAW:nausea glowing stimulant]\n"
                    "\n"
                    ".Tuber. (3) [root]\n"
                    "[NAME:Radix][SIZE:XL][FLOWER_VOLUME:2]\n"
                    "\n"
                    ".Nameless.\n");
    LuoKasvit();
    const ItemStruct *berry = plant("Big berry");
    ASSERT_NE(berry, nullptr);
    EXPECT_EQ(berry->id, (uint32_t)OID_BERRY);
    EXPECT_FLOAT_EQ(berry->weight, 0.2f);
    EXPECT_EQ(berry->spoil, 30);
    EXPECT_EQ(berry->tilesym, 131);
    EXPECT_EQ(berry->cover[0], 50);
    EXPECT_STREQ(berry->skill, "Rubus magnus");
    EXPECT_STREQ(berry->tile, "ber-cloud");

    const ItemStruct *cap = plant("Little cap");
    ASSERT_NE(cap, nullptr);
    EXPECT_FLOAT_EQ(cap->weight, 0.1f);
    EXPECT_EQ(cap->fig[0], 3);
    EXPECT_EQ(cap->fig[1], 1);
    EXPECT_EQ(cap->fig[2], 2);
    EXPECT_EQ(cap->tilesym, 116);
    EXPECT_EQ(cap->cover[0], 1);
    EXPECT_EQ(cap->raw, (1u << 1) | (1u << 2));   // the unknown word sets nothing

    const ItemStruct *tuber = plant("Tuber");
    ASSERT_NE(tuber, nullptr);
    EXPECT_FLOAT_EQ(tuber->weight, 450.0f / 453.0f);
    EXPECT_EQ(tuber->state, 5);
    EXPECT_EQ(tuber->spoil, 120);

    const ItemStruct *none = plant("Nameless");
    ASSERT_NE(none, nullptr);
    EXPECT_STREQ(none->skill, "unknown fruit");
    EXPECT_EQ(none->id, (uint32_t)OID_GRASS);
    EXPECT_EQ(none->fig[3], 60);
    EXPECT_EQ(none->fig[4], 5);
    EXPECT_EQ(none->fig[5], 10);
    EXPECT_EQ(none->cover[2], 20);
}

TEST_F(Plants, APlantInTheTableIsReplacedInItsRow) {
    dir->write_file("flora_a.txt", ".Sorrel. [grass]\n[NAME:Rumex][WATER:90]\n\n");
    ConstantObj[7] = blank(IT_PLANT, "Sorrel", OID_GRASS);
    LuoKasvit();
    EXPECT_EQ(ConstantObj_Nimella("Sorrel", IT_PLANT), 7);
    EXPECT_EQ(ConstantObj[7].water, 90);
    int count = 0;
    for (const ItemStruct &r : ConstantObj) count += name_of(r) == "Sorrel";
    EXPECT_EQ(count, 1);
}

TEST_F(Plants, UntrustedFilesStayInTheirBuffers) {
    std::string name(200, 'N');
    std::string body;
    for (int i = 0; i < 40; i++) body += "[NAME:" + std::string(300, 'a') + "]" + std::string(200, 'b') + "\n";
    dir->write_file("flora_long.txt", "." + name + ". [berry]" + std::string(5000, ' ') + "\n" + body + "\n");
    LuoKasvit();
    ASSERT_TRUE(hae_asciidata(0, std::string(FLORA_NAME_MAX, 'N').c_str()));
    EXPECT_LE(strlen(ascii_data), (size_t)FLORA_BODY_SIZE - 1);
    EXPECT_LE(strlen(header_data), (size_t)FLORA_HEADER_SIZE - 1);
    int row = ConstantObj_Nimella(std::string(FLORA_NAME_MAX, 'N').c_str(), IT_PLANT);
    ASSERT_GT(row, 0);
    EXPECT_EQ(strnlen(ConstantObj[row].skill, sizeof ConstantObj[row].skill), sizeof ConstantObj[row].skill - 1);
}

// The files are kept between fetches: one changed, added or removed since is read as it now stands.
TEST_F(Plants, AFetchReadsThePlantFilesAsTheyNowStand) {
    dir->write_file("flora_a.txt", ".Sorrel. [grass]\n[NAME:Rumex][WATER:90]\n\n");
    ASSERT_TRUE(hae_asciidata(0, "Sorrel"));
    EXPECT_STREQ(ascii_data, "[NAME:Rumex][WATER:90]");
    const struct {
        const char *file, *text, *name, *body;   // body null: not found
    } steps[] = {
        {"flora_a.txt", ".Sorrel. [grass]\n[NAME:Rumex][WATER:8]\n\n", "Sorrel", "[NAME:Rumex][WATER:8]"},
        {"flora_b.txt", ".Sedge. [grass]\n[NAME:Carex]\n\n", "Sedge", "[NAME:Carex]"},
        {"flora_a.txt", nullptr, "Sorrel", nullptr},
    };
    for (const auto &s : steps) {
        SCOPED_TRACE(s.file);
        if (s.text) dir->write_file(s.file, s.text);
        else unlink(s.file);
        EXPECT_EQ(hae_asciidata(0, s.name), s.body ? 1 : 0);
        EXPECT_STREQ(ascii_data, s.body ? s.body : "");
    }
}

TEST_F(Plants, FilesPastTheFiftiethAreLeftUnread) {
    char name[40], text[80];
    for (int i = 0; i < 52; i++) {
        snprintf(name, sizeof name, "flora_%02d.txt", i);
        snprintf(text, sizeof text, ".Plant %02d. [grass]\n[NAME:P%02d]\n\n", i, i);
        dir->write_file(name, text);
    }
    LuoKasvit();
    EXPECT_NE(plant("Plant 49"), nullptr);
    EXPECT_EQ(plant("Plant 50"), nullptr);
    EXPECT_EQ(plant("Plant 51"), nullptr);
}

TEST_F(Plants, NameListByLanguage) {
    std::string list = "first\n\nsecond\nx\n" + std::string(1500, 'L') + "\n";
    for (int i = 0; i < 120; i++) list += "name " + std::to_string(i) + "\n";
    dir->write_file("messages/eng_uname_flora.txt", list);
    ASSERT_TRUE(InitUnames_load());
    EXPECT_STREQ(UFLORA[0], "first");
    EXPECT_STREQ(UFLORA[1], "second");   // empty and one-letter lines use no row
    EXPECT_EQ(strlen(UFLORA[2]), (size_t)UFLORA_SIZE - 1);
    EXPECT_STREQ(UFLORA[3], "name 0");
    EXPECT_STREQ(UFLORA[99], "name 96");
    EXPECT_TRUE(dir->exists("debug_uflora.txt"));
    unlink("messages/eng_uname_flora.txt");
    EXPECT_FALSE(InitUnames_load());
}

TEST_F(Plants, EffectWords) {
    EXPECT_EQ(AsetaYrttivaikutus(0, "analgesic sedative"), (1u << 8) | (1u << 18));
    EXPECT_EQ(AsetaYrttivaikutus(4, "nothing here"), 4u);
    EXPECT_EQ(AsetaYrttivaikutus(4, ""), 4u);
}

}  // namespace oxatest
