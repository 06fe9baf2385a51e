// Compaction of the local-map store: every stored map is kept or dropped by the keep test and the
// kept ones are copied into new files that replace the old ones in one commit. The old store is never
// touched before both new files stand whole; the map-info records of dropped maps go only after that.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "game/mapupkeep.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "base/savecommit.h"
#include "maps/mapdraw.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/notelink.h"
#include "maps/zoomstore.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/player.h"

static void store_path(char *buf, size_t size, const char *name) {
    snprintf(buf, size, "%s/%s", map_charpath(), name);
}

static long file_bytes(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 && S_ISREG(st.st_mode) ? (long)st.st_size : -1;
}

static void meter(int done, int total) {
    ui_maintenance_progress(total > 0 ? 100.0f * (float)done / (float)total : 100.0f);
}

// The local maps of the area in play are kept whatever their age says: the area in memory goes back
// into the store only with the next save, and a game that ends before that must find them there.
static bool in_area_in_play(const ZoomIndex &e) {
    if (bigmap() || (e.x == -1 && e.y == -1)) return false;
    const long long dx = (long long)e.x - (int)Plr.world_x, dy = (long long)e.y - (int)Plr.world_y;
    return dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2;
}

// The kept maps written to the staged names of both files; the cells of the dropped maps in `dropped`.
// False when a file could not be read or written whole: the staged files are then thrown away.
static bool write_kept_maps(int total, std::vector<ZoomIndex> &dropped) {
    char index_path[1100], maps_path[1100], index_new[1200], maps_new[1200];
    store_path(index_path, sizeof index_path, "ZOOMINDEX.DAT");
    store_path(maps_path, sizeof maps_path, "ZOOMMAPS.DAT");
    FILE *index_in = fopen(index_path, "rb");
    FILE *maps_in = fopen(maps_path, "rb");
    const char *index_to = save_target(index_path, index_new, sizeof index_new);
    const char *maps_to = save_target(maps_path, maps_new, sizeof maps_new);
    FILE *index_out = index_in && maps_in ? fopen(index_to, "wb") : nullptr;
    FILE *maps_out = index_out ? fopen(maps_to, "wb") : nullptr;
    bool ok = index_in && maps_in && index_out && maps_out;

    // The keep test reads the map from the transit buffer; whatever it held goes back afterwards.
    static ZoomStruct held;
    memcpy(&held, &Zoom, sizeof Zoom);
    long kept = 0;
    for (int n = 0; ok && n < total; n++) {
        ZoomIndex e;
        if (fread(&e, sizeof e, 1, index_in) != 1 || fread(&Zoom, sizeof Zoom, 1, maps_in) != 1) {
            ok = false;   // the index names a map the file does not hold whole
            break;
        }
        bool keep;
        if (n == 0 || in_area_in_play(e))
            keep = true;
        else if (e.x == -1 && e.y == -1)
            keep = false;
        else
            keep = zoommap_important(abs((int)Plr.daynumber - zoommap_lastday(e.x, e.y))) != 0;
        if (keep) {
            ok = fwrite(&e, sizeof e, 1, index_out) == 1 && fwrite(&Zoom, sizeof Zoom, 1, maps_out) == 1;
            kept++;
        } else if (e.x != -1 || e.y != -1) {
            dropped.push_back(e);
        }
        if ((n + 1) % 50 == 0) meter(n + 1, total);
    }
    memcpy(&Zoom, &held, sizeof Zoom);

    if (index_in) fclose(index_in);
    if (maps_in) fclose(maps_in);
    if (index_out) ok = fflush(index_out) == 0 && fclose(index_out) == 0 && ok;
    if (maps_out) ok = fflush(maps_out) == 0 && fclose(maps_out) == 0 && ok;
    // Both new files must hold every kept map whole before either may replace its original.
    ok = ok && file_bytes(index_to) == kept * (long)sizeof(ZoomIndex) &&
         file_bytes(maps_to) == kept * ZOOM_RECORD_BYTES;
    if (!ok) save_fail(index_path);
    return ok;
}

// Compacts the store; false, with the old store and map-info records as they were, on any failure.
static bool compact_store(int total, int &removed) {
    removed = 0;
    if (save_running() || total < 1) return false;
    std::vector<ZoomIndex> dropped;
    save_begin();
    const bool written = write_kept_maps(total, dropped);
    if (!save_commit() || !written) return false;
    for (const ZoomIndex &e : dropped) remove_ZoomExtra(e.x, e.y);
    removed = (int)dropped.size();
    return true;
}

void zoommap_maintenance() {
    Note("#Oxa needs to perform map maintenance now. That will take a few moments.");
    Pause();
    RESIZE_off();
    const int flipmode = FLIPMODE;
    FLIP_map_OFF();
    ui_maintenance_window("MAINTENANCING MAPS",
                          "You may continue playing after this process is complete. Please wait patiently ...");

    char index_path[1100];
    store_path(index_path, sizeof index_path, "ZOOMINDEX.DAT");
    // A damaged store is mended (and told of) first; one that can't be is left alone.
    const long bytes = zoomstore_check() ? file_bytes(index_path) : -1;
    const int total = bytes > 0 ? (int)(bytes / (long)sizeof(ZoomIndex)) : 0;
    map_debugnote("Maps total: %d", total);

    int removed = 0;
    const bool done = compact_store(total, removed);
    if (done) map_debugnote("Remove %d maps", removed);

    FLIPMODE = flipmode;
    RESIZE_on();
    DrawMap();
    if (!done) {
        Note("!Map maintenance failed; the stored maps were left as they were.");
        return;
    }
    if (!SaveMarkerFile()) Note("!The map markers couldn't be saved.");
    Note("#Ok, map maintenance done.");
}

void zoommap_check() {
    char index_path[1100], maps_path[1100];
    store_path(index_path, sizeof index_path, "ZOOMINDEX.DAT");
    store_path(maps_path, sizeof maps_path, "ZOOMMAPS.DAT");
    FILE *index_in = fopen(index_path, "rb");
    FILE *maps_in = fopen(maps_path, "rb");
    FILE *out = fopen("debug_zoommaps.txt", "w");
    static ZoomStruct z;
    ZoomIndex e;
    while (index_in && maps_in && out && fread(&e, sizeof e, 1, index_in) == 1 && fread(&z, sizeof z, 1, maps_in) == 1) {
        fprintf(out, "ZoomIndex = %d,%d\n", (int)e.x, (int)e.y);
        fprintf(out, "Zoom:     = %d,%d\n", (int)z.x, (int)z.y);
        if (z.x != 0 || z.y != 0) continue;
        for (int row = 0; row < ZOOM_SIDE; row++) {
            for (int col = 0; col < ZOOM_SIDE; col++) {
                const int c = z.chars[row * ZOOM_SIDE + col];
                if (c == 0)
                    fputc('?', out);
                else
                    fprintf(out, "(%d)", c);
            }
            fputc('\n', out);
        }
    }
    if (index_in) fclose(index_in);
    if (maps_in) fclose(maps_in);
    if (out) fclose(out);
}
