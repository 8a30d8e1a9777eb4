// Qt's own dialogs speak Polish, read through the widget tree with Qt's Polish translation
// installed, and the file dialog shows every column readable.
#include "app/PolishDialogs.h"
#include "app/unConvertPLChars.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

namespace tavlo {
namespace {

QStringList buttonTexts(const QWidget& dialog) {
    QStringList texts;
    for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
        if (button->isVisible() && !button->text().isEmpty()) texts << button->text();
    texts.sort();
    return texts;
}

class PolishDialogsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static const bool installed = InstallQtPolishTranslation(*qApp);
        ASSERT_TRUE(installed) << "qt6-translations-l10n is installed by scripts/setup";
    }
};

TEST_F(PolishDialogsTest, MessageBoxesAnswerInPolish) {
    const auto box =
        MakeMessageBox({"tavlo", "Zawartość edytora uległa zmianie!\rCzy zapisać?",
                        TPromptIcon::Warning, TPromptButtons::YesNoCancel, TPromptAnswer::Ok},
                       nullptr);
    box->show();
    EXPECT_EQ(buttonTexts(*box), (QStringList{"Anuluj", "Nie", "Tak"}));
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
    EXPECT_EQ(box->text(), "Zawartość edytora uległa zmianie!\nCzy zapisać?");
    EXPECT_FALSE(box->grab().isNull());

    const auto question = MakeMessageBox(
        {"Zapis pliku", "?", TPromptIcon::Question, TPromptButtons::YesNo, TPromptAnswer::No},
        nullptr);
    question->show();
    EXPECT_EQ(buttonTexts(*question), (QStringList{"Nie", "Tak"}));
    EXPECT_EQ(question->defaultButton(), question->button(QMessageBox::No));

    const auto information = MakeMessageBox({"tavlo", "O programie"}, nullptr);
    information->show();
    EXPECT_EQ(buttonTexts(*information), QStringList{"OK"});
}

TEST_F(PolishDialogsTest, OpenDialogIsPolishWithReadableColumns) {
    QTemporaryDir folder;
    for (const char* name : {"a.pas", "długa nazwa pliku źródłowego.cpp"}) {
        QFile file(folder.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(3000, 'x'));
    }
    const auto dialog = MakeFileDialog(nullptr, QFileDialog::AcceptOpen, "Otwórz", folder.path(),
                                       "Wszystkie pliki (*)");
    dialog->show();
    const QStringList buttons = buttonTexts(*dialog);
    EXPECT_TRUE(buttons.contains("&Otwórz")) << buttons.join(" | ").toStdString();
    EXPECT_TRUE(buttons.contains("Anuluj")) << buttons.join(" | ").toStdString();
    QStringList labels;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        labels << label->text();
    for (const char* label : {"Szukaj w:", "Nazwa &pliku:", "Pliki rodzaju:"})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(label))) << labels.join(" | ").toStdString();

    auto* view = dialog->findChild<QTreeView*>("treeView");
    ASSERT_NE(view, nullptr);
    const auto* model = qobject_cast<const QFileSystemModel*>(view->model());
    ASSERT_NE(model, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->model()->rowCount(view->rootIndex()) == 2; }));
    EXPECT_EQ(model->headerData(1, Qt::Horizontal).toString(), "Rozmiar");
    QApplication::processEvents();
    // No text is clipped: every cell's text fits its column (the name beside its icon).
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QString text = model->index(row, column, view->rootIndex()).data().toString();
            const int room = view->header()->sectionSize(column) - (column == 0 ? 24 : 0);
            EXPECT_LE(view->fontMetrics().horizontalAdvance(text), room) << text.toStdString();
        }
    }
    EXPECT_FALSE(dialog->grab().isNull());
}

TEST_F(PolishDialogsTest, SaveDialogStartsOnTheSuggestedName) {
    QTemporaryDir folder;
    const QString name = folder.filePath("zapis.txt");
    const auto dialog =
        MakeFileDialog(nullptr, QFileDialog::AcceptSave, "Zapisz jako", name, "All (*)");
    dialog->show();
    EXPECT_TRUE(buttonTexts(*dialog).contains("&Zapisz"))
        << buttonTexts(*dialog).join(" | ").toStdString();
    EXPECT_EQ(dialog->selectedFiles(), QStringList{name});
}

TEST_F(PolishDialogsTest, GoToLineAndConversionSayOkAndAnuluj) {
    const auto input = MakeInputDialog(nullptr, "Idź do", "Numer linii:", "12");
    input->show();
    EXPECT_EQ(buttonTexts(*input), (QStringList{"Anuluj", "OK"}));
    EXPECT_EQ(input->textValue(), "12");

    TfrConvertPLChars conversion(nullptr, 0);
    conversion.show();
    EXPECT_EQ(buttonTexts(conversion), (QStringList{"Anuluj", "OK"}));
}

} // namespace
} // namespace tavlo
