#include <gtest/gtest.h>
#include <malloc.h>

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/services.h"

namespace {

// Each dialogue draws its icons anew, and Qt's pixmap cache kept the pictures of every one:
// MARLO's memory grew by some 20 kB a load. The real open dialogue, cancelled once painted.
TEST(QtFileDialogs, ShowingTheDialogueAgainHoldsNoMoreMemory) {
    // The dialogue writes its settings where the user's configuration is.
    const QTemporaryDir folder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    const auto cancelled = [&] {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog));
            dialog->repaint();
            dialog->reject();
        });
        platform::production<platform::FileDialogs>().open(
            {folder.path(), "alpha.mlo", "marlo files (*.mlo)", ".mlo"});
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
