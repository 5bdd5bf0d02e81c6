#include "framework/group_box.h"

#include <QPainter>

#include <utility>

namespace velmaro::fw {

CGroupBox::CGroupBox(QString title, bool centred, QWidget* parent)
    : QWidget(parent), m_title(std::move(title)), m_centred(centred) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void CGroupBox::setTitle(const QString& title) {
    m_title = title;
    update();
}

void CGroupBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int captionHeight = m_title.isEmpty() ? 0 : metrics.height();
    const int top = captionHeight / 2;
    // Etched frame: a shadow line with a light line one pixel inside it.
    const QRect frame = rect().adjusted(0, top, -1, -1);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.adjusted(1, 1, 0, 0));
    if (m_title.isEmpty()) {
        return;
    }
    const int margin = metrics.averageCharWidth();
    const int textWidth = metrics.horizontalAdvance(m_title);
    const int x = m_centred ? (width() - textWidth) / 2 : margin;
    const QRect caption(x, 0, textWidth, captionHeight);
    painter.fillRect(caption.adjusted(-2, 0, 2, 0), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, m_title);
}

} // namespace velmaro::fw
