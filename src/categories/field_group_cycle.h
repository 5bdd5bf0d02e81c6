#pragma once

// A field group inside its window: the text members of its unit fields, its
// message-map entry and its change cycle, where one edit of one unit field
// recomputes every other field of the group, once. This is where the windows
// meet the conversion core; the main window's panels and the category dialogs
// both use it.

#include "framework/notification.h"
#include "res/unit_controls.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace velmaro {

namespace fw {
class CDialog;
class CDataExchange;
} // namespace fw

// The text members of a group's unit fields, one per unit in the group's
// order; all empty when the window opens.
class GroupTexts {
public:
    explicit GroupTexts(const res::UnitControls& fields)
        : m_fields(&fields), m_texts(fields.controlIds.size()) {}

    // The member of unit field `controlId`, or nullptr when it is not the group's.
    QString* Find(int controlId);
    // Exchanges every member with its field (one DDX_Text per unit field).
    void Exchange(fw::CDataExchange* dx);

private:
    const res::UnitControls* m_fields;
    std::vector<QString> m_texts;
};

// Runs the cycle for a change of `sourceControlId`: reads every bound control
// of the window into its member, converts the text of the source field as the
// control holds it, stores each other field's text in its member and writes
// every member back. The source field keeps exactly what the user typed, and
// the notifications the write-back raises start no handler.
void RunChangeCycle(fw::CDialog& window, const res::UnitControls& fields, int sourceControlId);

// Whether `controlId` is a unit field of `fields` (res::UnitControls).
inline bool GroupHasField(const void* fields, int controlId) {
    const auto& ids = static_cast<const res::UnitControls*>(fields)->controlIds;
    return std::find(ids.begin(), ids.end(), controlId) != ids.end();
}

// The message-map entry of a field group: every unit field's change goes to
// one handler, which takes the id of the edited field.
template <class Window>
constexpr fw::MessageMapEntry<Window> OnGroupChange(const res::UnitControls& fields,
                                                    void (Window::*handler)(int controlId)) {
    return {fw::Notify::EditChange, -1, nullptr, handler, fw::ControlSet{&fields, &GroupHasField}};
}

} // namespace velmaro
