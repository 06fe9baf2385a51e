// "NOTES.STD", the coded notes: read into the game's string table as the game does at every load, then
// looked up by section and code. Every string and every note ends inside its buffer.
#include <cstring>
#include <string>

#include "common.h"
#include "presentation/notes.h"
#include "core/tekstit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    if (!oxafuzz::write_file("NOTES.STD", data, size)) abort();
    get_notes();
    for (int i = 0; i < GAME_STRINGS_MAX; ++i)
        if (!memchr(GAME_STRINGS[i], 0, SANA_SIZE)) oxafuzz::fail("a note string runs past its buffer");
    const char sections[] = {'A', 'B', 'I', 'M', '*', 0, (char)0xff, size ? (char)data[0] : 'x'};
    const char codes[] = {'1', '2', 'a', 0, (char)0x80, size > 1 ? (char)data[1] : 'y'};
    for (char s : sections)
        for (char c : codes) {
            coded_st(s, c);
            if (!memchr(NOTE, 0, sizeof NOTE)) oxafuzz::fail("a coded note runs past its buffer");
        }
    return 0;
}
