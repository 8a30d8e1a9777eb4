// Keys the main window handles in the editor before the editor does: Polish letters typed
// with Ctrl+Alt in the document's standard, the keys of disabled menu items, and Esc, which
// closes the window.
#include "app/EditorDocumentView.h"
#include "app/unMain.h"
#include "editor/PolishCharsets.h"
#include "editor/SynEdit.h"
#include "platform/qt/KeyTranslation.h"

#include <QAction>
#include <QComboBox>

namespace tavlo {

namespace {

constexpr char kEscape = '\x1B';

// The letter keys of ą ć ę ł ń ó ś ź ż, in table order (ź is on X, ż on Z).
constexpr char kPolishLetterKeys[] = "ACELNOSXZ";

// Column of the Polish letter table for a key with exactly Ctrl+Alt (small letters) or
// Ctrl+Alt+Shift (capitals); -1 for anything else.
int polishLetterColumn(uint16_t key, TShiftState shift) {
    const TShiftState held = shift & (ssCtrl | ssAlt | ssShift);
    if (held != (ssCtrl | ssAlt) && held != (ssCtrl | ssAlt | ssShift)) return -1;
    for (int i = 0; kPolishLetterKeys[i]; ++i)
        if (key == VirtualKeyOfLetter(kPolishLetterKeys[i]))
            return (held & ssShift) ? i + PolishLetterCount / 2 : i;
    return -1;
}

// A menu item keeps its key while it is disabled: the editor's own meaning of the key
// (Ctrl+N inserts a line) must not run in the item's place.
bool isKeyOfDisabledMenuItem(const QObject& window, uint16_t key, TShiftState shift) {
    const TShortCut pressed = ShortCutOf(key, shift & (ssShift | ssCtrl | ssAlt));
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (action->isEnabled()) continue;
        for (const QKeySequence& sequence : action->shortcuts()) {
            if (sequence.isEmpty()) continue;
            const QKeyCombination combination = sequence[0];
            const Qt::KeyboardModifiers modifiers = combination.keyboardModifiers();
            if (ShortCutOf(VirtualKeyOf(int(combination.key()), modifiers),
                           ShiftStateOf(modifiers)) == pressed)
                return true;
        }
    }
    return false;
}

} // namespace

void TfrMain::connectEditorKeys() {
    TSynEditKbdHandler& keys = m_view->Engine().KbdHandler();
    // Standard 0 needs no help: the keyboard layout's own letters are already right. No
    // character follows Ctrl+Alt+letter here, so the letter is typed at once.
    keys.AddKeyDownHandler([this](TCustomSynEdit& editor, uint16_t& key, TShiftState shift) {
        const int standard = ComboBoxCharset->currentIndex();
        if (standard < 1) return;
        const int column = polishLetterColumn(key, shift);
        if (column < 0) return;
        editor.RunCommand(ecChar, char(PolishLetterBytes[standard][column]), nullptr);
        key = 0;
    });
    keys.AddKeyDownHandler([this](TCustomSynEdit&, uint16_t& key, TShiftState shift) {
        if (key != 0 && isKeyOfDisabledMenuItem(*this, key, shift)) key = 0;
    });
    keys.AddKeyPressHandler([this](TCustomSynEdit&, char& key) {
        if (key != kEscape) return;
        key = 0;
        close();
    });
}

} // namespace tavlo
