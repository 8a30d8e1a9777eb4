#include "app/SettingsStore.h"

#include "app/DocumentFiles.h"
#include "app/EditorDocumentView.h"
#include "app/HighlighterChoice.h"
#include "app/WindowPlacement.h"
#include "app/unMain.h"
#include "editor/PolishCharsets.h"
#include "editor/SynEdit.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <climits>
#include <cstdint>

namespace tavlo {

namespace {

// The font-size entry of 10 points, taken when the stored one is absent or out of range.
constexpr int kDefaultFontSizeIndex = 6;
constexpr int kStateNormal = 0;
constexpr int kStateMinimised = 1;
constexpr int kStateMaximised = 2;
// Longer texts cannot name a file on this system.
constexpr qsizetype kLongestPath = 4096;
// Smaller windows show no editor worth the name.
const QSize kSmallestWindow(300, 200);
// Room for the title bar and borders while the window manager has not told them yet.
const QMargins kFrameAllowance(4, 30, 4, 4);

QList<QRect> availableScreenAreas() {
    QList<QRect> areas;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        areas << primary->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) areas << screen->availableGeometry();
    return areas;
}

} // namespace

TSettingsStore::TSettingsStore(TfrMain& window, TSettingsFile file)
    : m_window(window), m_file(std::move(file)) {
    m_window.OnLoadSettings = [this] { LoadSettings(); };
    m_window.OnSaveSettings = [this] { SaveSettings(); };
    m_window.OnStoreLastPosition = [this] { StoreLastPosition(); };
    m_window.OnRestoreLastPosition = [this] { return RestoreLastPosition(); };
}

TSettingsStore::~TSettingsStore() {
    m_window.OnLoadSettings = nullptr;
    m_window.OnSaveSettings = nullptr;
    m_window.OnStoreLastPosition = nullptr;
    m_window.OnRestoreLastPosition = nullptr;
}

void TSettingsStore::LoadSettings() {
    const TStoredSettings stored = m_file.Read();
    if (stored.hasFixedSettings) applySearchAndTabWidth(stored.fixed);
    // From the oldest slot up, so that each insertion at the top rebuilds the stored order.
    for (int slot = ReopenSlotCount - 1; slot >= 0; --slot) {
        const std::optional<QString>& name = stored.reopen[size_t(slot)];
        if (name && name->size() <= kLongestPath) m_window.AddRecentFile(*name);
    }
    if (!stored.hasFixedSettings) return;
    const int sizeIndex = stored.fixed.FontSizeIndex.value_or(kDefaultFontSizeIndex);
    QComboBox* sizes = m_window.ComboBoxFontSize;
    sizes->setCurrentIndex(sizeIndex >= 0 && sizeIndex < sizes->count() ? sizeIndex
                                                                        : kDefaultFontSizeIndex);
    emit sizes->activated(sizes->currentIndex());
    applyWindowPlacement(stored.fixed);
}

void TSettingsStore::applySearchAndTabWidth(const TFixedSettings& fixed) {
    TSearchSettings& search = m_window.SearchSettings();
    search.FindText = fixed.FindText.value_or(search.FindText);
    search.ReplaceText = fixed.ReplaceText.value_or(search.ReplaceText);
    search.CaseSensitive = fixed.CaseSensitive.value_or(search.CaseSensitive);
    search.WholeWords = fixed.WholeWords.value_or(search.WholeWords);
    search.FromCaret = fixed.FromCaret.value_or(search.FromCaret);
    search.SelectionOnly = fixed.SelectionOnly.value_or(search.SelectionOnly);
    // The editor keeps the width within its own bounds.
    if (fixed.TabWidth) m_window.Editor().Engine().SetTabWidth(*fixed.TabWidth);
}

void TSettingsStore::applyWindowPlacement(const TFixedSettings& fixed) {
    // The placement is the inside of the window: its frame is drawn by the window manager,
    // which tells its size only some time after the window is first shown.
    const QRect inside = m_window.geometry();
    QMargins frame(inside.left() - m_window.frameGeometry().left(),
                   inside.top() - m_window.frameGeometry().top(),
                   m_window.frameGeometry().right() - inside.right(),
                   m_window.frameGeometry().bottom() - inside.bottom());
    if (frame.isNull()) frame = kFrameAllowance;
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    // A damaged file may hold any int: the frame is added without overflowing.
    const auto plus = [](int value, int frameSide) {
        return int(std::clamp<int64_t>(int64_t(value) + frameSide, INT_MIN, INT_MAX));
    };
    const QRect fitted = FitWindowOnScreens(
        plus(fixed.WindowLeft.value_or(inside.left()), -frame.left()),
        plus(fixed.WindowTop.value_or(inside.top()), -frame.top()),
        plus(fixed.WindowWidth.value_or(inside.width()), frameSize.width()),
        plus(fixed.WindowHeight.value_or(inside.height()), frameSize.height()),
        m_window.minimumSizeHint().expandedTo(kSmallestWindow) + frameSize, availableScreenAreas());
    m_window.setGeometry(fitted.marginsRemoved(frame));
    // A window that starts minimised looks like a program that did not start.
    if (fixed.WindowState == kStateMaximised)
        m_window.setWindowState(m_window.windowState() | Qt::WindowMaximized);
}

void TSettingsStore::SaveSettings() {
    TStoredSettings stored = m_file.Read();
    stored.hasFixedSettings = true;
    stored.fixed = currentFixedSettings(stored.fixed);
    stored.hasReopen = true;
    for (int slot = 0; slot < ReopenSlotCount; ++slot)
        stored.reopen[size_t(slot)] = m_window.RecentFiles().At(slot);
    m_file.Write(stored);
}

TFixedSettings TSettingsStore::currentFixedSettings(TFixedSettings fixed) const {
    const TSearchSettings& search = m_window.SearchSettings();
    fixed.FindText = search.FindText;
    fixed.ReplaceText = search.ReplaceText;
    fixed.CaseSensitive = search.CaseSensitive;
    fixed.WholeWords = search.WholeWords;
    fixed.FromCaret = search.FromCaret;
    fixed.SelectionOnly = search.SelectionOnly;
    fixed.TabWidth = m_window.Editor().Engine().TabWidth();
    fixed.FontSizeIndex = m_window.ComboBoxFontSize->currentIndex();
    const Qt::WindowStates state = m_window.windowState();
    fixed.WindowState = state & Qt::WindowMinimized   ? kStateMinimised
                        : state & Qt::WindowMaximized ? kStateMaximised
                                                      : kStateNormal;
    // Only the normal placement is kept, so a maximised window comes back to it.
    if (fixed.WindowState == kStateNormal) {
        const QRect inside = m_window.geometry();
        fixed.WindowLeft = inside.left();
        fixed.WindowTop = inside.top();
        fixed.WindowWidth = inside.width();
        fixed.WindowHeight = inside.height();
    }
    return fixed;
}

void TSettingsStore::StoreLastPosition() {
    const QByteArray fileName = currentFileName();
    if (fileName.isEmpty()) return;
    TStoredSettings stored = m_file.Read();
    RememberLastPosition(stored.lastPositions, fileName, Now(), currentLastPosition());
    m_file.Write(stored);
}

TLastPosition TSettingsStore::currentLastPosition() const {
    TSynEdit& engine = m_window.Editor().Engine();
    TLastPosition position;
    position.caretChar = engine.CaretChar();
    position.caretLine = engine.CaretLine();
    position.topLine = engine.FirstVisibleLine();
    position.standard = m_window.ComboBoxCharset->currentIndex();
    position.highlighter = m_window.ComboBoxHighlight->currentIndex();
    for (int n = 0; n < LastPositionBookmarkCount; ++n)
        if (const std::optional<TBufferCoord> place = engine.FindBookmark(n))
            position.bookmarks[size_t(n)] = TBookmarkPlace{place->Char, place->Line};
    return position;
}

bool TSettingsStore::RestoreLastPosition() {
    const QByteArray fileName = currentFileName();
    if (fileName.isEmpty()) return false;
    const std::optional<TLastPosition> position = FindLastPosition(m_file.Read().lastPositions, fileName);
    if (position) applyLastPosition(*position);
    return position.has_value();
}

void TSettingsStore::applyLastPosition(const TLastPosition& position) {
    TSynEdit& engine = m_window.Editor().Engine();
    // The editor brings the caret and the top line into the text.
    engine.SetCaretPos({position.caretChar.value_or(engine.CaretChar()),
                        position.caretLine.value_or(engine.CaretLine())});
    if (position.topLine) engine.SetFirstVisibleLine(*position.topLine);
    // A number out of range is damage: the file keeps what opening it chose.
    if (position.standard >= 0 && position.standard < PolishStandardCount)
        m_window.ComboBoxCharset->setCurrentIndex(position.standard);
    if (position.highlighter && *position.highlighter >= hlNone &&
        *position.highlighter < hlCount) {
        m_window.ComboBoxHighlight->setCurrentIndex(*position.highlighter);
        emit m_window.ComboBoxHighlight->activated(*position.highlighter);
    }
    for (int n = 0; n < LastPositionBookmarkCount; ++n)
        if (const std::optional<TBookmarkPlace>& place = position.bookmarks[size_t(n)])
            engine.PlaceBookmark(n, std::clamp(place->column, 1, engine.MaxLeftChar()),
                                 place->line);
}

QByteArray TSettingsStore::currentFileName() const {
    return QByteArray::fromStdString(NativeFileName(m_window.FileName()));
}

} // namespace tavlo
