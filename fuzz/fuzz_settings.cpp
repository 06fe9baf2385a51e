// The settings file "oxa_ini.txt": the start-up and load-time reading of every setting, then the
// setup screen's writer changing one key. Checks: every value read is at most 99 characters, the
// inventory order is the twelve type codes each once, the changed key reads back as written, and the
// other settings read as they did before the change.
#include <cstring>
#include <string>

#include "common.h"
#include "core/config.h"
#include "screens/setup.h"

static const char *const KEYS[] = {"FULLSCREEN", "LOGICAL_RESIZE", "SCALE_QUALITY", "MUSEUM", "MAP_GRID",
                                   "NIGHT_BRIGHTNESS", "VOLUME", "AUDIO", "BACKGROUND_MUSIC", "AMBIENT_SOUNDS",
                                   "OXA_CONTROLLER_PORT", "INVENTORY_ORDER", "TRADITIONAL_MOVEMENT", "K", ""};
enum { KEY_COUNT = sizeof KEYS / sizeof KEYS[0] };

// A line of 999 characters or more is read in pieces, and a change to an earlier piece moves where
// the later pieces start; only files of whole lines promise that the other settings stay.
static bool lines_whole(const uint8_t *data, size_t size) {
    size_t run = 0;
    for (size_t i = 0; i < size; i++) {
        run = data[i] == '\n' ? 0 : run + 1;
        if (run >= INI_LINE_MAX) return false;
    }
    return true;
}

// The writer replaces a whole line holding the changed key, with whatever else that line held: the
// keys sharing a line with it may change.
static bool shares_line(const uint8_t *data, size_t size, const char *changed, const char *other) {
    std::string text((const char *)data, size), a = std::string("[") + changed + ":", b = std::string("[") + other + ":";
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        line = line.substr(0, strlen(line.c_str()));   // the readers see a line up to a zero byte
        if (line.find(a) != std::string::npos && line.find(b) != std::string::npos) return true;
        start = end + 1;
    }
    return false;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    if (!oxafuzz::write_file("oxa_ini.txt", data, size)) abort();
    GetConfig();
    bool seen[13] = {};
    for (uint8_t code : INVTYPEORDER) {
        if (code < 1 || code > 12 || seen[code]) oxafuzz::fail("the inventory order is no order of the types");
        seen[code] = true;
    }
    if (OXAINI_BRIGHTNIGHT < 0 || OXAINI_BRIGHTNIGHT > 60) oxafuzz::fail("night brightness out of range");

    std::string before[KEY_COUNT];
    for (int k = 0; k < KEY_COUNT; k++) {
        before[k] = inival(KEYS[k], "-");
        if (before[k].size() > INI_VALUE_MAX) oxafuzz::fail("a value longer than 99 characters");
    }
    // The key to change and its value come from the input's first bytes.
    const int changed = size ? data[0] % KEY_COUNT : 0;
    const char *value = size > 1 && (data[1] & 1) ? "YES" : "";
    if (!ChangeIniValue(KEYS[changed], value)) oxafuzz::fail("the writer failed");
    if (strcmp(inival(KEYS[changed], "-"), value) != 0) oxafuzz::fail("the changed key reads otherwise");
    if (lines_whole(data, size)) {
        for (int k = 0; k < KEY_COUNT; k++) {
            if (k == changed || strstr(KEYS[k], KEYS[changed]) || strstr(KEYS[changed], KEYS[k])) continue;
            if (shares_line(data, size, KEYS[changed], KEYS[k])) continue;
            if (before[k] != inival(KEYS[k], "-"))
                oxafuzz::fail(std::string("changing ") + KEYS[changed] + " changed " + KEYS[k]);
        }
    }
    return 0;
}
