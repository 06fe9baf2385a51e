// src/activities/fieldwork.h -- field work on a local map: preparing burnt ground with a shovel and
// sowing seeds, grains or pods into the prepared soil.
#pragma once

int AGRICULTURE_prepare_soil();    // at the player's square; 1 when the soil was prepared
int AGRICULTURE_plant();           // at the player's square; 1 when something was sown

// The rules by number.
enum { SOW_TOO_LATE = -1 };
// Whether a plant sprouting in month `sprout` and withering in month `wither` can be sown on day
// `day` of month `month`: 0 yes, the days still to wait, or SOW_TOO_LATE.
int kylvopaivia_jaljella(int sprout, int wither, int month, int day);
// The refusal for soil frost `frost` (1 frozen, 2 frosty; maapera_roudassa) in month `month`, when
// preparing (sowing false) or sowing; null when the soil allows it.
const char *routa_este(int frost, int month, bool sowing);
// The plants one sowing gives for a skill roll of 0 to 3, `per_sowing` plants at best.
int kylvetyt_kasvit(int roll, int per_sowing);
