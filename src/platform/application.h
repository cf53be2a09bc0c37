#pragma once

#include <thread>

namespace platform {

// Chooses how Qt reaches the display before the application object exists: on Wayland a
// window cannot place itself, so MARLO asks for X11 (XWayland) first when it is there.
void preferPlaceableWindows();

// Start-up work that needs no display, done on a second thread while Qt opens one: reading the
// font configuration (the largest single cost of start-up, paid at the first line of text)
// and decoding the pictures. Made before the application object, finished before any window.
class ReadAhead {
  public:
    ReadAhead();
    ~ReadAhead();
    ReadAhead(const ReadAhead&) = delete;
    ReadAhead& operator=(const ReadAhead&) = delete;
    // Waits for the thread; afterwards Qt finds the fonts read and bitmap() the pictures.
    void finish();

  private:
    std::thread reader_;
};

}  // namespace platform
