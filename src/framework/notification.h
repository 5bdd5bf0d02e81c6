#pragma once

// Notifications a control sends its window, and the message-map entries that
// route them to handlers.

#include "convert/field_group.h"

#include <algorithm>
#include <span>

namespace velmaro::fw {

enum class Notify {
    EditChange,    // the text of an edit control changed
    ButtonClicked, // a button was clicked (or pressed from the keyboard)
    SelChange,     // the user chose another entry of a combo box
};

// One entry of a window's message map: a notification from one control, or
// from any unit field of a field group, and its handler. A handler either
// takes no argument or takes the id of the control that sent the
// notification (one handler serving a whole field group).
template <class Window> struct MessageMapEntry {
    Notify code = Notify::EditChange;
    int controlId = -1;
    void (Window::*handler)() = nullptr;
    void (Window::*handlerForId)(int controlId) = nullptr;
    const FieldGroup* group = nullptr; // matches every unit field of the group

    bool matches(Notify notification, int id) const {
        if (notification != code) {
            return false;
        }
        return group != nullptr ? group->indexOf(id) < group->size() : id == controlId;
    }
};

// Entries for a field group: one handler taking the id of the edited field.
template <class Window>
constexpr MessageMapEntry<Window> OnGroupChange(const FieldGroup& group,
                                                void (Window::*handler)(int controlId)) {
    return {Notify::EditChange, -1, nullptr, handler, &group};
}

// Calls the handler of the first entry matching (code, id); false if none.
template <class Window>
bool DispatchMessageMap(std::span<const MessageMapEntry<Window>> map, Window* window, Notify code,
                        int controlId) {
    const auto entry = std::ranges::find_if(
        map, [&](const MessageMapEntry<Window>& each) { return each.matches(code, controlId); });
    if (entry == map.end()) {
        return false;
    }
    if (entry->handler != nullptr) {
        (window->*entry->handler)();
    } else if (entry->handlerForId != nullptr) {
        (window->*entry->handlerForId)(controlId);
    }
    return true;
}

} // namespace velmaro::fw
