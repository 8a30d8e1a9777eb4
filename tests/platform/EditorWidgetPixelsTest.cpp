// What the editor widget leaves on the screen after edits, scrolling and selecting, against a
// fresh paint of the same state: repainting only what changed and moving pixels to scroll
// must leave nothing stale behind, the caret included.
#include "platform/qt/SynEditWidget.h"

#include "highlighters/SynHighlighterPas.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace tavlo;

namespace {

class EditorWidgetPixels : public ::testing::Test {
protected:
    EditorWidgetPixels() : m_flashTime(QApplication::cursorFlashTime()) {
        // A caret that does not blink is on in both pictures.
        QApplication::setCursorFlashTime(0);
        widget.resize(420, 300);
        widget.show();
        widget.activateWindow();
        widget.setFocus();
        QApplication::processEvents();
    }
    ~EditorWidgetPixels() override { QApplication::setCursorFlashTime(m_flashTime); }

    TSynEdit& editor() { return widget.Engine(); }

    // The viewport as the window system shows it, after the pending repaints.
    QImage shown() {
        QApplication::processEvents();
        const QPoint origin = widget.viewport()->mapTo(widget.window(), QPoint(0, 0));
        const QImage window = widget.screen()->grabWindow(widget.window()->winId()).toImage();
        return window.copy(QRect(origin, widget.viewport()->size())).convertToFormat(QImage::Format_RGB32);
    }
    // The viewport painted from scratch.
    QImage fresh() { return widget.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Where the insert caret belongs: a bar just left of the caret's cell.
    QPoint caretSpot() {
        const TPoint p = editor().PosToPixel(editor().CharToColumn(editor().CaretPos()));
        return {p.X - 1, p.Y + 1};
    }

    void key(int qtKey, Qt::KeyboardModifiers modifiers = {}, const QString& text = {}) {
        QKeyEvent press(QEvent::KeyPress, qtKey, modifiers, text);
        QApplication::sendEvent(&widget, &press);
    }
    void mouse(QEvent::Type type, QPoint p, Qt::MouseButtons held, Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent event(type, p, widget.viewport()->mapToGlobal(p), Qt::LeftButton, held, modifiers);
        QApplication::sendEvent(widget.viewport(), &event);
    }
    void wheel(int delta) {
        const QPointF p(60, 60);
        QWheelEvent event(p, widget.viewport()->mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget.viewport(), &event);
    }

    TSynEditWidget widget;

private:
    int m_flashTime;
};

std::string numberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "line " + std::to_string(i) + (i % 7 == 0 ? "\tafter a tab" : " of the text") +
                std::string(size_t(i % 13) * 5, 'x') + (i % 5 == 0 ? " { begin" : i % 5 == 2 ? " end }" : "") + "\n";
    return text;
}

TEST_F(EditorWidgetPixels, ScrolledPixelsCarryTheCaretWithTheirText) {
    editor().Lines().SetAllText(numberedLines(300));
    editor().SetCaretPos({3, 5});
    QTest::keyClicks(&widget, "XYZ");
    // Scrolling from outside an update bracket: the engine places the caret only later.
    editor().SetFirstVisibleLine(3);
    const QImage after = shown();
    EXPECT_EQ(widget.CaretRect().topLeft(), caretSpot()) << "the caret stays on its character";
    EXPECT_TRUE(after == fresh()) << "the screen shows what a fresh paint shows";
}

TEST_F(EditorWidgetPixels, RandomEditsScrollsAndSelectionsLeaveNothingStale) {
    // Braces open and close comments: typing one recolours the lines after it.
    TSynPasSyn highlighter;
    editor().SetHighlighter(&highlighter);
    // The editor lets go of the highlighter before it goes, also when an assertion ends the test.
    struct Release {
        TSynEdit& editor;
        ~Release() { editor.SetHighlighter(nullptr); }
    } release{editor()};
    editor().Lines().SetAllText(numberedLines(120));
    std::mt19937 random(20240611);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    auto anyPoint = [&] { return QPoint(pick(widget.viewport()->width()), pick(widget.viewport()->height())); };
    const int keys[] = {Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,   Qt::Key_Down,      Qt::Key_Home,
                        Qt::Key_End,    Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Backspace, Qt::Key_Delete,
                        Qt::Key_Return, Qt::Key_Tab};
    for (int step = 0; step < 400; ++step) {
        std::string what;
        switch (pick(11)) {
        case 0:
        case 1: {
            const int k = keys[pick(int(std::size(keys)))];
            const Qt::KeyboardModifiers mods = pick(3) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
            key(k, mods);
            what = "key " + std::to_string(k);
            break;
        }
        case 2:
            QTest::keyClicks(&widget, pick(2) ? "ab c" : pick(2) ? "{" : "}");
            what = "typing";
            break;
        case 3:
            wheel(pick(2) ? 120 : -120);
            what = "wheel";
            break;
        case 4:
            widget.verticalScrollBar()->triggerAction(pick(2) ? QAbstractSlider::SliderSingleStepAdd
                                                               : QAbstractSlider::SliderPageStepSub);
            what = "vertical bar";
            break;
        case 5:
            widget.horizontalScrollBar()->triggerAction(pick(2) ? QAbstractSlider::SliderSingleStepAdd
                                                                 : QAbstractSlider::SliderSingleStepSub);
            what = "horizontal bar";
            break;
        case 6: {
            const QPoint from = anyPoint(), to = anyPoint();
            mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, pick(4) == 0 ? Qt::AltModifier : Qt::NoModifier);
            mouse(QEvent::MouseMove, to, Qt::LeftButton);
            mouse(QEvent::MouseButtonRelease, to, Qt::NoButton);
            what = "mouse selection";
            break;
        }
        case 7:
            editor().SetFirstVisibleLine(editor().FirstVisibleLine() + pick(9) - 4);
            what = "first line";
            break;
        case 8:
            editor().RunCommand(pick(3) == 0 ? ecEditorBottom : pick(2) ? ecUndo : ecRedo, '\0', nullptr);
            what = "undo or redo";
            break;
        case 9:
            widget.resize(300 + pick(300), 200 + pick(200));
            what = "resize";
            break;
        default:
            // Changes pile up unpainted before the next step.
            what = "nothing";
            break;
        }
        if (pick(3) != 0) continue;
        const QImage onScreen = shown();
        if (widget.CaretRect().isValid()) {
            ASSERT_EQ(widget.CaretRect().topLeft(), caretSpot()) << "step " << step << ", " << what;
        }
        ASSERT_TRUE(onScreen == fresh()) << "step " << step << ", " << what;
    }
}

} // namespace
