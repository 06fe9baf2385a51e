// src/worldgen/settling.cpp -- the people of a settlement map: households of the dwellings, visitors
// of a village, the family forced into a nearly empty one, and whether a settlement's people were ever
// placed and taken into the creature table.
#include "worldgen/settling.h"

#include <cstring>

#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "maps/kulttuuri.h"
#include "maps/marker.h"
#include "maps/zoomstore.h"
#include "worldgen/builders.h"
#include "maps/culture.h"
#include "worldgen/localgen.h"

enum { RAIDER_CULTURE = 11 };

// A free record of the creature file, sought on from where the last one was found: a village's people
// fill the file one after another, and the records before stay taken. -1 when none is free up to the
// end of the file. A load starts the search from the file's start again: the same path may hold
// another save now, with records freed before the place reached.
static char sought_file[1200];   // the creature file the place sought from belongs to
static int sought_from = 0;

void settling_reset() {
    sought_file[0] = 0;
    sought_from = 0;
}

static int free_person_record(int records) {
    char path[sizeof sought_file];
    cre_file_path(path, sizeof path);
    if (strcmp(path, sought_file) != 0) {
        copy_bounded(sought_file, sizeof sought_file, path);
        sought_from = 0;
    }
    for (int k = sought_from; k < records; k++) {
        if (!Lataa_RealCreature(CRE_DATAID + k)) break;
        if (Creature.kind == CK_NONE) {
            sought_from = k + 1;
            return k;
        }
    }
    sought_from = records;
    return -1;
}

int settle_person(int x, int y, int code) {
    // Nobody is made who could not be kept: without a creature file the household stays empty.
    const int records = cre_file_records();
    if (records <= 0) return 0;
    const int i = aseta_data(x, y, DT_CREATURE, 0, 1);
    if (i < 0) return 0;
    const int k = free_person_record(records);
    static CreatureStruct person;
    const int culture = code == SETTLER_RAIDER ? RAIDER_CULTURE : culture_row(Kyla_Kulttuuri);
    synnyta_IHMISOLENTO(person, code, culture, (int)Mapinfo_socID(MaailmaX, MaailmaY));
    person.home_x = MaailmaX;
    person.home_y = MaailmaY;
    int n = CRE_DATAID + k;
    person.socialid = (uint32_t)n;
    // A full file grows by the new record at its end.
    if (k < 0 || !Talleta_RealCreature(person, n)) n = SaveNewRealCreature(person);
    Zoom.data[i].id = (uint32_t)n;
    return 1;
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

void asuta_kyla() {
    const int g = SETTLEMENT_GATHERING;
    for (int h = 0; h < Talojen_Maara; h++) {
        if (random(2)) continue;
        if (Kyla_Kulttuuri == RAIDER_CULTURE) {
            if (!settle_person(g, g, SETTLER_RAIDER)) return;
            continue;
        }
        if (!settle_person(g, g, random(3) < 2 ? SETTLER_ADVENTURER : SETTLER_HEALER)) return;
        MiesLkm++;
    }
    if (Kyla_Kulttuuri != RAIDER_CULTURE && random(2) == 0 && settle_person(g, g, SETTLER_HEALER)) MiesLkm++;
}

void pakkoluo_perhe() {
    const int g = SETTLEMENT_GATHERING;
    if (settle_person(g, g, Asukas_Isanta()) && settle_person(g, g, SETTLER_MISTRESS))
        settle_person(g, g, SETTLER_CHILD);
}
