#include "categories/field_group_cycle.h"

#include "convert/change_cycle.h"
#include "framework/dialog.h"

namespace velmaro {

void RunChangeCycle(fw::CDialog& window, const FieldGroup& group, int sourceControlId) {
    window.UpdateData(true);
    const QByteArray text = window.GetDlgItemText(sourceControlId).toUtf8();
    for (const FieldText& target :
         Convert(group, sourceControlId, std::string_view(text.constData(), text.size()))) {
        if (QString* member = window.TextMember(target.controlId)) {
            *member = QString::fromStdString(target.text);
        }
    }
    window.UpdateData(false);
}

} // namespace velmaro
