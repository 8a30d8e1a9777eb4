// The program speaks Polish also where Qt draws its own texts: the translation of Qt's
// dialogs, and the message boxes' buttons named in code for machines without it.
#pragma once

class QCoreApplication;
class QMessageBox;

namespace tavlo {

// Loads Qt's own Polish texts; false when the translation is not installed.
bool InstallQtPolishTranslation(QCoreApplication& application);

// "Tak", "Nie", "Anuluj", "OK" on the box's standard buttons.
void SetPolishButtonTexts(QMessageBox& box);

} // namespace tavlo
