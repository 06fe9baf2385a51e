// "story.txt" of the character's folder, the start-up story: read and laid out as the start-up screen
// does. Every word of the paragraph ends inside its entry, and no line brings more than its bound.
#include <cstring>
#include <string>

#include "common.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "presentation/screen.h"
#include "core/tekstit.h"

// Opening the screen takes longer than a single input may: it is done before the first.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    oxafuzz::open_screen();
    copy_bounded(CharacterPath, sizeof CharacterPath, dir.c_str());
    if (!oxafuzz::write_file("story.txt", data, size)) abort();
    show_scenario();
    for (int i = 0; i < SANATAULUKKO_MAX; ++i)
        if (!memchr(SanaTaulukko[i], 0, SANA_SIZE)) oxafuzz::fail("a story word runs past its entry");
    return 0;
}
