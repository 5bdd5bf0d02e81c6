#pragma once

// The colours every converting window gives its controls: a field a person
// types a value into is black on green, a list black on the main window's
// grey-beige.

#include "framework/dialog.h"

#include <QColor>

namespace velmaro::res {

inline fw::CtlColor FieldColours() {
    return {QColor(0, 0, 0), QColor(156, 205, 166)};
}

inline fw::CtlColor ListColours() {
    return {QColor(0, 0, 0), QColor(233, 233, 220)};
}

} // namespace velmaro::res
