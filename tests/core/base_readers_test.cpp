// The readers of the base floor that many files share: "[KEY:value]" fields of a line.
#include "common/harness.h"

#include <cstring>

#include "base/tags.h"

TEST(TagField, ValueCutToItsBufferAndAbsentKeyLeavesIt) {
    const std::string long_key(TAG_KEY_MAX + 1, 'K');
    const std::string long_line = "[" + long_key + ":1]";
    const struct {
        const char *line, *key;
        size_t size;
        bool found;
        const char *out;
        bool cut;
    } cases[] = {
        {"[A:1][B:22]", "B", 10, true, "22", false},
        {"x[KEY:open to the end", "KEY", 100, true, "open to the end", false},
        {"[KEY:abcdef]", "KEY", 4, true, "abc", true},
        {"[KE[KEY:][KEY:2]", "KEY", 10, true, "", false},   // the first whole "[KEY:" counts
        {"KEY:1 [key:2]", "KEY", 10, false, "kept", false},   // keys are exact
        {long_line.c_str(), long_key.c_str(), 10, false, "kept", false},
        {nullptr, "KEY", 10, false, "kept", false},
    };
    for (const auto &c : cases) {
        char out[100] = "kept";
        bool cut = false;
        const char *what = c.line ? c.line : "no line";
        EXPECT_EQ(tag_copy(c.line, c.key, out, c.size, &cut), c.found) << what;
        EXPECT_STREQ(out, c.out) << what;
        EXPECT_EQ(cut, c.cut) << what;
    }
}
