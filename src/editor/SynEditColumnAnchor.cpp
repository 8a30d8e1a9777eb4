#include "editor/SynEditColumnAnchor.h"

namespace tavlo {

TColumnPoint TSynEditColumnAnchor::PointBefore(int32_t index, std::string_view text, size_t at, int tabWidth) {
    if (text.size() < LongLine) return {};
    TColumnPoint point = holds(index, tabWidth) && m_point.Byte <= at ? m_point : TColumnPoint{};
    if (at - point.Byte > Trail) {
        const size_t byte = at - Trail;
        point = {byte, ColumnAfter(point.Column, text.substr(point.Byte, byte - point.Byte), tabWidth)};
        m_index = index;
        m_tabWidth = tabWidth;
        m_point = point;
    }
    return point;
}

TColumnPoint TSynEditColumnAnchor::PointBeforeColumn(int32_t index, std::string_view text, int64_t column,
                                                     int tabWidth) const {
    if (text.size() < LongLine || !holds(index, tabWidth) || m_point.Column > column) return {};
    return m_point;
}

void TSynEditColumnAnchor::LineEdited(int32_t index, size_t from) {
    if (index == m_index && from < m_point.Byte) Forget();
}

void TSynEditColumnAnchor::LinesMoved(int32_t index) {
    if (index <= m_index) Forget();
}

} // namespace tavlo
