#pragma once

// The category buttons' look: while hovered or pressed the face becomes a
// panel in the hover background colour with a thin black outline, its
// corners rounded when asked; there is no border of its own.

#include "controls/image_button.h"

namespace velmaro {

class CRoundImageButton : public CImageButton {
    Q_OBJECT

public:
    explicit CRoundImageButton(QWidget* parent = nullptr);
    ~CRoundImageButton() override;

    // Rounded (8 x 8 corner ellipse) or square corners of the highlight panel.
    int SetRoundedHighlight(bool rounded, bool repaint = true);
    bool IsRoundedHighlight() const { return m_bRounded; }

protected:
    int DrawBackground(QPainter& painter, QRect& rect) override;
    int DrawBorder(QPainter& painter, const QRect& rect) override;

private:
    bool m_bRounded = false;
};

} // namespace velmaro
