#pragma once

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <optional>

#include "platform/fonts.h"
#include "platform/surface.h"
#include "platform/twips.h"

namespace platform {

// A widget placed in twips. Every window and control of MARLO is one of these.
template <class Widget>
class Control : public Widget {
  public:
    template <class... Args>
    explicit Control(Args&&... args) : Widget(std::forward<Args>(args)...), twips(*this) {}

    TwipsGeometry twips;
};

// A picture box: a retained drawing surface on a background colour, with or without a thin
// border. Children and drawing sit inside the border; the client widget that holds the
// children paints nothing, so the drawing shows through it.
class SurfaceWidget : public QWidget {
  public:
    SurfaceWidget(QWidget* parent, Scale scale, const QColor& background, bool bordered);

    Surface& surface() { return surface_; }
    const Surface& surface() const { return surface_; }
    QWidget& client() { return *client_; }
    void setBackground(const QColor& background);

    // Called when the box is clicked with the left button.
    std::function<void()> clicked;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QRect clientRect() const;

    Surface surface_;
    QColor background_;
    bool bordered_;
    QWidget* client_;
};

// A top-level window without a title bar, with a one-pixel border; its twips geometry is its
// outer size, and its controls sit on its client surface one pixel in.
class Window : public Control<SurfaceWidget> {
  public:
    explicit Window(const QColor& background);

    // Asked when the window is closed from outside (the desktop): true lets it close, false
    // keeps it. Without it the window closes.
    std::function<bool()> closing;

  protected:
    void closeEvent(QCloseEvent* event) override;
};

// The designed font where every one of `texts` fits `room`, in pixels; otherwise the largest
// size down to `smallestPoints`, in half points, at which they all do, or the smallest. A
// wrapped text may take as many lines as fit the height; an unwrapped one is measured across.
QFont fittedFont(const QFont& designed, const QStringList& texts, const QSize& room, bool wrapped,
                 double smallestPoints);

// Buttons fit their captions only once a translation may have made them longer than the
// designs allow for; the designed English captions all fit, and are not measured.
void fitButtonCaptions(bool on);

// Whether `text` fits `room` in `font`, wrapped or on one line.
bool textFits(const QFont& font, const QString& text, const QSize& room, bool wrapped);

// A flat button whose background colour fills its face; without a colour of its own it takes
// the desktop's button colour. Its ring marks the focus that Tab brought, not the focus a
// click or the window's activation left there.
// A text too wide for the face is drawn smaller, as in a FittingLabel, but never cut.
class FlatButton : public QPushButton {
  public:
    FlatButton(QWidget* parent, const std::optional<QColor>& background,
               const FontChoice& fontChoice);

    void setText(const QString& text);
    // The room its text has, in pixels.
    QSize textRoom() const;
    const QFont& designedFont() const { return designed_; }
    // How a button is drawn: the designed look unless a look of its own is asked for.
    struct Look {
        std::optional<QColor> face;  // the desktop's button colour without one
        QColor text = Qt::black;     // on a face of its own
        int focusRingPixels = 3;
        std::optional<QColor> focusRing;  // the desktop's highlight without one
    };
    void setLook(const Look& look);

  protected:
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void fitText();

    QFont designed_;
};

// A flat label with centred text, always plain: a name in it never reads as markup.
class FlatLabel : public QLabel {
  public:
    FlatLabel(QWidget* parent, const QString& text, const QColor& background,
              const FontChoice& fontChoice);
};

// A flat label that shows the whole of a text too wide for it: drawn smaller, down to
// `smallestPoints`, on the same baseline, and past that with its middle left out. Text that
// fits is drawn exactly as by a FlatLabel; text() is always the whole text.
class FittingLabel : public FlatLabel {
  public:
    FittingLabel(QWidget* parent, const QString& text, const QColor& background,
                 const FontChoice& fontChoice, double smallestPoints);

    struct Fit {
        QFont font;
        QString text;
    };
    // The font and the text as drawn at the label's present size. A wrapped label shrinks to
    // fit its height too, and is never shortened.
    Fit fit() const;
    // The room its text has, in pixels.
    QSize textRoom() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    double smallestPoints_;
};

// A flat text box with centred text. Typing stops at maxTyped characters, but text assigned
// from code is kept whole, and a longer text can still be shortened by typing.
class NameBox : public QLineEdit {
  public:
    NameBox(QWidget* parent, const FontChoice& fontChoice, int maxTyped);

    // True while the user's keys, paste or drop are changing the text.
    bool isTyping() const { return typing_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    template <class Edit>
    void typed(Edit edit) {
        typing_ = true;
        edit();
        typing_ = false;
    }

    bool typing_ = false;
};

// Sets the order in which Tab visits the given controls.
void setTabOrder(std::initializer_list<QWidget*> controls);

}  // namespace platform
