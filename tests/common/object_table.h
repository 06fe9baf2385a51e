// tests/common/object_table.h -- the game's object table filled to the last record, for tests of what
// a work or an upkeep does when no object can be stored.
#pragma once
#include <vector>

#include "core/obj_func.h"

namespace oxatest {

// Every free record of the object table taken by village goods, which the maintenance keeps; the
// records taken, to be freed again.
inline std::vector<int> fill_object_table() {
    std::vector<int> filled;
    for (int i = 0; i < PLAYEROBJ_COUNT; i++)
        if (PlayerObj[i].type == 0) {
            PlayerObj[i].type = 7, PlayerObj[i].name[0] = 'x', PlayerObj[i].ownersoc = 3;
            filled.push_back(i);
        }
    return filled;
}
inline void free_objects(const std::vector<int> &filled) {
    for (int i : filled) PlayerObj[i] = ItemStruct{};
}

}  // namespace oxatest
