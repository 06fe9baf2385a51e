// A scenario file "RNDCAMP.n": its title and summary for the scenario list, and the story a new
// character's folder gets from it. Checks: the title and summary hold no line end, and the story file
// is "Scenario: " and the title, then the file's lines from the third on, each cut to one line.
#include <sys/stat.h>

#include <cstring>
#include <string>

#include "common.h"
#include "worldgen/campaign.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    oxafuzz::write_file("RNDCAMP.0", data, size);
    char title[200], summary[200];
    if (!camp_title(0, title, sizeof title, summary, sizeof summary)) oxafuzz::fail("the scenario didn't open");
    if (strpbrk(title, "\r\n") || strpbrk(summary, "\r\n")) oxafuzz::fail("a line end in the title or summary");
    mkdir("F", 0700);
    if (!get_camp(0, "F")) oxafuzz::fail("the story wasn't written");
    const std::string story = oxafuzz::read_file("F/story.txt");
    if (size > 0 && story.rfind("Scenario: ", 0) != 0) oxafuzz::fail("the story doesn't start with its title");
    if (size == 0 && !story.empty()) oxafuzz::fail("a story from an empty file");
    return 0;
}
