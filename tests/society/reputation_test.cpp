// tests/society/reputation_test.cpp -- what a village makes of the player's record, the banishments
// that follow violence, and the words its people address her with.
#include <functional>
#include <set>
#include <string>

#include "creatures/decisions.h"
#include "creatures/fightvillage.h"
#include "creatures/village_fixture.h"
#include "society/reputation.h"

using Reputation = VillageTest;

TEST_F(Reputation, TheRecordGivesGradedReportsWithTheirNounsAndSentences) {
    EXPECT_EQ(basefam(10, 9), 2u);
    EXPECT_EQ(basefam(10, 10), 3u);
    struct Case {
        const char *what;
        std::function<void(VillageStruct &)> record;
        const RepReport RepSummary::*report;
        int level;
        const char *noun, *sentence;
        int overall, familiarity;
    };
    const Case cases[] = {
        {"nothing done: all neutral, overall 3", [](VillageStruct &) {}, &RepSummary::trade, 3, "", "", 3, 0},
        {"6 good and 1 bad trades, familiarity 2",
         [](VillageStruct &v) { v.goodtrades = 6, v.paytrouble = 1, v.visits = 5; }, &RepSummary::trade, 3, "", "", 3, 2},
        {"the same trades, familiarity 3",
         [](VillageStruct &v) { v.goodtrades = 6, v.paytrouble = 1, v.visits = 10, v.talks = 10; }, &RepSummary::trade,
         4, "fair barterer", "You seem like a fair barterer.", 4, 3},
        {"no theft but the goods are being fetched back", [](VillageStruct &v) { v.reclaimlevel = 2; },
         &RepSummary::theft, 2, "sneaky snatcher", "You seem like a sneaky snatcher.", 2, 0},
        {"no theft and a good trader: an honest name",
         [](VillageStruct &v) { v.goodtrades = 12, v.visits = 20, v.talks = 40, v.reclaimlevel = 2; },
         &RepSummary::theft, 5, "fair visitor", "You seem like a fair visitor.", 5, 4},
        {"violence 10 with a murder", [](VillageStruct &v) { v.violence1 = 10, v.murders = 1; },
         &RepSummary::violence, 0, "killer", "", 0, 0},
        {"thefts 3 and mischief 5: the mean of the two", [](VillageStruct &v) { v.theftcount = 3, v.mischiefcount = 5; },
         &RepSummary::mischief, 1, "offender", "You seem like an offender.", 1, 0},
        {"the most quest help a village counts",
         [](VillageStruct &v) { v.questhelp = 255, v.deliveries = 12; }, &RepSummary::help, 6, "hero",
         "You seem like a hero.", 6, 255},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        VillageStruct v{};
        v.socid = SOC;
        c.record(v);
        RepSummary s;
        socrepSummary(&s, v);
        const RepReport &r = s.*c.report;
        EXPECT_EQ(r.level, c.level);
        EXPECT_STREQ(r.noun, c.noun);
        EXPECT_STREQ(r.sentence, c.sentence);
        EXPECT_EQ(s.overall, c.overall);
        EXPECT_EQ(s.familiarity_level, c.familiarity);
        EXPECT_STREQ(s.familiarity.noun, "familiar visitor");
    }
}

// Blows at a villager are counted by the village; the 11th and the 21st send the player away.
TEST_F(Reputation, TheEleventhAndTwentyFirstBlowBanishThePlayer) {
    villager(1, 236, 232, true);
    Plr.daynumber = 100;
    for (int blow = 1; blow <= 21; blow++) {
        SCOPED_TRACE(blow);
        NPC_moraalitarkistus_haavoitus(1, -1, 1);
        Cre[1].mode = 0;
        Cre[1].enemy = -1000;
        fight_after_violence(SOC);
        GetGlobVil(SOC);
        EXPECT_EQ(globVil.violence1, blow);
        const int days = blow <= 10 ? 0 : blow <= 20 ? 30 : 180;
        EXPECT_EQ(globVil.banished, days ? 1 : 0);
        if (!days) continue;
        EXPECT_EQ((int)globVil.banish_day, (int)Plr.daynumber + days);
        // the banishment runs out and the village lifts it when one of its people sees her
        Plr.daynumber = globVil.banish_day;
        fight_clear_violence_flag(SOC);
        vio_act(1);
        GetGlobVil(SOC);
        ASSERT_EQ(globVil.banished, 0);
    }
    EXPECT_EQ(after_violence(SOC), 3u);
    // a theft: debt is written off, payment trouble grows, and a theft on record may banish
    struct Theft {
        float debt;
        uint8_t theftcount, paytrouble;
        uint32_t result;
        int paytrouble_after, days;
    };
    const Theft thefts[] = {
        {0.0f, 0, 0, 0, 1, 0}, {0.0f, 1, 4, 2, 5, 7}, {20.0f, 1, 0, 2, 3, 7},
        {500.0f, 1, 0, 3, 4, 30}, {0.0f, 1, 9, 3, 10, 30}, {0.0f, 0, 255, 2, 255, 0},
    };
    const int owed = item("Bowl", IT_TOOL, 1.0f);   // a line whose item is gone is dropped before it counts
    for (const Theft &t : thefts) {
        SCOPED_TRACE(t.debt + t.paytrouble);
        GetGlobVil(SOC);
        globVil.banished = 0;
        globVil.everdebt = 0.0f;
        memset(globVil.debt, 0, sizeof globVil.debt);
        globVil.debt[0].active = t.debt > 0.0f;
        globVil.debt[0].object = (uint32_t)owed;
        globVil.debt[0].count = 1;
        globVil.debt[0].value = t.debt;
        globVil.theftcount = t.theftcount;
        globVil.paytrouble = t.paytrouble;
        SaveGlobVil();
        EXPECT_EQ(after_theft(SOC), t.result);
        GetGlobVil(SOC);
        EXPECT_EQ(globVil.paytrouble, t.paytrouble_after);
        EXPECT_EQ(globVil.hasdebt, 0);
        EXPECT_FLOAT_EQ(globVil.everdebt, t.debt);
        EXPECT_EQ(globVil.banished, t.days ? 1 : 0);
        if (t.days) {
            EXPECT_EQ((int)globVil.banish_day, (int)Plr.daynumber + t.days);
        }
    }
    // mischief weights pile onto a full total without wrapping it round to a clean name
    GetGlobVil(SOC);
    globVil.banished = 0;
    globVil.mischiefcount = 250;
    for (uint8_t &w : globVil.mischiefweight) w = 5;
    SaveGlobVil();
    EXPECT_EQ(after_mischief(SOC), 3u);
    GetGlobVil(SOC);
    EXPECT_EQ(globVil.mischiefcount, 255);
    EXPECT_EQ(globVil.mischiefweight[0], 0);
}

TEST_F(Reputation, PeopleAddressThePlayerByFamiliarityCultureNameAndDislike) {
    villager(1, 236, 232, true);
    strcpy(Plr.name, "Aino");
    Plr.sex = 2;
    const int visits[] = {0, 2, 5, 10, 20}, talks[] = {0, 0, 0, 10, 40};
    struct Case {
        int f;
        bool same, known, disliked;
        const char *says;
    };
    const Case cases[] = {
        {0, false, false, false, "stranger"}, {0, true, false, false, "unfamiliar tribeswoman"},
        {0, true, true, true, "annoying stranger"},
        {1, false, false, false, "driik traveller"}, {1, true, false, false, "travelling tribeswoman"},
        {1, false, true, false, "traveller"}, {1, true, true, false, "tribeswoman"},
        {1, false, false, true, "disreputable traveller"},
        {2, false, false, false, "driik guest"}, {2, false, true, false, "frequent guest"},
        {2, true, true, false, "fellow tribeswoman"}, {2, false, false, true, "frequent nuisance"},
        {3, false, false, false, "familiar visitor"}, {3, true, false, false, "fellow tribeswoman"},
        {3, false, false, true, "familiar nuisance"}, {3, false, true, false, "Aino"},
        {3, false, true, true, "driik woman"}, {3, true, true, true, "Aino"},
        {4, false, false, false, "driik fellow"}, {4, true, false, false, "fellow"},
        {4, false, false, true, "driik nuisance"}, {4, true, false, true, "nuisance"},
        {4, false, true, false, "Aino"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::to_string(c.f) + (c.same ? " same" : " other") + (c.known ? " known" : "") +
                     (c.disliked ? " disliked" : ""));
        reinterpret_cast<uint8_t *>(&Plr)[13] = c.same ? 0 : 1;   // the villager is of culture 0
        GetGlobVil(SOC);
        globVil.visits = (uint16_t)visits[c.f];
        globVil.talks = (uint16_t)talks[c.f];
        SaveGlobVil();
        Cre[1].namebits = c.known ? 2 : 0;
        TARGET_NPC = 1;
        EXPECT_STREQ(Vaihtuva_MSG_Avain(c.disliked ? "plr_bad_name" : "plr_identity"), c.says);
    }
    // the village knows her name: a person who has seen her often enough learns it from the others
    reinterpret_cast<uint8_t *>(&Plr)[13] = 1;
    Cre[1].namebits = 0;
    GetGlobVil(SOC);
    reinterpret_cast<uint8_t *>(&globVil)[8037] = 2;
    globVil.visits = 2;
    EXPECT_STREQ(plraddress(1, 0), "driik traveller");
    globVil.visits = 5;
    EXPECT_STREQ(plraddress(1, 0), "frequent guest");
    EXPECT_EQ(Cre[1].namebits & 2, 2);
    // a friend picks one of three warm words
    Cre[1].friendship = 1;
    std::set<std::string> said;
    for (int i = 0; i < 60; i++) said.insert(plraddress(1, 0));
    EXPECT_EQ(said, (std::set<std::string>{"Aino my friend", "Aino", "good Aino"}));
    Cre[1].namebits = 0;
    reinterpret_cast<uint8_t *>(&globVil)[8037] = 0;
    EXPECT_STREQ(plraddress(1, 0), "driik friend");
    EXPECT_STREQ(plraddress(-1, 0), "tribeswoman");
}
