#include "classview/class_view.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScreen>

#include "app/variables.h"
#include "classview/class_window.h"
#include "files/files.h"
#include "layout/windows.h"
#include "platform/services.h"

namespace classview {

namespace {

// The load button's open dialogue, answered at once with one file.
class GivenFile final : public platform::FileDialogs {
  public:
    explicit GivenFile(const QString& path) : path_(path) {}
    std::optional<QString> open(const platform::FileChoice&) override { return path_; }
    std::optional<QString> save(const platform::FileChoice&) override { return std::nullopt; }

  private:
    QString path_;
};

}  // namespace

QString optionHelp() {
    return QCoreApplication::translate(
        "classview",
        "Opens the class view of FOLDER (by default the programs folder) for the teacher.");
}

int run(const QString& folder) {
    // The floor each program is drawn on is the one a pupil's MARLO has on this screen.
    variables::setsizes();
    ClassWindow window(folder.isEmpty() ? files::programsDirectory().value_or(QDir::homePath())
                                        : QDir(folder).absolutePath());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.resize(screen->availableGeometry().size() * 0.9);
    window.showMaximized();
    return QApplication::exec();
}

void loadGivenProgram(const QString& path) {
    platform::FileDialogs* const before = platform::SeamSlot<platform::FileDialogs>::replacement;
    GivenFile given(QFileInfo(path).absoluteFilePath());
    platform::replaceSeam<platform::FileDialogs>(&given);
    graphics().load_Click();
    platform::replaceSeam<platform::FileDialogs>(before);
}

}  // namespace classview
