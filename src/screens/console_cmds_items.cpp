// src/screens/console_cmds_items.cpp -- the console's item commands: things made and laid on the
// player's square (charms, herb mixtures, wool, bark, furs, a filled tub, an everyday treasure), the
// crafting list tests, the weapon clash test, and the full report of an inventory item (key 7).
#include "screens/console.h"

#include "items/containers.h"
#include "activities/food.h"
#include "base/ownlib.h"
#include "core/datafunc.h"
#include "core/notes.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/records.h"
#include "creatures/combat.h"
#include "core/creatures.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/items_int.h"
#include "items/items_test.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/wearing.h"
#include "items/weaponmat.h"
#include "maps/mapdesc.h"
#include "maps/marker.h"
#include "items/invsel.h"
#include "worldgen/culturegoods.h"

#include <cstdio>
#include <cstring>

enum { STRIP_FEET = 100 };

// A stored thing (an object number) laid on the player's square; village goods when `village`.
static void lay(int n, int village) {
    if (n <= 0) return;
    if (village)
        set_socowned_data(DT_ITEM, PlayerX, PlayerY, n, 1);
    else
        set_data(DT_ITEM, PlayerX, PlayerY, n, 1);
}

static void cmd_amulet() {
    console_place_item(Luo_janiksenkapala());
    console_place_item(Luo_Ukonvaaja());
    console_place_item(Luo_Karhunkarkotinriepu());
    console_place_item(Luo_Ihmeyrttisekoitus("Ihmeyrtti"));
}

static void cmd_tuohi() {
    console_place_item(Luo_Sommelo(STRIP_FEET));
    console_place_item(Luo_Parkkilevy("alder"));
}

// A birch-bark work list of five strips and the other material, checked as a crafting would; what
// the check reserved is always put back, the test takes nothing for good.
static void cmd_tuohityo() {
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = OID_BIRCHBARK_STRIP;
    Tarvike.count = Tarvike.first_count = 5;
    Lisaa_Tarvike();
    Tyhjaa_Tarvike();
    Tarvike.id = OID_KNIFE;
    Lisaa_Tarvike();
    Kay_Tarvikelista("TUOHITYO");
    Palauta_Kaytetyt_Tarvikkeet();
}

// The everyday treasure of the player's world cell's culture, on the square east of her.
static void cmd_trs() {
    static DataPoolStruct pool;
    const int n = KULTTUURIAARRE_arkinen(pool, blockculture(IsoX(), IsoY()));
    for (int i = 0; i < n && i < (int)(sizeof pool.rec / sizeof pool.rec[0]); i++) {
        const DataStruct &d = pool.rec[i];
        if (d.id > 0 && d.count > 0) set_data(DT_ITEM, PlayerX + 1, PlayerY, (int)d.id, d.count);
    }
}

static void cmd_tub() {
    const int def = object("WOODEN TUB", 1);
    if (def <= 0) {
        Note("!No WOODEN TUB in the object table.");
        return;
    }
    ItemStruct it{};
    ObjToItem(it, def);
    const int tub = Luo_Esineen_Itempos(it);
    if (tub <= 0) return;
    const int filled = Sailioi(0, tub, OID_WATER, 0);
    set_data(DT_ITEM, PlayerX, PlayerY, filled > 0 ? filled : tub, 1);
}

// The player's two wielded weapons struck at each other: the damage each would take, then the
// blow itself as combat deals it.
static void cmd_wpdam() {
    const int a = getwieldedItempos(CRE_PLAYER, 1), b = getwieldedItempos(CRE_PLAYER, 2);
    if (a == 0 || b == 0) {
        Note("x?");
        return;
    }
    const char *answer = WpWpDmg(a, b, ASPECT_EDGE, 2);
    console_say("AD: %d BD: %d", wpdmg_tag(answer, "AD"), wpdmg_tag(answer, "BD"));
    WeaponDamageRoll(CRE_PLAYER, 1, 2, 2, CRE_PLAYER, 2);
}

int console_items_command(int number) {
    switch (number) {
    case 1: kl(); break;
    case 15: cmd_amulet(); break;
    case 28: Plr.fat_reserve = 100.0f; break;
    case 43: console_place_item(Luo_Ihmeyrttisekoitus("Molotov blend")); break;
    case 66: cmd_trs(); break;
    case 84: console_place_item(Luo_Villat()); break;
    case 86: cmd_tuohi(); break;
    case 87: cmd_tuohityo(); break;
    case 142: lay(KULTTUURIESINE_Turkis(Plr.culture, 0), 1); break;
    case 144:
        lay(KULTTUURIESINE_Turkis(11, 5), 0);
        lay(Luo_Viljasakki(), 0);
        break;
    case 150: cmd_wpdam(); break;
    case 155: cmd_tub(); break;
    default: return 0;
    }
    return 1;
}

// ---- the item report (action key 7) --------------------------------------------------------------

static const char *bits8(unsigned v, char *buf) {
    for (int i = 0; i < 8; i++) buf[i] = (v >> (7 - i)) & 1 ? '1' : '0';
    buf[8] = 0;
    return buf;
}

#define TXT(field) (int)strnlen(field, sizeof field), field

void console_item_report() {
    const int slot = selslot("ITEMINFO", "", 0, 0, 0);
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] <= 0) return;
    const int pos = Plr.inv_obj[slot];
    const int count = Plr.inv_count[slot] > 0 ? Plr.inv_count[slot] : 1;
    ItemStruct it{};
    ObjToItem(it, pos);
    char b[16];
    console_say("=ocdescr: %.*s", TXT(it.name));
    console_say("=ekuvaus: %s", ekuvaus(pos, count, 1));
    console_say("Materiaali: %u", it.material);
    console_say("A/D: %d/%d", Ota_AttackClass(it.adclass), Ota_DefenseClass(it.adclass));
    console_say("MAGIC:%d", (int)it.magic);
    ItemStruct food = it;          // the food value settles per cents into the record it reads
    const ravinto_struct r = ravinto(food);
    console_say("Ravinto: %d kcal per esine, %d kcal per lb", r.kcal_item, r.kcal_lb);
    const int def = it.id > 0 ? (int)it.id : 0;
    char sym[2] = {(char)(it.tilesym >= 32 && it.tilesym < 127 ? it.tilesym : '?'), 0};
    console_say("TYPE: %d SYMBOL: %d (%s) ESINE: %d B,E,P: %d,%d,%d Neste: %d", (int)it.type, (int)it.tilesym, sym, def,
                (int)it.fig[0], (int)it.fig[1], (int)it.fig[2], (int)it.water);
    console_say("TILEGFX:%.*s", TXT(it.tile));
    console_say("A/D:%d/%d", it.adclass & 15, it.adclass >> 4);   // the class byte as stored
    console_say("Prot1 %d Prot2 %d Prot3 %d", (int)it.cover[0], (int)it.cover[1], (int)it.cover[2]);
    console_say("un_id: %d", (int)it.plantname);
    console_say("ownerID: %u (ownflag: %d) x,y: %d,%d", it.ownersoc, (int)it.ownerflags, (int)it.ownerword1,
                (int)it.ownerword2);
    console_say("Price: %.2f PricePerLbs: %.6f WT: %.2f", (double)it.price, (double)it.priceperweight, (double)it.weight);
    console_say("Long WT: %f", (double)it.weight);
    console_say("octype: %d", (int)it.subtype);
    const float unit = esinehinta(-1, it);
    console_say("Esinehinta: %.2f (= %.2f rahaa)", (double)unit, (double)unit * count);
    const float per_kg = it.weight > 0.0f ? unit / it.weight * 2.2046f : 0.0f;
    console_say("kg hinta: %.2f (= %.2f rahaa)", (double)per_kg, (double)per_kg * it.weight / 2.2046f * count);
    console_say("leashcheck: %u", leash_sotu(it));
    console_say("Yrttivaikutus: %u", it.boiled);
    console_say("SPECIAL: %d Sailio: %u", (int)it.magic, it.vessel);
    console_say("SPECIAL_STATUS: %d", (int)it.magic2);
    console_say("Laatu: %d Laatumuuttuja: %d", ItemGet_laatu(&it), (int)it.quality);
    console_say("Laatu: %d (arvo %d) tiedossa: %d", ItemGet_laatu(&it), (int)(it.quality & 7), on_laatutieto(&it));
    console_say(" Skill: %.*s Itemmatskill: %s", TXT(it.skill), ItemMatSkill(it));
    if (it.vessel > 0) {
        ItemStruct v{};
        ObjToItem(v, (int)it.vessel);
        console_say("Sailio: %.*s (#%u) (ESINE %u)", TXT(v.name), it.vessel, v.id);
        console_say("Sailio TYPE: %d SYMBOL: %d ESINE: %u B,E,P: %d,%d,%d Neste: %d", (int)v.type, (int)v.tilesym, v.id,
                    (int)v.fig[0], (int)v.fig[1], (int)v.fig[2], (int)v.water);
    }
    console_say("%s", bits8(it.status, b));
}
