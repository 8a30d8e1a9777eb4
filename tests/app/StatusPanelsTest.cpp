#include "ui/StatusPanels.h"

#include <QLabel>
#include <QStatusBar>
#include <gtest/gtest.h>

namespace tavlo {

namespace {

// Whether the panel paints its whole text inside its frame and margins, without an ellipsis.
bool showsWholeText(const QLabel* panel, const QString& text) {
    return panel->fontMetrics().elidedText(text, Qt::ElideRight, panel->contentsRect().width() - 4) == text;
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

    // A caret far down a big file: its line number must not be cut off, even where the
    // text's width is a fraction of a pixel more than its rounded width.
    bar.show();
    for (const QString& farDown : {QStringLiteral("1234: 12345678"), QStringLiteral("31: 2841486"),
                                   QStringLiteral("1: 99999999"), QStringLiteral("1024: 1111111")}) {
        panels.SetText(0, farDown);
        EXPECT_TRUE(showsWholeText(caret, farDown)) << farDown.toStdString() << " in " << caret->width();
    }

    panels.SetText(0, QStringLiteral("1: 1"));
    EXPECT_EQ(caret->width(), 70);
    EXPECT_EQ(panels.Text(0), QStringLiteral("1: 1"));
}

} // namespace tavlo
