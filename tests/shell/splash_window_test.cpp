// The start-up picture on its own: when it is shown, its shape and place,
// how it goes, and what happens without its picture.

#include "res/resource_ids.h"
#include "shell/splash_window.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QtTest>

using velmaro::CSplashWindow;

namespace {

int LiveSplashWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (dynamic_cast<CSplashWindow*>(widget) != nullptr) {
            ++count;
        }
    }
    return count;
}

// A resource number the program has no picture for.
constexpr int kMissingPicture = 9999;

} // namespace

class SplashWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        CSplashWindow::SetBitmapResource(velmaro::res::IDB_SPLASH);
        CSplashWindow::EnableSplash(true);
    }

    void cleanup() {
        if (CSplashWindow* splash = CSplashWindow::Instance()) {
            splash->HideSplash();
        }
        QTRY_VERIFY(CSplashWindow::Instance() == nullptr);
        QTRY_COMPARE(LiveSplashWindows(), 0);
        CSplashWindow::EnableSplash(false);
        CSplashWindow::SetBitmapResource(velmaro::res::IDB_SPLASH);
    }

    void nothingIsShownUntilEnabled() {
        CSplashWindow::EnableSplash(false);
        CSplashWindow::ShowSplash(nullptr);
        QVERIFY(CSplashWindow::Instance() == nullptr);
        QCOMPARE(LiveSplashWindows(), 0);
    }

    void aBorderlessPictureInTheMiddleOfTheWorkArea() {
        CSplashWindow::ShowSplash(nullptr);
        CSplashWindow* splash = CSplashWindow::Instance();
        QVERIFY(splash != nullptr);
        QVERIFY(splash->isVisible());
        QVERIFY(splash->isWindow());
        QCOMPARE(splash->parentWidget(), nullptr);
        QCOMPARE(splash->windowType(), Qt::SplashScreen); // no task-bar button
        QVERIFY(splash->windowFlags().testFlag(Qt::FramelessWindowHint));
        // An ordinary stacking: a window the user brings up goes over it.
        QVERIFY(!splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(splash->windowTitle().isEmpty());
        QCOMPARE(splash->size(), QSize(648, 434));
        const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(splash->geometry().center(), workArea.center());
    }

    void thePictureFillsTheWindowUnchanged() {
        CSplashWindow::ShowSplash(nullptr);
        CSplashWindow* splash = CSplashWindow::Instance();
        QVERIFY(splash != nullptr);
        const QImage shown = splash->grab().toImage();
        const QImage picture =
            QImage(QStringLiteral(":/images/bitmap189.png")).convertToFormat(shown.format());
        QCOMPARE(shown.size(), picture.size());
        QVERIFY(shown == picture);
    }

    void oneAtATimeWhateverTheNumberOfRequests() {
        QWidget ownerWithoutWindow;
        QWidget ownerOnScreen;
        ownerOnScreen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&ownerOnScreen));

        CSplashWindow::ShowSplash(&ownerWithoutWindow);
        CSplashWindow* first = CSplashWindow::Instance();
        QVERIFY(first != nullptr);
        for (QWidget* owner :
             {static_cast<QWidget*>(nullptr), &ownerWithoutWindow, &ownerOnScreen}) {
            CSplashWindow::ShowSplash(owner);
            QCOMPARE(CSplashWindow::Instance(), first);
        }
        QCOMPARE(LiveSplashWindows(), 1);
        // The would-be owner had no window of its own: the splash has no owner.
        QCOMPARE(first->parentWidget(), nullptr);
    }

    void anOwnerOnTheScreenOwnsTheSplashAndCentresIt() {
        QWidget owner;
        owner.setGeometry(40, 60, 900, 700);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));

        CSplashWindow::ShowSplash(&owner);
        CSplashWindow* splash = CSplashWindow::Instance();
        QVERIFY(splash != nullptr);
        QCOMPARE(splash->parentWidget(), &owner);
        QVERIFY(splash->isWindow());
        QCOMPARE(splash->geometry().center(), owner.frameGeometry().center());
    }

    void itGoesWithoutInputOnceAnEventLoopRuns() {
        CSplashWindow::ShowSplash(nullptr);
        QPointer<CSplashWindow> splash = CSplashWindow::Instance();
        QVERIFY(!splash.isNull());
        QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 10000); // deleted, not merely hidden
        QVERIFY(CSplashWindow::Instance() == nullptr);
        QCOMPARE(LiveSplashWindows(), 0);

        // Still enabled, a later request shows it again.
        CSplashWindow::ShowSplash(nullptr);
        QVERIFY(CSplashWindow::Instance() != nullptr);
    }

    void clicksAndKeysOnThePictureDoNothing() {
        CSplashWindow::ShowSplash(nullptr);
        CSplashWindow* splash = CSplashWindow::Instance();
        QVERIFY(splash != nullptr);
        QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(300, 200));
        QTest::mouseClick(splash, Qt::RightButton, {}, QPoint(10, 10));
        QTest::mouseDClick(splash, Qt::LeftButton, {}, QPoint(300, 200));
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_A}) {
            QTest::keyClick(splash, key);
        }
        QCOMPARE(CSplashWindow::Instance(), splash);
        QVERIFY(splash->isVisible());
    }

    void aMissingPictureMeansNoSplashAndTheNextRequestTriesAgain() {
        CSplashWindow::SetBitmapResource(kMissingPicture);
        CSplashWindow::ShowSplash(nullptr);
        QVERIFY(CSplashWindow::Instance() == nullptr);
        QCOMPARE(LiveSplashWindows(), 0);

        CSplashWindow::SetBitmapResource(velmaro::res::IDB_SPLASH);
        CSplashWindow::ShowSplash(nullptr);
        QVERIFY(CSplashWindow::Instance() != nullptr);
        QVERIFY(CSplashWindow::Instance()->isVisible());
    }
};

QTEST_MAIN(SplashWindowTest)
#include "splash_window_test.moc"
