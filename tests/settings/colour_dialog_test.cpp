#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include "core/colour_swatch.h"
#include "platform/help_window.h"
#include "settings/colour_settings_dialog.h"
#include "settings/settings_commands.h"
#include "settings_fixture.h"

namespace {
class ColourDialogTest : public SettingsFixture {
protected:
    ColourSettingsDialog* open(const ColourDialogKind& kind) {
        auto* dialog = ColourSettingsDialog::open(app, kind);
        opened.append(dialog);
        return dialog;
    }
    ~ColourDialogTest() override {
        for (const QPointer<ColourSettingsDialog>& dialog : opened) delete dialog.data();
    }
    // A sample's text (QPalette::Text) or background (QPalette::Base) colour.
    static Rgb paint(const QLineEdit* sample, QPalette::ColorRole role = QPalette::Text) {
        return fromQColor(sample->palette().color(role));
    }
    QList<QPointer<ColourSettingsDialog>> opened;
};
}  // namespace

// Each command opens its kind's dialog, modal, the frame disabled until it closes, its Help
// button showing the help contents. The dialog loads its swatches and samples by its kind's
// rules; OK stores the dialog's own colours (with its kind's writer, whose bytes the settings
// record tests check) and applies them.
TEST_F(ColourDialogTest, CommandsOpenTheirKindsDialogsWhichLoadByTheKindsRulesAndStoreOnOk) {
    QWidget frameWidget;
    frame.widget = &frameWidget;
    registerSettingsCommands(app);
    const int rows = ColourSettingsDialog::RowCount;
    const int backgroundRow = ColourSettingsDialog::BackgroundRow;
    for (const auto& [command, kind] :
         {std::pair{"hcolor", &cwindowKind}, {"ocolor", &scriptcolorKind}}) {
        SCOPED_TRACE(command);
        storePatternedSettings();
        app.coloursChanged = false;
        app.bulkEditBusy = true;
        ASSERT_TRUE(commands.run(command));
        QPointer dialog = qobject_cast<ColourSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        opened.append(dialog);
        EXPECT_FALSE(frameWidget.isEnabled());
        dialog->findChild<QPushButton*>("Command1")->click();
        auto* help = dialog->findChild<HelpWindow*>();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->browser()->source().path().endsWith("help/index.html"));

        const SettingsRecord loaded = settingsRecordFromAppState(app);
        // A swatch holds the setting as stored; a sample shows it without its fourth byte.
        const auto colour = [&](int row) { return (loaded.*kind->rows[row].setting) & 0xFFFFFF; };
        const Rgb background = colour(backgroundRow);
        for (int row = 0; row < rows; ++row) {
            const Rgb setting = colour(row);
            EXPECT_EQ(dialog->swatch(row)->colour(), loaded.*kind->rows[row].setting);
            if (row != backgroundRow) EXPECT_EQ(paint(dialog->sample(row)), setting);
            // Only the script dialog shows every sample on the background at load.
            EXPECT_EQ(paint(dialog->sample(row), QPalette::Base) == background,
                      row == backgroundRow || kind == &scriptcolorKind) << row;
        }
        // A background picked here paints every sample box, in both dialogs.
        dialog->swatch(backgroundRow)->setColour(makeRgb(1, 2, 3));
        for (int row = 0; row < rows; ++row)
            EXPECT_EQ(paint(dialog->sample(row), QPalette::Base), makeRgb(1, 2, 3));

        for (int row = 0; row < rows; ++row)
            dialog->swatch(row)->setColour(makeRgb(row + 1, 0x42, 0x24));
        dialog->OKButton_Click();
        const SettingsRecord stored = readSettingsRecord(settingsFilePath());
        for (int row = 0; row < rows; ++row)
            EXPECT_EQ(stored.*kind->rows[row].setting, makeRgb(row + 1, 0x42, 0x24));
        EXPECT_TRUE(app.coloursChanged);
        EXPECT_FALSE(app.bulkEditBusy);
        EXPECT_TRUE(!dialog || !dialog->isVisible());
        EXPECT_TRUE(frameWidget.isEnabled());
    }
    frame.widget = nullptr;
}

// A cancelled picker keeps the colour picked before; a file that cannot be written is reported
// and changes nothing.
TEST_F(ColourDialogTest, CancelledPickerKeepsTheColourAndAnUnwritableFileChangesNothing) {
    ColourSettingsDialog* dialog = open(cwindowKind);
    const int tagRow = 1;
    dialogs.colourAnswers = {makeRgb(200, 100, 0), std::nullopt};
    dialog->swatch(tagRow)->chooseColour();
    EXPECT_EQ(frame.paletteEvents, (QStringList{"hide", "show"}));
    EXPECT_EQ(paint(dialog->sample(tagRow)), makeRgb(200, 100, 0));
    dialog->swatch(tagRow)->chooseColour();  // cancelled
    EXPECT_EQ(dialog->swatch(tagRow)->colour(), makeRgb(200, 100, 0));
    dialog->reject();

    // A folder where the file should be: the dialog stays open.
    QFile::remove(settingsFilePath());
    ASSERT_TRUE(QDir().mkpath(settingsFilePath()));
    app.coloursChanged = false;
    dialog = open(cwindowKind);
    dialog->swatch(0)->setColour(makeRgb(9, 9, 9));
    dialog->OKButton_Click();
    QDir(settingsFilePath()).removeRecursively();
    EXPECT_EQ(dialogs.last("message")->text.left(33), "The colours could not be saved: c");
    EXPECT_EQ(app.htmlTextColor, Text);
    EXPECT_FALSE(app.coloursChanged);
    EXPECT_TRUE(dialog->isVisible());
}

// OK recolours the active window of the dialog's kinds at once, keeping its caret, and sets its
// background; the others take the change when next activated, and only once.
TEST_F(ColourDialogTest, OkRecoloursTheActiveWindowAtOnceAndOthersWhenActivated) {
    const struct {
        const ColourDialogKind* dialog;
        WindowKind kind, otherKind;
        QByteArray code, comment;
        int commentRow;
        const char* letters;  // of the active window after OK; c: the new comment colour
    } rows[] = {
        {&cwindowKind, KindHtml, KindHtml, "<p a=\"1\">x", "<!--c-->", 3, "GGGGGPPPGTcccccccc"},
        {&scriptcolorKind, KindJava, KindJscript, "int a; ", "// c", 4, "KKKTTTTcccc"},
    };
    const Rgb comment = makeRgb(1, 1, 1);
    const auto letters = [&](EditorPane& p) {
        return colourLetters(p, {{Text, 'T'}, {Tag, 'G'}, {Keyword, 'K'}, {Param, 'P'},
                                 {comment, 'c'}});
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.dialog->name);
        EditorWindow& other = EditorFixture::open(row.otherKind);
        EditorWindow& active = EditorFixture::open(row.kind);
        setText(other, row.comment);
        setText(active, row.code + row.comment);
        if (row.kind == KindHtml) refreshAll();
        active.pane().SetSelStart(4);
        ColourSettingsDialog* dialog = open(*row.dialog);
        dialog->swatch(row.commentRow)->setColour(comment);
        dialog->swatch(ColourSettingsDialog::BackgroundRow)->setColour(makeRgb(20, 30, 40));
        dialog->OKButton_Click();
        EXPECT_EQ(letters(active.pane()), row.letters);
        EXPECT_EQ(active.pane().SelStart(), 4);
        EXPECT_EQ(active.pane().SelLength(), 0);
        if (row.kind != KindHtml) EXPECT_EQ(active.pane().BackColor(), makeRgb(20, 30, 40));
        const std::string none(row.comment.size(), '?'), all(row.comment.size(), 'c');
        EXPECT_EQ(letters(other.pane()), none);
        other.activate();
        EXPECT_EQ(letters(other.pane()), all);
        setText(other, row.comment);
        active.activate();
        other.activate();
        EXPECT_EQ(letters(other.pane()), none);
    }
}
