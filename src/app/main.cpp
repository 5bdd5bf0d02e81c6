// Velmaro: a unit converter for thermal and process engineers.

#include "app/converter_app.h"
#include "framework/image_resources.h"
#include "res/resource_ids.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Ties the window to its menu entry and icon on desktops that ask.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.oskelta.Velmaro"));
    // One look on every desktop: the windows are laid out for it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Windows without an icon of their own, and the task bar, show the
    // application icon.
    QApplication::setWindowIcon(velmaro::fw::LoadIconGroup(velmaro::res::IDR_MAINFRAME));
    velmaro::CConverterApp converter(QApplication::arguments());
    converter.InitInstance();
    return 0;
}
