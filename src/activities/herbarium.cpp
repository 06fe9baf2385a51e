// src/activities/herbarium.cpp -- the herbarium: every wild plant species of the character's world,
// how hard it is to recognise, whether she has recognised it, and its file "HERBLORE.DAT"; the
// identification roll when the plant definitions are built, the lookups by item, the marks that tie
// items to their species, and the herb of the season.
#include "activities/herblore.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "activities/activities.h"
#include "creatures/skills.h"
#include "base/debuglog.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "base/sbuf.h"
#include "base/tags.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/records.h"
#include "items/plants.h"
#include "items/culturegoods.h"

static int player_culture() { return Plr.culture; }

static const char *row_name(int r) {
    static char name[sizeof(ItemStruct::name) + 1];
    herbarium_field_text(name, HerbloreKasvio[r].plant.name);
    return name;
}

// The plant data record of an item's species into ascii_data: a plant by its name, a part by the
// plant its SKILL names.
static void fetch_plant_data(const ItemStruct &item) {
    char key[sizeof item.name + 1];
    if (item.type == IT_PLANT) herbarium_field_text(key, item.name);
    else {
        char skill[sizeof item.skill + 1];
        herbarium_field_text(skill, item.skill);
        copy_bounded(key, sizeof key, skill);
    }
    // The plant definitions are built from the record just fetched: it is not looked up again.
    char fetched[sizeof item.name + 1];
    copy_bounded(fetched, sizeof fetched, lue_tag(header_data, ".."));
    if (header_data[0] && strcmp(fetched, key) == 0) return;
    hae_asciidata(0, key);
}

static int commonness() { return atoi(tag_value(ascii_data, "COMMONNESS", "25")); }

// ---- the file ---------------------------------------------------------------------------------

int HERBLORE_save() {
    static uint8_t buf[sizeof HerbloreKasvio];
    size_t size = 0;
    FILE *list = fopen("kasvio_debug.txt", "w");
    int level = Skill_ML(-1, "HERBLORE");
    for (int r = 0; r < HERBARIUM_ROWS; r++) {
        if (!herbarium_row_named(r)) continue;
        memcpy(buf + size, &HerbloreKasvio[r], sizeof(KasvioStruct));
        size += sizeof(KasvioStruct);
        if (!list) continue;
        const KasvioStruct &k = HerbloreKasvio[r];
        char name[sizeof k.plant.name + 1];
        herbarium_field_text(name, k.plant.name);
        hae_asciidata(0, name);
        fprintf(list, "#%d [tieto:%d] %s (unid:%d) (ML:%d) (HERBLORE:%d) (COMMONNESS:%d)\n", r, k.knowledge, name,
                k.mark, k.difficulty, level, commonness());
    }
    if (list) fclose(list);
    // No lore, no file: the file is never left empty, so an empty one is known for damage.
    if (size == 0) return 1;
    char path[1200];
    herbarium_path(path, sizeof path);
    // Inside a save the file joins the save's commit: a failed write leaves the old file in place.
    char staged[1300];
    const char *target = save_target(path, staged, sizeof staged);
    // Outside a save a file that holds the list already is left as it is.
    if (strcmp(target, path) == 0 && file_holds(path, buf, size)) return 1;
    if (write_atomic(target, buf, size)) return 1;
    save_fail(path);
    return 0;
}

// ---- rows and lookups --------------------------------------------------------------------------

int Herblore_iditem(int c, const ItemStruct &plant, int mode) {
    if (mode != 1) return 0;
    // A species is rolled for once in the character's life: a row decides it.
    const int have = KasvioPos(plant);
    if (have >= 0) return HerbloreKasvio[have].mark == 1 ? 1 : HerbloreKasvio[have].difficulty;
    fetch_plant_data(plant);
    int common = commonness();
    int level = Skill_ML(c, "HERBLORE");
    if (level > 100 || level < 0) level = 0;
    const char *known = tag_value(ascii_data, "HERB_KNOWN", "");
    if (known[0] && StrMatch_Kulttuuri(known, player_culture())) return 1;
    const char *usual = tag_value(ascii_data, "HERB_COMMON", "");
    if (usual[0] && StrMatch_Kulttuuri(usual, player_culture())) {
        if (random(10) == 0) return 1;
        common += 25;
    }
    if (common > 95) common = 95;
    if (common < 0) common = 0;
    const int a = random(100), b = random(level + common);
    if (b >= a) return 1;
    int d = random(100 - common) + 2;
    if (d < level) d = level + 5 + random(10);
    return d > 95 ? 95 : d;
}

const char *ISANTAKASVI(const ItemStruct &item) {
    char *out = sbuf();
    if (item.type == IT_PLANT) {
        char name[sizeof item.name + 1];
        herbarium_field_text(name, item.name);
        return copy_bounded(out, SBUF_SIZE, name);
    }
    const int r = KasvioPos(item);
    return copy_bounded(out, SBUF_SIZE, r < 0 ? "unknown" : row_name(r));
}

// ---- marks on items ----------------------------------------------------------------------------

static bool of_species(const ItemStruct &it, const char *name, const char *skill) {
    return herbarium_text_is(it.skill, sizeof it.skill, name) || herbarium_text_is(it.skill, sizeof it.skill, skill);
}

// An unidentified species is named by its mark's row of the plant-name list; once she knows it the
// item's own name stands (row 1).
static void mark_item(ItemStruct &it, int mark, const char *name, const char *skill, int number) {
    if (it.plantname == 1 || it.plantname == mark || !onko_kasvikuntaa(it) || !of_species(it, name, skill)) return;
    it.plantname = (uint8_t)mark;
    if (!DEBUGLOG) return;
    char text[200];
    snprintf(text, sizeof text, "item %d of %s marked %d", number, name, mark);
    debuglog("aktieto", text);
}

// The items of the plant kingdom in both tables, in table order: a mark never changes which they are,
// so one look finds them for every species marked after it.
struct PlantItems {
    std::vector<int> defs, own;
};
static PlantItems plant_items() {
    PlantItems p;
    for (int n = 0; n < CONSTANTOBJ_ROWS; n++)
        if (onko_kasvikuntaa(ConstantObj[n])) p.defs.push_back(n);
    for (int n = 0; n < PLAYEROBJ_COUNT; n++)
        if (onko_kasvikuntaa(PlayerObj[n])) p.own.push_back(n);
    return p;
}

static void mark_species(int row, int mark, const PlantItems &items) {
    if (row < 0 || row >= HERBARIUM_ROWS || !herbarium_row_named(row) || mark < 1 || mark > 99) return;
    char name[sizeof(ItemStruct::name) + 1], skill[sizeof(ItemStruct::skill) + 1];
    herbarium_field_text(name, HerbloreKasvio[row].plant.name);
    herbarium_field_text(skill, HerbloreKasvio[row].plant.skill);
    for (int n : items.defs) mark_item(ConstantObj[n], mark, name, skill, n);
    for (int n : items.own) mark_item(PlayerObj[n], mark, name, skill, OBJ_PLAYER_FIRST + n);
}

void HERBLORE_aseta_kasvitieto(int row, int mark) { mark_species(row, mark, plant_items()); }

void aseta_unid() {
    const PlantItems items = plant_items();
    for (int r = 0; r < HERBARIUM_ROWS; r++)
        if (herbarium_row_named(r)) mark_species(r, HerbloreKasvio[r].mark, items);
}

void tunnista_invkasvit(int mark) {
    if (mark < 2) return;
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int n = Plr.inv_obj[s];
        if (n == 0) continue;
        ItemStruct it = ObjToItem(n);
        if (!onko_kasvikuntaa(it) || it.plantname != mark) continue;
        it.plantname = 1;
        ItemToObjpos(it, n);
    }
}

void tunnista_datakasvit(int mark, int record) {
    if (mark < 2 || record < 0 || record >= DATA_MAX) return;
    const uint8_t type = Data[record].type;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != type || abs((int)d.x - PlayerX) > 9) continue;
        ItemStruct it = ObjToItem((int)d.id);
        if (it.plantname != mark) continue;
        it.plantname = 1;
        // With no room for the named plant the patches stay as they were; she has been told.
        const int named = Luo_Esineen_Itempos(it);
        if (!named) return;
        d.id = (uint32_t)named;
    }
}

// ---- the herb of the season --------------------------------------------------------------------

static bool in_season(const ItemStruct &plant) { return Plr.month > plant.fig[4] && Plr.month < plant.fig[5]; }

ItemStruct seasonal_herb(int x, int y, const char *kind) {
    ItemStruct none;
    memset(&none, 0, sizeof none);
    const bool herb = kind && strstr(kind, "herb");
    std::vector<ItemStruct> found;
    for (int r = 0; r < HERBARIUM_ROWS; r++) {
        if (!herbarium_row_named(r)) continue;
        const ItemStruct &plant = HerbloreKasvio[r].plant;
        hae_asciidata(0, row_name(r));
        char region[200];
        copy_bounded(region, sizeof region, tag_value(ascii_data, "REGION", ""));
        const bool cultivated = tag_value(ascii_data, "CULTIVATED", "")[0] != 0;
        if (!tagmatch_REGION(region, x, y) || !in_season(plant)) continue;
        if (!herb) {
            found.push_back(plant);
            continue;
        }
        if (cultivated) continue;
        KasviOsat parts = hajota_kasvi(plant);
        if (parts.present[2]) found.push_back(parts.part[2]);
        else if (parts.present[3]) found.push_back(parts.part[3]);
    }
    if (found.empty()) return none;
    return found[(size_t)random((int)found.size())];
}

// ---- the developer's listing -------------------------------------------------------------------

void NaytaKasvio() {
    for (int r = 0; r < HERBARIUM_ROWS; r++) {
        if (!herbarium_row_named(r)) continue;
        const KasvioStruct &k = HerbloreKasvio[r];
        hae_asciidata(0, row_name(r));
        const bool cultivated = tag_value(ascii_data, "CULTIVATED", "")[0] != 0;
        char bits[YRTTI_COUNT + 1];
        const uint32_t effects = k.plant.raw | k.plant.boiled;
        for (int b = 0; b < YRTTI_COUNT; b++) bits[b] = (effects >> b) & 1 ? '*' : '.';
        bits[YRTTI_COUNT] = 0;
        char line[300];
        snprintf(line, sizeof line, "#%d - %c [%s] | unid: %d ML: %d * lc: %d %s%s %s", r, row_name(r)[0],
                 row_name(r), k.mark, k.difficulty, k.knowledge, cultivated ? "Cul " : "Wld ",
                 in_season(k.plant) ? "Avail" : "", bits);
        Note(line);
    }
}
