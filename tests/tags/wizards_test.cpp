// The page, table and list wizards, driven through their controls.
#include "tag_test_fixture.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "tags/list_wizard.h"
#include "tags/page_wizard.h"
#include "tags/table_wizard.h"
#include "tags/wizard_widgets.h"

TEST_F(TagTest, PageWizardWritesTheSkeletonWithTheChosenFilesAndColours) {
    openPageWizard(app)->Command2->click();  // Cancel
    EXPECT_TRUE(text().isEmpty());
    EXPECT_TRUE(frameWindow.isEnabled());

    Form2* wizard = openPageWizard(app);
    EXPECT_FALSE(frameWindow.isEnabled());
    wizard->Command1->click();
    EXPECT_TRUE(text().startsWith("<!DOCTYPE HTML PUBLIC\"-//W3C//DTD HTML 2.0//EN\">\r\n"));
    EXPECT_TRUE(frameWindow.isEnabled());
    EXPECT_EQ(window->modifiedTag(), QStringLiteral("n"));
    const int title = text().indexOf("untitled");
    EXPECT_EQ(colours(title - 1, title + 1), QStringLiteral("GT"));

    put("", 0);
    wizard = openPageWizard(app);
    wizard->List1->setCurrentRow(5);
    dialogs.textAnswers = {QStringLiteral("b.gif"), QStringLiteral("s.wav")};
    wizard->image_open->click();
    wizard->sound_open->click();
    dialogs.colourAnswers = {makeRgb(1, 2, 3)};
    wizard->bgcolor->chooseColour();
    wizard->Command1->click();
    EXPECT_TRUE(text().startsWith("<!DOCTYPE HTML PUBLIC\"-//W3C//DTD HTML 4.01 transitional//EN\">"));
    EXPECT_TRUE(text().contains("<body bgcolor=rgb(1,2,3)  text="));
    EXPECT_TRUE(text().contains("vlink= rgb(255,0,255)  background=\"b.gif\">\r\n"
                                "<bgsound src = \"s.wav\">\r\nAdd your code here"));
}

TEST_F(TagTest, TableWizardWritesHeadingRowAndNumberedCellsAndRefusesNoColumns) {
    put("", 0);
    openTableWizard(app)->OKButton->click();
    const QByteArray table = text();
    EXPECT_TRUE(table.startsWith("<table width = 1% height = 1% bgcolor = rgb(255,255,255) "));
    EXPECT_EQ(table.count("<td>"), 16);
    EXPECT_TRUE(table.endsWith("<td>Data 4 , 4 </td>\r\n</tr>\r\n</table>"));
    EXPECT_EQ(pane().SelText(), QStringLiteral("Heading1"));
    const int cell = table.indexOf("Data 2 , 1");
    EXPECT_EQ(colours(cell - 1, cell + 11), QStringLiteral("GTTTTTTTTTTG"));

    put("", 0);
    Tab1* wizard = openTableWizard(app);
    wizard->col->clear();
    wizard->OKButton->click();
    EXPECT_TRUE(text().isEmpty());
    EXPECT_TRUE(dialogs.last("message")->text.contains(QStringLiteral("Columns")));
    EXPECT_TRUE(wizard->isVisible());
    wizard->close();

    app.currentHtmlWindow.clear();
    EXPECT_EQ(openTableWizard(app), nullptr);
}

TEST_F(TagTest, ListWizardWritesUnorderedOrderedAndDefinitionLists) {
    put("", 0);
    openListWizard(app)->OKButton->click();
    EXPECT_EQ(text(), QByteArray("<ul >\r\n<lh>List Heading here</lh>\r\n<li> Item1\r\n</ul>\r\n"));
    EXPECT_EQ(pane().SelText(), QStringLiteral("Item1"));
    EXPECT_EQ(colours(0, 28), QString(11, 'G') + QString(17, 'T'));

    put("", 0);
    listwiz* wizard = openListWizard(app);
    wizard->Option2->click();
    wizard->Option5->click();
    wizard->List1->setCurrentRow(2);
    wizard->Text2->setText(QStringLiteral("2"));
    wizard->OKButton->click();
    EXPECT_EQ(text(), QByteArray("<ol type = \"I\">\r\n<lh>List Heading here</lh>\r\n"
                                 "<li value = 3>Item1\r\n<li> Item2\r\n</ol>\r\n"));

    put("", 0);
    wizard = openListWizard(app);
    wizard->Option3->click();
    wizard->OKButton->click();
    EXPECT_EQ(text(), QByteArray("<dl>\r\n<dt> Term1\r\n<dd>Defination 1here\r\n</dl>\r\n"));
}
