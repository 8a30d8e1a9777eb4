#include "app/dlgConfirmReplace.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include <cmath>

namespace tavlo {

namespace {

constexpr int LabelWidth = 280;
constexpr int Gap = 4; // between the line and the dialog

} // namespace

TConfirmReplaceDialog::TConfirmReplaceDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Confirm replace"));
    auto* layout = new QGridLayout(this);
    auto* icon = new QLabel(this);
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(iconSize));
    icon->setAlignment(Qt::AlignTop);
    layout->addWidget(icon, 0, 0);
    lblConfirmation = new QLabel(this);
    lblConfirmation->setWordWrap(true);
    lblConfirmation->setFixedWidth(LabelWidth);
    layout->addWidget(lblConfirmation, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);

    auto* buttons = new QHBoxLayout;
    btnReplace = new QPushButton(QStringLiteral("&Tak"), this);
    btnSkip = new QPushButton(QStringLiteral("&Nie"), this);
    btnCancel = new QPushButton(QStringLiteral("Anuluj"), this);
    btnReplaceAll = new QPushButton(QStringLiteral("Zamien wszyst&ko"), this);
    btnReplace->setDefault(true);
    buttons->addStretch();
    for (QPushButton* button : {btnReplace, btnSkip, btnCancel, btnReplaceAll})
        buttons->addWidget(button);
    layout->addLayout(buttons, 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(btnReplace, &QPushButton::clicked, this, [this] { done(Yes); });
    connect(btnSkip, &QPushButton::clicked, this, [this] { done(No); });
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnReplaceAll, &QPushButton::clicked, this, [this] { done(All); });
}

void TConfirmReplaceDialog::SetReplacement(const QString& replacement) {
    lblConfirmation->setText(QStringLiteral("Zamienić to wystąpienie na \"%1\"?").arg(replacement));
    adjustSize();
}

QPoint ConfirmReplacePosition(QSize frameSize, const QRect& windowClient, QPoint matchTopLeft,
                              int lineBottom) {
    const int width = frameSize.width(), height = frameSize.height();
    const int left = windowClient.left(), top = windowClient.top();
    const int right = left + windowClient.width();
    const int areaWidth = windowClient.width(), areaHeight = windowClient.height();
    QPoint at;
    if (areaWidth <= width)
        at.setX(left - (width - areaWidth) / 2);
    else
        at.setX(matchTopLeft.x() + width > right ? right - width : matchTopLeft.x());
    const int lowerThird = top + int(std::lround(areaHeight * 2 / 3.0));
    at.setY(lineBottom > lowerThird ? matchTopLeft.y() - height - Gap : lineBottom + Gap);
    return at;
}

} // namespace tavlo
