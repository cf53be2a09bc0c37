#include "platform/widgets.h"

#include <QPainter>
#include <QResizeEvent>
#include <QValidator>

namespace platform {

namespace {

QString rgb(const QColor& colour) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

// Refuses a typed edit that makes the text longer than the limit and longer than it was, so
// an assigned longer text may be shortened but never lengthened by typing.
class TypingLimit : public QValidator {
  public:
    TypingLimit(NameBox* box, int limit) : QValidator(box), box_(box), limit_(limit) {
        // The box already holds the edited text when it asks, so remember the last one.
        connect(box, &QLineEdit::textChanged, this,
                [this](const QString& text) { acceptedLength_ = text.size(); });
    }

    State validate(QString& input, int&) const override {
        const bool grows = input.size() > acceptedLength_;
        return box_->isTyping() && grows && input.size() > limit_ ? Invalid : Acceptable;
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

void SurfaceWidget::resizeEvent(QResizeEvent* event) {
    client_->setGeometry(clientRect());
    QWidget::resizeEvent(event);
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

FlatButton::FlatButton(QWidget* parent, const QColor& background, const FontChoice& fontChoice)
    : QPushButton(parent) {
    setFont(platform::font(fontChoice));
    setFocusPolicy(Qt::TabFocus);
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid black; "
                                 "color: black; padding: 0px; }"
                                 "QPushButton:pressed { background-color: %2; }"
                                 "QPushButton:focus { border: 2px solid black; }")
                      .arg(rgb(background), rgb(background.darker(125))));
}

FlatLabel::FlatLabel(QWidget* parent, const QString& text, const QColor& background,
                     const FontChoice& fontChoice)
    : QLabel(text, parent) {
    setFont(platform::font(fontChoice));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
}

NameBox::NameBox(QWidget* parent, const FontChoice& fontChoice, int maxTyped) : QLineEdit(parent) {
    setFont(platform::font(fontChoice));
    setAlignment(Qt::AlignHCenter);
    setValidator(new TypingLimit(this, maxTyped));
    setStyleSheet(
        QStringLiteral("QLineEdit { background-color: white; color: black; "
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

void setTabOrder(std::initializer_list<QWidget*> controls) {
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous != nullptr) QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

}  // namespace platform
