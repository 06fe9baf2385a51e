// The one header of the species, planted for the id check: it may name them.
enum { SPECIES_BEAR = 605, SPECIES_DOG = 618 };
inline bool is_dog(unsigned speciescode) { return speciescode == SPECIES_DOG; }
