// Qt's own dialogs as the program shows them: in Polish also where Qt draws the texts
// (its translation, and the buttons named in code for machines without it), with
// readable columns in the file dialogs. The prompter shows them; tests inspect them.
#pragma once

#include "app/Prompter.h"

#include <QFileDialog>
#include <memory>

class QCoreApplication;
class QInputDialog;
class QMessageBox;

namespace tavlo {

// Loads Qt's own Polish texts; false when the translation is not installed.
bool InstallQtPolishTranslation(QCoreApplication& application);

// A message box with "Tak", "Nie", "Anuluj" or "OK"; a CR in the text breaks the line.
std::unique_ptr<QMessageBox> MakeMessageBox(const TPromptMessage& message, QWidget* parent);

// Qt's own file dialog (the same everywhere, and translated), with every column readable.
std::unique_ptr<QFileDialog> MakeFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                            const QString& caption, const QString& start,
                                            const QString& filter);

// A one-line input box with "OK" and "Anuluj".
std::unique_ptr<QInputDialog> MakeInputDialog(QWidget* parent, const QString& caption,
                                              const QString& prompt, const QString& initial);

} // namespace tavlo
