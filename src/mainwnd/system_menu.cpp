#include "mainwnd/system_menu.h"

#include "framework/utf8_text.h"
#include "res/texts/texts.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace velmaro {
namespace {

// The standard entries, as the window system names them.
struct StandardEntry {
    unsigned commandId;
    std::string_view textId; // "&" marks the mnemonic, "\t" starts the key column
};

constexpr StandardEntry kStandardEntries[] = {
    {SC_RESTORE, "menu.restore"},
    {SC_MOVE, "menu.move"},
    {SC_MINIMIZE, "menu.minimize"},
    {SC_CLOSE, "menu.close"},
};

} // namespace

CSystemMenu::CSystemMenu(QWidget& window, CommandHandler handler)
    : QObject(&window), m_window(window), m_handler(std::move(handler)),
      m_menu(new QMenu(&window)) {
    for (const StandardEntry& entry : kStandardEntries) {
        AppendCommand(entry.commandId, fw::Utf8(texts::Lookup(entry.textId)));
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

    m_standardEntries = static_cast<int>(m_menu->actions().size());
    ConnectToWindow();
}

CSystemMenu::~CSystemMenu() = default;

void CSystemMenu::AppendSeparator() {
    m_menu->addSeparator();
    EntryAppended();
}

void CSystemMenu::AppendCommand(unsigned commandId, const QString& text) {
    QAction* action = m_menu->addAction(text);
    action->setData(commandId);
    if (m_standardEntries > 0) {
        EntryAppended();
    }
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
