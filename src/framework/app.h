#pragma once

// The application object: one per process, it owns the application-wide
// dialog colours and knows the main window.

#include <QColor>

class QWidget;

namespace velmaro::fw {

struct DialogColors {
    QColor background;
    QColor text;
};

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the application; the program ends when it returns.
    virtual bool InitInstance() = 0;

    // Colours of every dialog wherever a window does not answer a colour
    // request itself: the background, and the text of static texts and
    // group-box captions.
    void SetDialogBkColor(QColor background, QColor text);

    QWidget* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
QWidget* AfxGetMainWnd();
DialogColors AfxDialogColors();

} // namespace velmaro::fw
