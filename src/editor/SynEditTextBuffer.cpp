#include "editor/SynEditTextBuffer.h"

#include "editor/FileCalls.h"
#include "editor/SafeFileWrite.h"
#include "editor/SynEditMiscProcs.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <istream>
#include <limits>
#include <new>
#include <ostream>

#include <fcntl.h>
#include <malloc.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tavlo {

ESynEditStringList::ESynEditStringList(int64_t index)
    : std::out_of_range("Invalid stringlist index " + std::to_string(index)) {}

// ---------------------------------------------------------------------------------------
// Tab expansion

namespace {

// Index of the first tab, or npos.
size_t firstTab(std::string_view text) { return text.find('\t'); }

template <typename StopWidth>
std::string expandWithStops(std::string_view text, size_t tab, StopWidth stopWidth) {
    // First pass: the length; second pass: the text.
    size_t length = tab;
    for (size_t i = tab; i < text.size(); ++i)
        length += text[i] == '\t' ? stopWidth(length) : 1;
    std::string result(length, '\t');
    std::memcpy(result.data(), text.data(), tab);
    size_t column = tab;
    for (size_t i = tab; i < text.size(); ++i) {
        if (text[i] == '\t')
            column += stopWidth(column); // already filled with tab characters
        else
            result[column++] = text[i];
    }
    return result;
}

} // namespace

std::string ExpandTabsToSpaces(std::string_view text, int /*tabWidth*/, bool& hasTabs) {
    size_t tab = firstTab(text);
    hasTabs = tab != std::string_view::npos;
    std::string result(text);
    if (hasTabs)
        for (size_t i = tab; i < result.size(); ++i)
            if (result[i] == '\t') result[i] = ' ';
    return result;
}

std::string ExpandTabsPow2(std::string_view text, int tabWidth, bool& hasTabs) {
    size_t tab = firstTab(text);
    hasTabs = tab != std::string_view::npos;
    if (!hasTabs) return std::string(text);
    const size_t mask = static_cast<size_t>(tabWidth) - 1;
    return expandWithStops(text, tab, [=](size_t c) { return tabWidth - (c & mask); });
}

std::string ExpandTabsAny(std::string_view text, int tabWidth, bool& hasTabs) {
    size_t tab = firstTab(text);
    hasTabs = tab != std::string_view::npos;
    if (!hasTabs) return std::string(text);
    const size_t width = static_cast<size_t>(tabWidth);
    return expandWithStops(text, tab, [=](size_t c) { return width - c % width; });
}

static bool isPowerOfTwo(int w) { return w > 0 && (w & (w - 1)) == 0; }

TExpandTabsFunc ExpanderFor(int tabWidth) {
    if (tabWidth <= 1) return ExpandTabsToSpaces;
    if (isPowerOfTwo(tabWidth) && tabWidth <= 65536) return ExpandTabsPow2;
    return ExpandTabsAny;
}

TExpandTabsTextFunc TextExpanderFor(int /*tabWidth*/) {
    return [](std::string_view text, int width) {
        bool hasTabs;
        return ExpanderFor(width)(text, width, hasTabs);
    };
}

namespace {

// How much a line's display length changes when `removed` bytes at `at` give way to text.
// Behind a tab the column is a multiple of the tab width, so counting from the tab before
// the edit to the first tab behind it keeps every stop, and the rest of the line moves whole.
int64_t splicedWidthChange(std::string_view line, size_t at, size_t removed, std::string_view text, int tabWidth) {
    const size_t tabBefore = at == 0 ? std::string_view::npos : line.rfind('\t', at - 1);
    const int64_t start = int64_t(tabBefore == std::string_view::npos ? at : at - tabBefore - 1);
    const size_t tailStart = at + removed;
    const size_t tabAfter = line.find('\t', tailStart);
    const std::string_view tailHead =
        line.substr(tailStart, tabAfter == std::string_view::npos ? std::string_view::npos : tabAfter + 1 - tailStart);
    const int64_t before = ColumnAfter(ColumnAfter(start, line.substr(at, removed), tabWidth), tailHead, tabWidth);
    const int64_t after = ColumnAfter(ColumnAfter(start, text, tabWidth), tailHead, tabWidth);
    return after - before;
}

} // namespace

int64_t ExpandedLength(std::string_view text, int tabWidth, bool& hasTabs) {
    size_t tab = firstTab(text);
    hasTabs = tab != std::string_view::npos;
    if (!hasTabs || tabWidth <= 1) return static_cast<int64_t>(text.size());
    const int64_t width = tabWidth;
    int64_t length = static_cast<int64_t>(tab);
    for (size_t i = tab; i < text.size(); ++i)
        length += text[i] == '\t' ? width - length % width : 1;
    return length;
}

// ---------------------------------------------------------------------------------------
// The list

class TSynEditStringList::UpdateBracket {
public:
    explicit UpdateBracket(TSynEditStringList& list) : m_list(list) { m_list.LockUpdates(); }
    ~UpdateBracket() { m_list.UnlockUpdates(); }

private:
    TSynEditStringList& m_list;
};

TSynEditStringList::TSynEditStringList() : m_expander(ExpanderFor(8)) {}

TSynEditStringList::~TSynEditStringList() {
    OnLinesChanging = nullptr;
    OnLinesChanged = nullptr;
    releaseAllTexts();
}

void TSynEditStringList::LockUpdates() {
    if (m_updateCount++ == 0 && OnLinesChanging) OnLinesChanging();
}

void TSynEditStringList::UnlockUpdates() {
    if (--m_updateCount == 0 && OnLinesChanged) OnLinesChanged();
}

void TSynEditStringList::checkIndex(int64_t index, int64_t last) const {
    if (index < 0 || index > last) throw ESynEditStringList(index);
}

void TSynEditStringList::SetCapacity(int32_t capacity) {
    if (capacity < Count()) capacity = Count();
    if (capacity == m_capacity) return;
    m_records.reserve(size_t(capacity));
    m_capacity = capacity;
}

// The growth steps are counted, but the records' blocks are allocated one at a time as
// they fill: allocating a quarter more ahead would cost the first insert after a load dozens
// of block allocations, and growing never copies records anyway.
void TSynEditStringList::grow() {
    int64_t next = m_capacity <= 64 ? int64_t(m_capacity) + 16 : m_capacity + m_capacity / 4;
    if (next > std::numeric_limits<int32_t>::max()) {
        if (m_capacity == std::numeric_limits<int32_t>::max()) throw std::bad_alloc();
        next = std::numeric_limits<int32_t>::max();
    }
    m_capacity = int32_t(next);
}

void TSynEditStringList::releaseText(TSynEditStringRec& rec) {
    if (rec.Flags & TSynEditStringRec::OwnsText) {
        std::free(const_cast<char*>(rec.Text));
        --m_ownedTexts;
    }
    rec.Text = nullptr;
    rec.Length = 0;
    rec.Flags &= ~TSynEditStringRec::OwnsText;
}

void TSynEditStringList::assignText(TSynEditStringRec& rec, std::string_view text) {
    if (text.size() > std::numeric_limits<uint32_t>::max()) throw std::bad_alloc();
    char* bytes = nullptr;
    if (!text.empty()) {
        bytes = static_cast<char*>(std::malloc(text.size()));
        if (!bytes) throw std::bad_alloc();
        std::memcpy(bytes, text.data(), text.size());
    }
    releaseText(rec);
    rec.Text = bytes;
    rec.Length = uint32_t(text.size());
    if (bytes) {
        rec.Flags |= TSynEditStringRec::OwnsText;
        ++m_ownedTexts;
    }
}

char* TSynEditStringList::growText(TSynEditStringRec& rec, size_t length) {
    char* bytes = const_cast<char*>(rec.Text);
    if (rec.Flags & TSynEditStringRec::OwnsText) {
        if (malloc_usable_size(bytes) >= length) return bytes;
        // Half as much again, so that typing on grows the line in few steps.
        const size_t capacity = std::max(length, size_t(rec.Length) + rec.Length / 2);
        char* grown = static_cast<char*>(std::realloc(bytes, capacity));
        if (!grown) throw std::bad_alloc();
        rec.Text = grown;
        return grown;
    }
    char* owned = static_cast<char*>(std::malloc(std::max<size_t>(length, 1)));
    if (!owned) throw std::bad_alloc();
    if (rec.Length > 0) std::memcpy(owned, rec.Text, rec.Length);
    rec.Text = owned;
    rec.Flags |= TSynEditStringRec::OwnsText;
    ++m_ownedTexts;
    return owned;
}

// A line that lost most of its bytes gives them back, so that deleting the bulk of a long
// line frees its memory; small lines keep their room to grow.
void TSynEditStringList::shrinkText(TSynEditStringRec& rec) {
    if (!(rec.Flags & TSynEditStringRec::OwnsText)) return;
    char* bytes = const_cast<char*>(rec.Text);
    const size_t capacity = malloc_usable_size(bytes);
    if (capacity <= 65536 || rec.Length >= capacity / 4) return;
    if (char* shrunk = static_cast<char*>(std::realloc(bytes, std::max<size_t>(rec.Length, 1)))) rec.Text = shrunk;
}

// A freshly loaded document owns no line of its own: nothing to walk.
void TSynEditStringList::releaseAllTexts() {
    for (int32_t i = 0; i < Count() && m_ownedTexts > 0; ++i) releaseText(m_records[i]);
}

std::string_view TSynEditStringList::LineAt(int32_t index) const {
    if (index < 0 || index >= Count()) return {};
    return m_records[index].text();
}

int32_t TSynEditStringList::refreshLength(TSynEditStringRec& rec) {
    if (rec.Flags & TSynEditStringRec::LengthStale) {
        bool hasTabs = false;
        int64_t length = ExpandedLength(rec.text(), m_tabWidth, hasTabs);
        rec.DisplayLength = int32_t(std::min<int64_t>(length, std::numeric_limits<int32_t>::max()));
        uint8_t owns = rec.Flags & TSynEditStringRec::OwnsText;
        rec.Flags = owns | (hasTabs ? TSynEditStringRec::TabsPresent : TSynEditStringRec::TabsAbsent);
    }
    return rec.DisplayLength;
}

// Keeps the longest-line cache valid across a change to one line where that is cheap, so
// that typing in a long document never rescans every line. The answer is the one a full
// rescan would give: the first of the longest lines.
void TSynEditStringList::noteNewLength(int32_t index) {
    if (m_longestLineIndex < 0) return;
    int32_t best = m_records[m_longestLineIndex].DisplayLength;
    int32_t length = refreshLength(m_records[index]);
    if (index == m_longestLineIndex) {
        if (length < best) m_longestLineIndex = -1;
    } else if (length > best || (length == best && index < m_longestLineIndex)) {
        m_longestLineIndex = length > 0 ? index : -1;
    }
}

void TSynEditStringList::insertRecord(int32_t index, std::string_view text) {
    UpdateBracket bracket(*this);
    if (Count() == m_capacity) grow();
    TSynEditStringRec rec;
    assignText(rec, text);
    m_records.insert(size_t(index), rec);
    m_columnAnchor.LinesMoved(index);
    if (!m_data.empty()) m_data.insert(m_data.begin() + index, 0);
    if (m_longestLineIndex >= index) ++m_longestLineIndex;
    noteNewLength(index);
}

void TSynEditStringList::ReplaceLine(int32_t index, std::string_view text) {
    if ((Count() == 0 && index == 0) || index == Count()) {
        AddLine(text);
        return;
    }
    checkIndex(index, int64_t(Count()) - 1);
    UpdateBracket bracket(*this);
    TSynEditStringRec& rec = m_records[index];
    assignText(rec, text);
    m_columnAnchor.LineEdited(index, 0);
    rec.Flags = (rec.Flags & TSynEditStringRec::OwnsText) | TSynEditStringRec::LengthStale;
    noteNewLength(index);
    if (OnLineReplaced) OnLineReplaced(index, m_records[index].text());
}

void TSynEditStringList::ReplaceInLine(int32_t index, size_t at, size_t removed, std::string_view text) {
    checkIndex(index, int64_t(Count()) - 1);
    TSynEditStringRec& rec = m_records[size_t(index)];
    // Text taken from this very line would move under our feet.
    if (!text.empty() && text.data() >= rec.Text && text.data() < rec.Text + rec.Length) {
        const std::string copy(text);
        ReplaceInLine(index, at, removed, copy);
        return;
    }
    at = std::min(at, size_t(rec.Length));
    removed = std::min(removed, rec.Length - at);
    const size_t tail = rec.Length - at - removed;
    const size_t length = rec.Length - removed + text.size();
    if (length > std::numeric_limits<uint32_t>::max()) throw std::bad_alloc();
    UpdateBracket bracket(*this);
    m_columnAnchor.LineEdited(index, at);
    // A line known to be free of tabs stays so without reading it again: removing bytes
    // never adds one. A line whose display length is known learns the new one from the
    // columns around the edit, however long it is.
    const bool stillWithoutTabs = (rec.Flags & TSynEditStringRec::TabsAbsent) && text.find('\t') == std::string_view::npos;
    const bool lengthKnown = (rec.Flags & (TSynEditStringRec::TabsAbsent | TSynEditStringRec::TabsPresent)) &&
                             !(rec.Flags & TSynEditStringRec::LengthStale) && rec.DisplayLength >= 0 &&
                             rec.DisplayLength < std::numeric_limits<int32_t>::max();
    const int64_t displayLength =
        stillWithoutTabs ? int64_t(length)
        : lengthKnown    ? rec.DisplayLength + splicedWidthChange(rec.text(), at, removed, text, m_tabWidth)
                         : -1;
    if (length == 0) {
        // An emptied line holds no bytes at all, as a new empty line does.
        releaseText(rec);
    } else {
        // A loaded line is copied whole into bytes of its own before it shrinks.
        char* bytes = growText(rec, std::max(length, size_t(rec.Length)));
        if (tail > 0 && removed != text.size()) std::memmove(bytes + at + text.size(), bytes + at + removed, tail);
        if (!text.empty()) std::memcpy(bytes + at, text.data(), text.size());
        rec.Length = uint32_t(length);
        if (removed > text.size()) shrinkText(rec);
    }
    const uint8_t owns = rec.Flags & TSynEditStringRec::OwnsText;
    if (displayLength >= 0 && displayLength < std::numeric_limits<int32_t>::max()) {
        // Only the old length tells whether the longest line is still the longest.
        if (index == m_longestLineIndex && displayLength < rec.DisplayLength) m_longestLineIndex = -1;
        rec.DisplayLength = int32_t(displayLength);
        // A line that had tabs keeps the mark though the edit took the last one away: it
        // only costs an expansion that finds none.
        rec.Flags = owns | (stillWithoutTabs ? TSynEditStringRec::TabsAbsent : TSynEditStringRec::TabsPresent);
    } else {
        rec.Flags = owns | TSynEditStringRec::LengthStale;
    }
    noteNewLength(index);
    if (OnLineSpliced)
        OnLineSpliced(index, at, removed, text.size());
    else if (OnLineReplaced)
        OnLineReplaced(index, rec.text());
}

int32_t TSynEditStringList::AddLine(std::string_view text) {
    UpdateBracket bracket(*this);
    int32_t index = Count();
    insertRecord(index, text);
    if (OnLinesAdded) OnLinesAdded(index, m_records[index].text());
    return index;
}

void TSynEditStringList::InsertLineAt(int32_t index, std::string_view text) {
    checkIndex(index, Count());
    UpdateBracket bracket(*this);
    insertRecord(index, text);
    if (OnLineInserted) OnLineInserted(index, m_records[index].text());
}

void TSynEditStringList::RemoveLine(int32_t index) {
    checkIndex(index, int64_t(Count()) - 1);
    UpdateBracket bracket(*this);
    releaseText(m_records[index]);
    m_records.erase(size_t(index));
    m_columnAnchor.LinesMoved(index);
    if (!m_data.empty()) m_data.erase(m_data.begin() + index);
    if (m_longestLineIndex == index)
        m_longestLineIndex = -1;
    else if (m_longestLineIndex > index)
        --m_longestLineIndex;
    if (OnLinesDeleted) OnLinesDeleted(index);
}

void TSynEditStringList::SwapLines(int32_t i, int32_t j) {
    checkIndex(i, int64_t(Count()) - 1);
    checkIndex(j, int64_t(Count()) - 1);
    UpdateBracket bracket(*this);
    std::swap(m_records[i], m_records[j]);
    m_columnAnchor.LinesMoved(std::min(i, j));
    if (!m_data.empty()) std::swap(m_data[size_t(i)], m_data[size_t(j)]);
    if (m_longestLineIndex == i)
        m_longestLineIndex = j;
    else if (m_longestLineIndex == j)
        m_longestLineIndex = i;
}

void TSynEditStringList::Clear() {
    if (Count() > 0) {
        UpdateBracket bracket(*this);
        releaseAllTexts();
        m_records.clear();
        m_capacity = 0;
        m_data.clear();
        m_loadedBlock.reset();
        if (OnLinesCleared) OnLinesCleared();
    }
    m_columnAnchor.Forget();
    m_longestLineIndex = -1;
}

void TSynEditStringList::AppendLines(const TSynEditStringList& source) {
    if (source.Count() == 0) return;
    UpdateBracket bracket(*this);
    m_longestLineIndex = -1;
    int64_t needed = int64_t(Count()) + source.Count();
    if (needed > std::numeric_limits<int32_t>::max()) throw std::bad_alloc();
    if (m_capacity < needed) SetCapacity(int32_t(std::min<int64_t>((needed + 15) / 16 * 16, std::numeric_limits<int32_t>::max())));
    int32_t first = Count();
    for (int32_t i = 0; i < source.Count(); ++i) {
        TSynEditStringRec rec;
        assignText(rec, source.m_records[i].text());
        uintptr_t data = source.LineData(i);
        if (data != 0 && m_data.empty()) m_data.resize(size_t(Count()));
        if (!m_data.empty()) m_data.push_back(data);
        m_records.push_back(rec);
    }
    if (OnLinesAdded) OnLinesAdded(first, {});
}

void TSynEditStringList::InsertEmptyLines(int32_t index, int32_t n) {
    if (n <= 0) return;
    checkIndex(index, Count());
    if (int64_t(Count()) + n > std::numeric_limits<int32_t>::max()) throw std::bad_alloc();
    UpdateBracket bracket(*this);
    SetCapacity(Count() + n);
    m_records.insert(size_t(index), size_t(n), TSynEditStringRec{nullptr, 0, 0, 0, 0});
    m_columnAnchor.LinesMoved(index);
    if (!m_data.empty()) m_data.insert(m_data.begin() + index, size_t(n), 0);
    if (m_longestLineIndex >= index) m_longestLineIndex += n;
    if (OnLinesAdded) OnLinesAdded(index, {});
}

void TSynEditStringList::RemoveLines(int32_t index, int32_t n) {
    if (n <= 0) return;
    checkIndex(index, Count());
    n = std::min(n, Count() - index);
    if (n <= 0) return;
    UpdateBracket bracket(*this);
    for (int32_t i = index; i < index + n; ++i) releaseText(m_records[i]);
    m_records.erase(size_t(index), size_t(n));
    m_columnAnchor.LinesMoved(index);
    if (!m_data.empty()) m_data.erase(m_data.begin() + index, m_data.begin() + index + n);
    if (m_longestLineIndex >= index + n)
        m_longestLineIndex -= n;
    else if (m_longestLineIndex >= index)
        m_longestLineIndex = -1;
    if (OnLinesDeleted) OnLinesDeleted(index);
}

uintptr_t TSynEditStringList::LineData(int32_t index) const {
    if (index < 0 || index >= Count() || m_data.empty()) return 0;
    return m_data[size_t(index)];
}

void TSynEditStringList::StoreLineData(int32_t index, uintptr_t data) {
    checkIndex(index, int64_t(Count()) - 1);
    UpdateBracket bracket(*this);
    if (m_data.empty()) {
        if (data == 0) return;
        m_data.resize(size_t(Count()));
    }
    m_data[size_t(index)] = data;
}

int32_t TSynEditStringList::LineRange(int32_t index) const {
    if (index < 0 || index >= Count()) return 0;
    return m_records[index].Range;
}

void TSynEditStringList::StoreLineRange(int32_t index, int32_t range) {
    checkIndex(index, int64_t(Count()) - 1);
    UpdateBracket bracket(*this);
    m_records[index].Range = range;
}

std::string TSynEditStringList::ExpandedLine(int32_t index) {
    if (index < 0 || index >= Count()) return {};
    TSynEditStringRec& rec = m_records[index];
    if (rec.Flags & TSynEditStringRec::TabsAbsent) return std::string(rec.text());
    bool hasTabs = false;
    std::string expanded = m_expander(rec.text(), m_tabWidth, hasTabs);
    rec.DisplayLength = int32_t(std::min<size_t>(expanded.size(), std::numeric_limits<int32_t>::max()));
    uint8_t owns = rec.Flags & TSynEditStringRec::OwnsText;
    rec.Flags = owns | (hasTabs ? TSynEditStringRec::TabsPresent : TSynEditStringRec::TabsAbsent);
    return expanded;
}

std::string TSynEditStringList::ExpandedLinePrefix(int32_t index, size_t columns) const {
    if (index < 0 || index >= Count()) return {};
    bool hasTabs = false;
    return m_expander(m_records[index].text().substr(0, columns), m_tabWidth, hasTabs);
}

int32_t TSynEditStringList::ExpandedLineLength(int32_t index) {
    if (index < 0 || index >= Count()) return 0;
    TSynEditStringRec& rec = m_records[index];
    if (rec.DisplayLength < 0) rec.Flags |= TSynEditStringRec::LengthStale;
    return refreshLength(rec);
}

int32_t TSynEditStringList::LongestLineLength() {
    if (m_longestLineIndex < 0) {
        int32_t best = 0;
        for (int32_t i = 0; i < Count(); ++i) {
            int32_t length = ExpandedLineLength(i);
            if (length > best) {
                best = length;
                m_longestLineIndex = i;
            }
        }
    }
    if (m_longestLineIndex < 0 || m_longestLineIndex >= Count()) return 0;
    return m_records[m_longestLineIndex].DisplayLength;
}

int32_t TSynEditStringList::CharToColumn(int32_t index, int32_t x, int tabWidth) const {
    const std::string_view text = LineAt(index);
    const size_t at = size_t(std::clamp<int64_t>(int64_t(x) - 1, 0, int64_t(text.size())));
    return CharToColumnOf(text, x, tabWidth, m_columnAnchor.PointBefore(index, text, at, tabWidth));
}

int32_t TSynEditStringList::ColumnToChar(int32_t index, int32_t column, int tabWidth) const {
    const std::string_view text = LineAt(index);
    return ColumnToCharOf(text, column, tabWidth, m_columnAnchor.PointBeforeColumn(index, text, column, tabWidth));
}

void TSynEditStringList::ChangeTabWidth(int width) {
    if (width == m_tabWidth) return;
    m_tabWidth = width;
    m_expander = ExpanderFor(width);
    m_longestLineIndex = -1;
    for (int32_t i = 0; i < Count(); ++i) {
        TSynEditStringRec& rec = m_records[i];
        rec.DisplayLength = -1;
        rec.Flags = (rec.Flags & ~TSynEditStringRec::TabsAbsent) | TSynEditStringRec::LengthStale;
    }
}

std::string TSynEditStringList::GetAllText() const {
    size_t total = 0;
    for (int32_t i = 0; i < Count(); ++i) total += m_records[i].Length + 2;
    std::string text;
    text.reserve(total);
    for (int32_t i = 0; i < Count(); ++i) {
        text.append(m_records[i].text());
        text.append("\r\n");
    }
    return text;
}

void TSynEditStringList::SetAllText(std::string_view text) {
    UpdateBracket bracket(*this);
    Clear();
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        AddLine(text.substr(pos, end - pos));
        pos = end;
        if (pos < text.size() && text[pos] == '\r') ++pos;
        if (pos < text.size() && text[pos] == '\n') ++pos;
    }
}

// ---------------------------------------------------------------------------------------
// Loading and saving

namespace {

// Position of the first CR or LF at or after `from`, or `size`.
size_t findLineBreak(const char* data, size_t from, size_t size) {
    size_t i = from;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; i + 16 <= size; i += 16) {
        __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data + i));
        int mask = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(chunk, cr), _mm_cmpeq_epi8(chunk, lf)));
        if (mask != 0) return i + size_t(__builtin_ctz(unsigned(mask)));
    }
#endif
    for (; i < size; ++i)
        if (data[i] == '\r' || data[i] == '\n') return i;
    return size;
}

// Calls line(start, end) for every line of the block: CR LF, a lone LF and a lone CR each end
// one line, and a break at the very end adds no empty line. Answers which breaks it saw.
template <class LineFn>
void forEachLine(const char* data, size_t size, bool& sawCr, bool& sawLf, LineFn line) {
    size_t pos = 0;
    while (pos < size) {
        size_t end = findLineBreak(data, pos, size);
        line(pos, end);
        pos = end;
        if (pos < size && data[pos] == '\r') { sawCr = true; ++pos; }
        if (pos < size && data[pos] == '\n') { sawLf = true; ++pos; }
    }
}

std::unique_ptr<char[]> allocateBlock(size_t size) {
    return std::unique_ptr<char[]>(new char[size == 0 ? 1 : size]);
}

} // namespace

// The lines point into the block, which the list keeps. A zero byte is an ordinary
// character: ending a line there would lose it on the next save.
void TSynEditStringList::loadBlock(std::unique_ptr<char[]> block, size_t size) {
    bool sawCr = false, sawLf = false;
    {
        UpdateBracket bracket(*this);
        Clear();
        m_loadedBlock = std::move(block);
        const char* data = m_loadedBlock.get();
        // The records are reserved once, for the lines counted first, rather than grown
        // step by step (which copies them again and again and leaves pages untouched).
        size_t lines = 0;
        forEachLine(data, size, sawCr, sawLf, [&](size_t, size_t) { ++lines; });
        if (lines > size_t(std::numeric_limits<int32_t>::max())) throw std::bad_alloc();
        SetCapacity(int32_t(lines));
        forEachLine(data, size, sawCr, sawLf, [&](size_t start, size_t end) {
            if (end - start > std::numeric_limits<uint32_t>::max()) throw std::bad_alloc();
            int32_t index = Count();
            m_records.push_back(TSynEditStringRec{end > start ? data + start : nullptr, uint32_t(end - start), -1, -1,
                                                  TSynEditStringRec::LengthStale});
            if (OnLinesAdded) OnLinesAdded(index, m_records[index].text());
        });
        m_longestLineIndex = -1;
    }
    if (sawCr && !sawLf)
        m_breakStyle = TLineBreakStyle::Cr;
    else if (sawLf && !sawCr)
        m_breakStyle = TLineBreakStyle::Lf;
    else
        m_breakStyle = TLineBreakStyle::CrLf;
}

TFileIdentity TSynEditStringList::LoadFile(const std::string& fileName) {
    // Non-blocking, so that naming a FIFO never hangs; only regular files are documents.
    int fd = FileCalls().Open(fileName, O_RDONLY | O_NONBLOCK, 0);
    if (fd < 0) throw EFOpenError(fileName, errno);
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) throw EFOpenError(fileName, errno);
    if (S_ISDIR(info.st_mode)) throw EFOpenError(fileName, TFileErrorReason::IsFolder);
    if (!S_ISREG(info.st_mode)) throw EFOpenError(fileName, TFileErrorReason::NotRegularFile);
    if (uint64_t(info.st_size) > std::numeric_limits<size_t>::max() / 2)
        throw EFOpenError(fileName, TFileErrorReason::TooBigForMemory);
    size_t size = size_t(info.st_size);
    std::unique_ptr<char[]> block;
    try {
        block = allocateBlock(size);
    } catch (const std::bad_alloc&) {
        throw EFOpenError(fileName, TFileErrorReason::TooBigForMemory);
    }
    size_t done = 0;
    while (done < size) {
        ssize_t got = FileCalls().Read(fd, block.get() + done, size - done);
        if (got < 0) throw EFOpenError(fileName, errno);
        if (got == 0) break; // the file shrank while we read it
        done += size_t(got);
    }
    try {
        loadBlock(std::move(block), done);
    } catch (const std::bad_alloc&) {
        Clear();
        throw EFOpenError(fileName, TFileErrorReason::TooBigForMemory);
    }
    return FileIdentityOf(info);
}

void TSynEditStringList::LoadStream(std::istream& stream) {
    std::string bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    auto block = allocateBlock(bytes.size());
    std::memcpy(block.get(), bytes.data(), bytes.size());
    loadBlock(std::move(block), bytes.size());
}

void TSynEditStringList::SaveStream(std::ostream& stream) const {
    TSynEditFileWriter writer(stream, m_breakStyle);
    for (int32_t i = 0; i < Count(); ++i) writer.PutLine(m_records[i].text());
}

TFileIdentity TSynEditStringList::SaveFile(const std::string& fileName) const {
    return WriteFileSafely(fileName, [this](std::ostream& stream) { SaveStream(stream); });
}

// ---------------------------------------------------------------------------------------
// The writer

TSynEditFiler::TSynEditFiler(std::ostream& stream) : m_stream(stream) {}

TSynEditFileWriter::TSynEditFileWriter(std::ostream& stream, TLineBreakStyle style)
    : TSynEditFiler(stream), m_breakStyle(style) {
    m_buffer.resize(InitialCapacity);
}

TSynEditFileWriter::~TSynEditFileWriter() {
    // A destructor must not throw; the stream's state tells the caller about a failure.
    try {
        FlushBuffer();
    } catch (...) {
        m_stream.setstate(std::ios::badbit);
    }
}

void TSynEditFileWriter::PutLine(std::string_view text) {
    const size_t breakLength = m_breakStyle == TLineBreakStyle::CrLf ? 2 : 1;
    const size_t needed = text.size() + breakLength;
    if (m_filled + needed > m_buffer.size()) {
        FlushBuffer();
        if (needed > m_buffer.size()) m_buffer.resize(needed);
    }
    char* out = m_buffer.data() + m_filled;
    // An empty line may have no bytes at all (a null pointer), which memcpy must not see.
    if (!text.empty()) std::memcpy(out, text.data(), text.size());
    out += text.size();
    if (m_breakStyle != TLineBreakStyle::Lf) *out++ = '\r';
    if (m_breakStyle != TLineBreakStyle::Cr) *out++ = '\n';
    m_filled += needed;
}

void TSynEditFileWriter::FlushBuffer() {
    if (m_filled == 0) return;
    m_stream.write(m_buffer.data(), std::streamsize(m_filled));
    m_filled = 0;
}

} // namespace tavlo
