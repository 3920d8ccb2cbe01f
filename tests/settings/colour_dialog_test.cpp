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
    static Rgb textColour(const QLineEdit* sample) {
        return fromQColor(sample->palette().color(QPalette::Text));
    }
    static Rgb backColour(const QLineEdit* sample) {
        return fromQColor(sample->palette().color(QPalette::Base));
    }
    QList<QPointer<ColourSettingsDialog>> opened;
};

struct ByteRange {
    int first;
    int last;
};
struct WriterCase {
    const ColourDialogKind* kind;
    std::vector<ByteRange> owned;  // what OK rewrites; every other byte stays as read
};
}  // namespace

TEST_F(ColourDialogTest, OkRewritesOnlyTheDialogsOwnColoursAndAppliesThem) {
    const WriterCase cases[] = {
        {&cwindowKind, {{4, 7}, {24, 31}, {44, 55}}},
        {&scriptcolorKind, {{56, 79}}},
    };
    for (const WriterCase& c : cases) {
        SCOPED_TRACE(c.kind->name);
        storePatternedSettings();
        const QByteArray before = storedSettings();
        app.coloursChanged = false;
        app.bulkEditBusy = true;
        QPointer<ColourSettingsDialog> dialog = open(*c.kind);
        for (int row = 0; row < ColourSettingsDialog::RowCount; ++row)
            dialog->swatch(row)->setColour(makeRgb(row + 1, 0x42, 0x24));
        dialog->OKButton_Click();

        const QByteArray after = storedSettings();
        ASSERT_EQ(after.size(), before.size());
        std::vector<bool> owned(after.size(), false);
        for (ByteRange range : c.owned)
            for (int i = range.first; i <= range.last; ++i) owned[i] = true;
        for (int i = 0; i < after.size(); ++i) {
            if (owned[i]) continue;
            EXPECT_EQ(after[i], before[i]) << "byte " << i;
        }
        const SettingsRecord stored = readSettingsRecord(settingsFilePath());
        const SettingsRecord held = settingsRecordFromAppState(app);
        for (int row = 0; row < ColourSettingsDialog::RowCount; ++row) {
            EXPECT_EQ(stored.*c.kind->rows[row].setting, makeRgb(row + 1, 0x42, 0x24));
            EXPECT_EQ(held.*c.kind->rows[row].setting, makeRgb(row + 1, 0x42, 0x24));
        }
        EXPECT_TRUE(app.coloursChanged);
        EXPECT_FALSE(app.bulkEditBusy);
        EXPECT_TRUE(!dialog || !dialog->isVisible());
    }
}

TEST_F(ColourDialogTest, LoadsSwatchesAndSamplesByTheKindsRules) {
    app.scriptBackColor = makeRgb(10, 20, 30);
    app.htmlBackColor = makeRgb(40, 50, 60);
    for (const ColourDialogKind* kind : {&cwindowKind, &scriptcolorKind}) {
        SCOPED_TRACE(kind->name);
        ColourSettingsDialog* dialog = open(*kind);
        const SettingsRecord held = settingsRecordFromAppState(app);
        const Rgb background = held.*kind->rows[ColourSettingsDialog::BackgroundRow].setting;
        for (int row = 0; row < ColourSettingsDialog::RowCount; ++row) {
            const Rgb setting = held.*kind->rows[row].setting;
            EXPECT_EQ(dialog->swatch(row)->colour(), setting);
            const bool isBackground = row == ColourSettingsDialog::BackgroundRow;
            if (!isBackground) EXPECT_EQ(textColour(dialog->sample(row)), setting);
            // Only the script dialog shows every sample on the background at load.
            EXPECT_EQ(backColour(dialog->sample(row)) == background,
                      isBackground || kind == &scriptcolorKind) << row;
        }
        // A background picked here paints every sample box, in both dialogs.
        dialog->swatch(ColourSettingsDialog::BackgroundRow)->setColour(makeRgb(1, 2, 3));
        for (int row = 0; row < ColourSettingsDialog::RowCount; ++row)
            EXPECT_EQ(backColour(dialog->sample(row)), makeRgb(1, 2, 3));
        dialog->reject();
    }
}

TEST_F(ColourDialogTest, CancelledPickerKeepsTheColourThatOkThenSaves) {
    ColourSettingsDialog* dialog = open(cwindowKind);
    const int tagRow = 1;
    dialogs.colourAnswers = {makeRgb(200, 100, 0), std::nullopt};
    dialog->swatch(tagRow)->chooseColour();
    EXPECT_EQ(frame.paletteEvents, (QStringList{"hide", "show"}));
    EXPECT_EQ(textColour(dialog->sample(tagRow)), makeRgb(200, 100, 0));

    dialog->swatch(tagRow)->chooseColour();  // cancelled
    EXPECT_EQ(dialog->swatch(tagRow)->colour(), makeRgb(200, 100, 0));
    EXPECT_EQ(textColour(dialog->sample(tagRow)), makeRgb(200, 100, 0));
    dialog->OKButton_Click();
    EXPECT_EQ(readSettingsRecord(settingsFilePath()).htmlTagColor, makeRgb(200, 100, 0));
    EXPECT_EQ(app.htmlTagColor, makeRgb(200, 100, 0));
}

TEST_F(ColourDialogTest, AnUnwritableFileIsReportedAndChangesNothing) {
    // A folder where the file should be: the dialog stays open.
    ASSERT_TRUE(QDir().mkpath(settingsFilePath()));
    ColourSettingsDialog* dialog = open(cwindowKind);
    dialog->swatch(0)->setColour(makeRgb(9, 9, 9));
    dialog->OKButton_Click();
    QDir(settingsFilePath()).removeRecursively();
    EXPECT_EQ(dialogs.last("message")->text.left(33), "The colours could not be saved: c");
    EXPECT_EQ(app.htmlTextColor, Text);
    EXPECT_FALSE(app.coloursChanged);
    EXPECT_TRUE(dialog->isVisible());
}

TEST_F(ColourDialogTest, HtmlOkRecoloursTheCurrentPageAtOnceKeepingTheCaret) {
    setText("<p a=\"1\">x<!--c-->");
    refreshAll();
    pane().SetSelStart(5);
    ColourSettingsDialog* dialog = open(cwindowKind);
    dialog->swatch(1)->setColour(Other);  // tag colour
    dialog->swatch(ColourSettingsDialog::BackgroundRow)->setColour(makeRgb(1, 2, 3));
    dialog->OKButton_Click();
    EXPECT_EQ(colours(), "OOOOOPPPOTCCCCCCCC");
    EXPECT_EQ(pane().SelStart(), 5);
    EXPECT_EQ(pane().SelLength(), 0);
}

TEST_F(ColourDialogTest, ScriptOkRecoloursTheActiveScriptWindowAndSetsItsBackground) {
    StubWindow script(app, KindJava);
    script.activate();
    ColourSettingsDialog* dialog = open(scriptcolorKind);
    QString okCaption;
    bool cancelEnabled = true;
    script.duringRecolour = [&] {
        okCaption = dialog->OKButton()->text();
        cancelEnabled = dialog->CancelButton()->isEnabled();
    };
    dialog->swatch(ColourSettingsDialog::BackgroundRow)->setColour(makeRgb(5, 6, 7));
    dialog->OKButton_Click();
    EXPECT_EQ(script.recolours, 1);
    EXPECT_EQ(okCaption, "Wait..");
    EXPECT_FALSE(cancelEnabled);
    EXPECT_EQ(script.pane().BackColor(), makeRgb(5, 6, 7));

    // With an HTML window active the script colours wait for the script window's next turn.
    window->activate();
    open(scriptcolorKind)->OKButton_Click();
    EXPECT_EQ(script.recolours, 1);
}

TEST_F(ColourDialogTest, OtherPagesTakeAColourChangeWhenNextActivatedAndOnlyOnce) {
    HtmlWindow& second = openHtml();
    window->activate();
    const QByteArray page = "<!--c-->";
    auto fill = [&] { setText(second, page); };
    fill();
    auto commentBytes = [&](EditorPane& p) {
        const std::string letters = colourLetters(p, {{makeRgb(1, 1, 1), 'c'}});
        return int(std::count(letters.begin(), letters.end(), 'c'));
    };
    ColourSettingsDialog* dialog = open(cwindowKind);
    dialog->swatch(3)->setColour(makeRgb(1, 1, 1));  // comment colour
    dialog->OKButton_Click();
    EXPECT_EQ(commentBytes(second.pane()), 0);

    second.activate();
    EXPECT_EQ(commentBytes(second.pane()), page.size());
    // Once updated, activating it again recolours nothing.
    fill();
    window->activate();
    second.activate();
    EXPECT_EQ(commentBytes(second.pane()), 0);
}

TEST_F(ColourDialogTest, CommandsOpenModalTopmostDialogsWithTheFrameDisabledAndHelp) {
    QWidget frameWidget;
    frame.widget = &frameWidget;
    registerSettingsCommands(app);
    for (const char* command : {"hcolor", "ocolor"}) {
        SCOPED_TRACE(command);
        ASSERT_TRUE(commands.run(command));
        auto* dialog = qobject_cast<ColourSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        opened.append(dialog);
        EXPECT_EQ(dialog->objectName(), command == QLatin1String("hcolor") ? "cwindow"
                                                                           : "scriptcolor");
        EXPECT_TRUE(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
        EXPECT_FALSE(frameWidget.isEnabled());

        dialog->findChild<QPushButton*>("Command1")->click();
        auto* help = dialog->findChild<HelpWindow*>();
        ASSERT_NE(help, nullptr);
        EXPECT_TRUE(help->isVisible());
        EXPECT_TRUE(help->browser()->source().path().endsWith("help/index.html"));

        dialog->reject();
        EXPECT_TRUE(frameWidget.isEnabled());
    }
    frame.widget = nullptr;
}
