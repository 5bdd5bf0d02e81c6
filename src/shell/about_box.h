#pragma once

// The About box: the maker's logo and contact details (template 100). It
// holds nothing and answers nothing; it is shown modally over the main window
// and closed by Enter, Escape or its close box.

#include "framework/dialog.h"

namespace velmaro {

class CAboutBox : public fw::CDialog {
public:
    // No parent: the main window owns it while it runs.
    CAboutBox();
    ~CAboutBox() override;

protected:
    // The box holds no default push button; Enter is its OK all the same.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace velmaro
