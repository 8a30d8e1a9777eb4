// The editor control inside the main window: highlighters, typing, status, selection
// modes, saving what was typed, drops on the editor and the text commands of the menus.
#include "MainWindowFixture.h"

#include "app/HighlighterChoice.h"
#include "app/WindowHighlighters.h"
#include "app/unConvertPLChars.h"
#include "editor/SynEdit.h"
#include "platform/qt/SynEditWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QRegularExpression>
#include <QUrl>

namespace tavlo {
namespace {

class EditorInWindowTest : public MainWindowTest {
protected:
    TSynEdit& Engine() { return window->Editor().Engine(); }
    QWidget* Viewport() { return window->Editor().EditorWidget().viewport(); }

    void ShowActive() {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->Editor().Widget()->setFocus();
    }

    void ChooseHighlighter(int index) {
        window->ComboBoxHighlight->setCurrentIndex(index);
        emit window->ComboBoxHighlight->activated(index);
    }

    // Pixels of the painted text area that are clearly blue (navy text), as a user sees it.
    int BluePixels() {
        const QImage image = Viewport()->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = Engine().GutterWidth() + 2; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.blue() > c.red() + 60 && c.blue() > c.green() + 60) ++count;
            }
        return count;
    }

    // Types text through key events carrying it, as a keyboard layout with these letters does.
    void Type(const QString& text) {
        for (QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(window->Editor().Widget(), &press);
        }
    }

    std::string Line(int index) { return std::string(Engine().Lines().LineAt(index)); }
};

TEST_F(EditorInWindowTest, HighlighterFollowsExtensionAndComboAndColoursTheText) {
    window->resize(700, 500);
    window->show();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("unit.pas", "{ comment }\nbegin end;\n")));
    auto* pascal = dynamic_cast<TSynPasSyn*>(Engine().Highlighter());
    ASSERT_NE(pascal, nullptr);
    EXPECT_EQ(dynamic_cast<TSynSchSyn*>(pascal), nullptr);
    // The window's colours, not the highlighter's defaults.
    EXPECT_EQ(Engine().TokenAttributeAt({1, 1}), pascal->CommentAttri);
    EXPECT_EQ(pascal->CommentAttri->Foreground(), clNavy);
    EXPECT_GT(BluePixels(), 20);

    ChooseHighlighter(hlNone);
    EXPECT_EQ(Engine().Highlighter(), nullptr);
    EXPECT_EQ(BluePixels(), 0);

    ChooseHighlighter(hlSchema);
    auto* schema = dynamic_cast<TSynSchSyn*>(Engine().Highlighter());
    ASSERT_NE(schema, nullptr);
    EXPECT_EQ(schema->SectionAttri->Foreground(), clMaroon);
    EXPECT_GT(BluePixels(), 20);

    ChooseHighlighter(hlCpp);
    auto* cpp = dynamic_cast<TSynCppSyn*>(Engine().Highlighter());
    ASSERT_NE(cpp, nullptr);
    EXPECT_EQ(cpp->DirecAttri->Foreground(), clMaroon);
    EXPECT_EQ(window->ComboBoxHighlight->currentText(), "C++");
    EXPECT_EQ(window->Editor().Highlighter(), int(hlCpp));

    for (const char* name : {"p.dpr", "p.dpk", "p.inc", "p.sch"}) {
        ASSERT_TRUE(window->OpenFileByName(MakeFile(name, "x\n")));
        EXPECT_NE(dynamic_cast<TSynSchSyn*>(Engine().Highlighter()), nullptr) << name;
    }
    for (const char* name : {"p.c", "p.CPP", "p.h", "p.hpp"}) {
        ASSERT_TRUE(window->OpenFileByName(MakeFile(name, "/* navy comment */\n")));
        EXPECT_NE(dynamic_cast<TSynCppSyn*>(Engine().Highlighter()), nullptr) << name;
        EXPECT_GT(BluePixels(), 20) << name;
    }
    ASSERT_TRUE(window->OpenFileByName(MakeFile("p.CSS", "p { color: #123456 }\n")));
    auto* css = dynamic_cast<TSynCssSyn*>(Engine().Highlighter());
    ASSERT_NE(css, nullptr);
    EXPECT_EQ(css->CommentAttri->Foreground(), clGray);
    EXPECT_GT(BluePixels(), 20);
    EXPECT_EQ(window->ComboBoxHighlight->currentText(), "CSS");
    // New drops the highlighter but leaves the combo box alone.
    ASSERT_TRUE(window->OpenFileByName(MakeFile("q.pas", "x\n")));
    window->NewDocument();
    EXPECT_EQ(Engine().Highlighter(), nullptr);
    EXPECT_EQ(window->ComboBoxHighlight->currentText(), "Pascal");
}

TEST_F(EditorInWindowTest, HtmlFilesGetTheWindowsHtmlHighlighter) {
    window->resize(700, 500);
    window->show();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("page.HTM", "<p class=\"wide\">a &amp; b</p>\n")));
    auto* html = dynamic_cast<TSynHTMLSyn*>(Engine().Highlighter());
    ASSERT_NE(html, nullptr);
    EXPECT_EQ(window->ComboBoxHighlight->currentText(), "HTML");
    EXPECT_EQ(Engine().TokenAttributeAt({2, 1}), html->KeyAttri);
    EXPECT_EQ(html->KeyAttri->Foreground(), clMaroon);
    EXPECT_EQ(Engine().TokenAttributeAt({10, 1}), html->ValueAttri);
    EXPECT_GT(BluePixels(), 20); // the navy value

    ChooseHighlighter(hlNone);
    EXPECT_EQ(BluePixels(), 0);
    ChooseHighlighter(hlHtml);
    EXPECT_EQ(Engine().Highlighter(), html);
    ASSERT_TRUE(window->OpenFileByName(MakeFile("other.html", "x\n")));
    EXPECT_EQ(Engine().Highlighter(), html);
}

TEST_F(EditorInWindowTest, XmlFilesGetTheWindowsXmlHighlighter) {
    window->resize(700, 500);
    window->show();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("data.xml", "<a b=\"c\">&amp;</a>\n")));
    auto* xml = dynamic_cast<TSynXMLSyn*>(Engine().Highlighter());
    ASSERT_NE(xml, nullptr);
    EXPECT_EQ(window->ComboBoxHighlight->currentText(), "XML");
    EXPECT_EQ(Engine().TokenAttributeAt({2, 1}), xml->ElementAttri);
    EXPECT_EQ(xml->ElementAttri->Style(), 0);
    EXPECT_EQ(Engine().TokenAttributeAt({7, 1}), xml->AttributeValueAttri);
    EXPECT_EQ(xml->AttributeValueAttri->Foreground(), clBlack);
    EXPECT_GT(BluePixels(), 20); // symbols and the entity reference

    for (const char* name : {"schema.xsd", "sheet.XSLT", "types.dtd"}) {
        ASSERT_TRUE(window->OpenFileByName(MakeFile(name, "x\n")));
        EXPECT_EQ(Engine().Highlighter(), xml) << name;
    }
    ChooseHighlighter(hlHtml);
    EXPECT_NE(Engine().Highlighter(), xml);
    ChooseHighlighter(hlXml);
    EXPECT_EQ(Engine().Highlighter(), xml);
}

TEST_F(EditorInWindowTest, JavaScriptFilesGetTheWindowsJavaScriptColours) {
    window->show();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("page.JS", "/* c */ var s = 'x';\n")));
    auto* js = dynamic_cast<TSynJScriptSyn*>(Engine().Highlighter());
    ASSERT_NE(js, nullptr);
    EXPECT_EQ(window->ComboBoxHighlight->currentText(), "Java Script");
    EXPECT_EQ(Engine().TokenAttributeAt({1, 1}), js->CommentAttri);
    EXPECT_EQ(Engine().TokenAttributeAt({9, 1}), js->KeyAttri);
    EXPECT_EQ(Engine().TokenAttributeAt({15, 1}), js->SymbolAttri);
    EXPECT_EQ(js->CommentAttri->Foreground(), clNavy);
    EXPECT_EQ(js->StringAttri->Foreground(), clNavy);
    EXPECT_EQ(js->SymbolAttri->Foreground(), clMaroon);
    EXPECT_GT(BluePixels(), 20);

    ChooseHighlighter(hlNone);
    ChooseHighlighter(hlJavaScript);
    EXPECT_EQ(Engine().Highlighter(), js);
}

TEST_F(EditorInWindowTest, PhpFilesGetTheWindowsPhpColours) {
    window->show();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("index.php", "# c\n$v = 'x';\n")));
    auto* php = dynamic_cast<TSynPHPSyn*>(Engine().Highlighter());
    ASSERT_NE(php, nullptr);
    EXPECT_EQ(window->ComboBoxHighlight->currentText(), "PHP");
    EXPECT_EQ(Engine().TokenAttributeAt({1, 1}), php->CommentAttri);
    EXPECT_EQ(Engine().TokenAttributeAt({1, 2}), php->VariableAttri);
    EXPECT_EQ(Engine().TokenAttributeAt({6, 2}), php->StringAttri);
    EXPECT_EQ(php->CommentAttri->Foreground(), clGray);
    EXPECT_EQ(php->StringAttri->Foreground(), clNavy);
    EXPECT_EQ(php->SymbolAttri->Foreground(), clMaroon);
    EXPECT_GT(BluePixels(), 20);

    for (const char* name : {"p.php3", "p.PHTML"}) {
        ASSERT_TRUE(window->OpenFileByName(MakeFile(name, "x\n")));
        EXPECT_EQ(Engine().Highlighter(), php) << name;
    }
    ChooseHighlighter(hlNone);
    ChooseHighlighter(hlPhp);
    EXPECT_EQ(Engine().Highlighter(), php);
}

TEST_F(EditorInWindowTest, SQLFilesAreColouredInTheWindowsDialect) {
    window->resize(700, 500);
    window->show();
    for (const char* name : {"q.sql", "q.PSQ"}) {
        ASSERT_TRUE(window->OpenFileByName(MakeFile(name, "select 'x' -- comment\n")));
        auto* sql = dynamic_cast<TSynSQLSyn*>(Engine().Highlighter());
        ASSERT_NE(sql, nullptr) << name;
        EXPECT_EQ(window->ComboBoxHighlight->currentText(), "SQL");
        EXPECT_EQ(sql->SQLDialect(), sqlSybase);
        EXPECT_EQ(Engine().TokenAttributeAt({8, 1}), sql->StringAttri);
        EXPECT_EQ(sql->StringAttri->Background(), clAqua);
        EXPECT_GT(BluePixels(), 20) << "the comment is blue";
    }
    ChooseHighlighter(hlNone);
    ChooseHighlighter(hlSql);
    EXPECT_NE(dynamic_cast<TSynSQLSyn*>(Engine().Highlighter()), nullptr);
}

TEST_F(EditorInWindowTest, IniAndFormFilesAreColouredByTheWindow) {
    window->resize(700, 500);
    window->show();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("t.ini", "[Main]\nCount=12\n")));
    auto* ini = dynamic_cast<TSynIniSyn*>(Engine().Highlighter());
    ASSERT_NE(ini, nullptr);
    EXPECT_EQ(window->ComboBoxHighlight->currentText(), "INI");
    EXPECT_EQ(Engine().TokenAttributeAt({2, 1}), ini->SectionAttri);
    EXPECT_EQ(ini->SectionAttri->Foreground(), clMaroon);
    EXPECT_GT(BluePixels(), 5) << "the number is navy";

    for (const char* name : {"f.dfm", "f.xfm"}) {
        ASSERT_TRUE(window->OpenFileByName(MakeFile(name, "object F: TF\n  A = 12\nend\n")));
        auto* dfm = dynamic_cast<TSynDfmSyn*>(Engine().Highlighter());
        ASSERT_NE(dfm, nullptr) << name;
        EXPECT_EQ(window->ComboBoxHighlight->currentText(), "DFM");
        EXPECT_EQ(Engine().TokenAttributeAt({7, 2}), dfm->NumberAttri);
        EXPECT_EQ(dfm->NumberAttri->Foreground(), clNavy);
        EXPECT_GT(BluePixels(), 5) << name;
    }
    ChooseHighlighter(hlIni);
    EXPECT_NE(dynamic_cast<TSynIniSyn*>(Engine().Highlighter()), nullptr);
}

TEST_F(EditorInWindowTest, TypingMarksTheDocumentAndMovesTheCaretPanel) {
    ShowActive();
    const QString name = MakeFile("doc.txt", "ab\ncd\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    EXPECT_EQ(window->StatusText(TfrMain::pnCaret), "1: 1");
    EXPECT_FALSE(window->TBXItemSave->isEnabled());
    QTest::keyClicks(window->Editor().Widget(), "xy");
    EXPECT_TRUE(window->Editor().Modified());
    EXPECT_EQ(window->StatusText(TfrMain::pnModified), "Modified");
    EXPECT_EQ(window->StatusText(TfrMain::pnCaret), "3: 1");
    EXPECT_TRUE(window->TBXItemSave->isEnabled());
    QTest::keyClick(window->Editor().Widget(), Qt::Key_Down);
    EXPECT_EQ(window->StatusText(TfrMain::pnCaret), "3: 2");

    // A load puts the caret home, forgets the undo history and is unmodified.
    ASSERT_TRUE(window->OpenFileByName(MakeFile("other.txt", "123\n456\n")));
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{1, 1}));
    EXPECT_FALSE(Engine().CanUndo());
    EXPECT_FALSE(window->Editor().Modified());
    EXPECT_EQ(window->StatusText(TfrMain::pnModified), "");

    // Tab is typed (two spaces) rather than moving the focus.
    QTest::keyClick(window->Editor().Widget(), Qt::Key_Tab);
    EXPECT_EQ(Line(0), "  123");
    EXPECT_TRUE(window->Editor().Widget()->hasFocus());
}

// Menu keys belong to the menu: the editor's own meaning of the key never runs instead.
TEST_F(EditorInWindowTest, KeyOfADisabledMenuItemDoesNotReachTheEditor) {
    ShowActive();
    QWidget* editor = window->Editor().Widget();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("doc.txt", "ab\ncd\n")));
    // "Nowy" is enabled for a named document: Ctrl+N starts an untitled one.
    QTest::keyClick(editor, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(window->FileName(), QString());
    EXPECT_EQ(Engine().Lines().Count(), 0);
    // Now "Nowy" is disabled; the editor would insert a line on Ctrl+N.
    ASSERT_FALSE(window->TBXItemNew->isEnabled());
    QTest::keyClick(editor, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Engine().Lines().Count(), 0);
    EXPECT_FALSE(window->Editor().Modified());
    EXPECT_TRUE(prompter->shown.empty());
    // Keys of no menu item still reach the editor.
    QTest::keyClicks(editor, "x");
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(Engine().Lines().Count(), 2);
}

TEST_F(EditorInWindowTest, SelectionModeItemsAndAltMouseShowInPanelThree) {
    ShowActive();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("doc.txt", "abcdef\nghijkl\n")));
    EXPECT_EQ(window->StatusText(TfrMain::pnSelectionMode), "Line sel");
    QTest::keyClick(window.get(), Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Engine().SelectionMode(), smColumn);
    EXPECT_EQ(window->StatusText(TfrMain::pnSelectionMode), "Block sel");
    EXPECT_TRUE(window->TBXItemBlockSelection->isChecked());
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Engine().SelectionMode(), smNormal);
    EXPECT_EQ(window->StatusText(TfrMain::pnSelectionMode), "Line sel");
    EXPECT_TRUE(window->TBXItemLineSelection->isChecked());

    // A click with Alt starts a column selection in the editor itself.
    const QPoint onText(Engine().GutterWidth() + 20, Engine().RowHeight() / 2);
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::AltModifier, onText);
    EXPECT_EQ(Engine().SelectionMode(), smColumn);
    EXPECT_EQ(window->StatusText(TfrMain::pnSelectionMode), "Block sel");
    EXPECT_TRUE(window->TBXItemBlockSelection->isChecked());
    QTest::mouseClick(Viewport(), Qt::LeftButton, Qt::NoModifier, onText);
    EXPECT_EQ(window->StatusText(TfrMain::pnSelectionMode), "Line sel");
}

TEST_F(EditorInWindowTest, SaveWritesTypedBytesInTheChosenStandardWithTheFileBreaks) {
    ShowActive();
    const QString name = MakeFile("lf.txt", "ab\ncd\xB9\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    Type(QStringLiteral("xą"));
    ASSERT_TRUE(window->Save());
    // Windows-1250 ą is B9; the untouched B9 of line 2 stays as it was.
    EXPECT_EQ(Contents(name), QByteArray("x\xB9" "ab\ncd\xB9\n"));

    // Code page 852 types ą as A5, and switching never converts what is there.
    window->ComboBoxCharset->setCurrentIndex(1);
    EXPECT_EQ(window->Editor().EditorWidget().CodePageStandard(), 1);
    Type(QStringLiteral("ą"));
    ASSERT_TRUE(window->Save());
    EXPECT_EQ(Contents(name), QByteArray("x\xB9\xA5" "ab\ncd\xB9\n"));
    // Opening a file starts again from Windows-1250.
    const QString raw = MakeFile("raw.txt", QByteArray("a\0b\rc\r", 6));
    ASSERT_TRUE(window->OpenFileByName(raw));
    EXPECT_EQ(window->Editor().EditorWidget().CodePageStandard(), 0);

    // Unedited text is saved byte for byte, with its CR breaks.
    window->Editor().SetModified(true);
    ASSERT_TRUE(window->Save());
    EXPECT_EQ(Contents(raw), QByteArray("a\0b\rc\r", 6));
}

TEST_F(EditorInWindowTest, FileDroppedOnTheEditorIsOpenedThroughTheDropFlow) {
    ShowActive();
    const QString first = MakeFile("first.txt", "one\n");
    const QString dropped = MakeFile("dropped.pas", "two\n");
    ASSERT_TRUE(window->OpenFileByName(first));
    Edit();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(dropped)});
    const QPoint at(Engine().GutterWidth() + 10, 5);
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(Viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    prompter->answers = {TPromptAnswer::No};
    QCoreApplication::sendEvent(Viewport(), &drop);
    ASSERT_EQ(prompter->shown.size(), 1u);
    EXPECT_EQ(prompter->shown[0].text, AskToSaveText());
    EXPECT_EQ(window->FileName(), dropped);
    EXPECT_EQ(Line(0), "two");
    EXPECT_NE(Engine().Highlighter(), nullptr);
    EXPECT_EQ(Contents(first), QByteArray("one\n"));
}

TEST_F(EditorInWindowTest, ToolbarControlsDriveTheEditor) {
    ShowActive();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("doc.txt", "ab\n")));
    window->CheckBoxReadOnly->setChecked(true);
    EXPECT_TRUE(Engine().ReadOnly());
    EXPECT_EQ(window->StatusText(TfrMain::pnReadOnly), "Read only");
    QTest::keyClicks(window->Editor().Widget(), "zz");
    EXPECT_EQ(Line(0), "ab");
    EXPECT_FALSE(window->Editor().Modified());
    window->CheckBoxReadOnly->setChecked(false);
    EXPECT_FALSE(Engine().ReadOnly());
    EXPECT_EQ(window->StatusText(TfrMain::pnReadOnly), "");

    // The configured editor: a fixed-pitch 10 pt font, numbered gutter, tabs of two.
    const QString family = QString::fromStdString(Engine().Font().Name);
    EXPECT_TRUE(family == "Courier New" ||
                family == QFontDatabase::systemFont(QFontDatabase::FixedFont).family());
    EXPECT_EQ(Engine().Font().Size(), 10);
    EXPECT_EQ(window->ComboBoxFontSize->currentText(), "10");
    EXPECT_TRUE(Engine().Gutter().ShowLineNumbers());
    EXPECT_EQ(Engine().TabWidth(), 2);
    EXPECT_FALSE(Engine().BookMarkOptions().EnableKeys());

    const int cellBefore = Engine().RowHeight();
    const int index = window->ComboBoxFontSize->findText("20");
    window->ComboBoxFontSize->setCurrentIndex(index);
    emit window->ComboBoxFontSize->activated(index);
    EXPECT_EQ(Engine().Font().Size(), 20);
    EXPECT_GT(Engine().RowHeight(), cellBefore);
}

TEST_F(EditorInWindowTest, TextCommandsOfTheMenusReachTheEditor) {
    ShowActive();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("doc.txt", "ala ma kota\nx(y\n\xB3\xF3" "d\x9F\n")));
    for (QAction* action : {window->TBXItemIndent, window->TBXItemUnindent,
                            window->TBXItemUpperCase, window->TBXItemLowerCase,
                            window->TBXItemTitleCase, window->TBXItemAddBookmark[3],
                            window->TBXItemGoToBookmark[3], window->TBXItemPrint,
                            window->TBXItemFind, window->TBXItemReplace, window->TBXItemMatchBracket})
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();

    // "Na duże" without a selection: the word at the caret, caret left where it was.
    Engine().SetCaretPos({6, 1});
    window->TBXItemUpperCase->trigger();
    EXPECT_EQ(Line(0), "ala MA kota");
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{6, 1}));
    EXPECT_FALSE(Engine().HasSelection());

    // "Pierwsze litery duże": blanks and line feeds start words, "(" does not.
    Engine().SelectWholeText();
    window->TBXItemTitleCase->trigger();
    EXPECT_EQ(Line(0), "Ala Ma Kota");
    EXPECT_EQ(Line(1), "X(y");
    EXPECT_EQ(Line(2), "\xA3\xF3" "d\x9F"); // Łódź in Windows-1250
    EXPECT_TRUE(Engine().HasSelection());
    window->TBXItemLowerCase->trigger();
    EXPECT_EQ(Line(2), "\xB3\xF3" "d\x9F");
    // One undo step per command.
    Engine().Undo();
    EXPECT_EQ(Line(2), "\xA3\xF3" "d\x9F"); // Łódź in Windows-1250

    // Indent and unindent of the first two lines by the tab width.
    Engine().PlaceCaretAndSelection({1, 3}, {1, 1}, {1, 3});
    window->TBXItemIndent->trigger();
    EXPECT_EQ(Line(0), "  Ala Ma Kota");
    EXPECT_EQ(Line(1), "  X(y");
    EXPECT_EQ(Line(2), "\xA3\xF3" "d\x9F"); // Łódź in Windows-1250
    EXPECT_EQ(Engine().SelLast(), (TBufferCoord{1, 3}));
    window->TBXItemUnindent->trigger();
    EXPECT_EQ(Line(0), "Ala Ma Kota");
    EXPECT_EQ(Line(1), "X(y");

    // "Dodaj 3" sets, moves and on its own line clears; "Przejdz do 3" goes there.
    Engine().SetCaretPos({2, 2});
    window->TBXItemAddBookmark[3]->trigger();
    EXPECT_EQ(Engine().FindBookmark(3), (TBufferCoord{2, 2}));
    Engine().SetCaretPos({1, 1});
    window->TBXItemGoToBookmark[3]->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{2, 2}));
    Engine().SetCaretPos({3, 3});
    window->TBXItemAddBookmark[3]->trigger();
    EXPECT_EQ(Engine().FindBookmark(3), (TBufferCoord{3, 3}));
    window->TBXItemAddBookmark[3]->trigger();
    EXPECT_FALSE(Engine().HasBookmark(3));
    Engine().SetCaretPos({1, 1});
    window->TBXItemGoToBookmark[3]->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{1, 1}));
    // A new file starts without bookmarks.
    window->TBXItemAddBookmark[5]->trigger();
    ASSERT_TRUE(window->OpenFileByName(MakeFile("next.txt", "n\n")));
    EXPECT_FALSE(Engine().HasBookmark(5));
}

TEST_F(EditorInWindowTest, NoTextCommandChangesADocumentSetReadOnly) {
    ShowActive();
    const QByteArray bytes("b ala\r\na kota\r\n");
    ASSERT_TRUE(window->OpenFileByName(MakeFile("doc.txt", bytes)));
    window->CheckBoxReadOnly->setChecked(true);
    ASSERT_TRUE(Engine().ReadOnly());
    prompter->conversions.push_back({0, 4});
    const auto unchanged = [&](const char* command) {
        EXPECT_EQ(Line(0), "b ala") << command;
        EXPECT_EQ(Line(1), "a kota") << command;
        EXPECT_FALSE(window->Editor().Modified()) << command;
    };
    for (QAction* action :
         {window->TBXItemUpperCase, window->TBXItemLowerCase, window->TBXItemTitleCase,
          window->TBXItemIndent, window->TBXItemUnindent, window->TBXItemInsertGuid,
          window->TBXItemInsertDate, window->TBXItemSort, window->TBXItemConvertPLChars}) {
        // Both with the word at the caret and with a selection.
        Engine().PlaceCaretAndSelection({2, 1}, {2, 1}, {2, 1});
        action->trigger();
        unchanged(action->text().toUtf8().constData());
        Engine().PlaceCaretAndSelection({3, 2}, {1, 1}, {3, 2});
        action->trigger();
        unchanged(action->text().toUtf8().constData());
    }
    window->TBXItemBlockSelection->trigger();
    Engine().PlaceCaretAndSelection({3, 2}, {1, 1}, {3, 2});
    window->TBXItemSortBySelection->trigger();
    unchanged("Sortuj wg zaznaczenia");
}

TEST_F(EditorInWindowTest, GoToLineRemembersTheLastNumberAndClamps) {
    ASSERT_TRUE(window->OpenFileByName(MakeFile("doc.txt", "1\n2\n3\n4\n")));
    Engine().SetCaretPos({2, 1});
    prompter->textAnswers = {"3"};
    window->TBXItemGoToLine->trigger();
    EXPECT_EQ(prompter->shown.back().caption, "Idź do");
    EXPECT_EQ(prompter->shown.back().text, "Numer linii:");
    EXPECT_EQ(prompter->lastTextInitial, "1");
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{1, 3}));
    // Not a number: the previous line again; beyond the end: the last line.
    Engine().SetCaretPos({1, 1});
    prompter->textAnswers = {"abc"};
    window->TBXItemGoToLine->trigger();
    EXPECT_EQ(prompter->lastTextInitial, "3");
    EXPECT_EQ(Engine().CaretLine(), 3);
    prompter->textAnswers = {"999"};
    window->TBXItemGoToLine->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{1, 4}));
    // Cancel changes nothing.
    Engine().SetCaretPos({1, 2});
    window->TBXItemGoToLine->trigger();
    EXPECT_EQ(prompter->lastTextInitial, "999");
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{1, 2}));
}

TEST_F(EditorInWindowTest, InsertedGuidDateAndTimeAreTypedAtTheCaret) {
    ASSERT_TRUE(window->OpenFileByName(MakeFile("doc.txt", "[]\n")));
    Engine().SetCaretPos({2, 1});
    window->TBXItemInsertGuid->trigger();
    const QString guid = QString::fromStdString(Line(0)).mid(1, 38);
    EXPECT_TRUE(QRegularExpression("^\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\}$")
                    .match(guid)
                    .hasMatch())
        << guid.toStdString();
    EXPECT_EQ(Line(0).back(), ']');
    EXPECT_TRUE(window->Editor().Modified());

    ASSERT_TRUE(window->OpenFileByName(MakeFile("dates.txt", "\n")));
    window->TBXItemInsertDate->trigger();
    window->TBXItemInsertTime->trigger();
    window->TBXItemInsertDateTime->trigger();
    // Typed in overwrite mode, the text replaces what follows the caret.
    Engine().SetInsertMode(false);
    Engine().SetCaretPos({1, 1});
    window->TBXItemInsertDate->trigger();
    const QString text = QString::fromStdString(Line(0));
    EXPECT_TRUE(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d\\d\\d.\\d\\d.\\d\\d"
                                   "\\d{4}-\\d\\d-\\d\\d \\d\\d.\\d\\d.\\d\\d$")
                    .match(text)
                    .hasMatch())
        << text.toStdString();
    EXPECT_EQ(text.left(10), QDate::currentDate().toString("yyyy-MM-dd"));
}

TEST_F(EditorInWindowTest, SortOrdersLinesIgnoringCaseAndSortBySelectionUsesTheBlock) {
    // Without a selection all lines; every line then ends with a break.
    ASSERT_TRUE(window->OpenFileByName(MakeFile("doc.txt", "b\r\nC\r\na\r\n\xA3" "a\r\nl")));
    window->TBXItemSort->trigger();
    EXPECT_EQ(Engine().Lines().GetAllText(), "a\r\nb\r\nC\r\nl\r\n\xA3" "a\r\n\r\n");
    Engine().Undo();
    EXPECT_EQ(Line(0), "b");

    // Two selected lines b and a: one line break more than before.
    ASSERT_TRUE(window->OpenFileByName(MakeFile("two.txt", "b\na")));
    Engine().SelectWholeText();
    window->TBXItemSort->trigger();
    EXPECT_EQ(Engine().Lines().GetAllText(), "a\r\nb\r\n\r\n");

    // Lines ordered by columns 3-4, the selection made from right to left.
    const QString name = MakeFile("cols.txt", "x 30 q\ny 10 r\nz 20 s\nend\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    window->TBXItemSortBySelection->trigger(); // no selection: nothing
    EXPECT_EQ(Line(0), "x 30 q");
    Engine().PlaceCaretAndSelection({3, 3}, {5, 1}, {3, 3});
    window->TBXItemSortBySelection->trigger(); // line mode: nothing
    EXPECT_EQ(Line(0), "x 30 q");
    window->TBXItemBlockSelection->trigger();
    Engine().PlaceCaretAndSelection({3, 3}, {5, 1}, {3, 3});
    window->TBXItemSortBySelection->trigger();
    EXPECT_EQ(Line(0), "y 10 r");
    EXPECT_EQ(Line(1), "z 20 s");
    EXPECT_EQ(Line(2), "x 30 q");
    EXPECT_EQ(Line(3), "end");
    EXPECT_EQ(Engine().SelectionMode(), smColumn);
    EXPECT_EQ(window->StatusText(TfrMain::pnSelectionMode), "Block sel");
    Engine().Undo();
    EXPECT_EQ(Line(0), "x 30 q");

    // A read-only editor is left alone.
    window->CheckBoxReadOnly->setChecked(true);
    window->TBXItemSort->trigger();
    EXPECT_EQ(Line(0), "x 30 q");
}

TEST_F(EditorInWindowTest, CtrlAltLettersTypeTheStandardsBytesAndEscCloses) {
    ShowActive();
    const QString name = MakeFile("doc.txt", "\n");
    ASSERT_TRUE(window->OpenFileByName(name));
    QWidget* editor = window->Editor().Widget();
    const auto ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
    // Standard 0: the keys are left to the keyboard layout.
    QTest::keyClick(editor, Qt::Key_A, ctrlAlt);
    EXPECT_EQ(Line(0), "");
    window->ComboBoxCharset->setCurrentIndex(1);
    QTest::keyClick(editor, Qt::Key_A, ctrlAlt);
    QTest::keyClick(editor, Qt::Key_Z, ctrlAlt | Qt::ShiftModifier);
    QTest::keyClick(editor, Qt::Key_X, ctrlAlt);
    QTest::keyClick(editor, Qt::Key_B, ctrlAlt); // no Polish letter
    QTest::keyClick(editor, Qt::Key_A, Qt::AltModifier); // not the AltGr combination
    EXPECT_EQ(Line(0), "\xA5\xBD\xAB");

    // Esc asks to save the modified document; Cancel keeps the window open.
    prompter->answers = {TPromptAnswer::Cancel};
    QTest::keyClick(editor, Qt::Key_Escape);
    ASSERT_EQ(prompter->shown.size(), 1u);
    EXPECT_EQ(prompter->shown[0].text, AskToSaveText());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Line(0), "\xA5\xBD\xAB");
    prompter->answers = {TPromptAnswer::No};
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Contents(name), QByteArray("\n"));
}

TEST_F(EditorInWindowTest, PolishStandardConversionOfTheTextOrTheSelection) {
    TfrConvertPLChars fromWindows(nullptr, 0);
    EXPECT_EQ(fromWindows.windowTitle(), "Standard polskich znaków");
    EXPECT_EQ(fromWindows.ComboBoxCharsetTo->currentText(), "Code Page 852 (Latin-2)");
    TfrConvertPLChars fromMazovia(nullptr, 2);
    EXPECT_EQ(fromMazovia.ComboBoxCharsetFrom->currentText(), "Mazovia");
    EXPECT_EQ(fromMazovia.ComboBoxCharsetTo->currentText(), "Code Page 1250 (Windows)");

    // Zażółć, with no selection: the whole text; to no Polish letters and back.
    ASSERT_TRUE(window->OpenFileByName(MakeFile("doc.txt", "Za\xBF\xF3\xB3\xE6\nZa\n")));
    Engine().SetCaretPos({3, 1});
    prompter->conversions = {{0, 4}};
    window->TBXItemConvertPLChars->trigger();
    EXPECT_EQ(prompter->lastConversionFrom, 0);
    EXPECT_EQ(Line(0), "Zazolc");
    EXPECT_EQ(window->ComboBoxCharset->currentIndex(), 4);
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{3, 1}));
    EXPECT_FALSE(Engine().HasSelection());
    EXPECT_EQ(window->StatusText(TfrMain::pnModified), "Modified");
    prompter->conversions = {{4, 0}};
    window->TBXItemConvertPLChars->trigger();
    EXPECT_EQ(prompter->lastConversionFrom, 4);
    EXPECT_EQ(Line(0), "\x8F\xB9\x9F\xF3\xB3\xE6"); // Źąźółć
    EXPECT_EQ(Line(1), "\x8F\xB9");
    Engine().Undo();
    EXPECT_EQ(Line(0), "Zazolc");

    // A selection: only its bytes, one undo step, selection kept.
    Engine().PlaceCaretAndSelection({4, 1}, {2, 1}, {4, 1});
    prompter->conversions = {{4, 0}};
    window->TBXItemConvertPLChars->trigger();
    EXPECT_EQ(Line(0), "Z\xB9\x9Folc");
    EXPECT_EQ(Line(1), "Za");
    EXPECT_EQ(Engine().SelFirst(), (TBufferCoord{2, 1}));
    EXPECT_EQ(Engine().SelLast(), (TBufferCoord{4, 1}));
    Engine().Undo();
    EXPECT_EQ(Line(0), "Zazolc");

    // Cancel changes nothing, not even the toolbar's standard.
    window->TBXItemConvertPLChars->trigger();
    EXPECT_EQ(Line(0), "Zazolc");
    EXPECT_EQ(window->ComboBoxCharset->currentIndex(), 0);
}

// The commands rewrite whole lines; blanks at line ends are the file's bytes, not the edit's.
TEST_F(EditorInWindowTest, TextCommandsKeepTheBlanksAtLineEnds) {
    const QByteArray bytes("Za\xBF\xF3\xB3\xE6  \r\nb \t\r\nlast \r\n");
    const QString name = MakeFile("doc.txt", bytes);
    ASSERT_TRUE(window->OpenFileByName(name));

    // From a standard to itself: nothing changes, not even trailing blanks.
    prompter->conversions = {{0, 0}};
    window->TBXItemConvertPLChars->trigger();
    window->Save();
    EXPECT_EQ(Contents(name), bytes);

    prompter->conversions = {{0, 4}};
    window->TBXItemConvertPLChars->trigger();
    EXPECT_EQ(Line(0), "Zazolc  ");
    EXPECT_EQ(Line(1), "b \t");
    EXPECT_EQ(Line(2), "last ");

    Engine().SelectWholeText();
    window->TBXItemUpperCase->trigger();
    EXPECT_EQ(Line(0), "ZAZOLC  ");
    EXPECT_EQ(Line(2), "LAST ");

    Engine().PlaceCaretAndSelection({1, 1}, {1, 1}, {1, 1});
    window->TBXItemSort->trigger();
    EXPECT_EQ(Line(0), "B \t");
    EXPECT_EQ(Line(1), "LAST ");
    EXPECT_EQ(Line(2), "ZAZOLC  ");
    // A block past the end of a short line pads nothing into it.
    window->TBXItemBlockSelection->trigger();
    Engine().PlaceCaretAndSelection({8, 3}, {5, 1}, {8, 3});
    window->TBXItemLowerCase->trigger();
    EXPECT_EQ(Line(0), "B \t");
    EXPECT_EQ(Line(1), "LAST ");
    EXPECT_EQ(Line(2), "ZAZOlc  ");
    Engine().Undo();
    window->TBXItemLineSelection->trigger();
    // Sorting ends every line with a break, so the last one gains a line after it.
    window->Save();
    EXPECT_EQ(Contents(name), QByteArray("B \t\r\nLAST \r\nZAZOLC  \r\n\r\n"));
}

} // namespace
} // namespace tavlo
