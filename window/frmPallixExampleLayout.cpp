// SPDX-License-Identifier: MIT

#include "frmPallixExampleLayout.h"

#include "Maker.h"

#include <array>

namespace frmPallixExampleLayout {
namespace {

using enum ControlType;
using enum ControlId;
constexpr int None = kNoTabIndex;
constexpr TextAlignment Left = TextAlignment::Left;
constexpr TextAlignment Right = TextAlignment::Right;
constexpr TextAlignment NoText = TextAlignment::None;

// The columns after the tab index, one set per kind of row.
#define PALLIX_STATIC(alignment) alignment, 0, false, false, false, false
#define PALLIX_ON_WINDOW(alignment) alignment, 0, false, false, true, false
#define PALLIX_FOCUSABLE(alignment) alignment, 0, false, true, false, false
#define PALLIX_LINE NoText, 0, false, false, false, true, AccessibleRole::None, nullptr, nullptr
#define PALLIX_LABEL(alignment) PALLIX_STATIC(alignment), AccessibleRole::StaticText, nullptr, nullptr

constexpr const char* kWiring =
    "How the sensor is wired to the adapter: CS to O2, Clock to O1*, S0 to I1*, GND to GND, 5V to VCC";
constexpr const char* kPhoto = "The corner of the adapter board that the sensor is wired to: a two-pin header above a "
                               "four-pin connector, where the diagram's lines end";

// clang-format off
constexpr std::array kControls = std::to_array<Control>({
//   id             type            name            in          caption                    left  top   width height tab   text, widening, fits, focus, window pointer, surface; role, name, description
    {frLayout,      Frame,          "frLayout",     Window,     "Layout",                  3720, 1080, 3375, 2415,  3,    PALLIX_STATIC(NoText), AccessibleRole::Grouping, nullptr, kWiring},
    {Line3,         Line,           "Line3",        frLayout,   nullptr,                   1440, 1560, 2040, 1560,  None, PALLIX_LINE},
    {Label1,        Label,          "Label1",       frLayout,   "* bottom",                120,  2040, 855,  255,   20,   PALLIX_LABEL(Left)},
    {lblO1,         Label,          "lblO1",        frLayout,   "O1*",                     720,  600,  375,  255,   4,    PALLIX_LABEL(Left)},
    {lblS0,         Label,          "lblS0",        frLayout,   "S0",                      120,  840,  375,  255,   13,   PALLIX_LABEL(Left)},
    {lblI1,         Label,          "lblI1",        frLayout,   "I1*",                     720,  840,  255,  255,   12,   PALLIX_LABEL(Left)},
    {Line14,        Line,           "Line14",       frLayout,   nullptr,                   1800, 960,  1080, 960,   None, PALLIX_LINE},
    {lblGnd2,       Label,          "lblGnd2",      frLayout,   "GND",                     120,  1200, 375,  255,   11,   PALLIX_LABEL(Left)},
    {lbl5v,         Label,          "lbl5v",        frLayout,   "5V",                      120,  1560, 375,  255,   10,   PALLIX_LABEL(Left)},
    {Label4,        Label,          "Label4",       frLayout,   "CS",                      120,  360,  255,  255,   9,    PALLIX_LABEL(Left)},
    {lblClk,        Label,          "lblClk",       frLayout,   "Clock",                   120,  600,  495,  255,   8,    PALLIX_LABEL(Left)},
    {Line13,        Line,           "Line13",       frLayout,   nullptr,                   1440, 1320, 1080, 1320,  None, PALLIX_LINE},
    {Line12,        Line,           "Line12",       frLayout,   nullptr,                   1440, 1320, 1440, 1440,  None, PALLIX_LINE},
    {Line11,        Line,           "Line11",       frLayout,   nullptr,                   1080, 1680, 1440, 1680,  None, PALLIX_LINE},
    {Line10,        Line,           "Line10",       frLayout,   nullptr,                   1440, 1680, 1440, 1560,  None, PALLIX_LINE},
    {lblGnd,        Label,          "lblGnd",       frLayout,   "GND",                     720,  1200, 375,  255,   7,    PALLIX_LABEL(Left)},
    {lblVcc,        Label,          "lblVcc",       frLayout,   "VCC",                     720,  1560, 375,  255,   6,    PALLIX_LABEL(Left)},
    {Line9,         Line,           "Line9",        frLayout,   nullptr,                   1440, 1440, 2040, 1440,  None, PALLIX_LINE},
    {lblO2,         Label,          "lblO2",        frLayout,   "O2",                      720,  360,  255,  255,   5,    PALLIX_LABEL(Left)},
    {Line8,         Line,           "Line8",        frLayout,   nullptr,                   1440, 480,  1080, 480,   None, PALLIX_LINE},
    {Line7,         Line,           "Line7",        frLayout,   nullptr,                   1440, 480,  1440, 720,   None, PALLIX_LINE},
    {Line6,         Line,           "Line6",        frLayout,   nullptr,                   1080, 720,  1800, 720,   None, PALLIX_LINE},
    {Image1,        Image,          "Image1",       frLayout,   kAdapterPicture,           1680, 360,  1410, 1830,  None, PALLIX_STATIC(NoText), AccessibleRole::Graphic, "Adapter photo", kPhoto},
    {Line1,         Line,           "Line1",        frLayout,   nullptr,                   1440, 720,  1800, 720,   None, PALLIX_LINE},
    {frOutput,      Frame,          "frOutput",     Window,     "Status Log ",             240,  3600, 6855, 1935,  17,   PALLIX_STATIC(NoText), AccessibleRole::Grouping, nullptr, nullptr},
    {txtOutput,     MultiLineTextBox, "txtOutput",  frOutput,   "",                        120,  240,  6615, 1575,  18,   PALLIX_FOCUSABLE(Left), AccessibleRole::EditableText, "Status Log", nullptr},
    {frReadTemp,    Frame,          "frReadTemp",   Window,     "Temperatur ",             240,  1080, 3255, 2415,  14,   PALLIX_STATIC(NoText), AccessibleRole::Grouping, nullptr, nullptr},
    {cmdReadTemp,   CommandButton,  "cmdReadTemp",  frReadTemp, "&Read",                   1080, 1320, 1215, 375,   19,   PALLIX_FOCUSABLE(NoText), AccessibleRole::PushButton, nullptr, nullptr},
    // Stored wide enough for "25.0625" in the dialog face of its day, but
    // neither for "No value" nor for "-255.9375" in today's faces: it grows
    // to the left, its right edge staying next to "°C".
    {txtTemperatur, TextBox,        "txtTemperatur", frReadTemp, "No value",               1320, 840,  735,  285,   15,   Right, 240, false, true, false, false, AccessibleRole::EditableText, "Temperatur", "\u00B0C"},
    {lblC,          Label,          "lblC",         frReadTemp, "\u00B0C",                 2160, 840,  375,  255,   16,   PALLIX_LABEL(Left), txtTemperatur},
    {cmdClose,      CommandButton,  "cmdClose",     Window,     "&Close",                  240,  5760, 1095, 375,   0,    PALLIX_FOCUSABLE(NoText), AccessibleRole::PushButton, nullptr, nullptr},
    {lblUrl,        Link,           "lblUrl",       Window,     Maker::kWebAddressCaption, 3720, 360,  1815, 255,   2,    Left, 0, true, false, true, false, AccessibleRole::Link, nullptr, "Opens the maker's web site in the browser"},
    {lblMiral,      Label,          "lblMiral",     Window,     Maker::kCompanyName,       3720, 120,  2895, 255,   1,    PALLIX_ON_WINDOW(Left), AccessibleRole::StaticText, nullptr, nullptr},
    {imgMiral,      Image,          "imgMiral",     Window,     kLogoPicture,              1920, 120,  1500, 495,   None, PALLIX_ON_WINDOW(NoText), AccessibleRole::Graphic, PALLIX_MAKER_COMPANY_NAME " logo", "The maker's logo"},
});
// clang-format on

#undef PALLIX_STATIC
#undef PALLIX_ON_WINDOW
#undef PALLIX_FOCUSABLE
#undef PALLIX_LINE
#undef PALLIX_LABEL

// Every position must land on a whole pixel, every row's ID be its index,
// and every frame come before what it holds.
constexpr bool Consistent()
{
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const Control& control = kControls[i];
        if (Index(control.id) != i || (control.container != Window && Index(control.container) >= i)) {
            return false;
        }
        for (int value : {control.left, control.top, control.width, control.height, control.widening}) {
            if (value % kTwipsPerPixel != 0) {
                return false;
            }
        }
    }
    return kClientWidth % kTwipsPerPixel == 0 && kClientHeight % kTwipsPerPixel == 0;
}
static_assert(kControls.size() == kControlCount);
static_assert(Consistent());

}  // namespace

std::span<const Control> Controls()
{
    return kControls;
}

const Control& Get(ControlId id)
{
    return kControls.at(Index(id));
}

Control AsShown(const Control& control)
{
    Control shown = control;
    shown.left -= control.widening;
    shown.width += control.widening;
    return shown;
}

std::string AccessibleName(const Control& control)
{
    if (control.accessibleName != nullptr) {
        return control.accessibleName;
    }
    std::string name;
    for (const char* c = control.caption != nullptr ? control.caption : ""; *c != '\0'; ++c) {
        if (*c != '&') {
            name += *c;
        }
    }
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

}  // namespace frmPallixExampleLayout
