#include "shell/splash_window.h"

#include "framework/app.h"
#include "framework/image_resources.h"
#include "res/resource_ids.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QThread>
#include <QWindow>

namespace velmaro {
namespace {

// The splash removes itself this long after it was made. The main window's
// set-up pauses as long, so the timer is already due when the main window
// starts taking messages.
constexpr int kSplashTimerMs = 1000;

// How long the first paint waits for the window system to put the picture on
// the screen; no message loop runs yet at that moment.
constexpr int kExposeWaitMs = 500;

} // namespace

bool CSplashWindow::s_enabled = false;
CSplashWindow* CSplashWindow::s_instance = nullptr;
int CSplashWindow::s_bitmapResource = res::IDB_SPLASH;

// No stays-on-top hint: window managers put a new splash window above the
// others by themselves, and one the user brings up in the meantime may go over it.
CSplashWindow::CSplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    // The picture covers every pixel: no background is painted under it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // The picture never takes the keyboard from anything.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);

    m_timer.setSingleShot(true);
    m_timer.setInterval(kSplashTimerMs);
    connect(&m_timer, &QTimer::timeout, this, &CSplashWindow::OnTimer);
}

CSplashWindow::~CSplashWindow() {
    if (s_instance == this) {
        s_instance = nullptr;
    }
}

void CSplashWindow::EnableSplash(bool enable) {
    s_enabled = enable;
}

void CSplashWindow::SetBitmapResource(int number) {
    s_bitmapResource = number;
}

void CSplashWindow::ShowSplash(QWidget* owner) {
    if (!s_enabled || s_instance != nullptr) {
        return;
    }
    s_instance = new CSplashWindow;
    if (!s_instance->Create(owner)) {
        delete s_instance; // clears s_instance
        return;
    }
    s_instance->PaintAtOnce();
}

bool CSplashWindow::Create(QWidget* owner) {
    m_bitmap = fw::LoadBitmapResource(s_bitmapResource);
    if (m_bitmap.isNull()) {
        return false;
    }
    // An owner that has no window on the screen yet (the main window while
    // it is being constructed) cannot own the splash.
    QWidget* ownerWindow = owner != nullptr ? owner->window() : nullptr;
    if (ownerWindow != nullptr && ownerWindow->windowHandle() == nullptr) {
        ownerWindow = nullptr;
    }
    if (ownerWindow != nullptr) {
        setParent(ownerWindow, windowFlags());
    }
    setFixedSize(m_bitmap.deviceIndependentSize().toSize());
    move(0, 0);
    create();
    if (windowHandle() == nullptr) {
        return false;
    }
    OnCreate(ownerWindow);
    show();
    return true;
}

void CSplashWindow::OnCreate(QWidget* owner) {
    CentreWindow(owner);
    m_timer.start();
}

void CSplashWindow::CentreWindow(QWidget* owner) {
    QRect area;
    if (owner != nullptr && owner->isVisible() && !owner->isMinimized()) {
        area = owner->frameGeometry();
    } else {
        const QScreen* screen =
            owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
        if (screen == nullptr) {
            return;
        }
        // The work area: the screen without the panels and task bars.
        area = screen->availableGeometry();
    }
    QRect frame(QPoint(0, 0), size());
    frame.moveCenter(area.center());
    move(frame.topLeft());
}

void CSplashWindow::PaintAtOnce() {
    // No message loop runs yet, so nothing would paint the picture: wait until
    // the window system has put the window on the screen, paint it at once and
    // make sure the drawing has reached the display. Input waits meanwhile.
    const QDeadlineTimer deadline(kExposeWaitMs);
    while (windowHandle() != nullptr && !windowHandle()->isExposed() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (!windowHandle()->isExposed()) {
            QThread::msleep(5);
        }
    }
    repaint();
    QGuiApplication::sync();
}

void CSplashWindow::OnTimer() {
    HideSplash();
}

void CSplashWindow::HideSplash() {
    if (isHidden()) {
        return;
    }
    m_timer.stop();
    const QRect uncovered = frameGeometry();
    hide();
    destroy(); // the screen window goes now; the object follows it
    deleteLater();

    QWidget* mainWindow = fw::AfxGetMainWnd();
    if (mainWindow != nullptr && mainWindow->isVisible()) {
        const QRect local(mainWindow->mapFromGlobal(uncovered.topLeft()), uncovered.size());
        const QRect area = local & mainWindow->rect();
        if (!area.isEmpty()) {
            mainWindow->repaint(area);
        }
    }
}

void CSplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_bitmap);
}

void CSplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
}
void CSplashWindow::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}
void CSplashWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    event->accept();
}
void CSplashWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
}

void CSplashWindow::closeEvent(QCloseEvent* event) {
    HideSplash();
    event->accept();
}

} // namespace velmaro
