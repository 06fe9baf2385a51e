// tests/worldgen/culturegoods_test.cpp -- the culture tables: wealth and quality, the animals kept
// and the neighbours, every name the goods lists draw from, what each culture's lists give, the
// "!BUG!" stop of a name the catalogue lacks, and Aino's culture giving furs, food and treasure of its
// own animals.
#include "core/loader_fixture.h"
#include "worldgen/localgen_fixture.h"

#include <functional>
#include <set>
#include <string>

#include "base/ui.h"
#include "core/obj_func.h"
#include "core/creatures.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/items_test.h"
#include "items/materials.h"
#include "maps/kulttuuri.h"
#include "creatures/takeapart.h"
#include "worldgen/culturegoods.h"

namespace {

class CultureTables : public LocalGenTest {
protected:
    void SetUp() override {
        LocalGenTest::SetUp();
        build_objdef_rows();
    }
    void TearDown() override {
        Tyhjaa_Esinelista();
        ui_script_clear();
        LocalGenTest::TearDown();
    }
    // The upper-case catalogue name of what a maker gave.
    static std::string name_of(int obj) {
        char n[41];
        std::string s = item_name(ObjToItem(obj), n);
        for (char &c : s) c = (char)toupper((unsigned char)c);
        return s;
    }
    // Every distinct thing a maker gives in many draws.
    template <class F> static std::set<std::string> draws(F make, int n = 400) {
        std::set<std::string> got;
        for (int i = 0; i < n; i++) got.insert(name_of(make()));
        return got;
    }
};

TEST_F(CultureTables, WealthQualityClothingAnimalsAndNeighboursStayInTheirRanges) {
    const struct {
        int culture, wealth;
    } wealth[] = {{0, 2}, {1, 5}, {12, 5}, {13, 2}, {14, 3}, {200, 3}, {-1, 3}};
    for (const auto &w : wealth) EXPECT_EQ(kult_varallisuus(w.culture), w.wealth) << w.culture;

    // Each rule: the lowest and highest result allowed, and whether every value between must turn up.
    const struct {
        const char *what;
        int (*draw)(int);
        int arg, lo, hi;
        bool all_seen;
    } ranges[] = {
        {"varalaatu(0)", varalaatu, 0, 3, 3, true},       {"varalaatu(3)", varalaatu, 3, 2, 4, true},
        {"varalaatu(5)", varalaatu, 5, 3, 5, true},       {"varalaatu(1)", varalaatu, 1, 2, 2, true},
        {"vaateluokka(2)", var_vaateluokka, 2, 2, 2, true}, {"vaateluokka(4)", var_vaateluokka, 4, 1, 2, true},
        {"vaateluokka(0)", var_vaateluokka, 0, 0, 2, true}, {"Conflict(0)", ConflictNeighbour, 0, 8, 10, false},
        {"Distant(12)", DistantNeighbour, 12, 10, 10, true},
        {"Conflict(-3)", ConflictNeighbour, -3, 10, 10, true},
    };
    for (const auto &r : ranges) {
        std::set<int> seen;
        for (int i = 0; i < 600; i++) {
            const int v = r.draw(r.arg);
            EXPECT_TRUE(v >= r.lo && v <= r.hi) << r.what << " gave " << v;
            seen.insert(v);
        }
        if (r.all_seen) {
            EXPECT_EQ((int)seen.size(), r.hi - r.lo + 1) << r.what;
        }
    }

    // The animals kept: a row's species, or a dog one time in five.
    const struct {
        int culture;
        std::set<int> species;
    } kept[] = {{13, {618}}, {99, {618}}, {7, {619, 618}}, {10, {618}}, {0, {616, 615, 618}}, {12, {618, 615, 616}},
                {1, {609, 615, 616, 618}}};
    for (const auto &k : kept) {
        std::set<int> seen;
        for (int i = 0; i < 600; i++) seen.insert(KULTTUURI_kotielain(k.culture));
        EXPECT_EQ(seen, k.species) << k.culture;
    }
}

TEST_F(CultureTables, EveryNameOfTheGoodsListsIsInTheCatalogue) {
    int names = 0, exact = 0;
    for (const char *name; (name = culture_goods_name(names, &exact)); names++)
        EXPECT_NE(object(name, exact), 0) << "\"" << name << "\" would stop play with the !BUG! box";
    EXPECT_GT(names, 250);
    EXPECT_EQ(culture_goods_name(-1, &exact), nullptr);
}

TEST_F(CultureTables, AMissingNameStopsPlayForAKeyAndGivesNothing) {
    const int keys[] = {' ', 'x'};
    ui_script_keys(keys, 2);
    Tyhjaa_Esinelista();
    Esinelista_Entry("NO SUCH THING");
    EXPECT_EQ(Arvo_Esine_Listasta(), 0);
    EXPECT_EQ(ui_script_left(), 1) << "one key went to the box";
    Tyhjaa_Esinelista();
    EXPECT_EQ(Arvo_Esine_Listasta(), object("BRANCH", 1)) << "an empty list gives a branch";
    EXPECT_EQ(ui_script_left(), 1);
}

TEST_F(CultureTables, EachCultureDrawsFromItsOwnLines) {
    using Set = std::set<std::string>;
    const Set branch = {"BRANCH"};
    const struct {
        const char *what;
        std::function<int()> make;
        Set allowed;
        bool all_seen;
    } cases[] = {
        {"head armour of 0", [] { return KULTTUURIESINE_headarmour(0, 1); }, branch, true},
        {"head armour of 10", [] { return KULTTUURIESINE_headarmour(10, 0); }, branch, true},
        {"head armour of 14", [] { return KULTTUURIESINE_headarmour(14, 1); }, branch, true},
        {"heavy head armour of 11", [] { return KULTTUURIESINE_headarmour(11, 1); },
         {"IRON HELM", "MAIL COWL", "LONG MAIL COWL"}, true},
        {"light body armour of 12", [] { return KULTTUURIESINE_bodyarmour(12, 0); },
         {"FUR CLOAK", "LEATHER SHIRT", "LEATHER CUIRASS", "FUR SHIRT"}, true},
        {"jewellery of 12", [] { return KULTTUURIESINE_Aarrekoru(12); },
         {"BRONZE BROOCH", "SMALL BRONZE BROOCH", "SILVER RING", "SILVER CHAIN BRACELET", "BRONZE BRACELET",
          "BRONZE BALL PENDANT"},
         true},
        {"hunting weapon of 1 without staffs", [] { return KULTTUURIESINE_Era_ase(1, 1); },
         {"HANDAXE", "WOODSMAN'S AXE", "SPEAR"}, true},
        {"hunting weapon of 12 without clubs", [] { return KULTTUURIESINE_Era_ase(12, 1); },
         {"HANDAXE", "WOODSMAN'S AXE", "SPEAR", "MACE"}, true},
        {"everyday knife of 13", [] { return KULTTUURIESINE_Arkipuukko(13); }, {"SMALL KNIFE", "KNIFE"}, true},
        {"arrows of 5", [] { return KULTTUURIESINE_Nuoli(5); }, {"ARROW"}, true},
        {"arrows of 2", [] { return KULTTUURIESINE_Nuoli(2); }, {"ARROW", "BROADHEAD ARROW", "BLUNT ARROW"}, true},
        {"bow of 7", [] { return KULTTUURIESINE_Jousi(7); }, {"SHORTBOW", "JUNIPER BOW", "NORTHERN BOW"}, true},
    };
    for (const auto &c : cases) {
        const Set got = draws(c.make);
        for (const std::string &n : got) EXPECT_TRUE(c.allowed.count(n)) << c.what << " gave " << n;
        if (c.all_seen) {
            EXPECT_EQ(got.size(), c.allowed.size()) << c.what;
        }
    }
    // Clothes of a grade other than 0 and 3 are things of their own with the grade known.
    const int shoes = KULTTUURIESINE_Kengat(0, 5);
    ASSERT_GE(shoes, OBJ_PLAYER_FIRST);
    EXPECT_EQ(ItemGet_laatu(&PlayerObj[shoes - OBJ_PLAYER_FIRST]), 5);
    EXPECT_TRUE(on_laatutieto(&PlayerObj[shoes - OBJ_PLAYER_FIRST]));
    EXPECT_LT(KULTTUURIESINE_Housut(0, 3), CONSTANTOBJ_ROWS) << "the ordinary grade is the catalogue thing";
    memset(ConstantCre, 0, sizeof ConstantCre);
    EXPECT_EQ(getcultAnim(0, 1), 0) << "without templates a culture knows no animal";
    EXPECT_STREQ(cultAnimName(0, 2), "animal");
    EXPECT_EQ(KULTTUURIESINE_Turkis(0, 0), 0);
}

// ---- Aino's game: the templates of her load, her culture's animals ------------------------------

using AinosCulture = oxatest::LoaderTest;

TEST_F(AinosCulture, GivesFursFoodAndTreasureOfItsOwnAnimals) {
    ASSERT_EQ(loader(), 0);
    const int c = get_alltime_kulttuuri((int)Plr.world_x, (int)Plr.world_y);
    ASSERT_TRUE(c >= 0 && c < 10) << c;
    const uint16_t bit = (uint16_t)(1u << c);
    for (int kind = 1; kind <= 4; kind++) {
        const int t = getcultAnim(c, kind);
        ASSERT_GT(t, 0) << "kind " << kind;
        const CreatureStruct &a = ConstantCre[t];
        EXPECT_TRUE((kind == 2 || kind == 4 ? a.gamecultures : a.peltcultures) & bit) << a.species;
        if (kind == 3) {
            EXPECT_LE(a.weight, 12.0f) << a.species;
        }
        if (kind == 4) {
            EXPECT_EQ(a.kind, 21) << a.species;
        }
    }
    // A fur of the culture's pelt animals at the grade asked; the kota's reindeer hide.
    const int fur = KULTTUURIESINE_Turkis(c, 5);
    ASSERT_GE(fur, OBJ_PLAYER_FIRST);
    const ItemStruct f = ObjToItem(fur);
    EXPECT_EQ(f.type, IT_SKIN);
    EXPECT_TRUE(f.id == 412 || f.id == 413) << f.id;
    EXPECT_EQ(ItemGet_laatu(&f), 5);
    const int cover = hae_esine_tarvike(70);   // what a kota taken apart gives back for its cover
    ASSERT_GE(cover, OBJ_PLAYER_FIRST);
    const ItemStruct hide = ObjToItem(cover);
    EXPECT_EQ(ItemGet_laatu(&hide), 1);
    EXPECT_NE(std::string(hide.name).find("reindeer"), std::string::npos) << hide.name;
    // Cooked game and fish: food, never raw.
    for (int food : {KULTTUURIESINE_Eraruoka(c), KULTTUURIESINE_Arkiruoka(c), KULTTUURIESINE_ValmistettuKala(c)}) {
        ASSERT_GT(food, 0);
        const ItemStruct it = ObjToItem(food);
        EXPECT_EQ(it.type, IT_FOOD) << it.name;
        EXPECT_NE(it.id, 500u) << it.name;
    }
    // Her culture's everyday treasure: five to seven things and up to two jewels, each counted.
    static DataPoolStruct pool;
    for (int round = 0; round < 20; round++) {
        const int n = KULTTUURIAARRE_arkinen(pool, c);
        EXPECT_TRUE(n >= 5 && n <= 9) << n;
        for (int i = 0; i < n; i++) {
            EXPECT_GT(pool.rec[i].count, 0);
            EXPECT_NE(ObjToItem((int)pool.rec[i].id).type, IT_NONE);
        }
    }
}

}  // namespace
