// src/core/records.h -- the core records every module reads and writes: the player record (the
// character file) and the data-pool record (one thing on a map square), with the shared globals
// that go with them. Both layouts are file formats: every size and offset is fixed.
#pragma once
#include <cstddef>
#include <cstdint>

// ---------------------------------------------------------------------------------------------
// DataStruct: one thing placed on a map square. 36 bytes, the same in memory and in every pool
// image on disk ("DATA.DAT", the map data files, the stored local maps).
// ---------------------------------------------------------------------------------------------
struct DataStruct {
    uint16_t x;                // square column on the map that owns the pool
    uint16_t y;                // square row
    uint8_t  type;             // DT_* below; 0 never used, '!' freed
    uint8_t  pad5;             // kept zero
    int16_t  owner;            // social id of the owner; 22222 the village; 0 nobody
    uint16_t count;            // units in the record
    uint8_t  pad10[2];
    uint32_t id;               // object number, creature number + 1000, or other payload
    uint8_t  flags;            // per type (tree marks, work care counter '{', trap set)
    uint8_t  pad17;
    uint16_t day;              // day number stamped when placed; care minutes under flag '{'
    uint16_t ready_day;        // day number at which the thing is ready; 0 none
    uint8_t  pad22[2];
    uint32_t ready_minute;     // running minute when ready or burnt out
    uint32_t spent_minutes;    // minutes of work already spent
    uint8_t  extra;            // 4 = never merged into another stack
    uint8_t  pad33[3];
};
static_assert(sizeof(DataStruct) == 36, "DataStruct is a file record");
static_assert(offsetof(DataStruct, type) == 4, "DataStruct layout");
static_assert(offsetof(DataStruct, owner) == 6, "DataStruct layout");
static_assert(offsetof(DataStruct, count) == 8, "DataStruct layout");
static_assert(offsetof(DataStruct, id) == 12, "DataStruct layout");
static_assert(offsetof(DataStruct, flags) == 16, "DataStruct layout");
static_assert(offsetof(DataStruct, day) == 18, "DataStruct layout");
static_assert(offsetof(DataStruct, ready_day) == 20, "DataStruct layout");
static_assert(offsetof(DataStruct, ready_minute) == 24, "DataStruct layout");
static_assert(offsetof(DataStruct, spent_minutes) == 28, "DataStruct layout");
static_assert(offsetof(DataStruct, extra) == 32, "DataStruct layout");

enum {
    DATA_MAX = 10000,          // records in a pool; the index is the handle
    DATA_ALLOC_LAST = 9950,    // set_data places new records at 0..9950 only
    DATA_DTEMP_SCAN_LAST = 9900,
    DATA_MAP_LIMIT = 1900,     // used records one local map holds before its clean-up
    SOC_OWNER = 22222,         // owner word of goods that belong to the village
    DATA_NOMERGE = 4,          // extra byte: never merged into another stack
};

// Record types (byte values).
enum {
    DT_UNUSED = 0,
    DT_ITEM = 1,
    DT_CREATURE = 4,
    DT_WORK = 6,
    DT_FIRE = 8,
    DT_PLANT = 9,
    DT_TRACKS = 10,
    DT_ENCOUNTER = 11,
    DT_VISIBLE = 13,
    DT_TRAP = 27,
    DT_NET = 28,
    DT_FREED = '!',
    DT_CARCASS = '4',
    DT_SKIN = '5',
    DT_TREE = '@',
    DT_HERB_A = 'A',
    DT_HERB_B = 'B',
    DT_ICEHOLE = ']',
    DT_OPENWATER = '^',
    DT_LEFTOVER = '`',
    DT_LEFTOVER_A = 'a',
    DT_FIRE_REMAINS = 'b',
    DT_COUNTED = 'c',
    DT_PARTY = 'o',
    DT_PAUSED = '}',
    DT_PAUSED_BUILDING = '~',
    DT_BOUND = 127,
};

// ---------------------------------------------------------------------------------------------
// PlayerStruct: the player character, 5716 bytes, written whole as the character file
// "<character>/<name>.OXS". Bytes without a name here belong to the modules that use them and are
// carried through every save and load unchanged.
// ---------------------------------------------------------------------------------------------
enum {
    PLR_SIZE = 5716,
    PLR_SKILLS = 50,
    PLR_SKILLNAME = 12,
    PLR_SLOTS = 100,
    PLR_OVERLOAD_SLOT = 90,    // an object in this slot means the pack is full
    PLR_PARTY = 49,            // the 50th record of the stack would run into the course's task number
    PLR_WOUNDS = 20,
    SAVE_VERSION = 363,
};

struct PlayerStruct {
    char     name[13];                         // 0: empty marks a blank record; up to 12 letters
    uint8_t  culture;                          // 13: 0-9
    char     inhabitant[18];                   // 14: what the people of her culture are called
    char     skill_name[PLR_SKILLS][PLR_SKILLNAME];   // 32
    uint8_t  skill_aptitude[PLR_SKILLS];       // 632: one improvement step
    uint8_t  skill_level[PLR_SKILLS];          // 682: bonus included
    uint8_t  skill_bonus[PLR_SKILLS];          // 732: timed bonus
    uint8_t  skill_bonus_min[PLR_SKILLS];      // 782: minutes the bonus lasts
    uint32_t skill_counter[PLR_SKILLS];        // 832
    uint8_t  skill_start[PLR_SKILLS];          // 1032: level when the skill was given
    uint8_t  skill_flags[PLR_SKILLS];          // 1082: bit 0 a pending boost
    uint8_t  pad1132[50];
    uint8_t  skill_raises[PLR_SKILLS];         // 1182: raises taken today
    uint8_t  legacy_rituals[PLR_SKILLS];       // 1232
    uint8_t  pad1282[51];
    char     portrait[20];                     // 1333: the portrait's file name
    uint8_t  command_flags;                    // 1353: cleared before every command
    uint8_t  noise;                            // 1354: the noise she made this turn
    uint8_t  pad1355[41];
    int32_t  felt_temperature;                 // 1396
    int32_t  forest_spirit;                    // 1400: standing with the forest spirit, -100..100
    union {
        uint32_t forest_spirit2;               // 1404: cleared together with 1400
        int32_t water_spirit;                  //       standing with the water folk
    };
    int32_t  spirit_contacts;                  // 1408: contacts with the spirits since the last felt one
    uint8_t  ritual_counter[100];              // 1412: per ritual number; 1-199 the ritual means something
    int32_t  inv_obj[PLR_SLOTS];               // 1512: object numbers, 0 empty
    int32_t  inv_count[PLR_SLOTS];             // 1912
    uint8_t  pad2312[100];
    uint8_t  posture;                          // 2412: 0 standing, 1 lying, 4 fainted
    char     mapname[12];                      // 2413: "BIGMAP" or "ZOOMMAP"
    char     folder[100];                      // 2425: the character's folder, written at creation
    uint8_t  pad2525[3];
    int32_t  scenario;                         // 2528: above 0 runs the scenario start
    uint32_t last_uid;                         // 2532
    union {
        int32_t legacy_marker;                 // 2536: -1 in every upgraded record
        int32_t hunger;                        //       (the body's hunger figure)
    };
    int32_t  thirst;                           // 2540: 0 none
    uint8_t  pad2544[4];
    float    distance_km;                      // 2548: kilometres journeyed
    uint8_t  pad2552[120];
    uint32_t day_counter2;                     // 2672: second day counter
    uint8_t  pad2676[20];
    uint8_t  facing;                           // 2696
    uint8_t  pad2697[3];
    uint32_t x;                                // 2700: player x at the last save
    uint32_t y;                                // 2704
    uint32_t energy;                           // 2708: energy reserve
    uint32_t fine_time;                        // 2712
    uint8_t  hour;                             // 2716
    uint8_t  minute;                           // 2717
    uint8_t  pad2718[18];
    int32_t  weight_lbs;                       // 2736
    int32_t  height_in;                        // 2740
    int32_t  build;                            // 2744: 1 slight .. 5 heavy
    int32_t  hidden_roll;                      // 2748: rolled 1-10 at birth
    uint8_t  starvation;                       // 2752
    uint8_t  sex;                              // 2753: 2 female
    uint8_t  strength;                         // 2754
    uint8_t  agility;                          // 2755
    uint8_t  day;                              // 2756: day of the month 1-30
    uint8_t  pad2757;
    uint8_t  dexterity;                        // 2758
    uint8_t  speed;                            // 2759
    uint8_t  start_day;                        // 2760: the day she came into the land
    uint8_t  endurance;                        // 2761
    uint8_t  smell_taste;                      // 2762
    uint8_t  start_month;                      // 2763
    uint8_t  start_year;                       // 2764
    uint8_t  sight;                            // 2765
    uint8_t  touch;                            // 2766
    uint8_t  will;                             // 2767
    uint8_t  month;                            // 2768: 1-12
    uint8_t  year;                             // 2769
    uint8_t  intelligence;                     // 2770
    uint8_t  hearing;                          // 2771
    uint8_t  pad2772[4];
    uint8_t  hidden_5d6;                       // 2776: rolled 5d6 at birth
    uint8_t  pad2777[3];
    uint32_t daynumber;                        // 2780: daily upkeeps run
    uint32_t bigmap_saveday;                   // 2784: day of the last world-map save
    uint8_t  pad2788[4];
    DataStruct party[PLR_PARTY];               // 2792: the things travelling with the player
    uint8_t  party_tail[32];                   // 4556: the head of a 50th stack record, kept as it is
    int32_t  task_number;                      // 4588: the game course's current task; 0 none
    int32_t  course_index;                     // 4592: the current task's place in the course; -1 none
    uint8_t  pad4596[4];
    uint32_t minutes;                          // 4600: running minutes
    uint32_t world_x;                          // 4604
    uint32_t world_y;                          // 4608
    uint32_t local_x;                          // 4612: 0 on the world map
    uint32_t local_y;                          // 4616
    uint8_t  hallucinating;                    // 4620
    uint8_t  pad4621[3];
    float    air_temperature;                  // 4624
    uint8_t  upgrade_cleared;                  // 4628
    uint8_t  course_last_event;                // 4629: the game-course event handed out last
    uint8_t  pad4630[2];
    int32_t  save_version;                     // 4632
    uint8_t  pad4636[320];
    uint32_t ritual_marks[10];                 // 4956
    uint8_t  pad4996[24];
    // The death fields: a harmer is a creature's social id or a cause code (-99 blood loss, ...).
    int32_t  bleed_harmer;                     // 5020: the harmer that started the bleeding; 0 none
    int32_t  faint_cause;                      // 5024: 0 none, -99 fainted from blood loss, else the harmer
    int32_t  killer;                           // 5028: 0 none, -99 blood loss, else the harmer
    int32_t  death_cause;                      // 5032: the cause of death (creatures/ancestors.h)
    uint8_t  view_restriction;                 // 5036
    uint8_t  shield_guard;                     // 5037
    uint8_t  BewitchedWolfState;               // 5038: the bewitched wolf's fate, 1 killed, 2 freed by bread
    uint8_t  pad5039[573];
    uint32_t spirit_customs;                   // 5612: customs kept with the spirits; 1 rod, 2 net
    uint16_t rod_season_day;                   // 5616: the first rod or club catch of the season
    uint16_t net_season_day;                   // 5618: the first net catch of the season
    uint8_t  pad5620[3];
    uint8_t  last_upkeep_day;                  // 5623: 0 before the first
    uint8_t  courses_completed;                // 5624: bit value 2 course 1, 4 course 2
    uint8_t  forest_maiden;                    // 5625: 2 a forest maid was met, 64 she left a gift
    uint8_t  pad5626[2];
    uint8_t  lairs_placed;                     // 5628
    uint8_t  pad5629;
    uint8_t  movement_mode;                    // 5630: 1 walk 2 swim 3 row 4 wade 7 ski 9 haul
    uint8_t  exertion;                         // 5631
    union {
        uint8_t upgrade_mark;                  // 5632: 255 in every upgraded record
        uint8_t stomach;                       //       stomach fill 0..255
    };
    uint8_t  pad5633[3];
    uint32_t body_effects;                     // 5636: herb-effect bits; 1 raw meat, 3 appetite
    uint8_t  pad5640[32];
    uint32_t lastquest_day;                    // 5672: day number of the last quest a village or wanderer offered
    float    body_temperature;                 // 5676
    float    body_temperature_change;          // 5680: per minute
    uint8_t  pad5684[4];                       // 5684: the swimmer's fatigue (activities/swimclimb.h)
    float    fat_reserve;                      // 5688: the body's fat reserve (ours; set by the console)
    float    robbery_load;                     // 5692: her load when a robbery was settled in talk (old saves 0)
    uint8_t  pad5696[20];
};
static_assert(sizeof(PlayerStruct) == PLR_SIZE, "the character file is 5716 bytes");
static_assert(offsetof(PlayerStruct, culture) == 13, "Plr layout");
static_assert(offsetof(PlayerStruct, inhabitant) == 14, "Plr layout");
static_assert(offsetof(PlayerStruct, skill_name) == 32, "Plr layout");
static_assert(offsetof(PlayerStruct, portrait) == 1333, "Plr layout");
static_assert(offsetof(PlayerStruct, skill_aptitude) == 632, "Plr layout");
static_assert(offsetof(PlayerStruct, skill_level) == 682, "Plr layout");
static_assert(offsetof(PlayerStruct, skill_start) == 1032, "Plr layout");
static_assert(offsetof(PlayerStruct, skill_flags) == 1082, "Plr layout");
static_assert(offsetof(PlayerStruct, thirst) == 2540, "Plr layout");
static_assert(offsetof(PlayerStruct, stomach) == 5632, "Plr layout");
static_assert(offsetof(PlayerStruct, body_effects) == 5636, "Plr layout");
static_assert(offsetof(PlayerStruct, skill_bonus) == 732, "Plr layout");
static_assert(offsetof(PlayerStruct, skill_bonus_min) == 782, "Plr layout");
static_assert(offsetof(PlayerStruct, skill_counter) == 832, "Plr layout");
static_assert(offsetof(PlayerStruct, skill_raises) == 1182, "Plr layout");
static_assert(offsetof(PlayerStruct, legacy_rituals) == 1232, "Plr layout");
static_assert(offsetof(PlayerStruct, command_flags) == 1353, "Plr layout");
static_assert(offsetof(PlayerStruct, noise) == 1354, "Plr layout");
static_assert(offsetof(PlayerStruct, felt_temperature) == 1396, "Plr layout");
static_assert(offsetof(PlayerStruct, forest_spirit) == 1400, "Plr layout");
static_assert(offsetof(PlayerStruct, forest_spirit2) == 1404, "Plr layout");
static_assert(offsetof(PlayerStruct, spirit_contacts) == 1408, "Plr layout");
static_assert(offsetof(PlayerStruct, ritual_counter) == 1412, "Plr layout");
static_assert(offsetof(PlayerStruct, inv_obj) == 1512, "Plr layout");
static_assert(offsetof(PlayerStruct, inv_count) == 1912, "Plr layout");
static_assert(offsetof(PlayerStruct, posture) == 2412, "Plr layout");
static_assert(offsetof(PlayerStruct, mapname) == 2413, "Plr layout");
static_assert(offsetof(PlayerStruct, folder) == 2425, "Plr layout");
static_assert(offsetof(PlayerStruct, scenario) == 2528, "Plr layout");
static_assert(offsetof(PlayerStruct, last_uid) == 2532, "Plr layout");
static_assert(offsetof(PlayerStruct, legacy_marker) == 2536, "Plr layout");
static_assert(offsetof(PlayerStruct, day_counter2) == 2672, "Plr layout");
static_assert(offsetof(PlayerStruct, facing) == 2696, "Plr layout");
static_assert(offsetof(PlayerStruct, x) == 2700, "Plr layout");
static_assert(offsetof(PlayerStruct, y) == 2704, "Plr layout");
static_assert(offsetof(PlayerStruct, energy) == 2708, "Plr layout");
static_assert(offsetof(PlayerStruct, fine_time) == 2712, "Plr layout");
static_assert(offsetof(PlayerStruct, hour) == 2716, "Plr layout");
static_assert(offsetof(PlayerStruct, minute) == 2717, "Plr layout");
static_assert(offsetof(PlayerStruct, weight_lbs) == 2736, "Plr layout");
static_assert(offsetof(PlayerStruct, height_in) == 2740, "Plr layout");
static_assert(offsetof(PlayerStruct, build) == 2744, "Plr layout");
static_assert(offsetof(PlayerStruct, hidden_roll) == 2748, "Plr layout");
static_assert(offsetof(PlayerStruct, starvation) == 2752, "Plr layout");
static_assert(offsetof(PlayerStruct, sex) == 2753, "Plr layout");
static_assert(offsetof(PlayerStruct, strength) == 2754, "Plr layout");
static_assert(offsetof(PlayerStruct, agility) == 2755, "Plr layout");
static_assert(offsetof(PlayerStruct, day) == 2756, "Plr layout");
static_assert(offsetof(PlayerStruct, dexterity) == 2758, "Plr layout");
static_assert(offsetof(PlayerStruct, speed) == 2759, "Plr layout");
static_assert(offsetof(PlayerStruct, start_day) == 2760, "Plr layout");
static_assert(offsetof(PlayerStruct, endurance) == 2761, "Plr layout");
static_assert(offsetof(PlayerStruct, smell_taste) == 2762, "Plr layout");
static_assert(offsetof(PlayerStruct, start_month) == 2763, "Plr layout");
static_assert(offsetof(PlayerStruct, start_year) == 2764, "Plr layout");
static_assert(offsetof(PlayerStruct, sight) == 2765, "Plr layout");
static_assert(offsetof(PlayerStruct, touch) == 2766, "Plr layout");
static_assert(offsetof(PlayerStruct, will) == 2767, "Plr layout");
static_assert(offsetof(PlayerStruct, intelligence) == 2770, "Plr layout");
static_assert(offsetof(PlayerStruct, hearing) == 2771, "Plr layout");
static_assert(offsetof(PlayerStruct, hidden_5d6) == 2776, "Plr layout");
static_assert(offsetof(PlayerStruct, month) == 2768, "Plr layout");
static_assert(offsetof(PlayerStruct, year) == 2769, "Plr layout");
static_assert(offsetof(PlayerStruct, daynumber) == 2780, "Plr layout");
static_assert(offsetof(PlayerStruct, lastquest_day) == 5672, "Plr layout");
static_assert(offsetof(PlayerStruct, bigmap_saveday) == 2784, "Plr layout");
static_assert(offsetof(PlayerStruct, party) == 2792, "Plr layout");
static_assert(offsetof(PlayerStruct, party_tail) == 4556, "Plr layout");
static_assert(offsetof(PlayerStruct, task_number) == 4588, "Plr layout");
static_assert(offsetof(PlayerStruct, course_index) == 4592, "Plr layout");
static_assert(offsetof(PlayerStruct, course_last_event) == 4629, "Plr layout");
static_assert(offsetof(PlayerStruct, courses_completed) == 5624, "Plr layout");
static_assert(offsetof(PlayerStruct, fat_reserve) == 5688, "Plr layout");
static_assert(offsetof(PlayerStruct, robbery_load) == 5692, "Plr layout");
static_assert(offsetof(PlayerStruct, minutes) == 4600, "Plr layout");
static_assert(offsetof(PlayerStruct, world_x) == 4604, "Plr layout");
static_assert(offsetof(PlayerStruct, world_y) == 4608, "Plr layout");
static_assert(offsetof(PlayerStruct, local_x) == 4612, "Plr layout");
static_assert(offsetof(PlayerStruct, local_y) == 4616, "Plr layout");
static_assert(offsetof(PlayerStruct, hallucinating) == 4620, "Plr layout");
static_assert(offsetof(PlayerStruct, air_temperature) == 4624, "Plr layout");
static_assert(offsetof(PlayerStruct, upgrade_cleared) == 4628, "Plr layout");
static_assert(offsetof(PlayerStruct, save_version) == 4632, "Plr layout");
static_assert(offsetof(PlayerStruct, ritual_marks) == 4956, "Plr layout");
static_assert(offsetof(PlayerStruct, distance_km) == 2548, "Plr layout");
static_assert(offsetof(PlayerStruct, bleed_harmer) == 5020, "Plr layout");
static_assert(offsetof(PlayerStruct, faint_cause) == 5024, "Plr layout");
static_assert(offsetof(PlayerStruct, killer) == 5028, "Plr layout");
static_assert(offsetof(PlayerStruct, death_cause) == 5032, "Plr layout");
static_assert(offsetof(PlayerStruct, view_restriction) == 5036, "Plr layout");
static_assert(offsetof(PlayerStruct, shield_guard) == 5037, "Plr layout");
static_assert(offsetof(PlayerStruct, spirit_customs) == 5612, "Plr layout");
static_assert(offsetof(PlayerStruct, BewitchedWolfState) == 5038, "Plr layout");
static_assert(offsetof(PlayerStruct, forest_maiden) == 5625, "Plr layout");
static_assert(offsetof(PlayerStruct, rod_season_day) == 5616, "Plr layout");
static_assert(offsetof(PlayerStruct, net_season_day) == 5618, "Plr layout");
static_assert(offsetof(PlayerStruct, last_upkeep_day) == 5623, "Plr layout");
static_assert(offsetof(PlayerStruct, lairs_placed) == 5628, "Plr layout");
static_assert(offsetof(PlayerStruct, movement_mode) == 5630, "Plr layout");
static_assert(offsetof(PlayerStruct, exertion) == 5631, "Plr layout");
static_assert(offsetof(PlayerStruct, upgrade_mark) == 5632, "Plr layout");
static_assert(offsetof(PlayerStruct, body_temperature) == 5676, "Plr layout");
static_assert(offsetof(PlayerStruct, body_temperature_change) == 5680, "Plr layout");

// ---------------------------------------------------------------------------------------------
// Shared globals of the core.
// ---------------------------------------------------------------------------------------------
extern PlayerStruct Plr;
extern DataStruct Data[DATA_MAX];      // the current map's pool
extern DataStruct IsoData[DATA_MAX];   // the world map's pool
extern DataStruct DTEMP;               // template filled field by field and stored by SetDTEMP

extern char CharacterPath[1024];       // "<working folder>/<character>"
extern int PlayerX, PlayerY;           // the player's square on the current map
extern int GeneralX, GeneralY;         // the square of the last direction or target prompt
extern uint8_t TurnUsed;               // what the last command spent (0 nothing, 1 a turn, ...)
