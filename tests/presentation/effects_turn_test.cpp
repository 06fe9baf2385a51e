// The turn loop's faint: a fainted player sees the map covered in dark red, as long as she lies.
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

TEST_F(FaintTurn, FaintedPlayerLeavesTheMapRed) {
    Plr.posture = 4;
    TurnUsed = 0;
    turn_answer();
    EXPECT_EQ(MAPEFF_R, 52);
    EXPECT_EQ(MAPEFF_G + MAPEFF_B, 0);
    EXPECT_EQ(MAPEFFECT_DRAW, 0);

    Plr.posture = 0;               // a player who came to: the next pass leaves the map alone
    RESET_MAPEFF();
    turn_answer();
    EXPECT_EQ(MAPEFF_R + MAPEFF_G + MAPEFF_B, 0);
}

}  // namespace
