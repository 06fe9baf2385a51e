// The cookery files: a recipe header is found by name in a file of any shape, a name that holds "%"
// is text, and whatever is found is one line of at most 449 characters or "NOT FOUND".
#include <cstring>
#include <string>

#include "activities/cooking.h"
#include "common.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    if (!oxafuzz::write_file("cookery_fish.txt", data, size)) abort();
    static const char *const names[] = {"Fish soup", "Odd %n dish", "%s%s%s", "", "X"};
    const char *text = reinterpret_cast<const char *>(data);
    for (const char *name : names) {
        char out[450];
        const char *h = cookery_header_text(text, (unsigned)size, name, out, sizeof out);
        if (strlen(h) >= sizeof out) oxafuzz::fail("a header longer than its buffer");
        if (strcmp(h, "NOT FOUND") != 0 && h[0] != '.') oxafuzz::fail("a header that is no header line");
        const char *f = cookery_header(name);
        if (strcmp(f, h) != 0 && strcmp(f, "NOT FOUND") != 0) {
            // The file search reads every cookery file; only this one is here, so both must agree.
            oxafuzz::fail("the file search found another header");
        }
    }
    // The pattern is a text: the input with its end marked, never the raw bytes.
    const std::string pattern(text, size);
    char filled[64];
    fill_name(filled, sizeof filled, pattern.c_str(), "%n");
    return 0;
}
