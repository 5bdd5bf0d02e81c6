#include "categories/field_group_cycle.h"

#include "convert/change_cycle.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"

namespace velmaro {

QString* GroupTexts::Find(int controlId) {
    const std::size_t index = m_group->indexOf(controlId);
    return index < m_texts.size() ? &m_texts[index] : nullptr;
}

void GroupTexts::Exchange(fw::CDataExchange* dx) {
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        fw::DDX_Text(dx, m_group->units[i].controlId, m_texts[i]);
    }
}

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
