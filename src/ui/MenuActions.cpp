#include "ui/MenuActions.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QStyle>

namespace tavlo {

QAction* MakeAction(QObject* owner, const QString& caption, const QKeySequence& shortcut,
                    const QString& hint) {
    auto* action = new QAction(caption, owner);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    if (!hint.isEmpty()) action->setToolTip(hint);
    return action;
}

QAction* MakeAction(QObject* owner, const QString& caption, const QList<QKeySequence>& shortcuts) {
    auto* action = new QAction(caption, owner);
    action->setShortcuts(shortcuts);
    return action;
}

QComboBox* MakeDropDownList(QWidget* parent, const QStringList& entries, int visibleRows) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(false);
    combo->addItems(entries);
    combo->setMaxVisibleItems(visibleRows);
    // Styles that open the list over the box (Fusion among them) show every entry and
    // ignore the row count; the plain drop-down list keeps it.
    combo->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // Also when the closed box is made narrower than its entries.
    QAbstractItemView* list = combo->view();
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    return combo;
}

QString LiteralMenuCaption(const QString& text) {
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace tavlo
