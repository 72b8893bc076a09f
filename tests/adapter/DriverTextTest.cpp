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

class DriverText : public testing::TestWithParam<TextCase> {
protected:
    // Decoding follows the user's locale; these cases need a UTF-8 one.
    void SetUp() override
    {
        previous_ = std::setlocale(LC_CTYPE, nullptr);
        if (std::setlocale(LC_CTYPE, "C.UTF-8") == nullptr) {
            GTEST_SKIP() << "no C.UTF-8 locale on this machine";
        }
    }
    void TearDown() override { std::setlocale(LC_CTYPE, previous_.c_str()); }
    std::string previous_;
};

TEST_P(DriverText, TakesTheFirstCharactersAsUtf8)
{
    const TextCase& c = GetParam();
    EXPECT_EQ(DriverTextPrefix(c.buffer.data(), c.buffer.size(), c.count), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Buffers, DriverText,
                         testing::Values(TextCase{"CountsCharactersNotBytes", "Ger\xC3\xA4t fehlt", 5, "Ger\xC3\xA4t"},
                                         TextCase{"ControlCharactersBecomeBlanks", "Busy\r\nPort\t1", 12,
                                                  "Busy  Port 1"},
                                         TextCase{"ReplacesBytesThatDoNotDecode",
                                                  "a\xFF"
                                                  "b",
                                                  3,
                                                  "a\xEF\xBF\xBD"
                                                  "b"},
                                         TextCase{"StopsAtTheBufferEndWithoutANul", "abcd", 99, "abcd"},
                                         TextCase{"ReplacesACharacterCutOffAtTheEnd", "a\xC3", 99, "a\xEF\xBF\xBD"}),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
