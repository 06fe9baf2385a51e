// src/worldgen/settling.cpp -- the people of a settlement map: households of the dwellings, visitors
// of a village and the family forced into a nearly empty one.
#include "worldgen/settling.h"

#include "base/ownlib.h"
#include "core/records.h"
#include "maps/area.h"
#include "maps/maps.h"
#include "maps/zoomstore.h"
#include "worldgen/builders.h"
#include "worldgen/localgen.h"

enum { RAIDER_CULTURE = 11 };

int settle_person(int x, int y, int code) {
    // The map holds the person by the code of his kind; he is made, in the culture of the place and
    // at home in it, when the map is entered. A layout thrown away for a stored map leaves nobody.
    return aseta_data(x, y, DT_CREATURE, code, 1) >= 0 ? 1 : 0;
}

int Asukas_Isanta() {
    if (Kyla_Kulttuuri == RAIDER_CULTURE) return SETTLER_VILLAGER;
    return random(2) ? SETTLER_WOODSMAN : SETTLER_VILLAGER;
}

// One person for each chance that a draw of random(100) falls below (code 0: a master of the house),
// counted in `counter`. Answers 0 when a person could not be placed: the rest of the house stays out.
static int draws(int x, int y, const int (&chances)[3], int code, int *counter) {
    for (int chance : chances) {
        if (random(100) >= chance) continue;
        if (!settle_person(x, y, code ? code : Asukas_Isanta())) return 0;
        if (counter) ++*counter;
    }
    return 1;
}

void AsutaTalo(int x, int y) {
    if (Kyla_Kulttuuri == RAIDER_CULTURE) {
        AsutaNjerpezTalo(x, y);
        return;
    }
    const int px = x + 2, py = y + 2;
    if (ErakonTalo) {
        // A hermit lives alone: one old man, however many dwellings the homestead has.
        if (MiesLkm == 0 && settle_person(px, py, SETTLER_ELDER)) MiesLkm++;
        return;
    }
    static const int men[3] = {90, 65, 40}, women[3] = {90, 60, 30}, children[3] = {70, 50, 30},
                     elders[3] = {60, 40, 20};
    if (!draws(px, py, men, 0, &MiesLkm)) return;
    if (!draws(px, py, women, SETTLER_MISTRESS, &NaisLkm)) return;
    if (!draws(px, py, children, SETTLER_CHILD, nullptr)) return;
    draws(px, py, elders, SETTLER_ELDER, &MiesLkm);
}

void AsutaNjerpezTalo(int x, int y) {
    const int px = x + 2, py = y + 2;
    static const int raiders[4] = {90, 65, 40, 15}, women[3] = {90, 60, 30};
    for (int chance : raiders)
        if (random(100) < chance && !settle_person(px, py, SETTLER_RAIDER)) return;
    draws(px, py, women, SETTLER_MISTRESS, nullptr);
}

// A square of the map being built where a person can stand: no wall, window, fence, tree, water or
// fire on it.
static int can_stand(int x, int y) {
    if (x < 0 || y < 0 || x >= ZOOM_SIDE || y >= ZOOM_SIDE) return 0;
    const int c = Zoom.chars[y * ZOOM_SIDE + x];
    if (terrain_flag(c, TF_BLOCKS | TF_FENCE | TF_TREE | TF_WATER)) return 0;
    for (const DataStruct &d : Zoom.data)
        if (d.x == x && d.y == y && (d.type == DT_TREE || d.type == DT_FIRE)) return 0;
    return 1;
}

// Visitors and a forced family gather in the middle of the village: on 25, 25, or where a house, a
// fence or a tree stands there, on the nearest square a person can stand on.
static ZoomPos gathering_square() {
    const int g = SETTLEMENT_GATHERING;
    for (int r = 0; r < ZOOM_SIDE; r++)
        for (int dy = -r; dy <= r; dy++)
            for (int dx = -r; dx <= r; dx++)
                if ((dx == -r || dx == r || dy == -r || dy == r) && can_stand(g + dx, g + dy))
                    return {g + dx, g + dy};
    return {g, g};
}

void asuta_kyla() {
    const ZoomPos g = gathering_square();
    for (int h = 0; h < Talojen_Maara; h++) {
        if (random(2)) continue;
        if (Kyla_Kulttuuri == RAIDER_CULTURE) {
            if (!settle_person(g.x, g.y, SETTLER_RAIDER)) return;
            continue;
        }
        if (!settle_person(g.x, g.y, random(3) < 2 ? SETTLER_ADVENTURER : SETTLER_HEALER)) return;
        MiesLkm++;
    }
    if (Kyla_Kulttuuri != RAIDER_CULTURE && random(2) == 0 && settle_person(g.x, g.y, SETTLER_HEALER)) MiesLkm++;
}

void pakkoluo_perhe() {
    const ZoomPos g = gathering_square();
    if (settle_person(g.x, g.y, Asukas_Isanta()) && settle_person(g.x, g.y, SETTLER_MISTRESS))
        settle_person(g.x, g.y, SETTLER_CHILD);
}
