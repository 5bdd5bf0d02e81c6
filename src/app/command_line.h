#pragma once

// What the start-up takes from the command line: only whether the splash is
// shown. An embedded or automation start ("-Embedding", "/Automation", in
// any case) has no splash; every other argument is ignored.

#include <QStringList>

namespace velmaro {

struct CCommandLineInfo {
    bool m_bShowSplash = true;
};

// `arguments` is the whole command line, the program's name first.
void ParseCommandLine(const QStringList& arguments, CCommandLineInfo& info);

} // namespace velmaro
