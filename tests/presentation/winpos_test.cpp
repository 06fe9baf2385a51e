// The window's size and place at start-up, and the window-position file.
#include "common/harness.h"
#include "presentation/winpos.h"

#include <string>

using oxatest::TempDir;

TEST(WindowPlacement, FirstStartSizeFollowsTheDisplayHeight) {
    struct {
        int display_h, w, h;
    } cases[] = {{1080, 1200, 900}, {1001, 1200, 900}, {1000, 1000, 750}, {900, 1000, 750}, {800, 800, 600},
                 {768, 800, 600}};
    for (auto &c : cases) {
        WinPosStruct pos{};
        ChooseWindowPlacement(pos, false, 1920, c.display_h);
        EXPECT_EQ(pos.x, WINPOS_CENTERED);
        EXPECT_EQ(pos.y, WINPOS_CENTERED);
        EXPECT_EQ(pos.width, c.w) << c.display_h;
        EXPECT_EQ(pos.height, c.h) << c.display_h;
    }
}

TEST(WindowPlacement, StoredPositionOffTheDisplayIsReset) {
    WinPosStruct pos{3000, 100, 1024, 768};
    ChooseWindowPlacement(pos, true, 1920, 1080);
    EXPECT_EQ(pos.x, WINPOS_CENTERED);
    EXPECT_EQ(pos.width, 800);
    EXPECT_EQ(pos.height, 600);

    WinPosStruct edge{1920 - 59, 100, 1024, 768};   // within 59 pixels of the right edge
    ChooseWindowPlacement(edge, true, 1920, 1080);
    EXPECT_EQ(edge.x, WINPOS_CENTERED);

    WinPosStruct inside{1920 - 60, 1080 - 60, 1024, 768};
    ChooseWindowPlacement(inside, true, 1920, 1080);
    EXPECT_EQ(inside.x, 1920 - 60);
    EXPECT_EQ(inside.width, 1024);

    WinPosStruct half{WINPOS_CENTERED, 5000, 1024, 768};   // one centred value: nothing is checked
    ChooseWindowPlacement(half, true, 1920, 1080);
    EXPECT_EQ(half.y, 5000);
}

TEST(WindowPlacement, FlagsFromFullscreenAndMuseum) {
    WinPosStruct pos{100, 100, 800, 600};
    EXPECT_EQ(ChooseWindowFlags("YES", 0, pos, 1920), 0x1021u);
    EXPECT_EQ(ChooseWindowFlags("YES", 1, pos, 1920), 0x1001u);
    EXPECT_EQ(ChooseWindowFlags("MAXIMIZED", 1, pos, 1920), 0x80u);   // maximised, not resizable
    EXPECT_EQ(ChooseWindowFlags("MAXIMIZED", 0, pos, 1920), 0xA0u);
    EXPECT_EQ(ChooseWindowFlags("NO", 0, pos, 1920), 0x20u);
    EXPECT_EQ(ChooseWindowFlags("NO", 1, pos, 1920), 0u);
    WinPosStruct wide{0, 0, 1920, 1000};
    EXPECT_EQ(ChooseWindowFlags("NO", 0, wide, 1920), 0xA0u);
    EXPECT_EQ(ChooseWindowFlags("NO", 1, wide, 1920), 0x80u);
}

TEST(WindowPlacement, ShortOrEmptyFileCountsAsMissing) {
    TempDir dir;
    WinPosStruct pos{1, 2, 3, 4};
    EXPECT_FALSE(ReadWinPos("winpos.dat", pos));
    dir.write_file("winpos.dat", std::string(15, '\0'));
    EXPECT_FALSE(ReadWinPos("winpos.dat", pos));
    WinPosStruct zero_w{10, 10, 0, 600};
    dir.write_file("winpos.dat", std::string((const char *)&zero_w, sizeof zero_w));
    EXPECT_FALSE(ReadWinPos("winpos.dat", pos));
    EXPECT_EQ(pos.x, 1);   // a refused file leaves the preset alone
    WinPosStruct good{10, 20, 1000, 750};
    dir.write_file("winpos.dat", std::string((const char *)&good, sizeof good));
    ASSERT_TRUE(ReadWinPos("winpos.dat", pos));
    EXPECT_EQ(pos.y, 20);
    EXPECT_EQ(pos.height, 750);
}
