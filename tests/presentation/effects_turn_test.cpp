// The turn loop's faint: a fainted player sees the map covered in dark red until she comes to.
#include "core/turn_fixture.h"

#include "presentation/effects.h"

namespace {

class FaintTurn : public oxatest::TurnTest {
protected:
    void TearDown() override {
        RESET_MAPEFF();
        oxatest::TurnTest::TearDown();
    }
};

TEST_F(FaintTurn, FaintedPlayerLiesUnderTheRedMapUntilSheComesTo) {
    Plr.posture = 4;
    TurnUsed = 0;
    turn_answer();
    EXPECT_EQ(Plr.posture, 1) << "she came to and lies where she fell";
    EXPECT_EQ(MAPEFF_R + MAPEFF_G + MAPEFF_B, 0) << "waking takes the red away";
    EXPECT_EQ(MAPEFFECT_DRAW, 0);

    Plr.posture = 0;               // a player who came to: the next pass leaves the map alone
    RESET_MAPEFF();
    turn_answer();
    EXPECT_EQ(MAPEFF_R + MAPEFF_G + MAPEFF_B, 0);
}

}  // namespace
