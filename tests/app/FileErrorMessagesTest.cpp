// The error box of a failed save: why it failed, and what became of the old file.
#include "MainWindowFixture.h"

#include "../support/FaultyFileCalls.h"
#include "editor/InPlaceFileWrite.h"

#include <QDirIterator>

namespace tavlo {
namespace {

class FileErrorMessagesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_TRUE(cache.isValid());
        m_previousCache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    }
    void TearDown() override { qputenv("XDG_CACHE_HOME", m_previousCache); }

    QTemporaryDir cache;

private:
    QByteArray m_previousCache;
};

TEST_F(FileErrorMessagesTest, FullDiskSaysWhyAndThatTheOldFileWasKept) {
    const QString name = MakeFile("doc.txt", "old\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit("new ");
    TFaultyFileCalls faulty(QFile::encodeName(folder.path()).toStdString());
    faulty.writeLimit = 0;
    TFileCallsOverride override(faulty);
    EXPECT_FALSE(window->Save());
    EXPECT_EQ(ShownTexts(), QStringList{"Cannot create file " + name +
                                        "\rBrak wolnego miejsca na dysku."
                                        "\rPoprzednia zawartość pliku została zachowana."});
    EXPECT_EQ(prompter->shown.back().icon, TPromptIcon::Error);
    EXPECT_EQ(Contents(name), "old\n");
    EXPECT_TRUE(window->Editor().Modified());
}

TEST_F(FileErrorMessagesTest, WriteInPlaceThatCannotBeUndoneNamesTheBackup) {
    const QString name = MakeFile("doc.txt", "old\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit("new ");
    TFaultyFileCalls faulty(QFile::encodeName(folder.path()).toStdString());
    faulty.refuseNewFiles = true;
    faulty.writeLimit = 0;
    faulty.writeError = EIO;
    TFileCallsOverride override(faulty);
    EXPECT_FALSE(window->Save());

    QDirIterator backups(QFile::decodeName(QByteArray::fromStdString(BackupFolder())), QDir::Files);
    ASSERT_TRUE(backups.hasNext());
    const QString backup = backups.next();
    EXPECT_EQ(Contents(backup), "old\n");
    EXPECT_EQ(ShownTexts(), QStringList{"Cannot create file " + name +
                                        "\rBłąd odczytu lub zapisu na dysku."
                                        "\rNie udało się przywrócić poprzedniej zawartości pliku; "
                                        "jej kopia zapasowa leży w:\r" +
                                        backup});
    EXPECT_TRUE(window->Editor().Modified());
}

TEST_F(FileErrorMessagesTest, NoBackupNoWriteInPlace) {
    const QString name = MakeFile("doc.txt", "old\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit("new ");
    const QString notAFolder = MakeFile("cache-file", "");
    qputenv("XDG_CACHE_HOME", QFile::encodeName(notAFolder));
    TFaultyFileCalls faulty(QFile::encodeName(folder.path()).toStdString());
    faulty.refuseNewFiles = true;
    TFileCallsOverride override(faulty);
    EXPECT_FALSE(window->Save());
    EXPECT_EQ(ShownTexts(), QStringList{"Cannot create file " + name +
                                        "\rPlik trzeba zapisać w miejscu starego, a nie udało się "
                                        "zrobić jego kopii zapasowej w folderze " +
                                        notAFolder + "/tavlo/backup." +
                                        "\rPoprzednia zawartość pliku została zachowana."});
    EXPECT_EQ(Contents(name), "old\n");
}

} // namespace
} // namespace tavlo
