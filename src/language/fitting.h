#pragma once

#include <QIcon>
#include <QString>

#include "platform/widgets.h"

// Texts of the pupil's language that are drawn rather than set on a control: they shrink to
// fit as a FittingLabel's do.
namespace language {

// The keypad picture `id` as an icon. In English, and for a key without words, it is the
// picture itself; the words of "clear memory", "Go" and "step" are drawn anew in another
// language.
QIcon keypadIcon(int id);

// The words a keypad picture shows, and where they go on it, in pixels; empty for a picture
// without words or in English.
struct PictureWords {
    QString text;
    QFont font;
    QRect area;
};
PictureWords keypadWords(int id);

// The listing's font: its designed size unless a command word, highlighted, would not fit
// after the leading spaces; then the size at which every word does.
void fitListing(platform::SurfaceWidget& listing, const platform::FontChoice& designed,
                int leadingSpaces);

// The listing's words as the listing draws them, leading spaces first.
QStringList listingLines(int leadingSpaces);

}  // namespace language
