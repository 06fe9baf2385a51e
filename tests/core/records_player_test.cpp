// The character file, its backup and the exit record.
#include "core/records_fixture.h"

#include <fstream>
#include <iterator>

using namespace oxatest;

namespace {

std::string slurp(const std::string &path) {
    const std::vector<uint8_t> bytes = oxatest::read_bytes(path);
    return std::string(bytes.begin(), bytes.end());
}

void spit(const std::string &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Every byte of the record gets a value, named field or not.
void scribble_player() {
    uint8_t *p = reinterpret_cast<uint8_t *>(&Plr);
    for (size_t i = 0; i < sizeof Plr; i++) p[i] = (uint8_t)(i * 7 + 3);
    copy_bounded(Plr.name, sizeof Plr.name, "Aslak");
}

}  // namespace

using PlayerFile = CharacterFolderTest;

TEST_F(PlayerFile, WrittenAndReadBackIsByteIdentical) {
    scribble_player();
    PlayerStruct before = Plr;
    ASSERT_EQ(WritePlrFile(), 1);
    EXPECT_EQ(slurp(file("HERO.OXS")).size(), (size_t)PLR_SIZE);
    memset(&Plr, 0, sizeof Plr);
    ASSERT_EQ(ReadPlrFile(), 1);
    EXPECT_EQ(memcmp(&before, &Plr, sizeof Plr), 0);
}

TEST_F(PlayerFile, ShortFileIsRefusedAndKeepsTheRecord) {
    scribble_player();
    ASSERT_EQ(WritePlrFile(), 1);
    std::string whole = slurp(file("HERO.OXS"));
    spit(file("HERO.OXS"), whole.substr(0, PLR_SIZE - 1));

    memset(&Plr, 0x5A, sizeof Plr);
    PlayerStruct before = Plr;
    EXPECT_EQ(ReadPlrFile(), -1);
    EXPECT_EQ(memcmp(&before, &Plr, sizeof Plr), 0);

    remove(file("HERO.OXS").c_str());
    EXPECT_EQ(ReadPlrFile(), 0);
}

TEST_F(PlayerFile, BlankNameIsNeverWrittenAndTheOldFileSurvives) {
    scribble_player();
    ASSERT_EQ(WritePlrFile(), 1);
    std::string old = slurp(file("HERO.OXS"));
    Plr.name[0] = 0;
    EXPECT_EQ(WritePlrFile(), 0);
    EXPECT_EQ(slurp(file("HERO.OXS")), old);
}

TEST_F(PlayerFile, FailedWriteIsReported) {
    scribble_player();
    snprintf(CharacterPath, sizeof CharacterPath, "%s/no/such/folder", dir->path().c_str());
    EXPECT_EQ(WritePlrFile(), 0);
    EXPECT_EQ(WriteExiter(), 0);
}

TEST_F(PlayerFile, BackupHoldsThePreviousSave) {
    EXPECT_EQ(do_OXS_backup(), 0);             // no character file yet: no backup
    EXPECT_FALSE(dir->exists("HERO/HERO.BAK"));

    scribble_player();
    Plr.daynumber = 10;
    ASSERT_EQ(WritePlrFile(), 1);
    std::string first = slurp(file("HERO.OXS"));
    ASSERT_EQ(do_OXS_backup(), 1);
    Plr.daynumber = 11;
    ASSERT_EQ(WritePlrFile(), 1);
    EXPECT_EQ(slurp(file("HERO.BAK")), first);
    // A backup of the same size that holds another record is written anew; one that holds it stays.
    for (int again = 0; again < 2; again++) {
        ASSERT_EQ(do_OXS_backup(), 1);
        EXPECT_EQ(slurp(file("HERO.BAK")), slurp(file("HERO.OXS"))) << again;
    }
    ASSERT_EQ(WritePlrFile(), 1);
    first = slurp(file("HERO.OXS"));
    ASSERT_EQ(do_OXS_backup(), 1);

    // A character file starting with four zero bytes is no character.
    spit(file("HERO.OXS"), std::string(PLR_SIZE, '\0'));
    EXPECT_EQ(do_OXS_backup(), 0);
    EXPECT_EQ(slurp(file("HERO.BAK")), first);
}

TEST_F(PlayerFile, ExitRecordOverridesTheDayCountersOnlyWhenWhole) {
    Plr.day_counter2 = 40;
    Plr.daynumber = 720;
    ASSERT_EQ(WriteExiter(), 1);
    std::string exiter = slurp(file("EXITER.DAT"));
    ASSERT_EQ(exiter.size(), 12u);
    int32_t v[3];
    memcpy(v, exiter.data(), sizeof v);
    EXPECT_EQ(v[0], 120);
    EXPECT_EQ(v[1], 220);
    EXPECT_EQ(v[2], 0);

    Plr.day_counter2 = 1;
    Plr.daynumber = 999;       // edited in the character file: the exit record wins
    ASSERT_EQ(ReadExiter(), 1);
    EXPECT_EQ(Plr.day_counter2, 40u);
    EXPECT_EQ(Plr.daynumber, 720u);

    spit(file("EXITER.DAT"), exiter.substr(0, 11));
    Plr.daynumber = 999;
    EXPECT_EQ(ReadExiter(), 0);
    EXPECT_EQ(Plr.daynumber, 999u);
}
