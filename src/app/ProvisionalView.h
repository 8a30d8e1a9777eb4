// A plain text view of the document, used until the editor control is in place: shows the
// buffer's lines decoded as Windows-1250 and writes edits back before a save.
#pragma once

#include "app/DocumentView.h"
#include "editor/SynEditTextBuffer.h"

#include <memory>

class QPlainTextEdit;
class QWidget;

namespace tavlo {

class TProvisionalView : public TDocumentView {
public:
    explicit TProvisionalView(QWidget* parent);
    ~TProvisionalView() override;

    QWidget* Widget() override;
    void LoadFromFile(const std::string& fileName) override;
    void SaveToFile(const std::string& fileName) override;
    void ClearAll() override;
    bool Modified() const override;
    void SetModified(bool modified) override;
    int CaretChar() const override;
    int CaretLine() const override;
    void ScrollCaretIntoView() override;
    bool ReadOnly() const override;
    void SetReadOnly(bool readOnly) override;
    TSynSelectionMode SelectionMode() const override { return m_selectionMode; }
    void SetSelectionMode(TSynSelectionMode mode) override { m_selectionMode = mode; }
    int FontSize() const override;
    void SetFontSize(int points) override;
    int Highlighter() const override { return m_highlighter; }
    void SetHighlighter(int index) override { m_highlighter = index; }
    // This view has no bookmarks to clear.
    void ClearBookmarks() override {}

private:
    void showLines();
    void writeBackLines();

    TSynEditStringList m_lines;
    QPlainTextEdit* m_edit; // owned by its parent widget
    TSynSelectionMode m_selectionMode = smNormal;
    int m_highlighter = 0;
    bool m_showing = false;    // while the view is refilled from the lines
    bool m_textEdited = false; // the view holds edits the lines don't have yet
};

} // namespace tavlo
