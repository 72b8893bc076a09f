#include "SimTestSupport.h"

#include <functional>
#include <set>

namespace {

using Pallix400Sim::Control;
using Driver = SimTest::SimulatorTest;

// The ways a program can reach the pins without an open adapter.
struct ClosedCase : SimTest::Case {
    std::function<void()> prepare;
};

class PinsOfAClosedAdapter : public SimTest::SimulatorCase<ClosedCase> {};

TEST_P(PinsOfAClosedAdapter, AreRefusedAsNotReadyAndLeaveTheInputAlone)
{
    GetParam().prepare();
    const std::string text = SimTest::ErrorText(WriteTestpins(0));
    EXPECT_NE(text.find("not ready"), std::string::npos) << text;
    int32_t inputs = 12345;
    EXPECT_NE(ReadTestpins(&inputs), 1);
    EXPECT_EQ(inputs, 12345);
}

INSTANTIATE_TEST_SUITE_P(States, PinsOfAClosedAdapter,
                         ::testing::Values(ClosedCase{"NothingDone", [] {}},
                                           ClosedCase{"PortBeforeInitiating", [] { EXPECT_EQ(SetPort(1), 0); }},
                                           ClosedCase{"ReopenedInModeTwo",
                                                      [] {
                                                          SimTest::OpenDriver();
                                                          InitiateDriver(2);
                                                          SetPort(1);
                                                      }}),
                         ::testing::PrintToStringParamName());

TEST_F(Driver, RefusesANullAddressAndExplainsBusTransfersAsNotProvided)
{
    SimTest::OpenDriver();
    EXPECT_NE(SimTest::ErrorText(ReadTestpins(nullptr)).find("null address"), std::string::npos);
    EXPECT_NE(SimTest::ErrorText(Start()).find("not provided by the simulator"), std::string::npos);
    EXPECT_EQ(SimTest::ErrorText(Start(), CopyI2cErrorText), SimTest::ErrorText(Start()));
}

// The text of an unknown code, "unknown error code 7", is 20 bytes long; the
// buffer is 22 bytes of '#' beforehand.
struct CopyCase : SimTest::Case {
    int32_t size;
    std::string buffer;
};

class CopyErrorTextWithSize : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyErrorTextWithSize, CopiesAtMostThatManyBytesAndReturnsTheFullLength)
{
    std::string buffer(22, '#');
    EXPECT_EQ(CopyErrorText(7, buffer.data(), GetParam().size), 20);
    EXPECT_EQ(buffer, GetParam().buffer);
    EXPECT_EQ(CopyErrorText(7, nullptr, GetParam().size), 20) << "a null buffer gets nothing but the length";
}

INSTANTIATE_TEST_SUITE_P(Sizes, CopyErrorTextWithSize,
                         ::testing::Values(CopyCase{"RoomForTheTerminator", 22, {"unknown error code 7\0#", 22}},
                                           CopyCase{"ExactlyTheText", 20, "unknown error code 7##"},
                                           CopyCase{"Truncating", 4, "unkn##################"},
                                           CopyCase{"Zero", 0, std::string(22, '#')},
                                           CopyCase{"Negative", -5, std::string(22, '#')}),
                         ::testing::PrintToStringParamName());

TEST_F(Driver, DeselectingMidFrameRestartsItAndEachFrameHoldsTheTemperatureAtItsSelection)
{
    Control{}.Temperature(25.0);
    SimTest::OpenDriver();
    SimTest::ReadCycle(5);
    EXPECT_EQ(SimTest::Reading(SimTest::ReadCycle(17, [] { Control{}.Temperature(-12.5); })), 400);
    EXPECT_EQ(SimTest::Reading(SimTest::ReadCycle()), -200);
}

TEST_F(Driver, WithoutAFixedTemperatureTheRoomReadsAboutTwentyTwoDegreesAndVariesALittle)
{
    Control{}.Seed(7);
    SimTest::OpenDriver();
    std::set<int32_t> readings;
    for (int reading = 0; reading < 20; ++reading) {
        readings.insert(SimTest::Reading(SimTest::ReadCycle()).value_or(0));
    }
    EXPECT_GE(*readings.begin(), 21 * 16);
    EXPECT_LE(*readings.rbegin(), 23 * 16);
    EXPECT_GT(readings.size(), 1U);
}

}  // namespace
