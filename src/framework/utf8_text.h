#pragma once

// Qt strings from the program's texts, which are UTF-8 views.

#include <QString>

#include <string_view>

namespace velmaro::fw {

inline QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace velmaro::fw
