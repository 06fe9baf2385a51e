// The fatal exit's message wraps inside the window: a damaged world's message names its file and the
// copy that brings the world back, and none of it is drawn past the right edge.
#include "common/harness.h"
#include "presentation/show.h"
#include "screens/quit.h"

#include <string>

class FarewellWrap : public oxatest::ScreenTest {};

TEST_F(FarewellWrap, DamagedWorldMessageFitsTheWindowWordForWord) {
    const std::string text =
        "Oxa: the world file /home/player/halvornaland/AINO/WORLD.DAT is damaged (3148288 of 6296577 bytes, or no "
        "world). WORLD.BAK keeps the world of the last load.";
    static char lines[FAREWELL_LINES][FAREWELL_LINE];
    const int width = RESOLUTION_X - 20;
    const int n = farewell_lines(text.c_str(), width, lines, FAREWELL_LINES);
    ASSERT_GT(n, 1);
    std::string joined;
    for (int i = 0; i < n; i++) {
        EXPECT_LE(textwidth(lines[i]), width) << lines[i];
        joined += (i ? " " : "") + std::string(lines[i]);
    }
    EXPECT_EQ(joined, text);
    // A word wider than the window is cut where the line ends, never drawn past it.
    const std::string word(300, 'W');
    const int m = farewell_lines(word.c_str(), width, lines, FAREWELL_LINES);
    std::string rejoined;
    for (int i = 0; i < m; i++) {
        EXPECT_LE(textwidth(lines[i]), width);
        rejoined += lines[i];
    }
    EXPECT_EQ(rejoined, word);
}
