// A small driver library for tests of how the program meets a driver other
// than the simulator: a healthy adapter on port 1 whose sensor always answers
// 25 degrees. Variants of it lack one operation (TEST_DRIVER_WITHOUT_<NAME>).
// PALLIX_TEST_DRIVER_LOG names a file that receives one digit for each pattern
// written to the test pins.
#include <Pallix400Api.h>
#include <SensorFrame.h>
#include <cstdio>
#include <cstdlib>

#define TEST_DRIVER_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int32_t kClockAndSelect = Pallix400::kClockBit | Pallix400::kChipSelectBit;
constexpr uint32_t kFrame = SensorFrame::Encode(400);

int32_t outputs = kClockAndSelect;
int nextBit = 0;
bool dataLine = true;

void Log(int32_t pattern)
{
    if (const char* path = std::getenv("PALLIX_TEST_DRIVER_LOG")) {
        if (FILE* file = std::fopen(path, "a")) {
            std::fprintf(file, "%d", pattern);
            std::fclose(file);
        }
    }
}

}  // namespace

TEST_DRIVER_EXPORT int32_t InitiateDriver(int32_t)
{
    return Pallix400::kDriverReady;
}

TEST_DRIVER_EXPORT int32_t CopyErrorText(int32_t, char*, int32_t)
{
    return 0;
}

TEST_DRIVER_EXPORT int32_t SetPort(int32_t)
{
    return 1;
}

TEST_DRIVER_EXPORT int32_t GetPort()
{
    return 1;
}

TEST_DRIVER_EXPORT int32_t WriteTestpins(int32_t pattern)
{
    Log(pattern);
    const bool selected = (pattern & Pallix400::kChipSelectBit) == 0;
    if (selected && (outputs & Pallix400::kChipSelectBit) != 0) {
        nextBit = 0;
    }
    if (selected && (outputs & Pallix400::kClockBit) != 0 && (pattern & Pallix400::kClockBit) == 0) {
        dataLine = nextBit < SensorFrame::kBits && ((kFrame >> (SensorFrame::kBits - 1 - nextBit++)) & 1U) != 0;
    }
    outputs = pattern;
    return 1;
}

#ifndef TEST_DRIVER_WITHOUT_READTESTPINS
TEST_DRIVER_EXPORT int32_t ReadTestpins(int32_t* inputs)
{
    *inputs = dataLine ? Pallix400::kDataBit : 0;
    return 1;
}
#endif
