#pragma once

#include <QFont>
#include <QString>

namespace platform {

// A font as the window designs name it.
struct FontChoice {
    QString face = QStringLiteral("MS Sans Serif");
    double points = 8.25;
    bool bold = false;
    bool underline = false;

    bool operator==(const FontChoice&) const = default;
};

// The Qt font for a design font. "MS Sans Serif" and "Arial" are not on Debian; they map to a
// sans-serif face that is, at the same point size.
QFont font(const FontChoice& choice);

}  // namespace platform
