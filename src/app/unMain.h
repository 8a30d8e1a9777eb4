// The main window: one document, its file flows and prompts, the menus, the toolbar and
// the status bar around the view that edits it.
#pragma once

#include "app/DiskFileWatch.h"
#include "app/Prompter.h"
#include "app/RecentFiles.h"
#include "app/SearchSettings.h"
#include "editor/PolishStandardGuess.h"
#include "editor/SynEditKeyCmds.h"
#include "editor/SynEditTypes.h"

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QMenu;

namespace tavlo {

class EFileError;
class TEditorDocumentView;
class TSearchFlow;
class TStatusPanels;
class TWindowHighlighters;

enum class TAskToSaveResult { Ok, Yes, No, Cancel };

class TfrMain : public QMainWindow {
    Q_OBJECT

public:
    // Status bar panels, left to right.
    enum TPanel {
        pnModified,
        pnCaret,
        pnReadOnly,
        pnSelectionMode,
        pnFileName,
        pnFileSize,
        pnSpare,
        pnCount
    };
    static constexpr int64_t LargeFileSize = 10240000;
    static constexpr int RecentCount = TRecentFiles::Capacity;

    // Without a prompter, real message boxes and dialogs are used.
    explicit TfrMain(std::unique_ptr<TPrompter> prompter = nullptr, QWidget* parent = nullptr);
    ~TfrMain() override;

    // Arguments after the program name; the first names the file opened on first show.
    void SetCommandLine(const QStringList& arguments) {
        m_commandLine = arguments;
        m_commandLineNameRepresentable = true;
    }
    // The same in the bytes the system gave; a name that is no text is refused with a message.
    void SetCommandLine(const QList<QByteArray>& nativeArguments);

    // The document flows.
    void NewDocument();
    void OpenWithDialog();
    bool OpenFileByName(const QString& name);
    bool Save();
    bool SaveAs();
    void Reopen(int slot);
    void DropFiles(const QStringList& names);
    void ShowAbout();
    TAskToSaveResult AskToSave();
    // What regaining the focus does: if another program changed the file, offers to load
    // it again (unMainDiskChanges.cpp).
    void CheckFileOnDisk();

    void AddRecentFile(const QString& name);
    const TRecentFiles& RecentFiles() const { return m_recentFiles; }

    // Shared by the find and replace dialogs and the settings store.
    TSearchSettings& SearchSettings() { return m_searchSettings; }

    const QString& FileName() const { return m_fileName; }
    const QString& ApplicationTitle() const { return m_applicationTitle; }
    QString StatusText(int panel) const;
    TEditorDocumentView& Editor() { return *m_view; }

    // Hooks for the settings store: loading and saving the settings, and the remembered
    // position of the current (named) file. An unset hook is skipped.
    std::function<void()> OnLoadSettings;
    std::function<void()> OnSaveSettings;
    std::function<void()> OnStoreLastPosition;
    // Answers whether the file had a stored position.
    std::function<bool()> OnRestoreLastPosition;

    // Menu, toolbar and pop-up items (the pop-up menu shares the same actions).
    QAction* TBXItemNew;
    QAction* TBXItemOpen;
    QAction* TBXItemSave;
    QAction* TBXItemSaveAs;
    QAction* TBXItemPrint;
    QAction* TBXItemClose;
    std::array<QAction*, RecentCount> TBXItemReopen;
    QMenu* TBXSubmenuReopen;
    QMenu* PopupSubmenuReopen;
    QMenu* PopupMenuEditor;
    QAction* TBXItemFind;
    QAction* TBXItemFindPrevious;
    QAction* TBXItemFindNext;
    QAction* TBXItemReplace;
    QAction* TBXItemGoToLine;
    QAction* TBXItemWordPrevious;
    QAction* TBXItemWordNext;
    QAction* TBXItemIndent;
    QAction* TBXItemUnindent;
    QAction* TBXItemUpperCase;
    QAction* TBXItemLowerCase;
    QAction* TBXItemTitleCase;
    QAction* TBXItemLineSelection;
    QAction* TBXItemBlockSelection;
    QAction* TBXItemInsertGuid;
    QAction* TBXItemInsertDateTime;
    QAction* TBXItemInsertDate;
    QAction* TBXItemInsertTime;
    QAction* TBXItemMatchBracket;
    QAction* TBXItemConvertPLChars;
    QAction* TBXItemSort;
    QAction* TBXItemSortBySelection;
    std::array<QAction*, 10> TBXItemAddBookmark;
    std::array<QAction*, 10> TBXItemGoToBookmark;
    QAction* TBXItemAbout;
    QComboBox* ComboBoxCharset;
    QComboBox* ComboBoxFontSize;
    QComboBox* ComboBoxHighlight;
    QCheckBox* CheckBoxReadOnly;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolbar();
    void buildPopupMenu();
    void buildStatusBar();
    void connectActions();

    void firstShow();
    void setCurrentFileName(const QString& name);
    void chooseHighlighterFor(const QString& name);
    void refreshRecentMenu();
    void refreshStatus();
    void showFileSize();
    std::optional<TFileIdentity> writeDocument(const QString& name);
    bool confirmOverwriteOfChangedFile();
    void showFileError(const EFileError& error);
    bool askYesNo(const QString& caption, const QString& text, TPromptIcon icon, bool defaultNo);
    void storeLastPosition();
    bool restoreLastPosition();
    void giveFocusToEditor();

    void CheckBoxReadOnlyToggled(bool checked);
    void ComboBoxFontSizeActivated(int index);
    void ComboBoxHighlightActivated(int index);
    void applySelectionMode(TSynSelectionMode mode);
    void showSelectionMode();

    // Keys handled in the editor before it (unMainKeys.cpp).
    void connectEditorKeys();

    // Menu commands that act on the text (unMainTools.cpp).
    void connectTools();
    void TBXItemIndentClick();
    void changeLetterCase(TSynEditorCommand command);
    void TBXItemAddBookmarkClick(int n);
    void TBXItemGoToBookmarkClick(int n);
    void TBXItemGoToLineClick();
    void typeIntoEditor(const QString& text);
    void TBXItemSortClick();
    void TBXItemSortBySelectionClick();
    void TBXItemConvertPLCharsClick();

    // The Polish standard the file's bytes look like, offered in the spare panel when it is
    // not the one chosen (unMainStandardHint.cpp).
    void guessStandard();
    void forgetStandardGuess();
    void showStandardHint();
    void StatusPanelClick(int panel);

    // Opens the print preview of the current text (unMainPrint.cpp).
    void TBXItemPrintClick();

    std::unique_ptr<TPrompter> m_prompter;
    // Before the view: the editor borrows them until it is gone.
    std::unique_ptr<TWindowHighlighters> m_highlighters;
    std::unique_ptr<TEditorDocumentView> m_view;
    std::unique_ptr<TStatusPanels> m_status;
    // After the view: it answers the editor's replace questions while the editor lives.
    std::unique_ptr<TSearchFlow> m_searchFlow;
    TRecentFiles m_recentFiles;
    TSearchSettings m_searchSettings;
    QString m_fileName;
    TDiskFileWatch m_diskFile;
    QString m_applicationTitle;
    QStringList m_commandLine;
    bool m_commandLineNameRepresentable = true;
    int m_readOnlyChangeGuard = 0;
    // The last line number entered in "Idź do".
    int m_goToLine = 1;
    bool m_shownBefore = false;
    std::optional<TStandardGuess> m_standardGuess;
};

} // namespace tavlo
