// A print job measured by the recording drawer with the cell of a 10-point font at 300 dpi
// (25 x 47 printer pixels), and a printer device that records the spooled pages.
#pragma once

#include "../editor/RecordingDrawer.h"
#include "print/SynEditPrint.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavlo {

class TRecordingPrinter : public TPrinterDevice {
public:
    std::optional<TPrinterGeometry> Geometry = TSynEditPrinterInfo::A4At300Dpi();
    bool Refuses = false;
    std::vector<std::string> Events;
    TRecordingDrawer PageDrawer{0};
    TDrawSurface PageSurface;

    TRecordingPrinter() {
        PageDrawer.NormalWidth = 25;
        PageDrawer.NormalHeight = 47;
    }

    std::optional<TPrinterGeometry> CurrentGeometry() override { return Geometry; }
    bool BeginDocument(const std::string& name, std::string& error) override {
        if (Refuses) {
            error = "Drukarka jest niedostępna.";
            return false;
        }
        Events.push_back("begin " + name);
        return true;
    }
    void NewPage() override { Events.push_back("new page"); }
    void EndDocument() override { Events.push_back("end"); }
    void AbortDocument() override { Events.push_back("abort"); }
    TTextDrawer& Drawer() override { return PageDrawer; }
    TDrawSurface& Surface() override { return PageSurface; }
};

class PrintFixture : public ::testing::Test {
protected:
    // A4 at 300 dpi with the default margins: text area x 230..2239 (80 columns of 25),
    // y 245..3162 (62 rows of 47).
    static constexpr int32_t Left = 230;
    static constexpr int32_t Top = 245;
    static constexpr int32_t Cell = 25;
    static constexpr int32_t Row = 47;
    static constexpr int RowsPerPage = 62;

    TRecordingDrawer Drawer{0};
    TDrawSurface Surface;
    TSynEditPrint Job;

    PrintFixture() {
        Drawer.NormalWidth = Cell;
        Drawer.NormalHeight = Row;
        Drawer.BoldWidth = Cell;
    }

    void SetText(std::vector<std::string> lines) {
        Job.SetLinesAsTheyAre(std::move(lines));
        Job.UpdatePages(Drawer);
    }

    static std::vector<std::string> Numbered(int count) {
        std::vector<std::string> lines;
        for (int i = 1; i <= count; ++i) lines.push_back("line " + std::to_string(i));
        return lines;
    }

    // The page as the job draws it.
    std::vector<TDrawCall> DrawPage(int page) {
        Drawer.Calls.clear();
        Job.PrintToCanvas(Drawer, Surface, page);
        return Drawer.Calls;
    }
};

} // namespace tavlo
