#include "app/unConvertPLChars.h"

#include "editor/PolishCharsets.h"
#include "ui/MenuActions.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
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
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Anuluj"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ComboBoxCharsetFrom->setCurrentIndex(from);
    ComboBoxCharsetTo->setCurrentIndex(from == 0 ? 1 : 0);
    ComboBoxCharsetTo->setFocus();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace tavlo
