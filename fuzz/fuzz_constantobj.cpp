// The definitions file "CONSTANT.OBJ" of a character folder: building the catalogue reads it first,
// as far as its whole records go. Checks: every text field of the table ends in a zero byte, both
// copies are written whole (68,800 bytes), and a second build over the written file writes the same.
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "common.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "items/itemdefs.h"
#include "items/items.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string &dir = oxafuzz::workdir();
    mkdir("AINO", 0755);
    unlink("create_objects.txt");   // the build's log grows with every run
    if (!oxafuzz::write_file("AINO/CONSTANT.OBJ", data, size)) abort();
    snprintf(CharacterPath, sizeof CharacterPath, "%s/AINO", dir.c_str());
    InitObjs();
    for (const ItemStruct &it : ConstantObj)
        if (it.name[sizeof it.name - 1] || it.skill[sizeof it.skill - 1] || it.tile[sizeof it.tile - 1])
            oxafuzz::fail("a text field of the table runs past its end");
    const std::string own = oxafuzz::read_file("AINO/CONSTANT.OBJ");
    if (own.size() != (size_t)CONSTANTOBJ_BYTES) oxafuzz::fail("the character's copy is not whole");
    if (oxafuzz::read_file("CONSTANT.OBJ") != own) oxafuzz::fail("the two copies differ");
    InitObjs();
    if (oxafuzz::read_file("AINO/CONSTANT.OBJ") != own) oxafuzz::fail("a second build writes another table");
    return 0;
}
