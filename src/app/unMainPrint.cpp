#include "app/EditorDocumentView.h"
#include "app/unMain.h"
#include "app/unPrintPreview.h"
#include "editor/SynEdit.h"

#include <QComboBox>

namespace tavlo {

void TfrMain::TBXItemPrintClick() {
    TSynEdit& editor = m_view->Engine();
    TfrPrintPreview preview(*m_prompter, m_applicationTitle, this);
    preview.SetDocument(editor.Lines(), editor.Highlighter(), editor.Font(), ComboBoxCharset->currentIndex(),
                        m_fileName);
    preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
    preview.exec();
    giveFocusToEditor();
}

} // namespace tavlo
