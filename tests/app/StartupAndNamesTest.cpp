// Start-up with a command line, the caption, the recent-files list, the highlighter chosen
// by extension and the size text.
#include "MainWindowFixture.h"

#include "app/DocumentFiles.h"
#include "app/HighlighterChoice.h"
#include "app/RecentFiles.h"

#include <QAction>
#include <QComboBox>
#include <QLocale>
#include <QMap>
#include <QMenu>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavlo {
namespace {

class StartupTest : public MainWindowTest {
protected:
    void TearDown() override { QDir::setCurrent(m_startFolder); }

    void StartWith(const QString& argument) {
        window->SetCommandLine({argument});
        window->show();
    }

private:
    QString m_startFolder = QDir::currentPath();
};

TEST_F(StartupTest, FolderOnTheCommandLineIsRefused) {
    QDir().mkdir(PathOf("sub"));
    StartWith(PathOf("sub"));
    EXPECT_EQ(ShownTexts(),
              QStringList{"Cannot open file " + PathOf("sub") + "\rTo jest folder, a nie plik."});
    EXPECT_EQ(window->FileName(), QString());
    EXPECT_EQ(window->windowTitle(), "tavlo");
    EXPECT_TRUE(window->RecentFiles().At(0).isEmpty());
}

TEST_F(StartupTest, FifoOnTheCommandLineIsRefusedWithoutBlocking) {
    const QString fifo = PathOf("pipe");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    StartWith(fifo);
    EXPECT_EQ(ShownTexts(),
              QStringList{"Cannot open file " + fifo + "\rTo nie jest zwykły plik."});
    EXPECT_EQ(window->FileName(), QString());
}

TEST_F(StartupTest, RelativeNameIsTakenFromTheCurrentFolderAndCleaned) {
    QDir().mkdir(PathOf("sub"));
    const QString name = MakeFile("notes.txt", "n\n");
    ASSERT_TRUE(QDir::setCurrent(PathOf("sub")));
    StartWith("../sub/./../notes.txt");
    EXPECT_TRUE(prompter->shown.empty());
    EXPECT_EQ(window->FileName(), name);
}

TEST_F(StartupTest, MissingFileOnTheCommandLineIsIgnoredSilently) {
    StartWith(PathOf("nowhere.txt"));
    EXPECT_TRUE(prompter->shown.empty());
    EXPECT_EQ(window->FileName(), QString());
    EXPECT_EQ(window->ComboBoxFontSize->currentText(), "10");
    EXPECT_EQ(window->ComboBoxHighlight->currentIndex(), 0);
}

TEST_F(StartupTest, CommandLineNameThatIsNoTextIsRefusedWithAMessage) {
    const QByteArray native = QFile::encodeName(folder.path()) + "/z\xb3y-\xff.txt";
    const int fd = ::open(native.constData(), O_CREAT | O_WRONLY, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    window->SetCommandLine(QList<QByteArray>{native});
    window->show();
    EXPECT_EQ(ShownTexts(), QStringList{"Cannot open file " + QFile::decodeName(native) +
                                        "\rNazwa pliku zawiera bajty, których nie da się "
                                        "odczytać jako tekstu (UTF-8)."});
    EXPECT_EQ(window->FileName(), QString());
    ::unlink(native.constData()); // a name QTemporaryDir could not remove either

    // A name in UTF-8 comes through whole.
    SetUp();
    const QString name = MakeFile("zły.txt", "ok\n");
    window->SetCommandLine(QList<QByteArray>{QFile::encodeName(name)});
    window->show();
    EXPECT_TRUE(prompter->shown.empty());
    EXPECT_EQ(window->FileName(), name);
}

TEST_F(MainWindowTest, LongPathsAreShortenedInTheCaption) {
    const QString prefix = folder.path() + "/";
    ASSERT_LT(prefix.size(), 40);
    const QString sixty = MakeFile(QString(60 - prefix.size() - 4, 'n') + ".txt", "6\n");
    ASSERT_EQ(sixty.size(), 60);
    ASSERT_TRUE(window->OpenFileByName(sixty));
    const QString expected = "tavlo - [..." + sixty.right(47) + "]";
    EXPECT_EQ(window->windowTitle(), expected);
    EXPECT_EQ(window->ApplicationTitle(), expected);

    const QString fifty = MakeFile(QString(50 - prefix.size() - 4, 'f') + ".txt", "5\n");
    ASSERT_EQ(fifty.size(), 50);
    ASSERT_TRUE(window->OpenFileByName(fifty));
    EXPECT_EQ(window->windowTitle(), "tavlo - [" + fifty + "]");

    // An untitled document shows the bare program name; message boxes keep the last title.
    window->NewDocument();
    EXPECT_EQ(window->windowTitle(), "tavlo");
    EXPECT_EQ(window->ApplicationTitle(), "tavlo - [" + fifty + "]");
}

TEST_F(MainWindowTest, RecentListKeepsTenNewestFirst) {
    EXPECT_FALSE(window->TBXSubmenuReopen->isEnabled());
    EXPECT_FALSE(window->PopupSubmenuReopen->isEnabled());
    QStringList names;
    for (int i = 0; i < 11; ++i) {
        names << MakeFile(QStringLiteral("f%1.txt").arg(i), "x\n");
        ASSERT_TRUE(window->OpenFileByName(names.last()));
    }
    for (int slot = 0; slot < 10; ++slot)
        EXPECT_EQ(window->RecentFiles().At(slot), names[10 - slot]);

    // Opening a listed file moves it to the top without a second entry.
    ASSERT_TRUE(window->OpenFileByName(names[5]));
    QStringList listed;
    for (int slot = 0; slot < 10; ++slot)
        listed << window->RecentFiles().At(slot);
    EXPECT_EQ(listed, QStringList({names[5], names[10], names[9], names[8], names[7], names[6],
                                   names[4], names[3], names[2], names[1]}));

    EXPECT_TRUE(window->TBXSubmenuReopen->isEnabled());
    EXPECT_TRUE(window->PopupSubmenuReopen->isEnabled());
    EXPECT_EQ(window->TBXItemReopen[0]->text(), names[5]);
    EXPECT_TRUE(window->TBXItemReopen[9]->isVisible());
    EXPECT_EQ(window->TBXItemReopen[0]->shortcut(), QKeySequence("Alt+1"));
    EXPECT_EQ(window->TBXItemReopen[8]->shortcut(), QKeySequence("Alt+9"));
    EXPECT_EQ(window->TBXItemReopen[9]->shortcut(), QKeySequence("Alt+0"));
    EXPECT_TRUE(window->PopupSubmenuReopen->actions().contains(window->TBXItemReopen[9]));

    window->TBXItemReopen[9]->trigger();
    EXPECT_EQ(window->FileName(), names[1]);
}

TEST(RecentFiles, NamesDifferingInCaseAreDifferentFilesAndBlanksAreIgnored) {
    TRecentFiles recent;
    recent.Add("/a/File.txt");
    recent.Add("/a/file.txt");
    recent.Add("   ");
    recent.Add("/a/File.txt");
    EXPECT_EQ(recent.At(0), "/a/File.txt");
    EXPECT_EQ(recent.At(1), "/a/file.txt");
    EXPECT_EQ(recent.At(2), QString());
    EXPECT_EQ(recent.At(-1), QString());
    EXPECT_EQ(recent.At(10), QString());
}

TEST(HighlighterChoice, ExtensionsPickTheirLanguage) {
    const std::pair<const char*, int> cases[] = {
        {".c", hlCpp},      {".h", hlCpp},      {".HPP", hlCpp},  {".inc", hlSchema},
        {".dpr", hlSchema}, {".pas", hlPascal}, {".php3", hlPhp}, {".txt", hlNone},
        {".sch", hlSchema}, {".psq", hlSql},    {".xsl", hlXml},  {".xfm", hlDfm},
    };
    for (const auto& [extension, index] : cases)
        EXPECT_EQ(HighlighterForExtension(extension), index) << extension;
    EXPECT_EQ(HighlighterComboEntries().size(), 12);
    EXPECT_EQ(HighlighterComboEntries()[5], "Java Script");
    // The dialogs take their patterns from the parentheses of each description.
    const QStringList filters = DocumentDialogFilter().split(";;");
    EXPECT_EQ(filters.first(), "Wszystkie pliki (*)");
    EXPECT_TRUE(filters.contains("C++ Files (*.c *.cpp *.h *.hpp)"));
    EXPECT_TRUE(filters.contains("Borland Form Files (*.dfm *.xfm)"));
    EXPECT_EQ(filters.filter("Pascal").size(), 1);
}

TEST_F(MainWindowTest, OpeningSetsTheHighlighterComboByExtension) {
    ASSERT_TRUE(window->OpenFileByName(MakeFile("x.inc", "i\n")));
    EXPECT_EQ(window->ComboBoxHighlight->currentIndex(), int(hlSchema));
    ASSERT_TRUE(window->OpenFileByName(MakeFile("Makefile", "all:\n")));
    EXPECT_EQ(window->ComboBoxHighlight->currentIndex(), int(hlSchema)); // no extension: unchanged
    ASSERT_TRUE(window->OpenFileByName(MakeFile("x.txt", "t\n")));
    EXPECT_EQ(window->ComboBoxHighlight->currentText(), "[ BRAK ]");
    EXPECT_EQ(window->Editor().Highlighter(), int(hlNone));
}

TEST(FileExtension, HiddenNamesAndTrailingDotsHaveNone) {
    EXPECT_EQ(FileExtension("/p/x.tar.gz"), ".gz");
    EXPECT_EQ(FileExtension("/p.d/x"), QString());
    EXPECT_EQ(FileExtension("/p/.bashrc"), QString());
    EXPECT_EQ(FileExtension("/p/x."), QString());
}

TEST_F(MainWindowTest, SizePanelUsesTheLocaleDecimalSeparator) {
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    const std::pair<int, const char*> cases[] = {
        {1023, "1023 B"}, {1024, "1,0 kB"}, {1536, "1,5 kB"}};
    for (const auto& [size, text] : cases) {
        ASSERT_TRUE(window->OpenFileByName(
            MakeFile(QStringLiteral("s%1.bin").arg(size), QByteArray(size, 'a'))));
        EXPECT_EQ(window->StatusText(TfrMain::pnFileSize), QString::fromUtf8(text));
    }
    QLocale::setDefault(QLocale::c());
}

TEST(FileSizeText, UnitsRoundingAndSixtyFourBitSizes) {
    const QString comma = ",";
    EXPECT_EQ(FileSizeText(0, comma), "0 B");
    EXPECT_EQ(FileSizeText(1280, comma), "1,2 kB"); // 1.25: a half goes to the even tenth
    EXPECT_EQ(FileSizeText(1792, comma), "1,8 kB"); // 1.75
    EXPECT_EQ(FileSizeText(2047, comma), "2,0 kB"); // 1.999 never shows ten tenths
    EXPECT_EQ(FileSizeText((int64_t(1) << 20) * 3 / 2, comma), "1,5 MB");
    EXPECT_EQ(FileSizeText(int64_t(1) << 30, comma), "1,0 GB");
    EXPECT_EQ(FileSizeText(int64_t(5) << 32, "."), "20.0 GB");
}

TEST_F(MainWindowTest, NoTwoItemsShareAShortcut) {
    // Qt runs neither of two items bound to the same key.
    QMap<QString, QString> owners;
    for (QAction* action : window->findChildren<QAction*>()) {
        for (const QKeySequence& key : action->shortcuts()) {
            const QString keyText = key.toString();
            EXPECT_FALSE(owners.contains(keyText))
                << keyText.toStdString() << ": " << owners.value(keyText).toStdString() << " and "
                << action->text().toStdString();
            owners.insert(keyText, action->text());
        }
    }
    EXPECT_EQ(owners.value("Ctrl+Shift+I"), "Zwiększ");
    EXPECT_EQ(owners.value("Ctrl+Shift+S"), "Zapisz jako");
}

TEST_F(MainWindowTest, OpenDialogStartsInTheDocumentFolder) {
    prompter->openChoices = {QString()};
    window->OpenWithDialog();
    EXPECT_EQ(prompter->lastOpenFolder, QString());
    const QString name = MakeFile("a&b.txt", "a\n");
    prompter->openChoices = {name, QString()};
    window->OpenWithDialog();
    EXPECT_EQ(window->FileName(), name);
    window->OpenWithDialog();
    EXPECT_EQ(prompter->lastOpenFolder, folder.path());
    EXPECT_EQ(prompter->openDialogs, 3);
    // A menu caption would take the ampersand for an accelerator mark.
    EXPECT_EQ(window->TBXItemReopen[0]->text(), QString(name).replace("&", "&&"));
}

} // namespace
} // namespace tavlo
