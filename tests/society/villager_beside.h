// A villager brought to the player's side for a talk in the played tests.
#pragma once
#include <cstdint>

#include "core/datafunc.h"
#include "core/records.h"
#include "core/creatures.h"
#include "maps/facing.h"

namespace oxatest {

// A grown villager of the society, moved onto a free square beside her; -1 when none. `fits`, when
// given, chooses among them.
inline int villager_beside_her(int soc, bool (*fits)(const CreatureStruct &) = nullptr) {
    for (int n = 0; n < CRE_COUNT; n++) {
        CreatureStruct &c = Cre[n];
        if (c.kind != CK_HUMAN || c.community != (uint32_t)soc || c.mode == CM_CARCASS || c.role == 15) continue;
        if (fits && !fits(c)) continue;
        int dp = -1;
        for (int i = 0; i < DATA_MAX && dp < 0; i++)
            if (Data[i].type == DT_CREATURE && Data[i].id == (uint32_t)(CRE_DATAID + n)) dp = i;
        if (dp < 0) continue;
        for (int d = 0; d < 8; d++) {
            static const int dx[8] = {1, 1, 0, -1, -1, -1, 0, 1}, dy[8] = {0, 1, 1, 1, 0, -1, -1, -1};
            const int x = PlayerX + dx[d], y = PlayerY + dy[d];
            if (!entry_square_free(x, y)) continue;
            Data[dp].x = (uint16_t)x;
            Data[dp].y = (uint16_t)y;
            c.Viimeisin_X = x;
            c.Viimeisin_Y = y;
            c.mode = 3;
            c.enemy = CRE_NONE;
            return n;
        }
    }
    return -1;
}

}  // namespace oxatest
