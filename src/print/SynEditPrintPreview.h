// The print preview control: one page of a print job scaled to the screen on a background
// with a drop shadow, with scaling, scrolling, the wheel and page turning. The page is drawn
// by the job's own page printing under a mapping from printer pixels to the screen, so the
// preview and the printout come from one piece of code. The window system is reached through
// a host and a canvas, as the editor engine does.
#pragma once

#include "print/SynEditPrint.h"

#include <functional>
#include <string>

namespace tavlo {

enum TSynPreviewScale { pscWholePage, pscPageWidth, pscUserScaled };

struct TPreviewScrollBar {
    bool Shown = true;
    bool Enabled = false;
    int32_t Min = 0;
    int32_t Max = 0;
    int32_t Page = 0;
    int32_t Position = 0;
    friend bool operator==(const TPreviewScrollBar&, const TPreviewScrollBar&) = default;
};

enum TPreviewScrollAction {
    psaLineBack,
    psaLineForward,
    psaPageBack,
    psaPageForward,
    psaToStart,
    psaToEnd,
    psaThumbTrack,
    psaThumbPosition,
    psaEndScroll,
};

class TPrintPreviewHost {
public:
    virtual ~TPrintPreviewHost() = default;
    // Width and height of the client area in screen pixels.
    virtual TPoint ClientSize() const = 0;
    virtual TPoint ScreenDpi() const = 0;
    virtual void SetScrollBar(bool vertical, const TPreviewScrollBar& bar) = 0;
    virtual void Invalidate() = 0;
    // Moves the painted pixels and repaints the strip they uncover at once.
    virtual void ScrollPixels(int32_t dx, int32_t dy) = 0;
    // The page hint shown while the thumb is dragged, at `place` in client pixels.
    virtual void ShowHint(const std::string& text, const TRect& place) = 0;
    virtual void HideHint() = 0;
};

// What painting needs besides the text drawer.
class TPreviewCanvas {
public:
    virtual ~TPreviewCanvas() = default;
    virtual void FillRect(const TRect& rect, TColor color) = 0;
    virtual void DrawLine(TPoint from, TPoint to, TColor color) = 0;
    // A rectangle with a one-pixel border, filled.
    virtual void FrameRect(const TRect& rect, TColor border, TColor fill) = 0;
    // From here on, logical coordinates are printer pixels: `logical` (the sheet) maps onto
    // `device` pixels from `origin`; drawing is clipped to `clip` in logical coordinates.
    virtual void BeginPageMapping(TPoint origin, TPoint logical, TPoint device, const TRect& clip) = 0;
    virtual void EndPageMapping() = 0;
    virtual TTextDrawer& Drawer() = 0;
    virtual TDrawSurface& Surface() = 0;
};

class TSynEditPrintPreview {
public:
    static constexpr int32_t MarginSize = 12;
    static constexpr int32_t ShadowSize = 2;
    static constexpr int32_t VirtualExtra = 2 * MarginSize + ShadowSize;
    static constexpr int WheelNotch = 120;

    explicit TSynEditPrintPreview(TPrintPreviewHost& host);

    TSynEditPrint* SynEditPrint() const { return m_job; }
    // Borrowed; the caller clears it before the job goes away.
    void SetSynEditPrint(TSynEditPrint* job);
    // The drawer the job measures with when the pages are updated.
    void SetMeasuringDrawer(TTextDrawer* drawer) { m_measuringDrawer = drawer; }

    TSynPreviewScale ScaleMode() const { return m_scaleMode; }
    void SetScaleMode(TSynPreviewScale mode);
    int ScalePercent() const { return m_scalePercent; }
    void SetScalePercent(int percent);
    TColor PageBGColor() const { return m_pageColor; }
    void SetPageBGColor(TColor color);
    bool ShowScrollHint = true;
    TColor Color = clSystemColor | 12; // the application workspace

    std::function<void(int page)> OnPreviewPage;
    std::function<void()> OnScaleChange;

    int PageNumber() const { return m_page; }
    int PageCount() const { return m_job ? m_job->PageCount() : 0; }
    void UpdatePreview();
    void NextPage();
    void PreviousPage();
    // Prints the whole job, then shows it again.
    bool Print(std::string& error);

    // Window events.
    void Resized() { recomputeSizes(); }
    void ScrollAction(bool vertical, TPreviewScrollAction action, int32_t thumb = 0);
    void MouseWheel(int delta);
    void Paint(TPreviewCanvas& canvas, const TRect& clip);

    void ScrollHorizontallyTo(int32_t x);
    void ScrollVerticallyTo(int32_t y);
    void ScrollHorizontallyBy(int32_t delta) { ScrollHorizontallyTo(m_scroll.X + delta); }
    void ScrollVerticallyBy(int32_t delta) { ScrollVerticallyTo(m_scroll.Y + delta); }

    TPoint PageSize() const { return m_pageSize; }
    TPoint VirtualSize() const { return m_virtualSize; }
    TPoint PageOffset() const { return m_pageOffset; }
    TPoint ScrollPosition() const { return m_scroll; }
    // Where the page lies on the screen.
    TRect PageRect() const;

private:
    int32_t heightFromWidth(int32_t width) const;
    int32_t widthFromHeight(int32_t height) const;
    TPoint sizeAt100() const;
    void recomputeSizes();
    void updateScrollBars();
    void scrollAxisTo(bool vertical, int32_t position);
    void turnPage(TPreviewScrollAction action, int32_t thumb);
    void setScaleModeQuietly(TSynPreviewScale mode);

    TPrintPreviewHost& m_host;
    TSynEditPrint* m_job = nullptr;
    TTextDrawer* m_measuringDrawer = nullptr;
    TSynPreviewScale m_scaleMode = pscUserScaled;
    int m_scalePercent = 100;
    TColor m_pageColor = clWhite;
    int m_page = 1;
    TPoint m_pageSize;
    TPoint m_virtualSize;
    TPoint m_pageOffset{MarginSize, MarginSize};
    TPoint m_scroll;
    int m_wheelAccumulator = 0;
};

} // namespace tavlo
