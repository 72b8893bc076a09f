// One sensor read cycle through the real loader and the driver library found
// by its bare name (the simulator from the build tree unless LD_LIBRARY_PATH
// names another), with and without the 300 ms settling wait.
#include "Sleep.h"
#include "basExampleFunctions.h"

#include <benchmark/benchmark.h>

namespace {

bool OpenOnce(benchmark::State& state)
{
    if (basExampleFunctions::bDriverReady) {
        return true;
    }
    std::string log;
    if (!basExampleFunctions::OpenAdapter(log)) {
        state.SkipWithError(("the driver did not open: " + log).c_str());
        return false;
    }
    basExampleFunctions::bDriverReady = true;
    return true;
}

void ReadCycle(benchmark::State& state)
{
    const auto realSleep = platform::ReplaceSleep([](std::chrono::milliseconds) {});
    if (OpenOnce(state)) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(basExampleFunctions::ReadTemperature());
        }
    }
    platform::ReplaceSleep(realSleep);
}

void ReadCycleWithRealWait(benchmark::State& state)
{
    if (OpenOnce(state)) {
        for (auto _ : state) {
            benchmark::DoNotOptimize(basExampleFunctions::ReadTemperature());
        }
    }
}

}  // namespace

BENCHMARK(ReadCycle)->Unit(benchmark::kMicrosecond)->Repetitions(7)->ReportAggregatesOnly();
BENCHMARK(ReadCycleWithRealWait)->Unit(benchmark::kMicrosecond)->Iterations(3)->Repetitions(7)->ReportAggregatesOnly();

BENCHMARK_MAIN();
