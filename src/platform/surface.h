#pragma once

#include <QColor>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <functional>
#include <variant>
#include <vector>

#include "platform/fonts.h"
#include "platform/resources.h"

class QPainter;
class QPaintDevice;

namespace platform {

enum class PenStyle { Solid, Dotted };

struct Pen {
    QColor colour = Qt::black;
    double widthPixels = 1;
    PenStyle style = PenStyle::Solid;

    // A wide line is drawn solid whatever its style.
    bool drawsDotted() const { return style == PenStyle::Dotted && widthPixels <= 1; }
    bool operator==(const Pen&) const = default;
};

struct Line {
    QPointF from;
    QPointF to;
    Pen pen;
};

struct Box {
    QPointF corner;
    QPointF opposite;
    Pen pen;
    bool filled = false;
};

struct Text {
    QPointF at;  // top left of the text
    QString text;
    FontChoice font;
    QColor colour;
};

struct PictureAt {
    QPointF at;   // top left of the picture
    QSizeF size;  // the picture's natural size, in the surface's units
    Picture picture;
};

// Where a page ends and the next begins, on a surface that prints on paper.
struct PageBreak {
    bool operator==(const PageBreak&) const = default;
};

using Command = std::variant<Line, Box, Text, PictureAt, PageBreak>;

// What a surface measures its coordinates in. A twips surface can be switched to points and
// back; what it keeps is in twips all the same.
enum class Scale { Twips, Pixels, Points };

// A drawing surface that keeps what is drawn on it as a list of commands. Pen, font and the
// current text position are surface state, as on a window. Painting replays the list, so the
// drawing survives being covered and is sharp at any pixel ratio, and tests can read it.
class Surface {
  public:
    explicit Surface(Scale scale = Scale::Twips) : scale_(scale), mode_(scale) {}

    // Erases everything drawn and sends the text position home.
    void cls();

    // The device the surface is painted on, for its pixel size per axis, its font metrics and,
    // for a page, its size; nullptr is the screen. The device must outlive its use here.
    void setDevice(const QPaintDevice* device) { device_ = device; }
    // Twips or points on a twips surface; the current position stays where it is.
    void setScaleMode(Scale mode);
    Scale scaleMode() const { return mode_; }

    void setDrawColor(const QColor& colour) { pen_.colour = colour; }
    void setDrawWidth(double pixels) { pen_.widthPixels = pixels; }
    void setDrawStyle(PenStyle style) { pen_.style = style; }
    void setFont(const FontChoice& font) { font_ = font; }
    void setForeColor(const QColor& colour) { textColour_ = colour; }
    const Pen& pen() const { return pen_; }
    const FontChoice& font() const { return font_; }

    void line(double x1, double y1, double x2, double y2);
    void box(double x1, double y1, double x2, double y2, bool filled);
    // Writes text at the current position; then either stays on the line, after the text, or
    // goes to the start of the next line.
    void print(const QString& text, bool endLine);
    void paintPicture(const Picture& picture, double x, double y);
    // The same, stretched over width x height in the current units.
    void paintPicture(const Picture& picture, double x, double y, double width, double height);
    // Ends the page on a surface that prints on paper: what follows goes on a new one.
    void newPage();

    // The current position, in the current scale mode's units.
    double currentX() const { return currentX_ / modeFactor(); }
    double currentY() const { return currentY_ / modeFactor(); }
    void setCurrentX(double x) { currentX_ = x * modeFactor(); }
    void setCurrentY(double y) { currentY_ = y * modeFactor(); }

    // Size of text in the current font, measured on the device, in the current units.
    double textWidth(const QString& text) const;
    double textHeight() const;

    // The size of one of the device's pixels in what the surface keeps (twips or pixels).
    double unitsPerPixelX() const;
    double unitsPerPixelY() const;

    // The printable part of the page in twips, whatever the scale mode; empty when the
    // device is not a page.
    QSizeF pageSize() const;
    // Pages so far: one more than the page breaks.
    int pages() const;
    // Called at the top of each page after the first, before the text that continues there;
    // what it prints stands above that text.
    std::function<void()> pageStarted;

    // The visible extent in the surface's units: a picture that covers it all hides
    // everything drawn before, which is then forgotten so the list does not grow for ever.
    std::function<QSizeF()> extent;

    const std::vector<Command>& commands() const { return commands_; }
    // Plays the list onto the painter, whose transform maps what the surface keeps to the
    // device; at each page break, nextPage is called (a screen has none). A page shown at
    // another size than it was drawn for scales its pens by penScale.
    void replay(QPainter& painter, const std::function<void()>& nextPage = {},
                double penScale = 1) const;

    // Called after every change, so a widget can repaint.
    std::function<void()> changed;

  private:
    void append(Command command);
    void appendPicture(const PictureAt& picture);
    void startPage();
    // Units of what is kept per unit of the current scale mode.
    double modeFactor() const;
    QPointF kept(double x, double y) const { return {x * modeFactor(), y * modeFactor()}; }

    Scale scale_;
    Scale mode_;
    const QPaintDevice* device_ = nullptr;
    Pen pen_;
    FontChoice font_;
    QColor textColour_ = Qt::black;
    double currentX_ = 0;
    double currentY_ = 0;
    std::vector<Command> commands_;
};

}  // namespace platform
