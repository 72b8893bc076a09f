#include "frmPallixExampleLayout.h"

#include "Maker.h"

#include <array>
#include <cstring>

namespace frmPallixExampleLayout {
namespace {

using enum ControlType;
constexpr int None = kNoTabIndex;
constexpr TextAlignment Left = TextAlignment::Left;
constexpr TextAlignment Right = TextAlignment::Right;
constexpr TextAlignment NoText = TextAlignment::None;

// clang-format off
constexpr std::array kControls = std::to_array<Control>({
//   type           name             in            caption                       left  top   width height tab   text
    {Frame,         "frLayout",      nullptr,      "Layout",                     3720, 1080, 3375, 2415,  3,    NoText},
    {Line,          "Line3",         "frLayout",   nullptr,                      1440, 1560, 2040, 1560,  None, NoText},
    {Label,         "Label1",        "frLayout",   "* bottom",                   120,  2040, 855,  255,   20,   Left},
    {Label,         "lblO1",         "frLayout",   "O1*",                        720,  600,  375,  255,   4,    Left},
    {Label,         "lblS0",         "frLayout",   "S0",                         120,  840,  375,  255,   13,   Left},
    {Label,         "lblI1",         "frLayout",   "I1*",                        720,  840,  255,  255,   12,   Left},
    {Line,          "Line14",        "frLayout",   nullptr,                      1800, 960,  1080, 960,   None, NoText},
    {Label,         "lblGnd2",       "frLayout",   "GND",                        120,  1200, 375,  255,   11,   Left},
    {Label,         "lbl5v",         "frLayout",   "5V",                         120,  1560, 375,  255,   10,   Left},
    {Label,         "Label4",        "frLayout",   "CS",                         120,  360,  255,  255,   9,    Left},
    {Label,         "lblClk",        "frLayout",   "Clock",                      120,  600,  495,  255,   8,    Left},
    {Line,          "Line13",        "frLayout",   nullptr,                      1440, 1320, 1080, 1320,  None, NoText},
    {Line,          "Line12",        "frLayout",   nullptr,                      1440, 1320, 1440, 1440,  None, NoText},
    {Line,          "Line11",        "frLayout",   nullptr,                      1080, 1680, 1440, 1680,  None, NoText},
    {Line,          "Line10",        "frLayout",   nullptr,                      1440, 1680, 1440, 1560,  None, NoText},
    {Label,         "lblGnd",        "frLayout",   "GND",                        720,  1200, 375,  255,   7,    Left},
    {Label,         "lblVcc",        "frLayout",   "VCC",                        720,  1560, 375,  255,   6,    Left},
    {Line,          "Line9",         "frLayout",   nullptr,                      1440, 1440, 2040, 1440,  None, NoText},
    {Label,         "lblO2",         "frLayout",   "O2",                         720,  360,  255,  255,   5,    Left},
    {Line,          "Line8",         "frLayout",   nullptr,                      1440, 480,  1080, 480,   None, NoText},
    {Line,          "Line7",         "frLayout",   nullptr,                      1440, 480,  1440, 720,   None, NoText},
    {Line,          "Line6",         "frLayout",   nullptr,                      1080, 720,  1800, 720,   None, NoText},
    {Image,         "Image1",        "frLayout",   kAdapterPicture,             1680, 360,  1410, 1830,  None, NoText},
    {Line,          "Line1",         "frLayout",   nullptr,                      1440, 720,  1800, 720,   None, NoText},
    {Frame,         "frOutput",      nullptr,      "Status Log ",                240,  3600, 6855, 1935,  17,   NoText},
    {MultiLineTextBox, "txtOutput",  "frOutput",   "",                           120,  240,  6615, 1575,  18,   Left},
    {Frame,         "frReadTemp",    nullptr,      "Temperatur ",                240,  1080, 3255, 2415,  14,   NoText},
    {CommandButton, "cmdReadTemp",   "frReadTemp", "&Read",                      1080, 1320, 1215, 375,   19,   NoText},
    {TextBox,       "txtTemperatur", "frReadTemp", "No value",                   1320, 840,  735,  285,   15,   Right},
    {Label,         "lblC",          "frReadTemp", "\u00B0C",                    2160, 840,  375,  255,   16,   Left},
    {CommandButton, "cmdClose",      nullptr,      "&Close",                     240,  5760, 1095, 375,   0,    NoText},
    {Link,          "lblUrl",        nullptr,      Maker::kWebAddressCaption,    3720, 360,  1815, 255,   2,    Left},
    {Label,         "lblMiral",      nullptr,      Maker::kCompanyName,          3720, 120,  2895, 255,   1,    Left},
    {Image,         "imgMiral",      nullptr,      kLogoPicture,                1920, 120,  1500, 495,   None, NoText},
});
// clang-format on

// Every position must land on a whole pixel.
constexpr bool OnWholePixels()
{
    for (const Control& control : kControls) {
        for (int value : {control.left, control.top, control.width, control.height}) {
            if (value % kTwipsPerPixel != 0) {
                return false;
            }
        }
    }
    return kClientWidth % kTwipsPerPixel == 0 && kClientHeight % kTwipsPerPixel == 0;
}
static_assert(OnWholePixels());
static_assert(kControls.size() == 34);

}  // namespace

std::span<const Control> Controls()
{
    return kControls;
}

Control AsShown(const Control& control)
{
    Control shown = control;
    if (std::strcmp(control.name, "txtTemperatur") == 0) {
        shown.left -= kTemperatureBoxWidening;
        shown.width += kTemperatureBoxWidening;
    }
    return shown;
}

const Control* Find(const char* name)
{
    for (const Control& control : kControls) {
        if (std::strcmp(control.name, name) == 0) {
            return &control;
        }
    }
    return nullptr;
}

}  // namespace frmPallixExampleLayout
