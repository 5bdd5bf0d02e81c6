#pragma once

// Pictures of the program by resource number, as the templates name them.
// They are compiled in as Qt resources: ":/images/bitmap<N>.png" and
// ":/images/icon<N>_<size>.png".

#include <QIcon>
#include <QPixmap>

namespace velmaro::fw {

// A null pixmap when the resource is missing; the caller shows nothing then.
QPixmap LoadBitmapResource(int number);
QPixmap LoadIconResource(int number, int size);
// Every size of an icon group, for window icons.
QIcon LoadIconGroup(int number);

} // namespace velmaro::fw
