// tests/creatures/animals_test.cpp -- the food search, bones, carcass feeding, migrating birds, young
// and a whole animal's tick through the turn loop's own creature pass.
#include "activities/puuharun.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "game/worldpass.h"
#include "creatures/animals.h"
#include "creatures/cremove.h"
#include "game/loader.h"
#include "presentation/notes.h"
#include "creatures/crefile.h"
#include "items/items.h"
#include "items/itemdefs.h"
#include "life_fixture.h"
#include "maps/sight.h"
#include "creatures/creation.h"
#include "creatures/people.h"
#include "items/plantlife.h"
#include "maps/marker.h"
#include "core/tekstit.h"
#include "core/notes.h"
#include "society/catchup.h"

using Animals = LifeTest;

static int food_item(int id, float w, float full = 0.0f) {
    ItemStruct it{};
    it.type = IT_FOOD;
    it.id = (uint32_t)id;
    it.weight = w;
    it.fullweight = full > 0.0f ? full : w;
    strcpy(it.name, id == 419 ? "Bone" : "Berries");
    return Luo_Esineen_Itempos(it);
}

TEST_F(Animals, NoDietNoFoodSearch) {
    const int dp = animal(1, 240, 240);
    Cre[1].energy = -100;
    place_record(DT_ITEM, 242, 240, (uint32_t)food_item(431, 0.5f));
    EXPECT_EQ(ravinnonhankinta(1, dp, 0), 0);
    EXPECT_EQ(Cre[1].Puuha[0], 0);
    Cre[1].diet1 = DIET_BERRIES;
    EXPECT_EQ(ravinnonhankinta(1, dp, 0), 1);
    EXPECT_EQ(Cre[1].Puuha[0], 53);
    EXPECT_EQ(Cre[1].PuuhaX[0], 242);
}

// The long way: every item within reach copied out and asked about in turn, class by class, and the
// whole pool searched for a carcass when none is food; -2 for a carcass.
static int food_target_long_way(int n, int x, int y) {
    for (int cls = 1; cls <= 2; cls++) {
        int find = -1, r = 255;
        for (int i = 0; i < DATA_MAX; i++) {
            if (Data[i].type != DT_ITEM) continue;
            const int dist = koordinaattien_vali(x, y, Data[i].x, Data[i].y);
            if (dist >= r || !NPCruokaitem(n, (unsigned char)cls, ObjToItem((int)Data[i].id))) continue;
            find = i;
            r = dist;
        }
        if (find >= 0) return find;
        if (Haaskasta(n, (unsigned char)cls, 0)) return -2;
    }
    return -1;
}

// The search reads the items where they are kept: it picks what copying each out would pick, and the
// temporary item (loaded by every definition row read, read for the numbers past the tables) ends the same.
TEST_F(Animals, TheFoodSearchPicksAndLeavesWhatCopyingEachItemWould) {
    ItemStruct rows[3];
    memcpy(rows, &ConstantObj[300], sizeof rows);
    ItemStruct bread{}, stone{}, stew{};
    bread.type = IT_FOOD, bread.id = 77, strcpy(bread.name, "Rye bread");
    stone.type = 9, stone.id = 78, strcpy(stone.name, "Stone");
    stew.type = IT_FOOD, stew.id = 0, stew.spoil = 3, strcpy(stew.name, "Stew");
    ConstantObj[300] = bread, ConstantObj[301] = stone, ConstantObj[302] = stew;
    const int berries = food_item(431, 0.5f), bone = food_item(419, 0.3f), meat = food_item(500, 1.0f);
    struct Row {
        uint32_t diet1, diet2;
        int meateater;
        int obj[6];   // object numbers placed from 12 squares off, each a square nearer; 0 ends
        bool carcasses;   // a far carcass first in the pool and a near one after it
    };
    const Row table[] = {
        {DIET_BERRIES, 0, 0, {301, 450, berries, 99950, 0}, false},
        {0, DIET_BREAD, 0, {berries, 300, 301, 0}, false},
        {DIET_BERRIES, DIET_BREAD, 0, {300, berries, 0}, false},
        // past the tables the item is the definition row read last, or what the temporary item held
        {DIET_GENERIC, 0, 0, {99950, 301, 99950, 302, -5, 0}, false},
        {DIET_GENERIC, 0, 0, {302, 300, 99950, 0}, false},
        {0, DIET_BONES, 0, {450, 302, bone, 0}, false},
        {DIET_GRASS, 0, 1, {301, 300, 0}, false},
        {0, DIET_BONES, 1, {301, bone, meat, 0}, false},
        {DIET_BERRIES, DIET_ANYCARCASS, 0, {301, 450, 0}, true},
    };
    ItemStruct marker{};
    marker.type = 9, strcpy(marker.name, "Marker");
    for (const Row &row : table) {
        SCOPED_TRACE(testing::Message() << "diets " << row.diet1 << "/" << row.diet2);
        animal(20, 1, 1);
        animal(21, 1, 1);
        Cre[20].mode = Cre[21].mode = CM_CARCASS;
        memset(Data, 0, sizeof Data);
        const int dp = animal(1, 240, 240, 611, 40.0f);
        Cre[1].diet1 = row.diet1;
        Cre[1].diet2 = row.diet2;
        Cre[1].meateater = (uint8_t)row.meateater;
        Cre[1].energy = -100;
        if (row.carcasses) {
            place_record(DT_CARCASS, 300, 300, 20 + CRE_DATAID);
            place_record(DT_CARCASS, 242, 240, 21 + CRE_DATAID);
        }
        // records the search never looks at lie before each item, more before each, so that whole
        // fours of them are passed over and the items fall at every place of a four
        for (int k = 0; row.obj[k]; k++) {
            for (int f = 0; f < 3 + k; f++) place_record(f % 2 ? DT_TREE : DT_TRACKS, 244 + f, 241, 1);
            place_record(DT_ITEM, 252 - k, 240, (uint32_t)row.obj[k]);
        }
        Temp_Item = marker;
        const int expect = food_target_long_way(1, 240, 240);
        const ItemStruct temp_after = Temp_Item;
        Temp_Item = marker;
        EXPECT_EQ(ravinnonhankinta(1, dp, 0), expect != -1);
        if (expect >= 0) {
            EXPECT_EQ(Cre[1].PuuhaX[0], Data[expect].x);
        }
        if (expect == -2) {
            EXPECT_EQ(Cre[1].Puuha[0], 52);
            EXPECT_EQ(Cre[1].PuuhaKohde[0], (int32_t)Cre[20].socialid);
        }
        EXPECT_EQ(memcmp(&Temp_Item, &temp_after, sizeof temp_after), 0);
    }
    memcpy(&ConstantObj[300], rows, sizeof rows);
}

TEST_F(Animals, ALeashedAnimalSearchesFiveSquares) {
    const int dp = animal(1, 240, 240, 618, 25.0f);
    Cre[1].owner = -1;
    Cre[1].role = 9;   // on a leash
    Cre[1].diet2 = DIET_BERRIES;
    Cre[1].energy = -100;
    place_record(DT_ITEM, 246, 240, (uint32_t)food_item(431, 0.5f));
    EXPECT_EQ(ravinnonhankinta(1, dp, 1), 0);
    place_record(DT_ITEM, 244, 240, (uint32_t)food_item(431, 0.5f));
    EXPECT_EQ(ravinnonhankinta(1, dp, 1), 1);
    EXPECT_EQ(Cre[1].PuuhaX[0], 244);
}

TEST_F(Animals, BonesAreFoodOnlyWithTheBoneBit) {
    animal(1, 240, 240, 611, 40.0f);
    ItemStruct bone{};
    bone.type = IT_FOOD;
    bone.id = 419;
    EXPECT_FALSE(NPCruokaitem(1, 0, bone));
    Cre[1].diet2 = DIET_BONES;
    EXPECT_TRUE(NPCruokaitem(1, 0, bone));
    EXPECT_FALSE(NPCruokaitem(1, 1, bone));
    bone.vessel = 50001;   // in a pot: never food
    EXPECT_FALSE(NPCruokaitem(1, 0, bone));
}

TEST_F(Animals, CarcassFeedingTakesTheFirstCarcassNotTheNearest) {
    animal(1, 240, 240, 611, 40.0f);
    Cre[1].diet1 = DIET_ANYCARCASS;
    animal(20, 1, 1);
    animal(21, 1, 1);
    memset(Data, 0, sizeof Data);
    animal(1, 240, 240, 611, 40.0f);
    Cre[1].diet1 = DIET_ANYCARCASS;
    Cre[20].mode = Cre[21].mode = CM_CARCASS;
    place_record(DT_CARCASS, 300, 300, 20 + CRE_DATAID);   // far, first in the pool
    place_record(DT_CARCASS, 242, 240, 21 + CRE_DATAID);   // near, later
    EXPECT_EQ(Haaskasta(1, 1, 0), 60);
    EXPECT_EQ(Haaskasta(1, 1, 1), 1);
    EXPECT_EQ(Cre[1].Puuha[0], 52);
    EXPECT_EQ(Cre[1].PuuhaKohde[0], (int32_t)Cre[20].socialid);
}

TEST_F(Animals, AMigratingBirdLeavesOnlyUnseen) {
    Plr.month = 12;
    animal(1, PlayerX + 3, PlayerY, 640, 1.0f);
    Cre[1].moveclass = 64;
    Cre[1].firstmonth = 4;
    Cre[1].lastmonth = 9;
    Cre[1].rhythm = 4;
    strcpy(Plr.mapname, "ZOOMMAP");
    PlayerView();
    ASSERT_TRUE(See(PlayerX + 3, PlayerY));
    for (int i = 0; i < 20; i++) {
        const int dp = crestep_pos(1);
        ASSERT_GE(dp, 0) << "a seen bird vanished";
        Keskeyta_Puuha(1, -1);
        Ela_Elain(dp);
    }
    // far out of sight it goes
    const int dp = crestep_pos(1);
    Data[dp].x = 380;
    Data[dp].y = 380;
    for (int i = 0; i < 40 && crestep_pos(1) >= 0; i++) {
        Keskeyta_Puuha(1, -1);
        Ela_Elain(crestep_pos(1));
    }
    EXPECT_LT(crestep_pos(1), 0);
}

TEST_F(Animals, ABearMotherGetsAYoungAboutOneCallInFive) {
    copy_bounded(CharacterFile, sizeof CharacterFile, "Aino");
    char path[1200];
    cre_file_path(path, sizeof path);
    ASSERT_TRUE(cre_file_create(path, 300));
    animal(1, 240, 240, 605, 200.0f);
    Cre[1].sexage = 0;
    randomize(11);
    int made = 0;
    for (int i = 0; i < 300; i++) {
        if (!CubGenerate(1, 0)) continue;
        made++;
        // the young stands on its mother's square, hers by its mother id; then it is taken away
        int young = -1;
        for (int s = 0; s < CRE_COUNT; s++)
            if (s != 1 && Cre[s].kind && Cre[s].mother == Cre[1].socialid) young = s;
        ASSERT_GE(young, 0);
        ASSERT_GE(crestep_pos(young), 0);
        EXPECT_EQ(cx(young), 240);
        EXPECT_TRUE(Cre[young].sexage & 2);
        EXPECT_EQ(Cre[young].community, Cre[1].community);
        EXPECT_EQ(Cre[1].herd, 1);
        CrunchData(crestep_pos(young));
        Cre[young].kind = 0;
        RealCreaturePos[young] = 0;
    }
    EXPECT_NEAR(made, 60, 25);
    Cre[1].sexage = 1;   // a male never
    EXPECT_EQ(CubGenerate(1, 1), 0);
}

TEST_F(Animals, AYoungIsNotMadeWhenEverySlotIsTaken) {
    animal(1, 240, 240, 605, 200.0f);
    Cre[1].sexage = 0;
    for (int s = 2; s < CRE_COUNT; s++) Cre[s].kind = 5;
    Cre[0].kind = 5;
    const CreatureStruct before = Cre[0];
    EXPECT_EQ(CubGenerate(1, 1), 0);
    EXPECT_EQ(memcmp(&before, &Cre[0], sizeof before), 0);
}

TEST_F(Animals, AnAnimalAtNightFarFromThePlayerLiesDownToSleep) {
    const int dp = animal(1, PlayerX + 50, PlayerY);
    Cre[1].rhythm = 1;   // awake by day
    Plr.hour = 23;
    Ela_Elain(dp);
    EXPECT_EQ(Cre[1].Puuha[0], 4);
    Ela_Elain(dp);
    EXPECT_EQ(Cre[1].mode, CM_ASLEEP);
}

TEST_F(Animals, OnEntryTheAnimalsCatchUpUnseenAndTheTurnsAreSpent) {
    animal(1, 240, 240);
    apukoord[0] = 300;
    apukoord[1] = 240;
    Lisaa_Puuha(1, 60, 500);
    Cre[1].Suunta = 0;
    CREATURE_UPDATE = 30;
    INVISIBLE = 0;
    cre_maintenance();
    EXPECT_GE(cx(1), 265);   // thirty turns and the closing one, a step each
    EXPECT_EQ(CREATURE_UPDATE, 0);
    EXPECT_EQ(INVISIBLE, 0);
    EXPECT_EQ(DISABLE_NOTES, 0);
}

TEST_F(Animals, AHareThatSeesThePlayerBoltsOnTheTurnLoopsOwnPass) {
    animal(1, PlayerX + 4, PlayerY, 600, 3.0f);
    strcpy(Cre[1].species, "hare");
    Cre[1].diet1 = DIET_GRASS;
    Cre[1].morale4 = 95;
    Cre[1].morale5 = 50;
    Cre[1].Suunta = 4;   // looking at her
    for (int t = 0; t < 6; t++) CreatureMove();
    EXPECT_EQ(Cre[1].enemy, -1);
    EXPECT_GT(koordinaattien_vali(cx(1), cy(1), PlayerX, PlayerY), 6);
}

// The weight and count of the items left on a square.
static float weight_left(int x, int y, int &count) {
    float w = 0.0f;
    count = 0;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_ITEM && Data[i].x == x && Data[i].y == y) {
            count += Data[i].count;
            w += (float)Data[i].count * ObjToItem((int)Data[i].id).weight;
        }
    return w;
}

// An animal is fed by the pounds it eats: half a pound of berries gives half a pound's energy, and a
// dog gnawing one bone of two takes a hundredth of its full weight from that bone alone.
TEST_F(Animals, AnAnimalIsFedByThePoundsItEats) {
    struct Row {
        int id;
        float weight, full;
        int count;
        int gain;       // calories: 140 a pound of berries, 1695 a pound of bone
        float eaten;    // pounds gone from the square
        int left;       // items left there
    };
    const Row table[] = {
        {431, 0.5f, 0.5f, 1, 70, 0.5f, 0},
        {419, 0.3f, 2.0f, 2, 34, 0.02f, 2},
    };
    for (const Row &row : table) {
        SCOPED_TRACE(row.id);
        memset(Data, 0, sizeof Data);
        const int dp = animal(1, 260, 260, 618, 25.0f);
        Cre[1].diet2 = DIET_BERRIES;
        Cre[1].energy = -300;
        place_record(DT_ITEM, 260, 260, (uint32_t)food_item(row.id, row.weight, row.full), row.count);
        // a bone is gnawed one tick in five
        for (int t = 0; t < 80 && Cre[1].energy == -300; t++) {
            if (Cre[1].Puuha[0] != 53) ASSERT_EQ(ravinnonhankinta(1, dp, 0), 1);
            Tee_Puuha(dp);
        }
        EXPECT_EQ(Cre[1].energy, -300 + row.gain);
        int count;
        EXPECT_NEAR(weight_left(260, 260, count), row.weight * (float)row.count - row.eaten, 0.001f);
        EXPECT_EQ(count, row.left);
    }
}

// From its own pack it eats item by item, each by its weight; starving, it is held at -500 unless it
// is a companion or marked as starving.
TEST_F(Animals, EatingFromThePackFeedsByEachItemsWeight) {
    animal(1, 260, 260, 618, 100.0f);
    Cre[1].pack[0] = food_item(431, 0.5f);
    Cre[1].packcount[0] = 3;
    EXPECT_EQ(syonti(1, 0), 0);
    EXPECT_EQ(Cre[1].energy, 210);
    EXPECT_EQ(Cre[1].packcount[0], 0);
    Cre[1].energy = -900;
    syonti(1, 0);
    EXPECT_EQ(Cre[1].energy, -500);
    set_compword(1, CF_STARVING);
    Cre[1].energy = -900;
    syonti(1, 0);
    EXPECT_EQ(Cre[1].energy, -900);
}

// A grazer goes only for the plants of its diet, and takes from the plant what a picker would: the
// berry bush is left picked, the mushroom spot grows anew, and ripe grain that cannot be picked gives
// nothing and feeds nothing.
TEST_F(Animals, AGrazerEatsOnlyThePlantsOfItsDietAndTakesFromThem) {
    ItemStruct kept[3];
    memcpy(kept, &ConstantObj[300], sizeof kept);
    const struct {
        int id;
        const char *name;
    } plants[] = {{431, "Testberry"}, {513, "Testcap"}, {438, "Testrye"}};
    for (int k = 0; k < 3; k++) {
        ItemStruct p{};
        p.type = IT_PLANT;
        p.id = (uint32_t)plants[k].id;
        p.cover[1] = 3;
        strcpy(p.name, plants[k].name);
        ConstantObj[300 + k] = p;
    }
    struct Row {
        uint32_t diet;
        int row;
        bool goes, fed;
        int type, state;   // the plant record afterwards
    };
    const Row table[] = {
        {DIET_GRASS | DIET_PODS, 300, false, false, DT_PLANT, PLANT_RIPE},
        {DIET_GRASS, 301, false, false, DT_PLANT, PLANT_RIPE},
        {DIET_BERRIES, 300, true, true, DT_PLANT_PICKED, PLANT_RIPE},
        {DIET_MUSHROOMS, 301, true, true, DT_PLANT, PLANT_GROWING},
        {DIET_438, 302, true, false, DT_PLANT, PLANT_RIPE},
    };
    for (const Row &row : table) {
        SCOPED_TRACE(testing::Message() << "diet " << row.diet << " plant " << row.row);
        memset(Data, 0, sizeof Data);
        const int dp = animal(1, 260, 260);
        Cre[1].diet1 = row.diet;
        Cre[1].energy = -200;
        const int plant = place_record(DT_PLANT, 261, 260, (uint32_t)row.row);
        Data[plant].flags = PLANT_RIPE;
        EXPECT_EQ(ravinnonhankinta(1, dp, 0), row.goes ? 1 : 0);
        if (row.goes) ASSERT_EQ(Cre[1].Puuha[0], 53);
        for (int t = 0; t < 10 && Cre[1].Puuha[0] == 53 && Cre[1].energy == -200; t++) Tee_Puuha(dp);
        EXPECT_EQ(Cre[1].energy, row.fed ? -100 : -200);
        EXPECT_EQ(Data[plant].type, row.type);
        EXPECT_EQ(Data[plant].flags, row.state);
    }
    memcpy(&ConstantObj[300], kept, sizeof kept);
}

// Where a bird lays its eggs: the mallard between banks of open water, the black grouse on dry ground.
// By the marks themselves: a dry nest has no water at any side and no mire under it or about it; a
// nest by the water needs more than three squares of open water about it, or plants about it instead.
TEST_F(Animals, ABirdNestsWhereItsKindNests) {
    Luo_Olento(630);
    const uint16_t mallard = Creature.breedingbits;
    Luo_Olento(628);
    const uint16_t grouse = Creature.breedingbits;
    Plr.world_x = Plr.world_y = 500;
    int mire = -1;
    for (int ch = 33; ch < 256 && mire < 0; ch++)
        if (terrain_flag(ch, TF_MIRE) && !terrain_flag(ch, TF_WATER)) mire = ch;
    ASSERT_GT(mire, 0);
    enum Ground { SHORE, DRY, EAST_WATER, MIRE, POOLS, PLANTS };
    struct Row {
        uint16_t bits;
        Ground ground;
        bool nest;
    };
    const Row table[] = {
        {mallard, SHORE, true}, {mallard, DRY, false}, {grouse, DRY, true},   {grouse, SHORE, false},
        {0x41, EAST_WATER, false}, {0x41, MIRE, false}, {0x21, POOLS, false}, {0x21, PLANTS, true},
    };
    for (const Row &row : table) {
        SCOPED_TRACE(testing::Message() << "bits " << row.bits << " ground " << row.ground);
        memset(Data, 0, sizeof Data);
        for (int y = AREA_MIN; y <= AREA_MAX; y++)
            for (int x = AREA_MIN; x <= AREA_MAX; x++) {
                bool water = false;
                if (row.ground == SHORE) water = y % 2 == 1;
                if (row.ground == EAST_WATER) water = x % 3 == 2;
                if (row.ground == POOLS) water = x % 5 == 0 && y % 2 == 1;
                put(x, y, water ? CH_DEEP_WATER : CH_GROUND);
                put_world(kohtaIsoX(x), kohtaIsoY(y), row.ground == MIRE ? mire : CH_BLANK);
            }
        if (row.ground == PLANTS)
            for (int y = 230; y <= 250; y += 2)
                for (int x = 230; x <= 250; x += 2) place_record(DT_PLANT, x, y, 300);
        const int dp = animal(1, 240, 240, 628, 1.0f);
        Cre[1].breedingbits = row.bits;
        Cre[1].breedmonth = (uint8_t)Plr.month;
        lisaantyminen(1, dp);
        EXPECT_TRUE(Cre[1].breedingbits & 2) << "bred this year";
        int eggs = 0;
        for (int i = 0; i < DATA_MAX; i++)
            eggs += Data[i].type == DT_ITEM && strstr(ObjToItem((int)Data[i].id).name, "egg") != nullptr;
        EXPECT_EQ(eggs > 0, row.nest);
    }
}

// Mammals bear their young and never nest: only birds and snakes are built to lay eggs, and the
// wolf's litter figure is written.
TEST_F(Animals, OnlyBirdsAndSnakesAreBuiltToNest) {
    struct Row { int code; bool nests; };
    const Row table[] = {{600, false}, {601, false}, {604, false}, {605, false}, {611, false}, {612, false},
                         {616, false}, {623, false}, {626, false}, {650, false}, {651, false}, {660, false},
                         {622, true},  {628, true},  {630, true},  {634, true},  {638, true}};
    for (const Row &row : table) {
        Luo_Olento(row.code);
        EXPECT_EQ((Creature.breedingbits & 1) != 0, row.nests) << "code " << row.code;
    }
    Luo_Olento(611);
    EXPECT_EQ(Creature.breeding1, 1) << "the wolf's litter figure";
    memset(Data, 0, sizeof Data);
    const int dp = animal(1, 240, 240, 611, 40.0f);
    Cre[1].breedingbits = Creature.breedingbits;
    Cre[1].breedmonth = (uint8_t)Plr.month;
    lisaantyminen(1, dp);
    for (int i = 0; i < DATA_MAX; i++)
        EXPECT_FALSE(Data[i].type == DT_ITEM && strstr(ObjToItem((int)Data[i].id).name, "egg")) << "a wolf egg";
}

// A raven's or a goshawk's nest is two spruce twigs and four of the bird's own feathers under the eggs.
TEST_F(Animals, ATwigNestIsSpruceTwigsAndTheBirdsFeathers) {
    build_objdef_rows();
    for (int code : {634, 637}) {
        SCOPED_TRACE(code);
        Luo_Olento(code);
        ASSERT_TRUE(Creature.breedingbits & 0x10) << "builds a twig nest";
        memset(Data, 0, sizeof Data);
        if (!(Creature.breedingbits & 0x60))   // it nests between waters: a strip of water every other row
            for (int y = AREA_MIN; y <= AREA_MAX; y++)
                for (int x = AREA_MIN; x <= AREA_MAX; x++) put(x, y, y % 2 ? CH_DEEP_WATER : CH_GROUND);
        const int dp = animal(1, 240, 240, code, Creature.weight);
        memcpy(Cre[1].species, Creature.species, sizeof Creature.species);
        Cre[1].breedingbits = Creature.breedingbits;
        Cre[1].breedmonth = (uint8_t)Plr.month;
        lisaantyminen(1, dp);
        std::string nest;
        for (const DataStruct &d : Data)
            if (d.type == DT_ITEM && !strstr(ObjToItem((int)d.id).name, "egg"))
                nest += std::string(ObjToItem((int)d.id).name) + " x" + std::to_string(d.count) + "; ";
        const std::string feathers = std::string(Creature.species) + " feather x4; ";
        EXPECT_EQ(nest, "Spruce twig x2; " + feathers);
    }
}

// Told to eat, a pet that finds food looks pleased and one that finds none will not; the bewitched
// wolf only looks confused.
TEST_F(Animals, APetToldToEatAnswersByWhatItFound) {
    dir->copy_asset("messages/eng_people.txt");
    dir->copy_asset("messages/eng_crelife.txt");
    MSG_forget_index();
    local_area();
    struct Row {
        int species;
        bool food, bewitched;
        const char *answer;
    };
    const Row table[] = {
        {618, true, false, "looks pleased"},
        {618, false, false, "does not seem to want to"},
        {611, true, true, "looks confused"},
    };
    for (const Row &row : table) {
        SCOPED_TRACE(row.answer);
        memset(Data, 0, sizeof Data);
        animal(1, PlayerX + 1, PlayerY, row.species, 25.0f);
        Cre[1].owner = CRE_PLAYER;
        Cre[1].diet2 = DIET_BERRIES;
        Cre[1].energy = 100;
        if (row.bewitched) Cre[1].stateflags |= 2;
        if (row.food) place_record(DT_ITEM, PlayerX + 6, PlayerY, (uint32_t)food_item(431, 0.5f));
        PlayerView();
        ignore_lastnote();
        feedtrigger(1);
        EXPECT_NE(strstr(lastnote, row.answer), nullptr) << lastnote;
    }
}

// The nest is drawn from every site found around the bird, not from the first few to the north.
TEST_F(Animals, ANestMayLieAnywhereAroundTheBird) {
    int south = 0;
    for (int k = 0; k < 10; k++) {
        memset(Data, 0, sizeof Data);
        const int dp = animal(1, 240, 240, 628, 1.0f);
        Cre[1].breedingbits = 0x41;
        Cre[1].breedmonth = (uint8_t)Plr.month;
        lisaantyminen(1, dp);
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type == DT_ITEM && strstr(ObjToItem((int)Data[i].id).name, "egg")) south += Data[i].y > 240;
    }
    EXPECT_GT(south, 0);
}
