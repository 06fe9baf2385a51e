#include "screens/creation.h"

#include <cstdio>
#include <cstring>

#include "core/ownlib.h"
#include "core/records.h"
#include "items/items.h"

// Stands in until character creation lands: the definitions are the ones the character folder
// holds, taken only when "CONSTANT.OBJ" is whole.
void create_objects(const char *) {
    char path[1100];
    snprintf(path, sizeof path, "%s/CONSTANT.OBJ", CharacterPath);
    if (!read_exact(path, ConstantObj, sizeof ConstantObj)) memset(ConstantObj, 0, sizeof ConstantObj);
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
