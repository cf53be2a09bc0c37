#include "language/fitting.h"
#include "layout/design.h"
#include "layout/windows.h"
#include "platform/screen.h"
#include "platform/twips.h"

using platform::single;

namespace {
// Fixed twips, whatever the screen: the listing's margin and what comes off its height.
constexpr float margin = 20;
constexpr float heightAllowance = 60;
}  // namespace

void GraphicsWindow::drawprogram() {
    ButtonsWindow& keypad = buttons();
    ProgramWindow& listing = program();
    const float screenHeight = single(platform::screen().height);

    listing.twips.setWidth(single(keypad.twips.width()));
    listing.twips.setHeight(screenHeight - single(keypad.twips.height()));
    listing.twips.setLeft(single(keypad.twips.left()));
    listing.twips.setTop(0);
    listing.ExitButton.twips.setTop(0);
    listing.ExitButton.twips.setLeft(0);
    listing.ExitButton.twips.setWidth(single(keypad.twips.width()));
    listing.ProgramText.twips.setWidth(single(listing.twips.width()) - margin);
    listing.ProgramText.twips.setTop(single(listing.ExitButton.twips.height()) +
                                     single(listing.ExitButton.twips.top()) + margin);
    listing.ProgramText.twips.setHeight(
        single(listing.twips.height()) - single(listing.ExitButton.twips.top()) -
        single(listing.ExitButton.twips.height()) - heightAllowance);
    listing.ProgramText.twips.setLeft(margin);
    language::fitListing(listing.ProgramText, design::sans24,
                         ButtonsWindow::leadingSpaceCount(listing.ProgramText.twips.width()));
    listing.show();
}
