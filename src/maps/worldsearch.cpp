// Searches over the world map and the current map. They read the layers and change nothing but
// their own results.
#include "maps/worldsearch.h"

#include <cmath>
#include <cstdlib>

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "core/creatures.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/rooms.h"
#include "maps/zoomstore.h"
#include "core/vilrecord.h"

int X_Karttamerkki = -1, Y_Karttamerkki = -1, Etaisyys_Karttamerkki = 1000, Suunta_Karttamerkki;
int xypool[XYPOOL_SIZE][2];
int xypool_count;

enum { VILLAGE_CANDIDATES = 10, PLACE_CANDIDATES = 100 };

static int world(int x, int y) { return get_alltime_maailmachar(x, y); }
static bool world_water(int x, int y) { return terrain_flag(world(x, y), TF_WATER) != 0; }

// The chars that end a walk over the land.
static bool ends_land_walk(int c) { return (c >= CH_SEA && c <= CH_SHALLOW_WATER) || c == CH_WADE_WATER; }

int isokartta_saari(int x, int y) {
    int water = 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++)
            if ((dx || dy) && world_water(x + dx, y + dy)) water++;
    if (water == 8) return 1;

    int land = 0;
    const int west = x - 24 > 1 ? x - 24 : 1, east = x + 24 < 3071 ? x + 24 : 3071;
    const int north = y - 24 > 1 ? y - 24 : 1;
    for (int xx = x; xx >= west && !ends_land_walk(world(xx, y)); xx--) land++;
    for (int xx = x; xx <= east && !ends_land_walk(world(xx, y)); xx++) land++;
    for (int yy = y; yy >= north && !ends_land_walk(world(x, yy)); yy--) land++;
    // The southward walk looks at the start cell alone.
    if (!ends_land_walk(world(x, y))) land++;
    return land;
}

// Rows and columns of a search square, clipped to the grid (upper bounds exclusive).
struct Span {
    int lo, hi;
};
static Span clip(int lo, int hi, int limit) { return {lo < 0 ? 0 : lo, hi > limit ? limit : hi}; }

int Etsi_Karttamerkki(int c, int x, int y, int size, int inner) {
    X_Karttamerkki = Y_Karttamerkki = -1;
    Etaisyys_Karttamerkki = 1000;
    const int h = size / 2;
    const Span rows = clip(y - h, y + h, WORLD_H), cols = clip(x - h, x + h, WORLD_W);
    int found = 0;
    for (int row = rows.lo; row < rows.hi; row++)
        for (int col = cols.lo; col < cols.hi; col++) {
            const int dx = abs(col - x), dy = abs(row - y);
            if (dx < inner && dy < inner) continue;   // the centre square stays out, not its rows and columns
            if (maailma_alltime[mapidx(col, row)] != c) continue;
            found++;
            const int d = Kulma_Ilmansuunnaksi(std::ceil(calcAngle(x, y, col, row)));
            int dist;
            if (d == 0 || d == 4)
                dist = dx + dy / 2;
            else if (d == 2 || d == 6)
                dist = dy + dx / 2;
            else
                dist = (dx + dy) / 2;
            if (dist < Etaisyys_Karttamerkki) {
                Etaisyys_Karttamerkki = dist;
                X_Karttamerkki = col;
                Y_Karttamerkki = row;
                Suunta_Karttamerkki = d;
            }
        }
    return found;
}

// Candidates of a search; the first entry is (0, 0), the answer when nothing was found.
struct Candidates {
    UiPoint at[PLACE_CANDIDATES + 1];
    int count = 0;
    int limit;
    explicit Candidates(int max) : limit(max) { at[0] = UiPoint{0, 0}; }
    bool full() const { return count >= limit; }
    void add(int x, int y) {
        if (!full()) at[count++] = UiPoint{x, y};
    }
    UiPoint pick() const { return count ? at[random(count)] : UiPoint{0, 0}; }
};

static bool village_suits(int col, int row, unsigned flags, int culture) {
    const int c = maailma_alltime[mapidx(col, row)];
    if (c != 210 && c != 239) return false;
    const int cult = get_alltime_kulttuuri(col, row);
    if (cult == 11) return false;
    if ((flags & BIGLOC_CULTURE) && cult != culture) return false;
    if (ZoomMapPos(col, row) != 0) {
        const unsigned soc = Mapinfo_socID(col, row);
        if (soc != 0 && socpopulation((int)soc) < 6) return false;
    }
    return true;
}

UiPoint FindBigmapVillage(int x, int y, int rmin, int rmax, unsigned flags, int culture) {
    Candidates found(VILLAGE_CANDIDATES);
    const Span rows = clip(y - rmax, y + rmax + 1, WORLD_H), cols = clip(x - rmax, x + rmax + 1, WORLD_W);
    for (int row = rows.lo; row < rows.hi && !found.full(); row++)
        for (int col = cols.lo; col < cols.hi && !found.full(); col++) {
            if (abs(col - x) < rmin && abs(row - y) < rmin) continue;
            if (!village_suits(col, row, flags, culture)) continue;
            found.add(col, row);
            col += 6;   // the scan goes on 6 columns right and 5 rows down
            row += 5;
            if (row >= rows.hi) break;
        }
    return found.pick();
}

// Three cells in a line all equal to `c`.
static bool line_of(int x0, int y0, int sx, int sy, int c) {
    for (int k = -1; k <= 1; k++)
        if (world(x0 + k * sx, y0 + k * sy) != c) return false;
    return true;
}

// A cell on a straight border between two terrains.
static bool terrain_edge(int x, int y, unsigned flags) {
    const int c = world(x, y);
    if (Bigmap_Luontotyyppi(x, y) & 0x1800) return false;
    if (flags & BIGLOC_SPRUCEMIRE) {
        if (c != 235) return false;
    } else {
        bool near_spruce = false, near_conifer = false;
        for (int dy = -1; dy <= 1; dy++)
            for (int dx = -1; dx <= 1; dx++) {
                near_spruce |= world(x + dx, y + dy) == 235;
                near_conifer |= world(x + dx, y + dy) == 15;
            }
        if ((c == 235 && near_conifer) || (c == 15 && near_spruce)) return false;
    }
    if (!line_of(x, y, 1, 0, c) && !line_of(x, y, 0, 1, c)) return false;
    const int below = world(x, y + 1), right = world(x + 1, y), left = world(x - 1, y);
    return (below != c && line_of(x, y + 1, 1, 0, below)) || (right != c && line_of(x + 1, y, 0, 1, right)) ||
           (left != c && line_of(x - 1, y, 0, 1, left));
}

static bool place_suits(int col, int row, unsigned flags, int culture, int c) {
    if (world_water(col, row)) return false;
    if ((flags & BIGLOC_CULTURE) && get_alltime_kulttuuri(col, row) != culture) return false;
    if (flags & BIGLOC_ISLAND) {
        if (terrain_flag(world(col, row), TF_MIRE)) return false;
        if (isokartta_saari(col, row) != 1) return false;
    } else {
        if (c != 0 ? world(col, row) != c : !terrain_edge(col, row, flags)) return false;
        if (isokartta_saari(col, row) < 15) return false;
    }
    return !is_settled_area(col, row, 10) && ZoomMapPos(col, row) == 0;
}

UiPoint FindBigmapLoc(int x, int y, int rmin, int rmax, unsigned flags, int culture, int c) {
    Candidates found(PLACE_CANDIDATES);
    const Span rows = clip(y - rmax, y + rmax + 1, WORLD_H), cols = clip(x - rmax, x + rmax + 1, WORLD_W);
    for (int row = rows.lo; row < rows.hi && !found.full(); row++)
        for (int col = cols.lo; col < cols.hi && !found.full(); col++) {
            if (abs(col - x) < rmin || abs(row - y) < rmin) continue;
            if (!place_suits(col, row, flags, culture, c)) continue;
            found.add(col, row);
            col += 6;
            row += 5;
            if (row >= rows.hi) break;
        }
    return found.pick();
}

UiPoint PenLocation(int, int species) {
    UiPoint at = {0, 0};
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_CREATURE || !is_datapos_OLENTO(i, species)) continue;
        at = UiPoint{Data[i].x, Data[i].y};
        int fences = 0;
        for (int k = -10; k <= 9; k++) {
            fences += get_mapchar(at.x + k, at.y) == '*';
            fences += get_mapchar(at.x, at.y + k) == '*';
        }
        if (fences > 3) break;
    }
    return at;
}

UiPoint IndoorLocation(int x, int y) {
    if (bigmap()) return UiPoint{0, 0};
    const UiRect r = bigxy_zoomrect(x, y);
    Candidates found(PLACE_CANDIDATES);
    for (int row = r.y; row < r.y + r.h && !found.full(); row++)
        for (int col = r.x; col < r.x + r.w && !found.full(); col++) {
            const int c = get_mapchar(col, row);
            if (c == '_' || c == '(') found.add(col, row);
        }
    return found.pick();
}

int getaheadxy(int n, int *x, int *y) {
    int px, py, dir;
    if (n == CRE_PLAYER) {
        px = PlayerX;
        py = PlayerY;
        dir = PlayerDir;
    } else if (n >= 0 && n < CRE_COUNT) {
        px = cre_x(n);
        py = cre_y(n);
        dir = Cre[n].Suunta;
    } else {
        *x = *y = 0;
        return CH_BLANK;
    }
    *x = px + Heds_x(dir);
    *y = py + Heds_y(dir);
    return get_mapchar(*x, *y);
}

void xypool_reset() {
    xypool_count = 0;
    for (auto &p : xypool) p[0] = p[1] = 0;
}

void xypool_addxy(int x, int y) {
    if (xypool_count >= XYPOOL_SIZE - 1) return;
    xypool[xypool_count][0] = x;
    xypool[xypool_count][1] = y;
    xypool_count++;
}

void xypool_rndxy(int *x, int *y) {
    const int k = random(xypool_count);
    *x = xypool[k][0];
    *y = xypool[k][1];
}
