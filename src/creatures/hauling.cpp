// Heavy things dragged along: the haul command marks records of the square as hauled, and every step
// of the player brings them to her square until she lets go; the push command moves chosen things to
// a neighbouring square or packs them on her pet. Both cost minutes and exertion by weight.
#include "creatures/hauling.h"

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "maps/squareevents.h"
#include "creatures/body.h"
#include "creatures/breaches.h"
#include "core/creatures.h"
#include "core/crefunc.h"
#include "creatures/describe.h"
#include "creatures/predicates.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/items.h"
#include "items/ownership.h"
#include "items/vessels.h"
#include "creatures/doors.h"
#include "maps/movement.h"
#include "maps/picker.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/tekstit.h"
#include "items/inventory.h"

#include <cmath>
#include <cstdio>
#include <cstring>

int ITEMMOVE_ponnistelu = 0;

enum { MODE_WALK = 1, MODE_SWIM = 2, MODE_WADE = 4, MODE_HAUL = 9, MISCHIEF_PUSH = 701 };

// The society owning a map record's goods; 0 when they are free or nobody is left to miss them.
static int owner_soc(int dp) { return own_datapos_keeper(dp); }

// ---- the time tables -----------------------------------------------------------------------------

float itemhaul_timestrain(const ItemStruct &item, int count, int &exertion) {
    static const struct { float below, factor; int exertion; } bands[] = {
        {10, 0.05f, 3}, {20, 0.075f, 3}, {40, 0.1f, 4}, {100, 0.25f, 4},
        {200, 0.5f, 5}, {400, 0.75f, 7}, {600, 1.0f, 7},
    };
    float factor = 2.0f;
    exertion = 10;
    for (const auto &b : bands)
        if (item.weight < b.below) {
            factor = b.factor;
            exertion = b.exertion;
            break;
        }
    return (float)count * factor;
}

// The weight in kilograms of the creature a carcass was: a carcass of the area first, else the
// record in the creature file; 0 when neither is found.
static float carcass_kilograms(int socialId) {
    if (socialId <= 0) return 0;
    int alive = CRE_NONE;
    for (int c = 0; c < CRE_COUNT; c++) {
        if (Cre[c].kind == CK_NONE || Cre[c].socialid != (uint32_t)socialId) continue;
        if (Cre[c].mode == CM_CARCASS) return Cre[c].weight;
        if (alive == CRE_NONE) alive = c;
    }
    if (alive != CRE_NONE) return Cre[alive].weight;
    if (socialId >= CRE_DATAID && Lataa_RealCreature(socialId)) return Creature.weight;
    return 0;
}

float carcasshaul_timestrain(int socialId, int &exertion) {
    static const struct { float above, minutes; int exertion; } bands[] = {
        {300, 15, 10}, {250, 12, 10}, {200, 10, 10}, {150, 7, 7}, {100, 5, 7}, {80, 4, 6},
        {60, 3, 6}, {40, 2, 5}, {20, 1, 4}, {10, 0.5f, 4},
    };
    const float kg = carcass_kilograms(socialId);
    for (const auto &b : bands)
        if (kg > b.above) {
            exertion = b.exertion;
            return b.minutes;
        }
    exertion = 3;
    return 0.2f;
}

// ---- the records hauled --------------------------------------------------------------------------

static bool haulable_type(const DataStruct &d) { return d.type == DT_ITEM || d.type == DT_CARCASS; }

static bool hauled_by(const DataStruct &d, int hauler) {
    return haulable_type(d) && d.count > 0 && d.extra == HAULED_STATE && d.owner == hauler;
}

// The social id of the creature a carcass record holds; 0 when the record names none.
static int carcass_social(const DataStruct &d) {
    const int c = (int)d.id - CRE_DATAID;
    if (c < 0 || c >= CRE_COUNT) return 0;
    return (int)Cre[c].socialid;
}

// Minutes and exertion of moving `count` of a record.
static float record_minutes(const DataStruct &d, int count, int &exertion) {
    if (d.type == DT_CARCASS) return carcasshaul_timestrain(carcass_social(d), exertion);
    return itemhaul_timestrain(ObjToItem((int)d.id), count, exertion);
}

// The first record of the pool can't be split: `count` of it moves to a free record of its own,
// which answers. -1 when the pool has no free record.
static int move_off_first(int count) {
    for (int i = 1; i < DATA_MAX; i++) {
        if (Data[i].type != DT_UNUSED && Data[i].type != DT_FREED) continue;
        DTEMP = Data[0];
        DTEMP.count = (uint16_t)count;
        Data[0].count = (uint16_t)(Data[0].count - count);
        return SetDTEMP(i) < 0 ? -1 : i;
    }
    return -1;
}

int dp_setmove(int hauler, int dataIndex, int count) {
    if (dataIndex < 0 || dataIndex >= DATA_MAX) return -1;
    if (!haulable_type(Data[dataIndex]) || Data[dataIndex].count == 0 || count < 1) return -1;
    if (count < Data[dataIndex].count) {
        if (dataIndex > 0) {
            if (split_datapos(dataIndex, Data[dataIndex].count - count) < 0) return -1;
        } else {
            dataIndex = move_off_first(count);
            if (dataIndex < 0) return -1;
        }
    }
    DataStruct &d = Data[dataIndex];
    if (d.type == DT_ITEM) {
        const int owner = owner_soc(dataIndex);
        if (owner) {
            const int item = owned_item_catch(own_datapos(dataIndex), (int)d.id, d.count, 0);
            if (item != CRE_NONE && item > 0) d.id = (uint32_t)item;
        }
    }
    d.extra = HAULED_STATE;
    d.owner = (int16_t)hauler;
    return dataIndex;
}

// Adds a society once to the first free entry of a list.
int ItemMove() {
    memset(MOVE_UNPAID, 0, sizeof MOVE_UNPAID);
    memset(MOVE_TAKEN, 0, sizeof MOVE_TAKEN);
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (!hauled_by(d, CRE_PLAYER)) continue;
        d.x = (uint16_t)PlayerX;
        d.y = (uint16_t)PlayerY;
        n++;
        if (d.type != DT_ITEM) continue;
        const ItemStruct it = ObjToItem((int)d.id);
        if ((it.ownerflags & OWN_UNPAID) && it.ownersoc > 0) SET_MOVEUNPAID_ofsoc((int)it.ownersoc);
        if ((it.ownerflags & OWN_TAKEN) && it.ownersoc > 0) SET_MOVETAKEN_ofsoc((int)it.ownersoc);
    }
    return n;
}

int itemmove_check(int hauler, int release) {
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        DataStruct &d = Data[i];
        if (!hauled_by(d, hauler)) continue;
        n++;
        if (!release) continue;
        if (d.type == DT_CARCASS) {
            d.extra = 0;
            d.owner = 0;
            continue;
        }
        // Laid down again, so that it joins an equal stack of the square.
        const int x = d.x, y = d.y, count = d.count;
        int item = (int)d.id;
        CrunchData(i);
        const int back = debtreturn(item, count, 1);
        if (back > 0) item = back;
        set_data(DT_ITEM, x, y, item, count);
    }
    return n;
}

int items_being_moved() { return itemmove_check(CRE_PLAYER, 0) > 0; }

void stopHauling(int hauler) {
    const int n = itemmove_check(hauler, 1);
    if (hauler == CRE_PLAYER) {
        if (n > 0) Note("_You stop hauling items.");
        if (Plr.movement_mode == MODE_HAUL) Plr.movement_mode = MODE_WALK;
        memset(MOVE_UNPAID, 0, sizeof MOVE_UNPAID);
        memset(MOVE_TAKEN, 0, sizeof MOVE_TAKEN);
        laske_Load(CRE_PLAYER);
        Statistics();
    }
}

int itemmove_spendtime(int hauler) {
    float minutes = 0;
    int highest = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (!hauled_by(d, hauler)) continue;
        int exertion = 0;
        minutes += record_minutes(d, d.count, exertion);
        if (exertion > highest) highest = exertion;
    }
    ITEMMOVE_ponnistelu = highest;
    return (int)std::ceil(minutes - 0.0001f);
}

// ---- the haul command ----------------------------------------------------------------------------

void moveCmd() {
    if (itemmove_check(CRE_PLAYER, 0) > 0) {
        stopHauling(CRE_PLAYER);
        return;
    }
    const int mode = Plr.movement_mode;
    if (mode == MODE_SWIM || mode == MODE_WADE) {
        char words[100];
        copy_bounded(words, sizeof words, movement_desc());
        for (char *p = words; *p; p++)
            if (*p >= 'A' && *p <= 'Z') *p = (char)(*p - 'A' + 'a');
        Note(cantwhile("haul items", words));
        if (mode == MODE_WADE) Note("_Try to [p]ush items to the shore if needed.");
        return;
    }
    Note("?You are about to start hauling items at your feet.");
    if (non_outdoor()) return;
    const int r = InvSel(INV_FROM_GROUND, 0, PlayerX, PlayerY, "Select items on the ground you wish to move",
                         "haul around", SEL_MULTI, 0, 0);
    if (r == INVSEL_NOTHING) {
        Note(MSG("MOVE_NOTHING"));
        return;
    }
    if (r < 0) {
        Note("!Canceled.");
        return;
    }
    int marked = 0;
    for (int i = 0; i < INVDATA_MAX; i++) {
        const InvDataStruct &row = InvData[i];
        if (!row.pos || row.chosen <= 0 || row.source != INV_FROM_GROUND) continue;
        const int count = row.chosen < Data[row.index].count ? row.chosen : Data[row.index].count;
        if (dp_setmove(CRE_PLAYER, row.index, count) >= 0) marked++;
    }
    if (marked == 0) {   // nothing could be taken in tow: she goes on as she was
        Note(MSG("MOVE_NOTHING"));
        return;
    }
    Plr.movement_mode = MODE_HAUL;
    if (LURK) {
        LURK = 0;
        Statistics();
    }
    Note(":You start hauling. Use the command again when you are done.");
    ItemMove();
}

// ---- pushing and packing -------------------------------------------------------------------------

// A chosen ground row whose record still holds what the list showed.
static bool row_still_there(const InvDataStruct &row) {
    if (!row.pos || row.chosen <= 0 || row.source != INV_FROM_GROUND) return false;
    if (row.index < 0 || row.index >= DATA_MAX) return false;
    const DataStruct &d = Data[row.index];
    return haulable_type(d) && d.count > 0 && d.extra != HAULED_STATE;
}

static int row_count(const InvDataStruct &row) {
    const int have = Data[row.index].count;
    return row.chosen < have ? row.chosen : have;
}

// Moves `count` of a record to (x, y): an item joins the stacks there, a carcass is carried over.
static void move_record(int dp, int count, int x, int y) {
    DataStruct &d = Data[dp];
    if (d.type == DT_CARCASS) {
        d.x = (uint16_t)x;
        d.y = (uint16_t)y;
        return;
    }
    int item = (int)d.id;
    const int owner = owner_soc(dp);
    if (owner) {
        const int caught = owned_item_catch(own_datapos(dp), item, count, 1);
        if (caught > 0) item = caught;
        breachrun_mischief(owner, MISCHIEF_PUSH, 1);
    }
    datapos_deccount(dp, count);
    set_data(DT_ITEM, x, y, item, count);
}

static void move_chosen(int x, int y) {
    float minutes = 0;
    int highest = 0;
    for (int i = 0; i < INVDATA_MAX; i++) {
        const InvDataStruct &row = InvData[i];
        if (!row_still_there(row)) continue;
        int exertion = 0;
        minutes += record_minutes(Data[row.index], row_count(row), exertion);
        if (exertion > highest) highest = exertion;
    }
    AsetaPonnistelu(CRE_PLAYER, highest);
    const int whole = (int)std::ceil(minutes - 0.0001f);
    const int done = whole < 2 ? basicspend(whole, "MOVING ITEMS") : realbasicspend(whole, 0, "Moving items", SPF_HELPERS);
    if (!done) return;
    for (int i = 0; i < INVDATA_MAX; i++) {
        InvDataStruct &row = InvData[i];
        if (!row_still_there(row)) continue;
        move_record(row.index, row_count(row), x, y);
        row.chosen = 0;
    }
    TurnUsed = 1;
    esineet_paikkatarkistus(x, y);
    haulcheck();
}

static void pack_on(int animal) {
    TARGET_NPC = animal;
    Note(MSG("PACK_ANIMAL_SELECTED"));
    const int r = InvSel(INV_FROM_GROUND, 0, PlayerX, PlayerY, "What do you want to pack on it?", "pack",
                         SEL_MULTI | SEL_AUTO_ONE, 0, 0);
    if (r < 0) return;
    for (int i = 0; i < INVDATA_MAX; i++) {
        InvDataStruct &row = InvData[i];
        if (!row_still_there(row) || Data[row.index].type != DT_ITEM) continue;
        const int count = row_count(row);
        int item = (int)Data[row.index].id;
        int exertion = 0;
        const float minutes = itemhaul_timestrain(ObjToItem(item), count, exertion);
        AsetaPonnistelu(CRE_PLAYER, exertion);
        TARGET_NUM = count;
        TARGET_ITEM = item;
        TARGET_NPC = animal;
        const int owner = owner_soc(row.index);
        if (owner) {
            const int caught = owned_item_catch(own_datapos(row.index), item, count, 0);
            if (caught > 0) item = caught;
        }
        if (!AddCrPack(animal, item, count)) {
            Note(MSG("CARRY_TOO_HEAVY"));
            if (owner) debtreturn(item, count, 0);
            continue;
        }
        if (owner) SET_PACKED_ofsoc(owner);   // the village's goods on her animal
        datapos_deccount(row.index, count);
        row.chosen = 0;
        Note(MSG("PACK_DONE"));
        laske_Load(animal);
        TurnUsed = 1;
        if (!basicspend((int)std::ceil(minutes - 0.0001f), "Packing items")) break;
    }
}

void pushCmd(unsigned mode, int x, int y) {
    if (mode == PUSH_CHOSEN_ROWS) {
        move_chosen(x, y);
        return;
    }
    Note(MSG("PUSH_INFO"));
    if (InvSel(INV_FROM_GROUND, 0, PlayerX, PlayerY, "", "", SEL_COUNT_ONLY, 0, 0) <= 0) {
        Note(MSG("MOVE_NOTHING"));
        return;
    }
    if (!OtaKohta_Suunta("where to push the items") || (GeneralX == 0 && GeneralY == 0)) {
        Note("!Canceled.");
        return;
    }
    const int tx = GeneralX, ty = GeneralY;
    const int c = cre_xy_select(tx, ty);
    if (c == CRE_NONE) return;
    if (c >= 0 && onko_NPC_kesyelain(c)) {
        pack_on(c);
        laske_Load(CRE_PLAYER);
        Statistics();
        return;
    }
    const int r = InvSel(INV_FROM_GROUND, 0, PlayerX, PlayerY, "What do you want to move to that location?", "move",
                         SEL_MULTI | SEL_AUTO_ONE, 0, 0);
    if (r == INVSEL_NOTHING) Note(MSG("MOVE_NOTHING"));
    if (r < 0) {
        Note("!Canceled.");
        return;
    }
    move_chosen(tx, ty);
}
