// A person of the area with raw meat in its pack roasts it by a fire, through its own activity
// step in Aino's loaded game: the raw pieces leave the pack and as many roasted ones take their place.
#include "activities/puuharun.h"
#include "core/loader_fixture.h"

#include <cstring>
#include <string>

#include "beside_her.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "core/player.h"
#include "game/turnloop.h"
#include "creatures/puuha.h"
#include "presentation/input_feeder.h"

namespace {

class PeopleRoast : public oxatest::PlayingTest {
protected:
    static std::string name_of(int obj) {
        const ItemStruct it = ObjToItem(obj);
        return std::string(it.name, strnlen(it.name, sizeof it.name));
    }
};

}  // namespace

TEST_F(PeopleRoast, APersonRoastsTheRawMeatOfItsPackByAFire) {
    command({SDLK_RETURN});
    command({SDLK_PERIOD});
    ASSERT_FALSE(bigmap());
    // A copy of the elk cut from her pack goes into the pack of a person beside her.
    int meat = 0;
    for (int i = 0; i < PLAYEROBJ_COUNT && !meat; i++)
        if (std::string(PlayerObj[i].name, strnlen(PlayerObj[i].name, sizeof PlayerObj[i].name)) == "elk cut")
            meat = Esineesta_Uniikki(PlayerObj[i]);
    ASSERT_GT(meat, 0);
    const int s = oxatest::creature_east_of_her(500);
    CreatureStruct &c = Cre[s];
    memset(c.pack, 0, sizeof c.pack);
    memset(c.packcount, 0, sizeof c.packcount);
    c.pack[0] = meat;
    c.packcount[0] = 3;
    for (int i = 0; i < 10; i++) Keskeyta_Puuha(s, 0);
    ClearDTEMP();
    DTEMP.type = DT_FIRE;
    DTEMP.x = (uint16_t)(PlayerX + 2);
    DTEMP.y = (uint16_t)PlayerY;
    DTEMP.count = 600;
    SetDTEMP(-1);
    ASSERT_EQ(Lisaa_Puuha(s, 130, 100), 0);

    int dp = -1;
    for (int i = 0; i < DATA_MAX && dp < 0; i++)
        if (Data[i].type == DT_CREATURE && Data[i].id == (uint32_t)(CRE_DATAID + s)) dp = i;
    ASSERT_GE(dp, 0);
    // Its activity steps, one a tick: to the fire, the wait beside it, the roasting.
    int roasted = -1;
    for (int t = 0; t < 100 && roasted < 0; t++) {
        Tee_Puuha(dp);
        for (int k = 0; k < CRE_PACK; k++)
            if (c.pack[k] && c.packcount[k] && name_of(c.pack[k]).find("roast") != std::string::npos) roasted = k;
    }
    ASSERT_GE(roasted, 0) << "the meat was roasted";
    EXPECT_EQ(c.packcount[roasted], 3);
    for (int k = 0; k < CRE_PACK; k++) {
        if (!c.pack[k] || !c.packcount[k]) continue;
        EXPECT_NE(name_of(c.pack[k]), "elk cut") << "no raw piece is left";
    }
}
