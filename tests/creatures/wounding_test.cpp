// Wounding by a blow: the wound table, armour, stored wounds, the rolls a wound calls for, bleeding
// per tick and the injury percentage.
#include "combat_fixture.h"

#include "creatures/creation.h"
#include "creatures/life.h"
#include "items/itemdefs.h"
#include "creatures/wounding.h"

namespace oxatest {

using WoundingTest = CombatTest;

TEST(WoundTable, CellsColumnsAndGroups) {
    // Every cell of groups 0..2 has a colour letter; group 3 has three columns and a blank fourth.
    for (int r = 0; r < ITABLE_ROWS; r++) {
        const int cols = r / BODYPARTS == 3 ? 3 : 4;
        for (int c = 0; c < 4; c++) {
            const char letter = ITable[r][c * 5];
            if (c < cols) EXPECT_TRUE(letter == 'y' || letter == 'o' || letter == 'r') << r << "/" << c;
            else EXPECT_EQ(letter, ' ') << r;
        }
    }
    EXPECT_EQ(std::string(ITable[0], 20), "yE2  yE3  oK3  rB1K5");               // blunt skull
    EXPECT_EQ(std::string(ITable[19 + 3], 20), "yE2  oB1E3rB2K4rB4A4");         // edge neck
    EXPECT_EQ(std::string(ITable[38 + 12], 20), "yS4E3oS5E4oE5  oB1E6");         // point groin
    EXPECT_EQ(std::string(ITable[57 + 9], 15), "yE3  oE3  rK4  ");                // frost thorax
    EXPECT_EQ(std::string(ITable[75], 15), "yE1  oE2  rE3  ");                    // fire wing
    // Column limits by group.
    const struct { int group, impact, col; } cols[] = {
        {0, 6, 0}, {0, 7, 1}, {0, 12, 1}, {0, 13, 2}, {0, 19, 3}, {1, 8, 0}, {1, 9, 1}, {1, 17, 3},
        {2, 10, 0}, {2, 11, 1}, {2, 20, 2}, {2, 21, 3}, {3, 10, 0}, {3, 20, 1}, {3, 99, 2},
    };
    for (const auto &c : cols) EXPECT_EQ(haava_column(c.group, c.impact), c.col) << c.group << "/" << c.impact;
    EXPECT_EQ(damage_group(7), 0);
    EXPECT_EQ(damage_group(3), 1);
    EXPECT_EQ(damage_group(6), 3);
}

TEST(WoundTable, ABluntSkullHitAtNineteen) {
    for (int i = 0; i < 50; i++) {
        const WoundCell w = HaavaSarake(0, 19, BP_SKULL);
        EXPECT_EQ(w.level, 3);
        EXPECT_GE(w.injury, 21);
        EXPECT_LE(w.injury, 30);
        EXPECT_EQ(w.bleeding, 1);
        EXPECT_EQ(w.kill, 5);
        EXPECT_EQ(w.shock, 6);
    }
    const WoundCell f = HaavaSarake(5, 40, BP_THORAX);   // fire past 20 stays in the third column
    EXPECT_EQ(f.level, 3);
    EXPECT_EQ(f.kill, 4);
    const WoundCell g = HaavaSarake(0, 8, BP_HIP);
    EXPECT_EQ(g.stumble, 4);
    EXPECT_EQ(g.shock, 1);
}

TEST_F(WoundingTest, ANeckAmputationAlwaysKills) {
    beast(2, 3, 601);
    plr_set<int32_t>(PB_BODYWEIGHT, 0);                 // nothing resists the amputation roll
    HAAVOITA(-1, 2, 40, BP_NECK, 3, 2);
    EXPECT_EQ(REAL_QUIT, -1);
    EXPECT_EQ(plr_get<int32_t>(PB_DEATHCAUSE), CAUSE_FATAL);
}

TEST_F(WoundingTest, AShockThatFellsHerRecordsWhomSheFaintedAfter) {
    // A wolf's blow to her face that does not bleed: she faints after the wolf, and nobody started a
    // bleeding.
    beast(2, 3, 601).socialid = 4242;
    plr_set<int32_t>(PB_INJURYCAUSE, 0);
    plr_set<int32_t>(PB_FAINTCAUSE, 0);
    plr_bytes(PB_ENDURANCE)[0] = 0;
    Plr.posture = 0;
    HAAVOITA(-1, 0, 8, BP_FACE, 3, 2);
    EXPECT_EQ(Plr.posture, 4);
    EXPECT_EQ(plr_get<int32_t>(PB_FAINTCAUSE), 4242);
    EXPECT_EQ(plr_get<int32_t>(PB_INJURYCAUSE), 0);
}

TEST_F(WoundingTest, AShockWakesASleeperButLeavesAFighterToItsFight) {
    static const struct {
        uint8_t mode;
        uint8_t after;
    } rows[] = {{CM_ASLEEP, 0}, {5, 5}, {4, 4}};
    for (const auto &r : rows) {
        SCOPED_TRACE((int)r.mode);
        CreatureStruct &w = beast(2, 3, 611);
        w.mode = r.mode;
        w.Puuha[0] = 55;
        HAAVOITA(2, -1, 8, BP_FACE, 3, 2);
        EXPECT_EQ(Cre[2].mode, r.after);
        EXPECT_EQ(Cre[2].Puuha[0] == 55, r.mode != CM_ASLEEP) << "an awake creature keeps what it was doing";
    }
}

TEST_F(WoundingTest, ARobbersBlowsNeverRollToKill) {
    // A robber as the game makes one (no fight-mode bit of its own) and a villager giving a beating:
    // their blows at a senseless head never roll to kill, and at injury 100 the wound check only fells her.
    for (const char *f : {"westm.dat", "westf.dat", "northm.dat", "northf.dat", "eastm.dat", "eastf.dat"})
        dir->copy_asset(f);
    InitObjs();
    for (int beating = 0; beating < 2; beating++) {
        SCOPED_TRACE(beating ? "a villager beating her" : "a robber");
        if (beating) {
            beast(2, CK_HUMAN).fightbits = 4;
        } else {
            Luo_Olento(551);
            Cre[2] = Creature;
            ASSERT_EQ(Cre[2].fightbits, 0);
        }
        Cre[2].socialid = 77;
        REAL_QUIT = 0;
        plr_bytes(PB_ENDURANCE)[0] = 0;
        for (int i = 0; i < 20; i++) {
            Plr.posture = 0;
            HAAVOITA(-1, 0, 40, BP_SKULL, 3, 2);
            EXPECT_EQ(REAL_QUIT, 0);
        }
        EXPECT_EQ(plr_get<int32_t>(PB_ATTACKER), 77);
        EXPECT_EQ(Plr.posture, 4) << "the shock still fells";
        plr_bytes(PB_ENDURANCE)[0] = 12;
        Plr.posture = 0;
        plr_set<uint32_t>(PB_INJURY, 100);
        Haavatarkistukset(0);
        EXPECT_EQ(REAL_QUIT, 0);
        EXPECT_EQ(Plr.posture, 4);
    }
    EXPECT_EQ(fightmode_dontkill(-1), 1);
}

TEST_F(WoundingTest, ArmourAbsorbsAndAHitLeavesARecord) {
    CreatureStruct &wolf = beast(1, 3, 601);
    wolf.natprot[2] = 50;
    HAAVOITA(1, 2, 40, BP_THORAX, 3, -1);
    EXPECT_EQ(body_injury_sum(1), 0);
    EXPECT_EQ(cre_natural_armour(1, BP_EYE, 2), 0);
    EXPECT_EQ(cre_natural_armour(1, BP_THORAX, 6), wolf.natprot[5]);
    wolf.natprot[2] = 0;
    HAAVOITA(1, 2, 10, BP_THIGH, 1, -1);
    EXPECT_GT(body_injury_sum(1), 0);
    EXPECT_EQ(Cre[1].killer, -1) << "should the wounds end it, the player killed it";
    EXPECT_EQ(Cre[1].injury, body_injury_sum(1));
    // A cause that never harms lets nothing bleed.
    beast(3, 3, 601);
    HAAVOITA(3, 2, 18, BP_THIGH, 1, CAUSE_NO_HARM);
    EXPECT_EQ(body_bleeding_sum(3), 0);
    EXPECT_GT(body_injury_sum(3), 0);
}

TEST_F(WoundingTest, ACreatureWithTwentyFullSlotsAddsToAMatchingWound) {
    beast(1, 3, 601);
    for (int s = 0; s < WOUND_SLOTS; s++) AsetaHaava(1, 0, 1, s % BODYPARTS, 1, 2, 0);
    const int before = body_injury_sum(1);
    AsetaHaava(1, 0, 1, BP_SKULL, 1, 5, 0);             // matches slot 0 exactly
    int used = 0;
    WoundSlot w;
    for (int s = 0; s < WOUND_SLOTS; s++)
        if (wound_get(1, s, w) && w.kind) used++;
    EXPECT_EQ(used, WOUND_SLOTS);
    wound_get(1, 0, w);
    EXPECT_EQ(w.injury, 7);
    EXPECT_EQ(body_injury_sum(1), before + 5);
}

TEST_F(WoundingTest, APlayerWoundWrittenOverLeavesTheTotals) {
    for (int s = 0; s < WOUND_SLOTS; s++) AsetaHaava(-1, 2, 1, BP_THIGH, 1, 10, 0);
    EXPECT_EQ(plr_get<uint32_t>(PB_INJURY), 200u);
    AsetaHaava(-1, 2, 1, BP_THIGH, 1, 3, 0);
    EXPECT_EQ(plr_get<uint32_t>(PB_INJURY), (uint32_t)body_injury_sum(-1));
    EXPECT_EQ(plr_get<uint32_t>(PB_INJURY), 193u);
}

TEST_F(WoundingTest, BleedingBeyondEightTimesEnduranceKillsOrOnlyFells) {
    // A creature: endurance 4, a loss past 32 dies.
    CreatureStruct &hare = beast(1, 3, 601);
    hare.endurance = 4;
    AsetaHaava(1, 2, 3, BP_THIGH, 1, 25, 3);
    hare.bloodloss = 31;
    EXPECT_EQ(Suorita_Verenhukka(1, 5, 5, 1), 0) << "spared this tick";
    EXPECT_EQ(Suorita_Verenhukka(1, 5, 5, 0), 1);
    EXPECT_EQ(Cre[1].posture, 4);
    EXPECT_EQ(Cre[1].killer, CAUSE_BLEEDING);

    // The player beaten by a villager who does not kill only faints, the loss held at 4E + 1.
    CreatureStruct &villager = beast(2, CK_HUMAN);
    villager.fightbits = 4;
    villager.socialid = 55;
    plr_set<int32_t>(PB_ATTACKER, 55);
    AsetaHaava(-1, 2, 3, BP_THIGH, 1, 25, 3);
    const int E = 12;
    for (int i = 0; i < 200 && Plr.posture != 4; i++) {
        plr_set<uint32_t>(PB_BLOODLOSS, (uint32_t)(8 * E + 1));
        Suorita_Verenhukka(-1, 5, 5, 0);
    }
    EXPECT_EQ(Plr.posture, 4);
    EXPECT_EQ(REAL_QUIT, 0);
    EXPECT_EQ(plr_get<uint32_t>(PB_BLOODLOSS), (uint32_t)(4 * E + 1));
    // Anyone else's wound bleeds the player to death.
    plr_set<int32_t>(PB_ATTACKER, CAUSE_TRAP);
    for (int i = 0; i < 200 && REAL_QUIT == 0; i++) {
        plr_set<uint32_t>(PB_BLOODLOSS, (uint32_t)(8 * E + 1));
        Suorita_Verenhukka(-1, 5, 5, 0);
    }
    EXPECT_EQ(REAL_QUIT, -1);
}

TEST_F(WoundingTest, ComingToAndTheInjuryPercentage) {
    CreatureStruct &wolf = beast(1, 3, 601);
    wolf.posture = 4;
    wolf.endurance = 255;
    EXPECT_EQ(Tajuttomuustarkistus(1, 0), 0);
    EXPECT_EQ(wolf.posture, 1);
    EXPECT_EQ(wolf.unconscious, 0);
    wolf.posture = 4;
    wolf.endurance = 0;
    EXPECT_EQ(Tajuttomuustarkistus(1, 0), 1);
    EXPECT_EQ(wolf.unconscious, 1);
    wolf.injury = 200;
    wolf.endurance = 10;
    EXPECT_EQ(HAAVAPROSENTTI(1), 200);
    wolf.endurance = 0;
    EXPECT_EQ(HAAVAPROSENTTI(1), 2000) << "endurance 0 counts as 1";
}

}  // namespace oxatest
