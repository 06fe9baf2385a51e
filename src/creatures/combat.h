// src/creatures/combat.h -- the rules of a blow: the five result tables of the melee exchange, what
// an outcome means, the dice caps and impact, and the rolls that follow a blow (fumble, stumble,
// shock, fainting, falling, killing, amputation and weapon damage on contact).
#pragma once
#include <cstdint>

// One cell of a result table: the code and its dice or grade.
struct ResultCell {
    char    code[8];
    int32_t n;
};

// Rows: the attacker's success level 0..3 (inferior .. superior); columns: the defender's.
extern const ResultCell MELEE_vs_BLOCK[4][4];
extern const ResultCell MELEE_vs_DODGE[4][4];
extern const ResultCell MELEE_vs_COUNTERSTRIKE[4][4];
extern const ResultCell MELEE_vs_MOVEDODGE[4][4];
extern const ResultCell MELEE_vs_IGNORE[4][4];

// Defence codes and attack modes.
enum {
    DEF_BLOCK = 10, DEF_DODGE = 11, DEF_COUNTERSTRIKE = 12, DEF_MOVEDODGE = 13, DEF_SHIELD = 14,
    DEF_NONE = 15,
    ATTACK_MELEE = 1, ATTACK_MISSILE = 3,
};

struct AttackOutcome {
    uint8_t  attacker_grade;
    uint8_t  defender_grade;
    uint8_t  block;
    uint8_t  attacker_stumble;
    uint8_t  defender_stumble;
    uint8_t  attacker_fumble;
    uint8_t  defender_fumble;
    uint8_t  miss;
    uint32_t contact;          // 0 none; else the attacker's level (+ 1 on most contacts)
    uint8_t  missile_strike;   // the attacker's strike is a missile's
};

// The parties of the exchange being resolved: -1 the player, 0..499 a creature.
extern int COMBAT_attacker, COMBAT_defender;
// Missile state read by the missile outcome: the hit's success, the kind of the target's defence
// (1 standing dodge, 2 moving dodge, 3 aimed), whether a creature was hit, the flight's end.
extern int MISSILE_osuman_success, MISSILE_puolustus, MISSILE_osui, MISSILE_passed, MISSILE_short;
extern int MISSILE_aimed, MISSILE_blunt;
extern char MISSILE_message[200];

// The table a melee defence answers from (NULL for a missile).
const ResultCell (*combat_table(int mode, int defence))[4];
AttackOutcome ATTACK_RESULT(int mode, int attackerLevel, int defenceCode, int defenderLevel);
int MAXDICES(int impact);                       // the dice cap of a strike
int WEAPON_MODIFIER(int attackClass, int defenceClass);
int LaskeImpact(int grade, int impact, int deathblow);
// The dice caps of the two strikes, as they were set when each attack was chosen (a missile that is
// no weapon has one die); the exchange sets them before the outcome.
extern int COMBAT_attacker_dicecap, COMBAT_defender_dicecap;

// ---- rolls: who is -1 the player or a creature number ----
int combat_endurance(int who);
int combat_dexterity(int who);
int combat_agility(int who);
int FumbleRoll(int who, int dice, int hands);
int StumbleRoll(int who, int dice, int tell);
int ShockRoll(int who, int dice, int tell);
int KillRoll(int who, int dice);
// Every fumble, stumble, shock, kill and amputation roll since the trace was cleared, one line each
// ("kill 4d6: 15 against 12, died"); the headless wound tool prints it.
enum { COMBAT_ROLLTRACE_SIZE = 1024 };
extern char COMBAT_rolltrace[COMBAT_ROLLTRACE_SIZE];
void combat_rolltrace_clear();
int AmputationRoll(int who, int dice);
int Pyorry(int who);                            // 1: fainted
void FallProne(int who, int how);               // how 1 a stumble
void PudotaKasista(int who, int hands);         // 0 both, 1 hand 1, 2 hand 2
int MOVEDODGE_kaytossa(int who);                // 0, 1 in place, 2 while moving
void WeaponDamageRoll(int attacker, int aHand, int damageType, int contact, int defender, int dHand);
const char *zonepenalty_kuvaus(int difficulty);
// A sound of the fight, played only when the player takes part (ATTACKER or DEFENDER -1) and her
// notes are on, then a wait of `delay` milliseconds.
void taistelu_sample(const char *name, int delay);
