// Aino fights as a player does: '1', a direction and her menus strike the hare lying beside her with
// her knife; it dies into a carcass on its square and her folder's kill log grows by one record.
#include "core/loader_fixture.h"
#include "game/worldpass.h"
#include "creatures/beside_her.h"

#include <sys/stat.h>

#include "../presentation/input_feeder.h"

#include "game/command.h"
#include "core/datafunc.h"
#include "core/obj_func.h"
#include "creatures/creation.h"
#include "core/creatures.h"
#include "creatures/death.h"
#include "creatures/melee.h"
#include "presentation/hyper.h"
#include "items/wearing.h"
#include "presentation/notes.h"
#include "core/tekstit.h"
#include "core/harnrule.h"
#include "game/turnloop.h"
#include "game/loader.h"
#include "worldgen/worldgen.h"

namespace {

class FightGame : public oxatest::PlayingTest {
protected:
    long log_size() const {
        struct stat st;
        return stat(path("KILL.LOG").c_str(), &st) == 0 ? (long)st.st_size : 0;
    }
    // A hare of the templates lying stunned on the square east of her, in a free slot.
    int stunned_hare() {
        const int slot = oxatest::creature_east_of_her(620);
        Cre[slot].posture = 4;
        return slot;
    }
};

TEST_F(FightGame, HerKnifeKillsTheHareIntoACarcassAndOneLoggedRecord) {
    // She steps from the wilderness map onto the local map she stands in.
    EnterLocale(0, 0);
    ASSERT_EQ(GetMappie(0), 1);
    ASSERT_STREQ(Plr.mapname, "ZOOMMAP");
    oxatest::knife_in_her_hand();
    const int knife = getwieldedItempos(CRE_PLAYER, 1);
    ASSERT_NE(knife, 0) << "she holds her knife";
    for (int c = 0; c < CRE_COUNT; c++)
        if (Cre[c].kind != CK_NONE && Cre[c].mode != CM_CARCASS) Cre[c].enemy = CRE_NONE, Cre[c].mode = 3;
    const int hare = stunned_hare();
    const long before = log_size();
    const unsigned hares_before = Tappolista[620];
    WIZARD_randomsuccess = 4;   // every roll superior
    // Her knife's edge at the neck: the menus ask the aspect only when more than one can strike.
    const ItemStruct k = ObjToItem(knife);
    int usable = 0;
    for (int i = 0; i < 3; i++) usable += k.fig[i] < 200;
    ASSERT_LT(k.fig[1], 200) << "a knife has an edge";
    {
        oxatest::KeyFeeder f;
        f.key(SDLK_RIGHT);
        if (usable > 1) f.key(SDLK_e);
        f.key(SDLK_n);
        TYPED((command_dispatch('1', 0, 0), 0));
    }
    EXPECT_EQ(AttackerStrike.deathblow, 1);
    EXPECT_EQ(AttackerStrike.zone, 3);
    // '3' repeats the blow, asking only where; between her blows the creatures take their turn, and
    // the hare's wounds tell on it.
    for (int blow = 0; blow < 20 && Cre[hare].mode != CM_CARCASS; blow++) {
        CreatureMove();
        if (Cre[hare].mode == CM_CARCASS) break;
        Cre[hare].posture = 4;   // it stays stunned where it lies
        Cre[hare].mode = 3;
        oxatest::KeyFeeder f;
        f.key(SDLK_RIGHT);
        TYPED((command_dispatch('3', 0, 0), 0));
        EXPECT_STREQ(AttackerStrike.key, "EDGE");
    }
    CreatureMove();
    WIZARD_randomsuccess = 0;
    ASSERT_EQ(Cre[hare].mode, CM_CARCASS) << "the blow at the neck of a stunned hare kills it: " << (int)k.fig[0]
                                          << "/" << (int)k.fig[1] << "/" << (int)k.fig[2] << " grade "
                                          << (int)COMBAT_outcome.attacker_grade << " impact "
                                          << AttackerStrike.impact << " injury " << (int)Cre[hare].injury;
    EXPECT_EQ(log_size(), before + 1384);
    EXPECT_EQ(Tappolista[620], hares_before + 1) << "the kill counts among hers, by its kind";
    int carcass = -1;
    for (int i = 0; i < DATA_MAX; i++)
        if (Data[i].type == DT_CARCASS && Data[i].id == (uint32_t)(CRE_DATAID + hare)) carcass = i;
    ASSERT_GE(carcass, 0);
    EXPECT_EQ(Data[carcass].x, PlayerX + 1);
    EXPECT_EQ(Data[carcass].y, PlayerY);
}

// A wolf she sees beside her bites at her: her defence menu comes up, and F1 over its heading and over
// each manoeuvre opens that one's page in the encyclopedia.
TEST_F(FightGame, F1InHerDefenceMenuOpensThePageOfTheManoeuvre) {
    dir->copy_asset("GAME.NFO");
    get_topics();
    EnterLocale(0, 0);
    oxatest::knife_in_her_hand();
    ASSERT_NE(getwieldedItempos(CRE_PLAYER, 1), 0);
    command({SDLK_PERIOD});   // a turn passes: she looks about her
    static std::string opened;
    void (*const shown)(const char *) = ui.screens.game_info;
    ui.screens.game_info = [](const char *topic) { opened = topic; };
    WIZARD_randomsuccess = 4;   // every roll superior: her dodge takes every bite aside
    const struct {
        int downs;
        const char *topic;
    } rows[] = {{0, "DEFENSE MANEUVER"}, {1, "DODGE"}, {2, "BLOCK"}, {3, "COUNTERSTRIKE"}, {4, "DEFENSE MANEUVER"}};
    const int wolf = oxatest::creature_east_of_her(611);
    for (const auto &r : rows) {
        opened.clear();
        oxatest::KeyFeeder f;
        for (int d = 0; d < r.downs; d++) f.key(SDLK_DOWN);
        f.key(SDLK_F1).key(SDLK_d);
        EXPECT_EQ(TYPED(Taistelu_TAPAHTUMA(wolf, 0, 0, 1000, 0)), 1);   // its bite, as its combat turn strikes
        EXPECT_EQ(opened, r.topic) << r.downs << " down";
        EXPECT_EQ(DefenderStrike.mode, DEF_DODGE) << "then she dodged";
        EXPECT_EQ(Plr.posture, 0);
    }
    WIZARD_randomsuccess = 0;
    ui.screens.game_info = shown;
}

}  // namespace
