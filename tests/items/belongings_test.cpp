// The ready-made character loads with the catalogue built and her belongings in her slots.
#include "core/loader_fixture.h"
#include "items/itemdefs.h"
#include "items/plants.h"

namespace oxatest {

using Belongings = LoaderTest;

TEST_F(Belongings, LoadingBuildsTheCatalogueAndKeepsHerThings) {
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(size_of("CONSTANT.OBJ"), CONSTANTOBJ_BYTES);
    EXPECT_EQ(dir->read_file("CONSTANT.OBJ").size(), (size_t)CONSTANTOBJ_BYTES);
    EXPECT_GT(ConstantObj_Nimella("Cloudberry", IT_PLANT), 0) << "the plants were added";
    const char *want[] = {"knife", "linen shirt", "woollen trousers", "leather shoes", "bag", "torch"};
    for (const char *w : want) {
        int found = -1;
        for (int s = 0; s < PLR_SLOTS && found < 0; s++)
            if (Plr.inv_obj[s] && strcmp(enimi(Plr.inv_obj[s], Plr.inv_count[s], 0), w) == 0) found = s;
        ASSERT_GE(found, 0) << w;
        EXPECT_GE(Plr.inv_obj[found], OBJ_PLAYER_FIRST) << w;
    }
    // Her things lie on the local map of her field, not on the world map, where each would be drawn as
    // big as a whole world cell.
    auto things = [] {
        int seen = 0;
        for (const DataStruct &d : Data)
            if ((d.type == DT_ITEM && d.id > 0 && d.id < CONSTANTOBJ_ROWS) || d.type == DT_FIRE) seen++;
        return seen;
    };
    EXPECT_EQ(things(), 0);

    static PlayerStruct saved;
    saved = Plr;
    static ItemStruct objects[PLAYEROBJ_COUNT];
    memcpy(objects, PlayerObj, sizeof objects);
    ASSERT_EQ(Save(SAVE_EXPLICIT), 1);
    const std::vector<uint8_t> defs = read("CONSTANT.OBJ");   // the table with its plants
    leave_to_menu();
    ASSERT_EQ(loader(), 0);
    EXPECT_EQ(memcmp(Plr.inv_obj, saved.inv_obj, sizeof Plr.inv_obj), 0);
    EXPECT_EQ(memcmp(Plr.inv_count, saved.inv_count, sizeof Plr.inv_count), 0);
    EXPECT_EQ(memcmp(PlayerObj, objects, sizeof objects), 0);
    EXPECT_EQ(read("CONSTANT.OBJ"), defs) << "the plants keep their rows through a rebuild";
    down_to_her_field();
    EXPECT_GE(things(), 8);
}

}  // namespace oxatest
