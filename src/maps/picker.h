// src/maps/picker.h -- pointing at a square or a target: the interactive picker with its cursor,
// creature cycling and memory of the last target, the wrappers that skip it when the choice is
// obvious, and sprites drawn centred on a square.
#pragma once

enum {
    PICK_TARGET = 1,               // a free cursor, creature cycling, ENTER selects
    PICK_DIRECTION = 2,            // one step around the player, a direction key selects at once
    PICK_UNSEEN = 4,               // a square out of sight may be chosen
    PICK_ON_CREATURE = 8,          // start on a creature
    PICK_OWN_SQUARE = 16,          // the player's own square may be chosen
};
enum { LOCSEL_CREATURES = 100 };

extern int cr_in_sight[LOCSEL_CREATURES];   // creature numbers, nearest first; -1000 empty
extern int cr_dist[LOCSEL_CREATURES];
extern int in_sight_pos;                    // how many
extern int PREV_LOKAATIO_X, PREV_LOKAATIO_Y;   // offset of the last chosen square from the player
extern int PREV_CRE_NUM;                    // creature chosen last; -1000 none
extern int LOCSEL_SCREEN_X, LOCSEL_SCREEN_Y;   // the cursor's screen position, as the screen placed it

// The map char of the chosen square, 0 after ESC (or a closed window); the square in GeneralX,
// GeneralY (both 0 when nothing was chosen).
int ValitseLokaatio(int mode, const char *text);
int OtaKohta(const char *text);                    // a target
int OtaKohta_Suunta(const char *text);             // a direction
int OtaTyhja_Suunta(const char *text);             // a direction onto open ground
// A neighbour holding one of the chars; taken without asking when it is the only one.
int DirSel_ch(const char *text, const char *chars);
// A square holding a pool record of the type (flags: 1 the one around, 2 only seen ones, 4 own
// square first, 8 no skinned carcasses); its char and square, 0 after ESC.
int askdir_datatype(const char *text, int type, int *x, int *y, int flags);
void refresh_locsel_insight();
void picker_reset();               // per-game: no last target remembered
void Nayta_Kohta(int x, int y);
int Nayta_Sprite(int x, int y, int n, const char *tile);
