#pragma once

#include "Pallix400Sim.h"

#include <gtest/gtest.h>

#include <Pallix400Api.h>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

// The simulated driver's operations, linked in and called directly.
extern "C" {
#define SIM_TEST_DECLARE(name, params, args) int32_t PALLIX400_CALL name params;
PALLIX400_OPERATIONS(SIM_TEST_DECLARE)
#undef SIM_TEST_DECLARE
}

namespace SimTest {

// What CopyErrorText, or `copy` of the same type, says about `code`.
std::string ErrorText(int32_t code, Pallix400_CopyErrorText_t* copy = CopyErrorText);

// InitiateDriver(3) and SetPort(1), as the program opens the adapter.
void OpenDriver();

// One read cycle as the program clocks it: pattern 3, 1, then `bits` times
// (0, sample, 1), then 3. Returns the samples' bit 0 as '0' and '1'.
// `whileSelected` runs once the sensor is selected, before the first bit.
std::string ReadCycle(int bits = 17, const std::function<void()>& whileSelected = {});

// The reading a frame of 17 bits, written as '0' and '1', carries.
std::optional<int32_t> Reading(const std::string& bits);

// A row of a table of cases, printed as its name, which also names its test
// with ::testing::PrintToStringParamName.
struct Case {
    const char* name;
    friend std::ostream& operator<<(std::ostream& out, const Case& row) { return out << row.name; }
};

// Every test starts and ends with a fresh simulator and none of its settings
// in the environment.
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
    static void ClearSettings();
};

// A table-driven test of the simulator with rows of type `Row`.
template <class Row>
class SimulatorCase : public SimulatorTest, public ::testing::WithParamInterface<Row> {
};

}  // namespace SimTest
