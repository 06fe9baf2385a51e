// The panel rectangles and the map view's zoom steps.
#include <gtest/gtest.h>

#include "presentation/show.h"

#include <cstring>

class ShowLayout : public ::testing::Test {
protected:
    void SetUp() override {
        NEWHEADINGBRANCH = 1;
        guiInit(800, 600);
    }
    void TearDown() override {
        NEWHEADINGBRANCH = 1;
        guiInit(800, 600);
    }
};

static void expect_block(const GuiBlock &b, int x, int y, int w, int h, const char *name) {
    EXPECT_EQ(b.x, x) << name;
    EXPECT_EQ(b.y, y) << name;
    EXPECT_EQ(b.width, w) << name;
    EXPECT_EQ(b.height, h) << name;
    EXPECT_EQ(b.used, 1) << name;
}

TEST_F(ShowLayout, PanelsOfBothLayouts) {
    for (int branch : {1, 0}) {
        NEWHEADINGBRANCH = branch;
        clrGuiBlock(&noteboxGui);
        guiInit(800, 600);
        EXPECT_EQ(GuiLINEHEIGHT, 10);
        EXPECT_FLOAT_EQ(ratio, 1.0f);
        expect_block(headingGui, 665, 25, 124, 160, "heading");
        expect_block(clockGui, 328, 6, 138, 74, "clock");
        expect_block(mapstatGui, 15, 550, 450, 48, "mapstat");
        expect_block(regstatGui, 120, 5, 200, 76, "regstat");
        expect_block(pickfaceGui, 195, 30, 210, 230, "pickface");
        expect_block(wholemapGui, 40, 50, 400, 400, "wholemap");
        if (branch == 1) {
            expect_block(noteboxGui, 498, 355, 296, 170, "notebox");
            expect_block(spendGui, 503, 258, 286, 100, "spend");
        } else {
            expect_block(noteboxGui, 493, 398, 305, 130, "notebox");
            expect_block(spendGui, 505, 300, 285, 100, "spend");
        }
    }
    clrGuiBlock(&spendGui);
    EXPECT_EQ(spendGui.x, 0);
    EXPECT_EQ(spendGui.used, 0);
}

TEST_F(ShowLayout, MapGeometryAtEachZoomScale) {
    const struct { float scale; int half_w, half_h, src_w, src_h; } cases[] = {
        {0.5f, 25, 23, 900, 920}, {0.63f, 20, 18, 714, 730}, {0.815f, 15, 14, 552, 564}, {1.0f, 12, 11, 450, 460}};
    for (auto c : cases) {
        mapdimInit(800, 600, c.scale);
        EXPECT_EQ(mapDim.half_w, c.half_w) << c.scale;
        EXPECT_EQ(mapDim.half_h, c.half_h) << c.scale;
        EXPECT_EQ(mapDim.src_w, c.src_w) << c.scale;
        EXPECT_EQ(mapDim.src_h, c.src_h) << c.scale;
        EXPECT_FLOAT_EQ(mapDim.cell_w, 18.0f * c.scale);
        EXPECT_EQ(mapDim.x, 15);
        EXPECT_EQ(mapDim.height, 460);
        EXPECT_EQ(mapDim.src_centre_x, 531);
        EXPECT_EQ(mapDim.src_top, 360);
    }
}

TEST_F(ShowLayout, ZoomStepsStopAtTheirBounds) {
    const struct { int direction; float scale; int at_bound; } steps[] = {
        {-1, 0.815f, 0}, {-1, 0.63f, 0}, {-1, 0.5f, 1}, {-1, 0.5f, 1}, {1, 0.63f, 0}, {1, 0.815f, 0},
        {1, 1.0f, 1},    {1, 1.0f, 1},   {0, 0.5f, 0},  {0, 1.0f, 0},  {-1, 0.815f, 0}, {0, 1.0f, 0},
        {5, 1.0f, 0},
    };
    ASSERT_FLOAT_EQ(mapDim.scale, 1.0f);
    int n = 0;
    for (auto s : steps) {
        strcpy(LastRegionShow, "Somewhere");
        EXPECT_EQ(scr_mapScale(s.direction), s.at_bound) << "step " << n;
        EXPECT_FLOAT_EQ(mapDim.scale, s.scale) << "step " << n;
        EXPECT_STRNE(LastRegionShow, "Somewhere") << "step " << n << ": the region box is drawn anew";
        n++;
    }
    mapdimInit(800, 600, 0.815f);
    EXPECT_EQ(scr_mapScale(1), 1);
    EXPECT_EQ(mapDim.scale, 1.0f);   // exactly
}
