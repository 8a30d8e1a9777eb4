// The document shown and edited in the editor control, configured as the main window
// wants it: font, gutter, options, tab handling and key table.
#pragma once

#include "app/DocumentView.h"

#include <QPointer>
#include <QStringList>

namespace tavlo {

class TSynEdit;
class TSynEditWidget;
class TWindowHighlighters;

// "Courier New" where the machine has it, else the system's own fixed-pitch font rather
// than whatever face the font matcher would put in its place.
std::string EditorFontName();

class TEditorDocumentView : public TDocumentView {
public:
    // The highlighters must outlive the view.
    TEditorDocumentView(QWidget* parent, TWindowHighlighters& highlighters);
    ~TEditorDocumentView() override;

    QWidget* Widget() override;
    TSynEditWidget& EditorWidget();
    TSynEdit& Engine();

    TFileIdentity LoadFromFile(const std::string& fileName) override;
    TFileIdentity SaveToFile(const std::string& fileName) override;
    void ClearAll() override;
    bool Modified() const override;
    void SetModified(bool modified) override;
    int CaretChar() const override;
    int CaretLine() const override;
    void ScrollCaretIntoView() override;
    bool ReadOnly() const override;
    void SetReadOnly(bool readOnly) override;
    TSynSelectionMode SelectionMode() const override;
    void SetSelectionMode(TSynSelectionMode mode) override;
    int FontSize() const override;
    void SetFontSize(int points) override;
    int Highlighter() const override { return m_highlighterIndex; }
    void SetHighlighter(int index) override;
    void ClearBookmarks() override;

    // How bytes are shown, typed and copied (Polish standard 0..4); the text is untouched.
    void SetCodePageStandard(int standard);

    // Local files dropped on the editor, in drop order.
    std::function<void(const QStringList& files)> OnDropFiles;

private:
    void configure();

    TWindowHighlighters& m_highlighters;
    QPointer<TSynEditWidget> m_widget; // parented to the window, deleted with the view
    int m_highlighterIndex = 0;
};

} // namespace tavlo
