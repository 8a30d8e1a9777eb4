#include "platform/qt/SynEditPrintPreviewWidget.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>

namespace tavlo {

namespace {

QRect ToQRect(const TRect& rect) { return QRect(rect.Left, rect.Top, rect.Right - rect.Left, rect.Bottom - rect.Top); }

class TQtPreviewCanvas : public TPreviewCanvas {
public:
    TQtPreviewCanvas(QPainter& painter, TTextDrawer& drawer) : m_painter(painter), m_surface(painter), m_drawer(drawer) {}

    void FillRect(const TRect& rect, TColor color) override {
        if (rect.Right > rect.Left && rect.Bottom > rect.Top) m_painter.fillRect(ToQRect(rect), ToQColor(color));
    }
    void DrawLine(TPoint from, TPoint to, TColor color) override {
        m_painter.setPen(ToQColor(color));
        m_painter.drawLine(from.X, from.Y, to.X, to.Y);
    }
    void FrameRect(const TRect& rect, TColor border, TColor fill) override {
        m_painter.fillRect(ToQRect(rect), ToQColor(fill));
        m_painter.setPen(ToQColor(border));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(rect.Left, rect.Top, rect.Right - rect.Left - 1, rect.Bottom - rect.Top - 1);
    }
    void BeginPageMapping(TPoint origin, TPoint logical, TPoint device, const TRect& clip) override {
        m_painter.save();
        m_painter.translate(origin.X, origin.Y);
        m_painter.scale(double(device.X) / std::max(logical.X, 1), double(device.Y) / std::max(logical.Y, 1));
        m_painter.setClipRect(ToQRect(clip));
    }
    void EndPageMapping() override { m_painter.restore(); }
    TTextDrawer& Drawer() override { return m_drawer; }
    TDrawSurface& Surface() override { return m_surface; }

private:
    QPainter& m_painter;
    TQtDrawSurface m_surface;
    TTextDrawer& m_drawer;
};

TPreviewScrollAction ActionOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return psaLineBack;
    case QAbstractSlider::SliderSingleStepAdd: return psaLineForward;
    case QAbstractSlider::SliderPageStepSub: return psaPageBack;
    case QAbstractSlider::SliderPageStepAdd: return psaPageForward;
    case QAbstractSlider::SliderToMinimum: return psaToStart;
    case QAbstractSlider::SliderToMaximum: return psaToEnd;
    default: return psaThumbTrack;
    }
}

} // namespace

TSynEditPrintPreviewWidget::TSynEditPrintPreviewWidget(QWidget* parent)
    : QAbstractScrollArea(parent), m_drawer(0, TFontDesc{}) {
    setFrameShape(QFrame::Box);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    for (bool vertical : {false, true}) {
        QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [this, vertical](int action) { scrollBarAction(vertical, action); });
        connect(bar, &QAbstractSlider::sliderReleased, this, [this, vertical, bar] {
            if (m_settingBars) return;
            m_preview.ScrollAction(vertical, psaThumbPosition, bar->sliderPosition());
            m_preview.ScrollAction(vertical, psaEndScroll);
        });
    }
    resize(200, 120);
}

TSynEditPrintPreviewWidget::~TSynEditPrintPreviewWidget() = default;

void TSynEditPrintPreviewWidget::scrollBarAction(bool vertical, int action) {
    if (m_settingBars || action == QAbstractSlider::SliderNoAction) return;
    QScrollBar* bar = vertical ? verticalScrollBar() : horizontalScrollBar();
    m_preview.ScrollAction(vertical, ActionOf(action), bar->sliderPosition());
}

TPoint TSynEditPrintPreviewWidget::ClientSize() const {
    return {viewport()->width(), viewport()->height()};
}

TPoint TSynEditPrintPreviewWidget::ScreenDpi() const { return {logicalDpiX(), logicalDpiY()}; }

void TSynEditPrintPreviewWidget::SetScrollBar(bool vertical, const TPreviewScrollBar& bar) {
    ++m_settingBars;
    QScrollBar* scrollBar = vertical ? verticalScrollBar() : horizontalScrollBar();
    const Qt::ScrollBarPolicy policy = bar.Shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (vertical && verticalScrollBarPolicy() != policy) setVerticalScrollBarPolicy(policy);
    if (!vertical && horizontalScrollBarPolicy() != policy) setHorizontalScrollBarPolicy(policy);
    // Qt's maximum is the last position of the thumb's start, not the end of the range.
    scrollBar->setRange(bar.Min, std::max(bar.Min, bar.Max - std::max(bar.Page, 1) + 1));
    scrollBar->setPageStep(std::max(bar.Page, 1));
    scrollBar->setSingleStep(vertical ? std::max(viewport()->height() / 10, 1) : std::max(viewport()->width() / 10, 1));
    scrollBar->setSliderPosition(bar.Position);
    scrollBar->setValue(bar.Position);
    scrollBar->setEnabled(bar.Enabled);
    --m_settingBars;
}

void TSynEditPrintPreviewWidget::Invalidate() { viewport()->update(); }

void TSynEditPrintPreviewWidget::ScrollPixels(int32_t dx, int32_t dy) {
    viewport()->scroll(dx, dy);
}

void TSynEditPrintPreviewWidget::ShowHint(const std::string& text, const TRect& place) {
    if (!m_hint) {
        m_hint = std::make_unique<QLabel>(nullptr, Qt::ToolTip);
        m_hint->setFont(QToolTip::font());
        m_hint->setMargin(3);
        m_hint->setPalette(QToolTip::palette());
        m_hint->setAutoFillBackground(true);
    }
    m_hint->setText(QString::fromUtf8(text.data(), qsizetype(text.size())));
    m_hint->setMaximumWidth(place.Right - place.Left);
    m_hint->adjustSize();
    m_hint->move(viewport()->mapToGlobal(QPoint(place.Right - m_hint->width(), place.Top)));
    m_hint->show();
}

void TSynEditPrintPreviewWidget::HideHint() {
    if (m_hint) m_hint->hide();
}

void TSynEditPrintPreviewWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    TQtPreviewCanvas canvas(painter, m_drawer);
    const QRect clip = event->rect();
    m_preview.Paint(canvas, {clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
}

void TSynEditPrintPreviewWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    m_preview.Resized();
}

void TSynEditPrintPreviewWidget::wheelEvent(QWheelEvent* event) {
    m_preview.MouseWheel(event->angleDelta().y());
    event->accept();
}

} // namespace tavlo
