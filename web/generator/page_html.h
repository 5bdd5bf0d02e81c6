#pragma once

// What the panel writers share: the page's HTML as it grows, every text taken
// by its id from the program's texts, and the markup of a unit field.

#include "convert/quantities.h"
#include "res/texts/texts.h"

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmaro::web {

// `text` inside a JSON string: quotes, backslashes and control characters
// escaped, and "<" too, so that JSON in a script element cannot end it.
std::string JsonEscaped(std::string_view text);

class PageHtml {
public:
    explicit PageHtml(texts::Language language = texts::Language::Chinese) : m_language(language) {}

    // The text of `id` in the page's language: every text the generator
    // writes comes through here. An id without a text is a problem: the
    // generator fails once it has written everything.
    std::string_view Text(std::string_view id);
    // Whether the text of `id` was asked for already.
    bool Asked(std::string_view id) const { return m_asked.contains(id); }
    // Records a problem that makes the page unusable.
    void Problem(std::string what) { m_problems.insert(std::move(what)); }
    const std::set<std::string>& Problems() const { return m_problems; }

    // Appends `markup` as it is.
    PageHtml& operator<<(std::string_view markup);
    // Appends `text` with &, <, > and " escaped, for element text and
    // attribute values alike.
    PageHtml& Escaped(std::string_view text);
    // Appends the text of `id`, escaped.
    PageHtml& TextOf(std::string_view id) { return Escaped(Text(id)); }

    // The fields of the quantity `quantityId` in a box of their own, with
    // the quantity's position in the catalogue (data-index, by which the
    // page asks the core), one per unit in the catalogue's order: an input
    // named by its unit label, with the id "<quantity>-<unit index>", and the
    // label.
    void UnitFields(std::string_view quantityId);
    // One field with the id `id`, the accessible name `name` and the label
    // `label` beside it (the input's next sibling); `readOnly` for a field
    // the core writes only.
    void Field(std::string_view id, std::string_view name, std::string_view label,
               bool readOnly = false);

    // Records that the element `id`, titled by the text `titleTextId`, gets a
    // jump link on a phone. Links follow the order they are recorded in.
    void JumpTarget(std::string_view id, std::string_view titleTextId);
    const std::vector<std::pair<std::string, std::string>>& JumpTargets() const {
        return m_jumpTargets;
    }

    const std::string& Markup() const { return m_markup; }

private:
    texts::Language m_language;
    std::string m_markup;
    std::set<std::string> m_problems;
    std::set<std::string, std::less<>> m_asked;
    std::vector<std::pair<std::string, std::string>> m_jumpTargets; // id, title
};

} // namespace velmaro::web
