// tests/maps/move_facing_test.cpp -- turning, directions between squares, the entry square of
// each heading and placing the player on a square he can stand on.
#include "maps/maptest.h"

#include "core/maintenance.h"
#include "core/creatures.h"
#include "maps/facing.h"
#include "maps/sight.h"
#include "maps/movement.h"
#include "core/notes.h"
#include "presentation/show.h"

#include <string>

namespace {

std::string &last_note() {
    static std::string s;
    return s;
}

class Facing : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        local_area();
        for (int y = 200; y < 264; y++)
            for (int x = 200; x < 264; x++) put(x, y, CH_GROUND);
        memset(Cre, 0, sizeof Cre);
        mapdimInit(800, 600, 1.0f);
        InitSines();
        CalculateLDist(50);
    }
};

TEST_F(Facing, TurningAndDirections) {
    EXPECT_EQ(turn_player(3, 7), 1);
    EXPECT_EQ(turn_player(4, 1), 7);
    EXPECT_EQ(turn_player(0, 2), 6);
    EXPECT_EQ(turn_player(1, 0), 7);
    EXPECT_EQ(turn_player(9, 5), 5);
    EXPECT_EQ(suunta_jostain_johonkin(10, 10, 12, 10), 0);
    EXPECT_EQ(suunta_jostain_johonkin(10, 10, 10, 8), 2);
    EXPECT_EQ(suunta_jostain_johonkin(10, 10, 8, 12), 5);
    EXPECT_EQ(suunta_jostain_johonkin(10, 10, 10, 10), 0);
    EXPECT_EQ(suunta_jostain_johonkin(10, 10, 13, 11), 7);

    PlayerX = PlayerY = 230;
    PlayerDir = 3;
    turn_towards(230, 230);
    EXPECT_EQ(PlayerDir, 3) << "the own square leaves the facing";
    turn_towards(228, 230);
    EXPECT_EQ(PlayerDir, 4);

    Cre[4].mode = CM_ASLEEP;
    Cre[4].Suunta = 1;
    kaanna_NPC_kohti(4, 0, 0);
    EXPECT_EQ(Cre[4].Suunta, 1) << "a sleeper is not turned";
    kaanna_NPC_kohti(-3, 0, 0);    // no creature: nothing happens
    kaanna_NPC_kohti(CRE_COUNT, 0, 0);
}

TEST_F(Facing, EncounterPlacementKeepsTheSquareInModeTwoAndTurnsTowardTheTarget) {
    PlayerX = PlayerY = 232;
    PlayerDir = 0;
    const UiNotes shown = ui.notes;
    ui.notes.note = [](const char *t, const char *, uint8_t, uint8_t, uint8_t, const char *) { last_note() = t; };
    last_note().clear();
    ignore_lastnote();
    sijoita_pelaaja_nakoetaisyydelle_kohteesta(232, 240, 2);
    EXPECT_EQ(PlayerX, 232);
    EXPECT_EQ(PlayerY, 232);
    EXPECT_EQ(PlayerDir, 6);
    // The target square is in view: nothing is said only when the creature was found too.
    EXPECT_NE(last_note().find("the creature is somewhere up ahead"), std::string::npos) << last_note();

    // Out of mode 2 the player moves to a square from which the target is seen, 4 to 8 away.
    for (int y = 200; y < 264; y++)
        for (int x = 200; x < 264; x++) put(x, y, CH_GROUND);
    sijoita_pelaaja_nakoetaisyydelle_kohteesta(232, 240, 0);
    const int d = koordinaattien_vali(PlayerX, PlayerY, 232, 240);
    EXPECT_GE(d, 3);
    EXPECT_LE(d, 17);
    EXPECT_TRUE(NPC_see(PlayerX, PlayerY, 232, 240, -1));
    ui.notes = shown;
}

TEST_F(Facing, EncounterPlacementNeverPutsHerInTheLake) {
    // A lake round the target with one strip of shore: every draw lands her on the shore.
    const UiNotes shown = ui.notes;
    ui.notes.note = [](const char *, const char *, uint8_t, uint8_t, uint8_t, const char *) {};
    for (int y = 200; y < 264; y++)
        for (int x = 200; x < 264; x++) put(x, y, CH_DEEP_WATER);
    for (int x = 222; x < 243; x++) put(x, 234, CH_GROUND);
    put(232, 240, CH_GROUND);
    Plr.movement_mode = 0;
    int moved = 0;
    for (int draw = 0; draw < 20; draw++) {
        PlayerX = 232;
        PlayerY = 234;
        sijoita_pelaaja_nakoetaisyydelle_kohteesta(232, 240, 0);
        EXPECT_EQ(PlayerY, 234) << "draw " << draw << " x " << PlayerX;
        EXPECT_TRUE(entry_square_free(PlayerX, PlayerY)) << "draw " << draw;
        moved += PlayerX != 232;
    }
    EXPECT_GT(moved, 0) << "the shore is taken when it is farther";
    ui.notes = shown;
}

TEST_F(Facing, EntrySquaresByHeading) {
    const int want[8][2] = {{2, 31}, {2, 63}, {31, 63}, {62, 63}, {62, 31}, {62, 1}, {31, 1}, {2, 1}};
    for (int h = 0; h < 8; h++) {
        EXPECT_EQ(EnteringX(h), want[h][0]) << h;
        EXPECT_EQ(EnteringY(h), want[h][1]) << h;
    }
    EXPECT_EQ(EnteringX(8), 32);
    EXPECT_EQ(EnteringY(-1), 32);
}

TEST_F(Facing, EnteringFromEverySideLandsOnAFreeSquare) {
    // Every entry square and its neighbours hold something the player can't stand on: a tree,
    // a fence, a wall, water or a fire.
    const int blockers[] = {13, 42, 196, CH_DEEP_WATER, 39, 18};
    for (int h = 0; h < 8; h++) {
        const int ex = EnteringX(h) + 200, ey = EnteringY(h) + 200;
        for (int dy = -2; dy <= 2; dy++)
            for (int dx = -2; dx <= 2; dx++) put(ex + dx, ey + dy, blockers[(h + dx + dy + 10) % 6]);
    }
    Data[0].type = DT_FIRE;
    Data[0].x = 231;
    Data[0].y = 231;
    put(231, 231, CH_GROUND);
    for (int h = 0; h < 8; h++) {
        const int ex = EnteringX(h) + 200, ey = EnteringY(h) + 200;
        ASSERT_EQ(place_on_entry(ex, ey), 1) << h;
        const int c = maailma[mapidx(PlayerX, PlayerY)];
        EXPECT_FALSE(terrain_flag(c, TF_BLOCKS | TF_TREE | TF_FENCE)) << "heading " << h << " char " << c;
        EXPECT_FALSE(PlayerX == 231 && PlayerY == 231) << "not into the fire";
        EXPECT_LE(koordinaattien_vali(PlayerX, PlayerY, ex, ey), 40) << "near where the player came in";
    }
}

TEST_F(Facing, PlacementTestsWithoutSideEffects) {
    const uint32_t minutes = Plr.minutes;
    const int seconds = Juoksevat_sekuntit;
    put(230, 230, 42);
    EXPECT_EQ(entry_square_free(230, 230), 0) << "a fence";
    EXPECT_EQ(entry_square_free(231, 230), 1);
    EXPECT_EQ(entry_square_free(-1, 5), 0);
    EXPECT_EQ(entry_square_free(5000, 5), 0);
    ASSERT_EQ(place_on_entry(230, 230), 1);
    EXPECT_NE(maailma[mapidx(PlayerX, PlayerY)], 42);
    EXPECT_EQ(Plr.minutes, minutes) << "placing spends no time";
    EXPECT_EQ(Juoksevat_sekuntit, seconds);

    // A map with nowhere to stand: the answer says so.
    for (int y = 190; y < 280; y++)
        for (int x = 190; x < 300; x++) put(x, y, 13);
    EXPECT_EQ(place_on_entry(232, 232), 0);
}

}  // namespace
