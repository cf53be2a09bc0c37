#pragma once

class QWidget;

namespace platform {

inline constexpr double twipsPerInch = 1440;
inline constexpr double twipsPerPoint = 20;

// The window layouts and the report hand their values to controls and to the page as single
// precision numbers, and compute with what they read back the same way.
inline float single(double value) {
    return static_cast<float>(value);
}

// Left, Top, Width and Height of a window or control in twips. The twips are the source of
// truth: they are kept exactly as assigned and read back unchanged, and the widget follows
// them in device-independent pixels. A top-level window is placed on the screen; a control
// sits in its parent's client area.
class TwipsGeometry {
  public:
    explicit TwipsGeometry(QWidget& widget) : widget_(widget) {}

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }

    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);
    void set(double left, double top, double width, double height);

  private:
    // Maps the twips to pixels.
    void apply();

    QWidget& widget_;
    double left_ = 0;
    double top_ = 0;
    double width_ = 0;
    double height_ = 0;
};

}  // namespace platform
