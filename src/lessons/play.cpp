#include "lessons/play.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QMimeData>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>

#include "app/stop_rule.h"
#include "app/variables.h"
#include "layout/design.h"
#include "layout/windows.h"
#include "lessons/on_floor.h"
#include "platform/regular_file.h"
#include "platform/screen.h"
#include "platform/services.h"
#include "platform/speech.h"
#include "simulation/Module2.h"

namespace lessons {

std::optional<OnFloor>& onFloor() {
    static std::optional<OnFloor> lesson;
    return lesson;
}

namespace {

// --- The instruction strip -------------------------------------------------------------------
// At the top of the floor band, the grid below it: the lesson's title and instruction, and the
// button back to the bare floor. Made when the first lesson opens; the main window owns it.

QPointer<platform::Control<platform::FlatLabel>> instruction;
QPointer<platform::Control<platform::FlatButton>> leaveButton;

void makeStrip(GraphicsWindow& main) {
    if (instruction) return;
    instruction = new platform::Control<platform::FlatLabel>(&main.client(), QString(),
                                                             design::floorGreen, design::sans18);
    instruction->setObjectName(QStringLiteral("instruction"));
    instruction->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    instruction->setWordWrap(true);
    leaveButton =
        new platform::Control<platform::FlatButton>(&main.client(), design::white, design::sans18);
    leaveButton->setObjectName(QStringLiteral("leaveLesson"));
    leaveButton->setText(QCoreApplication::translate("lessons", "leave lesson"));
    // A button like the others: during a run it only stops the run.
    QObject::connect(leaveButton, &QPushButton::clicked, [] {
        if (!stopsRun()) leave();
    });
}

QString stripText(const Lesson& lesson) {
    if (lesson.instruction.trimmed().isEmpty()) return lesson.title;
    return QCoreApplication::translate("lessons", "%1: %2").arg(lesson.title, lesson.instruction);
}

// Shows the strip for the lesson; gives the twips it takes from the top of the floor band.
double showStrip(const Lesson& lesson) {
    GraphicsWindow& main = graphics();
    makeStrip(main);
    const platform::ScreenMetrics screen = platform::screen();
    const double top = main.progname.twips.top() + main.progname.twips.height() + variables::gapy;
    // As far in from the window's right as the floor is from its left.
    const double left = screen.twipsPerPixelX * 10;
    const double right = main.twips.width() - 2 * screen.twipsPerPixelX - left;
    const double buttonWidth =
        (QFontMetricsF(leaveButton->font()).horizontalAdvance(leaveButton->text()) + 24) *
        screen.twipsPerPixelX;
    const double buttonHeight = main.load.twips.height();
    leaveButton->twips.set(right - buttonWidth, top, buttonWidth, buttonHeight);
    const double width = right - buttonWidth - variables::gapx - left;
    instruction->setText(stripText(lesson));
    const int textPixels =
        instruction->heightForWidth(static_cast<int>(std::lround(width / screen.twipsPerPixelX)));
    const double height = std::max(textPixels * screen.twipsPerPixelY, buttonHeight);
    instruction->twips.set(left, top, width, height);
    instruction->show();
    leaveButton->show();
    return height + variables::gapy;
}

void hideStrip() {
    if (instruction) instruction->hide();
    if (leaveButton) leaveButton->hide();
}

// --- Reading ---------------------------------------------------------------------------------

// Why readRegularFile gave nothing.
QString unreadable(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists()) return QCoreApplication::translate("lessons", "There is no such file.");
    if (!file.isFile())
        return QCoreApplication::translate("lessons",
                                           "It is a folder or a device, not a lesson file.");
    return QCoreApplication::translate("lessons", "The file cannot be read.");
}

// The one lesson file among dropped things; empty when there is none.
QString droppedLesson(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return {};
    const QString path = data->urls().constFirst().toLocalFile();
    return path.endsWith(fileSuffix, Qt::CaseInsensitive) ? path : QString();
}

class DropFilter final : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::DragEnter && event->type() != QEvent::DragMove &&
            event->type() != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event);
        const QString path = droppedLesson(drop->mimeData());
        if (path.isEmpty()) return false;
        drop->acceptProposedAction();
        // After the drop has ended, so the file manager is not kept waiting by a message. A
        // drop is a press like any other: during a run it only stops the run.
        if (event->type() == QEvent::Drop)
            QTimer::singleShot(0, [path] {
                if (!stopsRun()) openFile(path);
            });
        return true;
    }
};

}  // namespace

bool openFile(const QString& path) {
    const std::optional<platform::FileStart> file = platform::readRegularFile(path, maxFileBytes);
    const ReadLesson read = file ? readLesson(file->bytes) : ReadLesson{};
    if (read.lesson) {
        open(*read.lesson);
        return true;
    }
    platform::seam<platform::Notices>().warn(
        QCoreApplication::translate("lessons", "MARLO cannot open the lesson \"%1\".")
            .arg(QFileInfo(path).fileName()),
        file ? read.error : unreadable(path));
    return false;
}

void open(const Lesson& lesson) {
    onFloor() = OnFloor{lesson, Mat(lesson)};
    const double above = showStrip(lesson);
    Module2::fixfloor(Module2::FixedFloor{lesson.columns, lesson.rows, above});
    // A target set on the floor that has gone would stand anywhere on this one.
    graphics().HideTarget();
    Module2::resetfloor();
    platform::speak(stripText(lesson));
}

void leave() {
    if (!onFloor()) return;
    onFloor().reset();
    hideStrip();
    Module2::fixfloor(std::nullopt);
    graphics().HideTarget();
    Module2::resetfloor();
}

const Lesson* current() {
    return onFloor() ? &onFloor()->lesson : nullptr;
}

void acceptDrops() {
    static DropFilter filter;
    for (QWidget* window : std::initializer_list<QWidget*>{&graphics(), &buttons(), &program()}) {
        window->setAcceptDrops(true);
        window->installEventFilter(&filter);
    }
}

platform::FileChoice withLessons(platform::FileChoice choice) {
    choice.moreFilters.append(
        QCoreApplication::translate("lessons", "MARLO lessons (*.marlo-lesson)"));
    choice.places.append(QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                                   QStringLiteral("marlo/lessons"),
                                                   QStandardPaths::LocateDirectory));
    return choice;
}

bool opensInstead(const QString& path) {
    if (!path.endsWith(fileSuffix, Qt::CaseInsensitive)) return false;
    openFile(path);
    return true;
}

}  // namespace lessons
