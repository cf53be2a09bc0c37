#include "platform/widgets.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QValidator>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {

bool captionsFitted = false;

QString rgb(const QColor& colour) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

// Stops typed and pasted text at the limit, and an assigned longer text may be shortened but
// never lengthened by typing.
class TypingLimit : public QValidator {
  public:
    TypingLimit(NameBox* box, int limit) : QValidator(box), box_(box), limit_(limit) {
        // The box already holds the edited text when it asks, so remember the last one.
        connect(box, &QLineEdit::textChanged, this,
                [this](const QString& text) { acceptedLength_ = text.size(); });
    }

    // Cuts what was just typed or pasted, which ends at the cursor, back to what fits.
    State validate(QString& input, int& cursor) const override {
        if (!box_->isTyping()) return Acceptable;
        const qsizetype allowed = std::max<qsizetype>(limit_, acceptedLength_);
        const qsizetype excess = std::min<qsizetype>(input.size() - allowed, cursor);
        if (excess > 0) {
            input.remove(cursor - excess, excess);
            cursor -= static_cast<int>(excess);
        }
        return Acceptable;
    }

  private:
    const NameBox* box_;
    int limit_;
    qsizetype acceptedLength_ = 0;
};

}  // namespace

SurfaceWidget::SurfaceWidget(QWidget* parent, Scale scale, const QColor& background, bool bordered)
    : QWidget(parent),
      surface_(scale),
      background_(background),
      bordered_(bordered),
      client_(new QWidget(this)) {
    surface_.changed = [this] { update(); };
    surface_.extent = [this] {
        const QRect area = clientRect();
        return QSizeF(area.width() * surface_.unitsPerPixelX(),
                      area.height() * surface_.unitsPerPixelY());
    };
    setAutoFillBackground(false);
}

QRect SurfaceWidget::clientRect() const {
    const int inset = bordered_ ? 1 : 0;
    return {inset, inset, std::max(0, width() - 2 * inset), std::max(0, height() - 2 * inset)};
}

void SurfaceWidget::setBackground(const QColor& background) {
    background_ = background;
    update();
}

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    client_->setGeometry(clientRect());
    QWidget::resizeEvent(event);
}

void SurfaceWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (clicked && event->button() == Qt::LeftButton &&
        rect().contains(event->position().toPoint()))
        clicked();
    else
        QWidget::mouseReleaseEvent(event);
}

void SurfaceWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    if (bordered_) {
        painter.setPen(QPen(Qt::black, 1));
        painter.drawRect(QRectF(0.5, 0.5, width() - 1, height() - 1));
    }
    const QRect area = clientRect();
    painter.translate(area.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), area.size()));
    painter.scale(1.0 / surface_.unitsPerPixelX(), 1.0 / surface_.unitsPerPixelY());
    surface_.replay(painter);
}

Window::Window(const QColor& background)
    : Control<SurfaceWidget>(nullptr, Scale::Twips, background, true) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
}

void Window::closeEvent(QCloseEvent* event) {
    if (closing && !closing())
        event->ignore();
    else
        event->accept();
}

void fitButtonCaptions(bool on) {
    captionsFitted = on;
}

bool textFits(const QFont& font, const QString& text, const QSize& room, bool wrapped) {
    const QFontMetricsF metrics(font);
    if (!wrapped) return metrics.horizontalAdvance(text) <= room.width();
    // Wrapped only between words: a word wider than the room does not fit.
    const QRectF needed = metrics.boundingRect(QRectF(QPointF(), QSizeF(room.width(), 1e6)),
                                               Qt::AlignHCenter | Qt::TextWordWrap, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

QFont fittedFont(const QFont& designed, const QStringList& texts, const QSize& room, bool wrapped,
                 double smallestPoints) {
    const auto allFit = [&](const QFont& font) {
        return std::all_of(texts.begin(), texts.end(), [&](const QString& text) {
            return textFits(font, text, room, wrapped);
        });
    };
    if (allFit(designed) || room.width() <= 0) return designed;
    // Widths grow nearly in step with the size: start from the proportional guess and go
    // down in half points, as hinting may leave the guess a little too wide. Each size tried
    // costs a font of its own, so the guess matters. A wrapped text is guessed from its widest
    // word, which no wrapping can shorten.
    const double size = designed.pointSizeF();
    const QFontMetricsF metrics(designed);
    double widest = 0;
    for (const QString& text : texts) {
        const QStringList pieces =
            wrapped
                ? QString(text).replace(QLatin1Char('\n'), QLatin1Char(' ')).split(QLatin1Char(' '))
                : QStringList{text};
        for (const QString& piece : pieces)
            widest = std::max(widest, metrics.horizontalAdvance(piece));
    }
    double points = widest <= 0 ? size : std::floor(2 * size * room.width() / widest) / 2;
    points = std::clamp(points, smallestPoints, size);
    QFont smaller = designed;
    for (;;) {
        smaller.setPointSizeF(points);
        if (allFit(smaller) || points <= smallestPoints) return smaller;
        points = std::max(smallestPoints, points - 0.5);
    }
}

FlatButton::FlatButton(QWidget* parent, const std::optional<QColor>& background,
                       const FontChoice& fontChoice)
    : QPushButton(parent), designed_(platform::font(fontChoice)) {
    setFont(designed_);
    // A click takes the keyboard from a name box, so the arrow keys drive the robot again;
    // the ring still shows only after Tab.
    setFocusPolicy(Qt::StrongFocus);
    Look designed;
    designed.face = background;
    setLook(designed);
}

void FlatButton::setLook(const Look& look) {
    const QString face = look.face ? QStringLiteral("background-color: %1; color: %2;")
                                         .arg(rgb(*look.face), rgb(look.text))
                                   : QStringLiteral("background-color: palette(button);");
    const QString pressed =
        look.face ? rgb(look.face->darker(125)) : QStringLiteral("palette(mid)");
    const QString ring =
        look.focusRing ? rgb(*look.focusRing) : QStringLiteral("palette(highlight)");
    setStyleSheet(QStringLiteral("QPushButton { %1 border: 1px solid black; padding: 0px; }"
                                 "QPushButton:pressed { background-color: %2; }"
                                 "QPushButton[tabbed=\"true\"]:focus "
                                 "{ border: %3px solid %4; }")
                      .arg(face, pressed, QString::number(look.focusRingPixels), ring));
}

void FlatButton::setText(const QString& text) {
    QPushButton::setText(text);
    fitText();
}

QSize FlatButton::textRoom() const {
    // Inside the one-pixel border.
    return rect().size() - QSize(2, 2);
}

void FlatButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    fitText();
}

void FlatButton::fitText() {
    // Small enough to read on a button, yet still a word.
    constexpr double smallestPoints = 8;
    // Not before the layout has given it a size: a button sized to its caption would be
    // measured with a caption already shrunk to the default size.
    if (!captionsFitted || text().isEmpty() || !testAttribute(Qt::WA_Resized)) return;
    const QFont fitted = fittedFont(designed_, {text()}, textRoom(), false, smallestPoints);
    if (fitted != font()) setFont(fitted);
}

void FlatButton::focusInEvent(QFocusEvent* event) {
    // A window coming back to the front returns the focus as it was, ring and all.
    const Qt::FocusReason reason = event->reason();
    const bool tabbed = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    if (reason != Qt::ActiveWindowFocusReason && tabbed != property("tabbed").toBool()) {
        setProperty("tabbed", tabbed);
        style()->unpolish(this);
        style()->polish(this);
    }
    QPushButton::focusInEvent(event);
}

FlatLabel::FlatLabel(QWidget* parent, const QString& text, const QColor& background,
                     const FontChoice& fontChoice)
    : QLabel(text, parent) {
    setFont(platform::font(fontChoice));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
}

FittingLabel::FittingLabel(QWidget* parent, const QString& text, const QColor& background,
                           const FontChoice& fontChoice, double smallestPoints)
    : FlatLabel(parent, text, background, fontChoice), smallestPoints_(smallestPoints) {}

QSize FittingLabel::textRoom() const {
    // A little air at both ends, so a fitted text never looks cut off.
    constexpr int air = 4;
    return contentsRect().size() - QSize(2 * air, 0);
}

FittingLabel::Fit FittingLabel::fit() const {
    const QSize room = textRoom();
    if (room.width() <= 0) return {font(), text()};
    const QFont smaller = fittedFont(font(), {text()}, room, wordWrap(), smallestPoints_);
    if (wordWrap() || textFits(smaller, text(), room, false)) return {smaller, text()};
    return {smaller, QFontMetrics(smaller).elidedText(text(), Qt::ElideMiddle, room.width())};
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const Fit fitted = fit();
    if (fitted.font == font() && fitted.text == text()) {
        FlatLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setFont(fitted.font);
    const int sameBaseline = QFontMetrics(font()).ascent() - QFontMetrics(fitted.font).ascent();
    const int wrap = wordWrap() ? Qt::TextWordWrap : 0;
    style()->drawItemText(&painter, contentsRect().translated(0, sameBaseline),
                          static_cast<int>(alignment()) | wrap, palette(), isEnabled(), fitted.text,
                          foregroundRole());
}

NameBox::NameBox(QWidget* parent, const FontChoice& fontChoice, int maxTyped) : QLineEdit(parent) {
    setFont(platform::font(fontChoice));
    setAlignment(Qt::AlignHCenter);
    setValidator(new TypingLimit(this, maxTyped));
    setStyleSheet(
        QStringLiteral("QLineEdit { background-color: palette(base); color: palette(text); "
                       "border: 1px solid black; padding: 0px; }"));
}

void NameBox::keyPressEvent(QKeyEvent* event) {
    typed([&] { QLineEdit::keyPressEvent(event); });
}

void NameBox::inputMethodEvent(QInputMethodEvent* event) {
    typed([&] { QLineEdit::inputMethodEvent(event); });
}

// Paste from the menu and a drop are typing too.
void NameBox::contextMenuEvent(QContextMenuEvent* event) {
    typed([&] { QLineEdit::contextMenuEvent(event); });
}

void NameBox::dropEvent(QDropEvent* event) {
    typed([&] { QLineEdit::dropEvent(event); });
}

// A middle click pastes the X selection.
void NameBox::mouseReleaseEvent(QMouseEvent* event) {
    typed([&] { QLineEdit::mouseReleaseEvent(event); });
}

void setTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous != nullptr) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace platform
