// Every window in every language fits its texts: no text is wider (or
// taller) than its control, no two controls overlap, no control crosses the
// frame of a group or the window's edge; and the English windows show no
// Chinese character, in what they show and in what a screen reader reads.
//
// The main window (both sensor families), one dialog of each category
// template, the help window, the About box and the tool windows, each a row
// of the table below, at the display scaling given
// by "--scale 1.25" (100 %, 125 % and 150 % run as tests of their own: the
// scaling is fixed when the program starts). On Windows the test runs on the
// window system's own platform: offscreen, Qt has no faces there to measure.

#include "main_window_fixture.h"
#include "modal_watcher.h"

#include "../categories/category_dialog_kinds.h"
#include "framework/group_box.h"
#include "mainwnd/converter_ids.h"
#include "shell/about_box.h"
#include "shell/help_window.h"
#include "tooldlgs/flow_meter_dialog.h"
#include "tooldlgs/instrument_dialog.h"
#include "tooldlgs/steam_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtTest>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

using velmaro::test::MainWindowUnderTest;
using velmaro::texts::Language;

namespace {

// A window of the program made for a check, and what keeps it.
struct Opened {
    std::shared_ptr<void> owner;
    QWidget* window = nullptr;
};
using Opener = std::function<Opened(Language)>;

// The windows are laid out as shown, but kept off the screen: where the
// test runs on a real window system (Windows, Wine) that is much faster.
void Open(velmaro::fw::CDialog& window) {
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.Create();
}

Opened OpenMainWindow(Language language, bool rtd) {
    velmaro::res::UseLanguage(language);
    velmaro::CConverterDlg::SetStartupPause(0);
    auto window = std::make_shared<velmaro::CConverterDlg>();
    Open(*window);
    if (rtd) {
        QTest::mouseClick(window->GetDlgItem(velmaro::IDC_RTD_KIND), Qt::LeftButton);
    }
    return {window, window.get()};
}

template <class Window> Opened OpenWindow(Language language) {
    velmaro::res::UseLanguage(language);
    auto window = std::make_shared<Window>();
    Open(*window);
    return {window, window.get()};
}

Opened OpenCategoryDialog(const velmaro::test::CategoryDialogKind& kind, Language language) {
    velmaro::res::UseLanguage(language);
    std::shared_ptr<velmaro::CCategoryDialog> dialog = kind.make();
    Open(*dialog);
    return {dialog, dialog.get()};
}

bool Shown(const QWidget* widget, const QWidget* window) {
    return widget->isVisibleTo(window) && widget->width() > 0;
}

// Controls that hold words or pictures or take input; the group boxes and
// frames that hold them.
bool IsPicture(const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label != nullptr && !label->pixmap().isNull();
}

bool IsControl(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return !label->text().isEmpty() || IsPicture(label);
    }
    return qobject_cast<const QAbstractButton*>(widget) != nullptr ||
           qobject_cast<const QLineEdit*>(widget) != nullptr ||
           qobject_cast<const QComboBox*>(widget) != nullptr;
}

bool IsFrame(const QWidget* widget) {
    return dynamic_cast<const velmaro::fw::CGroupBox*>(widget) != nullptr ||
           (qobject_cast<const QFrame*>(widget) != nullptr &&
            qobject_cast<const QLabel*>(widget) == nullptr);
}

QString Described(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return QStringLiteral("label \"%1\"").arg(label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return QStringLiteral("button \"%1\"").arg(button->text());
    }
    if (const auto* box = dynamic_cast<const velmaro::fw::CGroupBox*>(widget)) {
        return QStringLiteral("group \"%1\"").arg(box->title());
    }
    return QStringLiteral("%1 %2").arg(QString::fromLatin1(widget->metaObject()->className()),
                                       widget->objectName());
}

// Where a control draws: a text label its words, a closed list the line its
// template gives it, anything else its box. A label's box may run over its
// neighbour's where its words do not (a label is grown around its line where
// the face runs taller than the template's); so may a closed list's, which
// the framework makes as tall as its face needs: the Song face's stand-in on
// Linux runs it 2 px past the 16-unit rows of the water and steam window.
QRect DrawnRect(const QWidget* widget) {
    if (const auto* list = qobject_cast<const QComboBox*>(widget)) {
        const auto* window = dynamic_cast<const velmaro::fw::CDialog*>(list->parentWidget());
        QRect line = list->geometry();
        line.setHeight(std::min(line.height(), window->baseUnits().toPixelsY(12)));
        return line;
    }
    const auto* label = qobject_cast<const QLabel*>(widget);
    if (label == nullptr || IsPicture(label)) {
        return widget->geometry();
    }
    const QFontMetrics metrics = label->fontMetrics();
    const QStringList lines = label->text().split(u'\n');
    const QRect room = label->contentsRect();
    const auto count = static_cast<int>(lines.size());
    const int block = count * metrics.height() + (count - 1) * metrics.leading();
    const int top = (label->alignment() & Qt::AlignVCenter) != 0
                        ? room.top() + (room.height() - block) / 2
                        : room.top();
    QRect ink;
    for (int i = 0; i < count; ++i) {
        const int width = metrics.horizontalAdvance(lines[i]);
        const int left = (label->alignment() & Qt::AlignHCenter) != 0
                             ? room.left() + (room.width() - width) / 2
                             : room.left();
        const int baseline = top + i * metrics.lineSpacing() + metrics.ascent();
        ink |= metrics.tightBoundingRect(lines[i]).translated(left, baseline);
    }
    return ink.translated(label->pos());
}

int WidestLine(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split(u'\n')) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest;
}

// The room a text has inside its control, and the width it needs there.
struct Fit {
    int needed;
    int room;
};

// A list's entries: every one, or the one shown (the Chinese windows stay as
// they have always been, where the longest names of the instrument window's
// thermocouple types run under the arrow when chosen).
std::optional<Fit> FitOf(const QWidget* widget, bool everyEntry) {
    // Push buttons draw a frame of a few pixels around their caption.
    constexpr int kButtonFrame = 3;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        return Fit{WidestLine(label->fontMetrics(), label->text()), label->contentsRect().width()};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        QString caption = button->text();
        caption.remove(u'&');
        return Fit{button->fontMetrics().horizontalAdvance(caption) + 2 * kButtonFrame,
                   button->width()};
    }
    if (const auto* box = dynamic_cast<const velmaro::fw::CGroupBox*>(widget)) {
        return Fit{box->fontMetrics().horizontalAdvance(box->title()), box->width()};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
        // The entries fit the part of the box the style leaves for its text.
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                           QStyle::SC_ComboBoxEditField, combo);
        int widest = combo->fontMetrics().horizontalAdvance(combo->currentText());
        for (int i = 0; everyEntry && i < combo->count(); ++i) {
            widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
        }
        return Fit{widest, field.width()};
    }
    return std::nullopt;
}

void CheckFit(const QWidget& window, bool everyEntry) {
    QList<const QWidget*> controls;
    QList<const QWidget*> frames;
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!Shown(child, &window)) {
            continue;
        }
        QVERIFY2(window.rect().contains(child->geometry()), qPrintable(Described(child)));
        if (const std::optional<Fit> fit = FitOf(child, everyEntry)) {
            QVERIFY2(fit->needed <= fit->room, qPrintable(QStringLiteral("%1 needs %2 px, has %3")
                                                              .arg(Described(child))
                                                              .arg(fit->needed)
                                                              .arg(fit->room)));
        }
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            QVERIFY2(label->sizeHint().height() <= label->height() + 1,
                     qPrintable(Described(label) + QStringLiteral(" is too low")));
        }
        if (IsControl(child)) {
            controls << child;
        } else if (IsFrame(child)) {
            frames << child;
        }
    }
    for (const QWidget* control : controls) {
        const QRect place = DrawnRect(control);
        for (const QWidget* other : controls) {
            QVERIFY2(
                other == control || !DrawnRect(other).intersects(place),
                qPrintable(Described(control) + QStringLiteral(" overlaps ") + Described(other)));
        }
        // A picture may reach into a frame's caption line; words may not.
        for (const QWidget* frame : IsPicture(control) ? QList<const QWidget*>() : frames) {
            const QRect inside = frame->geometry();
            QVERIFY2(
                !inside.intersects(place) || inside.contains(place),
                qPrintable(Described(control) + QStringLiteral(" crosses ") + Described(frame)));
        }
    }
}

const QRegularExpression kChinese(QStringLiteral("[\\x{2E80}-\\x{9FFF}\\x{F900}-\\x{FAFF}"
                                                 "\\x{FE30}-\\x{FE4F}\\x{FF00}-\\x{FFEF}]"));

// Every word a window shows or gives a screen reader.
QStringList WordsOf(const QWidget& window) {
    QStringList words{window.windowTitle(), window.accessibleName()};
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        words << child->accessibleName() << child->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            words << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(child)) {
            words << button->text();
        } else if (const auto* box = dynamic_cast<const velmaro::fw::CGroupBox*>(child)) {
            words << box->title();
        } else if (const auto* combo = qobject_cast<const QComboBox*>(child)) {
            for (int i = 0; i < combo->count(); ++i) {
                words << combo->itemText(i);
            }
        }
    }
    return words;
}

} // namespace

Q_DECLARE_METATYPE(Opener)

class WindowFitTest : public QObject {
    Q_OBJECT

    // One row per window, in each language of `languages`.
    static void AddWindowRows(std::initializer_list<Language> languages) {
        QTest::addColumn<Opener>("open");
        QTest::addColumn<Language>("language");
        std::vector<std::pair<QByteArray, Opener>> windows = {
            {"main window", [](Language l) { return OpenMainWindow(l, false); }},
            {"main window, RTD", [](Language l) { return OpenMainWindow(l, true); }},
            {"help window", &OpenWindow<velmaro::CHelpWindow>},
            {"About box", &OpenWindow<velmaro::CAboutBox>},
            {"water and steam window", &OpenWindow<velmaro::CSteamDialog>},
            {"instrument window", &OpenWindow<velmaro::CInstrumentDialog>},
            {"flowmeter window", &OpenWindow<velmaro::CFlowMeterDialog>},
        };
        for (const velmaro::test::CategoryDialogKind& kind : velmaro::test::kCategoryDialogKinds) {
            windows.emplace_back(kind.className,
                                 [&kind](Language l) { return OpenCategoryDialog(kind, l); });
        }
        for (const Language language : languages) {
            for (const auto& [name, open] : windows) {
                QTest::addRow("%s, %s", velmaro::texts::LanguageCode(language).data(),
                              name.constData())
                    << open << language;
            }
        }
    }

private slots:
    void everyTextFitsAndNoControlsOverlap_data() {
        AddWindowRows({Language::Chinese, Language::English});
    }

    void everyTextFitsAndNoControlsOverlap() {
        QFETCH(Opener, open);
        QFETCH(Language, language);
        const Opened opened = open(language);
        CheckFit(*opened.window, language != Language::Chinese);
    }

    void theEnglishWindowsShowNoChinese_data() { AddWindowRows({Language::English}); }
    // What the windows show does not change with the scaling: checked once.

    void theEnglishWindowsShowNoChinese() {
        if (qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble() != 1.0) {
            QSKIP("checked at 100 %");
        }
        QFETCH(Opener, open);
        QFETCH(Language, language);
        const Opened opened = open(language);
        for (const QString& words : WordsOf(*opened.window)) {
            QVERIFY2(!words.contains(kChinese), qPrintable(words));
        }
    }

    void theEnglishOutOfRangeMessageShowsNoChinese() {
        MainWindowUnderTest t(Language::English);
        velmaro::test::ModalWatcher watcher(t.window.get());
        QTest::keyClicks(t.field(velmaro::IDC_SENSOR_CELSIUS), QStringLiteral("5000"));
        QVERIFY(watcher.count() > 0);
        QCOMPARE(watcher.closed()[0].title, QStringLiteral("Error"));
        QCOMPARE(watcher.closed()[0].text, QStringLiteral("Out of range"));
    }
};

// The display scaling comes from "--scale F" (1, 1.25, 1.5), before Qt
// starts: a Windows program under Wine gets no QT_* variable from outside.
int main(int argc, char* argv[]) {
    std::vector<char*> arguments(argv, argv + argc);
    for (auto it = arguments.begin(); it != arguments.end(); ++it) {
        if (std::string_view(*it) == "--scale" && it + 1 != arguments.end()) {
            qputenv("QT_SCALE_FACTOR", QByteArray(*(it + 1)));
            arguments.erase(it, it + 2);
            break;
        }
    }
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr); // argv ends in a null pointer
    QApplication application(count, arguments.data());
    WindowFitTest test;
    return QTest::qExec(&test, count, arguments.data());
}

#include "window_fit_test.moc"
