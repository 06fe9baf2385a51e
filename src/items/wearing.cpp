// src/items/wearing.cpp -- the two hands, dressing and undressing, exclusion of similar pieces and
// the protection of worn armour, and how the player holds her shield.
#include "items/wearing.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "core/creatures.h"
#include "core/maintenance.h"
#include "items/items.h"
#include "items/inventory.h"
#include "core/notes.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"
#include "base/ui.h"
#include "core/worldservices.h"

static bool player_obj(int n) { return n >= OBJ_PLAYER_FIRST && n <= OBJ_PLAYER_LAST; }
static bool valid_slot(int slot) { return slot >= 0 && slot < PLR_SLOTS; }
static bool live_creature(int c) { return c >= 0 && c < CRE_COUNT; }

static int slot_rec(int slot) {
    if (!valid_slot(slot) || !player_obj(Plr.inv_obj[slot])) return -1;
    return Plr.inv_obj[slot] - OBJ_PLAYER_FIRST;
}

static bool name_has(const ItemStruct &item, const char *part) {
    char n[41];
    return strstr(StrUpr(item_name(item, n)), part) != nullptr;
}

int onko_jalkine(const ItemStruct &item) {
    return item.type == IT_ARMOUR &&
           (name_has(item, "SHOES") || name_has(item, "BOOTS") || name_has(item, "FOOTWEAR"));
}

int wieldcount(int creature) {
    if (creature == CRE_PLAYER) return (wielding(1) < 1000) + (wielding(2) < 1000);
    if (!live_creature(creature)) return 0;
    return (Cre[creature].wielded != 0) + (Cre[creature].offhand != 0);
}

// A bow in one hand and a missile in the other: 2 with the bow in the main hand, 1 in the second.
static int bow_ready() {
    const int first = getwieldedItempos(CRE_PLAYER, 1), second = getwieldedItempos(CRE_PLAYER, 2);
    if (first == 0 || second == 0) return 0;
    const ItemStruct a = ObjToItem(first), b = ObjToItem(second);
    if (a.subtype == ST_BOW && b.subtype == ST_ARROW) return 2;
    if (b.subtype == ST_BOW && a.subtype == ST_ARROW) return 1;
    return 0;
}

int Wield(int slot, int hand, int quiet) {
    TARGET_NPC = CRE_PLAYER;
    if (!valid_slot(slot) || Plr.inv_obj[slot] == 0) return 0;
    if (wielding(1) < 1000 && wielding(2) < 1000) {
        if (!quiet) Note(MSG("BOTH_HANDS_WIELDED"));
        return 0;
    }
    const ItemStruct item = ObjToItem(Plr.inv_obj[slot]);
    if (item.type != IT_WEAPON && item.type != IT_TOOL && item.type != IT_FOOD && item.type != IT_TIMBER) {
        if (!quiet) Note(MSG("NOT_SUITABLE_ITEM"));
        return 0;
    }
    TurnUsed = 1;
    Slotista_Uniikki(slot);
    const int rec = slot_rec(slot);
    if (rec < 0) return 0;   // no room for its own record: nothing is wielded
    if (wielding(1) >= 1000 && hand != 2) {
        StatusSet(rec, ISTAT_PRIMARY);
        vMSG_weapon_slot = 1;
    } else {
        StatusSet(rec, ISTAT_SECOND);
        vMSG_weapon_slot = 2;
    }
    TARGET_ITEM = Plr.inv_obj[slot];
    Note(MSG("WIELD_WEAPON"));
    if (onko_KILPI(item)) ShieldMode();
    const int ready = bow_ready();
    if (ready && !quiet) {
        const int bow = getwieldedItempos(CRE_PLAYER, ready == 2 ? 1 : 2);
        const ItemStruct b = ObjToItem(bow);
        char n[41];
        item_name(b, n);
        if (strstr(n, "rossbow")) {
            TARGET_NPC = CRE_PLAYER;
            TARGET_ITEM = bow;
            Note(MSG("LOAD_CROSSBOW"));
            if (!realbasicspend(0, strstr(n, "eavy") ? 60 : 30, "LOADING THE CROSSBOW", 0)) {
                Note("!You didn't manage to load your crossbow!");
                const int mslot = wielding(ready == 2 ? 2 : 1);
                const int mrec = slot_rec(mslot);
                if (mrec >= 0) {
                    if (Status(mrec, ISTAT_PRIMARY)) StatusUnset(mrec, ISTAT_PRIMARY);
                    else if (Status(mrec, ISTAT_SECOND)) StatusUnset(mrec, ISTAT_SECOND);
                }
                return 0;
            }
        }
    }
    if (name_has(PlayerObj[rec], "NORTHERN")) world_services.course_task_check(36);
    return vMSG_weapon_slot;
}

int vaatekappale_aika(const ItemStruct &item) {
    const int t = (int)(std::ceil(item.weight / 3.0f) * 10.0f);
    if (t <= 10) return item.weight > 2.0f ? 20 : 10;
    if (t > 20) return t;
    return 20;
}

int TakeOff(int slot, int merge) {
    TARGET_NPC = CRE_PLAYER;
    const int rec = slot_rec(slot);
    if (rec < 0) {
        Note(MSG("TAKEOFF_CANT"));
        return 0;
    }
    Item = PlayerObj[rec];
    if (Status(rec, ISTAT_WORN)) {
        if (!realbasicspend(0, vaatekappale_aika(Item), "undressing", 0)) return -1;
        TARGET_ITEM = Plr.inv_obj[slot];
        Note(MSG("TAKEOFF_OK"));
        StatusUnset(rec, ISTAT_WORN);
        Yhdista_Slottiin(slot);
        return 1;
    }
    const int hand = Status(rec, ISTAT_PRIMARY) ? ISTAT_PRIMARY : Status(rec, ISTAT_SECOND) ? ISTAT_SECOND : 0;
    if (hand) {
        TARGET_ITEM = Plr.inv_obj[slot];
        TurnUsed = 1;
        Note(MSG("UNWIELD_WEAPON"));
        StatusUnset(rec, hand);
        if (merge) Yhdista_Slottiin(slot);
        return 1;
    }
    // Skis in use come off as applying them takes them off.
    if (Item.type == IT_TOOL && Item.subtype == ST_SKIS && Item.state == 1) {
        ski(slot);
        TurnUsed = 1;
        return 1;
    }
    Note(MSG("TAKEOFF_CANT"));
    return 0;
}

// The last two words of an item's name, lower-cased: what tells a kind of garment.
static void wear_key(const ItemStruct &item, char *out, size_t size) {
    char n[41];
    item_name(item, n);
    copy_bounded(out, size, StrLwr(StrPtr_TwoLastWords(n)));
}

static bool either(const char *key, const char *a, const char *b) {
    return strstr(key, a) != nullptr || strstr(key, b) != nullptr;
}

static bool conflicts(const char *cand, const char *worn) {
    if (strstr(cand, " helm") && strstr(worn, " helm")) return true;
    if (strstr(cand, "cuirass") && strstr(worn, "cuirass")) return true;
    if (either(cand, " hauberk", " habergeon") && either(worn, " habergeon", " hauberk")) return true;
    if (either(cand, " boots", " shoes") && either(worn, " boots", " shoes")) return true;
    return false;
}

int alreadyworn(int owner, int position, int verbose) {
    if (owner >= CRE_COUNT) return 1;
    if (owner != CRE_PLAYER && !live_creature(owner)) return 0;
    const ItemStruct cand = ObjToItem(position);
    char ckey[41], wkey[41];
    wear_key(cand, ckey, sizeof ckey);
    const int count = owner == CRE_PLAYER ? (int)PLR_SLOTS : (int)CRE_WORN;
    for (int i = 0; i < count; i++) {
        int wpos;
        if (owner == CRE_PLAYER) {
            const int rec = slot_rec(i);
            if (rec < 0 || PlayerObj[rec].type != IT_ARMOUR || !Status(rec, ISTAT_WORN)) continue;
            wpos = Plr.inv_obj[i];
        } else {
            wpos = Cre[owner].worn[i];
            if (wpos == 0) continue;
        }
        const ItemStruct w = ObjToItem(wpos);
        wear_key(w, wkey, sizeof wkey);
        const bool excluded = (onko_jalkine(cand) && onko_jalkine(w)) || strcmp(ckey, wkey) == 0 ||
                              conflicts(ckey, wkey);
        if (!excluded) continue;
        if (owner == CRE_PLAYER && verbose) {
            TARGET_NPC = CRE_PLAYER;
            char cname[200];
            copy_bounded(cname, sizeof cname, enimi(position, 1, 4));
            if (strcmp(cname, enimi(wpos, 1, 4)) == 0) {
                TARGET_ITEM = wpos;
                Note(MSG("WEAR_DOUBLE"));
            } else {
                char wname[200], note[600];
                copy_bounded(wname, sizeof wname, enimi(wpos, 1, 4));
                TARGET_ITEM = position;
                // The message text is the game's own; only "%s" is filled, and a stray "%" is shown as is.
                char format[MSGBUF_SIZE];
                copy_bounded(format, sizeof format, MSG("WEAR_SIMILAR"));
                const char *at = strstr(format, "%s");
                if (at)
                    snprintf(note, sizeof note, "%.*s%s%s", (int)(at - format), format, wname, at + 2);
                else
                    copy_bounded(note, sizeof note, format);
                Note(note);
            }
        }
        return 1;
    }
    return 0;
}

int Wear(int slot) {
    const int obj = valid_slot(slot) ? Plr.inv_obj[slot] : 0;
    if (obj == 0) return 0;
    TARGET_NPC = CRE_PLAYER;
    const int rec0 = slot_rec(slot);
    if (rec0 >= 0 && Status(rec0, ISTAT_WORN)) {
        TARGET_ITEM = obj;
        Note(MSG("WEAR_ALREADY"));
        return 0;
    }
    if (alreadyworn(CRE_PLAYER, obj, 1)) return 0;
    if (!realbasicspend(0, vaatekappale_aika(ObjToItem(obj)), "dressing", 0)) return -1;
    const int count = Plr.inv_count[slot];
    if (count >= 2) Plr.inv_count[slot] = 1;
    Slotista_Uniikki(slot);
    const int rec = slot_rec(slot);
    if (rec >= 0) {
        StatusSet(rec, ISTAT_WORN);
        TARGET_ITEM = Plr.inv_obj[slot];
        TARGET_NPC = CRE_PLAYER;
        Note(MSG("WEAR_OK"));
    } else {
        Plr.inv_count[slot] = count;   // no room for its own record: the stack stays as it was
        return 0;
    }
    if (count >= 2) Lisaa_Jaon_Loput(obj, count - 1, 1, -1);   // the rest of the stack stays carried
    laske_Load(CRE_PLAYER);
    return rec >= 0 ? 1 : 0;
}

int ArmourItemProtects(const ItemStruct &item, int part) {
    if (part < 0 || part >= 24) return 0;
    return (item.cover[part / 8] >> (part % 8)) & 1;
}

int ObjArmourProtection(int kind) {
    int v[6];
    for (int i = 0; i < 6; i++) v[i] = Item.fig[i];
    const int grade = ItemGet_laatu(&Item);
    for (int &x : v) {
        if (grade == 1 && x >= 2) x--;
        else if (grade == 2 && x >= 3) x--;
        else if (grade == 4 && x >= 4) x++;
        else if (grade == 5 && x >= 3) x++;
    }
    int value;
    switch (kind) {
    case 1000:
        value = (v[0] + v[1] + v[2] + v[3] + v[4]) / 5;
        if (value == 0) value = 1;
        break;
    case 0: case 7: value = v[0]; break;
    case 1: value = v[4]; break;
    case 2: value = v[1]; break;
    case 3: value = v[3]; break;
    case 4: value = v[2]; break;
    case 5: case 6: value = v[5]; break;
    default: return 0;
    }
    const float share = Item.fullweight > 0.0f ? Item.weight / Item.fullweight : 1.0f;
    return (int)std::ceil(share * (float)value);
}

int PlrArmour(int part, int kind) {
    int sum = 0;
    const ItemStruct keep = Item;
    for (int s = 0; s < PLR_SLOTS; s++) {
        const int rec = slot_rec(s);
        if (rec < 0) continue;
        const ItemStruct &it = PlayerObj[rec];
        if (it.type != IT_ARMOUR || !(it.status & ISTAT_WORN) || !ArmourItemProtects(it, part)) continue;
        Item = it;
        sum += ObjArmourProtection(kind);
    }
    Item = keep;
    return sum;
}

// ---- skis ----

static ItemStruct *slot_item(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_count[slot] <= 0) return nullptr;
    const int pos = Plr.inv_obj[slot];
    if (pos < OBJ_PLAYER_FIRST || pos > OBJ_PLAYER_LAST) return nullptr;
    return &PlayerObj[pos - OBJ_PLAYER_FIRST];
}

void ski(int slot) {
    ItemStruct *it = slot_item(slot);
    if (Item.state == 0) {
        Item.state = 1;
        Note("You are wearing skis now.");
    } else {
        Item.state = 0;
        Note("You take off your skis.");
        if (Plr.movement_mode == 7) Plr.movement_mode = 1;
    }
    if (it) *it = Item;
}

// ---- the one-hand penalty ----

int onehanded_pen(const ItemStruct &item) { return one_hand_penalty(item); }

// ---- the shield guard ----

void ShieldMode() {
    Note("#Select how to hold the shield to cover yourself against missile attacks.");
    Valinta_Tyhjaa();
    Valinta_Lisaa('N', "None");
    Valinta_Lisaa('C', "Center");
    Valinta_Lisaa('H', "High");
    Valinta_Lisaa('S', "Side");
    Valinta_LisaaGlobalGameinfo("SHIELD");   // the whole menu's topic
    const int k = toupper(TeeValinta("Shield mode"));
    uint8_t &g = Plr.shield_guard;
    switch (k) {
    case 'C':
        g = (uint8_t)((g & ~GUARD_MODES) | GUARD_CENTER);
        Note("_Holding the shield carefully in front of your center slows your movement.");
        break;
    case 'H':
        g = (uint8_t)((g & ~GUARD_MODES) | GUARD_HIGH);
        Note("_Holding the shield high restricts your field of vision and slows your movement.");
        break;
    case 'S':
        g = (uint8_t)((g & ~GUARD_MODES) | GUARD_SIDE);
        Note("_Holding the shield raised by your side it's slightly slower to move.");
        break;
    case 'D':
        g = (uint8_t)(g & ~GUARD_MODES);
        Note("_You move normally and don't cover behind the shield.");
        break;
    default: g = 0; break;
    }
    shield_guard_renew();
    Nayta_Wieldatut(1);
}

// ---- what the selection screen asks, and the skis test -----------------------------------------

int item_alreadyworn(int pos) { return alreadyworn(CRE_PLAYER, pos, 0); }
void item_alreadyworn_note(int pos) { alreadyworn(CRE_PLAYER, pos, 1); }

void unwield_hand(int hand) {
    const int slot = wielding(hand);
    if (slot < PLR_SLOTS) TakeOff(slot, 1);
}

int skisequipped(int creature) {
    if (creature != CRE_PLAYER) return CRE_NONE;
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (Plr.inv_obj[s] <= 0) continue;
        const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (it.type == IT_TOOL && it.subtype == ST_SKIS && it.state != 0) return Plr.inv_obj[s];
    }
    return 0;
}
