// The script colour dialog on real script windows.
#include <QFile>
#include <QPushButton>

#include "core/colour_swatch.h"
#include "core/settings_record.h"
#include "support/editor_fixture.h"
#include "settings/colour_settings_dialog.h"

namespace {
class ScriptColoursTest : public EditorFixture {
protected:
    ScriptColoursTest() { QFile::remove(settingsFilePath()); }
    ~ScriptColoursTest() override { QFile::remove(settingsFilePath()); }

    // Confirms the script colour dialog with one colour changed.
    void confirm(int row, Rgb colour) {
        ColourSettingsDialog dialog(app, scriptcolorKind);
        dialog.swatch(row)->setColour(colour);
        dialog.OKButton_Click();
    }
    static constexpr int CommentRow = 4;
};
}  // namespace

TEST_F(ScriptColoursTest, BackgroundReachesTheActiveScriptWindowAtOnceKeepingTheCaret) {
    ScriptWindow& window = openScript(KindJava);
    setText(window, "int a; // c");
    window.pane().SetSelStart(4);
    confirm(ColourSettingsDialog::BackgroundRow, makeRgb(20, 30, 40));
    EXPECT_EQ(window.pane().BackColor(), makeRgb(20, 30, 40));
    EXPECT_EQ(window.pane().SelStart(), 4);
    EXPECT_EQ(app.scriptBackColor, makeRgb(20, 30, 40));
}

TEST_F(ScriptColoursTest, CommentColourReachesAnotherWindowWhenActivatedAndOnlyOnce) {
    ScriptWindow& other = openScript(KindJscript);
    ScriptWindow& active = openScript(KindJava);
    setText(other, "// c");
    setText(active, "// c");
    confirm(CommentRow, makeRgb(1, 1, 1));
    EXPECT_EQ(colours(active.pane()), "????");
    EXPECT_EQ(colours(other.pane()), "OOOO");

    other.activate();
    EXPECT_EQ(colours(other.pane()), "????");
    setText(other, "// c");
    active.activate();
    other.activate();
    EXPECT_EQ(colours(other.pane()), "OOOO");
}
