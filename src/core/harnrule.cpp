#include "core/harnrule.h"

#include "base/ownlib.h"

int WIZARD_randomsuccess = 0;

// One percentile roll against the level less the penalty, held within 5..95. The stream is
// advanced a random 9..18 times and the last draw is the roll; a roll ending in 0 or 5 is critical.
int SuccessRoll(int penalty, int level) {
    if (WIZARD_randomsuccess == 3) return SR_CRITFAIL;
    if (WIZARD_randomsuccess == 4) return SR_CRITSUCCESS;
    if (WIZARD_randomsuccess != 0) return random(4);

    int draws = random(10) + 9;
    int target = level - penalty;
    if (target < 5) target = 5;
    if (target > 95) target = 95;
    int roll = 0;
    for (int i = 0; i < draws; i++) roll = random(100) + 1;
    bool critical = roll % 5 == 0;
    if (roll <= target) return critical ? SR_CRITSUCCESS : SR_SUCCESS;
    return critical ? SR_CRITFAIL : SR_FAIL;
}

int d6(int n) {
    int sum = 0;
    for (int i = 0; i < n; i++) sum += random(6) + 1;
    return sum;
}
