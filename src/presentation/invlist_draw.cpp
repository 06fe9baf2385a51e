// src/presentation/invlist_draw.cpp -- one page of the list rows of an item choice: the type bars,
// each row with its picture, its wear, its weight and its use, and the types asked for without rows.
#include "presentation/invlist_draw.h"

#include <cstdio>
#include <cstring>

#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/records.h"
#include "core/tekstit.h"
#include "items/inventory.h"
#include "items/invlist.h"
#include "items/items.h"
#include "presentation/itemtiles.h"
#include "presentation/menu.h"
#include "presentation/show.h"
#include "presentation/windows.h"

// The owner note after a row's text: goods still to be paid, or taken.
int INVLIST_X = 5, INVLIST_Y = 5, INVLIST_W = 470, INVLIST_H = 520, INVLIST_INFOY = 460, INVLIST_INFOH = 30;
int InvList_rowy[INVDATA_MAX];

static const char *owner_note(const ItemStruct &it) {
    if (it.ownersoc == 0 || (it.ownerflags & OWN_FREE)) return "";
    if (it.ownerflags & OWN_UNPAID) return " (unpaid)";
    if (it.ownerflags & OWN_TAKEN) return " (taken)";
    return "";
}

// The weight column: wide enough for "12.5 lbs", its texts set flush right.
static const int WEIGHT_COLUMN_W = 8 * 8;

// A row's weight in its colour on a pale tag, flush with the column's right edge: the dark blue reads
// on the tag where it would vanish on the window's dark logs.
static void weight_tag(int right, int y, const char *weight) {
    const int x = right - textwidth(weight);
    box(x - 2, y - 1, right + 1, y + 10, RGB_to_color(232, 226, 206));
    showtext(x, y, weight, RGB_to_color(60, 90, 152), 0);
}

static void header_bar(int y, int type, bool inventory, int colx_wield, int colx_wear, int colx_weight) {
    TekstiPalkki(INVLIST_X + 5, y, INVLIST_W - 10, InvList_TYPETITLE((unsigned)type), 1);
    const uint32_t grey = RGB_to_color(176, 196, 222);
    if (type == IT_CONTAINER || type == IT_FOOD) showtext(colx_wear, y + 4, "usage", grey, 1);
    if (type == IT_WEAPON || type == IT_ARMOUR || type == IT_SKIN) showtext(colx_wear, y + 4, "wear", grey, 1);
    showtext(colx_weight + WEIGHT_COLUMN_W - textwidth("weight"), y + 4, "weight", grey, 1);
    if (inventory) {
        const char *state = type == IT_WEAPON ? "wielded" : type == IT_ARMOUR ? "  worn " : type == IT_TOOL ? " in use" : "";
        if (state[0]) showtext(colx_wield, y + 4, state, grey, 1);
    }
}

int showInvList(int first, unsigned filter) {
    (void)filter;
    for (int &y : InvList_rowy) y = -1;
    const int right = INVLIST_X + INVLIST_W - 10;
    const int colx_weight = right - WEIGHT_COLUMN_W;
    const int colx_wear = colx_weight - 10 - textwidth("usage");
    const int colx_wield = colx_wear - 10 - textwidth("wielded");
    const int bottom = INVLIST_INFOY - 25;
    int y = INVLIST_Y + 25;
    typeheaderpos = -1;
    InvList_vika = first - 1;
    SivunViimeinenNappain = 0;
    int drawn = 0;
    if (first < 0) first = 0;
    for (int i = first; i < INVDATA_MAX; i++) {
        const InvDataStruct &r = InvData[i];
        if (!r.pos) break;
        const ItemStruct it = ObjToItem(r.pos);
        const bool header = it.type != typeheaderpos;
        if (y + (header ? 17 : 0) + INVLIST_ROWH > bottom) break;
        if (header) {
            if (drawn) y += 4;
            typeheaderpos = it.type;
            header_bar(y, it.type, r.source == INV_FROM_PACK, colx_wield, colx_wear, colx_weight);
            y += 19;
        }
        const int key = drawn < 52 ? NAPPAIN[drawn] : ' ';
        if (i == InvList_cursor) alpha_box(INVLIST_X + 5, y - 2, INVLIST_W - 10, INVLIST_ROWH, RGB_to_color(252, 252, 84), 48);
        const char *name = ekuvaus(r.pos, r.count, 0);
        char text[200];
        if (r.chosen > 0 && r.chosen < r.count)
            snprintf(text, sizeof text, "%c.(%d) %s%s", key, r.chosen, name, owner_note(it));
        else
            snprintf(text, sizeof text, "%c.%s%s", key, name, owner_note(it));
        text[40] = 0;
        uint32_t colour = RGB_to_color(255, 255, 255);
        if (r.disabled) colour = RGB_to_color(168, 0, 0);
        if (r.chosen > 0) {
            alpha_box(INVLIST_X + 5, y - 2, INVLIST_W - 10, INVLIST_ROWH, RGB_to_color(0, 168, 0), 96);
            colour = RGB_to_color(84, 252, 84);
        }
        invshow_picture(INVLIST_X + 20, y + 4, it);
        showtext(INVLIST_X + 34, y, text, colour, 1);
        invshow_wear(colx_wear, y + 2, r.pos);
        weight_tag(right, y, txt_itemweight(r.pos, r.count));
        if (r.source == INV_FROM_PACK) invshow_inuse(colx_wield, y - 4, r.pos);
        InvList_rowy[i] = y;
        y += INVLIST_ROWH;
        InvList_vika = i;
        SivunViimeinenNappain = key;
        drawn++;
    }
    if (zeroitem_filtertypes) {
        for (int t = 0; t <= 12; t++) {
            if (!(zeroitem_filtertypes & (1u << t))) continue;
            if (y + 17 + 14 > bottom) break;
            if (drawn) y += 4;
            TekstiPalkki(INVLIST_X + 5, y, INVLIST_W - 10, InvList_TYPETITLE((unsigned)t), 1);
            showtext(INVLIST_X + 20, y + 22, "Applicable, but none available.", RGB_to_color(168, 0, 0), 1);
            y += 36;
            drawn = 13;
        }
    }
    return drawn;
}
