#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <csignal>

#include "app/status.h"
#include "files/files_fixture.h"

using namespace variables;

namespace {

const QByteArray earlier("\"\",\"square\",\"me\",\"FRFRFRFRFRFRFRFRFRFRFRFR\"\r\n");

class FaultTest : public FilesTest {
  protected:
    void SetUp() override {
        FilesTest::SetUp();
        path = inWriterDirectory(QStringLiteral("square.mlo"));
        write(path, earlier);
        buttons().forwards_Click();
        dialogs.answer = path;
    }
    void expectEarlierFileKept() {
        EXPECT_EQ(currentStatus(), "cancelled!");
        EXPECT_EQ(saved, False);
        EXPECT_EQ(contents(path), earlier);
        EXPECT_EQ(QDir(files::writerDirectory()).entryList(QDir::Files), QStringList{"square.mlo"});
    }
    QString path;
};

// Root writes into any folder; for the length of the save the test acts as nobody.
class ActingAsNobody {
  public:
    ActingAsNobody() {
        if (geteuid() == 0) dropped_ = seteuid(65534) == 0;
    }
    ~ActingAsNobody() {
        if (dropped_) {
            EXPECT_EQ(seteuid(0), 0);
        }
    }

  private:
    bool dropped_ = false;
};

TEST_F(FaultTest, ASaveIntoAReadOnlyFolderKeepsTheEarlierFile) {
    // Nobody must be able to reach the folder, but not to write in it.
    for (QString dir = files::writerDirectory(); dir.startsWith(home.path());
         dir = QFileInfo(dir).path())
        ASSERT_TRUE(QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ReadOther |
                                                   QFile::ExeOther));
    ASSERT_TRUE(QFile::setPermissions(files::writerDirectory(), QFile::ReadOwner | QFile::ExeOwner |
                                                                    QFile::ReadOther |
                                                                    QFile::ExeOther));
    {
        ActingAsNobody nobody;
        click(graphics().save);
    }
    expectEarlierFileKept();
}

TEST_F(FaultTest, ASaveOntoAFullDiskKeepsTheEarlierFile) {
    // The disk "fills" after ten bytes: every write beyond fails as it would with no space.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit original{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &original), 0);
    rlimit tiny = original;
    tiny.rlim_cur = 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    click(graphics().save);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &original), 0);
    expectEarlierFileKept();
}

}  // namespace
