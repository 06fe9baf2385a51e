// src/activities/tracking.cpp -- tracks and tracking: the tracks creatures leave as they move, how
// they merge on a square and wear it into a path, reading them with the TRACKING skill on the local
// map and on the world map, and their ageing.
#include "activities/tracking.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "activities/actions.h"
#include "creatures/skills.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/harnrule.h"
#include "core/notes.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "core/weather.h"
#include "core/creatures.h"
#include "creatures/lifeask.h"
#include "creatures/cremove.h"
#include "creatures/people.h"
#include "creatures/physical.h"
#include "creatures/predicates.h"
#include "maps/area.h"
#include "maps/directions.h"
#include "maps/facing.h"
#include "maps/mapdraw.h"
#include "maps/mapload.h"
#include "maps/mapquery.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "maps/zoomstore.h"
#include "core/tehtavat.h"
#include "core/player.h"
#include "core/worldservices.h"

int LastTrackingX, LastTrackingY;

enum { CH_TRAMPLED = 237, TASK_TRACKS_READ = 25 };
// The window of a stored local map searched from the world map: the middle of the cell, bounded the
// same way in x and in y.
enum { WORLD_SEARCH_LO = 18, WORLD_SEARCH_HI = 46, WORLD_FRESH_MINUTES = 61 };

static bool valid_record(int n) { return n >= 0 && n < DATA_MAX; }

// ---- reading tracks ---------------------------------------------------------------------------------

const char *Jalkien_Tuoreus(unsigned stamp) {
    const unsigned age = Plr.minutes > stamp ? Plr.minutes - stamp : 0;
    if (age < 15) return "very fresh";
    if (age < 30) return "fresh";
    const unsigned hours = age / 60;
    if (hours == 0) return "quite fresh";
    if (hours < 3) return "an hour old";
    if (hours < 5) return "some hours old";
    if (hours < 13) return "half a day old";
    const unsigned days = hours / 24;
    if (days < 2) return "day old";
    if (days < 4) return "few days old";
    return "old";
}

int Tutki_Datajaljet(int, int, DataStruct track) {
    const int mode = PlayerX == LastTrackingX && PlayerY == LastTrackingY ? LEARN_NONE : LEARN_NORMAL;
    Kayta_Taitoa(0, 0, "TRACKING", mode);
    LastTrackingX = PlayerX;
    LastTrackingY = PlayerY;

    char kind[40] = "";
    if (track.owner & TRACK_LIMPING) copy_bounded(kind, sizeof kind, "limping ");
    else if ((track.owner & TRACK_RUNNING) && !(track.owner & TRACK_RUN_HIDDEN)) copy_bounded(kind, sizeof kind, "running ");
    bprintf(kind + strlen(kind), sizeof kind - strlen(kind), "tracks");

    char who[80];
    if (track.id == 0 || track.id >= (uint32_t)CONSTANTCRE_COUNT) {
        copy_bounded(who, sizeof who, "unknown");
    } else {
        const char *size = (track.owner & TRACK_BIG) ? "big " : (track.owner & TRACK_SMALL) ? "small " : "";
        const CreatureStruct &t = ConstantCre[track.id];
        char species[sizeof t.species + 1];
        memcpy(species, t.species, sizeof t.species);
        species[sizeof t.species] = 0;
        bprintf(who, sizeof who, "%s%s", size, t.kind == CK_HUMAN ? "human" : StrLwr(species));
    }
    char line[300];
    int n = snprintf(line, sizeof line, "You notice here %s %s %s", Jalkien_Tuoreus(track.spent_minutes), who, kind);
    if (n < 0) n = 0;
    if (n >= (int)sizeof line) n = (int)sizeof line - 1;
    if (track.flags & TRACK_NUMEROUS) snprintf(line + n, sizeof line - (size_t)n, " %s.", "which are numerous and mixed");
    else if (track.flags & TRACK_MIXED) snprintf(line + n, sizeof line - (size_t)n, " %s.", "mixed with some other unclear tracks");
    else snprintf(line + n, sizeof line - (size_t)n, " leading to %s.", Ilmansuunta[track.flags & TRACK_DIR]);
    Note(line);

    DebugNotef("Jaljen vahvuus: %d", track.extra);
    DebugNotef("Age in days: %u", (Plr.minutes > track.spent_minutes ? Plr.minutes - track.spent_minutes : 0) / 1440);
    DebugNotef("Jaljen COUNT: %d", track.count);
    world_services.course_task_check(TASK_TRACKS_READ);
    return 1;
}

int Tutki_Jaljet(int x, int y, int report) {
    if (report && avovesi(x, y)) {
        Note(MSG(vesisyvyys(x, y) < 3 ? "TRACKING_GOOF_SHALLOW" : "TRACKING_GOOF_DEEP"));
        return 0;
    }
    const int here = get_datatype(DT_TRACKS, x, y);
    if (here >= 0 && !(Data[here].flags & TRACK_UNNOTICED)) return Tutki_Datajaljet(x, y, Data[here]);

    bool found_here = false, found_near = false;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (d.type != DT_TRACKS || !(d.flags & TRACK_UNNOTICED)) continue;
        if (koordinaattien_vali(d.x, d.y, PlayerX, PlayerY) > 1 || !See(d.x, d.y)) continue;
        d.flags = (uint8_t)(d.flags & ~TRACK_UNNOTICED);
        if (d.x == PlayerX && d.y == PlayerY) found_here = true;
        else found_near = true;
    }
    if (found_here) {
        DrawMap();
        Note(MSG("TRACKS_FOUND"));
    }
    if (here >= 0) {
        Tutki_Datajaljet(x, y, Data[here]);
        if (found_near) {
            DrawMap();
            Note(MSG("TRACKS_FOUND_NEARBY"));
        }
        if (found_here || found_near) Kayta_Taitoa(0, 0, "TRACKING", LEARN_TWELVE);
        return 1;
    }
    if (found_near) {
        DrawMap();
        Note(MSG("TRACKS_FOUND_NEARBY"));
        Kayta_Taitoa(0, 0, "TRACKING", LEARN_TWELVE);
        return 1;
    }
    if (found_here) Kayta_Taitoa(0, 0, "TRACKING", LEARN_TWELVE);
    else if (report) Note(MSG("TRACKS_NOT_FOUND"));
    return 0;
}

int PlrSeeTrackDATA(int record) {
    if (!valid_record(record)) return 0;
    const DataStruct &d = Data[record];
    return d.type == DT_TRACKS && !(d.flags & TRACK_UNNOTICED) && koordinaattien_vali(PlayerX, PlayerY, d.x, d.y) <= 5;
}

// ---- the world map ------------------------------------------------------------------------------

// The freshest track in the middle of the stored local map now in Zoom; -1 none.
static int freshest_stored_track() {
    int best = -1;
    for (int i = 0; i < ZOOM_RECORDS; i++) {
        const DataStruct &d = Zoom.data[i];
        if (d.type != DT_TRACKS) continue;
        if (d.x < WORLD_SEARCH_LO || d.x > WORLD_SEARCH_HI || d.y < WORLD_SEARCH_LO || d.y > WORLD_SEARCH_HI) continue;
        if (best < 0 || d.spent_minutes > Zoom.data[best].spent_minutes) best = i;
    }
    return best;
}

void Tracking_IsoKartta(int mode) {
    if (!bigmap()) return;
    const bool water = worldmap_avovesi(PlayerX, PlayerY) != 0;
    if (water && mode == 0) {
        Note(MSG("TRACKING_GOOF_DEEP"));
        return;
    }
    if (!water && mode == 0) {
        Note("You walk around a little looking for tracks...");
        if (!basicspend(5, "TRACKING")) return;
        world_services.surroundings(1);
        Siirra_Zoomympariston_Tapahtumat();
    }
    const int wx = IsoX(), wy = IsoY();
    int found = -1;
    if (ZoomMapPos(wx, wy) && load_zoommap(wx, wy)) found = freshest_stored_track();
    if (found < 0) {
        if (mode == 0) Note(MSG("TRACKS_NOT_FOUND"));
        return;
    }
    const DataStruct track = Zoom.data[found];
    const uint32_t age = Plr.minutes > track.spent_minutes ? Plr.minutes - track.spent_minutes : 0;
    if (mode == 1) {
        if (age >= (uint32_t)WORLD_FRESH_MINUTES) return;
        Note(":As roaming ahead something suddenly captures your attention.");
    }
    Tutki_Datajaljet(track.x, track.y, track);
    KARTANLATAUS_X = track.x;
    KARTANLATAUS_Y = track.y;
    KARTANLATAUSTAPA = 8;
    if (mode == 1) Pause();
}

// ---- ageing ---------------------------------------------------------------------------------------

void trackmaint() {
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_TRACKS) continue;
        const bool old = Plr.minutes > d.spent_minutes && Plr.minutes - d.spent_minutes > (uint32_t)TRACK_MAX_AGE;
        if (old || avovesi(d.x, d.y)) CrunchData(i);
    }
    Siivoa_DATA();
    tracks_forget();
}
