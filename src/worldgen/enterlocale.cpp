// Stands in until entering and leaving local maps lands: the plain zoom in and out, with the local
// maps around the player made when the store has none.
#include "core/loader.h"
#include "core/ownlib.h"
#include "maps/korkeus_main.h"
#include "maps/mapload.h"
#include "maps/mapunit.h"
#include "maps/zoomstore.h"
#include "worldgen/worldgen.h"

void surroundings(int) {
    const int cx = bigmap() ? PlayerX : (int)Plr.world_x;
    const int cy = bigmap() ? PlayerY : (int)Plr.world_y;
    laskekorkeuskartta(cy - 3, cx - 3);
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++)
            if (in_grid(cx + dx, cy + dy) && ZoomMapPos(cx + dx, cy + dy) == 0) rndhouse_main(cx + dx, cy + dy, 0);
}

void EnterLocale(int, int) {
    if (bigmap()) {
        Tallenna_IsoData_Muistitiedostoon();
        surroundings(0);
        char name[sizeof Plr.mapname + 1];
        copy_bounded(name, sizeof name, Plr.mapname);
        SaveMap(name);
        Plr.world_x = (uint32_t)PlayerX;
        Plr.world_y = (uint32_t)PlayerY;
        copy_bounded(Plr.mapname, sizeof Plr.mapname, "ZOOMMAP");
        PlayerX = PlayerY = 500;
    } else {
        Save(0);
        Plr.local_x = Plr.local_y = 0;
        PlayerX = (int)Plr.world_x + find_zoom_x(PlayerX, 0);
        PlayerY = (int)Plr.world_y + find_zoom_y(PlayerY, 0);
        copy_bounded(Plr.mapname, sizeof Plr.mapname, "BIGMAP");
        Environ = 1;
    }
    LOAD_MAP = 1;
}

void PopuloiZoomalue() {}
