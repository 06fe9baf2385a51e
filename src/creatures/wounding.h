// src/creatures/wounding.h -- a blow becomes a wound: armour, the wound table, the stored wound and
// its follow-up rolls; bleeding each creature tick, coming to, and the injury percentage.
#pragma once
#include <cstdint>

// Four damage groups of 19 body parts; a row holds four 5-character cells (group 3: three).
enum { ITABLE_ROWS = 76, ITABLE_WIDTH = 40, CAUSE_NO_HARM = -1001 };
// The player record's word of whom she fainted after: 0 none, -99 the blood she lost, else the harmer.
enum { PB_FAINTCAUSE = 5024 };
extern const char ITable[ITABLE_ROWS][ITABLE_WIDTH];
extern int WIZARD_nodamage;        // while set, nobody is wounded

struct WoundCell {
    uint8_t fumble, stumble, bleeding, kill, shock, amputation;
    int32_t level;             // 1..3; 0 when the cell has no colour letter
    int32_t injury;
};

int damage_group(int damageType);                      // 0 blunt, 1 edge and bite, 2 point, 3 fire and frost
int haava_column(int group, int effectiveImpact);
WoundCell HaavaSarake(int damageType, int effectiveImpact, int part);
// The attacker: a creature number, -1 the player, or a cause code below -1.
void HAAVOITA(int victim, int damageType, int impact, int part, int side, int attacker);
void AsetaHaava(int victim, int damageType, int level, int part, int side, int injury, int bleeding);
int CreArmour(int n, int part, int damageType);
int cre_natural_armour(int n, int part, int damageType);
