// The plant data files "flora_*.*" and the plant-name list: the input is a bundle of files (plant
// data, "messages/eng_uname_flora.txt"), or one plant data file. Checks: every plant name, skill and
// tile of the table ends in a zero byte, the fetcher's buffers hold a terminated text, and every row
// of the name list holds at most 29 characters.
#include <glob.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "activities/herblore.h"
#include "common.h"
#include "base/ownlib.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/plants.h"
#include "worldgen/chardefs.h"

static void clear_folder() {
    glob_t g;
    if (glob("flora_*", 0, nullptr, &g) == 0)
        for (size_t i = 0; i < g.gl_pathc; i++) unlink(g.gl_pathv[i]);
    globfree(&g);
    unlink("messages/eng_uname_flora.txt");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    clear_folder();
    unlink("create_objects.txt");   // the build's log grows with every run
    mkdir("messages", 0755);
    std::vector<oxafuzz::BundleEntry> files = oxafuzz::unbundle(data, size);
    bool bundled = false;
    for (const oxafuzz::BundleEntry &f : files) {
        std::string name = f.name == "names" ? "messages/eng_uname_flora.txt" : "flora_" + f.name;
        if (!oxafuzz::write_file(name, f.data, f.size)) abort();
        bundled = true;
    }
    if (!bundled && !oxafuzz::write_file("flora_input.txt", data, size)) abort();

    definit_yrttidata();
    for (ItemStruct &r : ConstantObj) unmatchable_blank(r);
    LuoKasvit();
    for (const ItemStruct &it : ConstantObj)
        if (it.name[sizeof it.name - 1] || it.skill[sizeof it.skill - 1] || it.tile[sizeof it.tile - 1])
            oxafuzz::fail("a text field of a plant runs past its end");
    if (strnlen(ascii_data, sizeof ascii_data) >= sizeof ascii_data) oxafuzz::fail("the plant body is not ended");
    if (strnlen(header_data, sizeof header_data) >= sizeof header_data) oxafuzz::fail("the header is not ended");
    if (InitUnames_load())
        for (const char *row : UFLORA)
            if (strnlen(row, UFLORA_SIZE) > UFLORA_SIZE - 1) oxafuzz::fail("a plant name longer than 29 characters");
    return 0;
}
