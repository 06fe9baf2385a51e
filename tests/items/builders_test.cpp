// Special items made on demand, and vessels holding their contents.
#include "items/containers.h"
#include "items/items_test.h"
#include "items_fixture.h"

namespace oxatest {

using Builders = ItemsTest;

static CreatureStruct animal(unsigned species, float kg, const char *name) {
    CreatureStruct c;
    memset(&c, 0, sizeof c);
    c.kind = 3;
    c.speciescode = species;
    c.speciesweight = kg;
    c.weight = kg;
    c.fatigue = kg * 2;
    copy_bounded(c.species, sizeof c.species, name);
    return c;
}

static bool is_blank(const ItemStruct &it) {
    ItemStruct b;
    ClrItemstruct(b);
    return memcmp(&it, &b, sizeof b) == 0;
}

TEST_F(Builders, BagFilledToCapacityOrToTheWeightGiven) {
    InitObjs();
    ItemStruct flour = blank(IT_FOOD, "Rye flour", OID_FLOUR);
    flour.weight = 1;
    int full = Luo_Esinesakki(flour, 0);
    ASSERT_GE(full, OBJ_PLAYER_FIRST);
    ItemStruct in = ObjToItem(full);
    EXPECT_FLOAT_EQ(in.weight, 20.0f);
    EXPECT_FLOAT_EQ(in.fullweight, 20.0f);
    ItemStruct bag = ObjToItem((int)in.vessel);
    EXPECT_EQ(bag.id, (uint32_t)OID_BAG);
    EXPECT_STREQ(in.tile, "it-bag");
    EXPECT_FLOAT_EQ(ObjToItem(Luo_Esinesakki(flour, 35)).weight, 20.0f);
    EXPECT_FLOAT_EQ(ObjToItem(Luo_Esinesakki(flour, 5)).weight, 5.0f);
    EXPECT_FLOAT_EQ(ObjToItem(Luo_Esinekori(flour)).weight, 15.0f);
    EXPECT_EQ(Luo_Jauhosakki(), 0);   // no flour in the catalogue: no sack
    EXPECT_GE(Luo_Suolasakki(), OBJ_PLAYER_FIRST);
}

TEST_F(Builders, AnimalParts) {
    EXPECT_TRUE(is_blank(Luo_Putkiluu(animal(700, 3, "stoat"))));
    ItemStruct bone = Luo_Putkiluu(animal(701, 20, "lynx"));
    EXPECT_FLOAT_EQ(bone.weight, 0.25f);
    EXPECT_STREQ(bone.tile, "bo-longm");
    EXPECT_EQ(bone.id, 419u);
    EXPECT_EQ(bone.material, (uint32_t)MAT_BONE);
    EXPECT_FLOAT_EQ(Luo_Putkiluu(animal(605, 150, "bear")).weight, 2.0f);
    CreatureStruct bird = animal(702, 10, "swan");
    bird.kind = 21;
    EXPECT_TRUE(is_blank(Luo_Putkiluu(bird)));

    EXPECT_TRUE(is_blank(Luo_Kallo(animal(610, 40, "wolf"))));
    ItemStruct skull = Luo_Kallo(animal(605, 150, "bear"));
    EXPECT_EQ(skull.cover[0], 4);
    EXPECT_EQ(skull.origin, 605u);
    EXPECT_STREQ(skull.tile, "hd-bear");
    EXPECT_FLOAT_EQ(skull.weight, 300.0f / 50.0f);
    ItemStruct tooth = Luo_Hampaat_Kallosta(skull);
    EXPECT_EQ(tooth.id, 408u);
    EXPECT_EQ(tooth.magic, 17);
    EXPECT_EQ(tooth.cover[0], 0);
    skull.cover[0] = 0;
    EXPECT_TRUE(is_blank(Luo_Hampaat_Kallosta(skull)));

    ItemStruct antler = Luo_Sarvet(animal(606, 400, "elk"));
    EXPECT_FLOAT_EQ(antler.weight, 4.0f);
    EXPECT_FLOAT_EQ(antler.priceperweight, 0.5f);
    EXPECT_EQ(name_of(TeeMuna(animal(702, 2, ""))), "Bird egg");
    EXPECT_FLOAT_EQ(TeeMuna(animal(702, 2, "")).weight, 50.0f / 453.0f);
    EXPECT_EQ(name_of(TeeSulka(animal(702, 2, "grouse"), nullptr)), "grouse feather");
}

TEST_F(Builders, WoodFibreAndOthers) {
    ItemStruct arrow = blank(IT_WEAPON, "Arrow");
    arrow.subtype = ST_ARROW;
    arrow.weight = arrow.fullweight = 0.1f;
    arrow.price = 8;
    ItemStruct broken = crtobj_broken_arrow(arrow);
    EXPECT_EQ(broken.type, IT_TIMBER);
    EXPECT_FLOAT_EQ(broken.weight, 0.05f);
    EXPECT_EQ(broken.price, 0.0f);
    EXPECT_EQ(name_of(broken), "broken arrow");

    ItemStruct ball = Luo_Sommelo(20);
    EXPECT_EQ(ball.unitkind, UK_BALL);
    EXPECT_EQ(get_Item_pituus(ball), 20);
    EXPECT_FLOAT_EQ(ball.weight, 120.0f / 453.0f);
    EXPECT_STREQ(Luo_Kaadettu_Puunvesa("Norway spruce").tile, "tb-sprsapl");
    EXPECT_STREQ(Luo_Kaadettu_Puunvesa("birch").tile, "tb-birsapl");
    EXPECT_EQ(Luo_Parkkilevy("birch").unitkind, UK_SHEET);
    ItemStruct wedge = Luo_Ukonvaaja();
    EXPECT_EQ(wedge.type, IT_WEAPON);
    EXPECT_EQ(wedge.fig[0], 200);
    EXPECT_EQ(wedge.magic, 15);
    ItemStruct strip = Luo_Karhunkarkotinriepu();
    EXPECT_EQ(strip.cover[1], 8);
    EXPECT_EQ(strip.magic, 16);
    EXPECT_EQ(crtItem_bronzebrooch("[small]").price, 160.0f);
    EXPECT_EQ(name_of(crtItem_bronzecomb(nullptr, 10)), "bronze comb");

    InitObjs();
    ItemStruct shirt = artefactItem_Kulumaton_Paita();
    EXPECT_EQ(name_of(shirt), "embroidered nettle shirt");
    EXPECT_GE(ItemGet_laatu(&shirt), 4);
    EXPECT_EQ(shirt.fig[0], ConstantObj[125].fig[0] + 1);
    EXPECT_EQ(shirt.fig[2], ConstantObj[125].fig[2]);
}

TEST_F(Builders, VesselsHoldLiquidsUpToTheirCapacity) {
    InitObjs();
    int cup = Esineesta_Uniikki(ConstantObj[25]);
    int water = Sailioi(0, cup, OID_WATER, 0);
    ItemStruct w = ObjToItem(water);
    EXPECT_FLOAT_EQ(w.weight, 3.0f);
    EXPECT_EQ(w.vessel, (uint32_t)cup);
    EXPECT_EQ(name_of(w), "Water");
    // Milk poured over water drops the water.
    int milk = Sailioi(0, water, OID_MILK, 1);
    ItemStruct m = ObjToItem(milk);
    EXPECT_EQ(m.id, (uint32_t)OID_MILK);
    EXPECT_FLOAT_EQ(m.weight, 1.0f);
    EXPECT_FLOAT_EQ(rootwt("L"), 300.0f / 453.0f);
    EXPECT_FLOAT_EQ(rootwt("huge"), 50.0f / 453.0f);
}

}  // namespace oxatest
