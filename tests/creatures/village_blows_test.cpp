// A blow of hers at a village's beast is the village's matter: the village whose land it is counts it.
#include "village_fixture.h"

#include "creatures/decisions.h"

namespace {

class VillageBlows : public VillageTest {};

TEST_F(VillageBlows, HerBlowAtAVillagesBeastIsCountedByTheVillageOfTheLand) {
    struct Case { const char *what; int species; bool hers; int counted; };
    const Case cases[] = {
        {"a village's reindeer with no keeper of record", 619, false, 1},
        {"her own reindeer", 619, true, 0},
        {"a wild wolf", 611, false, 0},
    };
    for (const Case &c : cases) {
        GetGlobVil(SOC);
        globVil.violence1 = 0;
        globVil.violence = 0;
        SaveGlobVil();
        animal(3, PlayerX + 1, PlayerY, c.species, 90.0f);
        if (c.species == 611) Cre[3].kind = 3;
        if (c.hers) Cre[3].owner = CRE_PLAYER;
        NPC_moraalitarkistus_haavoitus(3, -1, 1);
        GetGlobVil(SOC);
        EXPECT_EQ(globVil.violence1, c.counted) << c.what;
        EXPECT_EQ(Cre[3].enemy, -1) << c.what;
    }
}

}  // namespace
