#include "highlighters/SynEditHighlighter.h"
#include "highlighters/SynHighlighterHashEntries.h"
#include "highlighters/SynHighlighterKeywords.h"
#include "highlighters/SynHighlighterPas.h"
#include "highlighters/SynHighlighterSch.h"

#include <gtest/gtest.h>

#include <map>

namespace tavlo {
namespace {

// The smallest language: every byte is its own token of kind 0 or 1; the base answers stay.
class TTinySyn : public TSynCustomHighlighter {
public:
    TTinySyn() {
        Zebra = AddAttribute("zebra");
        Alpha = AddAttribute("Alpha", fsBold, clRed);
        Middle = AddAttribute("middle");
        BindAttributeChanges();
    }
    TSynHighlighterAttributes* CategoryAttribute(int) const override { return nullptr; }
    void NextToken() override {
        TokenStartPos = ScanPos;
        if (!AtEnd(ScanPos)) ++ScanPos;
    }
    bool AtLineEnd() const override { return TokenStartPos == ScanPos; }
    TSynHighlighterAttributes* TokenAttribute() const override { return Alpha; }
    int TokenKindOrdinal() const override { return 0; }

    TSynHighlighterAttributes *Zebra, *Alpha, *Middle;
};

// Names are compared without regard to case, so this second "Alpha" is rejected.
class TDuplicateSyn : public TTinySyn {
public:
    TDuplicateSyn() { AddAttribute("ALPHA"); }
};

// A Pascal highlighter that keeps the sample text it is given.
class TSampleKeepingPasSyn : public TSynPasSyn {
public:
    void SetSampleText(const std::string& text) override { Kept = text; }
    std::string Kept;
};

TEST(HighlighterAttributes, NotifyOnlyOnRealChangesAndSnapshotDefaults) {
    TSynHighlighterAttributes attribute("Comment");
    int changes = 0;
    attribute.OnChange = [&](TSynHighlighterAttributes& sender) {
        EXPECT_EQ(&sender, &attribute);
        ++changes;
    };
    attribute.SetForeground(clNone);
    attribute.SetBackground(clNone);
    attribute.SetStyle(0);
    EXPECT_EQ(changes, 0);
    attribute.SetForeground(clNavy);
    attribute.SetForeground(clNavy);
    attribute.SetStyle(fsItalic);
    EXPECT_EQ(changes, 2);

    EXPECT_TRUE(attribute.IsForegroundStored());
    attribute.SnapshotDefaults();
    EXPECT_FALSE(attribute.IsForegroundStored() || attribute.IsBackgroundStored() || attribute.IsStyleStored());
    attribute.SetBackground(clAqua);
    EXPECT_TRUE(attribute.IsBackgroundStored());
    EXPECT_EQ(attribute.BackgroundDefault(), clNone);

    TSynHighlighterAttributes copy("Other");
    int copyChanges = 0;
    copy.OnChange = [&](TSynHighlighterAttributes&) { ++copyChanges; };
    copy.Assign(attribute);
    EXPECT_EQ(copyChanges, 1);
    EXPECT_EQ(copy.Name(), "Comment");
    EXPECT_EQ(copy.Foreground(), clNavy);
    EXPECT_EQ(copy.Background(), clAqua);
    EXPECT_EQ(copy.Style(), fsItalic);
    copy.Assign(attribute);
    EXPECT_EQ(copyChanges, 1);
}

TEST(CustomHighlighter, BaseAnswersAndSortedAttributeList) {
    TTinySyn tiny;
    EXPECT_EQ(tiny.LanguageTitle(), "<Unknown>");
    EXPECT_EQ(tiny.Features(), hcRegistry);
    EXPECT_TRUE(tiny.StoresFilter());
    EXPECT_EQ(tiny.SampleText(), "");
    EXPECT_FALSE(tiny.IsReservedWord("begin"));
    EXPECT_EQ(tiny.CurrentRange(), 0);
    EXPECT_EQ(tiny.WordChars(), CharRange(33, 255));
    EXPECT_EQ(tiny.BreakChars(), MakeCharSet("!\"'()*+,-./:;=?[\\]^{|}"));
    EXPECT_EQ(tiny.BreakChars().count(), 22u);
    EXPECT_FALSE(tiny.ApplyColourPreset(0));
    std::vector<std::string> presets = {"old"};
    tiny.ListColourPresets(presets);
    EXPECT_TRUE(presets.empty());

    ASSERT_EQ(tiny.AttributeCount(), 3);
    EXPECT_EQ(tiny.AttributeAt(0), tiny.Alpha);
    EXPECT_EQ(tiny.AttributeAt(1), tiny.Middle);
    EXPECT_EQ(tiny.AttributeAt(2), tiny.Zebra);
    EXPECT_EQ(tiny.AttributeAt(-1), nullptr);
    EXPECT_EQ(tiny.AttributeAt(3), nullptr);
    // Defaults are the values the constructor set.
    EXPECT_EQ(tiny.Alpha->ForegroundDefault(), clRed);
    EXPECT_EQ(tiny.Alpha->StyleDefault(), fsBold);
    EXPECT_THROW(TDuplicateSyn(), std::invalid_argument);

    const std::string line = "ab";
    tiny.StartLine(line, 0);
    EXPECT_EQ(tiny.TokenText(), "a");
    tiny.SkipToLineEnd();
    EXPECT_EQ(tiny.TokenStart(), 2);
}

TEST(CustomHighlighter, HookChainOrderRemovalAndEnabled) {
    TSynPasSyn pascal;
    std::vector<std::string> calls;
    int first = 0, second = 0;
    pascal.AddChangeHook(&first, [&](TSynCustomHighlighter& sender) {
        EXPECT_EQ(&sender, &pascal);
        calls.push_back("first");
    });
    pascal.AddChangeHook(&second, [&](TSynCustomHighlighter&) { calls.push_back("second"); });
    pascal.AddChangeHook(&first, [&](TSynCustomHighlighter&) { calls.push_back("first again"); });

    pascal.CommentAttri->SetForeground(clGreen);
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "second", "first again"}));

    calls.clear();
    pascal.RemoveChangeHook(&first);
    pascal.SetEnabled(true); // unchanged: no notification
    pascal.SetEnabled(false);
    EXPECT_FALSE(pascal.Enabled());
    EXPECT_EQ(calls, (std::vector<std::string>{"second"}));

    pascal.AddChangeHook(&first, [](TSynCustomHighlighter&) { throw std::runtime_error("hook"); });
    EXPECT_THROW(pascal.KeyAttri->SetStyle(0), std::runtime_error);
}

TEST(CustomHighlighter, AssignCopiesMatchingAttributesSampleAndSettings) {
    TSynSchSyn schema;
    schema.CommentAttri->SetForeground(clGreen);
    schema.SectionAttri->SetForeground(clMaroon);
    schema.SetBreakChars(MakeCharSet(";"));
    schema.SetDefaultFilter("Schema|*.sch");
    schema.SetEnabled(false);

    TSampleKeepingPasSyn pascal;
    int notifications = 0;
    pascal.AddChangeHook(&notifications, [&](TSynCustomHighlighter&) { ++notifications; });
    pascal.Assign(schema);
    EXPECT_EQ(pascal.CommentAttri->Foreground(), clGreen);
    EXPECT_EQ(pascal.Kept, schema.SampleText()); // a Schema highlighter is a Pascal one
    EXPECT_EQ(pascal.BreakChars(), MakeCharSet(";"));
    EXPECT_EQ(pascal.DefaultFilter(), "Schema|*.sch");
    EXPECT_TRUE(pascal.StoresFilter());
    EXPECT_FALSE(pascal.Enabled());
    EXPECT_EQ(notifications, 2); // the comment colour and Enabled

    // Names must match exactly; the sample of an unrelated class is not taken.
    TTinySyn tiny;
    tiny.Alpha->SetForeground(clLime);
    TSampleKeepingPasSyn other;
    other.Assign(tiny);
    EXPECT_EQ(other.Kept, "");
    EXPECT_EQ(other.IdentifierAttri->Foreground(), clNone);
}

class TMapStore : public TSynAttributeStore {
public:
    bool ReadInteger(const std::string& key, const std::string& name, int32_t& value) override {
        auto found = Values.find(key + "/" + name);
        if (found == Values.end()) return false;
        value = found->second;
        return true;
    }
    void WriteInteger(const std::string& key, const std::string& name, int32_t value) override {
        Values[key + "/" + name] = value;
    }
    std::map<std::string, int32_t> Values;
};

TEST(CustomHighlighter, AttributesRoundTripThroughAStore) {
    TMapStore store;
    TSynPasSyn source;
    EXPECT_FALSE(source.LoadAttributesFromStore(store, "Pascal"));
    source.StringAttri->SetBackground(clYellow);
    source.KeyAttri->SetStyle(fsBold | fsUnderline);
    EXPECT_TRUE(source.SaveAttributesToStore(store, "Pascal"));
    EXPECT_EQ(store.Values.at("Pascal\\String/Background"), clYellow);

    TSynPasSyn target;
    EXPECT_TRUE(target.LoadAttributesFromStore(store, "Pascal"));
    EXPECT_EQ(target.StringAttri->Background(), clYellow);
    EXPECT_EQ(target.KeyAttri->Style(), fsBold | fsUnderline);
}

TEST(HighlighterClassList, HoldsTheBuiltinLanguagesOnce) {
    auto& list = HighlighterClassList();
    const size_t count = list.Classes().size();
    list.Register(TSynPasSyn::ClassInfo);
    EXPECT_EQ(list.Classes().size(), count);
    ASSERT_NE(list.FindByShortName("pascal"), nullptr);
    ASSERT_NE(list.FindByShortName("schema"), nullptr);
    EXPECT_EQ(list.FindByShortName("cobol"), nullptr);
    for (const auto& info : list.Classes()) {
        auto highlighter = info.Create();
        ASSERT_NE(highlighter, nullptr) << info.ClassName;
        EXPECT_NE(highlighter->LanguageTitle(), "<Unknown>") << info.ClassName;
    }
    EXPECT_EQ(list.FindByShortName("schema")->KindNames.back(), "Section");
    EXPECT_EQ(list.FindByShortName("pascal")->KindNames.back(), "Char");
}

std::vector<std::string> Chain(const TSynHashEntry* head) {
    std::vector<std::string> words;
    for (; head; head = head->Next()) words.push_back(head->Keyword());
    return words;
}

TEST(HashEntries, ChainsOrderedByLengthAndDuplicatesRejected) {
    TSynHashEntryList list;
    list.Put(3, std::make_unique<TSynHashEntry>("select", 1));
    list.Put(3, std::make_unique<TSynHashEntry>("as", 2));
    list.Put(3, std::make_unique<TSynHashEntry>("update", 3));
    list.Put(3, std::make_unique<TSynHashEntry>("or", 4));
    list.Put(3, std::make_unique<TSynHashEntry>("distinct", 5));
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(Chain(list.Get(3)), (std::vector<std::string>{"as", "or", "select", "update", "distinct"}));
    EXPECT_EQ(list.Get(3)->Kind(), 2);
    EXPECT_EQ(list.Get(3)->KeyLen(), 2);
    EXPECT_EQ(list.Get(0), nullptr);
    EXPECT_EQ(list.Get(-1), nullptr);
    EXPECT_EQ(list.Get(4), nullptr);

    try {
        list.Put(3, std::make_unique<TSynHashEntry>("UPDATE", 9));
        FAIL() << "duplicate accepted";
    } catch (const std::invalid_argument& error) {
        EXPECT_STREQ(error.what(), "Keyword \"UPDATE\" already in list");
    }
    EXPECT_EQ(Chain(list.Get(3)).size(), 5u);
    list.Put(3, nullptr);
    EXPECT_EQ(Chain(list.Get(3)).size(), 5u);
    EXPECT_THROW(list.Put(-2, std::make_unique<TSynHashEntry>("x", 0)), std::out_of_range);

    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Get(3), nullptr);
}

TEST(KeywordTable, LooksUpByHashInListOrder) {
    static const TSynCharHashTable folded = [] {
        TSynCharHashTable table{};
        for (int c = 'a'; c <= 'z'; ++c) table[c] = table[c - 32] = static_cast<int16_t>(c - 'a' + 1);
        return table;
    }();
    static const std::string_view words[] = {"ab", "ba", "Cd", "ab"};
    const TSynKeywordTable folding(folded, 8, words, TSynKeywordTable::TCompare::HashValues);
    const TSynKeywordTable exact(folded, 8, words, TSynKeywordTable::TCompare::Exact);
    EXPECT_EQ(folding.Find(3, "AB"), 0);
    EXPECT_EQ(folding.Find(3, "ba"), 1);
    EXPECT_EQ(exact.Find(3, "AB"), -1);
    EXPECT_EQ(exact.Find(7, "Cd"), 2);
    EXPECT_EQ(exact.Find(7, "cd"), -1);
    EXPECT_EQ(folding.Find(3, "abc"), -1);
    EXPECT_EQ(folding.Find(9, "ab"), -1);
    EXPECT_EQ(folding.Find(-1, "ab"), -1);
    // The first keyword that passes the caller's test wins.
    EXPECT_EQ(folding.Find(3, "ab", 2, [](int index) { return index != 0; }), 3);
    static const std::string_view tooLong[] = {"zz"};
    EXPECT_THROW(TSynKeywordTable(folded, 8, tooLong, TSynKeywordTable::TCompare::Exact), std::logic_error);
}

} // namespace
} // namespace tavlo
