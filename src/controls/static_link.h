#pragma once

// A static text used as a web link: drawn underlined in blue (purple once it
// has been opened), with the hand cursor over it; a left-button press opens
// its address.

#include "controls/link_address.h"
#include "framework/subclassed_control.h"

#include <QColor>
#include <QFont>
#include <QLabel>

#include <optional>

namespace velmaro {

class CStaticLink : public QLabel, public fw::CSubclassedControl {
    Q_OBJECT

public:
    // `target`: the address to open; when empty, the press looks for a
    // string resource with the control's id, then uses the control's text.
    explicit CStaticLink(const QString& target = {}, QWidget* parent = nullptr);
    ~CStaticLink() override;

    // Text colour of a link not yet opened, and after a successful open.
    static inline const QColor s_unvisitedColor{0, 0, 255};
    static inline const QColor s_visitedColor{128, 0, 128};

    CLinkAddress m_target;

    QColor TextColor() const { return m_textColor; }
    // False for a link that replaces a picture or frame: it keeps the
    // window's colours and is drawn as the static it replaced.
    bool IsTextLink() const { return m_bTextStatic; }

    void PreSubclassWindow(const fw::ControlTemplate& control, const QWidget& original) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void OpenLink();
    int ControlId() const;

    QColor m_textColor = s_unvisitedColor;
    // Underlined copy of the control's font, made at the first paint; a later
    // change of the control's font is not followed.
    std::optional<QFont> m_underlineFont;
    bool m_bTextStatic = true;
};

} // namespace velmaro
