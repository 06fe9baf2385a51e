#include "society/village.h"

// Stand in until the village societies land: no village is cached, made or kept up.
int SaveGlobVil() { return 1; }
void clrGlobVil() {}
void createsocarea(int, int, int) {}
void socmaint(int, int) {}
void kyla_maintenance(int, int) {}
void field_maintenance(int, int) {}
// Stands in until the village societies land: no society is known to have people.
int socpopulation(int) { return 0; }
