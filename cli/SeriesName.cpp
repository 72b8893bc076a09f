// SPDX-License-Identifier: MIT

#include "SeriesName.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::size_t kLongestName = 64;  // characters

// The characters of well-formed UTF-8 text, or none.
std::optional<std::u32string> DecodeUtf8(std::string_view text)
{
    std::u32string characters;
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const int length = lead < 0x80              ? 1
                           : (lead & 0xE0U) == 0xC0 ? 2
                           : (lead & 0xF0U) == 0xE0 ? 3
                           : (lead & 0xF8U) == 0xF0 ? 4
                                                    : 0;
        if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) {
            return std::nullopt;
        }
        char32_t character = length == 1 ? lead : lead & (0x7FU >> length);
        for (int next = 1; next < length; ++next) {
            const auto byte = static_cast<unsigned char>(text[at + static_cast<std::size_t>(next)]);
            if ((byte & 0xC0U) != 0x80) {
                return std::nullopt;
            }
            character = character << 6 | (byte & 0x3FU);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (character < kSmallest[length] || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) {
            return std::nullopt;  // overlong, beyond Unicode, or a surrogate
        }
        characters += character;
        at += static_cast<std::size_t>(length);
    }
    return characters;
}

// Unicode's control characters: C0, DEL and C1.
bool IsControl(char32_t character)
{
    return character < 0x20 || (character >= 0x7F && character <= 0x9F);
}

}  // namespace

bool IsSeriesName(std::string_view name)
{
    const auto characters = DecodeUtf8(name);
    return characters && !characters->empty() && characters->size() <= kLongestName &&
           std::none_of(characters->begin(), characters->end(), IsControl);
}

std::string Shown(std::string_view text)
{
    std::string shown;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t end = std::min(text.size(), at + 4);
        std::size_t length = 1;
        while (length < end - at && (static_cast<unsigned char>(text[at + length]) & 0xC0U) == 0x80) {
            ++length;
        }
        const auto character = DecodeUtf8(text.substr(at, length));
        if (!character || character->size() != 1) {
            shown += '?';  // a byte that is not part of a character
            continue;
        }
        shown += IsControl((*character)[0]) ? "?" : text.substr(at, length);
        at += length - 1;
    }
    return shown;
}
