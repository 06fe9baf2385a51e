#include "creatures/crefunc.h"

// Stand in until the creature tables land: no creature has an age or a weight.
int CreAgeInMonths(int) { return 0; }
float FullWeightLoad(int) { return 0.0f; }
// Until then every settlement counts as lived in, so that no save abandons one.
int Cre_home_people(int, int, int) { return 1; }
