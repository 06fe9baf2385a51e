// src/worldgen/enterlocale.cpp -- the two levels of the game: zooming in from the world map onto the
// 5 x 5 local maps round the player's cell, renewing the local area for an encounter, zooming out,
// the hand-over of each cell's parameters to the local-map generator, and the arrival text.
#include <cctype>
#include <cstdlib>
#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "core/gamefiles.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "base/savecommit.h"
#include "base/strupr.h"
#include "core/creatures.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "core/crefunc.h"
#include "creatures/life.h"
#include "creatures/zoomservices.h"
#include "maps/area.h"
#include "maps/facing.h"
#include "maps/kulttuuri.h"
#include "maps/korkeus_main.h"
#include "maps/mapload.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "maps/zoomstore.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "worldgen/arrival.h"
#include "worldgen/culturegoods.h"
#include "worldgen/encounter.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"
#include "core/worldservices.h"

int CoordinateFixXMOD, CoordinateFixYMOD;

// ---- names and the hand-over ----------------------------------------------------------------------

int TERRAIN(const char *description, const char *kind, int n, int month, const char *name, int x, int y,
            int extra) {
    debuglog("terrain", "start");
    char keyword[21];
    int len = 0;
    const char *d = description ? description : "";
    while (d[len] && d[len] != ' ' && len < 19) len++;
    memcpy(keyword, d, (size_t)len);
    keyword[len] = '#';
    keyword[len + 1] = 0;
    char block[200];
    snprintf(block, sizeof block, "%s\n%d\n%d\n", kind ? kind : "", n, month);
    const int stored = rndhouse(keyword, block, name, x, y, extra);
    debuglog("terrain", "rndhouse completed");
    return stored;
}

static int has_encounter_record(int x, int y, int *subkind) {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = IsoData[i];
        if (d.type == DT_ENCOUNTER && d.x == x && d.y == y) {
            *subkind = d.flags;
            return 1;
        }
    }
    return 0;
}

// The meetings waiting in the world's pool on the 5 x 5 cells round cx, cy, found in one walk of the
// pool instead of one for each cell: for each cell the kind (flags) of its first record in pool order,
// as has_encounter_record answers it, -1 where none waits.
static void area_meetings(int cx, int cy, int kind[5][5]) {
    for (int dy = 0; dy < 5; dy++)
        for (int dx = 0; dx < 5; dx++) kind[dy][dx] = -1;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = IsoData[i];
        if (d.type != DT_ENCOUNTER) continue;
        const int dx = (int)d.x - cx + 2, dy = (int)d.y - cy + 2;
        if ((unsigned)dx < 5 && (unsigned)dy < 5 && kind[dy][dx] < 0) kind[dy][dx] = d.flags;
    }
}

static int build_cell(int x, int y, int dx, int dy) {
    char desc[81];
    copy_bounded(desc, sizeof desc, terrain_desc(get_alltime_maailmachar(x, y)));
    strupr(desc);
    Aseta_TERRAIN_Korkeus_Relmap(dx, dy);
    return TERRAIN(desc, "ZOOM", 0, Plr.month, terrain_name(x, y), x, y, 0);
}

// The centre of the area: the player's cell on the world map, the area's own cell on a local area.
static void area_centre(int &cx, int &cy) {
    cx = bigmap() ? PlayerX : (int)Plr.world_x;
    cy = bigmap() ? PlayerY : (int)Plr.world_y;
}

int surroundings(int all) {
    int cx, cy;
    area_centre(cx, cy);
    LuoZoomKorkeusAlue(cx, cy);
    if (bigmap()) Tallenna_IsoData_Muistitiedostoon();
    int failed = 0;
    // The new cells of the area are one batch: the store's index and the hand-over's trace are
    // written once for all of them.
    zoomstore_batch_begin();
    rndhouse_trace_hold(1);
    int waiting[5][5];
    bool walked = false;   // `waiting` answers for the pool as it now stands
    // Between two builds only the store is asked about cells: it is looked at once for all of them.
    zoomstore_lookups(1);
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) {
            const int x = cx + dx, y = cy + dy;
            if (!in_grid(x, y)) continue;
            // A cell not stored yet is built whatever waits for it: only a cell that could be passed
            // over has the world's pool searched for a meeting waiting there.
            const bool may_pass = all == 1 || (dx == 0 && dy == 0) || ZoomMapPos(x, y) != 0;
            if (may_pass) {
                if (!walked) area_meetings(cx, cy, waiting);
                walked = true;
                const int sub = waiting[dy + 2][dx + 2];
                if (!(sub >= 0 && sub != 2)) continue;
            }
            // Inside a save the store writes only to its journal: its files stand as they were seen
            // until the commit, and a build's own lookups need not look at them again.
            const bool files_still = save_running() != 0;
            if (!files_still) zoomstore_lookups(0);
            if (!build_cell(x, y, dx, dy)) failed++;
            if (!files_still) zoomstore_lookups(1);
            walked = false;   // building a map may change the pool
        }
    zoomstore_lookups(0);
    rndhouse_trace_hold(0);
    if (!zoomstore_batch_end()) failed++;
    return failed;
}

int spotgenerate(int x, int y, int all) {
    if (!in_grid(x, y)) return 0;
    int sub = 0;
    const int pending = bigmap() && has_encounter_record(x, y, &sub) && sub != 2;
    if ((ZoomMapPos(x, y) != 0 || all == 1) && !pending) return 1;
    // The heights are worked out around this cell, so the cell lies at their centre: a cell away from
    // the player's area would otherwise read heights of nothing and be made all water.
    LuoZoomKorkeusAlue(x, y);
    return build_cell(x, y, 0, 0);
}

void surroundings_clean() {
    if (!bigmap()) return;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type == DT_ENCOUNTER && d.flags == 2 && koordinaattien_vali(d.x, d.y, PlayerX, PlayerY) <= 2)
            ClearDATA(i);
    }
}

// ---- coordinates ----------------------------------------------------------------------------------

void FixPlayerCoordinates() {
    CoordinateFixXMOD = find_zoom_x(PlayerX, 0);
    CoordinateFixYMOD = find_zoom_y(PlayerY, 0);
    Plr.world_x = (uint32_t)((int)Plr.world_x + CoordinateFixXMOD);
    Plr.world_y = (uint32_t)((int)Plr.world_y + CoordinateFixYMOD);
}

void FixZoomCoordinates() {
    Plr.local_x = (uint32_t)(PlayerX - (AREA_CENTRE + 64 * find_zoom_x(PlayerX, 0)));
    Plr.local_y = (uint32_t)(PlayerY - (AREA_CENTRE + 64 * find_zoom_y(PlayerY, 0)));
}

// The player's last square on the stored local map of a cell plus one on each axis; 0 never visited.
static void last_position(int x, int y, int &lx, int &ly) {
    const int k = zoomextra_kohta(x, y);
    const bool same = k >= 0 && ZoomExtra[k].x == (uint16_t)x && ZoomExtra[k].y == (uint16_t)y;
    const ZoomExtraStruct &z = ZoomExtra[k >= 0 ? k : 0];
    lx = same ? (int)z.last_x : 0;
    ly = same ? (int)z.last_y : 0;
}

int your_residence() {
    if (bigmap() || is_settled_area(IsoX(), IsoY(), 3)) return 0;
    for (int y = PlayerY - 64; y <= PlayerY + 64; y++)
        for (int x = PlayerX - 64; x <= PlayerX + 64; x++) {
            const int c = get_mapchar(x, y);
            if (in_layer(x, y) && (c == 31 || c == 95)) return 1;
        }
    return 0;
}

// ---- zooming --------------------------------------------------------------------------------------

// A creature near the player keeps the area busy: one that fights or flees within 24 squares, any other
// within 14, a member of a society whose goods the player holds within 34.
static int zoom_out_blocker() {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE) continue;
        const int c = creature_slot_of(d.id);
        if (c < 0) continue;
        if (onko_NPC_kumppani(c) || onko_NPC_kesyelain(c) || (cre_control(c) & CTRL_PLAYERS_DOG) || sukeltaako_NPC(c)) continue;
        const int dist = koordinaattien_vali(d.x, d.y, PlayerX, PlayerY);
        const int mode = Cre[c].mode;
        const bool busy = taisteleeko_NPC(c) || mode == 2 || mode == 99 || mode == 4;
        if (dist < (busy ? 25 : 15)) return c;
        if (is_socmember(c) && GOT_PROPERTY_ofsoc((int)Cre[c].community) && dist < 35) return c;
    }
    return -1;
}

// A kept copy brought up to what it keeps: it mostly holds the same already (the last entry kept it),
// and a block that does is only read, which costs far less than writing it.
static void keep_copy(void *to, const void *from, size_t size) {
    constexpr size_t BLOCK = 4096;
    unsigned char *t = static_cast<unsigned char *>(to);
    const unsigned char *f = static_cast<const unsigned char *>(from);
    for (size_t at = 0; at < size; at += BLOCK) {
        const size_t n = size - at < BLOCK ? size - at : BLOCK;
        if (memcmp(t + at, f + at, n) != 0) memcpy(t + at, f + at, n);
    }
}

int ENTRY_SAVE_JOINS_LOAD;
static int entry_save_open;   // the save of the last zoom in waits for the map's upkeep

int entry_save_finish() {
    if (!entry_save_open) return 1;
    entry_save_open = 0;
    if (save_commit()) return 1;
    // The new local maps are not in the store after all: it reads its files again, and the saves that
    // follow store the area she is on as they store any other.
    zoomstore_forget_seen();
    Note("!The local maps of this place couldn't be stored.");
    return 0;
}

void EnterLocale(int kind, int n) {
    char line[120];
    snprintf(line, sizeof line, "(%d,%d)", kind, n);
    debuglog("enterlocale", line);
    ENCOUNTER_CREATURE_TYPE = 0;
    if (n != 0 && Lataa_RealCreature(n)) {
        ENCOUNTER_CREATURE_TYPE = Creature.kind;
        snprintf(line, sizeof line, "got defined: %d\n TYPE: %d", n, ENCOUNTER_CREATURE_TYPE);
        debuglog("enterlocale", line);
    }
    UPDATE = 0;
    PIC_SHOW = 0;

    char name[32];
    int sx, sy;
    const bool world = bigmap();
    // What the entry changes before the maps are built, kept so that a refused entry undoes it.
    static DataStruct pool_before[DATA_MAX];
    static DataStruct party_before[PLR_PARTY];
    if (!world && (kind & 1)) {
        UPDATE = 1;
        copy_bounded(name, sizeof name, Plr.mapname);
        sx = (int)Plr.world_x;
        sy = (int)Plr.world_y;
        FixZoomCoordinates();
    } else if (world) {
        copy_bounded(name, sizeof name, terrain_name(PlayerX, PlayerY));
        sx = PlayerX;
        sy = PlayerY;
        keep_copy(pool_before, Data, sizeof pool_before);
        memcpy(party_before, Plr.party, sizeof party_before);
        if (!ZoomRenew) Note("#Zooming in ... ");
        creature_swap();
    } else {
        if (get_mapchar(PlayerX, PlayerY) == 96) {
            Note("_You must get out of the cave before you can zoom out..");
            return;
        }
        if (zoom_out_blocker() >= 0) {
            Note("_You can't zoom out directly right now. The area has activity going on.");
            Note("_Please walk a little further from this location and press [ENTER] again.");
            return;
        }
        keep_copy(pool_before, Data, sizeof pool_before);
        memcpy(party_before, Plr.party, sizeof party_before);
        creature_swap();
        Note("#Zooming out ... ");
        Plr.local_x = Plr.local_y = 0;
        if (!ExitEnviron(PlayerX, PlayerY, 1)) {
            // The save failed and said so: she stays on the local map, her party with her.
            memcpy(Data, pool_before, sizeof pool_before);
            memcpy(Plr.party, party_before, sizeof party_before);
        }
        return;
    }

    char kindtext[20];
    copy_bounded(kindtext, sizeof kindtext, kind ? "ENCOUNTER" : "ZOOM");
    if (kind != 0 && ENCOUNTER_CREATURE_TYPE != 1) world_services.course_task_check(10);
    if (!UPDATE) scene_make(kind == 1 ? 1 : 0, kind == 1 ? n : 0);
    int number = n;
    if (kind == 1000) {
        snprintf(kindtext, sizeof kindtext, "SCENE%d", n);
        number = 0;
    }

    int failed = 0;
    // The whole entry is one commit: the new local maps, the store's index, the map left behind, the
    // map-info records of the new cells and every other file the making of the maps writes go in
    // together or not at all. The map-info table is kept so that a refused entry forgets the new cells.
    zoomextra_keep(1);
    // The store is checked (and a damaged one mended and told of) before the commit: within it the
    // check waits for the commit to end.
    zoomstore_check();
    save_begin();
    // The centre joins the batch of its surroundings: one index write and one trace for the area.
    zoomstore_batch_begin();
    rndhouse_trace_hold(1);
    if (world) {
        surroundings_clean();
        Tallenna_IsoData_Muistitiedostoon();
        failed = surroundings(0);
    }
    if (!SaveMap(Plr.mapname)) save_fail(world ? "the world map" : "the local area");
    Aseta_TERRAIN_Korkeus_Relmap(0, 0);
    const char *desc = terrain_desc(get_alltime_maailmachar(sx, sy));
    zoomstore_lookups(1);   // within the save the store's files stand still, as in the builds around
    if (!TERRAIN(desc, kindtext, number, Plr.month, name, sx, sy, kind ? n : 0)) failed++;
    zoomstore_lookups(0);
    rndhouse_trace_hold(0);
    if (!zoomstore_batch_end()) failed++;
    if (!SaveMarkerFile()) save_fail("the markers");
    // A zoom in whose map the turn loop loads next leaves its save open for the map's upkeep to finish.
    const bool held = !failed && ENTRY_SAVE_JOINS_LOAD && !UPDATE;
    if (failed) save_discard();
    else if (held) entry_save_open = 1;
    else if (!save_commit()) failed++;

    if (failed) {
        // The area could not be stored whole: the player stays where she is, with her party, and the
        // store forgets the cells it was given.
        zoomextra_put_back();
        zoomextra_keep(0);
        zoomstore_forget_seen();
        if (world) {
            memcpy(Data, pool_before, sizeof pool_before);
            memcpy(Plr.party, party_before, sizeof party_before);
            Tallenna_IsoData_Muistitiedostoon();
        }
        Note("!The local maps of this place couldn't be stored. You stay where you are.");
        UPDATE = 0;
        return;
    }

    zoomextra_keep(0);
    if (!UPDATE) {
        Plr.world_x = (uint32_t)sx;
        Plr.world_y = (uint32_t)sy;
        if (world) {
            int lx, ly;
            last_position(sx, sy, lx, ly);
            if (lx != 0) {
                if (ice_thickness_worldmap(sx, sy) != 0) KARTANLATAUSTAPA = 0;
                if (!LOADER_RUN && KARTANLATAUSTAPA != 2) {
                    KARTANLATAUSTAPA = 8;
                    KARTANLATAUS_X = lx - 1;
                    KARTANLATAUS_Y = ly - 1;
                }
            }
        }
        copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
        PlayerX = PlayerY = 500;
        LOAD_MAP = 1;
    } else {
        world_services.map_entry(1);
    }
    UPDATE = 0;
}

int Enter(int x, int y, int mode) {
    ZOOMEXTRA_Lahesty = 0;
    creature_swap();
    scene_make(2, 0);
    if (!world_services.save(0)) return 0;
    const bool world = bigmap();
    if (world) {
        Plr.world_x = (uint32_t)x;
        Plr.world_y = (uint32_t)y;
    } else {
        PlayerX = PlayerY = 0;
    }
    if (mode == 1) {
        PlayerX = PlayerY = -1;
        copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
        LOAD_MAP = 1;
        return 1;
    }
    if (world) {
        PlayerX = PlayerY = 500;
        Plr.local_x = Plr.local_y = 0;
        if (ice_thickness_worldmap(x, y) != 0) KARTANLATAUSTAPA = 0;
        int lx, ly;
        last_position(x, y, lx, ly);
        if (lx != 0 && KARTANLATAUSTAPA != 2) {
            KARTANLATAUSTAPA = 8;
            KARTANLATAUS_X = lx;
            KARTANLATAUS_Y = ly;
        }
    }
    copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
    LOAD_MAP = 1;
    return 1;
}
