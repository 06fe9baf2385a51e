// src/creatures/creation.h -- making a creature from its species or role code (500..702).
#pragma once

enum { CULT_TAGS_SIZE = 1024 };

extern int Kulttuuri;                 // culture of the creature being made
extern char Kulttuurilainen[40];      // its adjective, upper-case first letter ("wandering": none known)
extern int FLEXIBLE_BIRTH;            // set: Luo_Olento keeps the caller's Kulttuuri
extern int FLEXIBLE_ANIMAL_BIRTH;     // set: Luo_Olento keeps AnimalTags
extern char AnimalTags[CULT_TAGS_SIZE];
extern char cultGAMEtags[CULT_TAGS_SIZE];
extern char cultPELTtags[CULT_TAGS_SIZE];
extern char cultDOMESTICtags[CULT_TAGS_SIZE];

// Builds creature code into Creature; answers the food reserve it got.
int Luo_Olento(int code);
// Finishes Creature: the individual's weight, home mode and food reserve.
void Viimeistele_Olento();
