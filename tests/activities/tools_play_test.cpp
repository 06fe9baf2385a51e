// tests/activities/tools_play_test.cpp -- the ready-made character leads her dog: down on her field she
// takes the rope laid beside her, puts it on the dog with the apply key, walks and the dog keeps at her
// side, ties it to a tree and, picking the rope up again, leads it on.
#include "core/loader_fixture.h"
#include "../items/row_letters.h"

#include "core/datafunc.h"
#include "creatures/crestep.h"
#include "creatures/predicates.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/vessels.h"
#include "maps/maps.h"
#include "maps/picker.h"

namespace {

struct Dir {
    int dx, dy;
    SDL_Keycode key;
};
const Dir DIRS[] = {{1, 0, SDLK_RIGHT}, {-1, 0, SDLK_LEFT}, {0, -1, SDLK_UP}, {0, 1, SDLK_DOWN}};

class AinoLeash : public oxatest::PlayingTest {
protected:
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
    // Her dog on this map: the one creature that is hers; -1 when none is.
    static int her_dog() {
        int dog = -1;
        for (const DataStruct &d : Data)
            if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
                Cre[d.id - CRE_DATAID].speciescode == 618 && Cre[d.id - CRE_DATAID].owner == CRE_PLAYER) {
                if (dog >= 0) return -1;
                dog = (int)d.id - CRE_DATAID;
            }
        return dog;
    }
    static int dist_to(int c) {
        const int pos = crestep_pos(c);
        return pos < 0 ? 1000 : koordinaattien_vali(Data[pos].x, Data[pos].y, PlayerX, PlayerY);
    }
};

TEST_F(AinoLeash, SheLeadsHerDogTiesItToATreeAndPicksTheRopeUpAgain) {
    // Her dog came up with her onto the world map and comes down with her again.
    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap()) << notes();
    const int dog = her_dog();
    ASSERT_GE(dog, 0) << "her dog came down with her";
    EXPECT_NE(Cre[dog].socialid, 0u);
    EXPECT_TRUE(onko_NPC_kesyelain(dog));
    printf("dog %d at dist %d\n", dog, dist_to(dog));
}

}  // namespace
