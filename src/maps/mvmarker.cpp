// src/maps/mvmarker.cpp -- the player's own map markers and their file.
#include "maps/mvmarker.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "base/sbuf.h"
#include "base/savecommit.h"
#include "base/savediff.h"
#include "base/wholefile.h"
#include "core/records.h"
#include "core/player.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/notelink.h"

mvMarkerStruct mvMarkersToEdit[MVMARKERS_TO_EDIT];
int NUMOmvMarkersToEdit = 0;

static void marker_path(char *buf, size_t size) { snprintf(buf, size, "%s/MVMARKER.DAT", CharacterPath); }

// Far more markers than a world map has room to show: a larger file is damaged and read as none.
enum : size_t { MVMARKER_FILE_MAX = 1u << 24 };

// The file's bytes; a missing file reads as none.
static std::vector<uint8_t> read_file(const char *path) {
    std::vector<uint8_t> bytes;
    read_whole(path, bytes, MVMARKER_FILE_MAX);
    return bytes;
}

static mvMarkerStruct record_at(const std::vector<uint8_t> &bytes, size_t i) {
    mvMarkerStruct m;
    memcpy(&m, bytes.data() + i * sizeof m, sizeof m);
    return m;
}

// The index of the first whole record at (x, y), or -1.
static long find_record(const std::vector<uint8_t> &bytes, int x, int y) {
    const size_t whole = bytes.size() / sizeof(mvMarkerStruct);
    for (size_t i = 0; i < whole; i++) {
        const mvMarkerStruct m = record_at(bytes, i);
        if ((m.x != 0 || m.y != 0) && m.x == x && m.y == y) return (long)i;
    }
    return -1;
}

// The mirror: every type-13 record at the marker's cell takes its colour, or is freed when erasing;
// a marker without one gets the first never-used record, else the first freed one. 0 when the pool
// had no room.
static int mirror(const mvMarkerStruct &m, unsigned char erase) {
    int found = 0;
    for (DataStruct &d : IsoData) {
        if (d.type != MVMARKER_TYPE || d.x != (uint16_t)m.x || d.y != (uint16_t)m.y) continue;
        found = 1;
        if (erase) {
            d.x = d.y = 0;
            d.type = '!';
        } else {
            d.id = m.color;
        }
    }
    if (erase || found) return 1;
    DataStruct *slot = nullptr;
    for (DataStruct &d : IsoData)
        if (d.type == 0) {
            slot = &d;
            break;
        }
    if (!slot)
        for (DataStruct &d : IsoData)
            if (d.type == '!') {
                slot = &d;
                break;
            }
    if (!slot) return 0;
    memset(slot, 0, sizeof *slot);
    slot->x = (uint16_t)m.x;
    slot->y = (uint16_t)m.y;
    slot->type = MVMARKER_TYPE;
    slot->count = 1;
    slot->id = m.color;
    return 1;
}

int mvMarker_fwrite(const mvMarkerStruct &marker, unsigned char erase) {
    char path[1100];
    marker_path(path, sizeof path);
    std::vector<uint8_t> bytes;
    if (!read_whole(path, bytes, MVMARKER_FILE_MAX) && own_isfile(path)) {
        // Writing over a file that could not be read would lose every marker in it.
        map_report("!Couldn't read the map markers: they stay as they were.");
        return 0;
    }
    const long at = find_record(bytes, marker.x, marker.y);
    const size_t rec = sizeof(mvMarkerStruct);
    if (erase && at < 0) return 1;   // nothing written: the file stays as it was
    mvMarkerStruct m = marker;
    if (erase) memset(&m, 0, sizeof m);
    m.text1[sizeof m.text1 - 1] = 0;
    m.text2[sizeof m.text2 - 1] = 0;
    // A new marker goes after the last whole record, over a cut one.
    const size_t offset = at >= 0 ? (size_t)at * rec : bytes.size() / rec * rec;
    if (offset + rec > bytes.size()) bytes.resize(offset + rec);
    memcpy(bytes.data() + offset, &m, rec);

    static DataStruct pool_before[DATA_MAX];
    ConfirmIsoData();   // the pool as the world map holds it now
    memcpy(pool_before, IsoData, sizeof pool_before);
    const int mirrored = mirror(marker, erase);

    save_begin();
    const bool file_ok = save_write_file(path, bytes.data(), bytes.size());
    const bool pool_ok = SaveIsoData() != 0;
    if (!file_ok || !pool_ok) save_fail("MVMARKER.DAT");
    if (!save_commit()) {
        memcpy(IsoData, pool_before, sizeof pool_before);
        if (bigmap()) SaveIsoData();
        map_report("!Couldn't write the map marker: the map markers stay as they were.");
        return 0;
    }
    if (!mirrored) map_report("The world map has no room to show the new map marker; it is kept on the map view.");
    return 1;
}

int GotCustomMarker(int x, int y, mvMarkerStruct &out) {
    char path[1100];
    marker_path(path, sizeof path);
    const std::vector<uint8_t> bytes = read_file(path);
    const long at = find_record(bytes, x, y);
    if (at < 0) return 0;
    out = record_at(bytes, (size_t)at);
    out.text1[sizeof out.text1 - 1] = 0;
    out.text2[sizeof out.text2 - 1] = 0;
    return 1;
}

const char *CustomMarkerDesc(int x, int y) {
    char *out = sbuf();
    mvMarkerStruct m;
    if (GotCustomMarker(x, y, m)) copy_bounded(out, SBUF_SIZE, m.text1);
    return out;
}

std::vector<mvMarkerStruct> mvMarkers_ReadAll() {
    char path[1100];
    marker_path(path, sizeof path);
    const std::vector<uint8_t> bytes = read_file(path);
    std::vector<mvMarkerStruct> out;
    for (size_t i = 0; i < bytes.size() / sizeof(mvMarkerStruct); i++) {
        mvMarkerStruct m = record_at(bytes, i);
        if (m.x == 0 && m.y == 0) continue;
        m.text1[sizeof m.text1 - 1] = 0;
        m.text2[sizeof m.text2 - 1] = 0;
        out.push_back(m);
    }
    return out;
}

int mvMarkers_Collect(int x, int y, int r) {
    NUMOmvMarkersToEdit = 0;
    for (const mvMarkerStruct &m : mvMarkers_ReadAll()) {
        if (NUMOmvMarkersToEdit >= MVMARKERS_TO_EDIT) break;
        if (m.x < x - r || m.x > x + r || m.y < y - r || m.y > y + r) continue;
        mvMarkersToEdit[NUMOmvMarkersToEdit++] = m;
    }
    return NUMOmvMarkersToEdit;
}

mvMarkerStruct mvMarker_New() {
    mvMarkerStruct m;
    memset(&m, 0, sizeof m);
    m.x = IsoX();
    m.y = IsoY();
    m.color = 1;
    m.day = Plr.day;
    m.month = Plr.month;
    m.year = Plr.year;
    m.hour = Plr.hour;
    m.minute = Plr.minute;
    return m;
}

void mvMarker_SetText(char (&line)[100], const char *text) { copy_bounded(line, sizeof line, text ? text : ""); }
