#include "mainwnd/system_menu.h"

// Where the window manager keeps the window's own menu to itself: the window
// opens this one for Alt+Space and for a right click on its background.

#include <QContextMenuEvent>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace velmaro {

void CSystemMenu::ConnectToWindow() {
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), &m_window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this,
            [this] { Popup(m_window.mapToGlobal(QPoint(0, 0))); });
    m_window.installEventFilter(this);
}

void CSystemMenu::EntryAppended() {}

bool CSystemMenu::IsBackgroundAt(const QPoint& position) const {
    // Static texts, group boxes and pictures are part of the background;
    // controls that take the focus or show a pointer of their own (a link)
    // keep right clicks to themselves.
    const QWidget* child = m_window.childAt(position);
    return child == nullptr ||
           (child->focusPolicy() == Qt::NoFocus && !child->testAttribute(Qt::WA_SetCursor));
}

bool CSystemMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_window && event->type() == QEvent::ContextMenu) {
        const auto* menuEvent = dynamic_cast<const QContextMenuEvent*>(event);
        if (menuEvent != nullptr && menuEvent->reason() == QContextMenuEvent::Mouse &&
            IsBackgroundAt(menuEvent->pos())) {
            Popup(menuEvent->globalPos());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmaro
