#include "shell/about_box.h"

#include "res/about_box_template.h"

#include <QKeyEvent>

namespace velmaro {

CAboutBox::CAboutBox() : fw::CDialog(res::AboutBoxTemplate(), nullptr) {}

CAboutBox::~CAboutBox() = default;

void CAboutBox::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        accept();
        return;
    }
    fw::CDialog::keyPressEvent(event);
}

} // namespace velmaro
