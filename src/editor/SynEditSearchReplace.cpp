// Find and replace across the lines of the editor, and bracket matching.
#include "editor/SynEdit.h"

#include <algorithm>
#include <cstring>

namespace tavlo {

struct TCustomSynEdit::TSearchScope {
    TBufferCoord Start;
    TBufferCoord End;
    TSynSelectionMode Mode = smNormal;
};

namespace {

// Where the caret stands after text inserted at `at`.
TBufferCoord afterText(TBufferCoord at, std::string_view text) {
    const std::vector<std::string_view> pieces = SplitLines(text);
    if (pieces.size() == 1) return {at.Char + int32_t(text.size()), at.Line};
    return {int32_t(pieces.back().size()) + 1, at.Line + int32_t(pieces.size()) - 1};
}

} // namespace

// Matches before the start or past the end of the scope do not count; a column scope also
// keeps them within its columns on every line. (The start and end bounds hold in every
// mode, so that searching again from the caret always moves on.)
bool TCustomSynEdit::inSearchScope(const TSearchScope& scope, int32_t line, int32_t first,
                                   int32_t last) const {
    if (line == scope.Start.Line && first < scope.Start.Char) return false;
    if (line == scope.End.Line && last > scope.End.Char) return false;
    if (scope.Mode != smColumn || scope.End.Char - scope.Start.Char < 1) return true;
    return first >= scope.Start.Char && last <= scope.End.Char;
}

// Brings the line into the middle of the view, which starts at column 1, and puts the caret
// at `caret` on it.
void TCustomSynEdit::centreLine(int32_t line, TBufferCoord caret) {
    PaintLock lock(*this);
    MoveCaretTo(false, {1, line});
    ScrollCaretIntoView(true);
    SetCaretPos(caret);
}

void TCustomSynEdit::showMatch(int32_t line, int32_t first, int32_t last, bool forward) {
    PaintLock lock(*this);
    PlaceAnchor({first, line});
    centreLine(line, forward ? TBufferCoord{last, line} : TBufferCoord{first, line});
    ExtendSelection({last, line});
}

// The counted matches from the engine's match `index` on `line` to the end of the scope in
// the search's direction, in text order.
std::vector<TBufferCoord> TCustomSynEdit::remainingMatches(const TSearchScope& scope, int32_t line,
                                                           int32_t index, bool forward) {
    TSynEditSearch& engine = *m_searchEngine;
    const int32_t length = int32_t(engine.SearchPattern().size());
    std::vector<TBufferCoord> found;
    // In the search's direction, then turned into text order.
    auto take = [&](int32_t y, int32_t from, int32_t to) {
        for (int32_t k = from; k <= to; ++k) {
            const int32_t f = engine.MatchAt(forward ? k : to - (k - from));
            if (inSearchScope(scope, y, f, f + length)) found.push_back({f, y});
        }
    };
    if (forward) {
        take(line, index, engine.MatchCount() - 1);
        for (int32_t y = line + 1; y <= scope.End.Line; ++y)
            if (engine.FindAllIn(lineText(y)) > 0) take(y, 0, engine.MatchCount() - 1);
    } else {
        take(line, 0, index);
        for (int32_t y = line - 1; y >= scope.Start.Line; --y)
            if (engine.FindAllIn(lineText(y)) > 0) take(y, 0, engine.MatchCount() - 1);
        std::reverse(found.begin(), found.end());
    }
    return found;
}

// Replaces the selection as plain text, whatever the selection mode, keeping the blanks
// that end the lines (they are the file's own); returns where the inserted text ends.
TBufferCoord TCustomSynEdit::replaceSelectionWith(const std::string& replace) {
    struct TRestore {
        TCustomSynEdit& editor;
        TSynEditorOptions options;
        TSynSelectionMode mode;
        ~TRestore() {
            editor.m_options = options;
            editor.m_selectionMode = mode;
        }
    } restore{*this, m_options, m_selectionMode};
    m_options &= ~TSynEditorOptions(eoTrimTrailingSpaces);
    m_selectionMode = smNormal;
    SetSelectedText(replace);
    return CaretPos();
}

// Replaces every listed match at once: the text from the first match to the end of the
// last is put back rewritten, one delete and one insert in the undo history however many
// matches there are. Returns where the last replacement ends.
TBufferCoord TCustomSynEdit::replaceMatches(const std::vector<TBufferCoord>& starts,
                                            int32_t searchLength, const std::string& replace) {
    const TBufferCoord first = starts.front();
    const TBufferCoord end{starts.back().Char + searchLength, starts.back().Line};
    std::string text;
    size_t size = 0;
    for (int32_t y = first.Line; y <= end.Line; ++y)
        size += size_t(lineLength(y)) + 2;
    text.reserve(size + starts.size() * replace.size());
    size_t next = 0;
    for (int32_t y = first.Line; y <= end.Line; ++y) {
        const std::string_view line = lineText(y);
        size_t position = y == first.Line ? size_t(first.Char - 1) : 0;
        for (; next < starts.size() && starts[next].Line == y; ++next) {
            const size_t at = size_t(starts[next].Char - 1);
            text.append(line.substr(position, at - position));
            text.append(replace);
            position = at + size_t(searchLength);
        }
        if (y < end.Line) {
            text.append(line.substr(position));
            text.append("\r\n");
        }
    }
    const TSynSelectionMode mode = m_selectionMode;
    m_selectionMode = smNormal;
    PlaceAnchor(first);
    ExtendSelection(end);
    m_selectionMode = mode;
    return replaceSelectionWith(text);
}

int32_t TCustomSynEdit::FindAndReplace(const std::string& search, const std::string& replace,
                                       TSynSearchOptions options) {
    if (OnSearchEngineOverride) OnSearchEngineOverride(m_searchEngine);
    if (!m_searchEngine) m_searchEngine = std::make_unique<TSynEditSearch>();
    // Nobody to ask: every answer would be rpReplace.
    bool prompt = (options & ssoPrompt) && OnReplaceText;
    bool replaceAll = options & ssoReplaceAll;
    const bool replacing = replaceAll || (options & ssoReplace);
    // A read-only text is searched but never changed.
    if (search.empty() || m_lines->Count() == 0 || (replacing && m_readOnly)) return 0;
    const bool forward = !(options & ssoBackwards);

    TSearchScope scope{
        {1, 1}, {lineLength(m_lines->Count()) + 1, m_lines->Count()}, m_selectionMode};
    if ((options & ssoSelectedOnly) && HasSelection()) {
        scope.Start = SelFirst();
        scope.End = SelLast();
        if (m_selectionMode == smLine) {
            scope.Start.Char = 1;
            scope.End.Char = lineLength(scope.End.Line) + 1;
        }
        if (m_selectionMode == smColumn && scope.Start.Char > scope.End.Char)
            std::swap(scope.Start.Char, scope.End.Char);
    } else if (!(options & ssoEntireScope)) {
        (forward ? scope.Start : scope.End) = CaretPos();
    }

    TSynEditSearch& engine = *m_searchEngine;
    engine.SetCaseMatters(options & ssoMatchCase);
    engine.WholeWordsOnly = options & ssoWholeWord;
    engine.SetSearchPattern(search);
    const int32_t searchLength = int32_t(search.size());
    const int32_t replaceLength = int32_t(replace.size());

    struct TBrackets {
        TCustomSynEdit& editor;
        bool painting = false;
        bool undoBlock = false;
        void open(bool withUndoBlock) {
            if (!painting) editor.LockPaint();
            painting = true;
            if (withUndoBlock && !undoBlock) editor.BeginUndoBlock();
            undoBlock = undoBlock || withUndoBlock;
        }
        ~TBrackets() {
            if (undoBlock) editor.EndUndoBlock();
            if (painting) editor.UnlockPaint();
        }
    } brackets{*this};
    // The replacements undo on their own, not together with the typing before them.
    if (replacing && HasOption(eoGroupUndo) && m_undoList.BlockDepth() == 0)
        m_undoList.MarkGroupBreak();
    if (replaceAll) brackets.open(!prompt);

    int32_t result = 0;
    for (int32_t line = forward ? scope.Start.Line : scope.End.Line;
         forward ? line <= scope.End.Line : line >= scope.Start.Line; line += forward ? 1 : -1) {
        const int32_t count = engine.FindAllIn(lineText(line));
        for (int32_t k = 0; k < count; ++k) {
            const int32_t index = forward ? k : count - 1 - k;
            const int32_t first = engine.MatchAt(index);
            const int32_t last = first + searchLength;
            if (!inSearchScope(scope, line, first, last)) continue;
            TSynReplaceAction action = rpReplace;
            if (!replaceAll || prompt) {
                ++result;
                showMatch(line, first, last, forward);
                if (!replacing) return result;
                if (prompt) {
                    action = rpCancel;
                    OnReplaceText(*this, search, replace, line, first, action);
                    if (action == rpCancel) return result;
                }
                if (action == rpReplaceAll) {
                    replaceAll = true;
                    prompt = false;
                    brackets.open(true);
                    --result; // counted again below
                }
            }
            if (replaceAll && !prompt) {
                const std::vector<TBufferCoord> matches =
                    remainingMatches(scope, line, index, forward);
                result += int32_t(matches.size());
                const TBufferCoord lastMatch = matches.back();
                TBufferCoord after = replaceMatches(matches, searchLength, replace);
                // The view ends where the last processed match was.
                if (!forward) after = afterText(matches.front(), replace);
                centreLine(after.Line, after);
                if (forward && scope.Mode != smColumn && lastMatch.Line == scope.End.Line &&
                    replaceLength != searchLength) {
                    // The rest of the scope's last line stays selected.
                    ExtendSelection({after.Char + scope.End.Char - (lastMatch.Char + searchLength),
                                     after.Line});
                }
                return result;
            }
            if (action == rpSkip) {
                if (forward) SetCaretChar(first + replaceLength);
            } else {
                const TBufferCoord after = replaceSelectionWith(replace);
                if (forward) {
                    // The line's later matches moved with the text after the replacement.
                    engine.ShiftMatchesAfter(first, last - after.Char);
                    const int32_t addedLines = after.Line - line;
                    if (scope.Mode != smColumn && line == scope.End.Line &&
                        (after.Char != last || addedLines != 0)) {
                        scope.End = {scope.End.Char - last + after.Char, after.Line};
                        ExtendSelection(scope.End);
                    } else {
                        scope.End.Line += addedLines;
                    }
                    line = after.Line;
                }
            }
            if (!replaceAll) return result;
        }
    }
    return result;
}

// --- bracket matching ---

// A bracket in a string or a comment, as the highlighter sees it.
bool TCustomSynEdit::bracketIgnored(TBufferCoord p) {
    if (!m_highlighter) return false;
    const TSynHighlighterAttributes* attribute = TokenAttributeAt(p);
    if (!attribute) return false;
    return attribute == m_highlighter->CategoryAttribute(catString) ||
           attribute == m_highlighter->CategoryAttribute(catComment);
}

TBufferCoord TCustomSynEdit::MatchingBracketPos(TBufferCoord p, bool adjustForTabs) {
    static constexpr char Brackets[] = {'(', ')', '[', ']', '{', '}', '<', '>'};
    if (p.Line < 1 || p.Line > m_lines->Count() || p.Char < 1 || p.Char > lineLength(p.Line))
        return {0, 0};
    const void* found =
        std::memchr(Brackets, lineText(p.Line)[size_t(p.Char - 1)], sizeof Brackets);
    if (!found) return {0, 0};
    const size_t index = size_t(static_cast<const char*>(found) - Brackets);
    const char same = Brackets[index], partner = Brackets[index ^ 1];
    const bool forward = index % 2 == 0;
    int32_t depth = 1;
    TBufferCoord at = p;
    for (;;) {
        at.Char += forward ? 1 : -1;
        while (at.Char < 1 || at.Char > lineLength(at.Line)) {
            at.Line += forward ? 1 : -1;
            if (at.Line < 1 || at.Line > m_lines->Count()) return {0, 0};
            at.Char = forward ? 1 : lineLength(at.Line);
        }
        const char c = lineText(at.Line)[size_t(at.Char - 1)];
        if ((c != same && c != partner) || bracketIgnored(at)) continue;
        depth += c == same ? 1 : -1;
        if (depth == 0) break;
    }
    if (adjustForTabs) {
        const std::string_view line = lineText(at.Line).substr(0, size_t(at.Char - 1));
        at.Char += int32_t(std::count(line.begin(), line.end(), '\t')) * (m_tabWidth - 1);
    }
    return at;
}

} // namespace tavlo
