// The find dialog: the text to find with its history, the four search options and the
// direction.
#pragma once

#include "app/Prompter.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QRadioButton;

namespace tavlo {

class TTextSearchDialog : public QDialog {
    Q_OBJECT

public:
    explicit TTextSearchDialog(QWidget* parent);

    virtual void SetValues(const TSearchDialogValues& values);
    // The dialog's entries; the histories as the lists were filled.
    virtual TSearchDialogValues Values() const;

    QComboBox* cbSearchText;
    QCheckBox* cbSearchCaseSensitive;
    QCheckBox* cbSearchWholeWords;
    QCheckBox* cbSearchFromCursor;
    QCheckBox* cbSearchSelectedOnly;
    QRadioButton* rbForward;
    QRadioButton* rbBackward;

protected:
    // An editable combo box whose list is a history, in the text rows under the search text.
    QComboBox* addTextRow(const QString& label);
    // Called once the rows are complete: fixes the size and centres the dialog on the screen.
    void finishLayout();

private:
    QGridLayout* m_textRows;
};

// Puts a text at the top of a history (an entry equal but for letter case goes), keeping
// the ten newest; an empty text changes nothing.
QStringList WithNewestEntry(const QStringList& history, const QString& text);

} // namespace tavlo
