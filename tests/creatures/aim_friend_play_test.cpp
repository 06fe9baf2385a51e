// Aino shoots with keys typed through the turn loop, her bow and an arrow in her hands and her dog
// beside her: "+" onto the dog asks before the arrow flies, and a shot at an empty square, where no
// aiming menu comes, lets no key meant for that menu run a command.
#include "core/loader_fixture.h"

#include <cstring>
#include <string>
#include <vector>

#include "core/creatures.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/lifeask.h"
#include "creatures/predicates.h"
#include "creatures/wounds.h"
#include "items/inventory.h"
#include "items/items.h"
#include "items/wearing.h"
#include "maps/maps.h"
#include "maps/picker.h"
#include "maps/sight.h"
#include "presentation/input_feeder.h"

namespace {

class AimAtFriend : public oxatest::PlayingTest {
protected:
    static int her_dog() {
        for (int n = 0; n < CRE_COUNT; n++)
            if (ask_valid(n) && Cre[n].speciescode == 618 && onko_NPC_kesyelain(n)) return n;
        return -1;
    }
    static int carried(const char *name) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++) {
            char got[41];
            if (Plr.inv_obj[s] > 0 && strcmp(item_name(ObjToItem(Plr.inv_obj[s]), got), name) == 0) n += Plr.inv_count[s];
        }
        return n;
    }
    static int slot_of(const char *name) {
        for (int s = 0; s < PLR_SLOTS; s++) {
            char got[41];
            if (Plr.inv_obj[s] > 0 && strcmp(item_name(ObjToItem(Plr.inv_obj[s]), got), name) == 0) return s;
        }
        return -1;
    }
    // Keys typed while the turn loop runs `passes` commands.
    static void play(const std::vector<int> &keys, int passes) {
        oxatest::KeyFeeder typing;
        for (int k : keys) typing.key((SDL_Keycode)k, 0);
        int r;
        typing.typed([&] {
            for (int p = 0; p < passes; p++) turn_pass(&r);
            return 0;
        });
    }
};

}  // namespace

TEST_F(AimAtFriend, HerDogIsAskedForAndAnEmptySquareEatsTheMenuKey) {
    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap());
    const int dog = her_dog();
    ASSERT_GE(dog, 0) << "her dog came with her";
    // Only the dog stays on the map, two squares east of her on open ground; the squares north-east
    // of her are open too. A hare lies dead at her feet for the butcher's "b".
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id != (uint32_t)(CRE_DATAID + dog)) {
            if (d.id >= (uint32_t)CRE_DATAID && d.id < (uint32_t)(CRE_DATAID + CRE_COUNT)) Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
    for (int dy = -1; dy <= 0; dy++)
        for (int dx = 0; dx <= 3; dx++) {
            if (dx || dy) set_mapchar(PlayerX + dx, PlayerY + dy, CH_GROUND);
            for (DataStruct &d : Data)
                if (d.x == PlayerX + dx && d.y == PlayerY + dy && d.type != DT_CREATURE) d.type = 0;
        }
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id == (uint32_t)(CRE_DATAID + dog)) d.x = (uint16_t)(PlayerX + 2), d.y = (uint16_t)PlayerY;
    Cre[dog].mode = 0;
    Cre[dog].Puuha[0] = 2;   // it stays put
    Luo_Olento(600);
    CreatureStruct made = Creature;
    made.weight = 8.0f;
    const int hid = new_creature_to_DATA(made);
    ASSERT_NE(hid, CRE_NONE);
    const int hare = hid - CRE_DATAID;
    set_data(DT_CREATURE, PlayerX, PlayerY, hid, 1);
    KillCreature(hare, 0);
    ASSERT_EQ(Cre[hare].mode, CM_CARCASS);

    // Her bow and arrows, both in hand: "t" goes straight to the target.
    add_named("Hunting bow", 1);
    add_named("Arrow", 10);
    ASSERT_GE(slot_of("Hunting bow"), 0);
    for (int h = 1; h <= 2; h++)
        if (wielding(h) < PLR_SLOTS) StatusUnset(Plr.inv_obj[wielding(h)] - OBJ_PLAYER_FIRST, (h == 1 ? ISTAT_PRIMARY : ISTAT_SECOND));
    ASSERT_GT(Wield(slot_of("Hunting bow"), 1, 1), 0);
    ASSERT_GT(Wield(slot_of("Arrow"), 2, 1), 0);
    ASSERT_EQ(carried("Arrow"), 10);

    struct Row {
        const char *what;
        std::vector<int> keys;
        int passes;
        const char *told;   // what the game says
        int arrows_after;   // carried when the row is done
        bool dog_hurt;
    };
    const Row rows[] = {
        // The picker's "+" onto the dog and Enter; "n" gives the shot up (the "b" after it would be the body).
        {"dog, answer N: no arrow lost, dog unhurt", {SDLK_t, '+', SDLK_RETURN, SDLK_n, SDLK_b}, 1, "Really shoot at the dog?", 10, false},
        // North-east of her, nobody there; "b" was meant for the aiming menu, Space goes on, "." rests.
        {"empty square then 'b': no butchering", {SDLK_t, SDLK_RIGHT, SDLK_UP, SDLK_RETURN, SDLK_b, SDLK_SPACE, SDLK_PERIOD}, 2,
         "There was nobody to aim at.", 9, false},
        {"dog, answer Y: shot", {SDLK_t, '+', SDLK_RETURN, SDLK_y, SDLK_b, SDLK_SPACE, SDLK_SPACE}, 1, "Really shoot at the dog?", 8, true},
    };
    WIZARD_randomsuccess = 4;   // every roll superior: an arrow let fly at the dog hits it
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        picker_reset();
        if (wielding(2) >= PLR_SLOTS) ASSERT_GT(Wield(slot_of("Arrow"), 2, 1), 0) << "the next arrow in her hand";
        const size_t told = notes().size();
        play(row.keys, row.passes);
        const std::string said = notes().substr(told);
        EXPECT_NE(said.find(row.told), std::string::npos) << said;
        EXPECT_EQ(carried("Arrow"), row.arrows_after) << said;
        EXPECT_EQ(body_injury_sum(dog) > 0, row.dog_hurt) << said;
        EXPECT_EQ(said.find("You start to cut"), std::string::npos) << said;
        bool whole = false;
        for (const DataStruct &d : Data) whole |= d.type == DT_CARCASS && d.id == (uint32_t)hid;
        EXPECT_TRUE(whole) << "the hare still lies uncut";
    }
    WIZARD_randomsuccess = 0;
}
