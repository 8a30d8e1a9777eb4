// Changes that another program makes to the open file: asked about before a save, offered
// for loading when the window regains the focus, and a deleted file written again.
#include "MainWindowFixture.h"

#include "editor/SynEdit.h"

#include <QApplication>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>

namespace tavlo {
namespace {

class DiskChangesTest : public MainWindowTest {
protected:
    // Another program writes the file where it lies; the time is set apart from ours so
    // that a change of the same size shows too.
    void ChangeElsewhere(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        const struct timespec times[2] = {{1000000000, 0}, {1000000000, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
    }

    QByteArray EditorText() {
        return QByteArray::fromStdString(window->Editor().Engine().Lines().GetAllText());
    }

    static QString SaveQuestion(const QString& name) {
        return "Plik " + name +
               " został zmieniony przez inny program od chwili, gdy go wczytano lub zapisano."
               "\r\rCzy nadpisać go zawartością edytora?";
    }
};

TEST_F(DiskChangesTest, SaveOverAFileChangedElsewhereAsksAndNoIsTheDefault) {
    const QString name = MakeFile("doc.txt", "mine\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit("x");
    ChangeElsewhere(name, "theirs\n");

    prompter->answers = {TPromptAnswer::No};
    EXPECT_FALSE(window->Save());
    ASSERT_EQ(prompter->shown.size(), 1u);
    const TPromptMessage& question = prompter->shown[0];
    EXPECT_EQ(question.caption, "Zapis pliku");
    EXPECT_EQ(question.text, SaveQuestion(name));
    EXPECT_EQ(question.icon, TPromptIcon::Warning);
    EXPECT_EQ(question.buttons, TPromptButtons::YesNo);
    EXPECT_EQ(question.defaultAnswer, TPromptAnswer::No);
    EXPECT_EQ(Contents(name), "theirs\n");
    EXPECT_TRUE(window->Editor().Modified());

    // Asked again, since nothing was decided; Yes writes ours.
    prompter->answers = {TPromptAnswer::Yes};
    EXPECT_TRUE(window->Save());
    EXPECT_EQ(Contents(name), "xmine\n");
    EXPECT_EQ(prompter->shown.size(), 2u);

    // Our own save is known: the next one asks nothing.
    Edit("y");
    EXPECT_TRUE(window->Save());
    EXPECT_EQ(prompter->shown.size(), 2u);
}

TEST_F(DiskChangesTest, FileReplacedByAnotherOfTheSameSizeAndTimeIsNoticed) {
    const QString name = MakeFile("doc.txt", "same\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit("x");
    // An editor that saves through a new file: another inode, all else alike.
    const QString other = MakeFile("other.txt", "SAME\n");
    struct stat original {};
    ASSERT_EQ(::stat(QFile::encodeName(name).constData(), &original), 0);
    const struct timespec times[2] = {original.st_atim, original.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, QFile::encodeName(other).constData(), times, 0), 0);
    ASSERT_EQ(
        std::rename(QFile::encodeName(other).constData(), QFile::encodeName(name).constData()), 0);

    prompter->answers = {TPromptAnswer::No};
    EXPECT_FALSE(window->Save());
    EXPECT_EQ(ShownTexts(), QStringList{SaveQuestion(name)});
    EXPECT_EQ(Contents(name), "SAME\n");

    // Save As to its own name is the same save.
    prompter->saveChoices = {name};
    prompter->answers = {TPromptAnswer::No};
    EXPECT_FALSE(window->SaveAs());
    EXPECT_EQ(ShownTexts(), QStringList({SaveQuestion(name), SaveQuestion(name)}));
    EXPECT_EQ(Contents(name), "SAME\n");
}

TEST_F(DiskChangesTest, DeletedFileIsWrittenAgainWithoutAQuestion) {
    const QString name = MakeFile("doc.txt", "text\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit("x");
    ASSERT_TRUE(QFile::remove(name));
    window->CheckFileOnDisk();
    EXPECT_TRUE(window->Save());
    EXPECT_TRUE(prompter->shown.empty());
    EXPECT_EQ(Contents(name), "xtext\n");
}

TEST_F(DiskChangesTest, RegainedFocusOffersToLoadAnUnmodifiedDocumentAgain) {
    const QString name = MakeFile("doc.txt", "old\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    window->CheckFileOnDisk();
    EXPECT_TRUE(prompter->shown.empty());

    ChangeElsewhere(name, "new\n");
    prompter->answers = {TPromptAnswer::Yes};
    window->CheckFileOnDisk();
    ASSERT_EQ(prompter->shown.size(), 1u);
    EXPECT_EQ(prompter->shown[0].caption, window->ApplicationTitle());
    EXPECT_EQ(prompter->shown[0].text,
              "Plik " + name + " został zmieniony przez inny program.\r\rCzy wczytać go ponownie?");
    EXPECT_EQ(prompter->shown[0].icon, TPromptIcon::Question);
    EXPECT_EQ(prompter->shown[0].defaultAnswer, TPromptAnswer::Yes);
    EXPECT_EQ(EditorText(), "new\r\n");
    EXPECT_FALSE(window->Editor().Modified());

    // Declined: the text stays, and neither the focus nor the next save asks again.
    ChangeElsewhere(name, "newer\n");
    prompter->answers = {TPromptAnswer::No};
    window->CheckFileOnDisk();
    window->CheckFileOnDisk();
    EXPECT_EQ(prompter->shown.size(), 2u);
    EXPECT_EQ(EditorText(), "new\r\n");
    Edit("x");
    EXPECT_TRUE(window->Save());
    EXPECT_EQ(prompter->shown.size(), 2u);
    EXPECT_EQ(Contents(name), "xnew\n");
}

TEST_F(DiskChangesTest, RegainedFocusWithUnsavedEditsLetsTheUserChoose) {
    const QString name = MakeFile("doc.txt", "old\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit("x");
    ChangeElsewhere(name, "theirs\n");
    prompter->answers = {TPromptAnswer::No};
    window->CheckFileOnDisk();
    ASSERT_EQ(prompter->shown.size(), 1u);
    EXPECT_EQ(prompter->shown[0].text,
              "Plik " + name +
                  " został zmieniony przez inny program.\rW edytorze są niezapisane zmiany."
                  "\r\rCzy wczytać plik z dysku i porzucić zmiany z edytora?");
    EXPECT_EQ(prompter->shown[0].icon, TPromptIcon::Warning);
    EXPECT_EQ(prompter->shown[0].defaultAnswer, TPromptAnswer::No);
    EXPECT_EQ(EditorText(), "xold\r\n");
    EXPECT_TRUE(window->Editor().Modified());

    ChangeElsewhere(name, "theirs again\n");
    prompter->answers = {TPromptAnswer::Yes};
    window->CheckFileOnDisk();
    EXPECT_EQ(EditorText(), "theirs again\r\n");
    EXPECT_FALSE(window->Editor().Modified());
}

TEST_F(DiskChangesTest, OwnSavesAndCopiesAreNoChange) {
    const QString name = MakeFile("doc.txt", "old\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit("x");
    ASSERT_TRUE(window->Save());
    window->CheckFileOnDisk();
    // A copy under another name is not the document's file, and a new document has none.
    prompter->saveChoices = {PathOf("copy.txt")};
    ASSERT_TRUE(window->SaveAs());
    ChangeElsewhere(PathOf("copy.txt"), "changed copy\n");
    window->CheckFileOnDisk();
    window->NewDocument();
    ChangeElsewhere(name, "changed\n");
    window->CheckFileOnDisk();
    EXPECT_TRUE(prompter->shown.empty());
}

TEST_F(DiskChangesTest, ActivatingTheWindowChecksTheFile) {
    const QString name = MakeFile("doc.txt", "old\n");
    window->show();
    ASSERT_TRUE(window->OpenFileByName(name));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    ChangeElsewhere(name, "new\n");
    prompter->answers = {TPromptAnswer::Yes};
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // The check runs from the event loop once the activation is through.
    for (int round = 0; round < 100 && prompter->shown.empty(); ++round)
        QTest::qWait(10);
    ASSERT_EQ(prompter->shown.size(), 1u);
    EXPECT_EQ(EditorText(), "new\r\n");
}

} // namespace
} // namespace tavlo
