// src/core/commandcodes.h -- the codes of the player's commands that the rules name: the action codes
// with their names, the bound keys, and the memory of the last command for repeating it. The keys,
// help lines and work of each command are the command table of the game (game/command.h); a rule asks
// it through the world services (core/worldservices.h).
#pragma once
#include <cstdint>

enum {
    TOIMI_TEXT = 100,              // bytes of the repeat memory's text, the terminator included
};

// Action codes: the numbers that name the player's activities in the choice menus, the repeat
// memory (and so the saved character) and the command line. Codes not listed are nameless.
enum Action : int {
    ACTION_NONE = 0,               // nothing to do: neither shown nor remembered
    ACTION_CRAFT_ITEM = -1,
    ACTION_FELL_TREE = 1,
    ACTION_CARVE_LOG = 2,
    ACTION_CHOP_BLOCKS = 3,
    ACTION_SPLIT_FIREWOOD = 4,
    ACTION_PEEL_BARK = 5,
    ACTION_SPLIT_BOARDS = 6,
    ACTION_GRIND_FLOUR = 27,
    ACTION_THRESH = 28,
    ACTION_HARVEST = 29,
    ACTION_PREPARE_SOIL = 30,
    ACTION_PLANT = 31,
    ACTION_CUT_BRANCHES = 32,
    ACTION_BUILD_FIRE = 33,
    ACTION_ICE_HOLE = 35,
    ACTION_SKIN_ANIMAL = 36,
    ACTION_CURE_SKIN = 37,
    ACTION_TAN_SKIN = 38,
    ACTION_DEHAIR = 39,
    ACTION_APPLY_TANNING = 40,
    ACTION_RINSE_SKIN = 41,
    ACTION_SOFTEN_SKIN = 42,
    ACTION_CLEAN_SKIN = 43,
    ACTION_SOAK_SKIN = 44,
    ACTION_ROASTED_MEAT = 100,
    ACTION_SALTED_MEAT = 101,
    ACTION_SMOKED_MEAT = 102,
    ACTION_DRY = 103,
    ACTION_SALT = 105,
    ACTION_BAKE = 119,             // the cooks' baking method; its name reads "Boil"
    ACTION_BOIL = 120,
    ACTION_ROAST = 121,
    ACTION_COOK = 122,
    ACTION_SMOKE = 123,
    ACTION_WILD_FLOUR = 124,
    ACTION_JOIN_ROPES = 219,
    ACTION_SHORTEN_ROPES = 220,
    ACTION_WITHE = 221,
    ACTION_BUILD = 240,
    ACTION_LEATHER_BELT = 350,
    ACTION_LEATHER_CAP = 351,
    ACTION_LEATHER_SHIRT = 352,
    ACTION_LEATHER_LEGGINGS = 353,
    ACTION_LEATHER_SHOES = 354,
    ACTION_FUR_CAP = 355,
    ACTION_FUR_SHIRT = 356,
    ACTION_FUR_MITTENS = 357,
    ACTION_FUR_LEGGINGS = 358,
    ACTION_FUR_HOOD = 359,
    ACTION_FUR_FOOTWEAR = 360,
    ACTION_FUR_CLOAK = 361,
    ACTION_LEATHER_FOREARM_GUARDS = 362,
    ACTION_LEATHER_SHIN_GUARDS = 363,
    ACTION_LEATHER_CUIRASS = 364,
    ACTION_FUR_OVERCOAT = 365,
    ACTION_REPAIR_CLOTHES = 370,
    ACTION_SET_TRAP = 390,
    ACTION_DISASSEMBLE_TRAP = 391,
    ACTION_LEVER_TRAP = 392,
    ACTION_SMALL_DEADFALL = 393,
    ACTION_BIG_DEADFALL = 394,
    ACTION_BEAR_DEADFALL = 395,
    ACTION_TRAP_PIT = 396,
    ACTION_STAKED_PIT = 397,
    ACTION_RESET_TRAP = 400,
    ACTION_BAIT_TRAP = 402,
    ACTION_WEAR = 420,
    ACTION_WIELD = 423,
    ACTION_DROP = 424,
    ACTION_UNNAMED = 425,          // neither name nor work, never remembered
    ACTION_TAKE_OFF = 426,
    ACTION_COMMAND_PETS = 449,
    ACTION_TALK = 450,
    ACTION_FILL = 451,
    ACTION_GET_UP = 452,
    ACTION_WOUNDS = 453,
    ACTION_BUTCHER = 454,
    ACTION_SLEEP = 455,
    ACTION_PACK_ANIMAL = 456,
    ACTION_UNPACK_ANIMAL = 457,
    ACTION_POUR = 458,
    ACTION_EMPTY = 459,
    ACTION_FISH = 500,
    ACTION_SET_NET = 501,
    ACTION_RETRIEVE_NET = 502,
    ACTION_DECONSTRUCT = 600,
    ACTION_CONTINUE = 601,
    ACTION_HAUL = 700,
    ACTION_PUSH = 701,
    ACTION_THROW = 800,
    ACTION_APPLY = 900,            // nameless
};

// The bound keys, by what they do.
enum BoundKey : uint8_t {
    BOUND_NONE, BOUND_MOVEMODE, BOUND_FARLOOK, BOUND_PICKUP, BOUND_PICKUP_ADJACENT, BOUND_BUTCHER,
    BOUND_STAND_OR_LAY, BOUND_SLEEP, BOUND_MAKE, BOUND_COUNT,
};

// The repeat memory (kept in the saved character).
extern int Komentohistoria;        // the action code of the last command, 0 none
extern int Komentotarkenne;        // its qualifier
extern char Komentotekstitarkenne[100];   // and its text

const char *Toiminta(int action);  // the action's display name, "" when it has none
char *txt_toimia(int action);      // the name in lower case in a scratch buffer; "do that" when none
// Runs the action of the entry the last choice menu chose, when it has one.
void Valinta_Toimi();
