// "OXA.FNT" and "palette.nfo": the input's first byte chooses the file, the rest is its contents. Each
// is read whole as start-up does (a short file ends the game with a message naming it), then the
// font is laid on its surface and text drawn, or the game's colours are found in the palette.
#include <cstring>
#include <string>

#include "common.h"
#include "presentation/show.h"

// Opening the screen takes longer than a single input may: it is done before the first.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::open_screen();
    const bool font = size && (data[0] & 1);
    const char *name = font ? "OXA.FNT" : "palette.nfo";
    if (size) data++, size--;
    if (!oxafuzz::write_file(name, data, size)) abort();
    static uint8_t font_before[FONT_BYTES];
    static PaletteEntry palette_before[256];
    memcpy(font_before, FONT, sizeof FONT);
    memcpy(palette_before, defdac256, sizeof palette_before);
    bool read = oxafuzz::survives([&] { font ? load_sprites() : load_palette(); });
    if (!read) {
        if (!strstr(oxafuzz::last_quit().c_str(), name)) oxafuzz::fail("a refusal that does not name the file");
        if (memcmp(font_before, FONT, sizeof FONT) || memcmp(palette_before, defdac256, sizeof palette_before))
            oxafuzz::fail("a refused file changed the font or the palette");
        return 0;
    }
    if (font) {
        putfont();
        char all[201];
        for (int i = 0; i < 200; i++) all[i] = (char)(i + 1);
        all[200] = 0;
        showtext(0, 0, all, 0xffffff, 0);
    } else {
        get_colors();
    }
    // The next input starts from the good files again.
    oxafuzz::copy_asset(name);
    oxafuzz::survives([&] { font ? load_sprites() : load_palette(); });
    if (font) putfont();
    else get_colors();
    return 0;
}
