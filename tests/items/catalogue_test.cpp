// The catalogue of item kinds and its file "CONSTANT.OBJ".
#include <sys/stat.h>

#include <fstream>
#include <map>
#include <vector>

#include "items/items_test.h"
#include "items_fixture.h"

namespace oxatest {

using Catalogue = ItemsTest;

struct Golden {
    int row;
    const char *name;
    unsigned id;
};

// Every fixed row with its name and object id.
static std::vector<Golden> golden() {
    std::vector<Golden> g = {
        {0, "bronze bear pendant", 0}, {11, "bronze bear pendant", 0}, {10, "Wooden tub", 0},
        {12, "bronze bracelet", 0}, {13, "bronze ball pendant", 0}, {14, "bronze brooch", 0},
        {15, "small bronze brooch", 0}, {17, "bronze horse-ornamented comb", 0},
        {18, "bronze flower-ornamented comb", 0}, {20, "silver ring", 0}, {21, "bronze bezel ring", 0},
        {23, "Wooden mug", 0}, {24, "Wooden mug", 0}, {25, "Wooden cup", 351}, {26, "Wooden bowl", 351},
        {27, "Birch-bark box", 352}, {28, "Birch-bark basket", 353}, {30, "Egg", 0}, {41, "Rye bread", 0},
        {46, "Bag", 350}, {47, "Flat rye bread", 0}, {72, "Birch-bark rope", 333}, {73, "Rope", 333},
        {74, "Cord", 327}, {75, "Leather rope", 333}, {80, "vasta", 230}, {81, "Sauna scoop", 0},
        {83, "silver chain bracelet", 0}, {84, "silver bird bracelet", 0}, {85, "silver sun-symbol pendant", 0},
        {94, "Torch", 0}, {96, "Salt", 57}, {97, "Pot", 331}, {98, "Shovel", 310}, {99, "Wooden shovel", 311},
        {100, "Skis", 0}, {101, "Ski stick", 0}, {119, "Bandage", 0}, {120, "Linen undershirt", 0},
        {121, "Woollen undershirt", 0}, {122, "Linen undergarment", 0}, {123, "Woollen undergarment", 0},
        {124, "Linen shirt", 0}, {125, "Nettle shirt", 0}, {126, "Woollen shirt", 0}, {127, "Linen tunic", 0},
        {128, "Nettle tunic", 0}, {129, "Woollen tunic", 0}, {130, "Woollen overcoat", 0},
        {131, "Woollen dress", 0}, {132, "Linen dress", 0}, {133, "Linen trousers", 0},
        {134, "Nettle trousers", 0}, {135, "Woollen trousers", 0}, {136, "Woollen leggings", 0},
        {137, "Nettle apron", 0}, {138, "Linen apron", 0}, {139, "Woollen apron", 0},
        {140, "Linen footrags", 0}, {141, "Woollen socks", 0}, {142, "Woollen footrags", 0},
        {143, "Linen veil", 0}, {144, "Woollen veil", 0}, {145, "Linen cowl", 0}, {146, "Woollen cowl", 0},
        {147, "Nettle cowl", 0}, {148, "Nettle cloak", 0}, {149, "Woollen cloak", 0},
        {150, "Woollen mittens", 0}, {151, "Leather cap", 0}, {152, "Leather belt", 0},
        {153, "Leather shirt", 0}, {154, "Leather leggings", 0}, {155, "Leather shoes", 0},
        {156, "Leather boots", 0}, {157, "Fur cap", 0}, {158, "Fur shirt", 0}, {159, "Fur mittens", 0},
        {160, "Fur leggings", 0}, {161, "Fur hood", 0}, {162, "Fur footwear", 0}, {163, "Fur cloak", 0},
        {164, "Birch-bark necklace", 0}, {165, "Birch-bark shoes", 0}, {166, "Birch-bark cap", 0},
        {167, "Leather shin guards", 0}, {168, "Leather forearm guards", 0}, {169, "Leather cuirass", 0},
        {170, "Fur overcoat", 0}, {171, "Fur overcoat", 0}, {172, "Fur overcoat", 0}, {173, "Fur overcoat", 0},
        {174, "Fur overcoat", 0}, {175, "Mail Cowl", 0}, {176, "Long Mail Cowl", 0}, {177, "Mail Habergeon", 0},
        {178, "Mail Hauberk", 0}, {179, "Long Mail Hauberk", 0}, {180, "Mail Leggings", 0},
        {181, "Mail mittens", 0}, {182, "Iron helm", 0}, {183, "Iron spectacle helm", 0},
        {184, "Lamellar hauberk", 0}, {185, "Lamellar cuirass", 0}, {186, "Lamellar rerebraces", 0},
        {187, "Iron coudes", 0}, {188, "Lamellar forearm guards", 0}, {189, "Iron Kneecops", 0},
        {190, "Lamellar shin guards", 0}, {200, "Roundshield", 0}, {201, "Buckler", 0},
        {202, "Hunting Horn", 601}, {204, "Skin", 0}, {212, "Pike", 490}, {213, "Roach", 490},
        {214, "Perch", 490}, {215, "Bream", 490}, {216, "Pike-perch", 490}, {217, "Trout", 490},
        {218, "Salmon", 490}, {219, "Burbot", 490}, {220, "Lavaret", 490}, {221, "Fishing rod", 0},
        {230, "Loop snare", 801}, {233, "Paw-board fox trap", 800}, {239, "Paddle", 0}, {240, "Punt", 820},
        {241, "Sesta", 210}, {242, "Raft", 821}, {249, "Stone knife", 0},
        // the weapon table, knives rebuilt from lines
        {250, "Knife", 0}, {251, "Knife", 0}, {252, "Knife", 0}, {253, "Small knife", 150},
        {254, "Broad knife", 151}, {255, "Hunting knife", 152}, {256, "Fisher's knife", 155},
        {257, "Kaumolais knife", 154}, {258, "Northern knife", 153}, {259, "Skramasaksi", 0},
        {261, "Shortsword", 0}, {262, "Scimitar", 0}, {263, "Broadsword", 0}, {265, "Njerpez scimitar", 0},
        {267, "Bastard Sword", 0}, {268, "Battlesword", 0}, {269, "Club", 0}, {270, "Mace", 0}, {272, "Maul", 0},
        {273, "Sickle", 141}, {274, "Throwing axe", 0}, {275, "Handaxe", 105}, {276, "Handaxe", 105},
        {278, "Battleaxe", 0}, {279, "Small flail", 140}, {280, "Grainflail", 140}, {283, "Javelin", 0},
        {284, "Staff", 0}, {285, "Spear", 0}, {286, "Kaumolais spear", 0}, {287, "Trident", 0},
        {288, "Small trident", 0}, {289, "Wide trident", 0}, {290, "Hard staff", 0}, {291, "Northern spear", 700},
        {292, "Ango", 0}, {294, "Net", 0}, {295, "Shortbow", 0}, {296, "Longbow", 0}, {297, "Crossbow", 0},
        {298, "Heavy Crossbow", 0}, {299, "Juniper bow", 0}, {300, "Northern bow", 0}, {301, "Hunting bow", 0},
        {311, "Blunt arrow", 0}, {312, "Broadhead arrow", 0}, {315, "Broad axe", 100}, {316, "Carving axe", 101},
        {317, "Splitting axe", 104}, {318, "Woodsman's axe", 102}, {329, "Stone", 300}, {330, "Rock", 0},
        {331, "Board", 403}, {340, "Birch twig", 204}, {345, "Birch withe", 328}, {346, "Spruce withe", 328},
        {347, "Firewood", 0}, {348, "Log", 0}, {349, "Block of wood", 0}, {350, "Branch", 0},
        {351, "Slender tree trunk", 0}, {353, "Tree trunk", 0}, {354, "Wooden stake", 404},
        {355, "Spruce twig", 202}, {356, "Stone-axe", 103},
    };
    for (int r = 302; r <= 310; r++) g.push_back({r, "Arrow", 0});
    return g;
}

TEST_F(Catalogue, EveryFixedRowByNameAndIdAndTheRestBlank) {
    InitObjs();
    std::map<int, Golden> want;
    for (const Golden &g : golden()) want[g.row] = g;
    for (int r = 0; r < CONSTANTOBJ_ROWS; r++) {
        const ItemStruct &it = ConstantObj[r];
        if (want.count(r)) {
            EXPECT_EQ(name_of(it), want[r].name) << "row " << r;
            EXPECT_EQ(it.id, want[r].id) << "row " << r;
            EXPECT_NE(it.type, 0) << "row " << r;
            EXPECT_GE(it.fullweight, it.weight) << "row " << r;
        } else {
            EXPECT_EQ(name_of(it), "*unmatchablestring*") << "row " << r;
            EXPECT_EQ(it.type, 0) << "row " << r;
        }
    }
}

TEST_F(Catalogue, TellingRowsAndFamilies) {
    InitObjs();
    // Knives rebuilt from lines: the last definition of a row is kept.
    const ItemStruct &knife = ConstantObj[251];
    EXPECT_FLOAT_EQ(knife.weight, 130.0f / 453.0f);
    EXPECT_FLOAT_EQ(knife.price, 48.0f);
    EXPECT_EQ(knife.fig[1], 1);
    EXPECT_EQ(knife.fig[0], 0);
    EXPECT_EQ(knife.fig[2], 3);
    EXPECT_STREQ(knife.skill, "KNIFE");
    EXPECT_STREQ(knife.tile, "wp-knife");
    EXPECT_EQ(knife.material, (uint32_t)MAT_IRON);
    EXPECT_EQ(knife.light, 10);
    const ItemStruct &stone = ConstantObj[249];
    EXPECT_EQ(stone.fig[0], 200);
    EXPECT_EQ(stone.material, (uint32_t)MAT_ROCK);
    EXPECT_EQ(stone.adclass, 0x01);
    EXPECT_FLOAT_EQ(ConstantObj[259].weight, 1.2f);
    EXPECT_EQ(ConstantObj[258].adclass, 0x11);

    const ItemStruct &axe = ConstantObj[278];
    EXPECT_FLOAT_EQ(axe.price, 640.0f);
    EXPECT_FLOAT_EQ(axe.weight, 3.5f);
    EXPECT_EQ(axe.fig[0], 5);
    EXPECT_EQ(axe.fig[1], 9);
    EXPECT_EQ(axe.fig[2], 200);
    EXPECT_EQ(axe.adclass, 0x24);
    EXPECT_EQ(axe.cover[0], 15);
    EXPECT_EQ(axe.tilesym, 124);
    EXPECT_STREQ(axe.skill, "AXE");
    EXPECT_STREQ(axe.tile, "wp-bataxe");

    // Families of the weapon table.
    EXPECT_STREQ(ConstantObj[263].skill, "SWORD");
    EXPECT_EQ(ConstantObj[268].cover[0], 30);
    EXPECT_EQ(ConstantObj[274].cover[2], 3);
    EXPECT_STREQ(ConstantObj[274].tile, "wp-handaxe");
    EXPECT_EQ(ConstantObj[285].subtype, ST_POLEARM);
    EXPECT_STREQ(ConstantObj[290].tile, "wp-hrdstaff");
    EXPECT_STREQ(ConstantObj[284].tile, "wp-staff");
    EXPECT_STREQ(ConstantObj[288].tile, "wp-smatrid");
    EXPECT_STREQ(ConstantObj[287].tile, "wp-spear");
    EXPECT_EQ(ConstantObj[294].type, IT_TOOL);
    EXPECT_EQ(ConstantObj[294].subtype, ST_NET);
    EXPECT_STREQ(ConstantObj[297].skill, "CROSSBOW");
    EXPECT_STREQ(ConstantObj[296].skill, "BOW");
    EXPECT_EQ(ConstantObj[296].subtype, ST_BOW);

    // Row 121 takes its protection from the wool preset and its coverage from the long shirt.
    const ItemStruct &wool = ConstantObj[121];
    const uint8_t fig[6] = {2, 2, 1, 2, 1, 4};
    EXPECT_EQ(0, memcmp(wool.fig, fig, 6));
    EXPECT_EQ(wool.cover[0], 240);
    EXPECT_EQ(wool.cover[1], 62);
    EXPECT_EQ(wool.material, (uint32_t)MAT_WOOL);
    EXPECT_EQ(wool.type, IT_ARMOUR);
    EXPECT_FLOAT_EQ(wool.price, 120.0f);
    EXPECT_FLOAT_EQ(ConstantObj[161].weight, 7.0f / 6.5f);
    EXPECT_EQ(ConstantObj[161].cover[0], 13);
    EXPECT_FLOAT_EQ(ConstantObj[151].weight, 70.0f / 453.0f);
    EXPECT_EQ(ConstantObj[164].material, (uint32_t)MAT_BARK);

    // Arrows: nine equal rows.
    for (int r = 302; r <= 310; r++) {
        EXPECT_EQ(0, memcmp(&ConstantObj[r], &ConstantObj[302], sizeof(ItemStruct)));
        EXPECT_TRUE(is_arrow(ConstantObj[r]));
    }
    EXPECT_EQ(ConstantObj[302].fig[2], 8);
    EXPECT_FLOAT_EQ(ConstantObj[302].weight, 0.1f);

    // Fish are priced per pound by their nutrients.
    const ItemStruct &pike = ConstantObj[212];
    EXPECT_FLOAT_EQ(pike.priceperweight, (0 + 1 + 18) * 0.04f);
    EXPECT_EQ(pike.price, 0.0f);
    EXPECT_FLOAT_EQ(pike.weight, 3000.0f / 453.0f);
    EXPECT_FLOAT_EQ(ConstantObj[218].priceperweight, (9 + 12) * 0.04f);

    // Containers, breads, salt, cup.
    EXPECT_EQ(ConstantObj[25].ownweight, 10);
    EXPECT_FLOAT_EQ(ConstantObj[25].fullweight, 3.0f);
    EXPECT_EQ(ConstantObj[25].weight, 0.0f);
    EXPECT_EQ(ConstantObj[41].state, 2);
    EXPECT_FLOAT_EQ(ConstantObj[96].priceperweight, 24.0f);
    EXPECT_EQ(ConstantObj[96].spoil, 254);
    EXPECT_EQ(ConstantObj[94].spoil, 150);
    EXPECT_EQ(ConstantObj[94].subtype, ST_LIGHT);
    EXPECT_FLOAT_EQ(ConstantObj[12].price, 224.0f);
    EXPECT_FLOAT_EQ(ConstantObj[11].price, 360.0f);
    EXPECT_EQ(ConstantObj[73].fig[4], 15);
    EXPECT_EQ(ConstantObj[73].unitkind, UK_FEET);
}

TEST_F(Catalogue, WritesBothCopiesAndASecondBuildIsIdentical) {
    build_catalogue();
    const std::string own = dir->read_file("CONSTANT.OBJ");
    ASSERT_EQ(own.size(), 68800u);
    std::ifstream in(std::string(CharacterPath) + "/CONSTANT.OBJ", std::ios::binary);
    ASSERT_TRUE(in.good());
    // A plant row is kept at its row through a rebuild that reads the file first.
    int plant_row = ConstantObj_Nimella("Cloudberry", IT_PLANT);
    ASSERT_GT(plant_row, 0);
    build_catalogue();
    EXPECT_EQ(ConstantObj_Nimella("Cloudberry", IT_PLANT), plant_row);
    EXPECT_EQ(dir->read_file("CONSTANT.OBJ"), own);
    EXPECT_FALSE(dir->exists("CONSTANT.OBJ.tmp"));
}

TEST_F(Catalogue, DamagedFileIsReadAsFarAsWholeRecords) {
    // A short file with a record past the last row: 2.5 records, then a file of 401 records.
    std::string path = std::string(CharacterPath) + "/CONSTANT.OBJ";
    ItemStruct recs[401];
    for (int i = 0; i < 401; i++) {
        memset(&recs[i], 'A' + i % 20, sizeof recs[i]);
        recs[i].type = IT_TOOL;
    }
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char *>(recs), sizeof(ItemStruct) * 5 / 2);
    }
    for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    EXPECT_EQ(read_constantobj(path.c_str()), 2);
    EXPECT_EQ(ConstantObj[1].name[39], 0);
    EXPECT_EQ(ConstantObj[1].skill[26], 0);
    EXPECT_EQ(ConstantObj[1].tile[12], 0);
    EXPECT_EQ(name_of(ConstantObj[2]), "*unmatchablestring*");
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char *>(recs), sizeof recs);
    }
    EXPECT_EQ(read_constantobj(path.c_str()), CONSTANTOBJ_ROWS);
    EXPECT_EQ(ConstantObj[399].type, IT_TOOL);
    // The building keeps working on a damaged file and writes whole copies.
    InitObjs();
    EXPECT_EQ(dir->read_file("CONSTANT.OBJ").size(), 68800u);
}

TEST_F(Catalogue, FailedWriteLeavesTheOldFileWhole) {
    InitObjs();
    const std::string before = dir->read_file("CONSTANT.OBJ");
    // A folder standing where the temporary file goes makes the write fail.
    mkdir((dir->path() + "/CONSTANT.OBJ.tmp").c_str(), 0755);
    ConstantObj[5] = blank(IT_TOOL, "Changed");
    EXPECT_EQ(write_constantobj("CONSTANT.OBJ"), 0);
    EXPECT_EQ(dir->read_file("CONSTANT.OBJ"), before);
}

// The table file holds the table after a write whatever it held before; one that holds it already is
// left as it is (a write would fail here, with a folder where its temporary file goes).
TEST_F(Catalogue, WrittenTableFileHoldsTheTable) {
    InitObjs();
    const std::string table(reinterpret_cast<const char *>(ConstantObj), sizeof ConstantObj);
    std::string off = table;
    off[sizeof ConstantObj - 1] ^= 1;
    const struct {
        const char *what;
        std::string held;          // empty: no file
    } cases[] = {
        {"the table", table},
        {"a byte of the last row otherwise", off},
        {"cut short", table.substr(0, sizeof ConstantObj - 1)},
        {"a row too many", table + table.substr(0, sizeof(ItemStruct))},
        {"no file", ""},
    };
    for (const auto &c : cases) {
        remove("CONSTANT.OBJ");
        if (!c.held.empty()) {
            std::ofstream out("CONSTANT.OBJ", std::ios::binary);
            out.write(c.held.data(), (std::streamsize)c.held.size());
        }
        EXPECT_EQ(write_constantobj("CONSTANT.OBJ"), 1) << c.what;
        EXPECT_TRUE(dir->read_file("CONSTANT.OBJ") == table) << c.what;
    }
    mkdir((dir->path() + "/CONSTANT.OBJ.tmp").c_str(), 0755);
    EXPECT_EQ(write_constantobj("CONSTANT.OBJ"), 1) << "nothing to write";
}

TEST_F(Catalogue, LookupsOverTheTable) {
    InitObjs();
    EXPECT_EQ(ConstantObj_Nimella("Knife", IT_WEAPON), 250);
    EXPECT_EQ(ConstantObj_Nimella("Knife", IT_TOOL), -1);
    EXPECT_EQ(ID_object(351), 25);
    EXPECT_EQ(ID_object(99999), -1);
    EXPECT_STREQ(ID_oc_descr(350), "Bag");
    EXPECT_STREQ(ID_oc_descr(99999), "");
    // Id 0 finds the first row without an id, not "none".
    EXPECT_EQ(ID_object(0), 0);
}

}  // namespace oxatest
