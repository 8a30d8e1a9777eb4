// The editor widget on the offscreen platform, driven by real Qt events.
#include "platform/qt/SynEditWidget.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "editor/PolishCharsets.h"

using namespace tavlo;

namespace {

class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

class EditorWidget : public ::testing::Test {
protected:

    EditorWidget() { open(widget); }

    static void open(TSynEditWidget& w) {
        w.resize(640, 400);
        w.show();
        w.activateWindow();
        w.setFocus();
        QApplication::processEvents();
    }
    void setText(std::string_view text) {
        editor().Lines().SetAllText(text);
        editor().ClearUndo();
    }
    TSynEdit& editor() { return widget.Engine(); }
    std::string line(int32_t index) { return std::string(editor().Lines().LineAt(index)); }

    // The viewport point in the left half of the cell of character x on a line (no tabs).
    QPoint at(int32_t x, int32_t line) {
        TPoint p = editor().PosToPixel({x, line});
        return {p.X + 2, p.Y + editor().RowHeight() / 2};
    }
    void mouse(QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers = {}) {
        QMouseEvent event(type, p, widget.viewport()->mapToGlobal(p), button, held, modifiers);
        QApplication::sendEvent(widget.viewport(), &event);
    }
    void typeCharacter(QString text, int key = Qt::Key_unknown) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(&widget, &press);
    }
    // Drags the selection of `from` into this test's widget through Qt's drop events.
    void dropInto(TSynEditWidget& target, TSynEditWidget& from, QPoint p, Qt::KeyboardModifiers modifiers) {
        std::unique_ptr<QMimeData> data = from.DragData();
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(p, actions, data.get(), Qt::LeftButton, modifiers);
        QApplication::sendEvent(target.viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(p, actions, data.get(), Qt::LeftButton, modifiers);
        QApplication::sendEvent(target.viewport(), &drop);
        EXPECT_TRUE(drop.isAccepted());
    }

    TSynEditWidget widget;
};

TEST_F(EditorWidget, TypingGoesThroughTheDocumentsCodePage) {
    setText("");
    QTest::keyClicks(&widget, "Ab1");
    EXPECT_EQ(line(0), "Ab1");

    widget.SetCodePageStandard(psCp852);
    typeCharacter(QStringLiteral("ą"), 0x0105);
    typeCharacter(QStringLiteral("Ż"));
    EXPECT_EQ(line(0), "Ab1\xA5\xBD") << "CP852 bytes of ą and Ż";
    widget.SetCodePageStandard(psCp1250);
    typeCharacter(QStringLiteral("ą"));
    widget.SetCodePageStandard(psMazovia);
    typeCharacter(QStringLiteral("ą"));
    EXPECT_EQ(line(0), "Ab1\xA5\xBD\xB9\x86");
    typeCharacter(QStringLiteral("€"));
    typeCharacter(QStringLiteral("\U0001F600"));
    EXPECT_EQ(line(0), "Ab1\xA5\xBD\xB9\x86") << "characters without a byte are not inserted";

    editor().WantTabs = true;
    QTest::keyClick(&widget, Qt::Key_Return);
    QTest::keyClick(&widget, Qt::Key_Tab);
    QTest::keyClicks(&widget, "x");
    EXPECT_EQ(editor().Lines().Count(), 2);
    EXPECT_EQ(line(1), std::string(7, ' ') + "x") << "Enter and Tab are commands: a smart tab past the word above";
    EXPECT_TRUE(widget.hasFocus()) << "Tab stayed in the editor";

    QTest::keyClick(&widget, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(editor().Lines().Count(), 2) << "Ctrl+letter types nothing";
}

TEST_F(EditorWidget, KeysRunTheirCommands) {
    setText("hello world\nsecond");
    editor().SetCaretPos({1, 1});
    for (int i = 0; i < 3; ++i) QTest::keyClick(&widget, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(editor().SelectedText(), "hel");
    QTest::keyClick(&widget, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(editor().SelectedText(), "hello world\r\nsec");
    QTest::keyClick(&widget, Qt::Key_End);
    EXPECT_FALSE(editor().HasSelection());
    EXPECT_EQ(editor().CaretPos(), (TBufferCoord{7, 2}));
    QTest::keyClick(&widget, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(editor().CaretPos(), (TBufferCoord{1, 1}));
    QTest::keyClick(&widget, Qt::Key_Delete);
    QTest::keyClick(&widget, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(line(0), "hello world") << "Ctrl+Z undoes";

    QTest::keyClick(&widget, Qt::Key_Insert);
    EXPECT_FALSE(editor().InsertMode());
    EXPECT_EQ(widget.CaretRect().width(), editor().CellWidth()) << "the overwrite caret is a block";
    QTest::keyClicks(&widget, "J");
    EXPECT_EQ(line(0), "Jello world");
}

TEST_F(EditorWidget, InputMethodCommitsAreTypedAsOneString) {
    setText("ab");
    editor().SetCaretPos({2, 1});
    QInputMethodEvent event(QString(), {});
    event.setCommitString(QStringLiteral("żółw€"));
    QApplication::sendEvent(&widget, &event);
    EXPECT_EQ(line(0), "a\xBF\xF3\xB3w\x80" "b") << "CP1250 bytes; the euro sign is in CP1250";
    widget.SetCodePageStandard(psIso8859_2);
    event.setCommitString(QStringLiteral("ś€"));
    QApplication::sendEvent(&widget, &event);
    EXPECT_EQ(line(0), "a\xBF\xF3\xB3w\x80\xB6" "b") << "ISO-8859-2 has no euro sign";
    EXPECT_TRUE(static_cast<QWidget&>(widget).inputMethodQuery(Qt::ImCursorRectangle).toRect().isValid());
}

TEST_F(EditorWidget, MouseClickShiftClickAndAltDragColumns) {
    setText("0123456789\nabcdefghij\nABCDEFGHIJ");
    editor().SetOptions(editor().Options() | eoAltSetsColumnMode);
    mouse(QEvent::MouseButtonPress, at(3, 1), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, at(3, 1), Qt::LeftButton, {});
    EXPECT_EQ(editor().CaretPos(), (TBufferCoord{3, 1}));
    mouse(QEvent::MouseButtonPress, at(5, 2), Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    mouse(QEvent::MouseButtonRelease, at(5, 2), Qt::LeftButton, {}, Qt::ShiftModifier);
    EXPECT_EQ(editor().SelectedText(), "23456789\r\nabcd");

    mouse(QEvent::MouseButtonPress, at(2, 1), Qt::LeftButton, Qt::LeftButton, Qt::AltModifier);
    mouse(QEvent::MouseMove, at(4, 2), Qt::NoButton, Qt::LeftButton, Qt::AltModifier);
    mouse(QEvent::MouseMove, at(5, 3), Qt::NoButton, Qt::LeftButton, Qt::AltModifier);
    mouse(QEvent::MouseButtonRelease, at(5, 3), Qt::LeftButton, {}, Qt::AltModifier);
    EXPECT_EQ(editor().SelectionMode(), smColumn);
    EXPECT_EQ(editor().SelectedText(), "123\r\nbcd\r\nBCD");

    mouse(QEvent::MouseButtonPress, at(3, 2), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, at(3, 2), Qt::LeftButton, {});
    mouse(QEvent::MouseButtonDblClick, at(3, 2), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, at(3, 2), Qt::LeftButton, {});
    EXPECT_EQ(editor().SelectionMode(), smNormal);
    EXPECT_EQ(editor().SelectedText(), "abcdefghij") << "a double click selects the word";
}

TEST_F(EditorWidget, DragAndDropMovesAndCtrlCopiesWithinOneEditor) {
    setText("hello world\nsecond");
    editor().PlaceCaretAndSelection({6, 1}, {1, 1}, {6, 1});
    dropInto(widget, widget, at(7, 2), Qt::NoModifier);
    EXPECT_EQ(line(0), " world");
    EXPECT_EQ(line(1), "secondhello");
    EXPECT_EQ(editor().SelectedText(), "hello");

    dropInto(widget, widget, at(1, 1), Qt::ControlModifier);
    EXPECT_EQ(line(0), "hello world");
    EXPECT_EQ(line(1), "secondhello") << "Ctrl copies";

    TSynEditWidget other;
    open(other);
    other.Engine().Lines().SetAllText("target");
    editor().PlaceCaretAndSelection({6, 1}, {1, 1}, {6, 1});
    dropInto(other, widget, QPoint(other.Engine().PosToPixel({7, 1}).X + 2, 5), Qt::NoModifier);
    EXPECT_EQ(other.Engine().Lines().LineAt(0), "targethello");
    EXPECT_EQ(line(0), "hello world") << "between editors the text is copied";

    QMimeData foreign;
    foreign.setText("from another program");
    QDragEnterEvent enter(at(1, 1), Qt::CopyAction, &foreign, Qt::LeftButton, {});
    QApplication::sendEvent(widget.viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted()) << "only editors are accepted as sources of text";
}

TEST_F(EditorWidget, DroppedFilesReachTheOwnerWhenAccepted) {
    QStringList received;
    widget.OnDropFiles = [&](TSynEditWidget&, QPoint, const QStringList& files) { received = files; };
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/a.pas"), QUrl("https://example.com/x"), QUrl::fromLocalFile("/tmp/b c.cpp")});
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget.viewport(), &enter);
    EXPECT_FALSE(enter.isAccepted()) << "without eoDropFiles the drop goes to the window behind";

    editor().SetOptions(editor().Options() | eoDropFiles);
    QApplication::sendEvent(widget.viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(widget.viewport(), &drop);
    EXPECT_EQ(received, (QStringList{"/tmp/a.pas", "/tmp/b c.cpp"}));
}

TEST_F(EditorWidget, WheelAndScrollBarsScroll) {
    std::string text;
    for (int i = 1; i <= 100000; ++i) text += "line " + std::to_string(i) + "\n";
    setText(text);
    editor().SetOptions(editor().Options() | eoScrollPastEof);
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(50, 50), widget.viewport()->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget.viewport(), &event);
    };
    editor().SetFirstVisibleLine(100);
    QApplication::processEvents();
    wheel(-60);
    EXPECT_EQ(editor().FirstVisibleLine(), 100);
    PaintCounter paints;
    widget.viewport()->installEventFilter(&paints);
    wheel(-60);
    EXPECT_EQ(editor().FirstVisibleLine(), 100 + QApplication::wheelScrollLines());
    EXPECT_GT(paints.count, 0) << "the wheel repaints at once, not at the next event-loop turn";
    widget.viewport()->removeEventFilter(&paints);

    QScrollBar* bar = widget.verticalScrollBar();
    EXPECT_EQ(bar->minimum(), 0);
    EXPECT_EQ(bar->maximum() + bar->pageStep() - 1, 32767) << "scaled for a big document";
    const int32_t before = editor().FirstVisibleLine();
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(editor().FirstVisibleLine(), before + editor().VisibleRows()) << "a page is a window of rows";
    bar->setSliderPosition(16384);
    const int64_t range = 100000 + editor().VisibleRows() - 1;
    EXPECT_EQ(editor().FirstVisibleLine(), (range * 16384 + 16383) / 32767);
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(editor().FirstVisibleLine(), 1);
    EXPECT_EQ(bar->value(), 0);

    EXPECT_EQ(widget.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn) << "unneeded bars show disabled";
    setText("short");
    EXPECT_FALSE(bar->isEnabled());
    editor().SetOptions(editor().Options() | eoHideShowScrollbars);
    EXPECT_EQ(widget.verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded) << "or hide with eoHideShowScrollbars";
    widget.SetScrollBars(ssHorizontal);
    EXPECT_EQ(widget.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(widget.horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

TEST_F(EditorWidget, ScrollHintShowsOnlyWhileTheThumbIsDragged) {
    std::string text;
    for (int i = 1; i <= 500; ++i) text += "line " + std::to_string(i) + "\n";
    setText(text);
    auto hintShown = [] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* label = qobject_cast<QLabel*>(top); label && label->isVisible() && label->text().startsWith("Top Line"))
                return true;
        return false;
    };
    QScrollBar* bar = widget.verticalScrollBar();
    const QPointF p(bar->width() / 2.0, bar->height() / 2.0);
    QWheelEvent notch(p, bar->mapToGlobal(p), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(bar, &notch);
    EXPECT_EQ(editor().FirstVisibleLine(), 1 + QApplication::wheelScrollLines()) << "as the wheel over the text";
    EXPECT_FALSE(hintShown()) << "no thumb was dragged";

    bar->setSliderDown(true);
    bar->setSliderPosition(200);
    EXPECT_EQ(editor().FirstVisibleLine(), 200);
    EXPECT_TRUE(hintShown());
    bar->setSliderDown(false);
    EXPECT_FALSE(hintShown()) << "letting go of the thumb hides it";
}

TEST_F(EditorWidget, ColumnCopyPastesAsColumnsThroughTheSystemClipboard) {
    widget.SetCodePageStandard(psCp852);
    setText("a\xA5" "cd\nefgh\nijkl");
    editor().SetSelectionMode(smColumn);
    editor().PlaceCaretAndSelection({4, 2}, {2, 1}, {4, 2});
    editor().RunCommand(ecCopy, '\0', nullptr);

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), QStringLiteral("ąc\nfg")) << "plain text decoded through the code page";
    const QByteArray block = data->data("SynEdit Control Block Type");
    ASSERT_FALSE(block.isEmpty());
    EXPECT_EQ(int(block[0]), int(smColumn));

    TSynEditWidget other;
    open(other);
    other.SetCodePageStandard(psCp852);
    other.Engine().Lines().SetAllText("1234\n5678\n9");
    other.Engine().SetCaretPos({2, 1});
    other.Engine().RunCommand(ecPaste, '\0', nullptr);
    EXPECT_EQ(other.Engine().Lines().LineAt(0), "1\xA5" "c234");
    EXPECT_EQ(other.Engine().Lines().LineAt(1), "5fg678") << "the mode byte survives: pasted as a column";

    QGuiApplication::clipboard()->setText(QStringLiteral("zażółć\r\nx€"));
    other.Engine().SetCaretPos({1, 3});
    other.Engine().RunCommand(ecPaste, '\0', nullptr);
    EXPECT_EQ(other.Engine().Lines().LineAt(2), "za\xBE\xA2\x88\x86");
    EXPECT_EQ(other.Engine().Lines().LineAt(3), "x?9") << "a character without a byte shows as '?'";
}

TEST_F(EditorWidget, UnreadableClipboardBlockChangesNothing) {
    setText("keep\nthis");
    editor().PlaceCaretAndSelection({5, 2}, {1, 1}, {5, 2});
    editor().RunCommand(ecCopy, '\0', nullptr);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("keep\nthis")) << "plain text has LF breaks";
    editor().SetCaretPos({1, 1});

    auto* empty = new QMimeData;
    empty->setText("text");
    empty->setData("SynEdit Control Block Type", QByteArray());
    QGuiApplication::clipboard()->setMimeData(empty);
    EXPECT_THROW(editor().RunCommand(ecPaste, '\0', nullptr), ESynEditError);
    EXPECT_EQ(line(0), "keep");
    EXPECT_EQ(line(1), "this");
}

TEST_F(EditorWidget, AnErrorFromTheEngineIsReportedAndTheEditorGoesOn) {
    setText("keep");
    editor().SetCaretPos({5, 1});
    auto* unreadable = new QMimeData;
    unreadable->setText("text");
    unreadable->setData("SynEdit Control Block Type", QByteArray());
    QGuiApplication::clipboard()->setMimeData(unreadable);
    std::string reported;
    widget.OnError = [&](TSynEditWidget&, const std::exception& error) { reported = error.what(); };
    QTest::keyClick(&widget, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(reported, "Clipboard paste operation failed.");
    EXPECT_EQ(line(0), "keep");
    QTest::keyClicks(&widget, "!");
    EXPECT_EQ(line(0), "keep!") << "typing goes on";
}

TEST_F(EditorWidget, PaintsTextAndABlinkingCaret) {
    setText("MMMMMMMM\n\nWWWW");
    editor().SetCaretPos({3, 2});
    QApplication::processEvents();
    ASSERT_TRUE(widget.hasFocus());
    const QRect caret = widget.CaretRect();
    ASSERT_FALSE(caret.isEmpty());
    const TPoint expected = editor().PosToPixel({3, 2});
    EXPECT_EQ(caret.left(), expected.X - 1) << "the insert caret is a bar just left of the cell";
    EXPECT_EQ(caret.top(), expected.Y + 1);

    QImage image = widget.viewport()->grab().toImage();
    auto darkPixels = [&](QRect area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(image.pixel(x, y)) < 128) ++count;
        return count;
    };
    const int row = editor().RowHeight(), left = editor().TextLeft();
    EXPECT_GT(darkPixels(QRect(left, 0, 8 * editor().CellWidth(), row)), 20) << "the first line is drawn";
    EXPECT_GT(darkPixels(caret), 0) << "the caret is drawn";
    EXPECT_EQ(darkPixels(QRect(left + 4 * editor().CellWidth(), row + 2, 4 * editor().CellWidth(), row - 4)), 0)
        << "the empty line is clear beside the caret";

    std::vector<TSynEditorCommand> seen;
    editor().OnProcessCommand = [&](TCustomSynEdit&, TSynEditorCommand& c, char&, void*) { seen.push_back(c); };
    widget.clearFocus();
    QApplication::processEvents();
    EXPECT_TRUE(widget.CaretRect().isEmpty()) << "no caret without the focus";
    widget.setFocus();
    QApplication::processEvents();
    EXPECT_EQ(seen, (std::vector<TSynEditorCommand>{ecLostFocus, ecGotFocus}));
    EXPECT_FALSE(widget.CaretRect().isEmpty());
}

TEST_F(EditorWidget, SelectingBelowTheWindowScrollsOnTheTimer) {
    std::string text;
    for (int i = 1; i <= 500; ++i) text += "row " + std::to_string(i) + "\n";
    setText(text);
    mouse(QEvent::MouseButtonPress, at(2, 1), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(at(2, 1).x(), widget.viewport()->height() + 10), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(editor().FirstVisibleLine(), 1);
    QTest::qWait(350);
    EXPECT_GE(editor().FirstVisibleLine(), 2) << "a line every 100 ms";
    EXPECT_EQ(editor().CaretLine(), editor().FirstVisibleLine() + editor().VisibleRows() - 1);
    mouse(QEvent::MouseButtonRelease, at(2, 1), Qt::LeftButton, {});
    EXPECT_FALSE(editor().AutoScrolling());
    const int32_t stopped = editor().FirstVisibleLine();
    QTest::qWait(250);
    EXPECT_EQ(editor().FirstVisibleLine(), stopped) << "the release stops the timer";
    EXPECT_EQ(editor().SelFirst(), (TBufferCoord{2, 1}));
}

TEST_F(EditorWidget, LosingTheFocusWhileSelectingStopsTheScrollTimer) {
    std::string text;
    for (int i = 1; i <= 500; ++i) text += "row " + std::to_string(i) + "\n";
    setText(text);
    mouse(QEvent::MouseButtonPress, at(2, 1), Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, QPoint(at(2, 1).x(), widget.viewport()->height() + 10), Qt::NoButton, Qt::LeftButton);
    ASSERT_TRUE(editor().AutoScrolling());
    widget.clearFocus();
    EXPECT_FALSE(editor().AutoScrolling()) << "the release may go elsewhere now";
    const TBufferCoord caret = editor().CaretPos();
    mouse(QEvent::MouseMove, at(5, 3), Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(editor().CaretPos(), caret) << "the pointer no longer selects";
}

} // namespace
