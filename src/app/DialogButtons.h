// Pieces the main window's small dialogs share.
#pragma once

class QDialog;
class QDialogButtonBox;
class QWidget;

namespace tavlo {

// "OK" (the default button, accepts) and "Anuluj" (rejects, also on Esc).
QDialogButtonBox* MakeOkCancelButtons(QDialog* dialog);
void CentreOnScreen(QWidget* window);

} // namespace tavlo
