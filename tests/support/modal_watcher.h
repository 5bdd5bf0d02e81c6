#pragma once

// Closes every modal window that comes up while a window test runs, the way a
// user would: the real modal run is exercised, and a box nobody expected can
// never hang the test. What was closed is recorded for the test to check.

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace velmaro::test {

class ModalWatcher : public QObject {
public:
    struct Closed {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool ownedByExpected = false;
        QWidget* owner = nullptr;
    };

    // `expectedOwner`: the window every modal should be owned by.
    // `intervalMs`: how soon a modal is closed after its run starts.
    explicit ModalWatcher(QWidget* expectedOwner = nullptr, int intervalMs = 5)
        : m_owner(expectedOwner) {
        m_timer.setInterval(intervalMs);
        connect(&m_timer, &QTimer::timeout, this, [this] { closeActiveModal(); });
        m_timer.start();
    }

    const QList<Closed>& closed() const { return m_closed; }
    int count() const { return static_cast<int>(m_closed.size()); }
    void clear() { m_closed.clear(); }

private:
    void closeActiveModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) {
            return;
        }
        Closed record;
        record.title = modal->windowTitle();
        record.owner = modal->parentWidget();
        record.ownedByExpected = m_owner != nullptr && record.owner == m_owner;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            record.text = box->text();
            record.icon = box->icon();
            m_closed.push_back(record);
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                ok->click();
                return;
            }
        } else {
            m_closed.push_back(record);
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }

    QWidget* m_owner;
    QTimer m_timer;
    QList<Closed> m_closed;
};

} // namespace velmaro::test
