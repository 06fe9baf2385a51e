// A memorial slot: "ANCESTORS/<slot>/charfile.txt" (the input's first line), the record it names (the
// rest of the input) and "ANCESTORS/lastentry.txt". The scan keeps only a whole record behind a plain
// name, and a kept record, padded whole in a second slot, is drawn as its list entry and its page.
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "common.h"
#include "base/ownlib.h"
#include "creatures/ancestors.h"
#include "screens/ancestors.h"

static bool plain(const std::string &name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos && name.size() < 128;
}

// Opening the screen is the run's set-up, not an input's work.
extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    oxafuzz::open_screen();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::open_screen();
    oxafuzz::workdir();
    oxafuzz::remove_tree("ANCESTORS");
    mkdir("ANCESTORS", 0755);
    mkdir("ANCESTORS/3", 0755);
    mkdir("ANCESTORS/4", 0755);
    const uint8_t *nl = size ? (const uint8_t *)memchr(data, '\n', size) : nullptr;
    const size_t head = nl ? (size_t)(nl - data) + 1 : size;
    const uint8_t *rest = data + head;
    const size_t rest_size = size - head;
    std::string name((const char *)data, head);
    name = name.substr(0, name.find_first_of(std::string("\r\n\0", 3)));
    for (const char *slot : {"ANCESTORS/3", "ANCESTORS/4"})
        oxafuzz::write_file(std::string(slot) + "/charfile.txt", data, head);
    oxafuzz::write_file("ANCESTORS/lastentry.txt", rest, rest_size < 8 ? rest_size : 8);
    if (plain(name)) {
        oxafuzz::write_file("ANCESTORS/3/" + name + ".ANC", rest, rest_size);
        std::vector<uint8_t> whole(ANC_RECORD_SIZE, 0);
        memcpy(whole.data(), rest, rest_size < whole.size() ? rest_size : whole.size());
        oxafuzz::write_file("ANCESTORS/4/" + name + ".ANC", whole.data(), whole.size());
    }
    GrabAncFolders();
    if (LASTANCNUM < 0 || LASTANCNUM >= ANC_SLOTS) oxafuzz::fail("the last slot is out of the ring");
    if (AncFolderUsage[3] != (plain(name) && rest_size == ANC_RECORD_SIZE)) oxafuzz::fail("a record not whole was kept");
    if (AncFolderUsage[4] != plain(name)) oxafuzz::fail("a whole record was refused");
    if (AncFolderUsage[4]) {
        ancestorentry(10, 40, 4, 0);
        ancestorentry(10, 30, 4, 1);
    }
    return 0;
}
