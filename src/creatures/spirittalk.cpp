// src/creatures/spirittalk.cpp -- the forest spirit's words (see spirittalk.h).
#include "creatures/spirittalk.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/ownlib.h"
#include "core/creatures.h"
#include "core/player.h"
#include "creatures/predicates.h"
#include "maps/directions.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/spiritdata.h"

const char *talkline_Metsanhaltija() {
    static char line[400];
    const int m = get_SpiritData_mood(PlayerX, PlayerY, SPIRIT_OF_FOREST);
    char key[40];
    if (m < -4) snprintf(key, sizeof key, "FORESTSPIRIT_ANGRY_%d", random(3) + 1);
    else if (m >= 3) {
        const int r = random(5);
        snprintf(key, sizeof key, "FORESTSPIRIT_GLAD_%d", r > 2 ? 3 : r + 1);
    } else snprintf(key, sizeof key, "FORESTSPIRIT_SAYS_%d", random(3) + 1);
    copy_bounded(line, sizeof line, spirit_words(key));
    CreatureStruct game;
    int gx, gy;
    if (m > 14 && find_BigMapGame(0, &game, &gx, &gy)) {
        char species[sizeof game.species + 1], animal[64];
        copy_bounded(species, sizeof species, game.species);
        for (char *p = species; *p; p++) *p = (char)tolower((unsigned char)*p);
        snprintf(animal, sizeof animal, "%s %s", strchr("aeiou", species[0]) && species[0] ? "an" : "a", species);
        // The game is a herd of the world map within 20 cells of hers, or a creature of her local area.
        const int wx = IsoX(), wy = IsoY();
        const bool world = abs(gx - wx) <= 20 && abs(gy - wy) <= 20;
        char dir[64];
        copy_bounded(dir, sizeof dir, navitxt_Dir(world ? wx : PlayerX, world ? wy : PlayerY, gx, gy, NAVI_BARE));
        const int r = random(3);
        snprintf(key, sizeof key, "FORESTSPIRIT_HINT_%d", r + 1);
        copy_bounded(line, sizeof line, r < 2 ? spirit_words(key, animal, dir) : spirit_words(key, dir, animal));
    }
    return line;
}
