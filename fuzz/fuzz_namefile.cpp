// A first-name file ("westm.dat"): every person made reads a name from it. Checks: the name ends
// within the fifteen characters a personal name holds, the search ends on any file, and the name
// is one of the file's lines.
#include <cstring>
#include <string>

#include "common.h"
#include "base/ownlib.h"
#include "creatures/outfit.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    if (!oxafuzz::write_file("westm.dat", data, size)) abort();
    ClearPrevNameStack();
    for (int i = 0; i < 3; i++) {
        const char *name = RndHumanName("M", 1);
        if (strlen(name) > NAME_MAX_CHARS) oxafuzz::fail("a name longer than its field");
        if (strchr(name, '\n') || strchr(name, '\r')) oxafuzz::fail("a line end in the name");
    }
    return 0;
}
