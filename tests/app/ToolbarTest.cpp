// The toolbar as a user sees it: one row with every control, pictures from one theme
// that grey out when their command is off, and a font-size list of ten rows.
#include "MainWindowFixture.h"

#include "ui/ToolbarIcons.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QToolBar>
#include <QToolButton>

namespace tavlo {
namespace {

class ToolbarTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QToolBar* Toolbar() const { return window->findChild<QToolBar*>(); }

    // How colourful the button's picture is: the largest difference between the colour
    // channels of a pixel (0 for grey).
    int Colourfulness(QAction* action) const {
        auto* button = qobject_cast<QToolButton*>(Toolbar()->widgetForAction(action));
        EXPECT_NE(button, nullptr);
        const QImage image = button->grab().toImage();
        int most = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                most = std::max({most, std::abs(c.red() - c.green()),
                                 std::abs(c.green() - c.blue()), std::abs(c.red() - c.blue())});
            }
        }
        return most;
    }
};

TEST_F(ToolbarTest, AllItemsLieInOneRowAtTheDefaultWidth) {
    EXPECT_EQ(window->findChildren<QToolBar*>().size(), 1);
    QToolBar* toolbar = Toolbar();
    auto* overflow = toolbar->findChild<QWidget*>("qt_toolbar_ext_button");
    ASSERT_NE(overflow, nullptr);
    EXPECT_FALSE(overflow->isVisible()) << "nothing hides behind the overflow button";
    QWidget* items[] = {toolbar->widgetForAction(window->TBXItemNew),
                        toolbar->widgetForAction(window->TBXItemFindNext),
                        window->ComboBoxCharset,
                        window->ComboBoxFontSize,
                        window->ComboBoxHighlight,
                        window->CheckBoxReadOnly};
    int left = -1;
    for (QWidget* item : items) {
        ASSERT_NE(item, nullptr);
        EXPECT_TRUE(item->isVisible());
        EXPECT_TRUE(toolbar->rect().contains(item->geometry())) << item->metaObject()->className();
        EXPECT_GT(item->x(), left) << "in the order of the toolbar";
        left = item->x();
    }
    // The Polish standards' list shows its entries whole, however narrow the closed box.
    const QAbstractItemView* list = window->ComboBoxCharset->view();
    EXPECT_GE(list->minimumWidth(),
              list->fontMetrics().horizontalAdvance(QStringLiteral("Code Page 1250 (Windows)")));
}

TEST_F(ToolbarTest, FontSizeListShowsTenRows) {
    QComboBox* sizes = window->ComboBoxFontSize;
    ASSERT_EQ(sizes->count(), 19);
    sizes->showPopup();
    QAbstractItemView* list = sizes->view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->isVisible(); }));
    int shown = 0;
    for (int row = 0; row < sizes->count(); ++row)
        if (list->viewport()->rect().contains(list->visualRect(list->model()->index(row, 0))))
            ++shown;
    EXPECT_EQ(shown, 10);
    sizes->hidePopup();
}

TEST_F(ToolbarTest, PicturesComeFromOneThemeAndGreyOutWhenDisabled) {
    EXPECT_EQ(QIcon::themeName(), QString::fromLatin1(ToolbarIconTheme))
        << "tango-icon-theme is installed by scripts/setup";
    for (QAction* action :
         {window->TBXItemNew, window->TBXItemOpen, window->TBXItemSave, window->TBXItemFind,
          window->TBXItemFindPrevious, window->TBXItemFindNext})
        EXPECT_FALSE(action->icon().name().isEmpty()) << action->text().toStdString();

    // An untitled, unchanged document: Open is on, Save is off.
    ASSERT_TRUE(window->TBXItemOpen->isEnabled());
    ASSERT_FALSE(window->TBXItemSave->isEnabled());
    EXPECT_GT(Colourfulness(window->TBXItemOpen), 60);
    EXPECT_LT(Colourfulness(window->TBXItemSave), 20);
    Edit();
    ASSERT_TRUE(window->TBXItemSave->isEnabled());
    EXPECT_GT(Colourfulness(window->TBXItemSave), 60);
}

} // namespace
} // namespace tavlo
