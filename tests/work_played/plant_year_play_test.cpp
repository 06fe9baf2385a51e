// tests/activities/plant_year_play_test.cpp -- the ready-made character's June: a resting patch of
// sorrel beside her wakes in the daily upkeep, and when she steps onto it she reads the patch and
// when it will be ripe. In Vilho's January the ground he would dig with a shovel is frozen.
#include "core/loader_fixture.h"
#include "../items/row_letters.h"

#include "items/herbarium.h"
#include "items/plantlife.h"
#include "core/datafunc.h"
#include "core/maintenance.h"
#include "game/clockupkeep.h"
#include "core/creatures.h"
#include "maps/squareevents.h"
#include "maps/area.h"
#include "maps/mapunit.h"

namespace {

const SDL_Keycode KEYPAD[3][3] = {{SDLK_KP_7, SDLK_KP_4, SDLK_KP_1},
                                  {SDLK_KP_8, SDLK_KP_5, SDLK_KP_2},
                                  {SDLK_KP_9, SDLK_KP_6, SDLK_KP_3}};

class AinoPlants : public oxatest::PlayingTest {
protected:
    // Every animal sent away: one coming into sight would break off what she does.
    static void animals_away() {
        for (DataStruct &d : Data) {
            if (d.type != DT_CREATURE || d.id < (uint32_t)CRE_DATAID || d.id >= (uint32_t)(CRE_DATAID + CRE_COUNT)) continue;
            CreatureStruct &c = Cre[d.id - CRE_DATAID];
            if (c.kind == CK_HUMAN) continue;
            c.kind = CK_NONE;
            d.type = 0;
        }
    }
    static int row_named(const char *name) {
        for (int r = 1; r < CONSTANTOBJ_ROWS; r++)
            if (ConstantObj[r].type == IT_PLANT && !strcmp(ConstantObj[r].name, name)) return r;
        return -1;
    }
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
};

TEST_F(AinoPlants, SheFindsTheSorrelGrowing) {
    ASSERT_EQ(Plr.month, 6);
    animals_away();
    const int sorrel = row_named("Sorrel");
    ASSERT_GT(sorrel, 0);
    // She knows sorrel when she sees it (whether her herb lore began with it is a roll of her making).
    const int known = KasvioPos(ConstantObj[sorrel]);
    ASSERT_GE(known, 0);
    HerbloreKasvio[known].mark = 1;
    int dx = 0, dy = 0;
    for (int k = 0; k < 8 && !dx && !dy; k++) {
        const int tx = k % 3 - 1, ty = k / 3 - 1;
        if ((tx || ty) && itemcount(PlayerX + tx, PlayerY + ty) == 0 &&
            !terrain_flag(get_mapchar(PlayerX + tx, PlayerY + ty), TF_BLOCKS | TF_WATER | TF_TREE | TF_FENCE | TF_MIRE))
            dx = tx, dy = ty;
    }
    ASSERT_TRUE(dx || dy) << "a free square beside her";
    const int pos = set_data(DT_PLANT_DORMANT, PlayerX + dx, PlayerY + dy, sorrel, 3);
    ASSERT_GE(pos, 0);

    daily_maintenance();   // June is past the sorrel's sprouting month: it wakes
    EXPECT_EQ(Data[pos].type, DT_PLANT);
    daily_maintenance();   // and counts its days to ripen
    EXPECT_EQ(Data[pos].flags, PLANT_GROWING);
    EXPECT_GT(Data[pos].ready_day, Plr.daynumber);

    oxatest::KeyFeeder typing;
    typing.key(KEYPAD[dx + 1][dy + 1], KMOD_CTRL);
    int r;
    typing.typed([&] { return turn_pass(&r); });
    ASSERT_EQ(PlayerX * 1000 + PlayerY, (int)Data[pos].x * 1000 + Data[pos].y) << "she stands on the patch";
    EXPECT_TRUE(noted("growing patch of 3")) << notes();
    EXPECT_TRUE(noted("will be ripe in")) << notes();
}

class VilhoShovel : public oxatest::VilhoInCampTest {};

TEST_F(VilhoShovel, HisShovelMeetsFrozenGround) {
    oxatest::step_away_from_creatures();
    int shovel = -1;
    for (int r = 1; r < CONSTANTOBJ_ROWS && shovel < 0; r++)
        if (!strcmp(ConstantObj[r].name, "Shovel")) shovel = r;
    ASSERT_GT(shovel, 0);
    int slot = 0;
    while (slot < PLR_OVERLOAD_SLOT && Plr.inv_count[slot] > 0) slot++;
    ASSERT_LT(slot, (int)PLR_OVERLOAD_SLOT);
    Plr.inv_obj[slot] = Esineesta_Uniikki(ConstantObj[shovel]);
    Plr.inv_count[slot] = 1;
    ASSERT_EQ(maapera_roudassa(0), 1) << "the last two weeks of his winter";
    command({SDLK_a, oxatest::carried_letter("Shovel", invmask(IT_TOOL, IT_CONTAINER)), SDLK_SPACE});
    EXPECT_NE(log().find("The ground is frozen and impossible to dig!"), std::string::npos) << log();
}

}  // namespace
