// SPDX-License-Identifier: MIT

#include "DriverText.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

struct TextCase {
    const char* name;
    std::string buffer;
    int32_t count;
    std::string expected;
};

// The driver's text is in the user's locale encoding on Linux (these cases
// take a UTF-8 one) and in the system's ANSI code page on Windows (Wine's and
// western Windows' is 1252).
class DriverText : public testing::TestWithParam<TextCase> {
protected:
    void SetUp() override
    {
#ifndef _WIN32
        if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) {
            GTEST_SKIP() << "no C.UTF-8 locale on this machine";
        }
#endif
    }
    void TearDown() override
    {
        std::setlocale(LC_CTYPE, "C");
    }  // as every program starts
};

TEST_P(DriverText, TakesTheFirstCharactersAsUtf8)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(DriverTextPrefix(c.buffer.data(), c.buffer.size(), c.count), c.expected);
}

const TextCase kCases[] = {
#ifdef _WIN32
    {"CountsCharactersOfTheAnsiCodePage", "Ger\xE4t fehlt", 5, "Ger\xC3\xA4t"},
#else
    {"CountsCharactersNotBytes", "Ger\xC3\xA4t fehlt", 5, "Ger\xC3\xA4t"},
    {"ReplacesBytesThatDoNotDecode",
     "a\xFF"
     "b",
     3,
     "a\xEF\xBF\xBD"
     "b"},
    {"ReplacesACharacterCutOffAtTheEnd", "a\xC3", 99, "a\xEF\xBF\xBD"},
#endif
    {"ControlCharactersBecomeBlanks", "Busy\r\nPort\t1", 12, "Busy  Port 1"},
    {"StopsAtTheBufferEndWithoutANul", "abcd", 99, "abcd"},
};

INSTANTIATE_TEST_SUITE_P(Buffers, DriverText, testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
