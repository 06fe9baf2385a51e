// The two readers of the base floor that many files share: fixed-size records into a table, and
// "[KEY:value]" fields of a line.
#include "common/harness.h"

#include <cstring>

#include "base/tablefile.h"
#include "base/tags.h"

namespace {

struct Row {
    char bytes[4];
};

}  // namespace

TEST(RecordTable, OnlyWholeRecordsReachTheTable) {
    oxatest::TempDir dir;
    const struct {
        const char *what;
        std::string file;   // "-": no file
        bool clear_rest;
        size_t got, in_file;
        bool cut, more;
        const char *table;   // the three rows after the read ('.' a cleared byte)
    } cases[] = {
        {"missing", "-", true, 0, 0, false, false, "XXXXXXXXXXXX"},
        {"empty", "", true, 0, 0, false, false, "............"},
        {"whole", "aaaabbbbcccc", true, 3, 3, false, false, "aaaabbbbcccc"},
        {"short", "aaaab", true, 1, 1, true, false, "aaaa........"},
        {"short, rows kept", "aaaabb", false, 1, 1, true, false, "aaaaXXXXXXXX"},
        {"longer", "aaaabbbbccccdddde", true, 3, 4, true, true, "aaaabbbbcccc"},
        {"one byte past", "aaaabbbbccccd", true, 3, 3, true, true, "aaaabbbbcccc"},
    };
    for (const auto &c : cases) {
        remove("TABLE.DAT");
        if (strcmp(c.file.c_str(), "-") != 0) dir.write_file("TABLE.DAT", c.file);
        Row rows[3];
        memset(rows, 'X', sizeof rows);
        const TableRead r = read_record_table("TABLE.DAT", rows, sizeof(Row), 3, c.clear_rest);
        EXPECT_EQ(r.opened, c.file != "-") << c.what;
        EXPECT_EQ(r.got, c.got) << c.what;
        EXPECT_EQ(r.in_file, c.in_file) << c.what;
        EXPECT_EQ(r.cut, c.cut) << c.what;
        EXPECT_EQ(r.more, c.more) << c.what;
        std::string table((const char *)rows, sizeof rows);
        for (char &ch : table)
            if (ch == 0) ch = '.';
        EXPECT_EQ(table, c.table) << c.what;
    }
}

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
