#include "platform/fonts.h"

#include <QStringList>

namespace platform {

QFont font(const FontSpec& spec) {
    QFont result;
    const bool designFace =
        spec.face == QLatin1String("MS Sans Serif") || spec.face == QLatin1String("Arial");
    // Liberation Sans has Arial's metrics, so text fills the designed boxes as intended.
    result.setFamilies(
        designFace ? QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}
                   : QStringList{spec.face});
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(spec.points);
    result.setBold(spec.bold);
    result.setUnderline(spec.underline);
    return result;
}

}  // namespace platform
