#include "editor/SynEditMiscClasses.h"

namespace tavlo {

namespace {

int decimalDigits(int64_t value) {
    int digits = 1;
    for (; value >= 10; value /= 10)
        ++digits;
    return digits;
}

} // namespace

TSynGutter::TSynGutter() {
    m_font.Name = "Terminal";
    m_font.SetSize(8);
}

void TSynGutter::Assign(const TSynGutter& source) {
    if (this == &source) return;
    m_font = source.m_font;
    m_useFontStyle = source.m_useFontStyle;
    m_color = source.m_color;
    m_visible = source.m_visible;
    m_width = source.m_width;
    m_showLineNumbers = source.m_showLineNumbers;
    m_leadingZeros = source.m_leadingZeros;
    m_zeroStart = source.m_zeroStart;
    m_leftOffset = source.m_leftOffset;
    m_digitCount = source.m_digitCount;
    m_rightOffset = source.m_rightOffset;
    m_autoSize = source.m_autoSize;
    m_autoSizeDigitCount = source.m_autoSizeDigitCount;
    changed();
}

void TSynGutter::SetDigitCount(int value) {
    value = clampInt(value, MinDigitCount, MaxDigitCount);
    if (value == m_digitCount) return;
    m_digitCount = value;
    m_autoSizeDigitCount = value;
    changed();
}

void TSynGutter::FitDigitCount(int32_t lineCount) {
    if (!(m_visible && m_autoSize && m_showLineNumbers)) {
        m_autoSizeDigitCount = m_digitCount;
        return;
    }
    int64_t highest = m_zeroStart ? int64_t(lineCount) - 1 : lineCount;
    change(m_autoSizeDigitCount, std::max(decimalDigits(highest), m_digitCount));
}

int32_t TSynGutter::GutterPixelWidth(int32_t charWidth) const {
    if (!m_visible) return 0;
    if (m_showLineNumbers)
        return m_leftOffset + m_rightOffset + charWidth * m_autoSizeDigitCount + 2;
    return m_width;
}

std::string TSynGutter::LineNumberText(int32_t line) const {
    std::string number = std::to_string(m_zeroStart ? int64_t(line) - 1 : int64_t(line));
    size_t field = size_t(m_autoSizeDigitCount);
    if (number.size() >= field) return number;
    char pad = m_leadingZeros ? '0' : ' ';
    return std::string(field - number.size(), pad) + number;
}

void TSynSelectedColor::Assign(const TSynSelectedColor& source) {
    m_background = source.m_background;
    m_foreground = source.m_foreground;
    changed();
}

} // namespace tavlo
