// src/worldgen/rndhouse_village.cpp -- settlements laid out on a local map. They stand in until the
// settlement layouts land: every settlement is one small house with a few of its people by it, and
// storing it never counts the village as abandoned.
#include <strings.h>

#include <cstring>

#include "core/records.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "items/items.h"
#include "maps/maps.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "worldgen/localgen.h"

static void small_house(int x0, int y0) {
    auto put = [](int x, int y, int c) { Zoom.chars[y * ZOOM_SIDE + x] = (uint8_t)c; };
    for (int i = 1; i < 4; i++) {
        put(x0 + i, y0, 196);
        put(x0 + i, y0 + 4, 208);
        put(x0, y0 + i, 200);
        put(x0 + 4, y0 + i, 188);
        for (int j = 1; j < 4; j++) put(x0 + i, y0 + j, 95);
    }
    put(x0, y0, 218);
    put(x0 + 4, y0, 191);
    put(x0, y0 + 4, 192);
    put(x0 + 4, y0 + 4, 217);
    put(x0 + 2, y0 + 4, 254);
}

// People of the culture, made by role and dressed and armed as their roles go, are kept in the
// character's creature file and stand in front of the house; nobody is made without that file.
static void house_people(int culture, const int *codes, int count) {
    if (cre_file_records() <= 0) return;
    const unsigned soc = Mapinfo_socID(MaailmaX, MaailmaY);
    int record = 0;
    for (int i = 0; i < count; i++) {
        while (record < ZOOM_RECORDS && Zoom.data[record].type != 0) record++;
        if (record >= ZOOM_RECORDS) return;
        CreatureStruct person;
        synnyta_IHMISOLENTO(person, codes[i], culture, (int)soc);
        person.home_x = MaailmaX;
        person.home_y = MaailmaY;
        const int n = SaveNewRealCreature(person);
        DataStruct &d = Zoom.data[record];
        memset(&d, 0, sizeof d);
        d.type = DT_CREATURE;
        d.x = (uint16_t)(28 + 2 * i);
        d.y = 37;
        d.id = (uint32_t)n;
        d.count = 1;
    }
}

static const int VILLAGERS[] = {530, 520, 580, 560, 590, 540};

// The village's own goods on the floor of the house: a cup, a bowl and a basket that belong to the
// village (owner word 22222) until somebody pays for them.
static void house_goods() {
    static const char *const goods[] = {"Wooden cup", "Wooden bowl", "Birch-bark basket"};
    int record = 0;
    for (int g = 0; g < 3; g++) {
        int row = 0;
        for (int r = 1; r < CONSTANTOBJ_ROWS && !row; r++)
            if (ConstantObj[r].type != 0 && !strcasecmp(ConstantObj[r].name, goods[g])) row = r;
        if (!row) continue;
        while (record < ZOOM_RECORDS && Zoom.data[record].type != 0) record++;
        if (record >= ZOOM_RECORDS) return;
        DataStruct &d = Zoom.data[record];
        memset(&d, 0, sizeof d);
        d.type = DT_ITEM;
        d.x = (uint16_t)(31 + g);
        d.y = 32;
        d.id = (uint32_t)row;
        d.count = 1;
        d.owner = SOC_OWNER;
    }
}

void TeeLeiri(int culture) {
    small_house(30, 30);
    static const int raiders[] = {500, 500, 500};
    house_people(culture, raiders, 3);
}
void TeeUudistalo(int culture) {
    small_house(30, 30);
    house_goods();
    house_people(culture, VILLAGERS, 3);
}
void TeeLinnaKyla(int culture) {
    small_house(30, 30);
    house_goods();
    house_people(culture, VILLAGERS, 6);
}
void TeeKyla(int culture) {
    small_house(30, 30);
    house_goods();
    house_people(culture, VILLAGERS, 6);
}
// Until settling inhabitants lands nobody is placed, so no settlement can be found deserted.
int settlement_people_placed(int, int) { return 0; }
