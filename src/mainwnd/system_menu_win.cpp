#include "mainwnd/system_menu.h"

// On Windows the window's own system menu is the menu: the commands the
// window appends are added to it once the window has its native handle, and
// their WM_SYSCOMMAND messages go to the window's handler. Alt+Space, a click
// on the window icon and a right click on the caption open it, as for every
// other Windows program; the window offers no menu of its own.

#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QWidget>

#include <string>

#include <windows.h>

namespace velmaro {

class CSystemMenu::NativeMenu : public QObject, public QAbstractNativeEventFilter {
public:
    explicit NativeMenu(CSystemMenu& menu) : QObject(&menu), m_menu(menu) {
        QCoreApplication::instance()->installNativeEventFilter(this);
        m_menu.m_window.installEventFilter(this);
    }

    ~NativeMenu() override {
        if (QCoreApplication* application = QCoreApplication::instance()) {
            application->removeNativeEventFilter(this);
        }
    }

    NativeMenu(const NativeMenu&) = delete;
    NativeMenu& operator=(const NativeMenu&) = delete;

    // Adds the appended entries the window system's menu does not have yet.
    void Mirror() {
        const auto window = reinterpret_cast<HWND>(m_menu.m_window.internalWinId());
        if (window == nullptr) {
            return; // added when the native window is made
        }
        if (window != m_mirroredWindow) {
            m_mirroredWindow = window;
            m_mirrored = 0;
        }
        HMENU systemMenu = GetSystemMenu(window, FALSE);
        if (systemMenu == nullptr) {
            return;
        }
        const QList<QAction*> actions = m_menu.m_menu->actions();
        for (qsizetype i = m_menu.m_standardEntries + m_mirrored; i < actions.size(); ++i) {
            const QAction* action = actions[i];
            if (action->isSeparator()) {
                AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr);
            } else {
                const std::wstring text = action->text().toStdWString();
                AppendMenuW(systemMenu, MF_STRING, action->data().toUInt(), text.c_str());
            }
            ++m_mirrored;
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &m_menu.m_window && event->type() == QEvent::WinIdChange) {
            Mirror();
        }
        return QObject::eventFilter(watched, event);
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override {
        if (eventType != "windows_generic_MSG") {
            return false;
        }
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_SYSCOMMAND ||
            msg->hwnd != reinterpret_cast<HWND>(m_menu.m_window.internalWinId())) {
            return false;
        }
        // The window system keeps the low four bits for itself. Its own
        // commands (move, size, close...) keep its handling.
        const auto command = static_cast<unsigned>(msg->wParam);
        if (m_menu.m_standardEntries == 0 || !IsAppendedCommand(command & kSysCommandMask)) {
            return false;
        }
        if (m_menu.m_handler) {
            m_menu.m_handler(command);
        }
        // A command chosen from the menu is posted and comes through the
        // event queue, whose filter call passes no result to fill in.
        if (result != nullptr) {
            *result = 0;
        }
        return true;
    }

private:
    bool IsAppendedCommand(unsigned commandId) const {
        const QList<QAction*> actions = m_menu.m_menu->actions();
        for (qsizetype i = m_menu.m_standardEntries; i < actions.size(); ++i) {
            if (!actions[i]->isSeparator() && actions[i]->data().toUInt() == commandId) {
                return true;
            }
        }
        return false;
    }

    CSystemMenu& m_menu;
    HWND m_mirroredWindow = nullptr;
    qsizetype m_mirrored = 0;
};

void CSystemMenu::ConnectToWindow() {
    m_native = new NativeMenu(*this);
}

void CSystemMenu::EntryAppended() {
    m_native->Mirror();
}

bool CSystemMenu::eventFilter(QObject* watched, QEvent* event) {
    return QObject::eventFilter(watched, event);
}

} // namespace velmaro
