// Stands in until wielding and wearing land: nothing worn, nothing in hand.
#include "items/objunit.h"

int PlrArmour(int, int) { return 0; }
int getwieldedItempos(int, int) { return 0; }
int onko_KILPI(const ItemStruct &) { return 0; }
