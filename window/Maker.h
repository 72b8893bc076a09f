// SPDX-License-Identifier: MIT

#pragma once

// The adapter's maker, named at the top of the window, in the Windows
// program's version block and opened by the web link. Written once; the
// link's caption adds a final slash. The macros serve the resource compiler.
#define PALLIX_MAKER_COMPANY_NAME "Miral Elektronik GmbH"
#define PALLIX_MAKER_WEB_ADDRESS "http://www.miral.example"

#ifndef RC_INVOKED
namespace Maker {
inline constexpr const char* kCompanyName = PALLIX_MAKER_COMPANY_NAME;
inline constexpr const char* kWebAddress = PALLIX_MAKER_WEB_ADDRESS;
inline constexpr const char* kWebAddressCaption = PALLIX_MAKER_WEB_ADDRESS "/";
}  // namespace Maker
#endif
