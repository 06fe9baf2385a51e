// tests/maps/sight_light_test.cpp -- what the player sees from a square, what creatures see, which
// squares fires and torches light, and figures made out at a distance.
#include "maps/maptest.h"

#include "core/obj_func.h"
#include "core/creatures.h"
#include "maps/movement.h"
#include "core/notes.h"
#include "maps/sight.h"
#include "presentation/show.h"

#include <set>
#include <string>
#include <utility>

namespace {

using Square = std::pair<int, int>;

class LineOfSight : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        local_area();
        for (int y = 150; y < 320; y++)
            for (int x = 150; x < 320; x++) put(x, y, CH_GROUND);
        PlayerX = PlayerY = 232;
        PlayerDir = 0;
        Plr.month = 6;
        mapdimInit(800, 600, 1.0f);
        InitSines();
        Sight = 50;
        CalculateLDist(50);
        memset(Cre, 0, sizeof Cre);
        memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    }
    std::set<Square> seen() const {
        std::set<Square> s;
        for (int y = PlayerY - 11; y <= PlayerY + 11; y++)
            for (int x = PlayerX - 12; x <= PlayerX + 12; x++)
                if (See(x, y)) s.insert({x, y});
        return s;
    }
    static int place(int type, int x, int y, uint32_t id, int count = 1) { return place_record(type, x, y, id, count); }
};

TEST_F(LineOfSight, TheViewIsTheHalfCircleInFrontAndTreesHideWhatLiesBehind) {
    // A row of spruces three squares east of the player.
    for (int y = 228; y <= 236; y++) put(235, y, 13);
    PlayerView();
    const std::set<Square> s = seen();
    EXPECT_EQ(maailma_attrib[mapidx(232, 232)], 'C');
    EXPECT_EQ(maailma_memorymap[mapidx(235, 232)], 13) << "what is seen is remembered";
    EXPECT_EQ(maailma_memorymap[mapidx(240, 232)], ' ');

    // The whole view, x 220..244 and y 221..243: "." seen, "#" not, "T" a spruce seen, "@" the
    // player facing east. The spruces stay visible; their shadow fans out behind them.
    const char *want[] = {
        "############........#####", "############.......######", "############.......######",
        "############......#######", "############.....########", "############.....########",
        "############....#########", "############...T#########", "############...T#########",
        "############...T#########", "############...T#########", "############@..T#########",
        "############...T#########", "############...T#########", "############...T#########",
        "############...T#########", "############....#########", "############.....########",
        "############.....########", "############......#######", "############.......######",
        "############.......######", "############........#####",
    };
    for (int y = 221; y <= 243; y++) {
        std::string row;
        for (int x = 220; x <= 244; x++) {
            const bool v = s.count({x, y}) != 0;
            row += (x == 232 && y == 232) ? '@' : maailma[mapidx(x, y)] == 13 ? (v ? 'T' : 't') : v ? '.' : '#';
        }
        EXPECT_EQ(row, want[y - 221]) << "row " << y;
    }
}

TEST_F(LineOfSight, RestrictionBitsAndTheSeeAllMode) {
    Plr.view_restriction = 3;   // only the two octants straight ahead
    PlayerView();
    EXPECT_FALSE(See(232, 226)) << "north is the octant facing - 2";
    EXPECT_TRUE(See(238, 231));
    Plr.view_restriction = 0;

    for (int y = 228; y <= 236; y++) put(235, y, 13);
    ALL_SEE = 1;
    PlayerView();
    EXPECT_TRUE(See(240, 232));
    ALL_SEE = 0;
}

TEST_F(LineOfSight, CreaturesSeeTheHalfCircleOfTheirHeading) {
    EXPECT_TRUE(NPC_see(232, 232, 226, 232, -1));
    EXPECT_FALSE(NPC_see(232, 232, 226, 232, 0)) << "west lies behind a creature heading east";
    EXPECT_TRUE(NPC_see(232, 232, 238, 236, 0));
    EXPECT_TRUE(NPC_see(232, 232, 232, 226, 0)) << "north is still in front";
    for (int y = 228; y <= 236; y++) put(235, y, 13);
    EXPECT_FALSE(NPC_see(232, 232, 240, 232, -1));
    EXPECT_TRUE(canseefromto(232, 232, 235, 232, 0)) << "the tree itself is seen";
    EXPECT_FALSE(canseefromto(232, 232, 237, 232, 0));
    EXPECT_TRUE(canseefromto(5, 5, 5, 5, 0));
}

TEST_F(LineOfSight, NightShortensTheLinesAndFiresLightThem) {
    CalculateLDist(2);   // a dark night: the lines reach a square or so
    PlayerView();
    EXPECT_TRUE(See(233, 232));
    EXPECT_FALSE(See(239, 232));

    const int fire = place(DT_FIRE, 240, 232, 1);
    Data[fire].ready_minute = Plr.minutes;   // just lit: radius 1
    PlayerView();
    EXPECT_TRUE(See(240, 232)) << "a lit square is seen beyond the line's length";
    EXPECT_TRUE(See(241, 232));
    EXPECT_FALSE(See(243, 232));
    EXPECT_TRUE(lighted(241, 233));
    EXPECT_FALSE(lighted(242, 232));
}

TEST_F(LineOfSight, AFiresLightGrowsWithItsAge) {
    Plr.minutes = 10000;
    const int fire = place(DT_FIRE, 240, 232, 1);
    struct { uint32_t age; int radius; } cases[] = {{29, 1}, {30, 2}, {120, 2}, {121, 3}};
    for (auto &c : cases) {
        Data[fire].ready_minute = Plr.minutes - c.age;
        PlayerView();
        EXPECT_TRUE(lighted(240 + c.radius, 232)) << c.age;
        EXPECT_FALSE(lighted(240 + c.radius + 1, 232)) << c.age;
    }
    // A fire in a fireplace lights only its neighbours.
    put(240, 232, 4);
    Data[fire].ready_minute = Plr.minutes - 500;
    PlayerView();
    EXPECT_TRUE(lighted(241, 232));
    EXPECT_FALSE(lighted(242, 232));
    EXPECT_EQ(maplightspot_x[0], 240) << "a fire leaves a drawn light spot";
}

TEST_F(LineOfSight, PeopleAndTorchesLightAndBadCreatureIdsAreSkipped) {
    Cre[3].kind = CK_HUMAN;
    place(DT_CREATURE, 236, 236, CRE_DATAID + 3);
    place(DT_CREATURE, 220, 220, CRE_DATAID + CRE_COUNT);   // names no slot
    place(DT_CREATURE, 221, 221, 7);                        // below the creature range
    PlayerView();
    EXPECT_TRUE(lighted(237, 236));
    EXPECT_FALSE(lighted(221, 220));
    EXPECT_FALSE(lighted(222, 221));

    // A burning torch in the pack lights around the player.
    memset(light_map, 0, sizeof light_map);
    ItemStruct torch;
    ClrItemstruct(torch);
    torch.type = IT_TOOL;
    torch.subtype = ST_LIGHT;
    torch.state = 1;
    torch.light = 3;
    torch.spoil = 50;
    const int obj = Esineesta_Uniikki(torch);
    ASSERT_GE(obj, OBJ_PLAYER_FIRST);
    Plr.inv_obj[0] = obj;
    PlayerView();
    EXPECT_TRUE(lighted(235, 232));
    EXPECT_FALSE(lighted(236, 232));
}

TEST_F(LineOfSight, BurningLightsRunOutOfFuel) {
    static std::string last;
    const UiNotes shown = ui.notes;
    ui.notes.note = [](const char *t, const char *, uint8_t, uint8_t, uint8_t, const char *) { last = t; };
    ignore_lastnote();
    ItemStruct torch;
    ClrItemstruct(torch);
    torch.type = IT_TOOL;
    torch.subtype = ST_LIGHT;
    torch.state = 1;
    torch.light = 2;
    copy_bounded(torch.name, sizeof torch.name, "torch");
    torch.spoil = 30;
    Plr.inv_obj[3] = Esineesta_Uniikki(torch);
    Plr.inv_count[3] = 1;
    torch.spoil = 25;
    const int lying = place(DT_ITEM, 236, 236, (uint32_t)Esineesta_Uniikki(torch));
    for (int minute = 0; minute < 400 && (Plr.inv_obj[3] || Data[lying].type == DT_ITEM); minute++) light_sources(1);
    EXPECT_EQ(Plr.inv_obj[3], 0) << "the burnt-out torch leaves the slot";
    EXPECT_EQ(Data[lying].type, DT_FREED) << "and the one on the ground leaves the pool";
    EXPECT_EQ(last, "+Torch has burnt out.");
    ui.notes = shown;
}

TEST_F(LineOfSight, UnlitCaveFloorHidesAndEndsTheLine) {
    for (int x = 234; x <= 240; x++) put(x, 232, 96);
    PlayerView();
    EXPECT_FALSE(See(235, 232));
    EXPECT_TRUE(See(233, 232));
}

TEST_F(LineOfSight, SeeIsZeroOnTheGridsEdgesAndOutsideTheView) {
    PlayerX = PlayerY = 5;
    for (int y = 0; y < 20; y++)
        for (int x = 0; x < 20; x++) put(x, y, CH_GROUND);
    PlayerDir = 4;
    PlayerView();
    EXPECT_EQ(See(0, 5), 0);
    EXPECT_EQ(See(5, 0), 0);
    EXPECT_EQ(See(4, 5), 1);
    EXPECT_EQ(See(5 + 40, 5), 0);
}

TEST_F(LineOfSight, FiguresAtADistanceByWeightAndCover) {
    Plr.sight = 20;
    ConstantCre[510].weight = 400.0f;   // an elk
    ConstantCre[511].weight = 2.0f;     // a mouse
    const int elk = place(DT_ENCOUNTER, 240, 232, 510);
    const int mouse = place(DT_ENCOUNTER, 236, 232, 511);
    EXPECT_EQ(See_FigureInDistance(240, 232, elk), 1);
    EXPECT_EQ(See_FigureInDistance(236, 232, mouse), 0);
    EXPECT_EQ(See_FigureInDistance(250, 232, elk), 0) << "beyond half the sight and three";
    put(240, 232, 15);
    EXPECT_EQ(See_FigureInDistance(240, 232, elk), 0) << "forest hides it";
    const int bad = place(DT_ENCOUNTER, 236, 232, 5000);
    Data[bad].owner = 2000;
    EXPECT_EQ(See_FigureInDistance(236, 232, bad), 0);
    EXPECT_EQ(See_FigureInDistance(236, 232, -5), 0);
    ConstantCre[510].weight = ConstantCre[511].weight = 0;
}

}  // namespace
