// The main window's commands that act on the text: block indent, letter case, bookmarks.
#include "app/EditorDocumentView.h"
#include "app/unMain.h"
#include "editor/SynEdit.h"

#include <QAction>

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
    const TBufferCoord anchor = editor.SelAnchor();
    const TBufferCoord head = editor.SelHead();
    const TBufferCoord caret = editor.CaretPos();
    if (!editor.HasSelection()) editor.SelectWordAt(caret);
    const std::string text = editor.SelectedText();
    const std::string converted = convertLetterCase(text, command);
    if (converted != text) {
        // Its own undo step, even right after another replacement.
        if (editor.HasOption(eoGroupUndo)) editor.UndoList().MarkGroupBreak();
        editor.SetSelectedText(converted);
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

} // namespace tavlo
