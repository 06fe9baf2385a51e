// "ini_skills.txt", the skill table: every skill the game names is read for the player and for a
// creature with each selector. Whatever the file holds, a group is 0 to 2, a hot key is one byte and
// a level is the aptitude (at most 255) times a bounded number.
#include <cstring>

#include "common.h"
#include "core/records.h"
#include "core/creatures.h"
#include "core/skilldata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    oxafuzz::workdir();
    static const char *const names[] = {"DODGE", "KNIFE", "COOKERY", "WEATHERLORE", "SWIMMING", "HERBLORE",
                                        "RITUAL", "DAGGER", "SURVIVAL", "X", ""};
    memset(&Plr, 0, sizeof Plr);
    for (int off : {13, 2754, 2755, 2758, 2759, 2761, 2762, 2765, 2766, 2767, 2770, 2771})
        reinterpret_cast<uint8_t *>(&Plr)[off] = 18;
    Cre[1].culture = size ? data[0] : 0;
    Cre[1].strength = 200;
    const char *text = reinterpret_cast<const char *>(data);
    for (const char *name : names)
        for (int c : {-1, 1}) {
            unsigned apt = SkillDATA_text(text, (unsigned)size, c, name, SKD_APTITUDE);
            unsigned level = SkillDATA_text(text, (unsigned)size, c, name, SKD_LEVEL);
            unsigned group = SkillDATA_text(text, (unsigned)size, c, name, SKD_GROUP);
            unsigned key = SkillDATA_text(text, (unsigned)size, c, name, SKD_KEY);
            if (apt > 255) oxafuzz::fail("an aptitude above a byte");
            if (level > apt * 100000u) oxafuzz::fail("a level beyond the bounded culture number");
            if (group > 2) oxafuzz::fail("a group outside 0..2");
            if (key > 255) oxafuzz::fail("a hot key of more than a byte");
        }
    return 0;
}
