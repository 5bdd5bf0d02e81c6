#include "framework/image_resources.h"

#include <QFile>

namespace velmaro::fw {
namespace {

QString g_variant;

// The picture's path in the chosen variant's folder where it has one there.
QString PicturePath(const QString& name) {
    if (!g_variant.isEmpty()) {
        QString variant = QStringLiteral(":/images/%1/%2").arg(g_variant, name);
        if (QFile::exists(variant)) {
            return variant;
        }
    }
    return QStringLiteral(":/images/") + name;
}

} // namespace

void SetPictureVariant(const QString& folder) {
    g_variant = folder;
}

QPixmap LoadBitmapResource(int number) {
    return QPixmap(PicturePath(QStringLiteral("bitmap%1.png").arg(number)));
}

QPixmap LoadIconResource(int number, int size) {
    return QPixmap(PicturePath(QStringLiteral("icon%1_%2.png").arg(number).arg(size)));
}

QIcon LoadIconGroup(int number) {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QString path = PicturePath(QStringLiteral("icon%1_%2.png").arg(number).arg(size));
        if (QFile::exists(path)) {
            icon.addFile(path, QSize(size, size));
        }
    }
    return icon;
}

} // namespace velmaro::fw
