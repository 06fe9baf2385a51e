// tests/activities/activity_fixture.h -- a running game for the activity tests: the turn fixture
// with the skill table and the notes file, the notes read back, and scripted skill rolls.
#pragma once
#include "../core/turn_fixture.h"

#include "creatures/skills.h"
#include "core/harnrule.h"
#include "game/loader.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "items/items.h"
#include "presentation/panels.h"

#include <deque>
#include <string>

namespace oxatest {

// Scripted rolls: the success rolls and the plain draws come from queues; an empty queue answers
// a failure (1) or 0.
struct Script {
    static std::deque<int> &rolls() { static std::deque<int> q; return q; }
    static std::deque<int> &draws() { static std::deque<int> q; return q; }
    static int rolls_taken;
    static int roll(int, int) {
        rolls_taken++;
        if (rolls().empty()) return 1;
        int r = rolls().front();
        rolls().pop_front();
        return r;
    }
    static int draw(int n) {
        if (draws().empty()) return n > 1 ? n - 1 : 0;
        int r = draws().front();
        draws().pop_front();
        return r;
    }
};
inline int Script::rolls_taken = 0;

class ActivityTest : public TurnTest {
protected:
    void SetUp() override {
        TurnTest::SetUp();
        dir->copy_asset("ini_skills.txt");
        dir->copy_asset("NOTES.STD");
        dir->copy_asset("messages/eng_food.txt");
        dir->copy_asset("messages/eng_items.txt");
        dir->copy_asset("messages/eng_skills.txt");
        MSG_forget_index();
        memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
        memset(ConstantObj, 0, sizeof(ItemStruct) * CONSTANTOBJ_ROWS);
        memset(&Temp_Item, 0, sizeof Temp_Item);
        memset(&Item, 0, sizeof Item);
        copy_bounded(CharacterFile, sizeof CharacterFile, dir->path().c_str());
        Komentohistoria = Komentotarkenne = 0;
        clrskillbank();
        PLRGLOBAL_luckrolls = 0;
    }
    void TearDown() override {
        unscript();
        CharacterFile[0] = 0;
        TurnTest::TearDown();
    }
    void script() {
        Script::rolls().clear();
        Script::draws().clear();
        Script::rolls_taken = 0;
        skill_successroll = Script::roll;
        skill_random = Script::draw;
    }
    void unscript() {
        skill_successroll = SuccessRoll;
        skill_random = random;
    }
    // Gives the player a skill in slot s.
    static void skill(int s, const char *name, int level, int aptitude = 10) {
        copy_bounded(Plr.skill_name[s], PLR_SKILLNAME, name);
        Plr.skill_level[s] = (uint8_t)level;
        Plr.skill_aptitude[s] = (uint8_t)aptitude;
        Plr.skill_counter[s] = 0;
        Plr.skill_raises[s] = 0;
        Plr.skill_flags[s] = 0;
    }
    // A food (or other) item of the given weight.
    static ItemStruct thing(int type, const char *name, unsigned id, float weight) {
        ItemStruct it;
        ClrItemstruct(it);
        it.type = (uint8_t)type;
        it.id = id;
        SET_ITEM_TEXT(it.name, name);
        it.weight = it.fullweight = weight;
        ItemSet_laatu(3, it);
        return it;
    }
    // Puts count of the item into pack slot s; answers its object number.
    static int give(int s, const ItemStruct &it, int count = 1) {
        int n = Esineesta_Uniikki(it);
        Plr.inv_obj[s] = n;
        Plr.inv_count[s] = count;
        return n;
    }
    // Every note shown so far, one a line.
    std::string notes() const { return dir->exists("msglog.txt") ? dir->read_file("msglog.txt") : ""; }
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
    int times_noted(const char *text) const {
        std::string all = notes();
        int n = 0;
        for (size_t p = all.find(text); p != std::string::npos; p = all.find(text, p + 1)) n++;
        return n;
    }
};

}  // namespace oxatest
