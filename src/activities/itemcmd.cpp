// The player's item commands: the inventory and examining, dropping, picking up from a square or a
// direction, applying, teeth from a skull; the one-hand penalty and the skis test.
#include "creatures/timberwork.h"
#include "activities/itemcmd.h"

#include "activities/actions.h"
#include "activities/activities.h"
#include "activities/harvest.h"
#include "activities/magic.h"
#include "activities/tools.h"
#include "creatures/hauling.h"
#include "creatures/unpack.h"
#include "core/crefunc.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "creatures/condition.h"
#include "maps/squareevents.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/invsel.h"
#include "items/itemdefs.h"
#include "items/items_int.h"
#include "items/matching.h"
#include "core/vilrecord.h"
#include "items/ownership.h"
#include "items/materials.h"
#include "items/items.h"
#include "items/plantlife.h"
#include "items/vessels.h"
#include "activities/vesselcmd.h"
#include "items/wearing.h"
#include "creatures/doors.h"
#include "creatures/breaches.h"
#include "creatures/predicates.h"
#include "maps/mapunit.h"
#include "maps/picker.h"
#include "activities/fishing.h"
#include "core/codednotes.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "core/worldservices.h"
#include "creatures/physical.h"

#include <cstdio>
#include <cstring>

// ---- services of other modules, shaped for the item commands ------------------------------------

// The armour's coverage on the body picture, over a saved page.
static void body_coverage_screen(int pos) {
    const ItemStruct it = ObjToItem(pos);
    char name[sizeof it.name + 1];
    memcpy(name, it.name, sizeof it.name);
    name[sizeof it.name] = 0;
    save_page();
    armour_coverage(1, name);
    restore_page();
}
// A one-line requirement list asking for a cutting tool, matched as crafting matches its lists.
static int cutting_tool_carried(const char *title) {
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = OID_CUTTING;
    Tarvike.count = 1;
    Lisaa_Tarvike();
    return Kay_Tarvikelista(title);
}
// ---- helpers -------------------------------------------------------------------------------------

static bool valid_slot(int slot) { return slot >= 0 && slot < PLR_SLOTS && Plr.inv_obj[slot] > 0 && Plr.inv_count[slot] > 0; }

static void refresh() {
    laske_Load(CRE_PLAYER);
    Statistics();
}

// ---- examining -----------------------------------------------------------------------------------

void Inventory(int slot) {
    if (slot == 1000 || !valid_slot(slot)) return;
    const int pos = Plr.inv_obj[slot];
    Item = ObjToItem(pos);
    TARGET_ITEM = pos;
    TARGET_NPC = -1;
    if (Item.type == IT_WEAPON) {
        vMSG_attack_class = Ota_AttackClass(Item.adclass);
        vMSG_defense_class = Ota_DefenseClass(Item.adclass);
        char skill[sizeof Item.skill + 1];
        memcpy(skill, Item.skill, sizeof Item.skill);
        skill[sizeof Item.skill] = 0;
        Note(msg_with("EXAMINE_ITEM_SKILL", skill));
        Note(MSG("EXAMINE_ITEM_CLASS"));
        if (onehanded_pen(Item)) {
            snprintf(vMSG_var, sizeof vMSG_var, "%d", onehanded_pen(Item));
            Note(MSG("EXAMINE_TWO-HANDED_ITEM"));
        }
        Pause();
    } else if (Item.type == IT_ARMOUR) {
        body_coverage_screen(pos);
    } else {
        Note("_Only weapons, armours and clothes can be examined.");
    }
}

int container_action(int action, int slot) {
    switch (action) {
    case ACT_FILL: fillCmd(slot); return 1;
    case ACT_EMPTY: Tyhjenna_InventoryAstia(slot); return 0;
    case ACT_SCOOP: scoop(slot); return 1;
    case ACT_POUR: Kaada_Astiaan(slot); return 0;
    case ACT_TIE: tie(slot); return 1;
    case ACT_UNLEASH: unleash(slot); return 1;
    default: return 0;
    }
}

int invCmd() {
    int r;
    for (;;) {
        r = selslot("You are carrying the following items.", "examine (weapon or armour)", 0, 0, 0);
        if (r < 0) break;
        if (INVRES_toiminta) {
            container_action(INVRES_toiminta, r);
            continue;
        }
        Inventory(r);
    }
    return r;
}

// ---- dropping ------------------------------------------------------------------------------------

void dropCmd() {
    const int r = InvSel(INV_FROM_PACK, CRE_PLAYER, PlayerX, PlayerY, "What do you want to drop?", "drop", 49, 0, CODE_DROP);
    if (r == INVSEL_NOTHING) Note(nothingto("drop"));
    if (r < 0) return;
    for (int i = 0; i < INVDATA_MAX; i++) {
        InvDataStruct &row = InvData[i];
        if (!row.pos || row.chosen <= 0 || row.source != INV_FROM_PACK) continue;
        const int slot = row.index;
        // A slot emptied or changed meanwhile is skipped.
        if (!valid_slot(slot) || Plr.inv_obj[slot] != row.pos) continue;
        const int count = row.chosen < Plr.inv_count[slot] ? row.chosen : Plr.inv_count[slot];
        TurnUsed = 1;
        int pos = row.pos;
        const int back = debtreturn(pos, count, 1);
        if (back) {
            pos = back;
            TurnUsed = 0;
        }
        if (!DropItem(count, pos, PlayerX, PlayerY)) continue;
        TARGET_ITEM = pos;
        TARGET_NUM = count;
        Note(MSG("DROP_ITEM"));
        Poista_PlrItem_NoCrunch(slot, count);
        row.chosen = 0;
        refresh();
        esineet_paikkatarkistus(PlayerX, PlayerY);
    }
    CrunchItems();
}

// ---- picking up ----------------------------------------------------------------------------------

static bool takeable_record(int i) {
    return i >= 0 && i < DATA_MAX && (Data[i].type == DT_ITEM || Data[i].type == DT_CARCASS) && Data[i].count > 0;
}

static int record_item(const DataStruct &d) {
    if (d.type == DT_ITEM) return (int)d.id;
    const int c = (int)d.id - CRE_DATAID;
    if (c < 0 || c >= CRE_COUNT) return 0;
    return Luo_Sotucarcass_Itempos(Cre[c].socialid);
}

int GetIt(int dataIndex, int count, int autoWield) {
    if (!takeable_record(dataIndex)) return 0;
    DataStruct &d = Data[dataIndex];
    if (count < 1) return 0;
    if (count > d.count) count = d.count;
    int pos = record_item(d);
    if (pos <= 0) return 0;
    if (!cancarry(CRE_PLAYER, pos, count)) return 0;
    TurnUsed = 1;
    if (pos < OBJ_PLAYER_FIRST) {
        pos = Luo_Esineen_Itempos(ObjToItem(pos));
        if (pos == 0) return 0;
    }
    if (pos >= OBJ_PLAYER_FIRST && pos <= OBJ_PLAYER_LAST) {
        ItemStruct &it = PlayerObj[pos - OBJ_PLAYER_FIRST];
        if (it.type == IT_TOOL && it.subtype == ST_ROPE && leash_sotu(it) != 0) {
            if (sotu_Crepos(leash_sotu(it)) < 0) set_leash_sotu(it, 0);
            else untie_pick(count, pos);
        }
    }
    if (d.type == DT_ITEM) {
        // Goods of a village with nobody left in it are free for the taking.
        const OwnerStruct owner = own_datapos(dataIndex);
        if (owner.free || own_datapos_keeper(dataIndex)) pos = owned_item_catch(owner, pos, count, 0);
    }
    const ItemStruct it = ObjToItem(pos);
    if (it.id == OID_SKULL && it.origin == SPECIES_BEAR && isloc_karhunkallohonka(d.x, d.y)) {
        bearmagic_SkullPlacement(0);
        set_SpiritData_mood(d.x, d.y, 702, -15);
    }
    if (it.id == OID_LOOP_SNARE && get_mapchar(d.x, d.y) == 29 && taikakeino_tuttu(89, 0) &&
        (int)Plr.daynumber - (int)d.day > 2) {
        ItemStruct found = it;
        found.magic = 33;
        const int again = Esineesta_Uniikki(found);
        if (again) pos = again;
        world_services.course_task_check(11);
    }
    TARGET_NPC = -1;
    TARGET_ITEM = pos;
    TARGET_NUM = count;
    Note(MSG("PICK_UP"));
    const int slot = Lisaa_Inventoryyn(pos, count, 1, -1);
    if (autoWield && wieldcount(CRE_PLAYER) < 2 && slot >= 0 && slot < PLR_SLOTS) {
        const bool weapon = it.type == IT_WEAPON && !is_arrow(it);
        const bool tool = it.type == IT_TOOL && (it.subtype == ST_BOAT || it.subtype == ST_SKISTICK);
        if (weapon || tool) wieldCmd(slot, 1);
    }
    return 1;
}

// Harvests the plants of the square first; answers 1 when that ends the command.
static int harvest_first(int x, int y, int flags, bool items) {
    int harvested = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_PLANT || d.x != x || d.y != y) continue;
        if (!onko_KASVI_nakyvissa(i)) continue;   // sown, not come up yet
        const int ripe = HarvestBranch(-1, i, 0, 1);
        bool ask = false, go = false;
        if (items) {
            if (ripe) go = true, ask = (flags & PICK_ASK_HARVEST) && !harvested;
            else go = harvested > 0;
        } else {
            go = true;
            ask = ripe && (flags & PICK_ASK_HARVEST);
        }
        if (!go) continue;
        if (ask && !KyllaEi("Pick the plants for harvest?")) return 0;   // straight on to the items
        harvested += HarvestBranch(-1, i, ripe ? 0 : -1, 0) > 0 ? 1 : 0;
    }
    return harvested > 0;
}

void pickupCmd(int x, int y, int flags) {
    const int probe = InvSel(INV_FROM_GROUND, CRE_PLAYER, x, y, "What do you want to pick up?", "pick up", 133, 0, CODE_PICKUP);
    const bool items = probe > 0;
    if (harvest_first(x, y, flags, items)) return;
    if (nopickcheck(x, y, 1) && !items) return;
    const int r = InvSel(INV_FROM_GROUND, CRE_PLAYER, x, y, "What do you want to pick up?", "pick up", 5, 0, CODE_PICKUP);
    if (r == INVSEL_NOTHING) Note(MSG("CANT_PICK_UP"));
    if (r < 0) return;
    bool heavy_left = false;
    for (int i = 0; i < INVDATA_MAX; i++) {
        InvDataStruct &row = InvData[i];
        if (!row.pos || row.chosen <= 0 || row.source != INV_FROM_GROUND) continue;
        // A record taken or changed meanwhile is skipped.
        if (!takeable_record(row.index) || record_item(Data[row.index]) != row.pos) continue;
        refresh();
        const int count = row.chosen < Data[row.index].count ? row.chosen : Data[row.index].count;
        if (GetIt(row.index, count, flags & PICK_WIELD)) {
            datapos_deccount(row.index, count);
            memset(&row, 0, sizeof row);
        } else if ((x != PlayerX || y != PlayerY) && !bigmap()) {
            heavy_left = true;
        }
        world_services.course_task_check(3);
    }
    if (heavy_left) {
        Note("_The heavy items you couldn't pick up can be pulled to your location.");
        if (KyllaEi("Pull the items to your location?")) pushCmd(1, PlayerX, PlayerY);
    }
    haulcheck();
    refresh();
}

void PoimiSuunnasta(int flags) {
    Note("+Use this command also to unpack your pack animal or pick items from your companion.");
    if (!OtaKohta_Suunta("from where to pick")) return;
    const int x = GeneralX, y = GeneralY;
    const int c = cre_xy(x, y);
    if (c >= 0) {
        const int r = Pura_NPC(0, c);
        if (r == 1) return;
        if (r == 0) flags |= PICK_ASK_HARVEST;
    }
    if (get_datatype(DT_NET, x, y) >= 0) Koe_Verkko(x, y);
    else pickupCmd(x, y, flags);
}

// ---- applying ------------------------------------------------------------------------------------

void superapplyCmd() {
    for (;;) {
        const int slot = selslot("What do you want to apply?", "apply", SEL_VESSELS, invmask(IT_TOOL, IT_CONTAINER), CODE_SUPERAPPLY);
        if (invNotebuf[0]) Note(invNotebuf);
        if (slot < 0) {
            if (slot == INVSEL_NOTHING) Note(nothingto("apply"));
            return;
        }
        switch (INVRES_toiminta) {
        case ACT_FILL: fillCmd(slot); return;
        case ACT_EMPTY: Tyhjenna_InventoryAstia(slot); continue;
        case ACT_SCOOP: scoop(slot); return;
        case ACT_POUR:
            if (!Kaada_Astiaan(slot)) return;   // the pouring was called off
            continue;
        case ACT_TIE: tie(slot); return;
        case ACT_UNLEASH: unleash(slot); return;
        default:
            if (Apply(slot)) return;
        }
    }
}

// ---- teeth from a skull --------------------------------------------------------------------------

void applySkull_teeth(int slot) {
    if (!valid_slot(slot)) return;
    const ItemStruct skull = ObjToItem(Plr.inv_obj[slot]);
    const ItemStruct teeth = Luo_Hampaat_Kallosta(skull);
    const int n = skull.cover[0];
    if (n == 0 || teeth.type == 0) {
        char name[41], line[120];
        item_name(skull, name);
        snprintf(line, sizeof line, "!This %s has no teeth to remove.", name);
        Note(line);
        return;
    }
    if (!cutting_tool_carried("Remove teeth from a skull")) return;
    // The teeth leave the skull only once the time for removing them was spent.
    if (!basicspend(n, "Removing teeth from a skull")) return;
    const int pos = Plr.inv_obj[slot];
    if (!valid_slot(slot) || ObjToItem(pos).cover[0] != n) return;
    Slotista_Uniikki(slot);
    const int own = Plr.inv_obj[slot];
    if (own < OBJ_PLAYER_FIRST || own > OBJ_PLAYER_LAST) return;
    PlayerObj[own - OBJ_PLAYER_FIRST].cover[0] = 0;
    const int teethpos = Luo_Esineen_Itempos(teeth);
    if (teethpos) {
        Lisaa_Inventoryyn(teethpos, n, 1, -1);
        char line[300];
        snprintf(line, sizeof line, "=You got %s.", ekuvaus(teethpos, n, 1));
        Note(line);
    }
    Yhdista_Slottiin(slot);
}

// ---- weapons in the hands and skis ---------------------------------------------------------------

// ---- wearing, taking off and wielding -----------------------------------------------------------

// The chosen rows of the player's inventory, each while its slot still holds the row's item.
template <typename Fn>
static void each_chosen_slot(Fn act) {
    for (int i = 0; i < INVDATA_MAX; i++) {
        const InvDataStruct &row = InvData[i];
        if (!row.pos || row.chosen <= 0 || row.source != INV_FROM_PACK) continue;
        if (!valid_slot(row.index) || Plr.inv_obj[row.index] != row.pos) continue;
        if (!act(row.index)) return;
    }
}

void wearCmd() {
    const int r = InvSel(INV_FROM_PACK, CRE_PLAYER, PlayerX, PlayerY, "What do you want to wear?", "wear", 83, IT_ARMOUR, CODE_WEAR);
    if (r == INVSEL_NOTHING) Note(nothingto("wear"));
    if (r < 0) return;
    each_chosen_slot([](int slot) { return Wear(slot) != -1; });
    refresh();
}

void takeoffCmd() {
    const int r = selslot("What do you want to take off?", "take off", SEL_MULTI, 0, CODE_TAKEOFF);
    if (r == INVSEL_NOTHING) Note(nothingto("take off"));
    if (r < 0) return;
    each_chosen_slot([](int slot) { return TakeOff(slot, 1) != -1; });
    refresh();
}

// The slot now holding a stored item, or -1.
static int slot_of(int pos) {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (pos && Plr.inv_obj[s] == pos) return s;
    return -1;
}

void wieldCmd(int slot, int verbose) {
    if (slot == -1000) {
        slot = selslot("What do you want to wield?", "wield", SEL_NO_INUSE, invmask(IT_WEAPON, IT_TOOL), CODE_WIELD);
        if (slot == INVSEL_NOTHING) Note(nothingto("wield"));
        if (slot < 0) return;
    }
    if (!valid_slot(slot)) return;
    if (wielding(1) == slot || wielding(2) == slot) {
        Note("!You are already wielding that!");
        return;
    }
    if (puuhausvammaus(CRE_PLAYER, 8, 0, "wield anything")) return;
    // Only a fully disabled hand counts.
    const int first = (int)INVALIDITEETTI(CRE_PLAYER, 3, 1), second = (int)INVALIDITEETTI(CRE_PLAYER, 3, 2);
    int hand = 0, taken_off = 0;
    auto take_off = [&](int h) {
        const int s = wielding(h);
        if (s >= PLR_SLOTS) return;
        taken_off = Plr.inv_obj[s];
        TakeOff(s, 0);
    };
    if (first >= 1) {
        Note(MSG("CANT_WIELD_INJURED:1"));
        hand = 2;
        take_off(2);
    }
    if (second >= 1) {
        Note(MSG("CANT_WIELD_INJURED:2"));
        hand = 1;
        take_off(1);
    }
    if (wielding(1) < PLR_SLOTS && wielding(2) < PLR_SLOTS) take_off(2);
    const int pos = Plr.inv_obj[slot];
    Wield(slot_of(pos) >= 0 ? slot_of(pos) : slot, hand, verbose);
    const int back = slot_of(taken_off);
    if (back >= 0) Yhdista_Slottiin(back);
    refresh();
}

// ---- the command "X": the wielded weapons change hands, unless an arm is too hurt to hold one ----

static int wielded_record(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] < OBJ_PLAYER_FIRST || Plr.inv_obj[slot] > OBJ_PLAYER_LAST) return -1;
    return Plr.inv_obj[slot] - OBJ_PLAYER_FIRST;
}

static bool is_shield(int rec) {
    return rec >= 0 && strncmp(PlayerObj[rec].skill, "SHIELD", sizeof PlayerObj[rec].skill) == 0;
}

void Exchange() {
    int first = wielded_record(wielding(1));
    int second = wielded_record(wielding(2));
    if (first < 0 && second < 0) {
        Note(NOTE_NOTHING_WIELDED);
        return;
    }
    if ((int)INVALIDITEETTI(-1, 2, 1) >= 1) {
        Note(MSG("CANT_WIELD_INJURED:1"));
        return;
    }
    if ((int)INVALIDITEETTI(-1, 2, 2) >= 1) {
        Note(MSG("CANT_WIELD_INJURED:2"));
        return;
    }
    // Byte arithmetic: 128 + 144 wraps to 16 and 16 + 112 makes 128.
    if (first >= 0) PlayerObj[first].status = (uint8_t)(PlayerObj[first].status + 144);
    if (second >= 0 && second != first) PlayerObj[second].status = (uint8_t)(PlayerObj[second].status + 112);

    char note[200];
    Note("#Weapons exchanged:");
    if (second >= 0) {
        snprintf(note, sizeof note, "#1st weapon: %s", enimi(second + OBJ_PLAYER_FIRST, 1, 0));
        Note(note);
    } else {
        Note("!No primary weapon.");
    }
    if (first >= 0) {
        snprintf(note, sizeof note, "#2nd weapon: %s", enimi(first + OBJ_PLAYER_FIRST, 1, 0));
        Note(note);
    } else {
        Note("!No secondary weapon.");
    }
    Statistics();
    if (is_shield(first) || is_shield(second)) TurnUsed = 1;
}
