// Loading and saving the current map: the world files, the local area from the store, the player's
// place on a fresh local area, and the clean-ups around a load.
#include "maps/mapload.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "base/reserve.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "base/savediff.h"
#include "base/strupr.h"
#include "base/tablefile.h"
#include "core/creatures.h"
#include "core/oxa.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/facing.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/sight.h"
#include "maps/movement.h"
#include "maps/notelink.h"
#include "maps/water.h"
#include "maps/zoomstore.h"
#include "base/ui.h"
#include "core/vilrecord.h"
#include "maps/cellmaker.h"
#include "core/worldservices.h"

int ZOOMEXTRA_Lahesty;

static void char_file(char *buf, size_t size, const char *name) {
    snprintf(buf, size, "%s/%s", CharacterPath, name);
}

static long size_of(const char *path) {
    struct stat st;
    return stat(path, &st) == 0 ? (long)st.st_size : -1;
}

// ---- loading ------------------------------------------------------------------------------------

// The world layer: "WORLD.DAT", or "world.dat" as older folders name it. Nothing but a whole image
// is taken: a short file would leave the rest of the world from the character played before.
static void read_world_layer() {
    char path[1100], lower[1100];
    char_file(path, sizeof path, "WORLD.DAT");
    char_file(lower, sizeof lower, "world.dat");
    const char *use = own_isfile(path) ? path : own_isfile(lower) ? lower : nullptr;
    if (!use) {
        char msg[1200];
        snprintf(msg, sizeof msg, "Oxa couldn't open WORLD.DAT of %s's folder", CharacterFile);
        oxa_quit(msg);
    }
    use_map_layer(0);   // the world is read into its own layer, whatever the map was before
    if (!read_exact_in_place(use, maailma, MAP_BYTES)) {
        fill_layer(maailma, CH_GROUND);   // nothing of a part read is left behind
        char msg[1200];
        snprintf(msg, sizeof msg, "Oxa: the world file %s of %s's folder is damaged (%ld of %ld bytes).",
                 use == path ? "WORLD.DAT" : "world.dat", CharacterFile, size_of(use), (long)MAP_BYTES);
        oxa_quit(msg);
    }
    memcpy(maailma_alltime, maailma, MAP_BYTES);
    world_layer_touched(0, MAP_ROWS - 1);
    if (use == path && size_of(path) == (long)MAP_BYTES) world_layer_matches_file(0);
}

// The world's pool: the whole records of "DATA.DAT"; a cut record at the end and everything after it
// stays clear. A missing file is written anew from the cleared pool, and the world pool in memory is
// cleared with it, so nothing of a character loaded earlier in the run is left in it.
static void read_world_pool() {
    char path[1100];
    char_file(path, sizeof path, "DATA.DAT");
    memset(Data, 0, sizeof Data);
    const TableRead r = read_record_table(path, Data, sizeof(DataStruct), DATA_MAX, true);
    if (!r.opened) {
        memset(IsoData, 0, sizeof IsoData);
        if (!write_atomic(path, Data, sizeof Data)) map_debuglog("_system", "DATA.DAT couldn't be created in %s", CharacterPath);
        return;
    }
    const size_t got = r.got;
    if (got < (size_t)DATA_MAX) {
        map_debugnote("The world's things were read only in part (%u of %d records).", (unsigned)got, (int)DATA_MAX);
        map_debuglog("_system", "DATA.DAT holds %u whole records of %d", (unsigned)got, (int)DATA_MAX);
    }
    memcpy(IsoData, Data, sizeof IsoData);
}

// The remembered world over a layer of spaces; a file that is not whole leaves the world unexplored.
// True when the layer holds the whole file.
static bool read_world_memory(uint8_t *layer) {
    char path[1100];
    char_file(path, sizeof path, "WORLD.PLM");
    world_memory_touched(0, MAP_ROWS - 1);
    if (!own_isfile(path)) {
        memset(layer, ' ', MAP_BYTES);
        return false;
    }
    if (!read_exact_in_place(path, layer, MAP_BYTES)) {
        memset(layer, ' ', MAP_BYTES);
        map_debuglog("_system", "WORLD.PLM in %s is damaged; the world counts as unexplored", CharacterPath);
        return false;
    }
    return size_of(path) == (long)MAP_BYTES;
}

static void read_world_and_pool() {
    read_world_layer();
    read_world_pool();
}

void GetIso() {
    read_world_and_pool();
    read_world_memory(maailma_alltime_memorymap);
}

// The layers the view writes as it shows the map.
static void clear_view_layers() {
    fill_layer(maailma_attrib, ':');
    fill_layer(maailma_work, ' ');
    fill_layer(maailma_worksymbol, 0);
}

void clear_playermap() {
    fill_layer(maailma_memorymap, ' ');
    clear_view_layers();
}

void Read_MemoryMap(const char *name) {
    if (strstr(name, "ZOOMMAP")) {   // the area's memory came with its stored local maps
        fill_layer(maailma_work, ' ');
        return;
    }
    if (!strstr(name, "BIGMAP")) {
        clear_playermap();
        return;
    }
    // The player's memory of the world is the remembered one, copied over the whole layer.
    clear_view_layers();
    const bool whole = read_world_memory(maailma_alltime_memorymap);
    memcpy(maailma_memorymap, maailma_alltime_memorymap, MAP_BYTES);
    view_layers_touched_all();
    if (whole) world_layer_matches_file(1);
}

// The square 25 squares out from the centre in the player's heading.
static void approach_square(int &x, int &y) {
    static const int ax[8] = {257, 257, 232, 207, 207, 207, 232, 257};
    static const int ay[8] = {232, 207, 207, 207, 232, 257, 257, 257};
    if ((unsigned)PlayerDir < 8) {
        x = ax[PlayerDir];
        y = ay[PlayerDir];
    } else {
        x = y = 232;
    }
}

static void pole_off_deep_water() {
    for (int i = 0; i < 1000 && vesisyvyys(PlayerX, PlayerY) >= 4; i++) PlayerX = AREA_CENTRE + random(64);
    for (int i = 0; i < 1000 && vesisyvyys(PlayerX, PlayerY) >= 4; i++) PlayerY = AREA_CENTRE + random(64);
    for (int i = 0; i < 1000 && vesisyvyys(PlayerX, PlayerY) >= 4; i++) {
        PlayerX = AREA_CENTRE + random(64);
        PlayerY = AREA_CENTRE + random(64);
    }
}

void place_player_on_area() {
    int ex = PlayerX, ey = PlayerY;
    if (PlayerX == -1 || (unsigned)ex > 392 || (unsigned)ey > 392) {
        ex = EnteringX(LastMovingDirection) + AREA_CENTRE;
        ey = EnteringY(LastMovingDirection) + AREA_CENTRE;
    }
    if (ZOOMEXTRA_Lahesty) {
        approach_square(ex, ey);
        if (Plr.movement_mode == 3 && !terrain_flag(get_mapchar(ex, ey), TF_WATER)) ex = ey = 232;
        ZOOMEXTRA_Lahesty = 0;
    }
    if (KARTANLATAUSTAPA == 8) {
        ex = KARTANLATAUS_X + AREA_CENTRE;
        ey = KARTANLATAUS_Y + AREA_CENTRE;
    }
    if (ex == 0) {
        PlayerX = PlayerY = 232;
        if (SESTA == 1) pole_off_deep_water();
    } else {
        PlayerX = ex;
        PlayerY = ey;
    }
    // A blocked square is tested without stepping: entering spends no time and asks nothing.
    if (!place_on_entry(PlayerX, PlayerY)) map_debuglog("_system", "no free square to enter at %d,%d", PlayerX, PlayerY);
}

// The local maps of the area that the store doesn't hold (lost with a damaged store, or dropped from
// it before the area in play was stored again, or a record found damaged as it is read) are built anew
// before the area is read, and the player is told: no local map of the area is laid as plain ground
// in silence.
static void rebuild_missing_area_maps(int cx, int cy) {
    // The usual case, the whole area in the store, is told from eight bytes of each record; the buffer is
    // then left holding the area's last map, as loading each of them in turn would leave it.
    if (zoomarea_stored(cx, cy)) {
        for (int dy = 2; dy >= -2; dy--)
            for (int dx = 2; dx >= -2; dx--)
                if (in_grid(cx + dx, cy + dy)) {
                    load_zoommap(cx + dx, cy + dy);
                    return;
                }
        return;
    }
    int missing[25][2], count = 0;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++)
            if (in_grid(cx + dx, cy + dy) && !load_zoommap(cx + dx, cy + dy)) {
                missing[count][0] = cx + dx;
                missing[count][1] = cy + dy;
                count++;
            }
    if (count == 0) return;
    LuoZoomKorkeusAlue(cx, cy);
    zoomstore_batch_begin();
    int made = 0;
    for (int k = 0; k < count; k++) {
        const int x = missing[k][0], y = missing[k][1];
        char desc[81];
        copy_bounded(desc, sizeof desc, terrain_desc(get_alltime_maailmachar(x, y)));
        strupr(desc);
        Aseta_TERRAIN_Korkeus_Relmap(x - cx, y - cy);
        made += world_services.make_cell(desc, "ZOOM", 0, Plr.month, terrain_name(x, y), x, y, 0) ? 1 : 0;
    }
    if (!zoomstore_batch_end()) made = 0;
    char text[200];
    if (made == count)
        snprintf(text, sizeof text, "!The store lacked %d of the local maps around you; they have been made anew.", count);
    else
        snprintf(text, sizeof text,
                 "!The store lacked %d of the local maps around you; %d of them couldn't be made anew.", count,
                 count - made);
    map_debuglog("_system", "%s", text);
    map_report(text);
}

void GetMap(const char *name) {
    memset(Data, 0, sizeof Data);
    fill_layer(pintakartta, 0);
    fill_layer(korkeuskartta, 0);
    // The world layer is read whole (or the game ends); maailma_work, and maailma_attrib but on a local
    // area, are cleared by Read_MemoryMap below, which reads the world memory too. A local area is laid
    // over plain ground in a layer of its own: the world's stays as it was read.
    const bool world = bigmap();
    if (!world) {
        use_map_layer(1);
        fill_layer(maailma, CH_GROUND);
    }
    if (strstr(name, "ZOOMMAP")) fill_layer(maailma_attrib, ':');
    zoomstore_check();   // a damaged store is told of, and mended, before any map is read
    if (world) {
        read_world_and_pool();
    } else if (strcmp(Plr.mapname, "ZOOMMAP") == 0) {
        Environ = 2;
        world_memory_touched(0, MAP_ROWS - 1);   // the memory map holds the area's memory from here on
        rebuild_missing_area_maps((int)Plr.world_x, (int)Plr.world_y);
        Zoomer((int)Plr.world_x, (int)Plr.world_y);
        place_player_on_area();
    }
    Read_MemoryMap(name);
}

// ---- saving -------------------------------------------------------------------------------------

static bool is_creature_record(const DataStruct &d) { return d.type == DT_CREATURE || d.type == DT_CARCASS; }

// Creature records of the pool name their local slot (id 1000 + slot); stored, they name the
// creature of the creature file instead. An id that names no slot of the table is left alone.
static void renumber_creatures(const char *name) {
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (!is_creature_record(d) || d.id <= 999) continue;
        if (d.type == DT_CREATURE) map_debuglog("savemap", "SaveMap(%s) DATA #%d creature %u", name, i, d.id);
        const uint32_t slot = d.id - CRE_DATAID;
        if (slot >= (uint32_t)CRE_COUNT) continue;
        const CreatureStruct &c = Cre[slot];
        if (RealCreaturePos[slot] == 0 || c.kind == 0) continue;
        if (c.socialid > 999 && c.socialid == d.id) continue;
        d.id = (uint32_t)RealCreaturePos[slot];
    }
}

int SaveMap(const char *name) {
    save_creatures();
    renumber_creatures(name);
    int ok = save_playermap(name);
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CREATURE)
            map_debuglog("savemap", "SaveMap(%s) after saveplayermap DATA #%d creature %u", name, i, Data[i].id);
    char path[1100];
    snprintf(path, sizeof path, "%s/%s.DAT", CharacterPath, name);
    if (!save_write_file(path, Data, sizeof Data)) {
        map_debuglog("_system", "%s couldn't be written", path);
        ok = 0;
    }
    return ok;
}

int SaveMapAndContinue() {
    // The save renumbers the pools' creature records as they are stored: without room for the pools
    // as they were, it does not start.
    using Pool = Reserved<DataStruct>;
    Pool keep_data(DATA_MAX, Pool::Unfilled{}), keep_iso(DATA_MAX, Pool::Unfilled{});
    if (!keep_data.ok() || !keep_iso.ok()) {
        map_debuglog("_system", "no memory to keep the pools while the map is saved");
        return 0;
    }
    memcpy(keep_data.data(), Data, sizeof Data);
    memcpy(keep_iso.data(), IsoData, sizeof IsoData);
    char name[sizeof Plr.mapname + 1];
    copy_bounded(name, sizeof name, Plr.mapname);
    int ok = SaveMap(name);
    ok = SaveGlobVil() && ok;
    ok = SaveMarkerFile() && ok;
    memcpy(Data, keep_data.data(), sizeof Data);
    memcpy(IsoData, keep_iso.data(), sizeof IsoData);
    return ok;
}

// ---- clean-ups ----------------------------------------------------------------------------------

void map_fix() {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if ((d.type == DT_ITEM && d.id == 0) || d.type == 'X') CrunchData(i);
    }
}

static bool world_record_here(int type, int x, int y) {
    for (const DataStruct &d : Data)
        if (d.type == type && d.x == x && d.y == y) return true;
    return false;
}

// Creatures the player has seen in the stored local maps around the cell show on the world map.
void Siirra_Zoomympariston_Tapahtumat() {
    if (!bigmap()) return;
    for (int y = PlayerY - 4; y <= PlayerY + 4; y++)
        for (int x = PlayerX - 4; x <= PlayerX + 3; x++) {
            if (!in_grid(x, y) || (x == PlayerX && y == PlayerY)) continue;
            if (ZoomMapPos(x, y) == 0 || world_record_here(DT_ENCOUNTER, x, y) || on_kyla(x, y, 1)) continue;
            if (!load_zoommap(x, y)) continue;
            for (const DataStruct &z : Zoom.data) {
                if (z.type != DT_CREATURE || z.x >= ZOOM_SIDE || z.y >= ZOOM_SIDE) continue;
                if (Zoom.memory[z.y * ZOOM_SIDE + z.x] == ' ') continue;
                ClearDTEMP();
                DTEMP.type = DT_ENCOUNTER;
                DTEMP.x = (uint16_t)x;
                DTEMP.y = (uint16_t)y;
                DTEMP.flags = 2;
                DTEMP.spent_minutes = Plr.minutes;
                int diving;
                if (z.id > 999) {
                    if (!Lataa_RealCreature((int)z.id)) continue;
                    DTEMP.id = z.id;
                    DTEMP.owner = (int16_t)Creature.speciescode;
                    diving = Creature.korkeus == -100;
                } else {
                    // A template creature: its id is the template row, checked before it is used.
                    if (z.id >= (uint32_t)CONSTANTCRE_COUNT) continue;
                    const CreatureStruct &t = ConstantCre[z.id];
                    DTEMP.id = t.speciescode;
                    DTEMP.owner = 0;
                    diving = t.korkeus == -100;
                }
                if (!diving) SetDTEMP(-1);
            }
        }
}
