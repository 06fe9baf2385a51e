// src/presentation/listwidget.h -- the one list widget behind every menu, prompt and button screen.
#pragma once
#include <SDL2/SDL.h>
#include <cstddef>
#include <cstdint>

enum { LIST_MAX_ENTRIES = 100, LIST_SPOTSTYLE = 100 };

struct ListStruct {                // 400 bytes, stored as is in "MENULIST.SAV"
    int32_t x, y, w, h;            // the list area
    uint32_t color;                // text colour
    int32_t count;                 // number of entries
    char title[100];
    int32_t textstyle;             // text style of buttons and text
    int32_t advstyle;              // button spots shrink their highlight to the label
    int32_t framestyle;            // 1..9 framed, 100 spot list, below 1 no frame
    int32_t noshade;               // the area is not shaded after a choice
    uint8_t lenhighlight;          // the bar is as wide as the entry's text
    uint8_t pad141[3];
    int32_t pos;                   // current position
    int32_t returnonchange;        // 2 = on, and the screen under the list is already saved
    int32_t returnonmouse;
    int32_t cursorlimit;           // 100 after a reset
    int32_t nearestkeys;           // cursor keys go to the nearest entry on screen
    char movesample[100];
    char choosesample[100];
    uint32_t highlight;            // highlight colour
    uint8_t casesensitive;         // hotkeys are compared as typed
    uint8_t pad369[3];
    int32_t flippermode;
    uint32_t flipperflags;
    uint32_t rgbacolor;            // text colour of buttons drawn into a texture (ColorPack)
    uint32_t buttonflags;          // button flags of buttons drawn into a texture
    uint8_t freeclicks;            // a click outside the entries, or Enter, ends the list with KEY_FREECLICK
    uint8_t pad389[3];
    int32_t xoffset, yoffset;      // added to spots of buttons drawn into a texture
};
static_assert(sizeof(ListStruct) == 400, "the list record is a file record");
static_assert(offsetof(ListStruct, textstyle) == 124, "ListStruct layout");
static_assert(offsetof(ListStruct, lenhighlight) == 140, "ListStruct layout");
static_assert(offsetof(ListStruct, pos) == 144, "ListStruct layout");
static_assert(offsetof(ListStruct, movesample) == 164, "ListStruct layout");
static_assert(offsetof(ListStruct, choosesample) == 264, "ListStruct layout");
static_assert(offsetof(ListStruct, highlight) == 364, "ListStruct layout");
static_assert(offsetof(ListStruct, casesensitive) == 368, "ListStruct layout");
static_assert(offsetof(ListStruct, flippermode) == 372, "ListStruct layout");
static_assert(offsetof(ListStruct, freeclicks) == 388, "ListStruct layout");
static_assert(offsetof(ListStruct, xoffset) == 392, "ListStruct layout");

struct ListEntryStruct {           // 232 bytes, stored as is in "MENULIST.SAV"
    char text[100];                // the part before the first "|"
    char text2[100];               // the part after it, drawn to the right
    int32_t key;                   // 0 = plain text line
    int32_t key2;                  // second hotkey
    int32_t x, y;                  // 0 = not placed yet
    int32_t w, h;                  // spot size; width 0 = not a spot
    int32_t disabled;
    int32_t labelw;                // label width of a button spot
};
static_assert(sizeof(ListEntryStruct) == 232, "a list entry is a file record");
static_assert(offsetof(ListEntryStruct, key) == 200, "ListEntryStruct layout");
static_assert(offsetof(ListEntryStruct, labelw) == 228, "ListEntryStruct layout");

extern ListStruct List;
extern ListEntryStruct ListEntries[LIST_MAX_ENTRIES];
extern int LISTMOD_allowsame;      // a key may be given to several button spots
extern SDL_Texture *ListFlipperTexture;
extern uint32_t Saved_TextColor;
extern int Saved_Tekstityyli;
extern int LIST_MENUACTIVE;        // a list is running

// Setting up
void LIST_Reset(uint32_t colour, const char *title, int x, int y, int w, int h, int style);
void LIST_Style(int highlight, const char *movesample, const char *choosesample, int noshade, int returnonchange);
void LIST_AdvStyle(int textstyle, int adv);
void LIST_MousemoveReturn();
void LIST_Kursorinappaimet_Lahimpaan();
void LIST_SetMaxCursorEntry();
int LIST_MaxCursorEntry();
void LIST_EnableFreeClicks();
void LIST_casesensitive();
void LIST_RGBA_TextColor(SDL_Color colour, uint32_t flags);
void LIST_XY_offset(int x, int y);
void LIST_FlipperMode(SDL_Texture *texture, uint32_t flags);
int LIST_InFlipperMode();          // a list runs through the page flipper
void LIST_TextAttribSave();
void LIST_TextAttribOverride(uint32_t colour, int style);
void LIST_TextAttribRestore();

// Adding entries; each is ignored once the list holds 100
void LIST_Entry(int key, const char *text);
void LIST_SpotEntry(int key, int x, int y, int w, int h);
void LIST_ButtonSpotEntry(int key, int x, int y, const char *label);
void LIST_toTex_ButtonSpotEntry(SDL_Texture *texture, int key, int x, int y, const char *label);
void LIST_KeyDisable(int key);
void LIST_KeyEnable(int key);

// Reading
int LIST_Position();
void Set_LIST_Position(int p);
int ListEntryPos();
int LIST_PosKey(int p);            // 0 outside 0..99
int LIST_PosOfKey(int key);        // -1 when none
char *LIST_PosText(int p);         // "" outside 0..99
int LISTX_right(int p);
int LISTY_top(int p);
int calculatepos();                // the entry under the mouse, or -1

// Drawing and running
void LIST_Draw();
void LIST_Highlight(int pos, int mode);
void LIST_ren_Highlight(SDL_Renderer *renderer, int pos, int mode);
int LIST_Go();                     // position, KEY_QUIT moved or closed, KEY_WINDOW, KEY_FREECLICK

// One saved list: "MENULIST.SAV"
void LIST_Save();
void LIST_Restore();               // a missing or short file leaves the list as it is
