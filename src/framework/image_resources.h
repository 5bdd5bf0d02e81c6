#pragma once

// Pictures of the program by resource number, as the templates name them.
// They are compiled in as Qt resources: ":/images/bitmap<N>.png" and
// ":/images/icon<N>_<size>.png". A picture with words in it has a variant per
// language in a folder of its own (":/images/en/bitmap189.png"), used in
// place of the first where the application has chosen that folder.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace velmaro::fw {

// The folder of the variants to use ("en"), or "" for none.
void SetPictureVariant(const QString& folder);

// A null pixmap when the resource is missing; the caller shows nothing then.
QPixmap LoadBitmapResource(int number);
QPixmap LoadIconResource(int number, int size);
// Every size of an icon group, for window icons.
QIcon LoadIconGroup(int number);

} // namespace velmaro::fw
