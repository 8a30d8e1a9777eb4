// The header and footer of printed pages: text items on numbered lines, each with its font
// and alignment, inside an optional frame. Items may hold macros: $PAGENUM$, $PAGECOUNT$,
// $TITLE$, $DATE$, $TIME$ and $DATETIME$.
#pragma once

#include "print/SynEditPrintMargins.h"
#include "print/SynEditPrintTypes.h"

#include <string>
#include <vector>

namespace tavlo {

struct THeaderFooterItem {
    std::string Text;
    TFontDesc Font;
    THeaderFooterAlign Alignment = hfaLeft;
    // 1-based line of the header or footer the item stands on.
    int LineNumber = 1;
};

class THeaderFooter {
public:
    enum TPosition { Top, Bottom };

    explicit THeaderFooter(TPosition position);

    // Adds an item in the default font; a line number below 1 is taken as 1.
    void Add(std::string text, THeaderFooterAlign alignment, int lineNumber);
    void Add(THeaderFooterItem item);
    void Clear() { m_items.clear(); }
    int Count() const { return static_cast<int>(m_items.size()); }
    const THeaderFooterItem& Item(int index) const { return m_items.at(static_cast<size_t>(index)); }

    TFontDesc DefaultFont{"Arial", -13, 0, clBlack};
    TFrameTypes FrameTypes = ftLine;
    TColor ShadedColor = clSilver;
    TColor LineColor = clBlack;
    bool RomanNumbers = false;
    // Swaps left and right alignment on even pages.
    bool MirrorPosition = false;
    // What $DATE$ and $TIME$ stand for; the caller formats them for the user's locale.
    std::string DateText;
    std::string TimeText;

    // Measures the lines in the fonts scaled to `dpi` (the printer's); with no items the
    // height is -1 and nothing is printed.
    void Prepare(TTextDrawer& drawer, int32_t dpi, int pageCount, const TSynEditPrintMargins& margins,
                 const std::string& title);
    int32_t Height() const { return m_height; }
    // Draws on the bound drawer, within the margins computed for this page; leaves the drawer
    // in an item's font.
    void Print(TTextDrawer& drawer, int pageNumber);

    std::string ExpandMacros(const std::string& text, int pageNumber) const;

private:
    TPosition m_position;
    std::vector<THeaderFooterItem> m_items;
    // Set by Prepare.
    int32_t m_height = -1;
    std::vector<int32_t> m_lineHeights;
    int32_t m_dpi = TFontDesc::PixelsPerInch;
    int m_pageCount = 0;
    std::string m_title;
    const TSynEditPrintMargins* m_margins = nullptr;
};

// A page number in Roman numerals (upper case); 0 and below in decimal.
std::string RomanNumber(int number);

} // namespace tavlo
