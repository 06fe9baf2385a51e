// Start scenarios: the ready-made Vilho begins in a camp with a weapon and three armour items, a start
// runs once, and a wounded start leaves the player alive on a local map.
#include "game/scenario.h"
#include "game/turnloop.h"

#include <string>
#include <vector>

#include "core/loader_fixture.h"
#include "core/player.h"
#include "maps/area.h"
#include "maps/mapunit.h"
#include "creatures/bodyrec.h"
#include "creatures/predicates.h"
#include "creatures/zoomservices.h"
#include "core/creatures.h"
#include "items/inventory.h"

namespace {

// The load the side panel last showed as carried, or -1 while it was not drawn.
float panel_load = -1.0f;
void (*panel_by)() = nullptr;
void panel_drawn() {
    panel_load = plr_get<float>(PB_LOAD);
    if (panel_by) panel_by();
}

class ScenarioTest : public oxatest::LoaderScreenTest {
protected:
    ScenarioTest() { vilho = true; }   // he is loaded and played
    // The character of the folder loaded as the outer loop loads a game.
    void load(const char *folder) {
        copy_bounded(CharacterFile, sizeof CharacterFile, folder);
        REAL_QUIT = loader();
        ASSERT_EQ(REAL_QUIT, 0);
        var_clear();
        LOADER_RUN = 0;
    }
    void first_turn() { first_pass(); }
    // A turn of rest; the notes of a map entered on the way may wait for keys.
    void rest_a_turn() {
        tap(SDLK_SPACE);
        tap(SDLK_SPACE);
        tap(SDLK_PERIOD);
        int r;
        ASSERT_EQ(turn_pass(&r), 1);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    static std::vector<std::string> pack() {
        std::vector<std::string> names;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s]) {
                char name[41];
                names.push_back(item_name(ObjToItem(Plr.inv_obj[s]), name));
            } else {
                names.push_back("");
            }
        while (!names.empty() && names.back().empty()) names.pop_back();
        return names;
    }
};

TEST_F(ScenarioTest, VilhoBeginsInACampWithHisWeaponAndThreeArmours) {
    game_save();   // a copy of the screen kept by the game before the load is not put back in his
    load("VILHO");
    EXPECT_EQ(GAME_SAVED, 0);
    // His first load showed the first-timer page and his story, which took the marker off his start.
    ASSERT_EQ(Plr.scenario, 2);
    EXPECT_NE(dir->read_file("VILHO/story.txt").find("NJERPEZ CAMP"), std::string::npos);
    const int x = PlayerX, y = PlayerY;
    ASSERT_NE(get_alltime_maailmachar(x, y), 30);
    panel_by = ui.panels.statistics;
    ui.panels.statistics = panel_drawn;
    panel_load = -1.0f;
    first_turn();
    ui.panels.statistics = panel_by;
    EXPECT_EQ(Plr.scenario, 0);
    EXPECT_EQ(get_alltime_maailmachar(x, y), 30) << "his world cell became a camp";
    EXPECT_FLOAT_EQ(panel_load, plr_get<float>(PB_LOAD)) << "the panel shows what his kit weighs before his first turn";
    // The bag before the knife went, and the knife that closed up into its slot was still looked at.
    EXPECT_EQ(pack(), (std::vector<std::string>{"Knife", "Linen shirt", "Woollen trousers", "Leather shoes"}));
    // He keeps them on: dressed for January, the knife in his hand to cut his way out.
    for (int s = 0; s < 4; s++) {
        const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        EXPECT_NE(it.status & (s == 0 ? ISTAT_PRIMARY : ISTAT_WORN), 0) << pack()[s];
    }

    // The start ran once: asked again, nothing more goes.
    start_scenario();
    EXPECT_EQ(pack().size(), 4u);
}

// The camp is the raiders': he comes to its edge unseen and walks off west, away from their kotas and
// storehouses. The camp and the forest round it are laid out anew at each start, the kotas and
// storehouses anywhere in its middle: his first start of a few whose warriors all lie beyond his sight
// and whose way west is open is played on.
TEST_F(ScenarioTest, VilhoCanSlipAwayFromTheRaidersCamp) {
    auto play = [](std::initializer_list<SDL_Keycode> keys) {
        oxatest::KeyFeeder typing;
        for (SDL_Keycode k : keys) typing.key(k);
        int r;
        typing.typed([&] { return turn_pass(&r); });
    };
    auto raiders = [] {
        std::vector<int> far;
        for (const DataStruct &d : Data) {
            const int c = d.type == DT_CREATURE ? creature_slot_of(d.id) : -1;
            if (c >= 0 && Cre[c].speciescode == 500)
                far.push_back(taisteleeko_NPC(c) ? -1 : koordinaattien_vali(d.x, d.y, PlayerX, PlayerY));
        }
        return far;
    };
    bool unseen = false;
    for (int start = 0; start < 12 && !unseen; start++) {
        if (start > 0) {   // his folder as the build wrote it, to start again
            ASSERT_EQ(system(("rm -rf " + dir->path() + "/VILHO").c_str()), 0);
            fixture.put(dir->path(), true);
            oxatest::reset_loader_tables();
        }
        load("VILHO");
        srand(20261208 + start);
        play({SDLK_SPACE, SDLK_PERIOD});                    // his start: the cell becomes the camp
        for (int i = 0; i < 3 && strcmp(Plr.mapname, "ZOOMMAP") == 0 && PlayerX < 0; i++) play({SDLK_SPACE, SDLK_PERIOD});
        ASSERT_STREQ(Plr.mapname, "ZOOMMAP") << "he is in the camp";
        const std::vector<int> at_start = raiders();
        ASSERT_FALSE(at_start.empty()) << "the warriors of the camp";
        unseen = true;
        for (int d : at_start) unseen &= d >= 15;   // none beside him, none fighting him
        for (int k = 1; k <= 6; k++) unseen &= !terrain_flag(get_mapchar(PlayerX - k, PlayerY), TF_BLOCKS);
    }
    ASSERT_TRUE(unseen) << "a camp whose warriors are all beyond his sight, the forest open to the west";
    const int x = PlayerX;
    while (PlayerDir != 4) play({SDLK_LEFT});   // he turns to face west, and walks
    for (int step = 0; step < 8; step++) play({SDLK_UP});
    EXPECT_LE(PlayerX, x - 4) << "he walked west\n" << dir->read_file("VILHO/msglog.txt");
    EXPECT_NE(REAL_QUIT, -1) << "alive";
    for (int d : raiders()) EXPECT_NE(d, -1) << "nobody is after him";
}

TEST_F(ScenarioTest, AWoundedStartKeepsLightArmourUpToTheThirdAndAKnife) {
    load("AINO");
    // A cap after her shirt, trousers and shoes is the third light piece: it goes, and so does
    // the second shirt after it.
    AddNewItem(object("Fur cap", 1), 1);
    AddNewItem(object("Linen shirt", 1), 1);
    Plr.scenario = 5;
    first_turn();
    EXPECT_EQ(Plr.scenario, 0);
    EXPECT_NE(REAL_QUIT, -1) << "wounded, but alive";
    EXPECT_STREQ(Plr.mapname, "ZOOMMAP") << "the start enters the local map";
    // Only armour is left, at most two light pieces of it, and the knife that was added.
    const std::vector<std::string> left = pack();
    ASSERT_GE(left.size(), 2u);
    EXPECT_EQ(left.back(), "Knife");
    int light = 0;
    for (size_t s = 0; s + 1 < left.size(); s++) {
        const ItemStruct it = ObjToItem(Plr.inv_obj[s]);
        EXPECT_EQ(it.type, IT_ARMOUR) << left[s];
        light += it.weight < 3.0f;
    }
    EXPECT_EQ(light, 2);
    EXPECT_EQ(left, (std::vector<std::string>{"Linen shirt", "Woollen trousers", "Leather shoes", "Knife"}));
}

TEST_F(ScenarioTest, NoCounterNoStart) {
    load("AINO");
    const std::vector<std::string> before = pack();
    Plr.scenario = -3;
    first_turn();
    EXPECT_EQ(pack(), before);
    Plr.scenario = 77;                                // unknown: only the counter is cleared
    rest_a_turn();
    EXPECT_EQ(Plr.scenario, 0);
    EXPECT_EQ(pack(), before);
}

}  // namespace
