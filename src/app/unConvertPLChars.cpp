#include "app/unConvertPLChars.h"

#include "app/DialogButtons.h"
#include "editor/PolishCharsets.h"
#include "ui/MenuActions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace tavlo {

QStringList PolishStandardEntries() {
    return {QStringLiteral("Code Page 1250 (Windows)"), QStringLiteral("Code Page 852 (Latin-2)"),
            QStringLiteral("Mazovia"), QStringLiteral("ISO-8859-2 (HTML)"),
            QStringLiteral("Bez polskich znaków")};
}

TfrConvertPLChars::TfrConvertPLChars(QWidget* parent, int from) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Standard polskich znaków"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Zmień standard polskich znaków z:"), this));
    ComboBoxCharsetFrom = MakeDropDownList(this, PolishStandardEntries(), PolishStandardCount);
    layout->addWidget(ComboBoxCharsetFrom);
    layout->addWidget(new QLabel(QStringLiteral("na:"), this));
    ComboBoxCharsetTo = MakeDropDownList(this, PolishStandardEntries(), PolishStandardCount);
    layout->addWidget(ComboBoxCharsetTo);
    layout->addWidget(MakeOkCancelButtons(this));
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ComboBoxCharsetFrom->setCurrentIndex(from);
    ComboBoxCharsetTo->setCurrentIndex(from == 0 ? 1 : 0);
    ComboBoxCharsetTo->setFocus();
    adjustSize();
    CentreOnScreen(this);
}

} // namespace tavlo
