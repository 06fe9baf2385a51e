// tests/creatures/creation_fixture.h -- a working folder with the first-name files and the item
// catalogue, for the tests that make creatures with their clothes and gear.
#pragma once
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "common/harness.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/outfit.h"
#include "items/itemdefs.h"

namespace oxatest {

class CreationTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = new TempDir();
        for (const char *f : {"westm.dat", "westf.dat", "northm.dat", "northf.dat", "eastm.dat", "eastf.dat",
                              "flora_forest.txt", "flora_meadow.txt"})
            dir->copy_asset(f);
        const std::string character = dir->path() + "/AINO";
        mkdir(character.c_str(), 0755);
        copy_bounded(CharacterPath, sizeof CharacterPath, character.c_str());
        memset(&Plr, 0, sizeof Plr);
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
        InitObjs();
        ClearPrevNameStack();
        FLEXIBLE_BIRTH = FLEXIBLE_ANIMAL_BIRTH = 0;
        Plr.month = 6;
        Plr.daynumber = 500;
    }
    void TearDown() override {
        delete dir;
        FLEXIBLE_BIRTH = FLEXIBLE_ANIMAL_BIRTH = 0;
    }
    // A person of culture c made by role.
    static CreatureStruct person(int code, int culture) {
        CreatureStruct out;
        synnyta_IHMISOLENTO(out, code, culture, 0);
        return out;
    }
    static CreatureStruct animal(int code, const char *tags = "") {
        CreatureStruct out;
        Luo_ElainOlento(out, code, tags);
        return out;
    }
    static std::string item_name_of(int obj) {
        const ItemStruct it = ObjToItem(obj);
        return std::string(it.name, strnlen(it.name, sizeof it.name));
    }
    TempDir *dir = nullptr;
};

}  // namespace oxatest
