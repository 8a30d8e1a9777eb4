// Painting of one text row: tokens of equal appearance are gathered into runs, and each run
// is split where the selection begins and ends, so a row costs few output calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "editor/SynEditTypes.h"
#include "platform/TextDrawer.h"

namespace tavlo {

// Middle dot, right-pointing double angle quotation mark and pilcrow in the 8-bit code page.
inline constexpr char SpaceMark = char(0xB7);
inline constexpr char TabMark = char(0xBB);
inline constexpr char LineEndMark = char(0xB6);

// What a row paint needs to know of the editor; fixed for one paint.
struct TSynRowGeometry {
    int32_t CellWidth = 1;
    int32_t TextLeft = 0;   // x of column 1
    int32_t FirstColumn = 1; // painted display columns: FirstColumn .. LastColumn - 1
    int32_t LastColumn = 1;
    int TabWidth = 8;
    bool ShowSpecialChars = false;
    bool SpecialLineDefaultFg = false;
    TColor FontColor = clWindowText;

    int32_t ColumnX(int32_t column) const { return (column - 1) * CellWidth + TextLeft; }
};

// The selected display columns of one row, [Start, End).
struct TSynRowSelection {
    int32_t Start = 0;
    int32_t End = 0;
    bool Partly = false; // only part of the row is selected
    bool Wholly = false; // the row is selected from edge to edge
};

// The colours of one row before tokens bring their own.
struct TSynRowColors {
    TColor Fore = clWindowText;
    TColor Back = clWindow;
    TColor SelectedFore = clHighlightText;
    TColor SelectedBack = clHighlight;
    bool Special = false; // OnSpecialLineColors claimed the row
};

class TSynRowPainter {
public:
    TSynRowPainter(TTextDrawer& drawer, const TSynRowGeometry& geometry);

    // Starts a row; rect spans the painted part of the row.
    void BeginRow(const TRect& rect, const TSynRowSelection& selection, const TSynRowColors& colors);
    // A token of the tab-expanded line starting at 0-based column `start`. clNone colours are
    // the row's background and the font's colour.
    void AddToken(std::string_view text, int32_t start, TColor fore, TColor back, TFontStyles style);
    // Draws what is left and fills the row to its right end.
    void EndRow();

private:
    void flush(bool fillToEnd);
    // Draws columns from..to-1 of the run (from < to) in the normal or the selected colours.
    void drawPiece(int32_t from, int32_t to, bool selected);
    void fillRest();
    void fillPiece(int32_t right, bool selected);
    // Sets the drawer's colours for normal or selected text; answers the background.
    TColor useColors(bool selected);

    TTextDrawer& m_drawer;
    const TSynRowGeometry& m_geometry;
    TRect m_row;
    int32_t m_left = 0; // the row is painted from its left up to here
    TSynRowSelection m_selection;
    TSynRowColors m_colors;
    TColor m_base = clNone; // the background the row was filled with first

    // The run being gathered.
    std::string m_run;
    std::string m_piece;
    int32_t m_runStart = 0; // 0-based column of its first character
    TColor m_runFore = clNone;
    TColor m_runBack = clNone;
    TFontStyles m_runStyle = 0;
};

} // namespace tavlo
