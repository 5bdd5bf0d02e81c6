// The About box: what it shows and the three ways it closes.

#include "framework/app.h"
#include "res/language.h"
#include "res/maker_details.h"
#include "shell/about_box.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <vector>

using velmaro::CAboutBox;

namespace {

class TestApp : public velmaro::fw::CWinApp {
public:
    bool InitInstance() override { return false; }
};

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text labels of the box from top to bottom.
std::vector<QLabel*> TextLabels(const QDialog& box) {
    std::vector<QLabel*> labels;
    for (QLabel* label : box.findChildren<QLabel*>()) {
        if (label->pixmap().isNull()) {
            labels.push_back(label);
        }
    }
    std::sort(labels.begin(), labels.end(),
              [](const QLabel* a, const QLabel* b) { return a->y() < b->y(); });
    return labels;
}

QStringList Texts(const std::vector<QLabel*>& labels) {
    QStringList texts;
    for (const QLabel* label : labels) {
        texts << label->text();
    }
    return texts;
}

using CloseAction = std::function<void(QDialog&)>;

} // namespace

Q_DECLARE_METATYPE(CloseAction)

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        velmaro::res::UseLanguage(velmaro::texts::Language::Chinese);
        m_app.SetDialogBkColor(QColor(236, 233, 216), QColor(80, 0, 0));
    }

    void showsTheLogoAndTheMakersDetails() {
        // Opened twice, the box shows the same thing each time.
        for (int opening = 0; opening < 2; ++opening) {
            CAboutBox box;
            box.Create();
            QCOMPARE(box.windowTitle(), QStringLiteral("关于 TharnixV1.0"));

            const QStringList expected{
                QStringLiteral("公司名称：奥斯凯塔仪表科技有限公司"),
                QStringLiteral("联系地址：杭州市滨江区示例路88号"),
                QStringLiteral("联系电话：") + Utf8(velmaro::res::kMakerPhone) + u' ',
                QStringLiteral("传\u3000\u3000真：") + Utf8(velmaro::res::kMakerFax) + u' ',
                QStringLiteral("邮\u3000\u3000编：") + Utf8(velmaro::res::kMakerPostCode),
            };
            const std::vector<QLabel*> labels = TextLabels(box);
            QCOMPARE(Texts(labels), expected);
            for (const QLabel* label : labels) {
                QVERIFY(label->alignment().testFlag(Qt::AlignLeft));
                // Every caption starts at the same place and is as wide as the
                // four-character ones, so the values after them line up.
                QCOMPARE(label->x(), labels.front()->x());
                const QFontMetrics metrics(label->font());
                QCOMPARE(metrics.horizontalAdvance(label->text().left(5)),
                         metrics.horizontalAdvance(QStringLiteral("公司名称：")));
            }

            int pictures = 0;
            for (const QLabel* label : box.findChildren<QLabel*>()) {
                if (!label->pixmap().isNull()) {
                    ++pictures;
                    QCOMPARE(label->pixmap().size(), QSize(148, 71));
                    QCOMPARE(label->pos(), box.ControlRectPixels({5, 8, 99, 47}).topLeft());
                }
            }
            QCOMPARE(pictures, 1);
            QVERIFY(box.findChildren<QPushButton*>().isEmpty());
            QCOMPARE(box.palette().color(QPalette::Window), QColor(236, 233, 216));
            QCOMPARE(labels.front()->palette().color(QPalette::WindowText), QColor(80, 0, 0));
        }
    }

    void closes_data() {
        QTest::addColumn<CloseAction>("close");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter") << CloseAction([](QDialog& box) {
            QTest::keyClick(&box, Qt::Key_Return);
        }) << int(QDialog::Accepted);
        QTest::newRow("keypad Enter") << CloseAction([](QDialog& box) {
            QTest::keyClick(&box, Qt::Key_Enter, Qt::KeypadModifier);
        }) << int(QDialog::Accepted);
        QTest::newRow("Escape") << CloseAction([](QDialog& box) {
            QTest::keyClick(&box, Qt::Key_Escape);
        }) << int(QDialog::Rejected);
        QTest::newRow("close box")
            << CloseAction([](QDialog& box) { box.close(); }) << int(QDialog::Rejected);
    }

    void closes() {
        QFETCH(CloseAction, close);
        QFETCH(int, result);

        CAboutBox box;
        bool acted = false;
        QTimer act;
        act.setInterval(10);
        connect(&act, &QTimer::timeout, &box, [&] {
            if (!acted && QApplication::activeModalWidget() == &box) {
                acted = true;
                close(box);
            }
        });
        act.start();
        // Should the way under test fail to close the box, the test fails
        // instead of waiting for ever.
        QTimer::singleShot(5000, &box, [&box] { box.done(-1); });

        const int returned = box.DoModal();
        QVERIFY(acted);
        QCOMPARE(returned, result);
        QVERIFY(!box.isVisible());
    }

private:
    TestApp m_app;
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
