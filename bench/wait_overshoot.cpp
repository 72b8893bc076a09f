// SPDX-License-Identifier: MIT

// How long the program's 300 ms settle wait really lasts: the shortest, the
// median and the longest of RUNS waits, as the time beyond 300 ms.
//   wait_overshoot [RUNS]     (default 20)
#include "Sleep.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::vector<double> overshoot;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        platform::Sleep(std::chrono::milliseconds(300));
        const std::chrono::duration<double, std::milli> waited = std::chrono::steady_clock::now() - start;
        overshoot.push_back(waited.count() - 300.0);
    }
    std::sort(overshoot.begin(), overshoot.end());
    std::printf("300 ms wait, %d runs: beyond 300 ms by %.3f ms at least, %.3f ms median, %.3f ms at most\n", runs,
                overshoot.front(), overshoot[overshoot.size() / 2], overshoot.back());
    return overshoot.front() < 0.0 ? 1 : 0;  // a wait that ended early
}
