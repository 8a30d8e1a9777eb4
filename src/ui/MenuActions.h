// Small builders for menu and toolbar items shared by the application's windows.
#pragma once

#include <QKeySequence>
#include <QString>
#include <QStringList>

class QAction;
class QComboBox;
class QObject;
class QWidget;

namespace tavlo {

// A menu / toolbar item; the hint is what a toolbar button shows on hover.
QAction* MakeAction(QObject* owner, const QString& caption, const QKeySequence& shortcut = {},
                    const QString& hint = {});

// An item with several short-cuts, the first one shown in menus.
QAction* MakeAction(QObject* owner, const QString& caption, const QList<QKeySequence>& shortcuts);

// A drop-down list (not editable) with fixed entries, whose open list shows every entry
// whole and at most `visibleRows` rows at once, scrolling through the rest, whatever the
// style.
QComboBox* MakeDropDownList(QWidget* parent, const QStringList& entries, int visibleRows);

// Menu captions treat '&' as an accelerator mark; file names must show it as it is.
QString LiteralMenuCaption(const QString& text);

} // namespace tavlo
