#include "app/SearchFlow.h"

#include "app/EditorDocumentView.h"
#include "app/Prompter.h"
#include "app/dlgSearchText.h"
#include "app/unMain.h"
#include "editor/SynEdit.h"
#include "platform/qt/CodePageText.h"
#include "platform/qt/SynEditWidget.h"

#include <QAction>
#include <QComboBox>

namespace tavlo {

TSearchFlow::TSearchFlow(TfrMain& window, TPrompter& prompter)
    : m_window(window), m_prompter(prompter) {
    QObject::connect(window.TBXItemFind, &QAction::triggered, &window,
                     [this] { RunDialog(false); });
    QObject::connect(window.TBXItemReplace, &QAction::triggered, &window,
                     [this] { RunDialog(true); });
    QObject::connect(window.TBXItemFindNext, &QAction::triggered, &window,
                     [this] { SearchAgain(false, false); });
    QObject::connect(window.TBXItemFindPrevious, &QAction::triggered, &window,
                     [this] { SearchAgain(true, false); });
    QObject::connect(window.TBXItemWordNext, &QAction::triggered, &window,
                     [this] { SearchWordAtCaret(false); });
    QObject::connect(window.TBXItemWordPrevious, &QAction::triggered, &window,
                     [this] { SearchWordAtCaret(true); });

    editor().OnReplaceText = [this](TCustomSynEdit& sender, const std::string& search,
                                    const std::string& replace, int32_t line, int32_t column,
                                    TSynReplaceAction& action) {
        if (search == replace) {
            action = rpSkip;
            return;
        }
        const TPoint pixel = sender.PosToPixel(sender.CharToColumn({column, line}));
        const QPoint topLeft =
            m_window.Editor().EditorWidget().viewport()->mapToGlobal(QPoint(pixel.X, pixel.Y));
        const TReplaceQuestion question{
            TextOfBytes(m_window.ComboBoxCharset->currentIndex(), replace), topLeft,
            topLeft.y() + sender.RowHeight(),
            QRect(m_window.mapToGlobal(QPoint(0, 0)), m_window.size())};
        switch (m_prompter.ConfirmReplace(question)) {
        case TReplaceAnswer::Yes:
            action = rpReplace;
            break;
        case TReplaceAnswer::No:
            action = rpSkip;
            break;
        case TReplaceAnswer::All:
            action = rpReplaceAll;
            break;
        case TReplaceAnswer::Cancel:
            action = rpCancel;
            break;
        }
    };
}

TSearchFlow::~TSearchFlow() {
    editor().OnReplaceText = nullptr;
}

TSynEdit& TSearchFlow::editor() {
    return m_window.Editor().Engine();
}

std::string TSearchFlow::bytesOf(const QString& text, int& unmapped) {
    unmapped = 0;
    return BytesOfText(m_window.ComboBoxCharset->currentIndex(), text, '\0', &unmapped);
}

// All replacements of one dialog run undo as one step.
void TSearchFlow::RunDialog(bool replace) {
    TSynEdit& editor = this->editor();
    if (editor.HasOption(eoGroupUndo)) editor.UndoList().MarkGroupBreak();
    editor.BeginUndoBlock();
    struct TEndUndoBlock {
        TSynEdit& editor;
        ~TEndUndoBlock() { editor.EndUndoBlock(); }
    } endUndoBlock{editor};

    TSearchSettings& settings = m_window.SearchSettings();
    TSearchDialogValues values{settings.FindText,  m_searchHistory,        settings.ReplaceText,
                               m_replaceHistory,   settings.CaseSensitive, settings.WholeWords,
                               settings.FromCaret, settings.SelectionOnly, m_backwards};
    if (!m_prompter.RunSearchDialog(values, replace)) return;
    m_searchHistory = WithNewestEntry(values.searchHistory, values.searchText);
    m_backwards = values.backwards;
    settings.CaseSensitive = values.caseSensitive;
    settings.FromCaret = values.fromCaret;
    settings.SelectionOnly = values.selectionOnly;
    settings.WholeWords = values.wholeWords;
    settings.FindText = values.searchText;
    if (replace) {
        m_replaceHistory = WithNewestEntry(values.replaceHistory, values.replaceText);
        settings.ReplaceText = values.replaceText;
    }
    m_searchFromCaret = values.fromCaret;
    if (settings.FindText.isEmpty()) return;
    SearchAgain(m_backwards, replace);
    m_searchFromCaret = true;
}

int TSearchFlow::SearchAgain(bool backwards, bool replace) {
    TSynEdit& editor = this->editor();
    // A read-only text is not replaced in, and nothing is said about it.
    if (replace && editor.ReadOnly()) return 0;
    const TSearchSettings& settings = m_window.SearchSettings();
    TSynSearchOptions options = replace ? ssoReplace | ssoReplaceAll | ssoPrompt : 0;
    if (backwards) options |= ssoBackwards;
    if (settings.CaseSensitive) options |= ssoMatchCase;
    if (!m_searchFromCaret) options |= ssoEntireScope;
    if (settings.SelectionOnly) options |= ssoSelectedOnly;
    if (settings.WholeWords) options |= ssoWholeWord;
    int unmappedSearch = 0, unmappedReplacement = 0;
    const std::string search = bytesOf(settings.FindText, unmappedSearch);
    const std::string replacement = bytesOf(settings.ReplaceText, unmappedReplacement);
    // As in typing, a character the standard has no byte for is left out, with a beep.
    if (replace && unmappedReplacement > 0) m_prompter.Beep();
    // A text with such a character cannot be in the document.
    const int found = unmappedSearch > 0 ? 0 : editor.FindAndReplace(search, replacement, options);
    if (found == 0) reportNotFound(backwards);
    m_prompter.EndReplaceQuestions();
    return found;
}

void TSearchFlow::reportNotFound(bool backwards) {
    m_prompter.Beep();
    m_prompter.ShowMessage({m_window.ApplicationTitle(),
                            QStringLiteral("Program doszedł do końca i nie znalazł \"%1\"!")
                                .arg(m_window.SearchSettings().FindText),
                            TPromptIcon::Information, TPromptButtons::Ok});
    TSynEdit& editor = this->editor();
    const TBufferCoord at = backwards ? editor.SelFirst() : editor.SelLast();
    editor.PlaceCaretAndSelection(at, at, at);
}

void TSearchFlow::SearchWordAtCaret(bool backwards) {
    TSynEdit& editor = this->editor();
    const TBufferCoord anchor = editor.SelAnchor(), head = editor.SelHead(),
                       caret = editor.CaretPos();
    if (caret == editor.WordStartAtCaret()) editor.SetCaretChar(caret.Char + 1);
    editor.SelectWordAt(editor.CaretPos());
    const std::string word = editor.SelectedText();
    // Backwards the search starts at the caret; forwards after the word.
    if (backwards) editor.PlaceCaretAndSelection(caret, anchor, head);
    const TSynSearchOptions options = ssoWholeWord | (backwards ? ssoBackwards : 0);
    if (editor.FindAndReplace(word, {}, options) == 0) {
        editor.PlaceCaretAndSelection(caret, anchor, head);
        m_prompter.Beep();
        return;
    }
    editor.SetSelEndOffset(editor.SelStartOffset());
    editor.SetCaretChar(editor.WordStartAtCaret().Char);
}

} // namespace tavlo
