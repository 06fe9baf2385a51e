// src/activities/harvest.cpp -- picking, cutting, threshing and grinding (see harvest.h).
#include "activities/harvest.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

#include "items/containers.h"
#include "activities/cooking.h"
#include "activities/herblore.h"
#include "items/plantlife.h"
#include "creatures/skills.h"
#include "base/ownlib.h"
#include "base/tags.h"
#include "base/ui.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "creatures/body.h"
#include "creatures/breaches.h"
#include "creatures/condition.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/itemwear.h"
#include "items/items_int.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/plants.h"
#include "items/quality.h"
#include "items/items.h"
#include "maps/picker.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

enum {
    TASK_PICKED = 46, TASK_GATHERED = 3,
    YOUNG_LEAF_DAYS = 15, PICKED_REVIVAL_DAYS = 90, MUSHROOM_SPROUT_DAYS = 15, MUSHROOM_RIPEN_DAYS = 10,
    HEAP_EFFORT = 2, GRIND_EFFORT = 4, MAGIC_LEFT = 10, MAGIC_RIGHT = 5,
};
static const float GRIND_MAX = 4.0f;        // pounds ground at one time
static const float GRIND_MINUTES = 45.0f;   // minutes a pound

// ---- the rules by number ----

int kokonaisina_yksikot(int units) {
    if (units <= 1) return 1;
    if (units == 2) return 1 + random(2);
    if (units == 3) return 2;
    if (units == 4) return 2 + random(2);
    return (units + 1) / 2 + random(2);
}

int puinti_minuutit(const KasviOsat &k, int plants) {
    const int m = k.threshing ? k.threshing * plants : 2 * plants;
    return m < 1 ? 1 : m;
}

float jauhatus_paino(float weight) { return weight > GRIND_MAX ? GRIND_MAX : 0.0f; }

int jauhatus_enintaan(float weight) {
    if (!(weight > 0.0f)) return 0;
    return (int)std::ceil(GRIND_MAX / weight - 1e-4f);
}

// ---- picking and cutting ----

static bool plant_record(int n) { return n >= 0 && n < DATA_MAX && Data[n].type == DT_PLANT; }

// The definition a plant record names; false when it is gone.
static bool plant_of(int n, ItemStruct &plant) {
    plant = ObjToItem((int)Data[n].id);
    return Data[n].id != 0 && plant.type == IT_PLANT;
}

static void say(int who, const char *key) {
    if (who < 0) Note(MSG(key));
}

// A village's plant taken is mischief, when somebody lives in the village to keep its books.
static void village_plant_taken(const DataStruct &d) {
    if (d.owner == SOC_OWNER) breachrun_mischief_here((int)d.id, 1);
}

// The text of the flowered notice, kept for a later message; "" when the plant is still flowering.
static std::string flowered_text() { return std::string(MSG("HARVEST_FLOWERED")); }

static void note_text(const std::string &text) {
    if (!text.empty()) Note(text.c_str());
}

// The plant record after the picking: what is left of the patch.
static void after_picking(int n, int dp, const KasviOsat &k, bool whole_plant) {
    DataStruct &d = Data[dp];
    if (whole_plant) {
        if (n < 0) CrunchData(dp);
        else reduce_datapos(dp);
        return;
    }
    const int today = (int)Plr.daynumber;
    if (k.root || k.plant.id == OID_ROOT) {
        CrunchData(dp);
    } else if (k.plant.id == OID_MUSHROOM) {
        d.flags = PLANT_GROWING;
        const int sprout = today + MUSHROOM_SPROUT_DAYS + random(15);
        d.day = (uint16_t)sprout;
        d.ready_day = (uint16_t)(sprout + MUSHROOM_RIPEN_DAYS);
    } else {
        d.type = DT_PLANT_PICKED;
        d.ready_day = (uint16_t)(today + PICKED_REVIVAL_DAYS);
    }
}

// Picking by hand (modes 0 and -1, and the young leaves).
static int pick(int n, int dp, const KasviOsat &k, bool whole_plant, bool young) {
    const DataStruct &d = Data[dp];
    const int count = d.count > 0 ? d.count : 1;
    const int state = d.flags;
    const int kind = (int)k.plant.id;
    if (k.method == PICK_SICKLE && !young) {
        say(n, "HARVEST_NOPICKING");
        return HARVEST_REFUSED;
    }
    int amount = 0, part = -1;
    std::string flowered;
    if (k.present[PART_LEAF]) {
        const int units = count * (young ? 1 : k.count[PART_LEAF]);
        amount = whole_plant ? kokonaisina_yksikot(units) : units;
        part = PART_LEAF;
    }
    if (!young && k.present[PART_FLOWER]) {
        if (state == PLANT_FLOWERING) amount = count * k.count[PART_FLOWER], part = PART_FLOWER;
        else flowered = flowered_text();
    }
    const bool whole_kind = kind == OID_BERRY || kind == OID_POD || kind == OID_ROOT || kind == OID_MUSHROOM;
    // Whole fruit comes only from a ripe plant: a young patch pulled up whole gives its leaves at most.
    if (!young && state != PLANT_GROWING && whole_kind && k.present[PART_WHOLE] && count * k.count[PART_WHOLE] > 0)
        amount = count * k.count[PART_WHOLE], part = PART_WHOLE;
    const bool seeds = k.present[PART_SEED] != 0;
    if (amount <= 0 || part < 0) {
        if (n < 0) {
            if (kind == OID_ROOT && k.present[PART_WHOLE]) Note(MSG("HARVEST_FOR_YIELD"));
            else if (!seeds) Note(MSG("HARVEST_UNPROVIDED"));
            else note_text(flowered), Note(MSG("HARVEST_NOPICKING"));
        }
        return HARVEST_REFUSED;
    }
    if (n < 0) {
        // With no room for what she picks, nothing is picked (she has been told).
        const int itempos = Luo_Esineen_Itempos(k.part[part]);
        if (!itempos) return HARVEST_REFUSED;
        if (seeds && !young) {
            if (state == PLANT_FLOWERING) Note(MSG("HARVEST_SEEDS_COMING"));
            else note_text(flowered), Note(MSG("HARVEST_SEEDINFO"));
        }
        char line[200];
        snprintf(line, sizeof line, "#Gathering %s", ekuvaus(itempos, amount, 1));
        Note(line);
        village_plant_taken(d);
        const uint32_t plant_id = d.id;
        if (!spend(k.minutes * amount, 0, "Gathering", 0, 0)) return HARVEST_INTERRUPTED;
        world_services.course_task_check(TASK_PICKED);
        world_services.course_task_check(TASK_GATHERED);
        TARGET_ITEM = itempos;
        TARGET_NUM = amount;
        Note(MSG("HARVEST_PICKED"));
        Lisaa_Inventoryyn(itempos, amount, 1, -1);
        if (!plant_record(dp) || Data[dp].id != plant_id) return HARVEST_OK;   // gone meanwhile
    }
    after_picking(n, dp, k, whole_plant);
    return HARVEST_OK;
}

// The cutting-tool line of a cut; with a sickle the tool's fitness counts.
static int cutting_tool(int method) {
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = OID_CUTTING;
    Tarvike.count = Tarvike.first_count = 1;
    Tarvike.linked = method == PICK_SICKLE ? OID_SICKLE : 0;
    Lisaa_Tarvike();
    return Kay_Tarvikelista("CUT DOWN PLANTS");
}

// The harvest action on a ripe plant: the patch becomes one heap of cut plants.
static int cut(int n, int dp, const KasviOsat &k) {
    DataStruct &d = Data[dp];
    if (k.method == PICK_BY_HAND) {
        say(n, "HARVEST_NONEED");
        return HARVEST_REFUSED;
    }
    ItemStruct heap = k.plant;
    const int state = d.flags;
    if (state == PLANT_FLOWERING && k.present[PART_SEED]) say(n, "HARVEST_SEEDS_COMING");
    if (state != PLANT_FLOWERING) heap.state = 0;   // the flowers are over
    int amount = d.count > 0 ? d.count : 1;
    int minutes;
    const char *verb = "Gathering plants";
    bool tool = false;
    if (k.method == PICK_CUT || k.method == PICK_SICKLE) {
        minutes = (amount + 3) / 4;
        verb = "Harvesting";
        if (n < 0) {
            if (!cutting_tool(k.method)) {
                Palauta_Kaytetyt_Tarvikkeet();
                return HARVEST_REFUSED;
            }
            tool = true;
            AsetaPonnistelu(CRE_PLAYER, HEAP_EFFORT);
            if (k.method == PICK_SICKLE && Tarvikelista_Tyokalukelpoisuus(-1) < 100) {
                amount = (int)((float)amount * 0.7f);
                if (amount < 1) amount = 1;
                minutes *= 2;
            }
        }
    } else {
        minutes = k.minutes > 1 ? k.minutes * amount : amount / 3;
    }
    const uint32_t plant_id = d.id;
    // The heap's object is found before the work: with no room for it nothing is cut (she has been told).
    const int heap_obj = Luo_Esineen_Itempos(heap);
    if (!heap_obj) {
        if (tool) Palauta_Kaytetyt_Tarvikkeet();
        return HARVEST_REFUSED;
    }
    if (n < 0) {
        village_plant_taken(d);
        if (!spend(minutes < 1 ? 1 : minutes, 0, verb, 0, 0)) {
            if (tool) Palauta_Kaytetyt_Tarvikkeet();
            return HARVEST_INTERRUPTED;
        }
        if (tool) Poista_Kaytetyt_Tarvikkeet();
        world_services.course_task_check(TASK_PICKED);
        world_services.course_task_check(TASK_GATHERED);
        TARGET_ITEM = (int)plant_id;
        TARGET_NUM = amount;
        Note(MSG("HARVEST_DONE"));
    }
    if (!plant_record(dp) || Data[dp].id != plant_id) return HARVEST_OK;
    d.type = DT_ITEM;
    d.id = (uint32_t)heap_obj;
    d.count = (uint16_t)amount;
    d.flags = 0;
    d.day = (uint16_t)Plr.daynumber;
    d.ready_day = 0;
    d.extra = 0;
    return HARVEST_OK;
}

int HarvestBranch(int n, int dp, int mode, unsigned char test) {
    ItemStruct plant;
    if (!plant_record(dp) || !plant_of(dp, plant)) return test ? 0 : HARVEST_REFUSED;
    DataStruct &d = Data[dp];
    const int state = d.flags;
    const bool ripe = state == PLANT_RIPE || state == PLANT_FLOWERING;
    TARGET_ITEM = (int)d.id;
    TARGET_NUM = d.count;
    const KasviOsat k = hajota_kasvi(plant);
    if (test) return ripe && k.method != PICK_SICKLE ? 1 : 0;
    bool whole_plant = mode == HARVEST_WHOLE, young = false;
    if (!whole_plant && !ripe) {
        const bool leaves = k.present[PART_LEAF] && KASVIDATA_kasvupaivat(dp) >= YOUNG_LEAF_DAYS &&
                            (int)Plr.month > (int)plant.fig[4];
        if (!leaves) {
            if (n < 0) {
                Note(MSG("HARVEST_NOT_YET"));
                KASVIDATA_harvestinfo(dp);
            }
            return HARVEST_REFUSED;
        }
        if (n < 0) {
            Note(MSG("HARVEST_YOUNG_LEAVES"));
            if (!KyllaEi("Pick the young leaves?")) {
                KASVIDATA_harvestinfo(dp);
                return HARVEST_REFUSED;
            }
        }
        young = whole_plant = true;
    }
    if (mode == HARVEST_CUT && !young) return cut(n, dp, k);
    return pick(n, dp, k, whole_plant, young);
}

int AGRICULTURE_korjuu() {
    if (!OtaKohta_Suunta("the plants to harvest")) return 0;
    int last = -1;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_PLANT && Data[i].x == GeneralX && Data[i].y == GeneralY) last = i;
    if (last < 0) {
        Note(MSG("HARVEST_NOTHING"));
        return 0;
    }
    return HarvestBranch(CRE_PLAYER, last, HARVEST_CUT, 0);
}

// ---- threshing ----

// The threshing tool's line; 0 when the player did not go on.
static int threshing_tool() {
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = OID_THRESHING_TOOL;
    Tarvike.count = Tarvike.first_count = 1;
    Tarvike.linked = OID_FLAIL;
    Lisaa_Tarvike();
    return Kay_Tarvikelista("Threshing");
}

// Threshes one heap record; 1 threshed, 0 nothing to thresh there, -1 refused or broken off (the
// heap and the tool as they were).
static int thresh_record(int who, int dp) {
    const DataStruct &d = Data[dp];
    const ItemStruct heap = ObjToItem((int)d.id);
    if (heap.type != IT_PLANT) return 0;
    const KasviOsat k = hajota_kasvi(heap);
    const int plants = d.count > 0 ? d.count : 1;
    int parts[KASVIOSAT_PARTS] = {0, 0, 0, 0};
    if (k.present[PART_WHOLE]) parts[PART_WHOLE] = k.count[PART_WHOLE];
    if (k.present[PART_LEAF]) parts[PART_LEAF] = k.count[PART_LEAF];
    if (k.present[PART_FLOWER]) {
        if (heap.state != 0) parts[PART_FLOWER] = k.count[PART_FLOWER];
        else if (who < 0) Note(MSG("HARVEST_FLOWERED"));
    }
    if (k.present[PART_SEED] && heap.state == 0) parts[PART_SEED] = k.count[PART_SEED];
    if (!parts[0] && !parts[1] && !parts[2] && !parts[3]) {
        if (who < 0) {
            TARGET_ITEM = (int)d.id;
            Note(MSG("HARVEST_UNPROVIDED"));
        }
        return 0;
    }
    const uint32_t heap_id = d.id;
    const int x = d.x, y = d.y;
    // The parts' objects are found before the work: with no room for one nothing is threshed.
    int made[KASVIOSAT_PARTS] = {0, 0, 0, 0};
    for (int p = 0; p < KASVIOSAT_PARTS; p++)
        if (parts[p] > 0 && !(made[p] = Luo_Esineen_Itempos(k.part[p]))) return -1;
    if (who < 0) {
        int minutes = puinti_minuutit(k, plants);
        bool tool = false;
        if (k.threshing) {
            int fitness = 100;
            if (k.needs_flail) {
                if (!threshing_tool()) {
                    Palauta_Kaytetyt_Tarvikkeet();
                    return -1;
                }
                tool = true;
                fitness = Tarvikelista_Tyokalukelpoisuus(-1);
            }
            minutes = tyoaikamuutos(minutes, fitness, Kayta_Taitoa(1, 0, "FLAIL", LEARN_NORMAL));
            if (minutes < 1) minutes = 1;
        }
        if (puuhausvammaus(CRE_PLAYER, tool ? 37 : 8, tool ? 5 : 2, "thresh")) {
            if (tool) Palauta_Kaytetyt_Tarvikkeet();
            return -1;
        }
        if (PVAM_EMERGENCY) minutes *= 4;
        if (!spend(minutes, 0, "Threshing", 0, 0)) {
            if (tool) Palauta_Kaytetyt_Tarvikkeet();
            return -1;
        }
        if (tool) Poista_Kaytetyt_Tarvikkeet();
        if (Data[dp].type != DT_ITEM || Data[dp].id != heap_id) return 0;   // gone meanwhile
    }
    CrunchData(dp);
    for (int p : {PART_WHOLE, PART_SEED, PART_LEAF, PART_FLOWER}) {
        const long n = (long)parts[p] * plants;
        if (n <= 0) continue;
        set_data(DT_ITEM, x, y, made[p], (int)(n > 65535 ? 65535 : n));
    }
    return 1;
}

int AGRICULTURE_puinti(int who, int x, int y, int record) {
    int threshed = 0;
    bool stopped = false;
    if (record != -1000) {
        if (record >= 0 && record < DATA_MAX && Data[record].type == DT_ITEM) {
            const int r = thresh_record(who, record);
            threshed += r > 0;
            stopped = r < 0;
        }
    } else {
        for (int i = 0; i < DATA_MAX && !stopped; i++) {
            if (Data[i].type != DT_ITEM || Data[i].x != x || Data[i].y != y) continue;
            if (ObjToItem((int)Data[i].id).type != IT_PLANT) continue;
            const int r = thresh_record(who, i);
            threshed += r > 0;
            stopped = r < 0;
        }
    }
    if (who < 0 && !stopped) {
        if (threshed) Note(":You finish threshing having the harvest now lying on the ground here.");
        else Note("!There's is nothing to thresh at this very location!");
    }
    return threshed;
}

// ---- grinding ----

// The material lines of a grinding: two grinding stones on the ground, a knife for roots and the
// container the flour goes into.
static void grinding_lines(bool root) {
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = OID_GRINDING_STONE;
    Tarvike.count = Tarvike.first_count = 2;
    Tarvike.ground = 1;
    Lisaa_Tarvike();
    if (root) {
        Tyhjaa_Tarvike();
        Tarvike.id = OID_KNIFE;
        Tarvike.count = Tarvike.first_count = 1;
        Lisaa_Tarvike();
    }
    // The container is chosen but not taken: what it holds stays in it, and the flour joins it.
    Tyhjaa_Tarvike();
    Tarvike.id = OID_CONTAINER;
    Tarvike.count = Tarvike.first_count = 1;
    Tarvike.container = 1;
    Lisaa_Tarvike();
}

// The container line's choice: its item, and where it lies.
static const Tarvike_Struct *chosen_container() {
    for (int i = 0; i < TARVIKE_MAX && Kayttolista[i].id; i++)
        if (Kayttolista[i].container && Kayttolista[i].itempos > 1) return &Kayttolista[i];
    return nullptr;
}

// The chosen container leaves its place for the filled one, which goes into the pack.
static int fill_container(const Tarvike_Struct &line, int flour) {
    const int was = (int)line.itempos;
    const int filled = Sailioi(flour, was, 0, 0);
    bool moved = false, carried = false;
    if (line.source == TSRC_GROUND && line.dataindex < DATA_MAX) {
        const int dp = (int)line.dataindex;
        if (Data[dp].type == DT_ITEM && (int)Data[dp].id == was) reduce_datapos(dp), moved = true;
    }
    for (int s = 0; s < PLR_SLOTS && !moved; s++)
        if (Plr.inv_obj[s] == was && Plr.inv_count[s] > 0) Poista_PlrItem(s, 1), moved = carried = true;
    // A container of her pack comes back filled however full the pack; one from the ground is new.
    if (carried) Lisaa_Jaon_Loput(filled, 1, 1, -1);
    else Lisaa_Inventoryyn(filled, 1, 1, -1);
    return filled;
}

// Takes what is ground from the slot: `units` whole items, or `pounds` off its one heavier item (the
// rest stays in the pack); seeds kept in a vessel are poured out of it. 1 when it was taken.
static int take_for_grinding(int slot, const ItemStruct &seeds, int units, float pounds) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0 || Plr.inv_count[slot] < units) return 0;
    if (seeds.vessel != 0) return Kuluta_PlrItem(slot, pounds > 0.0f ? pounds : seeds.weight) > 0.0f;
    int rest = 0;
    if (pounds > 0.0f && seeds.weight > pounds) {
        ItemStruct left = seeds;
        left.weight -= pounds;
        if (!(rest = Esineesta_Uniikki(left))) return 0;   // no room for what is left: nothing is taken
    }
    if (Poista_PlrItem(slot, units) != units) return 0;
    // What is left never left her pack: however full it is, it stays there.
    if (rest) Lisaa_Jaon_Loput(rest, 1, 1, -1);
    return 1;
}

int AGRICULTURE_jauhatus() {
    if (puuhausvammaus(CRE_PLAYER, 36, 4, "grind")) return 0;
    Note(MSG("GRIND_INFO"));
    const int slot = selslot("What do you want to grind for flour?", "grind", SEL_WRONG_TYPE, invmask(IT_FOOD), 0);
    if (slot == INVSEL_NOTHING) {
        Note(nothingto("grind"));
        return 0;
    }
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0 || Plr.inv_count[slot] <= 0) return 0;
    const int seedpos = Plr.inv_obj[slot];
    const ItemStruct seeds = ObjToItem(seedpos);
    if (!voiko_jauhaa(seeds)) {
        Note(MSG("GRIND_CANT"));
        return 0;
    }
    // How much: 4 lb off a heavier item, otherwise whole items up to 4 lb worth.
    float amount = jauhatus_paino(seeds.weight), pounds = amount;
    int units = 0;
    if (amount <= 0.0f) {
        int most = jauhatus_enintaan(seeds.weight);
        if (most > Plr.inv_count[slot]) most = Plr.inv_count[slot];
        units = most > 1 ? AskCount(most) : most;
        if (units <= 0) return 0;
        amount = seeds.weight * (float)units;
    }
    const bool root = seeds.id == OID_ROOT;
    grinding_lines(root);
    if (!Kay_Tarvikelista("GRIND FLOUR")) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    // The pack as the check found it is what a refusal or a break puts back.
    const ItemStruct flour = Jauha_Siemenesine(seeds, amount);
    const Tarvike_Struct *container = chosen_container();
    const ItemStruct held = ObjToItem(container ? (int)container->itempos : 0);
    char a[41], b[41], line[200];
    if (!container || (held.vessel != 0 && strcmp(item_name(held, a), item_name(flour, b)) != 0)) {
        Palauta_Kaytetyt_Tarvikkeet();
        Note("!You can't store different kinds of stuff in one container!");
        return 0;
    }
    // No more is ground than the container holds: what does not fit would be lost.
    const ItemStruct holder = held.vessel != 0 ? ObjToItem((int)held.vessel) : held;
    const float room = holder.fullweight - (held.vessel != 0 ? held.weight : 0.0f);
    if (amount > room) {
        if (units > 0) units = (int)(room / seeds.weight + 1e-4f), amount = seeds.weight * (float)units;
        else pounds = amount = room;
        if (!(amount > 0.0f)) {
            Palauta_Kaytetyt_Tarvikkeet();
            snprintf(line, sizeof line, "!There's no room for the flour in the %s!", item_name(holder, a));
            Note(line);
            return 0;
        }
    }
    const ItemStruct ground = Jauha_Siemenesine(seeds, amount);
    const int now = Plr.inv_obj[slot] == seedpos ? slot : -1;
    // The flour's object is found before the work: with no room for it nothing is ground.
    const int flour_obj = Esineesta_Uniikki(ground);
    if (!flour_obj || !take_for_grinding(now, seeds, units > 0 ? units : 1, units > 0 ? 0.0f : pounds)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    int minutes = (int)(amount * GRIND_MINUTES * (root ? 1.1f : 1.0f));
    if (PVAM_EMERGENCY) minutes *= 4;
    AsetaPonnistelu(CRE_PLAYER, GRIND_EFFORT);
    if (!spend(minutes < 1 ? 1 : minutes, 0, "GRINDING", 0, 0)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    const Tarvike_Struct used = *container;
    Poista_Kaytetyt_Tarvikkeet();
    const int filled = fill_container(used, flour_obj);
    const ItemStruct vessel = ObjToItem((int)ObjToItem(filled).vessel);
    snprintf(line, sizeof line, "=Ok. Some %s has been ground into the %s.", item_name(ground, a), item_name(vessel, b));
    Note(line);
    laske_Load(CRE_PLAYER);
    return 1;
}

// ---- the developer's harvest ----

void magicharvest() {
    for (int i = 0; i < DATA_MAX; i++) {
        if (Data[i].type != DT_PLANT) continue;
        const int x = Data[i].x, y = Data[i].y;
        if (x < PlayerX - MAGIC_LEFT || x > PlayerX + MAGIC_RIGHT) continue;
        if (HarvestBranch(0, i, HARVEST_CUT, 0) == HARVEST_OK && Data[i].type == DT_ITEM) AGRICULTURE_puinti(0, x, y, i);
    }
}
