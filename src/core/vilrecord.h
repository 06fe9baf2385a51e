// src/core/vilrecord.h -- the village record and the village file "<name>.VIL" of the character
// folder: the one cached record `globVil`, the partner's copy `NpcVil`, the goods pool, the debt
// state read from the debt lines, the collection level, and the people and visits on record.
#pragma once
#include <cstddef>
#include <cstdint>

enum { VILLAGE_DEBTS = 100, VILLAGE_POOL = 100, VILLAGE_PEOPLE = 50, VILLAGE_HIRED = 10, VILLAGE_NEWS = 116 };

struct VillageDebtLine {           // 80 bytes
    uint8_t  active;               // 1 in use
    uint8_t  pad1[3];
    uint32_t object;               // object number of the owed item
    uint32_t count;                // count owed
    float    value;                // price of one item times count
    uint8_t  pad16[48];
    uint32_t minute;               // running game minute when the line was opened
    uint8_t  pad68[12];
};
static_assert(sizeof(VillageDebtLine) == 80, "debt line");

// What a village has heard from its neighbours of one kind of the player's deeds, 116 bytes.
struct VillageNews {
    uint8_t  avglevel;             // 0: average knowledge level of the sources
    uint8_t  sumlevel;             // 1: sum of their knowledge levels
    uint8_t  sources;              // 2: villages the news came from
    uint8_t  pad3;
    uint32_t sumvalue;             // 4: sum of their values
    uint32_t avgvalue;             // 8: average value
    uint32_t from;                 // 12: soc id of the chosen source
    uint8_t  fromlevel;            // 16: its knowledge level
    uint8_t  pad17[3];
    uint32_t fromvalue;            // 20: its value
    uint8_t  pad24[8];
    uint8_t  valuebyte;            // 32: its value, low byte: what the news is taken to be worth
    uint8_t  pad33[83];
};
static_assert(sizeof(VillageNews) == VILLAGE_NEWS, "news record");
static_assert(offsetof(VillageNews, sumvalue) == 4, "VillageNews layout");
static_assert(offsetof(VillageNews, avgvalue) == 8, "VillageNews layout");
static_assert(offsetof(VillageNews, from) == 12, "VillageNews layout");
static_assert(offsetof(VillageNews, fromlevel) == 16, "VillageNews layout");
static_assert(offsetof(VillageNews, fromvalue) == 20, "VillageNews layout");
static_assert(offsetof(VillageNews, valuebyte) == 32, "VillageNews layout");

// The record of one village society, 11428 bytes. The reaction fields of the creatures' life that the
// village file does not place (watch, collection) sit in the tail block from 10388.
struct VillageStruct {
    int32_t  centre_x;             // 0: world column of the centre; 0, 0 unset
    int32_t  centre_y;             // 4
    uint32_t socid;                // 8
    VillageDebtLine debt[VILLAGE_DEBTS];   // 12
    uint8_t  reclaimflag;          // 8012: an item the village wants back lies on the map
    uint8_t  hasdebt;              // 8013: the player owes the village
    uint8_t  pad8014[2];
    uint32_t debtage;              // 8016
    uint8_t  debtlevel;            // 8020: 0 none, 1 up to 16.0, 2 above 16.0, 3 above 400.0
    uint8_t  misdeeds;             // 8021
    uint8_t  tradeban;             // 8022: trade stoppage
    uint8_t  pad8023;
    uint32_t tradeban_day;         // 8024
    uint8_t  pad8028[7];
    uint8_t  sowyear;              // 8035: sow year of the village's fields
    uint8_t  harvestyear;          // 8036: harvest year of the village's fields
    uint8_t  knowledge;            // 8037: 2 the village knows the player's name
    uint8_t  culture;              // 8038
    uint8_t  pad8039;
    uint32_t pool[VILLAGE_POOL];   // 8040: goods pool
    uint8_t  poolcount[VILLAGE_POOL];   // 8440
    uint8_t  pad8540[160];
    uint32_t hired[10];            // 8700
    uint32_t people[VILLAGE_PEOPLE];    // 8740: social ids
    uint32_t flags;                // 8940: the shouts said beyond the first four, by kind (0x400 "Go away",
                                   // cleared by a banishment); 0x4000 the debt told on this visit;
                                   // its second byte (8941) is the per-visit state byte, see visitstate()
    uint8_t  said[4];              // 8944: shouts said: drop our goods, leave, beating, mischief
    uint16_t centres_x[10];        // 8948
    uint16_t centres_y[10];        // 8968
    uint16_t visits;               // 8988
    uint16_t visitgap;             // 8990
    uint32_t lastvisit;            // 8992
    uint16_t talks;                // 8996
    uint8_t  greeted;              // 8998
    uint8_t  pad8999[397];
    uint8_t  mischief;             // 9396
    uint8_t  mischiefcount;        // 9397
    uint16_t mischiefkind[4];      // 9398
    uint8_t  mischiefweight[4];    // 9406
    uint8_t  pad9410[5];
    uint8_t  deliveries;           // 9415
    uint8_t  violence;             // 9416
    uint8_t  violence1;            // 9417
    uint8_t  violence2;            // 9418
    uint8_t  questhelp;            // 9419
    uint8_t  talkstate;            // 9420
    uint8_t  questhelpbest;        // 9421: the most one quest's help counted
    uint8_t  pad9422[3];
    uint8_t  murders;              // 9425
    uint8_t  theft;                // 9426
    uint8_t  theftcount;           // 9427
    uint16_t theftday;             // 9428
    uint8_t  pad9430[10];
    uint8_t  banished;             // 9440
    uint8_t  banishstate;          // 9441
    uint8_t  pad9442[2];
    uint32_t banish_minute;        // 9444: start minute of the enforcement
    uint16_t banish_day;           // 9448: end day
    uint8_t  pad9450;
    uint8_t  newsapplied1;         // 9451: theft news applied (its sources)
    uint8_t  newsapplied2;         // 9452: murder news applied (its sources)
    uint8_t  hasnews;              // 9453: the village has news of the player
    uint8_t  pad9454[85];
    uint8_t  paytrouble;           // 9539
    uint8_t  goodtrades;           // 9540
    uint8_t  pad9541[11];
    uint8_t  gracetype;            // 9552: the level the grace leads to
    uint8_t  reclaimlevel;         // 9553: collection level 0..3
    uint8_t  pad9554[6];
    uint32_t graceend;             // 9560: running minute; 0 no grace
    uint8_t  pad9564[304];
    uint8_t  newsflag;             // 9868: 1 once the village has a deed of the player to tell
    uint8_t  pad9869;
    uint16_t deedday;              // 9870: day number of that deed
    uint32_t newsfrom[10];         // 9872: received news: the villages it came from
    uint32_t newsminute[10];       // 9912: received news: their deed minutes, parallel
    uint32_t deedminute;           // 9952: running game minute of the deed
    uint8_t  pad9956[64];
    float    wholereward;          // 10020
    float    credit;               // 10024
    float    generosity;           // 10028
    float    everdebt;             // 10032
    VillageNews news_banish;       // 10036: what it heard of banishments
    VillageNews news_theft;        // 10152: of thefts
    VillageNews news_murder;       // 10268: of murders
    // ---- tail block: the reaction fields of the creatures' life ----
    uint8_t  pad10384[4];
    uint8_t  pad10388;
    uint8_t  theftrun;             // 10389: the player ran off with stolen goods
    uint8_t  paydeadline;          // 10390: the payment deadline passed
    uint8_t  goods;                // 10391: the village has goods to collect
    uint8_t  collect[2];           // 10392: collection state bytes
    uint8_t  watch;                // 10394: watch level
    uint8_t  talkrequest;          // 10395
    uint32_t duemin;               // 10396: the minute the collection falls due
    uint8_t  debttalked;           // 10400: the debt talk of this visit was held
    uint8_t  pad10401[3];
    uint8_t  greetings;            // 10404: greetings said this visit
    uint8_t  pad10405;
    uint8_t  nobeating;            // 10406
    uint8_t  settled;              // 10407
    uint8_t  pad10408[1012];
    uint32_t lentaxe_day;          // 11420: the day counter up to which the village lends its axe; 0 none
    uint8_t  suspicion;            // 11424: how much the village suspects the player
    uint8_t  pad11425[3];

    // The per-visit state byte at 8941 is the second byte of the flags word: one view of the same bytes.
    uint8_t visitstate() const { return (uint8_t)(flags >> 8); }
    void set_visitstate(uint8_t b) { flags = (flags & ~0xff00u) | ((uint32_t)b << 8); }
};
static_assert(sizeof(VillageStruct) == 11428, "VillageStruct is a file record");
static_assert(offsetof(VillageStruct, debt) == 12, "VillageStruct layout");
static_assert(offsetof(VillageStruct, reclaimflag) == 8012, "VillageStruct layout");
static_assert(offsetof(VillageStruct, pool) == 8040, "VillageStruct layout");
static_assert(offsetof(VillageStruct, people) == 8740, "VillageStruct layout");
static_assert(offsetof(VillageStruct, said) == 8944, "VillageStruct layout");
static_assert(offsetof(VillageStruct, questhelpbest) == 9421, "VillageStruct layout");
static_assert(offsetof(VillageStruct, visits) == 8988, "VillageStruct layout");
static_assert(offsetof(VillageStruct, mischief) == 9396, "VillageStruct layout");
static_assert(offsetof(VillageStruct, violence) == 9416, "VillageStruct layout");
static_assert(offsetof(VillageStruct, murders) == 9425, "VillageStruct layout");
static_assert(offsetof(VillageStruct, banished) == 9440, "VillageStruct layout");
static_assert(offsetof(VillageStruct, banish_day) == 9448, "VillageStruct layout");
static_assert(offsetof(VillageStruct, paytrouble) == 9539, "VillageStruct layout");
static_assert(offsetof(VillageStruct, reclaimlevel) == 9553, "VillageStruct layout");
static_assert(offsetof(VillageStruct, graceend) == 9560, "VillageStruct layout");
static_assert(offsetof(VillageStruct, everdebt) == 10032, "VillageStruct layout");
static_assert(offsetof(VillageStruct, lentaxe_day) == 11420, "VillageStruct layout");
static_assert(offsetof(VillageStruct, suspicion) == 11424, "VillageStruct layout");
static_assert(offsetof(VillageStruct, pad10384) == 10384, "VillageStruct layout");
static_assert(offsetof(VillageStruct, sowyear) == 8035, "VillageStruct layout");
static_assert(offsetof(VillageStruct, knowledge) == 8037, "VillageStruct layout");
static_assert(offsetof(VillageStruct, culture) == 8038, "VillageStruct layout");
static_assert(offsetof(VillageStruct, hired) == 8700, "VillageStruct layout");
static_assert(offsetof(VillageStruct, flags) == 8940, "VillageStruct layout");
static_assert(offsetof(VillageStruct, newsapplied1) == 9451, "VillageStruct layout");
static_assert(offsetof(VillageStruct, hasnews) == 9453, "VillageStruct layout");
static_assert(offsetof(VillageStruct, newsflag) == 9868, "VillageStruct layout");
static_assert(offsetof(VillageStruct, deedday) == 9870, "VillageStruct layout");
static_assert(offsetof(VillageStruct, newsfrom) == 9872, "VillageStruct layout");
static_assert(offsetof(VillageStruct, newsminute) == 9912, "VillageStruct layout");
static_assert(offsetof(VillageStruct, deedminute) == 9952, "VillageStruct layout");
static_assert(offsetof(VillageStruct, wholereward) == 10020, "VillageStruct layout");
static_assert(offsetof(VillageStruct, news_banish) == 10036, "VillageStruct layout");
static_assert(offsetof(VillageStruct, news_theft) == 10152, "VillageStruct layout");
static_assert(offsetof(VillageStruct, news_murder) == 10268, "VillageStruct layout");
static_assert(offsetof(VillageStruct, harvestyear) == 8036, "VillageStruct layout");
static_assert(offsetof(VillageStruct, tradeban_day) == 8024, "VillageStruct layout");

extern VillageStruct globVil;      // the cached village
extern VillageStruct NpcVil;       // the village of the person talked to, its own copy (soc id -1000 none)
extern int globVilID;              // its society, -1000 none

// ---- the cache ----
int GetGlobVil(int soc);           // makes soc's record current; 0 for a society id of 0 or below
int SaveGlobVil();                 // writes the cached village back; 1 when written (or nothing cached)
void clrGlobVil();                 // empties the cache (id -1000)
void clrVillages();                // forgets every village: the cache and the village file (a new game, a test)
void updglobnewstick();

// ---- the goods pool and the debt state ----
// The goods pool: n units of an object added; 1 added, 0 refused (n 0, no society, no
// room). A line's count stays below 255.
int addvilpool(int soc, int pos, int count);
void clearvilpool(int soc);
void vildebtrefresh(VillageStruct *v);   // the record's debt flag, age and level from its lines
float vildebtvalue(const VillageStruct *v);

// ---- collection of debts ----
int perinta_taso(int soc);         // 0..3
void aktivoi_perinta(int soc, unsigned char level);
void perinta_armonaika(int soc, int minutes, unsigned char level);
void deaktivoi_perinta(int soc);
void perinta_tick(int soc);        // a grace that ran out raises the level

// ---- people and visits ----
int socpopulation(int soc);        // the people of a society on record and in the area; 0 none
void npcremsocppl(int n, int soc);
void meet_soc(int soc);
void GetNpcVil(int soc);           // NpcVil: soc's record
void SaveNpcVil();                 // NpcVil back into the village file
void talk_soc(int soc);            // a talk with one of its people
void npctosocppl(int n, int soc);  // enrols creature n among the village's people
void socset_npc_hired(int n, int soc);
int soc_visits(int soc);           // the player's visits to the village; 0 none

// ---- the village file ----
// "<character folder>/<character file>.VIL": headerless records of 11428 bytes in the order the villages
// were first saved, each carrying its own soc id. A record that could not be written stays in memory
// (and is read from there) until a later write succeeds; inside a save the file's writes join the save.
enum { VIL_RECORD = (int)sizeof(VillageStruct) };
void vil_file_path(char *buf, size_t size);
void vil_forget();                 // forgets the cache and what is known of the file; the file stays
// While a character is loaded nothing is written into her folder: the records wait in memory for the
// next switch of villages or the next save.
void vil_hold_writes(int hold);
void clrVilStruct(VillageStruct *v);
int seek_vilpos(uint32_t id);      // the record's index in the file, -1000 none
int saveVil(uint32_t id, VillageStruct &v);   // 1 written; 0 failed (an error note, the record kept)
VillageStruct readVil(uint32_t id);   // the record, or zeros carrying the id
// Every village record the game holds, as it would read it: the cached one, the talk's copy, those
// waiting in memory and every whole record of the file. False when the file could not be read whole.
bool vil_each(void (*each)(const VillageStruct &v));
void VilChk();                     // lists the file's records into "debug_vil.txt"
