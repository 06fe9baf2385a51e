// tests/worldgen/vegetation_play_test.cpp -- Aino's own land as the game makes it: a forest near her
// home finished and sown, and her home field sown with rye.
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "core/loader_fixture.h"
#include "base/tags.h"
#include "core/obj_func.h"
#include "items/plants.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "worldgen/localgen.h"

namespace oxatest {
namespace {

class VegetationPlay : public LoaderTest {
protected:
    // Down from the world map into world cell x, y, as the zoom key takes her.
    static void enter(int x, int y) {
        LOADER_RUN = 0;
        PlayerX = x;
        PlayerY = y;
        EnterLocale(0, 0);
        ASSERT_EQ(LOAD_MAP, 1);
        ASSERT_EQ(GetMappie(0), 1) << loader_last_note();
        ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
    }
    static bool plant_record(const DataStruct &d) { return d.type == DT_PLANT || d.type == DT_HERB_A || d.type == DT_HERB_B; }
    static bool near_char_flag(int x, int y, int flag) {
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++)
                if (terrain_flag(get_mapchar(x + dx, y + dy), flag)) return true;
        return false;
    }
};

TEST_F(VegetationPlay, AForestNearHerHasStonesFallenWoodSaplingsBerriesAndMushrooms) {
    ASSERT_EQ(loader(), 0);
    srand(20261208);   // loading seeds the stream from the clock: the forest is sown the same each run
    const int hx = PlayerX, hy = PlayerY;

    // The nearest coniferous forest a few cells off, entered afresh.
    int fx = 0, fy = 0;
    for (int d = 6; d < 60 && !fx; d++)
        for (int y = hy - d; y <= hy + d && !fx; y++)
            for (int x = hx - d; x <= hx + d && !fx; x++)
                if ((std::abs(x - hx) == d || std::abs(y - hy) == d) && get_alltime_maailmachar(x, y) == 15) fx = x, fy = y;
    ASSERT_NE(fx, 0) << "no forest near her";
    enter(fx, fy);

    const int stone = object("STONE", 1), rock = object("ROCK", 1), branch = object("BRANCH", 1),
              trunk = object("TREE TRUNK", 1), slender = object("SLENDER TREE TRUNK", 1);
    int stones = 0, wood = 0, saplings = 0, berries = 0, mushrooms = 0;
    for (const DataStruct &d : Data) {
        if (d.x < AREA_CENTRE || d.y < AREA_CENTRE || d.x >= AREA_CENTRE + 64 || d.y >= AREA_CENTRE + 64) continue;
        const int c = get_mapchar(d.x, d.y);
        if (d.type == DT_ITEM && ((int)d.id == stone || (int)d.id == rock)) {
            stones++;
            EXPECT_FALSE(terrain_flag(c, TF_BLOCKS)) << "a stone on " << c;
        } else if (d.type == DT_ITEM && ((int)d.id == branch || (int)d.id == trunk || (int)d.id == slender)) {
            wood++;
            EXPECT_TRUE(near_char_flag(d.x, d.y, TF_TREE)) << "fallen wood far from trees at " << d.x << "," << d.y;
        } else if (d.type == DT_TREE && d.flags == 8) {
            saplings++;
            EXPECT_TRUE(c == 12 || c == 10) << "a sapling on " << c;
        } else if (plant_record(d)) {
            const ItemStruct plant = ObjToItem((int)d.id);
            ASSERT_EQ(plant.type, IT_PLANT);
            EXPECT_EQ(MAAPERA(pintakartta[mapidx(d.x, d.y)]) == 1 || MAAPERA(pintakartta[mapidx(d.x, d.y)]) == 2, false)
                << plant.name << " of the forest floor on rock";
            berries += plant.id == OID_BERRY;
            mushrooms += plant.id == OID_MUSHROOM;
        }
    }
    EXPECT_GT(stones, 0);
    EXPECT_GT(wood, 0);
    EXPECT_GT(saplings, 0);
    EXPECT_GT(berries, 0);
    EXPECT_GT(mushrooms, 0);
}

TEST_F(VegetationPlay, HerHomeFieldCarriesRyeOnItsPreparedSoil) {
    ASSERT_EQ(loader(), 0);
    enter(PlayerX, PlayerY);
    int rye = 0;
    for (const DataStruct &d : Data) {
        if (!plant_record(d) || d.x < AREA_CENTRE || d.y < AREA_CENTRE || d.x >= AREA_CENTRE + 64 || d.y >= AREA_CENTRE + 64)
            continue;
        const ItemStruct plant = ObjToItem((int)d.id);
        if (strcmp(plant.name, "Rye") != 0) continue;
        rye++;
        EXPECT_EQ(get_mapchar(d.x, d.y), 'R') << d.x << "," << d.y;
    }
    EXPECT_GT(rye, 10) << "her home field carries rye";
}

// Every plant of the plant files becomes a definition with a picture the build makes; the wild ones
// carry a habitat, the crops are cultivated and of their kind.
TEST_F(VegetationPlay, EveryPlantOfTheFilesIsDefinedWithItsPictureAndHabitat) {
    ASSERT_EQ(loader(), 0);
    vegetation_forget_tags();
    const struct {
        const char *name;
        uint32_t id;
    } crops[] = {{"Rye", 438}, {"Barley", 438}, {"Oats", 438}, {"Turnip", OID_ROOT}, {"Pea", OID_POD}, {"Flax", 430}};
    int plants = 0, crops_found = 0;
    for (const char *file : {"flora_forest.txt", "flora_meadow.txt"}) {
        std::ifstream in(dir->path() + "/" + file);
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] != '.') continue;
            const std::string name = line.substr(1, line.find('.', 1) - 1);
            plants++;
            int row = 0;
            for (int r = 1; r < CONSTANTOBJ_ROWS && !row; r++)
                if (ConstantObj[r].type == IT_PLANT && name == ConstantObj[r].name) row = r;
            ASSERT_NE(row, 0) << name << " has no definition";
            const std::string tile(ConstantObj[row].tile, strnlen(ConstantObj[row].tile, sizeof ConstantObj[row].tile));
            struct stat st;
            EXPECT_EQ(stat((std::string(OXA_RUN_DIR) + "/truetile/" + tile + ".png").c_str(), &st), 0) << name << ": " << tile;
            ASSERT_TRUE(hae_asciidata(IT_PLANT, name.c_str())) << name;
            bool crop = false;
            for (const auto &c : crops)
                if (name == c.name) {
                    crop = true;
                    crops_found++;
                    EXPECT_EQ(ConstantObj[row].id, c.id) << name;
                }
            EXPECT_EQ(cultivated_crop(row), crop ? 1 : 0) << name;
            EXPECT_EQ(tag_value(ascii_data, "TERRAIN", "")[0] != 0, !crop) << name << ": wild plants have a habitat";
        }
    }
    EXPECT_EQ(plants, 45);
    EXPECT_EQ(crops_found, 6);
}

}  // namespace
}  // namespace oxatest
