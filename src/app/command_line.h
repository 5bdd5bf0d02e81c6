#pragma once

// What the start-up takes from the command line: whether the splash is
// shown, and the language of this run. An embedded or automation start
// ("-Embedding", "/Automation", in any case) has no splash; "--lang zh" or
// "--lang en" (also "--lang=en") sets the language for this run only. Every
// other argument is ignored.

#include "res/texts/texts.h"

#include <QStringList>

#include <optional>

namespace velmaro {

struct CCommandLineInfo {
    bool m_bShowSplash = true;
    std::optional<texts::Language> m_language; // none: the remembered or the desktop's
    QStringList m_problems;                    // arguments refused, one line each
};

// `arguments` is the whole command line, the program's name first.
void ParseCommandLine(const QStringList& arguments, CCommandLineInfo& info);

} // namespace velmaro
