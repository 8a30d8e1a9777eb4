// The flows that may discard, save or replace the document, with their prompts.
#include "MainWindowFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <functional>
#include <sys/stat.h>

namespace tavlo {
namespace {

struct TDiscardingFlow {
    const char* name;
    // Runs the flow; the second file is what it should open, where it opens one.
    std::function<void(TfrMain&, TScriptedPrompter&, const QString&)> run;
    bool opensSecondFile;
};

TEST_F(MainWindowTest, AskToSaveAnswersDecideEveryDiscardingFlow) {
    const std::vector<TDiscardingFlow> flows{
        {"New", [](TfrMain& w, TScriptedPrompter&, const QString&) { w.NewDocument(); }, false},
        {"Open",
         [](TfrMain& w, TScriptedPrompter& p, const QString& second) {
             p.openChoices.push_back(second);
             w.OpenWithDialog();
         },
         true},
        {"Close", [](TfrMain& w, TScriptedPrompter&, const QString&) { w.close(); }, false},
        {"Reopen", [](TfrMain& w, TScriptedPrompter&, const QString&) { w.Reopen(1); }, true},
        {"Drop",
         [](TfrMain& w, TScriptedPrompter&, const QString& second) { w.DropFiles({second}); },
         true},
    };
    for (const TDiscardingFlow& flow : flows) {
        for (TPromptAnswer answer :
             {TPromptAnswer::Yes, TPromptAnswer::No, TPromptAnswer::Cancel}) {
            SCOPED_TRACE(std::string(flow.name) + " answered " + std::to_string(int(answer)));
            SetUp();
            const QString first = MakeFile("first.txt", "alpha\n");
            const QString second = MakeFile("second.txt", "beta\n");
            ASSERT_TRUE(window->OpenFileByName(second));
            ASSERT_TRUE(window->OpenFileByName(first)); // recent: first, second
            window->show();
            Edit();
            ASSERT_TRUE(window->Editor().Modified());

            prompter->answers = {answer};
            flow.run(*window, *prompter, second);

            ASSERT_EQ(prompter->shown.size(), 1u);
            EXPECT_EQ(prompter->shown[0].text, AskToSaveText());
            EXPECT_EQ(prompter->shown[0].caption, QStringLiteral("tavlo - [") + first + "]");
            EXPECT_EQ(prompter->shown[0].buttons, TPromptButtons::YesNoCancel);
            EXPECT_EQ(prompter->shown[0].icon, TPromptIcon::Warning);
            EXPECT_EQ(Contents(first), answer == TPromptAnswer::Yes ? QByteArray("xalpha\n")
                                                                    : QByteArray("alpha\n"));
            if (answer == TPromptAnswer::Cancel) {
                EXPECT_EQ(window->FileName(), first);
                EXPECT_TRUE(window->Editor().Modified());
                EXPECT_TRUE(window->isVisible());
                EXPECT_EQ(prompter->openDialogs, 0);
            } else if (flow.opensSecondFile) {
                EXPECT_EQ(window->FileName(), second);
                EXPECT_FALSE(window->Editor().Modified());
            } else if (std::string(flow.name) == "New") {
                EXPECT_EQ(window->FileName(), QString());
                EXPECT_FALSE(window->Editor().Modified());
            } else {
                EXPECT_FALSE(window->isVisible());
            }
            window->hide();
        }
    }
}

TEST_F(MainWindowTest, YesThatCannotSaveKeepsTheDocument) {
    // The file turned into a folder: the save fails, so New must not throw the edits away.
    const QString name = MakeFile("doc.txt", "text\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit();
    ASSERT_TRUE(QFile::remove(name));
    ASSERT_TRUE(QDir().mkdir(name));
    prompter->answers = {TPromptAnswer::Yes};
    window->NewDocument();
    EXPECT_EQ(ShownTexts(), QStringList({AskToSaveText(), "Cannot create file " + name +
                                                              "\rTo jest folder, a nie plik."}));
    EXPECT_EQ(window->FileName(), name);
    EXPECT_TRUE(window->Editor().Modified());
    EXPECT_EQ(window->StatusText(TfrMain::pnModified), "Modified");

    // Untitled: cancelling the save dialog after Yes cancels the New as well.
    SetUp();
    Edit();
    prompter->answers = {TPromptAnswer::Yes};
    window->NewDocument();
    EXPECT_EQ(prompter->saveDialogs, 1);
    EXPECT_TRUE(window->Editor().Modified());
}

TEST_F(MainWindowTest, SaveAsFromUntitledAdoptsTheName) {
    Edit();
    const QString name = PathOf("unit.pas");
    prompter->saveChoices = {name};
    EXPECT_TRUE(window->SaveAs());
    EXPECT_TRUE(prompter->shown.empty());
    EXPECT_EQ(prompter->lastSaveSuggestion, QString());
    EXPECT_TRUE(Contents(name).startsWith("x"));
    EXPECT_EQ(window->FileName(), name);
    EXPECT_EQ(window->windowTitle(), "tavlo - [" + name + "]");
    EXPECT_EQ(window->ComboBoxHighlight->currentIndex(), 2);
    EXPECT_EQ(window->Editor().Highlighter(), 2);
    EXPECT_FALSE(window->Editor().Modified());
    EXPECT_EQ(window->RecentFiles().At(0), name);
    EXPECT_EQ(window->StatusText(TfrMain::pnFileName), name);
    EXPECT_FALSE(window->StatusText(TfrMain::pnFileSize).isEmpty());
}

TEST_F(MainWindowTest, SaveAsToItsOwnNameAsksNothing) {
    const QString name = MakeFile("own.txt", "one\r\ntwo\r\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit();
    prompter->saveChoices = {name};
    EXPECT_TRUE(window->SaveAs());
    EXPECT_TRUE(prompter->shown.empty());
    EXPECT_EQ(prompter->lastSaveSuggestion, name);
    EXPECT_EQ(Contents(name), QByteArray("xone\r\ntwo\r\n"));
    EXPECT_FALSE(window->Editor().Modified());
}

TEST_F(MainWindowTest, SaveAsToAnotherNameWritesACopyAndKeepsTheDocument) {
    const QString name = MakeFile("main.c", "int x;\n");
    const QString other = MakeFile("other.txt", "keep me\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit();

    prompter->saveChoices = {other};
    prompter->answers = {TPromptAnswer::No};
    EXPECT_FALSE(window->SaveAs());
    ASSERT_EQ(ShownTexts(),
              QStringList{"Plik o tej nazwie już istnieje! Nadpisać istniejący plik?"});
    EXPECT_EQ(prompter->shown[0].caption, "tavlo - [" + name + "]");
    EXPECT_EQ(Contents(other), QByteArray("keep me\n"));

    prompter->saveChoices = {other};
    prompter->answers = {TPromptAnswer::Yes};
    EXPECT_TRUE(window->SaveAs());
    EXPECT_EQ(Contents(other), QByteArray("xint x;\n"));
    EXPECT_EQ(Contents(name), QByteArray("int x;\n"));
    EXPECT_EQ(window->FileName(), name);
    EXPECT_EQ(window->windowTitle(), "tavlo - [" + name + "]");
    EXPECT_EQ(window->ComboBoxHighlight->currentIndex(), 1);
    EXPECT_TRUE(window->Editor().Modified());
    EXPECT_EQ(window->RecentFiles().At(0), other);
    EXPECT_EQ(window->RecentFiles().At(1), name);
}

TEST_F(MainWindowTest, FailedSaveShowsTheFileLayerMessageAndStaysModified) {
    QDir().mkdir(PathOf("folder"));
    Edit();
    prompter->saveChoices = {PathOf("folder")};
    prompter->answers = {TPromptAnswer::Yes}; // overwrite the existing "file"
    EXPECT_FALSE(window->SaveAs());
    EXPECT_EQ(ShownTexts().last(),
              "Cannot create file " + PathOf("folder") + "\rTo jest folder, a nie plik.");
    EXPECT_EQ(prompter->shown.back().icon, TPromptIcon::Error);
    EXPECT_EQ(window->FileName(), QString());
    EXPECT_TRUE(window->Editor().Modified());

    // Save As to its own name must not clear the flag before the write succeeds.
    SetUp();
    const QString name = MakeFile("gone.txt", "a\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit();
    QFile::remove(name);
    QDir().mkdir(name);
    prompter->saveChoices = {name};
    EXPECT_FALSE(window->SaveAs());
    EXPECT_TRUE(window->Editor().Modified());
    EXPECT_TRUE(window->TBXItemSave->isEnabled());
}

mode_t ModeOf(const QString& path) {
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

TEST_F(MainWindowTest, SavingAReadOnlyFileAsksAndKeepsItsAttributes) {
    const QString name = MakeFile("locked.txt", "data\n");
    ASSERT_EQ(::chmod(QFile::encodeName(name).constData(), 0444), 0);
    ASSERT_TRUE(window->OpenFileByName(name));
    EXPECT_TRUE(window->CheckBoxReadOnly->isChecked());
    EXPECT_TRUE(window->Editor().ReadOnly());
    EXPECT_EQ(window->StatusText(TfrMain::pnReadOnly), "Read only");
    window->CheckBoxReadOnly->setChecked(false); // unmodified: nothing asked
    EXPECT_FALSE(window->Editor().ReadOnly());
    Edit();

    prompter->answers = {TPromptAnswer::No};
    EXPECT_FALSE(window->Save());
    ASSERT_EQ(prompter->shown.size(), 1u);
    EXPECT_EQ(prompter->shown[0].caption, "Zapis pliku");
    EXPECT_EQ(
        prompter->shown[0].text,
        "Zapisywany plik posiada atrybuty: tylko do odczytu.\r\rAzaliż na pewno zapisać ten plik?");
    EXPECT_EQ(prompter->shown[0].defaultAnswer, TPromptAnswer::No);
    EXPECT_EQ(prompter->shown[0].icon, TPromptIcon::Warning);
    EXPECT_EQ(Contents(name), QByteArray("data\n"));
    EXPECT_TRUE(window->Editor().Modified());

    prompter->answers = {TPromptAnswer::Yes};
    EXPECT_TRUE(window->Save());
    EXPECT_EQ(Contents(name), QByteArray("xdata\n"));
    EXPECT_EQ(ModeOf(name), mode_t(0444));
    EXPECT_FALSE(window->Editor().Modified());
}

TEST_F(MainWindowTest, SavingAHiddenReadOnlyFileListsBothAttributes) {
    const QString name = MakeFile(".hidden.txt", "data\n");
    ASSERT_EQ(::chmod(QFile::encodeName(name).constData(), 0440), 0);
    ASSERT_TRUE(window->OpenFileByName(name));
    window->CheckBoxReadOnly->setChecked(false);
    Edit();
    prompter->answers = {TPromptAnswer::Yes};
    EXPECT_TRUE(window->Save());
    EXPECT_EQ(ShownTexts(),
              QStringList{"Zapisywany plik posiada atrybuty: tylko do odczytu, ukryty."
                          "\r\rAzaliż na pewno zapisać ten plik?"});
    EXPECT_EQ(Contents(name), QByteArray("xdata\n"));
    EXPECT_EQ(ModeOf(name), mode_t(0440));
}

TEST_F(MainWindowTest, ReadOnlySwitchCancelledByTheUserFlipsBack) {
    const QString name = MakeFile("doc.txt", "data\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Edit();
    prompter->answers = {TPromptAnswer::Cancel};
    window->CheckBoxReadOnly->setChecked(true);
    EXPECT_FALSE(window->CheckBoxReadOnly->isChecked());
    EXPECT_FALSE(window->Editor().ReadOnly());
    prompter->answers = {TPromptAnswer::No};
    window->CheckBoxReadOnly->setChecked(true);
    EXPECT_TRUE(window->Editor().ReadOnly());
    EXPECT_EQ(prompter->shown.size(), 2u);
}

TEST_F(MainWindowTest, ReopenOfAVanishedOrUnreadableEntry) {
    const QString kept = MakeFile("kept.txt", "k\n");
    const QString gone = MakeFile("gone.txt", "g\n");
    const QString folderEntry = PathOf("was-a-file");
    QDir().mkdir(folderEntry);
    window->AddRecentFile(folderEntry);
    ASSERT_TRUE(window->OpenFileByName(gone));
    ASSERT_TRUE(window->OpenFileByName(kept)); // recent: kept, gone, was-a-file
    QFile::remove(gone);

    window->Reopen(1);
    EXPECT_EQ(prompter->beeps, 1);
    EXPECT_TRUE(prompter->shown.empty());
    EXPECT_EQ(window->RecentFiles().At(1), gone);

    window->Reopen(2);
    EXPECT_EQ(ShownTexts(),
              QStringList{"Cannot open file " + folderEntry + "\rTo jest folder, a nie plik."});
    EXPECT_EQ(window->FileName(), kept);
    EXPECT_EQ(window->RecentFiles().At(0), kept);
}

TEST_F(MainWindowTest, StatusAndCommandStatesFollowTheDocument) {
    EXPECT_FALSE(window->TBXItemNew->isEnabled());
    EXPECT_FALSE(window->TBXItemSave->isEnabled());
    EXPECT_EQ(window->StatusText(TfrMain::pnCaret), "1: 1");
    EXPECT_EQ(window->StatusText(TfrMain::pnSelectionMode), "Line sel");
    EXPECT_TRUE(window->TBXItemLineSelection->isChecked());
    Edit("ab");
    EXPECT_EQ(window->StatusText(TfrMain::pnModified), "Modified");
    EXPECT_EQ(window->StatusText(TfrMain::pnCaret), "3: 1");
    EXPECT_TRUE(window->TBXItemNew->isEnabled());
    EXPECT_TRUE(window->TBXItemSave->isEnabled());

    const QString name = MakeFile("code.cpp", "int a;\n");
    prompter->answers = {TPromptAnswer::No};
    ASSERT_TRUE(window->OpenFileByName(name));
    EXPECT_EQ(window->StatusText(TfrMain::pnModified), QString());
    EXPECT_TRUE(window->TBXItemNew->isEnabled());
    EXPECT_FALSE(window->TBXItemSave->isEnabled());

    // New leaves the combo box as it was but takes the highlighter off the editor.
    window->NewDocument();
    EXPECT_EQ(window->ComboBoxHighlight->currentIndex(), 1);
    EXPECT_EQ(window->Editor().Highlighter(), 0);
    EXPECT_EQ(window->windowTitle(), "tavlo");
    EXPECT_EQ(window->StatusText(TfrMain::pnFileSize), QString());
    EXPECT_FALSE(window->TBXItemNew->isEnabled());

    window->TBXItemBlockSelection->trigger();
    EXPECT_EQ(window->StatusText(TfrMain::pnSelectionMode), "Block sel");
    EXPECT_EQ(window->Editor().SelectionMode(), smColumn);
}

TEST_F(MainWindowTest, LargeFilesNeedConfirmation) {
    const QString small = MakeFile("small.txt", "s\n");
    ASSERT_TRUE(window->OpenFileByName(small));
    const QString big = PathOf("big.txt");
    QFile file(big);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(TfrMain::LargeFileSize + 1));
    file.close();
    prompter->answers = {TPromptAnswer::No};
    EXPECT_FALSE(window->OpenFileByName(big));
    ASSERT_EQ(prompter->shown.size(), 1u);
    EXPECT_EQ(prompter->shown[0].caption, "Otwieranie pliku");
    EXPECT_EQ(prompter->shown[0].text,
              "Otwierany plik jest większy niż 10MB.\rAzaliż na pewno otworzyć wybrany plik?");
    EXPECT_EQ(prompter->shown[0].defaultAnswer, TPromptAnswer::No);
    EXPECT_EQ(prompter->shown[0].icon, TPromptIcon::Question);
    EXPECT_EQ(window->FileName(), small);
}

TEST_F(MainWindowTest, FileOfExactlyTheLimitOpensWithoutAsking) {
    QByteArray line(1023, 'x');
    line += '\n';
    const QString name =
        MakeFile("limit.txt", line.repeated(int(TfrMain::LargeFileSize / line.size())));
    ASSERT_EQ(QFileInfo(name).size(), TfrMain::LargeFileSize);
    EXPECT_TRUE(window->OpenFileByName(name));
    EXPECT_TRUE(prompter->shown.empty());
}

TEST_F(MainWindowTest, SettingsHooksRunWhenTheDocumentIsLeftOrSaved) {
    QStringList calls;
    window->OnLoadSettings = [&] { calls << "load"; };
    window->OnSaveSettings = [&] { calls << "save"; };
    window->OnStoreLastPosition = [&] {
        calls << "store " + QFileInfo(window->FileName()).fileName();
    };
    window->OnRestoreLastPosition = [&] {
        calls << "restore " + QFileInfo(window->FileName()).fileName();
        return true;
    };
    const QString a = MakeFile("a.txt", "a\n");
    const QString b = MakeFile("b.txt", "b\n");
    window->SetCommandLine({a});
    window->show();
    ASSERT_TRUE(window->OpenFileByName(b)); // a was clean: its position is kept
    Edit();
    prompter->answers = {TPromptAnswer::No};
    window->NewDocument(); // b was modified and not saved: nothing to keep
    Edit();
    prompter->saveChoices = {PathOf("c.txt")};
    ASSERT_TRUE(window->Save()); // untitled: Save As, which keeps no position
    Edit();
    ASSERT_TRUE(window->Save());
    window->close();
    EXPECT_EQ(calls, QStringList({"load", "restore a.txt", "store a.txt", "restore b.txt",
                                  "store c.txt", "store c.txt", "save"}));
}

TEST_F(MainWindowTest, DroppedFilesOpenInTurnAndCancelEndsTheDrop) {
    const QString a = MakeFile("a.txt", "a\n");
    const QString b = MakeFile("b.txt", "b\n");
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    // Straight to the window's handler: delivery through the application needs a drag.
    static_cast<QObject*>(window.get())->event(&drop);
    EXPECT_EQ(window->FileName(), b);
    EXPECT_EQ(window->RecentFiles().At(1), a);

    Edit();
    prompter->answers = {TPromptAnswer::Cancel};
    window->DropFiles({a, b});
    EXPECT_EQ(prompter->shown.size(), 1u);
    EXPECT_EQ(window->FileName(), b);
}

} // namespace
} // namespace tavlo
