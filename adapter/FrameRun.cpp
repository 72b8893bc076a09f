// SPDX-License-Identifier: MIT

#include "FrameRun.h"

#include <algorithm>
#include <deque>

namespace {

bool Agree(const std::deque<int32_t>& run)
{
    const auto [lowest, highest] = std::minmax_element(run.begin(), run.end());
    return *highest - *lowest <= 1;
}

}  // namespace

FrameRun ReadFrameRun(int confirm, int retries, const std::function<std::optional<int32_t>()>& readFrame)
{
    const int budget = confirm + retries;
    FrameRun result;
    std::deque<int32_t> run;  // the longest stretch of agreeing valid frames that ends with the last one
    bool lastValid = false;
    while (result.framesRead < budget && static_cast<int>(run.size()) + budget - result.framesRead >= confirm) {
        const std::optional<int32_t> frame = readFrame();
        ++result.framesRead;
        lastValid = frame.has_value();
        if (!frame) {
            run.clear();
            continue;
        }
        run.push_back(*frame);
        while (!Agree(run)) {
            run.pop_front();
        }
        if (static_cast<int>(run.size()) >= confirm) {
            result.raw = *frame;
            return result;
        }
    }
    result.framesDisagree = lastValid;
    return result;
}
