#include "SimTestSupport.h"

#include <dlfcn.h>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace {

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
                                           ClosedCase{"OnlyInitiated",
                                                      [] { InitiateDriver(Pallix400::kInitiateMode); }},
                                           ClosedCase{"PortTwo",
                                                      [] {
                                                          InitiateDriver(Pallix400::kInitiateMode);
                                                          EXPECT_EQ(SetPort(2), 0);
                                                      }},
                                           ClosedCase{"ReopenedInModeTwo",
                                                      [] {
                                                          SimTest::OpenDriver();
                                                          InitiateDriver(2);
                                                          SetPort(1);
                                                      }}),
                         ::testing::PrintToStringParamName());

TEST_F(Driver, ReadTestpinsRefusesANullAddressOfAnOpenAdapter)
{
    SimTest::OpenDriver();
    EXPECT_NE(SimTest::ErrorText(ReadTestpins(nullptr)).find("null"), std::string::npos);
}

#define BUS_CALL(call)              \
    std::pair<const char*, int32_t> \
    {                               \
#call, call                 \
    }

TEST_F(Driver, ExplainsEveryBusOperationAsNotProvidedInBothErrorTexts)
{
    SimTest::OpenDriver();
    int32_t data[4] = {};
    const std::pair<const char*, int32_t> calls[] = {
        BUS_CALL(Start()),
        BUS_CALL(Stop2()),
        BUS_CALL(GetTransmissionStatus()),
        BUS_CALL(SetNumberOfMessages(1)),
        BUS_CALL(SetBaudrate(100000)),
        BUS_CALL(GetBaudrate()),
        BUS_CALL(StoreMasterData(0, 0x48, data, 4)),
        BUS_CALL(AddMasterData(0, data, 4)),
        BUS_CALL(StoreMasterConditionData(0, 1)),
        BUS_CALL(AddMasterConditionData(0, 1)),
        BUS_CALL(GetMasterTransmissionData(0, data, 4)),
        BUS_CALL(SendRecMaster()),
        BUS_CALL(SendRecMasterCondition()),
        BUS_CALL(StoreSlaveData(data, 4)),
        BUS_CALL(GetSlaveTransmissionData(data, 4)),
        BUS_CALL(SetEnableHardwareBuffer(1)),
        BUS_CALL(GetEnableHardwareBuffer()),
        BUS_CALL(SetEnableSendAndReceiveBuffer(1)),
        BUS_CALL(GetEnableSendAndReceiveBuffer()),
        BUS_CALL(SetSlaveAddress(0x48)),
        BUS_CALL(GetSlaveAddress()),
    };
#undef BUS_CALL
    for (const auto& [call, code] : calls) {
        const std::string text = SimTest::ErrorText(code);
        EXPECT_NE(text.find("not provided by the simulator"), std::string::npos) << call << ": " << text;
        EXPECT_EQ(SimTest::ErrorText(code, CopyI2cErrorText), text) << call;
    }
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

struct BadSettingCase : SimTest::Case {  // named by the variable
    const char* value;
    const char* hint;
};

class BadSetting : public SimTest::SimulatorCase<BadSettingCase> {};

TEST_P(BadSetting, MakesInitiateDriverFailWithAMessageNamingTheSettingAndValue)
{
    SetEnvironment(GetParam().name, GetParam().value);
    const std::string text = SimTest::ErrorText(InitiateDriver(Pallix400::kInitiateMode));
    EXPECT_EQ(text.rfind(std::string{GetParam().name} + "=" + GetParam().value + " ", 0), 0U) << text;
    EXPECT_NE(text.find(GetParam().hint), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, BadSetting,
    ::testing::Values(BadSettingCase{"PALLIX400_SIM_TEMP", "25,5", "use degrees Celsius"},
                      BadSettingCase{"PALLIX400_SIM_FAULT", "nosensor", "use init, port, no-sensor or noise"},
                      BadSettingCase{"PALLIX400_SIM_NOISE", "2", "use a probability from 0 to 1"},
                      BadSettingCase{"PALLIX400_SIM_TRACE", "/nonexistent/dir/x.vcd", "cannot be opened"}),
    ::testing::PrintToStringParamName());

const char* const kOperations[] = {
#define SIM_TEST_NAME(name, params, args) #name,
    PALLIX400_OPERATIONS(SIM_TEST_NAME)
#undef SIM_TEST_NAME
};

TEST(Libraries, TheLackingOneLacksReadTestpinsAndNothingElseThatTheSimulatorExports)
{
    using Library = std::unique_ptr<void, int (*)(void*)>;
    const Library full{dlopen(PALLIX_SIM_DRIVER, RTLD_NOW | RTLD_LOCAL), dlclose};
    const Library lacking{dlopen(PALLIX_SIM_LACKING_DRIVER, RTLD_NOW | RTLD_LOCAL), dlclose};
    ASSERT_TRUE(full && lacking) << dlerror();
    for (const std::string name : kOperations) {
        EXPECT_NE(dlsym(full.get(), name.c_str()), nullptr) << name;
        EXPECT_EQ(dlsym(lacking.get(), name.c_str()) == nullptr, name == "ReadTestpins") << name;
    }
}

}  // namespace
