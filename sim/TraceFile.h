// SPDX-License-Identifier: MIT

#pragma once

#include "VcdWriter.h"

#include <chrono>
#include <fstream>
#include <memory>
#include <string>

// A VCD file of the pin activity, timed by the monotonic clock from the moment
// it was opened.
namespace Pallix400Sim {

class TraceFile {
public:
    // Opens (and empties) the regular file at `path` and writes the header
    // with the current levels. On failure returns null and puts the reason
    // into `error`.
    static std::unique_ptr<TraceFile> Open(const std::string& path, const PinLevels& levels, std::string& error);

    void Record(const PinLevels& levels);
    // False, after saying so on standard error, when the file could not take
    // what was written (a full disk, say): the trace is then of no more use.
    bool Flush();

private:
    TraceFile() = default;

    std::string path_;
    std::ofstream file_;
    std::unique_ptr<VcdWriter> writer_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace Pallix400Sim
