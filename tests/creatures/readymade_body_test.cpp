// The ready-made character's body as a player meets it: dressed, knife in hand, her load counted;
// the clock wears her, "Z" puts her to sleep, F7 opens the Wounds screen.
#include "core/loader_fixture.h"
#include "presentation/input_feeder.h"
#include "activities/charscreens.h"
#include "worldgen/newchar.h"

#include "game/command.h"
#include "core/harnrule.h"
#include "game/loader.h"
#include "core/maintenance.h"
#include "core/obj_func.h"
#include "core/weatherengine.h"
#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "creatures/healing.h"
#include "creatures/physical.h"
#include "creatures/wounds.h"
#include "core/spend.h"
#include "items/items.h"
#include "items/wearing.h"
#include "core/tekstit.h"
#include "presentation/notes.h"

#include <fstream>
#include <sstream>

namespace {

class ReadyMadeBody : public oxatest::LoaderScreenTest {
protected:
    void SetUp() override {
        LoaderScreenTest::SetUp();
        for (const char *f : {"ini_skills.txt", "flora_forest.txt", "flora_meadow.txt", "weathertypeinfo.txt",
                              "fixedpoints.txt", "messages/eng_uname_flora.txt", "messages/eng_items.txt",
                              "messages/eng_food.txt", "messages/eng_general.txt", "messages/eng_core.txt",
                              "messages/eng_creatures.txt", "messages/eng_world.txt", "messages/eng_weather.txt",
                              "messages/eng_movement.txt", "messages/eng_body.txt"})
            dir->copy_asset(f);
        sleep_save = [] {};
    }
    void TearDown() override {
        sleep_save = safesave;
        LoaderScreenTest::TearDown();
    }
    void start() {
        ASSERT_EQ(loader(), 0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
};

TEST_F(ReadyMadeBody, DressedWithHandsFreeAndWornByTheDay) {
    start();
    EXPECT_STREQ(lifetimeDesc(), "16 winters old, this being the first day of your adventures");
    // Her hands are free for the bow and an arrow; her knife rides in her pack.
    EXPECT_EQ(getwieldedItempos(CRE_PLAYER, 1), 0);
    EXPECT_EQ(getwieldedItempos(CRE_PLAYER, 2), 0);
    bool knife = false;
    for (int s = 0; s < PLR_SLOTS; s++) {
        char name[41];
        knife |= Plr.inv_obj[s] > 0 && strcmp(item_name(ObjToItem(Plr.inv_obj[s]), name), "Knife") == 0;
    }
    EXPECT_TRUE(knife);
    int worn = 0;
    for (int s = 0; s < PLR_SLOTS; s++)
        if (Plr.inv_obj[s] >= OBJ_PLAYER_FIRST && (ObjToItem(Plr.inv_obj[s]).status & ISTAT_WORN)) worn++;
    EXPECT_GE(worn, 3) << "shirt, trousers and shoes";
    EXPECT_GT(PlrArmour(9, 6), 0) << "her shirt warms her chest";
    EXPECT_GT(plr_get<float>(PB_LOAD), 0.0f);
    EXPECT_GT(ACTUAL_MOBILITY(-1), 0);

    const int sleepy = plr_get<int32_t>(PB_SLEEPINESS);
    const uint32_t energy = Plr.energy;
    Plr.exertion = 5;
    MinuteTick(30, 0);
    EXPECT_GT(plr_get<int32_t>(PB_SLEEPINESS), sleepy);
    EXPECT_LT(Plr.energy, energy);
    EXPECT_GT(plr_get<float>(PB_FATIGUE), 0.0f);
}

TEST_F(ReadyMadeBody, SleepKeyAndWoundsKey) {
    start();
    GlobWeather.intensity = 0;   // a dry evening
    plr_set<int32_t>(PB_SLEEPINESS, 900);
    const uint32_t before = Plr.minutes;
    note_lines_since_pause = 0;
    command_dispatch('Z', 0, 0);
    EXPECT_GE(Plr.minutes, before + 60) << "she slept an hour at least";
    EXPECT_LT(plr_get<int32_t>(PB_SLEEPINESS), 900);
    EXPECT_EQ(PLAYER_SLEEPING, 0);

    EXPECT_NE(notes().find("Zzzz"), std::string::npos);

    // F7: the Wounds screen lists her cut; choosing it starts its treatment, Esc leaves the menu.
    Side = 1;
    SetInjury(3, BP_HAND, 1, 0, 2);
    note_lines_since_pause = 0;
    oxatest::push_key(SDLK_a);
    oxatest::push_key(SDLK_ESCAPE);
    command_dispatch(KEY_F7, 0, 0);
    EXPECT_NE(notes().find("treat the shallow cut in right hand"), std::string::npos) << notes();
}

// Cleaning a cut through F7 takes her water by the material list; the spent water is gone and the
// method is marked; with no bandage about, dressing says so and takes nothing.
TEST_F(ReadyMadeBody, TreatingACutTakesItsMaterialsFromThePack) {
    start();
    dir->copy_asset("messages/eng_crafting.txt");
    MSG_forget_index();
    Side = 1;
    const int slot = SetInjury(3, BP_HAND, 1, 0, 2);
    auto water_weight = [] {
        float w = 0;
        for (int s = 0; s < PLR_SLOTS; s++)
            if (Plr.inv_obj[s] && ObjToItem(Plr.inv_obj[s]).id == OID_WATER) w += ObjToItem(Plr.inv_obj[s]).weight;
        return w;
    };
    const float before = water_weight();
    ASSERT_GT(before, 0.5f) << "she carries a cup of water";
    INSTANT_TASKS = 1;
    note_lines_since_pause = 0;
    oxatest::KeyFeeder f;
    f.keys({SDLK_a, SDLK_c, SDLK_RETURN, SDLK_ESCAPE, SDLK_SPACE});   // the cup of water; no herbs
    f.typed([] { return command_dispatch(KEY_F7, 0, 0); });
    EXPECT_NEAR(water_weight(), before - 0.5f, 0.01f) << notes();
    EXPECT_NE(notes().find("clean the wound"), std::string::npos) << notes();
    EXPECT_EQ(plr_get<uint32_t>(PB_TREATBITS + 4 * slot) & (1u << 3), 1u << 3) << "cleaning is marked as done";

    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    const std::string seen = notes();
    oxatest::KeyFeeder g;
    g.keys({SDLK_a, SDLK_d, SDLK_ESCAPE, SDLK_ESCAPE});
    g.typed([] { return command_dispatch(KEY_F7, 0, 0); });
    INSTANT_TASKS = 0;
    EXPECT_EQ(plr_get<uint32_t>(PB_TREATBITS + 4 * slot) & (1u << 4), 0u) << "no bandage, no dressing";
    EXPECT_NE(notes().substr(seen.size()).find("andage"), std::string::npos) << notes().substr(seen.size());
    EXPECT_NEAR(water_weight(), before - 0.5f, 0.01f);
}

// An inferior roll on cleaning a deep cut opens it: it bleeds again, and a death from it is the
// treatment's; the same roll on a small cut only leaves it worse.
TEST_F(ReadyMadeBody, AFailedCleaningOpensADeepCut) {
    start();
    dir->copy_asset("messages/eng_crafting.txt");
    MSG_forget_index();
    Side = 1;
    const int deep = SetInjury(9, BP_THIGH, 2, 0, 2);
    INSTANT_TASKS = 1;
    WIZARD_randomsuccess = 3;   // every roll a critical failure
    note_lines_since_pause = 0;
    {
        oxatest::KeyFeeder f;
        f.keys({SDLK_a, SDLK_c, SDLK_RETURN, SDLK_ESCAPE, SDLK_SPACE});
        f.typed([] { return command_dispatch(KEY_F7, 0, 0); });
    }
    WoundSlot w{};
    ASSERT_TRUE(wound_get(-1, deep, w));
    EXPECT_EQ(w.bleeding, 2) << notes();
    EXPECT_EQ(plr_get<int32_t>(PB_INJURYCAUSE), CAUSE_TREATMENT);
    EXPECT_NE(notes().find("to start bleeding"), std::string::npos);
    EXPECT_EQ(w.treatment, 0) << "an opened wound keeps no result";

    // The deep cut heals away; a small cut takes its slot afresh, untreated. The same roll gives it
    // "worse" (30), kept as its result, and no bleeding.
    HealInjury(deep, 100);
    const int small = SetInjury(4, BP_THIGH, 2, 0, 2);
    ASSERT_EQ(small, deep);
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    {
        oxatest::KeyFeeder f;
        f.keys({SDLK_a, SDLK_c, SDLK_RETURN, SDLK_ESCAPE, SDLK_SPACE});
        f.typed([] { return command_dispatch(KEY_F7, 0, 0); });
    }
    WIZARD_randomsuccess = 0;
    INSTANT_TASKS = 0;
    ASSERT_TRUE(wound_get(-1, small, w));
    EXPECT_EQ(w.bleeding, 0) << notes();
    EXPECT_EQ(w.treatment, 30);
}

// Both ready-made characters start as a created one does: sixteen winters old on their first day,
// their record naming a face of their portrait group, and that face in their folder.
TEST(ReadyMadeRecords, SixteenWintersOnTheFirstDayWithTheFaceTheRecordNames) {
    const std::string built = std::string(OXA_RUN_DIR) + "/..";
    for (const char *who : {"AINO", "VILHO"}) {
        static PlayerStruct rec;
        const std::string folder = built + "/fixture/" + who;
        ASSERT_TRUE(read_exact((folder + "/" + who + ".OXS").c_str(), &rec, sizeof rec)) << who;
        EXPECT_EQ(rec.year, 16) << who;
        EXPECT_EQ(rec.start_year, 16) << who;
        EXPECT_EQ(rec.daynumber, 1u) << who;
        char face[sizeof rec.portrait + 1] = {};
        memcpy(face, rec.portrait, sizeof rec.portrait);
        const char *group = crtplr_portrait_group(rec.sex, rec.culture);
        EXPECT_EQ(strncmp(face, group, strlen(group)), 0) << who << " " << face;
        const std::vector<uint8_t> painted = oxatest::read_bytes(built + "/run/truegfx/" + face);
        EXPECT_FALSE(painted.empty()) << face;
        EXPECT_EQ(oxatest::read_bytes(folder + "/portrait.png"), painted) << who;
    }
}

}  // namespace
