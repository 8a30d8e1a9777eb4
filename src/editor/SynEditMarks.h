// Marks sit on lines and show a glyph in the gutter; the ten numbered bookmarks are marks
// too. The list keeps them on their lines as lines come and go.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace tavlo {

class TCustomSynEdit;
class TSynEditMarkList;

class TSynEditMark {
public:
    static constexpr int32_t NoBookmark = -1;

    TSynEditMark() = default;
    virtual ~TSynEditMark() = default;
    TSynEditMark(const TSynEditMark&) = delete;
    TSynEditMark& operator=(const TSynEditMark&) = delete;

    // 1-based line; the old and new gutter rows repaint while the mark is in a list.
    int32_t Line() const { return m_line; }
    virtual void SetLine(int32_t value);
    int32_t Char() const { return m_char; }
    virtual void SetChar(int32_t value) { m_char = value; }
    int32_t ImageIndex() const { return m_imageIndex; }
    virtual void SetImageIndex(int32_t value);
    bool Visible() const { return m_visible; }
    void SetVisible(bool value);
    bool UsesBuiltinGlyph() const { return m_usesBuiltinGlyph; }
    void SetUsesBuiltinGlyph(bool value);
    // Bookmark number 0..9, or NoBookmark.
    int32_t BookmarkSlot() const { return m_bookmarkSlot; }
    void SetBookmarkSlot(int32_t value) { m_bookmarkSlot = value; }
    bool IsBookmark() const { return m_bookmarkSlot >= 0; }

    // The list holding the mark, none once it was taken out.
    TSynEditMarkList* List() const { return m_list; }

private:
    friend class TSynEditMarkList;
    void repaintRow(int32_t line) const;

    int32_t m_line = 0;
    int32_t m_char = 0;
    int32_t m_imageIndex = 0;
    TSynEditMarkList* m_list = nullptr;
    bool m_visible = false;
    bool m_usesBuiltinGlyph = false;
    int32_t m_bookmarkSlot = NoBookmark;
};

// The editor's marks, in the order they were added; owns them.
class TSynEditMarkList {
public:
    static constexpr int MaxMarksPerLine = 16;

    TSynEditMarkList() = default;
    ~TSynEditMarkList();
    TSynEditMarkList(const TSynEditMarkList&) = delete;
    TSynEditMarkList& operator=(const TSynEditMarkList&) = delete;

    int Count() const { return int(m_marks.size()); }
    TSynEditMark& operator[](int index) const { return *m_marks.at(size_t(index)); }
    int IndexOf(const TSynEditMark* mark) const;

    TSynEditMark& Add(std::unique_ptr<TSynEditMark> mark);
    // Takes the mark out and hands it back; empty when it was not in the list.
    std::unique_ptr<TSynEditMark> Remove(const TSynEditMark* mark);
    void Clear();

    // The first MaxMarksPerLine marks of the line, in list order.
    std::vector<TSynEditMark*> MarksOfLine(int32_t line) const;
    // The mark a click at x in the gutter row of the line hits: each mark of the line, in
    // order, takes the next xOffset pixels.
    TSynEditMark* MarkAtGutterX(int32_t line, int32_t x, int32_t xOffset) const;

    // Keeping marks on their lines. `count` lines were inserted before line `firstLine`
    // (its text and everything below moved down).
    void LinesInserted(int32_t firstLine, int32_t count);
    // `count` lines after line `afterLine` were removed: marks on them go to `afterLine`
    // (line 1 when the removal started at the top).
    void LinesDeleted(int32_t afterLine, int32_t count);

    // A mark was added or removed.
    std::function<void()> OnChange;
    // The gutter row of the line needs repainting.
    std::function<void(int32_t line)> OnInvalidateLine;

private:
    friend class TSynEditMark;
    void changed() {
        if (OnChange) OnChange();
    }

    std::vector<std::unique_ptr<TSynEditMark>> m_marks;
};

// Bookmark placing and clearing: the handler may replace the mark or, by resetting it,
// cancel the placing.
using TPlaceMarkEvent =
    std::function<void(TCustomSynEdit& sender, std::unique_ptr<TSynEditMark>& mark)>;
// A click in the gutter: pixel position, the line under it and the mark hit (or none).
using TGutterClickEvent = std::function<void(TCustomSynEdit& sender, int32_t x, int32_t y,
                                             int32_t line, TSynEditMark* mark)>;

} // namespace tavlo
