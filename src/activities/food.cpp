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
#include "core/worldservices.h"

#include <cmath>
#include <cstdio>
#include <cstring>

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
    food_name_of(item, name, sizeof name);
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
            food_name_of(item, name, sizeof name);
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
    if (total > 9000) world_services.course_task_check(35);
    // Her companions eat when she does.
    for (int d = 0; d < DATA_MAX; d++) {
        if (Data[d].type != DT_CREATURE || Data[d].id < CRE_DATAID) continue;
        const int c = (int)Data[d].id - CRE_DATAID;
        if (c < CRE_COUNT && onko_NPC_kumppani(c) && !onko_JOKU_tajuton(c)) syonti(c, 1);
    }
}

// A menu of the pack's items of one type; the chosen slot, -1 none, -2 none to offer. A menu shows
// VALINTA_SHOWN entries: when the pack holds more, each page keeps its last entry for "+", which
// turns to the next page (after the last, the first again), so every stack can be chosen.
int choose_pack_item(int type, const char *title) {
    int slots[PLR_SLOTS], n = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).type == type) slots[n++] = s;
    if (n == 0) return -2;
    const int per_page = n > VALINTA_SHOWN ? VALINTA_SHOWN - 1 : n;
    for (int first = 0;;) {
        Valinta_Tyhjaa();
        const int shown = n - first < per_page ? n - first : per_page;
        for (int i = 0; i < shown; i++) {
            const int s = slots[first + i];
            const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
            char name[48], line[80];
            food_name_of(it, name, sizeof name);
            if (Plr.inv_count[s] > 1) snprintf(line, sizeof line, "%d %s", Plr.inv_count[s], name);
            else snprintf(line, sizeof line, "%s (%.1f lb)", name, (double)it.weight);
            Valinta_Lisaa('a' + i, line);
        }
        if (n > per_page) Valinta_Lisaa('+', "Next page");
        const int key = TeeValinta(title);
        if (key == '+' && n > per_page) {
            first = first + per_page < n ? first + per_page : 0;
            continue;
        }
        return key >= 'a' && key < 'a' + shown ? slots[first + key - 'a'] : -1;
    }
}

void eatCmd() {
    while (Plr.stomach <= 250) {
        int slot = choose_pack_item(IT_FOOD, "What do you want to eat?");
        if (slot == -2) {
            Note(nothingto("eat"));
            return;
        }
        if (slot < 0) return;
        eat(slot);   // a refused food leaves her to choose another, or to cancel
    }
}
