// src/creatures/animals.cpp -- one tick of an animal's and a spirit's life, and the bodily life that
// animals and people share: sleep and waking, voices, food and eating, carcasses, hunting, nests and
// young (see animals.h).
#include "creatures/animals.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "creatures/describe.h"
#include "items/plantlife.h"
#include "creatures/nourish.h"
#include "creatures/spirittalk.h"
#include "core/worldservices.h"
#include "core/datafunc.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/body.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "core/creatures.h"
#include "creatures/cremove.h"
#include "creatures/life.h"
#include "creatures/outfit.h"
#include "creatures/lifeask.h"
#include "creatures/people.h"
#include "creatures/perception.h"
#include "creatures/physical.h"
#include "items/inventory.h"
#include "creatures/puuha.h"
#include "creatures/zoomservices.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/items_int.h"
#include "maps/area.h"
#include "creatures/crestep.h"
#include "maps/facing.h"
#include "maps/mapquery.h"
#include "maps/mapunit.h"
#include "maps/movement.h"
#include "maps/sight.h"
#include "maps/water.h"
#include "creatures/predicates.h"
#include "creatures/bodyrec.h"
#include "items/ownership.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "maps/npcnote.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/player.h"

// The player record's bytes of the spirits she met: the forest maid (met, and her gift given) and
// the spirits of the water and of the forest.
enum { PB_SPIRITMET = 5016, PB_MAIDEN = 5625, MAIDEN_MET = 2, MAIDEN_GIFT = 64 };

static void dbg(const char *text) {
    if (DEBUG_INFO) DebugNote(text);
}

static int pos_xy(int n, int &x, int &y) {
    const int p = crestep_pos(n);
    if (p < 0) return 0;
    x = Data[p].x;
    y = Data[p].y;
    return 1;
}

// Past the bound of a running walk of the pool lie only free places (pool_scan_end); the bound is asked
// again on reaching it, as a question asked on the way may hand out a place.
static bool past_pool_end(int i, int &end) { return i >= end && i >= (end = pool_scan_end()); }

// ---- voices, sleep and waking --------------------------------------------------------------------

void Elainaanet(int n) {
    if (!ask_valid(n)) return;
    const CreatureStruct &c = Cre[n];
    if (c.voicebits & 2) return;
    if (onko_NPC_lintu(n)) {
        if (!BircallActive(n)) return;
        int x, y;
        if ((c.voicebits & 4) && !bigmap() && pos_xy(n, x, y) && koordinaattien_vali(x, y, PlayerX, PlayerY) > 15) return;
        if (cre_say(n, "BIRDSOUND_NORMAL") && (c.voicebits & 1)) play_sample(BirdcallSamplename(n), 0);
        return;
    }
    cre_say(n, "SOUND_NORMAL");
}

static void loud_voice(int n) {
    NPCNOTE_HEARLIMIT = 300;
    Elainaanet(n);
    NPCNOTE_HEARLIMIT = 0;
}

int HerataNPC(int n) {
    if (!ask_valid(n)) return 1;
    CreatureStruct &c = Cre[n];
    const uint8_t back = cre_spare(c, SPARE_RESTOREMODE);
    c.mode = back == CM_ASLEEP ? 0 : back;
    if (c.posture != 4) cre_say(n, "WAKE_UP");
    Keskeyta_Puuha(n, -1);
    Lisaa_Puuha(n, 1, 10 + random(10));
    return 1;
}

int Nukuta_Elain(int n, int) {
    if (!ask_valid(n) || onko_NPC_lieassa(n) || onko_NPC_hereillaoloaika(n)) return 0;
    int x, y;
    if (!pos_xy(n, x, y) || !onko_NPCn_elinymparistoa(n, x, y)) return 0;
    if (crestep_open_water(x, y) && Cre[n].moveclass != 128) return 0;
    if (koordinaattien_vali(x, y, PlayerX, PlayerY) <= 40) return 0;
    if (Cre[n].korkeus == 100) Laskeudu(n);
    return Lisaa_Puuha(n, 4, 1000) >= 0;
}

// ---- food ----------------------------------------------------------------------------------------

// What an item is as food: the diet bits that take it by its kind, whether it is raw meat (a
// predator's food whatever its diet), and its name, looked at for bread only when a diet asks.
namespace {
struct FoodKind {
    uint32_t diets = 0;
    bool meat = false;
    const char *name = nullptr;   // none when the item is no food at all
    int bread = -1;               // not yet looked at
};
}   // namespace

static inline FoodKind food_kind(const ItemStruct &item) {
    FoodKind k;
    if (item.type == 0 || item.vessel) return k;
    switch (item.id) {
    case 490: k.diets = DIET_FISH | DIET_GENERIC; break;
    case 432: k.diets = DIET_PODS; break;
    case 433: k.diets = DIET_PODS | DIET_ROOTS; break;
    case 430: k.diets = DIET_GRASS; break;
    case 431: k.diets = DIET_BERRIES; break;
    case 438: k.diets = DIET_438; break;
    case 513: k.diets = DIET_MUSHROOMS; break;
    case 419: k.diets = DIET_BONES; break;
    default: break;
    }
    if (item.type == IT_FOOD && item.id == 0 && item.spoil != 255) k.diets |= DIET_GENERIC;
    k.meat = item.id == OID_RAWMEAT;
    k.name = item.name;
    return k;
}

static inline bool is_food(FoodKind &k, uint32_t diet, int predator) {
    if ((predator && k.meat) || (diet & k.diets)) return true;
    if (!(diet & DIET_BREAD) || !k.name) return false;
    if (k.bread < 0) k.bread = strstr(k.name, "bread") != nullptr;
    return k.bread != 0;
}

static uint32_t diet_of(const CreatureStruct &c, unsigned char cls) {
    return cls == 1 ? c.diet1 : cls == 2 ? c.diet2 : (c.diet1 | c.diet2);
}

int NPCruokaitem(int n, unsigned char cls, const ItemStruct &item) {
    if (!ask_valid(n) || item.type == 0) return 0;
    if (cls > 2) cls = 0;
    FoodKind k = food_kind(item);
    return is_food(k, diet_of(Cre[n], cls), onko_JOKU_petoelain(n));
}

static bool stored_obj(int obj) { return obj >= OBJ_PLAYER_FIRST && obj <= OBJ_PLAYER_LAST; }
static bool blank_obj(int obj) { return obj >= CONSTANTOBJ_ROWS && obj < OBJ_PLAYER_FIRST; }

// The items of the pool read where they are kept rather than copied out, by the rules of ObjToItem:
// a stored object, a definition row, a blank for the numbers between, the temporary item for the
// rest. Loading a definition row leaves it in the temporary item; a walk notes the last row it read
// and loads it before anything else may look, so the temporary item ends as a copy for each would
// have left it.
namespace {
struct ItemLook {
    int row = -1;   // the definition row read last and not yet loaded
    const ItemStruct *at(int obj) {
        if (stored_obj(obj)) return &PlayerObj[obj - OBJ_PLAYER_FIRST];
        if (obj >= 1 && obj < CONSTANTOBJ_ROWS) {
            row = obj;
            return &ConstantObj[obj];
        }
        if (blank_obj(obj)) return nullptr;   // a blank: no food
        return row >= 0 ? &ConstantObj[row] : &Temp_Item;
    }
    void load() {
        if (row < 0) return;
        Temp_Item = ConstantObj[row];
        row = -1;
    }
};
}   // namespace

int npc_got_ESINE(int n, int id) {
    if (!ask_valid(n)) return -1000;
    for (int s = 0; s < CRE_PACK; s++) {
        if (Cre[n].pack[s] <= 0 || Cre[n].packcount[s] == 0) continue;
        const ItemStruct it = ObjToItem(Cre[n].pack[s]);
        if (it.spoil == 255) continue;
        // class 495: raw meat or raw fish
        if (id == 495 ? (it.id == OID_RAWMEAT || it.id == OID_RAWFISH) : (int)it.id == id) return s;
    }
    return -1000;
}

// The animal the player has just told to eat: it takes the food she gave it however near she stands.
static int told_to_eat = CRE_NONE;

int scary_foodpos(int n, int x, int y) {
    return ask_valid(n) && n != told_to_eat && !onko_NPC_kesyelain(n) && !npcKotielain(n) &&
           koordinaattien_vali(x, y, PlayerX, PlayerY) <= 5;
}

int taboo_foodloc(int n, int x, int y) {
    if (scary_foodpos(n, x, y)) return 1;
    const int trap = crestep_trap_at(x, y);
    if (trap >= 0 && (onko_NPC_kumppani(n) || onko_NPC_kesyelain(n) || !trap_catches(n, trap))) return 1;
    int wx, wy;
    square_worldcell(x, y, &wx, &wy);
    if (get_alltime_maailmachar(wx, wy) == 'Q') {
        const CreatureStruct &c = Cre[n];
        const int small_eater =
            !onko_NPC_kesyelain(n) && !onko_NPC_lintu(n) && c.weight <= 5.0f && ((c.diet1 | c.diet2) & 0x210002);
        if (!(small_eater && random(50) == 0)) return 1;
    }
    if (terrain_flag(get_mapchar(x, y), 0x800) && !onko_NPC_kesyelain(n)) return 1;
    return 0;
}

// The carcass search over the carcass places given, in pool order, or over the whole pool when none
// are given.
static int carcass_search(int n, unsigned char cls, int set, const int *places, int count) {
    if (!ask_valid(n)) return 0;
    CreatureStruct &c = Cre[n];
    const uint32_t diet = cls == 2 ? c.diet2 : c.diet1;
    const int desperate = cls == 2 && c.speciescode == SPECIES_DOG && c.energy < -500;
    if (!(diet & (DIET_ANYCARCASS | DIET_PREYCARCASS)) && !desperate) return 0;
    int x, y;
    if (!pos_xy(n, x, y)) return 0;
    auto at = [&](int i) {   // 0: not this one
        const DataStruct &d = Data[i];
        if (d.type != DT_CARCASS) return 0;
        const int m = creature_slot_of(d.id);
        if (m < 0) return 0;
        if (scary_foodpos(n, d.x, d.y) || ask_settled(d.x, d.y)) return 0;
        const int dist = koordinaattien_vali(x, y, d.x, d.y);
        if (dist >= 255) return 0;
        if (!(diet & DIET_ANYCARCASS) && !desperate && !saaliselain(n, m)) return 0;
        if (!set) return dist ? dist : 1;
        aseta_ruhonsyonti(n, i);
        return 1;
    };
    if (places) {
        for (int k = 0; k < count; k++)
            if (const int r = at(places[k])) return r;
        return 0;
    }
    int end = pool_scan_end();
    for (int i = 0; i < DATA_MAX && !past_pool_end(i, end); i++)
        if (const int r = at(i)) return r;
    return 0;
}

int Haaskasta(int n, unsigned char cls, int set) { return carcass_search(n, cls, set, nullptr, 0); }

void aseta_ruhonsyonti(int n, int dp) {
    if (!ask_valid(n) || (unsigned)dp >= (unsigned)DATA_MAX || Data[dp].type != DT_CARCASS) return;
    const int m = creature_slot_of(Data[dp].id);
    if (m < 0) return;
    apukoord[0] = Data[dp].x;
    apukoord[1] = Data[dp].y;
    const int slot = Lisaa_Puuha(n, 52, 50);
    if (slot >= 0) Cre[n].PuuhaKohde[slot] = (int32_t)Cre[m].socialid;
    laumapuuhaus(n);
}

static int can_cut(int n, int dp) { return carcass_cuttable(n, dp); }

int aseta_ruhonkasittely(int n, int dp, int search) {
    if (!ask_valid(n)) return 0;
    if (search) {
        int x, y, best = 1000;
        dp = -1;
        if (!pos_xy(n, x, y)) return 0;
        int end = pool_scan_end();
        for (int i = 0; i < DATA_MAX && !past_pool_end(i, end); i++) {
            if (Data[i].type != DT_CARCASS || !can_cut(n, i)) continue;
            const int d = koordinaattien_vali(x, y, Data[i].x, Data[i].y);
            if (d <= 15 && d <= best) best = d, dp = i;
        }
    }
    if ((unsigned)dp >= (unsigned)DATA_MAX || Data[dp].type != DT_CARCASS) return 0;
    const int m = creature_slot_of(Data[dp].id);
    if (m < 0) return 0;
    apukoord[0] = Data[dp].x;
    apukoord[1] = Data[dp].y;
    const int slot = Lisaa_Puuha(n, 68, 1000);
    if (slot >= 0) Cre[n].PuuhaKohde[slot] = (int32_t)Cre[m].socialid;
    return 1;
}

int Saalista(int n, unsigned char cls) {
    if (!ask_valid(n) || !onko_JOKU_petoelain(n) || npcKotielain(n)) return 0;
    if (cls != 1 && cls != 2) cls = 1;
    int x, y;
    if (!pos_xy(n, x, y) || ask_settled(x, y)) return 0;
    int best = -1, bestd = 126;
    int end = pool_scan_end();
    for (int i = 0; i < DATA_MAX && !past_pool_end(i, end); i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE) continue;
        const int m = creature_slot_of(d.id);
        if (m < 0 || m == n || Cre[m].mode == CM_CARCASS) continue;
        const int dist = koordinaattien_vali(x, y, d.x, d.y);
        if (dist >= bestd || saaliselain(n, m) != cls) continue;
        if (!onko_NPC_lintu(n) && huono_saalis_maaelaimelle(n, m)) continue;
        best = m, bestd = dist;
    }
    if (best < 0 || !Cre[best].socialid) return 0;
    const int slot = Lisaa_Puuha(n, 55, 100);
    if (slot < 0) return 0;
    Cre[n].PuuhaKohde[slot] = (int32_t)Cre[best].socialid;
    if (laumanjohtaja(n) >= 0) laumapuuhaus(n);
    return 1;
}

int Metsasta(int n) {
    if (!ask_valid(n) || !is_human(n) || !NPC_riittavasti_aseita(n, 2)) return 0;
    int x, y;
    if (!pos_xy(n, x, y) || ask_settled(x, y)) return 0;
    int best = -1, bestd = 126;
    int end = pool_scan_end();
    for (int i = 0; i < DATA_MAX && !past_pool_end(i, end); i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_CREATURE) continue;
        const int m = creature_slot_of(d.id);
        if (m < 0 || m == n) continue;
        const int dist = koordinaattien_vali(x, y, d.x, d.y);
        if (dist < bestd && riistaelain(n, m)) best = m, bestd = dist;
    }
    if (best < 0 || !Cre[best].socialid) return 0;
    const int slot = Lisaa_Puuha(n, 69, 100);
    if (slot < 0) return 0;
    Cre[n].PuuhaKohde[slot] = (int32_t)Cre[best].socialid;
    return 1;
}

// The step distance of koordinaattien_vali, in the walk itself.
static inline int step_distance(int x1, int y1, int x2, int y2) {
    const int dx = abs(x1 - x2), dy = abs(y1 - y2);
    return dx > dy ? dx : dy;
}

// The record types the food search looks at: a bit for every searcher, and one more for plants,
// looked at only for a grazer.
enum { FOOD_PLACE_OTHER = 1, FOOD_PLACE_GRAZER = 2 };
static const struct FoodPlace {
    uint8_t of[256] = {};
    FoodPlace() {
        for (int t : {DT_ITEM, DT_CARCASS}) of[t] = FOOD_PLACE_OTHER | FOOD_PLACE_GRAZER;
        of[DT_PLANT] = FOOD_PLACE_GRAZER;
    }
} food_place;

// The food search's bits of the four records from i on, together.
static inline uint8_t food_places_at(int i) {
    return food_place.of[Data[i].type] | food_place.of[Data[i + 1].type] | food_place.of[Data[i + 2].type] |
           food_place.of[Data[i + 3].type];
}

static bool definition_row(int obj) { return obj >= 1 && obj < CONSTANTOBJ_ROWS; }

// Whether a definition row is food for the diet of each class, asked once a search: nothing the
// search does changes a row.
namespace {
struct RowFood {
    uint32_t stamp[CONSTANTOBJ_ROWS] = {};   // the search the answers below belong to
    uint8_t known[CONSTANTOBJ_ROWS] = {};    // a bit per class asked, and one per class answered yes
    uint32_t now = 0;
    void begin() {
        if (++now != 0) return;
        memset(stamp, 0, sizeof stamp);
        now = 1;
    }
    bool is_food(int obj, int cls, uint32_t diet, int predator) {
        if (stamp[obj] != now) stamp[obj] = now, known[obj] = 0;
        const uint8_t asked = (uint8_t)(1u << cls), yes = (uint8_t)(asked << 4);
        if (!(known[obj] & asked)) {
            FoodKind k = food_kind(ConstantObj[obj]);
            known[obj] = (uint8_t)(known[obj] | asked | (::is_food(k, diet, predator) ? yes : 0));
        }
        return (known[obj] & yes) != 0;
    }
};
}   // namespace
static RowFood row_food;

// The grazing answers of the plant objects a search meets (a definition row, or the stored copy a patch
// points to once she knows its species), kept through one walk of the pool until it tries a step: a
// step might store an object.
namespace {
struct PlantGrazing {
    int64_t obj[16];
    uint8_t by[16];
    void forget() {
        for (int64_t &o : obj) o = -1;
    }
    int grazed(uint32_t o) {
        const int k = (int)(o & 15);
        if (obj[k] != (int64_t)o) obj[k] = (int64_t)o, by[k] = (uint8_t)plant_grazed_by(o);
        return by[k];
    }
};
}   // namespace
static PlantGrazing plant_grazing;

int ravinnonhankinta(int n, int dp, unsigned char sated) {
    if (!ask_valid(n)) return 0;
    CreatureStruct &c = Cre[n];
    if (DEBUG_INFO) {
        char line[80];
        snprintf(line, sizeof line, "ravinnonhankinta(#%d)", n);
        DebugNote(line);
    }
    if (c.speciescode == SPECIES_DOG) c.diet2 |= DIET_BONES;
    if (c.diet1 == 0 && c.diet2 == 0) {
        dbg("ei ruokavaliota");
        return 0;
    }
    const int cap = maxenergiavaranto(n);
    const int limit = sated ? cap * 95 / 100 : cap / 2;
    if (c.energy >= limit && c.energy >= 0) return 0;
    int radius = 255;
    const int tame = onko_NPC_kesyelain(n);
    if (tame && !sated) radius = 128;
    if (onko_NPC_lieassa(n)) {
        radius = 5;
        if (aantelylaskuri(n, 0)) {
            cre_say(n, "SOUND_HUNGRY");
            aantelylaskuri(n, 2);
        }
    }
    int x, y;
    if (!pos_xy(n, x, y)) return 0;
    const bool grazes = syo_kasveja(n, 0) != 0;   // its diet, the same for every plant
    const int predator = onko_JOKU_petoelain(n);
    // The first class's walk notes, in order, the places the second one could do anything at: plants
    // when it grazes, items in reach but those stored objects that are no food of the second diet
    // and the blank numbers (reading those loads nothing into the temporary item). The second walk
    // visits only them unless a step was tried on the way (a step may change the pool) or the pool
    // grew or moved in between. The carcasses it meets are noted for the carcass searches as well.
    static int second[DATA_MAX], carcasses[DATA_MAX];
    row_food.begin();
    int seconds = 0, ncarcasses = 0, first_end = -1;
    bool stepped = false;
    const uint32_t creatures_at = data_creature_records;
    auto as_walked = [&] {
        return first_end >= 0 && !stepped && first_end == pool_scan_end() && creatures_at == data_creature_records;
    };
    auto carcass = [&](unsigned char cl, int set) {
        return as_walked() ? carcass_search(n, cl, set, carcasses, ncarcasses) : Haaskasta(n, cl, set);
    };
    for (int cls = 1; cls <= 2; cls++) {
        plant_grazing.forget();   // asked afresh by each walk
        int find = -1, r = radius;
        const uint32_t diet = diet_of(c, (unsigned char)cls);
        ItemLook look;
        auto consider = [&](int i) {
            const DataStruct &d = Data[i];
            if (d.type != DT_ITEM && d.type != DT_PLANT) {
                if (cls == 1 && d.type == DT_CARCASS) carcasses[ncarcasses++] = i;
                return;
            }
            const int dist = step_distance(x, y, d.x, d.y);
            const bool noting = cls == 1 && dist < radius;
            if (dist >= r && !noting) return;
            if (d.type == DT_ITEM) {
                // Whether it is food for this animal is asked first: most things aren't, and neither
                // that question nor the owner's draws a number or changes anything. A stored object
                // is read once for both classes.
                const int obj = (int)d.id;
                FoodKind kind;
                if (stored_obj(obj)) {
                    kind = food_kind(PlayerObj[obj - OBJ_PLAYER_FIRST]);
                    if (noting && is_food(kind, c.diet2, predator)) second[seconds++] = i;
                    if (dist >= r) return;
                    if (!is_food(kind, diet, predator)) return;
                } else {
                    if (noting && !blank_obj(obj)) second[seconds++] = i;
                    if (dist >= r) return;
                    const ItemStruct *it = look.at(obj);
                    if (!it) return;
                    if (definition_row(obj)) {
                        if (!row_food.is_food(obj, cls, diet, predator)) return;
                    } else {
                        kind = food_kind(*it);
                        if (!is_food(kind, diet, predator)) return;
                    }
                }
                look.load();
                const OwnerStruct o = own_datapos(i);
                if (!o.free && socnearestnpc((int)o.soc) != CRE_NONE) return;
                if (taboo_foodloc(n, d.x, d.y)) return;
            } else {
                if (noting && grazes) second[seconds++] = i;
                if (dist >= r) return;
                // Eaten ripe or flowering, or unripe when the diet can graze it: the grazing answer of
                // an object is asked once between steps.
                if (!grazes) return;
                if (d.flags == 0) {
                    const int by = plant_grazing.grazed(d.id);
                    if (by != GRAZED_BY_ALL && !(by == GRAZED_BY_SIGNED && (int)(c.diet1 | c.diet2) < 0)) return;
                }
                // and it is food for this animal: a hare leaves the berry bushes and mushrooms alone
                const int obj = (int)d.id;
                if (definition_row(obj)) {
                    look.at(obj);
                    if (!row_food.is_food(obj, 0, diet_of(c, 0), predator)) return;
                    look.load();
                } else {
                    look.load();
                    if (!NPCruokaitem(n, 0, ObjToItem(obj))) return;
                }
                if (crestep_trap_at(d.x, d.y) >= 0) return;
                stepped = true;
                const int step = Liikkuminen(n, d.x, d.y, 0);
                plant_grazing.forget();
                if (step != STEP_OK && !(d.x == x && d.y == y)) return;
            }
            find = i;
            r = dist;
        };
        // The second class visits the places the first one noted, when it may; otherwise the pool is
        // walked. Only items, carcasses and, for a grazer, plants are looked at: four places holding
        // none of them are passed over together, as the walk would do nothing with them.
        const bool listed = cls == 2 && as_walked();
        const uint8_t want = grazes ? FOOD_PLACE_GRAZER : FOOD_PLACE_OTHER;
        int end = listed ? 0 : pool_scan_end();
        int i = 0, k = 0, checked_to = 0;
        for (;;) {
            int at;
            if (listed) {
                if (k >= seconds) break;
                at = second[k++];
            } else {
                if (i >= checked_to) {
                    while (i + 4 <= end && !(food_places_at(i) & want))
                        i += 4;
                    checked_to = i + 4;
                }
                if (i >= DATA_MAX || past_pool_end(i, end)) break;
                at = i++;
                if (!(food_place.of[Data[at].type] & want)) continue;
            }
            consider(at);   // one call for both, so that it is made in place
        }
        if (!listed && cls == 1) first_end = i;
        look.load();
        if (find >= 0 && !(cls == 1 && tame)) {
            const int near_carcass = carcass(2, 0);
            if (near_carcass && near_carcass < r) return carcass(2, 1);
            apukoord[0] = Data[find].x;
            apukoord[1] = Data[find].y;
            const int slot = Lisaa_Puuha(n, 53, 100);
            if (slot >= 0) {
                Cre[n].PuuhaKohde[slot] = (int32_t)Data[find].id;
                return 1;
            }
            continue;
        }
        // told to eat what she gave it, it does not go off after prey instead
        if (carcass((unsigned char)cls, 1) || (n != told_to_eat && Saalista(n, (unsigned char)cls))) return 1;
    }
    (void)dp;
    return 0;
}

int syonti(int n, int mode) {
    if (!ask_valid(n)) return 0;
    CreatureStruct &c = Cre[n];
    if (c.energy < -500 && !onko_NPC_kumppani(n) && !(compword(n) & CF_STARVING)) c.energy = -500;
    const int cap = maxenergiavaranto(n);
    int gained = 0;
    for (int s = 0; s < CRE_PACK; s++) {
        while (c.energy <= cap / 2 && (mode != 1 || gained <= cap / 4) && c.pack[s] > 0 && c.packcount[s] > 0) {
            ItemStruct it = ObjToItem(c.pack[s]);
            if (it.type != IT_FOOD || it.spoil == 255) break;
            if (it.id == OID_SALT || it.id == OID_FLOUR || it.id == OID_SEED || it.id == OID_GRAIN || it.id == OID_RAWFISH ||
                it.id == OID_RAWMEAT) break;
            TARGET_ITEM = c.pack[s];
            cre_say(n, "DO_EAT");
            const int before = c.energy;
            const ravinto_struct v = ravinto(it);
            Ravitse(n, v, it, it.weight, 0);
            gained += c.energy - before;
            Poista_NpcItem(n, s, 1);
            if (c.energy > cap / 2 || (mode == 1 && gained > cap / 4)) return 1;
        }
    }
    return c.energy > cap / 2 || (mode == 1 && gained > cap / 4);
}

int PUUHAUS_HuolehdiRuoista(int n) {
    int x, y;
    if (!pos_xy(n, x, y)) return 0;
    int end = pool_scan_end();
    for (int i = 0; i < DATA_MAX && !past_pool_end(i, end); i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.extra != 1) continue;
        if (abs((int)d.x - x) + abs((int)d.y - y) > 49) continue;
        if (ObjToItem((int)d.id).type != IT_FOOD) continue;
        if (askel_kohti_paikkaa(n, d.x, d.y)) cr_pickup(n, i, 1);
        return 0;
    }
    return 0;
}

void feedtrigger(int n) {
    if (!ask_valid(n)) return;
    Keskeyta_Puuha(n, -1);
    tyhjenna_liikehistoria(n);
    if (!onko_vironsusi(n)) Note(MSG("PET_PHRASE:EAT"));
    const int dp = crestep_pos(n);
    told_to_eat = n;
    const int r = ravinnonhankinta(n, dp, 1);
    told_to_eat = CRE_NONE;
    if (onko_vironsusi(n)) response_confused(n);
    else if (r) response_happy(n);
    else noisy_disagree(n);
}

// ---- nests and young -----------------------------------------------------------------------------

static int wet(int x, int y) { return terrain_flag(get_mapchar(x, y), TF_WATER); }

static int open_water_within2(int x, int y) {
    int k = 0;
    for (int dy = -2; dy <= 2; dy++)
        for (int dx = -2; dx <= 2; dx++) k += crestep_open_water(x + dx, y + dy) ? 1 : 0;
    return k;
}

static int plants_within2(const int *plants, int count, int x, int y) {
    int k = 0;
    for (int i = 0; i < count; i++) {
        const DataStruct &d = Data[plants[i]];
        k += d.type == DT_PLANT && abs((int)d.x - x) <= 2 && abs((int)d.y - y) <= 2;
    }
    return k;
}

int lisaantyminen(int n, int) {
    if (!ask_valid(n)) return 0;
    CreatureStruct &c = Cre[n];
    const int m = Plr.month;
    if (!(c.breedingbits & 1) || (c.breedingbits & 2)) return 0;
    if (!(m == c.breedmonth || m == (c.breedmonth % 12) + 1)) return 0;
    int x, y;
    if (!pos_xy(n, x, y)) return 0;
    // the plants around, for the nests among them
    static int plants[DATA_MAX];
    int nplants = 0;
    if (c.breedingbits & 0x20) {
        int end = pool_scan_end();
        for (int i = 0; i < DATA_MAX && !past_pool_end(i, end); i++)
            if (Data[i].type == DT_PLANT && abs((int)Data[i].x - x) <= 52 && abs((int)Data[i].y - y) <= 52)
                plants[nplants++] = i;
    }
    // every square of the hundred by hundred around may be a nest site
    static int px[100 * 100], py[100 * 100];
    int count = 0;
    for (int dy = -50; dy < 50; dy += 1 + random(5))
        for (int dx = -50; dx < 50; dx += 1 + random(5)) {
            const int sx = x + dx, sy = y + dy;
            if (sx < 73 || sx > 391 || sy < 73 || sy > 391 || explored_maploc(sx, sy)) continue;
            if (get_mapchar(sx, sy) != CH_GROUND) continue;
            if (c.breedingbits & 8) {
                int ox, oy;
                if (zoommap_ulkoluoto(sx, sy, &ox, &oy)) px[count] = ox, py[count++] = oy;
                continue;
            }
            const int wet_n = wet(sx, sy - 1), wet_s = wet(sx, sy + 1);
            const int wet_w = wet(sx - 1, sy), wet_e = wet(sx + 1, sy);
            bool nest;
            if (c.breedingbits & 0x20) {
                // by open water between banks, or among the plants
                nest = (open_water_within2(sx, sy) > 3 && ((wet_n && wet_s) || (wet_w && wet_e))) ||
                       plants_within2(plants, nplants, sx, sy) > 2;
            } else if (c.breedingbits & 0x40) {
                // on dry ground: no water beside it and no mire under it nor two squares off
                nest = maapera_arvo(sx, sy) != 64 && !wet_n && !wet_s && !wet_w && !wet_e &&
                       maapera_arvo(sx, sy - 2) != 64 && maapera_arvo(sx, sy + 2) != 64 &&
                       maapera_arvo(sx - 2, sy) != 64 && maapera_arvo(sx + 2, sy) != 64;
            } else {
                nest = wet_n && wet_s;
            }
            if (nest) px[count] = sx, py[count++] = sy;
        }
    c.breedingbits |= 2;
    if (!count) return 0;
    const int k = random(count);
    if (c.breedingbits & 0x10) {   // a nest of spruce twigs lined with the bird's own feathers
        const int twig = ID_object(OID_SPRUCE_TWIG), feather = Luo_Esineen_Itempos(TeeSulka(c, ""));
        if (twig > 0) set_data(DT_ITEM, px[k], py[k], twig, 2);
        if (feather > 0) set_data(DT_ITEM, px[k], py[k], feather, 4);
    }
    const ItemStruct egg = TeeMuna(c);
    const int eggno = Luo_Esineen_Itempos(egg);
    if (eggno > 0) set_data(DT_ITEM, px[k], py[k], eggno, 1 + random(6) + 1);
    return 0;
}

int CubGenerate(int n, int force) {
    if (!ask_valid(n)) return 0;
    CreatureStruct &mom = Cre[n];
    if (mom.sexage & 3) return 0;
    const int sp = (int)mom.speciescode;
    int chance;
    if (sp == SPECIES_FOREST_REINDEER || sp == SPECIES_ELK) chance = random(4) == 0;
    else if (sp == SPECIES_BEAR) chance = force || random(5) == 0;
    else return 0;
    if (!chance) return 0;
    // a young is made only into a free slot: no live creature is ever overwritten
    int free = 0;
    for (int s = 0; s < CRE_COUNT && !free; s++) free = Cre[s].kind == CK_NONE && RealCreaturePos[s] == 0;
    if (!free) return 0;
    int x, y;
    if (!pos_xy(n, x, y)) return 0;
    CreatureStruct young;
    Luo_ElainOlento(young, sp, "[young]");
    if (young.kind == CK_NONE) return 0;
    young.mother = mom.socialid;
    const int id = new_creature_to_DATA(young);
    const int slot = id - CRE_DATAID;
    if ((unsigned)slot >= (unsigned)CRE_COUNT) return 0;
    if (!set_data(DT_CREATURE, x, y, id, 1)) return 0;
    if (sp == SPECIES_ELK || sp == SPECIES_BEAR) {
        const unsigned herd = crID();
        mom.community = herd;
        Cre[slot].community = herd;
        mom.herd = 1;
    }
    return 1;
}

// ---- the seal ------------------------------------------------------------------------------------

int Ela_Hylje(int n) {
    CreatureStruct &c = Cre[n];
    int x, y;
    if (!pos_xy(n, x, y)) return -1;
    if (!crestep_open_water(x, y)) {
        if (c.korkeus != -100) c.korkeus = 0;
        int wx, wy;
        if (etaisyys_veteen(x, y, &wx, &wy) > 5 && wx) {
            apukoord[0] = wx;
            apukoord[1] = wy;
            return Lisaa_Puuha(n, 60, 100);
        }
        Keskeyta_Puuha(n, -1);
        Lisaa_Puuha(n, 2, 30 + random(30));
    } else if (c.korkeus == -100 && random(2) == 0) {
        c.korkeus = 0;
    }
    const Paikka b = Hae_Hylkeen_Lekottelupaikka();
    if (b.x) {
        apukoord[0] = b.x;
        apukoord[1] = b.y;
        return Lisaa_Puuha(n, 60, 100);
    }
    const int tx = x - 5 + random(10), ty = y - 5 + random(10);
    apukoord[0] = tx;
    apukoord[1] = ty;
    if (!crestep_open_water(tx, ty)) {
        if (crestep_ice(tx, ty) < 1) return Lisaa_Puuha(n, 2, 5 + random(10));
        Sukella(n);
        return Lisaa_Puuha(n, 60, 20);
    }
    return Lisaa_Puuha(n, 60, 20);
}

// ---- one tick of an animal -----------------------------------------------------------------------

void Ela_Elain(int dp) {
    if ((unsigned)dp >= (unsigned)DATA_MAX || Data[dp].type != DT_CREATURE) return;
    const int n = creature_slot_of(Data[dp].id);
    if (!ask_valid(n)) return;
    CreatureStruct &c = Cre[n];
    if (c.noisecounter > 0) c.noisecounter--;
    const int x = Data[dp].x, y = Data[dp].y;
    if (!onko_NPCn_elinymparistoa(n, x, y)) {
        if (onko_NPC_lintu(n) && c.korkeus != 100 && OSAAKO_LENTAA(n)) Lenna(n);
    } else if (c.moveclass == 128 && c.korkeus == 100) {
        Laskeudu(n);
    }
    if (laumautumistarve(n, dp)) return;
    if (come_along(n, 2)) Keskeyta_Puuha(n, -1);
    if (c.Puuha[0] == 2) {
        if (random(100) == 0) Elainaanet(n);
        if ((c.magicburden & 1) && random(50) == 0) loud_voice(n);
    }
    if (onko_noiduttuelain(n)) {
        if (c.stateflags & 4) {
            cre_flees(n, -1);
            return;
        }
        c.alertness = 0;
        if (random(50) == 0) loud_voice(n);
    }
    if (world_services.creature_work(dp)) return;
    if (Data[dp].type != DT_CREATURE || creature_slot_of(Data[dp].id) != n) return;
    if (come_along(n, 1)) return;
    if (c.memberbits & MB_GOHOME) {
        if (Lisaa_Puuha(n, 65, 200) >= 0) return;
        c.memberbits &= (uint8_t)~MB_GOHOME;
    }
    if (Nukuta_Elain(n, dp)) return;
    if (random(5) == 0 && ravinnonhankinta(n, dp, 0)) return;
    if (come_along(n, 0)) {
        if (random(5) == 0 && koordinaattien_vali(x, y, PlayerX, PlayerY) <= 2) Lisaa_Puuha(n, 1, 3);
        return;
    }
    if (random(40) == 0) Elainaanet(n);
    if (is_socanimal(n) && c.home_x && ask_settled(x, y)) {
        int wx, wy;
        square_worldcell(x, y, &wx, &wy);
        if (wx == c.home_x && wy == c.home_y) {
            const int minutes = 15 + random(15);   // the time is drawn before the kind
            Lisaa_Puuha(n, random(3) < 2 ? 1 : 2, minutes);
        } else {
            const UiRect r = bigxy_zoomrect(c.home_x, c.home_y);
            if (r.w) askel_kohti_paikkaa(n, r.x + 32, r.y + 32);
        }
        return;
    }
    if (is_socanimal(n) && c.home_x && c.owner > 0) {
        int wx, wy;
        square_worldcell(x, y, &wx, &wy);
        if (wx != c.home_x || wy != c.home_y) {
            c.memberbits |= MB_GOHOME;
            return;
        }
    }
    if (lisaantyminen(n, dp)) return;
    if (c.kind == 24) {
        Ela_Hylje(n);
        return;
    }
    int idle = 15, roam = 15;
    if (c.speciescode == SPECIES_SQUIRREL) {
        idle = 5;
        roam = 10;
        if (random(2) == 0 && Kiipea_Puuhun(n)) {
            Lisaa_Puuha(n, 2, 15 + random(15));
            return;
        }
    }
    if (onko_NPC_lintu(n) && (c.firstmonth || c.lastmonth) && (Plr.month < c.firstmonth || Plr.month > c.lastmonth) &&
        !See(x, y)) {
        Poista_Olento(n);
        return;
    }
    if (c.moveclass == 64) {
        const int r = random(4);
        if (r == 0) {
            if (OSAAKO_LENTAA(n)) Lenna(n);
            const Paikka p = Luo_Elaimen_Tutkimusmatkan_Maaranpaa(n, dp);
            if (p.x) {
                apukoord[0] = p.x;
                apukoord[1] = p.y;
                Lisaa_Puuha(n, 60, 25);
            }
        } else if (r == 1) {
            Lisaa_Puuha(n, 1, 2 * roam);
        } else {
            Lisaa_Puuha(n, 2, idle + random(idle));
        }
        return;
    }
    if (c.moveclass == 128) {
        if (onko_NPCn_elinymparistoa(n, x, y)) {
            const int minutes = roam + random(roam);   // the time is drawn before the kind
            Lisaa_Puuha(n, random(3) == 0 ? 2 : 1, minutes);
        } else {
            const Paikka p = Luo_Elaimen_Tutkimusmatkan_Maaranpaa(n, dp);
            if (p.x) {
                apukoord[0] = p.x;
                apukoord[1] = p.y;
                Lisaa_Puuha(n, 60, 100);
            }
        }
        return;
    }
    switch (random(6)) {
    case 1: {
        const Paikka p = Luo_Elaimen_Tutkimusmatkan_Maaranpaa(n, dp);
        if (p.x) {
            apukoord[0] = p.x;
            apukoord[1] = p.y;
            Lisaa_Puuha(n, 60, 100);
        }
        break;
    }
    case 4: Suorita_Lempipaikka(n, dp); break;
    case 0: Lisaa_Puuha(n, 2, idle + random(idle)); break;
    default: Lisaa_Puuha(n, 1, roam + random(roam)); break;
    }
}

// ---- one tick of a spirit ------------------------------------------------------------------------

static void spirit_vanish(int n, int hx, int hy) {
    CreatureStruct &c = Cre[n];
    int x, y;
    if (!pos_xy(n, x, y)) return;
    if (c.speciescode == SPECIES_WATER_FOLK && crestep_open_water(x, y)) {
        Sukella(n);
        Poista_Olento(n);
        return;
    }
    for (int k = 0; k < 50 && hx && koordinaattien_vali(x, y, PlayerX, PlayerY) <= 1; k++) {
        Kulje_Paikkaan(n, hx, hy);
        if (!pos_xy(n, x, y)) return;
    }
    const bool seen = See(x, y) != 0;
    if (seen && cre_spare(c, SPARE_APPEARED) <= 150) return;
    // the maid leaves her gift only where nobody sees her go; one still seen after long just goes
    if (!seen && c.speciescode == SPECIES_FOREST_MAIDEN && cre_spare(c, SPARE_SPIRITSTATE) == 2) {
        for (int dy = -2; dy <= 2; dy++)
            for (int dx = -2; dx <= 2; dx++)
                if (crestep_free_square(x + dx, y + dy)) {
                    set_data(DT_ITEM, x + dx, y + dy, Luo_Esineen_Itempos(artefactItem_Kulumaton_Paita()), 1);
                    plr_set<uint8_t>(PB_MAIDEN, (uint8_t)(plr_get<uint8_t>(PB_MAIDEN) | MAIDEN_GIFT));
                    dx = dy = 3;
                }
    }
    Poista_Olento(n);
}

// A spirit steps into an open-water square beside it that lies 2 or 3 squares from the player.
static void wade_near_player(int n, int dp, int &x, int &y) {
    for (int k = 0; k < 8; k++) {
        const int sx = x + Heds_x(k), sy = y + Heds_y(k);
        const int d = koordinaattien_vali(sx, sy, PlayerX, PlayerY);
        if (d < 2 || d > 3 || !crestep_open_water(sx, sy)) continue;
        Data[dp].x = (uint16_t)sx;
        Data[dp].y = (uint16_t)sy;
        crestep_record_moved(dp);
        Cre[n].Viimeisin_X = x = sx;
        Cre[n].Viimeisin_Y = y = sy;
        return;
    }
}

void Ela_Haltija(int dp) {
    if ((unsigned)dp >= (unsigned)DATA_MAX || Data[dp].type != DT_CREATURE) return;
    const int n = creature_slot_of(Data[dp].id);
    if (!ask_valid(n)) return;
    CreatureStruct &c = Cre[n];
    if (PLAYER_SLEEPING && !cre_spare(c, SPARE_SPIRITSEEN)) return;
    if (cre_spare(c, SPARE_APPEARED) < 255) cre_spare(c, SPARE_APPEARED)++;
    kaanna_NPC_kohti(n, PlayerX, PlayerY);
    int x = Data[dp].x, y = Data[dp].y;
    if (See(x, y)) {
        cre_spare(c, SPARE_SPIRITSEEN) = 1;
        if (c.speciescode == SPECIES_FOREST_MAIDEN) plr_set<uint8_t>(PB_MAIDEN, (uint8_t)(plr_get<uint8_t>(PB_MAIDEN) | MAIDEN_MET));
        if (c.speciescode == SPECIES_WATER_FOLK || c.speciescode == SPECIES_FOREST_FOLK)
            plr_set<uint32_t>(PB_SPIRITMET, plr_get<uint32_t>(PB_SPIRITMET) | (c.speciescode == SPECIES_WATER_FOLK ? 4u : 16u));
    }
    // a hiding square: nearer to the spirit than to the player
    int hx = 0, hy = 0, best = 1000;
    for (int dy = -20; dy < 20; dy++)
        for (int dx = -20; dx < 20; dx++) {
            const int sx = x + dx, sy = y + dy;
            if (get_tempchar(sx, sy) != 0 && get_tempchar(sx, sy) != ' ') continue;
            if (!crestep_free_square(sx, sy)) continue;
            const int d = koordinaattien_vali(x, y, sx, sy);
            if (d < best && d < koordinaattien_vali(PlayerX, PlayerY, sx, sy)) best = d, hx = sx, hy = sy;
        }
    // the water spirit hides in the nearest open water, and now and then wades into the water beside
    // it, near enough to the player to be seen there
    if (c.speciescode == SPECIES_WATER_FOLK) {
        int wx, wy;
        if (etaisyys_veteen(x, y, &wx, &wy) < 1000) {
            hx = wx, hy = wy;
            if (random(3) == 0) wade_near_player(n, dp, x, y);
        }
    }
    // the forest spirit comes to the player until it has spoken; then it may go at any time
    if (c.speciescode == SPECIES_FOREST_FOLK) {
        if (cre_spare(c, SPARE_SPIRITSTATE) != 3) {
            if (koordinaattien_vali(x, y, PlayerX, PlayerY) > 2) Kulje_Paikkaan(n, PlayerX, PlayerY);
        } else if (random(3) == 0) {
            spirit_vanish(n, hx, hy);
            return;
        }
    }
    if (!hx) {
        const Paikka p = Hae_Pakopaikka(n, PlayerX, PlayerY);
        hx = p.x, hy = p.y;
    }
    if (c.enemy_wx == 0 && c.enemy_wy == 0) {
        c.enemy_wx = (uint16_t)PlayerX;
        c.enemy_wy = (uint16_t)PlayerY;
    }
    if (c.mode == 4 && !(c.speciescode == SPECIES_FOREST_MAIDEN && cre_spare(c, SPARE_SPIRITSTATE))) {
        cre_spare(c, SPARE_SPIRITSTATE) = 0;
        spirit_vanish(n, hx, hy);
        return;
    }
    const int appeared = cre_spare(c, SPARE_APPEARED);
    if (appeared > 10 && cre_spare(c, SPARE_SPIRITSTATE) == 0 && c.speciescode == SPECIES_FOREST_MAIDEN) {
        static const char *gift[4] = {"I have something for you.", "Come get what is now yours.",
                                      "Come, I want you to have it.", "Follow me and get your gift."};
        static const char *play[4] = {"Catch me, and I'm yours.", "Come play with me.",
                                      "You want to follow me. Yes, you do.", "Can you catch me?"};
        if (random(12) == 0 && !(plr_get<uint8_t>(PB_MAIDEN) & MAIDEN_GIFT)) {
            cre_spare(c, SPARE_SPIRITSTATE) = 2;
            Olento_Puhuu(n, gift[random(4)]);
        } else {
            cre_spare(c, SPARE_SPIRITSTATE) = 1;
            Olento_Puhuu(n, play[random(4)]);
        }
    }
    if (appeared > 10 && c.speciescode == SPECIES_FOREST_FOLK && cre_spare(c, SPARE_SPIRITSTATE) != 3 &&
        cre_spare(c, SPARE_SPIRITSEEN) && koordinaattien_vali(x, y, PlayerX, PlayerY) <= 3) {
        Olento_Puhuu(n, talkline_Metsanhaltija());
        plr_set<uint32_t>(PB_SPIRITMET, plr_get<uint32_t>(PB_SPIRITMET) | 16u);
        cre_spare(c, SPARE_SPIRITSTATE) = 3;
    }
    if (appeared > 100) {
        spirit_vanish(n, hx, hy);
        return;
    }
    const int d = koordinaattien_vali(x, y, PlayerX, PlayerY);
    if (d > 1 && (d > 3 || d >= koordinaattien_vali(c.enemy_wx, c.enemy_wy, x, y))) return;
    spirit_vanish(n, hx, hy);
}
