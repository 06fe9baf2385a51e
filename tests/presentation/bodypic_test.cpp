// The body picture: wound marks that repeat exactly without touching the game's random stream, the
// generated armour.png whose outline closes every part, and the coverage of an arms-only item.
#include "common/harness.h"
#include "core/obj_func.h"
#include "core/oxa.h"
#include "core/records.h"
#include "items/items.h"
#include "presentation/bodypic.h"
#include "presentation/pictures.h"
#include "presentation/show.h"

#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

namespace {

class BodyPicture : public oxatest::ScreenTest {
protected:
    void SetUp() override {
        ScreenTest::SetUp();
        dir->copy_asset("truegfx/armour.png");
        dir->copy_asset("truegfx/armour_black.png");
        SDL_FillRect(game_screen, nullptr, 0);
        freesizePic("armour.png", BODYPIC_X, BODYPIC_Y, 0, 0, 0);
        SKIN_COLOR = getpix(part_pos[9][0], part_pos[9][1]);
        SKIN_BORDER = getpix(668, 91);
    }
    static std::vector<uint32_t> grab() {
        std::vector<uint32_t> v;
        for (int y = BODYPIC_Y; y < BODYPIC_Y + 310; y++)
            for (int x = BODYPIC_X; x < BODYPIC_X + 200; x++) v.push_back(getpix(x, y));
        return v;
    }
    static int mirror_x(int part) { return BODY_MIRROR - part_pos[part][0]; }
};

TEST_F(BodyPicture, EveryPartPlaceIsSkinAndItsFillStaysInItsRegion) {
    ASSERT_NE(SKIN_COLOR, SKIN_BORDER);
    for (int part = 0; part < BODY_PLACES; part++) {
        EXPECT_EQ(getpix(part_pos[part][0], part_pos[part][1]), SKIN_COLOR) << "part " << part;
        EXPECT_EQ(getpix(mirror_x(part), part_pos[part][1]), SKIN_COLOR) << "mirror of part " << part;
    }
    // The picture is its own mirror image.
    for (int y = BODYPIC_Y; y < BODYPIC_Y + 300; y += 3)
        for (int x = 570; x < 668; x++) ASSERT_EQ(getpix(x, y), getpix(BODY_MIRROR - x, y)) << x << "," << y;
    // Filling one part reaches no other part's place: every region is closed.
    for (int part = 0; part < BODY_PLACES; part++) {
        const uint32_t paint = RGB_to_color(1 + part, 200, 3);
        setcolor(paint);
        DrawBodypart(part, 2);
        for (int other = 0; other < BODY_PLACES; other++) {
            if (other == part) continue;
            const bool same_place = part_pos[other][0] == part_pos[part][0] && part_pos[other][1] == part_pos[part][1];
            if (same_place) continue;
            EXPECT_NE(getpix(part_pos[other][0], part_pos[other][1]), paint) << part << " leaks into " << other;
            EXPECT_NE(getpix(mirror_x(other), part_pos[other][1]), paint) << part << " leaks into " << other;
        }
        EXPECT_EQ(getpix(part_pos[part][0], part_pos[part][1]), paint);
        EXPECT_EQ(getpix(mirror_x(part), part_pos[part][1]), paint);
        EXPECT_EQ(getpix(570, 90), 0u) << "the fill left the figure";
    }
}

TEST_F(BodyPicture, SameWoundGivesSamePixelsAndLeavesTheRandomStream) {
    const std::vector<uint32_t> clean = grab();
    srand(4242);
    const int expected = rand();
    srand(4242);
    draw_wound(9, 0, 1, 3, 77);
    draw_wound(10, 1, 6, 4, 78);
    EXPECT_EQ(rand(), expected) << "the wound drew from the game's random stream";
    const std::vector<uint32_t> first = grab();
    EXPECT_NE(first, clean);
    // Only skin pixels change.
    for (size_t i = 0; i < clean.size(); i++) {
        if (first[i] == clean[i]) continue;
        ASSERT_EQ(clean[i], SKIN_COLOR) << "pixel " << i;
    }

    SDL_FillRect(game_screen, nullptr, 0);
    freesizePic("armour.png", BODYPIC_X, BODYPIC_Y, 0, 0, 0);
    draw_wound(9, 0, 1, 3, 77);
    draw_wound(10, 1, 6, 4, 78);
    EXPECT_EQ(grab(), first);
}

TEST_F(BodyPicture, KindsAndPartsThatDrawNothing) {
    const std::vector<uint32_t> clean = grab();
    srand(99);
    const int expected = rand();
    srand(99);
    draw_wound(9, 0, 50, 3, 1);
    draw_wound(17, 0, 1, 3, 1);
    draw_wound(18, 1, 2, 3, 1);
    draw_wound(-1, 0, 1, 3, 1);
    draw_wound(9, 0, 0, 3, 1);
    draw_wound(9, 0, 7, 3, 1);
    EXPECT_EQ(grab(), clean);
    EXPECT_EQ(rand(), expected);
    // Every kind 1 to 6 marks the skin, whatever the severity.
    for (int kind = 1; kind <= 6; kind++) {
        for (int s : {0, 2, 5, 1000000, -7}) {
            draw_wound(9, 0, kind, s, kind * 10 + s);
        }
    }
    EXPECT_NE(grab(), clean);
}

// A small bruise is drawn in bruise shades only, never in the palette's text colours.
TEST_F(BodyPicture, SmallBruiseHasNoTextColours) {
    const std::vector<uint32_t> clean = grab();
    for (int seed = 1; seed <= 20; seed++) draw_wound(9, 0, 1, 1, seed);
    const std::vector<uint32_t> marked = grab();
    int painted = 0;
    for (size_t i = 0; i < clean.size(); i++) {
        if (marked[i] == clean[i]) continue;
        painted++;
        for (int text = 65; text <= 71; text++) ASSERT_NE(marked[i], pixelvalue(text)) << "text colour " << text;
    }
    EXPECT_GT(painted, 0);
}

TEST_F(BodyPicture, ArmsOnlyItemLeavesEveryOtherPartDarkRed) {
    ItemStruct saved = Item;
    memset(&Item, 0, sizeof Item);
    Item.type = 2;
    const int arms[] = {5, 6, 7};             // upper arm, elbow, forearm
    for (int p : arms) Item.cover[p / 8] |= (uint8_t)(1 << (p % 8));
    for (int i = 0; i < 6; i++) Item.fig[i] = 4;
    coverage_fill(1, 1000);
    const uint32_t dark_red = rating_colour(0);
    for (int part = 0; part < BODY_PLACES; part++) {
        const bool arm = part >= 5 && part <= 7;
        const uint32_t want = arm ? rating_colour(4) : dark_red;
        EXPECT_EQ(getpix(part_pos[part][0], part_pos[part][1]), want) << "part " << part;
        EXPECT_EQ(getpix(mirror_x(part), part_pos[part][1]), want) << "mirror of part " << part;
    }
    // Nothing worn: mode 0 leaves the whole body dark red, whatever character an earlier test loaded.
    int32_t carried[PLR_SLOTS];
    memcpy(carried, Plr.inv_obj, sizeof carried);
    memset(Plr.inv_obj, 0, sizeof Plr.inv_obj);
    coverage_fill(0, 0);
    for (int part = 0; part < BODY_PLACES; part++)
        EXPECT_EQ(getpix(part_pos[part][0], part_pos[part][1]), dark_red) << "part " << part;
    memcpy(Plr.inv_obj, carried, sizeof carried);
    Item = saved;
}

TEST_F(BodyPicture, RatingScaleSteps) {
    EXPECT_EQ(rating_colour(-3), rating_colour(0));
    EXPECT_EQ(rating_colour(9), rating_colour(8));
    EXPECT_EQ(rating_colour(4), rating_colour(5));
    EXPECT_NE(rating_colour(3), rating_colour(4));
    EXPECT_NE(rating_colour(0), rating_colour(1));
}

}  // namespace
