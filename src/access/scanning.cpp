#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "access/access.h"
#include "access/parts.h"
#include "app/variables.h"
#include "layout/windows.h"

namespace a11y {

namespace {

// The highlight: a band of yellow edged with black, in the gap round the button, under it.
constexpr int ringReach = 9;
constexpr int ringEdge = 3;
const QColor ringYellow{255, 255, 0};

class Ring : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.fillRect(rect().adjusted(ringEdge, ringEdge, -ringEdge, -ringEdge), ringYellow);
    }
};

class Scanner : public QObject {
  public:
    explicit Scanner(ButtonsWindow& keypad)
        : QObject(&keypad), ring_(new Ring(&keypad.Picture1.client())), buttons_(keypadButtons()) {
        ring_->setAttribute(Qt::WA_TransparentForMouseEvents);
        ring_->stackUnder(buttons_.constFirst());
        ring_->show();
        highlight(0);
        connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
        timer_.setInterval(static_cast<int>(std::lround(options().scanSeconds * 1000)));
        if (!options().twoSwitches) timer_.start();
    }

    void next() { highlight((at_ + 1) % buttons_.size()); }

    void press() {
        const QPointer<Scanner> alive(this);
        restartPeriod();
        // A press of Go returns only when its run is over.
        buttons_.at(at_)->click();
        if (alive) restartPeriod();
    }

  private:
    void highlight(qsizetype at) {
        at_ = at;
        ring_->setGeometry(
            buttons_.at(at)->geometry().adjusted(-ringReach, -ringReach, ringReach, ringReach));
        // Told to screen readers too, for a pupil who listens to the scan.
        ring_->setAccessibleName(
            Texts::tr("highlighted: %1").arg(buttons_.at(at)->accessibleName()));
    }

    // A full period on the button just pressed, so it can be pressed again.
    void restartPeriod() {
        if (timer_.isActive()) timer_.start();
    }

    // Still during a run, which a press would stop; stepping goes on scanning. After the run,
    // the button stays highlighted for one more period.
    void tick() {
        if (variables::running == variables::yes && !isStepping()) {
            pausedForRun_ = true;
            return;
        }
        if (pausedForRun_) {
            pausedForRun_ = false;
            return;
        }
        next();
    }

    // The keypad's panel owns it.
    QPointer<Ring> ring_;
    QList<QPushButton*> buttons_;
    qsizetype at_ = 0;
    QTimer timer_;
    bool pausedForRun_ = false;
};

QPointer<Scanner> scanner;

}  // namespace

void startScanning() {
    scanner = new Scanner(buttons());
}

std::function<void()> switchKey(int key) {
    if (scanner == nullptr) return {};
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (options().twoSwitches && key == Qt::Key_Space) return [] { scanner->next(); };
    if (enter || key == Qt::Key_Space) return [] { scanner->press(); };
    return {};
}

}  // namespace a11y
