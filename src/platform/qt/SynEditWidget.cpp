// Qt events into the engine: keys, typed text, the input method, the mouse, the wheel,
// the scroll bars, the focus and drag-and-drop.
#include "platform/qt/SynEditWidget.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSet>
#include <QUrl>
#include <QWheelEvent>

#include <optional>

#include "editor/PolishCharsets.h"
#include "platform/qt/CodePageText.h"
#include "platform/qt/KeyTranslation.h"
#include "platform/qt/SynTextDrawer.h"

namespace tavlo {

namespace {

// Text dragged between editors carries the address of the source widget; only addresses of
// live widgets of this process are believed.
const QString kDragFormat = QStringLiteral("application/x-tavlo-editor-drag");

QSet<TSynEditWidget*>& liveWidgets() {
    static QSet<TSynEditWidget*> widgets;
    return widgets;
}

QByteArray dragToken(const TSynEditWidget* widget) {
    return QByteArray::number(QCoreApplication::applicationPid()) + ':' +
           QByteArray::number(quintptr(widget));
}

std::optional<TMouseButton> buttonOf(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton: return mbLeft;
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return std::nullopt;
    }
}

TScrollCode scrollCodeOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return scLineDown;
    case QAbstractSlider::SliderSingleStepSub: return scLineUp;
    case QAbstractSlider::SliderPageStepAdd: return scPageDown;
    case QAbstractSlider::SliderPageStepSub: return scPageUp;
    case QAbstractSlider::SliderToMinimum: return scTop;
    case QAbstractSlider::SliderToMaximum: return scBottom;
    default: return scThumbTrack;
    }
}

} // namespace

TSynEditWidget::TSynEditWidget(QWidget* parent)
    : QAbstractScrollArea(parent), m_drawer(std::make_unique<TheTextDrawer>(fsBold, TFontDesc{})) {
    liveWidgets().insert(this);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setCursor(Qt::IBeamCursor);
    applyScrollBarPolicies();

    for (TScrollBarKind kind : {TScrollBarKind::Horizontal, TScrollBarKind::Vertical}) {
        QScrollBar* bar = kind == TScrollBarKind::Horizontal ? horizontalScrollBar() : verticalScrollBar();
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, kind](int action) { scrollBarAction(kind, action); });
        connect(bar, &QAbstractSlider::sliderReleased, this, [this, kind] {
            if (kind == TScrollBarKind::Vertical) m_engine.VerticalScroll(scEndScroll, 0);
        });
    }
    // The wheel over the vertical bar scrolls as over the text: the bar's own wheel handling
    // would pass for a thumb drag and leave the scroll hint showing.
    verticalScrollBar()->installEventFilter(this);
    m_autoScrollTimer.callOnTimeout(this, [this] {
        m_engine.AutoScrollTimerTick(ShiftStateOf(QGuiApplication::queryKeyboardModifiers()));
    });
    m_caretBlinkTimer.callOnTimeout(this, [this] { blinkCaret(); });
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(0);
    m_idleTimer.callOnTimeout(this, [this] {
        guarded([this] {
            if (m_engine.DoIdleWork()) m_idleTimer.start();
        });
    });

    m_acceptFiles = m_engine.HasOption(eoDropFiles);
    m_engine.SetClipboard(&m_clipboard);
    m_engine.SetTextDrawer(m_drawer.get());
    m_engine.SetHost(this);
}

TSynEditWidget::~TSynEditWidget() {
    liveWidgets().remove(this);
    m_engine.SetHost(nullptr);
    m_engine.SetTextDrawer(nullptr);
}

void TSynEditWidget::SetCodePageStandard(int standard) {
    standard = std::clamp(standard, 0, PolishStandardCount - 1);
    m_standard = standard;
    m_drawer->SetCodePage(CodePageCharacters(standard));
    m_clipboard.SetCodePageStandard(standard);
    viewport()->update();
}

void TSynEditWidget::SetScrollBars(TScrollStyle style) {
    m_scrollBars = style;
    applyScrollBarPolicies();
}

void TSynEditWidget::guarded(const std::function<void()>& action) {
    try {
        action();
    } catch (const std::exception& error) {
        if (OnError)
            OnError(*this, error);
        else
            QMessageBox::critical(this, window()->windowTitle(), QString::fromUtf8(error.what()));
    }
}

// --- painting ---

void TSynEditWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    TQtDrawSurface surface(painter);
    const QRect clip = event->rect();
    m_engine.Paint(surface, {clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
    const QRect caret = CaretRect();
    if (caret.intersects(clip)) {
        // Inverting, like a system caret, keeps it visible on any colour.
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.fillRect(caret, Qt::white);
    }
}

void TSynEditWidget::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    m_engine.SizeOrFontChanged();
}

// The engine moves the pixels itself when it scrolls.
void TSynEditWidget::scrollContentsBy(int, int) {}

// --- keyboard and input method ---

bool TSynEditWidget::event(QEvent* event) {
    // Tab is typed into the text rather than moving the focus when the editor wants it.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && m_engine.WantTabs &&
            !(key->modifiers() & Qt::ControlModifier)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void TSynEditWidget::keyPressEvent(QKeyEvent* event) {
    uint16_t key = VirtualKeyOf(*event);
    const TShiftState shift = ShiftStateOf(event->modifiers());
    const bool known = key != 0;
    // Every key goes through KeyDown, so a command key's character is skipped and the next
    // plain key's is not.
    guarded([&] { m_engine.KeyDown(key, shift); });
    // Ctrl and Alt combinations are commands, never text.
    if (!(shift & (ssCtrl | ssAlt)) && !event->text().isEmpty()) {
        guarded([&] { typeText(event->text()); });
        event->accept();
        return;
    }
    if (known)
        event->accept();
    else
        event->ignore();
}

void TSynEditWidget::typeText(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        std::optional<unsigned char> byte;
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            byte = static_cast<unsigned char>(c.unicode());
        else if (!c.isSurrogate())
            byte = CodePageByte(m_standard, c.unicode());
        if (c.isHighSurrogate() && i + 1 < text.size()) ++i;
        if (!byte) {
            // The document's standard has no byte for it.
            QApplication::beep();
            continue;
        }
        char ch = char(*byte);
        m_engine.KeyPress(ch);
    }
}

void TSynEditWidget::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    if (!commit.isEmpty()) {
        int unmapped = 0;
        std::string bytes = BytesOfText(m_standard, commit, '\0', &unmapped);
        if (unmapped > 0) QApplication::beep();
        if (!bytes.empty()) guarded([&] { m_engine.ImeResult(bytes); });
    }
    event->accept();
}

QVariant TSynEditWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    switch (query) {
    case Qt::ImEnabled: return true;
    case Qt::ImCursorRectangle: return QRect(m_caretPos, m_caretSize.expandedTo({1, 1}));
    case Qt::ImFont: return font();
    default: return QAbstractScrollArea::inputMethodQuery(query);
    }
}

// --- mouse ---

void TSynEditWidget::mousePressEvent(QMouseEvent* event) {
    std::optional<TMouseButton> button = buttonOf(event->button());
    if (!button) return QAbstractScrollArea::mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    const TShiftState shift = PointerShiftStateOf(event->modifiers(), event->buttons());
    guarded([&] { m_engine.MouseDown(*button, shift, p.x(), p.y()); });
}

void TSynEditWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    m_engine.MouseMove(PointerShiftStateOf(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TSynEditWidget::mouseReleaseEvent(QMouseEvent* event) {
    std::optional<TMouseButton> button = buttonOf(event->button());
    if (!button) return QAbstractScrollArea::mouseReleaseEvent(event);
    const QPoint p = event->position().toPoint();
    guarded([&] { m_engine.MouseUp(*button, p.x(), p.y()); });
}

void TSynEditWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return mousePressEvent(event);
    const QPoint p = event->position().toPoint();
    m_engine.DblClick(p.x(), p.y());
}

bool TSynEditWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == verticalScrollBar() && event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->angleDelta().y() != 0) {
            wheelEvent(wheel);
            return true;
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void TSynEditWidget::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) return QAbstractScrollArea::wheelEvent(event);
    m_engine.MouseWheel(delta, ShiftStateOf(event->modifiers()));
    event->accept();
}

void TSynEditWidget::scrollBarAction(TScrollBarKind kind, int action) {
    const TScrollCode code = scrollCodeOf(action);
    if (kind == TScrollBarKind::Vertical)
        m_engine.VerticalScroll(code, verticalScrollBar()->sliderPosition());
    else
        m_engine.HorizontalScroll(code, horizontalScrollBar()->sliderPosition());
}

// --- focus ---

void TSynEditWidget::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    guarded([this] { m_engine.FocusEnter(); });
}

void TSynEditWidget::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    // Whatever takes the focus (another window, a popup) takes the pointer too: the release
    // may never come here, so selecting and its scroll timer stop now.
    m_engine.MouseCaptureLost();
    guarded([this] { m_engine.FocusExit(); });
}

// --- drag and drop ---

TSynEditWidget* TSynEditWidget::dragSource(const QMimeData* data) {
    if (!data || !data->hasFormat(kDragFormat)) return nullptr;
    const QByteArray token = data->data(kDragFormat);
    for (TSynEditWidget* widget : liveWidgets())
        if (dragToken(widget) == token) return widget;
    return nullptr;
}

bool TSynEditWidget::hasLocalFiles(const QMimeData* data) {
    if (!data || !data->hasUrls()) return false;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return true;
    return false;
}

std::unique_ptr<QMimeData> TSynEditWidget::DragData() const {
    auto data = std::make_unique<QMimeData>();
    data->setText(TextOfBytes(m_standard, m_engine.SelectedText()));
    data->setData(kDragFormat, dragToken(this));
    return data;
}

void TSynEditWidget::BeginDrag() {
    auto* drag = new QDrag(this);
    drag->setMimeData(DragData().release());
    // The target editor moves or copies the text itself; other programs get a copy.
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    m_engine.MouseCaptureLost();
}

void TSynEditWidget::dragEnterEvent(QDragEnterEvent* event) {
    m_dragFrom = nullptr;
    if (TSynEditWidget* source = dragSource(event->mimeData())) {
        m_dragFrom = &source->m_engine;
        dragMoveEvent(event);
        return;
    }
    if (m_acceptFiles && hasLocalFiles(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TSynEditWidget::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_dragFrom) {
        if (m_acceptFiles && hasLocalFiles(event->mimeData())) event->acceptProposedAction();
        return;
    }
    const QPoint p = event->position().toPoint();
    const TShiftState shift = ShiftStateOf(event->modifiers());
    const TDragState state = event->type() == QEvent::DragEnter ? dsDragEnter : dsDragMove;
    if (!m_engine.DragOver(m_dragFrom, p.x(), p.y(), state, shift)) {
        event->ignore();
        return;
    }
    event->setDropAction(m_engine.DropCopies(m_dragFrom, shift) ? Qt::CopyAction : Qt::MoveAction);
    event->accept();
}

void TSynEditWidget::dragLeaveEvent(QDragLeaveEvent*) {
    if (m_dragFrom) m_engine.DragOver(m_dragFrom, -1, -1, dsDragLeave, 0);
    m_dragFrom = nullptr;
}

void TSynEditWidget::dropEvent(QDropEvent* event) {
    const QPoint p = event->position().toPoint();
    if (TSynEditWidget* source = dragSource(event->mimeData())) {
        const TShiftState shift = ShiftStateOf(event->modifiers());
        event->setDropAction(m_engine.DropCopies(&source->m_engine, shift) ? Qt::CopyAction : Qt::MoveAction);
        guarded([&] { m_engine.DragDrop(&source->m_engine, p.x(), p.y(), shift); });
        event->accept();
    } else if (m_acceptFiles && hasLocalFiles(event->mimeData())) {
        QStringList files;
        for (const QUrl& url : event->mimeData()->urls())
            if (url.isLocalFile()) files << url.toLocalFile();
        if (OnDropFiles) OnDropFiles(*this, p, files);
        event->acceptProposedAction();
    } else {
        event->ignore();
    }
    m_dragFrom = nullptr;
}

} // namespace tavlo
