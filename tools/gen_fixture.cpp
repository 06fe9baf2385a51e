// tools/gen_fixture.cpp -- writes one playable character into the working folder when it holds none,
// so that a newcomer can load a game at once.
//
// Both are made by the game's own character builder (quick mode, culture 0, a fixed seed each for the
// rolls and skills) on the fixture's world; their date, home cell and belongings are then set here.
//
// Output, in "<working folder>/AINO/" (the folder is the character file's name):
//   AINO.OXS      the character record (5716 bytes), current save version, on the world map
//   AINO.OBJ      the stored objects (49900 records of 172 bytes): her food, salt and cup of water,
//                 and her belongings from the catalogue (a knife, a linen shirt, woollen trousers,
//                 leather shoes, a bag, a torch)
//   AINO.CRS      the character's creature file: 3000 records, as character creation makes it, the
//                 first taken by her dog
//   CONSTANT.CRE  the 1000 creature templates (defcreat)
//   CONSTANT.OBJ  the object definitions: the game's catalogue (400 rows)
//   WORLD.DAT     the world (3073 x 2049 bytes), made by the world generator from a fixed seed; the
//                 character stands on a field a few steps from a village of her own culture
//   DATA.DAT      the world's things (10000 records): none
//   ZOOMMAPS.DAT  and the rest of the local-map store: the local maps round her field, made by the game
//                 as she first goes down there, with her things laid beside the square she stood on:
//                 a fire with a day's fuel north of her, the bow and arrows south, stones, arrows, branches
//                 and a birch-bark basket east, cups, a pot, a worn shirt, a cord, a log and a stone west,
//                 her fishing gear and a rope south-east; her dog, her own, goes with her from map to map
//   EXITER.DAT    the day counters (12 bytes)
//   story.txt     her start-up story, shown with the first-timer page on her first load
//   kulttuuri.dat the culture of each 32 x 32 block of the world (6144 bytes), from the generator
//   names.dat     the place name of each block (6144 little-endian u16), made by the name generator
//   portrait.png  her face (tools/portrait_paint.h), as character creation leaves the chosen one
// and in "<working folder>/VILHO/" the same files for Vilho, dressed and with his knife in his hand, who
// begins with start scenario 2 (his cell becomes a camp; he keeps his first weapon and first three
// armour items), written also into a
// folder that holds Aino already.
// Everything is computed from fixed numbers: the same commit always writes the same files.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "portrait_paint.h"

#include "activities/magic.h"
#include "core/config.h"
#include "game/loader.h"
#include "game/turnloop.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "core/oxa.h"
#include "core/records.h"
#include "core/datafunc.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/predicates.h"
#include "creatures/crefile.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/wearing.h"
#include "maps/area.h"
#include "maps/facing.h"
#include "maps/kulttuuri.h"
#include "maps/maps.h"
#include "maps/movement.h"
#include "maps/mapunit.h"
#include "screens/loadchar.h"
#include "worldgen/encounter.h"
#include "worldgen/campaign.h"
#include "worldgen/kartta_main.h"
#include "worldgen/newchar.h"
#include "worldgen/worldgen.h"
#include "items/inventory.h"

namespace {

const char *const FOLDER = "AINO";
const uint32_t WORLD_SEED = 20260611;    // the world she lives in
const uint32_t NAMES_SEED = 20261207;    // its place names
const uint32_t AINO_SEED = 1;            // her rolls and her skills: a light build for her people
const uint32_t VILHO_SEED = 25;          // his
const int HER_CULTURE = 0;

// Each ready-made character's face: the picture of her portrait group that the record names, as a
// created character's does, and that is painted into her folder as "portrait.png".
struct Face {
    const char *folder;
    const char *picture;   // in truegfx/, as the portrait groups name them
    portrait::Set set;
    int number;
};
const Face AINO_FACE = {"AINO", "fem03.png", portrait::FEMALE, 3};
const Face VILHO_FACE = {"VILHO", "east05.png", portrait::EAST, 5};   // a bearded man of the east

// Her world cell, found in the generated world.
int HOME_X, HOME_Y;
// Her square on the local map of that cell, where her things are laid around her.
int SPOT_X, SPOT_Y;

int cell(int x, int y) { return peekmaailma(y, x); }

// Land she walks on and things may lie on: fields, clearings, heaths and dry forests.
bool open_land(int x, int y) {
    switch (cell(x, y)) {
    case 3: case 15: case 16: case 47: case 228: case 235: case 236: case 237: case 238: case 250: case 251:
        return true;
    default:
        return false;
    }
}

// Her home: a field of her culture three to six cells west of one of its villages (her story says the
// village lies to the east), with open land all round it for the things laid beside her and for
// Vilho's camp, and no settlement among them. The villages are taken in the order of the map's rows,
// each one's ring of cells nearest first, so the same world always gives the same home.
bool find_home() {
    for (int vy = 128; vy < 1920; vy++)
        for (int vx = 256; vx < 2048; vx++) {
            if (cell(vx, vy) != 239 || peekkulttuurikartta(vy, vx) != HER_CULTURE) continue;
            for (int d = 3; d <= 6; d++)
                for (int dy = -d; dy <= d; dy++)
                    for (int dx = -d; dx <= d; dx++) {
                        if (std::max(std::abs(dx), std::abs(dy)) != d || dx > -3) continue;
                        const int hx = vx + dx, hy = vy + dy;
                        if (cell(hx, hy) != CH_FIELD || peekkulttuurikartta(hy, hx) != HER_CULTURE) continue;
                        bool open = true;
                        for (int y = hy - 1; y <= hy + 2 && open; y++)
                            for (int x = hx - 3; x <= hx + 2 && open; x++) open = open_land(x, y);
                        if (!open) continue;
                        HOME_X = hx, HOME_Y = hy;
                        return true;
                    }
        }
    return false;
}

// The start cell the world question of the builder answers with, from her home field.
int START_DX, START_DY;

// The builder's world question: the fixture's world, its names, and the start cell beside her village.
int fixture_world(const char *folder);

// Her date and time in the fixture: a day of the month at ten in the morning, her first day of
// adventuring at sixteen winters, as character creation starts everyone; the running minutes that go
// with it, an empty stomach and a rested body, facing north; the world is left without robber lairs,
// as the fixture always had it.
void fixture_date(PlayerStruct &p, int day, int month, float air) {
    const uint32_t first_day = 1;
    p.day = p.start_day = (uint8_t)day;
    p.month = p.start_month = (uint8_t)month;
    p.year = p.start_year = 16;
    p.daynumber = p.day_counter2 = p.bigmap_saveday = first_day;
    p.minutes = first_day * 1440 + 600;
    p.hour = 10;
    p.minute = 0;
    p.air_temperature = air;
    p.legacy_marker = -1;
    p.upgrade_cleared = 1;
    p.lairs_placed = 1;
    p.stomach = 0;     // the day begins with an empty stomach and a rested body
    p.exertion = 0;
    p.facing = 0;      // facing north, as the played tests find her
}

// A ready-made character from the game's own builder: quick mode, culture 0, her face, sex, season
// and scenario, a fixed seed for the rolls; her world is the fixture's. The builder's own equipment is
// taken away again: the fixture gives its belongings. Plr holds the record afterwards.
bool build_character(const char *name, const Face &face, int sex, int season, int scenario, uint32_t seed, int dx,
                     int dy, bool keep_held = false) {
    NewCharChoices c{};
    copy_bounded(c.name, sizeof c.name, name);
    copy_bounded(c.portrait, sizeof c.portrait, face.picture);
    c.mode = CRTPLR_QUICK;
    c.culture = HER_CULTURE;
    c.sex = sex;
    c.season = season;
    c.scenario = scenario;
    c.course = -1;
    c.seed = seed;
    NewCharAsk ask{};
    ask.world = fixture_world;
    ask.keep_held = keep_held;
    START_DX = dx;
    START_DY = dy;
    char err[200];
    if (!crtplr_build(c, &ask, err, sizeof err)) {
        fprintf(stderr, "gen_fixture: %s couldn't be made: %s\n", name, err);
        return false;
    }
    memset(PlayerObj, 0, sizeof(ItemStruct) * PLAYEROBJ_COUNT);
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    memset(Plr.inv_count, 0, sizeof Plr.inv_count);
    equipment_forget();
    return true;
}

// Food and drink in her pack: rye bread, a raw pike, an elk cut, salt and a wooden cup of water.
void give_food(PlayerStruct &p, ItemStruct *objects) {
    auto food = [](ItemStruct &it, const char *name, unsigned id, float weight, uint8_t spoil, const char *tile,
                   uint8_t sym, float price) {
        ClrItemstruct(it);
        it.type = IT_FOOD;
        it.id = id;
        set_item_text(it.name, sizeof it.name, name);
        set_item_text(it.tile, sizeof it.tile, tile);
        it.tilesym = sym;
        it.weight = it.fullweight = weight;
        it.spoil = spoil;
        it.price = price;
        ItemSet_laatu(3, it);
    };
    food(objects[0], "Rye bread", 0, 0.25f, 14, "it-bread", 148, 2);
    food(objects[1], "Pike", OID_RAWFISH, 3.0f, 3, "fd-fish", 121, 3);
    food(objects[2], "elk cut", 500, 2.0f, 3, "org-meatcut", 145, 4);
    objects[2].fig[1] = 3;
    objects[2].fig[2] = 21;
    food(objects[3], "Salt", OID_SALT, 1.0f, SPOIL_NEVER, "", 0, 24);
    ItemStruct &cup = objects[4];
    ClrItemstruct(cup);
    cup.type = IT_CONTAINER;
    cup.id = 351;
    set_item_text(cup.name, sizeof cup.name, "Wooden cup");
    set_item_text(cup.tile, sizeof cup.tile, "it-wdcup");
    cup.weight = 0.3f;
    cup.fullweight = 2.4f;
    ItemSet_laatu(3, cup);
    ItemStruct &water = objects[5];
    water = cup;
    water.id = OID_WATER;
    set_item_text(water.name, sizeof water.name, "Water");
    water.water = 100;
    water.vessel = OBJ_PLAYER_FIRST + 4;
    water.weight = 2.4f;
    const int pack[] = {0, 1, 2, 3, 5};
    for (int k = 0; k < 5; k++) {
        p.inv_obj[k] = OBJ_PLAYER_FIRST + pack[k];
        p.inv_count[k] = 1;
    }
}

// Her belongings from the game's catalogue, given through the inventory functions as the game gives
// them.
void give_belongings(PlayerStruct &player) {
    copy_bounded(CharacterPath, sizeof CharacterPath, FOLDER);
    InitObjs();
    Plr = player;
    const char *own[] = {"Knife", "Linen shirt", "Woollen trousers", "Leather shoes", "Bag", "Torch"};
    for (const char *name : own) {
        int row = object(name, 1);
        if (row <= 0) continue;
        Lisaa_Inventoryyn(Esineesta_Uniikki(ConstantObj[row]), 1, 0, -1);
    }
    player = Plr;
}

// A free record of the map's pool; null when the pool is full.
DataStruct *free_record(DataStruct *pool) {
    for (int i = 0; i < DATA_MAX; i++)
        if (pool[i].type == 0) return &pool[i];
    return nullptr;
}

// A few things on the field beside her: stones and a stack of arrows east of her, branches, a
// birch-bark basket a step further.
void lay_stones_and_branches(const PlayerStruct &player, DataStruct *pool) {
    const struct {
        int dx, dy;
        const char *name;
        int count;
    } laid[] = {{1, 0, "Stone", 3}, {1, 1, "Branch", 4}, {2, 0, "Birch-bark basket", 1}, {1, 0, "Arrow", 5}};
    for (const auto &l : laid) {
        DataStruct *d = free_record(pool);
        const int row = object(l.name, 1);
        if (!d || row <= 0) continue;
        d->x = (uint16_t)(SPOT_X + l.dx);
        d->y = (uint16_t)(SPOT_Y + l.dy);
        d->type = DT_ITEM;
        d->id = (uint32_t)row;
        d->count = (uint16_t)l.count;
        d->day = (uint16_t)player.daynumber;
    }
}

// Materials for her first handcraft: birch-bark strips for a basket or a box, and branches.
void give_crafting_materials(PlayerStruct &player) {
    Plr = player;
    Lisaa_Inventoryyn(Esineesta_Uniikki(Luo_Sommelo(6)), 6, 0, -1);
    const int branch = object("Branch", 1);
    if (branch > 0) Lisaa_Inventoryyn(Esineesta_Uniikki(ConstantObj[branch]), 5, 0, -1);
    player = Plr;
}

// She wears her clothes and shoes; her knife stays in her pack, so that both hands are free for the
// bow and an arrow as a hunter's are. Her load is counted.
void dress_fully(PlayerStruct &player) {
    Plr = player;
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int n = Plr.inv_obj[s];
        if (n < OBJ_PLAYER_FIRST || n > OBJ_PLAYER_LAST) continue;
        const int rec = n - OBJ_PLAYER_FIRST;
        const ItemStruct &it = PlayerObj[rec];
        if (it.type == IT_ARMOUR && !(it.status & ISTAT_WORN) && !alreadyworn(CRE_PLAYER, n, 0))
            StatusSet(rec, ISTAT_WORN);
    }
    laske_Load(CRE_PLAYER);
    player = Plr;
}

// She wears her clothes: the item commands have something to take off and put on.
void dress(PlayerStruct &player) {
    Plr = player;
    wear_armours();
    player = Plr;
}

// A pot in her pack and two more fish, a perch and a roach, so that roasting, boiling and a fish recipe
// can be tried at her fire.
void give_cooking_things(PlayerStruct &player) {
    Plr = player;
    for (const char *name : {"Pot", "Perch", "Roach"}) {
        const int row = object(name, 1);
        if (row > 0) Lisaa_Inventoryyn(Esineesta_Uniikki(ConstantObj[row]), 1, 0, -1);
    }
    player = Plr;
}

// A cooking place just north of her: a fire with a day's fuel.
void lay_fire(const PlayerStruct &player, DataStruct *pool) {
    for (int i = 0; i < DATA_MAX; i++) {
        if (pool[i].type != 0) continue;
        DataStruct &fire = pool[i];
        fire.type = DT_FIRE;
        fire.x = (uint16_t)SPOT_X;
        fire.y = (uint16_t)(SPOT_Y - 1);
        fire.count = 1440;                         // minutes of fuel
        fire.id = 1440;
        fire.day = (uint16_t)player.daynumber;
        fire.spent_minutes = player.minutes;
        fire.ready_minute = player.minutes + 1440;
        return;
    }
}

// Things to haul, pour and mend on the field west of her: a wooden cup and a pot, a worn leather shirt
// and a ten-foot cord; a log and a stone a step further.
void lay_vessels_and_mending(const PlayerStruct &player, DataStruct *pool) {
    struct Laid {
        int dx, dy;
        const char *name;
        float condition;           // share of the whole weight left; 0 keeps the catalogue's
        int feet;                  // a length of tying equipment; 0 none
    };
    const Laid laid[] = {{-1, 0, "Wooden cup", 0, 0}, {-1, 0, "Pot", 0, 0}, {-1, 0, "Leather shirt", 0.6f, 0},
                         {-1, 0, "Cord", 0, 10}, {-1, 1, "Log", 0, 0}, {-1, 1, "Stone", 0, 0}};
    for (const Laid &l : laid) {
        const int row = object(l.name, 1);
        if (row <= 0) continue;
        int id = row;
        if (l.condition > 0 || l.feet > 0) {
            ItemStruct it = ConstantObj[row];
            if (l.condition > 0) it.weight = it.fullweight * l.condition;
            if (l.feet > 0) {
                set_Item_pituus(l.feet, it);
                set_Item_maxpituus(l.feet, it);
                it.weight = it.fullweight = 1.0f;
            }
            id = Esineesta_Uniikki(it);
        }
        for (int i = 0; i < DATA_MAX; i++) {
            if (pool[i].type != 0) continue;
            pool[i].x = (uint16_t)(SPOT_X + l.dx);
            pool[i].y = (uint16_t)(SPOT_Y + l.dy);
            pool[i].type = DT_ITEM;
            pool[i].id = (uint32_t)id;
            pool[i].count = 1;
            pool[i].day = (uint16_t)player.daynumber;
            break;
        }
    }
}

// A hunting bow and a bundle of arrows lie on the field a step south of her: wielded together they
// shoot with 't', and a shot arrow can be fetched again.
void lay_bow_and_arrows(const PlayerStruct &player, DataStruct *pool) {
    const struct {
        const char *name;
        int count;
    } laid[] = {{"Hunting bow", 1}, {"Arrow", 10}};
    int i = 0;
    for (const auto &l : laid) {
        const int row = object(l.name, 1);
        if (row <= 0) continue;
        while (i < DATA_MAX && pool[i].type != 0) i++;
        if (i >= DATA_MAX) return;
        pool[i].x = (uint16_t)SPOT_X;
        pool[i].y = (uint16_t)(SPOT_Y + 1);
        pool[i].type = DT_ITEM;
        pool[i].id = (uint32_t)row;
        pool[i].count = (uint16_t)l.count;
        pool[i].day = (uint16_t)player.daynumber;
    }
}

// A woodsman's axe on the ground beside her, north-west of her square, for felling and chopping.
void lay_axe_beside_her(const PlayerStruct &player, DataStruct *pool) {
    const int row = object("Woodsman's axe", 1);
    DataStruct *d = free_record(pool);
    if (!d || row <= 0) return;
    d->x = (uint16_t)(SPOT_X - 1);
    d->y = (uint16_t)(SPOT_Y - 1);
    d->type = DT_ITEM;
    d->id = (uint32_t)row;
    d->count = 1;
    d->day = (uint16_t)player.daynumber;
}

// Her gear for the wilds on the field south-east of her: a fishing rod, a net, a loop snare and a
// rope to lead an animal by.
void lay_gear_for_the_wilds(const PlayerStruct &player, DataStruct *pool) {
    for (const char *name : {"Fishing rod", "Net", "Loop snare", "Rope"}) {
        const int row = object(name, 1);
        DataStruct *d = free_record(pool);
        if (!d || row <= 0) continue;
        d->x = (uint16_t)(SPOT_X + 2);
        d->y = (uint16_t)(SPOT_Y + 1);
        d->type = DT_ITEM;
        d->id = (uint32_t)row;
        d->count = 1;
        d->day = (uint16_t)player.daynumber;
    }
}

// Her dog, a step north-east of her: her own, tame, so that it follows her from map to map and can be
// led on the rope laid beside her. Written to her creature file and brought onto the map as the game
// brings a new creature in.
bool give_her_a_dog() {
    const int DOG = 618;   // the dog's template
    Luo_Olento(DOG);
    if (Creature.kind == CK_NONE) return false;
    const int id = new_creature_to_DATA(Creature);
    if (id == CRE_NONE) return false;
    const int slot = id - CRE_DATAID;
    set_data(DT_CREATURE, SPOT_X + 1, SPOT_Y - 1, id, 1);
    Cre[slot].Viimeisin_X = SPOT_X + 1;
    Cre[slot].Viimeisin_Y = SPOT_Y - 1;
    set_CrePetAndMaster(slot, CRE_PLAYER);
    return get_datatype(DT_CREATURE, SPOT_X + 1, SPOT_Y - 1) >= 0;
}

bool write_file(const std::string &path, const void *data, size_t size) {
    if (write_atomic(path.c_str(), data, size)) return true;
    fprintf(stderr, "gen_fixture: couldn't write %s\n", path.c_str());
    return false;
}

// Her story, shown with the first-timer page on her first load.
const char *const STORY[] = {
    "AGRICULTURE - THE FIELDS OF HOME",
    "scene-agriculture.jpg",
    "Aino grew up on the fields beside the village, where her family has cleared the forest for rye and",
    "barley for as long as anyone remembers. This spring her mother gave her a knife, a shirt of linen and",
    "trousers of wool, and told her that it was time to learn to live by her own hands.",
    "  The village is only a short walk to the east. Its people know her, and they will trade with her as",
    "long as she deals fairly. Beyond the fields lies the forest, the lake and the river that runs to the sea.",
    "  Summer is short. What she gathers, catches and stores now is what she will eat when the snow comes.",
};

// His story: the start of scenario 2, which takes everything from him but his knife and three pieces of
// clothing and makes his world cell a camp, told as an escape from the raiders who took him.
const char *const VILHO_STORY[] = {
    "ESCAPE FROM THE NJERPEZ CAMP",
    "scene-camp.jpg",
    "Vilho was looking at his snares in the snow when Njerpez raiders came out of the forest. They took",
    "his bag, his spear and his club, his food and his fur cap, and dragged him to their camp to carry",
    "their loot east. They left him his shirt, trousers and shoes so that he would not freeze before the",
    "work was done, and they never found the knife in his sleeve.",
    "  This cold morning the three warriors keep to their hut by the fire, and Vilho stands at the",
    "western edge of the camp with the knife in his hand. He has eaten his fill, and the forest is near.",
    "  Run now, before they miss you. Do not fight three warriors alone: go west, out of their sight, and",
    "find food and shelter before the cold of January finds you.",
};

// A first load shows the first-timer page and the story: the marker 100 + the scenario, which the
// start-up screen takes back to the scenario itself.
bool write_first_start(PlayerStruct &player, const std::string &dir, const char *const *story, size_t lines,
                       int scenario = 0) {
    player.scenario = 100 + scenario;
    std::string text;
    for (size_t i = 0; i < lines; i++) text += std::string(story[i]) + "\n";
    return write_file(dir + "story.txt", text.data(), text.size());
}

// The world, generated once from its seed: her home and village found in it. A generator that no
// longer gives a village of her culture with a field beside it is told, not papered over.
bool world_made = false;
bool make_fixture_world() {
    if (world_made) return true;
    worldgen_seed(WORLD_SEED);
    if (luokartta() != 0) {
        fprintf(stderr, "gen_fixture: the world generator failed\n");
        return false;
    }
    putsaa();
    if (!find_home()) {
        fprintf(stderr, "gen_fixture: the world of seed %u has no field beside a village of culture %d\n",
                WORLD_SEED, HER_CULTURE);
        return false;
    }
    world_made = true;
    return true;
}

// The world, its culture map and its place names into a character's folder: the same names each time.
bool write_world(const char *folder) {
    worldgen_seed(NAMES_SEED);
    if (tallennakartta(folder) == 0) return true;
    fprintf(stderr, "gen_fixture: couldn't write the world into %s\n", folder);
    return false;
}

int fixture_world(const char *folder) {
    if (!make_fixture_world()) return 1;
    plr_aloitus_x = HOME_X + START_DX;
    plr_aloitus_y = HOME_Y + START_DY;
    return write_world(folder) ? 0 : 1;
}

// The mark of a folder this writer left unfinished: only such a folder is ever taken away.
const char *const HALF_MADE = "gen_fixture.half-made";

// A folder held as a loaded game holds its character folder, so that no game loads it meanwhile: the
// open folder, or -1 when it can't be had (errno EWOULDBLOCK: a game holds it).
int hold_folder(const char *folder) {
    const int fd = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return -1;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
    const int e = errno;
    close(fd);
    errno = e;
    return -1;
}

// Said of a folder this writer couldn't hold (`error` EWOULDBLOCK: a game holds it), which it leaves
// byte for byte.
void say_held(const char *folder, int error) {
    if (error == EWOULDBLOCK) fprintf(stderr, "gen_fixture: a game holds %s; it is left as it is\n", folder);
    else fprintf(stderr, "gen_fixture: %s can't be held (%s); it is left as it is\n", folder, strerror(error));
}

// Her folder, held from the moment the game's builder made it through the writer's own load of her,
// as a loaded game holds its folder (the builder's hold, the load's and this one are one): false when
// a game has her.
bool hold_her_folder() {
    if (!getcwd(OxaPath, sizeof OxaPath)) return false;
    const int n = snprintf(CharacterPath, sizeof CharacterPath, "%s/%s", OxaPath, FOLDER);
    return n > 0 && n < (int)sizeof CharacterPath && save_lock_folder();
}

// A run that can't finish a character marks its folder, then takes its character file away: the next
// run writes it anew. Only ever called for a folder this run made and holds.
void leave_half_made(const char *folder) {
    const std::string mark = std::string(folder) + "/" + HALF_MADE;
    if (FILE *f = fopen(mark.c_str(), "wb")) fclose(f);
    remove((std::string(folder) + "/" + folder + ".OXS").c_str());
}

// Whether a folder holds a save cut short: its list, a kept old file or a staged one. The game's load
// finishes it or takes it back.
bool holds_unfinished_save(const char *folder) {
    DIR *d = opendir(folder);
    if (!d) return false;
    bool found = false;
    while (dirent *e = readdir(d)) {
        const std::string n = e->d_name;
        for (const char *end : {".prev", ".new", ".jnl", ".undo"})
            if (n.size() > strlen(end) && n.compare(n.size() - strlen(end), strlen(end), end) == 0) found = true;
        if (n.rfind("SAVE.", 0) == 0) found = true;
    }
    closedir(d);
    return found;
}

// A folder a run of this writer left without its character file: written anew, so taken away first.
// Any other folder without its character file (a game cut short in a save, a played character) is
// never taken away: false, with a word of why.
bool remove_half_made(const char *folder) {
    struct stat st;
    if (stat(folder, &st) != 0 || own_isfile((std::string(folder) + "/" + folder + ".OXS").c_str())) return true;
    if (!own_isfile((std::string(folder) + "/" + HALF_MADE).c_str()) || holds_unfinished_save(folder)) {
        fprintf(stderr, "gen_fixture: %s holds a game without its character file (or a save cut short); it is left "
                        "as it is\n", folder);
        return false;
    }
    // Taken away only while no game has it.
    const int held = hold_folder(folder);
    if (held < 0) {
        say_held(folder, errno);
        return false;
    }
    const std::string cmd = std::string("rm -rf ") + folder;
    if (system(cmd.c_str()) != 0) fprintf(stderr, "gen_fixture: couldn't clear %s\n", folder);
    close(held);
    return true;
}

bool write_vilho(const char *folder);

// Vilho, the second ready-made character: a man who begins with start scenario 2 near Aino's
// village. His first turn makes his world cell a camp and leaves him his first weapon and first three
// armour items of all he carries. Written into "VILHO/" with a world of his own, like hers, unless
// the folder already holds him.
// Vilho lives in deep winter: the twentieth day of the first month, snow on the ground and the lakes
// frozen (the weather of the year is run up to his date when he is loaded).
bool write_scenario_character() {
    const char *const folder = "VILHO";
    const std::string dir = std::string(folder) + "/";
    if (own_isfile((dir + "VILHO.OXS").c_str()) || !remove_half_made(folder)) return true;
    if (!build_character("Vilho", VILHO_FACE, 1, 3, 2, VILHO_SEED, -3, 2)) return false;
    // His folder is this run's only while no game has him: one that loaded him meanwhile keeps him.
    const int held = hold_folder(folder);
    if (held < 0) {
        say_held(folder, errno);
        return true;
    }
    const bool made = write_vilho(folder);
    close(held);
    return made;
}

// His things and files into his folder, held.
bool write_vilho(const char *folder) {
    const std::string dir = std::string(folder) + "/";
    fixture_date(Plr, 20, 1, -12.0f);
    copy_bounded(CharacterPath, sizeof CharacterPath, folder);
    InitObjs();
    const char *own[] = {"Bag", "Knife", "Linen shirt", "Club", "Woollen trousers", "Torch",
                         "Leather shoes", "Fur cap", "Salt", "Spear"};
    for (const char *name : own) {
        const int row = object(name, 1);
        if (row > 0) Lisaa_Inventoryyn(Esineesta_Uniikki(ConstantObj[row]), 1, 0, -1);
    }
    // He wears his clothes and holds his knife, as a new character's first look dresses him: his
    // scenario is set below 100, so the start-up page that dresses a new character never comes.
    wear_armours();
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int n = Plr.inv_obj[s];
        if (n < OBJ_PLAYER_FIRST || n > OBJ_PLAYER_LAST) continue;
        char name[41];
        if (strcmp(item_name(PlayerObj[n - OBJ_PLAYER_FIRST], name), "Knife") != 0) continue;
        StatusSet(n - OBJ_PLAYER_FIRST, ISTAT_PRIMARY);
        break;
    }
    laske_Load(CRE_PLAYER);
    static PlayerStruct player;
    player = Plr;
    static DataStruct pool[DATA_MAX];
    const int32_t exiter[3] = {(int32_t)(player.day_counter2 * 3), (int32_t)player.daynumber - 500, 0};
    bool ok = write_file(dir + "DATA.DAT", pool, sizeof pool);
    ok = write_file(dir + "CONSTANT.OBJ", ConstantObj, sizeof ConstantObj) && ok;
    ok = write_file(dir + "VILHO.OBJ", PlayerObj, sizeof(ItemStruct) * PLAYEROBJ_COUNT) && ok;
    ok = write_file(dir + "EXITER.DAT", exiter, sizeof exiter) && ok;
    ok = write_first_start(player, dir, VILHO_STORY, sizeof VILHO_STORY / sizeof *VILHO_STORY, 2) && ok;
    if (ok && write_file(dir + "VILHO.OXS", &player, sizeof player)) return true;
    leave_half_made(folder);
    return false;
}

// Her things go on the local map of her field, beside her, where she can use them: the game itself
// loads her, zooms in onto her cell, lays them round a square of open ground and zooms out again. The
// store keeps the area with her things, and going down again brings her back to that square.
const unsigned LOCAL_SEED = 20261208;   // the stream the local maps of her cell are made from

// A square near where she came down whose block from one west to two east and one north to one
// south is open ground with nothing on it.
bool find_spot() {
    const int x0 = PlayerX, y0 = PlayerY;
    for (int d = 0; d <= 24; d++)
        for (int y = y0 - d; y <= y0 + d; y++)
            for (int x = x0 - d; x <= x0 + d; x++) {
                if (std::max(std::abs(x - x0), std::abs(y - y0)) != d) continue;
                const bool inside = x >= AREA_CENTRE + 4 && x <= AREA_CENTRE + 59 && y >= AREA_CENTRE + 4 &&
                                    y <= AREA_CENTRE + 59;   // on the middle local map, off its edges
                if (!inside) continue;
                bool open = true;
                for (int by = y - 1; by <= y + 1 && open; by++)
                    for (int bx = x - 1; bx <= x + 2 && open; bx++) {
                        open = entry_square_free(bx, by) && !terrain_flag(get_mapchar(bx, by), TF_WATER);
                        for (int i = 0; i < DATA_MAX && open; i++)
                            if (Data[i].type != 0 && Data[i].type != DT_FREED && Data[i].type != 'v' &&   // a spirit's mood is no thing
                                Data[i].type != DT_PLANT &&   // a crop stand leaves room for her things
                                Data[i].x == bx && Data[i].y == by)
                                open = false;
                    }
                if (!open) continue;
                SPOT_X = x, SPOT_Y = y;
                return true;
            }
    return false;
}

// A shovel on the ground two steps east and one north of her, for preparing the soil of a field where
// she burnt wood.
static void lay_shovel_beside_her(const PlayerStruct &player, DataStruct *pool) {
    const int row = object("Shovel", 1);
    DataStruct *d = free_record(pool);
    if (!d || row <= 0) return;
    d->x = (uint16_t)(SPOT_X + 2);
    d->y = (uint16_t)(SPOT_Y - 1);
    d->type = DT_ITEM;
    d->id = (uint32_t)row;
    d->count = 1;
    d->day = (uint16_t)player.daynumber;
}

bool lay_things_on_her_local_map() {
    OXA_NODELAY = 1;
    if (!getcwd(OxaPath, sizeof OxaPath)) return false;
    copy_bounded(CharacterFile, sizeof CharacterFile, FOLDER);
    if (loader() != 0) {
        fprintf(stderr, "gen_fixture: the game couldn't load %s\n", FOLDER);
        return false;
    }
    var_clear();
    LOADER_RUN = 0;
    srand(LOCAL_SEED);
    LastMovingDirection = -1;   // down as the zoom key takes her: into the middle of her field, where
                                // her things are laid and where going down again brings her back
    EnterLocale(0, 0);
    if (!LOAD_MAP || GetMappie(0) != 1 || bigmap()) {
        fprintf(stderr, "gen_fixture: her local map couldn't be made\n");
        return false;
    }
    if (!find_spot()) {
        fprintf(stderr, "gen_fixture: no open ground for her things near %d,%d\n", PlayerX, PlayerY);
        return false;
    }
    PlayerX = SPOT_X;
    PlayerY = SPOT_Y;
    lay_stones_and_branches(Plr, Data);
    lay_fire(Plr, Data);
    lay_vessels_and_mending(Plr, Data);
    lay_bow_and_arrows(Plr, Data);
    lay_axe_beside_her(Plr, Data);
    lay_gear_for_the_wilds(Plr, Data);
    if (!give_her_a_dog()) {
        fprintf(stderr, "gen_fixture: her dog couldn't be made\n");
        return false;
    }
    lay_shovel_beside_her(Plr, Data);
    companyzoomcheck(0);   // her dog goes up with her, as the zoom key's check sends it
    ExitEnviron(PlayerX, PlayerY, 1);
    if (!LOAD_MAP || GetMappie(0) != 1 || !bigmap()) {
        fprintf(stderr, "gen_fixture: she couldn't go back to the world map\n");
        return false;
    }
    const bool saved = Save(0) == 1;
    // The notes of the trip are the making of the fixture, not her game's first lines.
    remove((std::string(FOLDER) + "/msglog.txt").c_str());
    return saved;
}

// Each ready-made character's face in its folder, written when the folder has none.
// A folder a game holds gets none: `her_held`, this run holds hers already.
bool write_portraits(bool her_held = false) {
    bool ok = true;
    for (const Face &f : {AINO_FACE, VILHO_FACE}) {
        const std::string path = std::string(f.folder) + "/portrait.png";
        if (!own_isfile((std::string(f.folder) + "/" + f.folder + ".OXS").c_str()) || own_isfile(path.c_str())) continue;
        const bool ours = her_held && strcmp(f.folder, FOLDER) == 0;
        const int held = ours ? -1 : hold_folder(f.folder);
        if (!ours && held < 0) {
            say_held(f.folder, errno);
            continue;
        }
        if (!portrait::save_png(portrait::paint(f.set, f.number), path.c_str())) {
            fprintf(stderr, "gen_fixture: couldn't write %s\n", path.c_str());
            ok = false;
        }
        if (held >= 0) close(held);
    }
    return ok;
}

bool has_character() {
    static SavedCharacter found[LOADCHAR_ROWS];
    return list_saved_characters(found) > 0;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        fprintf(stderr, "usage: gen_fixture <working folder>\n");
        return 1;
    }
    if (chdir(argv[1]) != 0) {
        fprintf(stderr, "gen_fixture: no working folder %s\n", argv[1]);
        return 1;
    }
    if (has_character()) return write_scenario_character() && write_portraits() ? 0 : 1;

    const std::string dir = std::string(FOLDER) + "/";
    if (!remove_half_made(FOLDER)) return write_scenario_character() && write_portraits() ? 0 : 1;
    // Her folder is held from her making on: a game that finds her meanwhile is told she is in use.
    if (!build_character("Aino", AINO_FACE, 2, 1, 0, AINO_SEED, 0, 0, true)) return 1;
    // Should a game have her all the same, her folder is left to it.
    if (!hold_her_folder()) {
        say_held(FOLDER, save_lock_error());
        return write_scenario_character() && write_portraits() ? 0 : 1;
    }
    static PlayerStruct player;
    player = Plr;
    fixture_date(player, 15, 6, 15.0f);
    const int32_t exiter[3] = {(int32_t)(player.day_counter2 * 3), (int32_t)player.daynumber - 500, 0};
    give_food(player, PlayerObj);
    static DataStruct pool[DATA_MAX];   // the world map's things: hers lie on her local map
    give_belongings(player);
    give_crafting_materials(player);
    dress(player);
    give_cooking_things(player);
    dress_fully(player);

    bool ok = write_file(dir + "DATA.DAT", pool, sizeof pool);
    ok = write_file(dir + "CONSTANT.OBJ", ConstantObj, sizeof ConstantObj) && ok;
    ok = write_file(dir + FOLDER + ".OBJ", PlayerObj, sizeof(ItemStruct) * PLAYEROBJ_COUNT) && ok;
    ok = write_file(dir + "EXITER.DAT", exiter, sizeof exiter) && ok;
    ok = write_first_start(player, dir, STORY, sizeof STORY / sizeof *STORY) && ok;
    // The character file last: a folder without it is never offered, so a half-written fixture is
    // written again by the next build.
    if (ok) ok = write_file(dir + FOLDER + ".OXS", &player, sizeof player);
    else leave_half_made(FOLDER);
    ok = write_scenario_character() && ok;
    // Last, as it loads her into the game's tables: her things onto her local map. A failure takes
    // her character file away again, so that the next build writes her anew.
    if (ok && !lay_things_on_her_local_map()) {
        leave_half_made(FOLDER);
        ok = false;
    }
    ok = ok && write_portraits(true);
    return ok ? 0 : 1;
}
