// src/creatures/zoomservices.h -- what the move between map levels asks of the creatures: who follows
// the player, who is tied or on a leash, who can reach the player, and the society goods the player
// holds; and the people of the local map. Companions, pets, leashes and posts are the creature record's
// own (predicates.h); the follow mark, the player's dogs and the led mark live in control bytes beside
// the creature table.
#pragma once
#include <cstdint>

#include "core/creatures.h"
#include "creatures/people.h"
#include "items/ownership.h"

enum {
    CTRL_PLAYERS_DOG = 1,          // control byte: one of the player's dogs
    CTRL_FOLLOW = 8,               // follows the player to the next map
};
enum {
    CTRL2_LED = 2,                 // second control byte: led by the player
};

// The creature slot a creature record's id names (id - 1000), or -1 when it names no slot.
// (inline: the creatures' pass asks it of every record it walks)
inline int creature_slot_of(uint32_t id) {
    if (id < (uint32_t)CRE_DATAID) return -1;
    const uint32_t slot = id - CRE_DATAID;
    return slot < (uint32_t)CRE_COUNT ? (int)slot : -1;
}

uint8_t &cre_control(int c);       // the control byte of a slot; a slot out of range reads a spare
uint8_t &cre_control2(int c);
int onko_NPC_lieassa(int c);       // on a leash
int canreachloc(int c, int x, int y);
void Taistelu_OHI(int c);          // its fight ends
void Poista_Olento(int c);         // removed from the map
void Poista_SotuOlento(unsigned s);  // the live creature of social id s removed from the map
// Moves creature c into the stored map of world cell x, y (its record written to the creature file,
// a creature record at 30,30 of that map); 0, the creature left where it is, when the cell has no
// stored map or that map has no free record.
int cr_teleport(int c, int x, int y);
int onko_NPC_haltija(int c);       // a spirit being
int onko_noiduttupaastetty(int c); // a released bewitched animal
void clear_zoomservices();         // every control byte cleared

// The people of a community on the local map (0 on the world map).
int zoomarea_socpopulation(int community);
// A villager's carcass at pool position n that lay two days or more is buried (taken away).
void bury_villager_datapos(int n);
