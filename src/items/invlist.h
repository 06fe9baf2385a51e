// src/items/invlist.h -- the list rows every item choice passes through: filling them from a square
// or an inventory, grouping them by type, the type filters and their menu, and the memory of the last
// list (a page is drawn by presentation/invlist_draw.h).
#pragma once
#include <cstdint>

enum {
    INVDATA_MAX = 500,             // list rows; a square holding more records lists the first 500
    INV_FROM_GROUND = 1,           // a record of the data pool on a square
    INV_FROM_PACK = 2,             // an inventory slot
    INV_KIND_ITEM = 1,
    INV_KIND_CARCASS = '4',
    INVTYPE_COUNT = 12,
    INVFILTER_UNPAID = 27,         // unpaid or taken goods
};
constexpr uint32_t INVFILTER_MASK = 0x80000000u;   // the filter's other bits admit types by number
constexpr uint32_t invmask(int a, int b = 0) { return INVFILTER_MASK | (1u << a) | (b ? 1u << b : 0u); }

// One list row. Only the disabled mark stops a choice; the others choose the refusal message.
struct InvDataStruct {
    int32_t source;                // INV_FROM_GROUND or INV_FROM_PACK
    int32_t index;                 // pool record or inventory slot
    int32_t pos;                   // item position; 0 marks a free row
    int32_t count;
    int32_t chosen;                // how many of them are chosen; 0 none
    uint8_t kind;                  // INV_KIND_ITEM or INV_KIND_CARCASS
    uint8_t spare;
    uint8_t disabled, worn, likeworn, inuse, wrongtype, unwielded, carcass;
    uint8_t pad[3];
};
static_assert(sizeof(InvDataStruct) == 32, "a list row is eight words");

extern InvDataStruct InvData[INVDATA_MAX];      // the rows shown
extern InvDataStruct InvDataSave[INVDATA_MAX];  // the rows as filled, before filtering
extern InvDataStruct TmpInvData[INVDATA_MAX];   // scratch of the grouping step
// The order of the types is the configuration's INVTYPEORDER (core/config.h).
extern uint32_t zeroitem_filtertypes;           // asked-for types without a row

// The memory of the last list, so that a repeated command reopens at the same place.
extern char LAST_LISTTITLE[1024];
extern unsigned LAST_FILTER;
extern int LAST_LISTPOSITION, LAST_LISTALKUKOHTA;

// Page state shared with the selection screen.
extern int InvList_eka, InvList_vika, SivunViimeinenNappain, typeheaderpos;
extern int InvList_cursor;         // the row under the cursor, highlighted by the page drawing
extern uint8_t npcitemtradable[20];     // pack slots of the person talked to that may be traded

void ClrInvData();
int InvGet_data(int x, int y);                      // rows of the items and carcasses on a square
int InvGet_character(int owner, unsigned options);  // rows of the player's (-1) or a creature's pack
int doInvList(unsigned filter, unsigned options);   // groups the rows by type; answers the rows kept
int filtered_type(int type, unsigned filter);
int InvFilterMenu(unsigned typesPresent);           // filter value, 0 all, -1 cancel
char *InvList_TYPETITLE(unsigned type);
void savelastInvSel(const char *title, int position, int first, unsigned filter);
int InvData_count();               // rows in use
