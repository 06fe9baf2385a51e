// Definition lines and storing definitions into the table.
#include "items/items_test.h"
#include "items_fixture.h"

namespace oxatest {

using Lines = ItemsTest;

static ItemStruct applied(std::initializer_list<const char *> lines, int type = IT_TOOL) {
    ItemStruct it;
    ClrItemstruct(it);
    it.type = (uint8_t)type;
    for (const char *l : lines) RAWITEMLINE_go(l, &it);
    return it;
}

TEST_F(Lines, WeightInPoundsOrGrams) {
    EXPECT_FLOAT_EQ(applied({"[WEIGHT:350 g]"}).weight, 350.0f / 453.0f);
    EXPECT_FLOAT_EQ(applied({"[WEIGHT:350 g]"}).fullweight, 350.0f / 453.0f);
    EXPECT_FLOAT_EQ(applied({"[WEIGHT:2.5]"}).weight, 2.5f);
    // Grams are whole grams; a stray lower-case "g" anywhere switches to grams.
    EXPECT_FLOAT_EQ(applied({"[WEIGHT:350.9 g]"}).weight, 350.0f / 453.0f);
    EXPECT_FLOAT_EQ(applied({"[WEIGHT:2] big"}).weight, 2.0f / 453.0f);
    // A container takes the figure as its own weight in tenths, leaving contents and capacity.
    ItemStruct bag = applied({"[CONT_CAPACITY:20]", "[WEIGHT:2]"}, IT_CONTAINER);
    EXPECT_EQ(bag.ownweight, 20);
    EXPECT_EQ(bag.weight, 0.0f);
    EXPECT_EQ(bag.fullweight, 20.0f);
    EXPECT_EQ(applied({"[WEIGHT:0.25]"}, IT_CONTAINER).ownweight, 3);
    EXPECT_EQ(applied({"[WEIGHT:0.2]"}, IT_CONTAINER).ownweight, 2);
    // Capacity only for what is a container already.
    EXPECT_EQ(applied({"[CONT_CAPACITY:20]"}).fullweight, 0.0f);
}

TEST_F(Lines, AttackFiguresSpoilageAndClasses) {
    EXPECT_EQ(applied({"[BLUNT_ATTACK:-]"}).fig[0], 200);
    EXPECT_EQ(applied({"[EDGE_ATTACK:12]"}).fig[1], 9);
    EXPECT_EQ(applied({"[POINT_ATTACK:4x]"}).fig[2], 4);
    EXPECT_EQ(applied({"[SPOILAGE_DAYS:0]"}).spoil, 254);
    EXPECT_EQ(applied({"[SPOILAGE_DAYS:300]"}).spoil, 254);
    EXPECT_EQ(applied({"[SPOILAGE_DAYS:253]"}).spoil, 253);
    EXPECT_EQ(applied({"[AD_CLASS:7/9]"}).adclass, 0x66);
    EXPECT_EQ(applied({"[AD_CLASS:3/5]"}).adclass, 0x53);
    EXPECT_EQ(applied({"[1H_PENALTY:15]"}, IT_WEAPON).cover[0], 15);
    EXPECT_EQ(applied({"[1H_PENALTY:15]"}, IT_ARMOUR).cover[0], 0);
    EXPECT_STREQ(applied({"[SKILL:knife]"}).skill, "KNIFE");
}

TEST_F(Lines, PriceTypeAndMaterial) {
    ItemStruct perlb = applied({"[PRICE:10]", "[PRICE:3 per lb]"});
    EXPECT_FLOAT_EQ(perlb.priceperweight, 24.0f);
    EXPECT_EQ(perlb.price, 0.0f);
    ItemStruct plain = applied({"[PRICE:3 per lb]", "[PRICE:2.5]"});
    EXPECT_FLOAT_EQ(plain.price, 20.0f);
    EXPECT_EQ(plain.priceperweight, 0.0f);

    EXPECT_EQ(applied({"[TYPE:weapon]"}).type, IT_WEAPON);
    EXPECT_EQ(applied({"[TYPE:tool weapon]"}).type, IT_TOOL);
    EXPECT_EQ(applied({"[TYPE:weapon tool]"}).type, IT_TOOL);
    EXPECT_EQ(applied({"[TYPE:plant]"}).type, IT_PLANT);
    EXPECT_EQ(applied({"[TYPE:nothing known]"}, IT_FOOD).type, IT_TOOL);

    EXPECT_EQ(applied({"[MATERIAL:birch-bark]"}).material, (uint32_t)MAT_BARK);
    EXPECT_EQ(applied({"[MATERIAL:iron wood]"}).material, (uint32_t)(MAT_IRON | MAT_WOOD));
}

TEST_F(Lines, GarmentCoverageAndArmourPresets) {
    ItemStruct hood = applied({"[ARMOUR_COVERAGE:skull neck face]"}, IT_ARMOUR);
    EXPECT_EQ(hood.cover[0], 13);
    ItemStruct shirt = applied({"[ARMOUR_COVERAGE:long_shirt]"}, IT_ARMOUR);
    EXPECT_EQ(shirt.cover[0], 240);
    EXPECT_EQ(shirt.cover[1], 62);
    EXPECT_EQ(shirt.cover[2], 0);
    // A long hauberk is not also read as a hauberk; a cuirass ends the search.
    ItemStruct lh = applied({"[ARMOUR_COVERAGE:long_hauberk]"}, IT_ARMOUR);
    EXPECT_EQ(lh.cover[0], 48);
    EXPECT_EQ(lh.cover[1], 126);
    ItemStruct cu = applied({"[ARMOUR_COVERAGE:cuirass trousers]"}, IT_ARMOUR);
    EXPECT_EQ(cu.cover[1], 6);
    ItemStruct legs = applied({"[ARMOUR_COVERAGE:hip groin thigh knee calf foot]"}, IT_ARMOUR);
    EXPECT_EQ(legs.cover[1], 8 + 16 + 32 + 64 + 128);
    EXPECT_EQ(legs.cover[2], 1);

    ItemStruct mail = applied({"[ARMOUR_MATERIAL:iron mail]"}, IT_ARMOUR);
    const uint8_t mail_fig[6] = {2, 8, 5, 7, 2, 2};
    EXPECT_EQ(0, memcmp(mail.fig, mail_fig, 6));
    EXPECT_EQ(mail.material, (uint32_t)MAT_IRON);
    ItemStruct cloth = applied({"[MATERIAL:cloth]", "[ARMOUR_MATERIAL:cloth]"}, IT_ARMOUR);
    const uint8_t none_fig[6] = {0, 2, 1, 2, 0, 3};
    EXPECT_EQ(0, memcmp(cloth.fig, none_fig, 6));
    EXPECT_EQ(cloth.material, (uint32_t)MAT_CLOTH);
    EXPECT_EQ(applied({"[ARMOUR_MATERIAL:birch-bark]"}, IT_ARMOUR).material, (uint32_t)MAT_BARK);
    // Only armour takes a preset.
    EXPECT_EQ(applied({"[ARMOUR_MATERIAL:iron]"}, IT_TOOL).fig[1], 0);
}

TEST_F(Lines, RecognitionOrder) {
    // The first of the attack and class keys is applied and nothing else.
    ItemStruct a = applied({"[AD_CLASS:2/1][NAME:Sword][EDGE_ATTACK:5]"});
    EXPECT_EQ(a.adclass, 0x12);
    EXPECT_EQ(a.name[0], 0);
    EXPECT_EQ(a.fig[1], 0);
    // Nutrients are applied together, then the first of the rest.
    ItemStruct n = applied({"[NAME:Porridge][CARB:30][FAT:5][WATER:60]"});
    EXPECT_EQ(n.fig[0], 30);
    EXPECT_EQ(n.fig[1], 5);
    EXPECT_EQ(n.water, 60);
    EXPECT_EQ(name_of(n), "Porridge");
    ItemStruct s = applied({"[SPOILAGE_DAYS:4][NAME:Porridge]"});
    EXPECT_EQ(s.spoil, 4);
    EXPECT_EQ(s.name[0], 0);
    // A length goes on to the next key.
    ItemStruct r = applied({"[LENGTH:15][TILEGFX:it-rope]"});
    EXPECT_EQ(get_Item_pituus(r), 15);
    EXPECT_EQ(get_Item_maxpituus(r), 15);
    EXPECT_EQ(r.unitkind, UK_FEET);
    EXPECT_STREQ(r.tile, "it-rope");
    // Type before material: only the type.
    ItemStruct t = applied({"[MATERIAL:iron][TYPE:weapon]"});
    EXPECT_EQ(t.type, IT_WEAPON);
    EXPECT_EQ(t.material, 0u);
    // No known key changes nothing.
    ItemStruct before = applied({});
    ItemStruct after = applied({"[COLOUR:red]"});
    EXPECT_EQ(0, memcmp(&before, &after, sizeof before));
}

TEST_F(Lines, OverlongValuesStayInTheirFields) {
    std::string longname = "[NAME:" + std::string(300, 'x') + "]";
    ItemStruct it = applied({longname.c_str(), "[TILEGFX:abcdefghijklmnopqrstuvwxyz]", "[SKILL:abcdefghijklmnopqrstuvwxyz0123]"});
    EXPECT_EQ(strnlen(it.name, sizeof it.name), sizeof it.name - 1);
    EXPECT_EQ(strnlen(it.tile, sizeof it.tile), sizeof it.tile - 1);
    EXPECT_EQ(strnlen(it.skill, sizeof it.skill), sizeof it.skill - 1);
    std::string huge = std::string(5000, '[') + "[WEIGHT:3]";
    RAWITEMLINE_go(huge.c_str(), &it);   // cut to one line's length; must not read past it
}

TEST_F(Lines, FoodAndWater) {
    food("Porridge", 1.5f, 4, 77, 0, 3);
    EXPECT_EQ(Item.type, IT_FOOD);
    EXPECT_EQ(Item.tilesym, 145);
    EXPECT_STREQ(Item.tile, "org-meatcut");
    EXPECT_EQ(Item.spoil, 3);
    EXPECT_FLOAT_EQ(Item.fullweight, 1.5f);
    ItemStruct w = Vesiesine(2);
    EXPECT_EQ(w.id, (uint32_t)OID_WATER);
    EXPECT_EQ(w.water, 100);
    EXPECT_EQ(w.type, 0);
    EXPECT_EQ(name_of(w), "Water");
}

TEST_F(Lines, SaveObjectByNameIdAndType) {
    for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    ConstantObj[5] = blank(IT_FOOD, "Bread", 7);
    ConstantObj[9] = blank(IT_PLANT, "Bread", 430);
    // -1: the first row of the same name, whatever its kind; the letter case does not matter.
    Item = blank(IT_TOOL, "BREAD", 1);
    EXPECT_EQ(save_object(-1), 5);
    EXPECT_EQ(ConstantObj[5].type, IT_TOOL);
    // -2: a row of the same name only with the same id and type.
    Item = blank(IT_PLANT, "bread", 430);
    EXPECT_EQ(save_object(-2), 9);
    Item = blank(IT_PLANT, "bread", 431);
    EXPECT_EQ(save_object(-2), 1);   // the first free row
    // A full weight below the weight is raised.
    Item = blank(IT_TOOL, "Heavy");
    Item.fullweight = 0.5f;
    EXPECT_EQ(save_object(30), 30);
    EXPECT_EQ(ConstantObj[30].fullweight, 1.0f);
    // No match and no free row: nothing is stored.
    for (int r = 1; r < CONSTANTOBJ_ROWS; r++) ConstantObj[r] = blank(IT_TOOL, "Full");
    Item = blank(IT_TOOL, "Other");
    EXPECT_EQ(save_object(-1), -1);
    objdef_log_flush();
    EXPECT_TRUE(dir->exists("create_objects.txt"));
}

}  // namespace oxatest
