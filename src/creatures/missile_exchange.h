// src/creatures/missile_exchange.h -- what a missile changes in the exchange of blows.
#pragma once

// 1 when the exchange skips the defender's morale check: the creature hit by accident shares the
// community of the one aimed at.
extern int missile_skip_morale;

// Flies the missile of the attacker's strike at the defender. Answers 1 when a creature was hit
// (the defender then names the creature hit), 0 when the exchange ends with the flight.
int missile_exchange_flight(int attacker, int &defender);
// The defender's answer to a missile: a dodge on the move, or a shield that covers the part hit.
void missile_exchange_defence(int attacker, int defender, int &code, int &level);
// Where the missile ends after the blow: broken, stuck in the creature hit, or on the ground.
void missile_exchange_aftermath(int defender, int grade);
// A fighting creature with a bow in its hand: aims (a turn, a crossbow four), then shoots 1 time
// in 2; one that cannot see its foe closes in. 1 when its turn ended, 0 when it goes on to the
// ordinary approach and blow.
int Taistelu_Jousi(int c, int pos);
