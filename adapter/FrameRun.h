// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// One reading made of several frames, for a line that may garble them.
struct FrameRun {
    std::optional<int32_t> raw;   // the reading, when a run of frames held
    bool framesDisagree = false;  // no run held and the last frame was valid
    int framesRead = 0;
};

// Reads frames with `readFrame` (empty for a rejected frame) until the last
// `confirm` frames read are all valid and their raw values differ by at most
// 1, the sensor's own jitter; the reading is the last of them. A rejected
// frame or a far-off value breaks the run. At most confirm + retries frames
// are read, and none once no run of `confirm` can fit in what is left.
FrameRun ReadFrameRun(int confirm, int retries, const std::function<std::optional<int32_t>()>& readFrame);
