// A window for the engine without a display: fixed metrics, every effect recorded.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/SynEditHost.h"

namespace tavlo::test {

class FakeSynEditHost : public TSynEditHost {
public:
    int32_t width = 30 + 2 + 80 * 8; // gutter, margin, 80 columns of 8 pixels
    int32_t height = 25 * 16;        // 25 rows of 16 pixels
    int32_t charWidth = 8;
    int32_t charHeight = 16;
    bool focused = true;

    std::vector<TRect> invalidated;
    int invalidateAllCount = 0;
    std::vector<TPoint> scrolls;
    TScrollBarInfo hBar, vBar;
    int scrollBarUpdates = 0;
    TPoint caretPos;
    bool caretVisible = false;
    int caretCreated = 0;
    int32_t caretWidth = 0, caretHeight = 0;

    bool WindowExists() const override { return true; }
    int32_t ClientWidth() const override { return width; }
    int32_t ClientHeight() const override { return height; }
    int32_t CharWidth() const override { return charWidth; }
    int32_t CharHeight() const override { return charHeight; }
    void InvalidateRect(const TRect& rect) override { invalidated.push_back(rect); }
    void InvalidateAll() override { ++invalidateAllCount; }
    void ScrollPixels(int32_t dx, int32_t dy, const TRect&) override { scrolls.push_back({dx, dy}); }
    void RepaintNow() override {}
    void SetScrollBar(TScrollBarKind kind, const TScrollBarInfo& info) override {
        (kind == TScrollBarKind::Horizontal ? hBar : vBar) = info;
        ++scrollBarUpdates;
    }
    void CreateCaret(int32_t w, int32_t h) override {
        ++caretCreated;
        caretWidth = w;
        caretHeight = h;
    }
    void DestroyCaret() override {}
    void SetCaretPos(int32_t x, int32_t y) override { caretPos = {x, y}; }
    void ShowCaret(bool visible) override { caretVisible = visible; }
    void SetImePosition(int32_t, int32_t) override {}
    bool HasFocus() const override { return focused; }
    void SetFocus() override { focused = true; }
    void SetMouseCapture(bool c) override { captured = c; }
    void StartTimer(int32_t intervalMs) override { timerInterval = intervalMs; }
    void StopTimer() override { timerInterval = 0; }
    void SetPointerShape(TPointerShape shape) override { pointer = shape; }
    void AcceptFileDrops(bool) override {}
    int32_t DragThreshold() const override { return dragThreshold; }
    int32_t WheelScrollLines() const override { return wheelLines; }
    void BeginDrag() override { ++dragsStarted; }
    // Tests run the idle work by hand.
    void RequestIdleWork() override { ++idleRequests; }
    int idleRequests = 0;

    bool captured = false;
    int32_t timerInterval = 0; // 0 while stopped
    TPointerShape pointer = TPointerShape::Default;
    int32_t dragThreshold = 4;
    int32_t wheelLines = 3;
    int dragsStarted = 0;

    // Scroll hint: one text row of 7-pixel characters, 4 pixels of border.
    std::string hintText;
    TPoint hintPos;
    bool hintVisible = false;
    TPoint ScrollHintSize(std::string_view text, int32_t maxWidth) const override {
        return {std::min<int32_t>(int32_t(text.size()) * 7 + 4, maxWidth), 18};
    }
    int32_t ScrollArrowHeight() const override { return 16; }
    void ShowScrollHint(std::string_view text, TPoint clientPos, TColor) override {
        hintText = text;
        hintPos = clientPos;
        hintVisible = true;
    }
    void HideScrollHint() override { hintVisible = false; }
};

} // namespace tavlo::test
