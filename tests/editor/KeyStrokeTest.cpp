#include "editor/SynEditKeyCmds.h"

#include <gtest/gtest.h>

#include <set>

using namespace tavlo;

TEST(KeyStrokeTest, IdentifierTableLookups) {
    const auto& idents = EditorCommandIdents();
    EXPECT_EQ(idents.size(), 95u);
    std::set<TSynEditorCommand> numbers;
    for (const auto& ident : idents) {
        // Every entry round-trips, whatever the letter case of the identifier.
        EXPECT_EQ(CommandName(ident.Command), ident.Name);
        std::string upper(ident.Name);
        for (char& c : upper)
            c = char(toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(CommandByName(upper), ident.Command) << upper;
        EXPECT_TRUE(numbers.insert(ident.Command).second) << ident.Name;
    }
    EXPECT_EQ(CommandByName("ecSelGotoXY"), ecSelGotoXY);
    EXPECT_EQ(CommandByName("ecNoSuchCommand"), std::nullopt);
    EXPECT_EQ(CommandByName(""), std::nullopt);
    EXPECT_EQ(CommandName(9999), std::nullopt);

    EXPECT_EQ(CommandLabel(ecUserFirst), "ecUserFirst");
    EXPECT_EQ(CommandLabel(1002), "1002");
    EXPECT_EQ(CommandLabel(ecTitleCase), "ecTitleCase");
}

TEST(KeyStrokeTest, ShortCutComposesAndSplits) {
    TSynEditKeyStroke k;
    k.SetShortCut(16605); // Ctrl+]
    EXPECT_EQ(k.FirstKey, VK_OEM_6);
    EXPECT_EQ(k.FirstShift, ssCtrl);
    EXPECT_EQ(k.ShortCut(), 16605);

    k.SetShortCut(ShortCutOf(VK_BACK, ssAlt | ssShift));
    EXPECT_EQ(k.ShortCut(), scAlt | scShift | VK_BACK);
    EXPECT_EQ(k.FirstShift, ssAlt | ssShift);

    k.SetShortCut2(ShortCutOf(VirtualKeyOfLetter('K'), ssCtrl));
    EXPECT_EQ(k.SecondKey, VirtualKeyOfLetter('K'));
    EXPECT_EQ(k.SecondShift, ssCtrl);

    k.SetShortCut(0);
    k.SetShortCut2(0);
    EXPECT_EQ(k.FirstKey, 0);
    EXPECT_EQ(k.FirstShift, 0);
    EXPECT_EQ(k.SecondKey, 0);
    EXPECT_EQ(ShortCutOf(0x100, ssCtrl), 0); // a code outside the low byte has no shortcut
}

TEST(KeyStrokeTest, DuplicateShortcutIsRejectedExceptOnItself) {
    TSynEditKeyStrokes keys;
    TSynEditKeyStroke& first = keys.NewKeystroke();
    TSynEditKeyStroke& second = keys.NewKeystroke();
    const TShortCut ctrlQ = ShortCutOf(VirtualKeyOfLetter('Q'), ssCtrl);
    const TShortCut ctrlW = ShortCutOf(VirtualKeyOfLetter('W'), ssCtrl);
    first.SetShortCut(ctrlQ);
    first.SetShortCut(ctrlQ); // the binding never conflicts with itself
    second.SetShortCut(ctrlW);
    try {
        second.SetShortCut(ctrlQ);
        FAIL() << "duplicate accepted";
    } catch (const ESynKeyError& e) {
        EXPECT_STREQ(e.what(), "Shortcut already exists");
    }
    EXPECT_EQ(second.ShortCut(), ctrlW); // old keys kept

    // A chord starting with Ctrl+Q is a different pair; giving the first binding the same
    // second key afterwards collides with it.
    second.SetShortCut2(ctrlW);
    second.SetShortCut(ctrlQ);
    EXPECT_EQ(keys.FindShortcutPair(ctrlQ, ctrlW), 1);
    EXPECT_THROW(first.SetShortCut2(ctrlW), ESynKeyError);
    EXPECT_EQ(first.SecondKey, 0);

    // Clearing never tests, and copying a binding skips the test too.
    second.SetShortCut2(0);
    EXPECT_EQ(second.ShortCut(), ctrlQ);
    keys.NewKeystroke().Assign(first);
    EXPECT_EQ(keys[2].ShortCut(), ctrlQ);
}

TEST(KeyStrokeTest, FindKeyIgnoresChordsAndFindKeyPairNeedsAllFour) {
    TSynEditKeyStrokes keys;
    TSynEditKeyStroke& chord = keys.NewKeystroke();
    chord.FirstKey = VirtualKeyOfLetter('K');
    chord.FirstShift = ssCtrl;
    chord.SecondKey = VirtualKeyOfLetter('B');
    chord.SecondShift = ssCtrl;
    chord.Command = ecBlockIndent;
    EXPECT_EQ(keys.FindKey(VirtualKeyOfLetter('K'), ssCtrl), -1);

    TSynEditKeyStroke& single = keys.NewKeystroke();
    single.FirstKey = VirtualKeyOfLetter('K');
    single.FirstShift = ssCtrl;
    EXPECT_EQ(keys.FindKey(VirtualKeyOfLetter('K'), ssCtrl), 1);
    EXPECT_EQ(keys.FindKey(VirtualKeyOfLetter('K'), ssCtrl | ssShift), -1);

    EXPECT_EQ(keys.FindKeyPair(VirtualKeyOfLetter('K'), ssCtrl, VirtualKeyOfLetter('B'), ssCtrl),
              0);
    EXPECT_EQ(keys.FindKeyPair(VirtualKeyOfLetter('K'), ssCtrl, VirtualKeyOfLetter('B'), 0), -1);
    EXPECT_EQ(keys.FindKeyPair(VirtualKeyOfLetter('K'), 0, VirtualKeyOfLetter('B'), ssCtrl), -1);
    EXPECT_EQ(keys.FindKeyPair(VirtualKeyOfLetter('J'), ssCtrl, VirtualKeyOfLetter('B'), ssCtrl),
              -1);
}

TEST(KeyStrokeTest, DefaultKeyMap) {
    TSynEditKeyStrokes keys;
    keys.NewKeystroke().Command = ecUserFirst; // replaced, not kept
    keys.LoadDefaultKeys();
    ASSERT_EQ(keys.Count(), 82);

    std::set<std::pair<TShortCut, TShortCut>> pairs;
    for (int i = 0; i < keys.Count(); ++i) {
        EXPECT_EQ(keys[i].SecondKey, 0);
        EXPECT_NE(keys[i].Command, ecNone);
        EXPECT_TRUE(pairs.insert({keys[i].ShortCut(), keys[i].ShortCut2()}).second)
            << "binding " << i << " repeats a key";
    }

    auto commandOf = [&](uint16_t key, TShiftState shift) {
        int i = keys.FindKey(key, shift);
        return i < 0 ? TSynEditorCommand(ecNone) : keys[i].Command;
    };
    EXPECT_EQ(keys[0].Command, ecUp);
    EXPECT_EQ(keys[81].Command, ecMatchBracket);
    EXPECT_EQ(commandOf(VK_UP, ssCtrl | ssShift), ecNone);
    EXPECT_EQ(commandOf(VK_UP, ssCtrl), ecScrollUp);
    EXPECT_EQ(commandOf(VK_NEXT, ssCtrl | ssShift), ecSelPageBottom);
    EXPECT_EQ(commandOf(VK_HOME, ssCtrl), ecEditorTop);
    EXPECT_EQ(commandOf(VK_BACK, ssAlt | ssShift), ecRedo);
    EXPECT_EQ(commandOf(VK_INSERT, ssCtrl), ecCopy);
    EXPECT_EQ(commandOf(VirtualKeyOfLetter('Y'), ssCtrl | ssShift), ecDeleteEOL);
    EXPECT_EQ(commandOf(VirtualKeyOfDigit(7), ssCtrl), ecGotoMarker7);
    EXPECT_EQ(commandOf(VirtualKeyOfDigit(0), ssCtrl | ssShift), ecSetMarker0);
    EXPECT_EQ(commandOf(VK_F1, ssCtrl), ecContextHelp);
    EXPECT_EQ(commandOf(VirtualKeyOfLetter('B'), ssCtrl | ssShift), ecMatchBracket);
    EXPECT_EQ(commandOf(VK_OEM_6, ssCtrl), ecNone);

    TSynEditKeyStrokes mainKeys;
    LoadMainWindowKeys(mainKeys);
    ASSERT_EQ(mainKeys.Count(), 82);
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(mainKeys[i].ShortCut(), keys[i].ShortCut());
        EXPECT_EQ(mainKeys[i].Command, keys[i].Command);
    }
    EXPECT_EQ(mainKeys[81].ShortCut(), 16605);
    EXPECT_EQ(mainKeys.FindKey(VK_OEM_6, ssCtrl), 81);
    EXPECT_EQ(mainKeys.FindKey(VirtualKeyOfLetter('B'), ssCtrl | ssShift), -1);
}

TEST(KeyStrokeTest, CopiedTableIsIndependent) {
    TSynEditKeyStrokes original;
    original.LoadDefaultKeys();
    TSynEditKeyStrokes copy(original);
    ASSERT_EQ(copy.Count(), original.Count());
    // Each table checks duplicates against its own bindings.
    copy[0].SetShortCut(0);
    EXPECT_NO_THROW(copy[1].SetShortCut(ShortCutOf(VK_UP, 0)));
    EXPECT_THROW(original[1].SetShortCut(ShortCutOf(VK_UP, 0)), ESynKeyError);
    EXPECT_EQ(original[0].ShortCut(), ShortCutOf(VK_UP, 0));

    copy = original;
    EXPECT_EQ(copy[0].ShortCut(), ShortCutOf(VK_UP, 0));
    EXPECT_THROW(copy[1].SetShortCut(ShortCutOf(VK_UP, 0)), ESynKeyError);
}
