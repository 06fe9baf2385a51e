// The body on the command line: the figures of a wounded body and the days of healing.
#include "body_fixture.h"

#include "core/oxa.h"
#include "creatures/bodytool.h"

#include <string>
#include <vector>

namespace oxatest {

using BodyToolTest = BodyTest;

static std::string run(int (*tool)(int, char **, FILE *), std::vector<std::string> args, int *rc = nullptr) {
    std::vector<char *> argv;
    for (std::string &a : args) argv.push_back(&a[0]);
    FILE *f = tmpfile();
    const int r = tool((int)argv.size(), argv.data(), f);
    if (rc) *rc = r;
    rewind(f);
    std::string out;
    char buf[512];
    while (fgets(buf, sizeof buf, f)) out += buf;
    fclose(f);
    return out;
}

TEST_F(BodyToolTest, BodyFiguresOfAWound) {
    const std::string out = run(bodytool_body, {"oxa_tool", "body", "--wound", "cut,13,2"});
    EXPECT_NE(out.find("Serious cut in right thigh, injury 12"), std::string::npos) << out;
    EXPECT_NE(out.find("penalties: injury 12"), std::string::npos) << out;
    EXPECT_NE(out.find("legs 0.12 (right 0.25"), std::string::npos) << out;
    int rc = 0;
    run(bodytool_body, {"oxa_tool", "body", "--wound", "cut,40,2"}, &rc);
    EXPECT_EQ(rc, 2) << "no such body part";
    run(bodytool_body, {"oxa_tool", "body", "--wound", "gnaw,3,1"}, &rc);
    EXPECT_EQ(rc, 2);
    REAL_QUIT = 0;
}

TEST_F(BodyToolTest, DaysRunToHealingOrDeath) {
    body_successroll = SuccessRoll;   // the seeded rolls of the game
    const std::string out = run(bodytool_days, {"oxa_tool", "days", "--seed", "4", "--days", "60", "--wounds", "cut,9,1,3"});
    EXPECT_NE(out.find("day 1:"), std::string::npos) << out;
    EXPECT_NE(out.find("is over"), std::string::npos) << out;
    EXPECT_NE(out.find("healed"), std::string::npos) << out;
    const std::string dead = run(bodytool_days, {"oxa_tool", "days", "--seed", "4", "--days", "60", "--wounds", "deadly-poisoning,1,30"});
    EXPECT_TRUE(dead.find("dead: died from Deadly poisoning") != std::string::npos || dead.find("is over") != std::string::npos)
        << dead;
    REAL_QUIT = 0;
}

}  // namespace oxatest
