#include "app/dlgReplaceText.h"

#include <QCheckBox>
#include <QComboBox>

namespace tavlo {

TTextReplaceDialog::TTextReplaceDialog(QWidget* parent) : TTextSearchDialog(parent) {
    setWindowTitle(QStringLiteral("Znajdź i zamień"));
    cbReplaceText = addTextRow(QStringLiteral("Zamień &na:"));
    setTabOrder(cbSearchText, cbReplaceText);
    setTabOrder(cbReplaceText, cbSearchCaseSensitive);
}

void TTextReplaceDialog::SetValues(const TSearchDialogValues& values) {
    TTextSearchDialog::SetValues(values);
    cbReplaceText->clear();
    cbReplaceText->addItems(values.replaceHistory);
    cbReplaceText->setEditText(values.replaceText);
}

TSearchDialogValues TTextReplaceDialog::Values() const {
    TSearchDialogValues values = TTextSearchDialog::Values();
    values.replaceText = cbReplaceText->currentText();
    for (int i = 0; i < cbReplaceText->count(); ++i)
        values.replaceHistory << cbReplaceText->itemText(i);
    return values;
}

} // namespace tavlo
