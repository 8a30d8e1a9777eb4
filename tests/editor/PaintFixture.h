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
    // Every opaque call (runs and fills) on a line's row, in the order drawn.
    std::vector<TDrawCall> opaqueCallsOfLine(int32_t line) const {
        std::vector<TDrawCall> calls;
        const int32_t top = (line - editor.FirstVisibleLine()) * editor.RowHeight();
        for (const TDrawCall& call : drawer.Calls)
            if ((call.What == TDrawCall::Run || call.What == TDrawCall::Fill) && call.Rect.Top == top &&
                call.Rect.Left >= editor.GutterWidth())
                calls.push_back(call);
        return calls;
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
