#include "controls/round_image_button.h"

#include <QPainter>

namespace velmaro {
namespace {

// Corner ellipse of the rounded highlight panel: 8 x 8 pixels.
constexpr int kCornerRadius = 4;

} // namespace

CRoundImageButton::CRoundImageButton(QWidget* parent) : CImageButton(parent) {}

CRoundImageButton::~CRoundImageButton() = default;

int CRoundImageButton::SetRoundedHighlight(bool rounded, bool repaint) {
    m_bRounded = rounded;
    if (repaint) {
        update();
    }
    return kButtonDone;
}

int CRoundImageButton::DrawBackground(QPainter& painter, QRect& rect) {
    if (!m_bHover && !m_bPressed) {
        return CImageButton::DrawBackground(painter, rect);
    }
    // The outline runs along the outermost pixels of the button; outside the
    // rounded corners the window behind the button shows.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(m_stateColors[kHoverBackground]);
    painter.setPen(QPen(QColor(0, 0, 0), 1));
    const QRect outline = rect.adjusted(0, 0, -1, -1);
    if (m_bRounded) {
        painter.drawRoundedRect(outline, kCornerRadius, kCornerRadius, Qt::AbsoluteSize);
    } else {
        painter.drawRect(outline);
    }
    painter.restore();
    return 0;
}

int CRoundImageButton::DrawBorder(QPainter&, const QRect&) {
    return 0;
}

} // namespace velmaro
