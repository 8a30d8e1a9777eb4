#include "ui/StatusPanels.h"

#include <QLabel>
#include <QPainter>
#include <QStatusBar>

namespace tavlo {

// A label that shortens its text to the room it has instead of growing the bar.
class TPanelLabel : public QLabel {
public:
    TPanelLabel(const TPanelLayout& layout, QWidget* parent) : QLabel(parent), m_elide(layout.elide) {
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
        update();
    }
    const QString& fullText() const { return m_text; }

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event); // the frame
        QPainter painter(this);
        const QRect room = contentsRect().adjusted(2, 0, -2, 0);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(room, int(alignment()),
                         fontMetrics().elidedText(m_text, m_elide, room.width()));
    }

private:
    QString m_text;
    Qt::TextElideMode m_elide;
};

TStatusPanels::TStatusPanels(QStatusBar* bar, const std::vector<TPanelLayout>& layouts) {
    for (const TPanelLayout& layout : layouts) {
        auto* label = new TPanelLabel(layout, bar);
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
