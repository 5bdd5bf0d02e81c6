#pragma once

// The 17 category dialog classes with their layouts, for table-driven window
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

#define VELMARO_DIALOG_KIND(Class, Layout)                                                         \
    CategoryDialogKind {                                                                           \
#Class, &res::Layout, &MakeDialog < Class>, &IsInstance < Class>                           \
    }

inline const CategoryDialogKind kCategoryDialogKinds[] = {
    VELMARO_DIALOG_KIND(CLengthDlg, kLengthLayout),
    VELMARO_DIALOG_KIND(CAreaDlg, kAreaLayout),
    VELMARO_DIALOG_KIND(CVolumeDlg, kVolumeLayout),
    VELMARO_DIALOG_KIND(CCapacityDlg, kCapacityLayout),
    VELMARO_DIALOG_KIND(CMassDlg, kMassLayout),
    VELMARO_DIALOG_KIND(CDensityDlg, kDensityLayout),
    VELMARO_DIALOG_KIND(CSpeedDlg, kSpeedLayout),
    VELMARO_DIALOG_KIND(CForceDlg, kForceLayout),
    VELMARO_DIALOG_KIND(CEnergyDlg, kEnergyLayout),
    VELMARO_DIALOG_KIND(CPowerDlg, kPowerLayout),
    VELMARO_DIALOG_KIND(CHeatFluxDlg, kHeatFluxLayout),
    VELMARO_DIALOG_KIND(CHeatTransferCoefDlg, kHeatTransferCoefLayout),
    VELMARO_DIALOG_KIND(CThermalConductivityDlg, kThermalConductivityLayout),
    VELMARO_DIALOG_KIND(CDynamicViscosityDlg, kDynamicViscosityLayout),
    VELMARO_DIALOG_KIND(CKinematicViscosityDlg, kKinematicViscosityLayout),
    VELMARO_DIALOG_KIND(CDiffusionCoefDlg, kDiffusionCoefLayout),
    VELMARO_DIALOG_KIND(CSurfaceTensionDlg, kSurfaceTensionLayout),
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
