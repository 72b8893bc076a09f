// SPDX-License-Identifier: MIT

#include "WindowIcon.h"

#include "Palette16.h"

#include <QList>

#include <array>
#include <string_view>

namespace WindowIcon {
namespace {

// One character per pixel, each naming a colour of the 16-colour palette.
int PaletteIndex(char pixel)
{
    switch (pixel) {
    case 'K':
        return Palette16::Black;
    case 'g':
        return Palette16::Green;
    case 'L':
        return Palette16::Lime;
    case 't':
        return Palette16::Teal;
    case 'o':
        return Palette16::Olive;
    case 'y':
        return Palette16::Yellow;
    case 's':
        return Palette16::Silver;
    case 'd':
        return Palette16::Grey;
    default:
        return Palette16::Fuchsia;  // transparent in the icon's table
    }
}

// A green circuit board with black chips, teal traces and an olive edge
// connector with yellow contacts at its lower edge. The 48-pixel rows are the
// 32-pixel design redrawn, not scaled, so that pins and contacts stay evenly
// spaced.
// clang-format off
constexpr std::array<std::string_view, 32> kRows32{
    "................................",
    "................................",
    "................................",
    ".LLLLLLLLLLLLLLLLLLLLLLLLLLLLLK.",
    ".LggggggggggggggggggggggggggggK.",
    ".LgggggggggggggggggsgsgsgsggggK.",
    ".LgggsgsgsgsgsggggKKKKKKKKgtggK.",
    ".LggKKKKKKKKKKKgggKKKKKKKKgtggK.",
    ".LggKdKKKKKKKKKgggKKKKKKKKgtggK.",
    ".LggKKKKKKKKKKKgggKKKKKKKKgtggK.",
    ".LggKKKKKKKKKKKgggKKKKKKKKgtggK.",
    ".LggKKKKKKKKKKKggggsgsgsgsgtggK.",
    ".LggKKKKKKKKKKKggggggggggggtggK.",
    ".LggKKKKKKKKKKKgtttttttttggtggK.",
    ".LggKKKKKKKKKKKggggsgsggtggtggK.",
    ".LggKKKKKKKKKKKgggKKKKKgtggtggK.",
    ".LgggsgsgsgsgsggggKKKKKgtggtggK.",
    ".LggggggggggggggggKKKKKgtggtggK.",
    ".LgggggggggggggggggsgsggtggtggK.",
    ".LgggggggtttttttttttttggtggtggK.",
    ".LgggggggtggtggtggtggtggtggtggK.",
    ".LgggggggtggtggtggtggtggtgggggK.",
    ".LgggggggtggtggtggtggtggtgggggK.",
    ".LgggggggtggtggtggtggtggggggggK.",
    ".LggggooooooooooooooooooooKgggK.",
    ".KKKKKooooooooooooooooooooKKKKK.",
    "......oyoyoyoyoyoyoyoyoyooK.....",
    "......oyoyoyoyoyoyoyoyoyooK.....",
    "......oyoyoyoyoyoyoyoyoyooK.....",
    "......ooooooooooooooooooooK.....",
    "......KKKKKKKKKKKKKKKKKKKKK.....",
    "................................",
};

constexpr std::array<std::string_view, 48> kRows48{
    "................................................",
    "................................................",
    "................................................",
    "................................................",
    ".LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLK.",
    ".LggggggggggggggggggggggggggggggggggggggggggggK.",
    ".LgggggggggggggggggggggggggggssgssgssgssggggggK.",
    ".LgggggggggggggggggggggggggggssgssgssgssggggggK.",
    ".LgggggssgssgssgssgssggggggKKKKKKKKKKKKKggtgggK.",
    ".LgggggssgssgssgssgssggggggKKKKKKKKKKKKKggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKggggKKKKKKKKKKKKKggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKggggKKKKKKKKKKKKKggtgggK.",
    ".LgggKKddKKKKKKKKKKKKKKggggKKKKKKKKKKKKKggtgggK.",
    ".LgggKKddKKKKKKKKKKKKKKggggKKKKKKKKKKKKKggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKggggKKKKKKKKKKKKKggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKggggKKKKKKKKKKKKKggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKggggggssgssgssgssggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKggggggssgssgssgssggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKgggggggggggggggggggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKgttttttttttttttggggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKggggggssgssgggtggggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKggggggssgssgggtggggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKggggKKKKKKKKKgtggggtgggK.",
    ".LgggKKKKKKKKKKKKKKKKKKggggKKKKKKKKKgtggggtgggK.",
    ".LgggggssgssgssgssgssggggggKKKKKKKKKgtggggtgggK.",
    ".LgggggssgssgssgssgssggggggKKKKKKKKKgtggggtgggK.",
    ".LgggggggggggggggggggggggggKKKKKKKKKgtggggtgggK.",
    ".LgggggggggggggggggggggggggggssgssgggtggggtgggK.",
    ".LgggggggggggggggggggggggggggssgssgggtggggtgggK.",
    ".LgggggggggggtttttttttttttttttttttgggtggggtgggK.",
    ".LgggggggggggtggggtggggtggggtggggtgggtggggtgggK.",
    ".LgggggggggggtggggtggggtggggtggggtgggtggggtgggK.",
    ".LgggggggggggtggggtggggtggggtggggtgggtggggggggK.",
    ".LgggggggggggtggggtggggtggggtggggtgggtggggggggK.",
    ".LgggggggggggtggggtggggtggggtggggtgggtggggggggK.",
    ".LgggggggggggtggggtggggtggggtggggtggggggggggggK.",
    ".LgggggggooooooooooooooooooooooooooooooKggggggK.",
    ".LgggggggooooooooooooooooooooooooooooooKggggggK.",
    ".KKKKKKKKooooooooooooooooooooooooooooooKKKKKKKK.",
    ".........ooyyoyyoyyoyyoyyoyyoyyoyyoyyooK........",
    ".........ooyyoyyoyyoyyoyyoyyoyyoyyoyyooK........",
    ".........ooyyoyyoyyoyyoyyoyyoyyoyyoyyooK........",
    ".........ooyyoyyoyyoyyoyyoyyoyyoyyoyyooK........",
    ".........ooyyoyyoyyoyyoyyoyyoyyoyyoyyooK........",
    ".........ooooooooooooooooooooooooooooooK........",
    ".........KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK........",
    "................................................",
    "................................................",
};

constexpr std::array<std::string_view, 16> kRows16{
    "................",
    "................",
    "LLLLLLLLLLLLLLLK",
    "LggsgsgsggsgsggK",
    "LgKKKKKKgKKKKKgK",
    "LgKKKKKKgKKKKKgK",
    "LgKKKKKKgKKKKKgK",
    "LgKKKKKKggsgsggK",
    "LgKKKKKKgggggggK",
    "LggsgsgsggtttggK",
    "LggggggggggggggK",
    "LggooooooooooKgK",
    "KKKoyoyoyoyoyKKK",
    "...oyoyoyoyoyK..",
    "...ooooooooooK..",
    "...KKKKKKKKKKK..",
};
// clang-format on

template <std::size_t Size>
QImage FromRows(const std::array<std::string_view, Size>& rows, int scale = 1)
{
    const int size = static_cast<int>(Size) * scale;
    QImage icon(size, size, QImage::Format_Indexed8);
    icon.setColorTable(Palette16::ColoursWithTransparency());
    for (int y = 0; y < size; ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y / scale)];
        for (int x = 0; x < size; ++x) {
            const int index = PaletteIndex(row[static_cast<std::size_t>(x / scale)]);
            icon.setPixel(x, y, static_cast<uint>(index));
        }
    }
    return icon;
}

template <std::size_t Size>
constexpr bool RowsAreSquare(const std::array<std::string_view, Size>& rows)
{
    for (const std::string_view row : rows) {
        if (row.size() != Size) {
            return false;
        }
    }
    return true;
}
static_assert(RowsAreSquare(kRows16) && RowsAreSquare(kRows32) && RowsAreSquare(kRows48), "one character per pixel");

}  // namespace

QImage Draw(int size)
{
    switch (size) {
    case 16:
        return FromRows(kRows16);
    case 32:
        return FromRows(kRows32);
    case 48:
        return FromRows(kRows48);
    case 64:
    case 128:
    case 256:
        // Whole-pixel enlargements of the 32-pixel design stay crisp.
        return FromRows(kRows32, size / 32);
    default:
        return {};
    }
}

}  // namespace WindowIcon
