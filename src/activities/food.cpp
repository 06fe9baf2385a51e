// Food values, the body's stomach, energy and thirst, and eating.
#include "activities/food.h"
#include "creatures/predicates.h"

#include "activities/cooking.h"
#include "activities/herbeffects.h"
#include "creatures/animals.h"
#include "creatures/life.h"

#include "core/config.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/player.h"
#include "core/records.h"
#include "core/spend.h"
#include "base/strupr.h"
#include "core/creatures.h"
#include "creatures/physical.h"
#include "items/inventory.h"
#include "items/items.h"
#include "items/itemwear.h"
#include "base/debuglog.h"
#include "core/notes.h"
#include "base/ui.h"
#include "core/tekstit.h"
#include "core/tehtavat.h"

#include <cmath>
#include <cstdio>
#include <cstring>

void fill_name(char *out, int size, const char *pattern, const char *name) {
    if (size <= 0) return;
    int n = 0;
    for (const char *p = pattern; *p && n + 1 < size; p++) {
        if (p[0] == '%' && p[1] == 's') {
            for (const char *q = name; *q && n + 1 < size; q++) out[n++] = *q;
            p++;
        } else {
            out[n++] = *p;
        }
    }
    out[n] = 0;
}

int Ravintoarvo_Nimesta(const char *name) {
    auto has = [name](const char *w) { return strstr(name, w) != nullptr; };
    if (has("PIG") || has("SOW") || has("BOAR")) return 108;
    if (has("ELK") || has("STAG")) return 100;
    if (has("SHEEP") || has("RAM")) return 105;
    if (has("COW") || has("BULL")) return 104;
    if (has("DEER")) return 101;
    if (has("BEAR")) return 106;
    if (has("HARE")) return 102;
    if (has("GROUSE")) return 107;
    if (has("SALMON") || has("TROUT")) return 251;
    if (has("BREAM")) return 252;
    if (has("LAVARET")) return 253;
    if (has("RYE BREAD")) return 200;
    if (has("FAT")) return 109;
    if (has(" CUT")) return 103;
    return 0;
}

// The record's name as a terminated text.
static void nimi_of(const ItemStruct &item, char *out, size_t size) {
    size_t n = strnlen(item.name, sizeof item.name);
    if (n >= size) n = size - 1;
    memcpy(out, item.name, n);
    out[n] = 0;
}

ravinto_struct ravinto(ItemStruct &item) {
    ravinto_struct v = {};
    int c = 0, f = 0, p = 0, l = item.water;
    bool settled = false;
    if (item.id != OID_WATER && item.id != OID_MILK && (item.fig[0] + item.fig[1] + item.fig[2] + item.water) != 0) {
        c = item.fig[0], f = item.fig[1], p = item.fig[2];
        settled = true;
    }
    if (!settled) {
        char name[48];
        nimi_of(item, name, sizeof name);
        unsigned id = item.id;
        bool water = false, milk = false;
        if (strstr(name, "berries")) id = OID_BERRY;
        else if (strstr(name, "water")) (strstr(name, "milk") ? milk : water) = true;
        else if (strstr(name, "milk")) milk = true;
        if (milk || id == OID_MILK) c = 5, f = 4, p = 3, l = 70;
        else if (water || id == OID_WATER) c = 0, f = 0, p = 0, l = 100;
        else if (id == OID_BERRY) c = 7, f = 0, p = 0, l = 70;
        else if (id == OID_FLOUR) c = 55, f = 2, p = 9;
        else if (id == OID_BONE) c = 1, f = 35, p = 5;
        else if (id == OID_SEED || id == OID_HERB || id == OID_FLOWER) c = 1, f = 0, p = 0;
        else if (id == OID_MUSHROOM) c = 3, f = 1, p = 2;
        else {
            switch (Ravintoarvo_Nimesta(StrUpr(name))) {
            case 100: case 102: case 103: case 104: case 106: case 108: c = 0, f = 3, p = 21; break;
            case 101: c = 0, f = 5, p = 22; break;
            case 105: c = 0, f = 12, p = 19; break;
            case 200: c = 41, f = 1, p = 7; break;
            case 251: c = 0, f = 7, p = 11; break;
            case 252: case 253: c = 0, f = 3, p = 17; break;
            default: c = 5, f = 2, p = 1; break;
            }
        }
    }
    v.carb = c, v.fat = f, v.protein = p, v.liquid = l;
    v.kcal100 = 4 * c + 9 * f + 4 * p;
    v.kcal_lb = 5 * v.kcal100;
    float w = item.weight > 0 ? item.weight : 0.0f;
    v.kcal_item = (int32_t)ceilf((float)v.kcal_lb * w);
    v.g_carb = (int32_t)((float)c * 5.0f * w);
    v.g_fat = (int32_t)((float)f * 5.0f * w);
    v.g_protein = (int32_t)((float)p * 5.0f * w);
    v.g_liquid = (int32_t)((float)l * 5.0f * w);
    item.fig[0] = (uint8_t)c, item.fig[1] = (uint8_t)f, item.fig[2] = (uint8_t)p, item.water = (uint8_t)l;
    char name[48], line[256];
    nimi_of(item, name, sizeof name);
    snprintf(line, sizeof line, "ravinto(%s) : Hi,Ra,Pr: %d,%d,%d Neste: %d  kcal/100g: %d  kcal/lbs: %d  kcal/esine: %d",
             name, c, f, p, l, v.kcal100, v.kcal_lb, v.kcal_item);
    debuglog("eat", line);
    return v;
}

void heikenna_ravintoarvot(ravinto_struct &v, float factor) {
    int32_t *fields = &v.kcal100;
    for (int i = 0; i < 11; i++) fields[i] = (int32_t)((float)fields[i] * factor);
}

// TiivistaRavinto and Laske_RuoanHinta_PerLbs live with the herb lore's food rules.

ItemStruct Lihaesine(const char *name, float weight, const CreatureStruct &tpl) {
    ItemStruct it;
    ClrItemstruct(it);
    it.type = IT_FOOD;
    it.id = OID_RAWMEAT;
    char cut[80];
    fill_name(cut, sizeof cut, "%s cut", name ? name : "");
    SET_ITEM_TEXT(it.name, cut);
    SET_ITEM_TEXT(it.skill, name ? name : "");
    it.tilesym = 145;
    SET_ITEM_TEXT(it.tile, "org-meatcut");
    it.weight = it.fullweight = weight;
    it.spoil = 3;
    for (int k = 0; k < 3; k++) it.fig[k] = tpl.meat[k];
    it.priceperweight = (float)(tpl.meat[0] + tpl.meat[1] + tpl.meat[2]) * 0.04f;
    it.price = it.priceperweight * weight;
    return it;
}

int mahataynna(int n) { return n == -1 && Plr.stomach > 250; }

float nestetarve(const ravinto_struct &v) {
    if (v.liquid <= 0) return 0.0f;   // a dry food quenches nothing
    return (float)Plr.thirst / ((float)v.liquid * 10.0f);
}

float Itemruoan_Vatsatarve(int, const ravinto_struct &v) {
    int room = 255 - Plr.stomach;
    int hunger = nalantunne(-1);
    if (hunger > room) room = hunger;
    if (room <= 0) return 0.0f;
    float need = (float)room / (float)(v.kcal100 + 50) + 0.05f;
    return need > 3.0f ? 3.0f : need;
}

void Ravitse(int n, const ravinto_struct &v, const ItemStruct &, float amount, int drinking) {
    int fill = (int)((float)(v.kcal100 + 50) * amount);
    if (fill < 20) fill = 20;
    if (n == -1 && drinking) fill = Plr.thirst <= 25 ? (int)((float)(v.kcal100 + 12) * amount) : 0;
    int energy = (int)ceilf((float)v.kcal_lb * amount);
    if (n != -1) {
        if (n < 0 || n >= CRE_COUNT) return;
        int e = Cre[n].energy + energy, cap = maxenergiavaranto(n);
        Cre[n].energy = (int16_t)(e > cap ? cap : e);
        return;
    }
    int64_t e = (int64_t)Plr.energy + energy;
    Plr.energy = (uint32_t)(e > 5000 ? 5000 : e < 0 ? 0 : e);
    if (Plr.stomach + fill > 249) {
        Plr.stomach = 255;
        if (!drinking) Note(MSG("EAT_FULL"));
    } else {
        Plr.stomach = (uint8_t)(Plr.stomach + fill);
    }
    int relief = (int)((float)v.liquid * amount * 10.0f);
    if (relief != 0 && relief + 50 >= Plr.thirst) {
        Plr.thirst = 0;
        Note("=Your thirst is extinguished.");
    } else {
        Plr.thirst -= relief;
    }
}

int ateria_sekunnit(int calories) {
    if (calories < 150) return calories / 3 < 10 ? 10 : calories / 3;
    return calories / 150 * 60;
}

static void taste_note(int taste) {
    char key[32];
    snprintf(key, sizeof key, "EATMSG_TASTE:%u", (unsigned)taste);
    char line[600];
    copy_bounded(line, sizeof line, MSG(key));
    // The tail follows the body: a hungry eater's words first, a starving one's over them; the taste
    // picks which pair of words.
    static const char *const tails[3][2] = {
        {" but your stomach welcomes it.", " but you couldn't care less at the moment."},
        {" and happily consumed too.", " and you dig in like a starving person does."},
        {" and is devoured with great appetite.", ", which you barely notice while gobbling it down."},
    };
    const char *const *words = tails[taste < 3 ? 0 : taste == 3 ? 1 : 2];
    const char *tail = ".";
    if (nalantunne(-1) > 150) tail = words[0];
    if (Plr.starvation) tail = words[1];
    size_t used = strlen(line);
    copy_bounded(line + used, sizeof line - used, tail);
    Note(line);
}

static void named_note(const char *key, const ItemStruct &item) {
    char name[48], line[600], pattern[MSGBUF_SIZE];
    nimi_of(item, name, sizeof name);
    copy_bounded(pattern, sizeof pattern, MSG(key));
    fill_name(line, sizeof line, pattern, StrLwr(name));
    Note(line);
}

void eat(int slot) {
    if (slot < 0 || slot >= PLR_SLOTS || Plr.inv_obj[slot] == 0) return;
    int obj = Plr.inv_obj[slot];
    TARGET_ITEM = obj;
    ItemStruct item = ObjToItem(obj);
    ravinto_struct value = ravinto(item);
    if (oe_pilaantunut(item)) heikenna_ravintoarvot(value, 0.5f);
    float need = Itemruoan_Vatsatarve(-1, value);
    if (Plr.body_effects & 8u) {
        Plr.body_effects &= ~8u;
        need += 1.0f;
    }
    if (need <= 0) {
        Note(MSG("EAT_CANT"));
        return;
    }
    if (pahanmakuinen(item)) {
        Note("!It tastes far too bad to be eaten just like that!");
        return;
    }
    if (obj >= OBJ_PLAYER_FIRST && obj <= OBJ_PLAYER_LAST) PlayerObj[obj - OBJ_PLAYER_FIRST] = item;
    Tunnista_Laatu(obj);
    item = ObjToItem(obj);
    if (need > item.weight) need = item.weight;
    if (item.id == OID_SALT || item.id == OID_FLOUR || item.id == OID_SEED || item.id == OID_GRAIN) {
        Note(MSG("EAT_UNEDIBLE"));
        return;
    }
    bool raw_meat = item.id == OID_RAWFISH || item.id == OID_RAWMEAT;
    if (raw_meat && Plr.energy > 500) {
        Note("!You aren't hungry enough yet to happily eat raw meat.");
        return;
    }
    // A mushroom she does not know, or knows to be poisonous, is eaten only when she says so.
    if (item.id == OID_MUSHROOM && strcmp(inival("EAT_MUSHROOM_CONFIRMATION", "YES"), "NO") != 0) {
        const char *warning = herb_item_unknown(item)                ? "!That %s is unknown to you."
                              : (item.raw & HERB_POISON_MASK) != 0u ? "!You know the %s is poisonous."
                                                                    : nullptr;
        if (warning) {
            char name[48], line[200];
            nimi_of(item, name, sizeof name);
            fill_name(line, sizeof line, warning, StrLwr(name));
            Note(line);
            if (!KyllaEi("Do you really want to eat it?")) return;
        }
    }
    int calories = (int)ceilf((float)value.kcal_lb * need);
    int seconds = ateria_sekunnit(calories);
    int taste;
    if (raw_meat) {
        heikenna_ravintoarvot(value, 0.8f);
        taste = 1;
    } else {
        taste = ItemGet_laatu(&item);
        if (oe_ummehtunut(item) && taste >= 3) taste = 2;
    }
    taste_note(taste);
    copy_bounded(SPEND_SAMPLE, sizeof SPEND_SAMPLE, "EAT");
    if (!realbasicspend(seconds / 60, seconds % 60, "eating", 0)) return;
    Ravitse(-1, value, item, need, 0);
    const float taken = Kuluta_PlrItem(slot, need);
    if (item.weight > taken + 0.0001f) {
        Plr.stomach = 255;
        named_note("EAT_PARTIAL", item);
    } else {
        named_note("EAT_COMPLETE", item);
    }
    if (raw_meat) Plr.body_effects |= 2u;
    herb_effects_taken(item);
    Nayta_Perustarpeet(1);
    long total = 0;
    for (int s = 0; s < PLR_SLOTS; s++) {
        if (!Plr.inv_obj[s]) continue;
        ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (it.type != IT_FOOD) continue;
        total += (long)ravinto(it).kcal_item * Plr.inv_count[s];
    }
    if (total > 9000) Tarkista_Suoritus(35);
    // Her companions eat when she does.
    for (int d = 0; d < DATA_MAX; d++) {
        if (Data[d].type != DT_CREATURE || Data[d].id < CRE_DATAID) continue;
        const int c = (int)Data[d].id - CRE_DATAID;
        if (c < CRE_COUNT && onko_NPC_kumppani(c) && !onko_JOKU_tajuton(c)) syonti(c, 1);
    }
}

// A menu of the pack's items of one type; the chosen slot, -1 none.
int choose_pack_item(int type, const char *title) {
    static const char keys[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    int slot_of[128];
    memset(slot_of, -1, sizeof slot_of);
    Valinta_Tyhjaa();
    int k = 0;
    for (int s = 0; s < PLR_SLOTS && keys[k]; s++) {
        if (!Plr.inv_obj[s]) continue;
        ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        if (it.type != type) continue;
        char name[48], line[80];
        nimi_of(it, name, sizeof name);
        if (Plr.inv_count[s] > 1) snprintf(line, sizeof line, "%d %s", Plr.inv_count[s], name);
        else snprintf(line, sizeof line, "%s (%.1f lb)", name, (double)it.weight);
        slot_of[(unsigned char)keys[k]] = s;
        Valinta_Lisaa(keys[k++], line);
    }
    if (k == 0) return -2;
    int key = TeeValinta(title);
    return key > 0 && key < 128 ? slot_of[key] : -1;
}

void eatCmd() {
    while (Plr.stomach <= 250) {
        int slot = choose_pack_item(IT_FOOD, "What do you want to eat?");
        if (slot == -2) {
            Note(nothingto("eat"));
            return;
        }
        if (slot < 0) return;
        uint8_t before = Plr.stomach;
        uint32_t minutes = Plr.minutes;
        eat(slot);
        if (Plr.stomach == before && Plr.minutes == minutes) return;   // refused: no endless asking
    }
}
