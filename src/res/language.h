#pragma once

// The language of the windows: chosen when the program starts, from the
// command line, the choice remembered from the window menu, or the desktop's
// languages, in that order; switched from the window menu. Numbers are read
// and written the same way in every language.

#include "res/texts/texts.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace velmaro::res {

// Chinese for a desktop whose interface languages (QLocale's uiLanguages())
// include any Chinese one ("zh", "zh-Hans-CN", "zh_TW"), English otherwise.
texts::Language LanguageOfDesktop(const QStringList& uiLanguages);

// The language chosen in the window menu, kept in the user's settings of the
// program (a file under the user's configuration folder, the registry on
// Windows); none until one is chosen.
std::optional<texts::Language> RememberedLanguage();
void RememberLanguage(texts::Language language);
// Keeps the choice in `iniFile` instead of the user's settings (tests).
void KeepLanguageIn(const QString& iniFile);

// The language to start in: `requested` (the command line's, for this run
// only), else the remembered one, else the desktop's.
texts::Language StartLanguage(std::optional<texts::Language> requested);

// Makes `language` the language of every window made from now on: the texts
// their templates name, and the pictures with words in them.
void UseLanguage(texts::Language language);

} // namespace velmaro::res
