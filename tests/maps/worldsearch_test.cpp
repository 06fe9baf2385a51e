// World-map searches: the land around a cell, the nearest cell of a char, villages and places for
// other subsystems, pens and indoor spots, the square ahead and the pool of candidate squares.
#include "maps/worldsearch.h"

#include <cstdio>
#include <set>
#include <utility>

#include "core/creatures.h"
#include "maps/kulttuuri.h"
#include "maptest.h"

class SearchTest : public MapsTest {
protected:
    void SetUp() override {
        MapsTest::SetUp();
        memset(maailma_alltime, CH_GROUND, MAP_BYTES);
        memset(kulttuurikartta, 0, sizeof kulttuurikartta);
        randomize(7);
    }
    void water_block(int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; y++)
            for (int x = x0; x <= x1; x++) put_world(x, y, CH_DEEP_WATER);
    }
    // The store holding the dummy and maps of the given cells, written as the store writes them.
    void stored_maps(std::initializer_list<std::pair<int, int>> cells) {
        FILE *f = fopen(path("ZOOMINDEX.DAT").c_str(), "wb");
        ZoomIndex dummy = {0, -1, -1};
        fwrite(&dummy, sizeof dummy, 1, f);
        for (auto c : cells) {
            ZoomIndex e = {0, c.first, c.second};
            fwrite(&e, sizeof e, 1, f);
        }
        fclose(f);
        f = fopen(path("ZOOMMAPS.DAT").c_str(), "wb");
        static ZoomStruct blank;
        blank.x = blank.y = -1;
        fwrite(&blank, sizeof blank, 1, f);
        for (auto c : cells) {
            blank.x = c.first;   // each record names its own cell
            blank.y = c.second;
            fwrite(&blank, sizeof blank, 1, f);
        }
        fclose(f);
    }
};

TEST_F(SearchTest, LandAroundACell) {
    water_block(95, 95, 105, 105);
    put_world(100, 100, CH_GROUND);
    EXPECT_EQ(isokartta_saari(100, 100), 1);          // an islet with open water all around
    EXPECT_EQ(isokartta_saari(95, 97), 0);            // a water cell on the shore
    EXPECT_EQ(isokartta_saari(98, 98), 1);            // open water all around answers first
    // Three walks of 25 cells and the start cell once more for the southward part.
    EXPECT_EQ(isokartta_saari(1000, 1000), 76);
    // The walks stop before the water: west 3 cells, east 25, north 25, south the cell itself.
    put_world(997, 1000, CH_SEA);
    EXPECT_EQ(isokartta_saari(1000, 1000), 3 + 25 + 25 + 1);
    // By the grid's edge the walks end at column and row 1.
    EXPECT_EQ(isokartta_saari(3, 2), 3 + 25 + 2 + 1);
    // One water cell among the eight is not an islet.
    put_world(1001, 1001, CH_DEEP_WATER);
    EXPECT_NE(isokartta_saari(1000, 1000), 1);
}

TEST_F(SearchTest, NearestCellOfACharScansItsSquare) {
    const int x = 500, y = 500;
    put_world(x, y - 5, 41);                          // first row of a size-10 square
    put_world(x, y + 4, 41);                          // last row
    put_world(x, y + 5, 41);                          // outside
    put_world(x, y - 6, 41);                          // outside
    put_world(x - 6, y, 41);                          // outside
    EXPECT_EQ(Etsi_Karttamerkki(41, x, y, 10, 0), 2);
    EXPECT_EQ(X_Karttamerkki, x);
    EXPECT_EQ(Y_Karttamerkki, y + 4);                 // nearer than the one 5 rows up
    EXPECT_EQ(Etaisyys_Karttamerkki, 4);
    EXPECT_EQ(Suunta_Karttamerkki, 6);                // south
    // An inner size keeps the square round the centre out, and only that: a cell due north or south
    // beyond it still counts (only the corner blocks were searched, so the nearest village straight
    // east was never told of).
    put_world(x + 3, y - 3, 41);
    EXPECT_EQ(Etsi_Karttamerkki(41, x, y, 10, 1), 3);
    EXPECT_EQ(X_Karttamerkki, x + 3);
    EXPECT_EQ(Etaisyys_Karttamerkki, 3);              // diagonal: (3 + 3) / 2
    EXPECT_EQ(Suunta_Karttamerkki, 1);
    EXPECT_EQ(Etsi_Karttamerkki(41, x, y, 10, 5), 1);
    EXPECT_EQ(X_Karttamerkki, x);
    EXPECT_EQ(Y_Karttamerkki, y - 5);
    EXPECT_EQ(Suunta_Karttamerkki, 2);                // north
    // Nothing found: the nearest hit reads none.
    EXPECT_EQ(Etsi_Karttamerkki(42, x, y, 10, 0), 0);
    EXPECT_EQ(X_Karttamerkki, -1);
    EXPECT_EQ(Etaisyys_Karttamerkki, 1000);
    // The corner of the grid is searched safely.
    put_world(0, 0, 42);
    EXPECT_EQ(Etsi_Karttamerkki(42, 1, 1, 10, 0), 1);
}

TEST_F(SearchTest, VillagesOfTheWrongCultureOrTooFewPeopleAreNeverChosen) {
    set_alltime_kulttuuri(500, 500, 3);
    put_world(500, 500, 239);                         // stored, with a society of no people
    set_alltime_kulttuuri(545, 500, 11);
    put_world(545, 500, 210);                         // culture 11
    stored_maps({{500, 500}});
    Mapinfo_setsocID(500, 500, 77);
    for (int i = 0; i < 20; i++) {
        UiPoint p = FindBigmapVillage(520, 500, 0, 30, 0, 0);
        EXPECT_EQ(p.x, 0) << "a village of too few people or of culture 11 was chosen";
    }
    // Without its society the stored village qualifies; so does one never stored.
    Mapinfo_setsocID(500, 500, 0);
    UiPoint p = FindBigmapVillage(520, 500, 0, 30, 0, 0);
    EXPECT_EQ(p.x, 500);
    EXPECT_EQ(p.y, 500);
    EXPECT_EQ(FindBigmapVillage(520, 500, 0, 30, BIGLOC_CULTURE, 4).x, 0);
    EXPECT_EQ(FindBigmapVillage(520, 500, 0, 30, BIGLOC_CULTURE, 3).x, 500);
    EXPECT_EQ(FindBigmapVillage(500, 500, 1, 30, 0, 0).x, 0);   // the inner radius keeps it out
}

TEST_F(SearchTest, PlacesOfACharAwayFromSettlementsAndStoredMaps) {
    put_world(1000, 1000, 41);
    EXPECT_EQ(FindBigmapLoc(1000, 1000, 0, 20, 0, 0, 41).x, 1000);
    put_world(1000, 1000, 41);
    put_world(1008, 1005, 239);                       // a village within 10 cells
    EXPECT_EQ(FindBigmapLoc(1000, 1000, 0, 20, 0, 0, 41).x, 0);
    put_world(1008, 1005, CH_GROUND);
    stored_maps({{1000, 1000}});
    EXPECT_EQ(FindBigmapLoc(1000, 1000, 0, 20, 0, 0, 41).x, 0);
    stored_maps({});
    // A cell with little land around is no place.
    water_block(990, 990, 999, 1010);
    water_block(1001, 990, 1010, 1000);
    put_world(1000, 999, CH_SEA);
    EXPECT_EQ(isokartta_saari(1000, 1000), 4);
    EXPECT_EQ(FindBigmapLoc(1000, 1000, 0, 20, 0, 0, 41).x, 0);
    // Island mode takes a land cell with water all around.
    water_block(1994, 994, 2006, 1006);
    put_world(2000, 1000, CH_GROUND);
    UiPoint p = FindBigmapLoc(2000, 1000, 0, 20, BIGLOC_ISLAND, 0, 0);
    EXPECT_EQ(p.x, 2000);
    EXPECT_EQ(p.y, 1000);
}

TEST_F(SearchTest, PlacesOnAStraightTerrainEdge) {
    // Forest above a straight border of field: the forest cells along the border qualify.
    for (int y = 1490; y < 1500; y++)
        for (int x = 1480; x < 1520; x++) put_world(x, y, 15);
    for (int y = 1500; y < 1510; y++)
        for (int x = 1480; x < 1520; x++) put_world(x, y, CH_FIELD);
    // The border rows: ground above the forest, forest above the field, field above the ground.
    std::set<int> rows;
    for (int i = 0; i < 40; i++) {
        UiPoint p = FindBigmapLoc(1500, 1500, 0, 15, 0, 0, 0);
        ASSERT_NE(p.x, 0);
        rows.insert(p.y);
    }
    EXPECT_EQ(rows, (std::set<int>{1489, 1499, 1509}));
    // Forest beside spruce mire is no edge; with the spruce-mire flag only spruce mire is.
    for (int x = 1480; x < 1520; x++) put_world(x, 1500, 235);
    for (int i = 0; i < 40; i++) {
        UiPoint p = FindBigmapLoc(1500, 1500, 0, 15, 0, 0, 0);
        EXPECT_NE(p.y, 1499);
        EXPECT_NE(p.y, 1500);
        p = FindBigmapLoc(1500, 1500, 0, 15, BIGLOC_SPRUCEMIRE, 0, 0);
        if (p.x) {
            EXPECT_EQ(get_alltime_maailmachar(p.x, p.y), 235);
        }
    }
    // Uniform ground has no edge anywhere.
    memset(maailma_alltime, CH_GROUND, MAP_BYTES);
    EXPECT_EQ(FindBigmapLoc(1500, 1500, 0, 15, 0, 0, 0).x, 0);
}

TEST_F(SearchTest, TheSquareAhead) {
    int x = -1, y = -1;
    PlayerX = 300;
    PlayerY = 300;
    PlayerDir = 2;
    put(300, 299, 41);
    EXPECT_EQ(getaheadxy(-1, &x, &y), 41);
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 299);
    PlayerX = 3071;
    PlayerDir = 0;
    EXPECT_EQ(getaheadxy(-1, &x, &y), CH_BLANK);      // off the grid
    EXPECT_EQ(x, 3072);
    // A creature looks along its own heading; a number outside the table answers nothing.
    memset(Cre, 0, sizeof Cre);
    Cre[5].kind = 1;
    Cre[5].Suunta = 6;
    place_record(DT_CREATURE, 40, 50, CRE_DATAID + 5);
    EXPECT_EQ(getaheadxy(5, &x, &y), CH_BLANK);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 51);
    EXPECT_EQ(getaheadxy(500, &x, &y), CH_BLANK);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(getaheadxy(-1000, &x, &y), CH_BLANK);
}

TEST_F(SearchTest, ThePoolOfCandidateSquares) {
    xypool_reset();
    int x = -1, y = -1;
    xypool_rndxy(&x, &y);                             // empty: pair 0
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    for (int i = 0; i < 1100; i++) xypool_addxy(i + 1, i + 2);
    EXPECT_EQ(xypool_count, 1023);
    EXPECT_EQ(xypool[1022][0], 1023);
    EXPECT_EQ(xypool[1023][0], 0);                    // the last pair is never filled
    for (int i = 0; i < 50; i++) {
        xypool_rndxy(&x, &y);
        EXPECT_GE(x, 1);
        EXPECT_LE(x, 1023);
        EXPECT_EQ(y, x + 1);
    }
    xypool_reset();
    EXPECT_EQ(xypool_count, 0);
    EXPECT_EQ(xypool[5][0], 0);
}

TEST_F(SearchTest, PensAndIndoorSpots) {
    memset(Cre, 0, sizeof Cre);
    for (int n : {1, 2}) {
        Cre[n].kind = 50;
        Cre[n].speciescode = 600;
    }
    place_record(DT_CREATURE, 100, 100, CRE_DATAID + 1);
    place_record(DT_CREATURE, 200, 200, CRE_DATAID + 2);
    place_record(DT_CREATURE, 300, 300, 600000);      // a creature number outside the table
    EXPECT_EQ(PenLocation(0, 600).x, 200);            // none fenced: the last one found
    EXPECT_EQ(PenLocation(0, 601).x, 0);
    for (int k = 1; k <= 4; k++) put(100 + k, 100, '*');
    UiPoint p = PenLocation(0, 600);
    EXPECT_EQ(p.x, 100);
    EXPECT_EQ(p.y, 100);

    EXPECT_EQ(IndoorLocation(10, 10).x, 0);           // on the world map
    local_area();
    Plr.world_x = 10;
    Plr.world_y = 10;
    EXPECT_EQ(IndoorLocation(10, 10).x, 0);           // no floor
    put(AREA_CENTRE + 64 + 5, AREA_CENTRE + 7, '_');
    p = IndoorLocation(11, 10);
    EXPECT_EQ(p.x, AREA_CENTRE + 64 + 5);
    EXPECT_EQ(p.y, AREA_CENTRE + 7);
    EXPECT_EQ(IndoorLocation(10, 10).x, 0);
    EXPECT_EQ(IndoorLocation(20, 10).x, 0);           // outside the local area
}
