// The result tables of the exchange, the outcomes they give, the dice caps and the impact, the
// rolls that follow a blow, and the wear weapons take when they meet.
#include "combat_fixture.h"

#include "creatures/melee.h"

#include <string>

namespace oxatest {

static std::string dump(const ResultCell (*t)[4]) {
    std::string s;
    for (int a = 0; a < 4; a++) {
        for (int d = 0; d < 4; d++) s += std::string(t[a][d].code) + "/" + std::to_string(t[a][d].n) + " ";
        s += "|";
    }
    return s;
}

TEST(CombatTables, GoldenCellsOfAllFiveTables) {
    EXPECT_EQ(dump(MELEE_vs_BLOCK), "BF/4 AF/3 AF/4 AF/5 |DF/3 Blk/0 ./0 AF/3 |A*/2 A*/1 Blk/0 ./0 |A*/3 A*/2 A*/1 Blk/0 |");
    EXPECT_EQ(dump(MELEE_vs_DODGE), "BS/3 AF/3 DTA/0 DTA/0 |DS/3 ./0 ./0 DTA/0 |A*/2 A*/1 ./0 ./0 |A*/3 A*/2 A*/1 ./0 |");
    EXPECT_EQ(dump(MELEE_vs_COUNTERSTRIKE),
              "BF/3 AF/4 D*/2 D*/3 |A*/1 ./0 D*/1 D*/2 |A*/3 A*/2 B*/1 D*/1 |A*/4 A*/3 A*/1 B*/1 |");
    EXPECT_EQ(dump(MELEE_vs_MOVEDODGE), dump(MELEE_vs_DODGE));
    EXPECT_EQ(dump(MELEE_vs_IGNORE), "A*/1 A*/1 A*/1 A*/1 |A*/2 A*/2 A*/2 A*/2 |A*/3 A*/3 A*/3 A*/3 |A*/4 A*/4 A*/4 A*/4 |");
    // Which table a defence answers from.
    EXPECT_EQ(combat_table(ATTACK_MELEE, DEF_DODGE), MELEE_vs_DODGE);
    EXPECT_EQ(combat_table(ATTACK_MELEE, DEF_SHIELD), MELEE_vs_IGNORE);
    EXPECT_EQ(combat_table(ATTACK_MELEE, 77), MELEE_vs_IGNORE);
    EXPECT_EQ(combat_table(2, DEF_DODGE), MELEE_vs_BLOCK);
    EXPECT_EQ(combat_table(ATTACK_MISSILE, DEF_DODGE), nullptr);
}

TEST(CombatTables, DiceCapsAndImpact) {
    EXPECT_EQ(MAXDICES(0), 1);
    EXPECT_EQ(MAXDICES(-1), 3);
    EXPECT_EQ(MAXDICES(1), 2);
    EXPECT_EQ(MAXDICES(4), 2);
    EXPECT_EQ(MAXDICES(5), 4);
    EXPECT_EQ(LaskeImpact(3, 4, 1), 22);
    for (int i = 0; i < 200; i++) {
        const int v = LaskeImpact(2, 3, 0);
        EXPECT_GE(v, 5);
        EXPECT_LE(v, 15);
    }
    EXPECT_EQ(WEAPON_MODIFIER(3, 1), 10);
    EXPECT_EQ(WEAPON_MODIFIER(0, 2), -10);
}

TEST_F(CombatTest, AnUnarmedAttackerStumblesWhereAnArmedOneFumbles) {
    beast(1, 3, 601);                                  // a wolf
    armed(2, weapon("KNIFE", "Knife", 1, 5, 4, 1.0f));
    armed(3, weapon("KNIFE", "Knife", 1, 5, 4, 1.0f));
    COMBAT_attacker = 1, COMBAT_defender = 3;
    AttackOutcome r = ATTACK_RESULT(ATTACK_MELEE, 0, DEF_BLOCK, 3);
    EXPECT_EQ(r.attacker_fumble, 0);
    EXPECT_EQ(r.attacker_stumble, 5);
    EXPECT_EQ(r.contact, 0u) << "a fumble against a block touches at the attacker's level";
    COMBAT_attacker = 2;
    r = ATTACK_RESULT(ATTACK_MELEE, 0, DEF_BLOCK, 3);
    EXPECT_EQ(r.attacker_fumble, 5);
    EXPECT_EQ(r.attacker_stumble, 0);
    EXPECT_NE(Cre[2].wielded, 0) << "the outcome only names the dice; nothing is dropped yet";
}

TEST_F(CombatTest, DefenderStumbleAgainstALyingDefenderIsAMiss) {
    armed(2, weapon("KNIFE", "Knife", 1, 5, 4, 1.0f));
    beast(1, 3, 601);
    COMBAT_attacker = 2, COMBAT_defender = 1;
    AttackOutcome r = ATTACK_RESULT(ATTACK_MELEE, 1, DEF_DODGE, 0);
    EXPECT_EQ(r.defender_stumble, 3);
    EXPECT_EQ(r.miss, 0);
    Cre[1].posture = 1;
    r = ATTACK_RESULT(ATTACK_MELEE, 1, DEF_DODGE, 0);
    EXPECT_EQ(r.defender_stumble, 0);
    EXPECT_EQ(r.miss, 1);
}

TEST_F(CombatTest, StrikesBlocksAndTheTacticalAdvantage) {
    beast(1, 3, 601);
    COMBAT_attacker = -1, COMBAT_defender = 1;
    COMBAT_attacker_dicecap = 1;
    AttackOutcome r = ATTACK_RESULT(ATTACK_MELEE, 3, DEF_NONE, 0);
    EXPECT_EQ(r.attacker_grade, 1);
    COMBAT_attacker_dicecap = 4;
    r = ATTACK_RESULT(ATTACK_MELEE, 3, DEF_NONE, 0);
    EXPECT_EQ(r.attacker_grade, 4);
    r = ATTACK_RESULT(ATTACK_MELEE, 2, DEF_BLOCK, 2);
    EXPECT_EQ(r.block, 1);
    EXPECT_EQ(r.contact, 3u);
    EXPECT_EQ(r.attacker_grade, 0);
    r = ATTACK_RESULT(ATTACK_MELEE, 2, DEF_COUNTERSTRIKE, 2);
    EXPECT_EQ(r.attacker_grade, 1);
    EXPECT_EQ(r.defender_grade, 1);
    r = ATTACK_RESULT(ATTACK_MELEE, 0, DEF_DODGE, 3);
    EXPECT_EQ(TACTICAL_ADVANTAGE, 1);
    EXPECT_EQ(r.attacker_grade + r.defender_grade, 0);
    r = ATTACK_RESULT(ATTACK_MELEE, 1, DEF_BLOCK, 2);
    EXPECT_EQ(r.miss, 1);
    EXPECT_TRUE(noted("parried"));
    // A missile: a hit of success 0 still strikes with one die; a shield takes it.
    MISSILE_osui = 1, MISSILE_osuman_success = 0;
    r = ATTACK_RESULT(ATTACK_MISSILE, 2, DEF_MOVEDODGE, 0);
    EXPECT_EQ(r.attacker_grade, 1);
    EXPECT_EQ(r.missile_strike, 1);
    r = ATTACK_RESULT(ATTACK_MISSILE, 2, DEF_SHIELD, 0);
    EXPECT_EQ(r.attacker_grade, 0);
    MISSILE_osui = 0;
    r = ATTACK_RESULT(ATTACK_MISSILE, 2, DEF_MOVEDODGE, 0);
    EXPECT_EQ(r.miss, 1);
}

static std::string s_played;
static void record_sample(const char *name, int) { s_played += std::string(name) + ";"; }

TEST_F(CombatTest, AFightIsHeardOnlyWhereThePlayerTakesPart) {
    beast(1, 3, 601);
    beast(2, 3, 601);
    const UiScreen kept = ui;
    const int sound = SB_SOUND;
    ui.sound.play_sample = record_sample;
    SB_SOUND = 1;
    const struct { const char *what; int attacker, defender; const char *heard; } cases[] = {
        {"two wolves", 1, 2, ""},
        {"she strikes a wolf", -1, 1, "smash;hit_npc;"},
        {"a wolf strikes her", 1, -1, "smash;hit_grievous;"},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        s_played.clear();
        COMBAT_attacker = k.attacker, COMBAT_defender = k.defender;
        EXPECT_GT(ATTACK_RESULT(ATTACK_MELEE, 3, DEF_NONE, 0).attacker_grade, 0);
        EXPECT_EQ(s_played, k.heard);
    }
    SB_SOUND = sound;
    ui = kept;
}

TEST_F(CombatTest, RollsAfterABlow) {
    ItemStruct knife = weapon("KNIFE", "Knife", 1, 5, 4, 1.0f);
    armed(2, knife);
    beast(1, 3, 601);
    // Zero dice: able to fumble, nothing dropped; an animal or empty hands never fumble.
    EXPECT_EQ(FumbleRoll(2, 0, 2), 1);
    EXPECT_NE(Cre[2].wielded, 0);
    EXPECT_EQ(FumbleRoll(1, 0, 2), 0);
    EXPECT_EQ(FumbleRoll(1, 6, 0), 0);
    // Dexterity 0 always loses the grip: the knife goes to the square.
    Cre[2].dexterity = 0;
    EXPECT_EQ(FumbleRoll(2, 1, 0), 1);
    EXPECT_EQ(Cre[2].wielded, 0);
    // Falling: only once, never a snake; a lying body no longer stumbles.
    Cre[1].agility = 0;
    EXPECT_EQ(StumbleRoll(1, 1, 1), 1);
    EXPECT_EQ(Cre[1].posture, 1);
    EXPECT_EQ(StumbleRoll(1, 6, 1), 0);
    EXPECT_EQ(StumbleRoll(1, 0, 0), 0);
    beast(4, 11);
    FallProne(4, 1);
    EXPECT_EQ(Cre[4].posture, 0);
    // Ninety-nine dice count the endurance as none: always fatal.
    Cre[1].endurance = 255;
    EXPECT_EQ(KillRoll(1, 99), 1);
    EXPECT_EQ(KillRoll(1, 0), 0);
    // Shock: endurance 0 against any dice faints, and the fainted stay so.
    beast(5, 3, 601);
    Cre[5].endurance = 0;
    EXPECT_EQ(ShockRoll(5, 1, 0), 1);
    EXPECT_EQ(Cre[5].posture, 4);
    // Amputation: a 40 kg body resists up to 4.
    EXPECT_EQ(AmputationRoll(5, 0), 0);
    Cre[5].weight = 0.0f;
    EXPECT_EQ(AmputationRoll(5, 1), 1);
}

TEST_F(CombatTest, WeaponsWearEachOtherByHardness) {
    const ItemStruct sword = weapon("SWORD", "Sword", 2, 8, 5, 3.0f);
    ItemStruct sword2 = sword;
    sword2.material = MAT_IRON;
    const MatStruct m = getwpMat(sword, ASPECT_EDGE);
    EXPECT_EQ(m.hardness, 255);
    EXPECT_EQ(m.contact, 90);
    EXPECT_EQ(m.blockarea, 2);
    EXPECT_EQ(m.itemarea, 99);
    // Iron on iron: both take wear.
    const char *both = WpWpDmg_items(sword, sword2, ASPECT_EDGE, 3);
    EXPECT_STREQ(both, "[AD:2] [BD:2]");
    // A wooden club blocking the sword is worn, the sword never.
    ItemStruct club = weapon("CLUB", "Club", 6, 200, 200, 4.0f);
    EXPECT_EQ(getwpMat(club, ASPECT_EDGE).hardness, 20);
    for (int g = 0; g < 5; g++) {
        const char *a = WpWpDmg_items(sword, club, ASPECT_EDGE, g);
        EXPECT_EQ(wpdmg_tag(a, "AD"), 0) << a;
    }
    EXPECT_GT(wpdmg_tag(WpWpDmg_items(sword, club, ASPECT_EDGE, 3), "BD"), 0);
    // A grade-0 strike halves the speed: a quarter of the energy.
    EXPECT_EQ(wpwp_energy(sword, m, 3), 900);
    EXPECT_EQ(wpwp_energy(sword, m, 0), 225);
    // Zero areas never divide by zero.
    ItemStruct bare = weapon("NONE", "Stick", 0, 200, 200, 0.0f);
    bare.fullweight = 0.0f;
    EXPECT_STREQ(WpWpDmg_items(bare, bare, ASPECT_BLUNT, 3), " ");
    EXPECT_EQ(wpdmg_tag("", "AD"), 0);
}

TEST_F(CombatTest, ContactWearsTheWieldedWeaponsOnlyWithTheSwitchOn) {
    const ItemStruct sword = weapon("SWORD", "Sword", 2, 8, 5, 3.0f);
    armed(1, sword);
    armed(2, sword);
    const int before1 = Cre[1].wielded, before2 = Cre[2].wielded;
    OXAINI_WEAPONDAMAGE = 0;
    WeaponDamageRoll(1, 1, 2, 3, 2, 1);
    EXPECT_EQ(Cre[1].wielded, before1);
    OXAINI_WEAPONDAMAGE = 1;
    WeaponDamageRoll(1, 1, 2, 3, 2, 1);
    EXPECT_NE(Cre[2].wielded, before2);
    EXPECT_LT(ObjToItem(Cre[2].wielded).weight, 3.0f);
    EXPECT_LT(ObjToItem(Cre[1].wielded).weight, 3.0f);
}

}  // namespace oxatest
