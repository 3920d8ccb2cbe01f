// The commands that ask first: colour, font, image and image map.
#include "tag_test_fixture.h"

TEST_F(TagTest, ColorWritesTheChosenColourBetweenHiddenPalettes) {
    put("AB", 1);
    dialogs.colourAnswers.push_back(makeRgb(0, 255, 0));
    run("color");
    EXPECT_EQ(text(), QByteArray("A rgb(0,255,0)B"));
    EXPECT_EQ(frame.paletteEvents, (QStringList{"hide", "show"}));

    run("color");  // cancelled
    EXPECT_EQ(text(), QByteArray("A rgb(0,255,0)B"));
}

TEST_F(TagTest, FontWrapsTheContentInTheChosenStylesAndLeavesItSelected) {
    put("", 0);
    FontChoice font;
    font.name = QStringLiteral("Serif");
    font.bold = true;
    font.strikeThru = true;
    font.colour = makeRgb(255, 0, 0);
    dialogs.fontAnswers.push_back(font);
    run("font");
    const QByteArray wrapped = "<strike><b>Your text</b></strike>";
    EXPECT_EQ(text(), "<font font face =  \"Serif\" color=  rgb(255,0,0)>" + wrapped + "</font>");
    EXPECT_EQ(pane().SelText(), QString::fromLatin1(wrapped));

    put("xyz", 0, 3);
    run("font");  // cancelled: the selection stays as it was
    EXPECT_EQ(text(), QByteArray("xyz"));
}

TEST_F(TagTest, ImagePutsTheCaretInsideTheWidthValue) {
    put("", 0);
    dialogs.textAnswers.push_back(QStringLiteral("/pics/a.gif"));
    run("image");
    EXPECT_EQ(text(),
              QByteArray("<img src=\"/pics/a.gif\" width=\"\" height=\"\" alt=\"Imagename\">"));
    EXPECT_EQ(pane().SelStart(), text().indexOf("width=\"") + 7);
}

TEST_F(TagTest, MapsAreNumberedForTheLifeOfTheMainWindow) {
    put("", 0);
    dialogs.textAnswers.push_back(QStringLiteral("m.gif"));
    run("map");
    const QByteArray first =
        "<Div><img src=\"m.gif\" Usemap = \"#shape1\"></Div>\r\n<Div><map name =\"shape1\">"
        "<area shape=\"rect\"coords=\"10,50,200,400\"href =\"\">\r\n</map>\r\n</div>\r\n";
    EXPECT_EQ(text(), first);
    EXPECT_EQ(pane().SelStart(), first.indexOf("href =\"") + 7);

    run("map");  // cancelled, yet it counted
    dialogs.textAnswers.push_back(QStringLiteral("o.gif"));
    run("map");
    EXPECT_TRUE(text().contains("<map name =\"shape3\">"));
    EXPECT_FALSE(text().contains("#shape2"));
}
