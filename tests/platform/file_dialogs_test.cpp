#include <gtest/gtest.h>
#include <malloc.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/services.h"
#include "support/qt_printers.h"

namespace {

using platform::FileChoice;

const QString loadFilter = QStringLiteral("marlo files (*.mlo)");
const QString saveFilter = QStringLiteral("MARLO files (*.mlo)");

// The real open and save dialogues, answered from inside their own event loop.
class QtFileDialogsTest : public testing::Test {
  protected:
    void SetUp() override {
        // The dialogue writes its settings where the user's configuration is.
        qputenv("XDG_CONFIG_HOME",
                QFile::encodeName(QCoreApplication::applicationDirPath() + "/dialogue-config"));
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkdir("alice") && QDir(folder.path()).mkdir("bob"));
        alice = folder.filePath("alice");
        bob = folder.filePath("bob");
        for (const QString& path : {alice + "/alpha.mlo", bob + "/beta.mlo"}) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }

    static platform::FileDialogs& dialogs() {
        return platform::production<platform::FileDialogs>();
    }

    // Runs `answer` on the dialogue once it is shown and painted; it must close the dialogue.
    static void whenShown(std::function<void(QFileDialog&)> answer) {
        QTimer::singleShot(0, [answer] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                auto* dialog = qobject_cast<QFileDialog*>(window);
                if (dialog == nullptr || !dialog->isVisible()) continue;
                EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
                dialog->repaint();
                answer(*dialog);
                return;
            }
            ADD_FAILURE() << "no dialogue shown";
        });
    }

    QTemporaryDir folder;
    QString alice;
    QString bob;
};

// Each use starts in its own directory with its own name, whatever the use before left, and
// the open and save dialogues keep their own modes.
TEST_F(QtFileDialogsTest, EachUseStartsFromItsOwnDirectoryAndName) {
    struct Seen {
        QString directory;
        QStringList files;
        QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    };
    const auto ask = [](bool save, const FileChoice& choice, bool accept) {
        Seen seen;
        whenShown([&seen, accept](QFileDialog& dialog) {
            seen = {dialog.directory().absolutePath(), dialog.selectedFiles(), dialog.acceptMode()};
            // Through QDialog, where accept() is public; the file dialogue checks the name.
            accept ? static_cast<QDialog&>(dialog).accept() : dialog.reject();
        });
        const std::optional<QString> chosen =
            save ? dialogs().save(choice) : dialogs().open(choice);
        return std::pair(seen, chosen);
    };

    auto [seen, chosen] = ask(false, {alice, "alpha.mlo", loadFilter, ".mlo"}, true);
    EXPECT_EQ(seen.directory, alice);
    EXPECT_EQ(chosen, alice + "/alpha.mlo");

    std::tie(seen, chosen) = ask(false, {bob, "beta.mlo", loadFilter, ".mlo"}, false);
    EXPECT_EQ(seen.directory, bob);
    EXPECT_EQ(seen.files, QStringList{bob + "/beta.mlo"});
    EXPECT_EQ(chosen, std::nullopt);

    // No name to offer: the name box is empty, not the last one's.
    std::tie(seen, chosen) = ask(false, {bob, "", loadFilter, ".mlo"}, false);
    EXPECT_EQ(seen.files, QStringList{});

    std::tie(seen, chosen) = ask(true, {alice, "gamma", saveFilter, ".mlo"}, false);
    EXPECT_EQ(seen.mode, QFileDialog::AcceptSave);
    EXPECT_EQ(seen.files, QStringList{alice + "/gamma"});

    std::tie(seen, chosen) = ask(false, {alice, "alpha.mlo", loadFilter, ".mlo"}, false);
    EXPECT_EQ(seen.mode, QFileDialog::AcceptOpen);
    EXPECT_EQ(seen.files, QStringList{alice + "/alpha.mlo"});
}

// Nothing of the dialogue may stay active once it is hidden: a popup still open, such as the
// name box's list of matching names, would take the next click anywhere in MARLO, and a name
// box keeping the focus would blink its cursor, waking MARLO twice a second.
TEST_F(QtFileDialogsTest, NothingOfTheDialogueStaysActive) {
    for (int use = 0; use < 2; ++use) {
        whenShown([](QFileDialog& dialog) {
            auto* popup = new QWidget(&dialog, Qt::Popup);
            popup->show();
            EXPECT_EQ(QApplication::activePopupWidget(), popup);
            static_cast<QDialog&>(dialog).accept();
        });
        EXPECT_EQ(dialogs().open({alice, "alpha.mlo", loadFilter, ".mlo"}), alice + "/alpha.mlo");
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        const QWidget* focused = QApplication::focusWidget();
        EXPECT_TRUE(focused == nullptr || focused->isVisible()) << focused;
    }
}

// Qt's pixmap cache keeps the icons of every dialogue ever painted, so a new dialogue at every
// use made MARLO's memory grow by some 20 kB a load.
TEST_F(QtFileDialogsTest, ShowingTheDialogueAgainHoldsNoMoreMemory) {
    const auto cancelled = [&] {
        whenShown([](QFileDialog& dialog) { dialog.reject(); });
        dialogs().open({alice, "alpha.mlo", loadFilter, ".mlo"});
    };
    // The first uses load fonts, the mime database and the dialogue itself.
    for (int i = 0; i < 5; ++i) cancelled();
    const double before = static_cast<double>(mallinfo2().uordblks);
    constexpr int uses = 40;
    for (int i = 0; i < uses; ++i) cancelled();
    const double perUse = (static_cast<double>(mallinfo2().uordblks) - before) / uses;
    EXPECT_LT(perUse, 4096) << "bytes held a use";
}

}  // namespace
