#pragma once

// UTF-8 as the command line meets it: arguments and lines can hold any bytes,
// so every text that is echoed is checked sequence by sequence.

#include <cstddef>
#include <string>
#include <string_view>

namespace velmaro::cli {

// Length of the valid UTF-8 sequence at the start of `text`, or 0 when it
// starts with a byte that begins none (overlong forms, UTF-16 surrogates and
// values past U+10FFFF are not valid). `text` must not be empty.
std::size_t Utf8SequenceLength(std::string_view text);

// `text` with every character that could steer a terminal made visible:
// control characters (C0, DEL and C1) and bytes that are not valid UTF-8
// become \xNN (\t, \n and \r by their letters), and a backslash is doubled so
// that an escape cannot be forged. Everything else stays as it is.
std::string TerminalSafe(std::string_view text);

} // namespace velmaro::cli
