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
