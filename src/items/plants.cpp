// Wild plants: records of the plant data files "flora_*.*" become definitions after the fixed
// catalogue; plant names by language; herb-effect words. The files are untrusted: every line, tag,
// body and name is cut to its buffer.
#include "items/plants.h"
#include "items/plantparts.h"

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "items/containers.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "base/tags.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "base/debuglog.h"
#include "core/tekstit.h"
#include "items/items_int.h"
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

static void plant_name_of(const char *header, char out[FLORA_NAME_MAX + 1]) {
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

static const char *body(const char *key, const char *def) { return tag_value(ascii_data, key, def); }
static int body_int(const char *key, const char *def) { return atoi(body(key, def)); }

// The records of every plant data file, by plant name, the first of a name winning as the fetcher
// finds it: one pass over the files serves every plant of a build.
struct FloraRecord {
    std::string header, body;
};
static std::map<std::string, FloraRecord> flora_index;

static void index_file(const std::string &file) {
    FILE *f = fopen(file.c_str(), "r");
    if (!f) return;
    std::vector<std::string> lines;
    char line[FLORA_LINE_MAX + 1], key[FLORA_NAME_MAX + 1];
    while (read_line_bounded(line, sizeof line, f)) lines.push_back(line);
    fclose(f);
    for (size_t i = 0; i < lines.size(); i++) {
        if (lines[i][0] != '.') continue;
        plant_name_of(lines[i].c_str(), key);
        if (flora_index.count(key)) continue;
        FloraRecord rec;
        rec.header = lines[i].substr(0, FLORA_HEADER_SIZE - 1);
        for (size_t j = i + 1; j < lines.size() && lines[j].size() >= 6; j++) {
            if (rec.body.size() >= FLORA_BODY_SIZE - 1) break;
            rec.body.append(lines[j], 0, FLORA_BODY_SIZE - 1 - rec.body.size());
        }
        flora_index.emplace(key, rec);
    }
}

static void fetch_indexed(const char *name) {
    auto it = flora_index.find(name);
    header_data[0] = ascii_data[0] = 0;
    if (it == flora_index.end()) return;
    copy_bounded(header_data, sizeof header_data, it->second.header.c_str());
    copy_bounded(ascii_data, sizeof ascii_data, it->second.body.c_str());
}

// Builds the plant of one header line in Item.
static void build_plant(const char *header) {
    memset(&Item, 0, sizeof Item);
    char name[FLORA_NAME_MAX + 1];
    plant_name_of(header, name);
    SET_ITEM_TEXT(Item.name, name);
    fetch_indexed(name);

    Item.type = IT_PLANT;
    Item.id = OID_GRASS;
    Item.weight = 1;
    Item.spoil = 18;
    int symbol = atoi(lue_tag(header, "::"));
    Item.tilesym = (uint8_t)(symbol > 0 && symbol < 256 ? symbol : 116);
    int amount = atoi(lue_tag(header, "()"));
    Item.cover[0] = (uint8_t)(amount <= 0 ? 1 : amount > 50 ? 50 : amount);

    SET_ITEM_TEXT(Item.skill, body("NAME", "unknown fruit"));
    const char *tile = body("TILEGFX", "");
    if (tile[0]) SET_ITEM_TEXT(Item.tile, tile);

    static const struct {
        const char *word;
        uint32_t id;
        float weight;
        uint8_t days;
    } kinds[] = {{"[mushroom]", OID_MUSHROOM, 0.2f, 7}, {"[berry]", OID_BERRY, 0.1f, 30},
                 {"[pod]", OID_POD, -35, 120},          {"[root]", OID_ROOT, 0.25f, 120},
                 {"[grass]", OID_GRASS, 0.5f, 50},      {"[flower]", OID_FLOWER, 0.5f, 50},
                 {"[grain]", OID_CEREAL, 0.5f, 50}};
    for (const auto &k : kinds)
        if (strstr(header, k.word)) {
            Item.id = k.id;
            Item.weight = k.weight < 0 ? gtolbs(-k.weight) : k.weight;
            Item.spoil = k.days;
        }

    char size[100];
    copy_bounded(size, sizeof size, body("SIZE", "M"));
    if (Item.id == OID_ROOT) Item.weight = rootwt(size);
    else if (size[0] == 'L') Item.weight *= 2;
    else if (size[0] == 'S') Item.weight /= 2;
    Item.fullweight = Item.weight;

    Item.fig[4] = (uint8_t)body_int("SPROUT", "5");
    Item.fig[5] = (uint8_t)body_int("WITHER", "10");
    Item.fig[3] = (uint8_t)body_int("MATURE", "60");
    Item.cover[1] = (uint8_t)body_int("QUANTITY", "1");
    Item.cover[2] = (uint8_t)body_int("FREQUENCY", "20");
    char words[100];
    copy_bounded(words, sizeof words, body("EFFECT_RAW", ""));
    Item.raw = AsetaYrttivaikutus(0, words);
    copy_bounded(words, sizeof words, body("EFFECT_BOILED", ""));
    Item.boiled = AsetaYrttivaikutus(0, words);
    Item.fig[0] = (uint8_t)body_int("CARB", "1");
    Item.fig[1] = (uint8_t)body_int("FAT", "");
    Item.fig[2] = (uint8_t)body_int("PROTEIN", "1");
    Item.water = (uint8_t)body_int("WATER", "");
    if (Item.id == OID_MUSHROOM && Item.fig[0] == 1 && Item.fig[1] == 0 && Item.fig[2] == 1) {
        Item.fig[0] = 3;
        Item.fig[1] = 1;
        Item.fig[2] = 2;
    }
    if (body("FLOWER_VOLUME", "")[0]) Item.state = (uint16_t)body_int("FLOWERING_PERIOD", "5");
}

static void store_plant(const char *header) {
    build_plant(header);
    ItemStruct plant = Item;
    KasviOsat parts = hajota_kasvi(plant);
    for (int p = 0; p < 4; p++)
        if (parts.present[p]) {
            Item = parts.part[p];
            save_object(-1);
        }
    Item = plant;
    save_object(-2);
    int known = plant_making_hooks.identify(-1, plant, 1);
    if (known == 1) HERBLORE_lisaa_kasvioon(plant, 1, 0);
    else HERBLORE_lisaa_kasvioon(plant, 0, (unsigned char)known);
    if (plant.id == OID_CEREAL && parts.present[1]) {
        Item = Jauha_Siemenesine(parts.part[1], 1);
        save_object(-2);
    }
}

void LuoKasvit() {
    HERBLORE_lue_kasvio();
    std::vector<std::string> files;
    if (own_firstfile("flora_*.*") == 0) {
        do {
            if (own_finddata_name()) files.push_back(own_finddata_name());
        } while (files.size() < FLORA_FILES_MAX && own_nextfile() == 0);
    }
    own_findclose();
    flora_index.clear();
    for (const std::string &file : files) index_file(file);
    char line[FLORA_LINE_MAX + 1];
    for (const std::string &file : files) {
        FILE *f = fopen(file.c_str(), "r");
        if (!f) return;
        std::vector<std::string> headers;
        while (read_line_bounded(line, sizeof line, f))
            if (line[0] == '.') headers.push_back(line);
        fclose(f);
        for (const std::string &h : headers) store_plant(h.c_str());
    }
    flora_index.clear();
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
