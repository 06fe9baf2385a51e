// src/creatures/melee.h -- one exchange of blows between an attacker and a defender, the choice of
// attack and defence, the tactical advantage, the death blow and the player's combat commands.
#pragma once
#include <cstdint>

#include "creatures/combat.h"
#include "items/items.h"

struct StrikeRecord {
    int32_t x, y;
    int32_t mode;              // 1 melee, 3 missile; a defence: 10 block .. 15 ignore
    ItemStruct weapon;
    int32_t launcher;
    int32_t movedodge;
    int32_t bowflag;
    int32_t hand;              // 0 unarmed or a natural attack
    int32_t impact;
    int32_t deathblow;         // 0 none, 1 death blow, 2 butchering
    int32_t impactcap;
    int32_t dicecap;
    int32_t aimdiff;           // 0 none .. 3 very difficult
    int32_t aspect;            // 0 blunt, 1 edge, 2 point
    int32_t dtype;
    int32_t zone;
    int32_t part;
    int32_t side;
    uint8_t cls;               // attack class of a strike, defence class of a block or dodge
    int32_t hand2;
    int32_t ml;
    char skill[100];
    char noun[100];
    char key[100];
    char partname[100];
};

extern StrikeRecord StrikeData, AttackerStrike, DefenderStrike;
extern int TACTICAL_ADVANTAGE;         // -1000 none, -1 cancel, else the creature that acts alone
extern int LAST_TACTICAL_ADVANTAGE;    // the last holder of TACTICAL_ADVANTAGE
extern int COMBATREPEAT_ATTACKCOMMAND, COMBATREPEAT_ASPECT, COMBATREPEAT_ZONE, COMBATREPEAT_DEATHBLOW;
extern int combat_repeat_option;
// The outcome and success levels of the last exchange.
extern AttackOutcome COMBAT_outcome;
extern int COMBAT_alevel, COMBAT_dlevel;

int Taistelu_TAPAHTUMA(int attacker, int weapon, int hand, int defender, int launcher);
int Taistelu_HYOKKAYS(int attacker, int weapon, int hand, int defender, int launcher);
void Taistelu_PUOLUSTUS(int defender);
void Kerro_Etulyontiasema();
int ARMONISKU(int attacker, int target);
const char *ArmoniskuTekstilisa(int kind);
int MELEEHYOKKAYS_pelaaja(int command);
int Taistelu_LIIKE(int c, int pos);
int Taistelu_ISKU(int c, int pos);
void Taistelu_OHI(int c);
// What a weapon's one-hand penalty costs creature (-1 the player) now: nothing when it is held in
// both hands, and when one arm is hurt the penalty stands (told to the player when verbose).
int wp_handpenalty(int creature, const ItemStruct &item, int verbose);
