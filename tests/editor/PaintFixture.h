// An editor painting into a recording drawer: the whole client area or a clip, and helpers
// to find what was drawn.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "EditorFixture.h"
#include "RecordingDrawer.h"

namespace tavlo::test {

class PaintFixture : public EditorFixture {
protected:
    PaintFixture() { editor.SetTextDrawer(&drawer); }

    void paint() { paint({0, 0, host.width, host.height}); }
    void paint(const TRect& clip) {
        drawer.Calls.clear();
        editor.Paint(surface, clip);
        EXPECT_EQ(drawer.Depth(), 0) << "drawing left open";
    }

    // The runs with text drawn on the row of a line (1-based, from the top of the window).
    std::vector<TDrawCall> runsOfLine(int32_t line) const {
        std::vector<TDrawCall> runs;
        const int32_t top = (line - editor.FirstVisibleLine()) * editor.RowHeight();
        for (const TDrawCall& call : drawer.Runs())
            if (call.Y == top) runs.push_back(call);
        return runs;
    }
    // The background left at pixel x of a line's row: the last fill or opaque run over it.
    TColor backgroundAt(int32_t line, int32_t x) const {
        const int32_t top = (line - editor.FirstVisibleLine()) * editor.RowHeight();
        TColor back = clNone;
        for (const TDrawCall& call : drawer.Calls) {
            const bool paintsBack = call.What == TDrawCall::Fill || (call.What == TDrawCall::Run && (call.Options & etoOpaque));
            if (paintsBack && call.Rect.Top <= top && top < call.Rect.Bottom && call.Rect.Left <= x && x < call.Rect.Right)
                back = call.Back;
        }
        return back;
    }
    std::vector<TDrawCall> callsOf(TDrawCall::Kind kind) const {
        std::vector<TDrawCall> calls;
        std::copy_if(drawer.Calls.begin(), drawer.Calls.end(), std::back_inserter(calls),
                     [kind](const TDrawCall& call) { return call.What == kind; });
        return calls;
    }
    int32_t columnX(int32_t column) const { return (column - 1) * editor.CellWidth() + editor.TextLeft(); }

    TRecordingDrawer drawer;
    TDrawSurface surface;
};

} // namespace tavlo::test
