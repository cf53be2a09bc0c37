#include "app/variables.h"
#include "layout/windows.h"
#include "platform/screen.h"
#include "platform/twips.h"

using namespace variables;

namespace {

// Sums of start-up sizes are 16-bit integer twips, handed to the control as singles.
float sizes(int twips) {
    return platform::single(toInteger(twips));
}

void place(platform::TwipsGeometry& button, float left, float top, bool topFirst) {
    button.setWidth(sizes(buttonwidth));
    button.setHeight(sizes(buttonheight));
    if (topFirst) {
        button.setTop(top);
        button.setLeft(left);
    } else {
        button.setLeft(left);
        button.setTop(top);
    }
}

}  // namespace

void GraphicsWindow::drawbuttons() {
    ButtonsWindow& keypad = buttons();
    const float column1 = sizes(2 * gapx + buttonwidth);
    const float column2 = sizes(3 * gapx + 2 * buttonwidth);
    const float row1 = sizes(2 * gapy + buttonheight);
    const float row2 = sizes(3 * gapy + 2 * buttonheight);

    place(keypad.forwards.twips, column1, sizes(gapy), true);
    place(keypad.LeftTurn.twips, sizes(gapx), row1, true);
    place(keypad.RightTurn.twips, column2, row1, true);
    place(keypad.pause.twips, column1, row1, true);
    place(keypad.clear.twips, sizes(gapx), row2, false);
    place(keypad.backwards.twips, column1, row2, false);
    place(keypad.go.twips, column2, row2, false);

    keypad.Picture1.twips.setTop(sizes(gapy));
    keypad.Picture1.twips.setLeft(sizes(gapx));
    keypad.Picture1.twips.setHeight(sizes(4 * gapy + 3 * buttonheight));
    keypad.Picture1.twips.setWidth(sizes(4 * gapx + 3 * buttonwidth));

    // The window's own size and place are plain floating point, read back from the controls.
    keypad.twips.setWidth(platform::single(2 * gapx + keypad.Picture1.twips.width()));
    keypad.twips.setHeight(platform::single(5 * gapy + keypad.Picture1.twips.height()));
    const platform::ScreenMetrics screen = platform::screen();
    keypad.twips.setLeft(platform::single(screen.width - keypad.twips.width()));
    keypad.twips.setTop(platform::single(screen.height - keypad.twips.height()));
    keypad.show();
}
