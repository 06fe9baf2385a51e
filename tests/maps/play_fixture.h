// tests/maps/play_fixture.h -- a running game for the looking, door and water tests: the turn
// fixture with the player's objects cleared, notes read back from the message log, objects made
// by name and records put on squares.
#pragma once
#include "core/turn_fixture.h"
#include "common/pool_put.h"

#include "core/obj_func.h"
#include "items/items.h"
#include "maps/picker.h"

#include <string>
#include <vector>

class PlayTest : public oxatest::TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        dir->copy_asset("messages/eng_movement.txt");
        MSG_forget_index();
        picker_reset();
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
        copy_bounded(CharacterFile, sizeof CharacterFile, dir->path().c_str());
        DISABLE_MORECHECK = 1;
        DEBUG_INFO = 0;
        NEWGFX = 1;
        PlayerView();
    }
    void TearDown() override {
        CharacterFile[0] = 0;
        DISABLE_MORECHECK = 0;
        TurnTest::TearDown();
    }
    // A new object of the type, subtype and weight; answers its object number.
    static int object(const char *name, int type = 6, int subtype = 0, float weight = 1, int id = 900) {
        ItemStruct it;
        ClrItemstruct(it);
        it.type = (uint8_t)type;
        it.subtype = (uint8_t)subtype;
        it.id = (uint32_t)id;
        SET_ITEM_TEXT(it.name, name);
        it.weight = it.fullweight = weight;
        ItemSet_laatu(2, it);
        return Esineesta_Uniikki(it);
    }
    // The object into pack slot s, with its status byte (wielded, in use) set.
    static void carry(int s, int obj, int status = 0, int state = 0) {
        Plr.inv_obj[s] = obj;
        Plr.inv_count[s] = 1;
        PlayerObj[obj - OBJ_PLAYER_FIRST].status = (uint8_t)status;
        PlayerObj[obj - OBJ_PLAYER_FIRST].state = (uint16_t)state;
    }
    static int put(int type, int x, int y, int obj, int count = 1) { return oxatest::pool_put(type, x, y, (uint32_t)obj, count); }
    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        if (!dir->exists("msglog.txt")) return out;
        std::string all = dir->read_file("msglog.txt"), line;
        for (char ch : all) {
            if (ch != '\n') {
                line += ch;
                continue;
            }
            const size_t bar = line.find("| ");
            out.push_back(bar == std::string::npos ? line : line.substr(bar + 2));
            line.clear();
        }
        return out;
    }
    bool was_shown(const std::string &part) const {
        for (auto &l : shown())
            if (l.find(part) != std::string::npos) return true;
        return false;
    }
    void forget() {
        remove((dir->path() + "/msglog.txt").c_str());
        lastnote[0] = 0;           // the next note may repeat the last one
    }
};
