// Key codes, modifier sets and shortcut values as the keystroke table stores them.
// The codes are the Windows virtual-key numbers: stored key maps hold them, and the widget
// translates its toolkit's keys into them.
#pragma once

#include <cstdint>

namespace tavlo {

enum TVirtualKey : uint16_t {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_PAUSE = 19,
    VK_CAPITAL = 20,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33, // Page Up
    VK_NEXT = 34,  // Page Down
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_0 = 48, // digits 0..9 follow in order
    VK_9 = 57,
    VK_A = 65, // letters A..Z follow in order, upper case
    VK_Z = 90,
    VK_LWIN = 91,
    VK_RWIN = 92,
    VK_APPS = 93,
    VK_NUMPAD0 = 96, // keypad digits 0..9 follow in order
    VK_NUMPAD9 = 105,
    VK_MULTIPLY = 106,
    VK_ADD = 107,
    VK_SEPARATOR = 108,
    VK_SUBTRACT = 109,
    VK_DECIMAL = 110,
    VK_DIVIDE = 111,
    VK_F1 = 112, // function keys F1..F24 follow in order
    VK_F12 = 123,
    VK_F24 = 135,
    VK_NUMLOCK = 144,
    VK_SCROLL = 145,
    VK_OEM_1 = 186,      // ;:
    VK_OEM_PLUS = 187,   // =+
    VK_OEM_COMMA = 188,  // ,<
    VK_OEM_MINUS = 189,  // -_
    VK_OEM_PERIOD = 190, // .>
    VK_OEM_2 = 191,      // /?
    VK_OEM_3 = 192,      // `~
    VK_OEM_4 = 219,      // [{
    VK_OEM_5 = 220,      // \|
    VK_OEM_6 = 221,      // ]}
    VK_OEM_7 = 222,      // '"
};

constexpr uint16_t VirtualKeyOfLetter(char upperLetter) {
    return uint16_t(VK_A + (upperLetter - 'A'));
}
constexpr uint16_t VirtualKeyOfDigit(int digit) {
    return uint16_t(VK_0 + digit);
}

// Modifier flags held down with a key.
using TShiftState = uint8_t;
enum : TShiftState { ssShift = 1, ssAlt = 2, ssCtrl = 4 };

// A key with its modifiers in one 16-bit value: the key code in the low byte.
using TShortCut = uint16_t;
enum : TShortCut { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };

// 0 for a key code that does not fit the low byte.
constexpr TShortCut ShortCutOf(uint16_t key, TShiftState shift) {
    if (key > 0xFF) return 0;
    TShortCut result = key;
    if (shift & ssShift) result |= scShift;
    if (shift & ssCtrl) result |= scCtrl;
    if (shift & ssAlt) result |= scAlt;
    return result;
}

constexpr uint16_t KeyOfShortCut(TShortCut shortCut) {
    return shortCut & 0xFF;
}

constexpr TShiftState ShiftOfShortCut(TShortCut shortCut) {
    TShiftState shift = 0;
    if (shortCut & scShift) shift |= ssShift;
    if (shortCut & scCtrl) shift |= ssCtrl;
    if (shortCut & scAlt) shift |= ssAlt;
    return shift;
}

} // namespace tavlo
