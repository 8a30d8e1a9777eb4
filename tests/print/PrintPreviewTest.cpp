#include "PrintFixture.h"

#include "print/SynEditPrintPreview.h"

namespace tavlo {
namespace {

class TFakePreviewHost : public TPrintPreviewHost {
public:
    TPoint Client{1000, 800};
    TPreviewScrollBar Horizontal;
    TPreviewScrollBar Vertical;
    std::string Hint;
    bool HintShown = false;
    TRect HintPlace;
    int Invalidations = 0;
    std::vector<TPoint> Scrolls;

    TPoint ClientSize() const override { return Client; }
    TPoint ScreenDpi() const override { return {96, 96}; }
    void SetScrollBar(bool vertical, const TPreviewScrollBar& bar) override {
        (vertical ? Vertical : Horizontal) = bar;
    }
    void Invalidate() override { ++Invalidations; }
    void ScrollPixels(int32_t dx, int32_t dy) override { Scrolls.push_back({dx, dy}); }
    void ShowHint(const std::string& text, const TRect& place) override {
        Hint = text;
        HintPlace = place;
        HintShown = true;
    }
    void HideHint() override { HintShown = false; }
};

class TRecordingCanvas : public TPreviewCanvas {
public:
    explicit TRecordingCanvas(TTextDrawer& drawer) : m_drawer(drawer) {}
    std::vector<std::pair<TRect, TColor>> Fills;
    std::vector<TDrawCall> Lines;
    TRect Frame;
    TPoint Origin, Logical, Device;
    TRect Clip;
    bool Mapped = false;

    void FillRect(const TRect& rect, TColor color) override { Fills.push_back({rect, color}); }
    void DrawLine(TPoint from, TPoint to, TColor color) override {
        TDrawCall call;
        call.X = from.X;
        call.Y = from.Y;
        call.To = to;
        call.Fore = color;
        Lines.push_back(call);
    }
    void FrameRect(const TRect& rect, TColor, TColor) override { Frame = rect; }
    void BeginPageMapping(TPoint origin, TPoint logical, TPoint device, const TRect& clip) override {
        Origin = origin;
        Logical = logical;
        Device = device;
        Clip = clip;
        Mapped = true;
    }
    void EndPageMapping() override { Mapped = false; }
    TTextDrawer& Drawer() override { return m_drawer; }
    TDrawSurface& Surface() override { return m_surface; }

private:
    TTextDrawer& m_drawer;
    TDrawSurface m_surface;
};

class PrintPreviewTest : public PrintFixture {
protected:
    TFakePreviewHost Host;
    TSynEditPrintPreview Preview{Host};
    std::vector<int> PreviewedPages;

    void SetUp() override {
        Preview.SetMeasuringDrawer(&Drawer);
        Preview.OnPreviewPage = [this](int page) { PreviewedPages.push_back(page); };
        Job.SetLinesAsTheyAre(Numbered(RowsPerPage * 4));
        Preview.SetSynEditPrint(&Job);
        Preview.UpdatePreview();
    }
};

TEST_F(PrintPreviewTest, AtOneHundredPercentTheSheetHasItsRealSizeOnTheScreen) {
    ASSERT_EQ(Preview.PageCount(), 4);
    EXPECT_EQ(Preview.ScaleMode(), pscUserScaled);
    EXPECT_EQ(Preview.PageSize().X, 794);
    EXPECT_EQ(Preview.PageSize().Y, 1122);
    EXPECT_EQ(Preview.VirtualSize().X, 820);
    // Narrower than the client: centred horizontally.
    EXPECT_EQ(Preview.PageOffset().X, 12 + (1000 - 820) / 2);
    EXPECT_EQ(Preview.PageOffset().Y, 12);
    EXPECT_EQ(Host.Horizontal, (TPreviewScrollBar{true, false, 0, 820, 1000, 0}));
    EXPECT_EQ(Host.Vertical, (TPreviewScrollBar{true, true, 0, 1148, 800, 0}));

    Preview.SetScalePercent(50);
    EXPECT_EQ(Preview.PageSize().X, 397);
    // A zero or negative scale is held at one percent.
    Preview.SetScalePercent(-20);
    EXPECT_EQ(Preview.ScalePercent(), 1);
    EXPECT_GE(Preview.PageSize().X, 1);
}

TEST_F(PrintPreviewTest, WholePageFitsTheControlAndItsVerticalBarTurnsPages) {
    Host.Client = {600, 2000};
    Preview.SetScaleMode(pscWholePage);
    EXPECT_EQ(Preview.PageSize().X, 600 - 26);
    EXPECT_FALSE(Host.Horizontal.Shown);
    EXPECT_EQ(Host.Vertical, (TPreviewScrollBar{true, true, 1, 4, 1, 1}));

    Preview.ScrollAction(true, psaThumbTrack, 3);
    EXPECT_EQ(Preview.PageNumber(), 3);
    EXPECT_TRUE(Host.HintShown);
    EXPECT_EQ(Host.Hint, "Page: 3");
    EXPECT_EQ(Host.HintPlace.Right, 600 - 4);
    EXPECT_EQ(Host.HintPlace.Top, 10);
    Preview.ScrollAction(true, psaEndScroll);
    EXPECT_FALSE(Host.HintShown);
    EXPECT_EQ(Host.Vertical.Position, 3);

    Preview.ScrollAction(true, psaToEnd);
    EXPECT_EQ(Preview.PageNumber(), 4);
    Preview.ScrollAction(true, psaLineForward);
    EXPECT_EQ(Preview.PageNumber(), 4);
    Preview.NextPage();
    EXPECT_EQ(Preview.PageNumber(), 4);
    Preview.ScrollAction(true, psaPageBack);
    EXPECT_EQ(Preview.PageNumber(), 3);
    Preview.ScrollAction(true, psaToStart);
    Preview.PreviousPage();
    EXPECT_EQ(Preview.PageNumber(), 1);
    EXPECT_EQ(PreviewedPages.back(), 1);

    // A wide, low control: the height decides.
    Host.Client = {3000, 500};
    Preview.Resized();
    EXPECT_EQ(Preview.PageSize().Y, 500 - 26);
    EXPECT_EQ(Preview.PageSize().X, (474 * 2481 + 3507 / 2) / 3507);
}

TEST_F(PrintPreviewTest, ScrollingClampsToTheVirtualAreaAndTheWheelCountsWholeNotches) {
    Preview.SetScalePercent(200);
    ASSERT_EQ(Preview.VirtualSize().Y, 2244 + 26);
    Host.Scrolls.clear();
    for (int notch = 0; notch < 4; ++notch) Preview.MouseWheel(-120);
    EXPECT_EQ(Preview.ScrollPosition().Y, -480);
    EXPECT_EQ(Host.Scrolls.size(), 4u);
    Preview.MouseWheel(-60);
    EXPECT_EQ(Preview.ScrollPosition().Y, -480);
    Preview.MouseWheel(-60);
    EXPECT_EQ(Preview.ScrollPosition().Y, -600);

    Preview.ScrollAction(true, psaToEnd);
    EXPECT_EQ(Preview.ScrollPosition().Y, 800 - 2270);
    Preview.ScrollAction(false, psaToEnd);
    EXPECT_EQ(Preview.ScrollPosition().X, 1000 - (1588 + 26));
    Preview.ScrollAction(false, psaLineBack);
    EXPECT_EQ(Preview.ScrollPosition().X, 1000 - 1614 + 100);
    Preview.ScrollAction(true, psaThumbTrack, 100);
    EXPECT_EQ(Preview.ScrollPosition().Y, -100);

    // Setting the current percent again keeps the place and reports a scale change.
    int scaleChanges = 0;
    Preview.OnScaleChange = [&] { ++scaleChanges; };
    Preview.SetScalePercent(200);
    EXPECT_EQ(Preview.ScrollPosition().Y, -100);
    EXPECT_EQ(scaleChanges, 1);
}

TEST_F(PrintPreviewTest, PaintDrawsTheShadowedPageAndMapsPrinterPixelsOntoIt) {
    TRecordingCanvas canvas(Drawer);
    Preview.NextPage();
    Drawer.Calls.clear();
    Preview.Paint(canvas, {0, 0, 1000, 800});
    const TRect page = Preview.PageRect();
    EXPECT_EQ(canvas.Frame, page);
    ASSERT_EQ(canvas.Lines.size(), 4u);
    EXPECT_EQ(canvas.Lines[0].Y, page.Bottom + 1);
    EXPECT_EQ(canvas.Lines[3].To.X, page.Right + 2);
    EXPECT_EQ(canvas.Lines[0].Fore, clGray);
    EXPECT_EQ(canvas.Logical, (TPoint{2481, 3507}));
    EXPECT_EQ(canvas.Device, Preview.PageSize());
    EXPECT_EQ(canvas.Origin.X, page.Left + (65 * 794 + 2481 / 2) / 2481);
    EXPECT_EQ(canvas.Clip, (TRect{0, 0, 2358, 3407}));
    // Page 2 of the job, drawn as the printer would draw it.
    ASSERT_FALSE(Drawer.Runs().empty());
    EXPECT_EQ(Drawer.Runs()[0].Text, "line 63");
    EXPECT_EQ(Drawer.Runs()[0].Y, Top);

    TSynEditPrintPreview empty(Host);
    canvas.Fills.clear();
    empty.Paint(canvas, {0, 0, 1000, 800});
    EXPECT_EQ(canvas.Frame, (TRect{12, 12, 55, 42}));
    // Nothing to paint in an empty clip.
    canvas.Fills.clear();
    empty.Paint(canvas, {5, 5, 5, 9});
    EXPECT_TRUE(canvas.Fills.empty());
}

} // namespace
} // namespace tavlo
