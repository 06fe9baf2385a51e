// The weather engine's costly paths: starting a character's weather (two generated years run up to
// the clock) and the hourly step that every game hour runs.
#include <benchmark/benchmark.h>

#include <memory>

#include "base/ownlib.h"
#include "core/weatherengine.h"

static void BM_StartAtYearEnd(benchmark::State &state) {
    auto e = std::make_unique<cWeatherEngine>();
    randomize(1);
    for (auto _ : state) benchmark::DoNotOptimize(e->start(WEATHER_LATITUDE, 360, 23));
}
BENCHMARK(BM_StartAtYearEnd);

static void BM_HourlyStep(benchmark::State &state) {
    auto e = std::make_unique<cWeatherEngine>();
    randomize(2);
    e->start(WEATHER_LATITUDE, 1, 0);
    for (auto _ : state) benchmark::DoNotOptimize(e->next_step(WEATHER_LATITUDE));
}
BENCHMARK(BM_HourlyStep);

static void BM_GenerateYear(benchmark::State &state) {
    auto e = std::make_unique<cWeatherEngine>();
    randomize(3);
    for (auto _ : state) {
        e->calc_year(0);
        benchmark::DoNotOptimize(e->days[359]);
    }
}
BENCHMARK(BM_GenerateYear);
