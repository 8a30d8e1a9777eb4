// The main window's commands that act on the text: block indent, letter case, bookmarks,
// go to line, inserted GUID, date and time, sorting of lines and the conversion between
// Polish character standards.
#include "app/EditorDocumentView.h"
#include "app/LineSorting.h"
#include "app/unMain.h"
#include "editor/PolishCharsets.h"
#include "editor/SynEdit.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QLocale>
#include <QUuid>

#include <algorithm>

namespace tavlo {

namespace {

// "Pierwsze litery duże": only a blank or a line feed starts a word.
std::string titleCase(std::string_view text) {
    std::string result = LowerCase1250(text);
    bool wordStart = true;
    for (char& c : result) {
        if (wordStart) c = char(UpperCase1250(uint8_t(c)));
        wordStart = c == ' ' || c == '\n';
    }
    return result;
}

std::string convertLetterCase(std::string_view text, TSynEditorCommand command) {
    switch (command) {
    case ecUpperCase: return UpperCase1250(text);
    case ecLowerCase: return LowerCase1250(text);
    default: return titleCase(text);
    }
}

// The separator of the locale's time format ("HH:mm" gives ':').
QString timeSeparator() {
    for (QChar c : QLocale().timeFormat(QLocale::ShortFormat))
        if (!c.isLetter() && !c.isSpace() && c != QLatin1Char('\''))
            return QString(c);
    return QStringLiteral(":");
}

// A Qt date-time pattern with the locale's time separator taken literally.
QString timePattern() {
    const QString separator = QLatin1Char('\'') + timeSeparator() + QLatin1Char('\'');
    return QStringLiteral("HH") + separator + QStringLiteral("mm") + separator +
           QStringLiteral("ss");
}

// A menu command's edit is undone on its own, also right after a similar edit.
void startOwnUndoStep(TSynEdit& editor) {
    if (editor.HasOption(eoGroupUndo)) editor.UndoList().MarkGroupBreak();
}

// These commands recode or move bytes that are already there: the blanks that end a line
// are the file's own and stay, whatever trimming does to what the user types.
void replaceSelection(TSynEdit& editor, const std::string& text) {
    struct TTrimmingBack {
        TSynEdit& editor;
        TSynEditorOptions options;
        ~TTrimmingBack() { editor.SetOptions(options); }
    } back{editor, editor.Options()};
    editor.SetOptions(back.options & ~TSynEditorOptions(eoTrimTrailingSpaces));
    editor.SetSelectedText(text);
}

// Selects with select() and replaces the selection with replacement() as normal text,
// then puts the user's selection mode back.
template <typename TSelect, typename TReplacement>
void replaceInNormalMode(TSynEdit& editor, TSelect select, TReplacement replacement) {
    const TSynSelectionMode mode = editor.SelectionMode();
    editor.SetSelectionMode(smNormal);
    select();
    const std::string text = replacement();
    if (editor.HasSelection()) replaceSelection(editor, text);
    editor.SetSelectionMode(mode);
}

} // namespace

void TfrMain::connectTools() {
    connect(TBXItemIndent, &QAction::triggered, this, &TfrMain::TBXItemIndentClick);
    connect(TBXItemUnindent, &QAction::triggered, this,
            [this] { m_view->Engine().RunCommand(ecBlockUnindent, '\0', nullptr); });
    connect(TBXItemUpperCase, &QAction::triggered, this,
            [this] { changeLetterCase(ecUpperCase); });
    connect(TBXItemLowerCase, &QAction::triggered, this,
            [this] { changeLetterCase(ecLowerCase); });
    connect(TBXItemTitleCase, &QAction::triggered, this,
            [this] { changeLetterCase(ecTitleCase); });
    for (int n = 0; n < 10; ++n) {
        connect(TBXItemAddBookmark[size_t(n)], &QAction::triggered, this,
                [this, n] { TBXItemAddBookmarkClick(n); });
        connect(TBXItemGoToBookmark[size_t(n)], &QAction::triggered, this,
                [this, n] { TBXItemGoToBookmarkClick(n); });
    }
    connect(TBXItemGoToLine, &QAction::triggered, this, &TfrMain::TBXItemGoToLineClick);
    connect(TBXItemInsertGuid, &QAction::triggered, this, [this] {
        typeIntoEditor(QUuid::createUuid().toString(QUuid::WithBraces).toUpper());
    });
    connect(TBXItemInsertDateTime, &QAction::triggered, this, [this] {
        typeIntoEditor(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd ") +
                                                             timePattern()));
    });
    connect(TBXItemInsertDate, &QAction::triggered, this, [this] {
        typeIntoEditor(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    });
    connect(TBXItemInsertTime, &QAction::triggered, this,
            [this] { typeIntoEditor(QTime::currentTime().toString(timePattern())); });
    connect(TBXItemSort, &QAction::triggered, this, &TfrMain::TBXItemSortClick);
    connect(TBXItemSortBySelection, &QAction::triggered, this,
            &TfrMain::TBXItemSortBySelectionClick);
    connect(TBXItemConvertPLChars, &QAction::triggered, this,
            &TfrMain::TBXItemConvertPLCharsClick);
    connect(TBXItemMatchBracket, &QAction::triggered, this,
            [this] { m_view->Engine().RunCommand(ecMatchBracket, '\0', nullptr); });
}

// The editor keeps a selection that ends in column 1 there by itself, so the selection
// needs no correction afterwards.
void TfrMain::TBXItemIndentClick() {
    m_view->Engine().RunCommand(ecBlockIndent, '\0', nullptr);
}

// Acts on the selection, or on the word at the caret when nothing is selected; the
// selection and the caret are left as they were (the case mapping keeps every length).
void TfrMain::changeLetterCase(TSynEditorCommand command) {
    TSynEdit& editor = m_view->Engine();
    // Replacing the selection goes round the editor's own read-only check.
    if (editor.ReadOnly()) return;
    const TBufferCoord anchor = editor.SelAnchor();
    const TBufferCoord head = editor.SelHead();
    const TBufferCoord caret = editor.CaretPos();
    if (!editor.HasSelection()) editor.SelectWordAt(caret);
    const std::string text = editor.SelectedText();
    const std::string converted = convertLetterCase(text, command);
    if (converted != text) {
        startOwnUndoStep(editor);
        replaceSelection(editor, converted);
    }
    editor.PlaceCaretAndSelection(caret, anchor, head);
}

void TfrMain::TBXItemAddBookmarkClick(int n) {
    TSynEdit& editor = m_view->Engine();
    const std::optional<TBufferCoord> existing = editor.FindBookmark(n);
    const bool onCaretLine = existing && existing->Line == editor.CaretLine();
    if (existing) editor.RemoveBookmark(n);
    if (!onCaretLine) editor.PlaceBookmark(n, editor.CaretChar(), editor.CaretLine());
}

void TfrMain::TBXItemGoToBookmarkClick(int n) {
    TSynEdit& editor = m_view->Engine();
    if (editor.HasBookmark(n)) editor.JumpToBookmark(n);
}

void TfrMain::TBXItemGoToLineClick() {
    const std::optional<QString> answer = m_prompter->AskText(
        QStringLiteral("Idź do"), QStringLiteral("Numer linii:"), QString::number(m_goToLine));
    if (!answer) return;
    bool isNumber = false;
    const int line = answer->trimmed().toInt(&isNumber);
    if (isNumber) m_goToLine = line;
    TSynEdit& editor = m_view->Engine();
    // The editor brings both into range.
    editor.SetCaretLine(m_goToLine);
    editor.SetCaretChar(0);
}

// Each character as if typed, so overwrite mode overwrites.
void TfrMain::typeIntoEditor(const QString& text) {
    TSynEdit& editor = m_view->Engine();
    startOwnUndoStep(editor);
    for (QChar c : text)
        editor.RunCommand(ecChar, char(c.toLatin1()), nullptr);
}

void TfrMain::TBXItemSortClick() {
    TSynEdit& editor = m_view->Engine();
    if (editor.ReadOnly()) return;
    startOwnUndoStep(editor);
    if (!editor.HasSelection()) {
        // All lines, also while the block mode would make "all" a block.
        replaceInNormalMode(editor, [&editor] { editor.SelectWholeText(); },
                            [&editor] { return SortedLinesText(editor.SelectedText()); });
        return;
    }
    replaceSelection(editor, SortedLinesText(editor.SelectedText()));
}

// Whole lines ordered by the text of the selected columns.
void TfrMain::TBXItemSortBySelectionClick() {
    TSynEdit& editor = m_view->Engine();
    if (editor.ReadOnly() || !editor.HasSelection() || editor.SelectionMode() != smColumn)
        return;
    const TBufferCoord first = editor.SelFirst();
    const TBufferCoord last = editor.SelLast();
    // Either corner may be the left one, and the right edge is not part of the block.
    const size_t left = size_t(std::min(first.Char, last.Char) - 1);
    const size_t right = size_t(std::max(first.Char, last.Char) - 1);
    std::vector<std::string> lines;
    std::vector<std::string> keys;
    for (int32_t line = first.Line; line <= last.Line; ++line) {
        const std::string text(editor.Lines().LineAt(line - 1));
        keys.push_back(left < text.size() ? text.substr(left, right - left) : std::string());
        lines.push_back(text);
    }
    const TBufferCoord end{int32_t(lines.back().size()) + 1, last.Line};
    startOwnUndoStep(editor);
    // The lines are replaced as a run of whole lines, the last keeping its own break.
    replaceInNormalMode(
        editor, [&] { editor.PlaceCaretAndSelection(end, {1, first.Line}, end); },
        [&] {
            std::string text = JoinInOrder(lines, CollatedOrder(keys));
            text.resize(text.size() - 2);
            return text;
        });
}

// The selection, or the whole text when nothing is selected, from one standard to another
// as one undo step; the selection and caret stay where they were.
void TfrMain::TBXItemConvertPLCharsClick() {
    TSynEdit& editor = m_view->Engine();
    if (editor.ReadOnly()) return;
    const std::optional<TConversionChoice> choice =
        m_prompter->ChooseConversion(ComboBoxCharset->currentIndex());
    if (!choice) return;
    const TBufferCoord anchor = editor.SelAnchor();
    const TBufferCoord head = editor.SelHead();
    const TBufferCoord caret = editor.CaretPos();
    const auto converted = [&editor, &choice] {
        std::string text = editor.SelectedText();
        ConvertPolishChars(text, choice->from, choice->to);
        return text;
    };
    {
        // Whatever happens to the replacement, the window ends in the target standard.
        struct TFinish {
            TfrMain& window;
            TSynEdit& editor;
            int standard;
            TBufferCoord caret, anchor, head;
            ~TFinish() {
                editor.EndUndoBlock();
                window.ComboBoxCharset->setCurrentIndex(standard);
                editor.PlaceCaretAndSelection(caret, anchor, head);
                editor.SetModified(true);
            }
        } finish{*this, editor, choice->to, caret, anchor, head};
        startOwnUndoStep(editor);
        editor.BeginUndoBlock();
        if (editor.HasSelection())
            replaceSelection(editor, converted());
        else
            replaceInNormalMode(editor, [&editor] { editor.SelectWholeText(); }, converted);
    }
    refreshStatus();
}

} // namespace tavlo
