#pragma once

// Notifications a control sends its window, and the message-map entries that
// route them to handlers.

#include <algorithm>
#include <span>

namespace velmaro::fw {

enum class Notify {
    EditChange,    // the text of an edit control changed
    ButtonClicked, // a button was clicked (or pressed from the keyboard)
    SelChange,     // the user chose another entry of a combo box
};

// A set of controls that one entry serves together (all unit fields of one
// field group, say). The framework only asks whether an id belongs to it;
// what the set is stays with the window that made the entry.
struct ControlSet {
    const void* members = nullptr;
    bool (*contains)(const void* members, int controlId) = nullptr;
};

// One entry of a window's message map: a notification from one control, or
// from any control of a set, and its handler. A handler either takes no
// argument or takes the id of the control that sent the notification (one
// handler serving a whole set).
template <class Window> struct MessageMapEntry {
    Notify code = Notify::EditChange;
    int controlId = -1;
    void (Window::*handler)() = nullptr;
    void (Window::*handlerForId)(int controlId) = nullptr;
    ControlSet set{}; // when given, matches every control of the set instead

    bool matches(Notify notification, int id) const {
        if (notification != code) {
            return false;
        }
        return set.contains != nullptr ? set.contains(set.members, id) : id == controlId;
    }
};

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
