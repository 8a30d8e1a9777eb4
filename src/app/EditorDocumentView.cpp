#include "app/EditorDocumentView.h"

#include "app/HighlighterChoice.h"
#include "app/WindowHighlighters.h"
#include "editor/SynEdit.h"
#include "platform/qt/SynEditWidget.h"

#include <QFontDatabase>

#include <algorithm>

namespace tavlo {

namespace {

constexpr TSynEditorOptions kEditorOptions =
    eoAltSetsColumnMode | eoAutoIndent | eoDragDropEditing | eoDropFiles | eoGroupUndo |
    eoScrollHintFollows | eoScrollPastEof | eoScrollPastEol | eoShowScrollHint |
    eoSmartTabDelete | eoSmartTabs | eoTabsToSpaces | eoTrimTrailingSpaces;

constexpr int kFontPoints = 10;
constexpr int kTabWidth = 2;
// Sizes outside this come only from damaged settings; they would paint nothing useful.
constexpr int kMinFontPoints = 1;
constexpr int kMaxFontPoints = 400;

} // namespace

std::string EditorFontName() {
    const QString preferred = QStringLiteral("Courier New");
    if (QFontDatabase::families().contains(preferred, Qt::CaseInsensitive))
        return preferred.toStdString();
    return QFontDatabase::systemFont(QFontDatabase::FixedFont).family().toStdString();
}

TEditorDocumentView::TEditorDocumentView(QWidget* parent, TWindowHighlighters& highlighters)
    : m_highlighters(highlighters), m_widget(new TSynEditWidget(parent)) {
    configure();
    TSynEdit& engine = Engine();
    engine.OnChange = [this](TCustomSynEdit&) {
        if (OnChange) OnChange();
    };
    engine.OnStatusChange = [this](TCustomSynEdit&, TSynStatusChanges) {
        if (OnStatusChange) OnStatusChange();
    };
    m_widget->OnDropFiles = [this](TSynEditWidget&, QPoint, const QStringList& files) {
        if (OnDropFiles) OnDropFiles(files);
    };
}

TEditorDocumentView::~TEditorDocumentView() {
    if (!m_widget) return;
    TSynEdit& engine = Engine();
    engine.OnChange = nullptr;
    engine.OnStatusChange = nullptr;
    m_widget->OnDropFiles = nullptr;
    engine.SetHighlighter(nullptr);
    delete m_widget.data();
}

void TEditorDocumentView::configure() {
    TSynEdit& engine = Engine();
    TFontDesc font;
    font.Name = EditorFontName();
    font.Pitch = TFontPitch::Fixed;
    font.SetSize(kFontPoints);
    engine.SetFont(font);

    TSynGutter& gutter = engine.Gutter();
    TFontDesc gutterFont;
    gutterFont.Name = "Terminal";
    gutterFont.Height = -11;
    gutter.SetFont(gutterFont);
    // The numbers are drawn in the editor's font; "Terminal" is only what the form names.
    gutter.SetUseFontStyle(false);
    gutter.SetShowLineNumbers(true);
    gutter.SetAutoSize(true);
    gutter.SetVisible(true);

    engine.BookMarkOptions().SetEnableKeys(false);
    engine.SetOptions(kEditorOptions);
    engine.SetTabWidth(kTabWidth);
    engine.WantTabs = true;
    LoadMainWindowKeys(engine.Keystrokes());
}

QWidget* TEditorDocumentView::Widget() {
    return m_widget;
}

TSynEditWidget& TEditorDocumentView::EditorWidget() {
    return *m_widget;
}

TSynEdit& TEditorDocumentView::Engine() {
    return m_widget->Engine();
}

TFileIdentity TEditorDocumentView::LoadFromFile(const std::string& fileName) {
    TSynEdit& engine = Engine();
    const TFileIdentity identity = engine.Lines().LoadFile(fileName);
    engine.ClearUndo();
    engine.PlaceCaretAndSelection({1, 1}, {1, 1}, {1, 1});
    engine.SetFirstVisibleLine(1);
    engine.SetFirstVisibleColumn(1);
    engine.SetModified(false);
    return identity;
}

TFileIdentity TEditorDocumentView::SaveToFile(const std::string& fileName) {
    return Engine().Lines().SaveFile(fileName);
}

void TEditorDocumentView::ClearAll() {
    Engine().ClearDocument();
}

bool TEditorDocumentView::Modified() const {
    return m_widget->Engine().Modified();
}

void TEditorDocumentView::SetModified(bool modified) {
    Engine().SetModified(modified);
}

int TEditorDocumentView::CaretChar() const {
    return m_widget->Engine().CaretChar();
}

int TEditorDocumentView::CaretLine() const {
    return m_widget->Engine().CaretLine();
}

void TEditorDocumentView::ScrollCaretIntoView() {
    Engine().ScrollCaretIntoView();
}

bool TEditorDocumentView::ReadOnly() const {
    return m_widget->Engine().ReadOnly();
}

void TEditorDocumentView::SetReadOnly(bool readOnly) {
    Engine().SetReadOnly(readOnly);
}

TSynSelectionMode TEditorDocumentView::SelectionMode() const {
    return m_widget->Engine().SelectionMode();
}

void TEditorDocumentView::SetSelectionMode(TSynSelectionMode mode) {
    Engine().SetSelectionMode(mode);
}

int TEditorDocumentView::FontSize() const {
    return m_widget->Engine().Font().Size();
}

void TEditorDocumentView::SetFontSize(int points) {
    TFontDesc font = Engine().Font();
    font.SetSize(std::clamp(points, kMinFontPoints, kMaxFontPoints));
    Engine().SetFont(font);
}

void TEditorDocumentView::SetHighlighter(int index) {
    m_highlighterIndex = index > hlNone && index < hlCount ? index : hlNone;
    Engine().SetHighlighter(m_highlighters.ForIndex(m_highlighterIndex));
}

void TEditorDocumentView::ClearBookmarks() {
    for (int n = 0; n < 10; ++n)
        Engine().RemoveBookmark(n);
}

void TEditorDocumentView::SetCodePageStandard(int standard) {
    m_widget->SetCodePageStandard(standard);
}

} // namespace tavlo
