// PallixExample.exe itself, started as a user starts it from a folder of its
// own: the driver beside it or the simulator, pressed and closed from here.
#include "frmPallixExampleControls.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Started {
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
};

Started Start(const fs::path& program)
{
    Started started;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        program.parent_path().c_str(), &startup, &started.process)) {
        return started;
    }
    WaitForInputIdle(started.process.hProcess, 20000);
    for (int wait = 0; wait < 500 && started.window == nullptr; ++wait) {
        HWND found = FindWindowW(L"frmPallixExample", L"PallixExample");
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        started.window = owner == started.process.dwProcessId ? found : nullptr;
        Sleep(20);
    }
    return started;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {};
    SendMessageW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

HWND ControlOf(HWND window, const char* name)
{
    return GetDlgItem(window, frmPallixExampleControls::ControlId(name));
}

struct ProgramCase {
    const char* name;
    const char* driver;  // copied beside the program, or into simulator\ for the simulator
    bool simulator;
    std::wstring log;
    UINT closeMessage;  // sent to the window, or BM_CLICK to Close
};
class Program : public testing::TestWithParam<ProgramCase> {};

TEST_P(Program, ReadsThroughTheDriverItFindsAndEndsWithStatusZero)
{
    const ProgramCase& c = GetParam();
    const fs::path folder = fs::temp_directory_path() / (std::string("pallix-program-") + c.name);
    fs::remove_all(folder);
    fs::create_directories(folder / "simulator");
    fs::copy_file(PALLIX_PROGRAM, folder / "PallixExample.exe");
    fs::copy_file(c.driver, folder / (c.simulator ? "simulator" : "") / "Pallix400.dll");
    const Started started = Start(folder / "PallixExample.exe");
    ASSERT_NE(started.window, nullptr);
    SendMessageW(ControlOf(started.window, "cmdReadTemp"), BM_CLICK, 0, 0);
    EXPECT_EQ(TextOf(ControlOf(started.window, "txtOutput")), c.log);
    EXPECT_EQ(TextOf(ControlOf(started.window, "txtTemperatur")).empty(), false);
    if (c.closeMessage == BM_CLICK) {
        SendMessageW(ControlOf(started.window, "cmdClose"), BM_CLICK, 0, 0);
    } else {
        PostMessageW(started.window, c.closeMessage, c.closeMessage == WM_SYSCOMMAND ? SC_CLOSE : 0, 0);
    }
    DWORD status = 259;
    EXPECT_EQ(WaitForSingleObject(started.process.hProcess, 20000), WAIT_OBJECT_0);
    GetExitCodeProcess(started.process.hProcess, &status);
    EXPECT_EQ(status, 0u);
    CloseHandle(started.process.hThread);
    CloseHandle(started.process.hProcess);
}
INSTANTIATE_TEST_SUITE_P(
    Windows, Program,
    testing::Values(ProgramCase{"DriverBesideIt", PALLIX_TEST_DRIVER, false, L"Port: 1\r\n", BM_CLICK},
                    ProgramCase{"SimulatorWhenNoneIsInstalled", PALLIX_SIMULATOR, true,
                                L"Simulated adapter: no Pallix400.dll is installed\r\nPort: 1\r\n", WM_SYSCOMMAND}),
    [](const auto& test) { return std::string(test.param.name); });

// The icon in both sizes and the version block, as Explorer reads them.
TEST(Program, CarriesItsIconInTwoSizesAndAVersionBlockNamingTheMaker)
{
    HMODULE program = LoadLibraryExW(fs::path(PALLIX_PROGRAM).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(program, nullptr);
    for (const int size : {16, 32}) {
        HICON icon = static_cast<HICON>(LoadImageW(program, L"icon", IMAGE_ICON, size, size, 0));
        ICONINFO info{};
        BITMAP colour{};
        ASSERT_TRUE(icon != nullptr && GetIconInfo(icon, &info)) << size;
        GetObjectW(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    FreeLibrary(program);
    const std::wstring path = fs::path(PALLIX_PROGRAM).wstring();
    std::string block(GetFileVersionInfoSizeW(path.c_str(), nullptr), '\0');
    ASSERT_TRUE(GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    for (const auto& [key, value] : {std::pair{L"CompanyName", L"Miral Elektronik GmbH"},
                                    std::pair{L"FileVersion", L"1.00"}, std::pair{L"ProductName", L"Pallix"}}) {
        wchar_t* text = nullptr;
        UINT length = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\040704b0\\") + key;
        ASSERT_TRUE(VerQueryValueW(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length)) << key;
        EXPECT_STREQ(text, value);
    }
}

}  // namespace
