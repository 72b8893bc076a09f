// SPDX-License-Identifier: MIT

// A small driver library for tests of how the program meets a driver other
// than the simulator: a healthy adapter on port 1 whose sensor answers 25
// degrees, unless the environment asks for other answers:
//   PALLIX_TEST_DRIVER_INIT          what InitiateDriver returns
//   PALLIX_TEST_DRIVER_TEXT          the bytes CopyErrorText writes, in hexadecimal
//   PALLIX_TEST_DRIVER_COUNT         what CopyErrorText returns
//   PALLIX_TEST_DRIVER_PORT          what GetPort returns
//   PALLIX_TEST_DRIVER_READ_RESULT   what ReadTestpins returns
//   PALLIX_TEST_DRIVER_LOG           a file that receives a digit for each pattern written
// Variants of it lack one operation (TEST_DRIVER_WITHOUT_<NAME>).
#include <Pallix400Api.h>
#include <SensorModel.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The simulator's sensor, at 25 degrees and without noise.
Pallix400Sim::SensorModel sensor{[] { return 25.0; }, [] { return false; }};

int32_t Setting(const char* name, int32_t fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr ? static_cast<int32_t>(std::strtol(value, nullptr, 10)) : fallback;
}

}  // namespace

PALLIX400_EXPORT int32_t PALLIX400_CALL InitiateDriver(int32_t)
{
    return Setting("PALLIX_TEST_DRIVER_INIT", Pallix400Api::kDriverReady);
}

PALLIX400_EXPORT int32_t PALLIX400_CALL CopyErrorText(int32_t, char* buffer, int32_t size)
{
    const char* hex = std::getenv("PALLIX_TEST_DRIVER_TEXT");
    const std::string text = hex != nullptr ? hex : "";
    for (std::size_t i = 0; i + 1 < text.size() && static_cast<int32_t>(i / 2) < size; i += 2) {
        buffer[i / 2] = static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
    }
    return Setting("PALLIX_TEST_DRIVER_COUNT", static_cast<int32_t>(text.size() / 2));
}

PALLIX400_EXPORT int32_t PALLIX400_CALL SetPort(int32_t)
{
    return 1;
}

#ifndef TEST_DRIVER_WITHOUT_GETPORT
PALLIX400_EXPORT int32_t PALLIX400_CALL GetPort()
{
    return Setting("PALLIX_TEST_DRIVER_PORT", 1);
}
#endif

PALLIX400_EXPORT int32_t PALLIX400_CALL WriteTestpins(int32_t pattern)
{
    if (const char* path = std::getenv("PALLIX_TEST_DRIVER_LOG")) {
        if (FILE* file = std::fopen(path, "a")) {
            std::fprintf(file, "%d", pattern);
            std::fclose(file);
        }
    }
    sensor.Drive(pattern);
    return 1;
}

#ifndef TEST_DRIVER_WITHOUT_READTESTPINS
PALLIX400_EXPORT int32_t PALLIX400_CALL ReadTestpins(int32_t* inputs)
{
    *inputs = sensor.DataLine() ? Pallix400Api::kDataBit : 0;
    return Setting("PALLIX_TEST_DRIVER_READ_RESULT", 1);
}
#endif
