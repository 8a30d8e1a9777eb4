// Qt keys to the Windows virtual-key codes and modifier sets the keystroke table stores,
// so stored key maps keep their meaning.
#pragma once

#include <Qt>

#include <cstdint>

#include "editor/SynEditKeyConst.h"

class QKeyEvent;

namespace tavlo {

// 0 for a key without a virtual-key code (a dead key, a letter outside A..Z).
uint16_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers);
uint16_t VirtualKeyOf(const QKeyEvent& event);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);
// Modifiers plus the mouse buttons held.
TShiftState PointerShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

} // namespace tavlo
