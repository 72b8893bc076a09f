// SPDX-License-Identifier: MIT

// Starts PallixExample and a minimal Qt Widgets program alternately, N times
// each, under the current DISPLAY, and prints the median time to the first
// painted window and the median peak resident memory of both, with ratios.
//
//   startup_bench [--runs N] PROBE_LIBRARY REFERENCE_PROGRAM PALLIXEXAMPLE
#include "Median.h"
#include "StartupRun.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kTimeoutSeconds = 30;
constexpr double kTargetRatio = 1.2;

struct Subject {
    const char* label;
    std::string path;
    std::vector<double> startupMs;
    std::vector<double> peakRssMiB;
};

int Usage(const char* message)
{
    std::fprintf(stderr,
                 "startup_bench: %s\nusage: startup_bench [--runs N] PROBE_LIBRARY REFERENCE_PROGRAM "
                 "PALLIXEXAMPLE\n",
                 message);
    return 2;
}

bool RunAndRecord(Subject& subject, const std::string& probe, bool record)
{
    const StartupRun run = RunStartup(subject.path, probe, kTimeoutSeconds);
    if (!run.ok) {
        std::fprintf(stderr, "startup_bench: %s\n", run.error.c_str());
        return false;
    }
    if (record) {
        subject.startupMs.push_back(run.startupMs);
        subject.peakRssMiB.push_back(run.peakRssMiB);
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    int runs = 15;
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs") {
            if (++i == argc) {
                return Usage("--runs needs a number");
            }
            char* end = nullptr;
            const long value = std::strtol(argv[i], &end, 10);
            if (*argv[i] == '\0' || *end != '\0' || value < 1 || value > 1000) {
                return Usage("--runs takes a whole number from 1 to 1000");
            }
            runs = static_cast<int>(value);
        } else {
            paths.push_back(arg);
        }
    }
    if (paths.size() != 3) {
        return Usage("expected three paths");
    }
    if (access(paths[0].c_str(), R_OK) != 0) {
        return Usage(("cannot read the probe library " + paths[0]).c_str());
    }
    for (size_t i = 1; i < 3; ++i) {
        if (access(paths[i].c_str(), X_OK) != 0) {
            return Usage(("not an executable program: " + paths[i]).c_str());
        }
    }
    if (std::getenv("DISPLAY") == nullptr) {
        return Usage("DISPLAY is not set; run under xvfb-run or on a desktop");
    }

    std::vector<Subject> subjects{{"reference", paths[1], {}, {}}, {"PallixExample", paths[2], {}, {}}};
    // One unrecorded start each first, so that both find the libraries cached.
    for (int i = -1; i < runs; ++i) {
        for (Subject& subject : subjects) {
            if (!RunAndRecord(subject, paths[0], i >= 0)) {
                return 1;
            }
        }
    }

    std::printf("median of %d starts each, to the first painted window:\n", runs);
    for (const Subject& subject : subjects) {
        std::printf("  %-14s startup %8.1f ms   peak RSS %7.1f MiB\n", subject.label, Median(subject.startupMs),
                    Median(subject.peakRssMiB));
    }
    const double timeRatio = Median(subjects[1].startupMs) / Median(subjects[0].startupMs);
    const double rssRatio = Median(subjects[1].peakRssMiB) / Median(subjects[0].peakRssMiB);
    std::printf("ratio PallixExample/reference: startup %.2f, peak RSS %.2f (target at most %.1f each: %s)\n",
                timeRatio, rssRatio, kTargetRatio,
                timeRatio <= kTargetRatio && rssRatio <= kTargetRatio ? "met" : "NOT met");
    return 0;
}
