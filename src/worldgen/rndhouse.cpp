// src/worldgen/rndhouse.cpp -- the local-map generator's driver: the hand-over of one world cell, the
// order in which its local map is built, the edge strips that blend it into its neighbours, and the
// move of pending world encounters onto the new map.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/config.h"
#include "core/datafunc.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/player.h"
#include "base/strupr.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "base/debuglog.h"
#include "maps/vilplace.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"

char env_type[30];
char special1[80], special2[80], special3[80];
int MaailmaX, MaailmaY;
uint32_t TERRAIN_KNOWN;
int LuontiX, LuontiY;
uint32_t kosteikkotyyppi;
int RNDHOUSE_STORED;

// The hand-over travels in memory; the file is only its trace. `handover_set` says the four lines
// above were filled by `rndhouse` for this run.
static int handover_set;

static void logf(const char *topic, const char *format, ...) __attribute__((format(printf, 2, 3)));
static void logf(const char *topic, const char *format, ...) {
    // The lines go nowhere while the topic logs are off: they are not even formatted then.
    if (!DEBUGLOG && !strchr(topic, '!')) return;
    char line[300];
    va_list ap;
    va_start(ap, format);
    vsnprintf(line, sizeof line, format, ap);
    va_end(ap);
    debuglog(topic, line);
}

static void handover_path(char *buf, size_t size) {
    if (OxaPath[0]) snprintf(buf, size, "%s/RNDHOUSE.DAT", OxaPath);
    else snprintf(buf, size, "RNDHOUSE.DAT");
}

// Splits the three lines of `lines` into kind, number and month.
static void take_lines(const char *lines) {
    char *out[3] = {special1, special2, special3};
    const char *p = lines ? lines : "";
    for (char *o : out) {
        const char *end = strchr(p, '\n');
        size_t n = end ? (size_t)(end - p) : strlen(p);
        if (n >= 80) n = 79;
        memcpy(o, p, n);
        o[n] = 0;
        if (n && o[n - 1] == '\r') o[n - 1] = 0;
        p = end ? end + 1 : p + strlen(p);
    }
}

static int trace_held;
static char held_trace[2600];

static void write_trace(const char *text) {
    char path[1100];
    handover_path(path, sizeof path);
    if (!write_over(path, text, strlen(text))) logf("rndhouse", "RNDHOUSE.DAT couldn't be written in %s", OxaPath);
}

void rndhouse_trace_hold(int hold) {
    if (hold) {
        if (trace_held++ == 0) held_trace[0] = 0;
        return;
    }
    if (trace_held == 0 || --trace_held > 0) return;
    if (held_trace[0]) write_trace(held_trace);
}

int rndhouse(const char *keyword, const char *lines, const char *name, int x, int y, int creature) {
    copy_bounded(env_type, sizeof env_type, keyword ? keyword : "");
    take_lines(lines);
    handover_set = 1;
    char trace[sizeof held_trace];
    snprintf(trace, sizeof trace, "%s\n%s\n%s\n%s\n%s\n%s\n%s\n%s\n", env_type, special1, special2, special3,
             name ? name : "", CharacterPath, CharacterFile, Plr.mapname);
    if (trace_held) copy_bounded(held_trace, sizeof held_trace, trace);
    else write_trace(trace);
    rndhouse_main(x, y, creature);
    return RNDHOUSE_STORED;
}

// Reads the four lines of a hand-over file left by an earlier run; 0 when there is none.
static int read_handover() {
    char path[1100];
    handover_path(path, sizeof path);
    FILE *f = fopen(path, "rb");
    if (!f) return 0;
    char *dst[4] = {env_type, special1, special2, special3};
    const int size[4] = {(int)sizeof env_type, 80, 80, 80};
    for (int i = 0; i < 4; i++)
        if (!fgetstr(dst[i], size[i], f)) dst[i][0] = 0;
    fclose(f);
    return 1;
}

int rndhouse_main(int x, int y, int creature) {
    logf("rndhouse", "rndhouse_main(%d,%d,%d)", x, y, creature);
    RNDHOUSE_STORED = 0;
    if (!handover_set && !read_handover()) return 0;
    handover_set = 0;
    MaailmaX = x;
    MaailmaY = y;
    if (strchr(env_type, '#')) {
        // terrain_make clears the buffer itself before anything reads it.
        const size_t n = strlen(env_type);
        if (n) env_type[n - 1] = 0;
        terrain_make(env_type, "", "", special1, special2, special3);
        RNDHOUSE_STORED = save_zoommap(MaailmaX, MaailmaY, 0);
    } else {
        ZoomMap_Clear();
        strupr(env_type);
        if (ZoomMapPos(MaailmaX, MaailmaY) == 0) {
            RNDHOUSE_STORED = save_zoommap(MaailmaX, MaailmaY, 0);
            logf("rndhouse", "save_zoommap completed");
        } else {
            RNDHOUSE_STORED = 1;
            logf("rndhouse", "known zoompos. return(0)");
        }
    }
    if (!RNDHOUSE_STORED) logf("rndhouse", "the local map of %d,%d couldn't be stored", x, y);
    return 0;
}

int keyword_class(const char *keyword) {
    char up[30];
    copy_bounded(up, sizeof up, keyword ? keyword : "");
    strupr(up);
    int cls = -1;
    if (strstr(up, "CONIFER")) cls = 0;
    if (strstr(up, "GROUND") || strstr(up, "ROAD") || strstr(up, "THICKET")) cls = 1;
    if (strstr(up, "GROVE")) cls = 2;
    if (strstr(up, "BUSH")) cls = 4;
    if (strstr(up, "MOUNTAIN")) cls = 5;
    if (strstr(up, "THICKET")) cls = 228;
    if (strstr(up, "BURN")) cls = 250;
    return cls;
}

static inline int at(int x, int y) { return y * ZOOM_SIDE + x; }

void sailyta(int side) {
    int r0, r1, c0, c1;
    switch (side) {
    case 1: r0 = 0, r1 = 7, c0 = 0, c1 = 63; break;
    case 2: r0 = 56, r1 = 63, c0 = 0, c1 = 63; break;
    case 3: r0 = 0, r1 = 63, c0 = 56, c1 = 63; break;
    case 4: r0 = 0, r1 = 63, c0 = 0, c1 = 7; break;
    default: return;
    }
    for (int y = r0; y <= r1; y++)
        for (int x = c0; x <= c1; x++) {
            const int i = at(x, y);
            if (Zoom.surface[i] == 0 && Zoom.chars[i] == CH_GROUND) {
                ZoomTemp.memory[i] = 0;
            } else {
                ZoomTemp.chars[i] = Zoom.chars[i];
                ZoomTemp.surface[i] = Zoom.surface[i];
                ZoomTemp.height[i] = Zoom.height[i];
                ZoomTemp.memory[i] = 1;
            }
        }
}

void yhdista() {
    for (int i = 0; i < ZOOM_SQUARES; i++)
        if (ZoomTemp.memory[i] == 1 && !(terrain[Zoom.chars[i]].flags & TF_WATER)) {
            Zoom.chars[i] = ZoomTemp.chars[i];
            Zoom.surface[i] = ZoomTemp.surface[i];
        }
}

static void scatter_bushes(int tries) {
    for (int i = 0; i < tries; i++) zoom_rnd_put(237);
}

void terrain_make(const char *keyword, const char *, const char *, const char *kind, const char *number,
                  const char *) {
    kosteikkotyyppi = 0;
    TERRAIN_KNOWN = ZoomMapPos(MaailmaX, MaailmaY) != 0;
    logf("terrain_make", "make: %d,%d TERRAIN_KNOWN: %u", MaailmaX, MaailmaY, TERRAIN_KNOWN);
    const int cls = keyword_class(keyword);
    const int c = get_alltime_maailmachar(MaailmaX, MaailmaY);
    // Of the second buffer only the marks of the kept squares are read (by yhdista, and only on
    // squares sailyta marked and filled), so the marks alone start clear.
    memset(ZoomTemp.memory, 0, sizeof ZoomTemp.memory);
    ZoomMap_Clear();

    const int edge = (terrain_flag(c, TF_WATER) || c == 91 || c == 93 || c == 94) ? 1 : 0;
    const int nx[4] = {MaailmaX, MaailmaX, MaailmaX + 1, MaailmaX - 1};
    const int ny[4] = {MaailmaY - 1, MaailmaY + 1, MaailmaY, MaailmaY};
    int flags[4];
    for (int k = 0; k < 4; k++) flags[k] = get_alltime_maailmachar(nx[k], ny[k]) == c ? 0 : edge;
    logf("terrain_make", "mc: %d NSEW: %d%d%d%d", c, flags[0], flags[1], flags[2], flags[3]);
    // The map is clear before each neighbour is built and after the last: it was cleared above, and
    // each strip kept clears it again. A neighbour is built only for its strip: the ground it raises
    // (a cliff's blobs) is put back, or the cell's own water would flood that relief.
    static uint8_t ground[ZOOM_SQUARES];
    memcpy(ground, Zoom.height, sizeof ground);
    bool strips = false;
    for (int k = 0; k < 4; k++) {
        if (!flags[k]) continue;
        LuoMaasto(nx[k], ny[k]);
        sailyta(k + 1);
        ZoomMap_Clear();
        memcpy(Zoom.height, ground, sizeof ground);
        strips = true;
    }

    LuontiX = MaailmaX;
    LuontiY = MaailmaY;
    logf("terrain_make", "water checks start");
    int built = 0;
    if (terrain_flag(c, TF_WATER)) {
        logf("terrain_make", "T_WATER flag");
        for (int k = 0; k < 4; k++) {
            const int n = get_alltime_maailmachar(nx[k], ny[k]);
            if (!terrain_flag(n, TF_WATER)) kosteikkotyyppi |= terrain[n & 255].nature;
        }
        DoWater();
        built = 1;
    }

    logf("terrain_make", "village sets start");
    // A settlement is laid out in the culture of its own cell.
    const int culture = get_alltime_kulttuuri(MaailmaX, MaailmaY);
    switch (c) {
    case 30: TeeLeiri(11); break;
    case 86: case 211:
        if (!TERRAIN_KNOWN) createsocarea(MaailmaX, MaailmaY, 1);
        TeeUudistalo(culture);
        break;
    case 210:
        if (!TERRAIN_KNOWN) createsocarea(MaailmaX, MaailmaY, 211);
        TeeLinnaKyla(culture);
        break;
    case 239:
        if (!TERRAIN_KNOWN) createsocarea(MaailmaX, MaailmaY, 1);
        TeeKyla(culture);
        break;
    default:
        if (built) break;
        if (!LuoMaasto(MaailmaX, MaailmaY)) scatter_bushes(81);
        switch (cls) {
        case 0: ZOOMTERRAIN_NeedleForest(); break;
        case 1: scatter_bushes(81); break;
        case 2: ZOOMTERRAIN_LeafForest(); break;
        case 4: scatter_bushes(136); break;
        default: break;
        }
        break;
    }
    logf("terrain_make", "village sets done");

    if (strips) yhdista();   // with no strip kept no square is marked
    logf("terrain_make", "yhdista() complete");
    ZOOMTERRAIN_Viimeistele();
    logf("terrain_make", "Viimeistele() complete");
    finishing_hold(1);
    ELAVOITYS(1);
    ELAVOITYS(2);
    ELAVOITYS(3);
    ZOOMTERRAIN_ViimeistelePuut();
    logf("terrain_make", "terrain_vegetation() call");
    terrain_vegetation();
    finishing_hold(0);

    if (TERRAIN_KNOWN) {
        logf("terrain_make", "TERRAIN_KNOWN - load map");
        load_zoommap(MaailmaX, MaailmaY);
        memcpy(&ZoomTemp, &Zoom, sizeof Zoom);
    }

    const char *k = kind ? kind : "";
    void (*const scenes[7])() = {nullptr, scene1, scene2, scene3, nullptr, scene5, scene6};
    if (!strncmp(k, "SCENE", 5) && k[5] >= '1' && k[5] <= '6' && !k[6] && scenes[k[5] - '0']) {
        logf("terrain_make", "scene%c", k[5]);
        scenes[k[5] - '0']();
    }

    logf("terrain_make", "arg3: %s", k);
    if (!strcmp(k, "ENCOUNTER")) {
        logf("terrain_make", "Encounter() call");
        Encounter(atoi(number ? number : "0"));
        logf("terrain_make", "Encounter() completed");
    }
    logf("terrain_make", "Siirra_Maailma_Tapahtumat() call");
    Siirra_Maailman_Tapahtumat();
    logf("terrain_make", "terrain_make() success");
}

void Siirra_Maailman_Tapahtumat() {
    if (!ConfirmIsoData()) return;
    bool taken = false;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = IsoData[i];
        if (d.type != DT_ENCOUNTER || d.x != MaailmaX || d.y != MaailmaY) continue;
        const int kind = d.flags;
        const int creature = kind == 4 ? (int)d.ready_minute : (int)d.id;
        // A meeting that names someone stays on the world map until it can be placed here.
        if (kind != 2 && !zoom_encounters_placed()) continue;
        d.type = DT_FREED;
        d.id = 0;
        d.x = d.y = 0;
        taken = true;
        if (kind != 2) Encounter(creature);
    }
    // The freed meetings go back where the pool is kept: on the world map its pool in memory, elsewhere
    // its file, so the next build of this cell does not place them again.
    if (taken && !SaveIsoData()) logf("terrain_make", "the world's pool could not be written back");
}
