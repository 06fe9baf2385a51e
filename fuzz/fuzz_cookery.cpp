// The cookery files, read as the cooking reads them: a recipe header is found by name in a file of
// any shape, a name that holds "%" is text, each ingredient line comes as one line of at most 254
// characters beginning "{", and the walk ends in "NOT FOUND" with no file left open.
#include <cstring>
#include <string>

#include "activities/cooking.h"
#include "common.h"
#include "items/materials.h"
#include "items/recipes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    if (!oxafuzz::write_file("cookery_fish.txt", data, size)) abort();
    static const char *const names[] = {"Fish soup", "Odd %n dish", "%s%s%s", "", "X"};
    const char *text = reinterpret_cast<const char *>(data);
    for (const char *name : names) {
        const char *h = fread_Tekodata(RECIPE_COOKERY, name, 0);
        if (strlen(h) > TEKO_LINE_MAX) oxafuzz::fail("a header longer than a record line");
        if (strcmp(h, "NOT FOUND") == 0) {
            if (TEKODATA_F) oxafuzz::fail("a cookery file left open after NOT FOUND");
            continue;
        }
        if (h[0] != '.') oxafuzz::fail("a header that is no header line");
        Tekoheader_aika(h), Tekoheader_kypsymisaika(h), Tekoheader_maara(h), Tekoheader_patch(h);
        int lines = 0;
        for (;;) {
            const char *l = fread_Tekodata(RECIPE_COOKERY, nullptr, 1);
            if (strcmp(l, "NOT FOUND") == 0) break;
            if (l[0] != '{' || strlen(l) > TEKO_LINE_MAX) oxafuzz::fail("an ingredient line of the wrong shape");
            pura_esinetarvinta(l);
            if (++lines > TEKO_RECORD_LINES) oxafuzz::fail("a recipe over 100 lines");
        }
        if (TEKODATA_F) oxafuzz::fail("a cookery file left open after the last line");
    }
    // The pattern is a text: the input with its end marked, never the raw bytes.
    const std::string pattern(text, size);
    char filled[64];
    fill_name(filled, sizeof filled, pattern.c_str(), "%n");
    fclose_TEKODATA_F();
    return 0;
}
