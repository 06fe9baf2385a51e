// The exchange of blows with scripted menus: who defends, what an ignored blow becomes, the
// counterstrike of a creature without a weapon, the repeat key and the death blow's menu.
#include "combat_fixture.h"

#include "../presentation/input_feeder.h"

#include "game/turnloop.h"
#include "creatures/decisions.h"
#include "creatures/life.h"
#include "creatures/melee.h"
#include "creatures/perception.h"
#include "creatures/wounding.h"
#include "creatures/weaponchoice.h"
#include "items/items_test.h"
#include "items/wearing.h"
#include "maps/facing.h"
#include "presentation/menu.h"

namespace oxatest {

class MeleeTest : public CombatTest {
protected:
    KeyFeeder f;
    void SetUp() override {
        CombatTest::SetUp();
        WIZARD_randomsuccess = 0;
        combat_repeat_option = 0;
        COMBATREPEAT_ATTACKCOMMAND = COMBATREPEAT_ASPECT = COMBATREPEAT_ZONE = COMBATREPEAT_DEATHBLOW = 0;
    }
    void TearDown() override {
        WIZARD_randomsuccess = 0;
        CombatTest::TearDown();
    }
    // A wolf east of the player in slot c, with a bite.
    static CreatureStruct &wolf(int c, int pos = 10) {
        creature(pos, c, PlayerX + 1, PlayerY);
        CreatureStruct &w = Cre[c];
        w.kind = 3;
        w.speciescode = 601;
        w.endurance = 12;
        w.weight = 40.0f;
        w.speed = 200;
        w.dodge = 40;
        strcpy(w.natattack[0], "bite");
        w.atkstrength[0] = 5;
        w.atkweight[0] = 20;
        w.atktype[0] = 3;
        w.atkskill[0] = 50;
        w.enemy = CRE_NONE;
        strcpy(w.species, "wolf");
        return w;
    }
};

TEST_F(MeleeTest, DefenderThousandIsThePlayerAndIgnoreLiftsAnInferiorAttack) {
    wolf(1);
    WIZARD_randomsuccess = 3;                  // every roll inferior
    f.key(SDLK_i);                             // the player ignores the blow
    EXPECT_EQ(TYPED(Taistelu_TAPAHTUMA(1, 0, 0, 1000, 0)), 1);
    EXPECT_EQ(DEFENDER, -1);
    EXPECT_EQ(DefenderStrike.mode, DEF_NONE);
    EXPECT_EQ(COMBAT_alevel, 1) << "inferior lifted to marginal";
    EXPECT_EQ(COMBAT_outcome.attacker_grade, 2);
    EXPECT_GT(body_injury_sum(-1), 0) << "the bite wounds her";
    // A superior blow stays superior.
    WIZARD_randomsuccess = 4;
    f.key(SDLK_i);
    Plr.posture = 0;
    TYPED(Taistelu_TAPAHTUMA(1, 0, 0, 1000, 0));
    EXPECT_EQ(COMBAT_alevel, 3);
}

TEST_F(MeleeTest, AnUnarmedCounterstrikeUsesTheNaturalAttack) {
    CreatureStruct &w = wolf(1);
    w.mode = 99;
    w.enemy = -1;
    w.aggressiveness = 100;
    WIZARD_randomsuccess = 4;
    // The player kicks east at the body; the wolf strikes back with its bite.
    f.keys({SDLK_RIGHT, SDLK_b});
    TYPED((combat_command('0'), 0));
    EXPECT_EQ(TurnUsed, 1);
    if (DefenderStrike.mode == DEF_COUNTERSTRIKE) {
        EXPECT_EQ(DefenderStrike.hand, 0);
        EXPECT_STREQ(DefenderStrike.key, "BITE");
        EXPECT_EQ(DefenderStrike.dtype, 3);
    }
    EXPECT_STREQ(AttackerStrike.key, "KICK");
    EXPECT_EQ(AttackerStrike.impact, 3);
    EXPECT_TRUE(noted("kick")) << notes();
    // Without a natural attack it has none to strike with.
    memset(w.natattack, 0, sizeof w.natattack);
    EXPECT_EQ(NaturalAttack(1), 1000);
}

TEST_F(MeleeTest, AFightIsHeardInTheWorldFromTheAttackersSquare) {
    // The exchange, the wolf's own combat turn and a wound it gives each make world noise 3 where it stands.
    for (const char *way : {"the exchange", "its combat turn", "the wound"}) {
        SCOPED_TRACE(way);
        CreatureStruct &wolf_ = wolf(1);
        wolf(2, 11);
        Data[11].x = (uint16_t)(PlayerX + 2);
        Cre[2].speciescode = 600;
        Cre[2].socialid = 5002;
        wolf_.mode = 99;
        wolf_.enemy = 2;
        wolf_.enemy_soc = 5002;
        wolf_.stamina = 255;
        aseta_maailmaan_meteli(0, 0, 0, CRE_NONE);
        if (way[4] == 'e') TYPED(Taistelu_TAPAHTUMA(1, 0, 0, 2, 0));
        else if (way[4] == 'c') Taistelu_Main(1, 10);
        else HAAVOITA(2, 3, 12, BP_THIGH, 1, 1);
        EXPECT_EQ(AANI_TASO, 3);
        EXPECT_EQ(AANI_X, PlayerX + 1);
        EXPECT_EQ(AANI_Y, PlayerY);
    }
}

TEST_F(MeleeTest, ACreatureDefendsWhatItSeesWithTheDodgeItHasAndCountsEveryBlow) {
    // A wolf in a fight with its back to her does not see her kick coming; a person without dodge
    // does not defend even holding a shield; a kick that misses still counts in the wolf's morale.
    const struct { const char *what; bool person, facing; int rolls; } cases[] = {
        {"a wolf facing away", false, false, 4},
        {"a person with no dodge and a shield", true, true, 4},
        {"a wolf the kick misses", false, true, 3},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        for (int round = 0; round < 8; round++) {
            memset(&Cre[1], 0, sizeof Cre[1]);
            CreatureStruct &w = wolf(1);
            if (k.person) {
                ItemStruct shield = weapon("SHIELD", "Round shield", 2, 200, 200, 8.0f);
                shield.adclass = (uint8_t)Aseta_ADClass(1, 4);
                armed(1, shield);
                Cre[1].dodge = 0;
                strcpy(Cre[1].skillname[0], "SHIELD");
                Cre[1].skilllevel[0] = 60;
            }
            Cre[1].mode = 99;
            Cre[1].enemy = -1;
            const int toward = suunta_jostain_johonkin(PlayerX + 1, PlayerY, PlayerX, PlayerY);
            Cre[1].Suunta = k.facing ? toward : (toward + 4) % 8;
            (void)w;
            WIZARD_randomsuccess = k.rolls;
            Plr.posture = 0;
            f.keys({SDLK_RIGHT, SDLK_b});
            TYPED((combat_command('0'), 0));
            if (k.rolls == 3) {
                EXPECT_EQ(COMBAT_outcome.attacker_grade, 0);
                EXPECT_EQ(Cre[1].woundcount, 1);
            } else {
                EXPECT_EQ(DefenderStrike.mode, DEF_NONE);
            }
        }
    }
}

TEST_F(MeleeTest, ALyingCreatureStillStrikesAtTheLegsADazedOrFarAboveOneCannot) {
    // And none reaches her from a ledge three metres above her.
    const struct { const char *what; int posture, ground, result, zone; } cases[] = {
        {"standing", 0, 0, 1, 2},
        {"lying on the ground", 1, 0, 1, 3},
        {"on a ledge", 0, 3, -1, -1},
        {"dazed", 3, 0, -1, -1},
    };
    for (const auto &k : cases) {
        SCOPED_TRACE(k.what);
        memset(&Cre[1], 0, sizeof Cre[1]);
        CreatureStruct &w = wolf(1);
        Aseta_Vihollinen(1, -1);
        w.mode = 99;
        w.posture = (uint8_t)k.posture;
        korkeuskartta[mapidx(PlayerX + 1, PlayerY)] = (uint8_t)k.ground;
        Plr.posture = 0;
        WIZARD_randomsuccess = 3;
        AttackerStrike.zone = -1;
        if (k.result == 1) f.key(SDLK_i);   // she lets the blow come
        EXPECT_EQ(TYPED(Taistelu_ISKU(1, 10)), k.result);
        if (k.result == 1) {
            EXPECT_EQ(AttackerStrike.zone, k.zone);
            EXPECT_EQ(ATTACKER, 1);
        }
    }
    korkeuskartta[mapidx(PlayerX + 1, PlayerY)] = 0;
}

TEST_F(MeleeTest, ASecondAssailantBecomesTheFoeWithItsId) {
    // A wolf fighting her is bitten from behind by another: it turns on the newcomer (to fight or to
    // flee it) and its next turn still knows whom.
    CreatureStruct &w = wolf(1);
    w.socialid = 5001;
    w.endurance = 20;
    Aseta_Vihollinen(1, -1);
    w.mode = 99;
    w.stamina = 255;
    CreatureStruct &b = wolf(2, 11);
    Data[11].x = (uint16_t)(PlayerX + 2);
    b.socialid = 5002;
    b.atkstrength[0] = 1;
    b.atkweight[0] = 4;                        // a nip: no wound that fells
    w.Suunta = suunta_jostain_johonkin(PlayerX + 1, PlayerY, PlayerX, PlayerY);   // facing her, not him
    WIZARD_randomsuccess = 4;
    ASSERT_EQ(TYPED(Taistelu_TAPAHTUMA(2, 0, 0, 1, 0)), 1);
    ASSERT_GT(COMBAT_outcome.attacker_grade, 0) << notes();
    EXPECT_EQ(w.killer, 2) << "the last assailant";
    EXPECT_EQ(w.enemy, 2);
    EXPECT_EQ(w.enemy_soc, 5002);
    EXPECT_EQ(OtaVihollisenTiedot(1), 1) << "a foe it knows";
    WIZARD_randomsuccess = 0;
    Taistelu_Main(1, 10);
    EXPECT_EQ(w.enemy, 2) << "its next turn does not calm it down";
}

TEST_F(MeleeTest, RepeatWithAnAspectTheNewWeaponLacksAsksAgain) {
    randomize(7);   // the spear's blow wounds the wolf without felling it, whatever was drawn before
    wolf(1);
    const ItemStruct spear = weapon("SPEAR", "Spear", 3, 200, 9, 4.0f);
    const ItemStruct axe = weapon("AXE", "Axe", 4, 7, 200, 4.0f);
    give(0, spear);
    give(1, axe);
    ASSERT_EQ(Wield(0, 1, 1), 1);
    ASSERT_NE(getwieldedItempos(-1, 1), 0) << wielding(1);
    WIZARD_randomsuccess = 3;
    f.keys({SDLK_RIGHT, SDLK_p, SDLK_b});      // east, point, body
    TYPED((combat_command('1'), 0));
    EXPECT_EQ(COMBATREPEAT_ASPECT, (int)'P') << notes();
    EXPECT_STREQ(AttackerStrike.key, "POINT");
    // An axe has no point: the repeat key asks for the aspect again.
    Plr.inv_obj[0] = 0, Plr.inv_count[0] = 0;
    ASSERT_EQ(Wield(1, 1, 1), 1);
    wolf(1);                                   // back where it stood, whether it ran or not
    f.keys({SDLK_RIGHT, SDLK_e});
    TYPED((combat_command('3'), 0));
    EXPECT_STREQ(AttackerStrike.key, "EDGE") << notes();
    EXPECT_EQ(COMBATREPEAT_ASPECT, 'E');
    EXPECT_EQ(AttackerStrike.zone, 2) << "the zone is repeated without asking";
    // A cancelled attack keeps the remembered choices.
    COMBATREPEAT_ZONE = 'H';
    f.key(SDLK_ESCAPE);
    TYPED((combat_command('9'), 0));
    EXPECT_EQ(TurnUsed, 0);
    EXPECT_EQ(COMBATREPEAT_ATTACKCOMMAND, '1');
    EXPECT_EQ(COMBATREPEAT_ZONE, 'H');
}

TEST_F(MeleeTest, TheDeathBlowOnlyOutsideCombatWithFourParts) {
    CreatureStruct &w = wolf(1);
    w.posture = 4;
    EXPECT_EQ(ARMONISKU(-1, 1), 1);
    f.keys({SDLK_RIGHT, SDLK_ESCAPE});
    TYPED((combat_command('9'), 0));
    // The menu that was shown last offered exactly neck, skull, thorax and abdomen.
    ASSERT_EQ(ValintojenMaara >= 4, true);
    std::string rows;
    for (int i = 0; i < ValintojenMaara; i++)
        if (ValintaEntry[i].key > 0 && ValintaEntry[i].key != KEY_ESC) rows += std::string(ValintaEntry[i].text) + ";";
    EXPECT_NE(rows.find("Neck"), std::string::npos) << rows;
    EXPECT_NE(rows.find("Skull"), std::string::npos);
    EXPECT_NE(rows.find("Thorax"), std::string::npos);
    EXPECT_NE(rows.find("Abdomen"), std::string::npos);
    EXPECT_EQ(rows.find("Legs"), std::string::npos);
    // In the middle of a fight there is no death blow.
    CreatureStruct &v = wolf(2, 11);
    Data[11].x = (uint16_t)(PlayerX - 1);
    v.mode = 99;
    v.enemy = -1;
    EXPECT_EQ(ARMONISKU(-1, 1), 0);
    // A wolf's bite at her senseless body is a death blow at the neck, the fight or not.
    const struct { const char *what; int posture, deathblow; } bites[] = {{"awake", 0, 0}, {"senseless", 4, 1}};
    for (const auto &k : bites) {
        SCOPED_TRACE(k.what);
        Plr.posture = (uint8_t)k.posture;
        ASSERT_EQ(Taistelu_HYOKKAYS(2, 0, 0, 1000, 0), 1);
        EXPECT_EQ(StrikeData.deathblow, k.deathblow);
        if (k.deathblow) EXPECT_EQ(StrikeData.zone, BP_NECK);
    }
    Plr.posture = 0;
}

TEST_F(MeleeTest, TheTacticalAdvantage) {
    Aseta_Etulyontiasema(-1000);
    Aseta_Etulyontiasema(3);
    EXPECT_EQ(TACTICAL_ADVANTAGE, 3);
    TACTICAL_ADVANTAGE = -1000;
    Aseta_Etulyontiasema(3);                   // the same holder twice: nobody
    EXPECT_EQ(TACTICAL_ADVANTAGE, -1000);
    Aseta_Etulyontiasema(-1000);
    Aseta_Etulyontiasema(4);
    Aseta_Etulyontiasema(5);                   // both sides: nobody
    EXPECT_EQ(TACTICAL_ADVANTAGE, -1000);
}

TEST(WeaponAnalysis, TiesGoToTheLaterAspectAndANetHasNone) {
    ItemStruct it{};
    it.fig[0] = 6, it.fig[1] = 6, it.fig[2] = 200;
    EXPECT_EQ(analysoi_ase(it).aspect, 1) << "equal blunt and edge picks edge";
    EXPECT_EQ(analysoi_ase(it).dtype, 2);
    it.fig[0] = it.fig[1] = it.fig[2] = 200;
    EXPECT_EQ(ase_kayttokelpoinen(it), 0);
    EXPECT_EQ(analysoi_ase(it).best, -1) << "the net: no usable aspect, and no endless draw";
}

}  // namespace oxatest
