// An editor wired to a fake host and an in-memory clipboard, with text helpers.
#pragma once

#include <gtest/gtest.h>

#include "FakeSynEditHost.h"
#include "InMemoryClipboard.h"
#include "editor/SynEdit.h"

namespace tavlo::test {

class EditorFixture : public ::testing::Test {
protected:
    EditorFixture() {
        editor.SetHost(&host);
        editor.SetClipboard(&clipboard);
    }

    void setText(std::string_view text) {
        editor.Lines().SetAllText(text);
        editor.ClearUndo();
        editor.SetModified(false);
    }
    // Lines joined by '\n' (no trailing break), easy to compare.
    std::string text() const {
        std::string result;
        for (int32_t i = 0; i < editor.Lines().Count(); ++i) {
            if (i > 0) result += '\n';
            result += editor.Lines().LineAt(i);
        }
        return result;
    }
    void command(TSynEditorCommand c, char ch = '\0', void* data = nullptr) { editor.RunCommand(c, ch, data); }
    void type(std::string_view chars) {
        for (char c : chars) command(ecChar, c);
    }
    void caretAt(int32_t x, int32_t y) {
        editor.SetCaretPos({x, y});
        editor.PlaceAnchor(editor.CaretPos());
    }
    void select(TBufferCoord from, TBufferCoord to) { editor.PlaceCaretAndSelection(to, from, to); }

    FakeSynEditHost host;
    InMemoryClipboard clipboard;
    TSynEdit editor;
};

} // namespace tavlo::test
