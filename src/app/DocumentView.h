// What the main window's document flows need of the control that shows and edits the
// document. The flows talk only to this; the menus' text commands use the editor itself.
#pragma once

#include "editor/FileIdentity.h"
#include "editor/SynEditTypes.h"

#include <functional>
#include <string>

class QWidget;

namespace tavlo {

class TDocumentView {
public:
    virtual ~TDocumentView() = default;

    virtual QWidget* Widget() = 0;

    // Throws EFOpenError and keeps the old document on failure; leaves Modified false.
    // Answers the identity of the file as it was read.
    virtual TFileIdentity LoadFromFile(const std::string& fileName) = 0;
    // Throws EFCreateError; the document and its modified state are left alone. Answers the
    // identity of the file written.
    virtual TFileIdentity SaveToFile(const std::string& fileName) = 0;
    virtual void ClearAll() = 0;

    virtual bool Modified() const = 0;
    virtual void SetModified(bool modified) = 0;

    // 1-based, bytes within the line.
    virtual int CaretChar() const = 0;
    virtual int CaretLine() const = 0;
    virtual void ScrollCaretIntoView() = 0;

    virtual bool ReadOnly() const = 0;
    virtual void SetReadOnly(bool readOnly) = 0;

    virtual TSynSelectionMode SelectionMode() const = 0;
    virtual void SetSelectionMode(TSynSelectionMode mode) = 0;

    virtual int FontSize() const = 0;
    virtual void SetFontSize(int points) = 0;

    // Index into the highlighter combo box entries; 0 = no highlighter.
    virtual int Highlighter() const = 0;
    virtual void SetHighlighter(int index) = 0;

    virtual void ClearBookmarks() = 0;

    // After every change of the text.
    std::function<void()> OnChange;
    // Caret, selection, mode and modified changes.
    std::function<void()> OnStatusChange;
};

} // namespace tavlo
