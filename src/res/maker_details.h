#pragma once

// The maker's details, shown in the main window's footer, the About box and
// the category dialogs' footers. The maker and its numbers are fictional; the
// web address lies under a domain reserved for examples.

#include <string_view>

namespace velmaro::res {

inline constexpr std::string_view kMakerCompanyName = "奥斯凯塔仪表科技有限公司";
inline constexpr std::string_view kMakerPostalAddress = "杭州市滨江区示例路88号";
inline constexpr std::string_view kMakerPostCode = "310052";
inline constexpr std::string_view kMakerPhone = "0571-5550100";
inline constexpr std::string_view kMakerFax = "0571-5550101";
inline constexpr std::string_view kMakerServicePhone = "400-555-0199";
inline constexpr std::string_view kMakerServiceMessenger = "55500199";
// Opened by the footer link.
inline constexpr std::string_view kMakerWebAddress = "https://www.oskelta.example/";
// What the footer link shows.
inline constexpr std::string_view kMakerWebAddressText = "www.oskelta.example";
// The footer's invitation ends in seven blanks, as the template has it.
inline constexpr std::string_view kMakerWebInvitation =
    "欢迎访问奥斯凯塔网站，获取更多工程工具       ";

} // namespace velmaro::res
