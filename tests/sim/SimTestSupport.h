#pragma once

#include "Pallix400Sim.h"

#include <gtest/gtest.h>

#include <Pallix400Api.h>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

// The simulated driver's operations, called directly as C functions.
extern "C" {
#define SIM_TEST_DECLARE(name, params, args) int32_t name params;
PALLIX400_OPERATIONS(SIM_TEST_DECLARE)
#undef SIM_TEST_DECLARE
}

namespace SimTest {

// What CopyErrorText, or `copy` of the same type, says about `code`.
std::string ErrorText(int32_t code, Pallix400_CopyErrorText_t* copy = CopyErrorText);

// InitiateDriver(3) and SetPort(1), as the program opens the adapter.
void OpenDriver();

// The samples of one read cycle as the program clocks it: pattern 3, 1, then
// `bits` times (0, sample, 1), then 3. Each sample is bit 0 of the input.
// `whileSelected` runs once the sensor is selected, before the first bit.
std::vector<int> ReadCycle(int bits = 17, const std::function<void()>& whileSelected = {});

// 17 samples decoded as the program does: sign, 12 magnitude bits, trailer.
struct Frame {
    int32_t raw = 0;      // magnitude - 4096 x sign
    int32_t trailer = 0;  // the last four bits
};
Frame Decode(const std::vector<int>& bits);

// A row of a table of cases, printed as its name, which also names its test
// with ::testing::PrintToStringParamName.
struct Case {
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const Case& row) { return out << row.name; }
};

// Takes the simulator's settings out of the environment and reloads it.
void ClearSettings();

// Every test starts and ends with a freshly loaded simulator and none of its
// settings in the environment.
class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override { ClearSettings(); }
    void TearDown() override { ClearSettings(); }
    // Sets a variable and reloads the simulator's settings.
    static void SetEnvironment(const char* name, const std::string& value)
    {
        setenv(name, value.c_str(), 1);
        Pallix400Sim::Control{}.Reset();
    }
};

// A table-driven test of the simulator with rows of type `Row`.
template <class Row>
class SimulatorCase : public SimulatorTest, public ::testing::WithParamInterface<Row> {
};

}  // namespace SimTest
