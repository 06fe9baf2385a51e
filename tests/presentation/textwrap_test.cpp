// The word-wrap both paragraph drawers lay out through: where the words go and which ink the tags ask.
#include "presentation/show.h"
#include "core/tekstit.h"
#include "presentation/textwrap.h"

#include <gtest/gtest.h>

#include <string>

static void record(void *ctx, int x, int y, const char *word, WrapInk ink) {
    static const char *const NAMES[] = {"own", "red", "green", "lightgray", "black", "blue", "indblue", "infoblue"};
    *(std::string *)ctx += std::to_string(x) + "," + std::to_string(y) + " " + NAMES[ink] + " [" + word + "] ";
}

TEST(TextWrap, LineBreaksAndTags) {
    struct Case {
        const char *text;
        int x, y, width, line_h;
        const char *laid;
        int end_x, end_y, breaks;
    } cases[] = {
        // "<br>" goes back to the left edge; a word before it keeps its blank.
        {"ab <br> cd", 10, 10, 400, 10, "10,10 own [ab ] 10,20 own [cd] ", 26, 20, 10},
        {"ab <br> cd", 10, 10, 400, 9, "10,10 own [ab ] 10,19 own [cd] ", 26, 19, 9},
        // A word passing the right edge wraps; a single letter never does.
        {"abc def g", 0, 0, 40, 10, "0,0 own [abc ] 0,10 own [def ] 32,10 own [g] ", 40, 10, 10},
        {"abcd e", 0, 0, 40, 10, "0,0 own [abcd ] 40,0 own [e] ", 48, 0, 0},
        // A word wider than the box starts a line even at the left edge.
        {"abcdefg", 0, 0, 40, 10, "0,10 own [abcdefg] ", 56, 10, 10},
        // No blank before a word that starts with a full stop.
        {"one two .three", 0, 0, 400, 10, "0,0 own [one ] 32,0 own [two] 56,0 own [.three] ", 104, 0, 0},
        // Tags are never drawn; a closing tag gives the caller's colour back.
        {"<red> a <lightgray> b </lightgray> c <green> d </green> e <black> f", 0, 0, 400, 10,
         "0,0 red [a ] 16,0 lightgray [b ] 32,0 own [c ] 48,0 green [d ] 64,0 own [e ] 80,0 black [f] ", 88, 0, 0},
        {"<blue> a </blue> b <indblue> c </indblue> d <infoblue> e </infoblue> f", 0, 0, 400, 10,
         "0,0 blue [a ] 16,0 own [b ] 32,0 indblue [c ] 48,0 own [d ] 64,0 infoblue [e ] 80,0 own [f] ", 88, 0, 0},
        // A tag the wrap does not know is dropped and the ink stays.
        {"<green> a <bogus> b </red> c", 0, 0, 400, 10, "0,0 green [a ] 16,0 green [b ] 32,0 green [c] ", 40, 0, 0},
        // An empty line of text is a paragraph break: two line breaks.
        {"", 5, 7, 400, 10, "", 5, 27, 20},
    };
    for (const Case &c : cases) {
        SANATAULUKKO_Tyhjaa();
        SANATAULUKKO_Lisaa(c.text);
        std::string laid;
        WrapEnd end = wrap_words(c.x, c.y, c.width, c.line_h, record, &laid);
        EXPECT_EQ(laid, c.laid) << c.text;
        EXPECT_EQ(end.x, c.end_x) << c.text;
        EXPECT_EQ(end.y, c.end_y) << c.text;
        EXPECT_EQ(end.breaks, c.breaks) << c.text;

        // Measuring alone ends at the same place and lays out the same words.
        std::string words = s_sanataulukko;
        WrapEnd measured = wrap_words(c.x, c.y, c.width, c.line_h, nullptr, nullptr);
        EXPECT_EQ(measured.y, end.y) << c.text;
        EXPECT_EQ(words, s_sanataulukko) << c.text;
    }
}
