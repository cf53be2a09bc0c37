#include "layout/program_window.h"

#include <QCoreApplication>

#include "layout/design.h"

ProgramWindow::ProgramWindow()
    : platform::Window(design::windowBackground()),
      ExitButton(&client(), design::blue, design::sans24Bold),
      ProgramText(&client(), platform::Scale::Twips, design::windowBackground(), true) {
    setWindowIcon(design::applicationIcon());
    design::setClientArea(*this, 4200, 4950);
    setFont(platform::font(design::sans18));
    surface().setFont(design::sans18);

    ExitButton.twips.set(1200, 240, 975, 495);
    ExitButton.setText(QCoreApplication::translate("Listing", "exit"));
    ProgramText.twips.set(240, 840, 3855, 1695);
    ProgramText.surface().setFont(design::sans24);
    ProgramText.surface().setForeColor(design::windowText());

    platform::setTabOrder({&ExitButton, &ProgramText});

    connect(&ExitButton, &QPushButton::clicked, this, [this] { ExitButton_Click(); });
    closing = [this] { return Form_QueryUnload(); };
}
