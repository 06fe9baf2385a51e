// The item record and its object numbers: the definition table, blanking a record, loading and
// storing items by number, item equality, definitions by name,
// the quality byte, spoilage and the maintenance of the stored-object table.
#include "core/obj_func.h"

#include "core/weatherengine.h"

#include "core/datafunc.h"
#include "base/ownlib.h"
#include "base/savecommit.h"
#include "core/oxa.h"
#include "core/records.h"
#include "base/strupr.h"
#include "core/creatures.h"
#include "core/crefile.h"
#include "core/tehtavat.h"
#include "core/vilrecord.h"
#include "core/notes.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <vector>

ItemStruct PlayerObj[PLAYEROBJ_COUNT];
ItemStruct Temp_Item;
ItemStruct Item;
uint8_t keepobj[PLAYEROBJ_COUNT];
int32_t Trade_ItemList[TRADE_SLOTS];
int32_t Trade_ItemCount[TRADE_SLOTS];
int32_t Trade_DebtCheck[TRADE_SLOTS];
int RUN_OBJMAINT = 0;
int hakutapa_RANDOM = 0;
int hakutapa_NOT_TYPE = 0;

// ---- the record ----

ItemStruct ConstantObj[CONSTANTOBJ_ROWS];

void set_item_text(char *field, size_t size, const char *text) {
    memset(field, 0, size);
    copy_bounded(field, size, text ? text : "");
}

char *item_name(const ItemStruct &item, char out[41]) {
    memcpy(out, item.name, sizeof item.name);
    out[sizeof item.name] = 0;
    return out;
}

float gtolbs(float grams) { return grams / 453.0f; }

void ClrItemstruct(ItemStruct &item) {
    memset(&item, 0, sizeof item);
    SET_ITEM_TEXT(item.skill, "tuntematon");
}

void unmatchable_blank(ItemStruct &item) {
    ClrItemstruct(item);
    SET_ITEM_TEXT(item.name, "*unmatchablestring*");
}

// ---- the core's item services ----

void set_dp_socowned(int dp) {
    if (dp >= 0 && dp < DATA_MAX && Data[dp].type == DT_ITEM && Data[dp].owner == 0) Data[dp].owner = SOC_OWNER;
}

int wielding(int hand) {
    uint8_t bit = hand == 1 ? ISTAT_PRIMARY : ISTAT_SECOND;
    for (int s = 0; s < PLR_SLOTS; s++) {
        int n = Plr.inv_obj[s];
        if (n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST && (PlayerObj[n - OBJ_PLAYER_FIRST].status & bit))
            return s;
    }
    return 1000;
}

// The note box and its pause.
static void say(const char *text) { Note(text); }
static void pause_notes() { Pause(); }

// The mean temperature of the day records first..last.
static int period_temperature(int first, int last) { return weatherengine.get_summary(0, first, last).first; }

static bool is_definition(int n) { return n >= 1 && n < CONSTANTOBJ_ROWS; }
static bool is_stored(int n) { return n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST; }

// ---- loaders ----

ItemStruct &ObjToItem(ItemStruct &dest, int n) {
    if (is_stored(n)) {
        dest = PlayerObj[n - OBJ_PLAYER_FIRST];
    } else if (is_definition(n)) {
        Temp_Item = ConstantObj[n];
        dest = Temp_Item;
    } else if (n >= CONSTANTOBJ_ROWS && n < OBJ_PLAYER_FIRST) {
        ClrItemstruct(dest);       // no such definition row
    } else {
        dest = Temp_Item;          // 0, 99900 and above, negative
    }
    return dest;
}

ItemStruct ObjToItem(int n) {
    ItemStruct it;
    ObjToItem(it, n);
    return it;
}

static int load_into(ItemStruct &dest, int n) {
    if (n <= 0) {
        dest = Temp_Item;
        return 1;
    }
    if (is_stored(n)) {
        dest = PlayerObj[n - OBJ_PLAYER_FIRST];
        return 1;
    }
    if (is_definition(n)) {
        Temp_Item = ConstantObj[n];
        dest = Temp_Item;
        return 1;
    }
    memset(&dest, 0, sizeof dest);
    return 0;
}

int AnyObjToObj(int n) { return load_into(Item, n); }

// ---- storers ----

// The first record with a blank type; the used stretch ends there.
static int first_blank() {
    for (int i = 0; i < PLAYEROBJ_COUNT; i++)
        if (PlayerObj[i].type == IT_NONE) return i;
    return -1;
}

// The objects stored last: a command may make several before it places any of them (a vessel and
// its content), so a maintenance run in the middle of a command keeps these whatever refers to them.
static int run_maintenance(bool keep_recent);
enum { RECENT_KEPT = 32 };
static int recent_stored[RECENT_KEPT];
static int recent_next;

void objects_recent_reset() {
    memset(recent_stored, 0, sizeof recent_stored);
    recent_next = 0;
}

// Writes into a blank record. A full table runs the maintenance at once and tries again; when it is
// still full the answer is 0 (no object), and the caller leaves the item where it was.
static int store_at_blank(const ItemStruct &item) {
    int i = first_blank();
    if (i < 0) {
        run_maintenance(true);
        i = first_blank();
    }
    if (i < 0) {
        say("!There is no room for more objects. The item stays where it was.");
        return 0;
    }
    PlayerObj[i] = item;
    if (i > OBJMAINT_THRESHOLD) RUN_OBJMAINT = 1;
    recent_stored[recent_next] = i + OBJ_PLAYER_FIRST;
    recent_next = (recent_next + 1) % RECENT_KEPT;
    return i + OBJ_PLAYER_FIRST;
}

int Luo_Esineen_Itempos(const ItemStruct &item) {
    for (int i = 0; i < PLAYEROBJ_COUNT && PlayerObj[i].type != IT_NONE; i++)
        if (ItemStructsEqual(PlayerObj[i], item)) return i + OBJ_PLAYER_FIRST;
    return store_at_blank(item);
}

int Esineesta_Uniikki(const ItemStruct &item) { return store_at_blank(item); }

int ObjToPlayerObj(int n) {
    if (n > OBJ_PLAYER_FIRST - 1) return n;
    if (n > 0) {
        if (is_definition(n)) Temp_Item = ConstantObj[n];
        else ClrItemstruct(Temp_Item);
    }
    return store_at_blank(Temp_Item);
}

int ItemToObjpos(const ItemStruct &item, int n) {
    int rec;
    if (is_stored(n)) rec = n - OBJ_PLAYER_FIRST;
    else if (n >= 0 && n < PLAYEROBJ_COUNT) rec = n;
    else return 0;
    PlayerObj[rec] = item;
    return 1;
}

void keepthisobj(int n) {
    if (is_stored(n)) keepobj[n - OBJ_PLAYER_FIRST] = 1;
    else if (n >= 0 && n < PLAYEROBJ_COUNT) keepobj[n] = 1;
}

static void keep_stored(int n) {
    if (is_stored(n)) keepobj[n - OBJ_PLAYER_FIRST] = 1;
}

void keepcreobjs(const CreatureStruct &cr) {
    keep_stored(cr.wielded);
    for (int i = 0; i < CRE_PACK; i++) keep_stored(cr.pack[i]);
    for (int i = 0; i < CRE_WORN; i++) keep_stored(cr.worn[i]);
}

// ---- comparisons ----

static bool text_caseeq(const char *a, const char *b, size_t n) { return strncasecmp(a, b, n) == 0; }
static bool text_eq(const char *a, const char *b, size_t n) { return strncmp(a, b, n) == 0; }

static bool quality_match(uint8_t a, uint8_t b) {
    if (a == b) return true;
    auto plain_known = [](uint8_t q) {
        int g = q & QUAL_GRADE;
        return (g == 0 || g == 3) && (q & QUAL_KNOWN);
    };
    return (a == 0 && plain_known(b)) || (b == 0 && plain_known(a));
}

static bool ownerflags_match(uint8_t a, uint8_t b) {
    if (a == b) return true;
    return (a == 0 && (b & OWN_CLEARS)) || (b == 0 && (a & OWN_CLEARS));
}

int onko_kasvikuntaa(const ItemStruct &item) {
    if (item.type == IT_PLANT) return 1;
    return item.id == OID_FLOUR || (item.id >= OID_GRASS && item.id <= OID_CEREAL) || item.id == OID_MUSHROOM;
}

// The stacking test: two items are one stack only when nothing that tells them apart differs.
int ItemStructsEqual(const ItemStruct &a, const ItemStruct &b) {
    if (a.type != b.type) return 0;
    if (!text_caseeq(a.name, b.name, sizeof a.name)) return 0;
    if (!text_caseeq(a.skill, b.skill, sizeof a.skill)) return 0;
    if (a.owner != b.owner) return 0;
    if (memcmp(a.cover, b.cover, sizeof a.cover) != 0) return 0;
    if (!quality_match(a.quality, b.quality)) return 0;
    if (a.spoil != b.spoil && !(a.type == IT_FOOD && a.spoil >= 50 && b.spoil >= 50)) return 0;
    if (onko_kasvikuntaa(a) && a.plantname != b.plantname) return 0;
    if (a.origin != b.origin) return 0;
    if (!(a.tile[0] == 0 && b.tile[0] == 0) && !text_eq(a.tile, b.tile, sizeof a.tile)) return 0;
    if (a.magic2 != b.magic2 || a.magic != b.magic || a.tilesym != b.tilesym) return 0;
    if (!(std::fabs(a.weight - b.weight) < 0.003f)) return 0;
    if (!(std::fabs(a.fullweight - b.fullweight) < 0.003f)) return 0;
    if (a.price != b.price) return 0;
    if (a.subtype != b.subtype) return 0;
    if (a.light != b.light &&
        (b.type == IT_SKIN || b.type == IT_TOOL || b.type == IT_FOOD || b.light > 140))
        return 0;
    if (memcmp(a.fig, b.fig, sizeof a.fig) != 0) return 0;
    if (a.state != b.state || a.id != b.id || a.status != b.status || a.adclass != b.adclass) return 0;
    if (a.vessel != b.vessel || a.boiled != b.boiled || a.raw != b.raw) return 0;
    if (a.priceperweight != b.priceperweight) return 0;
    if (a.ownerword1 != b.ownerword1 || a.ownerword2 != b.ownerword2) return 0;
    if (a.ownersoc != b.ownersoc || a.material != b.material || a.unitkind != b.unitkind) return 0;
    if (!ownerflags_match(a.ownerflags, b.ownerflags)) return 0;
    return 1;
}

int ItemStructsEqualEnough(const ItemStruct &a, const ItemStruct &b) {
    ItemStruct a2 = a, b2 = b;
    a2.status = 0;
    b2.status = 0;
    return ItemStructsEqual(a2, b2);
}

int somewhatequal(const ItemStruct &a, const ItemStruct &b) {
    if (a.type != b.type) return 0;
    switch (a.type) {
    case IT_FOOD: return a.id == b.id;
    case IT_WEAPON: return text_eq(a.skill, b.skill, sizeof a.skill);
    case IT_TIMBER: return a.subtype == b.subtype && a.id == b.id;
    default: return 1;
    }
}

int itemtypesequal(const ItemStruct &a, const ItemStruct &b) {
    return a.type == b.type && a.id == b.id && text_eq(a.skill, b.skill, sizeof a.skill) &&
           text_eq(a.name, b.name, sizeof a.name) && a.subtype == b.subtype;
}

// ---- definitions ----

static void row_name_upper(int row, char *out, size_t size) {
    size_t n = sizeof ConstantObj[row].name;
    if (n >= size) n = size - 1;
    memcpy(out, ConstantObj[row].name, n);
    out[n] = 0;
    strupr(out);
}

static bool random_pick_ok(int row) {
    const ItemStruct &it = ConstantObj[row];
    if (it.name[0] == 0 || memchr(it.name, '*', sizeof it.name)) return false;
    if (it.type == IT_PLANT) return false;
    return it.id != OID_WATER && it.id != OID_FLOUR && it.id != OID_MILK && it.id != OID_SEED;
}

// The upper-cased names of the definition rows, kept until a row's name changes: a lookup by name
// compares the stored name with its copy instead of upper-casing every row on every lookup.
enum { UPNAME_SIZE = 48 };
static char upname_raw[CONSTANTOBJ_ROWS][sizeof(ItemStruct::name)];
static char upname[CONSTANTOBJ_ROWS][UPNAME_SIZE];

static const char *row_upper(int row) {
    if (memcmp(upname_raw[row], ConstantObj[row].name, sizeof upname_raw[row]) != 0) {
        memcpy(upname_raw[row], ConstantObj[row].name, sizeof upname_raw[row]);
        row_name_upper(row, upname[row], sizeof upname[row]);
    }
    return upname[row];
}

// The row's name holds the search text followed by the end of the name or a blank.
static bool name_matches(int row, const char *upper, size_t len, int exact) {
    const char *rowname = row_upper(row);
    if (exact == 1) return strcmp(rowname, upper) == 0;
    const char *at = strstr(rowname, upper);
    if (!at) return false;
    char after = at[len];
    return after == 0 || after == ' ';
}

int object(const char *name, int exact) {
    random(30);
    char upper[50];
    copy_bounded(upper, sizeof upper, name ? name : "");
    strupr(upper);
    if (upper[0] == 0) return 0;

    if (strcmp(upper, "*RANDOM*") == 0) {
        bool any = false;
        for (int r = 0; r < CONSTANTOBJ_ROWS && !any; r++) any = random_pick_ok(r);
        if (!any) return 0;
        for (;;) {
            int r = random(CONSTANTOBJ_ROWS);
            if (random_pick_ok(r)) return r;
        }
    }

    const size_t len = strlen(upper);
    static int hits[CONSTANTOBJ_ROWS];
    int count = 0;
    for (int r = 1; r < CONSTANTOBJ_ROWS; r++)
        if (name_matches(r, upper, len, exact)) hits[count++] = r;
    const int want = random(count) + 1;
    return count ? hits[want - 1] : 0;
}

ItemStruct &hae_esine(ItemStruct &dest, unsigned id) {
    int skip = hakutapa_NOT_TYPE, pick_random = hakutapa_RANDOM;
    hakutapa_NOT_TYPE = 0;
    hakutapa_RANDOM = 0;
    int matches = 0, first = -1;
    for (int r = 0; r < CONSTANTOBJ_ROWS; r++) {
        if (ConstantObj[r].type == skip || ConstantObj[r].id != id) continue;
        if (first < 0) first = r;
        matches++;
    }
    if (matches == 0) {
        memset(&dest, 0, sizeof dest);
        return dest;
    }
    int row = first;
    if (pick_random) {
        int want = random(matches);
        for (int r = 0; r < CONSTANTOBJ_ROWS; r++) {
            if (ConstantObj[r].type == skip || ConstantObj[r].id != id) continue;
            if (want-- == 0) {
                row = r;
                break;
            }
        }
    }
    dest = ConstantObj[row];
    return dest;
}

// ---- quality byte ----

int ItemSet_laatu(int grade, ItemStruct &item) {
    if (grade > 5) grade = 5;
    if (grade < 0) grade = 0;
    item.quality = (uint8_t)((item.quality & ~QUAL_GRADE) | grade);
    return item.quality;
}

int ItemGet_laatu(const ItemStruct *item) {
    int g = item->quality & QUAL_GRADE;
    return g == 0 ? 3 : g;
}

int ItemSet_laatutieto(int mode, ItemStruct &item) {
    if (mode) item.quality |= QUAL_KNOWN;
    else item.quality |= 1;
    return item.quality;
}

int on_laatutieto(const ItemStruct *item) { return (item->quality & QUAL_KNOWN) ? 1 : 0; }

int ItemSet_tunnettulaatu(int grade, ItemStruct &item) {
    ItemSet_laatu(grade, item);
    return ItemSet_laatutieto(1, item);
}

// ---- spoilage ----

int spoilItem(int n, int mode, int cause, ItemStruct &out, int days) {
    ItemStruct it;
    ObjToItem(it, n);
    int today = (Plr.month - 1) * 30 + Plr.day;
    int tP = period_temperature(today - days, today);
    int t7 = period_temperature(today - 7, today);

    // Spoiled is spoiled, and a food that never spoils (salt, salted dishes) neither ages nor goes bad.
    if ((it.type != IT_FOOD && it.type != IT_SKIN) || it.spoil >= SPOIL_NEVER) return 0;
    if (it.type == IT_SKIN && it.cover[0] == 1) return 0;
    if (it.id == OID_SKIN_CURED) return 0;
    if (cause == 'Q' && mode == 0) {
        if (it.subtype == 28 || it.subtype == 29) return 0;
        if (random(3) < 2) return 0;
    }
    if (mode == 0) {
        if (t7 < 1 && tP < -4) return 0;
        if (t7 < 0 && days < 15) return 0;
    }

    int result;
    bool spoils = mode == 1 || it.spoil == 0 || (int)it.spoil - days < 1;
    if (spoils) {
        ItemSet_laatu(1, it);
        it.quality |= QUAL_KNOWN;
        it.spoil = 255;
        it.price = 0;
        it.priceperweight = 0;
        if (it.type == IT_FOOD) it.raw |= 2;
        else memset(it.fig, 1, sizeof it.fig);
        result = 2;
    } else {
        it.spoil = (uint8_t)(it.spoil - days);
        if (it.spoil == 1) {
            int g = ItemGet_laatu(&it);
            if (g != 1 && g != 2) ItemSet_laatu(2, it);
        }
        result = 1;
    }
    out = it;
    return result;
}

// ---- maintenance ----

// Every pool record that names a stored object keeps it.
static void keep_pool_ids(const DataStruct *pool, int count) {
    for (int i = 0; i < count; i++) keep_stored((int)pool[i].id);
}

// Every stored local map: the pool records of each mark their objects. The store is read as the
// running save leaves it, for a map entry stores its maps inside a save and may run the maintenance
// before the save commits. A missing store is fine; a store that ends inside a record, or cannot be
// read, is not.
static bool mark_from_zoommaps() {
    char path[1200];
    snprintf(path, sizeof path, "%s/ZOOMMAPS.DAT", CharacterPath);
    const long long size = save_size_of(path);
    if (size < 0) return true;
    if (size % ZOOM_RECORD_SIZE != 0) return false;
    const long long maps = size / ZOOM_RECORD_SIZE;
    enum { CHUNK = 32 };   // maps read at once
    std::vector<uint8_t> bytes;
    DataStruct pool[ZOOM_DATA_COUNT];
    for (long long first = 0; first < maps; first += CHUNK) {
        const long long n = maps - first < CHUNK ? maps - first : CHUNK;
        bytes.resize((size_t)(n * ZOOM_RECORD_SIZE));
        if (!save_read_at(path, first * ZOOM_RECORD_SIZE, bytes.data(), bytes.size())) return false;
        for (long long k = 0; k < n; k++) {
            memcpy(pool, bytes.data() + k * ZOOM_RECORD_SIZE + ZOOM_DATA_OFFSET, sizeof pool);
            for (const DataStruct &d : pool) keep_stored((int)d.id);
            const long long read = first + k + 1;
            if (read % 2500 == 0) {
                char note[64];
                snprintf(note, sizeof note, "#%lld maps read - please wait...", read);
                say(note);
            }
        }
    }
    return true;
}

// The character's creature file as the game reads it: every used record marks what it carries, the
// records a running save wrote, or a failed save left waiting, among them.
static bool mark_from_creature_file() {
    return cre_file_each([](const CreatureStruct &cr) {
        if (cr.kind != 0) keepcreobjs(cr);
    });
}

// A village's goods pool, the field harvest waiting there until the village is next caught up, and
// the goods its debt lines name.
static void keep_village_objects(const VillageStruct &v) {
    for (uint32_t obj : v.pool) keep_stored((int)obj);
    for (const VillageDebtLine &d : v.debt)
        if (d.active) keep_stored((int)d.object);
}

int object_maintenance() { return run_maintenance(false); }

static int run_maintenance(bool keep_recent) {
    RUN_OBJMAINT = 0;
    remove("objmaint.txt");
    say("#Oxa needs to perform object maintenance now. That will take a few moments.");
    pause_notes();
    say("#Maintenancing - please wait ...");

    memset(keepobj, 0, sizeof keepobj);
    for (const ItemStruct &it : PlayerObj) {
        if (it.vessel != 0) keepthisobj((int)it.vessel);
    }
    for (int i = 0; i < PLAYEROBJ_COUNT; i++) {
        const ItemStruct &it = PlayerObj[i];
        if (it.ownersoc != 0 || (it.ownerflags & (OWN_UNPAID | OWN_TAKEN)) || it.magic != 0)
            keepobj[i] = 1;
    }

    // An object referred to only by a source that could not be read would be lost for good:
    // without every source whole, nothing is cleared.
    if (!mark_from_zoommaps()) {
        say("!The stored maps could not be read whole. Object maintenance skipped.");
        return -1;
    }
    say("#Reading NPC objs - please wait...");
    if (!mark_from_creature_file()) {
        say("!The creature file could not be read whole. Object maintenance skipped.");
        return -1;
    }
    for (const CreatureStruct &cr : Cre)
        if (cr.kind != 0) keepcreobjs(cr);
    if (!vil_each(keep_village_objects)) {
        say("!The village file could not be read whole. Object maintenance skipped.");
        return -1;
    }

    for (int s = 0; s < PLR_SLOTS; s++) keep_stored(Plr.inv_obj[s]);
    // Goods offered in a trade are in no slot until the deal hands them over or they come back.
    for (int i = 0; i < TRADE_SLOTS; i++) keep_stored(Trade_ItemList[i]);
    QuestKeepObjects();
    if (keep_recent)
        for (int n : recent_stored) keep_stored(n);
    keep_pool_ids(Data, DATA_MAX);
    keep_pool_ids(IsoData, DATA_MAX);
    // What travels with her: the party's stack, set down at the next map entry.
    keep_pool_ids(Plr.party, PLR_PARTY);

    int kept = 0;
    for (int i = 0; i < PLAYEROBJ_COUNT; i++) {
        if (keepobj[i]) kept++;
        else ClrItemstruct(PlayerObj[i]);
    }
    char note[64];
    snprintf(note, sizeof note, "#%d objects kept.", kept);
    say(note);
    say("=Maintenance done - continue playing now.");
    return kept;
}
