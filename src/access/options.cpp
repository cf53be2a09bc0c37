#include <QCommandLineParser>

#include "access/access.h"

namespace a11y {

namespace {

Options chosen_;

// A period a switch user can follow, and not so long that a pupil gives up waiting.
constexpr double shortestScan = 0.5;
constexpr double longestScan = 30;

const QString highContrast = QStringLiteral("high-contrast");
const QString scan = QStringLiteral("scan");
const QString twoSwitches = QStringLiteral("two-switches");
const QString scanSeconds = QStringLiteral("scan-seconds");
const QString stepButton = QStringLiteral("step-button");

}  // namespace

const Options& options() {
    return chosen_;
}

void setOptions(const Options& chosen) {
    chosen_ = chosen;
}

CommandLine::CommandLine(QCommandLineParser& parser) : parser_(parser) {
    parser.addOptions({
        {highContrast, Texts::tr("Colours of strong contrast, larger listing text and a "
                                 "thicker focus ring.")},
        {scan, Texts::tr("Highlights the keypad's buttons in turn; Space or Enter presses "
                         "the highlighted one.")},
        {twoSwitches, Texts::tr("Scanning with two switches: Space moves the highlight, "
                                "Enter presses.")},
        {scanSeconds, Texts::tr("How long each button stays highlighted (1.5 seconds)."),
         Texts::tr("seconds")},
        {stepButton, Texts::tr("A keypad button that runs the program one step at a time.")},
    });
}

std::optional<Options> CommandLine::read(QString& problem, Options given) const {
    given.highContrast = given.highContrast || parser_.isSet(highContrast);
    given.twoSwitches = given.twoSwitches || parser_.isSet(twoSwitches);
    given.scan = given.scan || parser_.isSet(scan) || given.twoSwitches;
    given.stepButton = given.stepButton || parser_.isSet(stepButton);
    if (parser_.isSet(scanSeconds)) {
        bool number = false;
        given.scanSeconds = parser_.value(scanSeconds).toDouble(&number);
        if (!number || given.scanSeconds < shortestScan || given.scanSeconds > longestScan) {
            problem = Texts::tr("--scan-seconds takes a number of seconds from %1 to %2")
                          .arg(shortestScan)
                          .arg(longestScan);
            return std::nullopt;
        }
    }
    return given;
}

}  // namespace a11y
