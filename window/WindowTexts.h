// SPDX-License-Identifier: MIT

#pragma once

#include "PallixVersion.h"

// The application's title, for the resource compiler too.
#define PALLIX_APPLICATION_TITLE "PallixExample"
#define PALLIX_PROJECT_DESCRIPTION "SPI with Pallix400"

#ifndef RC_INVOKED
#include <string>

// The texts the program shows besides the controls' captions, the same in
// every front end.
namespace WindowTexts {

// The caption stored with the window; the load replaces it by the title
// before the window is first shown.
inline constexpr const char* kStoredCaption = "Example";
// The application's title: the window's caption and every message box's.
inline constexpr const char* kApplicationTitle = PALLIX_APPLICATION_TITLE;
inline constexpr const char* kVersion = PALLIX_VERSION_TEXT;
inline constexpr const char* kProjectDescription = PALLIX_PROJECT_DESCRIPTION;

// How an error that no handler traps is reported before the program ends.
inline std::string RunTimeErrorReport(int number, const std::string& description)
{
    return "Run-time error '" + std::to_string(number) + "':\n\n" + description;
}

}  // namespace WindowTexts
#endif
