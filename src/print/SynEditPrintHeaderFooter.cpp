#include "print/SynEditPrintHeaderFooter.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tavlo {

THeaderFooter::THeaderFooter(TPosition position) : m_position(position) {}

void THeaderFooter::Add(std::string text, THeaderFooterAlign alignment, int lineNumber) {
    Add({std::move(text), DefaultFont, alignment, lineNumber});
}

void THeaderFooter::Add(THeaderFooterItem item) {
    item.LineNumber = std::max(1, item.LineNumber);
    m_items.push_back(std::move(item));
}

std::string RomanNumber(int number) {
    if (number <= 0) return std::to_string(number);
    static constexpr std::array<std::pair<int, const char*>, 13> numerals{{{1000, "M"},
                                                                            {900, "CM"},
                                                                            {500, "D"},
                                                                            {400, "CD"},
                                                                            {100, "C"},
                                                                            {90, "XC"},
                                                                            {50, "L"},
                                                                            {40, "XL"},
                                                                            {10, "X"},
                                                                            {9, "IX"},
                                                                            {5, "V"},
                                                                            {4, "IV"},
                                                                            {1, "I"}}};
    std::string text;
    for (const auto& [value, letters] : numerals)
        for (; number >= value; number -= value) text += letters;
    return text;
}

std::string THeaderFooter::ExpandMacros(const std::string& text, int pageNumber) const {
    auto numberText = [this](int n) { return RomanNumbers ? RomanNumber(n) : std::to_string(n); };
    const std::pair<std::string_view, std::string> macros[] = {
        {"$PAGENUM$", numberText(pageNumber)},
        {"$PAGECOUNT$", numberText(m_pageCount)},
        {"$TITLE$", m_title},
        {"$DATETIME$", DateText + " " + TimeText},
        {"$DATE$", DateText},
        {"$TIME$", TimeText},
    };
    std::string result;
    size_t at = 0;
    while (at < text.size()) {
        bool replaced = false;
        if (text[at] == '$')
            for (const auto& [name, value] : macros)
                if (std::string_view(text).substr(at, name.size()) == name) {
                    result += value;
                    at += name.size();
                    replaced = true;
                    break;
                }
        if (!replaced) result += text[at++];
    }
    return result;
}

void THeaderFooter::Prepare(TTextDrawer& drawer, int32_t dpi, int pageCount, const TSynEditPrintMargins& margins,
                            const std::string& title) {
    m_dpi = dpi;
    m_pageCount = pageCount;
    m_title = title;
    m_margins = &margins;
    m_lineHeights.clear();
    if (m_items.empty()) {
        m_height = -1;
        return;
    }
    for (const THeaderFooterItem& item : m_items) {
        if (static_cast<size_t>(item.LineNumber) > m_lineHeights.size())
            m_lineHeights.resize(static_cast<size_t>(item.LineNumber), 0);
        drawer.SetBaseFont(FontAtDpi(item.Font, dpi));
        int32_t& lineHeight = m_lineHeights[static_cast<size_t>(item.LineNumber - 1)];
        lineHeight = std::max(lineHeight, drawer.CharHeight());
    }
    m_height = 2 * margins.PHFInternalMargin;
    for (int32_t lineHeight : m_lineHeights) m_height += lineHeight;
}

void THeaderFooter::Print(TTextDrawer& drawer, int pageNumber) {
    if (m_height <= 0 || !m_margins) return;
    const TSynEditPrintMargins& margins = *m_margins;
    const int32_t frameTop = m_position == Top ? margins.PHeader : margins.PFooter - m_height;
    const TRect frame{margins.PLeft, frameTop, margins.PRight, frameTop + m_height};

    if (FrameTypes & ftShaded) {
        drawer.SetBackColor(ShadedColor);
        drawer.FillBackground(frame);
    }
    if (FrameTypes & ftBox) {
        drawer.DrawLine({frame.Left, frame.Top}, {frame.Right, frame.Top}, LineColor);
        drawer.DrawLine({frame.Right, frame.Top}, {frame.Right, frame.Bottom}, LineColor);
        drawer.DrawLine({frame.Right, frame.Bottom}, {frame.Left, frame.Bottom}, LineColor);
        drawer.DrawLine({frame.Left, frame.Bottom}, {frame.Left, frame.Top}, LineColor);
    } else if (FrameTypes & ftLine) {
        // The line stands between the header or footer and the text.
        const int32_t y = m_position == Top ? frame.Bottom : frame.Top;
        drawer.DrawLine({frame.Left, y}, {frame.Right, y}, LineColor);
    }

    const bool mirrored = MirrorPosition && pageNumber % 2 == 0;
    for (const THeaderFooterItem& item : m_items) {
        int32_t y = frameTop + margins.PHFInternalMargin;
        for (int line = 1; line < item.LineNumber; ++line) y += m_lineHeights[static_cast<size_t>(line - 1)];
        drawer.SetBaseFont(FontAtDpi(item.Font, m_dpi));
        drawer.SetForeColor(item.Font.Color);
        const std::string text = ExpandMacros(item.Text, pageNumber);
        const int32_t width = drawer.TextWidth(text);
        THeaderFooterAlign alignment = item.Alignment;
        if (mirrored && alignment != hfaCenter) alignment = alignment == hfaLeft ? hfaRight : hfaLeft;
        int32_t x = margins.PLeftHFTextIndent;
        if (alignment == hfaRight) x = margins.PRightHFTextIndent - width;
        if (alignment == hfaCenter) x = (margins.PLeft + margins.PRight - width) / 2;
        drawer.WriteSimple(x, y, text);
    }
}

} // namespace tavlo
