// src/quests/stories_int.h -- what the village stories' generators share: a bounded field
// writer, names of people, and the checks made before anyone is created.
#pragma once
#include <cstddef>
#include <cstdint>

#include "quests/questgen_int.h"

struct CreatureStruct;

namespace stories {

// A field filled by a bounded format.
void fieldf(char *dst, size_t size, const char *format, ...) __attribute__((format(printf, 3, 4)));

// A person's personal name, terminated, in `out` (17 bytes).
void personal_name(const CreatureStruct &c, char (&out)[17]);
// "%s, the %s": the personal name and the lower-cased name of the kind of person.
void titled_name(const CreatureStruct &c, char *out, size_t size);

// Another person of the giver's community for a side role: the picker's answer, never a person in
// `taken` (a list of creature numbers ended by -1000). -1000 when none.
int pick_side_person(const char *role, const CreatureStruct &giver, const int *taken);

// 1 when the stored local map of world cell x, y has a free record for one more creature. The map in
// the buffer `Zoom` is kept as it was.
int stored_map_has_room(int x, int y);
// Makes the stored local map of world cell x, y when there is none; 1 when it is there afterwards.
int stored_map_made(int x, int y);
// A new person of the creature file put on the stored map of world cell x, y; its social id, or 0 when
// it could not be placed (then the creature file is as it was).
unsigned new_person_placed(CreatureStruct &c, int x, int y);
// The person of social id s taken out of the creature file again (its record freed).
void unmake_person(unsigned s);
// Saves every record of the list (ended by nullptr); when one can't be written, the files of all of
// them are removed again and the answer is false.
bool save_all(QuestStruct *const *records);

}  // namespace stories
