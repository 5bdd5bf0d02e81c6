#include "controls/shell_services.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace velmaro {
namespace {

ShellOpenFunction& OpenHook() {
    static ShellOpenFunction hook;
    return hook;
}

MessageBeepFunction& BeepHook() {
    static MessageBeepFunction hook;
    return hook;
}

} // namespace

bool ShellOpen(const QString& address) {
    if (OpenHook()) {
        return OpenHook()(address);
    }
    // An address without a scheme ("www.example.org") is read as a web address.
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

void MessageBeep() {
    if (BeepHook()) {
        BeepHook()();
        return;
    }
    QApplication::beep();
}

void SetShellOpenHook(ShellOpenFunction open) {
    OpenHook() = std::move(open);
}

void SetMessageBeepHook(MessageBeepFunction beep) {
    BeepHook() = std::move(beep);
}

} // namespace velmaro
