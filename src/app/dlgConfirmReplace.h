// The question asked before each replacement of a replace run, placed beside the match.
#pragma once

#include "app/Prompter.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tavlo {

class TConfirmReplaceDialog : public QDialog {
    Q_OBJECT

public:
    // exec() results besides Rejected (Cancel).
    enum TResult { Yes = 2, No, All };

    explicit TConfirmReplaceDialog(QWidget* parent);
    void SetReplacement(const QString& replacement);

    QLabel* lblConfirmation;
    QPushButton* btnReplace;
    QPushButton* btnSkip;
    QPushButton* btnCancel;
    QPushButton* btnReplaceAll;
};

// Where a dialog of frameSize goes so that it stays clear of the match's line: its left edge
// at the match (kept inside the window's client area, or centred on a narrower area), and
// above the line when the line is in the lower third of the area, else below it.
QPoint ConfirmReplacePosition(QSize frameSize, const QRect& windowClient, QPoint matchTopLeft,
                              int lineBottom);

} // namespace tavlo
