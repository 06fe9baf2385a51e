// The message-log viewer's reading of "msglog.txt" in the character folder: the log is read into the
// ring and paged up and down (with the debug details of each line's header shown), then left with Esc.
#include <SDL2/SDL.h>
#include <sys/stat.h>

#include "common.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/notes.h"

// Opening the screen takes longer than a single input may: it is done before the first.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::open_screen();
    mkdir("FUZZ", 0755);
    copy_bounded(CharacterFile, sizeof CharacterFile, "FUZZ");
    if (!oxafuzz::write_file("FUZZ/msglog.txt", data, size)) abort();
    DEBUG_INFO = size && (data[0] & 1);
    for (int key : {SDLK_PAGEUP, SDLK_UP, SDLK_PAGEUP, SDLK_DOWN, SDLK_PAGEDOWN, SDLK_PAGEDOWN, SDLK_ESCAPE})
        oxafuzz::push_key(key);
    MsgLog();
    oxafuzz::flush_events();
    DEBUG_INFO = 0;
    return 0;
}
