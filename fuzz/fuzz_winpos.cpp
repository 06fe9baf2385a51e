// "winpos.dat", the window's remembered place: read, and the start-up's placement chosen from it.
// A file that is refused leaves the placement as it was; whatever the file holds, the window comes out
// with a size of at least one pixel.
#include <cstring>

#include "common.h"
#include "presentation/winpos.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    if (!oxafuzz::write_file("winpos.dat", data, size)) abort();
    WinPosStruct pos = {WINPOS_CENTERED, WINPOS_CENTERED, 800, 600};
    const WinPosStruct before = pos;
    bool stored = ReadWinPos("winpos.dat", pos);
    if (!stored && memcmp(&pos, &before, sizeof pos) != 0) oxafuzz::fail("a refused file changed the place");
    ChooseWindowPlacement(pos, stored, 1920, 1080);
    if (pos.width < 1 || pos.height < 1) oxafuzz::fail("a window without size");
    ChooseWindowFlags("NO", 0, pos, 1920);
    return 0;
}
