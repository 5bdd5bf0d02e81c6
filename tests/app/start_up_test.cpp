// The program's start-up: which command lines show the splash and set the
// language, the order of the splash and the main window when the application
// runs, and the main window opened again when the language is switched.

#include "app/command_line.h"
#include "app/converter_app.h"
#include "framework/app.h"
#include "mainwnd/converter_dlg.h"
#include "mainwnd/converter_ids.h"
#include "mainwnd/system_menu.h"
#include "res/language.h"
#include "res/resource_ids.h"
#include "shell/splash_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>

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

Q_DECLARE_METATYPE(std::optional<velmaro::texts::Language>)

class StartUpTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_settings;

private slots:
    // The choice of language is kept in a file of the test's own, empty at
    // first: no run depends on what the machine's user chose.
    void initTestCase() {
        velmaro::res::KeepLanguageIn(m_settings.filePath(QStringLiteral("settings.ini")));
    }

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

    void theLanguageOptionSetsTheLanguageOfTheRun_data() {
        using velmaro::texts::Language;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<std::optional<Language>>("language");
        QTest::addColumn<bool>("refused");
        const QString program = QStringLiteral("velmaro");
        QTest::newRow("none") << QStringList{program} << std::optional<Language>() << false;
        QTest::newRow("--lang en")
            << QStringList{program, "--lang", "en"} << std::optional{Language::English} << false;
        QTest::newRow("--lang zh")
            << QStringList{program, "--lang", "zh"} << std::optional{Language::Chinese} << false;
        QTest::newRow("--lang=en")
            << QStringList{program, "--lang=en"} << std::optional{Language::English} << false;
        QTest::newRow("the last one counts")
            << QStringList{program, "--lang", "en", "-Embedding", "--lang=zh"}
            << std::optional{Language::Chinese} << false;
        QTest::newRow("--lang de")
            << QStringList{program, "--lang", "de"} << std::optional<Language>() << true;
        QTest::newRow("--lang at the end")
            << QStringList{program, "--lang"} << std::optional<Language>() << true;
    }

    void theLanguageOptionSetsTheLanguageOfTheRun() {
        QFETCH(QStringList, arguments);
        QFETCH(std::optional<velmaro::texts::Language>, language);
        QFETCH(bool, refused);
        velmaro::CCommandLineInfo info;
        velmaro::ParseCommandLine(arguments, info);
        QCOMPARE(info.m_language, language);
        QCOMPARE(!info.m_problems.isEmpty(), refused);
    }

    // The language command of the window menu: the main window opens again
    // at once in the other language, where it stood and with what it showed,
    // and later runs start in that language.
    void theMainWindowOpensAgainInTheLanguageSwitchedTo() {
        CConverterDlg::SetStartupPause(0);
        QStringList titles;
        QStringList barTexts;
        QStringList paTexts;
        QList<QPoint> positions;
        QList<bool> rtd;
        QStringList firstTypes;
        QTimer driver;
        driver.setInterval(20);
        connect(&driver, &QTimer::timeout, [&] {
            auto* main = dynamic_cast<CConverterDlg*>(velmaro::fw::AfxGetMainWnd());
            if (main == nullptr || !main->isVisible() || titles.size() > 1) {
                return;
            }
            titles << main->windowTitle();
            if (titles.size() == 1) {
                main->move(40, 30);
                QTest::keyClicks(main->DlgItem<QLineEdit>(1018), QStringLiteral("1"));
                QTest::mouseClick(main->GetDlgItem(velmaro::IDC_RTD_KIND), Qt::LeftButton);
            }
            barTexts << main->DlgItem<QLineEdit>(1018)->text();
            paTexts << main->DlgItem<QLineEdit>(1066)->text();
            positions << main->pos();
            rtd << main->DlgItem<QAbstractButton>(velmaro::IDC_RTD_KIND)->isChecked();
            firstTypes << main->DlgItem<QComboBox>(velmaro::IDC_SENSOR_TYPE)->itemText(0);
            main->OnSysCommand(titles.size() == 1 ? velmaro::ID_SYSCMD_LANGUAGE
                                                  : velmaro::SC_CLOSE);
        });
        driver.start();
        CConverterApp app({QStringLiteral("velmaro"), QStringLiteral("-Embedding"),
                           QStringLiteral("--lang"), QStringLiteral("zh")});
        QCOMPARE(app.InitInstance(), false);

        QCOMPARE(titles.size(), 2);
        QVERIFY(titles[0].startsWith(QStringLiteral("TharnixV2.0 ---精工诚信")));
        QVERIFY(titles[1].startsWith(QStringLiteral("TharnixV2.0 --- Oskelta: precision")));
        QCOMPARE(barTexts, (QStringList{"1", "1"}));
        QCOMPARE(paTexts, (QStringList{"100000.000000", "100000.000000"}));
        QCOMPARE(positions[1], positions[0]);
        QCOMPARE(rtd, (QList<bool>{true, true}));
        QCOMPARE(firstTypes, (QStringList{"Pt100铂热电阻", "Pt100 platinum RTD"}));
        QCOMPARE(velmaro::res::RememberedLanguage(),
                 std::optional{velmaro::texts::Language::English});
        QCOMPARE(velmaro::res::StartLanguage(std::nullopt), velmaro::texts::Language::English);
        QCOMPARE(velmaro::res::StartLanguage(velmaro::texts::Language::Chinese),
                 velmaro::texts::Language::Chinese);
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
