// src/presentation/menu.h -- choice menus built entry by entry, yes/no questions and count prompts.
#pragma once
#include <cstdint>

enum { VALINTA_MAX = 50, VALINTA_SHOWN = 25, VALINTA_TEXT_CUT = 34 };

struct ValintaStruct {
    char text[100];                // "%c.%s": the key character, ".", the entry's text
    int32_t key;                   // the game key code that chooses it; -1 a separator line
    int32_t gx, gy;                // where its picture goes
    uint8_t mapchar;               // terrain char of the picture (0 none)
    uint8_t pad[3];
    int32_t action;                // action code for the command dispatcher (0 none)
    int32_t value;                 // the action's argument
    char qualifier[100];           // the action's text argument
    char topic[100];               // encyclopedia topic (empty none)
    char tilename[100];            // tile of the picture
};

extern ValintaStruct ValintaEntry[VALINTA_MAX];
extern int ValintojenMaara;        // entries in use
extern char ValintaTekstilisa[1024];   // extra text shown with the menu
extern int TeeValinta_NOCANCEL;    // the next menu has no cancel entry
extern int TEEVALINTA_POS;         // the list position the last menu returned
extern int GraafinenApu_X, GraafinenApu_Y;
extern const char menukeys[];      // "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ"

void Valinta_Tyhjaa();
int Valinta_Lisaa(int key, const char *text);                      // the new count
int Valinta_LisaaToiminnalla(int key, const char *text, int action);
int Valinta_LisaaTarkenteella(int key, const char *text, int action, int value);
int Valinta_LisaaTekstitarkenteella(int key, const char *text, int action, const char *qualifier);
void Valinta_LisaaGameinfo(const char *topic);
void Valinta_LisaaGlobalGameinfo(const char *topic);
void Valinta_LisaaGrafiikka(int x, int y, int mapchar);
void Valinta_Tekstilisa(const char *text);

int TeeValinta(const char *title);                       // the chosen key; 0 when cancelled
int TeeRMValinta(const char *title, int x, int y);       // the chosen action, else key; 0 when cancelled
void GraafinenApu(int position);
void PiirraTekstiApu(int x, int y, int width);

int cre_xy_select(int x, int y);                         // a creature on the square; -1 none, -1000 Esc

int KyllaEi(const char *question);                       // 1 for yes
int KeskeytaKyllaEi(const char *question);               // 1 for yes or Esc
int AskCount(int total);                                 // how many of a total; 0 for none
int askCount(int total, const char *text, int x, int y);
