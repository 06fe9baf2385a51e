// tests/items/quality_test.cpp -- tool fitness and the caps of tools and materials, the quality list
// with its stage gap, and the handiness table.
#include "items/craft_fixture.h"

namespace oxatest {
namespace {

class Quality : public CraftTest {
protected:
    static void tool(const ItemStruct &it, int linked) {
        line("{Knife} <Knife>");
        int i = 0;
        while (Tarvikelista[i].id != 51) i++;   // the knife's line
        Tarvike_Struct &t = Tarvikelista[i];
        t.linked = (uint32_t)linked;
        t.itempos = (uint32_t)Esineesta_Uniikki(it);
    }
    static void used_material(const char *name, int grade, float amount, uint32_t count) {
        Tarvike_Struct t{};
        t.id = REQ_FREETEXT;
        t.remove = 1;
        t.itempos = (uint32_t)Esineesta_Uniikki(graded(name, grade));
        t.amount = amount;
        t.count = count;
        Kayttolista_Lisaa(t);
    }
};

TEST_F(Quality, TheToolsSetHandinessAndTheirCap) {
    tool(graded("Knife", 3), 51);
    lastnote[0] = 0;
    EXPECT_EQ(Tarvikelista_Tyokalukelpoisuus(-1), 100);
    EXPECT_EQ(GLOB_TK_laaturaja, 5);
    EXPECT_STREQ(lastnote, "");

    Tyhjaa_Tarvikelista();
    tool(graded("Broad axe", 2), 50);   // a broad axe as an axe: 40 per cent, class 2
    EXPECT_EQ(Tarvikelista_Tyokalukelpoisuus(-1), 30);
    EXPECT_EQ(GLOB_TK_laaturaja, 1);
    EXPECT_NE(std::string(lastnote).find("an awkward tool here but suffers from"), std::string::npos) << lastnote;

    EXPECT_EQ(Tarvikelista_Tyokalukelpoisuus(0), 100);
    EXPECT_EQ(GLOB_TK_laaturaja, 5);
    EXPECT_EQ(Tyokalun_Hyvyys(320, def("Stone")), 20);
    EXPECT_EQ(Tyokalun_Hyvyys(51, def("Broad axe")), 70);
    EXPECT_EQ(Tyokalun_Hyvyys(151, def("Northern knife")), 90);
}

TEST_F(Quality, TheMaterialsCapTheGrade) {
    used_material("Firewood", 5, 2.0f, 1);
    used_material("Firewood", 1, 2.0f, 1);
    Tarvikelista_Matlaatu();
    EXPECT_EQ(GLOB_MAT_laaturaja, 3);
    used_material("Branch", 2, 0, 1);
    Tarvikelista_Matlaatu();
    EXPECT_EQ(GLOB_MAT_laaturaja, 2);
    Tyhjaa_Tarvikelista();
    Tarvikelista_Matlaatu();
    EXPECT_EQ(GLOB_MAT_laaturaja, 5);
}

TEST_F(Quality, TheListCountsEachProductUnderItsCaps) {
    QualityListStruct q;
    GLOB_TK_laaturaja = 3, GLOB_MAT_laaturaja = 2;
    qualist_init(q, 1);
    qualist_add(q, 5);
    EXPECT_EQ(q.count[2], 1u);
    EXPECT_TRUE(q.by_mat);
    EXPECT_FALSE(q.by_tool);

    qualist_init(q, 0);
    q.tool_limit = 3;
    qualist_add(q, 4);
    EXPECT_EQ(q.count[3], 1u);
    EXPECT_TRUE(q.by_tool);

    qualist_init(q, 0);
    qualist_initstagegap(q, 2, graded("Birch-bark basket", 4));
    qualist_add(q, 2);
    EXPECT_EQ(q.count[3], 1u);
    EXPECT_TRUE(q.lowered);
    q.lowered = 0;
    qualist_add(q, 3);
    EXPECT_EQ(q.count[4], 1u);
    EXPECT_FALSE(q.lowered);

    qualist_init(q, 0);
    q.noquality = 1;
    qualist_add(q, 1);
    EXPECT_EQ(q.count[3], 1u);
}

}  // namespace
}  // namespace oxatest
