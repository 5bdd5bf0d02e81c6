#pragma once

// A category dialog opened the way tests open windows: shown without a modal
// run, under the application-wide dialog colours, counting handler runs.

#include "category_dialog_kinds.h"

#include "framework/app.h"
#include "res/language.h"

#include <QLineEdit>

#include <map>
#include <memory>

namespace velmaro::test {

class CategoryTestApp : public fw::CWinApp {
public:
    bool InitInstance() override { return false; }
};

// A category dialog shown without a modal run, counting handler runs per
// field, in Chinese unless a test asks for another language.
struct CategoryDialogUnderTest {
    explicit CategoryDialogUnderTest(const CategoryDialogKind& kind,
                                     texts::Language language = texts::Language::Chinese)
        : dialog((res::UseLanguage(language), kind.make())) {
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

    CategoryTestApp app;
    std::unique_ptr<CCategoryDialog> dialog;
    std::map<int, int> handlerRuns;
};

} // namespace velmaro::test
