#include "screens/creation.h"

#include <cstdio>
#include <cstring>

#include "base/ownlib.h"
#include "core/records.h"
#include "items/itemdefs.h"
#include "items/items.h"
#include "items/plants.h"

// The definitions of a character: the fixed catalogue, the plant names by language, then the plants.
void create_objects(const char *) {
    InitObjs();
    InitUnames();
    LuoKasvit();
    objdef_log_flush();
}

// Stands in until character creation lands: a new skill takes the first empty slot at level 0.
void GenSkill(int, const char *name) {
    for (int s = 0; s < PLR_SKILLS; s++)
        if (Plr.skill_name[s][0] == 0) {
            strncpy(Plr.skill_name[s], name, PLR_SKILLNAME - 1);
            Plr.skill_level[s] = 0;
            return;
        }
}

void saveportrait() {}
