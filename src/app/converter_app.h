#pragma once

// The application object: starts the program, fixes the colours of every
// dialog and runs the main window; when the main window closes, the program
// ends. Nothing is saved.

#include "framework/app.h"

#include <QStringList>

namespace velmaro {

class CConverterApp : public fw::CWinApp {
public:
    explicit CConverterApp(QStringList arguments);

    // Returns false: the program ends when it returns.
    bool InitInstance() override;

private:
    QStringList m_arguments;
};

} // namespace velmaro
