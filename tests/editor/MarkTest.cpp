#include "editor/SynEditMarks.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

using namespace tavlo;

namespace {

struct MarkListFixture : ::testing::Test {
    TSynEditMarkList list;
    int changes = 0;
    std::vector<int32_t> repainted;

    MarkListFixture() {
        list.OnChange = [this] { ++changes; };
        list.OnInvalidateLine = [this](int32_t line) { repainted.push_back(line); };
    }

    TSynEditMark& add(int32_t line, int32_t slot = TSynEditMark::NoBookmark) {
        auto mark = std::make_unique<TSynEditMark>();
        mark->SetLine(line);
        mark->SetChar(1);
        mark->SetBookmarkSlot(slot);
        mark->SetVisible(true);
        return list.Add(std::move(mark));
    }

    std::vector<int32_t> lines() const {
        std::vector<int32_t> result;
        for (int i = 0; i < list.Count(); ++i)
            result.push_back(list[i].Line());
        return result;
    }
};

} // namespace

TEST_F(MarkListFixture, AddRemoveAndOwnership) {
    TSynEditMark& a = add(3, 0);
    TSynEditMark& b = add(5);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(a.List(), &list);
    EXPECT_TRUE(a.IsBookmark());
    EXPECT_FALSE(b.IsBookmark());

    std::unique_ptr<TSynEditMark> taken = list.Remove(&a);
    ASSERT_EQ(taken.get(), &a);
    EXPECT_EQ(taken->List(), nullptr); // no longer repaints through the list
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(list.Remove(taken.get()), nullptr);
    EXPECT_EQ(changes, 3);

    repainted.clear();
    taken->SetLine(9);
    EXPECT_TRUE(repainted.empty());
    EXPECT_EQ(list.IndexOf(&b), 0);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(changes, 4);
}

TEST_F(MarkListFixture, SettersRepaintTheirRows) {
    TSynEditMark& mark = add(4);
    repainted.clear();
    mark.SetLine(7);
    EXPECT_EQ(repainted, (std::vector<int32_t>{4, 7}));
    repainted.clear();
    mark.SetImageIndex(2);
    mark.SetUsesBuiltinGlyph(true);
    mark.SetChar(10); // the column is not shown in the gutter
    EXPECT_EQ(repainted, (std::vector<int32_t>{7, 7}));
    repainted.clear();
    mark.SetVisible(false);
    mark.SetVisible(false);
    mark.SetLine(8); // hidden marks move silently
    mark.SetImageIndex(3);
    EXPECT_EQ(repainted, (std::vector<int32_t>{7}));
}

TEST_F(MarkListFixture, MarksFollowInsertedAndDeletedLines) {
    add(1);
    add(5, 3);
    add(6);
    add(10);

    list.LinesInserted(5, 2); // the text of line 5 and below moved down two
    EXPECT_EQ(lines(), (std::vector<int32_t>{1, 7, 8, 12}));

    list.LinesDeleted(6, 2); // lines 7 and 8 removed
    EXPECT_EQ(lines(), (std::vector<int32_t>{1, 6, 6, 10}));

    list.LinesDeleted(9, 1); // deleting a bookmarked line moves the mark to the line above
    EXPECT_EQ(lines(), (std::vector<int32_t>{1, 6, 6, 9}));

    list.LinesDeleted(0, 3); // the top lines: marks on them land on line 1, not line 0
    EXPECT_EQ(lines(), (std::vector<int32_t>{1, 3, 3, 6}));

    list.LinesInserted(3, 0);
    list.LinesDeleted(1, -4);
    EXPECT_EQ(lines(), (std::vector<int32_t>{1, 3, 3, 6}));
}

// A mark remembers the text of its line; after any mix of insertions and removals it must
// sit on the line holding that text, or on the line the removal closed up to.
TEST_F(MarkListFixture, MarksTrackTextUnderRandomEdits) {
    std::mt19937 random(7);
    std::vector<int> text(60);
    for (int i = 0; i < 60; ++i)
        text[size_t(i)] = i;
    int next = 1000;
    for (int32_t line : {1, 2, 17, 30, 30, 59, 60})
        add(line);
    std::vector<int> carried;
    for (int i = 0; i < list.Count(); ++i)
        carried.push_back(text[size_t(list[i].Line() - 1)]);

    for (int step = 0; step < 300; ++step) {
        int32_t count = int32_t(random() % 4) + 1;
        if (random() % 2 || text.size() < 10) {
            int32_t first = int32_t(random() % (text.size() + 1)) + 1; // may append at the end
            std::vector<int> fresh(static_cast<size_t>(count));
            for (int& t : fresh)
                t = next++;
            text.insert(text.begin() + (first - 1), fresh.begin(), fresh.end());
            list.LinesInserted(first, count);
        } else {
            int32_t after = int32_t(random() % (text.size() - size_t(count) + 1));
            // Marks on the removed lines take on the text of the line they land on.
            int landingText = text[size_t(std::max(after, 1) - 1)];
            for (int i = 0; i < list.Count(); ++i)
                if (list[i].Line() > after && list[i].Line() <= after + count)
                    carried[size_t(i)] = after == 0 ? -1 : landingText;
            text.erase(text.begin() + after, text.begin() + after + count);
            list.LinesDeleted(after, count);
            for (int i = 0; i < list.Count(); ++i)
                if (carried[size_t(i)] == -1) carried[size_t(i)] = text[0];
        }
        for (int i = 0; i < list.Count(); ++i) {
            ASSERT_GE(list[i].Line(), 1);
            ASSERT_LE(list[i].Line(), int32_t(text.size()));
            ASSERT_EQ(text[size_t(list[i].Line() - 1)], carried[size_t(i)]) << "step " << step;
        }
    }
}

TEST_F(MarkListFixture, MarksOfLineAndGutterClick) {
    TSynEditMark& first = add(4, 1);
    add(5);
    TSynEditMark& second = add(4);
    for (int i = 0; i < 20; ++i)
        add(9);

    std::vector<TSynEditMark*> ofLine = list.MarksOfLine(4);
    EXPECT_EQ(ofLine, (std::vector<TSynEditMark*>{&first, &second}));
    EXPECT_EQ(list.MarksOfLine(9).size(), 16u);
    EXPECT_TRUE(list.MarksOfLine(1).empty());

    // Each mark of the line takes the next 12 pixels, in list order.
    EXPECT_EQ(list.MarkAtGutterX(4, 0, 12), &first);
    EXPECT_EQ(list.MarkAtGutterX(4, 11, 12), &first);
    EXPECT_EQ(list.MarkAtGutterX(4, 12, 12), &second);
    EXPECT_EQ(list.MarkAtGutterX(4, 23, 12), &second);
    EXPECT_EQ(list.MarkAtGutterX(4, 24, 12), nullptr);
    EXPECT_EQ(list.MarkAtGutterX(3, 0, 12), nullptr);
}
