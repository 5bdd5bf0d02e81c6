#include "page_html.h"

#include <cstddef>

namespace velmaro::web {

std::string JsonEscaped(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        switch (c) {
        case '"':
        case '\\':
            escaped += '\\';
            escaped += c;
            break;
        default:
            // A control character (a tab in a multi-line text), and "<"
            // always: JSON inside a script element cannot end it.
            if (static_cast<unsigned char>(c) < 0x20 || c == '<') {
                constexpr std::string_view kHex = "0123456789abcdef";
                escaped += "\\u00";
                escaped += kHex[static_cast<unsigned char>(c) >> 4U];
                escaped += kHex[static_cast<unsigned char>(c) & 0xFU];
            } else {
                escaped += c;
            }
        }
    }
    return escaped;
}

std::string_view PageHtml::Text(std::string_view id) {
    m_asked.emplace(id);
    const std::string_view text = texts::Lookup(id, m_language);
    if (text.empty()) {
        m_problems.insert("no text " + std::string(id));
    }
    return text;
}

PageHtml& PageHtml::operator<<(std::string_view markup) {
    m_markup += markup;
    return *this;
}

PageHtml& PageHtml::Escaped(std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&':
            m_markup += "&amp;";
            break;
        case '<':
            m_markup += "&lt;";
            break;
        case '>':
            m_markup += "&gt;";
            break;
        case '"':
            m_markup += "&quot;";
            break;
        default:
            m_markup += c;
        }
    }
    return *this;
}

void PageHtml::JumpTarget(std::string_view id, std::string_view titleTextId) {
    m_jumpTargets.emplace_back(id, Text(titleTextId));
}

void PageHtml::UnitFields(std::string_view quantityId) {
    const Quantity* found = FindQuantity(quantityId);
    if (found == nullptr) {
        m_problems.insert("no quantity " + std::string(quantityId));
        return;
    }
    const Quantity& quantity = *found;
    const auto index = static_cast<std::size_t>(found - Quantities().data());
    *this << R"(<div class="fields" data-quantity=")" << quantity.id << R"(" data-index=")"
          << std::to_string(index) << "\">\n";
    for (std::size_t unit = 0; unit < quantity.group->size(); ++unit) {
        const std::string_view label = Text(UnitTextId(quantity, unit));
        Field(std::string(quantity.id) + "-" + std::to_string(unit), label, label);
    }
    *this << "</div>\n";
}

void PageHtml::Field(std::string_view id, std::string_view name, std::string_view label,
                     bool readOnly) {
    *this << R"(<div class="field"><input id=")" << id << R"(" type="text")";
    *this << (readOnly ? " readonly"
                       : R"( inputmode="decimal" autocomplete="off" spellcheck="false")");
    *this << " aria-label=\"";
    Escaped(name) << R"("><span class="unit" aria-hidden="true">)";
    Escaped(label) << "</span></div>\n";
}

} // namespace velmaro::web
