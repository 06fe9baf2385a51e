// tests/activities/charscreens_test.cpp -- the character screens: the skills grouped and keyed from the
// skill table, Alt + letter, the sheet's life text and raised attributes, the ritual texts, the magic
// page's choices by pushed keys, and the sheet drawn.
#include "activity_fixture.h"
#include "presentation/input_feeder.h"

#include "activities/charscreens.h"
#include "activities/magic.h"
#include "activities/skilluse.h"
#include "core/tekstit.h"
#include "presentation/windows.h"
#include "screens/profile.h"

using oxatest::ActivityTest;

namespace {

// Lore skills with keys, one without a key, one with "!", two sharing a key; physical ones; combat.
const char *const TABLE =
    ".ALPHA.\n[GROUP:lore]\n[KEY:m]\n\n"
    ".BETA.\n[GROUP:lore]\n\n"
    ".GAMMA.\n[GROUP:lore]\n[KEY:!]\n\n"
    ".DELTA.\n[GROUP:lore]\n[KEY:c]\n\n"
    ".EPSILON.\n[GROUP:lore]\n[KEY:m]\n\n"
    ".RUN.\n[GROUP:physical]\n[KEY:c]\n\n"
    ".JUMP.\n[GROUP:physical]\n\n"
    ".SPEAR.\n[GROUP:combat]\n[KEY:z]\n\n"
    ".AXE.\n[GROUP:combat]\n\n";

class CharScreens : public ActivityTest {
protected:
    void SetUp() override {
        ActivityTest::SetUp();
        memset(Plr.skill_name, 0, sizeof Plr.skill_name);
        magic_page_saved_entry = -1;
        LASTSKILLPOS = 0;
        SKILLIMPROVE_points = 0;
    }
    void TearDown() override {
        magic_page_saved_entry = -1;
        LASTSKILLPOS = 0;
        SKILLIMPROVE_points = 0;
        ActivityTest::TearDown();
    }
    void own_table(std::initializer_list<const char *> slots) {
        dir->write_file("ini_skills.txt", TABLE);
        int s = 0;
        for (const char *name : slots) {
            if (name[0]) skill(s, name, 20 + s);
            s++;
        }
        SKILLS_Lajittele();
    }
    static std::string rows(int group) {
        int slots[50];
        unsigned char keys[50];
        const int n = skill_group_rows(group, slots, keys);
        std::string out;
        for (int i = 0; i < n; i++) out += std::string(out.empty() ? "" : " ") + (char)skill_key_shown(keys[i]) +
                                           std::to_string(slots[i]);
        return out;
    }
    static int typed(std::initializer_list<SDL_Keycode> ks, int (*run)(int), int mode) {
        oxatest::KeyFeeder f;
        f.keys(ks);
        int r = -7;
        f.typed([&] { return r = run(mode); });
        return r;
    }
};

TEST_F(CharScreens, SkillRowsGoByKeyThenDescendingSlotAndKeylessShowASlash) {
    own_table({"ALPHA", "BETA", "RUN", "GAMMA", "", "DELTA", "JUMP", "EPSILON", "AXE", "SPEAR"});
    EXPECT_EQ(rows(SKILL_GROUP_LORE), "/3 /1 c5 m7 m0");
    EXPECT_EQ(rows(SKILL_GROUP_PHYSICAL), "/6 c2");
    EXPECT_EQ(rows(SKILL_GROUP_COMBAT), "/8 z9") << "combat rows keep slot order";
    EXPECT_EQ(skill_screen_order(), 9);
    const int order[] = {3, 1, 5, 7, 0, 6, 2, 8, 9};
    for (int i = 0; i < 9; i++) EXPECT_EQ(KirjaintaVastaavaTaito[i], order[i]) << i;

    // By key: the lower list index wins, lore before physical at the same index.
    // DELTA bears c at lore index 3, RUN at physical index 0: the index decides before the group.
    const struct { unsigned char key; int slot; } hot[] = {{'m', 0}, {'c', 2}, {'z', 9}, {'q', -1}};
    for (const auto &h : hot) EXPECT_EQ(HotkeySkill(h.key), h.slot) << h.key;
}

TEST_F(CharScreens, AltLetterAfterACharacterWithMoreSkillsDoesNothing) {
    own_table({"ALPHA", "BETA", "RUN", "GAMMA", "", "DELTA", "JUMP", "EPSILON", "AXE", "SPEAR"});
    ASSERT_EQ(HotkeySkill('z'), 9);
    // The next character has two skills only; the lists of the one before must not answer for her.
    memset(Plr.skill_name, 0, sizeof Plr.skill_name);
    skill(0, "ALPHA", 20);
    skill(1, "BETA", 20);
    TurnUsed = 0;
    for (int letter : {'z' - 'a', 'c' - 'a', 'q' - 'a', 26, -1}) KaytaNappaintaitoa(letter);
    EXPECT_EQ(TurnUsed, 0);
    EXPECT_FALSE(noted("Using:")) << notes();
    EXPECT_EQ(HotkeySkill('m'), 0) << "her own letters answer (used through the turn loop in the played test)";
}

TEST_F(CharScreens, LifeTextRaisedAttributesAndRitualTexts) {
    Plr.year = 16;
    const struct { uint32_t day; const char *text; } life[] = {
        {1, "16 winters old, this being the first day of your adventures"},
        {2, "16 winters old, and have lived one day of adventuring life"},
        {3, "16 winters old, and have lived 2 days of adventuring life"},
        {165, "16 winters old, and have lived 164 days of adventuring life"},
    };
    for (const auto &l : life) {
        Plr.daynumber = l.day;
        EXPECT_STREQ(lifetimeDesc(), l.text);
    }

    uint8_t *rec = reinterpret_cast<uint8_t *>(&Plr);
    const int before[PHYSICAL_ATTRIBUTES] = {17, 18, 0, 20, 9, 1, 2, 3, 4};
    for (int i = 0; i < PHYSICAL_ATTRIBUTES; i++) rec[SHEET_PHYSICAL[i].offset] = (uint8_t)before[i];
    rec[SHEET_PERSONALITY[0].offset] = 18;
    rec[SHEET_PERSONALITY[1].offset] = 5;
    attribute_up();
    const int after[PHYSICAL_ATTRIBUTES] = {18, 18, 1, 20, 10, 2, 3, 4, 5};
    for (int i = 0; i < PHYSICAL_ATTRIBUTES; i++) EXPECT_EQ(plr_attribute(SHEET_PHYSICAL[i].offset), after[i]) << i;
    EXPECT_EQ(plr_attribute(SHEET_PERSONALITY[0].offset), 18);
    EXPECT_EQ(plr_attribute(SHEET_PERSONALITY[1].offset), 6);

    const struct { int n; const char *title; } rit[] = {
        {3, ""}, {16, "SAFETY OF THE NIGHT"}, {17, ""}, {0, ""}, {-4, ""}, {1, "SACRIFICE FOR A NEWLY KILLED ANIMAL"}};
    for (const auto &r : rit) EXPECT_STREQ(rit_descs(r.n, 0), r.title) << r.n;
    EXPECT_STREQ(rit_descs(10, 1), "Used to immediately stop all your wounds from bleeding.");
}

// The magic page by pushed keys: the general sacrifice (instant) at a, the bear skull rite at b.
TEST_F(CharScreens, MagicPageReturnsAnInstantMeansAtOnceAndAnotherAtTheSecondPress) {
    uint8_t *known = reinterpret_cast<uint8_t *>(&Plr) + 5367;
    known[MEANS_SACRIFICE] = 1;
    known[MEANS_BEAR_SKULL] = 1;
    known[3] = 1;   // a number without a means is not listed
    ComposeRitualList();
    ASSERT_EQ(RitualListNUM, 2);
    ASSERT_TRUE(taikakeino_instant(MEANS_SACRIFICE));
    ASSERT_FALSE(taikakeino_instant(MEANS_BEAR_SKULL));

    EXPECT_EQ(typed({SDLK_b, SDLK_ESCAPE}, MagicProfile, 0), 0) << "the first press only moves";
    EXPECT_EQ(typed({SDLK_b}, MagicProfile, 0), MEANS_BEAR_SKULL) << "the cursor stood on it";
    magic_page_saved_entry = -1;
    EXPECT_EQ(typed({SDLK_b, SDLK_b}, MagicProfile, 0), MEANS_BEAR_SKULL);
    EXPECT_EQ(typed({SDLK_a}, MagicProfile, 0), MEANS_SACRIFICE) << "instant, from the rite's row";
    EXPECT_EQ(typed({SDLK_a, SDLK_b, SDLK_b, SDLK_ESCAPE}, MagicProfile, 1), 0) << "creation only shows them";
    EXPECT_EQ(typed({SDLK_ESCAPE}, religious_profile, 1), RITUAL_PAGE_NONE);

    // Rows past the choosable ones never answer.
    for (int pos : {-1, (int)MAGIC_PAGE_CHOOSABLE, 2}) EXPECT_EQ(magic_page_choice(pos, pos, 0), 0) << pos;
}

TEST_F(CharScreens, SkillsScreenChoosesByKeyAndSpendsOptionPoints) {
    own_table({"ALPHA", "BETA", "RUN"});
    EXPECT_EQ(typed({SDLK_c}, TaitoRuutu, 0), 2);
    EXPECT_EQ(LASTSKILLPOS, 2);
    EXPECT_EQ(typed({SDLK_ESCAPE}, TaitoRuutu, 0), 1000);
    EXPECT_EQ(typed({SDLK_PAGEUP, SDLK_RETURN}, TaitoRuutu, 0), 1) << "BETA, without a key, comes first";

    // The option mode has no Esc; it ends when the last point is spent on the skill under the cursor.
    SKILLIMPROVE_points = 1;
    Plr.skill_aptitude[1] = 7;
    const int level = Plr.skill_level[1];
    EXPECT_EQ(typed({SDLK_ESCAPE, SDLK_PLUS}, TaitoRuutu, 1), 1000);
    EXPECT_EQ(Plr.skill_level[1], level + 7);
    EXPECT_EQ(SKILLIMPROVE_points, 0);
    EXPECT_STREQ(KaytetytTaidot[0], "DODGE");
}

// The sheet's bars: 18 fills 40 pixels, 9 fills 20, 0 leaves the sunken box empty, and 20 (an
// herb's gift past the scale) stays inside the box.
TEST_F(CharScreens, SheetDrawsTheAttributeBarsToScale) {
    uint8_t *rec = reinterpret_cast<uint8_t *>(&Plr);
    const int values[PHYSICAL_ATTRIBUTES] = {18, 9, 0, 20, 1, 1, 1, 1, 1};
    for (int i = 0; i < PHYSICAL_ATTRIBUTES; i++) rec[SHEET_PHYSICAL[i].offset] = (uint8_t)values[i];
    const int32_t inches = 70, pounds = 150;
    memcpy(rec + 2740, &inches, 4);
    memcpy(rec + 2736, &pounds, 4);
    Plr.daynumber = 1;
    draw_profile(0);
    const uint32_t bar = RGB_to_color(255, 187, 0);
    const struct { int row, filled; } expect[] = {{0, 40}, {1, 20}, {2, 0}, {3, 40}};
    for (const auto &e : expect) {
        const int x = phy_X + 8 + 101, y = phy_Y + 30 + 10 * e.row + 4;
        int filled = 0;
        while (filled < 50 && oxatest::pixel(x + filled, y) == bar) filled++;
        EXPECT_EQ(filled, e.filled) << "row " << e.row;
    }
    EXPECT_EQ(plr_height_inches(), 70);

    // Creation's question: N rolls again from the top line, Y keeps the roll.
    REROLL = 1;
    REROLL_POS = 2;
    oxatest::KeyFeeder no;
    no.key(SDLK_n);
    no.typed([] { draw_profile(1); return 0; });
    EXPECT_EQ(REROLL, 0);
    EXPECT_EQ(REROLL_POS, 0);
    oxatest::KeyFeeder yes;
    yes.key(SDLK_y);
    yes.typed([] { draw_profile(1); return 0; });
    EXPECT_EQ(REROLL, 1);
    // After a game course's raise the sheet waits for a key and asks nothing.
    oxatest::KeyFeeder any;
    any.key(SDLK_n);
    any.typed([] { draw_profile(2); return 0; });
    EXPECT_EQ(REROLL, 1);
}

}  // namespace
