#include "mainwnd/system_menu.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QShortcut>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace velmaro {
namespace {

// The standard entries, as the window system names them.
struct StandardEntry {
    unsigned commandId;
    const char* text; // UTF-8; "&" marks the mnemonic, "\t" starts the key column
};

constexpr StandardEntry kStandardEntries[] = {
    {SC_RESTORE, "还原(&R)"},
    {SC_MOVE, "移动(&M)"},
    {SC_MINIMIZE, "最小化(&N)"},
    {SC_CLOSE, "关闭(&C)\tAlt+F4"},
};

} // namespace

CSystemMenu::CSystemMenu(QWidget& window, CommandHandler handler)
    : QObject(&window), m_window(window), m_handler(std::move(handler)),
      m_menu(new QMenu(&window)) {
    for (const StandardEntry& entry : kStandardEntries) {
        AppendCommand(entry.commandId, QString::fromUtf8(entry.text));
    }
    if (QAction* close = FindCommand(SC_CLOSE)) {
        QFont bold = close->font();
        bold.setBold(true); // the command a double click on the menu button runs
        close->setFont(bold);
    }
    connect(m_menu, &QMenu::aboutToShow, this, [this] { UpdateEntries(); });
    connect(m_menu, &QMenu::triggered, this, [this](QAction* action) {
        if (m_handler) {
            m_handler(action->data().toUInt());
        }
    });

    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), &window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this,
            [this] { Popup(m_window.mapToGlobal(QPoint(0, 0))); });
    window.installEventFilter(this);
}

CSystemMenu::~CSystemMenu() = default;

void CSystemMenu::AppendSeparator() {
    m_menu->addSeparator();
}

void CSystemMenu::AppendCommand(unsigned commandId, const QString& text) {
    QAction* action = m_menu->addAction(text);
    action->setData(commandId);
}

QAction* CSystemMenu::FindCommand(unsigned commandId) const {
    for (QAction* action : m_menu->actions()) {
        if (!action->isSeparator() && action->data().toUInt() == commandId) {
            return action;
        }
    }
    return nullptr;
}

void CSystemMenu::Popup(const QPoint& globalPosition) {
    UpdateEntries();
    m_menu->popup(globalPosition);
}

void CSystemMenu::UpdateEntries() {
    // As the window stands: restore only from the minimised or maximised
    // state, minimise only where the frame has the box for it.
    const bool normal = !m_window.isMinimized() && !m_window.isMaximized();
    if (QAction* restore = FindCommand(SC_RESTORE)) {
        restore->setEnabled(!normal);
    }
    if (QAction* move = FindCommand(SC_MOVE)) {
        move->setEnabled(normal);
    }
    if (QAction* minimise = FindCommand(SC_MINIMIZE)) {
        minimise->setEnabled(!m_window.isMinimized() &&
                             m_window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    }
}

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

void CSystemMenu::DefaultCommand(QWidget& window, unsigned commandId) {
    switch (commandId & kSysCommandMask) {
    case SC_RESTORE:
        window.showNormal();
        break;
    case SC_MOVE:
        // Not every window system lets a program start a move; then nothing
        // happens, as with a move the user cancels.
        if (QWindow* handle = window.windowHandle()) {
            handle->startSystemMove();
        }
        break;
    case SC_MINIMIZE:
        window.showMinimized();
        break;
    case SC_CLOSE:
        if (auto* dialog = qobject_cast<QDialog*>(&window)) {
            dialog->reject();
        } else {
            window.close();
        }
        break;
    default:
        break;
    }
}

} // namespace velmaro
