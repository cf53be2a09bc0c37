#include "layout/buttons_window.h"

#include "layout/design.h"

ButtonsWindow::ButtonsWindow()
    : platform::Window(design::keypadGreen),
      Picture1(&client(), platform::Scale::Twips, design::panelGrey, true),
      forwards(&Picture1.client(), design::white, design::sansSmall),
      LeftTurn(&Picture1.client(), design::white, design::sansSmall),
      pause(&Picture1.client(), design::white, design::sansSmall),
      RightTurn(&Picture1.client(), design::white, design::sansSmall),
      clear(&Picture1.client(), design::white, design::sansSmall),
      backwards(&Picture1.client(), design::white, design::sansSmall),
      go(&Picture1.client(), design::white, design::sansSmall) {
    design::setClientArea(*this, 5745, 5655);
    setFont(platform::font(design::sans18));
    surface().setFont(design::sans18);

    Picture1.twips.set(150, 150, 5325, 5325);
    forwards.twips.set(1875, 150, 1575, 1575);
    LeftTurn.twips.set(150, 1875, 1575, 1575);
    pause.twips.set(1875, 1875, 1575, 1575);
    RightTurn.twips.set(3600, 1875, 1575, 1575);
    clear.twips.set(150, 3600, 1575, 1575);
    backwards.twips.set(1875, 3600, 1575, 1575);
    go.twips.set(3600, 3600, 1575, 1575);

    platform::setTabOrder({&forwards, &LeftTurn, &pause, &RightTurn, &clear, &backwards, &go});

    // Ticks for the life of the window, from the moment it is created.
    Timer1.setInterval(100);
    Timer1.start();
}
