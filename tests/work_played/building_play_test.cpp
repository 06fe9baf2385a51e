// The ready-made character builds a wall through the turn loop: from the building menu she starts a
// western wall beside her, breaks off worn out (looking at the square tells the wall under
// construction), and after a rest continues it with "Continue paused process" until it stands.
#include "core/loader_fixture.h"

#include "activities/building.h"
#include "core/datafunc.h"
#include "core/player.h"
#include "creatures/bodyrec.h"
#include "game/look.h"
#include "maps/maps.h"
#include "maps/mapunit.h"
#include "presentation/input_feeder.h"
#include "items/inventory.h"

namespace {

class AinoBuilds : public oxatest::PlayingTest {
protected:
    // Keys typed through the turn loop, a capital letter as its text, as Shift gives it; idle ticks
    // follow while the timed work goes on, so that the typing never runs dry and closes the window.
    static void play(std::initializer_list<int> ks) {
        oxatest::KeyFeeder typing;
        typing.typed_keys(ks);
        for (int i = 0; i < 60; i++) typing.idle();
        int r;
        typing.typed([&] { return turn_pass(&r); });
    }
    // A night's sleep and a rest: she is up, neither sleepy nor worn out.
    static void rested() {
        plr_set<float>(PB_FATIGUE, 0.0f);
        plr_set<int32_t>(PB_SLEEPINESS, 0);
        Plr.posture = 0;
    }
    bool noted(const char *text) const { return notes().find(text) != std::string::npos; }
    // Every animal sent away: one coming into sight would break off her work.
    static void animals_away() {
        for (DataStruct &d : Data) {
            if (d.type != DT_CREATURE || d.id < (uint32_t)CRE_DATAID || d.id >= (uint32_t)(CRE_DATAID + CRE_COUNT)) continue;
            const int c = (int)d.id - CRE_DATAID;
            if (Cre[c].kind == CK_HUMAN) continue;
            Cre[c].kind = CK_NONE;
            d.type = 0;
        }
    }
    static bool free_ground(int x, int y) {
        for (const DataStruct &d : Data)
            if ((d.type == DT_ITEM || d.type == DT_WORK || d.type == DT_CREATURE) && d.x == x && d.y == y) return false;
        const int c = get_mapchar(x, y);
        return !terrain_flag(c, TF_BLOCKS | TF_WATER | TF_TREE) && c != '_';
    }
    static int paused_jobs() {
        int n = 0;
        for (const DataStruct &d : Data)
            if (d.type == DT_PAUSED_BUILDING) n++;
        return n;
    }
};

TEST_F(AinoBuilds, SheBuildsAWallBreaksOffAndFinishesIt) {
    command({SDLK_RETURN});
    command({SDLK_SPACE, SDLK_PERIOD});   // the first look over the new map waits for a key
    ASSERT_FALSE(bigmap()) << notes();
    animals_away();
    for (const char *f : {"biy_building.txt", "biy_kota.txt"}) dir->copy_asset(f);   // the building recipes

    // The logs at her feet and an axe in her pack.
    const int logs = object("Log", 1);
    ASSERT_GT(logs, 0);
    set_data(DT_ITEM, PlayerX, PlayerY, logs, 4);
    const int axe = object("Woodsman's axe", 1);
    ASSERT_GT(axe, 0);
    ASSERT_NE(AddNewItem(axe, 1), 0);

    // The wall goes on the first free square around her, chosen with its direction key.
    const struct { SDL_Keycode key; int dx, dy; } dirs[] = {
        {SDLK_RIGHT, 1, 0}, {SDLK_LEFT, -1, 0}, {SDLK_DOWN, 0, 1}, {SDLK_UP, 0, -1}};
    int wx = 0, wy = 0;
    SDL_Keycode where = 0;
    for (const auto &d : dirs)
        if (free_ground(PlayerX + d.dx, PlayerY + d.dy)) {
            wx = PlayerX + d.dx, wy = PlayerY + d.dy, where = d.key;
            break;
        }
    ASSERT_NE(where, 0) << "no free square beside her";

    // Make, Building, Wooden building, the sixth of its entries (the western wall), the square, and on
    // with the materials at hand. A long day's work: worn out past its pausing point, she breaks off.
    // A beginner's endurance and building skill: the wall takes her more than one spell of work.
    Plr.endurance = 12;
    for (int s = 0; s < PLR_SKILLS; s++)
        if (strncmp(Plr.skill_name[s], "BUILDING", PLR_SKILLNAME) == 0) Plr.skill_level[s] = 15;
    rested();
    play({'M', 'B', 'W', SDLK_6, (int)where, SDLK_SPACE});
    EXPECT_TRUE(noted("You start building...")) << notes();
    ASSERT_EQ(paused_jobs(), 1) << notes();
    const int job = get_datatype(DT_PAUSED_BUILDING, wx, wy);
    ASSERT_GE(job, 0);
    EXPECT_EQ(Data[job].id, 200u);
    EXPECT_NE(get_mapchar(wx, wy), 200) << "the wall is not up yet";
    // Looking at the square tells the work begun there.
    Display_Items(wx, wy, 1);
    EXPECT_TRUE(noted("western wall (under construction)")) << notes();

    // Rested, she goes on with it from the building menu, resting again whenever she tires.
    for (int rest = 0; rest < 4 && get_mapchar(wx, wy) != 200; rest++) {
        rested();
        play({'M', 'B', 'P', SDLK_SPACE});
        EXPECT_LE(paused_jobs(), 1);
    }
    EXPECT_TRUE(noted("You go on with the")) << notes();
    EXPECT_TRUE(noted("Ok. You finish the current building job.")) << notes();
    EXPECT_EQ(get_mapchar(wx, wy), 200);
    EXPECT_EQ(paused_jobs(), 0);
}

}  // namespace
