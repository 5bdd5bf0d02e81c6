#include "framework/template_text.h"

namespace velmaro::fw {
namespace {

TextSource g_textSource = nullptr;

} // namespace

void SetTextSource(TextSource source) {
    g_textSource = source;
}

std::string_view TextOf(std::string_view id) {
    return g_textSource != nullptr ? g_textSource(id) : id;
}

std::string_view TemplateText::Resolve() const {
    return m_byId ? TextOf(m_text) : m_text;
}

} // namespace velmaro::fw
