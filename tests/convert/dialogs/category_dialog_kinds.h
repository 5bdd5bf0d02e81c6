#pragma once

// The 17 category dialog classes with their layouts, for table-driven window
// tests, and a way to open one the way tests open windows (without a modal
// run).

#include "convert/dialogs/category_dialogs.h"
#include "framework/app.h"

#include <QLineEdit>
#include <QString>

#include <map>
#include <memory>

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

class TestApp : public fw::CWinApp {
public:
    bool InitInstance() override { return false; }
};

// A category dialog shown without a modal run, counting handler runs per field.
struct CategoryDialogUnderTest {
    explicit CategoryDialogUnderTest(const CategoryDialogKind& kind) : dialog(kind.make()) {
        app.SetDialogBkColor(QColor(236, 233, 216), QColor(80, 0, 0));
        dialog->SetNotificationObserver([this](int id, fw::Notify) { ++handlerRuns[id]; });
        dialog->Create();
    }

    QLineEdit* field(int id) const { return dialog->DlgItem<QLineEdit>(id); }
    QString text(int id) const { return field(id)->text(); }
    // The field at tab position `position` (1 = first).
    QLineEdit* fieldAtTab(int position) const {
        for (const res::FieldPlace& place : dialog->layout().fields) {
            if (place.tabPosition == position) {
                return field(place.controlId);
            }
        }
        return nullptr;
    }

    TestApp app;
    std::unique_ptr<CCategoryDialog> dialog;
    std::map<int, int> handlerRuns;
};

} // namespace velmaro::test
