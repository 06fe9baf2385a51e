// The definitions of a character, made each time a character is made or loaded: the fixed catalogue
// of item kinds, the plant names by language, and every plant of the plant data files "flora_*.*"
// with its parts and the flour of its grain, each species entered in the character's herbarium as
// she knows it or not.
#include "worldgen/chardefs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "activities/herblore.h"
#include "base/ownlib.h"
#include "base/tags.h"
#include "core/obj_func.h"
#include "core/tekstit.h"
#include "items/containers.h"
#include "items/herbarium.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/plantparts.h"
#include "items/plants.h"

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
    int known = Herblore_iditem(-1, plant, 1);
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

// "objsym.txt": every named definition with the tile it is drawn with, or the map symbol it falls
// back on; the rows made only for matching are left out.
static void write_objsym() {
    FILE *f = fopen("objsym.txt", "wb");
    if (!f) return;
    int tiled = 0, missing = 0;
    for (const ItemStruct &r : ConstantObj) {
        char name[41], tile[sizeof r.tile + 1];
        item_name(r, name);
        if (!name[0] || strstr(name, "matchable")) continue;
        memcpy(tile, r.tile, sizeof r.tile);
        tile[sizeof r.tile] = 0;
        if (tile[0]) {
            fprintf(f, "OK! %s -> %s\n\r", name, tile);
            tiled++;
        } else {
            fprintf(f, "   *** MISSING ****   %s  -- uses SYMBOL -> %d\n\r", name, r.tilesym);
            missing++;
        }
    }
    fprintf(f, "\n\rNEWTILES DONE: %d -- MISSING: %d", tiled, missing);
    fclose(f);
}

// The definitions of a character: the fixed catalogue, the plant names by language, then the plants.
void create_objects(const char *) {
    objdef_log("create_objects\n");
    InitObjs();
    InitUnames();
    LuoKasvit();
    objdef_log_flush();
    write_objsym();
}
