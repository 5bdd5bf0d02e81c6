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

} // namespace

void ParseCommandLine(const QStringList& arguments, CCommandLineInfo& info) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (IsSwitch(argument, QLatin1StringView("Embedding")) ||
            IsSwitch(argument, QLatin1StringView("Automation"))) {
            info.m_bShowSplash = false;
        }
    }
}

} // namespace velmaro
