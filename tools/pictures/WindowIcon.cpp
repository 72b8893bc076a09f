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
// connector with yellow contacts at its lower edge.
// clang-format off
constexpr std::array<std::string_view, 32> large{
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

constexpr std::array<std::string_view, 16> small{
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
QImage FromRows(const std::array<std::string_view, Size>& rows)
{
    const int size = static_cast<int>(Size);
    QImage icon(size, size, QImage::Format_Indexed8);
    icon.setColorTable(Palette16::ColoursWithTransparency());
    for (int y = 0; y < size; ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        for (int x = 0; x < size; ++x) {
            const int index = PaletteIndex(row[static_cast<std::size_t>(x)]);
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
static_assert(RowsAreSquare(large) && RowsAreSquare(small), "one character per pixel");

}  // namespace

QImage Draw32()
{
    return FromRows(large);
}

QImage Draw16()
{
    return FromRows(small);
}

}  // namespace WindowIcon
