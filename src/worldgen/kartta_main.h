// src/worldgen/kartta_main.h -- the world-map generator: the work map and its fractal, the terrain and
// culture steps, the start place, writing the world's files and the world-generation screen.
#pragma once
#include <cstddef>
#include <cstdint>

// ---- the generator's own random stream (one seed gives one world on every machine) ------------
void VH_srand(uint32_t seed);
extern uint64_t vh_state;
inline int VH_rand() {             // 0 .. 2^31 - 1
    vh_state = vh_state * 6364136223846793005ULL + 1442695040888963407ULL;
    return (int)(vh_state >> 33);
}
// The place-name maker draws with a VH_rnd of its own (0 .. n-1): the generator's live apart.
namespace kartta {
int VH_rnd(int n);                 // 1 .. n
int VH_gaussrnd(int n);            // -n+1 .. n, bunched around the middle
}
// Seeds the generator's stream and the shared one; 0 takes the clock.
void worldgen_seed(uint32_t seed);

// ---- the work map (heights and densities of the fractal) and the map accessors ----------------
// Every accessor takes (row, column); a coordinate off the map reads 0 (culture 10) and is not written.
enum { TYOKARTTA_W = 3072, TYOKARTTA_H = 2048 };
extern uint8_t *tyokartta;         // null when no generation is under way
int peektyokartta(int y, int x);
void poketyokartta(int y, int x, int value);
int peekmaailma(int y, int x);
void pokemaailma(int y, int x, int value);
int peekkulttuurikartta(int y, int x);
void pokekulttuurikartta(int y, int x, int culture);
void alustatyokartta();
int alustakartat();                // 0 when the work map could not be had
// Where the generator takes its big working memory from (the work map, the sweeps' copies); a
// step whose memory could not be had sets worldgen_out_of_memory and the generation fails.
extern void *(*worldgen_alloc)(size_t);
extern int worldgen_out_of_memory;
void putsaa();

// The fractal: midpoint displacement on the work map; a set cell is never changed.
void laskekohta(int x, int y, int sum, int spread);
void laskeruutu(int x, int y, int s, int spread, int limit);
void taytaruutu(int x, int y, int n, int value);
void pehmennaruutu(int c, int r);

// ---- the steps, in the order luokartta runs them ----------------------------------------------
extern int driikx, driiky;         // a point on the western coast
extern int inarix, inariy;         // the end lake of the great northern river; 0, 0 when none
void luomerenranta();
void luopohjoisetvuoret();
void mukautatyokartta();
void luojarvet();
void luometsat();
void luojoet();
void luolaskujoki(int row, int column, int rowrange, int colrange, int length, int heading, int wiggle,
                  int depth, int rapids, int lake, int repeats);
void luojarvi(int row, int column, int size);
void satunnaista();

// Cultures and their settlements.
void luokulttuurit();
void luokylia(int row, int column, int spread, int count, int culture);
void yhdistakylia(int row, int column, int size, int culture);
void asetakulttuuri(int row, int column, int culture);
int soveltuukylaksi(int row, int column);
int soveltuupoluksi(int row, int column);
int polkuvieressa(int row, int column);
extern int kylia_tehty;            // settlements placed by the last luokylia

// ---- the whole generation, the start place and the files --------------------------------------
extern int edistyminen, edistyminen_max;
extern char viimeisin[101];
extern double worldgen_step_ms[8]; // time of each step of the last generation
extern const char *const worldgen_step_name[8];
int luokartta();                   // 0, or 1 when the work map could not be had
void luo_kartta();                 // headless; a failure ends the program
extern int plr_aloitus_x, plr_aloitus_y;
extern int ALOITUS_NOTE;           // 1 when the home-culture search gave up on the culture
void etsialoituskohta(int home);
int start_place_ok(int x, int y);  // an accepted start code
// 0 when "WORLD.DAT", the culture map and the names were written whole; an empty path writes nothing.
int tallennakartta(const char *path);
// Settlement cells per culture: villages, fortified villages and homesteads.
void siika_count(unsigned counts[14][3]);
void siika_stats();
void EtsiVagabond();
void edistymisgrafiikka(const char *label);

// ---- the screen --------------------------------------------------------------------------------
extern int CRTPLR_TAPA;            // creation mode: 1 quick (no keys asked)
extern uint32_t WORLDGEN_SEED;     // the seed the screen takes; 0 the clock
extern int WORLDGEN_SCREEN;        // 1 while the generation is drawn on the screen
extern int zoom, superzoom, maski, legenda, plrx, plry;
// 0 after the world was written; 1 when the window closed or the player gave up a failed write.
int kartta_main(const char *path);
void NaytaKartta(int x0, int y0, int scale, int mask);
uint32_t VARI_karttamerkki(int code, int mask);   // 0 for a code not painted
uint32_t kulttuuri_vari(unsigned char code);
// The same colours in 8-bit red, green and blue; 0 when the code is not painted.
int karttamerkki_rgb(int code, int mask, uint8_t rgb[3]);
int kulttuuri_rgb(unsigned char code, uint8_t rgb[3]);
void kulttuuri_info(int x, int y, int lit);
void draw_mapareaborder(int white);
void NaytaAloitusPaikka();         // the red box on the start place

// ---- a new character around a generated world (until character creation lands) ----------------
struct PlayerStruct;
void uusi_pelaaja(PlayerStruct &p, const char *name, int culture, int x, int y);
int kirjoita_hahmon_kansio(const char *folder, const PlayerStruct &p);   // 1 when every file is whole
int luo_hahmo_kartalla();          // 1 when CharacterFile names the new character
