#pragma once

// The 17 category dialogs. Each is its own class over one row of the category
// table (template, title, unit fields) with its own text members, data
// exchange and message map; the frame, the colours and the change cycle are
// CCategoryDialog's.

#include "categories/category_dialog.h"
#include "categories/field_group_cycle.h"
#include "res/category_table.h"

#include <array>
#include <cstddef>

namespace velmaro {

// The dialog of the category table's row for template `TemplateId`.
template <int TemplateId> class CCategoryDialogOf : public CCategoryDialog {
    // Checked by position: a sanitized build cannot compare the row's address
    // with nullptr while compiling.
    static constexpr std::size_t kRow = res::CategoryRowByTemplate(TemplateId);
    static_assert(kRow < res::kCategoryCount, "no row of the category table has this template");
    static constexpr const res::CategoryLayout& kLayout = res::kCategories[kRow].dialog;
    // The unit fields' controls, in the order of the group's units.
    static constexpr auto kControlIds = [] {
        std::array<int, kLayout.fields.size()> ids{};
        for (std::size_t i = 0; i < ids.size(); ++i) {
            ids[i] = kLayout.fields[i].controlId;
        }
        return ids;
    }();
    static constexpr res::UnitControls kFields{kLayout.group, kControlIds};

public:
    explicit CCategoryDialogOf(QWidget* parent = nullptr)
        : CCategoryDialog(kLayout, kFields, parent), m_strUnits(kFields) {}
    ~CCategoryDialogOf() override = default;

    QString* TextMember(int controlId) override { return m_strUnits.Find(controlId); }

protected:
    void DoDataExchange(fw::CDataExchange* dx) override {
        CCategoryDialog::DoDataExchange(dx);
        m_strUnits.Exchange(dx);
    }

    void OnNotify(int controlId, fw::Notify code) override {
        // Every unit field's change goes to the change cycle; nothing else
        // (not even the default button) has a handler.
        static const fw::MessageMapEntry<CCategoryDialog> kMessageMap[] = {
            OnGroupChange(kFields, &CCategoryDialog::OnChangeUnitField),
        };
        fw::DispatchMessageMap<CCategoryDialog>(kMessageMap, this, code, controlId);
    }

private:
    GroupTexts m_strUnits; // one text per unit field
};

// The class of each row of the category table, by its template id.
using CLengthDlg = CCategoryDialogOf<129>;
using CAreaDlg = CCategoryDialogOf<130>;
using CVolumeDlg = CCategoryDialogOf<131>;
using CCapacityDlg = CCategoryDialogOf<132>;
using CMassDlg = CCategoryDialogOf<133>;
using CDensityDlg = CCategoryDialogOf<136>;
using CSpeedDlg = CCategoryDialogOf<138>;
using CForceDlg = CCategoryDialogOf<139>;
using CEnergyDlg = CCategoryDialogOf<140>;
using CPowerDlg = CCategoryDialogOf<141>;
using CHeatFluxDlg = CCategoryDialogOf<146>;
using CHeatTransferCoefDlg = CCategoryDialogOf<147>;
using CThermalConductivityDlg = CCategoryDialogOf<148>;
using CDynamicViscosityDlg = CCategoryDialogOf<144>;
using CKinematicViscosityDlg = CCategoryDialogOf<145>;
using CDiffusionCoefDlg = CCategoryDialogOf<149>;
using CSurfaceTensionDlg = CCategoryDialogOf<150>;

// Runs the dialog of `category` modally, made fresh without a parent: its
// modal run puts it over the application's main window. It is destroyed when
// it closes, so it always opens empty and no value passes in or out.
void RunCategoryDialog(const res::Category& category);

} // namespace velmaro
