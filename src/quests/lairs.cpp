// src/quests/lairs.cpp -- what the quests hide and place in the world: treasures in caves, on cliffs
// and on islands, and robbers' camps. Each works on the stored local map of its world cell and leaves
// the local map in hand as it found it.
#include "quests/lairs.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/tags.h"
#include "core/notes.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapdesc.h"
#include "maps/mapunit.h"
#include "maps/worldsearch.h"
#include "maps/zoomstore.h"
#include "quests/questgen_int.h"
#include "core/culture.h"
#include "worldgen/localgen.h"
#include "worldgen/worldgen.h"

char TREASURESTR_aarretyyppi[100];
char TREASURESTR_aarrenimi[100];
char TREASURESTR_piilotuskohta[100];
char TREASURESTR_piilotustapa[100];
char TREASURESTR_missapain[100];
char TREASURESTR_aarrepaikka[100];

// The local map of world cell x, y, made when it was never stored, loaded into Zoom; `lay` puts its
// things there and the map is stored again. Zoom holds what it held before whatever happens.
template <class Lay> static bool work_on_cell(int x, int y, Lay lay) {
    static ZoomStruct kept;
    memcpy(&kept, &Zoom, sizeof kept);
    const bool done = spotgenerate(x, y, 0) && load_zoommap(x, y) && lay() && save_zoommap(x, y, 1);
    memcpy(&Zoom, &kept, sizeof Zoom);
    return done;
}

// ---- robbers' camps ----

enum { ROBBER_STAY_DAYS = 90, LAIR_SQUARE = 22, MB_LAIR_ROBBER = 4 };
enum { LAIR_NO_CAMP = 1, LAIR_CELL_CULTURE = 2 };

void robber_lair(int x, int y, int id, int culture, int robbers, int flags) {
    if (flags & LAIR_CELL_CULTURE) culture = get_alltime_kulttuuri(x, y);
    const bool placed = work_on_cell(x, y, [&] {
        if (!(flags & LAIR_NO_CAMP)) zoomscene_adventurers_camp(-1000, 0, "[camping]");
        for (int i = 0; i < robbers; i++) {
            static CreatureStruct robber;
            synnyta_IHMISOLENTO(robber, SPECIES_ROBBER, culture, id);
            robber.memberbits |= MB_LAIR_ROBBER;
            robber.home_x = x;
            robber.home_y = y;
            robber.leaveday = Plr.daynumber + ROBBER_STAY_DAYS;
            const int number = SaveNewRealCreature(robber);
            const int at = flags & LAIR_NO_CAMP ? LAIR_SQUARE : -1;
            aseta_data(at, at, DT_CREATURE, (uint32_t)number, 1);
        }
        return true;
    });
    char line[120];
    snprintf(line, sizeof line, "robber_lair: %d robbers of band %d at %d,%d %s", robbers, id, x, y,
             placed ? "placed" : "not placed: the cell's map could not be made");
    quest_debuglog(line);
}

// ---- treasures ----

enum { CH_CAVE = 60, CH_CLIFF = 93, PLACE_ISLAND = 4, TREASURE_TRIES = 5, CULTURE_OF_CELL = 255 };

static void clear_treasure_texts() {
    for (char *t : {TREASURESTR_aarretyyppi, TREASURESTR_aarrenimi, TREASURESTR_piilotuskohta,
                    TREASURESTR_piilotustapa, TREASURESTR_missapain, TREASURESTR_aarrepaikka})
        t[0] = 0;
}

// The terrain of a world cell in lower case.
static void terrain_lower(int x, int y, char *out, size_t size) {
    copy_bounded(out, size, terrain_desc(get_alltime_maailmachar(x, y)));
    strlwr(out);
}

UiPoint CreateTreasureLoc(int x, int y, int minDistance, int maxDistance, unsigned placeFlags, int culture,
                          char *tagText, size_t tagSize) {
    clear_treasure_texts();
    const char *given = tagText ? tagText : "";
    char typetag[TAG_VALUE_MAX + 3];
    const char *trstype = tag_value(given, "trstype", "");
    if (trstype[0]) snprintf(typetag, sizeof typetag, "[%s]", trstype);
    else copy_bounded(typetag, sizeof typetag, "[casual]");
    int wanted = atoi(tag_value(given, "trscult", "255"));

    UiPoint at = {0, 0};
    const char *placetags = "", *noun = "";
    char terrain[100] = "";
    for (int t = 0; t < TREASURE_TRIES && at.x == 0; t++) {
        switch (random(3)) {
        case 0:
            at = FindBigmapLoc(x, y, minDistance, maxDistance, placeFlags, culture, CH_CAVE);
            if (at.x == 0) break;
            copy_bounded(TREASURESTR_aarrepaikka, sizeof TREASURESTR_aarrepaikka, "in a cave");
            placetags = "[cave]";
            noun = "cave";
            break;
        case 1:
            at = FindBigmapLoc(x, y, minDistance, maxDistance, placeFlags, culture, CH_CLIFF);
            if (at.x == 0) break;
            copy_bounded(TREASURESTR_aarrepaikka, sizeof TREASURESTR_aarrepaikka, "on a cliff");
            placetags = "[chasm]";
            noun = "cliff";
            break;
        default:
            at = FindBigmapLoc(x, y, minDistance, maxDistance, placeFlags | PLACE_ISLAND, culture, 0);
            if (at.x == 0) break;
            terrain_lower(at.x, at.y, terrain, sizeof terrain);
            qgen_printf(TREASURESTR_aarrepaikka, sizeof TREASURESTR_aarrepaikka, "on a small %s island", terrain);
            placetags = "[pit] [triboulder]";
            noun = "island";
            break;
        }
    }
    if (at.x == 0) return UiPoint{0, 0};
    terrain_lower(at.x, at.y, terrain, sizeof terrain);

    char scene[200];
    snprintf(scene, sizeof scene, "%s %s", placetags, typetag);
    copy_bounded(TREASURESTR_piilotustapa, sizeof TREASURESTR_piilotustapa,
                 strstr(scene, "[cave]")  ? "hidden in the cave"
                 : strstr(scene, "[pit]") ? "buried in the ground"
                                          : "hidden somewhere around there");
    if (strstr(scene, "[cave]"))
        copy_bounded(TREASURESTR_piilotuskohta, sizeof TREASURESTR_piilotuskohta, "somewhere inside there");
    else if (strstr(scene, "[triboulder]"))
        copy_bounded(TREASURESTR_piilotuskohta, sizeof TREASURESTR_piilotuskohta,
                     "in the center of three adjacent boulders forming a triangle");
    else if (strstr(scene, "[chasm]"))
        qgen_printf(TREASURESTR_piilotuskohta, sizeof TREASURESTR_piilotuskohta, "within a deep chasm in the %s", terrain);

    if (wanted == CULTURE_OF_CELL || wanted < 0 || wanted >= CULTURE_COUNT) wanted = get_alltime_kulttuuri(at.x, at.y);
    const int treasure_culture = wanted;
    if (!work_on_cell(at.x, at.y, [&] { return zoomscene_treasure(scene, treasure_culture) != 0; })) {
        clear_treasure_texts();
        return UiPoint{0, 0};
    }
    const char *adjective =
        treasure_culture >= 0 && treasure_culture < CULTURE_COUNT ? CULTURE_ADJECTIVE[treasure_culture] : "unknown";
    qgen_printf(TREASURESTR_aarretyyppi, sizeof TREASURESTR_aarretyyppi, "casual wealth of %s origin", adjective);
    char area[100];
    copy_bounded(area, sizeof area, AlueenNimi(at.x, at.y, 1));
    qgen_printf(TREASURESTR_aarrenimi, sizeof TREASURESTR_aarrenimi, "treasure of %s %s", area, noun);
    copy_bounded(TREASURESTR_missapain, sizeof TREASURESTR_missapain, terdesc(at.x, at.y, 1));
    if (tagText && tagSize) copy_bounded(tagText, tagSize, scene);
    return at;
}

// ---- the treasure tale ----

enum { TALE_MAX_CULTURE = 9, KIND_TREASURE_TALE = 100 };
