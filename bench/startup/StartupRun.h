// SPDX-License-Identifier: MIT

#pragma once

#include <string>

// One start of a Qt program with the qtprobe library preloaded in "painted"
// mode: how long it took from just before the spawn until its first window
// was painted, and the child's peak resident memory.
struct StartupRun {
    bool ok = false;
    std::string error;  // why the run failed, when !ok
    double startupMs = 0.0;
    double peakRssMiB = 0.0;
};

StartupRun RunStartup(const std::string& program, const std::string& probeLibrary, int timeoutSeconds);
