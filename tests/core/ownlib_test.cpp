// Utilities: the random stream, bits, text helpers, wildcard matching, angles and files.
#include "common/harness.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/wholefile.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using oxatest::TempDir;

static std::vector<int> draw_sequence(int seed) {
    randomize(seed);
    std::vector<int> v;
    for (int i = 0; i < 20; i++) {
        v.push_back(random(7));
        v.push_back(gausrnd(3, 9));
    }
    return v;
}

TEST(RandomStream, SeededSequenceRepeats) {
    EXPECT_EQ(draw_sequence(1234), draw_sequence(1234));
    EXPECT_NE(draw_sequence(1234), draw_sequence(4321));
}

TEST(RandomStream, DrawCountsOfTheRedrawRule) {
    // random(0) draws nothing; random(1) always makes eleven draws.
    randomize(77);
    int expected_next = rand();
    randomize(77);
    EXPECT_EQ(random(0), 0);
    EXPECT_EQ(rand(), expected_next);

    randomize(77);
    for (int i = 0; i < 11; i++) rand();
    expected_next = rand();
    randomize(77);
    EXPECT_EQ(random(1), 0);
    EXPECT_EQ(rand(), expected_next);
}

TEST(RandomStream, RangesAndSpreads) {
    randomize(5);
    int counts[2] = {0, 0};
    for (int i = 0; i < 4000; i++) {
        int r = random(2);
        ASSERT_TRUE(r == 0 || r == 1);
        counts[r]++;
    }
    EXPECT_NEAR(counts[0], 2000, 200);
    for (int i = 0; i < 1000; i++) {
        int r = random(-3);
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 2);
        int g = gausrnd(10, 6);
        ASSERT_GE(g, 10);
        ASSERT_LE(g, 16);
    }
    EXPECT_EQ(gausrnd(10, 0), 10);
    // Spreads that would divide by zero give no spread at all.
    EXPECT_EQ(gausrnd(5, -1), 5);
    EXPECT_EQ(slopernd(5, -1, -1), 5);
}

TEST(Bits, FieldsAndFlags) {
    EXPECT_EQ(aseta_bittiarvo(3, 5, 255, 2), 215);
    EXPECT_EQ(ota_bittiarvo(3, 5, 215), 2);
    EXPECT_EQ(aseta_bittiarvo(0, 1, 0, 7), 3);   // a value wider than its field is cut to it
    EXPECT_EQ(flag(6, 1), 0);
}

TEST(Text, WildcardMatching) {
    struct {
        const char *pattern, *text;
        int match;
    } cases[] = {
        {"*ing", "RUNNING", 1}, {"*ING", "sing", 1},  {"*ing", "singer", 0}, {"b?t", "bat", 1},
        {"b?t", "bt", 0},       {"b?t", "bats", 0},   {"*", "", 1},          {"", "", 1},
        {"", "a", 0},           {"a*b*c", "aXbYc", 1}, {"a*b*c", "aXbY", 0},  {"*a*", "banana", 1},
    };
    for (auto &c : cases) EXPECT_EQ(wildcmp(c.pattern, c.text), c.match) << c.pattern << " / " << c.text;
    EXPECT_EQ(wildcmp("Bench", StrUpr("Table")), 0) << "a text handed over in StrUpr's own buffer";
    EXPECT_FALSE(same_upper(StrUpr("Bench"), "Table"));
    std::string huge(5000, 'a');   // both are cut to their buffers, never overrun
    EXPECT_EQ(wildcmp("*", huge.c_str()), 1);
}

TEST(Text, DiaeresisCaseMapping) {
    const char upper_in[] = {(char)132, (char)142, (char)228, 'a', 0};
    const unsigned char *u = (const unsigned char *)StrUpr(upper_in);
    EXPECT_EQ(u[0], 196);
    EXPECT_EQ(u[1], 196);
    EXPECT_EQ(u[2], 196);
    EXPECT_EQ(u[3], 'A');
    const char lower_in[] = {(char)153, (char)148, (char)214, 'B', 0};
    const unsigned char *l = (const unsigned char *)StrLwr(lower_in);
    EXPECT_EQ(l[0], 246);
    EXPECT_EQ(l[1], 246);
    EXPECT_EQ(l[2], 246);
    EXPECT_EQ(l[3], 'b');
    std::string huge(2000, 'x');
    EXPECT_EQ(strlen(StrUpr(huge.c_str())), 499u);
}

TEST(Text, SmallHelpers) {
    EXPECT_EQ(pct(1, 3), 34);
    EXPECT_EQ(pct(5, 2), 100);
    EXPECT_EQ(pct(300, 100), 100);
    EXPECT_EQ(pct(7, 100), 7);
    EXPECT_EQ(pct(5, 0), 0);
    EXPECT_EQ(pct(-5, 10), 0);
    char words[] = "a big brown bear";
    EXPECT_STREQ(StrPtr_TwoLastWords(words), "brown bear");
    char one[] = "bear";
    EXPECT_STREQ(StrPtr_TwoLastWords(one), "bear");
}

TEST(Angles, CompassSectors) {
    EXPECT_EQ(Kulma_Ilmansuunnaksi(22.9f), 0);
    EXPECT_EQ(Kulma_Ilmansuunnaksi(23), 7);
    EXPECT_EQ(Kulma_Ilmansuunnaksi(67), 7);
    EXPECT_EQ(Kulma_Ilmansuunnaksi(68), 6);
    EXPECT_EQ(Kulma_Ilmansuunnaksi(337), 1);
    EXPECT_EQ(Kulma_Ilmansuunnaksi(338), 0);
    EXPECT_NEAR(calcAngle(0, 0, 0, 5), 90.0f, 0.001f);   // south, with y growing downwards
    EXPECT_NEAR(calcAngle(0, 0, -5, 0), 180.0f, 0.001f);
    EXPECT_NEAR(calcAngle(0, 0, 0, -5), 270.0f, 0.001f);
}

TEST(Files, LineReadingSkipsComments) {
    TempDir dir;
    dir.write_file("lines.txt", "// one\n## two\nthree\r\nfour");
    FILE *f = fopen("lines.txt", "r");
    ASSERT_NE(f, nullptr);
    char buf[64];
    ASSERT_NE(fgetstr(buf, sizeof buf, f), nullptr);
    EXPECT_STREQ(buf, "three");
    ASSERT_NE(fgetstr(buf, sizeof buf, f), nullptr);
    EXPECT_STREQ(buf, "four");
    EXPECT_EQ(fgetstr(buf, sizeof buf, f), nullptr);
    fclose(f);
}

TEST(Files, CopyTruncatesAndReportsFailure) {
    TempDir dir;
    dir.write_file("short.txt", "abc");
    dir.write_file("long.txt", "0123456789");
    EXPECT_TRUE(copyfile("short.txt", "long.txt"));
    EXPECT_EQ(dir.read_file("long.txt"), "abc");
    EXPECT_FALSE(copyfile("missing.txt", "other.txt"));
    EXPECT_FALSE(dir.exists("other.txt"));
    EXPECT_FALSE(copyfile("short.txt", "no/such/folder/x.txt"));
}

TEST(Files, ListingRemovingAndFolders) {
    TempDir dir;
    dir.write_file("debug_b.txt", "");
    dir.write_file("debug_a.txt", "");
    dir.write_file("keep.txt", "");
    ASSERT_EQ(own_firstfile("debug_*.txt"), 0);
    EXPECT_STREQ(own_finddata_name(), "debug_a.txt");
    EXPECT_EQ(own_nextfile(), 0);
    EXPECT_STREQ(own_finddata_name(), "debug_b.txt");
    EXPECT_EQ(own_nextfile(), -1);
    own_findclose();
    EXPECT_EQ(own_finddata_name(), nullptr);
    wild_remove("debug_*.txt");
    EXPECT_EQ(own_firstfile("debug_*.txt"), -1);
    EXPECT_TRUE(own_isfile("keep.txt"));
    EXPECT_TRUE(own_mkdir("Hero"));
    EXPECT_FALSE(own_mkdir("Hero"));
    EXPECT_TRUE(gotfolder("He*"));
    EXPECT_FALSE(gotfolder("keep*"));
}

TEST(Files, WholeRecordsOrNothing) {
    TempDir dir;
    int32_t rec[4] = {1, 2, 3, 4};
    ASSERT_TRUE(write_atomic("rec.dat", rec, sizeof rec));
    EXPECT_FALSE(dir.exists("rec.dat.tmp"));
    int32_t back[4] = {0, 0, 0, 0};
    ASSERT_TRUE(read_exact("rec.dat", back, sizeof back));
    EXPECT_EQ(memcmp(rec, back, sizeof rec), 0);

    dir.write_file("short.dat", std::string(15, 'x'));
    int32_t untouched[4] = {9, 9, 9, 9};
    EXPECT_FALSE(read_exact("short.dat", untouched, sizeof untouched));
    EXPECT_EQ(untouched[0], 9);
    EXPECT_FALSE(read_exact("missing.dat", untouched, sizeof untouched));
    EXPECT_FALSE(write_atomic("no/such/folder/rec.dat", rec, sizeof rec));
}

// A whole file up to its bound, across the reader's chunks; one byte more, or no file, is nothing.
TEST(Files, WholeFileWithinItsBound) {
    TempDir dir;
    struct Case { size_t size, max; bool read; } cases[] = {
        {0, 0, true}, {10, 10, true}, {11, 10, false}, {40000, 40000, true}, {40000, 39999, false}, {16384, 16383, false},
    };
    for (const Case &c : cases) {
        std::string text(c.size, 'a');
        for (size_t i = 0; i < c.size; i++) text[i] = (char)('a' + i % 26);
        dir.write_file("whole.txt", text);
        std::string got = "stale";
        std::vector<uint8_t> bytes(3, 7);
        EXPECT_EQ(read_whole("whole.txt", got, c.max), c.read) << c.size << " of " << c.max;
        EXPECT_EQ(read_whole("whole.txt", bytes, c.max), c.read);
        EXPECT_EQ(got, c.read ? text : std::string());
        EXPECT_EQ(bytes.size(), c.read ? c.size : 0u);
    }
    std::string got = "stale";
    EXPECT_FALSE(read_whole("missing.txt", got, 100));
    EXPECT_TRUE(got.empty());
}
