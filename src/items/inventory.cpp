// The player's inventory slots and a creature's pack: taking units out, closing gaps, carry limits,
// the pick-up table of a square and the key letters of an item list.
#include "items/inventory.h"

#include <cmath>
#include <cstring>
#include <initializer_list>

#include "core/datafunc.h"
#include "core/player.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "base/ui.h"
#include "core/crefunc.h"
#include "core/plrfield.h"
#include "core/creatures.h"
#include "items/items.h"
#include "items/ownership.h"
#include "items/plantlife.h"
#include "maps/mapdraw.h"
#include "core/notes.h"
#include "core/tekstit.h"

int siirtotaulukko[SIIRTO_MAX];
int siirtopos, poimintatapa, ilmoitusasiat, POIMINTATAPA_KASVIT;
int alkumaara, edellinen_siirtopos, poistu, edellinen_kohta;
int DEBUG_aika_ja_esineet;
char NAPPAIN[1024] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";

// Fields of the character record that this module reads by their place in the file.
enum { PLR_SLOTBYTES_AT = 2312, PLR_BODYWEIGHT_AT = 2736 };

unsigned char &plr_slotbyte(int slot) {
    return reinterpret_cast<unsigned char *>(&Plr)[PLR_SLOTBYTES_AT + (slot < 0 || slot >= PLR_SLOTS ? 0 : slot)];
}

int plr_bodyweight() {
    int32_t w;
    memcpy(&w, reinterpret_cast<const unsigned char *>(&Plr) + PLR_BODYWEIGHT_AT, sizeof w);
    return w;
}

// The note box and the yes/no prompt.
static void say(const char *text) { Note(text); }
static int ask_yes(const char *question) { return KyllaEi(question); }
static bool stored(int n) { return n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST; }
static void fill_slot(int s, int obj, int count) {
    Plr.inv_obj[s] = obj;
    Plr.inv_count[s] = count;
}
static bool valid_slot(int slot) { return slot >= 0 && slot < PLR_SLOTS; }

// Takes up to n units out of a player slot; an emptied slot is cleared and, with `crunch`, the gap
// closed.
static int take_out(int slot, int n, bool crunch) {
    if (n <= 0 || !valid_slot(slot)) return 0;
    int removed = n < Plr.inv_count[slot] ? n : Plr.inv_count[slot];
    if (removed < 0) removed = 0;
    Plr.inv_count[slot] -= removed;
    if (Plr.inv_count[slot] <= 0) {
        Plr.inv_obj[slot] = 0;
        Plr.inv_count[slot] = 0;
        if (crunch) CrunchItems();
    }
    laske_Load(-1);
    return removed;
}

int Poista_PlrItem_NoCrunch(int slot, int n) { return take_out(slot, n, false); }
int Poista_PlrItem(int slot, int n) { return take_out(slot, n, true); }

int Poista_NpcItem(int creature, int slot, int n) {
    if (n == 0 || creature < 0 || creature >= CRE_COUNT || slot < 0 || slot >= CRE_PACK) return 0;
    CreatureStruct &c = Cre[creature];
    int removed = n < c.packcount[slot] ? n : c.packcount[slot];
    if (removed < 0) removed = 0;
    c.packcount[slot] = (uint8_t)(c.packcount[slot] - removed);
    if (c.packcount[slot] == 0) {
        c.pack[slot] = 0;
        c.packbits[slot] = 0;
    }
    laske_Load(creature);
    return removed;
}

void CrunchItems() {
    int to = 0;
    for (int from = 0; from < PLR_SLOTS; from++) {
        if (Plr.inv_obj[from] == 0) continue;
        if (to != from) {
            Plr.inv_obj[to] = Plr.inv_obj[from];
            Plr.inv_count[to] = Plr.inv_count[from];
            plr_slotbyte(to) = plr_slotbyte(from);
        }
        to++;
    }
    for (int s = to; s < PLR_SLOTS; s++) {
        Plr.inv_obj[s] = 0;
        Plr.inv_count[s] = 0;
        plr_slotbyte(s) = 0;
    }
    laske_Load(-1);
}

int PlrGotESINE(unsigned id) {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] != 0 && ObjToItem(Plr.inv_obj[s]).id == id) return 1;
    return 0;
}

int plr_naked() {
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (Plr.inv_obj[s] == 0) continue;
        ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (it.type == IT_ARMOUR && (it.status & ISTAT_WORN)) return 0;
    }
    return 1;
}

int cancarryWT(int creature, float weight) {
    if (creature == CRE_PLAYER) return weight > 1.5f * (float)plr_bodyweight() ? 0 : 1;
    if (creature < 0 || creature >= CRE_COUNT) return 0;
    // the load counted now, not the byte that stops at 255
    return ceilf(laske_Load_value(creature)) + ceilf(weight) > ceilf(2.0f * Cre[creature].weight) ? 0 : 1;
}

int cancarry(int creature, int position, int n) {
    TARGET_NPC = creature;
    float weight = (float)n * ObjToItem(position).weight;
    if (creature != CRE_PLAYER) return cancarryWT(creature, weight);
    if (Plr.inv_obj[PLR_OVERLOAD_SLOT] != 0) {
        Note(MSG("CARRY_TOO_MANY"));
        return 0;
    }
    if (weight > 1.5f * (float)plr_bodyweight()) {
        TARGET_ITEM = position;
        TARGET_NUM = n;
        Note(MSG("CARRY_TOO_HEAVY"));
        return 0;
    }
    return 1;
}

// ---- picking up ----

void Alusta_Esinepoiminta(int mode) {
    alkumaara = edellinen_siirtopos = poistu = edellinen_kohta = 0;
    siirtopos = 0;
    ilmoitusasiat = 0;
    POIMINTATAPA_KASVIT = 0;
    poimintatapa = mode;
}

int Siirra_Esineet(int x, int y) {
    siirtopos = 0;
    for (int &e : siirtotaulukko) e = -1;
    bool refused = false;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.x != x || d.y != y) continue;
        if (d.type == DT_ITEM) AnyObjToObj((int)d.id);
        if (poimintatapa == 3) {
            if (d.type != 150) continue;
        } else if (d.type != DT_ITEM) {
            if (poimintatapa == 0 && d.type == 6) {
                TARGET_ITEM = (int)d.id;
                if (!ilmoitusasiat) Note(MSG("CANT_PICK_PREPARING"));
                refused = true;
                if (!DEBUG_aika_ja_esineet) continue;
            } else if (poimintatapa == 0 && d.type == 66 && POIMINTATAPA_KASVIT) {
                TARGET_ITEM = (int)d.id;
                if (!ilmoitusasiat)
                    Note(onko_KASVI_kuihtunut(i) ? "!You are too late - it is withered already." : MSG("HARVESTED_ALREADY"));
                refused = true;
                continue;
            } else {
                continue;
            }
        }
        AnyObjToObj((int)d.id);
        if (Plr.movement_mode == 3 && Item.type == IT_VEHICLE && Item.subtype == ST_BOAT) continue;
        if (poimintatapa == 1 && Item.id != OID_RAWFISH) continue;
        if (siirtopos < SIIRTO_MAX) siirtotaulukko[siirtopos++] = i;
    }
    ilmoitusasiat = 1;
    if (siirtopos > SIIRTO_SHOWN) siirtopos = SIIRTO_SHOWN;
    if (siirtopos > 0) return siirtopos;
    return refused ? -1 : 0;
}

// ---- one unit apart ----

void Slotista_Uniikki(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0) return;
    if (Plr.inv_obj[slot] < 1000) {
        const int own = ObjToPlayerObj(Plr.inv_obj[slot]);
        if (own == 0) return;   // no room for its own object: the slot keeps what it held
        Plr.inv_obj[slot] = own;
    }
    int obj = Plr.inv_obj[slot];
    // The rest of the stack takes the next slot; a split adds nothing, so a full pack keeps it too.
    if (Plr.inv_count[slot] > 1) Lisaa_Jaon_Loput(obj, Plr.inv_count[slot] - 1, 0, slot + 1);
    const ItemStruct item = ObjToItem(obj);
    int own = Esineesta_Uniikki(item);
    if (own != 0) {
        fill_slot(slot, own, 1);
        // An unpaid unit owed to a village: its debt follows it to its own record.
        if ((item.ownerflags & OWN_UNPAID) && !(item.ownerflags & OWN_FREE) && item.ownersoc != 0)
            replacedebtitem((int)item.ownersoc, obj, own);
    } else {
        Plr.inv_count[slot] = 1;
    }
    laske_Load(-1);
}

void pollution() {
    say("#You are about discard some items for ever.");
    say("These items here can be discarded:");
    int counted = 0, discarded = 0;
    ItemStruct it;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.type != DT_ITEM || d.x != PlayerX || d.y != PlayerY) continue;
        if (!stored((int)d.id) || d.owner != -1) continue;
        ObjToItem(it, (int)d.id);
        if (Plr.movement_mode == 3 && it.subtype == ST_BOAT) continue;
        counted++;
        char note[1200];
        snprintf(note, sizeof note, "_You are about to discard %s.", ekuvaus((int)d.id, d.count, 0));
        say(note);
        if (ask_yes("Discard?")) {
            CrunchData(i);
            discarded++;
        }
    }
    if (counted == 0) {
        say("!There are no items to discard here!");
        say("_First drop the items you wish to discard and use this command as you are standing on them.");
        say("_Notice that you can only discard items that are considered to be yours.");
    } else if (discarded == 0) {
        say("No items were discarded.");
    } else {
        DrawMap();
        say("#As you couldn't recycle these items they are now discarded forever.");
    }
}

// ---- the farming kit ------------------------------------------------------------------------------

void add_named(const char *name, int count) {
    const int row = object(name, 1);
    if (row > 0) AddNewItem(row, count);
}

void plradd_agriculture_tools() {
    for (int round = 0; round < 3; round++)
        for (unsigned kind : {OID_POD, OID_GRAIN, OID_SEED}) {
            hakutapa_RANDOM = 1;
            hakutapa_NOT_TYPE = IT_PLANT;
            ItemStruct found;
            hae_esine(found, kind);
            if (found.type == IT_NONE || found.type == IT_PLANT) continue;
            const int obj = Luo_Esineen_Itempos(found);
            if (obj) AddNewItem(obj, 2 + random(3));
        }
    add_named("Shovel", 1);
}

// ---- adding to the slots, their state bits and the worn armour ----

static bool overloaded() { return Plr.inv_obj[PLR_OVERLOAD_SLOT] != 0; }

static int first_empty_slot() {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] == 0) return s;
    return -1;
}

static int slot_holding(int obj) {
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] == obj) return s;
    return -1;
}

static void to_ground(int obj, int count) {
    say("!You carry too much! Excess items are now put on the ground.");
    Pause();
    set_data(DT_ITEM, PlayerX, PlayerY, obj, count);
}

void AddItem(int obj, int count, int mode) {
    if (overloaded()) {
        to_ground(obj, count);
        return;
    }
    int s = mode == 1 ? CheckIfSame(obj) : -1;
    if (s < 0) s = slot_holding(obj);
    if (s >= 0) {
        Plr.inv_count[s] += count;
        return;
    }
    s = first_empty_slot();
    if (s < 0) to_ground(obj, count);
    else fill_slot(s, obj, count);
}

// Making room at `pos` moves the slots behind it back by one. The move must not push an item
// out of the last slots, so it is made only while slot 98 is empty; otherwise the item goes to
// the first empty slot.
static int make_room(int pos) {
    if (pos < 0 || pos > PLR_SLOTS - 2 || Plr.inv_obj[PLR_SLOTS - 2] != 0) return first_empty_slot();
    for (int s = PLR_SLOTS - 2; s > pos; s--) {
        Plr.inv_obj[s] = Plr.inv_obj[s - 1];
        Plr.inv_count[s] = Plr.inv_count[s - 1];
    }
    fill_slot(pos, 0, 0);
    return pos;
}

static int add_to_pack(int obj, int count, int mode, int pos);

int Lisaa_Inventoryyn(int obj, int count, int mode, int pos) {
    if (overloaded()) {
        to_ground(obj, count);
        return 99;
    }
    return add_to_pack(obj, count, mode, pos);
}

int Lisaa_Jaon_Loput(int obj, int count, int mode, int pos) { return add_to_pack(obj, count, mode, pos); }

static int add_to_pack(int obj, int count, int mode, int pos) {
    int target = pos == -1 ? first_empty_slot() : make_room(pos);
    int used = -1;
    if (mode == 1) {
        int s = CheckIfSame(obj);
        if (s >= 0) {
            Plr.inv_count[s] += count;
            used = s;
        }
    }
    if (used < 0 && mode != 0) {
        int s = slot_holding(obj);
        if (s >= 0) {
            Plr.inv_count[s] += count;
            used = s;
        }
    }
    if (used < 0) {
        if (target < 0) {
            to_ground(obj, count);
            laske_Load(-1);
            return 99;
        }
        fill_slot(target, obj, count);
        used = target;
    }
    laske_Load(-1);
    return used;
}

int AddNewItem(int obj, int count) {
    if (CheckIfSame(obj) < 0) obj = ObjToPlayerObj(obj);
    if (obj == 0) return 0;   // the object table is full: the note told so, nothing is added
    AddItem(obj, count, 1);
    laske_Load(-1);
    return 1;
}

int CheckIfSame(int obj) {
    ItemStruct want;
    ObjToItem(want, obj);
    for (int s = 0; s < PLR_SLOTS; s++) {
        int n = Plr.inv_obj[s];
        if (stored(n) && ItemStructsEqual(PlayerObj[n - OBJ_PLAYER_FIRST], want)) return s;
    }
    return -1;
}

int Yhdista_Slottiin(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS) return 0;
    if (Plr.inv_obj[slot] == 0 || Plr.inv_count[slot] == 0) return 0;
    ItemStruct here, other;
    ObjToItem(here, Plr.inv_obj[slot]);
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (s == slot || Plr.inv_obj[s] == 0) continue;
        if (!ItemStructsEqual(here, ObjToItem(other, Plr.inv_obj[s]))) continue;
        Plr.inv_count[slot] += Plr.inv_count[s];
        fill_slot(s, 0, 0);
    }
    laske_Load(-1);
    return 0;
}

void item_to_plrobj(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS) return;
    int n = Plr.inv_obj[slot];
    if (stored(n)) PlayerObj[n - OBJ_PLAYER_FIRST] = Temp_Item;
}

static bool valid_rec(int rec) { return rec >= 0 && rec < PLAYEROBJ_COUNT; }

int Status(int rec, int bits) { return valid_rec(rec) ? (PlayerObj[rec].status & bits) : 0; }

void StatusSet(int rec, int bits) {
    if (valid_rec(rec)) PlayerObj[rec].status = (uint8_t)(PlayerObj[rec].status + bits);
}

void StatusUnset(int rec, int bits) {
    if (valid_rec(rec)) PlayerObj[rec].status = (uint8_t)(PlayerObj[rec].status - bits);
}

int DropItem(int count, int obj, int x, int y) {
    if (stored(obj)) {
        int rec = obj - OBJ_PLAYER_FIRST;
        if (Status(rec, ISTAT_PRIMARY)) StatusUnset(rec, ISTAT_PRIMARY);
        if (Status(rec, ISTAT_SECOND)) StatusUnset(rec, ISTAT_SECOND);
    }
    set_data(DT_ITEM, x, y, obj, count);
    return 1;
}

void wear_armours() {
    for (int s = 0; s < 50; s++) {
        int n = Plr.inv_obj[s];
        if (!stored(n) || Plr.inv_count[s] != 1) continue;
        int rec = n - OBJ_PLAYER_FIRST;
        if (PlayerObj[rec].type == IT_ARMOUR && !Status(rec, ISTAT_WORN)) StatusSet(rec, ISTAT_WORN);
    }
}

// ---- the carried load ----


float laske_Load_value(int who) {
    if (who == -1) {
        const float tenth = (float)plr_get<int32_t>(PB_BODYWEIGHT) / 10.0f;
        float total = 0.0f, worn = 0.0f, free = 0.0f;
        // Counting her load also tells which villages' goods she carries unpaid or taken.
        GOT_UNPAID_clr();
        GOT_TAKEN_clr();
        for (int s = 0; s < PLR_SLOTS; s++) {
            if (Plr.inv_count[s] <= 0 || Plr.inv_obj[s] == 0) continue;
            ItemStruct it;
            ObjToItem(it, Plr.inv_obj[s]);
            const float w = esinepaino(it) * (float)Plr.inv_count[s];
            if (it.status & ISTAT_WORN) {
                worn += w;
                if (tenth > worn) free += w;
            }
            total += w;
            if (it.ownersoc != 0) {
                if (it.ownerflags & OWN_UNPAID) SET_UNPAID_ofsoc((int)it.ownersoc);
                if (it.ownerflags & OWN_TAKEN) SET_TAKEN_ofsoc((int)it.ownersoc);
            }
        }
        plr_set<float>(PB_FREEWORN, free);
        plr_set<float>(PB_LOAD, total);
        return total;
    }
    CreatureStruct *c = (unsigned)who < (unsigned)CRE_COUNT ? &Cre[who] : nullptr;
    if (!c) return 0.0f;
    // The village goods on her pet's or companion's back count as packed.
    if (onko_NPC_kesyelain(who) || onko_NPC_kumppani(who)) {
        ItemStruct it;
        for (int i = 0; i < CRE_PACK; i++) {
            if (!c->pack[i] || !c->packcount[i]) continue;
            ObjToItem(it, c->pack[i]);
            if (it.ownersoc != 0 && (it.ownerflags & (OWN_UNPAID | OWN_TAKEN))) SET_PACKED_ofsoc((int)it.ownersoc);
        }
    }
    const float sum = cre_carried(who);
    const float up = std::ceil(sum);
    c->load = (uint8_t)(up > 255.0f ? 255.0f : up < 0.0f ? 0.0f : up);
    return sum;
}

void laske_Load(int who) { laske_Load_value(who); }
