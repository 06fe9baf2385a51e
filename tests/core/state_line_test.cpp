// The side panel's state word and speed follow her: when she collapses from weariness in a turn, the
// panel shows it with that turn's map, not the "Walking" of the turn before.
#include "core/loader_fixture.h"

#include "creatures/bodyrec.h"
#include "creatures/condition.h"
#include "presentation/boxes.h"
#include "presentation/panels.h"
#include "presentation/show.h"

#include <vector>

namespace {

class StateLine : public oxatest::PlayingTest {
protected:
    // The heading box, where her state and speed are told, and the state box and speed line of the
    // panel, as they stand now.
    static std::vector<uint32_t> panel() {
        std::vector<uint32_t> px;
        SDL_Surface *h = HeadingBoxSurface;
        if (h) {
            SDL_LockSurface(h);
            for (int y = 0; y < h->h; y++)
                for (int x = 0; x < h->w; x++)
                    px.push_back(*(const uint32_t *)((const uint8_t *)h->pixels + y * h->pitch + x * h->format->BytesPerPixel));
            SDL_UnlockSurface(h);
        }
        for (int y = 155; y < 185; y++)
            for (int x = 670; x < 785; x++) px.push_back(oxatest::pixel(x, y));
        return px;
    }
};

TEST_F(StateLine, SheCollapsesAndThePanelSaysSoAtOnce) {
    oxatest::down_to_her_field();
    command({SDLK_SPACE, SDLK_PERIOD});
    Statistics();
    const std::vector<uint32_t> walking = panel();
    plr_set<int32_t>(PB_SLEEPINESS, 2100);   // too tired to stay on her feet: she falls this turn
    Condition_Check_lastnotemin = 0;          // no note of her condition lately
    // Rests, each answered by the next pass of the turn loop, where her condition is looked at.
    for (int i = 0; i < 3 && Plr.posture == 0; i++) command({SDLK_PERIOD});
    ASSERT_EQ(Plr.posture, 1) << "she lies down\n" << dir->read_file("AINO/msglog.txt");
    const std::vector<uint32_t> shown = panel();
    EXPECT_NE(shown, walking) << "the panel still says she walks";
    Statistics();   // the panel and the heading box drawn anew from her state
    Heading();
    EXPECT_EQ(panel(), shown);
}

}  // namespace
