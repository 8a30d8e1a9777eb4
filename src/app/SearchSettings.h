// What the find and replace dialogs remember for the whole run: the texts and the four
// check boxes they share. The settings store keeps it between runs.
#pragma once

#include <QString>

namespace tavlo {

struct TSearchSettings {
    QString FindText;
    QString ReplaceText;
    bool CaseSensitive = false;
    bool WholeWords = false;
    bool FromCaret = false;
    bool SelectionOnly = false;
};

} // namespace tavlo
