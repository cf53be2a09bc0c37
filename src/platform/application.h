#pragma once

#include <thread>

namespace platform {

// Chooses how Qt reaches the display before the application object exists: on Wayland a
// window cannot place itself, so MARLO asks for X11 (XWayland) first when it is there.
void preferPlaceableWindows();

// Reads the font configuration on a second thread while Qt opens the display: fontconfig's
// first initialisation is the largest single cost of start-up, paid at the first line of text.
// Made before the application object, finished before any window. The thread calls fontconfig
// alone: Qt objects made there, before the application object, raced Qt's own start-up.
class ReadAhead {
  public:
    ReadAhead();
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;
    // Waits for the thread; afterwards Qt finds the configuration read.
    void finish();

  private:
    std::thread reader_;
};

}  // namespace platform
