// tests/creatures/combat_fixture.h -- a running game for the fighting tests: the body fixture with
// the combat texts, a wolf, a hare and an armed person to fight.
#pragma once
#include "body_fixture.h"

#include "creatures/combat.h"
#include "items/weaponmat.h"

#include <string>

namespace oxatest {

class CombatTest : public BodyTest {
protected:
    void SetUp() override {
        BodyTest::SetUp();
        dir->copy_asset("messages/eng_combat.txt");
        MSG_forget_index();
        COMBAT_attacker = COMBAT_defender = -1000;
        COMBAT_attacker_dicecap = COMBAT_defender_dicecap = MAXDICES(5);
        Aseta_Etulyontiasema(-1000);
        DISABLE_NOTES = 0;
        Plr.posture = 0;
        Plr.agility = 12;
        plr_bytes(2758)[0] = 12;
    }
    // A weapon definition: skill word, name, blunt, edge and point values, weights in pounds.
    static ItemStruct weapon(const char *skill, const char *name, int blunt, int edge, int point, float w) {
        ItemStruct it = thing(IT_WEAPON, name, 300, w);
        SET_ITEM_TEXT(it.skill, skill);
        it.fig[0] = (uint8_t)blunt, it.fig[1] = (uint8_t)edge, it.fig[2] = (uint8_t)point;
        return it;
    }
    // A person of the area holding the item in its hand.
    static CreatureStruct &armed(int c, const ItemStruct &it) {
        CreatureStruct &cr = beast(c, CK_HUMAN);
        cr.dexterity = cr.agility = 12;
        cr.wielded = Esineesta_Uniikki(it);
        return cr;
    }
};

}  // namespace oxatest
