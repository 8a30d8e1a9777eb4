#include "editor/SynEditMiscClasses.h"

#include <gtest/gtest.h>

using namespace tavlo;

namespace {

struct ChangeCounter {
    int count = 0;
    void watch(TSynSettings& settings) {
        settings.OnChange = [this] { ++count; };
    }
};

} // namespace

TEST(GutterTest, DefaultsAndSetterLimits) {
    TSynGutter gutter;
    EXPECT_FALSE(gutter.AutoSize());
    EXPECT_EQ(gutter.Color(), clBtnFace);
    EXPECT_EQ(gutter.Cursor(), TPointerShape::Default);
    EXPECT_EQ(gutter.DigitCount(), 4);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 4);
    EXPECT_EQ(gutter.Font().Name, "Terminal");
    EXPECT_EQ(gutter.Font().Size(), 8);
    EXPECT_EQ(gutter.Font().Height, -11); // what the main window stores for it
    TFontDesc editorFont;
    editorFont.SetSize(10);
    EXPECT_EQ(editorFont.Height, -13);
    EXPECT_EQ(editorFont.Size(), 10);
    EXPECT_EQ(gutter.LeftOffset(), 16);
    EXPECT_EQ(gutter.RightOffset(), 2);
    EXPECT_TRUE(gutter.UseFontStyle());
    EXPECT_TRUE(gutter.Visible());
    EXPECT_EQ(gutter.Width(), 30);

    ChangeCounter changes;
    changes.watch(gutter);
    gutter.SetDigitCount(1);
    EXPECT_EQ(gutter.DigitCount(), 2);
    gutter.SetDigitCount(40);
    EXPECT_EQ(gutter.DigitCount(), 12);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 12);
    gutter.SetWidth(-5);
    gutter.SetLeftOffset(-1);
    gutter.SetRightOffset(-1);
    EXPECT_EQ(gutter.Width(), 0);
    EXPECT_EQ(gutter.LeftOffset(), 0);
    EXPECT_EQ(gutter.RightOffset(), 0);
    EXPECT_EQ(changes.count, 5);
    gutter.SetWidth(0); // unchanged: no report
    gutter.SetColor(clBtnFace);
    EXPECT_EQ(changes.count, 5);
    TFontDesc font = gutter.Font();
    font.Height = -12;
    gutter.SetFont(font);
    EXPECT_EQ(changes.count, 6);
}

TEST(GutterTest, PixelWidthFollowsDigitsAndVisibility) {
    TSynGutter gutter;
    EXPECT_EQ(gutter.GutterPixelWidth(8), 30);
    gutter.SetShowLineNumbers(true);
    EXPECT_EQ(gutter.GutterPixelWidth(8), 16 + 2 + 8 * 4 + 2);
    gutter.SetVisible(false);
    EXPECT_EQ(gutter.GutterPixelWidth(8), 0);
}

TEST(GutterTest, FitDigitCountGrowsAtTenThousandLines) {
    TSynGutter gutter;
    gutter.SetAutoSize(true);
    gutter.SetShowLineNumbers(true);
    ChangeCounter changes;
    changes.watch(gutter);

    gutter.FitDigitCount(9999);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 4);
    EXPECT_EQ(changes.count, 0);
    int32_t narrow = gutter.GutterPixelWidth(7);
    gutter.FitDigitCount(10000);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 5);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(gutter.GutterPixelWidth(7), narrow + 7);
    gutter.FitDigitCount(10001);
    EXPECT_EQ(changes.count, 1);
    gutter.FitDigitCount(12); // never below DigitCount
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 4);
    EXPECT_EQ(changes.count, 2);
    gutter.FitDigitCount(0);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 4);

    // ZeroStart numbers up to count - 1: 10 000 lines end at 9999.
    gutter.SetZeroStart(true);
    gutter.FitDigitCount(10000);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 4);
    gutter.FitDigitCount(10001);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 5);

    // Without AutoSize the count falls back to DigitCount, silently.
    int before = changes.count;
    gutter.SetAutoSize(false);
    gutter.FitDigitCount(123456789);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 4);
    EXPECT_EQ(changes.count, before + 1); // only the AutoSize change

    // A new DigitCount resets the fitted count at once.
    gutter.SetAutoSize(true);
    gutter.FitDigitCount(1234567);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 7);
    gutter.SetDigitCount(3);
    EXPECT_EQ(gutter.AutoSizeDigitCount(), 3);
}

TEST(GutterTest, LineNumberText) {
    TSynGutter gutter;
    EXPECT_EQ(gutter.LineNumberText(7), "   7");
    EXPECT_EQ(gutter.LineNumberText(12345), "12345"); // wider than the field: not cut
    gutter.SetLeadingZeros(true);
    EXPECT_EQ(gutter.LineNumberText(7), "0007");
    EXPECT_EQ(gutter.LineNumberText(1000), "1000");
    gutter.SetZeroStart(true);
    EXPECT_EQ(gutter.LineNumberText(1), "0000");
    EXPECT_EQ(gutter.LineNumberText(8), "0007");
    gutter.SetLeadingZeros(false);
    EXPECT_EQ(gutter.LineNumberText(1), "   0");

    gutter.SetAutoSize(true);
    gutter.SetShowLineNumbers(true);
    gutter.FitDigitCount(100001);
    EXPECT_EQ(gutter.LineNumberText(11), "    10");
}

TEST(GutterTest, AssignCopiesEverythingAndReportsOnce) {
    TSynGutter source;
    source.SetAutoSize(true);
    source.SetShowLineNumbers(true);
    source.SetUseFontStyle(false);
    source.SetColor(clRed);
    source.SetDigitCount(3);
    source.FitDigitCount(123456);
    source.SetLeadingZeros(true);
    source.SetZeroStart(true);
    source.SetLeftOffset(5);
    source.SetRightOffset(6);
    source.SetWidth(44);
    TFontDesc font;
    font.Name = "Courier New";
    font.Height = -11;
    source.SetFont(font);

    TSynGutter target;
    ChangeCounter changes;
    changes.watch(target);
    target.Assign(source);
    EXPECT_EQ(changes.count, 1);
    EXPECT_EQ(target.AutoSizeDigitCount(), 6);
    EXPECT_EQ(target.LineNumberText(8), "000007");
    EXPECT_EQ(target.GutterPixelWidth(10), source.GutterPixelWidth(10));
    EXPECT_EQ(target.Font(), font);
    EXPECT_EQ(target.Color(), clRed);
    EXPECT_FALSE(target.UseFontStyle());
    EXPECT_EQ(target.Width(), 44);
}

TEST(GutterTest, BookmarkOptionsAndSelectedColor) {
    TSynBookMarkOpt options;
    EXPECT_TRUE(options.DrawBookmarksFirst());
    EXPECT_TRUE(options.EnableKeys());
    EXPECT_TRUE(options.GlyphsVisible());
    EXPECT_EQ(options.LeftMargin(), 2);
    EXPECT_EQ(options.Xoffset(), 12);
    ChangeCounter optionChanges;
    optionChanges.watch(options);
    options.SetEnableKeys(false);
    options.SetEnableKeys(false);
    options.SetXoffset(14);
    EXPECT_EQ(optionChanges.count, 2);

    TSynSelectedColor selected;
    EXPECT_EQ(selected.Background(), clHighlight);
    EXPECT_EQ(selected.Foreground(), clHighlightText);
    ChangeCounter colorChanges;
    colorChanges.watch(selected);
    selected.SetBackground(clNavy);
    TSynSelectedColor copy;
    copy.Assign(selected);
    EXPECT_EQ(copy.Background(), clNavy);
    EXPECT_EQ(colorChanges.count, 1);
}
