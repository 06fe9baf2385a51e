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
    const CreatureStruct &c = Cre[creature];
    return ceilf((float)c.load) + ceilf(weight) > ceilf(2.0f * c.weight) ? 0 : 1;
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
