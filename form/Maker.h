#pragma once

// The adapter's maker, named at the top of the window and opened by the web
// link. The address is written once; the link's caption adds a final slash.
#define PALLIX_MAKER_WEB_ADDRESS "http://www.miral.example"

namespace Maker {
inline constexpr const char* kCompanyName = "Miral Elektronik GmbH";
inline constexpr const char* kWebAddress = PALLIX_MAKER_WEB_ADDRESS;
inline constexpr const char* kWebAddressCaption = PALLIX_MAKER_WEB_ADDRESS "/";
}  // namespace Maker

#undef PALLIX_MAKER_WEB_ADDRESS
