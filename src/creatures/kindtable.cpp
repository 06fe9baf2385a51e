// src/creatures/kindtable.cpp -- the animals of the northern wilderness and its farms: one row per
// species with its body, senses, attacks and protection, and the figures that its life reads
// (diet, habitat, breeding, calls, voice, picture, tearing factor, handling class, morale and the
// cultures that hunt, skin or keep it).
#include "creatures/kindtable.h"

#include <cstring>

#include "base/ownlib.h"
#include "core/records.h"
#include "creatures/creation.h"
#include "creatures/outfit.h"

// Diet bits (both diet words use them; the first word is what the animal looks for first).
enum : uint32_t {
    D_SMALLPREY = 0x2,         // prey no heavier than half as much again as itself
    D_BIGPREY = 0x4,           // prey heavier than itself, up to ten times
    D_HUGEPREY = 0x8,          // any prey heavier than itself
    D_HARE = 0x10,             // hares
    D_SMALLPRED = 0x20,        // predators of less than half its weight
    D_PODS = 0x80,             // pods, shoots and roots
    D_GRASS = 0x100,           // grasses, browse
    D_ROOTS = 0x200,           // root vegetables
    D_BERRIES = 0x400,
    D_MUSHROOMS = 0x1000,
    D_BIRDS = 0x2000,          // birds that are no predators
    D_PREYCARCASS = 0x10000,   // carcasses of its own prey
    D_FISH = 0x100000,
    D_FOOD = 0x200000,         // any unspoilt food without an id, and raw fish
    D_BREAD = 0x400000,
    D_CARRION = 0x4000000,     // any carcass
};

// Habitat bits: where the species lives.
enum : uint32_t {
    H_FOREST = 0x1, H_CONIFER = 0x2, H_HEATH = 0x4, H_WATER = 0x8, H_SHORE = 0x10, H_FIELD = 0x20,
    H_SEA = 0x40, H_FARM = 0x80, H_MIRE = 0x400, H_FELL = 0x800, H_WILDS = 0x40000,
};

// Breeding bits.
enum : uint16_t { B_BREEDS = 0x1, B_SKERRY = 0x8, B_TWIGNEST = 0x10, B_WATERNEST = 0x20, B_GROUNDNEST = 0x40 };

// Morale profiles: figures 1, 2, 4, 5, 6 as base and spread.
enum { M_PREY, M_SHY, M_PREDATOR, M_BIG, M_DOMESTIC };

static constexpr uint16_t months(int a, int b) {
    uint16_t m = 0;
    for (int i = a; i <= b; i++) m = (uint16_t)(m | (1u << i));
    return m;
}

struct Attack {
    const char *name;
    uint8_t strength, weight, type, skill;
};

struct SpeciesRow {
    uint16_t code;
    const char *name;
    uint8_t kind;
    float weight;
    uint8_t weightvar;
    uint8_t str, end, agi, sml, hrg;
    uint8_t speed;
    uint8_t walk_lo, walk_hi, run_lo, run_hi;
    Attack atk[3];
    uint8_t prot[5], prot56;
    uint8_t dodge;
    uint8_t meat2, meat3;
    uint16_t abundance;
    uint8_t meateater;
    uint8_t rhythm;            // 255: the blank record's
    uint8_t firstmonth, lastmonth;
    uint8_t moveclass, habitatclass, group;
    // Our own figures.
    uint16_t graphic;
    const char *tile;          // "" when the graphic names the picture
    uint32_t diet1, diet2, habitatbits;
    uint16_t breedingbits;     // the nest of a bird or a snake; mammals bear their young
    uint8_t breedmonth;
    uint16_t callmonths;
    uint8_t voicebits;
    const char *voice1, *voice2;
    float tearing;
    uint8_t handling, attackfig, fatiguebase, wild, morale;
    uint16_t speciesflags;
    const char *game, *pelt, *domestic;
};

#define NOATK {"", 0, 0, 0, 0}
static const uint8_t R_BLANK = 255;

// clang-format off
static const SpeciesRow SPECIES[] = {
 {600, "Hare", 2, 4.0f, 40, 4,5,9,15,15, 100, 3,5,62,72, {{"nip",0,7,3,50}, NOATK, NOATK}, {2,1,1,2,1},2, 60, 5,21, 400, 0, 3, 0,0, 0,0,1,
  1056, "", D_GRASS | D_PODS, D_ROOTS, H_FOREST | H_FIELD | H_HEATH | H_FELL, 0, 4, 0, 0, "squeal", "thump", 14.0f, 1, 3, 3, 1, M_PREY, 0,
  "eastern owl kui", "eastern", ""},
 {601, "Fox", 18, 5.5f, 50, 8,10,13,19,18, 130, 6,10,45,54, {{"snap",0,10,3,60}, NOATK, NOATK}, {2,1,1,2,1},3, 70, 3,20, 80, 1, 3, 0,0, 0,0,1,
  1041, "", D_HARE | D_SMALLPREY | D_BIRDS, D_PREYCARCASS | D_BERRIES | D_FOOD, H_FOREST | H_FIELD | H_SHORE, 0, 4, 0, 0, "bark", "yelp", 8.0f, 3, 0, 2, 1, M_SHY, 0,
  "for nje", "all", ""},
 {602, "Glutton", 20, 15.0f, 30, 12,14,13,17,16, 140, 8,12,45,55, {{"bite",1,13,3,60}, {"rip",0,30,3,70}, NOATK}, {3,2,2,3,2},3, 75, 3,15, 60, 1, 3, 0,0, 0,0,1,
  1043, "", D_SMALLPREY | D_BIGPREY, D_CARRION | D_PREYCARCASS, H_FOREST | H_CONIFER | H_FELL | H_WILDS, 0, 3, 0, 0, "growl", "hiss", 4.0f, 4, 0, 2, 1, M_PREDATOR, 1,
  "", "northern eastern", ""},
 {603, "Arctic fox", 18, 4.0f, 30, 7,10,13,19,18, 130, 6,10,45,54, {{"snap",0,10,3,60}, NOATK, NOATK}, {2,1,1,2,1},3, 70, 3,20, 70, 1, 4, 0,0, 0,0,1,
  1042, "", D_HARE | D_SMALLPREY | D_BIRDS, D_PREYCARCASS | D_CARRION | D_BERRIES, H_FELL | H_HEATH | H_SHORE, 0, 5, 0, 0, "bark", "yelp", 10.0f, 3, 0, 2, 1, M_SHY, 0,
  "", "northern eastern", ""},
 {604, "Squirrel", 13, 0.4f, 30, 4,4,18,14,14, 60, 2,2,10,14, {{"nip",0,8,3,50}, NOATK, NOATK}, {2,1,1,1,1},3, 60, 3,15, 250, 0, R_BLANK, 0,0, 0,0,1,
  1053, "av-srodent", D_MUSHROOMS | D_PODS, D_BERRIES, H_FOREST | H_CONIFER, 0, 4, 0, 0, "squeak", "chatter", 50.0f, 1, 3, 2, 1, M_PREY, 0,
  "owl kui", "all", ""},
 {605, "Bear", 4, 240.0f, 40, 20,18,12,17,12, 120, 6,10,50,60, {{"smack",7,12,0,70}, {"crush",10,30,1,40}, {"big_bite",7,30,3,75}}, {4,3,3,4,3},4, 60, 13,29, 30, 1, 0, 4,11, 0,0,1,
  1049, "", D_BIGPREY | D_HUGEPREY | D_BERRIES, D_CARRION | D_FISH | D_GRASS | D_PREYCARCASS, H_FOREST | H_CONIFER | H_MIRE | H_WILDS, 0, 1, 0, 0, "growl", "roar", 0.3f, 4, 0, 4, 1, M_BIG, 1,
  "all", "all", ""},
 {608, "Lynx", 12, 20.0f, 30, 18,12,18,19,17, 110, 4,4,30,40, {{"bite",6,17,3,65}, {"claw",5,16,3,70}, NOATK}, {3,1,3,3,2},3, 80, 3,15, 80, 1, 3, 0,0, 0,0,1,
  1040, "", D_HARE | D_SMALLPREY | D_BIRDS, D_BIGPREY | D_PREYCARCASS, H_FOREST | H_CONIFER | H_WILDS, 0, 3, 0, 0, "hiss", "yowl", 3.0f, 3, 0, 2, 1, M_PREDATOR, 0,
  "western for", "all", ""},
 {609, "cow", 7, 200.0f, 30, 24,18,7,16,12, 70, 3,3,20,30, {{"ram",5,12,0,40}, {"hoof_kick",7,17,0,35}, NOATK}, {2,2,3,3,0},0, 35, 8,19, 0, 0, R_BLANK, 0,0, 0,0,2,
  1029, "", D_GRASS, D_ROOTS | D_BREAD, H_FARM | H_FIELD, 0, 4, 0, 0, "bellow", "low", 0.4f, 2, 0, 4, 0, M_DOMESTIC, 0,
  "", "", "eastern dri sar koi"},
 {611, "Wolf", 3, 40.0f, 30, 14,13,14,20,19, 140, 6,6,35,40, {{"savage",7,20,3,80}, NOATK, NOATK}, {3,1,2,3,2},3, 70, 3,15, 45, 1, 0, 0,0, 0,0,3,
  1035, "av-wolf", D_BIGPREY | D_HUGEPREY, D_SMALLPREY | D_SMALLPRED | D_PREYCARCASS, 0x40c07, 0, 5, 0, 0, "growl", "howl", 1.8f, 3, 0, 1, 1, M_PREDATOR, 1,
  "nje", "northern eastern", ""},
 {612, "Ermine", 23, 0.3f, 30, 5,6,14,14,14, 90, 4,4,25,30, {{"nip",0,8,3,50}, NOATK, NOATK}, {2,1,1,2,1},2, 70, 3,15, 60, 1, 0, 0,0, 0,0,1,
  1044, "av-srodent", D_SMALLPREY | D_BIRDS, D_PREYCARCASS, H_FOREST | H_FIELD | H_SHORE, 0, 4, 0, 0, "squeak", "hiss", 50.0f, 1, 3, 2, 1, M_SHY, 0,
  "", "", ""},
 {613, "Wild boar", 5, 150.0f, 40, 16,16,7,19,12, 90, 2,2,40,60, {{"charge",5,12,4,50}, NOATK, NOATK}, {2,2,3,3,0},0, 50, 12,24, 0, 0, 2, 0,0, 0,0,1,
  1038, "av-pig", D_PODS | D_ROOTS | D_MUSHROOMS, D_CARRION | D_BERRIES, H_FOREST | H_FIELD, 0, 3, 0, 0, "grunt", "squeal", 0.4f, 4, 2, 3, 1, M_BIG, 0,
  "", "", ""},
 {614, "Wild sow", 5, 120.0f, 30, 16,16,7,19,12, 90, 2,2,40,60, {{"charge",5,12,4,50}, NOATK, NOATK}, {2,2,3,3,0},0, 50, 16,18, 0, 0, 2, 0,0, 0,0,2,
  1039, "av-pig", D_PODS | D_ROOTS | D_MUSHROOMS, D_CARRION | D_BERRIES, H_FOREST | H_FIELD, 0, 3, 0, 0, "grunt", "squeal", 0.5f, 4, 2, 3, 1, M_BIG, 0,
  "", "", ""},
 {615, "pig", 5, 100.0f, 30, 16,16,7,19,12, 60, 2,2,10,20, {{"charge",5,12,4,50}, NOATK, NOATK}, {2,2,3,3,0},0, 50, 16,18, 0, 0, 2, 0,0, 0,0,2,
  1038, "av-pig", D_PODS | D_ROOTS | D_FOOD, D_BREAD | D_CARRION, H_FARM, 0, 3, 0, 0, "grunt", "squeal", 0.6f, 2, 2, 3, 0, M_DOMESTIC, 0,
  "", "", "eastern dri sar koi"},
 {616, "sheep", 9, 35.0f, 30, 14,15,17,14,14, 70, 3,3,25,35, {{"hoof_kick",6,12,0,35}, {"charge",5,10,0,30}, NOATK}, {4,2,2,3,2},4, 40, 12,19, 0, 0, R_BLANK, 0,0, 0,0,2,
  1036, "", D_GRASS, D_PODS | D_BREAD, H_FARM | H_FIELD, 0, 10, 0, 0, "bleat", "bleat", 1.5f, 2, 2, 3, 1, M_DOMESTIC, 0,
  "", "", "eastern western nje woo"},
 {618, "Dog", 15, 40.0f, 30, 12,13,14,19,18, 140, 4,4,30,34, {{"savage",3,13,3,60}, NOATK, NOATK}, {2,1,2,2,2},2, 55, 3,15, 0, 1, R_BLANK, 0,0, 0,0,1,
  1033, "", D_SMALLPREY | D_HARE, D_FOOD | D_CARRION | D_BREAD, H_FARM, 0, 3, 0, 0, "bark", "howl", 1.8f, 2, 2, 2, 1, M_DOMESTIC, 0,
  "", "", "all"},
 {619, "reindeer", 10, 130.0f, 40, 17,13,9,14,18, 140, 7,7,40,45, {{"hoof_kick",3,15,0,60}, {"antler_rake",3,30,0,60}, NOATK}, {4,3,3,4,2},5, 45, 5,22, 0, 0, 3, 0,0, 0,0,3,
  1052, "", D_MUSHROOMS | D_GRASS, D_PODS, H_FELL | H_HEATH | H_MIRE | H_FARM, 0, 5, 0, 0, "bawl", "cough", 0.45f, 2, 0, 3, 0, M_DOMESTIC, 0,
  "northern", "northern", "northern"},
 {620, "Forest reindeer", 10, 140.0f, 40, 17,13,9,14,18, 140, 7,7,40,45, {{"hoof_kick",3,15,0,60}, {"antler_rake",3,30,0,60}, NOATK}, {4,3,3,4,2},5, 45, 4,23, 50, 0, 3, 0,0, 0,0,3,
  1052, "", D_MUSHROOMS | D_GRASS, D_PODS, H_FOREST | H_MIRE | H_HEATH | H_WILDS, 0, 5, 0, 0, "bawl", "cough", 0.45f, 1, 0, 3, 1, M_PREY, 0,
  "kui owl eastern", "kui owl eastern", ""},
 {621, "Horse", 17, 350.0f, 30, 20,16,9,19,19, 130, 5,5,35,44, {{"hoof_kick",5,8,0,60}, NOATK, NOATK}, {2,1,3,2,3},1, 75, 12,25, 0, 0, R_BLANK, 0,0, 0,0,1,
  0, "av-horse", D_GRASS, D_ROOTS | D_BREAD, H_FARM | H_FIELD, 0, 5, 0, 0, "neigh", "snort", 0.2f, 2, 0, 4, 0, M_DOMESTIC, 0,
  "", "", "western eastern"},
 {622, "Snake", 11, 0.25f, 30, 16,12,10,14,14, 30, 2,2,6,6, {{"snakebite",1,12,4,65}, NOATK, NOATK}, {1,0,1,1,0},0, 50, 3,15, 70, 0, R_BLANK, 5,10, 0,0,1,
  1046, "", D_SMALLPREY, 0, H_HEATH | H_FOREST | H_MIRE, B_BREEDS, 6, 0, 2, "hiss", "hiss", 50.0f, 1, 3, 5, 1, M_SHY, 0,
  "", "", ""},
 {623, "Beaver", 19, 20.0f, 30, 9,8,11,14,14, 60, 3,3,8,9, {{"nip",5,10,3,50}, NOATK, NOATK}, {3,1,2,2,1},2, 50, 3,15, 0, 0, 4, 0,0, 96,2,1,
  1055, "", D_PODS | D_GRASS, D_ROOTS, H_WATER | H_SHORE | H_FOREST, 0, 5, 0, 0, "hiss", "slap", 3.0f, 1, 0, 4, 1, M_PREY, 0,
  "", "eastern western", ""},
 {624, "Badger", 22, 10.0f, 30, 9,10,10,16,15, 70, 3,3,25,30, {{"snap",0,10,3,50}, {"scratch",0,10,3,60}, NOATK}, {3,2,2,3,2},3, 60, 3,15, 70, 1, 3, 0,0, 0,0,1,
  1045, "", D_SMALLPREY | D_MUSHROOMS | D_ROOTS, D_BERRIES | D_PREYCARCASS, H_FOREST | H_FIELD, 0, 2, 0, 0, "grunt", "snarl", 5.0f, 3, 0, 3, 1, M_SHY, 0,
  "western", "eastern western", ""},
 {625, "Weasel", 23, 0.1f, 30, 5,6,14,14,14, 90, 4,4,20,25, {{"nip",0,8,3,50}, NOATK, NOATK}, {2,1,1,2,1},2, 70, 3,15, 40, 1, 0, 0,0, 0,0,1,
  1044, "av-srodent", D_SMALLPREY | D_BIRDS, D_PREYCARCASS, H_FIELD | H_FOREST | H_SHORE, 0, 4, 0, 0, "squeak", "hiss", 50.0f, 1, 3, 2, 1, M_SHY, 0,
  "", "", ""},
 {626, "Pine-marten", 23, 1.7f, 40, 6,7,16,14,14, 90, 4,4,30,35, {{"nip",0,8,3,50}, NOATK, NOATK}, {2,1,1,2,1},2, 70, 3,15, 40, 1, 0, 0,0, 0,0,1,
  1044, "av-srodent", D_SMALLPREY | D_BIRDS, D_BERRIES | D_PREYCARCASS, H_FOREST | H_CONIFER, 0, 4, 0, 0, "chatter", "hiss", 30.0f, 3, 0, 2, 1, M_SHY, 1,
  "", "", ""},
 {627, "Polecat", 23, 1.0f, 30, 6,7,16,14,14, 90, 4,4,25,30, {{"nip",0,8,3,50}, NOATK, NOATK}, {2,1,1,2,1},2, 70, 3,15, 0, 1, 0, 0,0, 0,0,1,
  1044, "av-srodent", D_SMALLPREY | D_BIRDS, D_PREYCARCASS | D_FISH, H_FOREST | H_SHORE | H_FARM, 0, 4, 0, 0, "chatter", "hiss", 40.0f, 3, 0, 2, 1, M_SHY, 0,
  "", "", ""},
 {628, "Black grouse", 21, 1.0f, 30, 3,5,6,10,16, 30, 1,1,45,50, {{"peck",0,7,4,50}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 4,20, 1300, 0, 3, 0,0, 64,0,1,
  1054, "", D_BERRIES | D_PODS, D_GRASS, H_FOREST | H_MIRE | H_HEATH, B_BREEDS | B_GROUNDNEST, 5, months(3, 6), 1, "coo", "hiss", 30.0f, 1, 3, 3, 0, M_PREY, 0,
  "all", "", ""},
 {629, "Swan", 21, 10.0f, 30, 3,5,6,10,16, 30, 1,1,50,60, {{"peck",0,7,4,50}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 3,21, 0, 0, 4, 5,11, 128,1,1,
  1057, "", D_GRASS, D_PODS, H_WATER | H_SHORE | H_MIRE, B_BREEDS | B_WATERNEST, 5, months(4, 10), 1, "whoop", "hiss", 6.0f, 1, 3, 4, 0, M_PREY, 0,
  "", "", ""},
 {630, "Mallard", 21, 1.1f, 30, 3,5,6,10,16, 30, 1,1,60,69, {{"peck",0,7,4,50}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 5,16, 1400, 0, 4, 4,10, 128,1,1,
  1058, "", D_GRASS | D_PODS, D_FOOD | D_BREAD, H_WATER | H_SHORE, B_BREEDS | B_WATERNEST, 5, months(4, 6), 5, "quack", "quack", 40.0f, 1, 3, 3, 0, M_PREY, 0,
  "", "", ""},
 {631, "Tufted duck", 21, 1.1f, 30, 3,5,6,10,16, 30, 1,1,60,69, {{"peck",0,7,4,50}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 5,16, 1200, 0, 4, 4,10, 128,3,1,
  1059, "", D_PODS, D_FISH, H_WATER | H_MIRE, B_BREEDS | B_WATERNEST, 5, months(4, 6), 5, "growl", "quack", 40.0f, 1, 3, 3, 0, M_PREY, 0,
  "", "", ""},
 {632, "Capercaillie", 21, 4.0f, 30, 3,5,6,10,16, 30, 1,1,45,50, {{"peck",0,7,4,50}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 4,20, 900, 0, 3, 0,0, 64,0,1,
  1060, "", D_PODS | D_BERRIES, D_GRASS, H_CONIFER | H_FOREST | H_WILDS, B_BREEDS | B_GROUNDNEST, 5, months(3, 5), 1, "click", "gurgle", 20.0f, 1, 3, 3, 0, M_PREY, 3,
  "all", "", ""},
 {633, "Hazel grouse", 21, 0.35f, 30, 2,4,6,10,17, 30, 1,1,45,50, {{"peck",0,7,4,50}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 4,20, 1250, 0, R_BLANK, 0,0, 64,0,1,
  1062, "", D_BERRIES, D_PODS, H_CONIFER | H_FOREST, B_BREEDS | B_GROUNDNEST, 5, months(3, 10), 5, "whistle", "whirr", 45.0f, 1, 3, 3, 0, M_PREY, 0,
  "eastern western southern", "", ""},
 {634, "Raven", 21, 1.2f, 30, 6,6,8,13,16, 30, 2,2,45,50, {{"peck",5,10,4,50}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 4,20, 600, 0, R_BLANK, 0,0, 0,0,1,
  1063, "", D_CARRION, D_BERRIES | D_FOOD | D_BREAD, H_FOREST | H_FELL | H_SHORE | H_WILDS, B_BREEDS | B_TWIGNEST, 3, 0, 1, "croak", "caw", 40.0f, 1, 3, 2, 0, M_SHY, 1,
  "", "", ""},
 {635, "Willow grouse", 21, 0.7f, 20, 3,5,6,10,16, 30, 1,1,45,50, {{"peck",0,7,4,50}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 4,20, 700, 0, R_BLANK, 0,0, 64,0,1,
  1064, "", D_BERRIES | D_PODS, D_GRASS, H_FELL | H_MIRE | H_HEATH, B_BREEDS | B_GROUNDNEST, 5, months(3, 6), 5, "cackle", "whirr", 45.0f, 1, 3, 3, 0, M_PREY, 0,
  "northern", "", ""},
 {636, "Goldeneye", 21, 1.1f, 30, 3,5,6,10,16, 30, 1,1,60,69, {{"peck",0,7,4,50}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 5,16, 1350, 0, 4, 4,10, 128,1,1,
  1065, "", D_PODS, D_FISH, H_WATER | H_FOREST, B_BREEDS | B_WATERNEST, 5, months(4, 5), 5, "whistle", "rasp", 40.0f, 1, 3, 3, 0, M_PREY, 0,
  "", "", ""},
 {637, "Goshawk", 21, 1.5f, 30, 3,5,6,10,16, 30, 1,1,70,84, {{"claw",3,10,3,80}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 4,20, 500, 0, R_BLANK, 4,10, 0,0,1,
  1066, "", D_BIRDS | D_SMALLPREY, D_PREYCARCASS, H_FOREST | H_CONIFER, B_BREEDS | B_TWIGNEST, 4, months(3, 5), 1, "kek", "scream", 35.0f, 3, 0, 2, 0, M_PREDATOR, 1,
  "", "", ""},
 {638, "Eagle owl", 21, 3.0f, 30, 4,6,6,12,17, 30, 1,1,70,84, {{"claw",4,10,3,80}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 4,20, 500, 0, 0, 0,0, 0,0,1,
  1067, "", D_HARE | D_SMALLPREY | D_BIRDS, D_PREYCARCASS, H_FOREST | H_FELL | H_WILDS, B_BREEDS | B_SKERRY, 3, months(2, 4), 1, "hoot", "bark", 20.0f, 3, 0, 2, 0, M_PREDATOR, 1,
  "", "", ""},
 {639, "Kuikka", 21, 2.5f, 30, 3,5,6,10,16, 30, 1,1,60,69, {{"peck",0,7,4,50}, NOATK, NOATK}, {0,0,0,0,0},0, 20, 5,16, 800, 0, 4, 4,9, 128,1,1,
  1069, "", D_FISH, D_PODS, H_WATER, B_BREEDS | B_WATERNEST, 5, months(4, 8), 5, "wail", "yodel", 25.0f, 1, 3, 3, 0, M_PREY, 0,
  "", "", ""},
 {650, "Grey seal", 24, 200.0f, 50, 12,14,8,14,14, 60, 3,3,5,5, {{"nip",5,10,3,50}, NOATK, NOATK}, {1,1,2,1,1},3, 10, 3,28, 600, 0, 4, 0,0, 96,0,1,
  1068, "", D_FISH, 0, H_SEA | H_SHORE, 0, 2, 0, 2, "moan", "grunt", 0.3f, 1, 0, 4, 1, M_PREY, 0,
  "sea isl", "sea isl sar", ""},
 {651, "Ringed seal", 24, 65.0f, 30, 13,11,9,14,14, 60, 3,3,5,5, {{"nip",5,10,3,50}, NOATK, NOATK}, {1,1,2,1,1},3, 10, 3,28, 200, 0, 4, 0,0, 96,0,1,
  1070, "", D_FISH, 0, H_SEA | H_SHORE, 0, 3, 0, 2, "moan", "grunt", 0.9f, 1, 0, 4, 1, M_PREY, 0,
  "sea isl", "sea isl sar", ""},
 {660, "elk", 10, 250.0f, 30, 17,13,9,14,18, 140, 7,7,40,45, {{"hoof_kick",3,15,0,60}, NOATK, NOATK}, {4,3,3,4,2},5, 45, 3,21, 120, 0, 3, 0,0, 0,0,1,
  1051, "", D_GRASS | D_PODS, D_ROOTS | D_MUSHROOMS, H_FOREST | H_MIRE | H_WATER, 0, 9, 0, 0, "bawl", "cough", 0.35f, 4, 0, 4, 1, M_PREY, 0,
  "all", "all", ""},
};
// clang-format on

static const SpeciesRow *row_of(int code) {
    for (const SpeciesRow &r : SPECIES)
        if (r.code == code) return &r;
    return nullptr;
}

int species_count() { return (int)(sizeof SPECIES / sizeof SPECIES[0]); }

static uint8_t spread(int lo, int hi) { return (uint8_t)(hi > lo ? lo + random(hi - lo + 1) : lo); }

static void set_morale(CreatureStruct &c, int profile) {
    switch (profile) {
    case M_PREY:
        c.morale1 = spread(0, 9);
        c.morale2 = spread(0, 9);
        c.morale4 = spread(70, 99);
        c.morale5 = spread(0, 19);
        c.morale6 = spread(0, 19);
        break;
    case M_SHY:
        c.morale1 = spread(0, 19);
        c.morale2 = spread(0, 29);
        c.morale4 = spread(50, 89);
        c.morale5 = spread(30, 69);
        c.morale6 = spread(5, 34);
        break;
    case M_PREDATOR:
        c.morale1 = spread(0, 14);
        c.morale2 = spread(0, 49);
        c.morale4 = spread(0, 49);
        c.morale5 = spread(90, 99);
        c.morale6 = spread(5, 34);
        break;
    case M_BIG:
        c.morale1 = spread(40, 79);
        c.morale2 = spread(30, 69);
        c.morale4 = spread(20, 49);
        c.morale5 = spread(60, 89);
        c.morale6 = spread(20, 49);
        break;
    default:
        Aseta_Moraali_Kotielain();
        break;
    }
}

void Aseta_Suojaluokka(int a, int b, int c, int d, int e, int f) {
    uint8_t *p = Creature.natprot;
    p[0] = (uint8_t)a;
    p[2] = (uint8_t)b;
    p[4] = (uint8_t)c;
    p[5] = p[6] = (uint8_t)d;
    p[1] = (uint8_t)e;
    p[3] = (uint8_t)f;
}

static bool tag(const char *t) { return strstr(AnimalTags, t) != nullptr; }

// The sex from the tags, else from the builder's chance of a male (1 in `one_in`).
static bool male_by_tags(int one_in) {
    if (tag("[female]")) return false;
    if (tag("[male]")) return true;
    return random(one_in) == 0;
}

static void set_sex(CreatureStruct &c, bool male) {
    if (male) c.sexage |= 1;
    else c.sexage &= (uint8_t)~1;
}

static void make_young(CreatureStruct &c, float weight) {
    c.sexage |= 2;
    c.playerage = Plr.year;   // born when the player was this old
    c.birthday = (int16_t)((int)Plr.daynumber - 180);
    c.weight = weight;
    c.endurance = (uint8_t)(c.endurance / 2);
}

static void fill_from_row(CreatureStruct &c, const SpeciesRow &r) {
    c.kind = r.kind;
    copy_bounded(c.species, sizeof c.species, r.name);
    c.speciesweight = r.weight;
    c.weightvar = r.weightvar;
    c.intelligence = 0;
    c.dexterity = 0;
    c.strength = r.str;
    c.endurance = r.end;
    c.agility = r.agi;
    c.smell = r.sml;
    c.hearing = r.hrg;
    c.speed = r.speed;
    c.mobility = spread(r.walk_lo, r.walk_hi);
    c.topmobility = spread(r.run_lo, r.run_hi);
    for (int i = 0; i < 3; i++) {
        copy_bounded(c.natattack[i], sizeof c.natattack[i], r.atk[i].name);
        c.atkstrength[i] = r.atk[i].strength;
        c.atkweight[i] = r.atk[i].name[0] ? r.atk[i].weight : c.atkweight[i];
        c.atktype[i] = r.atk[i].type;
        c.atkskill[i] = r.atk[i].skill;
    }
    Aseta_Suojaluokka(r.prot[0], r.prot[2], r.prot[4], r.prot56, r.prot[1], r.prot[3]);
    c.dodge = r.dodge;
    c.meat[1] = r.meat2;
    c.meat[2] = r.meat3;
    c.abundance = r.abundance;
    c.meateater = r.meateater;
    if (r.rhythm != R_BLANK) c.rhythm = r.rhythm;
    c.firstmonth = r.firstmonth;
    c.lastmonth = r.lastmonth;
    c.moveclass = r.moveclass;
    c.habitat = r.habitatclass;
    c.group = r.group;
    c.graphic = r.graphic;
    copy_bounded(c.tilename, sizeof c.tilename, r.tile);
    c.diet1 = r.diet1;
    c.diet2 = r.diet2;
    c.habitatbits = r.habitatbits;
    c.breedingbits = r.breedingbits;
    c.breedmonth = r.breedmonth;
    c.callmonths = r.callmonths;
    c.voicebits = r.voicebits;
    copy_bounded(c.voice1, sizeof c.voice1, r.voice1);
    copy_bounded(c.voice2, sizeof c.voice2, r.voice2);
    c.tearing = r.tearing;
    c.handling = r.handling;
    c.attackfig = r.attackfig;
    c.fatiguebase = r.fatiguebase;
    c.wild = r.wild;
    c.speciesflags = r.speciesflags;
    c.fur = NAHKA_OnkoTurkis(r.name) ? 1 : 0;   // a furred hide tans to a fur
    c.attitude = c.familiarity = r.handling == 2 ? 3 : 2;
    if (r.kind == 21) c.speciesfactor = r.code == SPECIES_SWAN ? 0.7f : 0.8f;
    set_morale(c, r.morale);
    copy_bounded(cultGAMEtags, CULT_TAGS_SIZE, r.game);
    copy_bounded(cultPELTtags, CULT_TAGS_SIZE, r.pelt);
    copy_bounded(cultDOMESTICtags, CULT_TAGS_SIZE, r.domestic);
}

int build_species(int code) {
    const SpeciesRow *r = row_of(code);
    if (!r) return 0;
    CreatureStruct &c = Creature;
    fill_from_row(c, *r);
    const bool young = tag("[young]");
    switch (code) {
    case 605: {   // Bear: the she-bear hits a little softer
        const bool male = male_by_tags(2);
        set_sex(c, male);
        c.dexterity = 12;
        if (!male) {
            c.speciesweight = 160.0f;
            c.atkstrength[0] = 6;
            c.atkstrength[2] = 6;
        }
        if (young) {
            make_young(c, c.speciesweight / 5.0f);
            c.endurance = 9;
        }
        break;
    }
    case 609: {   // a cow, or a bull
        const bool bull = male_by_tags(3);
        set_sex(c, bull);
        if (bull) {
            c.kind = 8;
            c.speciesweight = 300.0f;
            c.tearing = 0.33f;
            c.group = 1;
            copy_bounded(c.species, sizeof c.species, "bull");
        }
        c.graphic = (uint32_t)(random(2) ? 1030 : 1029);
        c.domestic |= 2;
        if (young) make_young(c, c.speciesweight / 5.0f);
        break;
    }
    case 611:   // Wolf
        c.domestic = 0;
        c.breeding1 = 1;   // its litter figure
        break;
    case 613:
    case 614:
        visual();
        break;
    case 615:
        set_sex(c, male_by_tags(3));
        c.graphic = (uint32_t)(random(2) ? 1039 : 1038);
        c.domestic |= 2;
        if (young) make_young(c, c.speciesweight / 5.0f);
        break;
    case 616: {   // a ewe, or a ram with its horns
        const bool ram = male_by_tags(3);
        set_sex(c, ram);
        c.graphic = (uint32_t)(random(2) ? 1037 : 1036);
        if (ram) {
            c.speciesweight = 45.0f;
            c.group = 1;
            copy_bounded(c.natattack[1], sizeof c.natattack[1], "ram");
            c.atkstrength[1] = 6;
            c.atkweight[1] = 10;
            c.atktype[1] = 0;
            c.atkskill[1] = 75;
            copy_bounded(c.tilename, sizeof c.tilename, "av-ram");
        }
        c.domestic |= 2;
        if (young) make_young(c, c.speciesweight / 5.0f);
        break;
    }
    case 618:   // a dog, tied to its post, grown when it comes
        set_sex(c, male_by_tags(2));
        c.graphic = (uint32_t)(random(2) ? 1034 : 1033);
        c.domestic |= 2 | 16;
        c.birthday = (int16_t)((int)Plr.daynumber - 1000);
        if (young) make_young(c, c.speciesweight / 5.0f);
        break;
    case 619:
        set_sex(c, male_by_tags(3));
        c.domestic |= 2;
        if (young) make_young(c, c.speciesweight / 5.0f);
        break;
    case 620:
        set_sex(c, male_by_tags(3));
        c.morale4 = spread(70, 99);
        if (young) make_young(c, 28.0f);
        break;
    case 621:
        c.domestic |= 2;
        break;
    case 612:
    case 625:
    case 626:
    case 627:   // the small mustelids: quick to turn on what threatens them
        c.morale3 = spread(0, 29);
        c.morale4 = spread(20, 99);
        break;
    case 623:
        c.group = (uint8_t)(random(2) ? 3 : 1);
        break;
    case 637:
    case 638:
        c.korkeus = 100;
        break;
    case 660: {   // elk: the bull carries antlers
        const bool bull = male_by_tags(3);
        set_sex(c, bull);
        if (bull) {
            c.speciesweight = 350.0f;
            c.weightvar = 40;
            copy_bounded(c.natattack[1], sizeof c.natattack[1], "antler_rake");
            c.atkstrength[1] = 4;
            c.atkweight[1] = 30;
            c.atktype[1] = 0;
            c.atkskill[1] = 70;
            c.graphic = 1050;
            copy_bounded(c.tilename, sizeof c.tilename, "av-bullelk");
            c.tearing = 0.3f;
        }
        if (young) make_young(c, c.speciesweight / 5.0f);
        break;
    }
    default:
        break;
    }
    return 1;
}

// The wolf turned by magic: it follows its own temper.
void Luo_NoiduttuSusi(CreatureStruct &out) {
    Luo_Olento(611);
    CreatureStruct &c = Creature;
    copy_bounded(c.species, sizeof c.species, "Wolf");
    c.stateflags |= 2;
    c.rhythm = 4;
    c.morale5 = (uint8_t)random(30);
    c.morale1 = (uint8_t)random(15);
    c.morale2 = (uint8_t)random(10);
    c.morale4 = 0;
    c.diet2 |= 1u << 22;
    flexCr = c;
    out = flexCr;
}
