#include "DriverText.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

// Decoding follows the user's locale; these cases need a UTF-8 one.
class DriverText : public testing::Test {
protected:
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

TEST_F(DriverText, CountsCharactersNotBytes)
{
    const std::string text = "Ger\xC3\xA4t fehlt";  // "Gerät fehlt"
    EXPECT_EQ(DriverTextPrefix(text.data(), text.size(), 5), "Ger\xC3\xA4t");
}

TEST_F(DriverText, ReplacesBytesThatDoNotDecode)
{
    const std::string text = "a\xFF" "b";
    EXPECT_EQ(DriverTextPrefix(text.data(), text.size(), 3), "a\xEF\xBF\xBD" "b");
}

TEST_F(DriverText, StopsAtTheBufferEndWithoutANul)
{
    const char buffer[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(DriverTextPrefix(buffer, sizeof buffer, 99), "abcd");
}

TEST_F(DriverText, CharacterCutOffAtTheBufferEndBecomesAReplacement)
{
    const char buffer[2] = {'a', '\xC3'};
    EXPECT_EQ(DriverTextPrefix(buffer, sizeof buffer, 99), "a\xEF\xBF\xBD");
}

TEST(DriverTextWithoutLocale, NullBufferGivesNothing)
{
    EXPECT_EQ(DriverTextPrefix(nullptr, 100, 5), "");
}

}  // namespace
