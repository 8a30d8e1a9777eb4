// The editor control's engine: caret, selection, visible window, undo and the command set,
// free of any window system. Visible effects go through a TSynEditHost, the clipboard
// through a TClipboard.
#pragma once

#include <cstdint>
#include <functional>
#include <array>
#include <limits>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "editor/SynEditKbdHandler.h"
#include "editor/SynEditKeyCmds.h"
#include "editor/SynEditMarks.h"
#include "editor/SynEditMiscClasses.h"
#include "editor/SynEditMiscProcs.h"
#include "editor/SynEditRangeCache.h"
#include "editor/SynEditSearch.h"
#include "editor/SynEditTextBuffer.h"
#include "editor/SynEditTypes.h"
#include "editor/SynEditUndo.h"
#include "platform/TextDrawer.h"

namespace tavlo {

class TSynEditHost;
class TClipboard;

enum TSynEditorOption : uint32_t {
    eoAltSetsColumnMode = 1u << 0,
    eoAutoIndent = 1u << 1,
    eoAutoSizeMaxLeftChar = 1u << 2,
    eoDisableScrollArrows = 1u << 3,
    eoDragDropEditing = 1u << 4,
    eoDropFiles = 1u << 5,
    eoEnhanceHomeKey = 1u << 6,
    eoGroupUndo = 1u << 7,
    eoHalfPageScroll = 1u << 8,
    eoHideShowScrollbars = 1u << 9,
    eoKeepCaretX = 1u << 10,
    eoNoCaret = 1u << 11,
    eoNoSelection = 1u << 12,
    eoRightMouseMovesCursor = 1u << 13,
    eoScrollByOneLess = 1u << 14,
    eoScrollHintFollows = 1u << 15,
    eoScrollPastEof = 1u << 16,
    eoScrollPastEol = 1u << 17,
    eoShowScrollHint = 1u << 18,
    eoShowSpecialChars = 1u << 19,
    eoSmartTabDelete = 1u << 20,
    eoSmartTabs = 1u << 21,
    eoSpecialLineDefaultFg = 1u << 22,
    eoTabIndent = 1u << 23,
    eoTabsToSpaces = 1u << 24,
    eoTrimTrailingSpaces = 1u << 25,
};
using TSynEditorOptions = uint32_t;
inline constexpr TSynEditorOptions SYNEDIT_DEFAULT_OPTIONS = 0x3360092;

enum TSynStatusChange : uint16_t {
    stAll = 1,
    stCaretX = 2,
    stCaretY = 4,
    stLeftChar = 8,
    stTopLine = 16,
    stInsertMode = 32,
    stModified = 64,
    stSelection = 128,
    stReadOnly = 256,
};
using TSynStatusChanges = uint16_t;

enum TSynStateFlag : uint16_t {
    esCaretChanged = 1,
    esScrollbarsChanged = 2,
    esLinesChanging = 4,
    esSkipNextChar = 8,
    esCaretShown = 16,
    esDoubleClicked = 32,
    esGutterClickPending = 64,
    esDragPending = 128,
    esReplayingRedo = 256,
};

enum TSynEditCaretType : uint8_t { ctVerticalLine, ctHorizontalLine, ctHalfBlock, ctBlock };

class ESynEditError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// --- pointer input ---
// Mouse buttons held during a pointer event, beside the keyboard modifiers.
enum : TShiftState { ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
// Scroll bar actions, in the order of the platform's scroll messages.
enum TScrollCode : uint8_t {
    scLineUp, scLineDown, scPageUp, scPageDown, scThumbPosition, scThumbTrack, scTop, scBottom, scEndScroll
};
enum TDragState : uint8_t { dsDragEnter, dsDragLeave, dsDragMove };
// Sent through the command processor when the editor gains or loses the input focus.
enum : TSynEditorCommand { ecGotFocus = 700, ecLostFocus = 701 };

class TCustomSynEdit;

// Data: the target TBufferCoord* for ecGotoXY and ecSetMarker0..9, the std::string* for
// ecImeStr, else null.
using TProcessCommandEvent =
    std::function<void(TCustomSynEdit& sender, TSynEditorCommand& command, char& aChar, void* data)>;
using TStatusChangeEvent = std::function<void(TCustomSynEdit& sender, TSynStatusChanges changes)>;
using TNotifyEvent = std::function<void(TCustomSynEdit& sender)>;
using TContextHelpEvent = std::function<void(TCustomSynEdit& sender, const std::string& word)>;

// --- search and replace ---
enum TSynSearchOption : uint8_t {
    ssoMatchCase = 1 << 0,
    ssoWholeWord = 1 << 1,
    ssoBackwards = 1 << 2,
    ssoEntireScope = 1 << 3,
    ssoSelectedOnly = 1 << 4,
    ssoReplace = 1 << 5,
    ssoReplaceAll = 1 << 6,
    ssoPrompt = 1 << 7,
};
using TSynSearchOptions = uint8_t;
enum TSynReplaceAction : uint8_t { rpCancel, rpSkip, rpReplace, rpReplaceAll };
// Asked before each replacement when prompting; action starts as rpCancel.
using TReplaceTextEvent = std::function<void(TCustomSynEdit& sender, const std::string& search,
                                             const std::string& replace, int32_t line, int32_t column,
                                             TSynReplaceAction& action)>;
using TSynEditSearchOverride = std::function<void(std::unique_ptr<TSynEditSearch>& engine)>;

// --- painting types ---
enum TTransientType : uint8_t { ttBefore = 0, ttAfter = 1 };
enum TScrollHintFormat : uint8_t { shfTopLineOnly, shfTopToBottom };
// The canvas is the text drawer, bound to the surface being painted.
using TPaintEvent = std::function<void(TCustomSynEdit& sender, TTextDrawer& canvas)>;
// Outside a paint there is no surface to draw on: canvas is null, and a handler that wants to
// change what is shown invalidates the rows concerned instead.
using TPaintTransient =
    std::function<void(TCustomSynEdit& sender, TTextDrawer* canvas, TTransientType type)>;
using TSpecialLineColorsEvent =
    std::function<void(TCustomSynEdit& sender, int32_t line, bool& special, TColor& fg, TColor& bg)>;

class TCustomSynEdit {
public:
    TCustomSynEdit();
    virtual ~TCustomSynEdit();
    TCustomSynEdit(const TCustomSynEdit&) = delete;
    TCustomSynEdit& operator=(const TCustomSynEdit&) = delete;

    // Platform links; either may be null (no window, no clipboard).
    void SetHost(TSynEditHost* host);
    TSynEditHost* Host() const { return m_host; }
    void SetClipboard(TClipboard* clipboard) { m_clipboard = clipboard; }
    // Not owned; the word character sets follow it. Setting one recomputes every line's range,
    // the cell size, and repaints. The owner must call SetHighlighter(nullptr) or
    // HighlighterDestroyed before the highlighter goes away.
    void SetHighlighter(TSynCustomHighlighter* highlighter);
    // Drops the reference (without touching the highlighter) when it is the editor's.
    void HighlighterDestroyed(const TSynCustomHighlighter& highlighter);
    TSynCustomHighlighter* Highlighter() const { return m_highlighter; }

    TSynEditStringList& Lines() { return *m_lines; }
    const TSynEditStringList& Lines() const { return *m_lines; }

    // --- caret and selection ---
    TBufferCoord CaretPos() const { return {m_caretChar, m_caretLine}; }
    void SetCaretPos(TBufferCoord p) { MoveCaretTo(true, p); }
    int32_t CaretChar() const { return m_caretChar; }
    int32_t CaretLine() const { return m_caretLine; }
    void SetCaretChar(int32_t x) { SetCaretPos({x, m_caretLine}); }
    void SetCaretLine(int32_t y) { SetCaretPos({m_caretChar, y}); }
    void MoveCaretTo(bool ensureVisible, TBufferCoord p);
    int32_t PreferredColumn() const { return m_preferredColumn; }

    TBufferCoord SelAnchor() const { return m_selAnchor; }
    TBufferCoord SelHead() const { return m_selHead; }
    TBufferCoord SelFirst() const { return minPoint(m_selAnchor, m_selHead); }
    TBufferCoord SelLast() const { return maxPoint(m_selAnchor, m_selHead); }
    void PlaceAnchor(TBufferCoord p);
    void ExtendSelection(TBufferCoord p);
    void PlaceCaretAndSelection(TBufferCoord caret, TBufferCoord begin, TBufferCoord end);
    bool HasSelection() const;
    std::string SelectedText() const;
    void SetSelectedText(std::string_view text);
    int64_t SelStartOffset() const;
    int64_t SelEndOffset() const;
    void SetSelStartOffset(int64_t offset);
    void SetSelEndOffset(int64_t offset);
    void SelectWholeText();
    std::string CaretLineText() const;
    void SetCaretLineText(std::string_view text);
    bool PosInSelection(TBufferCoord p) const;

    // --- coordinates and window ---
    TBufferCoord CharToColumn(TBufferCoord p) const;
    TBufferCoord ColumnToChar(TBufferCoord p) const;
    TPoint PosToPixel(TBufferCoord displayPos) const;
    TBufferCoord PixelToPos(TPoint pixel) const;
    int32_t FirstVisibleLine() const { return m_firstVisibleLine; }
    void SetFirstVisibleLine(int32_t line);
    int32_t FirstVisibleColumn() const { return m_firstVisibleColumn; }
    void SetFirstVisibleColumn(int32_t column);
    void ScrollCaretIntoView(bool centre = false);
    int32_t VisibleRows() const { return m_visibleRows; }
    int32_t VisibleColumns() const { return m_visibleColumns; }
    int32_t CellWidth() const { return m_cellWidth; }
    int32_t RowHeight() const { return m_rowHeight; }
    int32_t TextLeft() const { return m_gutterWidth - (m_firstVisibleColumn - 1) * m_cellWidth + 2; }
    int32_t GutterWidth() const { return m_gutterWidth; }
    int32_t ExtraLineSpacing() const { return m_extraLineSpacing; }
    void SetExtraLineSpacing(int32_t spacing);
    // Client size or font changed: recompute rows, columns and cell metrics.
    void SizeOrFontChanged();

    // --- words ---
    TBufferCoord WordStartAtCaret() const;
    TBufferCoord WordEndAtCaret() const;
    TBufferCoord NextWordStart() const;
    TBufferCoord PrevWordStart() const;
    void SelectWordAt(TBufferCoord p);
    std::string WordTextAt(TBufferCoord p) const;
    std::string WordAtCaret();

    // --- update bracket and status ---
    void LockPaint();
    void UnlockPaint();
    int32_t UpdateDepth() const { return m_updateDepth; }
    uint16_t StateFlags() const { return m_stateFlags; }

    // --- properties ---
    TSynEditorOptions Options() const { return m_options; }
    void SetOptions(TSynEditorOptions options);
    bool HasOption(TSynEditorOption o) const { return (m_options & o) != 0; }
    TSynSelectionMode SelectionMode() const { return m_selectionMode; }
    void SetSelectionMode(TSynSelectionMode mode);
    bool InsertMode() const { return m_insertMode; }
    void SetInsertMode(bool insert);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    int TabWidth() const { return m_tabWidth; }
    void SetTabWidth(int width);
    int32_t MaxLeftChar() const { return m_maxLeftChar; }
    void SetMaxLeftChar(int32_t value);
    bool WantTabs = false;
    TSynEditCaretType InsertCaret() const { return m_insertCaret; }
    TSynEditCaretType OverwriteCaret() const { return m_overwriteCaret; }
    void SetInsertCaret(TSynEditCaretType type);
    void SetOverwriteCaret(TSynEditCaretType type);
    void FocusChanged(bool focused);

    // --- undo ---
    bool Modified() const { return m_modified; }
    void SetModified(bool modified);
    int32_t MaxUndo() const { return m_undoList.MaxEntries(); }
    void SetMaxUndo(int32_t value);
    TSynEditUndoList& UndoList() { return m_undoList; }
    TSynEditUndoList& RedoList() { return m_redoList; }
    void BeginUndoBlock() { m_undoList.OpenBlock(); }
    void EndUndoBlock() { m_undoList.CloseBlock(); }
    void LockUndo();
    void UnlockUndo();
    void ClearUndo();
    bool CanUndo() const { return !m_readOnly && m_undoList.CanUndo(); }
    bool CanRedo() const { return !m_readOnly && m_redoList.CanUndo(); }
    void Undo();
    void Redo();

    // --- commands ---
    void RunCommand(TSynEditorCommand command, char aChar, void* data);
    virtual void PerformCommand(TSynEditorCommand command, char aChar, void* data);
    void CopySelection();
    void CutSelection();
    void PasteText();
    void ClearDocument();
    void IndentLines();
    void UnindentLines();

    // --- keyboard (the widget calls these) ---
    void KeyDown(uint16_t& key, TShiftState shift);
    void KeyPress(char& key);
    // charsFollow: the platform also delivers the string's characters as key presses,
    // which are then swallowed.
    void ImeResult(const std::string& text, bool charsFollow = false);
    TSynEditKbdHandler& KbdHandler() { return m_kbdHandler; }
    TSynEditKeyStrokes& Keystrokes() { return m_keystrokes; }

    // --- gutter, marks and bookmarks ---
    TSynGutter& Gutter() { return m_gutter; }
    TSynBookMarkOpt& BookMarkOptions() { return m_bookMarkOptions; }
    TSynSelectedColor& SelectedColor() { return m_selectedColor; }
    TSynEditMarkList& Marks() { return m_marks; }
    void PlaceBookmark(int n, int32_t x, int32_t y);
    void RemoveBookmark(int n);
    void JumpToBookmark(int n);
    // The position of bookmark n, or nothing when it is not set.
    std::optional<TBufferCoord> FindBookmark(int n) const;
    bool HasBookmark(int n) const { return FindBookmark(n).has_value(); }
    TPlaceMarkEvent OnPlaceBookmark;
    TPlaceMarkEvent OnClearBookmark;

    // --- painting (SynEditPaint.cpp, SynEditGutterPaint.cpp) ---
    // Not owned; the window creates the platform drawer. While one is set the cell size is
    // measured with it.
    void SetTextDrawer(TTextDrawer* drawer);
    TTextDrawer* TextDrawer() const { return m_textDrawer; }
    // Paints the part of the client area inside clip onto the surface.
    void Paint(TDrawSurface& surface, const TRect& clip);
    // Rows of lines first..last (1-based): text area, gutter, or the whole row. Both -1: the
    // whole text area / gutter. Collected while the line buffer is changing.
    void InvalidateLines(int32_t first, int32_t last);
    void InvalidateGutterLines(int32_t first, int32_t last);
    void InvalidateLine(int32_t line);
    // Before/after a change; nested notifications reach the handler once, at the outermost.
    void PaintTransient(TTransientType type, bool nested = true);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    const TFontDesc& Font() const { return m_font; }
    void SetFont(const TFontDesc& font);
    int32_t RightEdge() const { return m_rightEdge; }
    void SetRightEdge(int32_t column);
    TColor RightEdgeColor() const { return m_rightEdgeColor; }
    void SetRightEdgeColor(TColor color);
    bool HideSelection() const { return m_hideSelection; }
    void SetHideSelection(bool hide);
    TColor ScrollHintColor = clInfoBk;
    TScrollHintFormat ScrollHintFormat = shfTopLineOnly;
    // The text the scroll hint shows for the current top line.
    std::string ScrollHintText() const;
    // While the vertical thumb is dragged (eoShowScrollHint): the thumb stands at position
    // within 0..range.
    void ShowScrollHint(int32_t thumbPosition, int32_t thumbRange);
    void HideScrollHint();
    // The background painted behind text: the highlighter's whitespace background, or Color.
    TColor EditorBackground() const;
    TPaintEvent OnPaint;
    TPaintTransient OnPaintTransient;
    TSpecialLineColorsEvent OnSpecialLineColors;

    // --- highlighter ranges (SynEditHighlight.cpp) ---
    // The highlighter's attribute of the token at a buffer position (null for none, for a
    // token without attribute, or without a highlighter); token receives its text.
    TSynHighlighterAttributes* TokenAttributeAt(TBufferCoord p, std::string* token = nullptr);
    // A change scans ranges only as far as the screen needs; the rest is completed here, in
    // slices of about budgetMicroseconds (or maxLines scans), and on demand. True while
    // ranges remain to be completed.
    bool DoIdleWork(int32_t budgetMicroseconds = 4000, int32_t maxLines = std::numeric_limits<int32_t>::max());
    // Completes the ranges up to that line (0-based) now: for anything that reads them.
    void EnsureRangesUpTo(int32_t lineIndex);
    bool RangesComplete() const { return !m_highlighter || m_ranges.Complete(); }

    // --- search and replace (SynEditSearchReplace.cpp) ---
    // The number of occurrences found (and, when replacing, processed); 0 for none.
    int32_t FindAndReplace(const std::string& search, const std::string& replace, TSynSearchOptions options);
    // The bracket that pairs with the one at p, or (0, 0); brackets in strings and comments
    // do not count. With adjustForTabs the column is a display column.
    TBufferCoord MatchingBracketPos(TBufferCoord p, bool adjustForTabs);
    TReplaceTextEvent OnReplaceText;
    TSynEditSearchOverride OnSearchEngineOverride;

    // --- events ---
    TStatusChangeEvent OnStatusChange;
    TNotifyEvent OnChange;
    TProcessCommandEvent OnProcessCommand;
    TProcessCommandEvent OnProcessUserCommand;
    TProcessCommandEvent OnCommandProcessed;
    TContextHelpEvent OnContextHelp;

    // --- mouse, scrolling and drag-and-drop (SynEditMouse.cpp; the widget calls these with
    // client pixels, and shift holds the modifiers and the buttons down) ---
    void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y);
    void MouseMove(TShiftState shift, int32_t x, int32_t y);
    void MouseUp(TMouseButton button, int32_t x, int32_t y);
    void DblClick(int32_t x, int32_t y);
    // The window lost the mouse capture (a drag took it over, another window grabbed it).
    void MouseCaptureLost();
    // The 100 ms timer that scrolls while the pointer selects outside the window.
    void AutoScrollTimerTick(TShiftState shift);
    bool AutoScrolling() const { return m_autoScrollDelta.X != 0 || m_autoScrollDelta.Y != 0; }
    // delta: wheel rotation, 120 units per notch, positive away from the user.
    void MouseWheel(int32_t delta, TShiftState shift);
    int32_t WheelRemainder() const { return m_wheelRemainder; }
    void VerticalScroll(TScrollCode code, int32_t position);
    void HorizontalScroll(TScrollCode code, int32_t position);
    // Text dragged over the editor from an editor (null: from elsewhere); true when a drop
    // is welcome here.
    bool DragOver(TCustomSynEdit* source, int32_t x, int32_t y, TDragState state, TShiftState shift);
    void DragDrop(TCustomSynEdit* source, int32_t x, int32_t y, TShiftState shift);
    // Whether a drop from that source with these modifiers copies (else it moves).
    bool DropCopies(const TCustomSynEdit* source, TShiftState shift) const;
    TPointerShape PointerShapeAt(int32_t x, int32_t y) const;
    // The pointer over text outside a draggable selection.
    TPointerShape Cursor() const { return m_cursor; }
    void SetCursor(TPointerShape shape) { m_cursor = shape; }
    void FocusEnter();
    void FocusExit();
    TGutterClickEvent OnGutterClick;

protected:
    // Replaces the selection by text inserted in the given mode (the replace primitive).
    // recordColumnLines: each column piece records its own urPaste entry.
    void SetSelTextPrimitive(TSynSelectionMode pasteMode, std::string_view text, bool recordColumnLines = false);

private:
    // Scoped update bracket.
    class PaintLock {
    public:
        explicit PaintLock(TCustomSynEdit& editor) : m_editor(editor) { m_editor.LockPaint(); }
        ~PaintLock() { m_editor.UnlockPaint(); }

    private:
        TCustomSynEdit& m_editor;
    };
    // Lets the caret stand past the line end for the moment of an edit.
    class ScrollPastEolScope {
    public:
        explicit ScrollPastEolScope(TCustomSynEdit& editor)
            : m_editor(editor), m_wasOn(editor.HasOption(eoScrollPastEol)) {
            m_editor.m_options |= eoScrollPastEol;
        }
        ~ScrollPastEolScope() {
            if (!m_wasOn) m_editor.SetOptions(m_editor.m_options & ~eoScrollPastEol);
        }

    private:
        TCustomSynEdit& m_editor;
        bool m_wasOn;
    };
    // Paint-transient notifications before and after a change (they nest).
    class TransientScope {
    public:
        explicit TransientScope(TCustomSynEdit& editor) : m_editor(editor) { m_editor.PaintTransient(ttBefore); }
        ~TransientScope() { m_editor.PaintTransient(ttAfter); }

    private:
        TCustomSynEdit& m_editor;
    };
    class ReplayScope;

    // SynEdit.cpp
    void statusChanged(TSynStatusChanges changes);
    void invalidateLines(int32_t first, int32_t last);
    void invalidateAll();
    void invalidateGutter();
    void updateScrollBars();
    void placeCaret();
    void recreateCaret();
    void linesChanging();
    void linesChanged();
    void linesCleared();
    void undoEntryAdded(TSynEditUndoList& list);
    void linesInserted(int32_t firstLine, int32_t count);
    void linesRemoved(int32_t afterLine, int32_t count);

    // SynEditSelection.cpp
    int32_t lineLength(int32_t line) const;
    std::string_view lineText(int32_t line) const;
    TBufferCoord clampSelectionPoint(TBufferCoord p) const;
    // How far past a line's end positions reach: MaxLeftChar, or anywhere while history is
    // replayed (an entry may lie past the end of a line longer than that).
    int32_t virtualLimit() const { return m_replaying ? std::numeric_limits<int32_t>::max() - 1 : m_maxLeftChar; }
    // Whether a key that leaves the caret at `caret` must not trim its line: where the caret
    // may stand past line ends, but not beyond this one's (past the virtual limit), blanks
    // trimmed from under it would be lost to the next key.
    bool caretNeedsTrailingBlanks(int32_t caret) const {
        return HasOption(eoScrollPastEol) && caret > virtualLimit();
    }
    void deleteSelection();
    void insertNormal(std::string_view text);
    void insertColumn(std::string_view text, bool recordLines);
    void insertLines(std::string_view text);
    // Replaces `removed` characters at `at` (0-based) of an existing line by text, in place;
    // with trim, the line loses the trailing spaces the edit left beyond the `keptBlanks` it
    // ended with before, but never gets shorter than keep. Returns the stored length.
    size_t spliceLine(int32_t line, size_t at, size_t removed, std::string_view text, bool trim, size_t keptBlanks,
                      size_t keep = 0);
    static size_t keepAfterDeletion(size_t length, size_t split);
    TSynEditMark* bookmarkMark(int n);
    TBufferCoord offsetToPos(int64_t offset) const;
    // The selected text as undo records it: column pieces are never padded.
    std::string selectionForUndo() const;
    std::string selectedText(bool padColumns) const;
    // Where replacing the selection starts inserting: its first position, column 1 for
    // lines, the left edge for a column block; the caret without a selection.
    TBufferCoord insertionStart() const;
    // Inserts at start (the selection already gone) and records entries that take exactly
    // the inserted text, and any padding, out again.
    void insertRecorded(UndoReason reason, TSynSelectionMode mode, std::string_view text, TBufferCoord start);

    // SynEditUndoReplay.cpp
    void replay(bool redo);
    void undoOneEntry();
    void redoOneEntry();

    // SynEditWords.cpp
    TSynCharSet wordCharSet() const;
    TSynCharSet selectWordCharSet() const;
    TSynCharSet identifierCharSet() const;

    // SynEditCommands.cpp
    void moveCaretAndSelection(TBufferCoord from, TBufferCoord to, bool extend);
    void moveCaretHorizontally(int32_t delta, bool extend);
    void moveCaretVertically(int32_t delta, bool extend);
    void lineStart(bool extend);
    void pageVertically(int32_t direction, bool extend);
    void scrollLineCommand(int32_t delta);

    // SynEditBookmarks.cpp
    void setMarkerCommand(int n, void* data);
    void gutterChanged();

    // SynEditEditing.cpp
    int32_t indentWidthAt(int32_t line) const;
    int32_t indentOfShallowerLineAbove(int32_t line, int32_t width) const;
    int32_t padLineForInsert(TBufferCoord at, bool indentOnEmptyLine);
    void recordAndDeleteSelection();
    // The entry just recorded, or null; and how its redo must trim where the command trims
    // otherwise than deleting a selection (which trims only with eoScrollPastEol).
    TSynEditUndoItem* newestRecorded();
    static void trimsWhateverPastEol(TSynEditUndoItem* entry);
    static void trimsNothing(TSynEditUndoItem* entry);
    void deleteSelectionBackOrForward();
    void deleteLastChar();
    void deleteChar();
    void deleteToTarget(TSynEditorCommand command);
    void deleteLine();
    void lineBreak(bool moveCaret);
    void typeText(std::string_view text, bool overwrite, bool indentOnEmptyLine);
    void advanceAfterTyping();

    // SynEditSearchReplace.cpp
    struct TSearchScope;
    bool inSearchScope(const TSearchScope& scope, int32_t line, int32_t first, int32_t last) const;
    void centreLine(int32_t line, TBufferCoord caret);
    void showMatch(int32_t line, int32_t first, int32_t last, bool forward);
    std::vector<TBufferCoord> remainingMatches(const TSearchScope& scope, int32_t line, int32_t index, bool forward);
    TBufferCoord replaceMatches(const std::vector<TBufferCoord>& starts, int32_t searchLength,
                                const std::string& replace);
    TBufferCoord replaceSelectionWith(const std::string& replace);
    bool bracketIgnored(TBufferCoord p);

    // SynEditBlock.cpp
    void tabCommand();
    void shiftTabCommand();
    void caseCommand(TSynEditorCommand command);

    // SynEditPaint.cpp
    void paintTextLines(TRect clip, int32_t firstLine, int32_t lastLine, int32_t firstColumn,
                        int32_t lastColumn);
    void invalidateCollected(const TRect& rect);
    void flushInvalidRect();
    void invalidateSelectionRows();
    // Cell width and row height from the drawer (bold and italic as the styles in use need).
    void measureCell();
    int32_t measuredCellWidth() const;
    int32_t measuredCellHeight() const;
    // SynEditGutterPaint.cpp
    void paintGutter(const TRect& clip, int32_t firstLine, int32_t lastLine);
    void paintMarks(int32_t firstLine, int32_t lastLine);
    // SynEditHighlight.cpp
    void bindRangeUpkeep();
    void highlighterChanged();
    // Every range unknown again, the visible ones scanned now.
    void resetRanges();
    void storeResetRange();
    // Completes ranges up to the line; rows whose range changed repaint, those from
    // unchangedFrom on excepted (a paint draws them now).
    void mendRanges(int32_t upTo, int32_t unchangedFrom = std::numeric_limits<int32_t>::max(),
                    int32_t maxLines = std::numeric_limits<int32_t>::max());
    // After a change: the ranges of every line on screen, the rest left to idle time.
    void settleVisibleRanges();
    void linesAddedOrRemoved(int32_t index, bool added);
    void lineReplaced(int32_t index);

    std::unique_ptr<TSynEditStringList> m_lines;
    TSynEditHost* m_host = nullptr;
    TClipboard* m_clipboard = nullptr;
    TSynCustomHighlighter* m_highlighter = nullptr;

    TBufferCoord m_selAnchor;
    TBufferCoord m_selHead;
    int32_t m_caretChar = 1;
    int32_t m_caretLine = 1;
    int32_t m_preferredColumn = 1;
    int32_t m_visibleColumns = 0;
    int32_t m_cellWidth = 1;
    bool m_insertMode = true;
    int32_t m_visibleRows = 0;
    int32_t m_firstVisibleColumn = 1;
    int32_t m_maxLeftChar = 1024;
    int32_t m_updateDepth = 0;
    bool m_readOnly = false;
    int32_t m_rowHeight = 1;
    int32_t m_firstVisibleLine = 1;
    TSynSelectionMode m_selectionMode = smNormal;
    int m_tabWidth = 8;
    TSynEditorOptions m_options = SYNEDIT_DEFAULT_OPTIONS;
    uint16_t m_stateFlags = 0;
    TSynStatusChanges m_pendingStatus = 0;
    bool m_modified = false;
    bool m_replaying = false;
    bool m_replayPastEol = false; // eoScrollPastEol as the replayed change had it (a replay forces it on)
    bool m_replayTrimmed = false; // whether the change being replayed was trimmed when made

    int32_t m_gutterWidth = 0;
    int32_t m_extraLineSpacing = 0;
    TSynEditCaretType m_insertCaret = ctVerticalLine;
    TSynEditCaretType m_overwriteCaret = ctBlock;
    TPoint m_caretOffset;

    TSynEditUndoList m_undoList;
    TSynEditUndoList m_redoList;
    TSynEditKbdHandler m_kbdHandler;
    TSynEditKeyStrokes m_keystrokes;
    TSynGutter m_gutter;
    TSynBookMarkOpt m_bookMarkOptions;
    TSynSelectedColor m_selectedColor;
    TSynEditMarkList m_marks;
    std::array<TSynEditMark*, 10> m_bookmarks{};
    std::unique_ptr<TSynEditSearch> m_searchEngine;
    uint16_t m_lastKey = 0;
    TShiftState m_lastShift = 0;
    int32_t m_imeCharsPending = 0;

    // mouse, scrolling and drag-and-drop
    void setMouseCapture(bool captured);
    void setAutoScrollDelta(TPoint delta);
    void selectToPointer(int32_t x, int32_t y);
    void gutterClick(int32_t x, int32_t y);
    // Lines the vertical bar spans, and the thumb range it shows them in (scaled when big).
    int64_t verticalLineRange() const;
    int32_t verticalThumbRange() const;
    int32_t thumbToLine(int32_t position) const;
    void dropText(TCustomSynEdit& source, TBufferCoord drop, bool move);
    TPoint m_mouseDownPoint;
    TPoint m_mousePoint;
    TPoint m_autoScrollDelta; // columns and rows per timer tick
    int32_t m_wheelRemainder = 0;
    bool m_mouseCaptured = false;
    TBufferCoord m_caretBeforeDrag;
    TPointerShape m_cursor = TPointerShape::IBeam;

    // painting
    TTextDrawer* m_textDrawer = nullptr;
    TColor m_color = clWindow;
    TFontDesc m_font;
    int32_t m_rightEdge = 80;
    TColor m_rightEdgeColor = clSilver;
    bool m_hideSelection = false;
    TRect m_invalidRect;
    int32_t m_paintTransientLock = 0;
    int32_t m_measuredCellWidth = 0;
    int32_t m_measuredCellHeight = 0;
    // The drawer bound to the surface while Paint runs (handed to OnPaintTransient).
    TTextDrawer* m_paintingDrawer = nullptr;
    // Which stored ranges are known to be right (SynEditHighlight.cpp).
    TSynEditRangeCache m_ranges;
};

class TSynEdit : public TCustomSynEdit {};

} // namespace tavlo
