// The player's slots, a creature's pack, carry limits and the pick-up table.
#include "items/inventory.h"
#include "items_fixture.h"

namespace oxatest {

class Inventory : public ItemsTest {
protected:
    void SetUp() override {
        ItemsTest::SetUp();
        InitObjs();
        int32_t weight = 150;
        memcpy(reinterpret_cast<unsigned char *>(&Plr) + 2736, &weight, sizeof weight);
        Alusta_Esinepoiminta(0);
    }
    static void put(int slot, int pos, int count, unsigned char mark = 0) {
        Plr.inv_obj[slot] = pos;
        Plr.inv_count[slot] = count;
        plr_slotbyte(slot) = mark;
    }
};

TEST_F(Inventory, RemovingUnitsClosesEveryGap) {
    put(0, 41, 3, 1);
    put(1, 46, 1, 0);
    put(3, 94, 2, 1);
    put(4, 25, 1, 0);
    EXPECT_EQ(Poista_PlrItem(0, 0), 0);
    EXPECT_EQ(Plr.inv_count[0], 3);
    EXPECT_EQ(Poista_PlrItem(0, 5), 3);
    // Slots 0 and 2 were empty: the items close up and the marks go with them.
    EXPECT_EQ(Plr.inv_obj[0], 46);
    EXPECT_EQ(Plr.inv_obj[1], 94);
    EXPECT_EQ(Plr.inv_obj[2], 25);
    EXPECT_EQ(Plr.inv_obj[3], 0);
    EXPECT_EQ(plr_slotbyte(0), 0);
    EXPECT_EQ(plr_slotbyte(1), 1);
    EXPECT_EQ(plr_slotbyte(3), 0);
    EXPECT_EQ(Poista_PlrItem_NoCrunch(0, 1), 1);
    EXPECT_EQ(Plr.inv_obj[0], 0);
    EXPECT_EQ(Plr.inv_obj[1], 94);
    EXPECT_EQ(Poista_PlrItem(-1, 1), 0);
    EXPECT_EQ(Poista_PlrItem(100, 1), 0);
}

TEST_F(Inventory, CreaturePack) {
    Cre[3].kind = 1;
    Cre[3].pack[2] = 41;
    Cre[3].packcount[2] = 2;
    Cre[3].packbits[2] = 5;
    EXPECT_EQ(Poista_NpcItem(3, 2, 0), 0);
    EXPECT_EQ(Poista_NpcItem(600, 2, 1), 0);
    EXPECT_EQ(Poista_NpcItem(3, 2, 9), 2);
    EXPECT_EQ(Cre[3].pack[2], 0);
    EXPECT_EQ(Cre[3].packbits[2], 0);
}

TEST_F(Inventory, CarryLimits) {
    // Slot 90 in use refuses even a weightless thing.
    put(90, 41, 1);
    ItemStruct feather = blank(IT_TOOL, "feather");
    feather.weight = 0;
    EXPECT_EQ(cancarry(CRE_PLAYER, stored(feather), 1), 0);
    put(90, 0, 0);
    // Exactly one and a half times the body weight is taken, whatever is carried already.
    put(0, 348, 5);
    ItemStruct heavy = blank(IT_TOOL, "weight");
    heavy.weight = 225;
    int h = stored(heavy);
    EXPECT_EQ(cancarry(CRE_PLAYER, h, 1), 1);
    EXPECT_EQ(cancarryWT(CRE_PLAYER, 225.0f), 1);
    EXPECT_EQ(cancarry(CRE_PLAYER, h, 2), 0);
    EXPECT_EQ(TARGET_ITEM, h);
    EXPECT_EQ(TARGET_NUM, 2);
    // A creature: its load and the new weight against twice its body weight.
    Cre[4].kind = 2;
    Cre[4].weight = 10;
    ItemStruct stone = blank(IT_TOOL, "stone");
    stone.weight = 15;
    Cre[4].pack[0] = stored(stone);   // its load, as its pack gives it
    Cre[4].packcount[0] = 1;
    EXPECT_EQ(cancarryWT(4, 5), 1);
    EXPECT_EQ(cancarryWT(4, 5.5f), 0);

    EXPECT_EQ(PlrGotESINE(350), 0);
    put(1, 46, 1);
    EXPECT_EQ(PlrGotESINE(350), 1);
    EXPECT_EQ(plr_naked(), 1);
    ItemStruct shirt = ConstantObj[124];
    shirt.status = ISTAT_WORN;
    put(2, stored(shirt), 1);
    EXPECT_EQ(plr_naked(), 0);
}

TEST_F(Inventory, PickUpTable) {
    for (int i = 0; i < 30; i++) {
        Data[i].type = DT_ITEM;
        Data[i].x = 10;
        Data[i].y = 12;
        Data[i].id = i < 25 ? 350 : 212;
        Data[i].count = 1;
    }
    EXPECT_EQ(Siirra_Esineet(10, 12), 20);
    EXPECT_EQ(siirtotaulukko[0], 0);
    Alusta_Esinepoiminta(1);
    EXPECT_EQ(Siirra_Esineet(10, 12), 5);
    EXPECT_EQ(siirtotaulukko[0], 25);
    Alusta_Esinepoiminta(0);
    EXPECT_EQ(Siirra_Esineet(3, 3), 0);
    Data[40].type = DT_WORK;
    Data[40].x = 3;
    Data[40].y = 3;
    EXPECT_EQ(Siirra_Esineet(3, 3), -1);
    EXPECT_EQ(ilmoitusasiat, 1);
}

}  // namespace oxatest
