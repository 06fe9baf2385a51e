// Small item services: mending a worn piece of clothing with hide or leather and a knife, cutting a
// length off a rope or cord and tying two pieces together, the stockpile and robber tests, and goods
// given a drawn quality grade.
#include "activities/mending.h"

#include "core/commandcodes.h"
#include "creatures/skills.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "creatures/body.h"
#include "creatures/condition.h"
#include "creatures/weaponchoice.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/invsel.h"
#include "items/items_int.h"
#include "activities/making.h"
#include "items/matching.h"
#include "items/materials.h"
#include "items/quality.h"
#include "items/vessels.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/maintenance.h"
#include "core/tekstit.h"
#include "items/culturegoods.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

enum {
    ACT_MEND = 370, TYING_MAX_FEET = 255, FACT_LEATHER = 3, FACT_FUR = 5, FACT_YES = 5,
    DT_STOCKPILE = 'q',
};

static bool valid_slot(int slot) {
    return slot >= 0 && slot < PLR_SLOTS && Plr.inv_obj[slot] > 0 && Plr.inv_count[slot] > 0;
}

// A text with its "%s" and "%u" marks filled in order by the given words (never used as a format).
static const char *fill_words(const char *text, std::initializer_list<const char *> words) {
    char *out = sbuf();
    size_t n = 0;
    auto w = words.begin();
    for (const char *p = text; *p && n + 1 < SBUF_SIZE;) {
        if (p[0] == '%' && (p[1] == 's' || p[1] == 'u') && w != words.end()) {
            for (const char *q = *w++; *q && n + 1 < SBUF_SIZE; q++) out[n++] = *q;
            p += 2;
        } else {
            out[n++] = *p++;
        }
    }
    out[n] = 0;
    return out;
}

static const char *lower_name(const ItemStruct &it) {
    char name[41];
    item_name(it, name);
    return StrLwr(name);
}

static void one_line_list(int id, float amount, int count) {
    Tyhjaa_Tarvikelista();
    Tyhjaa_Tarvike();
    Tarvike.id = (uint32_t)id;
    Tarvike.amount = Tarvike.first_amount = amount;
    Tarvike.count = (uint32_t)count;
    Lisaa_Tarvike();
}

// ---- mending -------------------------------------------------------------------------------------

int mend_minutes(const ItemStruct &item) {
    const float missing = item.fullweight - item.weight;
    const int minutes = (int)std::ceil(missing * 25.0f - 0.0001f);
    return minutes <= 24 ? 20 : minutes;
}

int Korjaa_Vaatteita() {
    const int slot = selslot("Select a piece clothing to repair", "repair", SEL_WRONG_TYPE, IT_ARMOUR, 0);
    if (slot == INVSEL_NOTHING) Note(nothingto("repair"));
    if (!valid_slot(slot)) return 0;
    if (puuhausvammaus(CRE_PLAYER, 16, 3, txt_toimia(ACT_MEND))) return 0;
    int pos = Plr.inv_obj[slot];
    ItemStruct item = ObjToItem(pos);
    luo_esinetieto(pos);
    int material = 0;
    if (Esinetieto[FACT_FUR] == FACT_YES) material = OID_FUR;
    if (Esinetieto[FACT_LEATHER] == FACT_YES) material = OID_LEATHER;
    if (!material || item.fullweight <= 0) {
        Note(MSG("REPAIR_CANT"));
        return 0;
    }
    TARGET_ITEM = pos;
    const int condition = (int)std::ceil(item.weight / item.fullweight * 100.0f - 0.0001f);
    if (condition > 95) {
        Note(fill_words("+There's really no need to repair your %s yet.", {lower_name(item)}));
        return 0;
    }
    if (condition < 40) {
        Note(fill_words("!Unfortunately this %s has been worn out beyond repair.", {lower_name(item)}));
        return 0;
    }
    Slotista_Uniikki(slot);
    pos = Plr.inv_obj[slot];
    int minutes = mend_minutes(item);
    one_line_list(material, item.fullweight - item.weight, 0);   // empties the lists first
    lisaa_KasityoLista_kielletty(pos);
    Tarvike.remove = 1;
    Tarvikelista[0].remove = 1;
    Tyhjaa_Tarvike();
    Tarvike.id = OID_KNIFE;
    Tarvike.linked = OID_KNIFE;
    Lisaa_Tarvike();
    if (!Kay_Tarvikelista("REPAIR A PIECE OF CLOTHING")) return 0;
    Tarvikelista_Tyokalukelpoisuus(-1);
    AsetaPonnistelu(CRE_PLAYER, 3);
    minutes = tyoaikamuutos(minutes, GLOB_TK_kelpoisuus, 2);
    if (!realbasicspend(minutes, 0, "REPAIRING", 0)) {
        Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    Poista_Kaytetyt_Tarvikkeet();
    // The mended piece: clothing again from its own record, name and whole weight kept.
    ItemStruct mended = ObjToItem(pos);
    const ItemStruct kept = mended;
    ka_vaate(mended, 1, 1);
    memcpy(mended.name, kept.name, sizeof mended.name);
    mended.fullweight = kept.fullweight;
    mended.weight = kept.fullweight * 0.97f;
    mended.status = kept.status;
    ItemToObjpos(mended, pos);
    Note(fill_words("+You finish repairing your %s.", {lower_name(mended)}));
    laske_Load(CRE_PLAYER);
    Statistics();
    TurnUsed = 1;
    return 1;
}

// ---- tying equipment -----------------------------------------------------------------------------

static int tying_length(const ItemStruct &it) { return get_Item_pituus(it); }

static int choose_tying(const char *title, const char *verb, const char *refusal, bool join) {
    const int slot = selslot(title, verb, SEL_NO_INUSE | SEL_WRONG_TYPE, IT_TOOL, 0);
    if (slot == INVSEL_NOTHING) Note(nothingto(verb));
    if (!valid_slot(slot)) return -1;
    const ItemStruct it = ObjToItem(Plr.inv_obj[slot]);
    if (!OnkoEsineId(it, OID_TYING) || (join && it.id == OID_WITHE)) {
        Note(MSG("NOT_SUITABLE_ITEM"));
        Note(refusal);
        return -1;
    }
    return slot;
}

// The piece as a stored item with its unit told in feet.
static int store_piece(ItemStruct it, int feet, float weight) {
    set_Item_pituus(feet, it);
    set_Item_maxpituus(feet, it);
    it.weight = it.fullweight = weight;
    if (it.unitkind == UK_COUNT) it.unitkind = UK_FEET;
    it.status = 0;
    return Luo_Esineen_Itempos(it);
}

int TYING_shorten() {
    const int slot = choose_tying("Select a tying equipment you want to shorten?", "shorten",
                                  "_You can shorten only tying equipment such as ropes and cords.", false);
    if (slot < 0) return 0;
    const ItemStruct it = ObjToItem(Plr.inv_obj[slot]);
    const int length = tying_length(it);
    // Nothing shorter than two feet can give a piece and keep one: a length of 0 would divide by 0.
    if (length < 2) {
        Note(fill_words("!One ft %s is too short to be shortened anymore.", {lower_name(it)}));
        return 0;
    }
    char feet[16];
    snprintf(feet, sizeof feet, "%d", length);
    Note(fill_words("?How much of this %u ft %s you want to cut?", {feet, lower_name(it)}));
    const int cut = AskCount(length - 1);
    if (cut < 1 || cut > length - 1) return 0;
    if (it.id == OID_ROPE) {
        one_line_list(OID_CUTTING, 0, 1);
        if (!Kay_Tarvikelista("Cut tying equipment")) return 0;
    }
    if (!realbasicspend(0, 30, "Shortening tying equipment", SPF_SECONDS)) return 0;
    if (!valid_slot(slot) || ObjToItem(Plr.inv_obj[slot]).id != it.id) return 0;
    const float piece_weight = std::round(cut * (it.weight / (float)length) * 10000.0f) / 10000.0f;
    const float piece_full = std::round(cut * (it.fullweight / (float)length) * 10000.0f) / 10000.0f;
    const int piece = store_piece(it, cut, piece_weight);
    ItemStruct rest_it = it;
    const int rest = store_piece(rest_it, length - cut, it.weight - piece_weight);
    if (!piece || !rest) return 0;
    // Whole weights follow the same split as the weights.
    ItemStruct p = ObjToItem(piece), r = ObjToItem(rest);
    p.fullweight = piece_full;
    r.fullweight = it.fullweight - piece_full;
    ItemToObjpos(p, piece);
    ItemToObjpos(r, rest);
    // The two pieces are the one she carried: a full pack keeps them both.
    Poista_PlrItem(slot, 1);
    Lisaa_Jaon_Loput(piece, 1, 1, -1);
    Lisaa_Jaon_Loput(rest, 1, 1, -1);
    char cutfeet[16];
    snprintf(cutfeet, sizeof cutfeet, "%d", cut);
    Note(fill_words("=You cut %u ft piece from the %s.", {cutfeet, lower_name(r)}));
    laske_Load(CRE_PLAYER);
    TurnUsed = 1;
    return 1;
}

int TYING_join() {
    const char *refusal = "_You can join only tying equipment such as ropes and cords.";
    const int a = choose_tying("Select tying equipment to join with another?", "join", refusal, true);
    if (a < 0) return 0;
    const ItemStruct first = ObjToItem(Plr.inv_obj[a]);
    char feet[16];
    snprintf(feet, sizeof feet, "%d", tying_length(first));
    Note(fill_words("+You are about to join %u ft %s to another piece of tying equipment.", {feet, lower_name(first)}));
    Note(fill_words("?Now select another %s to join them together.", {lower_name(first)}));
    const int b = choose_tying("What to join with the selected tying equipment?", "join", refusal, true);
    if (b < 0) return 0;
    const ItemStruct second = ObjToItem(Plr.inv_obj[b]);
    char n1[41], n2[41];
    if (strcmp(item_name(first, n1), item_name(second, n2)) != 0) {
        Note("!Only the same kind of tying equipment can be joined together.");
        return 0;
    }
    if (a == b && Plr.inv_count[a] < 2) {
        Note("!Huh? You can't join it to itself.");
        return 0;
    }
    const int total = tying_length(first) + tying_length(second);
    if (total > TYING_MAX_FEET) {
        Note("!Maximum tying equipment length is 255 feet. This combination would exceed it.");
        return 0;
    }
    const bool rope = second.id == OID_ROPE;
    const bool wetted = (second.material & (MAT_LEATHER | MAT_BARK)) != 0;
    if (wetted) {
        one_line_list(OID_WATER, rope ? 2.0f : 0.5f, 0);
        if (!Kay_Tarvikelista("Join tying equipment")) return 0;
    }
    // The joined piece's object is found before the work; a refusal or a break gives the water back.
    const int joined = store_piece(second, total, first.weight + second.weight);
    if (!joined || !basicspend(rope ? 10 : 1, "Joining tying equipment")) {
        if (wetted) Palauta_Kaytetyt_Tarvikkeet();
        return 0;
    }
    if (wetted) Poista_Kaytetyt_Tarvikkeet();
    ItemStruct j = ObjToItem(joined);
    j.fullweight = first.fullweight + second.fullweight;
    ItemToObjpos(j, joined);
    const int first_pos = Plr.inv_obj[a], second_pos = Plr.inv_obj[b];
    if (a == b) {
        Poista_PlrItem(a, 2);
    } else {
        Poista_PlrItem_NoCrunch(a, 1);
        Poista_PlrItem_NoCrunch(b, 1);
        CrunchItems();
    }
    (void)first_pos;
    (void)second_pos;
    Lisaa_Jaon_Loput(joined, 1, 1, -1);   // the two she carried, as one: a full pack keeps it
    char tfeet[16];
    snprintf(tfeet, sizeof tfeet, "%d", total);
    Note(fill_words("=After tying the two %s together you now got %u ft %s.",
                    {StrLwr(mon(n2)), tfeet, lower_name(j)}));
    laske_Load(CRE_PLAYER);
    TurnUsed = 1;
    return 1;
}

// ---- stockpiles and robbers ----------------------------------------------------------------------

static bool bow_or_arrow(const ItemStruct &it) { return onko_JOUSIPYSSY(it) || onko_NUOLI(it); }

static bool skill_is(const ItemStruct &it, const char *word) {
    char skill[sizeof it.skill + 1];
    memcpy(skill, it.skill, sizeof it.skill);
    skill[sizeof it.skill] = 0;
    return strcmp(skill, word) == 0;
}

int stocktype_match(const ItemStruct &item, unsigned mask) {
    if (mask & 0x80) return OnkoEsineId(item, OID_PRESERVED_FISH) ? 1 : 0;
    if (mask & 0x40) return OnkoEsineId(item, OID_PRESERVED_MEAT) ? 1 : 0;
    if (mask & 0x10) {
        char name[41];
        item_name(item, name);
        return item.subtype == 1 || item.subtype == 2 || item.subtype == 13 || strstr(StrLwr(name), "trident") ? 1 : 0;
    }
    if ((mask & 0x20) && bow_or_arrow(item)) return 1;
    if (mask & 0x2) return item.type == IT_WEAPON ? 1 : 0;
    if (mask & 0x200) return item.id == OID_FLOUR || item.id == OID_GRAIN ? 1 : 0;
    if (mask & 0x100) return item.type == IT_ARMOUR ? 1 : 0;
    if (mask & 0x400) {
        static const unsigned ids[] = {100, 101, 102, 104, 105, 310, 331};
        for (unsigned id : ids)
            if (item.id == id) return 1;
        return item.type == IT_WEAPON && (skill_is(item, "DAGGER") || skill_is(item, "KNIFE")) ? 1 : 0;
    }
    return 0;
}

int stockpile_match(const ItemStruct &item, int dataIndex) {
    if (dataIndex < 0 || dataIndex >= DATA_MAX) return 0;
    const DataStruct &d = Data[dataIndex];
    if (d.type != DT_STOCKPILE) return 0;
    if (d.owner != 0 && OnkoEsineId(item, d.owner)) return 1;
    if (d.id != 0) return stocktype_match(item, d.id);
    return 0;
}

// ---- goods with a grade --------------------------------------------------------------------------

ItemStruct kultvaraModObj(int object, int wealthClass) {
    ItemStruct it = ObjToItem(object);
    ItemSet_laatu(varalaatu(wealthClass), it);
    ItemSet_laatutieto(1, it);
    return it;
}
