#pragma once

// The 17 category dialogs. Each is its own class over one layout (template,
// title, unit fields) with its own text members, data exchange and message
// map; the frame, the colours and the change cycle are CCategoryDialog's.

#include "categories/category_dialog.h"
#include "categories/field_group_cycle.h"
#include "framework/data_exchange.h"
#include "res/category_layouts.h"

#include <QString>

#include <cstddef>
#include <vector>

namespace velmaro {

template <const res::CategoryLayout& Layout> class CCategoryDialogOf : public CCategoryDialog {
public:
    explicit CCategoryDialogOf(QWidget* parent = nullptr)
        : CCategoryDialog(Layout, parent), m_strUnits(Layout.group->size()) {}
    ~CCategoryDialogOf() override = default;

    QString* TextMember(int controlId) override {
        const std::size_t index = Layout.group->indexOf(controlId);
        return index < m_strUnits.size() ? &m_strUnits[index] : nullptr;
    }

protected:
    void DoDataExchange(fw::CDataExchange* dx) override {
        CCategoryDialog::DoDataExchange(dx);
        for (std::size_t i = 0; i < m_strUnits.size(); ++i) {
            fw::DDX_Text(dx, Layout.group->units[i].controlId, m_strUnits[i]);
        }
    }

    void OnNotify(int controlId, fw::Notify code) override {
        // Every unit field's change goes to the change cycle; nothing else
        // (not even the default button) has a handler.
        static const fw::MessageMapEntry<CCategoryDialog> kMessageMap[] = {
            OnGroupChange(*Layout.group, &CCategoryDialog::OnChangeUnitField),
        };
        fw::DispatchMessageMap<CCategoryDialog>(kMessageMap, this, code, controlId);
    }

private:
    // One text per unit field, in the order of the group's units; all empty
    // when the dialog opens.
    std::vector<QString> m_strUnits;
};

// clang-format off
class CLengthDlg : public CCategoryDialogOf<res::kLengthLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CAreaDlg : public CCategoryDialogOf<res::kAreaLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CVolumeDlg : public CCategoryDialogOf<res::kVolumeLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CCapacityDlg : public CCategoryDialogOf<res::kCapacityLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CMassDlg : public CCategoryDialogOf<res::kMassLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CDensityDlg : public CCategoryDialogOf<res::kDensityLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CSpeedDlg : public CCategoryDialogOf<res::kSpeedLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CForceDlg : public CCategoryDialogOf<res::kForceLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CEnergyDlg : public CCategoryDialogOf<res::kEnergyLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CPowerDlg : public CCategoryDialogOf<res::kPowerLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CHeatFluxDlg : public CCategoryDialogOf<res::kHeatFluxLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CHeatTransferCoefDlg : public CCategoryDialogOf<res::kHeatTransferCoefLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CThermalConductivityDlg : public CCategoryDialogOf<res::kThermalConductivityLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CDynamicViscosityDlg : public CCategoryDialogOf<res::kDynamicViscosityLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CKinematicViscosityDlg : public CCategoryDialogOf<res::kKinematicViscosityLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CDiffusionCoefDlg : public CCategoryDialogOf<res::kDiffusionCoefLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
class CSurfaceTensionDlg : public CCategoryDialogOf<res::kSurfaceTensionLayout> { public: using CCategoryDialogOf::CCategoryDialogOf; };
// clang-format on

} // namespace velmaro
