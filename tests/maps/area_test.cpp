// The terrain table: every row of a summer and a winter day against the golden dump, flag
// queries, frozen water, nature keywords, walls and doors.
#include <fstream>
#include <sstream>
#include <string>

#include "maptest.h"

static std::string golden_path(const char *name) {
    return std::string(OXA_SOURCE_DIR) + "/tests/maps/" + name;
}

// One line per row, then the door rules and the tile tint of the day.
static std::string dump_table() {
    std::ostringstream out;
    for (int c = 0; c < 256; c++) {
        const TerrainStruct &t = terrain[c];
        char line[300];
        snprintf(line, sizeof line, "%3d glyph %3d flags %5u base %3d overlap %3d mode %d animate %d freezes %d draw %2u "
                 "nature 0x%x tile \"%s\" desc \"%s\"\n", c, t.glyph, t.flags, t.base, t.overlap, t.overlap_mode,
                 t.animate, t.freezes, t.draw_value, t.nature, t.tilename, t.description);
        out << line;
        for (int side = 0; side < 4; side++)
            for (int r = 0; r < 10; r++) {
                if (!t.sides[side].variant[r]) continue;
                out << "    side " << side << " rule " << r << " {";
                for (int k = 0; k < 10 && t.sides[side].sets[r][k]; k++) out << (k ? "," : "") << (int)t.sides[side].sets[r][k];
                out << "} " << (int)t.sides[side].variant[r] << "/" << (int)t.sides[side].base[r] << "\n";
            }
    }
    UiColour a, b;
    TileSavytys_Maaruska(Plr.month, Plr.day, &a, &b);
    out << "tint A " << (int)a.r << "," << (int)a.g << "," << (int)a.b << "," << (int)a.a << " B " << (int)b.r << ","
        << (int)b.g << "," << (int)b.b << "," << (int)b.a << "\n";
    return out.str();
}

static void check_golden(const char *name) {
    std::string now = dump_table();
    std::ifstream in(golden_path(name));
    std::stringstream golden;
    golden << in.rdbuf();
    if (golden.str() != now) {
        std::string fresh = std::string("/tmp/") + name + ".new";
        std::ofstream(fresh) << now;
        FAIL() << "terrain table differs from " << name << "; the table built now is in " << fresh;
    }
}

TEST_F(MapsTest, SummerDayTableMatchesTheGoldenDump) {
    Plr.month = 7;
    Plr.day = 10;
    init_terrain_struct(0, 0);
    check_golden("terrain_summer.golden");
}

TEST_F(MapsTest, WinterDayTableMatchesTheGoldenDump) {
    Plr.month = 1;
    Plr.day = 20;
    init_terrain_struct(0, 0);
    check_golden("terrain_winter.golden");
}

TEST_F(MapsTest, RebuildingIsIdempotentAndKeepsGivenDescriptions) {
    std::string first = dump_table();
    init_terrain_struct(0, 0);
    EXPECT_EQ(dump_table(), first);
    set_terrain_desc(100, "Strange stones");
    set_terrain_desc(13, "Big spruce");
    init_terrain_struct(0, 0);
    EXPECT_STREQ(terrain_desc(100), "Strange stones");  // a row the build does not fill keeps it
    EXPECT_STREQ(terrain_desc(13), "Spruce");
}

TEST_F(MapsTest, FlagQueriesOutsideTheTableAndWhileSeeingAll) {
    EXPECT_EQ(terrain_flag(300, TF_BLOCKS), 0);
    EXPECT_EQ(terrain_flag(-1, TF_BLOCKS), 0);
    EXPECT_EQ(terrain_flag(CH_BLANK, 0xffffffff), 0);
    EXPECT_EQ(TyhjaRuutu(get_mapchar(-1, -1)), 1);    // a blank off the grid never blocks
    EXPECT_EQ(terrain_flag(13, TF_BLOCKS_SIGHT), 1);
    ALL_SEE = 1;
    EXPECT_EQ(terrain_flag(13, TF_BLOCKS_SIGHT), 0);
    EXPECT_EQ(terrain_flag(13, TF_BLOCKS_SIGHT | TF_TREE), 1);
    EXPECT_STREQ(terrain_desc(300), "");
    EXPECT_STREQ(terrain_tilename(300), "");
}

TEST_F(MapsTest, FrozenWaterStopsAnimatingOnlyWithOldTiles) {
    struct { int month; int newgfx; bool frozen; } cases[] = {
        {1, 0, true}, {4, 0, true}, {11, 0, true}, {5, 0, false}, {9, 0, false}, {1, 1, false},
    };
    for (auto &c : cases) {
        Plr.month = c.month;
        NEWGFX = c.newgfx;
        init_terrain_struct(0, 0);
        for (int ch : {176, 178, 181, 182, 183, 244, 247})
            EXPECT_EQ(terrain_animate(ch), c.frozen ? 0 : 1) << ch << " month " << c.month;
        EXPECT_EQ(terrain_animate(177), 1);             // rapids never freeze
        EXPECT_EQ(terrain_animate(180), 1);             // nor does the open sea
        EXPECT_EQ(terrain_animate(13), 2);
    }
}

TEST_F(MapsTest, WinterShowsTheBareGrove) {
    Plr.month = 12;
    init_terrain_struct(0, 0);
    EXPECT_EQ(terrain[16].glyph, 16);
    Plr.month = 3;
    init_terrain_struct(0, 0);
    EXPECT_EQ(terrain[16].glyph, 16);
    Plr.month = 4;
    init_terrain_struct(0, 0);
    EXPECT_EQ(terrain[16].glyph, 14);
}

TEST_F(MapsTest, TileTintByMonthWrapsItsAlpha) {
    UiColour a, b;
    TileSavytys_Maaruska(1, 10, &a, &b);
    EXPECT_EQ(a.a, (uint8_t)(10 - 38));
    EXPECT_EQ(b.a, 86);
    TileSavytys_Maaruska(4, 2, &a, &b);
    EXPECT_EQ(a.a, 30);
    EXPECT_EQ(b.r, 255);
    EXPECT_EQ(b.a, 255);
    TileSavytys_Maaruska(10, 30, &a, &b);
    EXPECT_EQ(a.a, (uint8_t)(60 - 96));
    EXPECT_EQ(b.a, 4);
    TileSavytys_Maaruska(13, 1, &a, &b);
    EXPECT_EQ(a.a, 255);
    EXPECT_EQ(b.a, 255);
}

TEST_F(MapsTest, NatureKeywords) {
    EXPECT_EQ(AsetaLuontotyyppivaikutus(0xffff, "dryish coniferous"), 0x40002u);
    EXPECT_EQ(AsetaLuontotyyppivaikutus(0, "dry barren"), 0x5u);
    EXPECT_EQ(AsetaLuontotyyppivaikutus(0, "[TERRAIN:spruce_mire,lake,sea]"), 0x80420u);
    EXPECT_EQ(AsetaLuontotyyppivaikutus(0, "nothing"), 0u);
    EXPECT_EQ(AsetaLuontotyyppivaikutus(0, nullptr), 0u);
}

TEST_F(MapsTest, WallsDoorsAndRoofs) {
    TILA_avoin_ovi = 0;
    for (int c : {20, 23, 188, 191, 192, 196, 200, 208, 217, 218, 254}) EXPECT_EQ(onkoseina(c), 1) << c;
    EXPECT_EQ(TILA_avoin_ovi, 0);
    EXPECT_EQ(onkoseina(22), 1);
    EXPECT_EQ(TILA_avoin_ovi, 1);
    EXPECT_EQ(onkoseina(95), 0);
    put(5, 5, 95);
    put(6, 5, 233);
    EXPECT_EQ(onkokatto(5, 5), 1);
    EXPECT_EQ(onkokatto(6, 5), 0);
    EXPECT_EQ(Onko_Suotile(6, 5), 1);
    EXPECT_EQ(onkotulisija(4) + onkotulisija(5) + onkotulisija(6), 2);
}

TEST_F(MapsTest, TileListNamesRowsWithoutATile) {
    std::string list = dir->read_file("debug_ter-tiles.txt");
    EXPECT_NE(list.find("**** ERROR, no ter-tile: #32 -  -- truetile/\n"), std::string::npos);
    EXPECT_NE(list.find("#13 - Spruce -- truetile/ter-spruce\n"), std::string::npos);
    EXPECT_EQ(list.find("#100 "), std::string::npos);
}
