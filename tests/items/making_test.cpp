// tests/items/making_test.cpp -- making things from recipes: patches and batches, the grade from
// skill, tools and materials, maturing products, the emergency time, clothing, cancelling the work,
// the menus composed from the recipe files and taking a structure apart.
#include "items/craft_fixture.h"

#include "activities/skills.h"
#include "items/making.h"
#include "creatures/condition.h"

namespace oxatest {
namespace {

int scripted_result = 2;
int spend_answer = 0;

class Making : public CraftTest {
protected:
    void SetUp() override {
        CraftTest::SetUp();
        saved_roll = skill_successroll;
        saved_random = skill_random;
        skill_successroll = [](int, int) { return scripted_result; };
        skill_random = [](int) { return 5; };   // no random share in the work time
        scripted_result = 2;
        spend_answer = 0;
        SpendAsk = SpendAbortAsk = [](const char *) { return spend_answer; };
        PVAM_EMERGENCY = 0;
        dir->write_file("diy_test.txt",
                        ".Peg. *CARPENTRY* /10/ (2) [patch:5] \"Wooden stake\"\n{Birch twig} (1) [remove] [patchwise]\n\n"
                        ".Birch-bark box. *CARPENTRY* /30/ (1)\n{Birch twig} (1) [remove]\n\n"
                        ".Dried stake. *CARPENTRY* /30/ \\2d\\ \"Wooden stake\"\n{Birch twig} (1) [remove]\n\n"
                        "[SUBMENU_START:Baskets]\n.Birch-bark basket. *CARPENTRY* /30/ (4)\n{Birch twig} (1) [remove]\n"
                        "[SUBMENU_END:Baskets]\n");
        dir->write_file("menudef_test.txt", ".Baskets. *MAKE* -K-\n");
    }
    void TearDown() override {
        skill_successroll = saved_roll;
        skill_random = saved_random;
        PVAM_EMERGENCY = 0;
        CraftTest::TearDown();
    }
    static void skill(const char *name, int level) {
        copy_bounded(Plr.skill_name[0], PLR_SKILLNAME, name);
        Plr.skill_level[0] = (uint8_t)level;
    }
    static int carried(const char *name) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && name_of(ObjToItem(Plr.inv_obj[s])) == name) n += Plr.inv_count[s];
        return n;
    }
    static std::string name_of(const ItemStruct &it) {
        char n[41];
        return item_name(it, n);
    }
    static int grade_of(const char *name) {
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && name_of(ObjToItem(Plr.inv_obj[s])) == name) {
                ItemStruct it = ObjToItem(Plr.inv_obj[s]);
                return ItemGet_laatu(&it);
            }
        return -1;
    }
    int (*saved_roll)(int, int) = nullptr;
    int (*saved_random)(int) = nullptr;
};

TEST_F(Making, ThreePatchesOfTwoMakeSixInThreeTimesTheWork) {
    carry(def("Birch twig"), 5);
    push_key(SDLK_3);
    push_key(SDLK_SPACE);
    Tee(-1, 0, "Peg");
    EXPECT_EQ(carried("Peg"), 6);
    EXPECT_EQ(carried("Birch twig"), 2);
    EXPECT_EQ(Plr.minutes, 30u);
}

TEST_F(Making, TheSkillRollIsCappedByTheMaterials) {
    skill("CARPENTRY", 45);
    scripted_result = 3;
    carry(graded("Birch twig", 5), 1);
    push_key(SDLK_SPACE);
    Tee(-1, 352, "");
    EXPECT_EQ(grade_of("Birch-bark box"), 4);

    carry(graded("Birch twig", 2), 1);
    push_key(SDLK_SPACE);
    Tee(-1, 352, "");
    EXPECT_EQ(grade_of("Birch-bark box"), 4) << "the first box is kept as it was";
    int twos = 0;
    for (int s = 0; s < PLR_SLOTS; s++) {
        ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (Plr.inv_obj[s] && name_of(it) == "Birch-bark box" && ItemGet_laatu(&it) == 2) twos++;
    }
    EXPECT_EQ(twos, 1);
    EXPECT_STREQ(lastnote, "_You could have done better, but can't make good out of bad.");
}

TEST_F(Making, AMaturingProductWaitsOnTheSquare) {
    carry(def("Birch twig"), 1);
    Plr.minutes = 1000;
    push_key(SDLK_SPACE);
    Tee(-1, 0, "Dried stake");
    const uint32_t done = Plr.minutes;
    int rec = -1;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_WORK) rec = i;
    ASSERT_GE(rec, 0);
    EXPECT_EQ(Data[rec].x, PlayerX);
    EXPECT_EQ(Data[rec].ready_minute, done + 2880);
    EXPECT_EQ(name_of(ObjToItem((int)Data[rec].id)), "Dried stake");
    EXPECT_EQ(carried("Dried stake"), 0);
    EXPECT_STREQ(lastnote, "_This process should be complete in 2 days.");
}

TEST_F(Making, AnEmergencyQuadruplesTheWork) {
    carry(def("Birch twig"), 1);
    PVAM_EMERGENCY = 1;
    scripted_result = 2;
    push_key(SDLK_SPACE);
    Tee(-1, 352, "");
    EXPECT_EQ(Plr.minutes, 120u);
}

TEST_F(Making, ClothingIsAlwaysOfOrdinaryQuality) {
    skill("CARPENTRY", 95);
    scripted_result = 3;
    carry(Luo_Sommelo(5), 4);
    carry(def("Knife"), 1);
    push_key(SDLK_SPACE);
    Tee(-1, 0, "Birch-bark shoes");
    EXPECT_EQ(grade_of("Birch-bark shoes"), 3);
}

TEST_F(Making, EscDuringTheWorkGivesEveryMaterialBack) {
    const int slot = carry(def("Birch twig"), 3);
    const int obj = Plr.inv_obj[slot];
    const int ground = lay(def("Birch twig"), 1);
    spend_answer = 1;
    push_key(SDLK_SPACE);
    push_key(SDLK_ESCAPE);
    Tee(-1, 352, "");
    EXPECT_EQ(Plr.inv_obj[slot], obj);
    EXPECT_EQ(Plr.inv_count[slot], 3);
    EXPECT_EQ(Data[ground].count, 1);
    EXPECT_EQ(dp_varaus(Data[ground]), 0);
    EXPECT_EQ(carried("Birch-bark box"), 0);
}

TEST_F(Making, AMissingFireIsToldAndNothingIsTaken) {
    carry(def("Slender tree trunk"), 1);
    carry(def("Knife"), 1);
    Tee(-1, 0, "Wooden spear");
    EXPECT_STREQ(lastnote, "!The setting you are at now doesn't meet the requirements!");
    EXPECT_EQ(carried("Slender tree trunk"), 1);
    EXPECT_EQ(carried("Wooden spear"), 0);
}

TEST_F(Making, MenusAreComposedFromTheRecipeFiles) {
    Valinta_Tyhjaa();
    Lisaa_esine_menuvalinnat("diy_*.*", "", "weapon");
    auto texts = [] {
        std::string all;
        for (int i = 0; i < ValintojenMaara; i++) all += std::string(ValintaEntry[i].text) + "|";
        return all;
    };
    EXPECT_NE(texts().find("Wooden spear"), std::string::npos);
    EXPECT_NE(texts().find("Arrow (5 pieces)"), std::string::npos);
    Valinta_Tyhjaa();
    Lisaa_esine_menuvalinnat("diy_*.*", "", "");
    EXPECT_EQ(texts().find("Wooden spear"), std::string::npos) << "a submenu's recipe stays out of the top menu";
    EXPECT_NE(texts().find("Peg (2 pieces)"), std::string::npos);
    Valinta_Tyhjaa();
    Lisaa_esine_menuvalinnat("diy_*.*", "CARPENTRY", "allmenu");
    EXPECT_NE(texts().find("Wooden spear"), std::string::npos);
    EXPECT_EQ(texts().find("Torch"), std::string::npos) << "a recipe of another skill";

    compose_menu("make");
    EXPECT_STREQ(menustruct[0].name, "Birch-bark work");
    EXPECT_STREQ(menustruct[1].name, "Baskets");
    EXPECT_EQ(menustruct[1].key, 'K');
    Valinta_Tyhjaa();
    Lisaa_esine_menuvalinnat("diy_*.*", "", "Baskets");
    EXPECT_NE(texts().find("Birch-bark basket (4 pieces)"), std::string::npos);

    Valinta_Tyhjaa();
    Lisaa_esine_menuvalinnat("biy_*.*", "", "kota");
    EXPECT_NE(texts().find("Kota framework"), std::string::npos);
    EXPECT_EQ(ValintaEntry[0].action, 240);
    EXPECT_EQ(ValintaEntry[0].value, 41);
}

TEST_F(Making, TakingApartTakesThePausedTimeAndKeepsTheRest) {
    spend_answer = 1;
    const int x = PlayerX + 1, y = PlayerY;
    maailma[mapidx(x, y)] = 42;   // a fence
    Data[0].type = DT_PAUSED_BUILDING;
    Data[0].x = (uint16_t)x, Data[0].y = (uint16_t)y;
    Data[0].id = 42;
    Data[0].spent_minutes = 20;
    Data[0].ready_minute = 60;
    EXPECT_EQ(Pura(-1, x, y), 1);
    EXPECT_EQ(Plr.minutes, 20u);
    EXPECT_EQ(get_mapchar(x, y), 250);
    EXPECT_STREQ(lastnote, "You successfully deconstructed the fence.");
    int stakes = 0, paused = 0;
    for (const DataStruct &d : Data) {
        if (d.type == DT_ITEM && d.x == x && d.y == y && (int)d.id == row("Wooden stake")) stakes += d.count;
        if (d.type == DT_PAUSED_BUILDING) paused++;
    }
    EXPECT_EQ(stakes, 4) << "the fence's own stakes fall to the ground";
    EXPECT_EQ(paused, 0);
}

TEST_F(Making, AnInterruptedTakingApartLeavesTheMinutesLeft) {
    const int x = PlayerX + 1, y = PlayerY;
    maailma[mapidx(x, y)] = 42;
    // The fence takes 60 minutes to build, 40 to take apart; Esc after the first minute.
    spend_answer = 1;
    push_key(SDLK_ESCAPE);
    EXPECT_EQ(Pura(-1, x, y), 0);
    int rec = -1;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_PAUSED_BUILDING) rec = i;
    ASSERT_GE(rec, 0);
    EXPECT_EQ(Data[rec].ready_minute, 40u);
    EXPECT_EQ(Data[rec].spent_minutes, Plr.minutes) << "the minutes done are kept";
    EXPECT_LT(Plr.minutes, 40u);
    EXPECT_EQ(get_mapchar(x, y), 42);
}

}  // namespace
}  // namespace oxatest
