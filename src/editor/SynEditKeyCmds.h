// Editor command numbers. What each does lives with the editing commands; which keys
// reach them lives with the keystroke table.
#pragma once

#include "editor/SynEditKeyConst.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tavlo {

using TSynEditorCommand = uint16_t;

enum : TSynEditorCommand {
    ecNone = 0,

    ecLeft = 1, ecRight = 2, ecUp = 3, ecDown = 4, ecWordLeft = 5, ecWordRight = 6,
    ecLineStart = 7, ecLineEnd = 8, ecPageUp = 9, ecPageDown = 10, ecPageLeft = 11,
    ecPageRight = 12, ecPageTop = 13, ecPageBottom = 14, ecEditorTop = 15,
    ecEditorBottom = 16, ecGotoXY = 17,

    ecSelection = 100, // added to a movement, it extends the selection
    ecSelLeft = 101, ecSelRight = 102, ecSelUp = 103, ecSelDown = 104, ecSelWordLeft = 105,
    ecSelWordRight = 106, ecSelLineStart = 107, ecSelLineEnd = 108, ecSelPageUp = 109,
    ecSelPageDown = 110, ecSelPageLeft = 111, ecSelPageRight = 112, ecSelPageTop = 113,
    ecSelPageBottom = 114, ecSelEditorTop = 115, ecSelEditorBottom = 116, ecSelGotoXY = 117,

    ecSelectAll = 199,
    ecCopy = 201,
    ecScrollUp = 211, ecScrollDown = 212, ecScrollLeft = 213, ecScrollRight = 214,
    ecInsertMode = 221, ecOverwriteMode = 222, ecToggleMode = 223,
    ecNormalSelect = 231, ecColumnSelect = 232, ecLineSelect = 233,
    ecMatchBracket = 250,

    ecGotoMarker0 = 301, ecGotoMarker1, ecGotoMarker2, ecGotoMarker3, ecGotoMarker4,
    ecGotoMarker5, ecGotoMarker6, ecGotoMarker7, ecGotoMarker8, ecGotoMarker9,
    ecSetMarker0 = 351, ecSetMarker1, ecSetMarker2, ecSetMarker3, ecSetMarker4,
    ecSetMarker5, ecSetMarker6, ecSetMarker7, ecSetMarker8, ecSetMarker9,

    ecContextHelp = 490,

    ecDeleteLastChar = 501, ecDeleteChar = 502, ecDeleteWord = 503, ecDeleteLastWord = 504,
    ecDeleteBOL = 505, ecDeleteEOL = 506, ecDeleteLine = 507, ecClearAll = 508,
    ecLineBreak = 509, ecInsertLine = 510, ecChar = 511, ecImeStr = 550,

    ecUndo = 601, ecRedo = 602, ecCut = 603, ecPaste = 604,
    ecBlockIndent = 610, ecBlockUnindent = 611, ecTab = 612, ecShiftTab = 613,
    ecUpperCase = 620, ecLowerCase = 621, ecToggleCase = 622, ecTitleCase = 623,
    ecAutoCompletion = 650,

    ecUserFirst = 1001,
};

// Identifier of the first command table entry with that number.
std::optional<std::string_view> CommandName(TSynEditorCommand command);
// Number of the first entry whose identifier equals the text, ignoring letter case.
std::optional<TSynEditorCommand> CommandByName(std::string_view identifier);
// The identifier, or the decimal number for a command without one.
std::string CommandLabel(TSynEditorCommand command);

struct TSynEditorCommandIdent {
    TSynEditorCommand Command;
    std::string_view Name;
};
// Every named command, in the order the lookups search them.
const std::vector<TSynEditorCommandIdent>& EditorCommandIdents();

// Raised when a binding would repeat another binding's key pair.
class ESynKeyError : public std::runtime_error {
public:
    ESynKeyError() : std::runtime_error("Shortcut already exists") {}
};

class TSynEditKeyStrokes;

// One binding: a key (or a two-key chord) with its modifiers, and the command it runs.
class TSynEditKeyStroke {
public:
    explicit TSynEditKeyStroke(const TSynEditKeyStrokes* owner = nullptr) : m_owner(owner) {}

    uint16_t FirstKey = 0;
    TShiftState FirstShift = 0;
    uint16_t SecondKey = 0; // 0: a single-key binding
    TShiftState SecondShift = 0;
    TSynEditorCommand Command = ecNone;

    TShortCut ShortCut() const { return ShortCutOf(FirstKey, FirstShift); }
    TShortCut ShortCut2() const { return ShortCutOf(SecondKey, SecondShift); }
    // Both throw ESynKeyError, changing nothing, when another binding of the table already
    // has the resulting key pair. Writing 0 clears the key.
    void SetShortCut(TShortCut value);
    void SetShortCut2(TShortCut value);

    // Copies keys and command, without the duplicate test.
    void Assign(const TSynEditKeyStroke& source);

private:
    void checkUnique(TShortCut first, TShortCut second) const;

    const TSynEditKeyStrokes* m_owner;
};

// The ordered key binding table of an editor.
class TSynEditKeyStrokes {
public:
    TSynEditKeyStrokes() = default;
    TSynEditKeyStrokes(const TSynEditKeyStrokes& source) { Assign(source); }
    TSynEditKeyStrokes& operator=(const TSynEditKeyStrokes& source);

    int Count() const { return int(m_items.size()); }
    TSynEditKeyStroke& operator[](int index) { return *m_items.at(size_t(index)); }
    const TSynEditKeyStroke& operator[](int index) const { return *m_items.at(size_t(index)); }

    // Appends an empty binding.
    TSynEditKeyStroke& NewKeystroke();
    void Delete(int index);
    void Clear() { m_items.clear(); }
    // Becomes a copy of the source, binding by binding.
    void Assign(const TSynEditKeyStrokes& source);

    // Index of the first single-key binding of that key and shift, or -1.
    int FindKey(uint16_t key, TShiftState shift) const;
    int FindKeyPair(uint16_t key1, TShiftState shift1, uint16_t key2, TShiftState shift2) const;
    int FindShortcutPair(TShortCut shortCut, TShortCut shortCut2) const;

    // Replaces the table with the editor's default key map.
    void LoadDefaultKeys();

private:
    template <class Match> int indexWhere(Match match) const {
        for (size_t i = 0; i < m_items.size(); ++i)
            if (match(*m_items[i])) return int(i);
        return -1;
    }

    std::vector<std::unique_ptr<TSynEditKeyStroke>> m_items;
};

// The main window's key map: the defaults with bracket matching on Ctrl+].
void LoadMainWindowKeys(TSynEditKeyStrokes& keys);

} // namespace tavlo
