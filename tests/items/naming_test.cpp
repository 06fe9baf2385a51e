// Item names and descriptions, weight texts and values.
#include "items/items_test.h"
#include "items_fixture.h"
#include "core/obj_func.h"

namespace oxatest {

using Naming = ItemsTest;

static ItemStruct graded(ItemStruct it, int grade, bool known) {
    ItemSet_laatu(grade, it);
    ItemSet_laatutieto(known ? 1 : 0, it);
    return it;
}

TEST_F(Naming, QualityWordsByGradeKindAndKnowledge) {
    ItemStruct sword = blank(IT_WEAPON, "Broadsword");
    EXPECT_STREQ(enimi(stored(graded(sword, 5, true)), 1, 0), "masterwork broadsword");
    EXPECT_STREQ(enimi(stored(graded(sword, 3, true)), 1, 0), "broadsword");
    EXPECT_STREQ(enimi(stored(graded(sword, 5, false)), 1, 0), "broadsword");
    EXPECT_STREQ(enimi(stored(graded(sword, 1, true)), 1, 2), "broadsword");
    EXPECT_STREQ(enimi(stored(graded(sword, 1, true)), 1, 4), "broadsword");
    ItemStruct arrow = sword;
    arrow.subtype = ST_ARROW;
    SET_ITEM_TEXT(arrow.name, "Arrow");
    EXPECT_STREQ(enimi(stored(graded(arrow, 1, true)), 2, 0), "curved arrows");
    EXPECT_STREQ(enimi(stored(graded(blank(IT_CONTAINER, "Bowl"), 1, true)), 1, 0), "leaky bowl");
    EXPECT_STREQ(enimi(stored(graded(blank(IT_FOOD, "Pie"), 5, true)), 1, 0), "delicious pie");
    EXPECT_STREQ(enimi(stored(graded(blank(IT_TOOL, "Awl"), 4, true)), 1, 0), "fine awl");
    EXPECT_STREQ(elaatu(&sword, 9), "masterwork");
    EXPECT_STREQ(elaatu(&sword, -3), "crude");
    // Plants and water show no grade.
    EXPECT_STREQ(enimi(stored(graded(blank(IT_PLANT, "Sorrel"), 5, true)), 1, 0), "sorrel");
}

TEST_F(Naming, StaleSpoiledAndRotten) {
    ItemStruct bread = blank(IT_FOOD, "Rye bread");
    bread.spoil = 1;
    EXPECT_STREQ(enimi(stored(bread), 1, 0), "stale rye bread");
    SET_ITEM_TEXT(bread.name, "stale bread");
    EXPECT_STREQ(enimi(stored(bread), 1, 0), "stale bread");
    bread.spoil = 255;
    EXPECT_STREQ(enimi(stored(bread), 1, 2), "spoiled stale bread");
    ItemStruct hide = blank(IT_SKIN, "Elk hide");
    hide.spoil = 255;
    EXPECT_STREQ(enimi(stored(hide), 1, 2), "rotten elk hide");
}

TEST_F(Naming, UnitsLengthsAndVessels) {
    ItemStruct bark = blank(IT_TIMBER, "birch bark");
    bark.unitkind = UK_SHEET;
    int b = stored(bark);
    EXPECT_STREQ(enimi(b, 2, 0), "birch bark");
    EXPECT_STREQ(ekuvaus(b, 2, 0), "sheets of birch bark");
    EXPECT_STREQ(ekuvaus(b, 1, 0), "sheet of birch bark");
    EXPECT_STREQ(ekuvaus(b, 2, 1), "2 sheets of birch bark");

    ItemStruct rope = blank(IT_TOOL, "Rope");
    RAWITEMLINE_go("[LENGTH:15]", &rope);
    EXPECT_STREQ(ekuvaus(stored(rope), 1, 0), "rope (15 ft)");
    EXPECT_STREQ(ekuvaus(stored(Luo_Sommelo(20)), 1, 0), "ball of birch-bark strip (20 ft)");

    ItemStruct wool = Luo_Villat();
    EXPECT_STREQ(ekuvaus(stored(wool), 3, 0), "piles of wools");
    ItemStruct salt = blank(IT_FOOD, "Salt");
    salt.unitkind = 9;
    EXPECT_STREQ(ekuvaus(stored(salt), 1, 0), "fistful of salt");

    InitObjs();
    int bag = Esineesta_Uniikki(ConstantObj[46]);
    ItemStruct flour = blank(IT_FOOD, "Rye flour", OID_FLOUR);
    flour.vessel = (uint32_t)bag;
    int f = stored(flour);
    EXPECT_STREQ(ekuvaus(f, 2, 0), "bags of rye flour");
    EXPECT_STREQ(ekuvaus(f, 1, 32), "bag");
    ItemStruct water = Vesiesine(2);
    water.vessel = (uint32_t)bag;
    EXPECT_STREQ(enimi(stored(water), 1, 0), "water");
}

TEST_F(Naming, PlantsByLocalNameAndLeashes) {
    ASSERT_TRUE(InitUnames_load());
    ItemStruct berries = blank(IT_FOOD, "Bilberries", OID_BERRY);
    EXPECT_STREQ(enimi(stored(berries), 3, 0), "bilberries");
    berries.plantname = 2;
    EXPECT_STREQ(enimi(stored(berries), 3, 0), "round-leaved berries");
    EXPECT_STREQ(enimi(stored(berries), 1, 16), "round-leaved berry");
    EXPECT_STREQ(enimi(stored(berries), 1, 8), "bilberries");
    ItemStruct shrub = blank(IT_PLANT, "Bilberry", OID_BERRY);
    SET_ITEM_TEXT(shrub.skill, "Vaccinium myrtillus");
    EXPECT_STREQ(enimi(stored(shrub), 1, 16), "vaccinium myrtillus");
    shrub.plantname = 2;
    EXPECT_STREQ(enimi(stored(shrub), 2, 0), "round-leaved berry shrubs");
    // Every mark a species may carry (2 to 99) has its row in the list.
    for (int mark = 2; mark < UFLORA_ROWS; mark++) EXPECT_NE(UFLORA[mark][0], 0) << mark;

    // A leash whose animal is no longer in the area keeps its plain name.
    ItemStruct leash = blank(IT_TOOL, "Leash", 327);
    leash.subtype = ST_ROPE;
    leash.state = 4242;
    EXPECT_STREQ(enimi(stored(leash), 1, 0), "leash");

    // The sheep it names, led, tied or neither.
    Cre[9].kind = 5;
    Cre[9].socialid = 4242;
    copy_bounded(Cre[9].species, sizeof Cre[9].species, "sheep");
    struct { int role, domestic; const char *name; } sheep[] = {
        {9, 0, "leash (sheep leash)"}, {0, 16, "leash (tied to sheep)"}, {0, 0, "leash"}};
    for (auto &c : sheep) {
        Cre[9].role = (uint8_t)c.role;
        Cre[9].domestic = (uint8_t)c.domestic;
        EXPECT_STREQ(enimi(stored(leash), 1, 0), c.name);
    }
    memset(&Cre[9], 0, sizeof Cre[9]);
}

TEST_F(Naming, CarcassIsNamedWithoutTouchingTheAreasCreatures) {
    Cre[499].kind = 3;
    copy_bounded(Cre[499].species, sizeof Cre[499].species, "wolf");
    // The elk's carcass lies in the area; it is told through the last slot, which goes back as it was.
    Cre[12].kind = 10;
    Cre[12].mode = CM_CARCASS;
    Cre[12].socialid = 77;
    Cre[12].weight = 300;
    copy_bounded(Cre[12].species, sizeof Cre[12].species, "elk");
    Data[5].type = DT_CARCASS;
    Data[5].id = CRE_DATAID + 12;
    Data[5].count = 1;
    const CreatureStruct keep = Cre[499];
    int carcass = Luo_Sotucarcass_Itempos(77);
    EXPECT_STREQ(ObjToItem(carcass).name, "dead elk");
    EXPECT_NE(std::string(enimi(carcass, 1, 0)).find("elk carcass"), std::string::npos) << enimi(carcass, 1, 0);
    EXPECT_FLOAT_EQ(ObjToItem(carcass).weight, 600.0f);
    EXPECT_EQ(0, memcmp(&keep, &Cre[499], sizeof keep));
    Data[5] = DataStruct{};
}

TEST_F(Naming, WeightTexts) {
    const float weights[] = {0.05f, 0.5f, 0.95f, 2.3f, 1.0f};
    const char *texts[] = {"<0.1 lbs", "0.5 lbs", "1 lb", "3 lbs", "1 lbs"};
    for (int i = 0; i < 5; i++) {
        ItemStruct it = blank(IT_TOOL, "Thing");
        it.weight = weights[i];
        EXPECT_STREQ(txt_itemweight(stored(it), 1), texts[i]) << weights[i];
    }
    ItemStruct twig = blank(IT_TOOL, "Twig");
    twig.weight = 0.3f;
    EXPECT_STREQ(txt_itemweight(stored(twig), 4), "2 lbs");
}

TEST_F(Naming, BagWithFlourWeighsBoth) {
    ItemStruct bag = blank(IT_CONTAINER, "Bag", OID_BAG);
    bag.weight = 0;
    bag.fullweight = 20;
    bag.ownweight = 2;
    bag.price = 16;
    int b = stored(bag);
    EXPECT_FLOAT_EQ(esinepaino(ObjToItem(b)), 0.2f);
    ItemStruct flour = blank(IT_FOOD, "flour", OID_FLOUR);
    flour.weight = 5;
    flour.vessel = (uint32_t)b;
    flour.priceperweight = 2;
    EXPECT_FLOAT_EQ(esinepaino(flour), 5.2f);
    EXPECT_FLOAT_EQ(esinehinta(0, flour), 10.0f + 16.0f);
}

TEST_F(Naming, Values) {
    ItemStruct tool = blank(IT_TOOL, "Awl");
    tool.price = 40;
    tool.fullweight = 2;
    tool.weight = 1;
    EXPECT_FLOAT_EQ(esinehinta(0, tool), 20.0f);
    ItemStruct meat = blank(IT_FOOD, "Meat");
    meat.price = 99;
    meat.priceperweight = 3;
    meat.weight = 2;
    meat.fullweight = 10;
    EXPECT_FLOAT_EQ(esinehinta(0, meat), 6.0f);
    ItemStruct skin = blank(IT_SKIN, "Fox skin", 412);
    skin.price = 100;
    ItemSet_laatu(5, skin);
    EXPECT_FLOAT_EQ(esinehinta(0, skin), 150.0f);
    skin.id = 414;
    EXPECT_FLOAT_EQ(esinehinta(0, skin), 37.5f);
    ItemSet_laatu(1, tool);
    EXPECT_FLOAT_EQ(esinehinta(0, tool), 5.0f);
}

TEST_F(Naming, PropertyRules) {
    InitObjs();
    const ItemStruct before = ConstantObj[120];
    ConstantObj[120].quality = 4;
    EXPECT_EQ(Tunnista_Laatu(120), 0);
    EXPECT_EQ(on_laatutieto(&ConstantObj[120]), 0);
    ConstantObj[120] = before;
    ItemStruct it = blank(IT_TOOL, "Cord");
    it.unitkind = UK_FISTFUL;
    set_Item_pituus(9, it);
    EXPECT_EQ(it.unitkind, UK_FISTFUL);
    EXPECT_FALSE(oe_ummehtunut(it));
    it.spoil = 255;
    EXPECT_TRUE(oe_pilaantunut(it));
    it.id = 438;
    EXPECT_TRUE(onko_kasvikuntaa(it));
    it.id = 439;
    EXPECT_FALSE(onko_kasvikuntaa(it));
    it.id = 429;
    EXPECT_FALSE(onko_kasvikuntaa(it));
    EXPECT_EQ(Aseta_ADClass(3, 5), 0x53);
    DataPoolStruct pool;
    DataPool_reset(pool);
    DataStruct rec;
    memset(&rec, 0, sizeof rec);
    for (int i = 0; i < 70; i++) {
        rec.x = (uint16_t)i;
        DataPool_add(pool, rec);
    }
    EXPECT_EQ(pool.count, 63u);
    EXPECT_EQ(pool.rec[62].x, 62);
    EXPECT_EQ(pool.rec[63].x, 0);
}

}  // namespace oxatest
