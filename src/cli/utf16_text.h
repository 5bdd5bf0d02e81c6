#pragma once

// UTF-16, as Windows hands over the command line and takes text for a
// console, to and from the UTF-8 the converter works in.

#include <string>
#include <string_view>

namespace velmaro::cli {

// A unit that is not part of a valid sequence (a lone surrogate; a byte that
// begins no valid UTF-8 sequence) becomes U+FFFD.
std::string Utf8FromUtf16(std::u16string_view text);
std::u16string Utf16FromUtf8(std::string_view text);

// How many bytes at the end of `text` begin a UTF-8 sequence that is not
// complete yet (0 to 3): a console writer keeps them for its next write.
std::size_t IncompleteUtf8Tail(std::string_view text);

} // namespace velmaro::cli
