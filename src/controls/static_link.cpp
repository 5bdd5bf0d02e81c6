#include "controls/static_link.h"

#include "controls/shell_services.h"
#include "framework/dialog_template.h"
#include "res/string_table.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmaro {

CStaticLink::CStaticLink(const QString& target, QWidget* parent)
    : QLabel(parent), m_target(target) {
    // The hand shows over the whole control, whatever it draws.
    setCursor(Qt::PointingHandCursor);
}

CStaticLink::~CStaticLink() = default;

void CStaticLink::PreSubclassWindow(const fw::ControlTemplate& control, const QWidget& original) {
    m_bTextStatic =
        control.kind == fw::ControlKind::Label || control.kind == fw::ControlKind::LinkStatic;
    if (m_bTextStatic) {
        return;
    }
    // A picture or frame keeps looking as it did, in the window's colours.
    if (const auto* picture = qobject_cast<const QLabel*>(&original)) {
        if (!picture->pixmap().isNull()) {
            setPixmap(picture->pixmap());
        }
    }
    if (const auto* frame = qobject_cast<const QFrame*>(&original)) {
        setFrameStyle(frame->frameStyle());
        setLineWidth(frame->lineWidth());
        setPalette(frame->palette());
    }
}

void CStaticLink::paintEvent(QPaintEvent* event) {
    if (!m_bTextStatic) {
        QLabel::paintEvent(event);
        return;
    }
    if (!m_underlineFont) {
        QFont underlined = font();
        underlined.setUnderline(true);
        m_underlineFont = underlined;
    }
    // No background of its own: the window shows behind the text.
    QPainter painter(this);
    painter.setFont(*m_underlineFont);
    painter.setPen(m_textColor);
    const int wrap = wordWrap() ? Qt::TextWordWrap : 0;
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | wrap, text());
}

void CStaticLink::mousePressEvent(QMouseEvent* event) {
    // The whole control takes the mouse: presses never reach the window.
    event->accept();
    if (event->button() == Qt::LeftButton) {
        OpenLink();
    }
}

void CStaticLink::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void CStaticLink::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second click of a double-click opens nothing more.
    event->accept();
}

int CStaticLink::ControlId() const {
    bool ok = false;
    const int id = objectName().toInt(&ok);
    return ok ? id : fw::kNoId;
}

void CStaticLink::OpenLink() {
    if (m_target.isEmpty()) {
        const std::string_view resource = res::LoadStringResource(ControlId());
        m_target = resource.empty() ? text()
                                    : QString::fromUtf8(resource.data(),
                                                        static_cast<qsizetype>(resource.size()));
        if (m_target.isEmpty()) {
            return;
        }
    }
    if (!m_target.Open()) {
        MessageBeep(); // nothing could open it: colour and address stay
        return;
    }
    // Visited for the rest of the link's life, even if a later open fails.
    m_textColor = s_visitedColor;
    update();
}

} // namespace velmaro
