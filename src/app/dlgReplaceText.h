// The find-and-replace dialog: the find dialog with the replacement text and its history.
#pragma once

#include "app/dlgSearchText.h"

namespace tavlo {

class TTextReplaceDialog : public TTextSearchDialog {
    Q_OBJECT

public:
    explicit TTextReplaceDialog(QWidget* parent);

    void SetValues(const TSearchDialogValues& values) override;
    TSearchDialogValues Values() const override;

    QComboBox* cbReplaceText;
};

} // namespace tavlo
