// tools/oxa_localgen.cpp -- builds the local map of one world cell and prints it as text, to look at
// what the generator makes of a kind of land without playing to it.
// Usage:
//   oxa_localgen --world DIR --cell X,Y [--seed N] [--layers] [--scene S]   a cell of a character's world
//   oxa_localgen --char C [--seed N] [--layers] [--scene S]                 a cell in a world all of map char C
//   oxa_localgen --scene S [--seed N] [--layers]                            a scene on its own kind of land
//   oxa_localgen --culture C [--char L] [--seed N] [--layers]               settlements of a culture
// The map is printed as 64 lines of 64 terrain glyphs (UTF-8); --layers adds the soil, the surface
// cover and the height of every square. --scene lays set scene S (1, 2, 3, 5 or 6) on the cell, or
// with S "cave" builds a cave cell; then the things laid are listed, and a cave's chambers are drawn
// once more in plain letters. --culture builds settlement cells of culture C (0..13, or "all" for
// every culture) among heathland: the village (239), the homestead (86), the fortified village (210)
// and the raiders' camp (30), or only the layout of map char L; each map is followed by its people and
// things. The character's folder is only read: the built map is stored in a throwaway folder.
#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/config.h"
#include "base/ownlib.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/crefile.h"
#include "items/itemdefs.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "worldgen/scenes.h"
#include "worldgen/worldgen.h"

// The upper half of the DOS code page the glyphs are drawn from, as Unicode.
static const uint16_t CP437_HIGH[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};
// The control range of the code page holds pictures too.
static const uint16_t CP437_LOW[32] = {
    0x0020, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022, 0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640,
    0x266A, 0x266B, 0x263C, 0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8, 0x2191, 0x2193,
    0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC,
};

static void put_utf8(uint32_t u) {
    if (u < 0x80) {
        putchar((int)u);
    } else if (u < 0x800) {
        putchar(0xC0 | (int)(u >> 6));
        putchar(0x80 | (int)(u & 0x3F));
    } else {
        putchar(0xE0 | (int)(u >> 12));
        putchar(0x80 | (int)((u >> 6) & 0x3F));
        putchar(0x80 | (int)(u & 0x3F));
    }
}

static void put_glyph(int g) {
    if (g < 32) put_utf8(CP437_LOW[g]);
    else if (g < 127) put_utf8((uint32_t)g);
    else if (g == 127) put_utf8(0x2302);
    else put_utf8(CP437_HIGH[g - 128]);
}

// The throwaway folder holds plain files only.
static void remove_folder(const char *folder) {
    if (DIR *d = opendir(folder)) {
        while (dirent *e = readdir(d)) {
            if (!strcmp(e->d_name, ".") || !strcmp(e->d_name, "..")) continue;
            const std::string path = std::string(folder) + "/" + e->d_name;
            remove(path.c_str());
        }
        closedir(d);
    }
    rmdir(folder);
}

static int usage() {
    fprintf(stderr,
            "usage: oxa_localgen --world DIR --cell X,Y [--seed N] [--layers] [--scene S]\n"
            "       oxa_localgen --char C [--seed N] [--layers] [--scene S]\n"
            "       oxa_localgen --scene S [--seed N] [--layers]\n"
            "       oxa_localgen --culture C [--char L] [--seed N] [--layers]\n"
            "       C: 0..13 or all; L: 239 village, 86 homestead, 210 fortified village, 30 camp\n"
            "       S: 1, 2, 3, 5 or 6 (a set scene) or cave (a cave cell)\n");
    return 2;
}

enum { SCENE_NONE = 0, SCENE_CAVE = -1, CH_CAVE_CELL = 60, CH_HEATH = 238, CULTURE_NONE_ASKED = -1, CULTURE_ALL = -2 };

// The settlement layouts by the map char of their cell.
static const int LAYOUTS[4] = {239, 86, 210, 30};
static bool is_layout(int c) { return c == 239 || c == 86 || c == 211 || c == 210 || c == 30; }

// The scene asked for: 1, 2, 3, 5 or 6, SCENE_CAVE, or -2 when the word names none.
static int scene_arg(const char *word) {
    if (!strcmp(word, "cave")) return SCENE_CAVE;
    if (strlen(word) == 1 && strchr("12356", word[0])) return word[0] - '0';
    return -2;
}

static const char *record_kind(int type) {
    switch (type) {
    case DT_ITEM: return "item";
    case DT_CREATURE: return "creature";
    case DT_FIRE: return "fire";
    case DT_TRAP: return "trap";
    case DT_FIRE_REMAINS: return "fire remains";
    case DT_COUNTED: return "blood";
    default: return "record";
    }
}

// Every record of the built map: what it is, where, and its count.
static void list_records() {
    printf("records\n");
    for (const DataStruct &d : Zoom.data) {
        if (d.type == DT_UNUSED) continue;
        printf("%2d,%2d %-12s", d.x, d.y, record_kind(d.type));
        if (d.type == DT_ITEM) {
            const ItemStruct it = ObjToItem((int)d.id);
            printf(" %s", it.name);
        } else if (d.type == DT_CREATURE && d.id >= (uint32_t)CRE_DATAID && Lataa_RealCreature((int)d.id)) {
            printf(" %s (stored %u, species %u, role %d)", Creature.species, d.id, Creature.speciescode, Creature.role);
        } else {
            printf(" %u", d.id);
        }
        printf(" x %u\n", d.count);
    }
}

// The cave drawn in letters over the rows and columns it spans: # wall, . floor, O the way out,
// C a creature, * a thing.
static void draw_cave() {
    int x0 = 64, y0 = 64, x1 = -1, y1 = -1;
    for (int i = 0; i < ZOOM_SQUARES; i++) {
        if (Zoom.chars[i] != CH_CAVE_FLOOR && Zoom.chars[i] != CH_CAVE_MOUTH) continue;
        const int x = i % 64, y = i / 64;
        if (x < x0) x0 = x;
        if (x > x1) x1 = x;
        if (y < y0) y0 = y;
        if (y > y1) y1 = y;
    }
    if (x1 < 0) {
        printf("no cave\n");
        return;
    }
    x0 = x0 > 0 ? x0 - 1 : 0, y0 = y0 > 0 ? y0 - 1 : 0;
    x1 = x1 < 63 ? x1 + 1 : 63, y1 = y1 < 63 ? y1 + 1 : 63;
    printf("cave, columns %d..%d, rows %d..%d\n", x0, x1, y0, y1);
    for (int y = y0; y <= y1; y++) {
        for (int x = x0; x <= x1; x++) {
            char c = ' ';
            switch (Zoom.chars[y * 64 + x]) {
            case CH_CAVE_WALL: c = '#'; break;
            case CH_CAVE_FLOOR: c = '.'; break;
            case CH_CAVE_MOUTH: c = 'O'; break;
            default: break;
            }
            for (const DataStruct &d : Zoom.data)
                if (d.type != DT_UNUSED && d.x == x && d.y == y) c = d.type == DT_CREATURE ? 'C' : '*';
            putchar(c);
        }
        putchar('\n');
    }
}

// The map built in `Zoom` as glyphs, and its layers when asked.
static void print_map(int layers) {
    for (int y = 0; y < 64; y++) {
        for (int x = 0; x < 64; x++) {
            const int c = Zoom.chars[y * 64 + x];
            put_glyph(c == CH_GROUND ? 250 : terrain_flag(c, TF_WATER) ? 247 : terrain[c].glyph);
        }
        putchar('\n');
    }
    if (!layers) return;
    const char *names[3] = {"soil (1 base rock, 2 crag)", "cover (1 lichen, 2 moss)", "height"};
    for (int l = 0; l < 3; l++) {
        printf("%s\n", names[l]);
        for (int y = 0; y < 64; y++) {
            for (int x = 0; x < 64; x++) {
                const int i = y * 64 + x;
                if (l == 0) putchar('0' + MAAPERA(Zoom.surface[i]));
                else if (l == 1) putchar('0' + PINTA(Zoom.surface[i]));
                else printf("%3d", Zoom.height[i]);
            }
            putchar('\n');
        }
    }
}

// Builds world cell cx, cy through the hand-over as entering it would; 1 when its map was stored.
static int build_cell(int cx, int cy, const char *kind) {
    LuoZoomKorkeusAlue(cx, cy);
    Aseta_TERRAIN_Korkeus_Relmap(0, 0);
    const int stored = TERRAIN(terrain_desc(get_alltime_maailmachar(cx, cy)), kind, 0, Plr.month,
                               terrain_name(cx, cy), cx, cy, 0);
    if (!stored) fprintf(stderr, "oxa_localgen: the map could not be stored; shown as built\n");
    return stored;
}

// Each settlement layout asked for, of each culture asked for, on its own cell among heathland.
static void settlements(int culture, int only, long seed, int layers) {
    int cx = 100;
    for (int c = culture == CULTURE_ALL ? 0 : culture; c <= (culture == CULTURE_ALL ? 13 : culture); c++)
        for (int layout : LAYOUTS) {
            if (only >= 0 && layout != only && !(only == 211 && layout == 86)) continue;
            const int ch = only >= 0 ? only : layout;
            cx += 10;
            maailma_alltime[mapidx(cx, 100)] = maailma[mapidx(cx, 100)] = (uint8_t)ch;
            set_alltime_kulttuuri(cx, 100, c);
            PlayerX = cx;
            PlayerY = 100;
            randomize((int)(seed ? seed : 1));
            build_cell(cx, 100, "ZOOM");
            printf("cell %d,100 char %d (%s) culture %d seed %ld\n", cx, ch, terrain_desc(ch), c, seed);
            print_map(layers);
            list_records();
        }
}

static bool read_world(const char *folder) {
    copy_bounded(CharacterPath, sizeof CharacterPath, folder);
    char path[1200];
    snprintf(path, sizeof path, "%s/WORLD.DAT", folder);
    if (!read_exact(path, maailma_alltime, MAP_BYTES)) {
        fprintf(stderr, "oxa_localgen: %s is missing or not a whole world\n", path);
        return false;
    }
    memcpy(maailma, maailma_alltime, MAP_BYTES);
    lataakulttuurikartta();
    return true;
}

int main(int argc, char **argv) {
    const char *world = nullptr;
    int cx = -1, cy = -1, ch = -1, layers = 0, scene = SCENE_NONE, culture = CULTURE_NONE_ASKED;
    long seed = 1;
    for (int i = 1; i < argc; i++) {
        const std::string a = argv[i];
        if (a == "--world" && i + 1 < argc) world = argv[++i];
        else if (a == "--cell" && i + 1 < argc) {
            if (sscanf(argv[++i], "%d,%d", &cx, &cy) != 2) return usage();
        } else if (a == "--char" && i + 1 < argc) ch = atoi(argv[++i]);
        else if (a == "--seed" && i + 1 < argc) seed = strtol(argv[++i], nullptr, 10);
        else if (a == "--layers") layers = 1;
        else if (a == "--scene" && i + 1 < argc) {
            if ((scene = scene_arg(argv[++i])) == -2) return usage();
        } else if (a == "--culture" && i + 1 < argc) {
            const std::string c = argv[++i];
            culture = c == "all" ? CULTURE_ALL : atoi(c.c_str());
            if (c != "all" && (c.empty() || c.find_first_not_of("0123456789") != std::string::npos || culture > 13))
                return usage();
        } else return usage();
    }
    if (culture != CULTURE_NONE_ASKED && (world || scene != SCENE_NONE || (ch >= 0 && !is_layout(ch)))) return usage();
    const int only_layout = culture != CULTURE_NONE_ASKED ? ch : -1;
    if (culture != CULTURE_NONE_ASKED) ch = CH_HEATH;
    // A scene on its own is laid on a heath; a cave is a cave cell.
    if (scene != SCENE_NONE && !world && ch < 0) ch = scene == SCENE_CAVE ? CH_CAVE_CELL : CH_HEATH;
    if (scene == SCENE_CAVE && ch >= 0 && ch != CH_CAVE_CELL) return usage();
    if (!!world == (ch >= 0) || (world && !in_grid(cx, cy)) || ch > 255) return usage();

    memset(&Plr, 0, sizeof Plr);
    Plr.month = 6;
    Plr.day = 15;
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
    memset(maailma, CH_BLANK, MAP_BYTES);
    memset(maailma_alltime, CH_BLANK, MAP_BYTES);
    if (world) {
        if (!read_world(world)) return 1;
    } else {
        cx = cy = 100;
        for (int y = cy - 5; y <= cy + 5; y++)
            for (int x = cx - 5; x <= cx + 5; x++) maailma_alltime[mapidx(x, y)] = maailma[mapidx(x, y)] = (uint8_t)ch;
    }
    init_terrain_struct(0, 0);

    // The store and the hand-over go to a throwaway folder, never into the character's own.
    char scratch[] = "/tmp/oxa_localgen.XXXXXX";
    if (!mkdtemp(scratch)) {
        perror("oxa_localgen");
        return 1;
    }
    copy_bounded(CharacterPath, sizeof CharacterPath, scratch);
    copy_bounded(OxaPath, sizeof OxaPath, scratch);
    // The scenes lay things of the catalogue and put their people in the creature file.
    build_objdef_rows();
    char crs[1200];
    cre_file_path(crs, sizeof crs);
    cre_file_create(crs, 100);
    bigmap();
    if (culture != CULTURE_NONE_ASKED) {
        // The settlement cells lie in a row on heathland of their own.
        for (int y = 90; y <= 110; y++)
            for (int x = 95; x <= 700; x++) maailma_alltime[mapidx(x, y)] = maailma[mapidx(x, y)] = CH_HEATH;
        settlements(culture, only_layout, seed, layers);
        remove_folder(scratch);
        return 0;
    }
    PlayerX = cx;
    PlayerY = cy;
    randomize((int)(seed ? seed : 1));
    char kind[16] = "ZOOM";
    if (scene > 0) snprintf(kind, sizeof kind, "SCENE%d", scene);
    build_cell(cx, cy, kind);

    printf("cell %d,%d char %d (%s) seed %ld", cx, cy, get_alltime_maailmachar(cx, cy),
           terrain_desc(get_alltime_maailmachar(cx, cy)), seed);
    if (scene > 0) printf(" scene %d", scene);
    putchar('\n');
    print_map(layers);
    if (scene != SCENE_NONE) list_records();
    if (scene == SCENE_CAVE) draw_cave();
    remove_folder(scratch);
    return 0;
}
