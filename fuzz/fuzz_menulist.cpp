// "MENULIST.SAV", the saved list that a menu restores after a help page: restored over a good list,
// then drawn and run with cursor keys, a mouse move and Enter, as the menu does. A file that is too
// short is refused and leaves the list as it was.
#include <cstring>

#include "common.h"
#include "presentation/input.h"
#include "presentation/listwidget.h"
#include "presentation/show.h"

static void good_list() {
    LIST_Reset(0xffffff, "MENU", 200, 100, 300, 200, 1);
    LIST_Entry('A', "A.First entry");
    LIST_Entry(-1, "");
    LIST_Entry('B', "B.Second|right");
    LIST_Entry(KEY_ESC, "ESC.Cancel");
    LIST_SetMaxCursorEntry();
}

// Opening the screen takes longer than a single input may: it is done before the first.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::open_screen();
    good_list();
    static ListStruct before;
    static ListEntryStruct entries_before[LIST_MAX_ENTRIES];
    before = List;
    memcpy(entries_before, ListEntries, sizeof ListEntries);
    if (!oxafuzz::write_file("MENULIST.SAV", data, size)) abort();
    LIST_Restore();
    const bool whole = size >= sizeof(ListStruct) + sizeof ListEntries;
    if (!whole && (memcmp(&before, &List, sizeof List) != 0 || memcmp(entries_before, ListEntries, sizeof ListEntries)))
        oxafuzz::fail("a short list file changed the list");
    // The saved list belongs to no page flipper: the menu that restores it runs without one.
    ListFlipperTexture = nullptr;
    Set_LIST_Position(size ? data[0] % 100 : 0);
    LIST_Draw();
    LIST_Position();
    for (int p = -1; p <= LIST_MAX_ENTRIES; p++) {
        LIST_PosKey(p);
        LIST_PosText(p);
    }
    oxafuzz::push_mouse_motion(size > 2 ? data[1] * 4 : 300, size > 2 ? data[2] * 3 : 200);
    for (int key : {SDLK_DOWN, SDLK_DOWN, SDLK_UP, SDLK_PAGEDOWN, SDLK_PAGEUP, SDLK_RIGHT, SDLK_RETURN})
        oxafuzz::push_key(key);
    LIST_Go();
    oxafuzz::flush_events();
    return 0;
}
