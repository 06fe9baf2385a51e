// src/worldgen/builders.h -- the structures of a settlement map. Each builder draws its structure into
// the 15 x 15 stamp grid `area` and presses it onto `Zoom` where it fits; dwellings then get their
// household. The counters are shared with the settlement layouts and the settling of people.
#pragma once
#include <cstdint>

constexpr int AREA_SIDE = 15;
extern uint8_t area[AREA_SIDE * AREA_SIDE];   // row by row; 0 leaves the map square alone

extern int Talojen_Maara;          // dwellings built
extern int Aitausten_Maara;        // pens built
extern int Kyla_Kulttuuri;         // culture of the settlement
extern int ErakonTalo;             // 1: a hermit's homestead
extern int MiesLkm, NaisLkm;       // men and women settled

// Pen animal kinds by culture: 1 cattle, 2 pig, 3 sheep, 4 dog, 5 reindeer, 0 none.
extern const uint8_t kulttuurielaimet[14][3];
extern const uint8_t kulttuurielaimet2[14];
extern const uint8_t puskamerkki[3][10];   // bush marks of the three styles
int pen_species(int kind);                 // the species code of a pen animal kind, 0 for none

struct ZoomPos {
    int x, y;
};

void clear_area();
// Presses `area` with its top-left corner on x, y. Mode 2 tests first and answers 1 when refused;
// mode 1 writes onto ground only; mode 0 writes every cell. Cells off the map are never written,
// and in mode 2 a cell off the map refuses the stamp.
int aseta_alue(int x, int y, char mode);
// Mode 2 at x, y, then up to 1000 tries within six squares; the place pressed, or 0, 0.
ZoomPos aseta_alue_siirtaen(int x, int y);
ZoomPos DekoRandom();

void TeeTalo(int x, int y, char maxk);
ZoomPos TeeAitta(int x, int y, int size);
void TeeSauna(int x, int y, int size);
void TeeKauppa(int x, int y);
ZoomPos TeeKota(int x, int y, char size);
void TeeAitaus(int x, int y, char maxk);
void TeeKaivo();
void TeeLaavu();
void TeePusikko(uint8_t style);
void TeePusikkoa(uint8_t style);
void linnoita(int kind);

// The household of the dwelling at x, y, placed at x + 2, y + 2.
void AsutaTalo(int x, int y);
