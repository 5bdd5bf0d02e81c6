// Time of one keystroke in a pressure field of the main window: the change
// cycle reads all 41 fields, converts, and writes every field back. Prints the
// median and the worst of many keystrokes; it measures, it asserts nothing.

#include "framework/app.h"
#include "mainwnd/converter_dlg.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

class BenchApp : public velmaro::fw::CWinApp {
public:
    bool InitInstance() override { return false; }
};

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    const int keystrokes = argc > 1 ? std::max(10, std::atoi(argv[1])) : 1000;

    BenchApp app;
    app.SetDialogBkColor(QColor(236, 233, 216), QColor(80, 0, 0));
    velmaro::CConverterDlg::SetStartupPause(0);
    velmaro::CConverterDlg window;
    app.m_pMainWnd = &window;
    window.Create();
    auto* atm = window.DlgItem<QLineEdit>(1016);
    atm->setFocus();

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(keystrokes));
    const Qt::Key digits[] = {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4, Qt::Key_5};
    for (int i = 0; i < keystrokes; ++i) {
        // Alternate typing a digit and deleting it, so the text stays short.
        const bool erase = i % 2 == 1;
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(atm, erase ? Qt::Key_Backspace : digits[i % 5]);
        const auto stop = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(stop - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("keystrokes: %d\nmedian: %.1f us\np99: %.1f us\nworst: %.1f us\n", keystrokes,
                micros[micros.size() / 2], micros[micros.size() * 99 / 100], micros.back());
    return 0;
}
