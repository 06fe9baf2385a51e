// tests/activities/herblore_test.cpp -- the herbarium and its file, the identification roll, the marks
// on items, and what the player knows of a plant.
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "activities/activities.h"
#include "activities/herblore.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "common/harness.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/plants.h"
#include "worldgen/chardefs.h"

namespace {

using oxatest::TempDir;

class Herbarium : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new TempDir();
        mkdir((dir->path() + "/AINO").c_str(), 0755);
        snprintf(CharacterPath, sizeof CharacterPath, "%s/AINO", dir->path().c_str());
        memset(&Plr, 0, sizeof Plr);
        memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
        memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);
        definit_yrttidata();
        DISABLE_NOTES = 1;
    }
    void TearDown() override {
        DISABLE_NOTES = 0;
        memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);
        memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(&Plr, 0, sizeof Plr);
        CharacterPath[0] = 0;
        delete dir;
    }
    static void herblore_level(int level) {
        copy_bounded(Plr.skill_name[0], PLR_SKILLNAME, "HERBLORE");
        Plr.skill_level[0] = (uint8_t)level;
    }
    static void culture(int c) { reinterpret_cast<uint8_t *>(&Plr)[13] = (uint8_t)c; }
    static ItemStruct plant(const char *name, const char *skill = "") {
        ItemStruct it;
        memset(&it, 0, sizeof it);
        it.type = IT_PLANT;
        it.id = 430;   // grass
        SET_ITEM_TEXT(it.name, name);
        SET_ITEM_TEXT(it.skill, skill);
        return it;
    }
    static int row_of(const char *name) { return KasvioPos(plant(name)); }
    std::vector<uint8_t> file() const { return oxatest::read_bytes(dir->path() + "/AINO/HERBLORE.DAT"); }
    void put_file(const std::vector<uint8_t> &bytes) const {
        FILE *f = fopen((dir->path() + "/AINO/HERBLORE.DAT").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        if (!bytes.empty()) fwrite(bytes.data(), 1, bytes.size(), f);
        fclose(f);
    }
    static std::vector<uint8_t> records(int n) {
        std::vector<uint8_t> bytes((size_t)n * HERBARIUM_RECORD, 0);
        for (int i = 0; i < n; i++) {
            KasvioStruct k;
            memset(&k, 0, sizeof k);
            char name[20];
            snprintf(name, sizeof name, "Plant %d", i);
            k.plant = plant(name);
            k.mark = (uint8_t)(2 + i % 90);
            memcpy(&bytes[(size_t)i * HERBARIUM_RECORD], &k, sizeof k);
        }
        return bytes;
    }
    TempDir *dir = nullptr;
};

TEST_F(Herbarium, FileKeepsRowsPackedAtTheirOffsetsAndReadsOnlyWholeRecords) {
    HERBLORE_lisaa_kasvioon(plant("Yarrow"), 0, 40);
    HERBLORE_lisaa_kasvioon(plant("Gap"), 0, 10);
    HERBLORE_lisaa_kasvioon(plant("Sorrel"), 1, 0);
    const int sorrel = row_of("Sorrel");
    HerbloreKasvio[sorrel].exam_hour = 0x11223344;
    memset(&HerbloreKasvio[row_of("Gap")], 0, sizeof(KasvioStruct));   // a free row between two
    ASSERT_EQ(HERBLORE_save(), 1);
    const std::vector<uint8_t> bytes = file();
    ASSERT_EQ(bytes.size(), 2u * HERBARIUM_RECORD);
    EXPECT_STREQ((const char *)&bytes[HERBARIUM_RECORD + 13], "Sorrel") << "the name at 4 + 9";
    EXPECT_EQ(bytes[HERBARIUM_RECORD + 176], 1) << "the mark";
    uint32_t hour;
    memcpy(&hour, &bytes[HERBARIUM_RECORD + 360], 4);
    EXPECT_EQ(hour, 0x11223344u);
    EXPECT_EQ(bytes[1], 40) << "the difficulty";

    HERBLORE_lue_kasvio();
    EXPECT_EQ(row_of("Yarrow"), 0);
    EXPECT_EQ(row_of("Sorrel"), 1) << "the gap closed";
    EXPECT_EQ(HerbloreKasvio[2].plant.name[0], 0);

    // Whole records only, at most a hundred; a cut record or a 101st is left unread.
    const struct {
        int whole, cut_bytes, rows;
        const char *last;
    } cases[] = {{2, 100, 2, "Plant 1"}, {100, 0, 100, "Plant 99"}, {101, 0, 100, "Plant 99"}, {0, 423, 0, ""}};
    for (const auto &c : cases) {
        std::vector<uint8_t> b = records(c.whole);
        if (c.cut_bytes) {
            std::vector<uint8_t> extra = records(1);
            b.insert(b.end(), extra.begin(), extra.begin() + c.cut_bytes);
        }
        put_file(b);
        HERBLORE_lue_kasvio();
        int named = 0;
        for (const KasvioStruct &k : HerbloreKasvio) named += k.plant.name[0] != 0;
        EXPECT_EQ(named, c.rows) << c.whole << " whole";
        if (c.rows) {
            EXPECT_STREQ(HerbloreKasvio[0].plant.name, "Plant 0") << "row 0 is never written over";
            EXPECT_STREQ(HerbloreKasvio[c.rows - 1].plant.name, c.last);
        }
    }
}

TEST_F(Herbarium, SaveThatFailsLeavesTheOldFile) {
    HERBLORE_lisaa_kasvioon(plant("Yarrow"), 0, 40);
    ASSERT_EQ(HERBLORE_save(), 1);
    const std::vector<uint8_t> before = file();
    HERBLORE_lisaa_kasvioon(plant("Sorrel"), 0, 30);
    save_begin();
    HERBLORE_save();
    save_fail("another file of the save");
    EXPECT_FALSE(save_commit());
    EXPECT_EQ(file(), before);
}

// The file holds the list after every save, whether it held it already or a list of as many rows
// otherwise, outside a save and inside one (whose commit brings in what it staged).
TEST_F(Herbarium, SavedFileHoldsTheList) {
    HERBLORE_lisaa_kasvioon(plant("Yarrow"), 0, 40);
    ASSERT_EQ(HERBLORE_save(), 1);
    const struct {
        bool in_save, changed;
    } cases[] = {{false, false}, {false, true}, {true, false}, {true, true}};
    int difficulty = 40;
    for (const auto &c : cases) {
        if (c.changed) HerbloreKasvio[row_of("Yarrow")].difficulty = ++difficulty;
        if (c.in_save) save_begin();
        EXPECT_EQ(HERBLORE_save(), 1);
        if (c.in_save) {
            EXPECT_TRUE(save_commit());
        }
        const std::vector<uint8_t> bytes = file();
        ASSERT_EQ(bytes.size(), sizeof(KasvioStruct)) << c.in_save << c.changed;
        EXPECT_EQ(memcmp(bytes.data(), &HerbloreKasvio[row_of("Yarrow")], sizeof(KasvioStruct)), 0) << c.in_save << c.changed;
    }
}

TEST_F(Herbarium, FullTableLeavesANewSpeciesOut) {
    for (int i = 0; i < HERBARIUM_ROWS; i++) {
        char name[20];
        snprintf(name, sizeof name, "Plant %d", i);
        HERBLORE_lisaa_kasvioon(plant(name), 0, 20);
    }
    const KasvioStruct first = HerbloreKasvio[0];
    HERBLORE_lisaa_kasvioon(plant("One too many"), 1, 0);
    EXPECT_EQ(row_of("One too many"), -1);
    EXPECT_EQ(memcmp(&first, &HerbloreKasvio[0], sizeof first), 0);
}

// The roll made when the plant definitions are built, through the plant data's tags.
TEST_F(Herbarium, IdentificationRollFollowsCultureAndCommonness) {
    dir->write_file("flora_test.txt",
                    ".Known herb. [grass]\n[NAME:Herba nota][COMMONNESS:5][HERB_KNOWN:kau sea]\n\n"
                    ".Common herb. [grass]\n[NAME:Herba vulgaris][COMMONNESS:90][HERB_COMMON:eastern]\n\n"
                    ".Foreign herb. [grass]\n[NAME:Herba aliena][COMMONNESS:5][HERB_KNOWN:sea]\n");
    culture(0);
    const int levels[] = {0, 50, 90};
    for (int level : levels) {
        herblore_level(level);
        for (unsigned seed = 1; seed <= 40; seed++) {
            srand(seed);
            LuoKasvit();
            const KasvioStruct &known = HerbloreKasvio[row_of("Known herb")];
            EXPECT_EQ(known.mark, 1);
            EXPECT_EQ(known.difficulty, 0);
            const KasvioStruct &common = HerbloreKasvio[row_of("Common herb")];
            if (common.mark == 1) continue;
            const int d = common.difficulty;
            const bool drawn = d >= 2 && d <= 6 && d >= level;
            const bool raised = d >= level + 5 && d <= level + 14;
            EXPECT_TRUE(drawn || raised || (d == 95 && level + 5 >= 95)) << "level " << level << " difficulty " << d;
            EXPECT_LE(d, 95);
            EXPECT_GE(common.mark, 2);
            EXPECT_LE(common.mark, 99);
        }
    }
    // The file keeps a species' roll: the next build draws nothing new for it.
    herblore_level(0);
    LuoKasvit();
    ASSERT_EQ(HERBLORE_save(), 1);
    const KasvioStruct foreign = HerbloreKasvio[row_of("Foreign herb")];
    srand(99);
    LuoKasvit();
    EXPECT_EQ(HerbloreKasvio[row_of("Foreign herb")].mark, foreign.mark);
    EXPECT_EQ(HerbloreKasvio[row_of("Foreign herb")].difficulty, foreign.difficulty);
}

// The herb a quest asks for grows where the plants are sown: its region read as the map maker reads it.
TEST_F(Herbarium, TheSeasonalHerbGrowsInItsRegion) {
    dir->write_file("flora_test.txt",
                    ".Southwort. [grass]\n[NAME:Herba australis][SPROUT:4][WITHER:10][REGION:South][LEAF_VOLUME:bunch]\n");
    LuoKasvit();
    Plr.month = 6;
    const struct {
        int y;
        bool found;
    } rows[] = {{1501, true}, {2000, true}, {1500, false}, {800, false}};
    for (const auto &r : rows) {
        const ItemStruct herb = seasonal_herb(1000, r.y, "herb");
        EXPECT_EQ(strcmp(herb.name, "Southwort leaves") == 0, r.found) << r.y << ": " << herb.name;
    }
}

TEST_F(Herbarium, MarksSpreadOverTheSpeciesAndIdentifiedNeverReverts) {
    HERBLORE_lisaa_kasvioon(plant("Yarrow", "Achillea"), 0, 40);
    const int row = row_of("Yarrow");
    HerbloreKasvio[row].mark = 37;
    ItemStruct whole = plant("Yarrow", "Achillea"), flowers = plant("Yarrow flowers", "Yarrow"),
               known = flowers, other = plant("Sorrel", "Rumex");
    flowers.type = known.type = other.type = IT_FOOD;
    flowers.id = known.id = other.id = OID_FLOWER;
    known.plantname = 1;
    ConstantObj[10] = whole;
    PlayerObj[5] = flowers;
    PlayerObj[6] = known;
    PlayerObj[7] = other;
    PlayerObj[PLAYEROBJ_COUNT - 1] = flowers;
    aseta_unid();
    EXPECT_EQ(PlayerObj[PLAYEROBJ_COUNT - 1].plantname, 37) << "the table's last item";
    EXPECT_EQ(ConstantObj[10].plantname, 37);
    EXPECT_EQ(PlayerObj[5].plantname, 37);
    EXPECT_EQ(PlayerObj[6].plantname, 1) << "an identified item stays identified";
    EXPECT_EQ(PlayerObj[7].plantname, 0) << "another species";
    EXPECT_EQ(KasvioPos(PlayerObj[5]), row) << "a part finds its plant by its SKILL";
    EXPECT_STREQ(ISANTAKASVI(PlayerObj[5]), "Yarrow");
    EXPECT_STREQ(ISANTAKASVI(PlayerObj[7]), "unknown");
    // The unknown species is named by its mark's row of the plant-name list.
    copy_bounded(UFLORA[37], UFLORA_SIZE, "feathery");
    EXPECT_EQ(PlayerObj[5].plantname, 37);
    EXPECT_EQ(ConstantObj[10].plantname, 37);
    EXPECT_STREQ(enimi(OBJ_PLAYER_FIRST + 5, 2, 0), "stale feathery flowers");
    EXPECT_STREQ(enimi(OBJ_PLAYER_FIRST + 6, 2, 0), "stale yarrow flowers") << "she knows it";

    // Items at hand of the same mark are recognised; the species is not.
    Plr.inv_obj[3] = OBJ_PLAYER_FIRST + 5;
    Plr.inv_count[3] = 1;
    tunnista_invkasvit(37);
    EXPECT_EQ(PlayerObj[5].plantname, 1);
    EXPECT_STREQ(enimi(OBJ_PLAYER_FIRST + 5, 2, 0), "stale yarrow flowers");
    EXPECT_EQ(ConstantObj[10].plantname, 37);
    // Learning the species names every item of it by its own name.
    HERBLORE_aseta_kasvitieto(row, 1);
    EXPECT_EQ(ConstantObj[10].plantname, 1);
    EXPECT_STREQ(enimi(OBJ_PLAYER_FIRST + PLAYEROBJ_COUNT - 1, 2, 0), "stale yarrow flowers");
    UFLORA[37][0] = 0;
}

// What she knows of a plant: the lines shown, their wording and the edibility verdict.
TEST_F(Herbarium, KnowledgeFollowsBudgetFeltEffectsAndBoiling) {
    dir->write_file("flora_test.txt",
                    ".Nettle. [grass]\n[NAME:Urtica][EFFECT_RAW:gut_irritating][REMOVE_BOILED:gut_irritating]\n\n"
                    ".Berry. [berry]\n[NAME:Bacca][EFFECT_RAW:tonic astringent][EFFECT_BOILED:pectoral]\n\n"
                    ".Cap. [mushroom]\n[NAME:Fungus][EFFECT_RAW:poisonous nausea analgesic sedative]\n");
    herblore_level(60);
    const uint32_t GUT = 1u << 6, TONIC = 1u << 14, ASTR = 1u << 11, POIS = 1u << 5, NAUS = 1u << 1,
                   ANALG = 1u << 8, SED = 1u << 18;
    const struct {
        const char *name;
        uint32_t raw;
        int mark, difficulty, unid;
        uint32_t felt;
        int verdict, known, total;
        const char *line;   // a line that must be shown
        const char *hidden; // a line that must not be
    } cases[] = {
        // Identified species, budget (60 - 50) / 10 + 2 = 3.
        {"Nettle", GUT, 1, 50, 1, 0, 2, 2, 2, "is mildly poisonous and irritates the stomach and throat", nullptr},
        {"Berry", TONIC | ASTR, 1, 50, 1, 0, 3, 4, 4, "helping to restore", nullptr},
        // Budget 4 reveals the four lowest effects first.
        {"Cap", POIS | NAUS | ANALG | SED, 1, 40, 1, 0, 1, 5, 5, "causes nausea", nullptr},
        {"Cap", POIS | NAUS | ANALG | SED, 1, 60, 1, 0, 1, 3, 5, "is poisonous", "soothes and relaxes"},
        // Not identified, budget 0: only a felt effect shows, in the felt wording.
        {"Cap", POIS | NAUS | ANALG | SED, 37, 90, 37, NAUS, 1, 2, 5, "makes you sick in your stomach", "is poisonous"},
        {"Cap", POIS | NAUS | ANALG | SED, 37, 90, 37, 0, 0, 0, 4, nullptr, "causes nausea"},
        // An identified specimen, budget 1: the poison it did not reach still judges it.
        {"Cap", POIS | NAUS | ANALG | SED, 37, 90, 1, 0, 1, 2, 5, "causes nausea", "is poisonous"},
        // A mushroom without effects is judged edible once she may judge it, and not before.
        {"Chanterelle", 0, 1, 50, 1, 0, 3, 1, 1, nullptr, nullptr},
        {"Chanterelle", 0, 37, 50, 37, 0, 0, 0, 0, nullptr, nullptr},
    };
    for (const auto &c : cases) {
        memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);
        ItemStruct it = plant(c.name);
        it.raw = c.raw;
        HERBLORE_lisaa_kasvioon(it, 0, (unsigned char)c.difficulty);
        KasvioStruct &k = HerbloreKasvio[0];
        k.mark = (uint8_t)c.mark;
        k.felt = c.felt;
        it.plantname = (uint8_t)c.unid;
        const int known = KASVIDATA_yrttitieto(it, 0);
        EXPECT_EQ(herbinfo_syomakelpoisuus, c.verdict) << c.name << " " << c.difficulty;
        EXPECT_EQ(known, c.known) << c.name << " " << c.difficulty;
        EXPECT_EQ(herbinfo_maxtr, c.total) << c.name << " " << c.difficulty;
        std::string all;
        for (int l = 0; l < HERBINFO_LISTS; l++)
            for (int n = 0; n < herbinfo_count[l]; n++) all += std::string(herbinfo_lines[l][n]) + "|";
        if (c.line) {
            EXPECT_NE(all.find(c.line), std::string::npos) << c.name << ": " << all;
        }
        if (c.hidden) {
            EXPECT_EQ(all.find(c.hidden), std::string::npos) << c.name << ": " << all;
        }
    }
    // Nettle boiled loses its sting: "not edible raw" in the box.
    memset(HerbloreKasvio, 0, sizeof HerbloreKasvio);
    ItemStruct nettle = plant("Nettle");
    nettle.raw = GUT;
    nettle.plantname = 1;
    HERBLORE_lisaa_kasvioon(nettle, 1, 0);
    KASVIDATA_yrttitieto(nettle, 0);
    EXPECT_EQ(herbinfo_count[HERBINFO_UNLESS_BOILED], 1);
    herb_infobox("Nettle", 1);
    std::string words;
    for (int i = 0; i < SanaTaulukko_ENTRY; i++) words += std::string(SanaTaulukko[i]) + " ";
    EXPECT_NE(words.find("It is not edible raw."), std::string::npos) << words;
    EXPECT_NE(words.find("It's completely known to you."), std::string::npos) << words;
}

}  // namespace
