#include "categories/category_dialog.h"

#include "categories/category_templates.h"
#include "categories/field_group_cycle.h"
#include "framework/image_resources.h"
#include "res/control_colours.h"
#include "res/resource_ids.h"
#include "shell/help_window.h"

#include <QIcon>

namespace velmaro {

CCategoryDialog::CCategoryDialog(const res::CategoryLayout& layout, const res::UnitControls& fields,
                                 QWidget* parent)
    : fw::CDialog(dialogs::CategoryDialogTemplate(layout), parent), m_layout(layout),
      m_fields(fields) {
    AddHelpKey(*this);
}

CCategoryDialog::~CCategoryDialog() = default;

void CCategoryDialog::OnChangeUnitField(int controlId) {
    RunChangeCycle(*this, m_fields, controlId);
}

bool CCategoryDialog::OnInitDialog() {
    fw::CDialog::OnInitDialog();
    // Only the big image is given; the title bar scales it down where it
    // shows a small one.
    const QPixmap bigIcon = fw::LoadIconResource(res::IDI_CATEGORY, 32);
    if (!bigIcon.isNull()) {
        setWindowIcon(QIcon(bigIcon));
    }
    return true;
}

std::optional<fw::CtlColor> CCategoryDialog::OnCtlColor(fw::CtlColorKind kind) {
    const auto base = fw::CDialog::OnCtlColor(kind);
    if (kind == fw::CtlColorKind::Edit) {
        return res::FieldColours();
    }
    return base;
}

} // namespace velmaro
