// The saved characters the start menu offers: folders holding a whole character file named after them,
// in sorted order, at most 32, shown by the names as typed.
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "common/harness.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "screens/loadchar.h"

namespace {

void make_character(const std::string &folder, const char *name, size_t bytes = sizeof(PlayerStruct)) {
    mkdir(folder.c_str(), 0755);
    static PlayerStruct rec;
    memset(&rec, 0, sizeof rec);
    copy_bounded(rec.name, sizeof rec.name, name);
    FILE *f = fopen((folder + "/" + folder + ".OXS").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    ASSERT_EQ(fwrite(&rec, 1, bytes, f), bytes);
    fclose(f);
}

}  // namespace

TEST(LoadCharacter, ListsOnlyFoldersHoldingTheirOwnCharacterFile) {
    oxatest::TempDir dir;
    make_character("BETA", "Beta the Typed");
    make_character("ALPHA", "alpha");
    make_character("SHORT", "Cut", 100);                  // a damaged character file: offered by its folder
    mkdir("NOFILE", 0755);                                // a folder without its character file
    dir.write_file("NOFILE/OTHER.OXS", std::string(sizeof(PlayerStruct), 'x'));
    dir.write_file("PLAIN.OXS", std::string(sizeof(PlayerStruct), 'x'));   // a plain file
    dir.write_file("PLAIN", "not a folder");

    SavedCharacter rows[LOADCHAR_ROWS];
    ASSERT_EQ(list_saved_characters(rows), 3);
    EXPECT_STREQ(rows[0].folder, "ALPHA");
    EXPECT_STREQ(rows[0].name, "alpha");
    EXPECT_STREQ(rows[1].folder, "BETA");
    EXPECT_STREQ(rows[1].name, "Beta the Typ") << "the name field holds 12 letters and their end";
    EXPECT_STREQ(rows[2].folder, "SHORT");
    EXPECT_STREQ(rows[2].name, "SHORT");
}

TEST(LoadCharacter, KeepsTheFirst32InSortedOrder) {
    oxatest::TempDir dir;
    for (int i = 39; i >= 0; i--) {
        char folder[16];
        snprintf(folder, sizeof folder, "C%02d", i);
        make_character(folder, folder);
    }
    SavedCharacter rows[LOADCHAR_ROWS];
    ASSERT_EQ(list_saved_characters(rows), LOADCHAR_ROWS);
    EXPECT_STREQ(rows[0].folder, "C00");
    EXPECT_STREQ(rows[LOADCHAR_ROWS - 1].folder, "C31");
}

TEST(LoadCharacter, EmptyFolderHasNothingToOffer) {
    oxatest::TempDir dir;
    SavedCharacter rows[LOADCHAR_ROWS];
    EXPECT_EQ(list_saved_characters(rows), 0);
}

// ---- the list on the screen ---------------------------------------------------------------------

#include "core/oxa.h"
#include "presentation/input.h"

namespace {
class LoadCharacterScreen : public oxatest::ScreenTest {};
}  // namespace

TEST_F(LoadCharacterScreen, ChosenRowNamesTheFolderAndEscNamesNone) {
    make_character("BETA", "Beta");
    make_character("ALPHA", "Alpha");
    CharacterFile[0] = 'x';
    oxatest::push_key(SDLK_DOWN);
    oxatest::push_key(SDLK_RETURN);
    load_character();
    EXPECT_STREQ(CharacterFile, "BETA");

    oxatest::push_key(SDLK_ESCAPE);
    load_character();
    EXPECT_STREQ(CharacterFile, "");
}

TEST_F(LoadCharacterScreen, NothingToChooseSaysSoAndWaitsForAKey) {
    copy_bounded(CharacterFile, sizeof CharacterFile, "OLD");
    oxatest::push_key(SDLK_SPACE);
    load_character();
    EXPECT_STREQ(CharacterFile, "");
    int r, g, b;
    bool text = false;
    for (int x = 620; x < 700 && !text; x++)
        for (int y = 110; y < 118 && !text; y++) {
            oxatest::rgb(oxatest::pixel(x, y), r, g, b);
            text = r == 240 && g == 230 && b == 140;
        }
    EXPECT_TRUE(text) << "\"No saved files!\" is drawn";
}
