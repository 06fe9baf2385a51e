// src/worldgen/localdata.cpp -- putting data records on the local map being built in `Zoom`: the
// one placer the terrain finishing, the scenes, the encounters and the settlements all share.
#include <cstring>

#include "base/ownlib.h"
#include "core/datafunc.h"
#include "core/records.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/zoomstore.h"
#include "worldgen/localgen.h"

enum {
    RECORDS_USED = 1990,   // the last ten records of a map are never handed out here
    RANDOM_DRAWS = 100,
    TREE_SAPLING = 8,
};

static bool inside(int x, int y) { return x >= 0 && y >= 0 && x < ZOOM_SIDE && y < ZOOM_SIDE; }

// A record never used, or one freed on a stored map that was loaded to take a newcomer.
static int free_record() {
    for (int i = 0; i < RECORDS_USED; i++)
        if (Zoom.data[i].type == DT_UNUSED || Zoom.data[i].type == DT_FREED) return i;
    return -1;
}

void localdata_write(DataStruct &d, int x, int y, int type, uint32_t id, uint16_t count, int16_t owner) {
    memset(&d, 0, sizeof d);
    d.x = (uint16_t)x;
    d.y = (uint16_t)y;
    d.type = (uint8_t)type;
    d.id = id;
    d.count = count;
    d.owner = owner;
}

static int new_record(int x, int y, int type, uint32_t id, uint16_t count, int16_t owner) {
    if (!inside(x, y)) return LOCALDATA_NONE;
    const int i = free_record();
    if (i < 0) return LOCALDATA_NONE;
    localdata_write(Zoom.data[i], x, y, type, id, count, owner);
    return i;
}

int aseta_data(int x, int y, int type, uint32_t id, uint16_t count) {
    if (x == -1) {
        // A random square that does not block; when every draw blocks, nothing is put (the last
        // square drawn would be a wall or water).
        bool found = false;
        for (int tries = 0; tries < RANDOM_DRAWS && !found; tries++) {
            x = random(ZOOM_SIDE - 1) + 1;
            y = random(ZOOM_SIDE - 1) + 1;
            found = !terrain_flag(Zoom.chars[y * ZOOM_SIDE + x], TF_BLOCKS);
        }
        if (!found) return LOCALDATA_NONE;
    }
    if (!inside(x, y)) return LOCALDATA_NONE;
    if (type != DT_CREATURE && type != DT_PLANT)
        for (int i = 0; i < RECORDS_USED; i++) {
            DataStruct &d = Zoom.data[i];
            if (d.type != type || d.id != id || d.x != x || d.y != y) continue;
            const int sum = (int)d.count + count;
            d.count = day_marked(type) ? merged_mark_day(d.count, count) : (uint16_t)(sum > 65535 ? 65535 : sum);
            return i;
        }
    return new_record(x, y, type, id, count, 0);
}

int aseta_socowned_zoomdata(int x, int y, int type, uint32_t id, uint16_t count) {
    return new_record(x, y, type, id, count, (int16_t)SOC_OWNER);
}

int SetDataTo(uint8_t ch, int type, uint32_t id, uint16_t count) {
    for (int tries = 0; tries < 10000; tries++) {
        const int x = random(47) + 1, y = random(23) + 1;
        if (Zoom.chars[y * ZOOM_SIDE + x] == ch) return aseta_data(x, y, type, id, count);
    }
    return LOCALDATA_NONE;
}
