// src/worldgen/rndhouse_encounter.cpp -- creatures and quest set-ups put onto local maps: the creatures
// of an encounter on the map being built, the bird-trap, treasure and camp scenes the quests lay on
// `Zoom`, and creatures moved onto stored local maps.
#include <cstdlib>
#include <cstring>

#include "base/debuglog.h"
#include "base/ownlib.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/crefile.h"
#include "creatures/outfit.h"
#include "creatures/predicates.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/items_test.h"
#include "maps/area.h"
#include "maps/kulttuuri.h"
#include "maps/maps.h"
#include "maps/mapquery.h"
#include "maps/marker.h"
#include "maps/water.h"
#include "maps/zoomstore.h"
#include "worldgen/culturegoods.h"
#include "worldgen/localgen.h"

enum {
    CULTURE_RAIDERS = 11,
    ROLE_TRADER = 5,
    MEMBER_DRAWS = 251,
    FINDPOS_DRAWS = 100,
    FINDMCPOS_DRAWS = 1000,
    ROBBER_FLAG = 16,              // state flags: one of a robber band
    CH_SHELTER = 31,
    CH_BIG_ROCK = 39,
    CH_CAVE_FLOOR = 96,
    DT_BLOOD = 99,
    DT_TREASURE = 119,
    FEATHER_QUEST_MARK = 4,
    NO_ITEM = -1000,
};

int zoom_encounters_placed() { return 1; }


// ---- squares of the map being built -------------------------------------------------------------

static int zch(int x, int y) { return Zoom.chars[y * ZOOM_SIDE + x]; }
static bool on_zoom(int x, int y) { return x >= 0 && y >= 0 && x < ZOOM_SIDE && y < ZOOM_SIDE; }

static bool creature_record_at(int x, int y) {
    for (const DataStruct &d : Zoom.data)
        if (d.type == DT_CREATURE && d.x == x && d.y == y) return true;
    return false;
}

// A creature number a caller or a record hands in: a template, or a record of the creature file.
static bool creature_number_ok(int n) {
    if (n > 0 && n < CONSTANTCRE_COUNT) return true;
    const int records = cre_file_records();
    return n >= CRE_DATAID && records > 0 && n < CRE_DATAID + records;
}

// A square in the middle 32 x 32 for one member: open ground, or water for a swimmer or on ice that
// bears; never a square another member took. False when the draws ran out.
static bool member_square(bool swimmer, bool thick_ice, int &x, int &y) {
    for (int draw = 0; draw < MEMBER_DRAWS; draw++) {
        x = random(64) / 2 + 16;
        y = random(64) / 2 + 16;
        const int c = zch(x, y);
        const bool fits = terrain_flag(c, TF_WATER) ? swimmer || thick_ice : terrain_flag(c, TF_OPEN) != 0;
        if (fits && !creature_record_at(x, y)) return true;
    }
    return false;
}

void Encounter(int creature) {
    // The people met are of the cell being built, wherever the player stands.
    const int culture = get_alltime_kulttuuri(MaailmaX, MaailmaY);
    if (creature == 0) creature = Arvo_Olento(Kulttuuripiiri(culture), MaailmaX, MaailmaY, 0);
    if (!creature_number_ok(creature) || !Lataa_RealCreature(creature)) return;
    const CreatureStruct base = Creature;
    const int species = (int)base.speciescode;
    int members = base.group == 1 ? 1 : base.role == ROLE_TRADER ? random(3) + 5 : random(7) + 3;
    if (species == SPECIES_ROBBER) members = random(3) + 2;
    else if (species == SPECIES_RAIDER) members = random(3) + 1;
    // A stored creature is one being: its number stands on one square only.
    else if (creature >= CRE_DATAID) members = 1;
    const bool people = species == SPECIES_ROBBER || species == SPECIES_RAIDER;
    const bool may_have_dog = species == SPECIES_WOODSMAN || species == SPECIES_ADVENTURER || species == SPECIES_RAIDER;
    // Every person and dog made here is kept in the creature file; none is made without it.
    if ((people || may_have_dog) && cre_file_records() <= 0) return;
    Creature = base;
    const bool swimmer = onko_NPC_vesielaja(CRE_PLAYER) != 0;
    const bool thick_ice = ice_thickness_worldmap(MaailmaX, MaailmaY) > 499;

    bool dog = false;
    uint32_t community = 0;
    for (int m = 0; m < members; m++) {
        int x, y;
        if (!member_square(swimmer, thick_ice, x, y)) return;
        if (may_have_dog && !dog && (random(5) == 0 || DEBUG_INFO)) dog = true;
        int number = creature;
        static CreatureStruct person;
        if (species == SPECIES_ROBBER) {
            if (m == 0) community = crID();
            synnyta_IHMISOLENTO(person, SPECIES_ROBBER, culture, (int)community);
            person.home_x = MaailmaX;
            person.home_y = MaailmaY;
            person.stateflags |= ROBBER_FLAG;
            number = SaveNewRealCreature(person);
        } else if (species == SPECIES_RAIDER) {
            synnyta_IHMISOLENTO(person, SPECIES_RAIDER, CULTURE_RAIDERS, 0);
            if (members == 1 || random(3) == 0) domorale_NjerpezAvoider(person);
            number = SaveNewRealCreature(person);
        }
        if (dog) {
            // The master needs a social id of its own for the dog to follow.
            if (number < CRE_DATAID) {
                person = base;
                number = SaveNewRealCreature(person);
            }
            if (aseta_data(x, y, DT_CREATURE, (uint32_t)number, 1) < 0) return;
            Luo_Olento(SPECIES_DOG);
            static CreatureStruct pet;
            pet = Creature;
            pet.ownerbits |= 1;
            pet.owner = number;
            const int pet_number = SaveNewRealCreature(pet);
            if (aseta_data(x, y, DT_CREATURE, (uint32_t)pet_number, 1) < 0) return;
        } else if (aseta_data(x, y, DT_CREATURE, (uint32_t)number, 1) < 0) {
            return;
        }
    }
}

// ---- finding squares ----------------------------------------------------------------------------

// Ground, with ground on all eight sides inside the map.
static bool ground_patch(int x, int y) {
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            if (!on_zoom(x + dx, y + dy)) return false;
            const int c = zch(x + dx, y + dy);
            if (c != CH_GROUND || terrain_flag(c, TF_WATER)) return false;
        }
    return true;
}

void zm_findpos(const char *tags, int &x, int &y) {
    const char *t = tags ? tags : "";
    const bool mid = strstr(t, "[mid]") != nullptr, borders = strstr(t, "[borders]") != nullptr;
    for (int draw = 0; draw < FINDPOS_DRAWS; draw++) {
        if (mid) {
            x = random(32) + 16;
            y = random(32) + 16;
        } else if (borders) {
            x = random(2) ? random(16) : 64 - random(16);
            y = random(2) ? random(16) : 64 - random(16);
        } else {
            x = random(64);
            y = random(64);
        }
        if (ground_patch(x, y)) return;
    }
    x = y = 0;
}

void zm_findmcpos(int ch, int &x, int &y) {
    for (int draw = 0; draw < FINDMCPOS_DRAWS; draw++) {
        x = random(64);
        y = random(64);
        if (zch(x, y) == ch) return;
    }
    for (y = 0; y < ZOOM_SIDE; y++)
        for (x = 0; x < ZOOM_SIDE; x++)
            if (zch(x, y) == ch) return;
    x = y = 0;
}

// ---- quest scenes -------------------------------------------------------------------------------

static int near_square(int v) { return v - 1 + random(3); }

// A stack of feathers beside a snare; a stack of none is not laid.
static void lay_feathers(int x, int y, uint32_t feather, int count) {
    if (count > 0) {
        const int fy = near_square(y);   // the row is drawn before the column
        aseta_data(near_square(x), fy, DT_ITEM, feather, count);
    }
}

int zoomscene_bird_trap_area(int culture, const char *tags, int id) {
    const int k = random(3);
    const int bird = getcultAnim(culture, 4);
    if (bird <= 0 || bird >= CONSTANTCRE_COUNT) return 0;
    ItemStruct feather = TeeSulka(ConstantCre[bird], "");
    if (tags && strstr(tags, "[bird theft]")) {
        feather.magic = FEATHER_QUEST_MARK;
        feather.origin = (uint32_t)id;
    }
    const int feathers = Luo_Esineen_Itempos(feather);
    const int snare = object("LOOP SNARE", 1);
    if (feathers <= 0 || !snare) return 0;
    for (int i = 0; i < k + 2; i++) {
        int x, y;
        zm_findpos("[mid]", x, y);
        if (x == 0) return 0;
        aseta_data(x, y, DT_ITEM, (uint32_t)snare, 1);
        lay_feathers(x, y, (uint32_t)feathers, random(2) + 1);
        lay_feathers(x, y, (uint32_t)feathers, random(3));
    }
    return 1;
}

int zoomscene_treasure(const char *tags, int culture) {
    static DataPoolStruct things;
    const int n = KULTTUURIAARRE_arkinen(things, culture);
    if (n == 0) return 0;
    const char *t = tags ? tags : "";
    int x, y;
    if (strstr(t, "[cave]")) zm_findmcpos(CH_CAVE_FLOOR, x, y);
    else zm_findpos("[mid]", x, y);
    // Without a spot nothing of the scene is laid, the land round the corner included.
    if (x == 0 && y == 0) return 0;
    if (strstr(t, "[triboulder]")) {
        const int rx[3] = {x, x - 1, x + 1}, ry[3] = {y - 1, y, y};
        for (int i = 0; i < 3; i++)
            if (on_zoom(rx[i], ry[i])) Zoom.chars[ry[i] * ZOOM_SIDE + rx[i]] = CH_BIG_ROCK;
        uint8_t &s = Zoom.surface[y * ZOOM_SIDE + x];
        s = (uint8_t)aseta_MAAPERA(s, 0);
    }
    if (strstr(t, "[chasm]")) {
        const int dx[3] = {0, 0, 0}, dy[3] = {0, -1, 1}, fall[3] = {3, 2, 2};
        for (int i = 0; i < 3; i++) {
            if (!on_zoom(x + dx[i], y + dy[i])) continue;
            uint8_t &h = Zoom.height[(y + dy[i]) * ZOOM_SIDE + x + dx[i]];
            h = (uint8_t)(h > fall[i] ? h - fall[i] : 0);
        }
    }
    const int type = strstr(t, "[pit]") ? (int)DT_TREASURE : (int)DT_ITEM;
    for (int i = 0; i < n; i++) aseta_data(x, y, type, things.rec[i].id, things.rec[i].count);
    aseta_data(x, y, DT_TREASURE, 0, 0);
    return 1;
}

void zoomscene_adventurers_camp(int item, int creature, const char *tags) {
    int x, y;
    zm_findpos("[mid]", x, y);
    if (x == 0) return;
    const char *t = tags ? tags : "";
    const int day = (int)Plr.daynumber;
    Zoom.chars[y * ZOOM_SIDE + x] = CH_SHELTER;
    if (strstr(t, "[camping]")) {
        aseta_data(x, y + 1, DT_FIRE_REMAINS, 10, day);
        const int wood = random(5) + 1;   // each count is drawn before its thing
        aseta_data(x + 1, y + 1, DT_ITEM, (uint32_t)object("FIREWOOD", 1), wood);
        const int branches = random(15) + 1;
        aseta_data(x - 1, y + 1, DT_ITEM, (uint32_t)object("BRANCH", 1), branches);
    }
    if (strstr(t, "[blood]"))
        for (int i = 0; i < 10; i++) {
            int bx, by;
            zm_findpos("[borders]", bx, by);
            if (bx != 0) aseta_data(bx, by, DT_BLOOD, 1, day + 1);
        }
    // Each tool and each food is drawn on its own: a camp holds three tools and two foods.
    for (int i = 0; i < 3; i++) {
        const int tool = KULTTUURIESINE_Eratyokalu(0);
        if (!tool) continue;
        if (i == 0) aseta_data(near_square(x), y - 1, DT_ITEM, (uint32_t)tool, 1);
        else aseta_data(i == 1 ? x - 1 : x + 1, near_square(y), DT_ITEM, (uint32_t)tool, 1);
    }
    const int culture = get_alltime_kulttuuri(IsoX(), IsoY());
    for (int i = 0; i < 2; i++) {
        const int food = KULTTUURIESINE_Eraruoka(culture);
        if (!food) continue;
        const int count = random(5) + 1;   // the count is drawn before the column
        aseta_data(near_square(x), y + 1, DT_ITEM, (uint32_t)food, count);
    }
    if (item != NO_ITEM) aseta_data(x + 1, y + 1, DT_ITEM, (uint32_t)item, 1);
    if (creature != 0 && creature_number_ok(creature)) aseta_data(x, y, DT_CREATURE, (uint32_t)creature, 1);
}

// ---- creatures onto stored maps -----------------------------------------------------------------

int spawn_sotucre_on_zoommap(int creature, int x, int y) {
    // Only a cell that has a stored map takes a creature: none is made up for it.
    if (!creature_number_ok(creature) || !ZoomMapPos(x, y)) return 0;
    static ZoomStruct kept;
    memcpy(&kept, &Zoom, sizeof kept);
    int placed = 0;
    if (load_zoommap(x, y) && aseta_data(-1, -1, DT_CREATURE, (uint32_t)creature, 1) >= 0)
        placed = save_zoommap(x, y, 1);
    memcpy(&Zoom, &kept, sizeof Zoom);
    return placed ? 1 : 0;
}
