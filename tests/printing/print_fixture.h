#pragma once

#include <QDate>
#include <QTemporaryDir>
#include <vector>

#include "platform/surface.h"
#include "printing/PrinterSupport.h"
#include "simulation/Module2.h"
#include "support/fakes.h"
#include "support/marlo_fixture.h"

class FixedCalendar final : public platform::Calendar {
  public:
    QDate today() override { return QDate(2026, 12, 5); }
};

// MARLO started with its home in a fresh folder, a chosen printer (none unless a test says
// so) and a fixed date.
class PrintTest : public MarloTest {
  protected:
    void SetUp() override {
        MarloTest::SetUp();
        ASSERT_TRUE(home.isValid());
        qputenv("HOME", home.path().toLocal8Bit());
        printers.paperPath = home.filePath(QStringLiteral("paper.pdf"));
        PrinterSupport::printer() = platform::Surface();
        startMarlo();
    }

    // Makes the floor the given number of cells across and down.
    static void setFloor(int columns, int rows) {
        GraphicsWindow& main = graphics();
        const double cell = variables::cellsize;
        main.twips.setWidth((columns + 0.6) * cell);
        main.load.twips.setTop(main.progname.twips.top() + main.progname.twips.height() +
                               (rows + 0.6) * cell);
    }

    static void showTarget(int column, int row) {
        variables::targetx = static_cast<std::int16_t>(column);
        variables::targety = static_cast<std::int16_t>(row);
        graphics().target.show();
    }

  public:
    // Where a cell stands on the fake printers' 12240-twip page.
    static double px(double column) {
        return (column + 2) * 12240.0 / (2 * Module2::columncount() + 4);
    }
    static double py(double row) {
        return (row + 1) * 12240.0 / (2 * Module2::columncount() + 4) + 1000;
    }

    template <class Kind>
    static std::vector<Kind> printed() {
        std::vector<Kind> found;
        for (const platform::Command& command : PrinterSupport::printer().commands())
            if (const auto* item = std::get_if<Kind>(&command)) found.push_back(*item);
        return found;
    }

    static std::vector<QString> textsAt(double x) {
        std::vector<QString> found;
        for (const platform::Text& text : printed<platform::Text>())
            if (std::abs(text.at.x() - x) < 0.01) found.push_back(text.text);
        return found;
    }

  protected:
    QString pdfPath(const QString& name) const {
        return home.filePath(QStringLiteral("brindle/marlo/programs/me/") + name);
    }

    QTemporaryDir home;
    FakePrinters printers;
    UsingFake<platform::Printers> fakePrinters{printers};
    FixedCalendar calendar;
    UsingFake<platform::Calendar> fakeCalendar{calendar};
};
