#include "PrintFixture.h"

#include "highlighters/SynHighlighterPas.h"

namespace tavlo {
namespace {

TEST(PrintMargins, UnitsConvertWithoutChangingTheStoredLengths) {
    TSynEditPrintMargins margins;
    EXPECT_DOUBLE_EQ(margins.Left(), 25);
    margins.SetUnitSystem(usCM);
    EXPECT_DOUBLE_EQ(margins.Left(), 2.5);
    margins.SetLeft(3);
    margins.SetUnitSystem(usMM);
    EXPECT_DOUBLE_EQ(margins.Left(), 30);
    margins.SetUnitSystem(usInch);
    EXPECT_NEAR(margins.Left(), 30 / 25.4, 1e-12);
    margins.SetUnitSystem(muThousandthsOfInches);
    EXPECT_NEAR(margins.Top(), 25 * 1000 / 25.4, 1e-9);

    TSynEditPrintMargins copy;
    copy.Assign(margins);
    EXPECT_EQ(copy.UnitSystem(), muThousandthsOfInches);
    EXPECT_NEAR(copy.Left(), margins.Left(), 1e-12);
}

TEST(PrintMargins, MirroredMarginsPutTheGutterOnTheBindingSide) {
    TSynEditPrinterInfo printer;
    TSynEditPrintMargins margins;
    margins.MirrorMargins = true;
    margins.SetGutter(10);
    const int32_t leftGutter = printer.LeftGutter();
    auto millimetres = [&](int32_t pixels) { return (pixels + leftGutter) / printer.XPixPrmm(); };

    margins.ComputePage(1, printer, false, false, 0);
    EXPECT_NEAR(millimetres(margins.PLeft), 35, 0.1);
    EXPECT_EQ(margins.PGutter, 118);
    margins.ComputePage(2, printer, false, false, 0);
    EXPECT_NEAR(millimetres(margins.PLeft), 15, 0.1);
    EXPECT_NEAR((printer.PhysicalWidth() - leftGutter - margins.PRight) / printer.XPixPrmm(), 35, 0.1);

    // Line numbers outside the margin widen the left one.
    margins.ComputePage(1, printer, true, false, 100);
    EXPECT_NEAR(millimetres(margins.PLeft - 100), 35, 0.1);
    margins.ComputePage(1, printer, true, true, 100);
    EXPECT_NEAR(millimetres(margins.PLeft), 35, 0.1);
}

TEST(PrintMargins, MarginsWiderThanTheSheetLeaveAMinimalTextArea) {
    TSynEditPrinterInfo printer;
    TSynEditPrintMargins margins;
    margins.SetLeft(150);
    margins.SetRight(150);
    margins.SetTop(200);
    margins.SetBottom(200);
    margins.ComputePage(1, printer, false, false, 0);
    EXPECT_GT(margins.PRight, margins.PLeft);
    EXPECT_GT(margins.PBottom, margins.PTop);
}

TEST(PrinterInfo, WithoutAUsablePrinterTheSheetIsA4At300Dpi) {
    TRecordingPrinter device;
    device.Geometry.reset();
    TSynEditPrinterInfo printer(&device);
    EXPECT_EQ(printer.Geometry(), TSynEditPrinterInfo::A4At300Dpi());
    EXPECT_EQ(printer.PrintableWidth(), 2358);
    EXPECT_EQ(printer.PrintableHeight(), 3407);
    EXPECT_EQ(printer.RightGutter(), 58);
    EXPECT_EQ(printer.BottomGutter(), 50);

    // A vanished printer answers zeros: no division by zero later.
    device.Geometry = TPrinterGeometry{};
    printer.Refresh();
    EXPECT_EQ(printer.XPixPrInch(), 300);

    device.Geometry = TPrinterGeometry{4962, 7014, 4716, 6814, 130, 100, 600, 600};
    printer.Refresh();
    EXPECT_EQ(printer.PhysicalWidth(), 4962);
    EXPECT_EQ(printer.RightGutter(), 116);
    EXPECT_EQ(printer.PixFromLeft(25), 461);
}

TEST(PrintWrap, BreaksAtTheLastBreakCharacterOfEachRunElseCutsHard) {
    EXPECT_TRUE(TSynEditPrint::WrapPositions(std::string(80, 'a'), 80).empty());
    EXPECT_EQ(TSynEditPrint::WrapPositions(std::string(200, 'a'), 80), (std::vector<int32_t>{80, 160}));

    // Words: the break falls after the last blank or comma within each run of ten.
    EXPECT_EQ(TSynEditPrint::WrapPositions("aaa bbb,ccc ddd eee", 10), (std::vector<int32_t>{8, 16}));
    EXPECT_EQ(TSynEditPrint::WrapPositions("aaaa-bbbbbbbbb", 10), (std::vector<int32_t>{5}));
    // A run without blanks, commas or hyphens tries the second set for the whole line.
    EXPECT_EQ(TSynEditPrint::WrapPositions("f(a);g(b);h(c);i(d)", 8), (std::vector<int32_t>{5, 10, 15}));
    // Neither set helps in every run: hard cuts.
    EXPECT_EQ(TSynEditPrint::WrapPositions("a b cdefghijklmnop", 6), (std::vector<int32_t>{6, 12}));
    EXPECT_EQ(TSynEditPrint::WrapPositions("abc", 0), (std::vector<int32_t>{1, 2}));
}

TEST_F(PrintFixture, PagesHoldWholeRowsAndLongLinesContinueOnTheNextPage) {
    EXPECT_EQ(Job.PageCount(), 0);

    SetText({});
    EXPECT_EQ(Job.PageCount(), 1);
    EXPECT_EQ(Job.MaxCol(), 80);

    SetText(Numbered(RowsPerPage));
    EXPECT_EQ(Job.PageCount(), 1);
    SetText(Numbered(RowsPerPage + 1));
    ASSERT_EQ(Job.PageCount(), 2);
    EXPECT_EQ(Job.PageStart(2), (TSynEditPrint::TPageStart{RowsPerPage, 0}));

    // The 200-letter line at index 60 takes three rows: two end page 1, one starts page 2.
    std::vector<std::string> lines = Numbered(60);
    lines.push_back(std::string(200, 'x'));
    lines.push_back("after");
    SetText(lines);
    ASSERT_EQ(Job.PageCount(), 2);
    EXPECT_EQ(Job.PageStart(2), (TSynEditPrint::TPageStart{60, 2}));

    Job.Wrap = false;
    Job.UpdatePages(Drawer);
    EXPECT_EQ(Job.PageCount(), 1);

    // A 10 MB line without breaks: 125,000 rows of 80 on 2,017 pages.
    Job.Wrap = true;
    SetText({std::string(10'000'000, 'q')});
    ASSERT_EQ(Job.PageCount(), 2017);
    EXPECT_EQ(Job.PageStart(2017), (TSynEditPrint::TPageStart{0, 2016 * RowsPerPage}));
}

TEST_F(PrintFixture, PageDrawsItsRowsCellByCellWithWrappedContinuations) {
    std::vector<std::string> lines = Numbered(60);
    lines.push_back(std::string(80, 'a') + std::string(80, 'b') + "cc");
    lines.push_back("after");
    SetText(lines);

    std::vector<TDrawCall> runs;
    DrawPage(1);
    runs = Drawer.Runs();
    ASSERT_EQ(runs.size(), 62u);
    EXPECT_EQ(runs[0].Text, "line 1");
    EXPECT_EQ(runs[0].X, Left);
    EXPECT_EQ(runs[0].Y, Top);
    EXPECT_EQ(runs[59].Y, Top + 59 * Row);
    EXPECT_EQ(runs[60].Text, std::string(80, 'a'));
    EXPECT_EQ(runs[61].Text, std::string(80, 'b'));
    EXPECT_EQ(runs[61].Y, Top + 61 * Row);
    EXPECT_EQ(runs[61].Fore, clBlack);

    DrawPage(2);
    runs = Drawer.Runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Text, "cc");
    EXPECT_EQ(runs[0].Y, Top);
    EXPECT_EQ(runs[1].Text, "after");

    // Out-of-range pages are clamped to the pages there are.
    DrawPage(99);
    EXPECT_EQ(Drawer.Runs().size(), 2u);
    DrawPage(-5);
    EXPECT_EQ(Drawer.Runs().size(), 62u);
}

TEST_F(PrintFixture, HighlightedPageUsesTheAttributesAndWrapsTokensAcrossRows) {
    TSynPasSyn pascal;
    pascal.KeyAttri->SetForeground(clNavy);
    pascal.CommentAttri->SetBackground(clYellow);
    Job.SetHighlighter(&pascal);
    Job.Colors = true;
    // The comment opened on line 1 colours line 2; the long comment wraps at a blank.
    SetText({"begin { open", "still comment } end;", "{" + std::string(70, 'c') + " " + std::string(20, 'd') + "}"});

    DrawPage(1);
    const std::vector<TDrawCall> runs = Drawer.Runs();
    ASSERT_GE(runs.size(), 6u);
    EXPECT_EQ(runs[0].Text, "begin");
    EXPECT_EQ(runs[0].Fore, clNavy);
    EXPECT_EQ(runs[0].Style, fsBold);
    EXPECT_EQ(runs[2].Text, "{ open");
    EXPECT_EQ(runs[2].X, Left + 6 * Cell);
    EXPECT_EQ(runs[2].Back, clYellow);
    EXPECT_EQ(runs[2].Options, TTextOutOptions(etoOpaque));
    EXPECT_EQ(runs[3].Text, "still comment }");
    EXPECT_EQ(runs[3].Y, Top + Row);
    EXPECT_EQ(runs[3].Back, clYellow);
    const TDrawCall& firstPart = runs[runs.size() - 2];
    const TDrawCall& secondPart = runs.back();
    EXPECT_EQ(firstPart.Text, "{" + std::string(70, 'c') + " ");
    EXPECT_EQ(firstPart.Y, Top + 2 * Row);
    EXPECT_EQ(secondPart.Text, std::string(20, 'd') + "}");
    EXPECT_EQ(secondPart.X, Left);
    EXPECT_EQ(secondPart.Y, Top + 3 * Row);

    // Without Colors only the styles come from the highlighter.
    Job.Colors = false;
    DrawPage(1);
    EXPECT_EQ(Drawer.Runs()[0].Fore, clBlack);
    EXPECT_EQ(Drawer.Runs()[0].Style, fsBold);
    Job.SetHighlighter(nullptr);
}

// A page in the middle of a long highlighted line starts its scan near its first byte; its
// colours are still those of a scan of the whole line, through comments, strings and
// assembler blocks that cross pages, whichever page is printed first.
TEST_F(PrintFixture, PagesOfALongLineAreColouredAsAScanOfTheWholeLine) {
    TSynPasSyn pascal;
    for (int i = 0; i < pascal.AttributeCount(); ++i)
        pascal.AttributeAt(i)->SetForeground(0x010203 * (i + 1));
    Job.SetHighlighter(&pascal);
    Job.Colors = true;
    std::string line;
    for (int n = 0; line.size() < 300'000; ++n) {
        line += "x" + std::to_string(n) + " := y + " + std::to_string(n) + "; ";
        if (n % 3000 == 1000) line += "{ a comment across rows and pages ";
        if (n % 3000 == 1900) line += "} 'a string' (* ";
        if (n % 3000 == 2500) line += "*) ";
        if (n % 3000 == 2600) line += "asm ";
        if (n % 3000 == 2990) line += "end; ";
    }
    SetText({line});

    std::vector<TColor> expected(line.size(), clNone);
    TSynPasSyn scanner;
    for (int i = 0; i < scanner.AttributeCount(); ++i)
        scanner.AttributeAt(i)->SetForeground(0x010203 * (i + 1));
    scanner.ClearRange();
    for (scanner.StartLine(line, 0); !scanner.AtLineEnd(); scanner.NextToken())
        for (size_t k = 0; k < scanner.TokenView().size(); ++k)
            expected[size_t(scanner.TokenStart()) + k] = scanner.TokenAttribute()->Foreground();

    ASSERT_GT(Job.PageCount(), 40);
    auto expectColoursOfPage = [&](int page) {
        std::string text;
        const std::vector<TDrawCall> runs = DrawPage(page);
        for (const TDrawCall& run : runs)
            text += run.Text;
        size_t at = line.find(text);
        ASSERT_NE(at, std::string::npos) << "page " << page;
        for (const TDrawCall& run : runs)
            for (size_t k = 0; k < run.Text.size(); ++k, ++at)
                ASSERT_EQ(run.Fore, expected[at]) << "page " << page << ", byte " << at;
    };
    expectColoursOfPage(Job.PageCount() / 2);
    for (int page = 1; page <= Job.PageCount() && !HasFatalFailure(); page += 1 + page % 3)
        expectColoursOfPage(page);

    // The selection alone, from deep in the line: its pages start there.
    Job.SelectedOnly = true;
    Job.SetSelection({100'001, 1}, {250'001, 1}, smNormal);
    Job.UpdatePages(Drawer);
    ASSERT_GT(Job.PageCount(), 20);
    for (int page = Job.PageCount(); page >= 1 && !HasFatalFailure(); page -= 1 + page % 4)
        expectColoursOfPage(page);
    Job.SetHighlighter(nullptr);
}

TEST_F(PrintFixture, LineNumbersEndAtTheTextAreaAndWidenTheMarginForTheLastNumber) {
    Job.LineNumbers = true;
    Job.LineOffset = 90;
    SetText(Numbered(10));
    // "100: " is the widest number: five cells.
    DrawPage(1);
    std::vector<TDrawCall> numbers;
    for (const TDrawCall& call : Drawer.Calls)
        if (call.What == TDrawCall::Simple) numbers.push_back(call);
    ASSERT_EQ(numbers.size(), 10u);
    EXPECT_EQ(numbers[0].Text, "91: ");
    EXPECT_EQ(numbers[0].X, Left + 5 * Cell - 4 * Cell);
    EXPECT_EQ(numbers[9].Text, "100: ");
    EXPECT_EQ(numbers[9].X, Left);
    EXPECT_EQ(Drawer.Runs()[0].X, Left + 5 * Cell);
}

TEST_F(PrintFixture, HeaderAndFooterExpandTheirMacrosInsideTheirFrames) {
    Job.Title = "plik.pas";
    Job.Header.Add("$TITLE$", hfaLeft, 1);
    Job.Header.Add("Strona $PAGENUM$ z $PAGECOUNT$", hfaRight, 1);
    Job.Footer.Add("$PAGENUM$", hfaCenter, 1);
    Job.Footer.RomanNumbers = true;
    SetText(Numbered(RowsPerPage * 3));
    ASSERT_EQ(Job.PageCount(), 3);

    DrawPage(2);
    std::vector<TDrawCall> texts, lines;
    for (const TDrawCall& call : Drawer.Calls) {
        if (call.What == TDrawCall::Simple) texts.push_back(call);
        if (call.What == TDrawCall::Line) lines.push_back(call);
    }
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].Text, "plik.pas");
    EXPECT_EQ(texts[1].Text, "Strona 2 z 3");
    EXPECT_EQ(texts[2].Text, "II");
    // Right-aligned text ends at the right indent; the footer is centred in the text area.
    EXPECT_EQ(texts[1].X + 12 * Cell, 2239 - 24);
    EXPECT_EQ(texts[2].X, (Left + 2239 - 2 * Cell) / 2);
    // One frame line under the header and one over the footer.
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].Y, Job.Header.Height() + 127);
    EXPECT_EQ(lines[1].Y, 3407 - 127 - Job.Footer.Height());

    // Without items nothing is drawn, not even the frame line.
    Job.Header.Clear();
    Job.Footer.Clear();
    Job.UpdatePages(Drawer);
    DrawPage(1);
    for (const TDrawCall& call : Drawer.Calls) EXPECT_NE(call.What, TDrawCall::Line);
}

TEST_F(PrintFixture, SelectedOnlyLaysOutTheSelectionAlone) {
    Job.SelectedOnly = true;
    Job.SetSelection({3, 2}, {4, 4}, smColumn);
    SetText({"0123456", "abcdefg", "hijklmn", "opqrstu", "vwxyz"});
    DrawPage(1);
    std::vector<std::string> texts;
    for (const TDrawCall& run : Drawer.Runs()) texts.push_back(run.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"c", "j", "q"}));

    Job.SetSelection({3, 2}, {4, 4}, smNormal);
    Job.UpdatePages(Drawer);
    DrawPage(1);
    texts.clear();
    for (const TDrawCall& run : Drawer.Runs()) texts.push_back(run.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"cdefg", "hijklmn", "opq"}));
}

TEST(PrintJob, CopiesRepeatTheRangeAndAnAbortStopsBeforeTheNextPage) {
    TRecordingPrinter printer;
    TSynEditPrint job(&printer);
    job.Title = "a.txt";
    job.Copies = 3;
    std::vector<std::string> lines(200, "x");
    job.SetLinesAsTheyAre(lines);
    std::vector<int> pages;
    bool ended = false;
    job.OnPrintStatus = [&](TSynPrintStatus status, int page, bool&) {
        if (status == psNewPage) pages.push_back(page);
        if (status == psEnd) ended = true;
    };
    std::string error;
    ASSERT_TRUE(job.PrintRange(1, 2, error));
    EXPECT_EQ(pages, (std::vector<int>{1, 2, 1, 2, 1, 2}));
    EXPECT_TRUE(ended);
    EXPECT_EQ(std::count(printer.Events.begin(), printer.Events.end(), "new page"), 5);
    EXPECT_EQ(printer.Events.front(), "begin a.txt");
    EXPECT_EQ(printer.Events.back(), "end");

    pages.clear();
    ended = false;
    printer.Events.clear();
    job.Copies = 1;
    job.OnPrintStatus = [&](TSynPrintStatus status, int page, bool& abort) {
        if (status == psNewPage) pages.push_back(page);
        if (status == psEnd) ended = true;
        abort = status == psNewPage && page == 2;
    };
    ASSERT_TRUE(job.Print(error));
    EXPECT_EQ(pages, (std::vector<int>{1, 2}));
    EXPECT_FALSE(ended);
    EXPECT_EQ(printer.Events.back(), "abort");

    printer.Refuses = true;
    EXPECT_FALSE(job.Print(error));
    EXPECT_EQ(error, "Drukarka jest niedostępna.");
}

TEST(PrintJob, SetLinesExpandsTabsToTheJobsTabWidth) {
    TSynEditPrint job;
    job.TabWidth = 4;
    job.SetLines({"\tx", "ab\tc", "plain"});
    EXPECT_EQ(job.Lines(), (std::vector<std::string>{"    x", "ab  c", "plain"}));
}

} // namespace
} // namespace tavlo
