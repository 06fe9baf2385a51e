// The recipe files: a record is found by name in a file of any shape, its material lines come one at
// a time, each at most 254 characters and beginning "{", the walk ends in "NOT FOUND" with no file
// left open, and a record copied whole keeps within its 100 lines.
#include <cstring>
#include <string>

#include "common.h"
#include "items/materials.h"
#include "items/recipes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    if (!oxafuzz::write_file("diy_fuzz.txt", data, size)) abort();
    const std::string text(reinterpret_cast<const char *>(data), size);
    // The names of the first few header lines, and a few that are not there.
    std::string names[6] = {"Birch-bark basket", "%s%n", ""};
    int n = 3;
    size_t pos = 0;
    while (pos < text.size() && n < 6) {
        size_t eol = text.find('\n', pos);
        std::string line = text.substr(pos, (eol == std::string::npos ? text.size() : eol) - pos);
        pos = eol == std::string::npos ? text.size() : eol + 1;
        if (line.empty() || line[0] != '.') continue;
        char tag[100];
        names[n++] = teko_tag(line.c_str(), '.', '.', tag);
    }
    for (int i = 0; i < n; i++) {
        const char *h = fread_Tekodata(RECIPE_DIY, names[i].c_str(), 0);
        if (strlen(h) > TEKO_LINE_MAX) oxafuzz::fail("a header longer than a record line");
        if (strcmp(h, "NOT FOUND") == 0) {
            if (TEKODATA_F) oxafuzz::fail("a recipe file left open after NOT FOUND");
            continue;
        }
        Tekoheader_aika(h), Tekoheader_kypsymisaika(h), Tekoheader_maara(h), Tekoheader_menukey(h);
        if (Tekoheader_ponnistelu(h) != 0 && (Tekoheader_ponnistelu(h) < 2 || Tekoheader_ponnistelu(h) > 7))
            oxafuzz::fail("an effort outside 2..7");
        if (Tekoheader_apuvoimat(h) < 0 || Tekoheader_apuvoimat(h) > 3) oxafuzz::fail("extra hands outside 0..3");
        if (strlen(Tekoheader_esine(h)) > TEKO_VALUE_MAX) oxafuzz::fail("a value over 99 characters");
        int lines = 0;
        for (;;) {
            const char *l = fread_Tekodata(0, nullptr, 1);
            if (strcmp(l, "NOT FOUND") == 0) break;
            if (l[0] != '{' || strlen(l) > TEKO_LINE_MAX) oxafuzz::fail("a material line of the wrong shape");
            pura_esinetarvinta(l);
            if (++lines > TEKO_RECORD_LINES) oxafuzz::fail("a record over 100 lines");
        }
        if (TEKODATA_F) oxafuzz::fail("a recipe file left open after the last line");
        static AsciiRawStruct raw;
        if (!read_asciiraw(RECIPE_DIY, names[i].c_str(), &raw)) oxafuzz::fail("a header found once but not twice");
        for (const auto &line : raw.lines)
            if (strnlen(line, sizeof line) > TEKO_LINE_MAX) oxafuzz::fail("a copied line unterminated");
    }
    fclose_TEKODATA_F();
    return 0;
}
