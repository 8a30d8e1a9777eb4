// The settings store behind the main window: what one run leaves, the next one finds;
// a damaged or hostile settings file gives defaults or clamped values and never a box.
#include "MainWindowFixture.h"

#include "app/SettingsStore.h"
#include "editor/SynEdit.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <sys/stat.h>

namespace tavlo {
namespace {

class SettingsStoreTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        attachStore();
    }

    // Closes the window (which saves) and shows a new one on the same settings file.
    void Restart() {
        window->close();
        StartAnew();
    }

    // A new window on the settings file as it is, the old one gone without saving.
    void StartAnew() {
        store.reset();
        window.reset();
        auto scripted = std::make_unique<TScriptedPrompter>();
        prompter = scripted.get();
        window = std::make_unique<TfrMain>(std::move(scripted));
        attachStore();
        window->show();
    }

    QString SettingsPath() const { return PathOf("config/BRENWICK/tavlo.ini"); }

    void WriteSettings(const QByteArray& bytes) {
        QDir().mkpath(PathOf("config/BRENWICK"));
        QFile file(SettingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    TSynEdit& Engine() { return window->Editor().Engine(); }

    void ExpectDefaults() {
        EXPECT_EQ(window->ComboBoxFontSize->currentText(), "10");
        EXPECT_EQ(window->Editor().FontSize(), 10);
        EXPECT_EQ(Engine().TabWidth(), 2);
        EXPECT_TRUE(window->RecentFiles().At(0).isEmpty());
        EXPECT_TRUE(window->SearchSettings().FindText.isEmpty());
        EXPECT_FALSE(window->SearchSettings().CaseSensitive);
        EXPECT_FALSE(window->isMaximized());
        EXPECT_EQ(window->geometry(), QRect(192, 107, 601, 578)) << "the form's placement";
        ExpectOnScreen();
        EXPECT_TRUE(prompter->shown.empty());
    }

    void ExpectOnScreen() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        EXPECT_TRUE(screen.contains(frame))
            << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    }

    // A numbered file of `lines` lines, each 20 characters long.
    QString MakeTextFile(const QString& name, int lines = 40) {
        QByteArray text;
        for (int i = 0; i < lines; ++i)
            text += QByteArray(20, char('a' + i % 26)) + '\n';
        return MakeFile(name, text);
    }

    std::unique_ptr<TSettingsStore> store;
    int clock = 0;

private:
    void attachStore() {
        store = std::make_unique<TSettingsStore>(*window, TSettingsFile(SettingsPath()));
        // One second per stored position, so that names sort by the order of storing.
        store->Now = [this] { return QDateTime(QDate(2024, 1, 1), QTime(0, 0)).addSecs(clock++); };
    }
};

TEST_F(SettingsStoreTest, FirstStartGivesTheDefaultsAndCloseWritesEveryValue) {
    window->show();
    ExpectDefaults();
    EXPECT_EQ(window->geometry(), QRect(192, 107, 601, 578));
    window->close();

    QSettings ini(SettingsPath(), QSettings::IniFormat);
    ASSERT_EQ(ini.status(), QSettings::NoError);
    EXPECT_EQ(ini.value("FixedSettings/TabWidth").toString(), "2");
    EXPECT_EQ(ini.value("FixedSettings/FontSizeIDX").toString(), "6");
    EXPECT_EQ(ini.value("FixedSettings/SearchReplaceWholeWords").toString(), "0");
    EXPECT_EQ(ini.value("FixedSettings/FindText").toString(), "");
    // The inside of the window, without the frame the window manager draws.
    EXPECT_EQ(ini.value("FixedSettings/windowLeft").toString(), "192");
    EXPECT_EQ(ini.value("FixedSettings/windowTop").toString(), "107");
    EXPECT_EQ(ini.value("FixedSettings/windowWidth").toString(), "601");
    EXPECT_EQ(ini.value("FixedSettings/windowHeight").toString(), "578");
    EXPECT_EQ(ini.value("FixedSettings/windowState").toString(), "0");
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(ini.contains(QStringLiteral("Reopen/Reopen%1").arg(i)));
    EXPECT_TRUE(ini.childGroups().contains("FixedSettings"));
}

TEST_F(SettingsStoreTest, EveryValueSurvivesARestart) {
    window->show();
    TSearchSettings& search = window->SearchSettings();
    search.FindText = "zażółć, \"gęślą\" = jaźń; #1 [a] @b";
    search.ReplaceText = "ZAŻÓŁĆ";
    search.CaseSensitive = true;
    search.SelectionOnly = true;
    Engine().SetTabWidth(4);
    window->ComboBoxFontSize->setCurrentIndex(8);
    emit window->ComboBoxFontSize->activated(8);
    window->setGeometry(40, 50, 500, 400);
    QStringList opened;
    for (int i = 0; i < 12; ++i) {
        opened.prepend(MakeTextFile(QStringLiteral("recent %1.txt").arg(i), 2));
        ASSERT_TRUE(window->OpenFileByName(opened.first()));
    }

    Restart();
    EXPECT_EQ(window->SearchSettings().FindText, "zażółć, \"gęślą\" = jaźń; #1 [a] @b");
    EXPECT_EQ(window->SearchSettings().ReplaceText, "ZAŻÓŁĆ");
    EXPECT_TRUE(window->SearchSettings().CaseSensitive);
    EXPECT_FALSE(window->SearchSettings().WholeWords);
    EXPECT_FALSE(window->SearchSettings().FromCaret);
    EXPECT_TRUE(window->SearchSettings().SelectionOnly);
    EXPECT_EQ(Engine().TabWidth(), 4);
    EXPECT_EQ(window->ComboBoxFontSize->currentText(), "12");
    EXPECT_EQ(window->Editor().FontSize(), 12);
    EXPECT_EQ(window->geometry(), QRect(40, 50, 500, 400));
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(window->RecentFiles().At(i), opened[i]) << i;
    EXPECT_TRUE(window->TBXSubmenuReopen->isEnabled());
    EXPECT_TRUE(prompter->shown.empty());
}

TEST_F(SettingsStoreTest, MaximisedWindowKeepsItsNormalPlacement) {
    window->show();
    window->setGeometry(30, 40, 450, 350);
    Restart();
    window->setWindowState(Qt::WindowMaximized);
    ASSERT_TRUE(window->isMaximized());
    Restart();
    {
        QSettings ini(SettingsPath(), QSettings::IniFormat);
        EXPECT_EQ(ini.value("FixedSettings/windowState").toString(), "2");
        EXPECT_EQ(ini.value("FixedSettings/windowLeft").toString(), "30");
        EXPECT_EQ(ini.value("FixedSettings/windowWidth").toString(), "450");
    }
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->normalGeometry(), QRect(30, 40, 450, 350));
}

TEST_F(SettingsStoreTest, FilePositionsComeBackWhenTheFileIsOpenedAgain) {
    window->show();
    const QString pascal = MakeTextFile("unit.pas");
    const QString other = MakeTextFile("other.txt");
    ASSERT_TRUE(window->OpenFileByName(pascal));
    Engine().SetCaretPos({7, 30});
    Engine().SetFirstVisibleLine(12);
    Engine().PlaceBookmark(2, 3, 5);
    Engine().PlaceBookmark(9, 1, 40);
    window->ComboBoxCharset->setCurrentIndex(3);
    window->ComboBoxHighlight->setCurrentIndex(1);
    emit window->ComboBoxHighlight->activated(1);
    // Leaving the file for another stores its position.
    ASSERT_TRUE(window->OpenFileByName(other));
    EXPECT_EQ(Engine().CaretLine(), 1);
    EXPECT_FALSE(Engine().HasBookmark(2));

    Restart();
    ASSERT_TRUE(window->OpenFileByName(pascal));
    EXPECT_EQ(Engine().CaretChar(), 7);
    EXPECT_EQ(Engine().CaretLine(), 30);
    EXPECT_EQ(Engine().FirstVisibleLine(), 12);
    EXPECT_EQ(window->ComboBoxCharset->currentIndex(), 3);
    EXPECT_EQ(window->ComboBoxHighlight->currentIndex(), 1);
    EXPECT_EQ(window->Editor().Highlighter(), 1);
    EXPECT_EQ(Engine().FindBookmark(2), (TBufferCoord{3, 5}));
    EXPECT_EQ(Engine().FindBookmark(9), (TBufferCoord{1, 40}));
    EXPECT_FALSE(Engine().HasBookmark(0));
    // A modified document is not stored when left; the unmodified other one is.
    ASSERT_TRUE(window->OpenFileByName(other));
    EXPECT_EQ(Engine().CaretLine(), 1);
}

TEST_F(SettingsStoreTest, AwkwardPathsAreStoredAndFoundExactly) {
    window->show();
    const QStringList names{"dir with space/a=b;c#d.txt", "[x]/y]z[.txt", "zażółć/gęślą jaźń.c",
                            "back\\slash%41_5F.txt",      "Case.txt",     "case.txt"};
    int line = 2;
    for (const QString& name : names) {
        QDir().mkpath(QFileInfo(PathOf(name)).path());
        ASSERT_TRUE(window->OpenFileByName(MakeTextFile(name)));
        Engine().SetCaretPos({1, line++});
    }
    Restart();
    line = 2;
    for (const QString& name : names) {
        ASSERT_TRUE(window->OpenFileByName(PathOf(name)));
        EXPECT_EQ(Engine().CaretLine(), line++) << name.toStdString();
    }
    // Each file has its own entry, and nothing else stands in the group.
    EXPECT_EQ(TSettingsFile(SettingsPath()).Read().lastPositions.size(), size_t(names.size()));
}

TEST_F(SettingsStoreTest, FiftyOneFilesKeepTheFiftyNewestPositions) {
    window->show();
    QStringList files;
    for (int i = 0; i < 51; ++i) {
        files << MakeTextFile(QStringLiteral("f%1.txt").arg(i));
        ASSERT_TRUE(window->OpenFileByName(files.last()));
        Engine().SetCaretPos({1, i % 40 + 1});
    }
    Restart();
    const TStoredSettings stored = TSettingsFile(SettingsPath()).Read();
    EXPECT_EQ(stored.lastPositions.size(), 50u);
    ASSERT_TRUE(window->OpenFileByName(files[0]));
    EXPECT_EQ(Engine().CaretLine(), 1) << "the oldest entry is gone";
    ASSERT_TRUE(window->OpenFileByName(files[37]));
    EXPECT_EQ(Engine().CaretLine(), 38);
}

TEST_F(SettingsStoreTest, OlderFourNumberShapeRestoresCaretAndStandardOnly) {
    const QString name = MakeTextFile("old.pas");
    TStoredSettings stored;
    stored.lastPositions.push_back({"[20000101000000]" + QFile::encodeName(name), "10,3,1,2"});
    ASSERT_TRUE(TSettingsFile(SettingsPath()).Write(stored));
    window->show();
    ASSERT_TRUE(window->OpenFileByName(name));
    EXPECT_EQ(Engine().CaretChar(), 10);
    EXPECT_EQ(Engine().CaretLine(), 3);
    EXPECT_EQ(Engine().FirstVisibleLine(), 1);
    EXPECT_EQ(window->ComboBoxCharset->currentIndex(), 2);
    EXPECT_EQ(window->ComboBoxHighlight->currentIndex(), 2) << "chosen by the extension";
    for (int n = 0; n < 10; ++n)
        EXPECT_FALSE(Engine().HasBookmark(n));
}

struct THostileFile {
    const char* what;
    QByteArray bytes;
};

TEST_F(SettingsStoreTest, BrokenFilesGiveTheDefaultsWithoutAWord) {
    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary += char((i * 7919) ^ (i >> 3));
    const THostileFile files[] = {
        {"empty", ""},
        {"garbage", "\x01\x02]]][[[=\n=\n===\n[FixedSettings\nTabWidth\n%%%%\n"},
        {"binary", binary},
        {"truncated in a group name", "[FixedSett"},
        {"variants", "[FixedSettings]\nTabWidth=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\tQFakeType\\0)\n"
                     "FontSizeIDX=@ByteArray(7)\nFindText=@Rect(1 2 3 4)\n"},
        {"strings where numbers belong",
         "[FixedSettings]\nTabWidth=four\nFontSizeIDX=\"\"\nwindowState=max\n"
         "SearchReplaceCaseSensitive=yes\nwindowLeft=1e3\n"},
    };
    for (const THostileFile& file : files) {
        SCOPED_TRACE(file.what);
        WriteSettings(file.bytes);
        StartAnew();
        ExpectDefaults();
    }
}

TEST_F(SettingsStoreTest, OversizedFileIsNotRead) {
    // Sound values, but far more bytes than the settings can take: not this program's file.
    WriteSettings("[FixedSettings]\nTabWidth=4\n[Other]\nPadding=" + QByteArray(9 << 20, 'p') +
                  "\n");
    StartAnew();
    ExpectDefaults();
}

TEST_F(SettingsStoreTest, PipeInPlaceOfTheFileBlocksNothing) {
    QDir().mkpath(PathOf("config/BRENWICK"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(SettingsPath()).constData(), 0600), 0);
    StartAnew();
    ExpectDefaults();
    window->close();
    EXPECT_TRUE(QFileInfo(SettingsPath()).isFile()) << "replaced by a sound file";
}

TEST_F(SettingsStoreTest, FolderInPlaceOfTheFileIsLeftAlone) {
    QDir().mkpath(SettingsPath());
    StartAnew();
    ExpectDefaults();
    window->close();
    EXPECT_TRUE(QFileInfo(SettingsPath()).isDir());
    EXPECT_TRUE(prompter->shown.empty());
}

TEST_F(SettingsStoreTest, HostileValuesAreClamped) {
    const QString kept = MakeTextFile("kept.txt");
    const QString positioned = MakeTextFile("positioned.txt");
    QByteArray text = "[FixedSettings]\n"
                      "TabWidth=-5\n"
                      "FontSizeIDX=1000000000\n"
                      "windowLeft=100000\n"
                      "windowTop=-50000\n"
                      "windowWidth=-3\n"
                      "windowHeight=2147483647\n"
                      "windowState=7\n"
                      "SearchReplaceWholeWords=-12\n"
                      "[Reopen]\n"
                      "Reopen0=" +
                      QByteArray(100 * 1024, 'a') + "\nReopen1=" + QFile::encodeName(kept) + "\n";
    QByteArray many;
    for (int i = 0; i < 10000; ++i)
        many += QByteArray::number(1000000000 + i) + ',';
    text += "[LastPositions]\n" +
            EscapeValueName("[20240101000000]" + QFile::encodeName(positioned)).toLatin1() + "=\"" +
            many + "\"\n";
    WriteSettings(text);
    StartAnew();

    EXPECT_EQ(Engine().TabWidth(), 1);
    EXPECT_EQ(window->ComboBoxFontSize->currentText(), "10");
    EXPECT_TRUE(window->SearchSettings().WholeWords);
    EXPECT_FALSE(window->isMaximized());
    EXPECT_FALSE(window->isMinimized());
    ExpectOnScreen();
    EXPECT_EQ(window->RecentFiles().At(0), kept) << "the 100 kB entry names no file";
    EXPECT_TRUE(window->RecentFiles().At(1).isEmpty());

    ASSERT_TRUE(window->OpenFileByName(positioned));
    EXPECT_EQ(Engine().CaretLine(), 40) << "clamped into the text";
    EXPECT_EQ(window->ComboBoxCharset->currentIndex(), 0) << "an impossible standard is ignored";
    EXPECT_EQ(window->ComboBoxHighlight->currentIndex(), 0);
    for (int n = 0; n < 10; ++n)
        EXPECT_FALSE(Engine().HasBookmark(n)) << "bookmark lines beyond the text";
    EXPECT_TRUE(prompter->shown.empty());

    // The next save leaves a sound file.
    window->close();
    const TStoredSettings stored = TSettingsFile(SettingsPath()).Read();
    EXPECT_EQ(stored.fixed.TabWidth, 1);
    EXPECT_EQ(stored.fixed.WindowState, 0);
    EXPECT_EQ(stored.reopen[0], positioned);
    EXPECT_EQ(stored.reopen[1], kept);
    EXPECT_FALSE(stored.reopen[2].value_or("x").size() > 0);
}

TEST(SettingsFileLocation, IsTheXdgConfigurationFolderThatQSettingsUses) {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(config.isEmpty()) << "tests must not touch the user's own settings";
    EXPECT_EQ(TSettingsFile::DefaultPath(), config + "/BRENWICK/tavlo.ini");
    const QSettings user(QSettings::IniFormat, QSettings::UserScope, "BRENWICK", "tavlo");
    EXPECT_EQ(user.fileName(), TSettingsFile::DefaultPath());
}

} // namespace
} // namespace tavlo
