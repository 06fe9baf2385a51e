// src/creatures/creation.h -- making a creature from its species or role code (500..702).
#pragma once
#include <cstdint>

struct CreatureStruct;

enum { CULT_TAGS_SIZE = 1024, KOHTAAMIS_ROWS = 28 };

extern int Kulttuuri;                 // culture of the creature being made
extern char Kulttuurilainen[40];      // its adjective, upper-case first letter ("wandering": none known)
extern int FLEXIBLE_BIRTH;            // set: Luo_Olento keeps the caller's Kulttuuri
extern int FLEXIBLE_ANIMAL_BIRTH;     // set: Luo_Olento keeps AnimalTags
extern char AnimalTags[CULT_TAGS_SIZE];   // "[male]", "[female]", "[young]"
extern char cultGAMEtags[CULT_TAGS_SIZE];
extern char cultPELTtags[CULT_TAGS_SIZE];
extern char cultDOMESTICtags[CULT_TAGS_SIZE];
// The encounter table: species code and its chance in terrain classes 1, 2 and 3.
extern const uint32_t Kohtaamistaulukko[KOHTAAMIS_ROWS][4];
extern int edellinen_kohtaaminen;     // species of the previous encounter

// Builds creature code into Creature; answers the food reserve it got.
int Luo_Olento(int code);
// Finishes Creature: the individual's weight, home mode and food reserve.
void Viimeistele_Olento();
// A person of the given culture (and community, when above 0), into out.
void synnyta_IHMISOLENTO(CreatureStruct &out, int code, int culture, int community);
// An animal shaped by tags (none: empty), into out.
void Luo_ElainOlento(CreatureStruct &out, int code, const char *tags);
// The body every person and every spirit starts from; culture -1 is Kulttuuri.
void Luorunko_Ihminen(int culture);
void Luorunko_Haltija();
// The species code of a wilderness encounter at world cell x, y; 0 when nothing fits.
// Filter 1 takes only the big predators, 2 no people, 3 only birds.
int Arvo_Olento(int terrain, int x, int y, int filter);
// The three spirits built into Creature over the body every spirit starts from; Luo_Olento(700, 701,
// 702) runs them with the culture chosen, the record cleared first and the individual finished.
void Synnyta_Metsanneito();
void Synnyta_Vedenhaltija();
void Synnyta_Metsanhaltija();
