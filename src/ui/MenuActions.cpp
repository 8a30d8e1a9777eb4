#include "ui/MenuActions.h"

#include <QAction>
#include <QComboBox>

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
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QString LiteralMenuCaption(const QString& text) {
    QString caption = text;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace tavlo
