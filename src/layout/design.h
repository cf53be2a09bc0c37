#pragma once

#include <QColor>
#include <QIcon>

#include "platform/fonts.h"
#include "platform/widgets.h"

// Colours and fonts that the window designs share.
namespace design {

inline const QColor floorGreen{0, 255, 0};
inline const QColor keypadGreen{192, 255, 192};
inline const QColor panelGrey{192, 192, 192};
inline const QColor queryGreen{128, 255, 128};
inline const QColor red{255, 0, 0};
inline const QColor blue{0, 0, 255};
// The main window's drawing colour; the trail of a run is drawn in plain blue.
inline const QColor floorInk{0, 0, 192};
inline const QColor white{255, 255, 255};

// The robot P2 and the target marker are squares of this many pixels on any screen.
inline constexpr int markerPixels = 35;

inline const platform::FontChoice sansSmall{QStringLiteral("MS Sans Serif"), 8.25};
inline const platform::FontChoice sans18{QStringLiteral("MS Sans Serif"), 18};
inline const platform::FontChoice sans24{QStringLiteral("MS Sans Serif"), 24};
inline const platform::FontChoice sans24Bold{QStringLiteral("MS Sans Serif"), 24, true};
inline const platform::FontChoice arial18{QStringLiteral("Arial"), 18};

// The desktop's own colours for a window's background and its text, so a high-contrast theme
// carries through.
QColor windowBackground();
QColor windowText();

// The robot facing up, for the windows that carry the application's icon.
QIcon applicationIcon();

// Gives a window its designed client area (the outer size adds the one-pixel border).
void setClientArea(platform::Window& window, double widthTwips, double heightTwips);

}  // namespace design
