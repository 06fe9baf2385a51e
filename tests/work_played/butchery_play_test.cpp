// tests/activities/butchery_play_test.cpp -- played: a hare lies dead beside Aino; she skins it through
// "s" HIDEWORKING, then cuts it up with "b" into meat, fat and bones.
#include <string>

#include "core/loader_fixture.h"

#include "core/obj_func.h"
#include "core/player.h"
#include "core/creatures.h"
#include "creatures/creation.h"
#include "creatures/crefile.h"
#include "creatures/crestep.h"
#include "items/invlist.h"
#include "maps/maps.h"
#include "maps/sight.h"

namespace {

class AinoButchery : public oxatest::PlayingTest {
protected:
    static int carried(const char *part) {
        int n = 0;
        for (int s = 0; s < PLR_SLOTS; s++) {
            if (!Plr.inv_obj[s]) continue;
            char name[41];
            if (std::string(item_name(ObjToItem(Plr.inv_obj[s]), name)).find(part) != std::string::npos)
                n += Plr.inv_count[s];
        }
        return n;
    }
    static int lying(int x, int y, const char *part) {
        int n = 0;
        for (const DataStruct &d : Data) {
            if (d.type != DT_ITEM || d.x != x || d.y != y) continue;
            char name[41];
            if (std::string(item_name(ObjToItem((int)d.id), name)).find(part) != std::string::npos) n += d.count;
        }
        return n;
    }
    static void type(const std::string &keys) {
        oxatest::KeyFeeder typing;
        for (char k : keys) typing.key((SDL_Keycode)k, 0);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
};

TEST_F(AinoButchery, SheSkinsAHareAndCutsItUp) {
    command({SDLK_RETURN});
    command({SDLK_PERIOD});   // the next pass makes the local map
    ASSERT_FALSE(bigmap());
    // The animals of her field go elsewhere: one coming into sight would break off the work.
    for (DataStruct &d : Data)
        if (d.type == DT_CREATURE && d.id >= CRE_DATAID && d.id < CRE_DATAID + CRE_COUNT &&
            Cre[d.id - CRE_DATAID].kind != CK_HUMAN) {
            Cre[d.id - CRE_DATAID].kind = CK_NONE;
            d.type = 0;
        }
    int slot = -1;
    for (int s = 0; s < PLR_SKILLS && slot < 0; s++)
        if (strncmp(Plr.skill_name[s], "HIDEWORKING", PLR_SKILLNAME) == 0) slot = s;
    ASSERT_GE(slot, 0) << "she knows hide work";

    // A hare killed beside her.
    int hx = 0, hy = 0;
    for (int k = 0; k < 8 && !hx; k++) {
        static const int dx[] = {1, -1, 0, 0, 1, -1, 1, -1}, dy[] = {0, 0, 1, -1, 1, 1, -1, -1};
        const int x = PlayerX + dx[k], y = PlayerY + dy[k];
        if (crestep_free_square(x, y) && See(x, y)) hx = x, hy = y;
    }
    ASSERT_NE(hx, 0) << "room beside her";
    Luo_Olento(600);
    CreatureStruct made = Creature;
    made.weight = 8.0f;
    const int id = new_creature_to_DATA(made);
    ASSERT_NE(id, CRE_NONE);
    const int hare = id - CRE_DATAID;
    set_data(DT_CREATURE, hx, hy, id, 1);
    KillCreature(hare, 0);
    ASSERT_EQ(Cre[hare].mode, CM_CARCASS);
    ASSERT_EQ(Cre[hare].fur, 1) << "a hare wears a fur";

    // With the butcher's question switched on, "b" on a hare still to be skinned asks first; she
    // answers no and nothing is cut.
    const std::string ini = dir->exists("oxa_ini.txt") ? dir->read_file("oxa_ini.txt") : "";
    dir->write_file("oxa_ini.txt", "[BUTCHER_CONFIRMATION:YES]\n" + ini);
    type("b n");
    EXPECT_NE(notes().find("If you cut the carcass completely now it can't be skinned afterwards."), std::string::npos)
        << notes();
    EXPECT_EQ(carried("hare cut"), 0);
    ASSERT_EQ(Cre[hare].mode, CM_CARCASS);

    // "s", the hide-work skill, "S" skin an animal; the knife in her hand will do.
    type("s" + skill_keys(slot) + "S ");
    EXPECT_TRUE(is_carcass_skinned(Cre[hare])) << notes();
    EXPECT_EQ(carried("hare-skin"), 1) << notes();

    // "b" cuts the skinned hare into meat and fat and leaves its bones.
    type("b ");
    EXPECT_NE(notes().find("You start to cut the hare carcass..."), std::string::npos) << notes();
    EXPECT_GT(carried("hare cut"), 0) << notes();
    EXPECT_EQ(carried("hare fat"), 1) << notes();
    EXPECT_EQ(lying(hx, hy, "bone"), 4) << "the long bones stay where it lay";
    for (const DataStruct &d : Data) EXPECT_FALSE(d.type == DT_CARCASS && d.id == (uint32_t)id) << "the carcass is gone";
}

}  // namespace
