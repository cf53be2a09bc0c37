#include "app/variables.h"
#include "layout/design.h"
#include "layout/windows.h"
#include "platform/screen.h"

using platform::single;
using variables::gapx;

namespace {
constexpr float captionTop = 250;
constexpr float spaceBelowBottomRow = 500;
constexpr float robotSidePixels = design::markerPixels;
constexpr float nameColumns = 2;

float rightEdge(const platform::TwipsGeometry& control) {
    return single(control.width()) + single(control.left());
}
}  // namespace

void GraphicsWindow::drawmybits() {
    const platform::ScreenMetrics screen = platform::screen();
    const float gap = gapx;
    const float twoGaps = variables::toInteger(2 * gapx);

    twips.setHeight(single(screen.height));
    twips.setWidth(single(screen.width) - single(buttons().twips.width()));
    twips.setLeft(0);
    twips.setTop(0);

    P2.twips.setWidth(robotSidePixels * single(screen.twipsPerPixelX));
    P2.twips.setHeight(robotSidePixels * single(screen.twipsPerPixelY));

    pname.twips.setLeft(gap);
    pname.twips.setTop(captionTop);
    pname.twips.setWidth((single(twips.width()) - gap) / nameColumns);
    mname.twips.setLeft(twoGaps + single(pname.twips.width()));
    mname.twips.setTop(single(pname.twips.top()));
    mname.twips.setWidth(single(pname.twips.width()));

    progname.twips.setLeft(single(pname.twips.left()));
    progname.twips.setWidth(single(pname.twips.width()));
    progname.twips.setTop(single(pname.twips.height()) + single(pname.twips.top()));
    progname.setText(variables::programname);
    myname.twips.setLeft(single(mname.twips.left()));
    myname.twips.setWidth(single(mname.twips.width()));
    myname.twips.setTop(single(progname.twips.top()));
    myname.setText(variables::author);

    aim.twips.setLeft(gap);
    aim.twips.setTop(single(screen.height) - single(load.twips.height()) - spaceBelowBottomRow);
    load.twips.setLeft(rightEdge(aim.twips) + gap);
    load.twips.setTop(single(aim.twips.top()));
    PrintButton.twips.setLeft(rightEdge(load.twips) + gap);
    PrintButton.twips.setTop(single(load.twips.top()));
    save.twips.setLeft(rightEdge(PrintButton.twips) + gap);
    save.twips.setTop(single(load.twips.top()));

    warnings.twips.setLeft(rightEdge(save.twips) + gap);
    warnings.twips.setWidth(single(twips.width()) - single(warnings.twips.left()) - gap);
    warnings.twips.setTop(single(save.twips.top()));
}
