#include "app/dlgSearchText.h"

#include "app/DialogButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tavlo {

namespace {

constexpr int HistoryLength = 10;
constexpr int TextBoxWidth = 260;

} // namespace

QStringList WithNewestEntry(const QStringList& history, const QString& text) {
    if (text.isEmpty()) return history;
    QStringList result{text};
    for (const QString& entry : history)
        if (entry.compare(text, Qt::CaseInsensitive) != 0 && result.size() < HistoryLength)
            result << entry;
    return result;
}

TTextSearchDialog::TTextSearchDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Znajdź"));
    auto* layout = new QVBoxLayout(this);
    m_textRows = new QGridLayout;
    layout->addLayout(m_textRows);
    cbSearchText = addTextRow(QStringLiteral("Znaj&dź:"));

    auto* options = new QGroupBox(QStringLiteral("Opcje"), this);
    auto* optionsLayout = new QVBoxLayout(options);
    cbSearchCaseSensitive = new QCheckBox(QStringLiteral("&Uwzględnij wielkość liter"), options);
    cbSearchWholeWords = new QCheckBox(QStringLiteral("Znajdź tylko &całe wyrazy"), options);
    cbSearchFromCursor = new QCheckBox(QStringLiteral("Rozpocznij od &kursora"), options);
    cbSearchSelectedOnly = new QCheckBox(QStringLiteral("Szukaj tylko w &zaznaczeniu"), options);
    for (QCheckBox* box :
         {cbSearchCaseSensitive, cbSearchWholeWords, cbSearchFromCursor, cbSearchSelectedOnly})
        optionsLayout->addWidget(box);

    auto* direction = new QGroupBox(QStringLiteral("Kierunek"), this);
    auto* directionLayout = new QVBoxLayout(direction);
    rbForward = new QRadioButton(QStringLiteral("Do &przodu"), direction);
    rbBackward = new QRadioButton(QStringLiteral("&Wstecz"), direction);
    directionLayout->addWidget(rbForward);
    directionLayout->addWidget(rbBackward);
    directionLayout->addStretch();
    rbForward->setChecked(true);

    auto* groups = new QHBoxLayout;
    groups->addWidget(options, 1);
    groups->addWidget(direction);
    layout->addLayout(groups);

    layout->addWidget(MakeOkCancelButtons(this));
    finishLayout();
}

QComboBox* TTextSearchDialog::addTextRow(const QString& label) {
    const int row = m_textRows->rowCount();
    auto* box = new QComboBox(this);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumWidth(TextBoxWidth);
    auto* caption = new QLabel(label, this);
    caption->setBuddy(box);
    m_textRows->addWidget(caption, row, 0);
    m_textRows->addWidget(box, row, 1);
    finishLayout();
    return box;
}

void TTextSearchDialog::finishLayout() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    CentreOnScreen(this);
}

void TTextSearchDialog::SetValues(const TSearchDialogValues& values) {
    (values.backwards ? rbBackward : rbForward)->setChecked(true);
    cbSearchCaseSensitive->setChecked(values.caseSensitive);
    cbSearchFromCursor->setChecked(values.fromCaret);
    cbSearchSelectedOnly->setChecked(values.selectionOnly);
    cbSearchWholeWords->setChecked(values.wholeWords);
    cbSearchText->clear();
    cbSearchText->addItems(values.searchHistory);
    cbSearchText->setEditText(values.searchText);
    cbSearchText->lineEdit()->selectAll();
}

TSearchDialogValues TTextSearchDialog::Values() const {
    TSearchDialogValues values;
    values.backwards = rbBackward->isChecked();
    values.caseSensitive = cbSearchCaseSensitive->isChecked();
    values.fromCaret = cbSearchFromCursor->isChecked();
    values.selectionOnly = cbSearchSelectedOnly->isChecked();
    values.wholeWords = cbSearchWholeWords->isChecked();
    values.searchText = cbSearchText->currentText();
    for (int i = 0; i < cbSearchText->count(); ++i)
        values.searchHistory << cbSearchText->itemText(i);
    return values;
}

} // namespace tavlo
