#include "app/unMain.h"

#include "app/DocumentFiles.h"
#include "app/FileErrorMessages.h"
#include "app/HighlighterChoice.h"
#include "app/EditorDocumentView.h"
#include "app/QtPrompter.h"
#include "app/SearchFlow.h"
#include "app/WindowHighlighters.h"
#include "editor/SynEditTextBuffer.h"
#include "ui/MenuActions.h"
#include "ui/StatusPanels.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace tavlo {

namespace {

const QString kProgramName = QStringLiteral("tavlo");
const QString kAskToSaveText =
    QStringLiteral("Zawartość edytora uległa zmianie! Czy zapisać zmiany?");
// Longer names are shown by their end in the caption.
constexpr int kCaptionNameLength = 50;

} // namespace

TfrMain::TfrMain(std::unique_ptr<TPrompter> prompter, QWidget* parent)
    : QMainWindow(parent), m_prompter(std::move(prompter)), m_applicationTitle(kProgramName) {
    if (!m_prompter) m_prompter = std::make_unique<TQtPrompter>(this);
    m_highlighters = std::make_unique<TWindowHighlighters>();
    m_view = std::make_unique<TEditorDocumentView>(this, *m_highlighters);
    setCentralWidget(m_view->Widget());
    setWindowTitle(kProgramName);
    setGeometry(192, 107, 601, 578);

    buildMenus();
    buildToolbar();
    buildPopupMenu();
    buildStatusBar();
    connectActions();
    m_searchFlow = std::make_unique<TSearchFlow>(*this, *m_prompter);

    m_view->OnChange = [this] { refreshStatus(); };
    m_view->OnStatusChange = [this] {
        // The editor changes the mode itself, e.g. for a column selection made with Alt.
        showSelectionMode();
        refreshStatus();
    };
    m_view->OnDropFiles = [this](const QStringList& names) { DropFiles(names); };
    m_view->SetModified(false);
    refreshStatus();
    setAcceptDrops(true);
    ComboBoxHighlight->setCurrentIndex(hlNone);
    applySelectionMode(smNormal);
    TBXSubmenuReopen->setEnabled(false);
    PopupSubmenuReopen->setEnabled(false);
}

TfrMain::~TfrMain() {
    // The view's widget belongs to this window; its callbacks must not outlive it.
    m_view->OnChange = nullptr;
    m_view->OnStatusChange = nullptr;
    m_view->OnDropFiles = nullptr;
}

void TfrMain::SetCommandLine(const QList<QByteArray>& nativeArguments) {
    m_commandLine.clear();
    for (const QByteArray& argument : nativeArguments) m_commandLine << QFile::decodeName(argument);
    m_commandLineNameRepresentable =
        nativeArguments.isEmpty() || NameIsRepresentable(nativeArguments.first());
}

void TfrMain::connectActions() {
    connect(TBXItemNew, &QAction::triggered, this, &TfrMain::NewDocument);
    connect(TBXItemOpen, &QAction::triggered, this, &TfrMain::OpenWithDialog);
    connect(TBXItemSave, &QAction::triggered, this, [this] { Save(); });
    connect(TBXItemSaveAs, &QAction::triggered, this, [this] { SaveAs(); });
    connect(TBXItemClose, &QAction::triggered, this, &QWidget::close);
    connect(TBXItemPrint, &QAction::triggered, this, &TfrMain::TBXItemPrintClick);
    connect(TBXItemAbout, &QAction::triggered, this, &TfrMain::ShowAbout);
    for (int i = 0; i < RecentCount; ++i)
        connect(TBXItemReopen[size_t(i)], &QAction::triggered, this, [this, i] { Reopen(i); });
    connect(TBXItemLineSelection, &QAction::triggered, this,
            [this] { applySelectionMode(smNormal); });
    connect(TBXItemBlockSelection, &QAction::triggered, this,
            [this] { applySelectionMode(smColumn); });
    connect(CheckBoxReadOnly, &QCheckBox::toggled, this, &TfrMain::CheckBoxReadOnlyToggled);
    connect(ComboBoxFontSize, &QComboBox::activated, this, &TfrMain::ComboBoxFontSizeActivated);
    connect(ComboBoxHighlight, &QComboBox::activated, this, &TfrMain::ComboBoxHighlightActivated);
    // Every change of the entry, also from the flows, sets how the bytes are shown.
    connect(ComboBoxCharset, &QComboBox::currentIndexChanged, this,
            [this](int index) {
                m_view->SetCodePageStandard(std::max(index, 0));
                showStandardHint();
            });
    connect(ComboBoxCharset, &QComboBox::activated, this, &TfrMain::giveFocusToEditor);
    connectTools();
    connectEditorKeys();
}

// ---------------------------------------------------------------------------------------
// Start-up and closing

void TfrMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shownBefore) return;
    m_shownBefore = true;
    firstShow();
}

void TfrMain::firstShow() {
    setUpdatesEnabled(false);
    ComboBoxCharset->setCurrentIndex(0);
    ComboBoxFontSize->setCurrentIndex(
        ComboBoxFontSize->findText(QString::number(m_view->FontSize())));
    if (OnLoadSettings) OnLoadSettings();
    setUpdatesEnabled(true);
    // Typing goes to the text from the start, not to the first toolbar control.
    m_view->Widget()->setFocus();
    if (m_commandLine.isEmpty()) return;
    const QString name = CommandLineFileName(m_commandLine.first(), QDir::currentPath());
    if (!m_commandLineNameRepresentable) {
        showFileError(EFOpenError(NativeFileName(name), TFileErrorReason::NameNotRepresentable));
        return;
    }
    // Anything that exists goes to the open flow, which refuses what is not a file.
    if (FileSizeOnDisk(name) >= 0) OpenFileByName(name);
}

void TfrMain::closeEvent(QCloseEvent* event) {
    if (AskToSave() == TAskToSaveResult::Cancel) {
        event->ignore();
        return;
    }
    if (!m_view->Modified()) storeLastPosition();
    if (OnSaveSettings) OnSaveSettings();
    event->accept();
}

// ---------------------------------------------------------------------------------------
// Prompts

bool TfrMain::askYesNo(const QString& caption, const QString& text, TPromptIcon icon,
                       bool defaultNo) {
    return m_prompter->ShowMessage({caption, text, icon, TPromptButtons::YesNo,
                                    defaultNo ? TPromptAnswer::No : TPromptAnswer::Yes}) ==
           TPromptAnswer::Yes;
}

void TfrMain::showFileError(const EFileError& error) {
    m_prompter->ShowMessage({m_applicationTitle, FileErrorMessage(error), TPromptIcon::Error,
                             TPromptButtons::Ok, TPromptAnswer::Ok});
}

TAskToSaveResult TfrMain::AskToSave() {
    if (!m_view->Modified()) return TAskToSaveResult::Ok;
    switch (m_prompter->ShowMessage({m_applicationTitle, kAskToSaveText, TPromptIcon::Warning,
                                     TPromptButtons::YesNoCancel, TPromptAnswer::Yes})) {
    case TPromptAnswer::Yes:
        // Going on after a save that did not happen would throw the edits away.
        return Save() ? TAskToSaveResult::Yes : TAskToSaveResult::Cancel;
    case TPromptAnswer::No:
        return TAskToSaveResult::No;
    default:
        return TAskToSaveResult::Cancel;
    }
}

void TfrMain::ShowAbout() {
    m_prompter->ShowMessage({m_applicationTitle,
                             QStringLiteral("tavlo - edytor plików źródłowych programów\r"
                                            "Copyright © BRENWICK"),
                             TPromptIcon::None, TPromptButtons::Ok, TPromptAnswer::Ok});
}

// ---------------------------------------------------------------------------------------
// Document flows

bool TfrMain::OpenFileByName(const QString& name) {
    if (FileSizeOnDisk(name) > LargeFileSize &&
        !askYesNo(QStringLiteral("Otwieranie pliku"),
                  QStringLiteral("Otwierany plik jest większy niż 10MB.\r"
                                 "Azaliż na pewno otworzyć wybrany plik?"),
                  TPromptIcon::Question, true))
        return false;
    if (!m_view->Modified()) storeLastPosition();
    try {
        m_diskFile.Remember(NativeFileName(name), m_view->LoadFromFile(NativeFileName(name)));
    } catch (const EFileError& error) {
        showFileError(error);
        return false;
    }
    // Reset only once the new text is in: a failed load keeps the old document as it was.
    ComboBoxCharset->setCurrentIndex(0);
    AddRecentFile(name);
    setCurrentFileName(name);
    showFileSize();
    CheckBoxReadOnly->setChecked(ReadFileAttributes(name).readOnly);
    m_view->ClearBookmarks();
    if (restoreLastPosition())
        forgetStandardGuess();
    else
        guessStandard();
    m_view->ScrollCaretIntoView();
    m_view->SetModified(false);
    refreshStatus();
    return true;
}

void TfrMain::OpenWithDialog() {
    if (AskToSave() == TAskToSaveResult::Cancel) return;
    if (auto name = m_prompter->ChooseFileToOpen(FolderOfFile(m_fileName), DocumentDialogFilter()))
        OpenFileByName(*name);
    refreshStatus();
}

void TfrMain::Reopen(int slot) {
    const QString name = m_recentFiles.At(slot);
    if (name.isEmpty()) return;
    if (FileSizeOnDisk(name) < 0) {
        m_prompter->Beep();
        return;
    }
    if (AskToSave() == TAskToSaveResult::Cancel) return;
    OpenFileByName(name);
}

void TfrMain::NewDocument() {
    if (!m_view->Modified()) storeLastPosition();
    if (AskToSave() == TAskToSaveResult::Cancel) return;
    m_view->ClearAll();
    m_status->SetText(pnFileSize, QString());
    m_view->ClearBookmarks();
    setCurrentFileName(QString());
    forgetStandardGuess();
    m_diskFile.Forget();
    m_view->SetHighlighter(hlNone);
    m_view->SetModified(false);
    refreshStatus();
}

std::optional<TFileIdentity> TfrMain::writeDocument(const QString& name) {
    try {
        return m_view->SaveToFile(NativeFileName(name));
    } catch (const EFileError& error) {
        showFileError(error);
        return std::nullopt;
    }
}

bool TfrMain::Save() {
    if (m_fileName.isEmpty()) return SaveAs();
    if (!m_view->Modified()) {
        refreshStatus();
        return true;
    }
    if (!confirmOverwriteOfChangedFile()) {
        refreshStatus();
        return false;
    }
    const TFileAttributes attributes = ReadFileAttributes(m_fileName);
    QString list;
    if (attributes.readOnly) list += QStringLiteral("tylko do odczytu, ");
    if (attributes.hidden) list += QStringLiteral("ukryty, ");
    if (attributes.system) list += QStringLiteral("systemowy, ");
    const bool reported = !list.isEmpty();
    if (reported) {
        list.chop(2);
        if (!askYesNo(QStringLiteral("Zapis pliku"),
                      QStringLiteral("Zapisywany plik posiada atrybuty: ") + list +
                          QStringLiteral(".\r\rAzaliż na pewno zapisać ten plik?"),
                      TPromptIcon::Warning, true)) {
            refreshStatus();
            return false;
        }
        MakeFileWritable(m_fileName);
    }
    const std::optional<TFileIdentity> saved = writeDocument(m_fileName);
    // Put the attributes back whether or not the save went through.
    if (reported) RestoreFileMode(m_fileName, attributes.mode);
    if (saved) {
        m_diskFile.Remember(NativeFileName(m_fileName), *saved);
        showFileSize();
        m_view->SetModified(false);
        storeLastPosition();
    }
    refreshStatus();
    return saved.has_value();
}

bool TfrMain::SaveAs() {
    const std::optional<QString> chosen =
        m_prompter->ChooseFileToSave(m_fileName, FolderOfFile(m_fileName), DocumentDialogFilter());
    if (!chosen) {
        refreshStatus();
        return false;
    }
    const QString name = *chosen;
    const bool ownName = !m_fileName.isEmpty() && name == m_fileName;
    if (!ownName && FileSizeOnDisk(name) >= 0 &&
        !askYesNo(m_applicationTitle,
                  QStringLiteral("Plik o tej nazwie już istnieje! Nadpisać istniejący plik?"),
                  TPromptIcon::Warning, false))
        return false;
    if (ownName && !confirmOverwriteOfChangedFile()) {
        refreshStatus();
        return false;
    }
    // A failed save must leave the document modified, so nothing changes before it.
    const std::optional<TFileIdentity> saved = writeDocument(name);
    if (!saved) {
        refreshStatus();
        return false;
    }
    // A copy under another name is not the document's file.
    if (ownName || m_fileName.isEmpty()) m_diskFile.Remember(NativeFileName(name), *saved);
    if (ownName) m_view->SetModified(false);
    AddRecentFile(name);
    if (m_fileName.isEmpty()) {
        setCurrentFileName(name);
        m_view->SetModified(false);
    }
    // After the adoption above, so that a newly named document shows its size too.
    showFileSize();
    refreshStatus();
    return true;
}

void TfrMain::DropFiles(const QStringList& names) {
    raise();
    activateWindow();
    for (const QString& name : names) {
        if (!m_view->Modified()) storeLastPosition();
        if (AskToSave() == TAskToSaveResult::Cancel) break;
        OpenFileByName(name);
    }
    update();
}

void TfrMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrMain::dropEvent(QDropEvent* event) {
    QStringList names;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) names << url.toLocalFile();
    if (names.isEmpty()) return;
    event->acceptProposedAction();
    DropFiles(names);
}

// ---------------------------------------------------------------------------------------
// Name, caption, recent files and status

void TfrMain::setCurrentFileName(const QString& name) {
    // Not trimmed: blanks at either end are part of a file name here.
    m_fileName = name;
    m_status->SetText(pnFileName, name);
    setWindowTitle(kProgramName);
    if (!name.isEmpty()) {
        QString shown = name;
        if (shown.size() > kCaptionNameLength)
            shown = QStringLiteral("...") + shown.right(kCaptionNameLength - 3);
        setWindowTitle(kProgramName + QStringLiteral(" - [") + shown + QLatin1Char(']'));
        m_applicationTitle = windowTitle();
    }
    chooseHighlighterFor(name);
}

void TfrMain::chooseHighlighterFor(const QString& name) {
    const QString extension = FileExtension(name);
    if (extension.isEmpty()) return;
    const int index = HighlighterForExtension(extension);
    m_view->SetHighlighter(index);
    ComboBoxHighlight->setCurrentIndex(index);
}

void TfrMain::AddRecentFile(const QString& name) {
    m_recentFiles.Add(name);
    refreshRecentMenu();
}

void TfrMain::refreshRecentMenu() {
    for (int i = 0; i < RecentCount; ++i) {
        const QString name = m_recentFiles.At(i);
        TBXItemReopen[size_t(i)]->setVisible(!name.isEmpty());
        TBXItemReopen[size_t(i)]->setText(LiteralMenuCaption(name));
    }
    const bool any = TBXItemReopen[0]->isVisible();
    TBXSubmenuReopen->setEnabled(any);
    PopupSubmenuReopen->setEnabled(any);
}

void TfrMain::refreshStatus() {
    const bool modified = m_view->Modified();
    m_status->SetText(pnModified, modified ? QStringLiteral("Modified") : QString());
    m_status->SetText(pnCaret,
                      QStringLiteral("%1: %2").arg(m_view->CaretChar()).arg(m_view->CaretLine()));
    m_status->SetText(pnReadOnly, m_view->ReadOnly() ? QStringLiteral("Read only") : QString());
    TBXItemSave->setEnabled(modified);
    TBXItemNew->setEnabled(modified || !m_fileName.isEmpty());
}

void TfrMain::showFileSize() {
    const int64_t size = FileSizeOnDisk(m_fileName);
    m_status->SetText(pnFileSize,
                      size >= 0 ? FileSizeText(size, QLocale().decimalPoint()) : QString());
}

QString TfrMain::StatusText(int panel) const {
    return m_status->Text(panel);
}

void TfrMain::storeLastPosition() {
    if (!m_fileName.isEmpty() && OnStoreLastPosition) OnStoreLastPosition();
}

bool TfrMain::restoreLastPosition() {
    return OnRestoreLastPosition && OnRestoreLastPosition();
}

// ---------------------------------------------------------------------------------------
// Toolbar controls

void TfrMain::giveFocusToEditor() {
    QWidget* editor = m_view->Widget();
    if (editor->isVisible() && editor->isEnabled()) editor->setFocus();
}

void TfrMain::CheckBoxReadOnlyToggled(bool checked) {
    if (m_readOnlyChangeGuard > 0) return; // our own flip back below
    ++m_readOnlyChangeGuard;
    struct TGuardRelease {
        int& guard;
        ~TGuardRelease() { --guard; }
    };
    {
        TGuardRelease release{m_readOnlyChangeGuard};
        if (AskToSave() == TAskToSaveResult::Cancel) CheckBoxReadOnly->setChecked(!checked);
    }
    m_view->SetReadOnly(CheckBoxReadOnly->isChecked());
    if (CheckBoxReadOnly->hasFocus()) giveFocusToEditor();
    refreshStatus();
}

void TfrMain::ComboBoxFontSizeActivated(int index) {
    if (index >= 0) {
        bool isNumber = false;
        const int size = ComboBoxFontSize->itemText(index).toInt(&isNumber);
        m_view->SetFontSize(isNumber ? size : m_view->FontSize());
    }
    giveFocusToEditor();
}

void TfrMain::ComboBoxHighlightActivated(int index) {
    m_view->SetHighlighter(index >= hlCpp && index < hlCount ? index : hlNone);
    giveFocusToEditor();
}

void TfrMain::applySelectionMode(TSynSelectionMode mode) {
    m_view->SetSelectionMode(mode);
    showSelectionMode();
}

void TfrMain::showSelectionMode() {
    const bool column = m_view->SelectionMode() == smColumn;
    TBXItemLineSelection->setChecked(!column);
    TBXItemBlockSelection->setChecked(column);
    m_status->SetText(pnSelectionMode,
                      column ? QStringLiteral("Block sel") : QStringLiteral("Line sel"));
}

} // namespace tavlo
