#pragma once

// Texts that templates join at compile time from parts kept elsewhere (a
// caption and one of the maker's details), so each part is written once.

#include <array>
#include <cstddef>
#include <string_view>

namespace velmaro::res {

template <const std::string_view&... Parts> struct JoinedText {
    static constexpr std::size_t kSize = (Parts.size() + ... + 0);
    static constexpr std::array<char, kSize + 1> kStorage = [] {
        std::array<char, kSize + 1> text{};
        std::size_t at = 0;
        for (std::string_view part : {Parts...}) {
            for (char c : part) {
                text[at++] = c;
            }
        }
        return text;
    }();
    static constexpr std::string_view value{kStorage.data(), kSize};
};

// The parts joined into one text with static storage.
template <const std::string_view&... Parts>
inline constexpr std::string_view kJoined = JoinedText<Parts...>::value;

} // namespace velmaro::res
