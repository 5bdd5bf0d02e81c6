// Velmaro: a unit converter for thermal and process engineers.

#include "app/converter_app.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Ties the window to its menu entry and icon on desktops that ask.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.oskelta.Velmaro"));
    // One look on every desktop: the windows are laid out for it.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    velmaro::CConverterApp converter(QApplication::arguments());
    converter.InitInstance();
    return 0;
}
