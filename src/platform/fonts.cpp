#include "platform/fonts.h"

#include <QStringList>

namespace platform {

QFont font(const FontChoice& choice) {
    QFont result;
    const bool designFace =
        choice.face == QLatin1String("MS Sans Serif") || choice.face == QLatin1String("Arial");
    // Liberation Sans has Arial's metrics, so text fills the designed boxes as intended.
    result.setFamilies(
        designFace ? QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}
                   : QStringList{choice.face});
    result.setStyleHint(QFont::SansSerif);
    result.setPointSizeF(choice.points);
    result.setBold(choice.bold);
    result.setUnderline(choice.underline);
    return result;
}

}  // namespace platform
