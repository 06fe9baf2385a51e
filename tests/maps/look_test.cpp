// tests/maps/look_test.cpp -- the lines that tell what lies on a square: one thing, many things
// after a step and when looking, merged work in process, the terrain line, water and tracks, and
// the look keys of the command reader.
#include "maps/play_fixture.h"

#include "maps/marker.h"

#include "core/carcassdesc.h"
#include "game/look.h"
#include "maps/picker.h"

#include <string>
#include <vector>

using oxatest::push_key;

namespace {

class Look : public PlayTest {};

TEST_F(Look, OneThingIsSeenHereOrThere) {
    put(DT_ITEM, 230, 230, object("axe"));
    EXPECT_EQ(Display_Items(230, 230, 0), 1);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_NE(shown()[0].find("You see an axe here."), std::string::npos) << shown()[0];
    forget();
    put(DT_ITEM, 231, 229, object("knife"));
    EXPECT_EQ(Display_Items(231, 229, 1), 1);
    EXPECT_TRUE(was_shown("You see a knife there."));
    forget();
    EXPECT_EQ(Display_Items(232, 232, 0), 0);
    EXPECT_TRUE(shown().empty()) << "an empty square tells nothing";
}

TEST_F(Look, TenThingsAfterAStepAreCutShortButLookingListsThemAll) {
    const char *names[10] = {"awl", "bowl", "cup", "drum", "flute", "glove", "hook", "jar", "kettle", "ladle"};
    for (const char *n : names) put(DT_ITEM, 230, 230, object(n));
    EXPECT_EQ(Display_Items(230, 230, 0), 10);
    std::vector<std::string> lines = shown();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_NE(lines[0].find("There are several objects here:"), std::string::npos) << lines[0];
    EXPECT_NE(lines[7].find("hook"), std::string::npos) << "the seventh thing is the last told";
    EXPECT_NE(lines[8].find("...and 3 more."), std::string::npos) << lines[8];

    forget();
    EXPECT_EQ(Display_Items(230, 230, 1), 10);
    lines = shown();
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_NE(lines[0].find("Things that are here:"), std::string::npos) << lines[0];
    EXPECT_NE(lines[10].find("ladle"), std::string::npos);

    forget();
    Data[9].type = DT_FREED;       // nine: the two held back are summed up
    Display_Items(230, 230, 0);
    EXPECT_TRUE(was_shown("...and 2 more."));
}

TEST_F(Look, EqualWorkInProcessIsMergedIntoOneLine) {
    const int hide = object("hide");
    put(DT_WORK, 230, 230, hide, 2);
    put(DT_WORK, 230, 230, object("bark"), 1);
    put(DT_WORK, 230, 230, object("hide"), 3);   // another record of an equal item
    EXPECT_EQ(Display_Items(230, 230, 1), 3);
    std::vector<std::string> lines = shown();
    ASSERT_EQ(lines.size(), 3u) << "the heading, the hides and the bark";
    EXPECT_NE(lines[1].find("5"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("(being prepared)"), std::string::npos);
    EXPECT_NE(lines[2].find("bark"), std::string::npos);
}

TEST_F(Look, TheTerrainIsToldUnlessThingsLieOnPlainGround) {
    set_terrain_desc(CH_GROUND, "Open ground");
    LookPosition(230, 229, 1);
    EXPECT_TRUE(was_shown("Open ground"));
    forget();
    put(DT_ITEM, 230, 229, object("axe"));
    LookPosition(230, 229, 1);
    EXPECT_TRUE(was_shown("You see an axe there."));
    EXPECT_FALSE(was_shown("Open ground")) << "ground with an item on it adds no terrain line";

    // Far tracks, nothing else there: told within five squares, farther off only the terrain.
    struct { int y; bool told; } far[] = {{225, true}, {221, false}};
    for (auto &c : far) {
        forget();
        put(DT_TRACKS, 230, c.y, 0);
        LookPosition(230, c.y, 2);
        EXPECT_EQ(was_shown("There are some tracks over there."), c.told) << "tracks at y " << c.y;
        EXPECT_EQ(was_shown("Open ground"), !c.told) << "tracks at y " << c.y;
    }
}

TEST_F(Look, WaterBesideHerToldWithItsTemperature) {
    maailma[mapidx(230, 229)] = CH_SHALLOW_WATER;
    LookPosition(230, 229, 1);
    EXPECT_TRUE(was_shown("The water is ")) << "open water one step away";
    forget();
    maailma[mapidx(230, 226)] = CH_SHALLOW_WATER;
    LookPosition(230, 226, 1);
    EXPECT_FALSE(was_shown("The water is ")) << "farther away it is not felt";
}

TEST_F(Look, TheLookKeysTellWhatLiesThere) {
    put(DT_ITEM, 230, 229, object("axe"));
    put(DT_ITEM, 230, 230, object("knife"));
    push_key(SDLK_UP);
    push_key(SDLK_RETURN);
    EXPECT_EQ(command_dispatch('l', 0, 0), 1) << "the far look: a cursor moved by keys, ENTER";
    EXPECT_TRUE(was_shown("You see an axe there."));

    forget();
    push_key('8');
    EXPECT_EQ(command_dispatch('x', 0, 0), 1);
    EXPECT_TRUE(was_shown("You see an axe there."));
    EXPECT_EQ(TurnUsed, 0) << "looking spends no time";
    EXPECT_EQ(command_dispatch(':', 0, 0), 1);
    EXPECT_TRUE(was_shown("You see a knife here."));

}

// A creature on the looked-at square is told by its own description.
TEST_F(Look, ACreatureIsToldByItsDescription) {
    Cre[5] = CreatureStruct{};
    Cre[5].kind = 5;
    copy_bounded(Cre[5].species, sizeof Cre[5].species, "wolf");
    Cre[5].weight = 40.0f;
    put(DT_CREATURE, 230, 229, CRE_DATAID + 5);
    const std::string told = NPC_yleiskuvaus(5, 0);
    ASSERT_FALSE(told.empty());
    push_key('8');
    EXPECT_EQ(command_dispatch('x', 0, 0), 1);
    bool found = false;
    for (const std::string &line : shown()) found = found || line.find(told) != std::string::npos;
    EXPECT_TRUE(found) << told;
}

TEST_F(Look, AFireToldWithItsBurningTime) {
    const int f = put(DT_FIRE, 230, 229, 0);
    Data[f].id = 120;              // fuel for two hours
    Data[f].spent_minutes = Plr.minutes;
    EXPECT_EQ(Display_Items(230, 229, 1), 1);
    EXPECT_TRUE(was_shown("You see a fire there."));
    EXPECT_TRUE(was_shown("This fire will burn "));
}

TEST_F(Look, TheRepeatingFarLookEndsWhenTheWindowCloses) {
    dir->write_file("oxa_ini.txt", "[FAR_LOOK_REPEAT:YES]\n");
    put(DT_ITEM, 230, 229, object("axe"));
    push_key(SDLK_UP);
    push_key(SDLK_RETURN);         // one look; then no key ever comes
    FarLook();
    EXPECT_TRUE(was_shown("You see an axe there."));
    EXPECT_EQ(GeneralX + GeneralY, 0);
    dir->write_file("oxa_ini.txt", "");
}

TEST_F(Look, PickingUpFromASquareBesideHerAsksThePicker) {
    put(DT_ITEM, 230, 229, object("axe"));
    push_key(SDLK_UP);
    GeneralX = GeneralY = 0;
    command_dispatch('G', 0, 0);
    EXPECT_EQ(GeneralX, 230) << "the square north of her was chosen";
    EXPECT_EQ(GeneralY, 229);
}

TEST_F(Look, AWorldCellTellsItsSettlementShelterAndTraps) {
    world_map();
    ZoomExtraStruct &z = ZoomExtra[0];
    z.x = 230;
    z.y = 230;
    z.dwelling = 4 | 2;
    z.trapflags = 2;
    EXPECT_EQ(Display_Items(230, 230, 0), 0);
    const std::vector<std::string> lines = shown();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("There's your settlement at this location."), std::string::npos);
    EXPECT_NE(lines[1].find("There is a shelter at this location."), std::string::npos);
    EXPECT_NE(lines[2].find("There is net(s) set for catch at this location."), std::string::npos);
    memset(&z, 0, sizeof z);
}

}  // namespace
