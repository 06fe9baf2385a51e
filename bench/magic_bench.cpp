// Magic means: whether she knows a means, asked on every square event an item or a step raises.
// Target: under 0.1 microseconds a question.
#include <benchmark/benchmark.h>

#include "activities/activities.h"
#include "activities/magic.h"
#include "core/records.h"

#include <cstring>

namespace {

void BM_taikakeino_tuttu(benchmark::State &state) {
    memset(&Plr, 0, sizeof Plr);
    opi_taikakeino(9, 0);
    opi_taikakeino(10, 0);
    opi_taikakeino(89, 0);
    opi_taikakeino(130, 0);
    static const int asked[] = {89, 40, 82, 130, 70, 115, 300, 9};   // what one square's items ask
    for (auto _ : state) {
        int known = 0;
        for (int n : asked) known += taikakeino_tuttu(n, 0);
        benchmark::DoNotOptimize(known);
    }
    state.SetItemsProcessed(state.iterations() * (int64_t)(sizeof asked / sizeof *asked));
}
BENCHMARK(BM_taikakeino_tuttu);

}  // namespace
