#pragma once

// The start-up picture: a borderless window, exactly the size of bitmap 189,
// that stands alone in the middle of the screen while the main window is
// being prepared and removes itself once the main window is up and idle.
// The object owns itself: it is deleted after its window is gone.

#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace velmaro {

class CSplashWindow : public QWidget {
public:
    ~CSplashWindow() override;

    // Whether a splash may be shown in this run; false until called.
    static void EnableSplash(bool enable);
    // Shows the splash if it is enabled and none exists. An owner that has
    // no window on the screen yet is no owner: the splash is centred on the
    // screen instead.
    static void ShowSplash(QWidget* owner);

    // The one live splash, or nullptr.
    static CSplashWindow* Instance() { return s_instance; }

    // The bitmap resource the picture is loaded from (189). Tests point it at
    // a missing one.
    static void SetBitmapResource(int number);

    // Loads the picture and creates the window; false when either fails.
    bool Create(QWidget* owner);
    // Removes the splash and has the main window repaint what it uncovered.
    void HideSplash();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Clicks and keys on the picture do nothing.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // A close request from the window system removes the splash as its timer would.
    void closeEvent(QCloseEvent* event) override;

private:
    CSplashWindow();

    void OnCreate(QWidget* owner);
    void OnTimer();
    void CentreWindow(QWidget* owner);
    void PaintAtOnce();

    static bool s_enabled;
    static CSplashWindow* s_instance;
    static int s_bitmapResource;

    QPixmap m_bitmap;
    QTimer m_timer;
};

} // namespace velmaro
