// SPDX-License-Identifier: MIT

// One sensor read cycle through the real loader and the driver library found
// by its bare name (the simulator from the build tree unless LD_LIBRARY_PATH
// names another), with and without the 300 ms settling wait.
#include "Sleep.h"
#include "basExampleFunctions.h"

#include <benchmark/benchmark.h>

namespace {

bool Open(basExampleFunctions& adapter, benchmark::State& state)
{
    std::string log;
    if (!adapter.OpenAdapter(log)) {
        state.SkipWithError(("the driver did not open: " + log).c_str());
        return false;
    }
    adapter.bDriverReady = true;
    return true;
}

void ReadCycle(benchmark::State& state)
{
    const auto realSleep = platform::ReplaceSleep([](std::chrono::milliseconds) {});
    basExampleFunctions adapter;
    if (Open(adapter, state)) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(adapter.ReadTemperature());
        }
    }
    platform::ReplaceSleep(realSleep);
}

void ReadCycleWithRealWait(benchmark::State& state)
{
    basExampleFunctions adapter;
    if (Open(adapter, state)) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(adapter.ReadTemperature());
        }
    }
}

}  // namespace

BENCHMARK(ReadCycle)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(ReadCycleWithRealWait)->Unit(benchmark::kMicrosecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly();

BENCHMARK_MAIN();
