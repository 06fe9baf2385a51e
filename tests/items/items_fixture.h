// tests/items/items_fixture.h -- a working folder with the plant data and names, and every item
// table reset, for the item tests.
#pragma once
#include <sys/stat.h>

#include "activities/herblore.h"
#include "common/harness.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/items_test.h"
#include "items/plants.h"
#include "core/tekstit.h"
#include "worldgen/chardefs.h"

#include <cstring>
#include <string>

namespace oxatest {

class ItemsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new TempDir();
        for (const char *f : {"flora_forest.txt", "flora_meadow.txt", "messages/eng_uname_flora.txt",
                              "messages/eng_items.txt", "messages/eng_general.txt"})
            dir->copy_asset(f);
        MSG_forget_index();
        const std::string character = dir->path() + "/AINO";
        mkdir(character.c_str(), 0755);
        copy_bounded(CharacterPath, sizeof CharacterPath, character.c_str());
        memset(&Plr, 0, sizeof Plr);
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
        memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
        memset(&Temp_Item, 0, sizeof Temp_Item);
        memset(&Item, 0, sizeof Item);
        memset(&NimiTempItem, 0, sizeof NimiTempItem);
        definit_yrttidata();
        hakutapa_RANDOM = 0;
    }
    void TearDown() override {
        delete dir;
        MSG_forget_index();
    }

    // The whole catalogue as loading a character builds it.
    static void build_catalogue() {
        InitObjs();
        InitUnames();
        LuoKasvit();
    }

    static ItemStruct blank(int type, const char *name, unsigned id = 0) {
        ItemStruct it;
        ClrItemstruct(it);
        it.type = (uint8_t)type;
        it.id = id;
        SET_ITEM_TEXT(it.name, name);
        it.weight = it.fullweight = 1.0f;
        if (type == IT_FOOD) it.spoil = 10;   // fresh food
        return it;
    }

    static std::string name_of(const ItemStruct &it) {
        char n[41];
        return item_name(it, n);
    }

    // Stores the record as a player object and answers its item position.
    static int stored(const ItemStruct &it) { return Esineesta_Uniikki(it); }

    TempDir *dir = nullptr;
};

}  // namespace oxatest
