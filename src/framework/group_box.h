#pragma once

// A group box drawn the way the templates expect it: an etched frame whose top
// line runs through the middle of the caption, the caption on the dialog's
// background at the left or centred on the top edge. It takes no input.

#include <QWidget>

namespace velmaro::fw {

class CGroupBox : public QWidget {
public:
    CGroupBox(QString title, bool centred, QWidget* parent);

    QString title() const { return m_title; }
    void setTitle(const QString& title);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    bool m_centred;
};

} // namespace velmaro::fw
