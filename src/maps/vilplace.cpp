// src/maps/vilplace.cpp -- where a village lies: the society area of a settlement and its centres.
#include "maps/vilplace.h"

#include "core/maintenance.h"
#include "core/vilrecord.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"

static int settlement_char(int c) { return c == 210 || c == 211 || c == 239; }

int createsocarea(int x, int y, int flags) {
    const unsigned had = Mapinfo_socID(x, y);
    if (had) return (int)had;
    const unsigned id = crID();
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) {
            const int cx = x + dx, cy = y + dy;
            if (!(dx == 0 && dy == 0) && (!settlement_char(get_alltime_maailmachar(cx, cy)) || Mapinfo_socID(cx, cy)))
                continue;
            Mapinfo_setsocID(cx, cy, id);
            Mapinfo_setbfsocmaint(cx, cy, flags);
        }
    if (Mapinfo_socID(x, y) != id) return 0;   // no room for the cell's record
    GetGlobVil((int)id);
    globVil.centre_x = x;
    globVil.centre_y = y;
    SaveGlobVil();
    return (int)id;
}

int isloc_soccenter(int soc, int wx, int wy) {
    if (soc == 0 || !GetGlobVil(soc)) return 0;
    if (globVil.centre_x == wx && globVil.centre_y == wy) return 1;
    if (globVil.centre_x == 0 && globVil.centre_y == 0 && on_kyla(wx, wy, 1)) return 1;
    for (int i = 0; i < 10; i++)
        if (globVil.centres_x[i] != 0 && globVil.centres_x[i] == wx && globVil.centres_y[i] == wy) return 1;
    return 0;
}

// Cells to the nearest centre; 1000 when the village has none on record.
int locdist_soccenter(int soc, int wx, int wy) {
    if (!GetGlobVil(soc)) return 1000;
    if (globVil.centre_x == wx && globVil.centre_y == wy) return 0;
    int best = 1000;
    if (globVil.centre_x != 0 || globVil.centre_y != 0) best = koordinaattien_vali(wx, wy, globVil.centre_x, globVil.centre_y);
    for (int i = 0; i < 10; i++)
        if (globVil.centres_x[i] != 0) {
            const int d = koordinaattien_vali(wx, wy, globVil.centres_x[i], globVil.centres_y[i]);
            if (d < best) best = d;
        }
    return best;
}
