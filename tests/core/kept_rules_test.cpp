// Rules that read what the game keeps: charms worked by a step or a throw, trees that give way, the
// hunger words, a dog's age and village, a young one's age and the player's nose, each reached
// through the function the game itself calls.
#include "core/turn_fixture.h"

#include <cstring>
#include <functional>
#include <string>

#include "activities/activities.h"
#include "activities/spirits.h"
#include "common/pool_put.h"
#include "core/obj_func.h"
#include "maps/squareevents.h"
#include "core/tekstit.h"
#include "game/mapupkeep.h"
#include "game/playerstep.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/crestep.h"
#include "items/items.h"
#include "creatures/doors.h"
#include "maps/maps.h"
#include "maps/marker.h"
#include "quests/courses.h"

namespace {

class KeptRules : public oxatest::TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        dir->copy_asset("messages/eng_world.txt");
        MSG_forget_index();
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(ZoomExtra, 0, sizeof(ZoomExtraStruct) * ZOOMEXTRA_COUNT);
        Plr.daynumber = 100;
        Plr.minutes = 100000;
        Plr.world_x = Plr.world_y = 500;
        // the game course waits for its charm task
        Plr.course_index = 0;
        Plr.task_number = 11;
        Tehtavan_Vaihe = 0;
        Tehtavan_Suoritukset = 0;
        randomize(5);
    }
    static int item(int type, int subtype, int id, const char *name) {
        ItemStruct it;
        ClrItemstruct(it);
        it.type = (uint8_t)type;
        it.subtype = (uint8_t)subtype;
        it.id = (uint32_t)id;
        SET_ITEM_TEXT(it.name, name);
        it.weight = 1.0f;
        return Luo_Esineen_Itempos(it);
    }
    static int put_item(int obj, int x, int y) { return oxatest::pool_put(DT_ITEM, x, y, (uint32_t)obj, 1); }
    static int marked(int pos) { return ObjToItem((int)Data[pos].id).magic == '!'; }
    // A creature of slot c on x, y, awake and on its own.
    static void walker(int c, int x, int y, int kind, int species) {
        creature(oxatest::pool_put(DT_CREATURE, x, y, 0, 1), c, x, y);
        Cre[c].kind = (uint8_t)kind;
        Cre[c].speciescode = (uint32_t)species;
        Cre[c].weight = 50.0f;
        Cre[c].rhythm = 4;
        Cre[c].mode = 0;
    }
    static void put(int x, int y, int c) { maailma[mapidx(x, y)] = (uint8_t)c; }
};

TEST_F(KeptRules, EachRuleReadsWhatTheGameKeeps) {
    struct Row {
        const char *what;
        std::function<void()> run;
    };
    const Row rows[] = {
        {"her pet ram runs over her net: a lucky net, the water folk pleased",
         [] {
             opi_taikakeino(120, 0);
             Tehtavan_Vaihe = 0;
             walker(1, 240, 240, 9, 616);
             Cre[1].owner = CRE_PLAYER;
             const int net = put_item(item(IT_TOOL, ST_NET, 330, "Fishing net"), 241, 240);
             const uint32_t before = Data[net].id;
             ASSERT_EQ(Liikkuminen(1, 241, 240, 1), STEP_OK);
             EXPECT_TRUE(marked(net));
             EXPECT_NE(Data[net].id, before) << "stored as an item of its own";
             EXPECT_EQ(get_SpiritData_mood(241, 240, SPIRIT_WATER_FOLK), 3);
             EXPECT_EQ(Tehtavan_Vaihe, 1) << "the charm counts for the game course";
         }},
        {"a woman walks through a door over her fox snare",
         [] {
             opi_taikakeino(80, 0);
             Tehtavan_Vaihe = 0;
             walker(2, 250, 240, CK_HUMAN, 520);
             Cre[2].role = 14;
             put(251, 240, CH_DOOR_OPEN);
             const int snare = put_item(item(IT_TOOL, 0, 800, "Snare"), 251, 240);
             ASSERT_EQ(Liikkuminen(2, 251, 240, 1), STEP_OK);
             EXPECT_TRUE(marked(snare));
             EXPECT_EQ(Tehtavan_Vaihe, 1);
         }},
        {"her first rod fish, given back the next day, sinks for the water folk once",
         [] {
             opi_taikakeino(110, 0);
             Plr.rod_season_day = 99;
             for (int x = 258; x <= 262; x++) put(x, 240, CH_DEEP_WATER);
             const int fish = item(IT_FOOD, 0, OID_RAWFISH, "Pike");
             aseta_heitetty_esine(260, 240, fish);
             EXPECT_LT(get_datatype(DT_ITEM, 260, 240), 0) << "it sank";
             EXPECT_EQ(Plr.spirit_customs & 1u, 1u);
             EXPECT_EQ(get_SpiritData_mood(260, 240, SPIRIT_WATER_FOLK), 25);
             aseta_heitetty_esine(261, 240, fish);
             EXPECT_GE(get_datatype(DT_ITEM, 261, 240), 0) << "the second one floats";
         }},
        {"a sapling, or a tree its record opens, gives way to her",
         [] {
             put(231, 230, 18);
             put(232, 230, 18);
             put(233, 230, 18);
             Data[init_TreeData(231, 230)].flags |= 1 << TREEDATA_SAPLING;
             Data[init_TreeData(232, 230)].flags |= 1 << TREEDATA_PASSABLE;
             EXPECT_EQ(MovePlayer(102), 1);
             EXPECT_EQ(MovePlayer(102), 1);
             EXPECT_EQ(PlayerX, 232);
             EXPECT_EQ(MovePlayer(102), 0) << "a grown tree stops her";
         }},
        {"the hunger words weigh her energy reserve",
         [] {
             Plr.energy = 150;
             EXPECT_STREQ(NalkaTeksti(240), "starving");
             Plr.energy = 1500;
             EXPECT_STREQ(NalkaTeksti(240), "hungry as a bear");
         }},
        {"a dog gets its age once and belongs to its village unless it is hers",
         [] {
             copy_bounded(CharacterFile, sizeof CharacterFile, "T");
             char path[1200];
             cre_file_path(path, sizeof path);
             ASSERT_EQ(cre_file_create(path, 60), 1);
             Plr.year = 20;
             Mapinfo_setsocID(510, 505, 77);
             CreatureStruct dog{};
             dog.kind = 4;
             dog.speciescode = 618;
             dog.home_x = 510;
             dog.home_y = 505;
             SaveNewRealCreature(dog);   // the village's
             dog.owner = CRE_PLAYER;
             SaveNewRealCreature(dog);   // hers
             oxatest::pool_put(DT_CREATURE, 240, 240, 1000, 1);
             oxatest::pool_put(DT_CREATURE, 242, 240, 1001, 1);
             creature_mess();
             EXPECT_EQ(Cre[0].playerage, 17);
             EXPECT_EQ(Cre[0].owner, 77);
             EXPECT_EQ(Cre[1].owner, CRE_PLAYER);
         }},
        {"a young animal is born at her age",
         [] {
             Plr.year = 23;
             CreatureStruct pup;
             Luo_ElainOlento(pup, 618, "[young]");
             EXPECT_EQ(pup.playerage, 23);
         }},
        {"she smells food ready as far as her own nose reaches",
         [] {
             Plr.smell_taste = 15;
             const int n = oxatest::pool_put(DT_WORK, 255, 230, (uint32_t)item(IT_FOOD, 0, 700, "Porridge"), 1);
             Data[n].ready_day = (uint16_t)Plr.daynumber;
             lastnote[0] = 0;
             TickPrepare(n);
             EXPECT_NE(strstr(lastnote, "ready"), nullptr) << "25 squares away, within twice 15: " << lastnote;
         }},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.what);
        TearDown();
        SetUp();
        r.run();
    }
}

}  // namespace
