// src/activities/fieldwork.cpp -- preparing the soil and sowing (see fieldwork.h). A field is made on
// bare ground where wood was burnt: the shovel turns the burnt soil into field soil, and once the fire
// remains are gone a seed sown there becomes a plant record that grows through the year.
#include "activities/fieldwork.h"

#include <cstdio>
#include <cstring>

#include "activities/harvest.h"
#include "core/commandcodes.h"
#include "items/plantlife.h"
#include "creatures/skills.h"
#include "base/ownlib.h"
#include "base/strupr.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "core/tekstit.h"
#include "creatures/body.h"
#include "creatures/condition.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/itemwear.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/quality.h"
#include "maps/mapdesc.h"
#include "maps/mapquery.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"

enum {
    CH_PREPARED = 82, SOIL_EFFORT = 6, TASK_SOWN = 18,
    DAYS_A_MONTH = 30, SOW_FROM_DAY = 20,
};

// ---- the rules by number ----

int kylvopaivia_jaljella(int sprout, int wither, int month, int day) {
    if (month >= wither) return SOW_TOO_LATE;
    if (month >= sprout) return 0;
    const int from = (sprout - 2) * DAYS_A_MONTH + SOW_FROM_DAY;
    const int today = (month - 1) * DAYS_A_MONTH + day;
    return today < from ? from - today : 0;
}

const char *routa_este(int frost, int month, bool sowing) {
    if (frost == 1) return sowing ? "!Nothing grows in frozen ground." : "!You can't prepare frozen soil.";
    if (frost != 2) return nullptr;
    if (sowing)
        return month <= 7 ? "!The ground is still too frosty to plant anything." : "!The ground is too frosty to plant anything.";
    return month >= 3 && month <= 7 ? "!The soil is not yet warm enough to be prepared."
                                    : "!The soil has gotten too frosty to be prepared.";
}

int kylvetyt_kasvit(int roll, int per_sowing) {
    const int half = per_sowing / 2;
    int n = 1;
    if (roll == 1) n = random(half);
    else if (roll == 2) n = half + random(half);
    else if (roll == 3) n = per_sowing;
    return n > 0 ? n : 1;
}

static bool fire_remains_here(int x, int y) {
    for (const DataStruct &d : Data)
        if (d.type == DT_FIRE_REMAINS && d.x == x && d.y == y) return true;
    return false;
}

// ---- preparing the soil ----

int AGRICULTURE_prepare_soil() {
    const int x = PlayerX, y = PlayerY;
    if (get_mapchar(x, y) != CH_GROUND) {
        Note("!You can't prepare the soil here! There should be empty ground under your feet.");
        return 0;
    }
    if (const char *no = routa_este(maapera_roudassa(0), Plr.month, false)) {
        Note(no);
        return 0;
    }
    if (maapera_muokattavissa(x, y) != 1) {
        char what[300], note[400];
        copy_bounded(what, sizeof what, karttamerkin_selitys(x, y, "[skip snow]"));
        snprintf(note, sizeof note, "!That's not possible because the ground is %s!", StrLwr(what));
        Note(note);
        return 0;
    }
    if (!fire_remains_here(x, y)) {
        Note("!You must first burn some wood on the ground here!");
        Note("After the fire has burned out then prepare the soil.");
        return 0;
    }
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = OID_SHOVEL;
    Tarvike.count = Tarvike.first_count = 1;
    Tarvike.linked = OID_SHOVEL_TOOL;
    Lisaa_Tarvike();
    if (puuhausvammaus(CRE_PLAYER, 5, 6, txt_toimia(ACTION_PREPARE_SOIL))) return 0;
    if (!Kay_Tarvikelista(Toiminta(ACTION_PREPARE_SOIL))) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    const int fitness = Tarvikelista_Tyokalukelpoisuus(-1);
    const int roll = Kayta_Taitoa(1, 0, "AGRICULTURE", LEARN_THIRD);
    const int base = roll == 0 ? 30 : roll == 2 ? 20 : 15;
    const int minutes = tyoaikamuutos(base, fitness, roll);
    AsetaPonnistelu(CRE_PLAYER, SOIL_EFFORT);
    if (!spend(minutes < 1 ? 1 : minutes, 0, "PREPARING THE SOIL", 0, 0)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    set_mapchar(x, y, CH_PREPARED);
    Note(":The soil here is now prepared.");
    Note(":Now wait until the ground cools down. Then you can plant/sow something.");
    return 1;
}

// ---- sowing ----

// The plant definition a seed, grain or pod comes from (its skill text names the plant); false when
// there is none.
static bool sown_plant(const ItemStruct &seed, ItemStruct &plant, int &row) {
    char name[sizeof seed.skill + 1];
    copy_bounded(name, sizeof name, seed.skill);
    row = name[0] ? ConstantObj_Nimella(name, IT_PLANT) : -1;
    if (row <= 0 || row >= CONSTANTOBJ_ROWS) return false;
    plant = ConstantObj[row];
    return plant.type == IT_PLANT;
}

int AGRICULTURE_plant() {
    const int x = PlayerX, y = PlayerY;
    if (const char *no = routa_este(maapera_roudassa(0), Plr.month, true)) {
        Note(no);
        return 0;
    }
    if (fire_remains_here(x, y)) {
        Note("!The ground is still very warm. You can't plant/sow anything before it cools down.");
        return 0;
    }
    bool items = false;
    for (const DataStruct &d : Data) items = items || (d.type == DT_ITEM && d.x == x && d.y == y);
    if (items || get_mapchar(x, y) != CH_PREPARED) {
        Note("!You can't plant anything here! The soil under your feet is not prepared or clear of items.");
        return 0;
    }
    const int slot = selslot("Select a crop to plant/sow?", "plant or sow", SEL_WRONG_TYPE, invmask(IT_FOOD), 0);
    if (slot == INVSEL_NOTHING) {
        Note(nothingto("plant or sow"));
        return 0;
    }
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0 || Plr.inv_count[slot] <= 0) return 0;
    const ItemStruct seed = ObjToItem(Plr.inv_obj[slot]);
    if (seed.spoil == SPOIL_SPOILED) {
        Note("!The chosen item is spoiled beyond usage!");
        return 0;
    }
    ItemStruct plant;
    int row = -1;
    const bool sowable = seed.id == OID_SEED || seed.id == OID_GRAIN || seed.id == OID_POD;
    if (!sowable || !sown_plant(seed, plant, row)) {
        Note("!You can't plant that!");
        return 0;
    }
    const KasviOsat k = hajota_kasvi(plant);
    const float amount = seed.id == OID_POD ? k.part[PART_WHOLE].weight : k.part[PART_SEED].weight;
    const int wait = kylvopaivia_jaljella(plant.fig[4], plant.fig[5], Plr.month, Plr.day);
    TARGET_ITEM = row;
    if (wait == SOW_TOO_LATE) {
        Note(MSG("PLANT_TOO_LATE"));
        return 0;
    }
    if (wait > 0) {
        TARGET_NUM = wait;
        Note(MSG("PLANT_NOT_YET"));
        return 0;
    }
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if ((d.type == DT_PLANT || d.type == DT_PLANT_DORMANT || d.type == DT_PLANT_PICKED) && d.x == x && d.y == y)
            CrunchData(i);
    }
    const int roll = Kayta_Taitoa(0, 0, "AGRICULTURE", LEARN_EIGHT);
    Kuluta_PlrItem(slot, amount > 0.0f ? amount : seed.weight);
    const int today = (int)Plr.daynumber;
    ClearDTEMP();
    DTEMP.type = DT_PLANT;
    DTEMP.x = (uint16_t)x;
    DTEMP.y = (uint16_t)y;
    DTEMP.id = (uint32_t)row;
    DTEMP.count = (uint16_t)kylvetyt_kasvit(roll, plant.cover[0]);
    DTEMP.day = (uint16_t)(today + 5 + random(5));
    DTEMP.ready_day = (uint16_t)(today + plant.fig[3] + random(10));
    if (SetDTEMP(-1) < 0) return 0;
    TARGET_ITEM = row;
    TARGET_NUM = DTEMP.count;
    Note(MSG("PLANT_DONE"));
    world_services.course_task_check(TASK_SOWN);
    laske_Load(CRE_PLAYER);
    return 1;
}
