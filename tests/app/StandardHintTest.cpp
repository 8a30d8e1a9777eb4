#include "MainWindowFixture.h"

#include "editor/PolishCharsets.h"

#include <QComboBox>
#include <QMouseEvent>
#include <QStatusBar>

namespace tavlo {
namespace {

// Polish prose in code page 852: "Żółta łódź płynęła wolno, a źrebię pasło się nad brzegiem."
QByteArray ProseIn852() {
    std::string text = "\xAF\xF3\xB3ta \xB3\xF3" "d\x9F p\xB3yn\xEA\xB3" "a wolno, a \x9Fr" "ebi\xEA pas\xB3o si\xEA"
                       " nad brzegiem. Ma\xB3" "a \x9Cliwka \xBF\xF3\xB3" "ci si\xEA w ogr\xF3" "dku.\n";
    ConvertPolishChars(text, psCp1250, psCp852);
    return QByteArray::fromStdString(text);
}

QWidget* SparePanel(TfrMain& window) {
    const QList<QWidget*> panels = window.statusBar()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QList<QWidget*> labels;
    for (QWidget* panel : panels)
        if (panel->inherits("QLabel")) labels << panel;
    return labels.size() == TfrMain::pnCount ? labels[TfrMain::pnSpare] : nullptr;
}

TEST_F(MainWindowTest, TheSparePanelOffersTheStandardTheBytesLookLikeAndAClickChoosesIt) {
    window->show();
    const QByteArray prose = ProseIn852();
    ASSERT_TRUE(window->OpenFileByName(MakeFile(QStringLiteral("a.txt"), prose)));
    EXPECT_EQ(window->StatusText(TfrMain::pnSpare), QStringLiteral("Wygląda na: Code Page 852 (Latin-2)"));
    EXPECT_EQ(window->ComboBoxCharset->currentIndex(), psCp1250);

    QWidget* panel = SparePanel(*window);
    ASSERT_NE(panel, nullptr);
    QTest::mouseClick(panel, Qt::LeftButton);
    EXPECT_EQ(window->ComboBoxCharset->currentIndex(), psCp852);
    EXPECT_EQ(window->StatusText(TfrMain::pnSpare), QString());
    // Only the showing changed: saving writes the same bytes.
    ASSERT_TRUE(window->Save());
    EXPECT_EQ(Contents(window->FileName()), prose);

    // Plain ASCII gives no hint; UTF-8 is named but cannot be chosen.
    ASSERT_TRUE(window->OpenFileByName(MakeFile(QStringLiteral("b.txt"), "begin end.\n")));
    EXPECT_EQ(window->StatusText(TfrMain::pnSpare), QString());
    ASSERT_TRUE(window->OpenFileByName(MakeFile(QStringLiteral("c.txt"), "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\n")));
    EXPECT_EQ(window->StatusText(TfrMain::pnSpare), QStringLiteral("Wygląda na: UTF-8"));
    QTest::mouseClick(panel, Qt::LeftButton);
    EXPECT_EQ(window->ComboBoxCharset->currentIndex(), psCp1250);

    window->NewDocument();
    EXPECT_EQ(window->StatusText(TfrMain::pnSpare), QString());
}

TEST_F(MainWindowTest, AFileWithAStoredPositionGetsNoGuess) {
    window->OnRestoreLastPosition = [] { return true; };
    window->show();
    ASSERT_TRUE(window->OpenFileByName(MakeFile(QStringLiteral("a.txt"), ProseIn852())));
    EXPECT_EQ(window->StatusText(TfrMain::pnSpare), QString());
}

} // namespace
} // namespace tavlo
