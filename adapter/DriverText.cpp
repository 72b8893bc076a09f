#include "DriverText.h"

#include <cstring>
#include <cwchar>

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c)
{
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        c = kReplacementCharacter;
    }
    auto byte = [&out](char32_t value) { out.push_back(static_cast<char>(value)); };
    if (c < 0x80) {
        byte(c);
    } else if (c < 0x800) {
        byte(0xC0 | (c >> 6));
        byte(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        byte(0xE0 | (c >> 12));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    } else {
        byte(0xF0 | (c >> 18));
        byte(0x80 | ((c >> 12) & 0x3F));
        byte(0x80 | ((c >> 6) & 0x3F));
        byte(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::string DriverTextPrefix(const char* buffer, std::size_t size, int32_t count)
{
    std::string text;
    if (buffer == nullptr || count <= 0) {
        return text;
    }
    const char* const end = buffer + strnlen(buffer, size);
    std::mbstate_t state{};
    for (const char* p = buffer; p < end && count > 0; --count) {
        wchar_t character = 0;
        const std::size_t used = std::mbrtowc(&character, p, static_cast<std::size_t>(end - p), &state);
        if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2) || used == 0) {
            // Undecodable or cut off: one replacement character for the byte, then carry on.
            AppendUtf8(text, kReplacementCharacter);
            state = std::mbstate_t{};
            ++p;
            continue;
        }
        // A line break or other control character from the driver would break
        // the status log's lines or a terminal's: it shows as a blank.
        const auto decoded = static_cast<char32_t>(character);
        AppendUtf8(text, decoded < 0x20 || decoded == 0x7F ? U' ' : decoded);
        p += used;
    }
    return text;
}
