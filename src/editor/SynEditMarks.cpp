#include "editor/SynEditMarks.h"

#include <algorithm>

namespace tavlo {

void TSynEditMark::repaintRow(int32_t line) const {
    if (m_list && m_list->OnInvalidateLine) m_list->OnInvalidateLine(line);
}

void TSynEditMark::SetLine(int32_t value) {
    int32_t old = m_line;
    m_line = value;
    if (!m_visible) return;
    if (old > 0) repaintRow(old);
    repaintRow(value);
}

void TSynEditMark::SetImageIndex(int32_t value) {
    m_imageIndex = value;
    if (m_visible) repaintRow(m_line);
}

void TSynEditMark::SetVisible(bool value) {
    if (m_visible == value) return;
    m_visible = value;
    repaintRow(m_line);
}

void TSynEditMark::SetUsesBuiltinGlyph(bool value) {
    m_usesBuiltinGlyph = value;
    if (m_visible) repaintRow(m_line);
}

TSynEditMarkList::~TSynEditMarkList() {
    for (auto& mark : m_marks)
        mark->m_list = nullptr;
}

int TSynEditMarkList::IndexOf(const TSynEditMark* mark) const {
    auto it = std::find_if(m_marks.begin(), m_marks.end(),
                           [&](const auto& owned) { return owned.get() == mark; });
    return it == m_marks.end() ? -1 : int(it - m_marks.begin());
}

TSynEditMark& TSynEditMarkList::Add(std::unique_ptr<TSynEditMark> mark) {
    mark->m_list = this;
    m_marks.push_back(std::move(mark));
    changed();
    return *m_marks.back();
}

std::unique_ptr<TSynEditMark> TSynEditMarkList::Remove(const TSynEditMark* mark) {
    int index = IndexOf(mark);
    if (index < 0) return nullptr;
    std::unique_ptr<TSynEditMark> removed = std::move(m_marks[size_t(index)]);
    m_marks.erase(m_marks.begin() + index);
    removed->m_list = nullptr;
    changed();
    return removed;
}

void TSynEditMarkList::Clear() {
    if (m_marks.empty()) return;
    for (auto& mark : m_marks)
        mark->m_list = nullptr;
    m_marks.clear();
    changed();
}

std::vector<TSynEditMark*> TSynEditMarkList::MarksOfLine(int32_t line) const {
    std::vector<TSynEditMark*> result;
    for (const auto& mark : m_marks) {
        if (mark->Line() != line) continue;
        result.push_back(mark.get());
        if (result.size() == MaxMarksPerLine) break;
    }
    return result;
}

TSynEditMark* TSynEditMarkList::MarkAtGutterX(int32_t line, int32_t x, int32_t xOffset) const {
    int32_t offset = 0;
    for (TSynEditMark* mark : MarksOfLine(line)) {
        offset += xOffset;
        if (offset > x) return mark;
    }
    return nullptr;
}

void TSynEditMarkList::LinesInserted(int32_t firstLine, int32_t count) {
    if (count <= 0) return;
    for (auto& mark : m_marks)
        if (mark->Line() >= firstLine) mark->SetLine(mark->Line() + count);
}

void TSynEditMarkList::LinesDeleted(int32_t afterLine, int32_t count) {
    if (count <= 0) return;
    int32_t landing = std::max(afterLine, 1);
    for (auto& mark : m_marks) {
        int32_t line = mark->Line();
        if (line > afterLine + count)
            mark->SetLine(line - count);
        else if (line > afterLine)
            mark->SetLine(landing);
    }
}

} // namespace tavlo
