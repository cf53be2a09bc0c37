#include "layout/graphics_window.h"

#include <QCoreApplication>

#include "layout/design.h"

using platform::Control;
using platform::FlatButton;
using platform::FlatLabel;
using platform::NameBox;
using platform::Scale;
using platform::SurfaceWidget;

namespace {
constexpr int nameBoxTypingLimit = 22;
// A long status, such as where a report was saved, shrinks no further than this before its
// middle gives way: half the designed size, still easy to read.
constexpr double smallestStatusPoints = 12;
// The labels over the name boxes, in a language with longer words.
constexpr double smallestLabelPoints = 9;
}  // namespace

GraphicsWindow::GraphicsWindow()
    : platform::Window(design::floorGreen),
      warnings(&client(), QString(), design::floorGreen, design::sans24, smallestStatusPoints),
      load(&client(), design::white, design::sans18),
      PrintButton(&client(), design::white, design::sans18),
      save(&client(), design::white, design::sans18),
      P2(&client(), Scale::Pixels, design::floorGreen, false),
      pname(&client(), QCoreApplication::translate("MainWindow", "program name"),
            design::floorGreen, design::sans18, smallestLabelPoints),
      mname(&client(), QCoreApplication::translate("MainWindow", "my name"), design::floorGreen,
            design::sans18, smallestLabelPoints),
      progname(&client(), design::arial18, nameBoxTypingLimit),
      myname(&client(), design::sans18, nameBoxTypingLimit),
      target(&client(), Scale::Twips, design::red, false),
      aim(&client(), design::red, design::sans18) {
    setWindowIcon(design::applicationIcon());
    design::setClientArea(*this, 4680, 5220);
    surface().setForeColor(design::floorInk);
    surface().setDrawColor(design::floorInk);

    warnings.twips.set(240, 4440, 4215, 615);
    load.twips.set(2640, 3600, 900, 615);
    PrintButton.twips.set(2760, 2880, 900, 615);
    save.twips.set(720, 3600, 900, 615);
    P2.twips.set(1920, 2880, 525, 525);
    P2.surface().setForeColor(design::white);
    pname.twips.set(120, 120, 2175, 450);
    mname.twips.set(2520, 120, 2055, 450);
    progname.twips.set(240, 960, 1935, 555);
    myname.twips.set(2520, 960, 1935, 555);
    target.twips.set(600, 1800, 735, 735);
    aim.twips.set(1920, 1920, 1200, 615);
    aim.setText(QCoreApplication::translate("MainWindow", "target"));

    // The robot stays visible when it stands on the target.
    P2.raise();

    platform::setTabOrder({&load, &PrintButton, &save, &progname, &myname, &aim});

    // Typed or assigned, every change of a name box reaches its handler.
    connect(&myname, &QLineEdit::textChanged, this, [this] { myname_Change(); });
    connect(&progname, &QLineEdit::textChanged, this, [this] { progname_Change(); });

    connect(&aim, &QPushButton::clicked, this, [this] { aim_Click(); });
    connect(&PrintButton, &QPushButton::clicked, this, [this] { PrintButton_Click(); });
    connect(&save, &QPushButton::clicked, this, [this] { save_Click(); });
    connect(&load, &QPushButton::clicked, this, [this] { load_Click(); });
    target.clicked = [this] { target_Click(); };
    closing = [this] { return Form_QueryUnload(); };
}
