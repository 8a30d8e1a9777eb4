#include "editor/SynEditKeyCmds.h"

#include <algorithm>

namespace tavlo {

namespace {

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

const std::vector<TSynEditorCommandIdent>& EditorCommandIdents() {
    static const std::vector<TSynEditorCommandIdent> idents = {
        {ecNone, "ecNone"},
        {ecLeft, "ecLeft"},
        {ecRight, "ecRight"},
        {ecUp, "ecUp"},
        {ecDown, "ecDown"},
        {ecWordLeft, "ecWordLeft"},
        {ecWordRight, "ecWordRight"},
        {ecLineStart, "ecLineStart"},
        {ecLineEnd, "ecLineEnd"},
        {ecPageUp, "ecPageUp"},
        {ecPageDown, "ecPageDown"},
        {ecPageLeft, "ecPageLeft"},
        {ecPageRight, "ecPageRight"},
        {ecPageTop, "ecPageTop"},
        {ecPageBottom, "ecPageBottom"},
        {ecEditorTop, "ecEditorTop"},
        {ecEditorBottom, "ecEditorBottom"},
        {ecGotoXY, "ecGotoXY"},
        {ecSelLeft, "ecSelLeft"},
        {ecSelRight, "ecSelRight"},
        {ecSelUp, "ecSelUp"},
        {ecSelDown, "ecSelDown"},
        {ecSelWordLeft, "ecSelWordLeft"},
        {ecSelWordRight, "ecSelWordRight"},
        {ecSelLineStart, "ecSelLineStart"},
        {ecSelLineEnd, "ecSelLineEnd"},
        {ecSelPageUp, "ecSelPageUp"},
        {ecSelPageDown, "ecSelPageDown"},
        {ecSelPageLeft, "ecSelPageLeft"},
        {ecSelPageRight, "ecSelPageRight"},
        {ecSelPageTop, "ecSelPageTop"},
        {ecSelPageBottom, "ecSelPageBottom"},
        {ecSelEditorTop, "ecSelEditorTop"},
        {ecSelEditorBottom, "ecSelEditorBottom"},
        {ecSelGotoXY, "ecSelGotoXY"},
        {ecSelectAll, "ecSelectAll"},
        {ecDeleteLastChar, "ecDeleteLastChar"},
        {ecDeleteChar, "ecDeleteChar"},
        {ecDeleteWord, "ecDeleteWord"},
        {ecDeleteLastWord, "ecDeleteLastWord"},
        {ecDeleteBOL, "ecDeleteBOL"},
        {ecDeleteEOL, "ecDeleteEOL"},
        {ecDeleteLine, "ecDeleteLine"},
        {ecClearAll, "ecClearAll"},
        {ecLineBreak, "ecLineBreak"},
        {ecInsertLine, "ecInsertLine"},
        {ecChar, "ecChar"},
        {ecImeStr, "ecImeStr"},
        {ecUndo, "ecUndo"},
        {ecRedo, "ecRedo"},
        {ecCut, "ecCut"},
        {ecCopy, "ecCopy"},
        {ecPaste, "ecPaste"},
        {ecScrollUp, "ecScrollUp"},
        {ecScrollDown, "ecScrollDown"},
        {ecScrollLeft, "ecScrollLeft"},
        {ecScrollRight, "ecScrollRight"},
        {ecInsertMode, "ecInsertMode"},
        {ecOverwriteMode, "ecOverwriteMode"},
        {ecToggleMode, "ecToggleMode"},
        {ecBlockIndent, "ecBlockIndent"},
        {ecBlockUnindent, "ecBlockUnindent"},
        {ecTab, "ecTab"},
        {ecShiftTab, "ecShiftTab"},
        {ecMatchBracket, "ecMatchBracket"},
        {ecNormalSelect, "ecNormalSelect"},
        {ecColumnSelect, "ecColumnSelect"},
        {ecLineSelect, "ecLineSelect"},
        {ecAutoCompletion, "ecAutoCompletion"},
        {ecUserFirst, "ecUserFirst"},
        {ecContextHelp, "ecContextHelp"},
        {ecGotoMarker0, "ecGotoMarker0"},
        {ecGotoMarker1, "ecGotoMarker1"},
        {ecGotoMarker2, "ecGotoMarker2"},
        {ecGotoMarker3, "ecGotoMarker3"},
        {ecGotoMarker4, "ecGotoMarker4"},
        {ecGotoMarker5, "ecGotoMarker5"},
        {ecGotoMarker6, "ecGotoMarker6"},
        {ecGotoMarker7, "ecGotoMarker7"},
        {ecGotoMarker8, "ecGotoMarker8"},
        {ecGotoMarker9, "ecGotoMarker9"},
        {ecSetMarker0, "ecSetMarker0"},
        {ecSetMarker1, "ecSetMarker1"},
        {ecSetMarker2, "ecSetMarker2"},
        {ecSetMarker3, "ecSetMarker3"},
        {ecSetMarker4, "ecSetMarker4"},
        {ecSetMarker5, "ecSetMarker5"},
        {ecSetMarker6, "ecSetMarker6"},
        {ecSetMarker7, "ecSetMarker7"},
        {ecSetMarker8, "ecSetMarker8"},
        {ecSetMarker9, "ecSetMarker9"},
        {ecUpperCase, "ecUpperCase"},
        {ecLowerCase, "ecLowerCase"},
        {ecToggleCase, "ecToggleCase"},
        {ecTitleCase, "ecTitleCase"},
    };
    return idents;
}

std::optional<std::string_view> CommandName(TSynEditorCommand command) {
    for (const auto& ident : EditorCommandIdents())
        if (ident.Command == command) return ident.Name;
    return std::nullopt;
}

std::optional<TSynEditorCommand> CommandByName(std::string_view identifier) {
    for (const auto& ident : EditorCommandIdents())
        if (equalIgnoringCase(ident.Name, identifier)) return ident.Command;
    return std::nullopt;
}

std::string CommandLabel(TSynEditorCommand command) {
    if (auto name = CommandName(command)) return std::string(*name);
    return std::to_string(command);
}

void TSynEditKeyStroke::checkUnique(TShortCut first, TShortCut second) const {
    if (!m_owner) return;
    int found = m_owner->FindShortcutPair(first, second);
    if (found >= 0 && &(*m_owner)[found] != this) throw ESynKeyError();
}

void TSynEditKeyStroke::SetShortCut(TShortCut value) {
    if (value != 0) checkUnique(value, ShortCut2());
    FirstKey = KeyOfShortCut(value);
    FirstShift = ShiftOfShortCut(value);
}

void TSynEditKeyStroke::SetShortCut2(TShortCut value) {
    if (value != 0) checkUnique(ShortCut(), value);
    SecondKey = KeyOfShortCut(value);
    SecondShift = ShiftOfShortCut(value);
}

void TSynEditKeyStroke::Assign(const TSynEditKeyStroke& source) {
    Command = source.Command;
    FirstKey = source.FirstKey;
    SecondKey = source.SecondKey;
    FirstShift = source.FirstShift;
    SecondShift = source.SecondShift;
}

TSynEditKeyStrokes& TSynEditKeyStrokes::operator=(const TSynEditKeyStrokes& source) {
    if (this != &source) Assign(source);
    return *this;
}

TSynEditKeyStroke& TSynEditKeyStrokes::NewKeystroke() {
    m_items.push_back(std::make_unique<TSynEditKeyStroke>(this));
    return *m_items.back();
}

void TSynEditKeyStrokes::Delete(int index) {
    if (index < 0 || index >= Count()) return;
    m_items.erase(m_items.begin() + index);
}

void TSynEditKeyStrokes::Assign(const TSynEditKeyStrokes& source) {
    if (this == &source) return;
    Clear();
    for (const auto& item : source.m_items)
        NewKeystroke().Assign(*item);
}

int TSynEditKeyStrokes::FindKey(uint16_t key, TShiftState shift) const {
    return indexWhere([&](const TSynEditKeyStroke& k) {
        return k.FirstKey == key && k.FirstShift == shift && k.SecondKey == 0;
    });
}

int TSynEditKeyStrokes::FindKeyPair(uint16_t key1, TShiftState shift1, uint16_t key2,
                                    TShiftState shift2) const {
    return indexWhere([&](const TSynEditKeyStroke& k) {
        return k.FirstKey == key1 && k.FirstShift == shift1 && k.SecondKey == key2 &&
               k.SecondShift == shift2;
    });
}

int TSynEditKeyStrokes::FindShortcutPair(TShortCut shortCut, TShortCut shortCut2) const {
    return indexWhere([&](const TSynEditKeyStroke& k) {
        return k.ShortCut() == shortCut && k.ShortCut2() == shortCut2;
    });
}

namespace {

struct TDefaultBinding {
    uint16_t Key;
    TShiftState Shift;
    TSynEditorCommand Command;
};

// Navigation keys: alone, with Shift, with Ctrl, with Ctrl+Shift (ecNone: no binding).
struct TNavigationRow {
    uint16_t Key;
    TSynEditorCommand Alone, Shifted, Ctrl, CtrlShift;
};

constexpr TNavigationRow NavigationRows[] = {
    {VK_UP, ecUp, ecSelUp, ecScrollUp, ecNone},
    {VK_DOWN, ecDown, ecSelDown, ecScrollDown, ecNone},
    {VK_LEFT, ecLeft, ecSelLeft, ecWordLeft, ecSelWordLeft},
    {VK_RIGHT, ecRight, ecSelRight, ecWordRight, ecSelWordRight},
    {VK_NEXT, ecPageDown, ecSelPageDown, ecPageBottom, ecSelPageBottom},
    {VK_PRIOR, ecPageUp, ecSelPageUp, ecPageTop, ecSelPageTop},
    {VK_HOME, ecLineStart, ecSelLineStart, ecEditorTop, ecSelEditorTop},
    {VK_END, ecLineEnd, ecSelLineEnd, ecEditorBottom, ecSelEditorBottom},
};

constexpr TShiftState CtrlShift = ssCtrl | ssShift;

constexpr TDefaultBinding EditingBindings[] = {
    {VK_INSERT, 0, ecToggleMode},
    {VK_INSERT, ssCtrl, ecCopy},
    {VK_DELETE, ssShift, ecCut},
    {VK_INSERT, ssShift, ecPaste},
    {VK_DELETE, 0, ecDeleteChar},
    {VK_BACK, 0, ecDeleteLastChar},
    {VK_BACK, ssShift, ecDeleteLastChar},
    {VK_BACK, ssCtrl, ecDeleteLastWord},
    {VK_BACK, ssAlt, ecUndo},
    {VK_BACK, ssAlt | ssShift, ecRedo},
    {VK_RETURN, 0, ecLineBreak},
    {VK_RETURN, ssShift, ecLineBreak},
    {VK_TAB, 0, ecTab},
    {VK_TAB, ssShift, ecShiftTab},
    {VK_F1, ssCtrl, ecContextHelp},
    {VirtualKeyOfLetter('A'), ssCtrl, ecSelectAll},
    {VirtualKeyOfLetter('C'), ssCtrl, ecCopy},
    {VirtualKeyOfLetter('V'), ssCtrl, ecPaste},
    {VirtualKeyOfLetter('X'), ssCtrl, ecCut},
    {VirtualKeyOfLetter('I'), CtrlShift, ecBlockIndent},
    {VirtualKeyOfLetter('U'), CtrlShift, ecBlockUnindent},
    {VirtualKeyOfLetter('M'), ssCtrl, ecLineBreak},
    {VirtualKeyOfLetter('N'), ssCtrl, ecInsertLine},
    {VirtualKeyOfLetter('T'), ssCtrl, ecDeleteWord},
    {VirtualKeyOfLetter('Y'), ssCtrl, ecDeleteLine},
    {VirtualKeyOfLetter('Y'), CtrlShift, ecDeleteEOL},
    {VirtualKeyOfLetter('Z'), ssCtrl, ecUndo},
    {VirtualKeyOfLetter('Z'), CtrlShift, ecRedo},
};

constexpr TDefaultBinding SelectionModeBindings[] = {
    {VirtualKeyOfLetter('N'), CtrlShift, ecNormalSelect},
    {VirtualKeyOfLetter('C'), CtrlShift, ecColumnSelect},
    {VirtualKeyOfLetter('L'), CtrlShift, ecLineSelect},
    {VirtualKeyOfLetter('B'), CtrlShift, ecMatchBracket},
};

void appendBinding(TSynEditKeyStrokes& keys, uint16_t key, TShiftState shift,
                   TSynEditorCommand command) {
    TSynEditKeyStroke& k = keys.NewKeystroke();
    k.FirstKey = key;
    k.FirstShift = shift;
    k.Command = command;
}

} // namespace

void TSynEditKeyStrokes::LoadDefaultKeys() {
    Clear();
    for (const TNavigationRow& row : NavigationRows) {
        appendBinding(*this, row.Key, 0, row.Alone);
        appendBinding(*this, row.Key, ssShift, row.Shifted);
        appendBinding(*this, row.Key, ssCtrl, row.Ctrl);
        if (row.CtrlShift != ecNone) appendBinding(*this, row.Key, CtrlShift, row.CtrlShift);
    }
    for (const TDefaultBinding& b : EditingBindings)
        appendBinding(*this, b.Key, b.Shift, b.Command);
    for (int n = 0; n < 10; ++n)
        appendBinding(*this, VirtualKeyOfDigit(n), ssCtrl, TSynEditorCommand(ecGotoMarker0 + n));
    for (int n = 0; n < 10; ++n)
        appendBinding(*this, VirtualKeyOfDigit(n), CtrlShift, TSynEditorCommand(ecSetMarker0 + n));
    for (const TDefaultBinding& b : SelectionModeBindings)
        appendBinding(*this, b.Key, b.Shift, b.Command);
}

void LoadMainWindowKeys(TSynEditKeyStrokes& keys) {
    keys.LoadDefaultKeys();
    int bracket = keys.FindKey(VirtualKeyOfLetter('B'), CtrlShift);
    keys[bracket].FirstKey = VK_OEM_6;
    keys[bracket].FirstShift = ssCtrl;
}

} // namespace tavlo
