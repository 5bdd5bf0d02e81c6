#include "categories/field_group_cycle.h"

#include "convert/change_cycle.h"
#include "framework/data_exchange.h"
#include "framework/dialog.h"

namespace velmaro {
namespace {

// Position of the unit shown by `controlId`, or the number of units when none.
std::size_t UnitIndexOf(const res::UnitControls& fields, int controlId) {
    const auto& ids = fields.controlIds;
    return static_cast<std::size_t>(std::find(ids.begin(), ids.end(), controlId) - ids.begin());
}

} // namespace

QString* GroupTexts::Find(int controlId) {
    const std::size_t index = UnitIndexOf(*m_fields, controlId);
    return index < m_texts.size() ? &m_texts[index] : nullptr;
}

void GroupTexts::Exchange(fw::CDataExchange* dx) {
    for (std::size_t i = 0; i < m_texts.size(); ++i) {
        fw::DDX_Text(dx, m_fields->controlIds[i], m_texts[i]);
    }
}

void RunChangeCycle(fw::CDialog& window, const res::UnitControls& fields, int sourceControlId) {
    window.UpdateData(true);
    const QByteArray text = window.GetDlgItemText(sourceControlId).toUtf8();
    for (const UnitText& target : Convert(*fields.group, UnitIndexOf(fields, sourceControlId),
                                          std::string_view(text.constData(), text.size()))) {
        if (QString* member = window.TextMember(fields.controlIds[target.unitIndex])) {
            *member = QString::fromStdString(target.text);
        }
    }
    window.UpdateData(false);
}

} // namespace velmaro
