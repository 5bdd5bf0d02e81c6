#pragma once

// A control object of our own that takes the place of a template control
// (DDX_Control, CDialog::SubclassDlgItem) and wants to adapt itself to what it
// replaces: a button reads whether it was the default push button, a link
// reads whether it replaces a text or a picture.

class QWidget;

namespace velmaro::fw {

struct ControlTemplate;

class CSubclassedControl {
public:
    // Runs once, when the object has taken over the geometry, text, font and
    // colours of `original` and before `original` is deleted.
    virtual void PreSubclassWindow(const ControlTemplate& control, const QWidget& original) = 0;

protected:
    ~CSubclassedControl() = default;
};

} // namespace velmaro::fw
