// The whole world generation in its order, the start place, the settlement counts and writing the
// world's files into a character folder.
#include "worldgen/kartta_main.h"
#include "worldgen/kartta_main_int.h"

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "base/ownlib.h"
#include "core/records.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "base/ui.h"

int edistyminen, edistyminen_max = 65;
char viimeisin[101];
double worldgen_step_ms[8];
const char *const worldgen_step_name[8] = {"init", "coast", "mountains", "lakes", "forests", "rivers", "cultures", "finish"};
int plr_aloitus_x, plr_aloitus_y;
int ALOITUS_NOTE;

void rndworld_screen();            // the screen's frame; the screen file draws it

static double now_ms() {
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

int luokartta() {
    static void (*const steps[7])() = {luomerenranta, luopohjoisetvuoret, luojarvet, luometsat,
                                       luojoet, luokulttuurit, satunnaista};
    static const char *const labels[7] = {"Generating coastline ...", "Generating mountains ...",
                                          "Generating lakes ... ", "Generating forests ... ",
                                          "Generating rivers ... ", "Generating cultures ... ",
                                          "Finalizing map ... "};
    world_layers_unsaved();   // the world is made anew in its layers
    edistyminen = 1;
    double t = now_ms();
    if (!alustakartat()) return 1;
    edistymisgrafiikka("Initializing ... ");
    if (WORLDGEN_SCREEN) rndworld_screen();
    worldgen_step_ms[0] = now_ms() - t;
    for (int i = 0; i < 7; i++) {
        edistymisgrafiikka(labels[i]);
        t = now_ms();
        steps[i]();
        if (worldgen_out_of_memory) break;
        worldgen_step_ms[i + 1] = now_ms() - t;
        if (i == 0 && WORLDGEN_SCREEN) draw_mapareaborder(0);
    }
    // The work map is needed by the steps only: the finished world is in the world layer and the
    // culture map.
    putsaa();
    return worldgen_out_of_memory ? 1 : 0;
}

// ---- start place -------------------------------------------------------------------------------
static int player_culture() { return Plr.culture; }

int start_place_ok(int x, int y) {
    switch (peekmaailma(y, x)) {
    case 3: case 15: case 16: case 228: case 235: case 236: case 238: case 250:
        return 1;
    default:
        return 0;
    }
}

// Draws are bounded: a home culture that placed nothing (or whose land holds no accepted cell) is
// dropped after a while, and a world where no draw hits at all is scanned in order.
void etsialoituskohta(int home) {
    enum { DRAWS = 20000 };
    ALOITUS_NOTE = 0;
    const int culture = player_culture();
    if (home) {
        for (int i = 0; i < DRAWS; i++) {
            const int x = random(1792) + 256, y = random(1792) + 128;
            if (start_place_ok(x, y) && peekkulttuurikartta(y + 3, x + 3) == culture) {
                plr_aloitus_x = x;
                plr_aloitus_y = y;
                return;
            }
        }
        ALOITUS_NOTE = 1;
    }
    for (int i = 0; i < DRAWS; i++) {
        const int x = random(1792) + 256, y = random(1792) + 128;
        if (start_place_ok(x, y)) {
            plr_aloitus_x = x;
            plr_aloitus_y = y;
            return;
        }
    }
    for (int y = 128; y < 1920; y++)
        for (int x = 256; x < 2048; x++)
            if (start_place_ok(x, y)) {
                plr_aloitus_x = x;
                plr_aloitus_y = y;
                return;
            }
    plr_aloitus_x = 1152;
    plr_aloitus_y = 1024;
}

// ---- counts and listings -----------------------------------------------------------------------
void siika_count(unsigned counts[14][3]) {
    memset(counts, 0, sizeof(unsigned) * 14 * 3);
    for (int y = 0; y < 2048; y++)
        for (int x = 0; x < 3072; x++) {
            const int c = peekmaailma(y, x);
            const int kind = c == 239 ? 0 : c == 210 ? 1 : c == 211 ? 2 : -1;
            const int culture = kind < 0 ? -1 : peekkulttuurikartta(y, x);
            if (kind >= 0 && culture >= 0 && culture < 14) counts[culture][kind]++;
        }
}

// ---- files -------------------------------------------------------------------------------------
// The culture map into the folder, then the names of the world just made, drawn from the shared
// stream the generation was seeded with; either failing is reported.
static bool save_culture_and_names(const char *path) {
    char kept[sizeof CharacterPath];
    copy_bounded(kept, sizeof kept, CharacterPath);
    copy_bounded(CharacterPath, sizeof CharacterPath, path);
    bool ok = talleta_kulttuurikartta() != 0;
    copy_bounded(CharacterPath, sizeof CharacterPath, kept);
    if (!ok) return false;
    alustanimilistat();
    nimeakartta();
    return tallenna_nimet(path) != 0;
}

// "WORLD.DAT" goes to a temporary name first and takes its own name only when whole.
static bool write_world(const char *path) {
    char file[1200], tmp[1210];
    snprintf(file, sizeof file, "%s/WORLD.DAT", path);
    snprintf(tmp, sizeof tmp, "%s.tmp", file);
    for (int y = 0; y < MAP_ROWS; y++) maailma[mapidx(WORLD_W, y)] = 0;
    memset(maailma + mapidx(0, WORLD_H), 0, MAP_STRIDE);
    FILE *f = fopen(tmp, "wb");
    if (!f) return false;
    bool ok = true;
    const int chunk = 2048 / edistyminen_max + 1;   // rows between two meter steps
    for (int y = 0; y < MAP_ROWS && ok; y += chunk) {
        const int rows = y + chunk <= MAP_ROWS ? chunk : MAP_ROWS - y;
        ok = fwrite(maailma + mapidx(0, y), MAP_STRIDE, (size_t)rows, f) == (size_t)rows;
        edistymisgrafiikka("BARONLY");
    }
    ok = fflush(f) == 0 && ok;
    ok = fsync(fileno(f)) == 0 && ok;
    ok = fclose(f) == 0 && ok;
    if (ok) ok = rename(tmp, file) == 0;
    if (!ok) remove(tmp);
    return ok;
}

int tallennakartta(const char *path) {
    if (!path || !path[0]) return 0;
    edistyminen = 0;
    edistymisgrafiikka("Saving ... ");
    if (WORLDGEN_SCREEN) draw_mapareaborder(1);
    if (!write_world(path)) return 1;
    if (!save_culture_and_names(path)) return 1;
    edistyminen = edistyminen_max + 1;
    edistymisgrafiikka("BARONLY");
    return 0;
}
