// The work behind the action codes whose modules are still to come. Each answers "nothing done",
// but for the climbing roll of a step.
#include "activities/worklinks.h"

#include "core/harnrule.h"
#include "core/player.h"

// Until fire and branches land.
int SURVIVAL_branches() { return 0; }
int SURVIVAL_fire() { return 0; }
int SURVIVAL_icehole() { return 0; }
// Until field work lands.
int AGRICULTURE_jauhatus() { return 0; }
int AGRICULTURE_puinti(int, int, int, int) { return 0; }
int AGRICULTURE_korjuu() { return 0; }
int AGRICULTURE_prepare_soil() { return 0; }
int AGRICULTURE_plant() { return 0; }
// Until building work lands.
int branchRakenna(int, int) { return 0; }
// Until herb lore lands.
void Herblore() {}
// Until swimming lands.
int Swimming(int, int) { return 0; }
// Until climbing lands: a step onto a steep square or over a fence is one CLIMBING roll; with no
// square given (the skill list, the movement menu) there is nothing to choose from yet, and nothing
// is climbed.
int climb_it(int x, int y) {
    if (x == 0 && y == 0) return 0;
    const int level = plr_ML("CLIMBING");
    return SuccessRoll(0, level == 1000 ? 0 : level) >= SR_SUCCESS;
}
