// tests/activities/magic_play_test.cpp -- played: down on her field, Aino opens her spells with F4,
// reads how the bear skull rite is done and offers an elk cut to the spirits.
#include "core/loader_fixture.h"
#include "core/player.h"
#include "../items/row_letters.h"

#include "activities/charscreens.h"
#include "activities/magic.h"
#include "items/inventory.h"

namespace {

class AinoMagic : public oxatest::PlayingTest {
protected:
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
    static int marks(int n) {
        int c = 0;
        for (uint32_t m : Plr.ritual_marks) c += m == (uint32_t)n;
        return c;
    }
};

TEST_F(AinoMagic, SheReadsARiteAndSacrificesFoodFromHerSpells) {
    // On the world map a sacrifice is refused.
    command({SDLK_F4, SDLK_a});
    EXPECT_TRUE(noted("Sacrifices are not be performed on the wilderness map!")) << notes();

    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap());
    // The animals of her field go elsewhere: one coming into sight would break off her choosing.
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
            Cre[d.id - CRE_DATAID].kind != CK_HUMAN) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }

    // Her page lists the sacrifice first and the bear skull rite second; the rite, not spoken, is
    // read at the first press and tells how it is done at the second.
    command({SDLK_F4, SDLK_b, SDLK_b});
    ASSERT_GE(RitualListNUM, 4) << "the rite, the sacrifice and two of her culture";
    EXPECT_EQ(RitualList[0], MEANS_SACRIFICE);
    EXPECT_EQ(RitualList[1], MEANS_BEAR_SKULL);
    EXPECT_TRUE(noted("This spell about bear skull rite is performed by following the given instructions")) << notes();

    // The general sacrifice: she picks the elk cut from her food.
    const SDL_Keycode elk = oxatest::carried_letter("elk cut");
    command({SDLK_F4, SDLK_a, elk});
    EXPECT_TRUE(noted("as a sacrifice to the spirits")) << notes();
    EXPECT_TRUE(noted("You feel at ease.")) << notes();
    EXPECT_EQ(PlrGotESINE(500), 0) << "the elk cut was offered";
    EXPECT_EQ(marks(MEANS_SACRIFICE), 1);
}

}  // namespace
