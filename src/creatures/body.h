// src/creatures/body.h -- the body of the player and of the creatures as the clock, the turn loop
// and the timed-task loop drive it: fatigue and body ticks, exertion, wounds, condition and healing.
#pragma once

enum { DEATH_STARVATION = -101, DEATH_FROSTBITE = -107 };

void FatigueTick(int who, int amount);     // -1 the player; 1 per minute step, 6 per six-second step
void PhysicalTick(int who, int minutes);   // energy, hunger, thirst, body temperature
void AsetaPonnistelu(int who, int level);  // exertion level 1..10 for this turn
const char *effortdesc(int level);         // the name of an exertion level
// The player's swimming fatigue: a float of the character file, raised while she swims and
// resting away on land.
enum { PLR_SWIM_FATIGUE = 5684 };
float swim_fatigue();
void set_swim_fatigue(float f);
// The body's minutes: in the water the swimming fatigue grows with the effort, out of it it eases.
void swim_fatigue_tick(int minutes);
void Alusta_Ponnisteluanalyysi();
void Kerro_Ponnisteluanalyysi();
void Haavatarkistukset(int mode);          // wound checks of the player; death sets REAL_QUIT -1
void Condition_Check(int mode);
void PlayerUnconscious();                  // the fainted player lies until conscious
void HealingRolls();
void Aseta_Etulyontiasema(int who);        // -1000 clears the forward combat stance
void plr_set_deathcause(int cause);
// Inflicts a wound on the player (-1) or a creature: damage type, impact, body part, side and the
// attacker (a creature, -1 the player, or a cause code below -1).
void HAAVOITA(int victim, int damageType, int impact, int part, int side, int attacker);
enum { WOUND_BURN = 5 };
float plr_fatigue();                       // 0.0 rested .. 100.0 exhausted
int plr_tiredness();                       // above 2000 the player needs sleep
int plr_injury_total();
void clear_noises();                       // the world's and the player's noise of the last turn

// ---- warmth ----
// One entry of the body table, per body part 0-16; rebuilt by every temperature check.
struct KehoStruct {
    int comfort_limit;
    int frostbite_limit;
    int insulation;
    int felt_limit;
    int cold_excess;
    int frost_level;           // in the low byte
};
enum { KEHO_PARTS = 17 };
extern KehoStruct keho[KEHO_PARTS];
void LampotilaTarkastus();       // the felt temperature, the body temperature's change, frostbite
void weather_notes_reset();    // per-game: the warmth said last and the hour of the frostbite check
