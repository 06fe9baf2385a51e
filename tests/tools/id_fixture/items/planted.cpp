// A rule file planted for the id check: each line that names an id again or compares one bare is
// found on its own line; the lines between them pass.
#include "core/obj_func.h"
enum { OID_FOXTRAP = 800, ROLE_FUR_TRADER = 5 };
enum { CLASS_FURS = 412, REQ_FREETEXT = 1001, SPECIES_CODES = 1000 };
bool fish(const ItemStruct &it) { return it.id == 490 || it.id == OID_RAWFISH || it.id == 0; }
bool dog(const CreatureStruct &c) { return c.speciescode != 618 && c.speciescode != 0; }
constexpr int SP_BEAR = 605, KEEP_DAYS = 90;
int calf(unsigned sp, int s) { return sp == 606 || s == SPECIES_BEAR; }
