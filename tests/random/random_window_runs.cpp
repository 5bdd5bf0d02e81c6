// Random runs of the converter's windows: thousands of random keystrokes,
// deletions, pastes and selections in random unit fields of the main window
// and of every category dialog, and random use of the sensor panel. After
// each action the windows must show what the change cycle promises:
//  - every other field of the edited group holds the conversion of the edited
//    field's text, in the group's format; no field of another group (or of
//    another window) changed;
//  - the edited field shows exactly what the user's edit made of it, caret
//    and selection included (a free-standing reference field gets the same edit);
//  - one handler run per change of text and none for an action that left the
//    text alone;
//  - the sensor panel shows what the sensor functions give, and the
//    out-of-range message came up exactly as often as they refuse a value.
//
// Usage: random_window_runs [--seed N] [--steps M] [--verbose]
// The seed is fixed unless given, and printed with every failure together
// with the command line that repeats the run up to the failing step.

#include "category_dialog_kinds.h"
#include "edit_actions.h"
#include "sensor_expectations.h"

#include "modal_watcher.h"

#include "convert/change_cycle.h"
#include "framework/app.h"
#include "mainwnd/converter_dlg.h"
#include "mainwnd/converter_ids.h"
#include "res/language.h"
#include "res/unit_controls.h"

#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace velmaro;

namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr int kDefaultSteps = 6000;

// The exchange leaves a field alone when its text equals the value, for texts
// up to this length; a longer one is always written again.
constexpr int kLongestComparedText = 255;

struct Options {
    std::uint64_t seed = kDefaultSeed;
    int steps = kDefaultSteps;
    bool verbose = false;
};

bool ParseOptions(const QStringList& arguments, Options& options) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        bool ok = true;
        if (argument == QLatin1String("--seed") && hasValue) {
            options.seed = arguments[++i].toULongLong(&ok);
        } else if (argument == QLatin1String("--steps") && hasValue) {
            options.steps = arguments[++i].toInt(&ok);
            ok = ok && options.steps >= 0;
        } else if (argument == QLatin1String("--verbose")) {
            options.verbose = true;
        } else {
            ok = false;
        }
        if (!ok) {
            return false;
        }
    }
    return true;
}

// The offscreen platform says this for every message box it shows; thousands
// of lines of it would bury a failure report.
QtMessageHandler g_defaultMessageHandler = nullptr;

void QuietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text == QLatin1String("This plugin does not support propagateSizeHints()")) {
        return;
    }
    g_defaultMessageHandler(type, context, text);
}

void Print(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toUtf8().constData());
}

class RunApp : public fw::CWinApp {
public:
    bool InitInstance() override { return false; }
};

struct Notification {
    int controlId;
    fw::Notify code;

    friend bool operator==(const Notification&, const Notification&) = default;
};

QString Describe(const std::vector<Notification>& notifications) {
    QStringList parts;
    for (const Notification& n : notifications) {
        if (parts.size() == 12) {
            parts << QStringLiteral("... %1 in all").arg(notifications.size());
            break;
        }
        const char* code = n.code == fw::Notify::EditChange      ? "change"
                           : n.code == fw::Notify::ButtonClicked ? "clicked"
                                                                 : "selection";
        parts << QStringLiteral("%1 %2").arg(n.controlId).arg(QLatin1String(code));
    }
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

struct Window {
    QString name;
    fw::CDialog* dialog = nullptr;
    std::vector<const res::UnitControls*> groups;
    std::vector<std::pair<int, QLineEdit*>> edits; // every edit control, template order
    std::vector<Notification> notified;            // during the current action
    int actions = 0;
};

// What one action should do to the window it acts on; every field not listed
// in `texts`, in every window, keeps its text.
struct Expected {
    std::vector<Notification> notifications;
    std::map<int, QString> texts;
    int messages = 0;
};

class RandomWindowRun {
public:
    explicit RandomWindowRun(const Options& options);
    bool Run();

private:
    void Step();
    void EditField(Window& window, int controlId);
    void ClickSensorFamily();
    void ChooseSensorType();
    void ExpectSensorReset(Expected& expected, Notification cause);

    void Begin(Window& window, const QString& what);
    void Verify(Window& window, const Expected& expected);
    void VerifySensorPanelState();
    void Fail(const QString& message);

    const res::UnitControls* GroupOf(const Window& window, int controlId) const;
    QString FieldName(const Window& window, int controlId) const;
    Window& MainWindow() { return m_windows.front(); }

    Options m_options;
    test::RandomSource m_random;
    RunApp m_app;
    std::unique_ptr<CConverterDlg> m_main;
    std::vector<std::unique_ptr<CCategoryDialog>> m_dialogs;
    std::vector<Window> m_windows; // the main window first
    std::vector<int> m_mainGroupFields;

    QLineEdit m_reference; // the user's expectation of the edited field
    int m_referenceChanges = 0;

    std::vector<std::vector<QString>> m_before; // texts of every window's edits
    // The out-of-range message is closed as soon as its modal run starts.
    test::ModalWatcher m_closer{nullptr, 0};

    // The sensor panel as the user left it.
    int m_family = SENSOR_THERMOCOUPLE;
    int m_type = 0;
    QString m_caption = QStringLiteral("电压");
    QString m_unit = QStringLiteral(" mV (毫伏)");

    int m_step = 0;
    QString m_action;
    std::deque<QString> m_history;
    bool m_failed = false;
    int m_textChanges = 0;
    int m_messages = 0;
};

RandomWindowRun::RandomWindowRun(const Options& options)
    : m_options(options), m_random(options.seed) {
    m_app.SetDialogBkColor(QColor(236, 233, 216), QColor(80, 0, 0));
    CConverterDlg::SetStartupPause(0);
    m_main = std::make_unique<CConverterDlg>();
    m_app.m_pMainWnd = m_main.get();

    Window main;
    main.name = QStringLiteral("CConverterDlg");
    main.dialog = m_main.get();
    main.groups = {&res::kPressureFields, &res::kTemperatureFields, &res::kMassFlowFields,
                   &res::kVolumeFlowFields};
    m_windows.push_back(main);
    for (const test::CategoryDialogKind& kind : test::kCategoryDialogKinds) {
        m_dialogs.push_back(kind.make());
        Window window;
        window.name = QLatin1String(kind.className);
        window.dialog = m_dialogs.back().get();
        window.groups = {&static_cast<CCategoryDialog*>(window.dialog)->fields()};
        m_windows.push_back(window);
    }

    for (Window& window : m_windows) {
        window.dialog->Create();
        for (const fw::ControlTemplate& control : window.dialog->dialogTemplate().controls) {
            if (control.kind == fw::ControlKind::Edit && control.id != fw::kNoId) {
                window.edits.emplace_back(control.id,
                                          window.dialog->DlgItem<QLineEdit>(control.id));
            }
        }
        window.dialog->SetNotificationObserver([&window](int id, fw::Notify code) {
            window.notified.push_back({id, code});
        });
    }
    for (const res::UnitControls* group : MainWindow().groups) {
        m_mainGroupFields.insert(m_mainGroupFields.end(), group->controlIds.begin(),
                                 group->controlIds.end());
    }

    QObject::connect(&m_reference, &QLineEdit::textChanged, [this] { ++m_referenceChanges; });
}

bool RandomWindowRun::Run() {
    Print(QStringLiteral("random_window_runs: seed %1, %2 steps")
              .arg(m_options.seed)
              .arg(m_options.steps));
    for (int step = 0; step < m_options.steps && !m_failed; ++step) {
        Step();
    }
    if (m_failed) {
        return false;
    }
    QStringList perWindow;
    for (const Window& window : m_windows) {
        perWindow << QStringLiteral("%1 %2").arg(window.name).arg(window.actions);
    }
    Print(QStringLiteral("passed: %1 actions changed a text, %2 out-of-range messages; "
                         "actions per window: %3")
              .arg(m_textChanges)
              .arg(m_messages)
              .arg(perWindow.join(QStringLiteral(", "))));
    return true;
}

void RandomWindowRun::Step() {
    ++m_step;
    if (m_random.Chance(40)) {
        const int roll = m_random.Below(100);
        if (roll < 75) {
            EditField(MainWindow(), m_mainGroupFields[static_cast<std::size_t>(m_random.Below(
                                        static_cast<int>(m_mainGroupFields.size())))]);
        } else if (roll < 85) {
            EditField(MainWindow(), m_random.Chance(50) ? IDC_SENSOR_CELSIUS : IDC_SENSOR_OUTPUT);
        } else if (roll < 89) {
            constexpr int kScaleFields[] = {IDC_SENSOR_FAHRENHEIT, IDC_SENSOR_KELVIN,
                                            IDC_SENSOR_RANKINE};
            EditField(MainWindow(), m_random.Pick(kScaleFields));
        } else if (roll < 94) {
            ClickSensorFamily();
        } else {
            ChooseSensorType();
        }
        return;
    }
    Window& window =
        m_windows[1 + static_cast<std::size_t>(m_random.Below(static_cast<int>(m_dialogs.size())))];
    const res::UnitControls& group = *window.groups.front();
    const auto count = static_cast<int>(group.controlIds.size());
    EditField(window, group.controlIds[static_cast<std::size_t>(m_random.Below(count))]);
}

void RandomWindowRun::EditField(Window& window, int controlId) {
    QLineEdit* edit = window.dialog->DlgItem<QLineEdit>(controlId);
    test::CopyEditState(*edit, m_reference);
    m_referenceChanges = 0;
    const QString before = edit->text();
    const test::EditAction action = test::RandomEditAction(m_random, before);

    Begin(window, FieldName(window, controlId) + QStringLiteral(" from ") +
                      test::DescribeEditState(*edit) + QStringLiteral(": ") + action.Describe());
    action.ApplyTo(*edit);
    action.ApplyTo(m_reference);

    Expected expected;
    const bool changed = m_referenceChanges > 0;
    expected.notifications.assign(static_cast<std::size_t>(m_referenceChanges),
                                  {controlId, fw::Notify::EditChange});
    if (changed) {
        ++m_textChanges;
        const QString typed = m_reference.text();
        if (const res::UnitControls* group = GroupOf(window, controlId)) {
            const QByteArray utf8 = typed.toUtf8();
            const auto& ids = group->controlIds;
            const auto source = static_cast<std::size_t>(
                std::find(ids.begin(), ids.end(), controlId) - ids.begin());
            for (const UnitText& target :
                 Convert(*group->group, source, std::string_view(utf8.constData(), utf8.size()))) {
                expected.texts[ids[target.unitIndex]] = QString::fromStdString(target.text);
            }
        } else if (controlId == IDC_SENSOR_CELSIUS || controlId == IDC_SENSOR_OUTPUT) {
            const test::SensorPanelTexts panel =
                controlId == IDC_SENSOR_CELSIUS
                    ? test::FromCelsiusText(m_family, static_cast<unsigned>(m_type), typed)
                    : test::FromOutputText(m_family, static_cast<unsigned>(m_type), typed);
            expected.texts[IDC_SENSOR_CELSIUS] = panel.celsius;
            expected.texts[IDC_SENSOR_OUTPUT] = panel.output;
            expected.texts[IDC_SENSOR_FAHRENHEIT] = panel.fahrenheit;
            expected.texts[IDC_SENSOR_KELVIN] = panel.kelvin;
            expected.texts[IDC_SENSOR_RANKINE] = panel.rankine;
            expected.messages = panel.messages;
        } else if (typed != before) {
            // °F, K and R of the sensor panel are outputs only: the handler
            // writes the last computed text back, caret at its start.
            m_reference.setText(before);
            m_reference.setCursorPosition(0);
        }
        // A text longer than the exchange compares is written again by the
        // handler's own exchange, which puts the caret at its start.
        if (m_reference.text().size() > kLongestComparedText) {
            m_reference.deselect();
            m_reference.setCursorPosition(0);
        }
    }
    expected.texts[controlId] = m_reference.text();
    Verify(window, expected);
    if (m_failed) {
        return;
    }
    if (edit->cursorPosition() != m_reference.cursorPosition() ||
        edit->selectionStart() != m_reference.selectionStart() ||
        edit->selectedText() != m_reference.selectedText()) {
        Fail(QStringLiteral("the edited field shows %1, the user expects %2")
                 .arg(test::DescribeEditState(*edit), test::DescribeEditState(m_reference)));
    }
}

void RandomWindowRun::ExpectSensorReset(Expected& expected, Notification cause) {
    // The family or type changed: the panel converts 0 °C for the new choice,
    // started by setting the °C field directly (its own change notification).
    const test::SensorPanelTexts panel =
        test::FromCelsiusText(m_family, static_cast<unsigned>(m_type), QStringLiteral("0"));
    expected.notifications = {cause, {IDC_SENSOR_CELSIUS, fw::Notify::EditChange}};
    expected.texts = {{IDC_SENSOR_CELSIUS, panel.celsius},
                      {IDC_SENSOR_OUTPUT, panel.output},
                      {IDC_SENSOR_FAHRENHEIT, panel.fahrenheit},
                      {IDC_SENSOR_KELVIN, panel.kelvin},
                      {IDC_SENSOR_RANKINE, panel.rankine}};
    expected.messages = panel.messages;
}

void RandomWindowRun::ClickSensorFamily() {
    const bool rtd = m_random.Chance(50);
    const int button = rtd ? IDC_RTD_KIND : IDC_THERMOCOUPLE_KIND;
    Begin(
        MainWindow(),
        QStringLiteral("click %1").arg(rtd ? QStringLiteral("热电阻") : QStringLiteral("热电偶")));
    QTest::mouseClick(m_main->GetDlgItem(button), Qt::LeftButton);

    m_family = rtd ? SENSOR_RTD : SENSOR_THERMOCOUPLE;
    m_type = 0;
    m_caption = rtd ? QStringLiteral("电阻") : QStringLiteral("电势");
    m_unit = rtd ? QStringLiteral(" Ω(欧姆)") : QStringLiteral(" mV (毫伏)");
    Expected expected;
    ExpectSensorReset(expected, {button, fw::Notify::ButtonClicked});
    Verify(MainWindow(), expected);
}

void RandomWindowRun::ChooseSensorType() {
    auto* types = m_main->DlgItem<QComboBox>(IDC_SENSOR_TYPE);
    if (m_random.Chance(50)) {
        // The keyboard on the closed list: a key past either end changes nothing.
        constexpr Qt::Key kKeys[] = {Qt::Key_Down, Qt::Key_Up,       Qt::Key_Home,
                                     Qt::Key_End,  Qt::Key_PageDown, Qt::Key_PageUp};
        const Qt::Key key = m_random.Pick(kKeys);
        Begin(MainWindow(), QStringLiteral("key %1 in the type list at %2")
                                .arg(QKeySequence(key).toString())
                                .arg(types->currentIndex()));
        QTest::keyClick(types, key);
    } else {
        // Another entry picked from the opened list.
        const int count = types->count();
        const int index = (types->currentIndex() + 1 + m_random.Below(count - 1)) % count;
        Begin(MainWindow(), QStringLiteral("pick type %1 from the list").arg(index));
        types->setCurrentIndex(index);
        emit types->activated(index);
    }
    Expected expected;
    if (types->currentIndex() != m_type) {
        m_type = types->currentIndex();
        ExpectSensorReset(expected, {IDC_SENSOR_TYPE, fw::Notify::SelChange});
    }
    Verify(MainWindow(), expected);
}

void RandomWindowRun::Begin(Window& window, const QString& what) {
    m_action = QStringLiteral("step %1, %2: %3").arg(m_step).arg(window.name, what);
    if (m_options.verbose) {
        Print(m_action);
    }
    m_history.push_back(m_action);
    if (m_history.size() > 12) {
        m_history.pop_front();
    }
    ++window.actions;
    m_before.clear();
    for (Window& each : m_windows) {
        each.notified.clear();
        std::vector<QString> texts;
        for (const auto& [id, edit] : each.edits) {
            texts.push_back(edit->text());
        }
        m_before.push_back(std::move(texts));
    }
    m_closer.clear();
}

void RandomWindowRun::Verify(Window& window, const Expected& expected) {
    for (Window& each : m_windows) {
        const std::vector<Notification> none;
        const std::vector<Notification>& wanted = &each == &window ? expected.notifications : none;
        if (each.notified != wanted) {
            return Fail(QStringLiteral("%1 dispatched %2, expected %3")
                            .arg(each.name, Describe(each.notified), Describe(wanted)));
        }
    }

    if (m_closer.count() != expected.messages) {
        return Fail(
            QStringLiteral("%1 modal window(s) came up, expected %2 out-of-range message(s)")
                .arg(m_closer.count())
                .arg(expected.messages));
    }
    for (const test::ModalWatcher::Closed& closed : m_closer.closed()) {
        if (closed.title != QLatin1String("ERRO") || closed.text != QStringLiteral("超出范围") ||
            closed.icon != QMessageBox::Critical || closed.owner != m_main.get()) {
            return Fail(
                QStringLiteral("unexpected modal \"%1\" / \"%2\"").arg(closed.title, closed.text));
        }
    }
    m_messages += m_closer.count();

    for (std::size_t w = 0; w < m_windows.size(); ++w) {
        const Window& each = m_windows[w];
        for (std::size_t i = 0; i < each.edits.size(); ++i) {
            const auto& [id, edit] = each.edits[i];
            QString wanted = m_before[w][i];
            if (&each == &window) {
                if (const auto found = expected.texts.find(id); found != expected.texts.end()) {
                    wanted = found->second;
                }
            }
            if (edit->text() != wanted) {
                return Fail(QStringLiteral("%1 reads \"%2\", expected \"%3\"")
                                .arg(FieldName(each, id), edit->text(), wanted));
            }
        }
    }
    if (&window == &MainWindow()) {
        VerifySensorPanelState();
    }
}

void RandomWindowRun::VerifySensorPanelState() {
    const auto* types = m_main->DlgItem<QComboBox>(IDC_SENSOR_TYPE);
    const auto* thermocouple = m_main->DlgItem<QAbstractButton>(IDC_THERMOCOUPLE_KIND);
    const auto* rtd = m_main->DlgItem<QAbstractButton>(IDC_RTD_KIND);
    const int typeCount = m_family == SENSOR_RTD ? 6 : 8;
    if (types->count() != typeCount || types->currentIndex() != m_type) {
        return Fail(QStringLiteral("type list has entry %1 of %2 selected, expected %3 of %4")
                        .arg(types->currentIndex())
                        .arg(types->count())
                        .arg(m_type)
                        .arg(typeCount));
    }
    if (thermocouple->isChecked() != (m_family == SENSOR_THERMOCOUPLE) ||
        rtd->isChecked() != (m_family == SENSOR_RTD)) {
        return Fail(QStringLiteral("the checked family button is not the one last clicked"));
    }
    if (m_main->GetDlgItemText(IDC_SENSOR_OUTPUT_CAPTION) != m_caption ||
        m_main->GetDlgItemText(IDC_SENSOR_OUTPUT_UNIT) != m_unit) {
        return Fail(
            QStringLiteral("output caption \"%1\" and unit \"%2\", expected \"%3\" and \"%4\"")
                .arg(m_main->GetDlgItemText(IDC_SENSOR_OUTPUT_CAPTION),
                     m_main->GetDlgItemText(IDC_SENSOR_OUTPUT_UNIT), m_caption, m_unit));
    }
}

void RandomWindowRun::Fail(const QString& message) {
    if (m_failed) {
        return;
    }
    m_failed = true;
    Print(QStringLiteral("FAIL at step %1 of %2 (seed %3)")
              .arg(m_step)
              .arg(m_options.steps)
              .arg(m_options.seed));
    Print(QStringLiteral("  ") + message);
    Print(QStringLiteral("  the last actions:"));
    for (const QString& line : m_history) {
        Print(QStringLiteral("    ") + line);
    }
    Print(QStringLiteral("  repeat with: random_window_runs --seed %1 --steps %2 --verbose")
              .arg(m_options.seed)
              .arg(m_step));
}

const res::UnitControls* RandomWindowRun::GroupOf(const Window& window, int controlId) const {
    for (const res::UnitControls* group : window.groups) {
        if (std::find(group->controlIds.begin(), group->controlIds.end(), controlId) !=
            group->controlIds.end()) {
            return group;
        }
    }
    return nullptr;
}

QString RandomWindowRun::FieldName(const Window& window, int controlId) const {
    const QWidget* field = window.dialog->GetDlgItem(controlId);
    return QStringLiteral("field %1 \"%2\"")
        .arg(controlId)
        .arg(field != nullptr ? field->accessibleName().trimmed() : QString());
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    g_defaultMessageHandler = qInstallMessageHandler(QuietMessageHandler);
    QApplication application(argc, argv);
    Options options;
    if (!ParseOptions(QApplication::arguments(), options)) {
        Print(QStringLiteral("usage: random_window_runs [--seed N] [--steps M] [--verbose]"));
        return 2;
    }
    // The windows speak Chinese, whatever the machine's desktop speaks.
    velmaro::res::UseLanguage(velmaro::texts::Language::Chinese);
    RandomWindowRun run(options);
    return run.Run() ? EXIT_SUCCESS : EXIT_FAILURE;
}
