#pragma once

// The common base of the 17 category dialogs. Each dialog holds one field
// group of the program's linear quantities; typing into one of its unit
// fields rewrites every other field of the group (the change cycle).

#include "framework/dialog.h"
#include "framework/notification.h"
#include "res/category_layouts.h"
#include "res/unit_controls.h"

#include <optional>

class QWidget;

namespace velmaro {

class CCategoryDialog : public fw::CDialog {
public:
    // Every dialog is made without a parent; its modal run puts it over the
    // application's main window.
    // `fields` are the dialog's unit fields, as its layout places them.
    CCategoryDialog(const res::CategoryLayout& layout, const res::UnitControls& fields,
                    QWidget* parent = nullptr);
    ~CCategoryDialog() override;

    const res::CategoryLayout& layout() const { return m_layout; }
    const FieldGroup& group() const { return *m_layout.group; }
    const res::UnitControls& fields() const { return m_fields; }

    // The change handler of every unit field of the dialog.
    void OnChangeUnitField(int controlId);

protected:
    // Writes the empty members into the fields and gives the window the big
    // category icon; the focus then goes to the field of tab position 1.
    bool OnInitDialog() override;
    // Unit fields in black on green; labels, caption and background keep the
    // application-wide dialog colours.
    std::optional<fw::CtlColor> OnCtlColor(fw::CtlColorKind kind) override;

private:
    const res::CategoryLayout& m_layout;
    const res::UnitControls& m_fields;
};

} // namespace velmaro
