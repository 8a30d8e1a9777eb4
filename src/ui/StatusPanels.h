// A status bar split into fixed panels of given widths, as the main window shows them.
#pragma once

#include <QColor>
#include <QString>
#include <Qt>
#include <functional>
#include <vector>

class QStatusBar;

namespace tavlo {

class TPanelLabel;

struct TPanelLayout {
    int width = 70;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    // A stretching panel takes the room the fixed ones leave.
    bool stretch = false;
    Qt::TextElideMode elide = Qt::ElideRight;
    QColor color; // invalid: the palette's text colour
};

class TStatusPanels {
public:
    TStatusPanels(QStatusBar* bar, const std::vector<TPanelLayout>& layouts);

    int Count() const { return int(m_panels.size()); }
    // Out-of-range indexes are ignored / read as empty.
    void SetText(int index, const QString& text);
    QString Text(int index) const;

    // A click on a panel, with its index.
    std::function<void(int index)> OnPanelClick;

private:
    std::vector<TPanelLabel*> m_panels; // owned by the status bar
};

} // namespace tavlo
