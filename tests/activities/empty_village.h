// tests/activities/empty_village.h -- the world cell she stands in made the centre of a village with
// nobody living in it, and its mischief flag read back.
#pragma once
#include "core/player.h"
#include "core/records.h"
#include "core/vilrecord.h"
#include "maps/kulttuuri.h"
#include "maps/mapunit.h"
#include "maps/marker.h"

#include <cstring>

namespace oxatest {

inline void empty_village_here(int soc) {
    const int wx = kohtaIsoX(PlayerX), wy = kohtaIsoY(PlayerY);
    set_alltime_kulttuuri(wx, wy, 0);
    Mapinfo_setsocID(wx, wy, (unsigned)soc);
    GetGlobVil(soc);
    globVil.centre_x = IsoX();
    globVil.centre_y = IsoY();
    memset(globVil.people, 0, sizeof globVil.people);
    globVil.mischief = 0;
    SaveGlobVil();
}

inline int village_mischief(int soc) {
    GetGlobVil(soc);
    return globVil.mischief;
}

}  // namespace oxatest
