// The map of known areas and the help page. Targets: composing the map view's surface with the
// culture regions and the marks after a scroll under 20 ms (scrolling and zooming feel immediate);
// composing the help page under 30 ms; one redraw of the help view from the stored page under 5 ms.
#include <benchmark/benchmark.h>

#include "bench_setup.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "aino_folder.h"
#include "bench_screen.h"
#include "maps/mapunit.h"
#include "maps/marker.h"
#include "maps/mvmarker.h"
#include "presentation/mapview.h"
#include "screens/helpscreen.h"

namespace {

void open_aino() {
    static bool open = false;
    if (open) return;
    // The font, palette and pictures of the built working folder beside her folder.
    const std::string cmd = "cd " + oxabench::folder().path + " && for f in " OXA_RUN_DIR
                            "/*; do [ -e \"$(basename \"$f\")\" ] || ln -s \"$f\" .; done";
    if (system(cmd.c_str()) != 0) bench_setup_failed("could not lay out its folder");
    open_headless_screen();
    oxabench::folder().fresh_character();
    confirm_alltime_memorymap();
    // A few markers of her own around her, as a player leaves them.
    for (int i = 0; i < 8; i++) {
        mvMarkerStruct m = mvMarker_New();
        m.x += 10 * i;
        m.color = (uint8_t)(1 + i % 5);
        mvMarker_SetText(m.text1, "berries");
        mvMarker_fwrite(m, 0);
    }
    open = true;
}

void BM_MapviewSurfaceAfterScroll(benchmark::State &state) {
    open_aino();
    int x = IsoX(), y = IsoY(), i = 0;
    for (auto _ : state) {
        mapview_scroll(x, y, 0, (i++ & 1) ? KEY_LEFT : KEY_RIGHT);
        MapViewArea_MasterRender(x, y, 1, 1, 0);
    }
}
BENCHMARK(BM_MapviewSurfaceAfterScroll)->Unit(benchmark::kMillisecond);

void BM_HelpPageCompose(benchmark::State &state) {
    open_aino();
    for (auto _ : state) HelpPage::compose();
}
BENCHMARK(BM_HelpPageCompose)->Unit(benchmark::kMillisecond);

void BM_HelpViewRedraw(benchmark::State &state) {
    open_aino();
    HelpPage::compose();
    int i = 0;
    for (auto _ : state) {
        HelpPage::DisplayStartY = (i++ * 20) % 700;
        HelpPage::show();
    }
}
BENCHMARK(BM_HelpViewRedraw)->Unit(benchmark::kMillisecond);

}  // namespace
