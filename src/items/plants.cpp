// Wild plants: the records of the plant data files "flora_*.*", of which a character's plant
// definitions are made (worldgen/chardefs.cpp); plant names by language; herb-effect words. The
// files are untrusted: every line, tag, body and name is cut to its buffer.
#include "items/plants.h"

#include <sys/stat.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>
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

// The plant data files as last read: the names the pattern matched in the working folder, and each
// file's lines as the fetch reads them, with the first header line of each plant name. A fetch (many
// at every map entry) reads them again only when the folder or one of the files changed since (the
// game never writes them; a file rewritten at its old length within one tick of the file system's
// clock would pass for the same).
namespace {
struct FloraFile {
    std::string name;
    struct stat st;
    bool opened;
    std::vector<std::string> lines;
    std::unordered_map<std::string, size_t> first_header;   // plant name -> its first header line
};
struct {
    bool valid;
    struct stat folder;
    std::vector<FloraFile> files;
} flora;
}  // namespace

static bool same_stat(const struct stat &a, const struct stat &b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino && a.st_size == b.st_size &&
           a.st_mtim.tv_sec == b.st_mtim.tv_sec && a.st_mtim.tv_nsec == b.st_mtim.tv_nsec &&
           a.st_ctim.tv_sec == b.st_ctim.tv_sec && a.st_ctim.tv_nsec == b.st_ctim.tv_nsec;
}

static bool flora_current() {
    struct stat st;
    if (!flora.valid || stat(".", &st) != 0 || !same_stat(st, flora.folder)) return false;
    for (const FloraFile &f : flora.files)
        if (stat(f.name.c_str(), &st) != 0 ? f.opened : !f.opened || !same_stat(st, f.st)) return false;
    return true;
}

static void flora_read() {
    flora.valid = stat(".", &flora.folder) == 0;
    flora.files.clear();
    if (own_firstfile("flora_*.*") == 0) {
        flora_log("own_firstfile call");
        do {
            if (own_finddata_name()) flora.files.push_back({own_finddata_name(), {}, false, {}, {}});
            if (flora.files.size() >= FLORA_FILES_MAX) break;
            flora_log("own_nextfile call");
        } while (own_nextfile() == 0);
    }
    own_findclose();
    char line[FLORA_LINE_MAX + 1], key[FLORA_NAME_MAX + 1];
    for (FloraFile &file : flora.files) {
        FILE *f = fopen(file.name.c_str(), "r");
        file.opened = f && fstat(fileno(f), &file.st) == 0;
        if (!file.opened) {
            if (f) fclose(f);
            continue;
        }
        while (read_line_bounded(line, sizeof line, f)) {
            if (line[0] == '.') {
                plant_name_of(line, key);
                file.first_header.emplace(key, file.lines.size());
            }
            file.lines.emplace_back(line);
        }
        fclose(f);
    }
}

int hae_asciidata(int kind, const char *name) {
    remove("debug_asciidata.txt");   // the fetch's log holds its last fetch only
    char text[200];
    flora_log("hae_asciidata start");
    snprintf(text, sizeof text, "start: (%d %s)", kind, name ? name : "");
    flora_log(text);
    flora_log("filespec: flora_*.*");
    ascii_data[0] = 0;
    header_data[0] = 0;
    if (!name) return 0;
    if (!flora_current()) flora_read();

    for (size_t k = 0; k < flora.files.size(); k++) {
        const FloraFile &file = flora.files[k];
        snprintf(text, sizeof text, "files: %d ok: %d", (int)flora.files.size(), (int)k);
        flora_log(text);
        snprintf(text, sizeof text, "fopen call: %s", file.name.c_str());
        flora_log(text);
        if (!file.opened) return 0;
        const auto found = file.first_header.find(name);
        if (found == file.first_header.end()) {
            flora_log("feof reach. never got header - fclose");
            continue;
        }
        flora_log("got header - strcpy call");
        copy_bounded(header_data, sizeof header_data, file.lines[found->second].c_str());
        flora_log("header copied - read data");
        size_t used = 0;
        for (size_t i = found->second + 1; i < file.lines.size() && file.lines[i].size() >= 6; i++) {
            size_t n = file.lines[i].size();
            if (used + n > sizeof ascii_data - 1) n = sizeof ascii_data - 1 - used;
            memcpy(ascii_data + used, file.lines[i].data(), n);
            used += n;
            ascii_data[used] = 0;
        }
        flora_log("asciidata read - fclose");
        flora_log("read complete - return");
        return 1;
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
