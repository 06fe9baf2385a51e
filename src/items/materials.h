// src/items/materials.h -- material lines of a recipe and the requirement ids they ask for: the line
// record, the recipe's list, the used-item list and the forbidden list, the names, labels, hints and
// selection details of every id, and the test whether an item (or the place) meets an id.
#pragma once
#include <cstddef>
#include <cstdint>

#include "items/items.h"

// One material line; 548 bytes, its layout kept fixed.
struct Tarvike_Struct {
    char     label[100];           // 0: shown for the line
    char     hint[200];            // 100: shown below it
    uint8_t  pad300[4];
    uint32_t container;            // 304: the line asks for a container
    uint8_t  naming;               // 308: 0 none, 1 the fixed text, 'd' the item's name, 'c' its last word
    char     naming_text[100];     // 309
    uint8_t  pad409[3];
    uint32_t id;                   // 412: requirement id; 0 ends a list; 1001 free text
    char     rawname[50];          // 416: the free text; one holding "[" asks for a place
    uint8_t  remove;               // 466: used up by the work
    uint8_t  pad467;
    uint32_t count;                // 468: pieces; 0 the player chooses
    uint32_t first_count;          // 472
    uint32_t max_count;            // 476
    uint8_t  chosen;               // 480: the player chose the number
    uint8_t  pad481[3];
    float    amount;               // 484: pounds
    float    first_amount;         // 488
    uint32_t length;               // 492: feet
    uint8_t  pad496[4];
    uint8_t  ground;               // 500: must lie on the ground
    uint8_t  pad501;
    uint8_t  source;               // 502: 0 none, 1 the ground, 2 the inventory
    uint8_t  pad503;
    uint32_t dataindex;            // 504: the pool record (source 1)
    uint32_t itempos;              // 508: the chosen item's object number; 1 for surroundings
    uint32_t linked;               // 512: the id whose tool fitness counts
    uint8_t  pad516[4];
    uint8_t  optional;             // 520
    uint8_t  noquality;            // 521
    uint8_t  pad522[2];
    uint32_t method;               // 524: how the line's item is cooked (an action code), 0 none
    float    ratio;                // 528: pounds taken for each piece of the chosen line before it
    uint8_t  pad532[12];
    uint32_t bound;                // 544: the used item is bound to a time
};
static_assert(sizeof(Tarvike_Struct) == 548, "Tarvike_Struct is a file record");
static_assert(offsetof(Tarvike_Struct, hint) == 100, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, container) == 304, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, naming) == 308, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, naming_text) == 309, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, id) == 412, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, rawname) == 416, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, remove) == 466, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, count) == 468, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, first_count) == 472, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, max_count) == 476, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, chosen) == 480, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, amount) == 484, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, first_amount) == 488, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, length) == 492, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, ground) == 500, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, source) == 502, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, dataindex) == 504, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, itempos) == 508, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, linked) == 512, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, optional) == 520, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, noquality) == 521, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, method) == 524, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, ratio) == 528, "Tarvike_Struct layout");
static_assert(offsetof(Tarvike_Struct, bound) == 544, "Tarvike_Struct layout");

enum {
    TARVIKE_MAX = 100, NPC_TARVIKE_MAX = 25,
    REQ_FREETEXT = 1001,
    TSRC_NONE = 0, TSRC_GROUND = 1, TSRC_INV = 2,
    NAMING_FIXED = 1, NAMING_LASTWORD = 'c', NAMING_ORIGINAL = 'd',
};

extern Tarvike_Struct Tarvike;                      // the line being read
extern Tarvike_Struct Tarvikelista[TARVIKE_MAX];    // the recipe being made
extern Tarvike_Struct Kayttolista[TARVIKE_MAX];     // what was taken
extern int KasityoLista[TARVIKE_MAX];               // object numbers not to be chosen
extern char Tarvikelista_TITLE[100];

struct Edat_Struct {               // the selection details of one id
    char name[256];
    char hint[1024];
    uint32_t filter;               // an item type, or a type set (negative filter of the item screen)
    uint32_t options;
};
extern Edat_Struct Edat;

void Tyhjaa_Tarvike();
void Tyhjaa_Tarvikelista();
void Tyhjaa_NPC_Tarvikelista(Tarvike_Struct (&list)[NPC_TARVIKE_MAX]);
void Lisaa_Tarvike();
void Lisaa_Tarvike_Ensimmaiseksi();
void Lisaa_NPC_Tarvike(Tarvike_Struct (&list)[NPC_TARVIKE_MAX]);
void lisaa_KasityoLista_kielletty(int item);
void pura_esinetarvinta(const char *line);          // one "{" line into Tarvike
int TK_listalaatu(int line);
int Tarvikelista_OmaMaaraLkm();
int SailioValmistuvalle();
void ExtraSelite(int line);
const char *Esineen_Nimi(int id);                   // display name of an id
const char *Esineen_Label(int id);                  // built-in label, "" none
const char *Esineen_Hint(int id);                   // built-in hint, "" none
void Ecraftvar(Edat_Struct *out, int id, const char *text);
void setEdat(uint32_t filter, const char *name, const char *hint, int spare, uint32_t options);
char *Hae_Nimittajateksti(const char *product);
int Kayttolista_Lisaa(const Tarvike_Struct &line);  // index, -1 when full

// ---- identifying items for requirements ----
extern uint8_t Esinetieto[6];      // floating, carrying, wooden, leather, metal, fur
int OnkoEsineId(const ItemStruct &item, int id);
int tarvike_definition_row(int id);   // the first definition row meeting the id, -1 none
char *Esineen_Raakanimi(int mode, const ItemStruct &item);
void luo_esinetieto(int item);
int inuse(const ItemStruct *item);
int OnkoEsineSailio(const ItemStruct &item);
int OnkoSailioTyhja(const ItemStruct &item);
// The first pool record within the radius whose item meets the id (carcasses for 52); -1000 none.
int IdTarvikeYmparillaDp(int id, int x, int y, int radius);

// ---- products of recipes ----
int definition_by_name(const char *name);   // the first catalogue row of the name (any case), -1 none
// What a handcraft header makes: the requirement id of its name (0 none) and the catalogue row the
// product is built from (its own name first, then the base definition); 0 when unresolved.
int recipe_resolve(const char *header, int *id, int *row);

// The used-item list shown line by line for the developer: requirement, where it was taken from,
// the chosen item, pieces and pounds; "kl: empty" when nothing is used. Answers the lines shown.
int kl();
