// SPDX-License-Identifier: MIT

// How far a reading can be trusted on a noisy line: the share of readings
// reported valid with a wrong temperature, and the share rejected, for each
// bit-flip chance and each way pallix-read can take a reading. In-process:
// the simulator linked in and seeded through its control interface, a fixed
// temperature, the 300 ms wait replaced, 10,000 readings a cell.
//
//     build/bin/frame_trust [READINGS [SEED]]
#include "Pallix400.h"
#include "Pallix400Sim.h"
#include "ReadCommand.h"
#include "Sleep.h"
#include "basExampleFunctions.h"

#include <cstdio>
#include <cstdlib>

#define FRAME_TRUST_DECLARE(name, params, args) extern "C" int32_t PALLIX400_CALL name params;
PALLIX400_OPERATIONS(FRAME_TRUST_DECLARE)
#undef FRAME_TRUST_DECLARE

namespace {

constexpr double kCelsius = 25.0;
constexpr int32_t kRaw = 400;  // 25 degrees in sixteenths
constexpr unsigned long kSeed = 2026;

struct Mode {
    const char* options;
    ReadPlan plan;
};

const Mode kModes[] = {
    {"(one frame)", {1, 1, 0}},
    {"`--retries 2`", {1, 1, 2}},
    {"`--confirm 2`", {1, 2, 0}},
    {"`--confirm 3 --retries 2`", {1, 3, 2}},
};

const double kFlipChances[] = {0.01, 0.02, 0.05};

}  // namespace

int main(int argc, char* argv[])
{
    const long readings = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10'000;
    const unsigned long seed = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : kSeed;
    if (readings < 1 || argc > 3) {
        std::fprintf(stderr, "usage: frame_trust [READINGS [SEED]]  (READINGS at least 1; default 10000, seed 2026)\n");
        return 2;
    }
    Pallix400::Operations simulator;
#define FRAME_TRUST_USE(name, params, args) simulator.name = &::name;
    PALLIX400_OPERATIONS(FRAME_TRUST_USE)
#undef FRAME_TRUST_USE
    long frames = 0;
    platform::ReplaceSleep([&frames](std::chrono::milliseconds) { ++frames; });  // one wait a frame

    std::printf("| Bit-flip chance | Reading | Wrong but valid | of them off by more than 1/16 °C | Rejected | "
                "Frames a reading |\n|---|---|---|---|---|---|\n");
    for (const double chance : kFlipChances) {
        for (const Mode& mode : kModes) {
            Pallix400Sim::Control{}.Reset().Temperature(kCelsius).Noise(chance).Seed(static_cast<uint32_t>(seed));
            basExampleFunctions adapter{Pallix400(simulator)};  // the first reading opens the fresh simulator
            long wrong = 0;
            long farOff = 0;  // beyond the jitter that frames may show and still agree
            long rejected = 0;
            frames = 0;
            for (long reading = 0; reading < readings; ++reading) {
                const ReadCommandResult result = RunReadCommand(adapter, ".", mode.plan);
                if (!result.raw) {
                    ++rejected;
                } else if (*result.raw != kRaw) {
                    ++wrong;
                    farOff += std::abs(*result.raw - kRaw) > 1 ? 1 : 0;
                }
            }
            const double share = 100.0 / static_cast<double>(readings);
            std::printf("| %.2f | %s | %.2f %% | %.2f %% | %.2f %% | %.2f |\n", chance, mode.options,
                        static_cast<double>(wrong) * share, static_cast<double>(farOff) * share,
                        static_cast<double>(rejected) * share,
                        static_cast<double>(frames) / static_cast<double>(readings));
        }
    }
    return 0;
}
