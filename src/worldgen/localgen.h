// src/worldgen/localgen.h -- the local-map generator: the hand-over of one world cell, the order of
// building, the edge strips that blend a cell into its neighbours, the terrain builders by world
// char, and the water and shores of a water cell. Everything is built into `Zoom`.
#pragma once
#include <cstdint>

// ---- the driver ---------------------------------------------------------------------------------
extern char env_type[30];          // terrain keyword; a "#" in it means "generate"
extern char special1[80], special2[80], special3[80];   // kind, number, month
extern int MaailmaX, MaailmaY;     // world cell being generated
extern uint32_t TERRAIN_KNOWN;     // 1 when the cell already had a stored local map
extern int LuontiX, LuontiY;       // world cell the terrain builders are building
extern uint32_t kosteikkotyyppi;   // wetland nature bits of the land round a water centre
extern int RNDHOUSE_STORED;        // 1 when the last run stored its cell's local map

// Writes the hand-over (kept as a trace in "RNDHOUSE.DAT") and builds the cell; `lines` holds the
// kind, number and month lines, each ended by a line feed. Answers 1 when the cell's map was stored.
int rndhouse(const char *keyword, const char *lines, const char *name, int x, int y, int creature);
// While held, the trace of each hand-over is kept in memory; releasing writes the last one, so a batch
// of cells leaves the same trace as building them one by one.
void rndhouse_trace_hold(int hold);
void terrain_make(const char *keyword, const char *, const char *, const char *kind, const char *number,
                  const char *month);
int keyword_class(const char *keyword);   // -1 none, 0, 1, 2, 4, 5, 228 or 250
void sailyta(int side);            // keeps one edge strip of `Zoom` in `ZoomTemp`: 1 N, 2 S, 3 E, 4 W
void yhdista();                    // lays the kept strips over the dry squares of `Zoom`
void Siirra_Maailman_Tapahtumat(); // pending world encounters of the cell move onto its new map

// ---- terrain builders ---------------------------------------------------------------------------
extern uint8_t muoto[64][64];      // [row][column]; 1 inside the shape

int LuoMaasto(int x, int y);       // 1 when the world char of x, y has a builder
void ZOOMTERRAIN_Jakalakangas();
void ZOOMTERRAIN_Mountain();
void ZOOMTERRAIN_Hills();
void ZOOMTERRAIN_Kallio();
void ZOOMTERRAIN_Heathland();
void ZOOMTERRAIN_Thicket();
void ZOOMTERRAIN_OpenBog();
void ZOOMTERRAIN_Backwoods();
void ZOOMTERRAIN_PineSwamp();
void ZOOMTERRAIN_NeedleForest();
void ZOOMTERRAIN_LeafForest();
void DoField(uint8_t clear);       // clear: turns prepared soil back to ground first

void zoom_rnd_put(uint8_t ch);
void PuuPeitto(uint8_t ch, int percent);
int sopiiko_puun_paikaksi(int x, int y);
// Grows a blob; answers the squares it grew beyond its core (at most the try limit allows).
int muodosta(int cx, int cy, int w, int h);
void LuoMuoto(int x, int y, int, int, int kind);
void LuoVapaaMuoto(int x, int y, int size);
void LUOPINTA_yhtenainen(int cover, int rounds);
void Pintakasvusto(int cover, int low, int high);
void muodosta_MAAPERA(int soil);

// ---- water and shores ---------------------------------------------------------------------------
void DoWater();
void rantakallio(int x, int y, int level);
void luoto(int x, int y, int level);
int water_level_of_cell();         // the level `DoWater` floods to, from the border heights

// ---- data records on the map being built (the one placer every builder shares) ---------------------
constexpr int LOCALDATA_NONE = -1000;   // no record put: no free record, no square, off the map
// A record at x, y (x of -1: a random square 1..63 that does not block). A record of the same type
// and id on the square takes the count, creatures and plants excepted. Answers its index.
int aseta_data(int x, int y, int type, uint32_t id, uint16_t count);
// A free record filled as the placer fills a new one (the finishing passes keep their own free-record
// cursor and write through this).
struct DataStruct;
void localdata_write(DataStruct &d, int x, int y, int type, uint32_t id, uint16_t count, int16_t owner);
// Always a new record, owned by the village of the map. Answers its index.
int aseta_socowned_zoomdata(int x, int y, int type, uint32_t id, uint16_t count);
// A record on a square of char ch among columns 1..47, rows 1..23; LOCALDATA_NONE when none is found.
int SetDataTo(uint8_t ch, int type, uint32_t id, uint16_t count);

// ---- later steps of the generator (finishing, caves and scenes, encounters, settlements) --------
void ZOOMTERRAIN_Viimeistele();
void ELAVOITYS(int round);
void ZOOMTERRAIN_ViimeistelePuut();
void terrain_vegetation();
// Sows stands of one plant (a definition row) on squares of char ch; density sets the number of areas.
void aseta_luonnonkasvi(int ch, int density, int object);
int cultivated_crop(int object);   // 1 when the object (a row or a stored item) is a crop sown on prepared soil
extern int DEBUG_kasveja_aina;     // while set, every plant that fits a cell is sown there
// The habitat tags of the plants are read once per definition; this forgets them, so that changed
// plant files are read again.
void vegetation_forget_tags();
void DoCave(int kind);
void scene1();
void scene2();
void scene3();
void scene5();
void scene6();
void Encounter(int creature);      // 0: one is chosen for the place
int zoom_encounters_placed();     // 1 once `Encounter` really places the one it names
void TeeLeiri(int culture);
void TeeUudistalo(int culture);
void TeeLinnaKyla(int culture);
void TeeKyla(int culture);

// ---- encounters and quest scenes on `Zoom` --------------------------------------------------------
// A square of ground with ground all round it ("[mid]": the middle 32 x 32, "[borders]": within 16
// squares of an edge); 0, 0 when none was found.
void zm_findpos(const char *tags, int &x, int &y);
void zm_findmcpos(int ch, int &x, int &y);   // a square holding map char ch; 0, 0 when none
// The scenes answer 1 when laid, 0 when nothing was laid.
int zoomscene_bird_trap_area(int culture, const char *tags, int id);
int zoomscene_treasure(const char *tags, int culture);
void zoomscene_adventurers_camp(int item, int creature, const char *tags);   // item -1000, creature 0: none
// Puts creature n on a free square of the stored map of world cell x, y and stores the map again;
// 0 when the cell has no stored map or the map no room.
int spawn_sotucre_on_zoommap(int creature, int x, int y);

// While held (nested), the finishing passes of the map being built (ELAVOITYS 1 and 2,
// ZOOMTERRAIN_ViimeistelePuut, terrain_vegetation) look over its records once and share what they
// learn; nothing else may put or free records on `Zoom` while it is held.
void finishing_hold(int on);
