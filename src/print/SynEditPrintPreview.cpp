#include "print/SynEditPrintPreview.h"

#include <algorithm>
#include <cstdio>

namespace tavlo {

namespace {

int32_t MulDiv(int64_t value, int64_t numerator, int64_t denominator) {
    if (denominator == 0) return 0;
    const int64_t product = value * numerator;
    const int64_t half = denominator / 2;
    return static_cast<int32_t>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

// Without a job the page has the proportions of an A-series sheet.
constexpr int32_t NoJobHeight = 141;
constexpr int32_t NoJobWidth = 100;

} // namespace

TSynEditPrintPreview::TSynEditPrintPreview(TPrintPreviewHost& host) : m_host(host) {}

void TSynEditPrintPreview::SetSynEditPrint(TSynEditPrint* job) {
    m_job = job;
    m_page = 1;
    recomputeSizes();
    m_host.Invalidate();
}

int32_t TSynEditPrintPreview::heightFromWidth(int32_t width) const {
    if (!m_job) return MulDiv(width, NoJobHeight, NoJobWidth);
    TSynEditPrinterInfo& printer = m_job->PrinterInfo();
    return MulDiv(width, printer.PhysicalHeight(), printer.PhysicalWidth());
}

int32_t TSynEditPrintPreview::widthFromHeight(int32_t height) const {
    if (!m_job) return MulDiv(height, NoJobWidth, NoJobHeight);
    TSynEditPrinterInfo& printer = m_job->PrinterInfo();
    return MulDiv(height, printer.PhysicalWidth(), printer.PhysicalHeight());
}

TPoint TSynEditPrintPreview::sizeAt100() const {
    TSynEditPrinterInfo& printer = m_job->PrinterInfo();
    const TPoint dpi = m_host.ScreenDpi();
    return {MulDiv(printer.PhysicalWidth(), dpi.X, printer.XPixPrInch()),
            MulDiv(printer.PhysicalHeight(), dpi.Y, printer.YPixPrInch())};
}

void TSynEditPrintPreview::recomputeSizes() {
    if (!m_job) return;
    const TPoint client = m_host.ClientSize();
    switch (m_scaleMode) {
    case pscWholePage: {
        m_pageSize = {client.X - VirtualExtra, client.Y - VirtualExtra};
        const int32_t width = widthFromHeight(m_pageSize.Y);
        if (width < m_pageSize.X)
            m_pageSize.X = width;
        else
            m_pageSize.Y = heightFromWidth(m_pageSize.X);
        break;
    }
    case pscPageWidth:
        m_pageSize.X = client.X - VirtualExtra;
        m_pageSize.Y = heightFromWidth(m_pageSize.X);
        break;
    case pscUserScaled: {
        const TPoint full = sizeAt100();
        m_pageSize = {MulDiv(full.X, m_scalePercent, 100), MulDiv(full.Y, m_scalePercent, 100)};
        break;
    }
    }
    // A window smaller than the frame around the page still shows a page of one pixel.
    m_pageSize = {std::max(m_pageSize.X, 1), std::max(m_pageSize.Y, 1)};
    m_virtualSize = {m_pageSize.X + VirtualExtra, m_pageSize.Y + VirtualExtra};
    m_pageOffset = {MarginSize, MarginSize};
    if (m_virtualSize.X < client.X) m_pageOffset.X += (client.X - m_virtualSize.X) / 2;
    if (m_virtualSize.Y < client.Y) m_pageOffset.Y += (client.Y - m_virtualSize.Y) / 2;
    updateScrollBars();
    m_scroll = {0, 0};
}

void TSynEditPrintPreview::updateScrollBars() {
    const TPoint client = m_host.ClientSize();
    TPreviewScrollBar horizontal;
    TPreviewScrollBar vertical;
    switch (m_scaleMode) {
    case pscWholePage:
        horizontal.Shown = false;
        vertical = {true, PageCount() > 1, 1, std::max(PageCount(), 1), 1, m_page};
        break;
    case pscPageWidth:
        horizontal.Shown = false;
        vertical = {true, m_virtualSize.Y > client.Y, 0, m_virtualSize.Y, client.Y, -m_scroll.Y};
        break;
    case pscUserScaled:
        horizontal = {true, m_virtualSize.X > client.X, 0, m_virtualSize.X, client.X, -m_scroll.X};
        vertical = {true, m_virtualSize.Y > client.Y, 0, m_virtualSize.Y, client.Y, -m_scroll.Y};
        break;
    }
    m_host.SetScrollBar(false, horizontal);
    m_host.SetScrollBar(true, vertical);
}

void TSynEditPrintPreview::setScaleModeQuietly(TSynPreviewScale mode) {
    m_scaleMode = mode;
    m_scroll = {0, 0};
    recomputeSizes();
}

void TSynEditPrintPreview::SetScaleMode(TSynPreviewScale mode) {
    if (mode == m_scaleMode) return;
    setScaleModeQuietly(mode);
    if (OnScaleChange) OnScaleChange();
    m_host.Invalidate();
}

void TSynEditPrintPreview::SetScalePercent(int percent) {
    // A zero or negative scale would give no page at all; absurd ones are bounded.
    percent = std::clamp(percent, 1, 10000);
    if (percent == m_scalePercent) {
        m_scaleMode = pscUserScaled;
    } else {
        m_scaleMode = pscUserScaled;
        m_scroll = {0, 0};
        m_scalePercent = percent;
        recomputeSizes();
        m_host.Invalidate();
    }
    if (OnScaleChange) OnScaleChange();
}

void TSynEditPrintPreview::SetPageBGColor(TColor color) {
    if (color == m_pageColor) return;
    m_pageColor = color;
    m_host.Invalidate();
}

void TSynEditPrintPreview::UpdatePreview() {
    const int percent = m_scalePercent;
    const TSynPreviewScale mode = m_scaleMode;
    m_scalePercent = 100;
    if (m_job && m_measuringDrawer) m_job->UpdatePages(*m_measuringDrawer);
    m_page = std::clamp(m_page, 1, std::max(PageCount(), 1));
    recomputeSizes();
    m_scaleMode = mode;
    if (mode == pscUserScaled) m_scalePercent = percent;
    recomputeSizes();
    m_host.Invalidate();
    if (OnPreviewPage) OnPreviewPage(m_page);
}

void TSynEditPrintPreview::NextPage() {
    m_page = std::min(m_page + 1, std::max(PageCount(), 1));
    updateScrollBars();
    if (OnPreviewPage) OnPreviewPage(m_page);
    m_host.Invalidate();
}

void TSynEditPrintPreview::PreviousPage() {
    m_page = std::max(m_page - 1, 1);
    updateScrollBars();
    if (OnPreviewPage) OnPreviewPage(m_page);
    m_host.Invalidate();
}

bool TSynEditPrintPreview::Print(std::string& error) {
    if (!m_job) return true;
    const bool printed = m_job->Print(error);
    UpdatePreview();
    return printed;
}

TRect TSynEditPrintPreview::PageRect() const {
    const int32_t left = m_pageOffset.X + m_scroll.X;
    const int32_t top = m_pageOffset.Y + (m_scaleMode == pscWholePage ? 0 : m_scroll.Y);
    return {left, top, left + m_pageSize.X, top + m_pageSize.Y};
}

void TSynEditPrintPreview::scrollAxisTo(bool vertical, int32_t position) {
    const TPoint client = m_host.ClientSize();
    const int32_t clientExtent = vertical ? client.Y : client.X;
    const int32_t virtualExtent = vertical ? m_virtualSize.Y : m_virtualSize.X;
    position = std::clamp(position, std::min(clientExtent - virtualExtent, 0), 0);
    int32_t& current = vertical ? m_scroll.Y : m_scroll.X;
    if (position == current) return;
    const int32_t delta = position - current;
    current = position;
    updateScrollBars();
    if (std::abs(delta) > clientExtent / 2)
        m_host.Invalidate();
    else
        m_host.ScrollPixels(vertical ? 0 : delta, vertical ? delta : 0);
}

void TSynEditPrintPreview::ScrollHorizontallyTo(int32_t x) { scrollAxisTo(false, x); }
void TSynEditPrintPreview::ScrollVerticallyTo(int32_t y) { scrollAxisTo(true, y); }

void TSynEditPrintPreview::ScrollAction(bool vertical, TPreviewScrollAction action, int32_t thumb) {
    if (vertical && m_scaleMode == pscWholePage) {
        turnPage(action, thumb);
        return;
    }
    if (!vertical && m_scaleMode == pscWholePage) return;
    const TPoint client = m_host.ClientSize();
    const int32_t extent = vertical ? client.Y : client.X;
    const int32_t current = vertical ? m_scroll.Y : m_scroll.X;
    const int32_t virtualExtent = vertical ? m_virtualSize.Y : m_virtualSize.X;
    switch (action) {
    case psaLineBack: scrollAxisTo(vertical, current + extent / 10); break;
    case psaLineForward: scrollAxisTo(vertical, current - extent / 10); break;
    case psaPageBack: scrollAxisTo(vertical, current + extent / 2); break;
    case psaPageForward: scrollAxisTo(vertical, current - extent / 2); break;
    case psaToStart: scrollAxisTo(vertical, 0); break;
    case psaToEnd: scrollAxisTo(vertical, -virtualExtent); break;
    case psaThumbTrack:
    case psaThumbPosition: scrollAxisTo(vertical, -thumb); break;
    case psaEndScroll: break;
    }
}

void TSynEditPrintPreview::turnPage(TPreviewScrollAction action, int32_t thumb) {
    if (!m_job) return;
    const int count = std::max(PageCount(), 1);
    switch (action) {
    case psaLineBack:
    case psaPageBack: m_page = std::max(m_page - 1, 1); break;
    case psaLineForward:
    case psaPageForward: m_page = std::min(m_page + 1, count); break;
    case psaToStart: m_page = 1; break;
    case psaToEnd: m_page = count; break;
    case psaThumbTrack:
    case psaThumbPosition: {
        m_page = std::clamp(thumb, 1, count);
        if (ShowScrollHint) {
            char text[32];
            std::snprintf(text, sizeof text, "Page: %d", m_page);
            const int32_t right = m_host.ClientSize().X - 4;
            m_host.ShowHint(text, {right - 200, 10, right, 10});
        }
        break;
    }
    case psaEndScroll: m_host.HideHint(); break;
    }
    updateScrollBars();
    if (OnPreviewPage) OnPreviewPage(m_page);
    m_host.Invalidate();
}

void TSynEditPrintPreview::MouseWheel(int delta) {
    m_wheelAccumulator += delta;
    while (std::abs(m_wheelAccumulator) >= WheelNotch) {
        const bool forward = m_wheelAccumulator > 0;
        m_wheelAccumulator += forward ? -WheelNotch : WheelNotch;
        ScrollVerticallyBy(forward ? WheelNotch : -WheelNotch);
    }
}

void TSynEditPrintPreview::Paint(TPreviewCanvas& canvas, const TRect& clip) {
    if (clip.Right <= clip.Left || clip.Bottom <= clip.Top) return;
    const TPoint client = m_host.ClientSize();
    const TRect all{0, 0, std::max(client.X, clip.Right), std::max(client.Y, clip.Bottom)};
    if (!m_job) {
        canvas.FillRect(all, Color);
        canvas.FrameRect({MarginSize, MarginSize, 55, 42}, clBlack, m_pageColor);
        return;
    }
    const TRect page = PageRect();
    // The background around the page, in four strips.
    canvas.FillRect({all.Left, all.Top, all.Right, page.Top}, Color);
    canvas.FillRect({all.Left, page.Bottom, all.Right, all.Bottom}, Color);
    canvas.FillRect({all.Left, page.Top, page.Left, page.Bottom}, Color);
    canvas.FillRect({page.Right, page.Top, all.Right, page.Bottom}, Color);
    for (int32_t i = 1; i <= ShadowSize; ++i) {
        canvas.DrawLine({page.Left + i, page.Bottom + i}, {page.Right + i, page.Bottom + i}, clGray);
        canvas.DrawLine({page.Right + i, page.Bottom + i}, {page.Right + i, page.Top + i}, clGray);
    }
    canvas.FrameRect(page, clBlack, m_pageColor);

    TSynEditPrinterInfo& printer = m_job->PrinterInfo();
    const TPoint sheet{printer.PhysicalWidth(), printer.PhysicalHeight()};
    const TPoint origin{page.Left + MulDiv(printer.LeftGutter(), m_pageSize.X, sheet.X),
                        page.Top + MulDiv(printer.TopGutter(), m_pageSize.Y, sheet.Y)};
    canvas.BeginPageMapping(origin, sheet, m_pageSize, {0, 0, printer.PrintableWidth(), printer.PrintableHeight()});
    m_job->PrintToCanvas(canvas.Drawer(), canvas.Surface(), m_page);
    canvas.EndPageMapping();
}

} // namespace tavlo
