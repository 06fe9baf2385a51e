#include "maps/korkeus_main.h"

// Stand in until the height maps land: the land is flat.
int get_isomaailmakorkeus(int, int) { return 0; }
int rel_korkeus(int, int, int, int) { return 0; }
