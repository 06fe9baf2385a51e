#include "activities/activities.h"

// Stand in until the activities land: no herb lore, skill bank, magic means or traps.
int HERBLORE_save() { return 1; }
void aseta_unid() {}
void opi_taikakeino(int, int) {}
void AnsaHoukutus() {}
