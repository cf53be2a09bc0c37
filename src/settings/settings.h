#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "access/access.h"
#include "platform/services.h"

// Ours: what a school sets once for every PC, in /etc/xdg/brindle/marlo.conf, with a user's
// own ~/.config/brindle/marlo.conf over it. Read once at start-up; nothing set is the program
// as designed.
namespace settings {

struct Floor {
    int columns = 0;
    int rows = 0;

    bool operator==(const Floor&) const = default;
};

struct Settings {
    // An absolute folder that holds the writers' folders; empty for the tree in the home.
    QString programsFolder{};
    // A floor of its own size on every screen; nothing for the floor that follows the screen.
    std::optional<Floor> floor{};
    bool speak = false;
    // The lesson file opened at start; empty for none.
    QString lesson{};
    bool writerFromLogin = false;
    bool alwaysPdf = false;
    // A locale name such as "fr" or "de_CH"; empty for the desktop's.
    QString language{};
    // The access options for every pupil; the command line may add to them.
    a11y::Options access{};

    bool operator==(const Settings&) const = default;
};

}  // namespace settings

// Nothing set, unless start-up read something.
template <>
settings::Settings& platform::production<settings::Settings>();

namespace settings {

// A key that is set, as written and where.
struct Origin {
    QString key;  // "group/key", as QSettings names it
    QString written;
    QString file;
};

struct Read {
    Settings settings;
    std::vector<Origin> origins;
    // One line for each value or file ignored, saying why.
    QStringList problems;
};

// The files QSettings would read for MARLO, the system's first and the user's last.
QStringList files();

// Reads the files, each later one over the earlier. A bad value is ignored as if it were not
// written, so the earlier file's value stands. `login` and `home` stand in the folders for %u
// and a leading ~.
Read read(const QStringList& files, const QString& login, const QString& home);

// read() of this user's files().
Read readFiles();

// What `marlo --settings` prints: each setting in force and where it came from.
QString report(const QStringList& files, const Read& read);

// The settings in force: what start-up read, or nothing set. Tests replace them as any seam.
inline const Settings& current() {
    return platform::seam<Settings>();
}

// Reads the files once, puts what they say in force and tells stderr about every value ignored.
void readAtStart();

// The user's login name; empty when there is none.
QString loginName();

}  // namespace settings
