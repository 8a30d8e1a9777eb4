// The find and replace commands of the main window, with the dialogs and the replace
// questions answered by the test: not found, the dialogs' settings and histories, replacing
// with each answer, searching again both ways, the word under the caret and bad input.
#include "MainWindowFixture.h"

#include "app/SearchFlow.h"
#include "app/dlgConfirmReplace.h"
#include "app/dlgReplaceText.h"
#include "editor/SynEdit.h"
#include "platform/qt/SynEditWidget.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace tavlo {
namespace {

class SearchFlowTest : public MainWindowTest {
protected:
    TSynEdit& Engine() { return window->Editor().Engine(); }
    void SetText(const char* text) {
        Engine().Lines().SetAllText(text);
        Engine().ClearUndo();
    }
    std::string Text() { return Engine().Lines().GetAllText(); }
    std::string Selected() { return Engine().SelectedText(); }
    void CaretAt(int32_t x, int32_t y) { Engine().PlaceCaretAndSelection({x, y}, {x, y}, {x, y}); }
    // The next dialog ends with OK after `change`.
    void AnswerDialog(std::function<void(TSearchDialogValues&)> change) {
        prompter->searchDialogs.push_back(std::move(change));
    }
    static QString NotFound(const QString& text) {
        return QStringLiteral("Program doszedł do końca i nie znalazł \"%1\"!").arg(text);
    }
};

TEST_F(SearchFlowTest, ItemsAreEnabled) {
    for (QAction* item : {window->TBXItemFind, window->TBXItemFindPrevious, window->TBXItemFindNext,
                          window->TBXItemReplace, window->TBXItemWordNext,
                          window->TBXItemWordPrevious, window->TBXItemMatchBracket})
        EXPECT_TRUE(item->isEnabled()) << item->text().toStdString();
}

TEST_F(SearchFlowTest, NotFoundSaysSoAndDropsTheSelection) {
    SetText("alpha beta");
    // Nothing to search for yet: the message has nothing between the quotes.
    window->TBXItemFindNext->trigger();
    ASSERT_EQ(prompter->shown.size(), 1u);
    EXPECT_EQ(prompter->shown[0].text, NotFound(QString()));
    EXPECT_EQ(prompter->shown[0].caption, window->ApplicationTitle());
    EXPECT_EQ(prompter->shown[0].icon, TPromptIcon::Information);
    EXPECT_EQ(prompter->beeps, 1);

    window->SearchSettings().FindText = QStringLiteral("gamma");
    Engine().PlaceCaretAndSelection({5, 1}, {2, 1}, {5, 1});
    window->TBXItemFindPrevious->trigger();
    EXPECT_EQ(prompter->shown.back().text, NotFound(QStringLiteral("gamma")));
    // Backwards the selection collapses onto its start, forwards onto its end.
    EXPECT_FALSE(Engine().HasSelection());
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{2, 1}));
    Engine().PlaceCaretAndSelection({5, 1}, {2, 1}, {5, 1});
    window->TBXItemFindNext->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{5, 1}));
    EXPECT_EQ(prompter->replaceQuestionRuns, 3);
}

TEST_F(SearchFlowTest, SearchAgainCoversTheWholeTextUntilADialogSearched) {
    SetText("x one\none\ny one");
    CaretAt(1, 3);
    window->SearchSettings().FindText = QStringLiteral("one");
    window->TBXItemFindNext->trigger();
    EXPECT_EQ(Engine().SelFirst(), (TBufferCoord{3, 1}));
    window->TBXItemFindNext->trigger();
    EXPECT_EQ(Engine().SelFirst(), (TBufferCoord{3, 1}));

    // After a dialog with "from the caret", searching again goes on from the caret.
    AnswerDialog([](TSearchDialogValues& values) { values.fromCaret = true; });
    window->TBXItemFind->trigger();
    EXPECT_TRUE(window->SearchSettings().FromCaret);
    EXPECT_EQ(Engine().SelFirst(), (TBufferCoord{1, 2}));
    window->TBXItemFindNext->trigger();
    EXPECT_EQ(Engine().SelFirst(), (TBufferCoord{3, 3}));
    // Backwards from the end of a found text finds that text first.
    window->TBXItemFindPrevious->trigger();
    EXPECT_EQ(Engine().SelFirst(), (TBufferCoord{3, 3}));
    window->TBXItemFindPrevious->trigger();
    EXPECT_EQ(Engine().SelFirst(), (TBufferCoord{1, 2}));
    window->TBXItemFindPrevious->trigger();
    EXPECT_EQ(Engine().SelFirst(), (TBufferCoord{3, 1}));
    // No going round: at the start the search reports the end.
    window->TBXItemFindPrevious->trigger();
    EXPECT_EQ(prompter->shown.back().text, NotFound(QStringLiteral("one")));
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{3, 1}));

    // Unchecking "from the caret" in a later dialog covers the whole text again.
    CaretAt(1, 3);
    AnswerDialog([](TSearchDialogValues& values) { values.fromCaret = false; });
    window->TBXItemFind->trigger();
    EXPECT_EQ(Engine().SelFirst(), (TBufferCoord{3, 1}));
}

TEST_F(SearchFlowTest, DialogsShareTheSettingsAndKeepHistories) {
    TSearchSettings& settings = window->SearchSettings();
    settings.FindText = QStringLiteral("abc");
    settings.ReplaceText = QStringLiteral("xyz");
    settings.CaseSensitive = true;
    settings.SelectionOnly = true;
    // A cancelled dialog changes nothing.
    window->TBXItemReplace->trigger();
    ASSERT_EQ(prompter->searchDialogsShown.size(), 1u);
    const TSearchDialogValues shown = prompter->searchDialogsShown[0];
    EXPECT_TRUE(prompter->searchDialogKinds[0]);
    EXPECT_EQ(shown.searchText, QStringLiteral("abc"));
    EXPECT_EQ(shown.replaceText, QStringLiteral("xyz"));
    EXPECT_TRUE(shown.caseSensitive);
    EXPECT_TRUE(shown.selectionOnly);
    EXPECT_FALSE(shown.wholeWords || shown.fromCaret || shown.backwards);
    EXPECT_TRUE(prompter->shown.empty());

    SetText("text");
    for (int i = 0; i < 11; ++i)
        AnswerDialog([i](TSearchDialogValues& values) {
            values.searchText = QStringLiteral("word%1").arg(i);
            values.backwards = true;
            values.wholeWords = true;
        });
    for (int i = 0; i < 11; ++i)
        window->TBXItemFind->trigger();
    EXPECT_FALSE(prompter->searchDialogKinds.back());
    EXPECT_TRUE(prompter->searchDialogsShown.back().backwards);
    EXPECT_TRUE(settings.WholeWords);
    AnswerDialog([](TSearchDialogValues& values) { values.searchText = QStringLiteral("WORD5"); });
    window->TBXItemFind->trigger();
    QStringList history = prompter->searchDialogsShown.back().searchHistory;
    ASSERT_EQ(history.size(), 10);
    EXPECT_EQ(history.front(), QStringLiteral("word10"));
    EXPECT_EQ(history.back(), QStringLiteral("word1"));
    // A text already there in other letter case moves to the top instead of doubling.
    AnswerDialog([](TSearchDialogValues&) {});
    window->TBXItemFind->trigger();
    history = prompter->searchDialogsShown.back().searchHistory;
    EXPECT_EQ(history.size(), 10);
    EXPECT_EQ(history.front(), QStringLiteral("WORD5"));
    EXPECT_EQ(history
                  .filter(QRegularExpression(QStringLiteral("^word5$"),
                                             QRegularExpression::CaseInsensitiveOption))
                  .size(),
              1);
    // An empty search text searches nothing and says nothing.
    const size_t messages = prompter->shown.size();
    AnswerDialog([](TSearchDialogValues& values) { values.searchText.clear(); });
    window->TBXItemFind->trigger();
    EXPECT_EQ(prompter->shown.size(), messages);
}

TEST_F(SearchFlowTest, ReplaceWithEachAnswerUndoesAsOneStep) {
    SetText("a1 a2 a3 a4 a5");
    const std::string original = Text();
    prompter->replaceAnswers = {TReplaceAnswer::Yes, TReplaceAnswer::No, TReplaceAnswer::Yes,
                                TReplaceAnswer::Cancel};
    AnswerDialog([](TSearchDialogValues& values) {
        values.searchText = QStringLiteral("a");
        values.replaceText = QStringLiteral("bą");
    });
    window->TBXItemReplace->trigger();
    EXPECT_EQ(Text(), "b\xB9"
                      "1 a2 b\xB9"
                      "3 a4 a5\r\n");
    ASSERT_EQ(prompter->replaceQuestions.size(), 4u);
    EXPECT_EQ(prompter->replaceQuestions[0].replacement, QStringLiteral("bą"));
    // Occurrences were found: no message.
    EXPECT_TRUE(prompter->shown.empty());
    Engine().Undo();
    EXPECT_EQ(Text(), original);

    // "All" replaces the rest without asking again.
    prompter->replaceQuestions.clear();
    prompter->replaceAnswers = {TReplaceAnswer::No, TReplaceAnswer::All};
    AnswerDialog([](TSearchDialogValues&) {});
    window->TBXItemReplace->trigger();
    EXPECT_EQ(prompter->replaceQuestions.size(), 2u);
    EXPECT_EQ(Text(), "a1 b\xB9"
                      "2 b\xB9"
                      "3 b\xB9"
                      "4 b\xB9"
                      "5\r\n");
    Engine().Undo();
    EXPECT_EQ(Text(), original);
    EXPECT_TRUE(window->SearchSettings().ReplaceText == QStringLiteral("bą"));
    ASSERT_FALSE(prompter->replaceQuestions.empty());

    // Texts that differ only in letter case are asked about; equal ones are not.
    prompter->replaceQuestions.clear();
    prompter->replaceAnswers = {TReplaceAnswer::All};
    AnswerDialog([](TSearchDialogValues& values) { values.replaceText = QStringLiteral("A"); });
    window->TBXItemReplace->trigger();
    EXPECT_EQ(prompter->replaceQuestions.size(), 1u);
    EXPECT_EQ(Text(), "A1 A2 A3 A4 A5\r\n");
    prompter->replaceQuestions.clear();
    AnswerDialog([](TSearchDialogValues& values) {
        values.searchText = QStringLiteral("A");
        values.caseSensitive = true;
    });
    window->TBXItemReplace->trigger();
    EXPECT_TRUE(prompter->replaceQuestions.empty());
    EXPECT_EQ(Text(), "A1 A2 A3 A4 A5\r\n");
    EXPECT_TRUE(prompter->shown.empty());
}

TEST_F(SearchFlowTest, TheQuestionStandsBesideTheMatch) {
    const QRect client(100, 50, 600, 300);
    const QSize dialog(300, 100);
    // In the upper two thirds: 4 pixels under the line, from the match's left edge.
    EXPECT_EQ(ConfirmReplacePosition(dialog, client, {150, 120}, 135), QPoint(150, 139));
    // In the lower third: above the line.
    EXPECT_EQ(ConfirmReplacePosition(dialog, client, {150, 260}, 275), QPoint(150, 156));
    // Kept inside the window on the right, centred on a window narrower than the dialog.
    EXPECT_EQ(ConfirmReplacePosition(dialog, client, {600, 120}, 135).x(), 400);
    EXPECT_EQ(ConfirmReplacePosition(dialog, QRect(100, 50, 201, 300), {150, 120}, 135).x(), 51);

    // The question the window asks carries the match's place on the screen.
    SetText("one\ntwo one");
    window->resize(600, 400);
    prompter->replaceAnswers = {TReplaceAnswer::Cancel};
    AnswerDialog([](TSearchDialogValues& values) {
        values.searchText = QStringLiteral("one");
        values.replaceText = QStringLiteral("1");
        values.fromCaret = true;
    });
    CaretAt(2, 1);
    window->TBXItemReplace->trigger();
    ASSERT_EQ(prompter->replaceQuestions.size(), 1u);
    const TReplaceQuestion& question = prompter->replaceQuestions[0];
    const TPoint pixel = Engine().PosToPixel({5, 2});
    EXPECT_EQ(question.matchTopLeft,
              window->Editor().EditorWidget().viewport()->mapToGlobal(QPoint(pixel.X, pixel.Y)));
    EXPECT_EQ(question.lineBottom, question.matchTopLeft.y() + Engine().RowHeight());
    EXPECT_EQ(question.windowClient.size(), window->size());
    EXPECT_EQ(Text(), "one\r\ntwo one\r\n");
}

TEST_F(SearchFlowTest, WordUnderTheCaret) {
    SetText("foo bar foo\nfoobar foo");
    CaretAt(1, 1);
    window->TBXItemWordNext->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{9, 1}));
    EXPECT_FALSE(Engine().HasSelection());
    window->TBXItemWordNext->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{8, 2}));
    window->TBXItemWordPrevious->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{9, 1}));
    window->TBXItemWordPrevious->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{1, 1}));
    // Nothing further: the caret stays, a beep and no message.
    window->TBXItemWordPrevious->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{1, 1}));
    EXPECT_EQ(prompter->beeps, 1);
    // On a blank or at a line end there is no word.
    CaretAt(12, 1);
    window->TBXItemWordNext->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{12, 1}));
    EXPECT_EQ(prompter->beeps, 2);
    EXPECT_TRUE(prompter->shown.empty());
    EXPECT_TRUE(window->SearchSettings().FindText.isEmpty());
}

TEST_F(SearchFlowTest, BadInput) {
    // Polish letters are searched for in the document's standard.
    SetText("za\xA5\xA4 \xA5");
    window->ComboBoxCharset->setCurrentIndex(1); // Code Page 852
    window->SearchSettings().FindText = QStringLiteral("ąĄ");
    window->TBXItemFindNext->trigger();
    EXPECT_EQ(Selected(), "\xA5\xA4");
    // A character the standard has no byte for cannot be found.
    window->SearchSettings().FindText = QStringLiteral("ą€");
    window->TBXItemFindNext->trigger();
    EXPECT_EQ(prompter->shown.back().text, NotFound(QStringLiteral("ą€")));
    // A text longer than any line, or with a zero byte.
    window->SearchSettings().FindText = QString(300, QLatin1Char('z'));
    window->TBXItemFindNext->trigger();
    window->SearchSettings().FindText = QStringLiteral("a") + QChar(0);
    window->TBXItemFindNext->trigger();
    EXPECT_EQ(prompter->shown.size(), 3u);
    EXPECT_EQ(Text(), "za\xA5\xA4 \xA5\r\n");
    Engine().Lines().SetAllText(std::string("za\0b", 4));
    CaretAt(1, 1);
    window->TBXItemFindNext->trigger();
    EXPECT_EQ(Selected(), std::string("a\0", 2));
    EXPECT_EQ(prompter->shown.size(), 3u);
    SetText("za\xA5\xA4 \xA5");

    // Read-only: found, never replaced, and nothing said.
    Engine().SetReadOnly(true);
    window->SearchSettings().FindText = QStringLiteral("a");
    window->SearchSettings().ReplaceText = QStringLiteral("b");
    prompter->replaceAnswers = {TReplaceAnswer::All};
    AnswerDialog([](TSearchDialogValues&) {});
    window->TBXItemReplace->trigger();
    EXPECT_EQ(Text(), "za\xA5\xA4 \xA5\r\n");
    EXPECT_TRUE(prompter->replaceQuestions.empty());
    EXPECT_EQ(prompter->shown.size(), 3u);
    CaretAt(1, 1);
    window->TBXItemFindNext->trigger();
    EXPECT_EQ(Selected(), "a");

    // A replacement character the standard has no byte for is left out, with a beep.
    Engine().SetReadOnly(false);
    const int beeps = prompter->beeps;
    prompter->replaceAnswers = {TReplaceAnswer::All};
    AnswerDialog([](TSearchDialogValues& values) {
        values.searchText = QStringLiteral("z");
        values.replaceText = QStringLiteral("ż€");
    });
    window->TBXItemReplace->trigger();
    EXPECT_EQ(Text(), "\xBE"
                      "a\xA5\xA4 \xA5\r\n");
    EXPECT_EQ(prompter->beeps, beeps + 1);

    // Only the selection, with nothing selected: the whole text.
    CaretAt(1, 1);
    window->SearchSettings().SelectionOnly = true;
    window->SearchSettings().FindText = QStringLiteral("\xA0"); // no-break space, not in the text
    window->TBXItemFindNext->trigger();
    EXPECT_EQ(prompter->shown.size(), 4u);
}

TEST_F(SearchFlowTest, MatchBracketItem) {
    SetText("f(a[1], b)");
    CaretAt(2, 1);
    window->TBXItemMatchBracket->trigger();
    EXPECT_EQ(Engine().CaretPos(), (TBufferCoord{10, 1}));
}

TEST(SearchDialogs, PolishTextsAndValues) {
    TTextReplaceDialog dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Znajdź i zamień"));
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QGroupBox* group : dialog.findChildren<QGroupBox*>())
        texts << group->title();
    for (const char* text :
         {"Znaj&dź:", "Zamień &na:", "Opcje", "&Uwzględnij wielkość liter",
          "Znajdź tylko &całe wyrazy", "Rozpocznij od &kursora", "Szukaj tylko w &zaznaczeniu",
          "Kierunek", "Do &przodu", "&Wstecz", "OK", "Anuluj"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;

    TSearchDialogValues values;
    values.searchText = QStringLiteral("ż");
    values.searchHistory = QStringList{QStringLiteral("a"), QStringLiteral("b")};
    values.replaceText = QStringLiteral("r");
    values.backwards = true;
    values.fromCaret = true;
    dialog.SetValues(values);
    EXPECT_EQ(dialog.cbSearchText->count(), 2);
    const TSearchDialogValues back = dialog.Values();
    EXPECT_EQ(back.searchText, values.searchText);
    EXPECT_EQ(back.searchHistory, values.searchHistory);
    EXPECT_EQ(back.replaceText, values.replaceText);
    EXPECT_TRUE(back.backwards && back.fromCaret);
    EXPECT_FALSE(back.caseSensitive || back.wholeWords || back.selectionOnly);

    TTextSearchDialog find(nullptr);
    EXPECT_EQ(find.windowTitle(), QStringLiteral("Znajdź"));

    TConfirmReplaceDialog confirm(nullptr);
    confirm.SetReplacement(QStringLiteral("zażółć"));
    EXPECT_EQ(confirm.windowTitle(), QStringLiteral("Confirm replace"));
    EXPECT_EQ(confirm.lblConfirmation->text(),
              QStringLiteral("Zamienić to wystąpienie na \"zażółć\"?"));
    EXPECT_EQ(confirm.btnReplaceAll->text(), QStringLiteral("Zamien wszyst&ko"));
    EXPECT_TRUE(confirm.btnReplace->isDefault());
}

} // namespace
} // namespace tavlo
