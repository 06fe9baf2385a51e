// The list rows of every item choice: filling from a square or an inventory, grouping by type, the
// type filters and their menu, and the memory of the last list (a page of rows is drawn by
// presentation/invlist_draw.cpp).
#include "items/invlist.h"

#include "core/config.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "base/ownlib.h"
#include "core/records.h"
#include "core/creatures.h"
#include "items/inventory.h"
#include "items/items_int.h"
#include "items/items.h"
#include "base/ui.h"
#include "core/tekstit.h"

#include <cstdio>
#include <cstring>

InvDataStruct InvData[INVDATA_MAX];
InvDataStruct InvDataSave[INVDATA_MAX];
InvDataStruct TmpInvData[INVDATA_MAX];
uint32_t zeroitem_filtertypes;

char LAST_LISTTITLE[1024] = "undefined";
unsigned LAST_FILTER;
int LAST_LISTPOSITION, LAST_LISTALKUKOHTA;

int InvList_eka, InvList_vika, SivunViimeinenNappain, typeheaderpos;
int InvList_cursor = -1;
uint8_t npcitemtradable[CRE_PACK];

static bool valid_position(int pos) {
    return (pos >= 1 && pos < CONSTANTOBJ_ROWS) || (pos >= OBJ_PLAYER_FIRST && pos <= OBJ_PLAYER_LAST);
}

void ClrInvData() { memset(InvData, 0, sizeof InvData); }

int InvData_count() {
    int n = 0;
    for (const InvDataStruct &r : InvData) n += r.pos != 0;
    return n;
}

static InvDataStruct *next_row(int &n) { return n < INVDATA_MAX ? &InvData[n++] : nullptr; }

int InvGet_data(int x, int y) {
    ClrInvData();
    int n = 0;
    for (int i = 0; i < DATA_MAX; i++) {
        const DataStruct &d = Data[i];
        if (d.x != x || d.y != y || d.count == 0) continue;
        int pos = 0, kind = 0;
        if (d.type == DT_ITEM) {
            pos = (int)d.id;
            kind = INV_KIND_ITEM;
        } else if (d.type == DT_CARCASS) {
            const int c = (int)d.id - CRE_DATAID;
            if (c < 0 || c >= CRE_COUNT) continue;
            pos = Luo_Sotucarcass_Itempos(Cre[c].socialid);
            kind = INV_KIND_CARCASS;
        } else {
            continue;
        }
        if (!valid_position(pos)) continue;
        InvDataStruct *r = next_row(n);
        if (!r) break;            // the list stops at its last row
        r->source = INV_FROM_GROUND;
        r->index = i;
        r->pos = pos;
        r->count = d.count;
        r->kind = (uint8_t)kind;
    }
    return n;
}

int InvGet_character(int owner, unsigned options) {
    ClrInvData();
    int n = 0;
    if (owner == CRE_PLAYER) {
        for (int s = 0; s < PLR_SLOTS; s++) {
            const int pos = Plr.inv_obj[s];
            if (pos <= 0 || Plr.inv_count[s] <= 0 || !valid_position(pos)) continue;
            InvDataStruct *r = next_row(n);
            r->source = INV_FROM_PACK;
            r->index = s;
            r->pos = pos;
            r->count = Plr.inv_count[s];
            r->kind = INV_KIND_ITEM;
        }
        return n;
    }
    if (owner < 0 || owner >= CRE_COUNT) return 0;
    const CreatureStruct &c = Cre[owner];
    for (int s = 0; s < CRE_PACK; s++) {
        const int pos = (int)c.pack[s];
        if (!valid_position(pos) || c.packcount[s] == 0) continue;
        if ((options & 0x1000) && !npcitemtradable[s]) continue;   // not for trade in this talk
        InvDataStruct *r = next_row(n);
        r->source = INV_FROM_PACK;
        r->index = s;
        r->pos = pos;
        r->count = c.packcount[s];
        r->kind = INV_KIND_ITEM;
        if ((options & 0x4000) && (ObjToItem(pos).ownerflags & OWN_CLAIM)) r->disabled = 1;
    }
    return n;
}

int filtered_type(int type, unsigned filter) {
    if (filter == 0) return 1;
    if (filter & INVFILTER_MASK) return type >= 0 && type < 31 && (filter & (1u << type)) ? 1 : 0;
    return (int)filter == type ? 1 : 0;
}

// The order of types in the lists: the configured order (INVTYPEORDER), each type once, and any type
// it lacks after it in number order.
static int type_order(int out[INVTYPE_COUNT]) {
    unsigned used = 0;
    int n = 0;
    for (int i = 0; i < INVTYPE_COUNT; i++) {
        const int t = INVTYPEORDER[i];
        if (t < 1 || t > INVTYPE_COUNT || (used & (1u << t))) continue;
        used |= 1u << t;
        out[n++] = t;
    }
    for (int t = 1; t <= INVTYPE_COUNT; t++)
        if (!(used & (1u << t))) out[n++] = t;
    return n;
}

int doInvList(unsigned filter, unsigned options) {
    if (filter == 0) zeroitem_filtertypes = 0;
    else if (filter & INVFILTER_MASK) zeroitem_filtertypes = filter;
    else zeroitem_filtertypes = filter < 32 ? 1u << filter : 0;
    memcpy(TmpInvData, InvData, sizeof InvData);
    ClrInvData();
    // The item of each row is read once: the types decide the order.
    static ItemStruct items[INVDATA_MAX];
    for (int i = 0; i < INVDATA_MAX; i++)
        if (TmpInvData[i].pos) ObjToItem(items[i], TmpInvData[i].pos);
    int kept = 0, order[INVTYPE_COUNT];
    type_order(order);
    for (int t : order) {
        for (int i = 0; i < INVDATA_MAX; i++) {
            InvDataStruct &r = TmpInvData[i];
            if (!r.pos) continue;
            const ItemStruct &it = items[i];
            bool admitted;
            if (filter == INVFILTER_UNPAID) admitted = (it.ownerflags & (OWN_UNPAID | OWN_TAKEN)) != 0;
            else admitted = filtered_type(t, filter) != 0;
            const bool of_type = it.type == t || ((options & 0x2000) && t == IT_CONTAINER && it.vessel != 0);
            if (!admitted || !of_type) continue;
            InvData[kept++] = r;
            memset(&r, 0, sizeof r);
            zeroitem_filtertypes &= ~(1u << t);
        }
    }
    return kept;
}

char *InvList_TYPETITLE(unsigned type) {
    static char title[40];
    const char *t = "";
    if ((int)type < 0) t = "Preferred types";
    else switch (type) {
        case 1: t = "Weapons"; break;
        case 2: t = "Armours & Clothes"; break;
        case 3: t = "Containers"; break;
        case 5: t = "Hides & Skins"; break;
        case 6: t = "Tools"; break;
        case 7: t = "Foods"; break;
        case 8: t = "Timber"; break;
        case 9: t = "Vehicles"; break;
        case 10: t = "Valuables"; break;
        case 11: t = "Plants"; break;
        case 12: t = "Carcasses"; break;
        case 27: t = "Unpaid"; break;
        default: break;
        }
    copy_bounded(title, sizeof title, t);
    return title;
}

static int filter_key(int type) {
    static const char keys[] = " wac htfmvbpr";   // by type 0..12; type 4 has none
    return type >= 1 && type <= 12 ? keys[type] : 0;
}

int InvFilterMenu(unsigned typesPresent) {
    Valinta_Tyhjaa();
    int order[INVTYPE_COUNT];
    type_order(order);
    for (int t : order) {
        if (!InvList_TYPETITLE((unsigned)t)[0] || !(typesPresent & (1u << t))) continue;
        char title[40];
        copy_bounded(title, sizeof title, InvList_TYPETITLE((unsigned)t));
        Valinta_Lisaa(filter_key(t), title);
    }
    if (typesPresent & (1u << INVFILTER_UNPAID)) Valinta_Lisaa('u', "Unpaid");
    Valinta_Lisaa(-1, "");
    Valinta_Lisaa('*', "All types");
    const int key = TeeValinta("View what type of items?");
    if (key == 'u') return INVFILTER_UNPAID;
    if (key == 0) return -1;
    if (key == '*') return 0;
    for (int t = 1; t <= 12; t++)
        if (filter_key(t) == key) return t;
    return 0;
}

void savelastInvSel(const char *title, int position, int first, unsigned filter) {
    LAST_LISTPOSITION = position;
    LAST_LISTALKUKOHTA = first;
    LAST_FILTER = filter;
    copy_bounded(LAST_LISTTITLE, sizeof LAST_LISTTITLE, title ? title : "");
}
