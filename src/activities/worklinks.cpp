// The work behind the action codes whose modules are still to come. Each answers "nothing done".
#include "activities/worklinks.h"

#include "core/harnrule.h"
#include "core/player.h"

// Until timbercraft lands.
int felltimber(int, int, int, int) { return 0; }
int TIMBERCRAFT_chop(int, int, int, int, int) { return 0; }
int TIMBERCRAFT_bark() { return 0; }
// Until field work lands.
int AGRICULTURE_jauhatus() { return 0; }
int AGRICULTURE_puinti(int, int, int, int) { return 0; }
int AGRICULTURE_korjuu() { return 0; }
int AGRICULTURE_prepare_soil() { return 0; }
int AGRICULTURE_plant() { return 0; }
// Until hide work lands.
int HIDEWORK_skinCmd() { return 0; }
int HIDEWORK_cure(int, int, int) { return 0; }
int HIDEWORK_pretan() { return 0; }
int HIDEWORK_karvo() { return 0; }
int HIDEWORK_puhdistus() { return 0; }
// Until butchery lands.
int BUTCHERY_cutCmd() { return 0; }
// Until building work lands.
int branchRakenna(int, int) { return 0; }
// Until herb lore lands.
void Herblore() {}
// Until timbercraft lands.
void TIMBERCRAFT() {}
