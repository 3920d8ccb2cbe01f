#include "settings/editor_font.h"
#include "settings_fixture.h"

namespace {
class EditorFontTest : public SettingsFixture {
protected:
    void choose(const QString& name, int size, Rgb colour) {
        dialogs.fontAnswers = {FontChoice{name, size, false, false, false, false, colour}};
        cfont(app);
    }
};
}  // namespace

// Cancel changes nothing; OK stores the name, colour and size (with the font's writer, whose
// bytes the settings record tests check), and recolours the active window by its kind.
TEST_F(EditorFontTest, StoresTheChoiceAndRecoloursTheActiveWindowByKind) {
    cfont(app);  // no answer: cancelled
    EXPECT_FALSE(QFile::exists(settingsFilePath()));
    EXPECT_FALSE(app.fontChanged);
    EXPECT_EQ(frame.paletteEvents, (QStringList{"hide", "show"}));

    // HTML: the page takes the font and the new text colour.
    setText("<p>x");
    refreshAll();
    choose("DejaVu Serif", 14, Other);
    EXPECT_EQ(colours(), "GGGO");
    select(pane(), 0, 4);
    EXPECT_EQ(pane().SelFontSize(), 14);

    // Script windows run their own recolour; document windows keep their fonts.
    for (WindowKind kind : {KindJscript, KindDocument}) {
        StubWindow other(app, kind);
        other.activate();
        choose("DejaVu Serif", 12, Other);
        EXPECT_EQ(other.recolours, kind == KindDocument ? 0 : 1) << kind;
    }

    // A cut name is no installed font: the user is told which name was kept; a whole name is
    // kept without a word.
    storePatternedSettings();
    app.fontChanged = false;
    choose("ABCDEFGHIJKLMNOPQRST", 13, makeRgb(4, 5, 6));
    const QByteArray after = TestEnvironment::readFile(settingsFilePath());
    EXPECT_EQ(after.mid(8, 15), "ABCDEFGHIJKLMNO");
    EXPECT_EQ(after.mid(4, 4), QByteArray("\x04\x05\x06\x00", 4));
    EXPECT_EQ(after.mid(40, 2), QByteArray("\x0d\x00", 2));
    EXPECT_EQ(app.editorFontName, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(app.editorFontSize, 13);
    EXPECT_EQ(app.htmlTextColor, makeRgb(4, 5, 6));
    EXPECT_EQ(app.scriptTextColor, makeRgb(4, 5, 6));
    EXPECT_TRUE(app.fontChanged);
    ASSERT_NE(dialogs.last("message"), nullptr);
    EXPECT_TRUE(dialogs.last("message")->text.contains("\"ABCDEFGHIJKLMNO\""));
    dialogs.asked.clear();
    choose("Serif", 12, Other);
    EXPECT_EQ(dialogs.last("message"), nullptr);
}
