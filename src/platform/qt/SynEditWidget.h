// The editor control on the desktop: a scroll area that owns the editor engine, gives it a
// window (painting, scroll bars, caret, pointer, timer, focus) and turns Qt's keyboard,
// mouse, input-method and drag-and-drop events into the engine's calls.
#pragma once

#include <QAbstractScrollArea>
#include <QStringList>
#include <QTimer>

#include <exception>
#include <functional>
#include <memory>

#include "editor/SynEdit.h"
#include "platform/SynEditHost.h"
#include "platform/qt/QtClipboard.h"

class QLabel;
class QMimeData;
class QScrollBar;

namespace tavlo {

class TheTextDrawer;

enum TScrollStyle : uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };

class TSynEditWidget : public QAbstractScrollArea, private TSynEditHost {
    Q_OBJECT

public:
    // Files dropped on the editor while eoDropFiles is set: the drop point (viewport
    // pixels) and the local paths in drop order.
    using TDropFilesEvent = std::function<void(TSynEditWidget& sender, QPoint at, const QStringList& files)>;

    explicit TSynEditWidget(QWidget* parent = nullptr);
    ~TSynEditWidget() override;

    TSynEdit& Engine() { return m_engine; }
    const TSynEdit& Engine() const { return m_engine; }

    // Polish character standard 0..4 of the document: how bytes are shown, typed, copied.
    int CodePageStandard() const { return m_standard; }
    void SetCodePageStandard(int standard);

    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle style);

    TDropFilesEvent OnDropFiles;

    // An error the engine raised while handling the user's input (a paste the clipboard cannot
    // give, say): that input is dropped and the event loop goes on. Unassigned, a message box
    // tells the user.
    using TErrorEvent = std::function<void(TSynEditWidget& sender, const std::exception& error)>;
    TErrorEvent OnError;

    // What a drag of the selected text carries: the text, and which editor it comes from.
    std::unique_ptr<QMimeData> DragData() const;

    // The caret as the widget draws it (viewport pixels); empty while hidden or blinked off.
    QRect CaretRect() const;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // TSynEditHost (SynEditWidgetHost.cpp)
    bool WindowExists() const override { return true; }
    int32_t ClientWidth() const override;
    int32_t ClientHeight() const override;
    int32_t CharWidth() const override;
    int32_t CharHeight() const override;
    void InvalidateRect(const TRect& rect) override;
    void InvalidateAll() override;
    void ScrollPixels(int32_t dx, int32_t dy, const TRect& area) override;
    void RepaintNow() override;
    void SetScrollBar(TScrollBarKind kind, const TScrollBarInfo& info) override;
    void CreateCaret(int32_t width, int32_t height) override;
    void DestroyCaret() override;
    void SetCaretPos(int32_t x, int32_t y) override;
    void ShowCaret(bool visible) override;
    void SetImePosition(int32_t x, int32_t y) override;
    bool HasFocus() const override;
    void SetFocus() override;
    void SetMouseCapture(bool captured) override;
    void StartTimer(int32_t intervalMs) override;
    void StopTimer() override;
    void SetPointerShape(TPointerShape shape) override;
    void AcceptFileDrops(bool accept) override { m_acceptFiles = accept; }
    int32_t DragThreshold() const override;
    int32_t WheelScrollLines() const override;
    void BeginDrag() override;
    TPoint ScrollHintSize(std::string_view text, int32_t maxWidth) const override;
    int32_t ScrollArrowHeight() const override;
    void ShowScrollHint(std::string_view text, TPoint clientPos, TColor color) override;
    void HideScrollHint() override;
    void RequestIdleWork() override;

    // Runs what the user's input asks of the engine; an exception must not unwind through Qt.
    void guarded(const std::function<void()>& action);
    void scrollBarAction(TScrollBarKind kind, int action);
    void applyScrollBarPolicies();
    void blinkCaret();
    void updateCaret();
    void typeText(const QString& text);
    // The editor a drag carries text from, when it is one of this program's editors.
    static TSynEditWidget* dragSource(const QMimeData* data);
    static bool hasLocalFiles(const QMimeData* data);

    TSynEdit m_engine;
    std::unique_ptr<TheTextDrawer> m_drawer;
    TQtClipboard m_clipboard;
    int m_standard = 0;
    TScrollStyle m_scrollBars = ssBoth;
    bool m_hideUnneededBars = false;
    bool m_acceptFiles = false;
    // The editor whose text is being dragged over this one.
    TCustomSynEdit* m_dragFrom = nullptr;

    QTimer m_autoScrollTimer;
    QTimer m_caretBlinkTimer;
    // Fires as soon as the event queue is empty, for the engine's idle work.
    QTimer m_idleTimer;
    QSize m_caretSize;
    QPoint m_caretPos;
    bool m_caretExists = false;
    bool m_caretVisible = false;
    bool m_caretOn = false;
    std::unique_ptr<QLabel> m_scrollHint;
};

} // namespace tavlo
