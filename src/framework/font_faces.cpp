#include "framework/font_faces.h"

#include "framework/font_stand_ins.h"
#include "framework/utf8_text.h"

namespace velmaro::fw {

QStringList FamiliesForFace(std::string_view face) {
    QStringList families;
    for (const FaceStandIn& standIn : FaceStandIns()) {
        if (standIn.face == face) {
            for (const char* family : standIn.families) {
                if (family != nullptr && !families.contains(QString::fromUtf8(family))) {
                    families << QString::fromUtf8(family);
                }
            }
            return families;
        }
    }
    families << Utf8(face);
    return families;
}

QFont MakeFont(std::string_view face, int pixelSize) {
    QFont font;
    font.setFamilies(FamiliesForFace(face));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace velmaro::fw
