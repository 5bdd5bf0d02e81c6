#pragma once

// A text of a dialog template: the text itself, or the id of a text that the
// program's text source gives (in the language the program was started in).
// The framework knows no texts of its own: the application installs the
// source (SetTextSource) before it makes its first window, and every window
// asks it for the texts its template names by id when it builds its controls.
//
// A template names a text by id with TextId:
//
//   {1058, ControlKind::GroupBox, fw::TextId("panel.pressure"), {10, 27, 159, 272}}
//
// and gives a text as it is with a plain string ("Button1", a maker's phone
// number). The id is not copied: it must outlive the template (a string
// literal, or a string the template's builder keeps beside the template).

#include <string_view>

namespace velmaro::fw {

class TemplateText {
public:
    constexpr TemplateText() = default;
    // A text as it is (UTF-8).
    // NOLINTNEXTLINE(google-explicit-constructor): templates write plain texts as strings
    constexpr TemplateText(const char* text) : m_text(text) {}
    // NOLINTNEXTLINE(google-explicit-constructor)
    constexpr TemplateText(std::string_view text) : m_text(text) {}

    // The text of `id`, from the program's text source.
    static constexpr TemplateText ById(std::string_view id) {
        TemplateText text(id);
        text.m_byId = true;
        return text;
    }

    // The text as written, or the id.
    constexpr std::string_view Written() const { return m_text; }
    constexpr bool empty() const { return m_text.empty(); }

    // The text to show: the text as written, or the text source's text of the
    // id (the id itself when no source is installed, so a missing source
    // shows at once).
    std::string_view Resolve() const;

private:
    std::string_view m_text;
    bool m_byId = false;
};

// Names a text of a template by its id.
constexpr TemplateText TextId(std::string_view id) {
    return TemplateText::ById(id);
}

// Where the texts come from: the text of an id, "" for an unknown one.
using TextSource = std::string_view (*)(std::string_view id);

// Installs the source every window reads its texts from.
void SetTextSource(TextSource source);

// The text of `id` from the installed source.
std::string_view TextOf(std::string_view id);

} // namespace velmaro::fw
