// The lines a window is drawn with stay inside it: the task screen's advice and its congratulation, and
// the requirement list's header, as the screen lays out what the rules ask it to show.
#include "common/harness.h"

#include "base/ui.h"
#include "items/matching.h"
#include "items/materials.h"
#include "presentation/screen_ui.h"
#include "quests/courses.h"

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace oxatest {
namespace {

struct Drawn {
    int x, y, w, h;
    std::vector<std::pair<UiLine, std::string>> lines;
};
std::vector<Drawn> windows;

void record(int, int x, int y, int w, int h, const char *, uint32_t, UiColour, const UiLine *lines, int n) {
    Drawn d{x, y, w, h, {}};
    for (int i = 0; i < n; i++) d.lines.push_back({lines[i], lines[i].text ? lines[i].text : ""});
    windows.push_back(d);
}

class WindowLines : public ScreenTest {};

TEST_F(WindowLines, StayInsideTheirWindows) {
    const UiScreen kept = ui;
    const auto drawn_by = screen_text_window;
    screen_text_window = record;
    const Tehtava task_kept = tehtava;
    const int phase_kept = Tehtavan_Vaihe, event_kept = Tehtava_Tapahtuma;
    struct Case {
        const char *name;
        std::function<void()> draw;
    } cases[] = {
        {"the task screen", [] { Tehtavan_Kuvaus(0); }},
        {"the task done", [] { Tehtavan_Kuvaus(1); }},
        {"the requirement list", [] {
             memset(Tarvikelista, 0, sizeof Tarvikelista);
             Esita_Tarvikelista(99);
         }},
    };
    for (const Case &c : cases) {
        windows.clear();
        tehtava = Tehtava{};
        Tehtava_Tapahtuma = -1;
        c.draw();
        int lines = 0;
        for (const Drawn &d : windows)
            for (const auto &[line, text] : d.lines) {
                lines++;
                EXPECT_LE(line.x + textwidth(text.c_str()), d.x + d.w - 4) << c.name << ": " << text;
                EXPECT_LE(line.y + 10, d.y + d.h - 2) << c.name << ": " << text;
            }
        EXPECT_GT(lines, 0) << c.name;
    }
    tehtava = task_kept;
    Tehtavan_Vaihe = phase_kept;
    Tehtava_Tapahtuma = event_kept;
    screen_text_window = drawn_by;
    ui = kept;
}

}  // namespace
}  // namespace oxatest
