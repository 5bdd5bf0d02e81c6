#include "control_test_window.h"
#include "controls/shell_services.h"
#include "pixel_checks.h"
#include "wine.h"

#include <QMouseEvent>
#include <QtTest>

#include <deque>
#include <memory>

using namespace velmaro;
using namespace velmaro::test;

namespace {

const QColor kBlue(0, 0, 255);
const QColor kPurple(128, 0, 128);

void Press(QWidget& widget, Qt::MouseButton button = Qt::LeftButton,
           QEvent::Type type = QEvent::MouseButtonPress) {
    const QPointF centre = QRectF(widget.rect()).center();
    QMouseEvent press(type, centre, widget.mapToGlobal(centre), button, button, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

// Counts the mouse presses that reach a window.
class PressCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            ++presses;
        }
        return false;
    }
};

} // namespace

class StaticLinkTest : public QObject {
    Q_OBJECT

    TestApp m_app;
    std::unique_ptr<ControlTestWindow> m_window;
    QStringList m_opened;
    std::deque<bool> m_openResults; // what the next opens report; success when empty
    int m_beeps = 0;

    CStaticLink& link() { return m_window->m_webLink; }
    QImage GrabLink(CStaticLink& link) { return Grab(m_window.get(), link.geometry()); }

private slots:
    void initTestCase() {
        UseProgramColors(m_app);
        SetShellOpenHook([this](const QString& address) {
            m_opened << address;
            if (m_openResults.empty()) {
                return true;
            }
            const bool result = m_openResults.front();
            m_openResults.pop_front();
            return result;
        });
        SetMessageBeepHook([this] { ++m_beeps; });
    }

    void init() {
        m_opened.clear();
        m_openResults.clear();
        m_beeps = 0;
        m_window = std::make_unique<ControlTestWindow>();
        m_window->Create();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void anUnopenedLinkIsBlueAndUnderlined() {
        if (velmaro::test::RunningUnderWine()) {
            // Wine draws the underline of the link font anti-aliased: no run
            // of the pure link colour is as long as the text.
            QSKIP("under Wine the underline has no run of the pure link colour");
        }

        const QImage image = GrabLink(link());
        const int textWidth = link().fontMetrics().horizontalAdvance(link().text());
        QVERIFY(LongestRun(image, kBlue) >= textWidth - 2); // the underline
        QCOMPARE(CountRgb(image, kPurple), 0);
        QCOMPARE(link().text(), QStringLiteral("www.example.org"));
        QCOMPARE(link().cursor().shape(), Qt::PointingHandCursor);
    }

    void opensDecideTheColor_data() {
        QTest::addColumn<QList<bool>>("results");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("beeps");
        QTest::newRow("opened") << QList<bool>{true} << kPurple << 0;
        QTest::newRow("opened twice") << QList<bool>{true, true} << kPurple << 0;
        QTest::newRow("nothing could open it") << QList<bool>{false} << kBlue << 1;
        QTest::newRow("a failure after an open") << QList<bool>{true, false} << kPurple << 1;
        QTest::newRow("an open after a failure") << QList<bool>{false, true} << kPurple << 1;
    }

    void opensDecideTheColor() {
        if (velmaro::test::RunningUnderWine()) {
            // Wine draws the underline of the link font anti-aliased: no run
            // of the pure link colour is as long as the text.
            QSKIP("under Wine the underline has no run of the pure link colour");
        }

        QFETCH(QList<bool>, results);
        QFETCH(QColor, colour);
        QFETCH(int, beeps);
        m_openResults.assign(results.begin(), results.end());
        for (qsizetype i = 0; i < results.size(); ++i) {
            Press(link());
        }
        QCOMPARE(m_opened.size(), results.size());
        QCOMPARE(m_beeps, beeps);
        QCOMPARE(link().TextColor().rgb(), colour.rgb());
        const QImage image = GrabLink(link());
        QVERIFY(LongestRun(image, colour) > 10);
        QCOMPARE(CountRgb(image, colour == kBlue ? kPurple : kBlue), 0);
    }

    void theAddressComesFromTargetResourceOrText_data() {
        QTest::addColumn<int>("linkId");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("the target member")
            << kWebLinkId << QStringLiteral("https://www.example.org/tables")
            << QStringList{QStringLiteral("https://www.example.org/tables")};
        QTest::newRow("the control's text")
            << kWebLinkId << QString() << QStringList{QStringLiteral("www.example.org")};
        QTest::newRow("the string with the control's id")
            << kResourceLinkId << QString() << QStringList{QStringLiteral("关于 Velmaro(&A)...")};
        QTest::newRow("no address anywhere") << kEmptyLinkId << QString() << QStringList{};
    }

    void theAddressComesFromTargetResourceOrText() {
        QFETCH(int, linkId);
        QFETCH(QString, target);
        QFETCH(QStringList, opened);
        auto* pressed = m_window->DlgItem<CStaticLink>(linkId);
        QVERIFY(pressed != nullptr);
        pressed->m_target = target;
        Press(*pressed);
        QCOMPARE(m_opened, opened);
        QCOMPARE(m_beeps, 0);
        // The address found stays the link's target.
        QCOMPARE(pressed->m_target.text(), opened.value(0));
    }

    void onlyTheLeftButtonOpensAndNoPressReachesTheWindow_data() {
        QTest::addColumn<int>("button");
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("opens");
        QTest::newRow("left press") << int(Qt::LeftButton) << int(QEvent::MouseButtonPress) << 1;
        QTest::newRow("right press") << int(Qt::RightButton) << int(QEvent::MouseButtonPress) << 0;
        QTest::newRow("second click of a double-click")
            << int(Qt::LeftButton) << int(QEvent::MouseButtonDblClick) << 0;
    }

    void onlyTheLeftButtonOpensAndNoPressReachesTheWindow() {
        QFETCH(int, button);
        QFETCH(int, type);
        QFETCH(int, opens);
        PressCounter counter;
        m_window->installEventFilter(&counter);
        Press(link(), Qt::MouseButton(button), QEvent::Type(type));
        QCOMPARE(m_opened.size(), opens);
        QCOMPARE(counter.presses, 0);
        Press(*m_window); // a press on the window itself does reach it
        QCOMPARE(counter.presses, 1);
    }

    void aFrameUsedAsLinkKeepsTheWindowsColors() {
        CStaticLink& frame = m_window->m_frameLink;
        QVERIFY(!frame.IsTextLink());
        QVERIFY(link().IsTextLink());
        const QImage image = GrabLink(frame);
        QCOMPARE(CountRgb(image, kBlue), 0);
        QCOMPARE(At(image, 0, 0).rgb(), frame.palette().color(QPalette::WindowText).rgb());
        Press(frame); // still a link: it has no text, so there is nothing to open
        QVERIFY(m_opened.isEmpty());
    }
};

QTEST_MAIN(StaticLinkTest)
#include "static_link_test.moc"
