#include "app/command_line.h"

namespace velmaro {
namespace {

// A switch starts with "-" or "/"; its name is compared without regard to case.
bool IsSwitch(const QString& argument, QLatin1StringView name) {
    if (argument.size() < 2 || (argument.front() != u'-' && argument.front() != u'/')) {
        return false;
    }
    return QStringView(argument).sliced(1).compare(name, Qt::CaseInsensitive) == 0;
}

const QLatin1StringView kLanguageOption("--lang");

void TakeLanguage(const QString& code, CCommandLineInfo& info) {
    if (const auto language = texts::LanguageOfCode(code.toStdString())) {
        info.m_language = language;
    } else {
        info.m_problems << QStringLiteral("--lang takes zh or en, not \"%1\"").arg(code);
    }
}

} // namespace

void ParseCommandLine(const QStringList& arguments, CCommandLineInfo& info) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (IsSwitch(argument, QLatin1StringView("Embedding")) ||
            IsSwitch(argument, QLatin1StringView("Automation"))) {
            info.m_bShowSplash = false;
        } else if (argument == kLanguageOption) {
            if (i + 1 < arguments.size()) {
                TakeLanguage(arguments[++i], info);
            } else {
                info.m_problems << QStringLiteral("--lang takes zh or en");
            }
        } else if (argument.startsWith(kLanguageOption + u'=')) {
            TakeLanguage(argument.sliced(kLanguageOption.size() + 1), info);
        }
    }
}

} // namespace velmaro
