// SPDX-License-Identifier: MIT

#include "SilkscreenFont.h"

#include <array>
#include <string>

namespace SilkscreenFont {
namespace {

constexpr int kRowCount = kCapHeight + 1;

struct Glyph {
    char16_t character;
    std::array<const char*, kRowCount> rows;  // '#' is a set pixel
};

// clang-format off
constexpr std::array kGlyphs{
    Glyph{u' ', {"..", "..", "..", "..", "..", ".."}},
    Glyph{u'1', {".#.", "##.", ".#.", ".#.", "###", "..."}},
    Glyph{u'2', {"##.", "..#", ".#.", "#..", "###", "..."}},
    Glyph{u'=', {"...", "###", "...", "###", "...", "..."}},
    Glyph{u'A', {".#.", "#.#", "###", "#.#", "#.#", "..."}},
    Glyph{u'C', {".##", "#..", "#..", "#..", ".##", "..."}},
    Glyph{u'D', {"##.", "#.#", "#.#", "#.#", "##.", "..."}},
    Glyph{u'G', {".##", "#..", "#.#", "#.#", ".##", "..."}},
    Glyph{u'I', {"###", ".#.", ".#.", ".#.", "###", "..."}},
    Glyph{u'L', {"#..", "#..", "#..", "#..", "###", "..."}},
    Glyph{u'N', {"#..#", "##.#", "#.##", "#..#", "#..#", "...."}},
    Glyph{u'O', {".#.", "#.#", "#.#", "#.#", ".#.", "..."}},
    Glyph{u'S', {".##", "#..", ".#.", "..#", "##.", "..."}},
    Glyph{u'e', {"...", ".#.", "###", "#..", ".##", "..."}},
    Glyph{u'g', {"...", ".##", "#.#", ".##", "..#", "##."}},
    Glyph{u'i', {"#", ".", "#", "#", "#", "."}},
    Glyph{u'r', {"...", "#.#", "##.", "#..", "#..", "..."}},
    Glyph{u't', {".#.", "###", ".#.", ".#.", "..#", "..."}},
};
// clang-format on

constexpr bool RowsAreEvenlyWide(const Glyph& glyph)
{
    const std::size_t width = std::char_traits<char>::length(glyph.rows[0]);
    for (const char* row : glyph.rows) {
        if (std::char_traits<char>::length(row) != width) {
            return false;
        }
    }
    return true;
}

constexpr bool AllRowsAreEvenlyWide()
{
    for (const Glyph& glyph : kGlyphs) {
        if (!RowsAreEvenlyWide(glyph)) {
            return false;
        }
    }
    return true;
}
static_assert(AllRowsAreEvenlyWide(), "every row of a glyph must be equally wide");

const Glyph& GlyphFor(QChar character)
{
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.character == character.unicode()) {
            return glyph;
        }
    }
    return kGlyphs.front();
}

int GlyphWidth(const Glyph& glyph)
{
    return static_cast<int>(std::char_traits<char>::length(glyph.rows[0]));
}

}  // namespace

int TextWidth(QStringView text)
{
    int width = 0;
    for (QChar character : text) {
        width += GlyphWidth(GlyphFor(character)) + 1;
    }
    return width > 0 ? width - 1 : 0;
}

void DrawText(QImage& image, QPoint topLeft, QStringView text, const QColor& colour)
{
    int left = topLeft.x();
    for (QChar character : text) {
        const Glyph& glyph = GlyphFor(character);
        const int width = GlyphWidth(glyph);
        for (int row = 0; row < kRowCount; ++row) {
            for (int column = 0; column < width; ++column) {
                const QPoint pixel(left + column, topLeft.y() + row);
                if (glyph.rows[static_cast<std::size_t>(row)][column] == '#' && image.rect().contains(pixel)) {
                    image.setPixelColor(pixel, colour);
                }
            }
        }
        left += width + 1;
    }
}

}  // namespace SilkscreenFont
