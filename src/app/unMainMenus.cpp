// The main window's menu tree, toolbar, editor pop-up menu and status bar.
#include "app/EditorDocumentView.h"
#include "app/HighlighterChoice.h"
#include "app/unConvertPLChars.h"
#include "app/unMain.h"
#include "ui/MenuActions.h"
#include "ui/StatusPanels.h"
#include "ui/ToolbarIcons.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace tavlo {

namespace {

QKeySequence keys(const char* text) {
    return QKeySequence(QString::fromLatin1(text));
}

} // namespace

void TfrMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("Plik"));
    TBXItemNew =
        MakeAction(this, QStringLiteral("Nowy"), keys("Ctrl+N"), QStringLiteral("Nowy (Ctrl+N)"));
    TBXItemOpen = MakeAction(this, QStringLiteral("Otwórz..."), keys("Ctrl+O"),
                             QStringLiteral("Otwórz (Ctrl+O)"));
    TBXItemSave = MakeAction(this, QStringLiteral("Zapisz"), keys("Ctrl+S"),
                             QStringLiteral("Zapisz (Ctrl+S)"));
    TBXItemSaveAs = MakeAction(this, QStringLiteral("Zapisz jako"), keys("Ctrl+Shift+S"));
    TBXItemPrint = MakeAction(this, QStringLiteral("Drukuj..."), keys("Ctrl+P"));
    TBXItemClose = MakeAction(this, QStringLiteral("Zamknij"));
    TBXItemNew->setIcon(ToolbarIcon("document-new", QStyle::SP_FileIcon));
    TBXItemOpen->setIcon(ToolbarIcon("document-open", QStyle::SP_DialogOpenButton));
    TBXItemSave->setIcon(ToolbarIcon("document-save", QStyle::SP_DialogSaveButton));
    file->addActions({TBXItemNew, TBXItemOpen, TBXItemSave, TBXItemSaveAs});
    file->addSeparator();
    file->addAction(TBXItemPrint);
    file->addSeparator();
    TBXSubmenuReopen = file->addMenu(QStringLiteral("Ostatnio otwierane"));
    for (int i = 0; i < RecentCount; ++i) {
        // Alt+1 … Alt+9 for the first nine, Alt+0 for the tenth.
        const QKeySequence shortcut(QStringLiteral("Alt+%1").arg((i + 1) % 10));
        TBXItemReopen[size_t(i)] = MakeAction(this, QString(), shortcut);
        TBXItemReopen[size_t(i)]->setVisible(false);
        TBXSubmenuReopen->addAction(TBXItemReopen[size_t(i)]);
    }
    file->addSeparator();
    file->addAction(TBXItemClose);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("Edycja"));
    TBXItemFind = MakeAction(this, QStringLiteral("Znajdź..."), keys("Ctrl+F"),
                             QStringLiteral("Znajdź (Ctrl+F)"));
    TBXItemFindPrevious = MakeAction(this, QStringLiteral("Znajdź poprzedni"), keys("F2"),
                                     QStringLiteral("Znajdź poprzedni (F2)"));
    TBXItemFindNext = MakeAction(this, QStringLiteral("Znajdź następny"), keys("F3"),
                                 QStringLiteral("Znajdź następny (F3)"));
    TBXItemReplace = MakeAction(this, QStringLiteral("Znajdź i zamień..."), keys("Ctrl+R"));
    TBXItemGoToLine = MakeAction(this, QStringLiteral("Idź do..."), keys("Ctrl+G"));
    TBXItemFind->setIcon(ToolbarIcon("edit-find", QStyle::SP_FileDialogContentsView));
    TBXItemFindPrevious->setIcon(ToolbarIcon("go-up", QStyle::SP_ArrowUp));
    TBXItemFindNext->setIcon(ToolbarIcon("go-down", QStyle::SP_ArrowDown));
    edit->addActions(
        {TBXItemFind, TBXItemFindPrevious, TBXItemFindNext, TBXItemReplace, TBXItemGoToLine});
    QMenu* word = edit->addMenu(QStringLiteral("Słowo pod kursorem"));
    TBXItemWordPrevious = word->addAction(QStringLiteral("Poprzednie"));
    TBXItemWordPrevious->setShortcut(keys("Ctrl+Shift+Up"));
    TBXItemWordNext = word->addAction(QStringLiteral("Następne"));
    TBXItemWordNext->setShortcut(keys("Ctrl+Shift+Down"));
    edit->addSeparator();
    QMenu* paragraph = edit->addMenu(QStringLiteral("Akapit"));
    TBXItemIndent =
        MakeAction(this, QStringLiteral("Zwiększ"), {keys("Alt+Right"), keys("Ctrl+Shift+I")});
    TBXItemUnindent = MakeAction(this, QStringLiteral("Zmniejsz"), keys("Alt+Left"));
    paragraph->addActions({TBXItemIndent, TBXItemUnindent});
    QMenu* letterCase = edit->addMenu(QStringLiteral("Zmień wielkość liter"));
    TBXItemUpperCase = MakeAction(this, QStringLiteral("Na duże"), keys("Alt+Up"));
    TBXItemLowerCase = MakeAction(this, QStringLiteral("Na małe"), keys("Alt+Down"));
    TBXItemTitleCase =
        MakeAction(this, QStringLiteral("Pierwsze litery duże"), keys("Ctrl+Alt+Up"));
    letterCase->addActions({TBXItemUpperCase, TBXItemLowerCase, TBXItemTitleCase});
    edit->addSeparator();
    QMenu* selection = edit->addMenu(QStringLiteral("Rodzaj zaznaczenia"));
    TBXItemLineSelection = MakeAction(this, QStringLiteral("Liniowy"), keys("Ctrl+Shift+L"));
    TBXItemBlockSelection = MakeAction(this, QStringLiteral("Blokowy"), keys("Ctrl+Shift+B"));
    auto* selectionGroup = new QActionGroup(this);
    for (QAction* action : {TBXItemLineSelection, TBXItemBlockSelection}) {
        action->setCheckable(true);
        selectionGroup->addAction(action);
        selection->addAction(action);
    }

    QMenu* tools = menuBar()->addMenu(QStringLiteral("Narzędzia"));
    QMenu* insert = tools->addMenu(QStringLiteral("Wstaw"));
    TBXItemInsertGuid = MakeAction(this, QStringLiteral("GUID"), keys("Ctrl+Shift+G"));
    TBXItemInsertDateTime = MakeAction(this, QStringLiteral("Czas"), keys("Ctrl+Shift+T"));
    TBXItemInsertDate = MakeAction(this, QStringLiteral("Datę"), keys("Ctrl+Shift+D"));
    TBXItemInsertTime = MakeAction(this, QStringLiteral("Godzinę"), keys("Ctrl+Shift+H"));
    insert->addAction(TBXItemInsertGuid);
    insert->addSeparator();
    insert->addActions({TBXItemInsertDateTime, TBXItemInsertDate, TBXItemInsertTime});
    TBXItemMatchBracket = MakeAction(this, QStringLiteral("Dopasuj nawias"), keys("Ctrl+]"));
    TBXItemConvertPLChars =
        MakeAction(this, QStringLiteral("Zmień standard polskich znaków"), keys("Ctrl+L"));
    TBXItemSort = MakeAction(this, QStringLiteral("Sortuj"), keys("Ctrl+Shift+R"));
    TBXItemSortBySelection = MakeAction(this, QStringLiteral("Sortuj wg zaznaczenia"));
    tools->addAction(TBXItemMatchBracket);
    tools->addSeparator();
    tools->addAction(TBXItemConvertPLChars);
    tools->addSeparator();
    tools->addActions({TBXItemSort, TBXItemSortBySelection});
    tools->addSeparator();
    QMenu* addBookmark = tools->addMenu(QStringLiteral("Dodaj zakładkę"));
    QMenu* goToBookmark = tools->addMenu(QStringLiteral("Przejdź do zakładki"));
    for (int i = 0; i < 10; ++i) {
        TBXItemAddBookmark[size_t(i)] = addBookmark->addAction(QStringLiteral("Dodaj %1").arg(i));
        TBXItemAddBookmark[size_t(i)]->setShortcut(
            QKeySequence(QStringLiteral("Ctrl+Shift+%1").arg(i)));
        TBXItemGoToBookmark[size_t(i)] =
            goToBookmark->addAction(QStringLiteral("Przejdz do %1").arg(i));
        TBXItemGoToBookmark[size_t(i)]->setShortcut(QKeySequence(QStringLiteral("Ctrl+%1").arg(i)));
    }

    QMenu* help = menuBar()->addMenu(QStringLiteral("Pomoc"));
    TBXItemAbout = help->addAction(QStringLiteral("O programie..."));

}

void TfrMain::buildToolbar() {
    QToolBar* toolbar = addToolBar(QStringLiteral("Narzędzia"));
    toolbar->setMovable(false);
    toolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar->setIconSize(QSize(16, 16));
    toolbar->addActions({TBXItemNew, TBXItemOpen, TBXItemSave});
    toolbar->addSeparator();
    toolbar->addActions({TBXItemFind, TBXItemFindPrevious, TBXItemFindNext});
    toolbar->addSeparator();
    ComboBoxCharset = MakeDropDownList(toolbar, PolishStandardEntries(), 5);
    QStringList sizes;
    for (int size : {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 30, 50})
        sizes << QString::number(size);
    ComboBoxFontSize = MakeDropDownList(toolbar, sizes, 10);
    ComboBoxHighlight = MakeDropDownList(toolbar, HighlighterComboEntries(), 15);
    CheckBoxReadOnly = new QCheckBox(QStringLiteral("Tylko do odczytu"), toolbar);
    for (QWidget* control : std::initializer_list<QWidget*>{ComboBoxCharset, ComboBoxFontSize,
                                                            ComboBoxHighlight, CheckBoxReadOnly})
        toolbar->addWidget(control);
    // Where the font makes the row too wide for the window, the long names of the Polish
    // standards give up the difference (their list still shows them whole), rather than
    // the check box hiding behind the toolbar's overflow button.
    const int excess = toolbar->sizeHint().width() - width();
    if (excess > 0) ComboBoxCharset->setMaximumWidth(ComboBoxCharset->sizeHint().width() - excess);
}

void TfrMain::buildPopupMenu() {
    PopupMenuEditor = new QMenu(this);
    PopupMenuEditor->addActions({TBXItemNew, TBXItemOpen, TBXItemSave});
    PopupMenuEditor->addSeparator();
    PopupMenuEditor->addActions({TBXItemFind, TBXItemFindNext});
    PopupMenuEditor->addSeparator();
    PopupSubmenuReopen = PopupMenuEditor->addMenu(QStringLiteral("Ostatnio otwierane"));
    for (QAction* item : TBXItemReopen)
        PopupSubmenuReopen->addAction(item);
    PopupMenuEditor->addSeparator();
    PopupMenuEditor->addAction(TBXItemAbout);

    QWidget* editor = m_view->Widget();
    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(editor, &QWidget::customContextMenuRequested, this,
            [this, editor](const QPoint& at) { PopupMenuEditor->popup(editor->mapToGlobal(at)); });
}

void TfrMain::buildStatusBar() {
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment centre = Qt::AlignCenter;
    m_status = std::make_unique<TStatusPanels>(statusBar(),
                                               std::vector<TPanelLayout>{
                                                   {70, centre, false, Qt::ElideRight, Qt::red},
                                                   {70, left, false, Qt::ElideRight, {}},
                                                   {70, left, false, Qt::ElideRight, {}},
                                                   {70, left, false, Qt::ElideRight, {}},
                                                   {100, left, true, Qt::ElideMiddle, {}},
                                                   {60, left, false, Qt::ElideRight, {}},
                                                   {20, left, false, Qt::ElideRight, {}},
                                               });
    m_status->OnPanelClick = [this](int panel) { StatusPanelClick(panel); };
}

} // namespace tavlo
