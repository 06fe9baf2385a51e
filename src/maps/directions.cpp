// src/maps/directions.cpp -- compass and relative directions and the navigation phrases people and
// quests use to tell the player where things are.
#include "maps/directions.h"

#include "core/datafunc.h"
#include "core/oxa.h"
#include "base/ownlib.h"
#include "core/creatures.h"
#include "maps/area.h"
#include "maps/mapdesc.h"
#include "maps/mapunit.h"
#include "maps/sight.h"
#include "core/tekstit.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

const char *Ilmansuunta[8] = {"east", "north-east", "north", "north-west", "west", "south-west", "south", "south-east"};

int reldir(int who, int x, int y) {
    int fx, fy, heading;
    if (who == CRE_PLAYER) {
        fx = PlayerX;
        fy = PlayerY;
        heading = PlayerDir;
    } else {
        if (who < 0 || who >= CRE_COUNT) return 0;
        fx = cre_x(who);
        fy = cre_y(who);
        heading = Cre[who].Suunta;
    }
    if (heading < 0 || heading > 7) return 0;
    // Both are 0..7: adding 8 keeps the remainder positive.
    return (koordSuunta(fx, fy, x, y) - heading + 8) % 8;
}

char *navitxt_Dir(int x1, int y1, int x2, int y2, int flags) {
    const int dx = abs(x2 - x1), dy = abs(y2 - y1);
    const int d = koordSuunta(x1, y1, x2, y2);
    TARGET_DIR = d;
    const bool straight = dx == 0 || dy == 0 || dx == dy;
    char *out = sbuf();
    bprintf(out, SBUF_SIZE, "%s%s%s%s", !(flags & (NAVI_NO_DIRECTLY | NAVI_BARE)) && straight ? "directly " : "",
            (flags & NAVI_BARE) ? "" : "in the ", Ilmansuunta[d], (flags & NAVI_FROM_HERE) ? " from here" : "");
    return out;
}

// The walking time of a distance in world cells (30 or more); cells keep the limits exact.
static const char *walk_words(int cells) {
    static const struct {
        int upto;
        const char *words;
    } walks[] = {{60, "few hours walk"},          {100, "half a day's walk"},   {200, "a day's walk"},
                 {300, "around two day's walk"},  {400, "two day's walk"},      {500, "around three day's walk"},
                 {600, "three day's walk"},       {800, "four day's walk"},     {1000, "five day's walk"},
                 {1200, "six day's walk"},        {1400, "a week's walk"}};
    for (const auto &w : walks)
        if (cells <= w.upto) return w.words;
    return "over a week's walk";
}

char *navitxt_Dist(int x1, int y1, int x2, int y2, int flags) {
    const int dx = abs(x2 - x1), dy = abs(y2 - y1);
    const int cells = dx > dy ? dx : dy;   // a world cell is 100 metres: ten to a kilometre
    char *out = sbuf();
    if (cells < 10)
        bprintf(out, SBUF_SIZE, "less than a kilometer");
    else if (cells < 30)
        bprintf(out, SBUF_SIZE, "just a couple of kilometers");
    else if (!(flags & NAVI_WALKING))
        bprintf(out, SBUF_SIZE, "about %d kilometers", (cells + 9) / 10);
    else {
        int atleast = 10 * ((cells + 99) / 100);
        if (atleast == 0) atleast = 10;
        bprintf(out, SBUF_SIZE, "%s or at least %d kilometers", walk_words(cells), atleast);
    }
    if (flags & NAVI_AWAY) {
        const size_t n = strlen(out);
        bprintf(out + n, SBUF_SIZE - n, " away");
    }
    return out;
}

char *navitxt_Full(int x1, int y1, int x2, int y2, int flags) {
    char *out = sbuf();
    const char *dir = navitxt_Dir(x1, y1, x2, y2, flags);
    const char *dist = navitxt_Dist(x1, y1, x2, y2, flags);
    bprintf(out, SBUF_SIZE, "%s, %s", dir, dist);
    return out;
}

// The world character of a cell; outside the world a blank.
static int world_char(int x, int y) { return in_grid(x, y) ? get_alltime_maailmachar(x, y) : CH_BLANK; }

static void lower_desc(int c, char *out, size_t size) {
    copy_bounded(out, size, terrain_desc(c));
    for (char *p = out; *p; p++) *p = (char)tolower((unsigned char)*p);
}

char *navitxt_Area(int x, int y) {
    const int c = world_char(x, y);
    int same = 0;
    for (int j = y - 5; j <= y + 5; j++)
        for (int i = x - 5; i <= x + 5; i++) same += world_char(i, j) == c;
    const char *size = same > 59 ? "large " : same < 5 ? "tiny " : same < 15 ? "small " : "";

    // The sides in order north, south, east, west: a side counts when its three cells hold one other
    // terrain; the last that counts wins.
    static const char *sides[4] = {"north", "south", "east", "west"};
    int border = -1, other = 0;
    for (int s = 0; s < 4; s++) {
        int cells[3];
        for (int k = -1; k <= 1; k++) {
            const int cx = s == 2 ? x + 1 : s == 3 ? x - 1 : x + k;
            const int cy = s == 0 ? y - 1 : s == 1 ? y + 1 : y + k;
            cells[k + 1] = world_char(cx, cy);
        }
        if (cells[1] != c && cells[0] == cells[1] && cells[2] == cells[1]) {
            border = s;
            other = cells[1];
        }
    }
    char own[100], theirs[100];
    lower_desc(c, own, sizeof own);
    char *out = sbuf();
    if (border >= 0) {
        lower_desc(other, theirs, sizeof theirs);
        bprintf(out, SBUF_SIZE, "border location of %s%s area right next to %s in the %s", size, own, theirs, sides[border]);
    } else {
        bprintf(out, SBUF_SIZE, "%s%s area", size, own);
    }
    return out;
}

char *navitxt_WorldLocation(int x, int y) {
    char *out = sbuf();
    const char *where = terdesc(x, y, 1);
    const char *region = HaetunAlueenKuvaus(x, y);
    bprintf(out, SBUF_SIZE, "%s %s", where, region);
    return out;
}
