// tests/core/records_fixture.h -- resets every core table the record tests touch.
#pragma once
#include "common/harness.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/oxa.h"
#include "core/player.h"
#include "core/records.h"
#include "core/creatures.h"
#include "items/items.h"

#include <cstring>
#include <string>

namespace oxatest {

class RecordsTest : public ::testing::Test {
protected:
    void SetUp() override {
        OXA_NODELAY = 1;   // a pause for a key answers at once: no screen, nobody to press it
        memset(&Plr, 0, sizeof Plr);
        copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
        memset(Data, 0, sizeof(DataStruct) * DATA_MAX);
        memset(IsoData, 0, sizeof(DataStruct) * DATA_MAX);
        memset(&DTEMP, 0, sizeof DTEMP);
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
        memset(Cre, 0, sizeof(CreatureStruct) * CRE_COUNT);
        memset(&Temp_Item, 0, sizeof Temp_Item);
        memset(&Item, 0, sizeof Item);
        RUN_OBJMAINT = 0;
        WIZARD_randomsuccess = 0;
        datapool_gap = 0;
        PlayerX = 230;
        PlayerY = 230;
        TurnUsed = 0;
    }

    // A definition row of the given type and name.
    static ItemStruct &define(int row, int type, const char *name, unsigned id = 0) {
        ItemStruct &it = ConstantObj[row];
        ClrItemstruct(it);
        it.type = (uint8_t)type;
        it.id = id;
        copy_bounded(it.name, sizeof it.name, name);
        it.weight = 1.0f;
        it.fullweight = 1.0f;
        return it;
    }

    static ItemStruct item(int type, const char *name, unsigned id = 0) {
        ItemStruct it;
        ClrItemstruct(it);
        it.type = (uint8_t)type;
        it.id = id;
        copy_bounded(it.name, sizeof it.name, name);
        it.weight = 1.0f;
        it.fullweight = 1.0f;
        return it;
    }

    // Fills Data[from..to] with records of one type on one square.
    static void fill(int from, int to, int type, int x, int y) {
        for (int i = from; i <= to; i++) {
            memset(&Data[i], 0, sizeof Data[i]);
            Data[i].type = (uint8_t)type;
            Data[i].x = (uint16_t)x;
            Data[i].y = (uint16_t)y;
            Data[i].id = (uint32_t)(i + 1);
            Data[i].count = 1;
        }
    }

    static int used_records() {
        int n = 0;
        for (int i = 0; i < DATA_MAX; i++)
            if (Data[i].type != DT_UNUSED && Data[i].type != DT_FREED) n++;
        return n;
    }
};

// A character folder inside a throwaway working folder.
class CharacterFolderTest : public RecordsTest {
protected:
    void SetUp() override {
        RecordsTest::SetUp();
        dir = new TempDir();
        copy_bounded(CharacterFile, sizeof CharacterFile, "HERO");
        snprintf(CharacterPath, sizeof CharacterPath, "%s/HERO", dir->path().c_str());
        own_mkdir(CharacterPath);
    }
    void TearDown() override { delete dir; }
    std::string file(const char *name) const { return std::string(CharacterPath) + "/" + name; }
    TempDir *dir = nullptr;
};

}  // namespace oxatest
