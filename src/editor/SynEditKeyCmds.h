// Editor command numbers. What each does lives with the editing commands; which keys
// reach them lives with the keystroke table.
#pragma once

#include <cstdint>

namespace tavlo {

using TSynEditorCommand = uint16_t;

enum : TSynEditorCommand {
    ecNone = 0,

    ecLeft = 1, ecRight = 2, ecUp = 3, ecDown = 4, ecWordLeft = 5, ecWordRight = 6,
    ecLineStart = 7, ecLineEnd = 8, ecPageUp = 9, ecPageDown = 10, ecPageLeft = 11,
    ecPageRight = 12, ecPageTop = 13, ecPageBottom = 14, ecEditorTop = 15,
    ecEditorBottom = 16, ecGotoXY = 17,

    ecSelection = 100, // added to a movement, it extends the selection
    ecSelLeft = 101, ecSelRight = 102, ecSelUp = 103, ecSelDown = 104, ecSelWordLeft = 105,
    ecSelWordRight = 106, ecSelLineStart = 107, ecSelLineEnd = 108, ecSelPageUp = 109,
    ecSelPageDown = 110, ecSelPageLeft = 111, ecSelPageRight = 112, ecSelPageTop = 113,
    ecSelPageBottom = 114, ecSelEditorTop = 115, ecSelEditorBottom = 116, ecSelGotoXY = 117,

    ecSelectAll = 199,
    ecCopy = 201,
    ecScrollUp = 211, ecScrollDown = 212, ecScrollLeft = 213, ecScrollRight = 214,
    ecInsertMode = 221, ecOverwriteMode = 222, ecToggleMode = 223,
    ecNormalSelect = 231, ecColumnSelect = 232, ecLineSelect = 233,
    ecMatchBracket = 250,

    ecGotoMarker0 = 301, ecGotoMarker1, ecGotoMarker2, ecGotoMarker3, ecGotoMarker4,
    ecGotoMarker5, ecGotoMarker6, ecGotoMarker7, ecGotoMarker8, ecGotoMarker9,
    ecSetMarker0 = 351, ecSetMarker1, ecSetMarker2, ecSetMarker3, ecSetMarker4,
    ecSetMarker5, ecSetMarker6, ecSetMarker7, ecSetMarker8, ecSetMarker9,

    ecContextHelp = 490,

    ecDeleteLastChar = 501, ecDeleteChar = 502, ecDeleteWord = 503, ecDeleteLastWord = 504,
    ecDeleteBOL = 505, ecDeleteEOL = 506, ecDeleteLine = 507, ecClearAll = 508,
    ecLineBreak = 509, ecInsertLine = 510, ecChar = 511, ecImeStr = 550,

    ecUndo = 601, ecRedo = 602, ecCut = 603, ecPaste = 604,
    ecBlockIndent = 610, ecBlockUnindent = 611, ecTab = 612, ecShiftTab = 613,
    ecUpperCase = 620, ecLowerCase = 621, ecToggleCase = 622, ecTitleCase = 623,
    ecAutoCompletion = 650,

    ecUserFirst = 1001,
};

} // namespace tavlo
