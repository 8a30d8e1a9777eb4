// The window effects the engine asks for: repainting, scrolling pixels, the scroll bars,
// the caret the widget draws itself, the pointer, the timer and the scroll hint.
#include <QApplication>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>

#include "platform/qt/SynEditWidget.h"
#include "platform/qt/SynTextDrawer.h"

namespace tavlo {

namespace {

QRect toQRect(const TRect& rect) { return QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)); }

Qt::CursorShape cursorOf(TPointerShape shape) {
    switch (shape) {
    case TPointerShape::Default:
    case TPointerShape::Arrow: return Qt::ArrowCursor;
    case TPointerShape::IBeam: return Qt::IBeamCursor;
    case TPointerShape::Drag: return Qt::DragMoveCursor;
    case TPointerShape::MultiDrag: return Qt::DragCopyCursor;
    case TPointerShape::NoDrop: return Qt::ForbiddenCursor;
    }
    return Qt::ArrowCursor;
}

} // namespace

int32_t TSynEditWidget::ClientWidth() const { return viewport()->width(); }
int32_t TSynEditWidget::ClientHeight() const { return viewport()->height(); }
int32_t TSynEditWidget::CharWidth() const { return m_drawer->CharWidth(); }
int32_t TSynEditWidget::CharHeight() const { return m_drawer->CharHeight(); }

void TSynEditWidget::InvalidateRect(const TRect& rect) { viewport()->update(toQRect(rect)); }
void TSynEditWidget::InvalidateAll() { viewport()->update(); }

void TSynEditWidget::ScrollPixels(int32_t dx, int32_t dy, const TRect& area) {
    viewport()->scroll(dx, dy, toQRect(area));
    // The caret travels with its text, as a system caret does, so it stays on its character
    // (or off screen with it) until the engine places it again; where it lands is repainted.
    m_caretPos += QPoint(dx, dy);
    updateCaret();
}

void TSynEditWidget::RepaintNow() {
    // Paints only what is invalid, at once.
    QCoreApplication::sendPostedEvents(viewport()->window(), QEvent::UpdateRequest);
}

void TSynEditWidget::SetScrollBar(TScrollBarKind kind, const TScrollBarInfo& info) {
    QScrollBar* bar = kind == TScrollBarKind::Horizontal ? horizontalScrollBar() : verticalScrollBar();
    const int page = std::max(1, info.Page);
    // Qt's maximum is the last position of the page's top, not the end of the range.
    bar->setRange(info.Min, std::max(info.Min, info.Max - page + 1));
    bar->setPageStep(page);
    bar->setSingleStep(1);
    bar->setValue(info.Position);
    bar->setEnabled(info.Max - info.Min + 1 > info.Page);
    if (info.HideWhenUnneeded != m_hideUnneededBars) {
        m_hideUnneededBars = info.HideWhenUnneeded;
        applyScrollBarPolicies();
    }
}

void TSynEditWidget::applyScrollBarPolicies() {
    auto policy = [this](bool wanted) {
        if (!wanted) return Qt::ScrollBarAlwaysOff;
        return m_hideUnneededBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOn;
    };
    setHorizontalScrollBarPolicy(policy(m_scrollBars == ssHorizontal || m_scrollBars == ssBoth));
    setVerticalScrollBarPolicy(policy(m_scrollBars == ssVertical || m_scrollBars == ssBoth));
}

// --- caret ---

QRect TSynEditWidget::CaretRect() const {
    if (!m_caretExists || !m_caretVisible || !m_caretOn) return {};
    return QRect(m_caretPos, m_caretSize);
}

void TSynEditWidget::updateCaret() {
    const QRect caret = CaretRect();
    if (!caret.isEmpty()) viewport()->update(caret);
}

void TSynEditWidget::CreateCaret(int32_t width, int32_t height) {
    updateCaret();
    m_caretSize = QSize(width, height);
    m_caretExists = true;
    m_caretVisible = false;
}

void TSynEditWidget::DestroyCaret() {
    updateCaret();
    m_caretExists = false;
    m_caretBlinkTimer.stop();
}

void TSynEditWidget::SetCaretPos(int32_t x, int32_t y) {
    if (m_caretPos == QPoint(x, y)) return;
    updateCaret();
    m_caretPos = QPoint(x, y);
    // A caret that moved shows at once and starts its blink over.
    m_caretOn = true;
    updateCaret();
    if (m_caretBlinkTimer.isActive()) m_caretBlinkTimer.start();
}

void TSynEditWidget::ShowCaret(bool visible) {
    updateCaret();
    m_caretVisible = visible;
    m_caretOn = true;
    updateCaret();
    const int flash = QApplication::cursorFlashTime();
    if (visible && flash > 0)
        m_caretBlinkTimer.start(flash / 2);
    else
        m_caretBlinkTimer.stop();
}

void TSynEditWidget::blinkCaret() {
    if (m_caretOn) updateCaret();
    m_caretOn = !m_caretOn;
    updateCaret();
}

void TSynEditWidget::SetImePosition(int32_t, int32_t) {
    QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

// --- focus, pointer, timer ---

bool TSynEditWidget::HasFocus() const { return hasFocus(); }
void TSynEditWidget::SetFocus() { setFocus(Qt::MouseFocusReason); }
// Qt grabs the pointer for the widget while a button is down.
void TSynEditWidget::SetMouseCapture(bool) {}
void TSynEditWidget::StartTimer(int32_t intervalMs) { m_autoScrollTimer.start(intervalMs); }
void TSynEditWidget::StopTimer() { m_autoScrollTimer.stop(); }
void TSynEditWidget::SetPointerShape(TPointerShape shape) { viewport()->setCursor(cursorOf(shape)); }
int32_t TSynEditWidget::DragThreshold() const { return QApplication::startDragDistance(); }
int32_t TSynEditWidget::WheelScrollLines() const { return QApplication::wheelScrollLines(); }

// --- scroll hint ---

TPoint TSynEditWidget::ScrollHintSize(std::string_view text, int32_t maxWidth) const {
    const QFontMetrics metrics(QToolTip::font());
    const QRect bounds = metrics.boundingRect(QRect(0, 0, maxWidth, 10000), Qt::TextWordWrap,
                                              QString::fromLatin1(text.data(), qsizetype(text.size())));
    constexpr int margin = 4;
    return {bounds.width() + 2 * margin, bounds.height() + 2 * margin};
}

int32_t TSynEditWidget::ScrollArrowHeight() const {
    return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar());
}

void TSynEditWidget::ShowScrollHint(std::string_view text, TPoint clientPos, TColor color) {
    if (!m_scrollHint) {
        m_scrollHint = std::make_unique<QLabel>(nullptr, Qt::ToolTip);
        m_scrollHint->setFont(QToolTip::font());
        m_scrollHint->setMargin(3);
        m_scrollHint->setAutoFillBackground(true);
    }
    QPalette palette = m_scrollHint->palette();
    palette.setColor(QPalette::Window, ToQColor(color));
    m_scrollHint->setPalette(palette);
    m_scrollHint->setText(QString::fromLatin1(text.data(), qsizetype(text.size())));
    m_scrollHint->adjustSize();
    m_scrollHint->move(viewport()->mapToGlobal(QPoint(clientPos.X, clientPos.Y)));
    m_scrollHint->show();
}

void TSynEditWidget::RequestIdleWork() {
    if (!m_idleTimer.isActive()) m_idleTimer.start();
}

void TSynEditWidget::HideScrollHint() {
    if (m_scrollHint) m_scrollHint->hide();
}

} // namespace tavlo
