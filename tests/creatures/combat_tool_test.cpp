// Headless fights: a duel always ends in a carcass or a flight, the same seed tells the same story,
// and a neck cut that takes the head off kills.
#include "combat_fixture.h"

#include <cstdio>
#include <string>

#include "creatures/combat_tool.h"
#include "items/itemdefs.h"

namespace oxatest {

static std::string run(int (*f)(FILE *)) {
    FILE *out = tmpfile();
    if (!out) return "";
    f(out);
    std::string s;
    rewind(out);
    char buf[256];
    while (fgets(buf, sizeof buf, out)) s += buf;
    fclose(out);
    return s;
}

TEST_F(CombatTest, DuelsEndInACarcassOrAFlightAndRepeatBySeed) {
    FILE *out = tmpfile();
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(combat_duel_tool(611, 605, 3, 20, out), 0) << "no duel was left undecided";
    fclose(out);
    const std::string a = run([](FILE *o) { return combat_duel_tool(611, 604, 7, 15, o); });
    const std::string b = run([](FILE *o) { return combat_duel_tool(611, 604, 7, 15, o); });
    EXPECT_EQ(a, b);
    EXPECT_NE(a.find("undecided  0"), std::string::npos) << a;
    EXPECT_NE(run([](FILE *o) { return combat_duel_tool(1, 2, 7, 1, o); }).find("no creature template"), std::string::npos);
}

TEST_F(CombatTest, ABowmanShootsBeforeTheFightComesHandToHand) {
    build_objdef_rows();   // the warriors' swords, bows and arrows
    const std::string a = run([](FILE *o) { return combat_duel_tool(500, 611, 9, 30, o); });
    EXPECT_EQ(a, run([](FILE *o) { return combat_duel_tool(500, 611, 9, 30, o); }));
    EXPECT_NE(a.find("undecided  0"), std::string::npos) << a;
    long bows = 0, shots = 0, wounded = 0, close = 0;
    const size_t at = a.find("with a bow");
    ASSERT_NE(at, std::string::npos) << a;
    ASSERT_EQ(sscanf(a.c_str() + at, "with a bow %ld, arrows shot %ld, arrows that wounded %ld, turns hand to hand %ld",
                     &bows, &shots, &wounded, &close), 4);
    EXPECT_GT(bows, 0) << "some warriors carry a bow";
    EXPECT_LT(bows, 30) << "and some do not";
    EXPECT_GT(shots, 0);
    EXPECT_LE(wounded, shots);
    EXPECT_GT(close, 0);
}

TEST_F(CombatTest, AWoundFromTheToolTellsTheCell) {
    const std::string s = run([](FILE *o) { return combat_wound_tool(601, 2, 40, BP_NECK, 4, o); });
    EXPECT_NE(s.find("rB4A4"), std::string::npos) << s;
    // The head comes off, and a neck cut that takes it rolls 99 dice to kill.
    EXPECT_NE(s.find("amputation 4d6: "), std::string::npos) << s;
    EXPECT_NE(s.find(", cut off\nkill 99d6: "), std::string::npos) << s;
    EXPECT_NE(s.find("\ndied: "), std::string::npos) << s;
}

}  // namespace oxatest
