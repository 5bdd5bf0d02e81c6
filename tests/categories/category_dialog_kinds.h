#pragma once

// The 17 category dialog classes with their layouts (by template id), for table-driven window
// tests.

#include "categories/category_dialogs.h"

#include <QString>

#include <memory>
#include <string_view>

namespace velmaro::test {

struct CategoryDialogKind {
    const char* className;
    const res::CategoryLayout* layout;
    std::unique_ptr<CCategoryDialog> (*make)();
    bool (*isInstance)(const QWidget* widget);
};

template <class Dialog> std::unique_ptr<CCategoryDialog> MakeDialog() {
    return std::make_unique<Dialog>();
}

template <class Dialog> bool IsInstance(const QWidget* widget) {
    return dynamic_cast<const Dialog*>(widget) != nullptr;
}

#define VELMARO_DIALOG_KIND(Class, TemplateId)                                                     \
    CategoryDialogKind {                                                                           \
#Class, &res::FindCategoryByTemplate(TemplateId)->dialog, &MakeDialog < Class>,            \
            &IsInstance < Class>                                                                   \
    }

inline const CategoryDialogKind kCategoryDialogKinds[] = {
    VELMARO_DIALOG_KIND(CLengthDlg, 129),
    VELMARO_DIALOG_KIND(CAreaDlg, 130),
    VELMARO_DIALOG_KIND(CVolumeDlg, 131),
    VELMARO_DIALOG_KIND(CCapacityDlg, 132),
    VELMARO_DIALOG_KIND(CMassDlg, 133),
    VELMARO_DIALOG_KIND(CDensityDlg, 136),
    VELMARO_DIALOG_KIND(CSpeedDlg, 138),
    VELMARO_DIALOG_KIND(CForceDlg, 139),
    VELMARO_DIALOG_KIND(CEnergyDlg, 140),
    VELMARO_DIALOG_KIND(CPowerDlg, 141),
    VELMARO_DIALOG_KIND(CHeatFluxDlg, 146),
    VELMARO_DIALOG_KIND(CHeatTransferCoefDlg, 147),
    VELMARO_DIALOG_KIND(CThermalConductivityDlg, 148),
    VELMARO_DIALOG_KIND(CDynamicViscosityDlg, 144),
    VELMARO_DIALOG_KIND(CKinematicViscosityDlg, 145),
    VELMARO_DIALOG_KIND(CDiffusionCoefDlg, 149),
    VELMARO_DIALOG_KIND(CSurfaceTensionDlg, 150),
};

#undef VELMARO_DIALOG_KIND

inline const CategoryDialogKind* FindDialogKind(const QString& className) {
    for (const CategoryDialogKind& kind : kCategoryDialogKinds) {
        if (className == QLatin1String(kind.className)) {
            return &kind;
        }
    }
    return nullptr;
}

inline QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace velmaro::test
