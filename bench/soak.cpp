// SPDX-License-Identifier: MIT

// A long run through the simulated driver with the 300 ms wait replaced:
// read cycles through the real loader, then presses of Read in the window,
// with the resident memory before and after each. Run under AddressSanitizer
// (bench/soak.sh) it also shows that nothing leaks.
//   soak [CYCLES [PRESSES]]     (defaults: 100000, 1000)
#include "Sleep.h"
#include "basExampleFunctions.h"
#include "frmPallixExampleQt.h"

#include <QAbstractButton>
#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

double ResidentMiB()
{
    long pages = 0;
    long resident = 0;
    std::ifstream{"/proc/self/statm"} >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

}  // namespace

int main(int argc, char* argv[])
{
    const long cycles = argc > 1 ? std::atol(argv[1]) : 100000;
    const long presses = argc > 2 ? std::atol(argv[2]) : 1000;
    platform::ReplaceSleep([](std::chrono::milliseconds) {});

    auto adapter = std::make_unique<basExampleFunctions>();
    std::string log;
    if (!adapter->OpenAdapter(log)) {
        std::fprintf(stderr, "soak: the driver did not open: %s", log.c_str());
        return 1;
    }
    adapter->bDriverReady = true;
    const double beforeCycles = ResidentMiB();
    long rejected = 0;
    for (long cycle = 0; cycle < cycles; ++cycle) {
        rejected += adapter->ReadTemperature() == basExampleFunctions::kNoReading ? 1 : 0;
    }
    std::printf("%ld read cycles (%ld rejected): resident %.1f MiB before, %.1f MiB after\n", cycles, rejected,
                beforeCycles, ResidentMiB());

    adapter.reset();  // closes the driver, so that a leak in it would show too

    QApplication app(argc, argv);
    auto window = std::make_unique<frmPallixExampleQt>();
    window->Form().Load();
    window->show();
    auto* read = window->findChild<QAbstractButton*>(QStringLiteral("cmdReadTemp"));
    read->click();  // the first press opens the adapter
    QApplication::processEvents();
    const double beforePresses = ResidentMiB();
    for (long press = 0; press < presses; ++press) {
        read->click();
        QApplication::processEvents();
    }
    std::printf("%ld presses of Read: resident %.1f MiB before, %.1f MiB after\n", presses, beforePresses,
                ResidentMiB());
    window.reset();  // closes its driver too
    return 0;
}
