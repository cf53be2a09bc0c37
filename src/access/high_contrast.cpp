#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "access/access.h"
#include "access/parts.h"
#include "layout/design.h"
#include "layout/windows.h"
#include "platform/screen.h"
#include "printing/PrinterSupport.h"

namespace a11y {

namespace {

// Text at least 7:1 against what it is written on, the floor's marks at least 3:1 against
// the floor. The designed red under black text is only 5.3:1, and black on blue 2.4:1, so
// those faces carry white text; the red goes darker so white reads on it.
const QColor darkRed{170, 0, 0};
constexpr int buttonRingPixels = 6;
constexpr int keypadRingPixels = 8;
// The listing grows to this size where its rows and its widest word still fit.
constexpr double largestListingPoints = 36;

void textColour(QWidget& control, QPalette::ColorRole role, const QColor& colour) {
    QPalette colours = control.palette();
    colours.setColor(role, colour);
    control.setPalette(colours);
}

// Light faces keep black text and get a black ring; dark faces white text and a white ring.
void look(platform::FlatButton& button, const QColor& face, const QColor& text) {
    button.setLook({face, text, buttonRingPixels, text});
}

void nameBox(QLineEdit& box) {
    textColour(box, QPalette::Base, Qt::white);
    textColour(box, QPalette::Text, Qt::black);
}

// The largest size, from the designed one, at which every row the listing shows and the
// widest word, bold when it is the step being run, fit its box.
void largerListing(ProgramWindow& listing) {
    ButtonsWindow& keypad = buttons();
    keypad.printprog();
    const int rows = keypad.listrows + 1;
    const platform::ScreenMetrics screen = platform::screen();
    const double height = listing.ProgramText.twips.height() - 2 * screen.twipsPerPixelY;
    const double width = listing.ProgramText.twips.width() - 2 * screen.twipsPerPixelX;
    const int spaces = qRound(listing.ProgramText.twips.width() / 480);
    platform::Surface& box = listing.ProgramText.surface();
    platform::FontChoice chosen = box.font();
    for (double points = chosen.points + 1; points <= largestListingPoints; ++points) {
        platform::FontChoice larger = chosen;
        larger.points = points;
        larger.bold = true;
        box.setFont(larger);
        // The longest command word: "backwards" in English, another in another language.
        double widest = 0;
        for (const char* letter : {"F", "B", "L", "R", "P"})
            widest =
                std::max(widest, box.textWidth(PrinterSupport::commandword(QLatin1String(letter))));
        larger.bold = false;
        box.setFont(larger);
        const bool fits = rows * box.textHeight() <= height &&
                          spaces * box.textWidth(QStringLiteral(" ")) + widest <= width;
        if (!fits) break;
        chosen = larger;
    }
    box.setFont(chosen);
}

}  // namespace

void useHighContrast() {
    GraphicsWindow& main = graphics();
    for (platform::FlatButton* button : {&main.load, &main.PrintButton, &main.save})
        look(*button, design::white, Qt::black);
    look(main.aim, darkRed, Qt::white);
    main.target.setBackground(darkRed);
    for (QLabel* label : std::initializer_list<QLabel*>{&main.warnings, &main.pname, &main.mname})
        textColour(*label, QPalette::WindowText, Qt::black);
    nameBox(main.progname);
    nameBox(main.myname);

    ProgramWindow& listing = program();
    look(listing.ExitButton, design::blue, Qt::white);
    listing.setBackground(Qt::white);
    listing.ProgramText.setBackground(Qt::white);
    listing.ProgramText.surface().setForeColor(Qt::black);
    largerListing(listing);

    // Made now rather than when first asked for, so it is dressed before anyone sees it.
    QueryExitWindow& question = QueryExit();
    look(question.anyway, darkRed, Qt::white);
    look(question.cancel, design::blue, Qt::white);
    textColour(question.message, QPalette::WindowText, Qt::black);

    ButtonsWindow& keypad = buttons();
    keypad.focusRing.setStyleSheet(
        QStringLiteral("border: %1px solid black;").arg(keypadRingPixels));
    keypad.focusRingReach = keypadRingPixels + 1;
}

}  // namespace a11y
