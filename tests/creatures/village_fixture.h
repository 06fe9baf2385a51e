// tests/creatures/village_fixture.h -- the local area of a village: world cell 1500, 1000 is the
// village centre of society SOC, the player at the centre of the area, the people's messages loaded,
// no village remembered and the goods lists empty.
#pragma once
#include "core/obj_func.h"
#include "game/turnloop.h"
#include "creatures/bodyrec.h"
#include "creatures/breaches.h"
#include "creatures/deathdrop.h"
#include "creatures/predicates.h"
#include "maps/facing.h"
#include "core/tekstit.h"
#include "creatures/people.h"
#include "items/items.h"
#include "items/ownership.h"
#include "life_fixture.h"
#include "maps/kulttuuri.h"
#include "maps/marker.h"
#include "society/village.h"

class VillageTest : public LifeTest {
protected:
    static constexpr int SOC = 4711;
    void SetUp() override {
        LifeTest::SetUp();
        dir->copy_asset("messages/eng_people.txt");
        dir->copy_asset("messages/eng_chat.txt");
        MSG_forget_index();
        plr_set<int32_t>(PB_BODYWEIGHT, 130);
        Plr.world_x = 1500;
        Plr.world_y = 1000;
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
        memset(Plr.inv_count, 0, sizeof Plr.inv_count);
        clrVillages();
        GOT_UNPAID_clr();
        GOT_TAKEN_clr();
        GOT_PACKED_clr();
        MOVETAKEN_clr();
        BURGLARYSOC = 0;
        set_alltime_kulttuuri(1500, 1000, 0);   // a test may have made it culture 11
        put_world(1500, 1000, 210);
        Mapinfo_setsocID(1500, 1000, SOC);
        village_of_one();
    }
    // The village anew, its centre at 1500, 1000 and one of its people on record: goods of a village
    // with nobody left are free for the taking.
    static void village_of_one() {
        GetGlobVil(SOC);
        globVil.centre_x = 1500;
        globVil.centre_y = 1000;
        globVil.people[0] = 880001;
        SaveGlobVil();
    }
    void TearDown() override {
        clrVillages();
        LifeTest::TearDown();
    }
    // A grown villager of the society on x, y, facing the player when `watching`.
    int villager(int n, int x, int y, bool watching) {
        const int dp = person(n, x, y);
        Cre[n].community = SOC;
        Cre[n].culture = 0;
        Cre[n].rhythm = 4;
        Cre[n].Suunta = watching ? suunta_jostain_johonkin(x, y, PlayerX, PlayerY) : (suunta_jostain_johonkin(x, y, PlayerX, PlayerY) + 4) % 8;
        return dp;
    }
    // An item of the catalogue's shape with a price, stored as a new object.
    int item(const char *name, int type, float price, float weight = 1.0f) {
        ItemStruct it{};
        it.type = (uint8_t)type;
        it.id = 300;
        it.price = price;
        it.weight = it.fullweight = weight;
        strcpy(it.name, name);
        return Esineesta_Uniikki(it);
    }
    // Village goods lying on a square of the area.
    int goods(int x, int y, const char *name, float price = 10.0f) {
        const int dp = place_record(DT_ITEM, x, y, (uint32_t)item(name, IT_TOOL, price));
        Data[dp].owner = SOC_OWNER;
        return dp;
    }
    int carried(int pos) {
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] > 0) {
                const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
                if (it.id == ObjToItem(pos).id && !strcmp(it.name, ObjToItem(pos).name)) return Plr.inv_obj[s];
            }
        return 0;
    }
};
