// Changes that other programs make to the document's file: asked about before a save
// would overwrite them, and offered for loading when the window regains the focus.
#include "app/unMain.h"

#include "app/EditorDocumentView.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace tavlo {

bool TfrMain::confirmOverwriteOfChangedFile() {
    // A deleted file is simply written again.
    if (m_diskFile.Check() != TDiskChange::Changed) return true;
    if (!askYesNo(QStringLiteral("Zapis pliku"),
                  QStringLiteral("Plik %1 został zmieniony przez inny program od chwili, gdy "
                                 "go wczytano lub zapisano.\r\r"
                                 "Czy nadpisać go zawartością edytora?")
                      .arg(m_fileName),
                  TPromptIcon::Warning, true))
        return false;
    m_diskFile.Acknowledge();
    return true;
}

void TfrMain::CheckFileOnDisk() {
    if (m_diskFile.Check() != TDiskChange::Changed) return;
    // Asked once per change, whatever the answer.
    m_diskFile.Acknowledge();
    const bool modified = m_view->Modified();
    const QString text =
        modified ? QStringLiteral("Plik %1 został zmieniony przez inny program.\r"
                                  "W edytorze są niezapisane zmiany.\r\r"
                                  "Czy wczytać plik z dysku i porzucić zmiany z edytora?")
                 : QStringLiteral("Plik %1 został zmieniony przez inny program.\r\r"
                                  "Czy wczytać go ponownie?");
    // Throwing edits away is never the default.
    if (askYesNo(m_applicationTitle, text.arg(m_fileName),
                 modified ? TPromptIcon::Warning : TPromptIcon::Question, modified))
        OpenFileByName(m_fileName);
}

void TfrMain::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow()) return;
    // Later, from the event loop, and not while one of our own boxes or dialogs is up:
    // closing it gives the focus back too, in the middle of a flow.
    QTimer::singleShot(0, this, [this] {
        if (isActiveWindow() && !QApplication::activeModalWidget()) CheckFileOnDisk();
    });
}

} // namespace tavlo
