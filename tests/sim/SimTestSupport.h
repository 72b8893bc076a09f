#pragma once

#include <Pallix400Api.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The simulated driver's operations, called directly as C functions.
extern "C" {
#define SIM_TEST_DECLARE(name, params, args) int32_t name params;
PALLIX400_OPERATIONS(SIM_TEST_DECLARE)
#undef SIM_TEST_DECLARE
}

namespace SimTest {

// What CopyErrorText says about `code`.
std::string ErrorText(int32_t code);

// InitiateDriver(3) and SetPort(1), as the program opens the adapter.
void OpenDriver();

// The samples of one read cycle as the program clocks it: pattern 3, 1, then
// `bits` times (0, sample, 1), then 3. Each sample is bit 0 of the input.
std::vector<int> ReadCycle(int bits = 17);

struct Frame {
    int32_t raw = 0;      // magnitude - 4096 x sign
    int32_t trailer = 0;  // the last four bits
};
// Decodes 17 samples as the program does.
Frame Decode(const std::vector<int>& bits);

// Names a parameterised case after its `name` member.
struct NameOfCase {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& test) const
    {
        return test.param.name;
    }
};

// Every test starts from a freshly loaded simulator with none of its settings
// in the environment, and leaves the environment as it found it.
class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Sets a variable and reloads the simulator's settings.
    void SetEnvironment(const std::string& name, const std::string& value);

private:
    std::map<std::string, std::optional<std::string>> saved_;
};

}  // namespace SimTest
