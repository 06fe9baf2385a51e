// Object numbers: item equality, number ranges, storing, definitions, spoilage, maintenance.
#include "core/records_fixture.h"
#include "base/savecommit.h"
#include "core/crefile.h"
#include "core/tehtavat.h"

#include <functional>
#include <fstream>
#include <vector>

using namespace oxatest;

using Objects = RecordsTest;

TEST_F(Objects, StackingTest) {
    struct Case {
        const char *what;
        int type;
        std::function<void(ItemStruct &a, ItemStruct &b)> change;
        int equal;
    };
    const Case cases[] = {
        {"identical", IT_WEAPON, [](ItemStruct &, ItemStruct &) {}, 1},
        {"names differing in case", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { copy_bounded(b.name, 40, "KNIFE"); }, 1},
        {"weights 0.002 apart", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.weight = 1.002f; }, 1},
        {"weights 0.003 apart", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.weight = 1.003f; }, 0},
        {"full weights 0.003 apart", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.fullweight = 0.997f; }, 0},
        {"food of 60 and 55 days", IT_FOOD, [](ItemStruct &a, ItemStruct &b) { a.spoil = 60; b.spoil = 55; }, 1},
        {"food of 60 and 40 days", IT_FOOD, [](ItemStruct &a, ItemStruct &b) { a.spoil = 60; b.spoil = 40; }, 0},
        {"skins of 60 and 55 days", IT_SKIN, [](ItemStruct &a, ItemStruct &b) { a.spoil = 60; b.spoil = 55; }, 0},
        {"unset quality and a known ordinary one", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.quality = 3 | QUAL_KNOWN; }, 1},
        {"unset quality and an unknown ordinary one", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.quality = 3; }, 0},
        {"unset quality and a known good one", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.quality = 4 | QUAL_KNOWN; }, 0},
        {"owner flags 0 and a clearing claim", IT_WEAPON, [](ItemStruct &a, ItemStruct &) { a.ownerflags = OWN_CLEARS; }, 1},
        {"owner flags 0 and unpaid", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.ownerflags = OWN_UNPAID; }, 0},
        {"special marks", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.magic = 10; }, 0},
        {"the byte after the special mark", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.magic2 = 1; }, 0},
        {"tile symbols", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.tilesym = 'k'; }, 0},
        {"tile names", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { copy_bounded(b.tile, 13, "it-knife"); }, 0},
        {"a dim light on a weapon", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.light = 10; }, 1},
        {"a bright light on a weapon", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.light = 141; }, 0},
        {"a dim light on a tool", IT_TOOL, [](ItemStruct &, ItemStruct &b) { b.light = 10; }, 0},
        {"plant names of a fish", IT_FOOD, [](ItemStruct &, ItemStruct &b) { b.plantname = 4; }, 1},
        {"plant names of berries", IT_FOOD, [](ItemStruct &a, ItemStruct &b) { a.id = b.id = 431; b.plantname = 4; }, 0},
        {"worn flags", IT_ARMOUR, [](ItemStruct &, ItemStruct &b) { b.status = ISTAT_WORN; }, 0},
        {"herb effects", IT_FOOD, [](ItemStruct &, ItemStruct &b) { b.raw = 2; }, 0},
        {"owner societies", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.ownersoc = 5; }, 0},
        {"prices", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.price = 8.5f; }, 0},
        {"linked vessels", IT_FOOD, [](ItemStruct &, ItemStruct &b) { b.vessel = 50001; }, 0},
        {"origins", IT_SKIN, [](ItemStruct &, ItemStruct &b) { b.origin = 605; }, 0},
        {"types", IT_WEAPON, [](ItemStruct &, ItemStruct &b) { b.type = IT_TOOL; }, 0},
    };
    for (const Case &c : cases) {
        ItemStruct a = item(c.type, "Knife", 490), b = a;
        c.change(a, b);
        EXPECT_EQ(ItemStructsEqual(a, b), c.equal) << c.what;
    }

    ItemStruct a = item(IT_WEAPON, "Knife"), b = a;
    b.status = ISTAT_PRIMARY;
    EXPECT_EQ(ItemStructsEqualEnough(a, b), 1);
}

TEST_F(Objects, NumberRangesAtTheirEdges) {
    define(1, IT_TOOL, "Stone");
    define(399, IT_TOOL, "Last row");
    copy_bounded(PlayerObj[0].name, 40, "first stored");
    copy_bounded(PlayerObj[PLAYEROBJ_COUNT - 1].name, 40, "last stored");
    copy_bounded(Temp_Item.name, 40, "scratch");

    EXPECT_STREQ(ObjToItem(0).name, "scratch");
    EXPECT_STREQ(ObjToItem(-5).name, "scratch");
    EXPECT_STREQ(ObjToItem(99900).name, "scratch");
    EXPECT_STREQ(ObjToItem(99950).name, "scratch");
    EXPECT_STREQ(ObjToItem(50000).name, "first stored");
    EXPECT_STREQ(ObjToItem(99899).name, "last stored");
    EXPECT_STREQ(ObjToItem(400).name, "");          // no such row: a blank, not a stray read
    EXPECT_STREQ(ObjToItem(49999).name, "");
    EXPECT_STREQ(Temp_Item.name, "scratch");
    EXPECT_STREQ(ObjToItem(399).name, "Last row");
    EXPECT_STREQ(ObjToItem(1).name, "Stone");
    EXPECT_STREQ(Temp_Item.name, "Stone");          // a definition passes through the scratch item

    EXPECT_EQ(AnyObjToObj(99900), 0);
    EXPECT_EQ(Item.type, 0);
    EXPECT_EQ(AnyObjToObj(450), 0);
    EXPECT_EQ(AnyObjToObj(-1), 1);
    EXPECT_STREQ(Item.name, "Stone");

    ItemStruct w = item(IT_WEAPON, "written");
    EXPECT_EQ(ItemToObjpos(w, 50000), 1);
    EXPECT_STREQ(PlayerObj[0].name, "written");
    EXPECT_EQ(ItemToObjpos(w, 7), 1);
    EXPECT_STREQ(PlayerObj[7].name, "written");
    EXPECT_EQ(ItemToObjpos(w, 99899), 1);
    for (int bad : {-1, 49900, 49999, 99900, 100000}) EXPECT_EQ(ItemToObjpos(w, bad), 0) << bad;
}

TEST_F(Objects, StoringReusesEqualItems) {
    ItemStruct knife = item(IT_WEAPON, "Knife"), axe = item(IT_WEAPON, "Axe");
    EXPECT_EQ(Luo_Esineen_Itempos(knife), 50000);
    EXPECT_EQ(Luo_Esineen_Itempos(axe), 50001);
    knife.weight = 1.002f;
    EXPECT_EQ(Luo_Esineen_Itempos(knife), 50000);
    knife.weight = 1.003f;
    EXPECT_EQ(Luo_Esineen_Itempos(knife), 50002);
    EXPECT_EQ(Esineesta_Uniikki(axe), 50003);       // a unique copy even though one exists
    EXPECT_EQ(ObjToPlayerObj(60000), 60000);
    define(3, IT_TOOL, "Rope");
    EXPECT_EQ(ObjToPlayerObj(3), 50004);
    EXPECT_STREQ(PlayerObj[4].name, "Rope");
    EXPECT_EQ(RUN_OBJMAINT, 0);

    // Near the end of the table the maintenance is asked for; a full table refuses.
    for (int i = 0; i < PLAYEROBJ_COUNT; i++) PlayerObj[i].type = IT_TOOL;
    PlayerObj[49851].type = IT_NONE;
    EXPECT_EQ(Esineesta_Uniikki(knife), 50000 + 49851);
    EXPECT_EQ(RUN_OBJMAINT, 1);
    RUN_OBJMAINT = 0;
    // A full table runs its maintenance at once: what nothing refers to is freed and the item
    // stored; when everything is still referred to, nothing is stored and the item stays.
    for (int i = 0; i < PLAYEROBJ_COUNT; i++) PlayerObj[i].ownersoc = i < 100 ? 0 : 7;
    EXPECT_GE(Luo_Esineen_Itempos(item(IT_FOOD, "Fish")), 50000);
    for (int i = 0; i < PLAYEROBJ_COUNT; i++) {
        PlayerObj[i].type = IT_TOOL;
        PlayerObj[i].ownersoc = 7;
    }
    EXPECT_EQ(Luo_Esineen_Itempos(item(IT_FOOD, "Salmon")), 0);
    for (int i = 0; i < PLAYEROBJ_COUNT; i++) ASSERT_EQ(PlayerObj[i].type, IT_TOOL) << i;
}

TEST_F(Objects, DefinitionsByName) {
    // "*RANDOM*" never picks a plant, a starred name or the excluded ids, and ends when no row
    // qualifies at all.
    define(20, IT_PLANT, "Nettle");
    define(21, IT_FOOD, "Water", 55);
    define(22, IT_TOOL, "*unmatchablestring*");
    EXPECT_EQ(object("*RANDOM*", 0), 0);

    define(10, IT_WEAPON, "Knife");
    define(11, IT_WEAPON, "Hunting knife");
    define(12, IT_WEAPON, "Knifepoint");
    for (int i = 0; i < 40; i++) {
        int r = object("knife", 0);
        EXPECT_TRUE(r == 10 || r == 11) << r;
        r = object("*RANDOM*", 0);
        EXPECT_TRUE(r >= 10 && r <= 12) << r;
    }
    EXPECT_EQ(object("KNIFE", 1), 10);
    EXPECT_EQ(object("dagger", 0), 0);
    EXPECT_EQ(object("", 0), 0);
}

TEST_F(Objects, DefinitionsById) {
    define(10, IT_FOOD, "Pike", 490);
    define(20, IT_FOOD, "Perch", 490);
    ItemStruct out;
    EXPECT_STREQ(hae_esine(out, 490).name, "Pike");
    bool saw_perch = false;
    for (int i = 0; i < 40; i++) {
        hakutapa_RANDOM = 1;
        saw_perch |= strcmp(hae_esine(out, 490).name, "Perch") == 0;
        EXPECT_EQ(hakutapa_RANDOM, 0);
    }
    EXPECT_TRUE(saw_perch);
    EXPECT_EQ(hae_esine(out, 491).type, 0);
    EXPECT_STREQ(out.name, "");
}

TEST_F(Objects, QualityByte) {
    ItemStruct it = item(IT_WEAPON, "Knife");
    EXPECT_EQ(ItemGet_laatu(&it), 3);
    it.quality = QUAL_KNOWN;
    ItemSet_laatu(9, it);
    EXPECT_EQ(ItemGet_laatu(&it), 5);
    EXPECT_EQ(on_laatutieto(&it), 1);
    it.quality = 0;
    ItemSet_tunnettulaatu(2, it);
    EXPECT_EQ(it.quality, 2 | QUAL_KNOWN);
}

TEST_F(Objects, Spoilage) {
    ItemStruct out;
    ItemStruct &fish = define(5, IT_FOOD, "Fish", 490);
    fish.spoil = 10;
    fish.price = 4;
    EXPECT_EQ(spoilItem(5, 0, 0, out, 3), 1);
    EXPECT_EQ(out.spoil, 7);

    fish.spoil = 2;
    fish.quality = 4;
    EXPECT_EQ(spoilItem(5, 0, 0, out, 1), 1);
    EXPECT_EQ(out.spoil, 1);
    EXPECT_EQ(ItemGet_laatu(&out), 2);              // stale

    fish.spoil = 3;
    EXPECT_EQ(spoilItem(5, 0, 0, out, 5), 2);
    EXPECT_EQ(out.spoil, 255);
    EXPECT_EQ(out.quality, 1 | QUAL_KNOWN);
    EXPECT_EQ(out.price, 0.0f);
    EXPECT_EQ(out.raw & 2u, 2u);

    ItemStruct &skin = define(6, IT_SKIN, "Hide", 410);
    skin.spoil = 20;
    EXPECT_EQ(spoilItem(6, 1, 0, out, 1), 2);
    EXPECT_EQ(out.fig[5], 1);

    define(7, IT_TOOL, "Rope").spoil = 3;
    EXPECT_EQ(spoilItem(7, 1, 0, out, 1), 0);
    define(8, IT_SKIN, "Cured hide", 411).spoil = 3;
    EXPECT_EQ(spoilItem(8, 1, 0, out, 1), 0);
    fish.spoil = 255;
    EXPECT_EQ(spoilItem(5, 1, 0, out, 1), 0);
}

namespace {

struct MaintenanceSetup {
    std::string crs, zoom;
};

// Ten stored objects, each referred to from one place (or from nowhere: records 4 and 9).
MaintenanceSetup build_references() {
    for (int i = 0; i < 10; i++) {
        ClrItemstruct(PlayerObj[i]);
        PlayerObj[i].type = IT_TOOL;
        snprintf(PlayerObj[i].name, sizeof PlayerObj[i].name, "object %d", i);
    }
    Plr.inv_obj[3] = 50000;
    Plr.inv_count[3] = 1;
    Data[17].type = DT_ITEM;
    Data[17].id = 50001;
    IsoData[5].type = DT_ITEM;
    IsoData[5].id = 50002;
    PlayerObj[3].ownersoc = 77;
    Cre[4].kind = 1;
    Cre[4].pack[19] = 50005;
    PlayerObj[0].vessel = 50008;

    MaintenanceSetup s;
    CreatureStruct cr;
    memset(&cr, 0, sizeof cr);
    cr.kind = 1;
    cr.worn[6] = 50006;
    s.crs.assign(reinterpret_cast<const char *>(&cr), sizeof cr);

    std::vector<char> map(ZOOM_RECORD_SIZE, 0);
    DataStruct d;
    memset(&d, 0, sizeof d);
    d.type = DT_ITEM;
    d.id = 50007;
    memcpy(map.data() + ZOOM_DATA_OFFSET + 1999 * sizeof d, &d, sizeof d);
    s.zoom.assign(map.begin(), map.end());
    return s;
}

void write(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

}  // namespace

using Maintenance = CharacterFolderTest;

TEST_F(Maintenance, KeepsEveryReferencedObjectAndClearsTheRest) {
    MaintenanceSetup s = build_references();
    write(file("HERO.CRS"), s.crs);
    write(file("ZOOMMAPS.DAT"), s.zoom);
    EXPECT_EQ(object_maintenance(), 8);
    for (int i = 0; i < 10; i++) {
        bool kept = i != 4 && i != 9;
        EXPECT_EQ(PlayerObj[i].type, kept ? IT_TOOL : IT_NONE) << i;
    }
    EXPECT_STREQ(PlayerObj[7].name, "object 7");    // numbers do not change
    EXPECT_EQ(Luo_Esineen_Itempos(item(IT_FOOD, "Fish")), 50004);   // the freed place is reused
}

// Objects named only by what the game holds outside the files and pools: the party's stack, and the
// maps a running save has stored but not yet committed (overwritten in place, and added at the end).
TEST_F(Maintenance, KeepsWhatThePartyAndTheRunningSaveName) {
    MaintenanceSetup s = build_references();
    write(file("HERO.CRS"), s.crs);
    const std::string blank(ZOOM_RECORD_SIZE, '\0');
    write(file("ZOOMMAPS.DAT"), blank);
    Plr.party[7].type = DT_ITEM;
    Plr.party[7].id = 50004;
    Plr.party[7].count = 2;
    save_begin();
    const std::string path = file("ZOOMMAPS.DAT");
    ASSERT_TRUE(save_write_at(path.c_str(), 0, s.zoom.data(), s.zoom.size()));   // names 50007
    std::string added = s.zoom;
    DataStruct d{};
    d.type = DT_ITEM;
    d.id = 50009;
    memcpy(&added[ZOOM_DATA_OFFSET + 3 * sizeof d], &d, sizeof d);
    ASSERT_TRUE(save_write_at(path.c_str(), 2L * ZOOM_RECORD_SIZE, added.data(), added.size()));
    const int kept = object_maintenance();
    save_discard();
    EXPECT_EQ(kept, 10);
    const struct {
        int record;
        const char *named_by;
    } cases[] = {{4, "the party"}, {7, "a map the save overwrote"}, {9, "a map the save added"}};
    for (const auto &c : cases) EXPECT_EQ(PlayerObj[c.record].type, IT_TOOL) << c.named_by;
    Plr.party[7] = DataStruct{};
}

// Objects named only by what a save holds before it commits, read as the game reads the files: a
// creature the running save filed, one a failed save left waiting for the next, a quest the running
// save made.
TEST_F(Maintenance, KeepsWhatARunningOrFailedSaveFiled) {
    static const auto file_creature = [] {
        static CreatureStruct cr;
        memset(&cr, 0, sizeof cr);
        cr.kind = 1;
        cr.pack[0] = 50004;
        ASSERT_EQ(Talleta_RealCreature(cr, 1001), 1);
    };
    const struct {
        const char *what;
        int record;
        void (*file)();
    } rows[] = {
        {"a creature the running save filed", 4, [] { save_begin(); file_creature(); }},
        {"a creature a failed save left waiting", 4,
         [] {
             save_begin();
             file_creature();
             save_fail("the test");
             EXPECT_FALSE(save_commit());
         }},
        {"a quest the running save made", 9,
         [] {
             save_begin();
             static QuestStruct q;
             memset(&q, 0, sizeof q);
             q.id = 77;
             q.rewardItem = 50009;
             ASSERT_TRUE(SaveQuest(&q));
         }},
    };
    for (const auto &r : rows) {
        MaintenanceSetup s = build_references();
        write(file("HERO.CRS"), s.crs + std::string(sizeof(CreatureStruct), '\0'));
        write(file("ZOOMMAPS.DAT"), s.zoom);
        cre_file_forget();
        r.file();
        const int kept = object_maintenance();
        if (save_running()) save_discard();
        cre_file_forget();
        EXPECT_EQ(kept, 9) << r.what;
        EXPECT_EQ(PlayerObj[r.record].type, IT_TOOL) << r.what;
    }
}

TEST_F(Maintenance, ClearsNothingUnlessEverySourceWasReadWhole) {
    MaintenanceSetup s = build_references();
    write(file("HERO.CRS"), s.crs);
    write(file("ZOOMMAPS.DAT"), s.zoom + s.zoom.substr(0, 100));   // ends inside a map
    EXPECT_EQ(object_maintenance(), -1);
    for (int i = 0; i < 10; i++) EXPECT_EQ(PlayerObj[i].type, IT_TOOL) << i;

    write(file("ZOOMMAPS.DAT"), s.zoom);
    write(file("HERO.CRS"), s.crs.substr(0, 1000));                // a creature cut short
    EXPECT_EQ(object_maintenance(), -1);
    for (int i = 0; i < 10; i++) EXPECT_EQ(PlayerObj[i].type, IT_TOOL) << i;

    // No stored maps yet is fine: nothing refers to objects from there.
    write(file("HERO.CRS"), s.crs);
    remove(file("ZOOMMAPS.DAT").c_str());
    EXPECT_EQ(object_maintenance(), 7);
    EXPECT_EQ(PlayerObj[7].type, IT_NONE);
    // Nor is a character without creatures yet: the maintenance runs.
    remove(file("HERO.CRS").c_str());
    EXPECT_GE(object_maintenance(), 0);
}
