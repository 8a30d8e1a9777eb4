// What the error box says when a file cannot be opened or saved: the file layer's message,
// then on a line of its own why, and for a save what became of the old file.
#pragma once

#include "editor/FileErrors.h"

#include <QString>

namespace tavlo {

// Lines are separated by CR, as in every message box text.
QString FileErrorMessage(const EFileError& error);
QString FileErrorReasonText(TFileErrorReason reason, int systemError);

} // namespace tavlo
