// src/creatures/trapcatch.h -- what a trap takes: the trap kinds with their materials, times and
// the weights they catch, and a creature stepping into a set trap or held by a sprung one, as a
// creature's step asks it. The trapping work itself is activities/traps.
#pragma once
#include <cstdint>

#include "maps/trapdata.h"   // the record's marks; PaastaAnsa

struct DataStruct;
struct ItemStruct;

enum { TASK_CREATURE_TRAPPED = 45 };

struct TrapLine {
    int id, count, consume, length, ground;
};
struct TrapKind {
    int code;
    const char *topic;
    int minutes;
    int bonus;
    // The weights it takes: above `over` (or at least, when `over_inclusive`) and at most `upto`.
    float over;
    bool over_inclusive;
    float upto;
    // Wounds to whoever steps in: count + random(count_r), impact + random(impact_r), damage type.
    int count, count_r, impact, impact_r, damage;
    TrapLine lines[6];
};

enum { ID_AXE = 50, ID_KNIFE = 51, ID_SLENDER = 201, ID_TWIG = 202, ID_BRANCH = 203, ID_STONE = 300,
       ID_TYING = 330, ID_ROPE = 333, ID_TRUNK = 400, ID_STAKE = 404 };

// The big deadfall and the bear trap roll with bonuses of their own: the big deadfall is a plain
// job of many parts (0), the bear trap the heaviest and least forgiving of all (-10).
enum { BONUS_BIG_DEADFALL = 0, BONUS_BEAR_TRAP = -10, BONUS_PORTABLE = 30, PORTABLE_MINUTES = 5,
       REARM_PORTABLE_MINUTES = 3 };

extern const TrapKind TRAP_KINDS[];
extern const int TRAP_KIND_COUNT;
const TrapKind *trap_kind_of(int code);   // the kind of a construction (392 to 397), nullptr for another code

// The trap item of a portable trap record; false when its id names none.
bool trap_item(const DataStruct &d, ItemStruct &it);
// The trap's name in lower case, in a scratch buffer; "useless old trap" when it has none.
const char *Ansan_Nimi(int n);
// 1 when trap n can take creature c (-1 the working record Creature).
int VaikuttaakoAnsa(int n, int c);
// The same without the chance of a badly set trap and without a trap letting go by itself: what a
// creature weighing a step or a meal may ask without drawing anything.
int ansa_ottaisi(int n, int c);
// Creature c (-1 the player) steps onto x, y: 1 when a set trap there fired.
int AstuAnsaan(int c, int x, int y);
// 1 while sprung trap n still holds creature c; the player (-1) is never held.
int PiteleekoAnsa(int n, int c);
