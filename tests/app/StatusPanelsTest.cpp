#include "ui/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace tavlo {

namespace {

// Whether the panel's whole text fits inside its frame and margins, as it is painted.
bool showsWholeText(const QLabel* panel, const QString& text) {
    return panel->fontMetrics().horizontalAdvance(text) <= panel->contentsRect().width() - 4;
}

} // namespace

TEST(StatusPanels, FixedPanelsKeepTheirWidthAndWidenForTextThatWouldNotFit) {
    QStatusBar bar;
    bar.resize(800, 30);
    TStatusPanels panels(&bar, {{70, Qt::AlignLeft, false, Qt::ElideRight, {}},
                                {100, Qt::AlignLeft, true, Qt::ElideMiddle, {}}});
    const QList<QLabel*> labels = bar.findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    QLabel* caret = labels[0];

    panels.SetText(0, QStringLiteral("1: 1"));
    EXPECT_EQ(caret->width(), 70);

    // A caret far down a big file: its line number must not be cut off.
    const QString farDown = QStringLiteral("1234: 12345678");
    panels.SetText(0, farDown);
    bar.show();
    EXPECT_TRUE(showsWholeText(caret, farDown)) << caret->width();

    panels.SetText(0, QStringLiteral("1: 1"));
    EXPECT_EQ(caret->width(), 70);
    EXPECT_EQ(panels.Text(0), QStringLiteral("1: 1"));
}

} // namespace tavlo
