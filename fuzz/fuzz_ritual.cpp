// A ritual text of the working folder ("HUNT.RIT" and the others): read and shown as a ritual shows
// it. No more lines than the screen holds, none longer than 79 characters, each one ended.
#include <cstring>
#include <string>

#include "common.h"
#include "activities/spirits.h"
#include "base/ownlib.h"
#include "core/config.h"

// Opening the screen takes longer than a single input may: it is done before the first.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    oxafuzz::open_screen();
    copy_bounded(OxaPath, sizeof OxaPath, dir.c_str());
    if (!oxafuzz::write_file("HUNT.RIT", data, size)) abort();
    static char lines[RITUAL_LINES_MAX + 1][RITUAL_LINE_MAX + 1];
    memset(lines, 'x', sizeof lines);
    const int n = ritual_text_lines("HUNT.RIT", lines, RITUAL_LINES_MAX);
    if (n < 0 || n > RITUAL_LINES_MAX) oxafuzz::fail("a line count outside the screen");
    for (int i = 0; i < n; i++)
        if (!memchr(lines[i], 0, RITUAL_LINE_MAX + 1)) oxafuzz::fail("a ritual line runs past 79 characters");
    if (lines[RITUAL_LINES_MAX][0] != 'x') oxafuzz::fail("a line written past the screen's lines");
    oxafuzz::push_key(' ');
    perform_ritual("HUNT.RIT");
    oxafuzz::flush_events();
    return 0;
}
