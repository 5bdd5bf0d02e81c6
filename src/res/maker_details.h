#pragma once

// The maker's numbers and web address, shown in the main window's footer, the
// About box and the category dialogs' footers; its name, address and web
// invitation are texts of each language ("maker." in res/texts). The maker
// and its numbers are fictional; the web address lies under a domain reserved
// for examples.

#include <string_view>

namespace velmaro::res {

inline constexpr std::string_view kMakerPostCode = "310052";
inline constexpr std::string_view kMakerPhone = "0571-5550100";
inline constexpr std::string_view kMakerFax = "0571-5550101";
inline constexpr std::string_view kMakerServicePhone = "400-555-0199";
inline constexpr std::string_view kMakerServiceMessenger = "55500199";
// Opened by the footer link.
inline constexpr std::string_view kMakerWebAddress = "https://www.oskelta.example/";
// What the footer link shows.
inline constexpr std::string_view kMakerWebAddressText = "www.oskelta.example";

} // namespace velmaro::res
