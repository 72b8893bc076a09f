#include "FrameEncoding.h"
#include "Pallix400Sim.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace {

using Pallix400Sim::Control;

struct TemperatureCase {
    double celsius;
    int32_t raw;
    friend std::ostream& operator<<(std::ostream& out, const TemperatureCase& c)
    {
        return out << c.celsius << " degrees -> raw " << c.raw;
    }
};

std::string CaseName(const ::testing::TestParamInfo<TemperatureCase>& info)
{
    std::string name = std::to_string(info.param.celsius);
    for (char& c : name) {
        if (c == '-') c = 'm';
        if (c == '.') c = '_';
    }
    return name;
}

const TemperatureCase kTemperatures[] = {
    {25.0, 400},      {25.0625, 401},    {-0.0625, -1},    {0.0, 0},        {-10.0, -160},
    {-256.0, -4096},  {255.9375, 4095},  {300.0, 4095},    {-300.0, -4096}, {25.03, 400},
    {25.04, 401},     {-0.03, 0},        {-0.04, -1},      {127.5, 2040},   {-55.0, -880},
};

class FrameRoundTrip : public SimTest::SimulatorTest, public ::testing::WithParamInterface<TemperatureCase> {};

TEST_P(FrameRoundTrip, TemperatureReadsBackAsItsRawValueWhenClockedLikeTheProgram)
{
    Control{}.Temperature(GetParam().celsius);
    SimTest::OpenDriver();
    const SimTest::Frame frame = SimTest::Decode(SimTest::ReadCycle());
    EXPECT_EQ(frame.raw, GetParam().raw);
    EXPECT_EQ(frame.trailer, 0b0110);
}

TEST_P(FrameRoundTrip, TemperatureQuantisesAndClampsToItsRawValue)
{
    EXPECT_EQ(Pallix400Sim::RawFromCelsius(GetParam().celsius), GetParam().raw);
}

INSTANTIATE_TEST_SUITE_P(Temperatures, FrameRoundTrip, ::testing::ValuesIn(kTemperatures), CaseName);

struct BitsCase {
    int32_t raw;
    const char* bits;  // sign, 12 magnitude bits, trailer; in the order sent
    friend std::ostream& operator<<(std::ostream& out, const BitsCase& c) { return out << "raw " << c.raw; }
};

class FrameBits : public ::testing::TestWithParam<BitsCase> {};

TEST_P(FrameBits, FrameIsSignMagnitudeMostSignificantFirstThenTrailer)
{
    const uint32_t frame = Pallix400Sim::EncodeFrame(GetParam().raw);
    std::string bits;
    for (int position = 0; position < Pallix400Sim::kFrameBits; ++position) {
        bits += Pallix400Sim::FrameBit(frame, position) ? '1' : '0';
    }
    EXPECT_EQ(bits, GetParam().bits);
}

INSTANTIATE_TEST_SUITE_P(RawValues, FrameBits,
                         ::testing::Values(BitsCase{400, "0000110010000""0110"},
                                           BitsCase{-1, "1111111111111""0110"},
                                           BitsCase{-4096, "1000000000000""0110"},
                                           BitsCase{4095, "0111111111111""0110"},
                                           BitsCase{0, "0000000000000""0110"},
                                           BitsCase{1, "0000000000001""0110"}));

TEST(FrameBit, PositionsOutsideTheFrameReadZero)
{
    const uint32_t allOnes = Pallix400Sim::EncodeFrame(-1);
    EXPECT_FALSE(Pallix400Sim::FrameBit(allOnes, -1));
    EXPECT_FALSE(Pallix400Sim::FrameBit(allOnes, Pallix400Sim::kFrameBits));
    EXPECT_TRUE(Pallix400Sim::FrameBit(allOnes, 0));
}

TEST(RawFromCelsius, NotANumberGivesZero)
{
    EXPECT_EQ(Pallix400Sim::RawFromCelsius(std::numeric_limits<double>::quiet_NaN()), 0);
}

}  // namespace
