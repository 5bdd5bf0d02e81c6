#pragma once

// The window menu of a dialog: restore, move, minimise and close, plus the
// commands the window appends. A chosen command goes to the window's
// system-command handler.
//
// On Windows the window's own system menu is the one the user sees: the
// appended commands are added to it, and they arrive from it (the rest keep
// the window system's handling). Elsewhere the window manager keeps its menu
// to itself, so the window offers this one: Alt+Space opens it under the
// window's top-left corner, and a right click on the window's background (not
// on a control that takes input) opens it under the pointer.

#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace velmaro {

// System command ids. The window system keeps the low four bits of a command
// for itself, so a handler compares commands with those bits cleared.
inline constexpr unsigned SC_MOVE = 0xF010;
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;
inline constexpr unsigned kSysCommandMask = 0xFFF0;

class CSystemMenu : public QObject {
public:
    using CommandHandler = std::function<void(unsigned commandId)>;

    // Builds the standard entries and starts listening to `window`, which
    // owns the menu from then on.
    CSystemMenu(QWidget& window, CommandHandler handler);
    ~CSystemMenu() override;

    void AppendSeparator();
    // `text` marks its mnemonic with "&".
    void AppendCommand(unsigned commandId, const QString& text);

    // The entry of a command, or nullptr.
    QAction* FindCommand(unsigned commandId) const;
    QMenu& Menu() const { return *m_menu; }

    // Opens the menu at a point of the screen without waiting for a choice.
    void Popup(const QPoint& globalPosition);

    // What the window system does with a command the window does not handle:
    // restore, move (where the window system lets the program start a move),
    // minimise, close (the dialog's cancel).
    static void DefaultCommand(QWidget& window, unsigned commandId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class NativeMenu;

    void UpdateEntries();
    bool IsBackgroundAt(const QPoint& position) const;

    // The platform's side (system_menu_popup.cpp, system_menu_win.cpp): how
    // the menu opens and its commands arrive, and what an appended entry
    // adds to the window system's menu.
    void ConnectToWindow();
    void EntryAppended();

    QWidget& m_window;
    CommandHandler m_handler;
    QMenu* m_menu;
    int m_standardEntries = 0;
    NativeMenu* m_native = nullptr; // Windows: owned as a child of this object
};

} // namespace velmaro
