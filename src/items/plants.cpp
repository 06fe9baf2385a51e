// Wild plants: the records of the plant data files "flora_*.*", of which a character's plant
// definitions are made (worldgen/chardefs.cpp); plant names by language; herb-effect words. The
// files are untrusted: every line, tag, body and name is cut to its buffer.
#include "items/plants.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/tags.h"
#include "items/items.h"
#include "base/debuglog.h"
#include "core/tekstit.h"
#include "base/ui.h"

char header_data[FLORA_HEADER_SIZE];
char ascii_data[FLORA_BODY_SIZE];
YrttiInfoStruct YrttiInfo[YRTTI_COUNT];

int read_line_bounded(char *buf, int size, FILE *f) {
    if (size < 2 || !f) return 0;
    if (!fgets(buf, size, f)) {
        buf[0] = 0;
        return 0;
    }
    size_t n = strlen(buf);
    if (n > 0 && buf[n - 1] != '\n') {
        // The rest of an over-long line is skipped, a piece at a time.
        char rest[256];
        while (fgets(rest, sizeof rest, f)) {
            size_t r = strlen(rest);
            if (r > 0 && rest[r - 1] == '\n') break;
        }
    }
    while (n > 0 && (buf[n - 1] == '\n' || buf[n - 1] == '\r')) buf[--n] = 0;
    return 1;
}

void plant_name_of(const char *header, char out[FLORA_NAME_MAX + 1]) {
    copy_bounded(out, FLORA_NAME_MAX + 1, lue_tag(header, ".."));
}

static void flora_log(const char *text) { debuglog("asciidata", text); }

int hae_asciidata(int kind, const char *name) {
    remove("debug_asciidata.txt");
    char text[200];
    flora_log("hae_asciidata start");
    snprintf(text, sizeof text, "start: (%d %s)", kind, name ? name : "");
    flora_log(text);
    flora_log("filespec: flora_*.*");
    ascii_data[0] = 0;
    header_data[0] = 0;
    if (!name) return 0;

    std::vector<std::string> files;
    if (own_firstfile("flora_*.*") == 0) {
        flora_log("own_firstfile call");
        do {
            if (own_finddata_name()) files.push_back(own_finddata_name());
            if (files.size() >= FLORA_FILES_MAX) break;
            flora_log("own_nextfile call");
        } while (own_nextfile() == 0);
    }
    own_findclose();

    char line[FLORA_LINE_MAX + 1], key[FLORA_NAME_MAX + 1];
    for (size_t k = 0; k < files.size(); k++) {
        snprintf(text, sizeof text, "files: %d ok: %d", (int)files.size(), (int)k);
        flora_log(text);
        snprintf(text, sizeof text, "fopen call: %s", files[k].c_str());
        flora_log(text);
        FILE *f = fopen(files[k].c_str(), "r");
        if (!f) return 0;
        while (read_line_bounded(line, sizeof line, f)) {
            if (line[0] != '.') continue;
            plant_name_of(line, key);
            if (strcmp(key, name) != 0) continue;
            flora_log("got header - strcpy call");
            copy_bounded(header_data, sizeof header_data, line);
            flora_log("header copied - read data");
            size_t used = 0;
            while (read_line_bounded(line, sizeof line, f) && strlen(line) >= 6) {
                size_t n = strlen(line);
                if (used + n > sizeof ascii_data - 1) n = sizeof ascii_data - 1 - used;
                memcpy(ascii_data + used, line, n);
                used += n;
                ascii_data[used] = 0;
            }
            flora_log("asciidata read - fclose");
            fclose(f);
            flora_log("read complete - return");
            return 1;
        }
        flora_log("feof reach. never got header - fclose");
        fclose(f);
    }
    flora_log("files scanned. complete.");
    return 0;
}

uint32_t AsetaYrttivaikutus(uint32_t bits, const char *words) {
    if (!words || !words[0]) return bits;
    char copy[100];
    copy_bounded(copy, sizeof copy, words);
    char *save = nullptr;
    for (char *w = strtok_r(copy, " ", &save); w; w = strtok_r(nullptr, " ", &save))
        for (int k = 0; k < YRTTI_COUNT; k++)
            if (YrttiInfo[k].name[0] && strcmp(YrttiInfo[k].name, w) == 0) bits |= 1u << k;
    return bits;
}

// "south" is the rows below 1500, the southern quarter of the world.
bool tagmatch_REGION(const char *region, int x, int y) {
    enum { NORTH_ROW = 900, SOUTH_ROW = 1500, EAST_COLUMN = 1000, WEST_COLUMN = 1200, SIDE_ROW = 850 };
    if (!region || !region[0]) return true;
    char words[100];
    copy_bounded(words, sizeof words, region);
    for (char *c = words; *c; c++) *c = (char)tolower((unsigned char)*c);
    return (strstr(words, "north") && y < NORTH_ROW) || (strstr(words, "south") && y > SOUTH_ROW) ||
           (strstr(words, "east") && x > EAST_COLUMN && y > SIDE_ROW) ||
           (strstr(words, "west") && x < WEST_COLUMN && y > SIDE_ROW);
}

int InitUnames_load() {
    memset(UFLORA, 0, sizeof UFLORA);
    char path[200];
    snprintf(path, sizeof path, "messages/%s_uname_flora.txt", language);
    FILE *f = fopen(path, "r");
    if (!f) return 0;
    char line[1024];
    int row = 0;
    while (row < UFLORA_ROWS && read_line_bounded(line, sizeof line, f))
        if (strlen(line) > 1) copy_bounded(UFLORA[row++], UFLORA_SIZE, line);
    fclose(f);
    FILE *log = fopen("debug_uflora.txt", "wb");
    if (log) {
        for (int r = 0; r < UFLORA_ROWS; r++) fprintf(log, "%s\n\r", UFLORA[r]);
        fclose(log);
    }
    return 1;
}

void InitUnames() {
    if (InitUnames_load()) return;
    char text[300];
    snprintf(text, sizeof text, "messages/%s_uname_flora.txt missing!", language);
    oxa_quit(text);
}
