#pragma once

// The change cycle of a field group inside its window: one edit of one unit
// field recomputes every other field of the group, once. This is where the
// windows meet the conversion core; the main window's panels and the category
// dialogs both run it.

#include "convert/field_group.h"
#include "framework/notification.h"

namespace velmaro {

namespace fw {
class CDialog;
}

// Runs the cycle for a change of `sourceControlId`: reads every bound control
// of the window into its member, converts the text of the source field as the
// control holds it, stores each other field's text in its member and writes
// every member back. The source field keeps exactly what the user typed, and
// the notifications the write-back raises start no handler.
void RunChangeCycle(fw::CDialog& window, const FieldGroup& group, int sourceControlId);

// Whether `controlId` is a unit field of `group` (a FieldGroup).
inline bool GroupHasField(const void* group, int controlId) {
    const auto& fields = *static_cast<const FieldGroup*>(group);
    return fields.indexOf(controlId) < fields.size();
}

// The message-map entry of a field group: every unit field's change goes to
// one handler, which takes the id of the edited field.
template <class Window>
constexpr fw::MessageMapEntry<Window> OnGroupChange(const FieldGroup& group,
                                                    void (Window::*handler)(int controlId)) {
    return {fw::Notify::EditChange, -1, nullptr, handler, fw::ControlSet{&group, &GroupHasField}};
}

} // namespace velmaro
