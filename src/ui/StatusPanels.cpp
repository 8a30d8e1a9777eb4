#include "ui/StatusPanels.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>

#include <algorithm>
#include <cmath>

namespace tavlo {

namespace {

// Room between the frame and the text on either side.
constexpr int kTextMargin = 2;

} // namespace

// A label that shortens its text to the room it has instead of growing the bar. A fixed
// panel widens for a text its width cannot hold (a caret line in the millions, a large
// system font) and returns to its width afterwards: those texts must not lose digits.
class TPanelLabel : public QLabel {
public:
    TPanelLabel(const TPanelLayout& layout, QWidget* parent)
        : QLabel(parent), m_elide(layout.elide), m_fixedWidth(layout.stretch ? 0 : layout.width) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setAlignment(layout.alignment);
        if (layout.stretch) {
            setMinimumWidth(layout.width);
            setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        } else {
            setFixedWidth(layout.width);
        }
        if (layout.color.isValid()) {
            QPalette colours = palette();
            colours.setColor(QPalette::WindowText, layout.color);
            setPalette(colours);
        }
    }

    void setFullText(const QString& text) {
        m_text = text;
        setToolTip(text);
        if (m_fixedWidth > 0) setFixedWidth(std::max(m_fixedWidth, widthFor(text)));
        update();
    }
    const QString& fullText() const { return m_text; }

    std::function<void()> OnClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLabel::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick) OnClick();
    }

    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event); // the frame
        QPainter painter(this);
        const QRect room = contentsRect().adjusted(kTextMargin, 0, -kTextMargin, 0);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(room, int(alignment()),
                         fontMetrics().elidedText(m_text, m_elide, room.width()));
    }

private:
    // The text's width in whole pixels, rounded up: a text a fraction of a pixel wider than
    // its room is painted with an ellipsis.
    int widthFor(const QString& text) const {
        const QMargins frame = contentsMargins();
        const int textWidth = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(text)));
        return textWidth + 2 * kTextMargin + frame.left() + frame.right();
    }

    QString m_text;
    Qt::TextElideMode m_elide;
    int m_fixedWidth; // 0 for the stretching panel
};

TStatusPanels::TStatusPanels(QStatusBar* bar, const std::vector<TPanelLayout>& layouts) {
    for (const TPanelLayout& layout : layouts) {
        auto* label = new TPanelLabel(layout, bar);
        label->OnClick = [this, index = int(m_panels.size())] {
            if (OnPanelClick) OnPanelClick(index);
        };
        bar->addWidget(label, layout.stretch ? 1 : 0);
        m_panels.push_back(label);
    }
}

void TStatusPanels::SetText(int index, const QString& text) {
    if (index >= 0 && index < Count()) m_panels[size_t(index)]->setFullText(text);
}

QString TStatusPanels::Text(int index) const {
    return index >= 0 && index < Count() ? m_panels[size_t(index)]->fullText() : QString();
}

} // namespace tavlo
