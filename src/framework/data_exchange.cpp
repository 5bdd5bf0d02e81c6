#include "framework/data_exchange.h"

#include "framework/dialog.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace velmaro::fw {

void DDX_Text(CDataExchange* dx, int controlId, QString& value) {
    auto* edit = dx->dialog().DlgItem<QLineEdit>(controlId);
    if (edit == nullptr) {
        return;
    }
    if (dx->m_bSaveAndValidate) {
        value = edit->text();
        return;
    }
    // An unchanged text is not set again, so the caret of the field being
    // typed in stays where it is. Longer texts are always written, and a
    // written text puts the caret at its start, as setting a text does.
    if (value.size() <= kExchangeCompareLimit && edit->text() == value) {
        return;
    }
    edit->setText(value);
    edit->setCursorPosition(0);
}

void DDX_Radio(CDataExchange* dx, int firstId, int& value) {
    const std::vector<QWidget*> group = dx->dialog().RadioGroup(firstId);
    if (dx->m_bSaveAndValidate) {
        value = -1;
        for (std::size_t i = 0; i < group.size(); ++i) {
            const auto* button = qobject_cast<const QAbstractButton*>(group[i]);
            if (button != nullptr && button->isChecked()) {
                value = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    for (std::size_t i = 0; i < group.size(); ++i) {
        auto* button = qobject_cast<QAbstractButton*>(group[i]);
        if (button == nullptr) {
            continue;
        }
        // An exclusive button cannot be unchecked directly; lift the
        // exclusivity while the group is set.
        const bool exclusive = button->autoExclusive();
        button->setAutoExclusive(false);
        button->setChecked(static_cast<int>(i) == value);
        button->setAutoExclusive(exclusive);
    }
}

void DDX_Control(CDataExchange* dx, int controlId, QWidget& control) {
    dx->dialog().ReplaceControl(controlId, control);
}

} // namespace velmaro::fw
