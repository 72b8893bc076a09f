// SPDX-License-Identifier: MIT

#include "DriverText.h"

#include <cstring>
#include <cwchar>

#ifdef _WIN32
#include <windows.h>
#endif

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

#ifdef _WIN32
// One character of the system's ANSI code page: its length in bytes, or 0
// when the bytes at `p` do not decode.
std::size_t DecodeCharacter(const char* p, const char* end, char32_t& decoded)
{
    const std::size_t length = IsDBCSLeadByteEx(CP_ACP, static_cast<BYTE>(*p)) && end - p >= 2 ? 2 : 1;
    wchar_t wide[2] = {};
    if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, p, static_cast<int>(length), wide, 2) != 1) {
        return 0;
    }
    decoded = static_cast<char32_t>(wide[0]);
    return length;
}
#else
// One character of the user's locale encoding: its length in bytes, or 0 when
// the bytes at `p` do not decode or are cut off.
std::size_t DecodeCharacter(const char* p, const char* end, char32_t& decoded)
{
    std::mbstate_t state{};
    wchar_t character = 0;
    const std::size_t used = std::mbrtowc(&character, p, static_cast<std::size_t>(end - p), &state);
    if (used == static_cast<std::size_t>(-1) || used == static_cast<std::size_t>(-2) || used == 0) {
        return 0;
    }
    decoded = static_cast<char32_t>(character);
    return used;
}
#endif

}  // namespace

std::string DriverTextPrefix(const char* buffer, std::size_t size, int32_t count)
{
    std::string text;
    if (buffer == nullptr || count <= 0) {
        return text;
    }
    const char* const end = buffer + strnlen(buffer, size);
    for (const char* p = buffer; p < end && count > 0; --count) {
        char32_t decoded = 0;
        const std::size_t used = DecodeCharacter(p, end, decoded);
        if (used == 0) {
            // One replacement character for the byte, then carry on.
            AppendUtf8(text, kReplacementCharacter);
            ++p;
            continue;
        }
        // A line break or other control character from the driver would break
        // the status log's lines or a terminal's: it shows as a blank.
        AppendUtf8(text, decoded < 0x20 || decoded == 0x7F ? U' ' : decoded);
        p += used;
    }
    return text;
}
