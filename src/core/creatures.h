// src/core/creatures.h -- the creature record (animal, person, spirit or carcass), the
// template and local-area tables, and the creature services the game core calls.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>

// CreatureStruct: 1384 bytes, stored as is in "CONSTANT.CRE", the creature file and the kill log.
// Fields the combat, village and breeding code keep live in what were spare bytes 604..613:
// combat stamina, aggressiveness, wound count, enemy distance, bow aim, alarm, companion state,
// escort destination and culture, breeding month.
// The fur flag of the species sits in what was the spare byte 619.
// Bytes 94 and 95, once spare, hold the two following settings of an animal led on a leash: the
// gap it keeps (2) and its pace (20).
// The last 14 spare bytes, 680..693, hold the craft order a quest hands a person.
// Bytes 524..535, unlisted before, keep a person's meetings: quest end and start days, two moods and
// the day it was first met.
// The tile name at 694 stops at 706, where the abundance word begins: it holds at most 11
// characters and its terminator.
// Recruiting keeps its byte, the day of a first ask and the willingness figure in what were spare
// bytes 671..676; the wage shortfall and the value of a companion's things when hired are the two
// floats at 1368 and 1372.

// Membership bits (memberbits): the companion mark, set on a companion and cleared on a stolen animal.
enum : uint8_t { MB_COMPANION = 2 };
// State flags (stateflags) a quest gives the one who asks it: it keeps its goods out of a personal
// trade, and it is not to be hired while the quest stands.
enum : uint32_t { SF_KEEPS_GOODS = 1u << 5, SF_NOT_HIRED = 1u << 6 };

struct CreatureStruct {
    uint8_t  kind;             // 0 empty slot, 1 human, ..., 50 spirit
    uint8_t  role;
    uint8_t  meateater;
    uint8_t  pad3;
    uint32_t graphic;          // 4
    char     species[40];      // 8
    char     pname[16];        // 48: personal name
    uint8_t  hideskill;        // 64
    uint8_t  timberskill;      // 65
    char     spare[7];         // 66
    char     portrait[20];     // 73
    uint8_t  perception;       // 93: 1 while it sees the player
    uint8_t  followgap;        // 94: squares a leashed animal keeps behind (2)
    uint8_t  followpace;       // 95: how closely it keeps up (20)
    int32_t  owner;            // 96: -1 the player's pet
    uint8_t  attackfig;        // 100
    uint8_t  attitude;         // 101
    uint8_t  familiarity;      // 102
    uint8_t  mode;             // 103: 2/99 fighting, 3 work, 4 fleeing, 8 asleep, 13 carcass
    uint8_t  moveclass;        // 104
    uint8_t  rhythm;           // 105
    uint8_t  wild;             // 106
    uint8_t  homemode;         // 107
    uint32_t occupation;       // 108
    uint8_t  refuge_counter;   // 112
    uint8_t  pad113;
    uint16_t enemy_x;          // 114
    uint16_t enemy_y;          // 116
    uint8_t  pad118;
    uint8_t  ownerbits;        // 119: bit 0 kept by its master (a pet obeys her), bit 2 called to come
    uint8_t  pad120[4];
    uint32_t habitat;          // 124
    uint32_t leftday;          // 128
    uint8_t  firstmonth;       // 132
    uint8_t  lastmonth;        // 133
    uint8_t  compfigure;       // 134
    uint8_t  localknowledge;   // 135
    uint8_t  culture;          // 136: 255 none
    uint8_t  weightvar;        // 137
    uint8_t  intelligence;     // 138
    uint8_t  strength;         // 139
    uint8_t  endurance;        // 140
    uint8_t  dexterity;        // 141
    uint8_t  agility;          // 142
    uint8_t  smell;            // 143
    uint8_t  hearing;          // 144
    uint8_t  pad145[3];
    float    weight;           // 148: kilograms
    union {
        uint16_t food;         // 152: food reserve
        int16_t  energy;       //      (read by the turn as energy)
    };
    uint8_t  pad154;
    uint8_t  voicebits;        // 155
    uint16_t callmonths;       // 156
    uint8_t  pad158[2];
    float    speciesfactor;    // 160
    float    tearing;          // 164
    char     voice1[10];       // 168
    char     voice2[10];       // 178
    uint32_t speciescode;      // 188: 500..702
    uint8_t  exertion;         // 192
    uint8_t  bleedtick;        // 193
    uint8_t  lastaction;       // 194
    uint8_t  handling;         // 195
    uint8_t  group;            // 196
    uint8_t  speed;            // 197
    uint8_t  bloodloss;        // 198
    uint8_t  posture;          // 199: 1 lying, 3 and 4 unconscious
    uint8_t  personal;         // 200
    uint8_t  dodge;            // 201
    uint8_t  wieldstate;       // 202
    uint8_t  pad203[3];
    uint8_t  playerage;        // 206
    uint8_t  sexage;           // 207: bit 0 male, bit 1 young
    uint8_t  magicburden;      // 208
    uint8_t  pad209;
    uint8_t  unconscious;      // 210
    uint8_t  fatiguebase;      // 211
    uint8_t  injury;           // 212
    uint8_t  pad213[3];
    float    fatigue;          // 216
    uint8_t  load;             // 220
    uint8_t  percfigure;       // 221
    char     natattack[3][12]; // 222
    uint8_t  atkstrength[3];   // 258
    uint8_t  atkweight[3];     // 261
    uint8_t  atktype[3];       // 264
    uint8_t  atkskill[3];      // 267
    uint8_t  natprot[7];       // 270
    char     skillname[4][12]; // 277
    uint8_t  skilllevel[4];    // 325
    uint8_t  pad329[3];
    int32_t  wielded;          // 332: object number in hand
    int32_t  pack[20];         // 336
    uint8_t  packcount[20];    // 416
    int32_t  worn[7];          // 436
    float    speciesweight;    // 464
    int32_t  daysaved;         // 468
    uint32_t visits;           // 472
    uint8_t  namebits;         // 476
    uint8_t  domestic;         // 477
    uint8_t  eaten;            // 478
    uint8_t  noisecounter;     // 479
    uint8_t  pad480[4];
    uint32_t partyflags;       // 484
    uint32_t compterms;        // 488
    uint8_t  pad492[12];
    uint32_t mother;           // 504
    int16_t  birthday;         // 508
    uint8_t  pad510[2];
    uint32_t trapminute;       // 512
    uint32_t follow[2];        // 516
    uint16_t quest_end_day;    // 524: the day the person's quest ends
    uint16_t quest_start_day;  // 526: the day the person took the quest on
    uint8_t  moods[2];         // 528: the person's two moods, 1..99
    uint8_t  pad530[2];
    uint32_t first_seen;       // 532: the day the creature was first met
    uint8_t  pad536[8];
    uint32_t requestbits;      // 544
    uint16_t catchup;          // 548
    uint8_t  pad550[2];
    uint32_t leaveday;         // 552
    uint8_t  morale1;          // 556
    uint8_t  morale2;          // 557
    uint8_t  attackfig2;       // 558
    uint8_t  alertness;        // 559
    uint8_t  fightbits;        // 560
    uint8_t  greetbits;        // 561
    uint8_t  memberbits;       // 562: MB_COMPANION
    uint8_t  still;            // 563
    uint32_t stateflags;       // 564
    uint8_t  pad568;
    uint8_t  friendship;       // 569
    uint8_t  grouplife;        // 570
    uint8_t  pad571;
    uint8_t  morale3;          // 572
    uint8_t  morale4;          // 573
    uint8_t  morale5;          // 574
    uint8_t  morale6;          // 575
    uint8_t  morale7;          // 576
    uint8_t  meat[3];          // 577
    uint8_t  herd;             // 580
    uint8_t  moralebits[20];   // 581
    uint8_t  foeship;          // 601
    uint8_t  icefall;          // 602
    uint8_t  wakinghour;       // 603
    uint8_t  stamina;          // 604: combat stamina, 255 when an attack begins
    uint8_t  aggressiveness;   // 605: 0..100
    uint8_t  woundcount;       // 606: woundings taken in the current fight
    uint8_t  enemydist;        // 607: last distance to the enemy
    uint8_t  bowaim;           // 608: bow aim counter
    uint8_t  alarm;            // 609: bit 0 theft seen, 1 banishment enforced, 2 violence answered
    uint8_t  compstate;        // 610: companion state, below 4 unhappy
    uint8_t  escortdest;       // 611: bit 0 to a village, bit 1 to a given culture
    uint8_t  escortculture;    // 612: the escort's destination culture
    uint8_t  breedmonth;       // 613: the month the species breeds in
    uint8_t  venom;            // 614: a snake's venom spent on a bite (1)
    uint8_t  escorttarget;     // 615
    uint8_t  escortkind;       // 616
    uint8_t  escortstate;      // 617
    uint8_t  Paapuuha;         // 618
    uint8_t  fur;              // 619: 1 the species wears a fur (its tanned skin is a fur)
    uint32_t mainwords[3];     // 620
    uint8_t  pad632[4];
    uint32_t mainflags;        // 636
    uint8_t  pad640[8];
    uint8_t  spare2[23];       // 648: what the creatures' life keeps (creatures/lifeask.h)
    uint8_t  recruitbits;      // 671: 4 never joins the player, 64 "later": asks her to wait
    uint32_t firsttalkday;     // 672: the day a "later" person was first asked to come along
    uint8_t  willingness;      // 676: 0 not drawn yet; below 2 it won't come along
    uint8_t  spare3[3];        // 677
    uint32_t craftproduct;     // 680: the craft order: the object ordered
    uint32_t craftvalue[2];    // 684: its two further words
    uint8_t  craftstate;       // 692: 0 none, 1 being made, 2 ready
    uint8_t  craftflags;       // 693: 1 the player was told it is ready
    char     tilename[12];     // 694
    uint16_t abundance;        // 706
    uint16_t breedingbits;     // 708
    uint16_t speciesflags;     // 710
    uint32_t habitatbits;      // 712
    uint8_t  pad716;
    uint8_t  breeding1;        // 717
    uint8_t  breeding2;        // 718
    uint8_t  shieldmode;       // 719
    int32_t  offhand;          // 720
    uint8_t  packbits[20];     // 724
    uint16_t saved_wx;         // 744
    uint16_t saved_wy;         // 746
    uint8_t  compflags[4];     // 748
    uint8_t  suspicion;        // 752
    uint8_t  mobility;         // 753
    uint8_t  topmobility;      // 754
    uint8_t  woundkind[20];    // 755
    uint8_t  woundlevel[20];   // 775
    uint8_t  woundpart[20];    // 795
    uint8_t  woundinjury[20];  // 815
    uint8_t  woundbleeding[20];// 835
    uint8_t  woundside[20];    // 855
    uint8_t  pad875;
    int32_t  home_x;           // 876
    int32_t  home_y;           // 880
    int32_t  korkeus;          // 884: 0 ground, 100 flying, 200 tree, -100 diving
    int32_t  Suunta;           // 888
    int32_t  Puuha[10];        // 892
    int32_t  PuuhaAika[10];    // 932
    int32_t  movehist_x[20];   // 972
    int32_t  movehist_y[20];   // 1052
    int32_t  PuuhaTila[10];    // 1132
    int32_t  PuuhaX[10];       // 1172
    int32_t  PuuhaY[10];       // 1212
    int32_t  PuuhaKohde[10];   // 1252
    uint32_t quest;            // 1292
    uint32_t questexpiry;      // 1296
    uint8_t  pad1300[4];
    uint16_t peltcultures;     // 1304
    uint16_t gamecultures;     // 1306
    uint16_t domesticcultures; // 1308
    uint8_t  pad1310[2];
    uint32_t conscience;       // 1312
    uint32_t diet1;            // 1316
    uint32_t diet2;            // 1320
    uint32_t socialid;         // 1324
    uint32_t refuge[2];        // 1328
    int32_t  Viimeisin_X;      // 1336
    int32_t  Viimeisin_Y;      // 1340
    uint16_t enemy_wx;         // 1344
    uint16_t enemy_wy;         // 1346
    uint16_t enemy_soc;        // 1348
    uint16_t questday;         // 1350
    uint32_t community;        // 1352
    int32_t  raider;           // 1356
    int32_t  enemy;            // 1360: -1 the player, -1000 none
    int32_t  killer;           // 1364
    float    compdebt;         // 1368: a companion's wage shortfall at the last reckoning
    float    hirevalue;        // 1372: the value of what it carried when hired
    float    bodytemp;         // 1376
    uint32_t turnstate;        // 1380
};
static_assert(sizeof(CreatureStruct) == 1384, "CreatureStruct is a file record");
static_assert(offsetof(CreatureStruct, graphic) == 4, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, species) == 8, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, pname) == 48, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, spare) == 66, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, portrait) == 73, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, perception) == 93, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, followgap) == 94, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, followpace) == 95, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, owner) == 96, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, mode) == 103, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, occupation) == 108, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, enemy_x) == 114, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, ownerbits) == 119, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, habitat) == 124, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, leftday) == 128, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, firstmonth) == 132, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, culture) == 136, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, hearing) == 144, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, weight) == 148, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, food) == 152, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, voicebits) == 155, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, callmonths) == 156, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, speciesfactor) == 160, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, tearing) == 164, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, voice1) == 168, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, voice2) == 178, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, speciescode) == 188, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, exertion) == 192, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, lastaction) == 194, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, posture) == 199, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, wieldstate) == 202, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, playerage) == 206, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, sexage) == 207, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, magicburden) == 208, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, unconscious) == 210, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, injury) == 212, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, fatigue) == 216, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, load) == 220, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, natattack) == 222, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, atkstrength) == 258, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, atkweight) == 261, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, atktype) == 264, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, atkskill) == 267, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, natprot) == 270, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, skillname) == 277, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, skilllevel) == 325, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, wielded) == 332, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, pack) == 336, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, packcount) == 416, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, worn) == 436, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, speciesweight) == 464, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, daysaved) == 468, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, visits) == 472, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, namebits) == 476, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, noisecounter) == 479, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, partyflags) == 484, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, compterms) == 488, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, mother) == 504, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, birthday) == 508, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, trapminute) == 512, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, follow) == 516, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, quest_end_day) == 524, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, quest_start_day) == 526, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, moods) == 528, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, first_seen) == 532, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, requestbits) == 544, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, catchup) == 548, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, leaveday) == 552, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, morale1) == 556, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, still) == 563, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, stateflags) == 564, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, friendship) == 569, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, grouplife) == 570, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, morale3) == 572, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, morale7) == 576, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, meat) == 577, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, herd) == 580, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, moralebits) == 581, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, foeship) == 601, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, wakinghour) == 603, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, stamina) == 604, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, aggressiveness) == 605, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, woundcount) == 606, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, enemydist) == 607, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, bowaim) == 608, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, alarm) == 609, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, compstate) == 610, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, escortdest) == 611, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, escortculture) == 612, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, breedmonth) == 613, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, escorttarget) == 615, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, Paapuuha) == 618, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, fur) == 619, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, mainwords) == 620, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, mainflags) == 636, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, spare2) == 648, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, recruitbits) == 671, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, firsttalkday) == 672, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, willingness) == 676, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, spare3) == 677, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, craftproduct) == 680, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, craftstate) == 692, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, craftflags) == 693, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, tilename) == 694, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, abundance) == 706, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, breedingbits) == 708, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, speciesflags) == 710, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, habitatbits) == 712, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, breeding1) == 717, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, shieldmode) == 719, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, offhand) == 720, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, packbits) == 724, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, saved_wx) == 744, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, compflags) == 748, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, suspicion) == 752, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, topmobility) == 754, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, woundkind) == 755, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, woundlevel) == 775, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, woundpart) == 795, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, woundinjury) == 815, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, woundbleeding) == 835, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, woundside) == 855, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, home_x) == 876, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, korkeus) == 884, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, Suunta) == 888, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, Puuha) == 892, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, PuuhaAika) == 932, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, movehist_x) == 972, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, movehist_y) == 1052, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, PuuhaTila) == 1132, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, PuuhaX) == 1172, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, PuuhaY) == 1212, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, PuuhaKohde) == 1252, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, quest) == 1292, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, questexpiry) == 1296, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, peltcultures) == 1304, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, domesticcultures) == 1308, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, conscience) == 1312, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, diet1) == 1316, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, socialid) == 1324, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, refuge) == 1328, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, Viimeisin_X) == 1336, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, Viimeisin_Y) == 1340, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, enemy_wx) == 1344, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, questday) == 1350, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, community) == 1352, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, raider) == 1356, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, enemy) == 1360, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, killer) == 1364, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, compdebt) == 1368, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, hirevalue) == 1372, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, bodytemp) == 1376, "CreatureStruct layout");
static_assert(offsetof(CreatureStruct, turnstate) == 1380, "CreatureStruct layout");

enum {
    CONSTANTCRE_COUNT = 1000,  // templates; 500..999 species and role templates
    CRE_COUNT = 500,           // creatures of the local area; slot n is creature number n
    CRE_PLAYER = -1,
    CRE_NONE = -1000,
    CRE_DATAID = 1000,         // a live creature's data-pool id is its slot + 1000
    CRE_PACK = 20,
    CRE_WORN = 7,
};

// Creature kinds and modes the core tests.
enum { CK_NONE = 0, CK_HUMAN = 1, CK_SPIRIT = 50 };
enum { CM_ASLEEP = 8, CM_CARCASS = 13 };
// Species codes (speciescode, and the origin of a thing taken from a creature), each named here and
// nowhere else: people from 500, animals from 600, spirits from 700. The elk cow and bull are codes of
// their own that no creature table builds: the draws of the wilds pass them over, and an elk's antlers,
// bones and calf name answer for them as for the elk.
enum {
    SPECIES_RAIDER = 500, SPECIES_FOREIGN_TRADER = 510, SPECIES_MISTRESS = 520, SPECIES_VILLAGER = 530,
    SPECIES_WOODSMAN = 540, SPECIES_ADVENTURER = 550, SPECIES_ROBBER = 551, SPECIES_ELDER = 560,
    SPECIES_HEALER = 570, SPECIES_CRAFTSMAN = 580, SPECIES_CHILD = 590,
    SPECIES_HARE = 600, SPECIES_GLUTTON = 602, SPECIES_SQUIRREL = 604, SPECIES_BEAR = 605,
    SPECIES_ELK_COW = 606, SPECIES_ELK_BULL = 607, SPECIES_LYNX = 608, SPECIES_COW = 609,
    SPECIES_BULL = 610, SPECIES_WOLF = 611, SPECIES_WILD_BOAR = 613, SPECIES_WILD_SOW = 614, SPECIES_PIG = 615,
    SPECIES_SHEEP = 616, SPECIES_RAM = 617, SPECIES_DOG = 618, SPECIES_REINDEER = 619, SPECIES_FOREST_REINDEER = 620,
    SPECIES_SNAKE = 622, SPECIES_BEAVER = 623, SPECIES_SWAN = 629, SPECIES_SEAL = 650, SPECIES_RINGED_SEAL = 651, SPECIES_ELK = 660,
    SPECIES_FOREST_MAIDEN = 700, SPECIES_WATER_FOLK = 701, SPECIES_FOREST_FOLK = 702,
};

extern CreatureStruct ConstantCre[CONSTANTCRE_COUNT];
// Set while the templates are built: their gear stays plain catalogue things, so that building
// them at every load adds nothing to the stored-object table.
extern int TEMPLATE_BUILD;
extern CreatureStruct Cre[CRE_COUNT];
extern CreatureStruct TEMP_CREATURE;       // scratch record of the creature-file writers
extern CreatureStruct flexCr;              // hands a made person or animal to its caller
extern char DefinitionsFolder[41];         // the folder defcreat last wrote into

// Fills Creature with the blank record every creation starts from.
void reset_creature();
// Template n into Creature: 500..999 with build set are built afresh, other numbers below 1000
// copied from ConstantCre; 1000 and more leave Creature alone.
void get_defined(int n, int build);
// Builds the templates and writes "<folder>/CONSTANT.CRE" (1000 records); 1 when written whole.
int defcreat(const char *folder);
// Builds the templates and prints one line per made template (number, species, weight,
// attributes, diet words, picture); answers the number of lines.
int list_creature_templates(FILE *out);
// The fixed picture of Creature's kind, for the kinds that have one.
void visual();
// Ends every text field of a record read from a file inside its field.
void creature_make_safe(CreatureStruct &c);
// 1 when the code is one the queue knows; a code read from a file that is not is dropped.
int puuha_known_code(int code);
// Cleans a queue read from the creature file: unknown codes dropped, timers and targets bounded.
void puuha_make_safe(CreatureStruct &c);

// Brings persistent creature n into a slot of the local area; answers slot + 1000.
int lisaa_realcreature(int n, int reuse);
// 1 while the creature (or the player, -1) is unconscious.
int onko_JOKU_tajuton(int n);
// 1 when the carcass record has been skinned whole.
int is_carcass_skinned(const CreatureStruct &c);
int is_tied(int n);                   // tied to a post; any slot out of range answers 0
// The person of social id s notices an item left for it at a fire site.
void SotuNPC_omatunto(unsigned s);
// 1 while the creature is diving.
int sukeltaako_NPC(int n);                 // diving

// ---- the creatures of the local area and the character's creature file ----
extern CreatureStruct Creature;            // work record of the creature services
extern int RealCreaturePos[CRE_COUNT];     // slot -> creature number in the creature file; 0 none
void save_creatures();                     // the local area's creatures into the creature file
int Lataa_RealCreature(int n);             // creature n of the file into Creature; 1 loaded
void ClrRealCreaturePos();
void ClearPrevNameStack();
void DoCreatures();                        // builds templates 500..999 into ConstantCre
void allowed_check();                      // entry check of a map; may end the game
void KillCreature(int n, int mode);
void set_carcass_skinned(CreatureStruct &cr);
