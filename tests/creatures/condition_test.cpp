// Deaths and fainting of the wound check, the condition notes, sleep, the downed player, and what
// a task asks of the limbs.
#include "body_fixture.h"

#include "activities/actions.h"
#include "activities/herbeffects.h"
#include "base/ui.h"
#include "core/weatherengine.h"
#include "creatures/creation.h"
#include "maps/sight.h"

namespace oxatest {

using ConditionTest = BodyTest;

TEST_F(ConditionTest, ColdKillsAtThirtyDegrees) {
    // She faints before she dies: the map darkens red while the game still runs.
    static std::string shown;
    shown.clear();
    const UiPanels screen = ui.panels;
    ui.panels.faint = [] { shown += REAL_QUIT == -1 ? "dead|" : "faint|"; };
    Plr.body_temperature = 30.1f;
    Haavatarkistukset(0);
    EXPECT_EQ(REAL_QUIT, 0);
    EXPECT_EQ(shown, "");
    Plr.body_temperature = 30.0f;
    Haavatarkistukset(0);
    EXPECT_EQ(REAL_QUIT, -1) << "the game ends without a save";
    EXPECT_EQ(plr_get<int32_t>(PB_DEATHCAUSE), CAUSE_FROST);
    EXPECT_TRUE(noted("roze to death")) << notes();
    EXPECT_EQ(shown, "faint|");
    REAL_QUIT = 0;
    Plr.movement_mode = 2;
    Haavatarkistukset(0);
    EXPECT_EQ(plr_get<int32_t>(PB_DEATHCAUSE), CAUSE_DROWNED);
    EXPECT_EQ(shown, "faint|faint|");
    ui.panels = screen;
}

// A deadly poisoning grows hour by hour past a hundred of injury and kills her of the poisoning,
// whether or not a beast hit her before.
TEST_F(ConditionTest, ADeadlyPoisoningKillsHerOfThePoisoning) {
    for (int32_t earlier : {0, 4321}) {
        REAL_QUIT = 0;
        for (int s = 0; s < WOUND_SLOTS; s++) wound_put(-1, s, WoundSlot{});
        plr_set<uint32_t>(PB_INJURY, 0);
        plr_set<int32_t>(PB_ATTACKER, earlier);
        plr_set<int32_t>(PB_DEATHCAUSE, 0);
        Plr.body_effects = 1u << HERBBIT_DEADLY;
        for (int hour = 0; hour < 500 && REAL_QUIT != -1; hour++) {
            Suorita_Yrttivaikutus();
            Haavatarkistukset(0);
        }
        ASSERT_EQ(REAL_QUIT, -1) << earlier;
        EXPECT_EQ(plr_get<int32_t>(PB_DEATHCAUSE), CAUSE_ILLNESS) << earlier;
        EXPECT_TRUE(noted("ied from poisoning")) << notes();
    }
}

TEST_F(ConditionTest, SparingAttackerLetsHerFaintInsteadOfDying) {
    beast(7, 1).socialid = 4321;
    Cre[7].fightbits = 4;
    plr_set<int32_t>(PB_ATTACKER, 4321);
    for (int s = 0; s < 5; s++) wound(s, WK_BLUNT, 2, BP_THORAX, 20);
    ASSERT_EQ(injury_total(), 100u);
    Haavatarkistukset(0);
    EXPECT_EQ(REAL_QUIT, 0);
    EXPECT_EQ(Plr.posture, 4);
    Cre[7].fightbits = 0;
    Plr.posture = 0;
    Haavatarkistukset(0);
    EXPECT_EQ(REAL_QUIT, -1);
    EXPECT_EQ(plr_get<int32_t>(PB_DEATHCAUSE), CAUSE_INJURIES);
}

TEST_F(ConditionTest, SleepNeedsTirednessAndEndsRested) {
    GlobWeather.temperature = 20;   // a summer night
    Plr.thirst = 100;
    Plr.energy = 5000;
    Plr.stomach = 200;
    plr_set<int32_t>(PB_SLEEPINESS, 499);
    EXPECT_EQ(Sleep(0), 0);
    EXPECT_TRUE(noted("not tired enough"));
    EXPECT_EQ(Plr.posture, 0);
    plr_set<int32_t>(PB_SLEEPINESS, 500);
    plr_set<float>(PB_FATIGUE, 40.0f);
    // The map darkens as she falls asleep, before the first hour passes, and clears as she wakes.
    static std::string shown;
    static uint32_t at_minute;
    shown.clear();
    const UiPanels screen = ui.panels;
    ui.panels.sleep_fade = [] { shown += "sleep|", at_minute = Plr.minutes; };
    ui.panels.wakeup = [] { shown += "wake|"; };
    const uint32_t before = Plr.minutes;
    EXPECT_EQ(Sleep(0), 1);
    ui.panels = screen;
    EXPECT_EQ(shown, "sleep|wake|");
    EXPECT_EQ(at_minute, before);
    EXPECT_EQ(plr_get<int32_t>(PB_SLEEPINESS), 0);
    EXPECT_GE(Plr.minutes - before, 166u) << "500 of sleepiness is slept off in about three hours";
    EXPECT_LE(Plr.minutes - before, 180u);
    EXPECT_FLOAT_EQ(plr_get<float>(PB_FATIGUE), 0.0f);
    EXPECT_TRUE(noted("You wake up."));
    EXPECT_EQ(Plr.posture, 0);
    EXPECT_EQ(PLAYER_SLEEPING, 0);
}

// A dog beside her sees a wolf and barks the alarm while she sleeps: the noise wakes her long before
// she is rested.
TEST_F(ConditionTest, ANoiseSheHearsWakesHer) {
    randomize(7);
    GlobWeather.temperature = 20;
    Plr.thirst = 100;
    Plr.energy = 5000;
    Plr.stomach = 200;
    Plr.hearing = 10;   // an ordinary ear
    auto put = [](int c, int code, int rec, int x, int y) {
        Luo_Olento(code);
        Cre[c] = Creature;
        Cre[c].mode = 0;
        Cre[c].posture = 0;
        Data[rec] = DataStruct{};
        Data[rec].type = DT_CREATURE;
        Data[rec].id = (uint32_t)(CRE_DATAID + c);
        Data[rec].x = (uint16_t)x;
        Data[rec].y = (uint16_t)y;
    };
    put(3, 618, 40, PlayerX + 1, PlayerY);
    put(4, 611, 41, PlayerX + 5, PlayerY);
    for (int h = 0; h < 9; h++)
        if (NPC_see(PlayerX + 1, PlayerY, PlayerX + 5, PlayerY, h)) {
            Cre[3].Suunta = h;                // facing the wolf
            break;
        }
    plr_set<int32_t>(PB_SLEEPINESS, 3000);
    const uint32_t before = Plr.minutes;
    EXPECT_EQ(Sleep(0), 1);
    EXPECT_TRUE(noted("Your sleep is interrupted by strange noises.")) << notes();
    EXPECT_LT(Plr.minutes - before, 120u) << "she woke within the first hour";
    EXPECT_GT(plr_get<int32_t>(PB_SLEEPINESS), 0);
    ClearDATA(40);
    ClearDATA(41);
    Cre[3] = Cre[4] = CreatureStruct{};
}

TEST_F(ConditionTest, OvercomeBySleepEvenInTheRain) {
    randomize(7);                  // the night's rolls do not hang on the tests before
    GlobWeather.intensity = 3;
    GlobWeather.rain_kind = 1;
    plr_set<int32_t>(PB_SLEEPINESS, 1500);
    EXPECT_EQ(Sleep(0), 0);
    EXPECT_TRUE(noted("You can't sleep outside in the rain!"));
    Plr.minutes = 100;
    plr_set<int32_t>(PB_SLEEPINESS, 2501);
    Condition_Check(0);
    EXPECT_TRUE(noted("too tired to stay on your feet"));
    EXPECT_TRUE(noted("don't mind sleeping in the rain"));
    EXPECT_LE(plr_get<int32_t>(PB_SLEEPINESS), 1950);
    EXPECT_GT(Plr.minutes, 100u + 60u);
}

TEST_F(ConditionTest, ConditionNotesKeepAQuarterHourApart) {
    plr_set<int32_t>(PB_SLEEPINESS, 1900);
    Plr.minutes = 1000;
    Condition_Check(1);
    EXPECT_EQ(Condition_Check_lastnotemin, 1000u);
    const int shown = times_noted("You need to sleep!");
    EXPECT_EQ(shown, 1);
    for (Plr.minutes = 1001; Plr.minutes <= 1014; Plr.minutes++) Condition_Check(0);
    EXPECT_EQ(times_noted("You need to sleep!"), 1) << "within 14 minutes of the last note";
}

TEST_F(ConditionTest, ADisarmingDownerLeavesTwoWeapons) {
    for (int s = 0; s < 5; s++) give(s, thing(IT_WEAPON, "sword", 0, 3.0f));
    give(5, thing(IT_FOOD, "bread", 0, 1.0f));
    beast(2, 1).fightbits = 4;
    plr_downed_act(2);
    int swords = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == IT_WEAPON) swords++;
    EXPECT_EQ(swords, 2);
    int food = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == IT_FOOD) food++;
    EXPECT_EQ(food, 1) << "only weapons are taken";
    plr_downed_act(2);
    swords = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == IT_WEAPON) swords++;
    EXPECT_EQ(swords, 2) << "with two nothing is taken";
}

// Only animal hides make a bed: a pile of raw skins or of leather is no warmer than the ground.
TEST_F(ConditionTest, FursMakeABedButRawSkinsAndLeatherDoNot) {
    struct Case { const char *name; unsigned id; const char *note; int warmth; };
    const Case cases[] = {
        {"Bear fur", 412, "You sleep warm under the hides.", 6},
        {"Bear skin", 410, "You lie down to sleep.", 0},
        {"Leather", 413, "You lie down to sleep.", 0},
    };
    int x = PlayerX + 2;
    for (const Case &c : cases) {
        ItemStruct it = thing(IT_SKIN, c.name, c.id, 4.0f);
        it.fig[5] = 6;
        // Twenty of them: a cover however heavy the catalogue's fur shirt is.
        ASSERT_EQ(set_data(DT_ITEM, x, PlayerY, Esineesta_Uniikki(it), 20), 1) << c.name;
        EXPECT_EQ(sleepeasy(x, PlayerY, 5), c.warmth) << c.name;
        EXPECT_STREQ(lastnote, c.note) << c.name;
        x++;
    }
}

TEST_F(ConditionTest, TasksAskForLimbs) {
    EXPECT_EQ(parse_condflags("stance, arms one-"), 1 | 4 | 32);
    EXPECT_EQ(parse_condflags("hand"), 8);
    EXPECT_EQ(parse_condflags("hands arm"), 16 | 2);
    wound(0, WK_BLUNT, 2, BP_ELBOW, 20, 1);
    PVAM_EMERGENCY = 0;
    EXPECT_EQ(puuhausvammaus(-1, parse_condflags("arms one-"), 0, "chop"), 0);
    EXPECT_EQ(PVAM_EMERGENCY, 1);
    EXPECT_TRUE(noted("slow and difficult to chop"));
    EXPECT_EQ(puuhausvammaus(-1, parse_condflags("arms"), 0, "chop"), 1);
    wound(1, WK_BLUNT, 2, BP_ELBOW, 20, 2);
    EXPECT_EQ(puuhausvammaus(-1, parse_condflags("arms one-"), 0, "chop"), 1);
    // Both hands crippled and the arms only hurt: a task that needs a hand is not done with an arm.
    for (int s = 0; s < 4; s++) wound(s, WK_CUT, 2, s % 2 ? BP_HAND : BP_FOREARM, 10, 1 + s / 2);
    EXPECT_EQ(puuhausvammaus(-1, parse_condflags("arms one- hand"), 0, "knit"), 1);
    EXPECT_FALSE(noted("slow and difficult to knit"));
    Plr.posture = 1;
    EXPECT_EQ(puuhausvammaus(-1, 1, 0, "dance"), 1);
    EXPECT_STREQ(harmer(CAUSE_TRAP, 1), "was hurt by a trap");
    copy_bounded(InjuryCause, sizeof InjuryCause, "Plague");
    EXPECT_STREQ(harmer(CAUSE_ILLNESS, 10), "died from Plague");
    EXPECT_STREQ(harmer(-3, 0), "being hurt");
}

}  // namespace oxatest
