#include "DriverOperations.h"
#include "ErrorText.h"
#include "SimTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>

namespace {

using Driver = SimTest::SimulatorTest;

TEST_F(Driver, InitiatesInModeThreeOnly)
{
    EXPECT_EQ(InitiateDriver(Pallix400::kInitiateMode), Pallix400::kDriverReady);
    const int32_t code = InitiateDriver(2);
    EXPECT_NE(code, Pallix400::kDriverReady);
    EXPECT_NE(SimTest::ErrorText(code).find("mode 3"), std::string::npos) << SimTest::ErrorText(code);
    EXPECT_EQ(SetPort(1), 0) << "a failed initiation leaves the driver not initiated";
}

TEST_F(Driver, HasPortOneOnly)
{
    EXPECT_EQ(GetPort(), 0);
    EXPECT_EQ(CheckPortAvailable(1), 1);
    EXPECT_EQ(CheckPortAvailable(0), 0);
    EXPECT_EQ(CheckPortAvailable(2), 0);
    ASSERT_EQ(InitiateDriver(Pallix400::kInitiateMode), Pallix400::kDriverReady);
    EXPECT_EQ(SetPort(2), 0);
    EXPECT_EQ(GetPort(), 0);
    EXPECT_NE(SetPort(1), 0);
    EXPECT_EQ(GetPort(), 1);
}

TEST_F(Driver, SelectsNoPortBeforeItIsInitiated)
{
    EXPECT_EQ(SetPort(1), 0);
    EXPECT_EQ(GetPort(), 0);
}

TEST_F(Driver, AnswersItsDocumentedVersions)
{
    EXPECT_EQ(GetHardwareVersion(), Pallix400Sim::kHardwareVersion);
    EXPECT_EQ(GetDllVersion(), Pallix400Sim::kDllVersion);
    EXPECT_EQ(GetInterfaceVersion(), Pallix400Sim::kInterfaceVersion);
    EXPECT_GT(GetDllVersion(), 0);
}

// The ways a program can get to the pins without an open adapter.
struct NotReadyCase {
    const char* name;
    std::function<void()> prepare;
    friend std::ostream& operator<<(std::ostream& out, const NotReadyCase& c) { return out << c.name; }
};

class PinsNotReady : public SimTest::SimulatorTest, public ::testing::WithParamInterface<NotReadyCase> {};

TEST_P(PinsNotReady, TestPinsAreRefusedAndTheInputIsLeftAlone)
{
    GetParam().prepare();
    const int32_t writeCode = WriteTestpins(0);
    EXPECT_NE(writeCode, 1);
    EXPECT_NE(SimTest::ErrorText(writeCode).find("not ready"), std::string::npos);
    int32_t inputs = 12345;
    EXPECT_NE(ReadTestpins(&inputs), 1);
    EXPECT_EQ(inputs, 12345);
}

INSTANTIATE_TEST_SUITE_P(
    States, PinsNotReady,
    ::testing::Values(NotReadyCase{"NothingDone", [] {}},
                      NotReadyCase{"OnlyInitiated", [] { InitiateDriver(Pallix400::kInitiateMode); }},
                      NotReadyCase{"InitiatedInAnotherMode", [] {
                                       InitiateDriver(Pallix400::kInitiateMode);
                                       SetPort(1);
                                       InitiateDriver(0);
                                   }}),
    SimTest::NameOfCase{});

TEST_F(Driver, ReadTestpinsRefusesANullAddress)
{
    SimTest::OpenDriver();
    const int32_t code = ReadTestpins(nullptr);
    EXPECT_NE(code, 1);
    EXPECT_NE(SimTest::ErrorText(code).find("null"), std::string::npos);
}

TEST_F(Driver, PinsWorkOnceInitiatedWithPortOne)
{
    SimTest::OpenDriver();
    int32_t inputs = -1;
    EXPECT_EQ(WriteTestpins(3), 1);
    EXPECT_EQ(ReadTestpins(&inputs), 1);
    EXPECT_EQ(inputs, Pallix400::kDataBit);
}

struct BusCase {
    const char* name;
    std::function<int32_t()> call;
    friend std::ostream& operator<<(std::ostream& out, const BusCase& c) { return out << c.name; }
};

class BusOperation : public SimTest::SimulatorTest, public ::testing::WithParamInterface<BusCase> {};

TEST_P(BusOperation, IsExplainedAsNotProvidedBySimulator)
{
    SimTest::OpenDriver();
    const int32_t code = GetParam().call();
    EXPECT_LT(code, 0);
    const std::string text = SimTest::ErrorText(code);
    EXPECT_NE(text.find("not provided by the simulator"), std::string::npos) << text;
    std::array<char, 200> buffer{};
    const int32_t length = CopyI2cErrorText(code, buffer.data(), static_cast<int32_t>(buffer.size()));
    EXPECT_EQ(std::string(buffer.data(), static_cast<std::size_t>(length)), text);
}

int32_t data[4] = {};

INSTANTIATE_TEST_SUITE_P(
    Transfers, BusOperation,
    ::testing::Values(BusCase{"Start", [] { return Start(); }}, BusCase{"Stop2", [] { return Stop2(); }},
                      BusCase{"GetTransmissionStatus", [] { return GetTransmissionStatus(); }},
                      BusCase{"SetNumberOfMessages", [] { return SetNumberOfMessages(1); }},
                      BusCase{"SetBaudrate", [] { return SetBaudrate(100000); }},
                      BusCase{"GetBaudrate", [] { return GetBaudrate(); }},
                      BusCase{"StoreMasterData", [] { return StoreMasterData(0, 0x48, data, 4); }},
                      BusCase{"AddMasterData", [] { return AddMasterData(0, data, 4); }},
                      BusCase{"StoreMasterConditionData", [] { return StoreMasterConditionData(0, 1); }},
                      BusCase{"AddMasterConditionData", [] { return AddMasterConditionData(0, 1); }},
                      BusCase{"GetMasterTransmissionData", [] { return GetMasterTransmissionData(0, data, 4); }},
                      BusCase{"SendRecMaster", [] { return SendRecMaster(); }},
                      BusCase{"SendRecMasterCondition", [] { return SendRecMasterCondition(); }},
                      BusCase{"StoreSlaveData", [] { return StoreSlaveData(data, 4); }},
                      BusCase{"GetSlaveTransmissionData", [] { return GetSlaveTransmissionData(data, 4); }},
                      BusCase{"SetEnableHardwareBuffer", [] { return SetEnableHardwareBuffer(1); }},
                      BusCase{"GetEnableHardwareBuffer", [] { return GetEnableHardwareBuffer(); }},
                      BusCase{"SetEnableSendAndReceiveBuffer", [] { return SetEnableSendAndReceiveBuffer(1); }},
                      BusCase{"GetEnableSendAndReceiveBuffer", [] { return GetEnableSendAndReceiveBuffer(); }},
                      BusCase{"SetSlaveAddress", [] { return SetSlaveAddress(0x48); }},
                      BusCase{"GetSlaveAddress", [] { return GetSlaveAddress(); }}),
    SimTest::NameOfCase{});

TEST_F(Driver, ExplainsAnUnknownCodeByItsNumber)
{
    EXPECT_EQ(SimTest::ErrorText(12345), "unknown error code 12345");
    EXPECT_EQ(SimTest::ErrorText(1), "unknown error code 1");
}

// CopyText's contract, with a 10-byte message into a guarded buffer.
struct CopyCase {
    const char* name;
    int32_t size;
    const char* expected;  // the buffer's first 12 bytes afterwards; '#' is untouched
    friend std::ostream& operator<<(std::ostream& out, const CopyCase& c) { return out << c.name; }
};

class CopyText : public ::testing::TestWithParam<CopyCase> {};

TEST_P(CopyText, CopiesAtMostSizeBytesAndReturnsTheFullLength)
{
    std::array<char, 12> buffer{};
    buffer.fill('#');
    EXPECT_EQ(Pallix400Sim::CopyText("0123456789", buffer.data(), GetParam().size), 10);
    EXPECT_EQ(std::string(buffer.data(), buffer.size()), std::string(GetParam().expected, 12));
}

INSTANTIATE_TEST_SUITE_P(Sizes, CopyText,
                         ::testing::Values(CopyCase{"Roomy", 12, "0123456789\0#"},
                                           CopyCase{"OneToSpare", 11, "0123456789\0#"},
                                           CopyCase{"Exact", 10, "0123456789##"},
                                           CopyCase{"Truncated", 4, "0123########"},
                                           CopyCase{"Zero", 0, "############"},
                                           CopyCase{"Negative", -5, "############"}),
                         SimTest::NameOfCase{});

TEST(CopyTextNull, NullBufferCopiesNothingButStillReturnsTheLength)
{
    EXPECT_EQ(Pallix400Sim::CopyText("0123456789", nullptr, 100), 10);
}

TEST_F(Driver, CopyErrorTextTruncatesToTheBufferAndReturnsTheFullLength)
{
    const std::string full = SimTest::ErrorText(Pallix400Sim::kNotProvided);
    ASSERT_GT(full.size(), 8U);
    std::array<char, 9> buffer{};
    buffer.fill('#');
    EXPECT_EQ(CopyErrorText(Pallix400Sim::kNotProvided, buffer.data(), 8), static_cast<int32_t>(full.size()));
    EXPECT_EQ(std::string(buffer.data(), 8), full.substr(0, 8));
    EXPECT_EQ(buffer[8], '#');
    EXPECT_EQ(CopyErrorText(Pallix400Sim::kNotProvided, nullptr, 100), static_cast<int32_t>(full.size()));
}

}  // namespace
