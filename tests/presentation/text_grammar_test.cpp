// English grammar, the word table, text lists, coded notes and the descriptive texts.
#include "common/harness.h"

#include "base/tags.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "presentation/notes.h"
#include "core/tekstit.h"

#include <sys/stat.h>

#include <cstring>
#include <string>

using oxatest::TempDir;

namespace {

TEST(Grammar, ArticlesBeforeWords) {
    EXPECT_STREQ(an("axe"), "an axe");
    EXPECT_STREQ(an("Elk"), "an Elk");
    EXPECT_STREQ(an("hammer"), "a hammer");
    EXPECT_STREQ(an("3 arrows"), "3 arrows");
    EXPECT_STREQ(an("a knife"), "a knife");
    EXPECT_STREQ(an("an owl"), "an owl");
    EXPECT_STREQ(an(""), "");
    EXPECT_STREQ(the("wolf"), "the wolf");
}

TEST(Grammar, Plurals) {
    const char *cases[][2] = {
        {"knife", "knives"},        {"wolf", "wolves"},         {"leaf", "leaves"},
        {"staff", "staves"},        {"box", "boxes"},           {"berry", "berries"},
        {"tooth", "teeth"},         {"bear tooth", "bear teeth"}, {"block of wood", "blocks of wood"},
        {"arrows", "arrows"},       {"goose/geese", "geese"},   {"torch", "torches"},
        {"Stone", "stones"},        {"", ""},
    };
    for (auto &c : cases) EXPECT_STREQ(mon(c[0]), c[1]) << c[0];
    EXPECT_STREQ(yks("goose/geese"), "goose");
    std::string longname(100, 'n');
    EXPECT_EQ(strlen(yks(longname.c_str())), 39u);
}

TEST(Grammar, CountedItemNames) {
    EXPECT_STREQ(EsineTeksti(3, "block of wood", 1, 0), "3 blocks of wood");
    EXPECT_STREQ(EsineTeksti(3, "bunch of herbs", 1, 0), "3 bunches of herbs");
    EXPECT_STREQ(EsineTeksti(2, "torch", 0, 0), "Torches * 2");
    EXPECT_STREQ(EsineTeksti(2, "knife", 1, 0), "2 knives");
    EXPECT_STREQ(EsineTeksti(2, "berry", 1, 0), "2 berries");
    EXPECT_STREQ(EsineTeksti(4, "arrow", 3, 0), "Some arrows (4)");
    EXPECT_STREQ(EsineTeksti(1, "axe", 1, 1), "An axe");
    EXPECT_STREQ(EsineTeksti(1, "KNIFE", 1, 1), "A knife");
    EXPECT_STREQ(EsineTeksti(1, "furs", 1, 1), "Furs");
    // A name already plural keeps one ending; ordinary words ending in "se" keep theirs.
    EXPECT_STREQ(EsineTeksti(2, "furs", 1, 0), "2 furs");
    EXPECT_STREQ(EsineTeksti(2, "horse", 1, 0), "2 horses");
    EXPECT_STREQ(EsineTeksti(2, "cheese", 1, 0), "2 cheeses");
    std::string longname(300, 'x');
    EXPECT_LT(strlen(EsineTeksti(99, longname.c_str(), 3, 1)), 100u);
}

TEST(Grammar, CapitalsAndTags) {
    char w[8] = "word";
    EXPECT_STREQ(Alkuk(w), "Word");
    EXPECT_STREQ(alkuk(w), "word");
    const char *line = "[NAME:silver ring][W:3]";
    EXPECT_STREQ(tag_value(line, "NAME", "none"), "silver ring");
    EXPECT_STREQ(tag_value(line, "PRICE", "none"), "none");
    std::string longtag = "[NAME:" + std::string(500, 'z') + "]";
    EXPECT_EQ(strlen(tag_value(longtag.c_str(), "NAME", "")), 99u);
    EXPECT_STREQ(lue_tag("key (var) rest", "()"), "var");
    EXPECT_STREQ(lue_tag("no pair here", "()"), "");
    EXPECT_STREQ(lue_tag("a |quoted| b", "||"), "quoted");
    char sk[4] = {'a', (char)132, 'b', 0};
    EXPECT_EQ((unsigned char)StrSkandit(sk)[1], 228);
}

TEST(WordTable, CutsWordsSpacesAndTags) {
    SANATAULUKKO_Lisaa(1, "one  two three<br>four");
    EXPECT_STREQ(SanaTaulukko[0], "one ");
    EXPECT_STREQ(SanaTaulukko[1], "two");
    EXPECT_STREQ(SanaTaulukko[2], "three");
    EXPECT_STREQ(SanaTaulukko[3], "<br>");
    EXPECT_STREQ(SanaTaulukko[4], "four");
    EXPECT_EQ(SanaTaulukko_ENTRY, 5);
    SANATAULUKKO_Lisaa(1, " lead");
    EXPECT_STREQ(SanaTaulukko[0], " ");
    EXPECT_STREQ(SanaTaulukko[1], "lead");
    SANATAULUKKO_Lisaa(1, "");
    EXPECT_STREQ(SanaTaulukko[0], "<br>");
    EXPECT_STREQ(SanaTaulukko[1], "<br>");

    SANATAULUKKO_Lisaa(1, "a b c");
    SANATAULUKKO_AlustaLuku();
    EXPECT_STREQ(SANATAULUKKO_LueSana(), "a");
    EXPECT_STREQ(SANATAULUKKO_LueTulevaSana(), "b");
    EXPECT_STREQ(SANATAULUKKO_LueSana(), "b");
    EXPECT_STREQ(SANATAULUKKO_LueSana(), "c");
    EXPECT_STREQ(SANATAULUKKO_LueSana(), "");
}

TEST(WordTable, LongWordsAndFullTablesStayInside) {
    std::string word(400, 'w');
    SANATAULUKKO_Lisaa(1, word.c_str());
    EXPECT_EQ(strlen(SanaTaulukko[0]), (size_t)SANA_SIZE - 1);
    EXPECT_EQ(fetchwords(), std::string(SANA_SIZE - 1, 'w') + " " + std::string(SANA_SIZE - 1, 'w') + " " +
                                std::string(SANA_SIZE - 1, 'w') + " " + std::string(400 - 3 * (SANA_SIZE - 1), 'w'));
    std::string many;
    for (int i = 0; i < 6000; ++i) many += "x ";
    SANATAULUKKO_Lisaa(1, many.c_str());
    SANATAULUKKO_Lisaa(0, "more words");
    EXPECT_EQ(SanaTaulukko_ENTRY, SANATAULUKKO_MAX);
    EXPECT_LE(strlen(fetchwords()), 1023u);
}

TEST(WordTable, AndListsAndJoining) {
    SANATAULUKKO_Lisaa(1, "knife, axe, rope,");
    SANATAULUKKO_Pilkkulistaus(0, 2);
    EXPECT_STREQ(fetchwords(), "knife, axe and rope");
    SANATAULUKKO_Lisaa(1, "Hello <br> world . Done");
    EXPECT_STREQ(fetchwords(), "Hello world. Done");
    EXPECT_STREQ(andlist("knife, axe, rope, "), "knife, axe and rope");
    EXPECT_STREQ(andlist("knife, "), "knife");
    EXPECT_STREQ(andlist("knife"), "knife");
    std::string big(1200, 'a');
    EXPECT_STREQ(andlist(big.c_str()), "text buffer overflow");
}

TEST(WordTable, CountedList) {
    reset_dotlist();
    add_dotlist("arrow");
    add_dotlist("knife");
    add_dotlist("arrow");
    add_dotlist("arrow");
    EXPECT_STREQ(get_dotlistbuf(), "3 arrows and knife");
    add_dotlist("rope");
    EXPECT_STREQ(get_dotlistbuf(), "3 arrows, knife and rope");
    reset_dotlist();
    for (int i = 0; i < 150; ++i) add_dotlist(("some rather long thing number " + std::to_string(i)).c_str());
    std::string all = get_dotlistbuf();
    EXPECT_LE(all.size(), 1023u);
    EXPECT_EQ(all.substr(all.size() - 8), "and more");
    reset_dotlist();
}

TEST(CodedNotes, SectionAndCode) {
    TempDir dir;
    dir.write_file("NOTES.STD", "// notes\n*A\nFirst of A.1\nSecond of A.2\n*B\nFirst of B.1\n" +
                                    std::string(300, 'L') + "3\n");
    get_notes();
    coded_st('A', '2');
    EXPECT_STREQ(NOTE, "Second of A.");
    coded_st('B', '1');
    EXPECT_STREQ(NOTE, "First of B.");
    coded_st('B', '9');
    EXPECT_STREQ(NOTE, " ");   // the last entry of the table
    for (int i = 0; i < GAME_STRINGS_MAX; ++i) EXPECT_LT(strlen(GAME_STRINGS[i]), (size_t)SANA_SIZE);
}

TEST(ScreenHelp, ReadsTheScreensParagraph) {
    TempDir dir;
    mkdir((dir.path() + "/gameinfo").c_str(), 0755);
    dir.write_file("gameinfo/eng_scrinfo.txt", ".OTHER.\nnot this\n***\n.WOUNDS.\nYour wounds heal slowly.\n***\n");
    copy_bounded(language, sizeof language, "eng");
    SANATAULUKKO_finfo("WOUNDS");
    EXPECT_STREQ(fetchwords(), "Your wounds heal slowly.");
    SANATAULUKKO_finfo("NOWHERE");
    EXPECT_STREQ(SanaTaulukko[0], "");
}

TEST(Descriptions, ThresholdBoundaries) {
    EXPECT_STREQ(WaterTemp_txtdesc(3), "freezing cold");
    EXPECT_STREQ(WaterTemp_txtdesc(4), "really cold");
    EXPECT_STREQ(WaterTemp_txtdesc(21), "warm");
    EXPECT_STREQ(WaterTemp_txtdesc(22), "very warm");
    EXPECT_STREQ(SnowDepth_txtdesc(9), "");
    EXPECT_STREQ(SnowDepth_txtdesc(10), "very faint snow");
    EXPECT_STREQ(SnowDepth_txtdesc(999), "more than waist deep snow");
    EXPECT_STREQ(SnowDepth_txtdesc(1000), "chest deep snow");
    EXPECT_STREQ(datedesc(15, 6, ""), " june");
    EXPECT_STREQ(datedesc(15, 6, "in"), "in mid june");
    EXPECT_STREQ(datedesc(31, 13, ""), "late december");
    EXPECT_STREQ(datedesc(1, 0, "in"), "on first day of january");
    EXPECT_STREQ(datedesc(30, 2, ""), "last day of february");
    char hour[16];
    AikaTeksti(0, hour);
    EXPECT_STREQ(hour, "Midnight");
    AikaTeksti(13, hour);
    EXPECT_STREQ(hour, "Early afternoon");
    AikaTeksti(23, hour);
    EXPECT_STREQ(hour, "Late night");
    EXPECT_STREQ(taitoteksti_perus(0), "unskilled");
    EXPECT_STREQ(taitoteksti_perus(5), "untrained");
    EXPECT_STREQ(taitoteksti_perus(150), "grandmaster");
    EXPECT_STREQ(taitoteksti_perus(-40), "unskilled");
    EXPECT_STREQ(JanoTeksti(700), "");
    EXPECT_STREQ(JanoTeksti(701), "a bit thirsty.");
    EXPECT_STREQ(JanoTeksti(5001), "dying of thirst!");
    EXPECT_STREQ(NalkaTeksti(80), "");
    EXPECT_STREQ(NalkaTeksti(225), "very hungry");
    EXPECT_STREQ(RavitsemusTeksti(3200), "Nourished");
    EXPECT_STREQ(RavitsemusTeksti(3201), "Well-fed");
    EXPECT_STREQ(ILMANSUUNTA(6), "S");
    EXPECT_STREQ(ILMANSUUNTA(9), "E");
    EXPECT_STREQ(EtaisyydenKuvaus(0), "less than a kilometer away from here");
    EXPECT_STREQ(EtaisyydenKuvaus(90), "an hour walk away from here, ten kilometers at the most");
    EXPECT_STREQ(EtaisyydenKuvaus(200), "approximately 20 kilometers from here");
    EXPECT_STREQ(YhteiselamanTeksti(0), "wandering around with you");
    EXPECT_STREQ(YhteiselamanTeksti(4 | 8), "exploring the wilderness and adventuring with you");
}

TEST(Descriptions, MonthPhaseUsesTheMessageMonthNames) {
    copy_bounded(PAGANMONTH[3], sizeof PAGANMONTH[3], "crust-snow month");
    EXPECT_STREQ(monthphase(3, 3), "beginning of crust-snow month");
    EXPECT_STREQ(monthphase(10, 3), "early crust-snow month");
    EXPECT_STREQ(monthphase(15, 3), "crust-snow month");
    EXPECT_STREQ(monthphase(28, 3), "end of crust-snow month");
    EXPECT_STREQ(monthphase(5, 40), "early ");
}

}  // namespace
