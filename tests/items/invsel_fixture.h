// tests/items/invsel_fixture.h -- a running game for the item lists, the selection screen and the
// item commands: the turn fixture's open ground, the item messages, the player's object table
// cleared, and helpers that give her things, lay things on the ground and read the notes.
#pragma once
#include "core/turn_fixture.h"

#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/player.h"
#include "items/invlist.h"
#include "presentation/invlist_draw.h"
#include "items/invsel.h"
#include "activities/itemcmd.h"
#include "items/items.h"
#include "items/itemunit.h"
#include "maps/tile_strips.h"
#include "presentation/tiles.h"

#include <fstream>
#include <sstream>
#include <string>

namespace oxatest {

class InvTest : public TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        for (const char *f : {"messages/eng_items.txt", "messages/eng_itemcmd.txt", "messages/eng_food.txt",
                              "messages/eng_world.txt", "messages/eng_movement.txt", "messages/eng_body.txt",
                              "messages/eng_crafting.txt"})
            dir->copy_asset(f);
        MSG_forget_index();
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
        ClrInvData();
        copy_bounded(LAST_LISTTITLE, sizeof LAST_LISTTITLE, "undefined");
        Plr.inv_obj[0] = 0;
        Plr.daynumber = 100;
        *reinterpret_cast<int32_t *>(reinterpret_cast<unsigned char *>(&Plr) + 2736) = 150;   // body weight
        DISABLE_MORECHECK = 1;
        copy_bounded(CharacterFile, sizeof CharacterFile, ".");
        TurnUsed = 0;
    }
    void TearDown() override {
        DISABLE_MORECHECK = 0;
        TurnTest::TearDown();
    }

    static ItemStruct thing(int type, const char *name, float weight = 1.0f, unsigned id = 0) {
        ItemStruct it;
        ClrItemstruct(it);
        it.type = (uint8_t)type;
        it.id = id;
        SET_ITEM_TEXT(it.name, name);
        it.weight = it.fullweight = weight;
        if (type == IT_FOOD) it.spoil = 10;
        return it;
    }
    // Into the next empty slot as its own stored object; answers the slot.
    static int give(const ItemStruct &it, int count = 1) {
        const int pos = Esineesta_Uniikki(it);
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] == 0) {
                Plr.inv_obj[s] = pos;
                Plr.inv_count[s] = count;
                return s;
            }
        return -1;
    }
    static ItemStruct &held(int slot) { return PlayerObj[Plr.inv_obj[slot] - OBJ_PLAYER_FIRST]; }
    // A pool record of the thing at (x, y); answers its index.
    static int lay(const ItemStruct &it, int count, int x, int y, int at = -1) {
        static int next = 1;
        const int i = at >= 0 ? at : next++ % 9000 + 100;
        Data[i].type = DT_ITEM;
        Data[i].x = (uint16_t)x;
        Data[i].y = (uint16_t)y;
        Data[i].id = (uint32_t)Esineesta_Uniikki(it);
        Data[i].count = (uint16_t)count;
        return i;
    }
    static std::string name_at(const InvDataStruct &r) {
        char n[41];
        return item_name(ObjToItem(r.pos), n);
    }
    std::string notes() const {
        std::ifstream in(dir->path() + "/msglog.txt");
        std::stringstream ss;
        ss << in.rdbuf();
        return ss.str();
    }
    bool noted(const std::string &text) const { return notes().find(text) != std::string::npos; }
    static void keys(std::initializer_list<SDL_Keycode> ks) {
        for (SDL_Keycode k : ks) push_key(k);
    }
    // Records of type 1 on a square: "name x count" in pool order.
    static std::string ground(int x, int y) {
        std::string out;
        for (int i = 0; i < DATA_MAX; i++) {
            const DataStruct &d = Data[i];
            if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
            char n[41];
            out += std::string(item_name(ObjToItem((int)d.id), n)) + " x" + std::to_string(d.count) + "; ";
        }
        return out;
    }
    static std::string carried() {
        std::string out;
        for (int s = 0; s < PLR_SLOTS; s++) {
            if (!Plr.inv_obj[s]) continue;
            char n[41];
            out += std::string(item_name(ObjToItem(Plr.inv_obj[s]), n)) + " x" + std::to_string(Plr.inv_count[s]) + "; ";
        }
        return out;
    }
};

}  // namespace oxatest
