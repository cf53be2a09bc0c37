// The smallest Qt Widgets program of MARLO's shape, to measure MARLO against: three frameless
// windows tiling the screen, a few buttons, a label and one 100 ms timer.
#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

QWidget* frameless(const QRect& place, const QString& title) {
    auto* window = new QWidget;
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window->setWindowTitle(title);
    window->setGeometry(place);
    return window;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int right = 366, keypadHeight = 396;
    const int left = screen.width() - right;

    QWidget* main = frameless(QRect(screen.x(), screen.y(), left, screen.height()), "main");
    auto* status = new QLabel(QStringLiteral("ready"), main);
    status->setGeometry(310, screen.height() - 74, 338, 41);
    const char* files[] = {"load", "print", "save"};
    for (int i = 0; i < 3; ++i)
        (new QPushButton(QString::fromLatin1(files[i]), main))
            ->setGeometry(10 + 100 * i, 694, 90, 41);

    QWidget* listing = frameless(
        QRect(screen.x() + left, screen.y(), right, screen.height() - keypadHeight), "listing");
    (new QPushButton(QStringLiteral("exit"), listing))->setGeometry(10, 10, 90, 41);

    QWidget* keypad = frameless(
        QRect(screen.x() + left, screen.y() + screen.height() - keypadHeight, right, keypadHeight),
        "keypad");
    auto* grid = new QGridLayout(keypad);
    grid->setSpacing(10);
    const char* keys[] = {"F", "L", "P", "R", "C", "B", "Go"};
    const int cells[][2] = {{0, 1}, {1, 0}, {1, 1}, {1, 2}, {2, 0}, {2, 1}, {2, 2}};
    for (int i = 0; i < 7; ++i) {
        auto* key = new QPushButton(QString::fromLatin1(keys[i]), keypad);
        key->setFixedSize(102, 102);
        QObject::connect(key, &QPushButton::clicked, status,
                         [status, key] { status->setText(key->text()); });
        grid->addWidget(key, cells[i][0], cells[i][1]);
    }

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] {
        if (ticks > -1) --ticks;
    });
    timer.setTimerType(Qt::PreciseTimer);
    timer.start(100);

    main->show();
    listing->show();
    keypad->show();
    const int result = QApplication::exec();
    delete keypad;
    delete listing;
    delete main;
    return result;
}
