// Qt keys map to the virtual-key numbers the stored key maps hold.
#include "platform/qt/KeyTranslation.h"

#include <gtest/gtest.h>

#include "editor/SynEdit.h"

using namespace tavlo;

TEST(KeyTranslation, KeysMapToTheStoredVirtualKeyNumbers) {
    for (int i = 0; i < 26; ++i) EXPECT_EQ(VirtualKeyOf(Qt::Key_A + i, {}), 65 + i);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(VirtualKeyOf(Qt::Key_0 + i, {}), 48 + i);
        EXPECT_EQ(VirtualKeyOf(Qt::Key_0 + i, Qt::KeypadModifier), 96 + i) << "keypad digits";
    }
    for (int i = 0; i < 24; ++i) EXPECT_EQ(VirtualKeyOf(Qt::Key_F1 + i, {}), 112 + i);
    const std::pair<int, int> named[] = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},    {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},    {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},   {Qt::Key_BracketRight, 221}, {Qt::Key_BracketLeft, 219},
        {Qt::Key_Minus, 189},   {Qt::Key_Period, 190}, {Qt::Key_Slash, 191}, {Qt::Key_Exclam, 49},
    };
    for (auto [qt, vk] : named) EXPECT_EQ(VirtualKeyOf(qt, {}), vk) << qt;
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Plus, Qt::KeypadModifier), VK_ADD);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Left, Qt::KeypadModifier), VK_LEFT) << "keypad arrows are arrows";
    EXPECT_EQ(VirtualKeyOf(0x0105 /* ą */, {}), 0) << "a letter outside A..Z has no key code";

    EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier), ssShift | ssCtrl);
    EXPECT_EQ(ShiftStateOf(Qt::AltModifier | Qt::KeypadModifier), ssAlt);
    EXPECT_EQ(PointerShiftStateOf(Qt::ShiftModifier, Qt::LeftButton | Qt::RightButton), TShiftState(ssShift) | ssLeft | ssRight);

    // Stored bindings are reached through the translation: Ctrl+] matches brackets.
    TSynEditKeyStrokes keys;
    LoadMainWindowKeys(keys);
    int index = keys.FindKey(VirtualKeyOf(Qt::Key_BracketRight, Qt::ControlModifier), ShiftStateOf(Qt::ControlModifier));
    ASSERT_GE(index, 0);
    EXPECT_EQ(keys[index].Command, ecMatchBracket);
}
