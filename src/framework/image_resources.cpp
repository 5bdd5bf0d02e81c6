#include "framework/image_resources.h"

#include <QFile>

namespace velmaro::fw {

QPixmap LoadBitmapResource(int number) {
    return QPixmap(QStringLiteral(":/images/bitmap%1.png").arg(number));
}

QPixmap LoadIconResource(int number, int size) {
    return QPixmap(QStringLiteral(":/images/icon%1_%2.png").arg(number).arg(size));
}

QIcon LoadIconGroup(int number) {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral(":/images/icon%1_%2.png").arg(number).arg(size);
        if (QFile::exists(path)) {
            icon.addFile(path, QSize(size, size));
        }
    }
    return icon;
}

} // namespace velmaro::fw
