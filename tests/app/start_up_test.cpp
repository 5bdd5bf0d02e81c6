// The program's start-up: which command lines show the splash, and the
// order of the splash and the main window when the application runs.

#include "app/command_line.h"
#include "app/converter_app.h"
#include "framework/app.h"
#include "mainwnd/converter_dlg.h"
#include "res/resource_ids.h"
#include "shell/splash_window.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QtTest>

using velmaro::CConverterApp;
using velmaro::CConverterDlg;
using velmaro::CSplashWindow;

namespace {

// Watches windows appear while the application starts.
class StartWatcher : public QObject {
public:
    StartWatcher() { qApp->installEventFilter(this); }
    ~StartWatcher() override { qApp->removeEventFilter(this); }

    QStringList shown;                 // "splash" and "main", in the order they appeared
    bool splashOnScreenAtMain = false; // the splash stood when the main window appeared
    QRect splashGeometry;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Show || !watched->isWidgetType()) {
            return false;
        }
        if (auto* splash = dynamic_cast<CSplashWindow*>(watched)) {
            shown << QStringLiteral("splash");
            splashGeometry = splash->geometry();
        } else if (dynamic_cast<CConverterDlg*>(watched) != nullptr) {
            shown << QStringLiteral("main");
            const CSplashWindow* splash = CSplashWindow::Instance();
            splashOnScreenAtMain = splash != nullptr && splash->isVisible();
        }
        return false;
    }
};

// Closes the main window once it is up and the splash has gone, or after a
// generous while so that no run can hang.
class MainWindowCloser : public QObject {
public:
    MainWindowCloser() {
        m_timer.setInterval(20);
        connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
        m_timer.start();
    }

    bool sawMainWithoutSplash = false;

private:
    void Tick() {
        auto* main = dynamic_cast<CConverterDlg*>(velmaro::fw::AfxGetMainWnd());
        if (main == nullptr || !main->isVisible()) {
            return; // not yet up (the start-up may process events before)
        }
        ++m_ticksWithMain;
        if (CSplashWindow::Instance() == nullptr) {
            sawMainWithoutSplash = true;
            main->reject();
        } else if (m_ticksWithMain > 500) {
            main->reject();
        }
    }

    QTimer m_timer;
    int m_ticksWithMain = 0;
};

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() {
        if (CSplashWindow* splash = CSplashWindow::Instance()) {
            splash->HideSplash();
        }
        QTRY_VERIFY(CSplashWindow::Instance() == nullptr);
        CSplashWindow::EnableSplash(false);
        CSplashWindow::SetBitmapResource(velmaro::res::IDB_SPLASH);
        CConverterDlg::SetStartupPause(1000);
    }

    void onlyEmbeddingAndAutomationSwitchesSuppressTheSplash_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("showSplash");
        const QString program = QStringLiteral("velmaro");
        QTest::newRow("no arguments") << QStringList{program} << true;
        for (const char* spelling :
             {"-Embedding", "/Embedding", "-embedding", "/EMBEDDING", "-eMbEdDiNg", "-Automation",
              "/Automation", "-automation", "/AUTOMATION"}) {
            QTest::newRow(spelling) << QStringList{program, QString::fromLatin1(spelling)} << false;
        }
        QTest::newRow("switch among others")
            << QStringList{program, "file.txt", "/Automation", "-x"} << false;
        for (const char* other :
             {"Embedding", "--Embedding", "-Embed", "-Embedding=1", "/Embeddings", "-", "/", "",
              "/dde", "-Unregserver", "-Regserver", "/p", "file.txt", "-nosplash"}) {
            QTest::newRow(qPrintable(QStringLiteral("ignored '%1'").arg(other)))
                << QStringList{program, QString::fromLatin1(other)} << true;
        }
        QTest::newRow("program name is not a switch")
            << QStringList{QStringLiteral("-Embedding")} << true;
    }

    void onlyEmbeddingAndAutomationSwitchesSuppressTheSplash() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, showSplash);
        velmaro::CCommandLineInfo info;
        velmaro::ParseCommandLine(arguments, info);
        QCOMPARE(info.m_bShowSplash, showSplash);
    }

    // The program's own sequence, with its one-second pause: the splash is
    // on the screen before the main window, stands while the main window
    // comes up, and goes without any input once the main window runs.
    void theSplashStandsUntilTheMainWindowIsUp() {
        StartWatcher watcher;
        MainWindowCloser closer;
        CConverterApp app({QStringLiteral("velmaro")});
        QCOMPARE(app.InitInstance(), false);

        QCOMPARE(watcher.shown, (QStringList{"splash", "main"}));
        QVERIFY(watcher.splashOnScreenAtMain);
        QCOMPARE(watcher.splashGeometry.size(), QSize(648, 434));
        QCOMPARE(watcher.splashGeometry.center(),
                 QGuiApplication::primaryScreen()->availableGeometry().center());
        QVERIFY(closer.sawMainWithoutSplash);
        QVERIFY(CSplashWindow::Instance() == nullptr);
    }

    // An embedded start, or a splash without its picture: the main window
    // comes up alone.
    void theMainWindowComesUpAloneWithoutASplash_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("picture");
        QTest::newRow("-Embedding") << "-Embedding" << velmaro::res::IDB_SPLASH;
        QTest::newRow("/automation") << "/automation" << velmaro::res::IDB_SPLASH;
        QTest::newRow("missing picture") << "" << 9999;
    }

    void theMainWindowComesUpAloneWithoutASplash() {
        QFETCH(QString, argument);
        QFETCH(int, picture);
        CConverterDlg::SetStartupPause(0);
        CSplashWindow::SetBitmapResource(picture);
        StartWatcher watcher;
        MainWindowCloser closer;
        CConverterApp app({QStringLiteral("velmaro"), argument});
        QCOMPARE(app.InitInstance(), false);
        QCOMPARE(watcher.shown, QStringList{"main"});
        QVERIFY(closer.sawMainWithoutSplash);
    }

    // The main window asks for the splash twice: in its constructor and when
    // it is set up. The second request makes no second splash, and tries
    // once more when the first one found no picture.
    void theMainWindowsSecondRequest() {
        CConverterDlg::SetStartupPause(0);
        CSplashWindow::EnableSplash(true);
        {
            CConverterDlg window;
            CSplashWindow* first = CSplashWindow::Instance();
            QVERIFY(first != nullptr);
            QVERIFY(first->isVisible());
            QVERIFY(!window.isVisible());
            window.Create();
            QCOMPARE(CSplashWindow::Instance(), first);
            first->HideSplash();
        }
        QTRY_VERIFY(CSplashWindow::Instance() == nullptr);

        CSplashWindow::SetBitmapResource(9999);
        CConverterDlg window;
        QVERIFY(CSplashWindow::Instance() == nullptr);
        CSplashWindow::SetBitmapResource(velmaro::res::IDB_SPLASH);
        window.Create();
        QVERIFY(CSplashWindow::Instance() != nullptr);
    }
};

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
