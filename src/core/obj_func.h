// src/core/obj_func.h -- the item record and its object numbers: the record's layout, the definition
// table and blanking a record (here, below every folder that keeps items), and reading, storing and
// comparing items by number. One integer names every item wherever it is kept:
//   0                 the temporary item Temp_Item
//   1 .. 399          a row of the definition table ConstantObj
//   50000 .. 99899    a record of the stored-object table PlayerObj
//   anything else     the temporary item again (or a blank record, as each reader says)
#pragma once
#include <cstddef>
#include <cstdint>

// ItemStruct: 172 bytes, stored as is in "CONSTANT.OBJ" and in the player's object file.
// The named fields end at byte 168; the last four bytes are kept as they are read.
// The three bytes at 106 of a skin (type 5): 106 the worked mark (a cured, tanned or finished hide
// no longer spoils), 107 the fur flag of the animal it came from, 108 the hide-work stage (0 raw, 1
// soak, 2 tanning material, 3 rinse, 4 soften).
struct SkinBytes {
    uint8_t worked;
    uint8_t fur;
    uint8_t stage;
};
static_assert(sizeof(SkinBytes) == 3, "the skin bytes fill the coverage bytes");

struct ItemStruct {
    uint8_t  type;             // IT_* below; 0 blank
    uint8_t  pad1[3];
    uint32_t id;               // object id: the kind of thing (490 raw fish, 418 feather, ...)
    uint8_t  subtype;          // ST_* below
    char     name[40];         // 9
    char     skill[27];        // 49: upper-case skill word; "tuntematon" when none
    char     tile[13];         // 76: tile name; empty means the tile symbol alone
    uint8_t  spoil;            // 89: days until spoiled; 254 never; 255 spoiled
    uint8_t  tilesym;          // 90: map character of the item
    uint8_t  pad91;
    float    price;            // 92: base price
    uint8_t  fig[6];           // 96: attack, protection, nutrient or plant figures
    uint8_t  status;           // 102: 32 worn, 128 main hand, 16 second hand
    uint8_t  pad103;
    uint16_t state;            // 104: leash social id (low half), skis in use, light lit, flowering days
    union {
        uint8_t  cover[3];     // 106: coverage of body parts (other uses by type)
        SkinBytes hide;        // 106: a skin's worked mark, fur flag and hide-work stage
    };
    uint8_t  light;            // 109: light radius of a light source
    uint16_t state_hi;         // 110: a leash: the high half of its animal's social id
    float    weight;           // 112: pounds
    float    fullweight;       // 116: weight when whole; a container's capacity
    uint32_t vessel;           // 120: object number of the holding vessel; 0 none
    uint8_t  owner;            // 124: owner byte of the ownership block
    uint8_t  magic;            // 125: special mark (charms, half-damage armour, ...)
    uint8_t  magic2;           // 126: the byte after the special mark
    uint8_t  ownweight;        // 127: a container's empty weight in tenths of a pound
    uint32_t origin;           // 128: social id or species the item comes from
    uint32_t boiled;           // 132: herb effects when boiled
    uint32_t raw;              // 136: herb effects when eaten raw; bit 1 set on spoiled food
    uint32_t material;         // 140: MAT_* bits
    uint8_t  trap[2];          // 144
    uint8_t  pad146;           // 146: not used; zero, and never read
    // 147: a plant's name and identification: 1 identified (its own name stands), 2..99 its species' mark,
    // which names it by that row of the plant-name table until she knows it; 0 unmarked
    uint8_t  plantname;
    uint8_t  water;            // 148
    uint8_t  harvestyear;      // 149: the year a stored crop was harvested; 0 unknown
    uint8_t  pad150[2];
    float    priceperweight;   // 152: price per pound when not 0
    int16_t  ownerword1;       // 156: world x of the cell where the item was first taken
    int16_t  ownerword2;       // 158: world y
    uint32_t ownersoc;         // 160: owner society; 0 nobody
    uint8_t  ownerflags;       // 164: 1 unpaid, 2 taken, 4 claim, 16 free, 64 next claim clears
    uint8_t  quality;          // 165: bits 0-2 grade 1-5 (0 reads as 3), bit 7 known
    uint8_t  unitkind;         // 166
    uint8_t  adclass;          // 167: bits 0-3 attack class, 4-7 defence class
    uint8_t  pad168[4];
};
static_assert(sizeof(ItemStruct) == 172, "ItemStruct is a file record");
static_assert(offsetof(ItemStruct, id) == 4, "ItemStruct layout");
static_assert(offsetof(ItemStruct, subtype) == 8, "ItemStruct layout");
static_assert(offsetof(ItemStruct, name) == 9, "ItemStruct layout");
static_assert(offsetof(ItemStruct, skill) == 49, "ItemStruct layout");
static_assert(offsetof(ItemStruct, tile) == 76, "ItemStruct layout");
static_assert(offsetof(ItemStruct, spoil) == 89, "ItemStruct layout");
static_assert(offsetof(ItemStruct, tilesym) == 90, "ItemStruct layout");
static_assert(offsetof(ItemStruct, price) == 92, "ItemStruct layout");
static_assert(offsetof(ItemStruct, fig) == 96, "ItemStruct layout");
static_assert(offsetof(ItemStruct, status) == 102, "ItemStruct layout");
static_assert(offsetof(ItemStruct, state) == 104, "ItemStruct layout");
static_assert(offsetof(ItemStruct, cover) == 106, "ItemStruct layout");
static_assert(offsetof(ItemStruct, hide) == 106, "ItemStruct layout");
static_assert(offsetof(ItemStruct, hide) + offsetof(SkinBytes, fur) == 107, "ItemStruct layout");
static_assert(offsetof(ItemStruct, hide) + offsetof(SkinBytes, stage) == 108, "ItemStruct layout");
static_assert(offsetof(ItemStruct, light) == 109, "ItemStruct layout");
static_assert(offsetof(ItemStruct, state_hi) == 110, "ItemStruct layout");
static_assert(offsetof(ItemStruct, weight) == 112, "ItemStruct layout");
static_assert(offsetof(ItemStruct, fullweight) == 116, "ItemStruct layout");
static_assert(offsetof(ItemStruct, vessel) == 120, "ItemStruct layout");
static_assert(offsetof(ItemStruct, owner) == 124, "ItemStruct layout");
static_assert(offsetof(ItemStruct, magic) == 125, "ItemStruct layout");
static_assert(offsetof(ItemStruct, magic2) == 126, "ItemStruct layout");
static_assert(offsetof(ItemStruct, ownweight) == 127, "ItemStruct layout");
static_assert(offsetof(ItemStruct, origin) == 128, "ItemStruct layout");
static_assert(offsetof(ItemStruct, boiled) == 132, "ItemStruct layout");
static_assert(offsetof(ItemStruct, raw) == 136, "ItemStruct layout");
static_assert(offsetof(ItemStruct, material) == 140, "ItemStruct layout");
static_assert(offsetof(ItemStruct, trap) == 144, "ItemStruct layout");
static_assert(offsetof(ItemStruct, plantname) == 147, "ItemStruct layout");
static_assert(offsetof(ItemStruct, water) == 148, "ItemStruct layout");
static_assert(offsetof(ItemStruct, harvestyear) == 149, "ItemStruct layout");
static_assert(offsetof(ItemStruct, priceperweight) == 152, "ItemStruct layout");
static_assert(offsetof(ItemStruct, ownerword1) == 156, "ItemStruct layout");
static_assert(offsetof(ItemStruct, ownerword2) == 158, "ItemStruct layout");
static_assert(offsetof(ItemStruct, ownersoc) == 160, "ItemStruct layout");
static_assert(offsetof(ItemStruct, ownerflags) == 164, "ItemStruct layout");
static_assert(offsetof(ItemStruct, quality) == 165, "ItemStruct layout");
static_assert(offsetof(ItemStruct, unitkind) == 166, "ItemStruct layout");
static_assert(offsetof(ItemStruct, adclass) == 167, "ItemStruct layout");

// The social id of the animal a leash holds, 0 none: the state word is its low half and state_hi
// its high half, so that an id above 65535 names its own animal.
inline uint32_t leash_sotu(const ItemStruct &item) { return (uint32_t)item.state | ((uint32_t)item.state_hi << 16); }
inline void set_leash_sotu(ItemStruct &item, uint32_t sotu) {
    item.state = (uint16_t)(sotu & 0xFFFFu);
    item.state_hi = (uint16_t)(sotu >> 16);
}

// Item types (the type byte).
enum {
    IT_NONE = 0, IT_WEAPON = 1, IT_ARMOUR = 2, IT_CONTAINER = 3, IT_SKIN = 5, IT_TOOL = 6,
    IT_FOOD = 7, IT_TIMBER = 8, IT_VEHICLE = 9, IT_VALUABLE = 10, IT_PLANT = 11, IT_CARCASS = 12,
};

// Subtypes.
enum {
    ST_NET = 1, ST_POLEARM = 2, ST_BOW = 5, ST_ARROW = 6, ST_SCOOP = 7, ST_ROPE = 9, ST_HORN = 10,
    ST_TRAP = 12, ST_BOAT = 13, ST_LIGHT = 14, ST_TRUNK = 20, ST_LOG = 21, ST_BLOCK = 22, ST_SKIS = 40,
    ST_SKISTICK = 41, ST_LIQUID_VESSEL = 100,
};

// Status byte of a player object.
enum { ISTAT_SECOND = 16, ISTAT_WORN = 32, ISTAT_PRIMARY = 128 };

// Owner flags.
enum { OWN_UNPAID = 1, OWN_TAKEN = 2, OWN_CLAIM = 4, OWN_FREE = 16, OWN_CLEARS = 64 };

// Quality byte.
enum { QUAL_GRADE = 7, QUAL_KNOWN = 128 };

// Material bits.
enum {
    MAT_WOOD = 1, MAT_IRON = 2, MAT_LEATHER = 4, MAT_FUR = 8, MAT_BARK = 16, MAT_CLOTH = 32, MAT_WOOL = 64,
    MAT_ROCK = 128, MAT_BONE = 256, MAT_ANTLER = 512, MAT_BRONZE = 1024, MAT_SILVER = 2048, MAT_WINTER = 4096,
};

// Spoilage byte.
enum { SPOIL_NEVER = 254, SPOIL_SPOILED = 255 };

// Object ids the rest of the game knows by number, each named here and nowhere else. Below 71 and a
// few above (the classes of the requirement table in items/materials.cpp) an id names what a work
// needs: any axe, any knife, a fire near, a heated room; the rest name kinds of things.
enum {
    OID_AXE = 50, OID_KNIFE = 51, OID_CARCASS = 52, OID_CUTTING = 53, OID_CUTTING_OR_HAND = 54, OID_WATER = 55,
    OID_FIRE = 56, OID_SALT = 57, OID_HEATED_ROOM = 58, OID_DRY_COLD_WEATHER = 59, OID_DRYING_PLACE = 60,
    OID_FLOUR = 61, OID_EMBERS = 62, OID_SOAKING_PLACE = 63, OID_WORKBENCH = 64, OID_HEATED_FIREPLACE = 65,
    OID_MILK = 69, OID_KOTA_COVER = 70,
    OID_BROAD_AXE = 100, OID_WOODSMAN_AXE = 102, OID_SPLITTING_AXE = 104, OID_FLAIL = 140, OID_SICKLE = 141,
    OID_SMALL_KNIFE = 150, OID_BROAD_KNIFE = 151,
    OID_SPRUCE_TWIG = 202, OID_BRANCH = 203, OID_BEATER = 220, OID_THRESHING_TOOL = 221, OID_VASTA = 230,
    OID_STONE = 300, OID_SHOVEL = 309, OID_SHOVEL_TOOL = 310, OID_ICE_BREAKER = 320, OID_CORD = 327,
    OID_WITHE = 328, OID_TYING = 330, OID_POT = 331, OID_ROPE = 333, OID_SMALL_ROCK = 336, OID_BAG = 350,
    OID_WOODCUP = 351, OID_BBBOX = 352, OID_BBBASKET = 353, OID_COOKING_POT = 370, OID_CONTAINER = 374,
    OID_GRINDING_STONE = 380, OID_SAPLING = 399, OID_TRUNK = 400, OID_BLOCK = 401, OID_FELLED_TRUNK = 402,
    OID_BOARD = 403, OID_BIRCHBARK_STRIP = 407, OID_SKIN_RAW = 410, OID_SKIN_CURED = 411, OID_FUR = 412,
    OID_LEATHER = 413, OID_TANNING = 414, OID_SKIN_DEHAIRED = 415, OID_SKULL = 416, OID_FEATHER = 418,
    OID_BONE = 419,
    OID_GRASS = 430, OID_BERRY = 431, OID_POD = 432, OID_ROOT = 433, OID_SEED = 434, OID_GRAIN = 435,
    OID_HERB = 436, OID_FLOWER = 437, OID_CEREAL = 438,
    OID_RAWFISH = 490, OID_RAWMEAT = 500, OID_MUSHROOM = 513, OID_PRESERVED_MEAT = 530, OID_PRESERVED_FISH = 531,
    OID_BANDAGE = 600, OID_NORTHERN_SPEAR = 700, OID_FOX_TRAP = 800, OID_LOOP_SNARE = 801,
};

enum { CONSTANTOBJ_ROWS = 400 };   // definition rows; item positions 1..399 name them

extern ItemStruct ConstantObj[CONSTANTOBJ_ROWS];

// ---- the record's blanks and text fields ----
float gtolbs(float grams);               // a weight in grams in pounds
void ClrItemstruct(ItemStruct &item);   // zero everywhere, skill "tuntematon"
void unmatchable_blank(ItemStruct &item);   // a row holding no definition
// Copies a record's name (which may fill its field) into a terminated buffer of 41 bytes.
char *item_name(const ItemStruct &item, char out[41]);
// Sets a text field of a record, cut to the field and terminated.
void set_item_text(char *field, size_t size, const char *text);
#define SET_ITEM_TEXT(field, text) set_item_text((field), sizeof(field), (text))

// ---- the core's item services ----
void set_dp_socowned(int dp);   // marks data-pool record dp as goods of the village
// The inventory slot whose player object is held in hand 1 (primary) or 2 (second); 1000 none.
int wielding(int hand);

struct CreatureStruct;

enum {
    OBJ_PLAYER_FIRST = 50000,
    PLAYEROBJ_COUNT = 49900,
    OBJ_PLAYER_LAST = OBJ_PLAYER_FIRST + PLAYEROBJ_COUNT - 1,   // 99899
    OBJMAINT_THRESHOLD = 49850,    // past this record the maintenance is due
    ZOOM_RECORD_SIZE = 88392,      // one stored local map
    ZOOM_DATA_OFFSET = 16392,      // its 2000 pool records start here
    ZOOM_DATA_COUNT = 2000,
};

extern ItemStruct PlayerObj[PLAYEROBJ_COUNT];
extern ItemStruct Temp_Item;
extern ItemStruct Item;
extern uint8_t keepobj[PLAYEROBJ_COUNT];
// The goods the player offers in the trade under way (society/trade.h): they are in no slot until
// the deal hands them over or they come back, and the object maintenance keeps them.
enum { TRADE_SLOTS = 20 };
extern int32_t Trade_ItemList[TRADE_SLOTS];    // objects the player offers
extern int32_t Trade_ItemCount[TRADE_SLOTS];
extern int32_t Trade_DebtCheck[TRADE_SLOTS];   // the debt line an offered item pays, -1000 none
extern int RUN_OBJMAINT;
extern int hakutapa_RANDOM;        // hae_esine picks a random match while set
extern int hakutapa_NOT_TYPE;      // hae_esine skips rows of this type

// ---- loaders ----
ItemStruct &ObjToItem(ItemStruct &dest, int n);
ItemStruct ObjToItem(int n);
int  AnyObjToObj(int n);           // loads Item; 0 when Item was cleared instead

// ---- storers ----
int Luo_Esineen_Itempos(const ItemStruct &item);   // an equal stored item's number, or a new one
int Esineesta_Uniikki(const ItemStruct &item);     // always a new record
int ObjToPlayerObj(int n);
void objects_recent_reset();       // per-game: the objects stored last were another game's
int ItemToObjpos(const ItemStruct &item, int n);   // 1 written, 0 refused
void keepthisobj(int n);
void keepcreobjs(const CreatureStruct &cr);

// ---- comparisons ----
int onko_kasvikuntaa(const ItemStruct &item);   // plants, flour, 430..438, mushrooms
int ItemStructsEqual(const ItemStruct &a, const ItemStruct &b);
int ItemStructsEqualEnough(const ItemStruct &a, const ItemStruct &b);
int somewhatequal(const ItemStruct &a, const ItemStruct &b);
int itemtypesequal(const ItemStruct &a, const ItemStruct &b);

// ---- definitions ----
int object(const char *name, int exact);           // definition row, or 0
ItemStruct &hae_esine(ItemStruct &dest, unsigned id);

// ---- quality byte ----
int ItemSet_laatu(int grade, ItemStruct &item);
int ItemGet_laatu(const ItemStruct *item);
int ItemSet_laatutieto(int mode, ItemStruct &item);
int on_laatutieto(const ItemStruct *item);
int ItemSet_tunnettulaatu(int grade, ItemStruct &item);

// ---- spoilage and maintenance ----
// 0 unchanged, 1 aged, 2 spoiled; the resulting item goes to `out`.
int spoilItem(int n, int mode, int cause, ItemStruct &out, int days);
// Clears every stored object that nothing refers to; answers the number kept, or -1 when a
// source could not be read whole (then nothing is cleared).
int object_maintenance();
