// The dialog that picks the Polish character standards to convert the text from and to.
#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;

namespace tavlo {

// The standards as the combo boxes list them, index = standard number.
QStringList PolishStandardEntries();

class TfrConvertPLChars : public QDialog {
    Q_OBJECT

public:
    // Starts from `from`; the target is Code Page 852 when converting from 1250, else 1250.
    TfrConvertPLChars(QWidget* parent, int from);

    QComboBox* ComboBoxCharsetFrom;
    QComboBox* ComboBoxCharsetTo;
};

} // namespace tavlo
