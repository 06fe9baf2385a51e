// src/worldgen/arrival.cpp -- the words and the picture that greet the player zooming in: the place's
// own kind, or what lies ahead when that is more striking (a lake, a river, the sea, the mountains).
#include "worldgen/arrival.h"

#include <cstdio>
#include <cstring>

#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "base/strupr.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapdesc.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/mapload.h"
#include "maps/movement.h"
#include "core/notes.h"
#include "core/player.h"
#include "base/ui.h"
#include "core/culture.h"

static const char *culture_adjective(int c) { return CULTURE_ADJECTIVE[culture_row(c)]; }

// The picture of a world place, as the map border shows it; none for plain ground.
static void place_picture(int x, int y, char *out, int size) {
    copy_bounded(out, (size_t)size, KUVA_isokarttapaikka(x, y));
    if (strstr(out, "ground")) out[0] = 0;
}

static int own_homestead(int x, int y) {
    const int k = zoomextra_kohta(x, y);
    if (k < 0) return 0;
    const ZoomExtraStruct &z = ZoomExtra[k];
    return z.x == (uint16_t)x && z.y == (uint16_t)y && (z.dwelling & 4);
}

void arrival_choice(int mode, char *text, int textsize, char *picture, int picsize, int *lahesty) {
    text[0] = 0;
    *lahesty = 0;
    const int x = PlayerX, y = PlayerY;
    const int c = get_alltime_maailmachar(x, y);
    const int ahead = get_alltime_maailmachar(x + Heds_x(PlayerDir), y + Heds_y(PlayerDir));
    const int prev = get_alltime_maailmachar(PrevX, PrevY);
    place_picture(x, y, picture, picsize);
    int show = 0;
    const char *own = nullptr;
    if (c == 210 || c == 239) {
        const char *adj = culture_adjective(get_alltime_kulttuuri(x, y));
        const bool vowel = strchr("aeiouAEIOU", adj[0]) != nullptr;
        snprintf(text, (size_t)textsize,
                 "You shake the needles from your shoulders and come forward among the people. You are entering "
                 "%s %s village...",
                 vowel ? "an" : "a", adj);
        show = 1;
    } else if (c == 86 || c == 211) {
        const char *adj = culture_adjective(get_alltime_kulttuuri(x, y));
        const bool vowel = strchr("aeiouAEIOU", adj[0]) != nullptr;
        snprintf(text, (size_t)textsize,
                 "You shake the needles from your shoulders and come forward among the people. You are entering "
                 "%s %s settlement...",
                 vowel ? "an" : "a", adj);
        show = 1;
    } else if (own_homestead(x, y)) {
        copy_bounded(text, (size_t)textsize, "You have come at your settlement and enter the familiar and cosy courtyard.");
        show = 1;
    } else if (c == 30) {
        copy_bounded(text, (size_t)textsize, "You enter into a camp with few quickly built settlements.");
        picture[0] = 0;
    } else {
        switch (c) {
        case 60: own = "The mountainside here reveals an entrance to cave."; show = 1; break;
        case 94: own = "Here, by the mountains, where the bones of the earth rise high towards the sky "; show = 1; break;
        case 235: case 238:
            own = "Branches bend and curve above your head here in the majestic temple of the ageless forest as ";
            show = 1;
            break;
        case 246: own = "The lake here is resting under a thick ice cover "; break;
        case 250: picture[0] = 0; break;
        default: break;
        }
        if (own) copy_bounded(text, (size_t)textsize, own);
        if (ahead != c) {
            const char *far = nullptr;
            if (terrain_flag(ahead, TF_WATER))
                far = "By this lake, where the surface of the water reflects images of both you and the skies above, ";
            if (terrain_flag(ahead, TF_FLOWING)) far = "You hear the river flowing peacefully ahead as ";
            if (ahead == CH_RAPIDS) far = "The sound of the surging rapids ahead fills your ears as ";
            if (ahead == CH_SEA || ahead == CH_SHALLOW_SEA) far = "By the sea ahead ";
            if (ahead == 94) far = "By the mountains ahead ";
            if (ahead == CH_FORD) far = "By the ford ahead ";
            char far_picture[40];
            place_picture(x + Heds_x(PlayerDir), y + Heds_y(PlayerDir), far_picture, sizeof far_picture);
            if (far && far_picture[0]) {
                copy_bounded(text, (size_t)textsize, far);
                copy_bounded(picture, (size_t)picsize, far_picture);
                show = 1;
                *lahesty = terrain_flag(prev, TF_WATER) ? 0 : 1;
            }
        }
    }
    if (picture[0] && !text[0] && mode != 2) {
        char desc[81];
        copy_bounded(desc, sizeof desc, terrain_desc(c));
        strlwr(desc);
        // "bushes", "rapids": a name ending in a single s is many of a kind
        const size_t n = strlen(desc);
        const bool many = n >= 2 && desc[n - 1] == 's' && desc[n - 2] != 's';
        snprintf(text, (size_t)textsize, "There %s %s here and ", many ? "are" : "is", desc);
    }
    const size_t len = strlen(text);
    if (len && text[len - 1] == ' ') {
        if (mode == 0) strncat(text, "you take a closer look at this area.", (size_t)textsize - len - 1);
        else if (mode == 1) strncat(text, "you encounter something.", (size_t)textsize - len - 1);
    }
    if (!show) picture[0] = 0;   // the place is told of; only a striking one is shown
}

const char *arrival_picture_path(const char *picture, char *buf, int size) {
    if (strstr(picture, "terrain-")) snprintf(buf, (size_t)size, "truegfx/%s%s", picture, strchr(picture, '.') ? "" : ".png");
    else snprintf(buf, (size_t)size, "truegfx/%s_400x300.jpg", picture);
    return buf;
}

static void show_picture(const char *picture) {
    if (!GRAPH_INIT) return;
    char path[200];
    arrival_picture_path(picture, path, sizeof path);
    ui_arrival_picture(path);
}

void scene_make(int mode, int) {
    if (!bigmap() || ZoomRenew) return;
    char text[400], picture[64];
    int lahesty = 0;
    arrival_choice(mode, text, sizeof text, picture, sizeof picture, &lahesty);
    ZOOMEXTRA_Lahesty = lahesty;
    if (text[0]) Note(text);
    if (picture[0]) {
        PIC_SHOW = 1;
        show_picture(picture);
    }
}
