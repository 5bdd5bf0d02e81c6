#pragma once

// A dialog template built while the program runs (from a table and the texts
// of the language in use), kept for the rest of the run like a resource: the
// window it is given to keeps pointing at its controls and texts.

#include "framework/dialog_template.h"
#include "res/texts/texts.h"

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmaro::res {

struct BuiltTemplate {
    fw::DialogTemplate dialog;
    std::vector<fw::ControlTemplate> controls;

    // Keeps a text made while building (an id or a composed text) for as
    // long as the template lives.
    std::string_view Keep(std::string text) { return m_kept.emplace_back(std::move(text)); }

private:
    std::deque<std::string> m_kept; // never moves what it holds
};

// The template `slot` keeps, built there by `build` the first time it is
// asked for. A slot lives for the rest of the run and is never moved, so the
// template's control list stays where its span points.
template <class Build>
const fw::DialogTemplate& BuiltOnce(std::unique_ptr<const BuiltTemplate>& slot, Build build) {
    if (!slot) {
        auto made = std::make_unique<BuiltTemplate>();
        build(*made);
        made->dialog.controls = made->controls;
        slot = std::move(made);
    }
    return slot->dialog;
}

// The template of one window in the language in use, built by `build` the
// first time a window asks for it in that language. Each window's builder is
// a lambda of its own, whose type keeps that window's templates apart.
// Windows are made on the one GUI thread.
template <class Build> const fw::DialogTemplate& TemplateInLanguage(Build build) {
    static std::array<std::unique_ptr<const BuiltTemplate>, std::size(texts::kLanguages)> built;
    return BuiltOnce(built.at(static_cast<std::size_t>(texts::CurrentLanguage())), build);
}

} // namespace velmaro::res
