// The player's things in a running game: a full object table makes room or leaves the item where
// it was, and the inventory's notes and questions reach the player.
#include "core/loader_fixture.h"
#include "core/player.h"
#include "presentation/notes.h"
#include "items/inventory.h"

using oxatest::PlayingTest;

namespace {

class GameObjectsTest : public PlayingTest {
protected:
    // Every record of the object table in use; `referenced` ones are village goods and stay.
    static void fill_object_table(bool referenced) {
        for (ItemStruct &it : PlayerObj) {
            if (it.type != 0) continue;
            it.type = 7;
            it.name[0] = 'x';
            it.ownersoc = referenced ? 3 : 0;
        }
    }
    static int slots_in_use() {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++) n += Plr.inv_obj[s] != 0;
        return n;
    }
};

}  // namespace

TEST_F(GameObjectsTest, FullObjectTableRunsItsMaintenanceAndTriesAgain) {
    fill_object_table(false);
    const int before = slots_in_use();
    tap(SDLK_SPACE);   // the maintenance's note waits for a key
    EXPECT_EQ(AddNewItem(12, 1), 1);
    EXPECT_EQ(slots_in_use(), before + 1);
    bool found = false;
    for (int s = 0; s < PLR_SLOTS; s++) found |= Plr.inv_obj[s] >= OBJ_PLAYER_FIRST && Plr.inv_count[s] == 1;
    EXPECT_TRUE(found) << "the item has an object of its own";
}

TEST_F(GameObjectsTest, FullObjectTableLeavesTheItemWhereItWasWithANote) {
    fill_object_table(true);
    static int32_t objs[PLR_SLOTS];
    memcpy(objs, Plr.inv_obj, sizeof objs);
    tap(SDLK_SPACE);
    EXPECT_EQ(AddNewItem(12, 1), 0);
    EXPECT_STREQ(lastnote, "!There is no room for more objects. The item stays where it was.");
    EXPECT_EQ(memcmp(objs, Plr.inv_obj, sizeof objs), 0) << "no slot holds object 0";
}

TEST_F(GameObjectsTest, MaintenanceRunsBeforeTheCharacterHasCreatures) {
    remove(path("AINO.CRS").c_str());
    fill_object_table(false);
    tap(SDLK_SPACE);
    EXPECT_GT(object_maintenance(), -1);
    EXPECT_EQ(PlayerObj[PLAYEROBJ_COUNT - 1].type, 0) << "the unreferenced objects were freed";
    // A creature file that exists but ends inside a record is refused, and nothing is freed.
    FILE *f = fopen(path("AINO.CRS").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    fputs("cut", f);
    fclose(f);
    fill_object_table(false);
    tap(SDLK_SPACE);
    EXPECT_EQ(object_maintenance(), -1);
    EXPECT_NE(PlayerObj[PLAYEROBJ_COUNT - 1].type, 0);
}

TEST_F(GameObjectsTest, OverloadedInventoryPutsTheItemOnTheGroundAndSaysSo) {
    Plr.inv_obj[PLR_OVERLOAD_SLOT] = 12;
    Plr.inv_count[PLR_OVERLOAD_SLOT] = 1;
    tap(SDLK_SPACE);   // the note waits for a key
    EXPECT_EQ(AddNewItem(13, 2), 1);
    EXPECT_STREQ(lastnote, "!You carry too much! Excess items are now put on the ground.");
    EXPECT_GE(get_datatype(DT_ITEM, PlayerX, PlayerY), 0);
}

TEST_F(GameObjectsTest, DiscardingAsksForEachItemOnTheSquare) {
    const int own = ObjToPlayerObj(12);
    ASSERT_GT(own, 0);
    const int rec = set_data(DT_ITEM, PlayerX, PlayerY, own, 1);
    const int pos = get_datatype(DT_ITEM, PlayerX, PlayerY);
    ASSERT_GE(pos, 0) << rec;
    Data[pos].owner = -1;
    int r;
    tap(SDLK_d, KMOD_LSHIFT);
    tap(SDLK_y, KMOD_LSHIFT);   // "Discard?"
    ASSERT_EQ(turn_pass(&r), 1);
    EXPECT_EQ(get_datatype(DT_ITEM, PlayerX, PlayerY), -1) << "the item was discarded";
    EXPECT_STREQ(lastnote, "#As you couldn't recycle these items they are now discarded forever.");
}
