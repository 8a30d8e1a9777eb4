// What the editor engine asks of the window that shows it. The engine never touches a
// window itself: every visible effect goes through this interface, so a test can record
// the effects and give exact metrics without a display.
#pragma once

#include <cstdint>
#include <string_view>

#include "editor/SynEditTypes.h"

namespace tavlo {

enum class TScrollBarKind : uint8_t { Horizontal, Vertical };

struct TScrollBarInfo {
    int32_t Min = 0;
    int32_t Max = 0;
    int32_t Page = 0;
    int32_t Position = 0;
    // Hide an unneeded bar instead of showing it disabled.
    bool HideWhenUnneeded = false;
    friend bool operator==(const TScrollBarInfo&, const TScrollBarInfo&) = default;
};

enum class TPointerShape : uint8_t { Default, Arrow, IBeam, Drag, NoDrop, MultiDrag };

class TSynEditHost {
public:
    virtual ~TSynEditHost() = default;

    // False until the window exists; deferred effects wait for it.
    virtual bool WindowExists() const = 0;
    virtual int32_t ClientWidth() const = 0;
    virtual int32_t ClientHeight() const = 0;
    // Cell width and text height of the editor font.
    virtual int32_t CharWidth() const = 0;
    virtual int32_t CharHeight() const = 0;

    virtual void InvalidateRect(const TRect& rect) = 0;
    virtual void InvalidateAll() = 0;
    // Moves the pixels of the area by (dx, dy); the uncovered strip must be invalidated.
    virtual void ScrollPixels(int32_t dx, int32_t dy, const TRect& area) = 0;
    // Paints what is invalid now rather than at the next event-loop turn.
    virtual void RepaintNow() = 0;

    virtual void SetScrollBar(TScrollBarKind kind, const TScrollBarInfo& info) = 0;

    virtual void CreateCaret(int32_t width, int32_t height) = 0;
    virtual void DestroyCaret() = 0;
    virtual void SetCaretPos(int32_t x, int32_t y) = 0;
    virtual void ShowCaret(bool visible) = 0;
    // The input method's composition window follows the caret.
    virtual void SetImePosition(int32_t x, int32_t y) = 0;

    virtual bool HasFocus() const = 0;
    virtual void SetFocus() = 0;
    virtual void SetMouseCapture(bool captured) = 0;
    virtual void StartTimer(int32_t intervalMs) = 0;
    virtual void StopTimer() = 0;
    virtual void SetPointerShape(TPointerShape shape) = 0;
    virtual void AcceptFileDrops(bool accept) = 0;

    // --- pointer, wheel and dragging ---
    // Pixels the pointer travels with the button down before a press becomes a drag.
    virtual int32_t DragThreshold() const = 0;
    // Lines one wheel notch scrolls as the user configured it; -1 means a page.
    virtual int32_t WheelScrollLines() const = 0;
    // Starts dragging the selected text; the drop reaches the target editor's DragDrop.
    virtual void BeginDrag() = 0;

    // The shared scroll hint window. Size of the window showing the text, wrapped at maxWidth.
    virtual TPoint ScrollHintSize(std::string_view text, int32_t maxWidth) const = 0;
    // Height of a scroll bar's arrow button.
    virtual int32_t ScrollArrowHeight() const = 0;
    // Shows the hint with its top left corner at the client position.
    virtual void ShowScrollHint(std::string_view text, TPoint clientPos, TColor color) = 0;
    virtual void HideScrollHint() = 0;

    // --- idle work ---
    // The engine has work it can do in slices between events (completing highlighter
    // ranges): the window calls TCustomSynEdit::DoIdleWork soon, and again while it answers
    // true. A window that never does leaves the work to be done when it is needed.
    virtual void RequestIdleWork() {}
};

} // namespace tavlo
