// The editor's line store: an ordered list of 8-bit lines with, beside each line, the
// highlighter range left at its end and a cache of its tab-expanded length.
#pragma once

#include "editor/FileErrors.h"
#include "editor/FileIdentity.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "editor/SynEditColumnAnchor.h"
#include "editor/TieredArray.h"

namespace tavlo {

// Raised by a mutator given an index outside the list: "Invalid stringlist index %d".
class ESynEditStringList : public std::out_of_range {
public:
    explicit ESynEditStringList(int64_t index);
};

// Line-break style found by a load and written by every save.
enum class TLineBreakStyle : uint8_t { CrLf = 0, Lf = 1, Cr = 2 };

// A tab expander turns each tab into the run of tab characters that reaches the next stop.
// The first form also tells whether the text held a tab.
using TExpandTabsFunc = std::string (*)(std::string_view text, int tabWidth, bool& hasTabs);
using TExpandTabsTextFunc = std::string (*)(std::string_view text, int tabWidth);

std::string ExpandTabsToSpaces(std::string_view text, int tabWidth, bool& hasTabs);
std::string ExpandTabsPow2(std::string_view text, int tabWidth, bool& hasTabs);
std::string ExpandTabsAny(std::string_view text, int tabWidth, bool& hasTabs);
TExpandTabsFunc ExpanderFor(int tabWidth);
// The same expansion without the tab report, for callers that only want the text.
TExpandTabsTextFunc TextExpanderFor(int tabWidth);

// Expanded length of a text, computed without building the expanded text.
int64_t ExpandedLength(std::string_view text, int tabWidth, bool& hasTabs);

struct TSynEditStringRec {
    enum : uint8_t {
        TabsPresent = 1,
        TabsAbsent = 2,
        LengthStale = 4,
        OwnsText = 0x80, // the bytes were allocated for this record, not borrowed from a load
    };
    const char* Text = nullptr;
    uint32_t Length = 0;
    int32_t Range = -1;
    int32_t DisplayLength = -1;
    uint8_t Flags = LengthStale;

    std::string_view text() const { return {Text, Length}; }
};

class TSynEditStringList {
public:
    TSynEditStringList();
    ~TSynEditStringList();
    TSynEditStringList(const TSynEditStringList&) = delete;
    TSynEditStringList& operator=(const TSynEditStringList&) = delete;

    int32_t Count() const { return int32_t(m_records.size()); }
    // Records reserved; grows in the steps of grow() unless a load or a bulk insert sets it.
    int32_t Capacity() const { return m_capacity; }
    void SetCapacity(int32_t capacity);

    // The line's bytes; empty outside 0..Count-1. The view stays valid until the line or
    // the list changes: keep a copy where the text must outlive an edit.
    std::string_view LineAt(int32_t index) const;
    void ReplaceLine(int32_t index, std::string_view text);
    // Replaces `removed` bytes at a byte offset of a line by text, announced by OnLineSpliced
    // (as a replacement of the line to a listener without it). The line's bytes change in
    // place, so an edit in a long line moves only the bytes behind it. An offset or a count
    // beyond the line is cut at its end; the text may be taken from the line itself.
    void ReplaceInLine(int32_t index, size_t at, size_t removed, std::string_view text);
    void InsertInLine(int32_t index, size_t at, std::string_view text) { ReplaceInLine(index, at, 0, text); }
    int32_t AddLine(std::string_view text);
    void InsertLineAt(int32_t index, std::string_view text);
    void RemoveLine(int32_t index);
    void SwapLines(int32_t i, int32_t j);
    void Clear();
    void AppendLines(const TSynEditStringList& source);
    void InsertEmptyLines(int32_t index, int32_t n);
    void RemoveLines(int32_t index, int32_t n);

    uintptr_t LineData(int32_t index) const;
    void StoreLineData(int32_t index, uintptr_t data);
    int32_t LineRange(int32_t index) const;
    void StoreLineRange(int32_t index, int32_t range);
    // The editor's range cache stores here, without a bracket: a range is no change of text.
    void CacheLineRange(int32_t index, int32_t range) { m_records[size_t(index)].Range = range; }

    std::string ExpandedLine(int32_t index);
    // The start of a line, tab-expanded, reaching at least `columns` columns (a byte takes one
    // column or more), or the whole line if it is shorter: painting a long line with tabs
    // expands no more than a margin past what it shows.
    std::string ExpandedLinePrefix(int32_t index, size_t columns) const;
    // Display length of one line (its tab-expanded length); 0 outside the list.
    int32_t ExpandedLineLength(int32_t index);
    int32_t LongestLineLength();
    int32_t LongestLineIndex() const { return m_longestLineIndex; }

    // Display column (1-based) of character x of a line, and the character covering a
    // column: as CharToColumnOf and ColumnToCharOf, but a long line is counted on from a
    // remembered place near the last character asked for rather than from its start.
    int32_t CharToColumn(int32_t index, int32_t x, int tabWidth) const;
    int32_t ColumnToChar(int32_t index, int32_t column, int tabWidth) const;

    int TabWidth() const { return m_tabWidth; }
    void ChangeTabWidth(int width);

    TLineBreakStyle BreakStyle() const { return m_breakStyle; }
    void SetBreakStyle(TLineBreakStyle style) { m_breakStyle = style; }

    // Every line followed by CR LF.
    std::string GetAllText() const;
    void SetAllText(std::string_view text);

    // Throw EFOpenError / EFCreateError; a failed load keeps the old lines, a failed save
    // keeps the old file. Both answer the identity of the file as it was read or written.
    TFileIdentity LoadFile(const std::string& fileName);
    void LoadStream(std::istream& stream);
    TFileIdentity SaveFile(const std::string& fileName) const;
    // Writes every line with its break to a stream (what SaveFile puts in the file).
    void SaveStream(std::ostream& stream) const;

    // Update bracket: the first lock sends OnLinesChanging, the last unlock OnLinesChanged.
    void LockUpdates();
    void UnlockUpdates();
    int UpdateCount() const { return m_updateCount; }

    std::function<void()> OnLinesChanging;
    std::function<void()> OnLinesChanged;
    std::function<void(int32_t index, std::string_view text)> OnLinesAdded;
    std::function<void()> OnLinesCleared;
    std::function<void(int32_t index)> OnLinesDeleted;
    std::function<void(int32_t index, std::string_view text)> OnLineInserted;
    std::function<void(int32_t index, std::string_view text)> OnLineReplaced;
    // Bytes removed at a byte offset of a line and others inserted in their place; the rest
    // of the line is as it was.
    std::function<void(int32_t index, size_t at, size_t removed, size_t inserted)> OnLineSpliced;

private:
    class UpdateBracket;

    void checkIndex(int64_t index, int64_t last) const;
    void grow();
    void insertRecord(int32_t index, std::string_view text);
    void releaseText(TSynEditStringRec& rec);
    void releaseAllTexts();
    void assignText(TSynEditStringRec& rec, std::string_view text);
    // The record's own bytes with room for length bytes, its text kept.
    char* growText(TSynEditStringRec& rec, size_t length);
    void shrinkText(TSynEditStringRec& rec);
    int32_t refreshLength(TSynEditStringRec& rec);
    void noteNewLength(int32_t index);
    void loadBlock(std::unique_ptr<char[]> block, size_t size);

    // Inserting or removing a line costs the same in a long document as in a short one.
    TTieredArray<TSynEditStringRec> m_records;
    int32_t m_capacity = 0;
    // Per-line attached values, kept beside the records only once one is stored.
    std::vector<uintptr_t> m_data;
    // Bytes of the last loaded file; loaded lines point into it until they change.
    std::unique_ptr<char[]> m_loadedBlock;
    size_t m_ownedTexts = 0;
    TLineBreakStyle m_breakStyle = TLineBreakStyle::CrLf;
    TExpandTabsFunc m_expander = nullptr;
    mutable TSynEditColumnAnchor m_columnAnchor;
    int32_t m_longestLineIndex = -1;
    int m_tabWidth = 8;
    int m_updateCount = 0;
};

// Writes lines through a memory buffer of BufferCapacity bytes into an output stream.
class TSynEditFiler {
public:
    explicit TSynEditFiler(std::ostream& stream);
    virtual ~TSynEditFiler() = default;
    virtual void FlushBuffer() {}

protected:
    std::vector<char> m_buffer;
    size_t m_filled = 0;
    std::ostream& m_stream;
};

class TSynEditFileWriter : public TSynEditFiler {
public:
    static constexpr size_t InitialCapacity = 16384;
    TSynEditFileWriter(std::ostream& stream, TLineBreakStyle style);
    ~TSynEditFileWriter() override;
    void PutLine(std::string_view text);
    void FlushBuffer() override;

private:
    TLineBreakStyle m_breakStyle;
};

} // namespace tavlo
