// tests/work_played/aino_work_play_test.cpp -- played: Aino breaks off a work and gets back no pack of an
// earlier work; she roasts a pike while a person at her fire roasts elk, and her dish stays hers.
#include <cstring>
#include <string>

#include "../activities/pick_hook.h"
#include "../creatures/beside_her.h"
#include "activities/cooking.h"
#include "activities/itemcmd.h"
#include "activities/survival.h"
#include "activities/tools.h"
#include "core/loader_fixture.h"
#include "core/player.h"
#include "creatures/dish.h"
#include "creatures/puuha.h"
#include "items/inventory.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/sight.h"

namespace {

class AinoWork : public oxatest::PlayingTest {
protected:
    static std::string name_of(int obj) {
        const ItemStruct it = ObjToItem(obj);
        return std::string(it.name, strnlen(it.name, sizeof it.name));
    }
    static int slot_of(const char *name) {
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && name_of(Plr.inv_obj[s]) == name) return s;
        return -1;
    }
    static int carried(const char *name) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && name_of(Plr.inv_obj[s]) == name) n += Plr.inv_count[s];
        return n;
    }
    // The animals and people of the area go elsewhere: one coming into sight would break off a work.
    static void nobody_about() {
        for (DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT) {
                Cre[d.id - CRE_DATAID].kind = CK_NONE;
                d.type = 0;
            }
    }
    template <class F> static int typed(std::initializer_list<int> ks, F f) {
        oxatest::KeyFeeder keys;
        for (int k : ks) keys.key((SDL_Keycode)k);
        return keys.typed(f);
    }
};

TEST_F(AinoWork, ABrokenOffWorkGivesBackNoPackOfAnEarlierWork) {
    oxatest::down_to_her_field();
    nobody_about();
    // Twigs cut from a birch ahead of her: a work that ends with neither a restore nor a removal.
    const int tx = PlayerX + Heds_x(PlayerDir), ty = PlayerY + Heds_y(PlayerDir);
    set_mapchar(tx, ty, 10);   // a birch
    INSTANT_TASKS = 1;
    typed({SDLK_SPACE}, [] { return SURVIVAL_branches(); });
    INSTANT_TASKS = 0;
    int twigs = -1;
    for (int i = 0; i < DATA_MAX && twigs < 0; i++)
        if (Data[i].type == DT_ITEM && Data[i].x == PlayerX && Data[i].y == PlayerY &&
            name_of((int)Data[i].id).find("twig") != std::string::npos)
            twigs = i;
    ASSERT_GE(twigs, 0) << notes();
    const std::string twig = name_of((int)Data[twigs].id);
    command({SDLK_PERIOD});   // a turn goes by
    ASSERT_EQ(GetIt(twigs, Data[twigs].count, 0), 1) << notes();
    const int picked = carried(twig.c_str());
    ASSERT_GT(picked, 0);

    // She starts a pit with a shovel beside her and breaks it off at once.
    PlayerView();
    ASSERT_EQ(AddNewItem(object("Shovel", 1), 1), 1);
    const int shovel = slot_of("Shovel");
    ASSERT_GE(shovel, 0);
    static const struct {
        int dx, dy;
        SDL_Keycode key;
    } sides[] = {{1, 0, SDLK_KP_6}, {-1, 0, SDLK_KP_4}, {0, -1, SDLK_KP_8}, {0, 1, SDLK_KP_2}};
    int way = -1;
    for (int i = 0; i < 4 && way < 0; i++)
        if (maapera_muokattavissa(PlayerX + sides[i].dx, PlayerY + sides[i].dy) == 1 && See(PlayerX + sides[i].dx, PlayerY + sides[i].dy) &&
            (PlayerX + sides[i].dx != tx || PlayerY + sides[i].dy != ty))
            way = i;
    ASSERT_GE(way, 0) << "diggable ground beside her, in sight";
    const uint32_t started = Plr.minutes;
    typed({sides[way].key, SDLK_ESCAPE, SDLK_y}, [&] { return Apply(shovel); });
    ASSERT_NE(get_mapchar(PlayerX + sides[way].dx, PlayerY + sides[way].dy), 29) << "no pit was dug";
    EXPECT_GE(Plr.minutes, started);
    EXPECT_EQ(carried(twig.c_str()), picked) << notes();
}

TEST_F(AinoWork, AnotherCookAtHerFireLeavesHerDishHers) {
    oxatest::down_to_her_field();
    nobody_about();
    const int pike = slot_of("Pike");
    ASSERT_GE(pike, 0);
    Plr.inv_count[pike] = 2;
    ClearDTEMP();
    DTEMP.type = DT_FIRE;
    DTEMP.x = (uint16_t)(PlayerX + 1);
    DTEMP.y = (uint16_t)(PlayerY + 1);
    DTEMP.count = 600;
    ASSERT_GE(SetDTEMP(-1), 0);
    const int elk = Plr.inv_obj[slot_of("elk cut")];
    // She roasts one pike alone, then the other while a person beside the fire roasts elk.
    float weight[2] = {0, 0};
    for (int with_cook = 0; with_cook < 2; with_cook++) {
        SCOPED_TRACE(with_cook ? "another cook" : "alone");
        int s = -1;
        if (with_cook) {
            s = oxatest::creature_east_of_her(510);   // a trader, at peace with her
            Cre[s].aggressiveness = 0;
            CreatureStruct &c = Cre[s];
            memset(c.pack, 0, sizeof c.pack);
            memset(c.packcount, 0, sizeof c.packcount);
            c.pack[0] = Esineesta_Uniikki(ObjToItem(elk));
            c.packcount[0] = 3;
            for (int i = 0; i < 10; i++) Keskeyta_Puuha(s, 0);
            ASSERT_EQ(Lisaa_Puuha(s, 130, 100), 0);
            c.PuuhaTila[0] = PUUHA_WAITED;   // it has waited by the fire: its next step roasts
        }
        oxatest::Pick pick;
        pick.names().push_back("Pike");
        const int product = typed({SDLK_1, SDLK_RETURN, SDLK_SPACE}, [] { return Kokkaa(-1, COOK_ROAST, "", 0, 0); });
        ASSERT_GT(product, 0) << notes();
        EXPECT_EQ(name_of(product), "roasted pike");
        weight[with_cook] = ObjToItem(product).weight;
        if (with_cook) {
            bool roasted = false;
            for (int k = 0; k < CRE_PACK; k++)
                if (Cre[s].pack[k] && name_of(Cre[s].pack[k]).find("roast") != std::string::npos) roasted = true;
            ASSERT_TRUE(roasted) << "the person roasted its elk while her pike was on the fire";
        }
    }
    EXPECT_FLOAT_EQ(weight[1], weight[0]);
}

}  // namespace
