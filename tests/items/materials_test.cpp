// tests/items/materials_test.cpp -- material lines and requirement ids: labels and hints, names of
// ids, the naming word of a product, the creature list's bound, and which items meet which ids.
#include "items/items_fixture.h"
#include "items/materials.h"
#include "maps/squareevents.h"
#include "items/recipes.h"

namespace oxatest {
namespace {

class MaterialLines : public ItemsTest {
protected:
    void SetUp() override {
        ItemsTest::SetUp();
        build_catalogue();
        Tyhjaa_Tarvikelista();
    }
    static Tarvike_Struct added(const char *line) {
        pura_esinetarvinta(line);
        Lisaa_Tarvike();
        for (int i = TARVIKE_MAX - 1; i >= 0; i--)
            if (Tarvikelista[i].id) return Tarvikelista[i];
        return Tarvike_Struct{};
    }
};

TEST_F(MaterialLines, LabelsHintsAndNamesOfIds) {
    EXPECT_STREQ(added("{Knife}").label, "Knife");
    EXPECT_STREQ(added("{Knife} '+for carving'").label, "Knife for carving");
    Tarvike_Struct own = added("{Slender trunk} 'Straight pole' (2)");
    EXPECT_STREQ(own.label, "Straight pole");
    EXPECT_STREQ(own.hint, "");
    EXPECT_EQ(own.count, 2u);
    Tarvike_Struct built = added("{Slender trunk}");
    EXPECT_STREQ(built.hint, "Fell small trees to get these.");
    EXPECT_STREQ(added("{Spruce twig}").label, "Spruce twigs");

    // A definition's own id and name.
    Tarvike_Struct cup = added("{Birch-bark basket} [remove]");
    EXPECT_EQ(cup.id, 353u);
    EXPECT_STREQ(cup.label, "Birch-bark basket");
    EXPECT_EQ(cup.remove, 1);
    EXPECT_STREQ(Esineen_Nimi(0), "A specific item");
    EXPECT_STREQ(Esineen_Nimi(64), "A specific item");
    EXPECT_STREQ(Esineen_Label(64), "Workbench or working surface");

    Tarvike_Struct many = added("{Branch} (5) #1.5# =10= <Knife> [ask_num] [optional] [ground] [container]");
    EXPECT_EQ(many.id, (uint32_t)REQ_FREETEXT);
    EXPECT_STREQ(many.label, "Branch");
    EXPECT_EQ(many.count, 0u);
    EXPECT_EQ(many.max_count, 5u);
    EXPECT_FLOAT_EQ(many.amount, 1.5f);
    EXPECT_EQ(many.length, 10u);
    EXPECT_EQ(many.linked, 51u);
    EXPECT_TRUE(many.optional && many.ground && many.container && many.remove);
}

TEST_F(MaterialLines, UsedItemsNameTheProduct) {
    ItemStruct pine = blank(IT_TIMBER, "Pine trunk");
    ItemStruct birch = blank(IT_TIMBER, "Birch trunk");
    Tarvike_Struct line{};
    line.id = REQ_FREETEXT;
    line.naming = NAMING_LASTWORD;
    line.itempos = (uint32_t)Luo_Esineen_Itempos(pine);
    Kayttolista_Lisaa(line);
    EXPECT_STREQ(Hae_Nimittajateksti("Ski"), "trunk ski");
    line.naming = NAMING_ORIGINAL;
    line.itempos = (uint32_t)Luo_Esineen_Itempos(birch);
    Kayttolista_Lisaa(line);
    EXPECT_STREQ(Hae_Nimittajateksti("Ski"), "Mixed ski");
    Tyhjaa_Tarvikelista();
    EXPECT_STREQ(Hae_Nimittajateksti("Ski"), "");
}

TEST_F(MaterialLines, ACreatureListHoldsTwentyFiveLines) {
    Tarvike_Struct list[NPC_TARVIKE_MAX];
    Tyhjaa_NPC_Tarvikelista(list);
    for (int i = 0; i < NPC_TARVIKE_MAX + 1; i++) {
        Tyhjaa_Tarvike();
        Tarvike.id = (uint32_t)(100 + i);
        Lisaa_NPC_Tarvike(list);
    }
    EXPECT_EQ(list[0].id, 100u);
    EXPECT_EQ(list[NPC_TARVIKE_MAX - 1].id, (uint32_t)(100 + NPC_TARVIKE_MAX - 1));
}

TEST_F(MaterialLines, ItemsMeetTheIdsOfTheirFamilies) {
    ItemStruct axe = ConstantObj[definition_by_name("Broad axe")];
    for (int id : {50, 53, 54, 320}) EXPECT_EQ(OnkoEsineId(axe, id), 1) << id;
    EXPECT_EQ(OnkoEsineId(axe, 51), 0);
    EXPECT_EQ(OnkoEsineId(axe, 100), 1);
    ItemStruct sickle = ConstantObj[definition_by_name("Sickle")];
    SET_ITEM_TEXT(sickle.skill, "AXE");
    EXPECT_EQ(OnkoEsineId(sickle, 50), 0);
    EXPECT_EQ(OnkoEsineId(sickle, 141), 1);

    ItemStruct hide = blank(IT_SKIN, "Reindeer hide", 413);
    hide.weight = 7.0f;
    EXPECT_EQ(OnkoEsineId(hide, 70), 0);
    hide.weight = 7.5f;
    EXPECT_EQ(OnkoEsineId(hide, 70), 1);

    ItemStruct fish = ConstantObj[definition_by_name("Pike")];
    fish.spoil = SPOIL_SPOILED;
    EXPECT_EQ(OnkoEsineId(fish, 490), 1);
    EXPECT_EQ(OnkoEsineId(fish, 495), 0);

    ItemStruct carcass = blank(IT_CARCASS, "Bear carcass", 52);
    EXPECT_EQ(OnkoEsineId(carcass, 52), 0);
    EXPECT_EQ(OnkoEsineId(carcass, 0), 0);

    ItemStruct water = blank(IT_CONTAINER, "Water skin");
    EXPECT_EQ(OnkoEsineId(water, 55), 1);
    EXPECT_EQ(OnkoEsineId(ConstantObj[definition_by_name("Pot")], 55), 0);
    ItemStruct bark = blank(IT_TIMBER, "Birch-bark strip", 407);
    EXPECT_EQ(OnkoEsineId(bark, 414), 1);
    EXPECT_EQ(tarvike_definition_row(404), definition_by_name("Wooden stake"));
}

TEST_F(MaterialLines, FloatingAndTheItemFacts) {
    auto pos = [](const ItemStruct &it) { return Luo_Esineen_Itempos(it); };
    EXPECT_EQ(KELLUUKO(pos(ConstantObj[definition_by_name("Wooden bowl")])), 1);
    EXPECT_EQ(KELLUUKO(pos(ConstantObj[definition_by_name("Mail Hauberk")])), 0);
    EXPECT_EQ(KELLUUKO(pos(blank(IT_FOOD, "Reindeer meat", 500))), 1);
    EXPECT_EQ(KELLUUKO(pos(ConstantObj[definition_by_name("Rye bread")])), 0);
    luo_esinetieto(pos(ConstantObj[definition_by_name("Mail Hauberk")]));
    EXPECT_EQ(Esinetieto[0], 0);
    EXPECT_EQ(Esinetieto[4], 5);
    luo_esinetieto(pos(ConstantObj[definition_by_name("Log")]));
    EXPECT_EQ(Esinetieto[0], 5);
    EXPECT_EQ(Esinetieto[2], 5);

    ItemStruct rope = ConstantObj[definition_by_name("Rope")];
    EXPECT_EQ(inuse(&rope), 0);
    rope.state = 1003;
    EXPECT_EQ(inuse(&rope), 1);
    EXPECT_EQ(OnkoEsineSailio(ConstantObj[definition_by_name("Bag")]), 1);
    EXPECT_EQ(OnkoEsineSailio(ConstantObj[definition_by_name("Wooden cup")]), 2);
}

}  // namespace
}  // namespace oxatest
