#include <QCheckBox>
#include <QListWidget>
#include <QTemporaryDir>

#include "settings/autosave_dialog.h"
#include "settings_fixture.h"

namespace {
class AutosaveTest : public SettingsFixture {
protected:
    // Opens the dialog for the active window and confirms it with the given period ("" for
    // none) and check state.
    QPointer<frmautosave> confirm(bool checked, const QString& period) {
        QPointer<frmautosave> dialog = frmautosave::open(app);
        if (dialog->Check1()->isChecked() != checked) dialog->Check1()->click();
        const auto found = dialog->List1()->findItems(period, Qt::MatchExactly);
        if (!period.isEmpty() && !found.isEmpty()) dialog->List1()->setCurrentItem(found.first());
        dialog->OKButton_Click();
        return dialog;
    }
    void tick(EditorWindow& w, int times) {
        for (int i = 0; i < times; ++i) w.Timer1_Timer();
    }
    QTemporaryDir folder;
};
}  // namespace

// Checked without a period: said aloud, the dialog stays. A period starts the window's timer,
// reopening shows it, a new period keeps the ticks counted, unchecking stops it.
TEST_F(AutosaveTest, PeriodStartsTheWindowsTimerReopeningShowsItAndUncheckingStopsIt) {
    app.speakMessages = true;
    QPointer<frmautosave> first = confirm(true, "");
    EXPECT_EQ(speaker.spoken, QStringList{"Please set time for autosave "});
    ASSERT_NE(dialogs.last("message"), nullptr);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(window->autosaveRunning());
    first->reject();

    confirm(true, "60");  // the last period of each range is offered
    EXPECT_TRUE(window->autosaveRunning());
    EXPECT_EQ(window->autosaveInterval(), 60000);
    QPointer<frmautosave> reopened = frmautosave::open(app);
    EXPECT_EQ(reopened->targetWindow(), window.data());
    EXPECT_TRUE(reopened->Check1()->isChecked());
    reopened->reject();

    tick(*window, 7);
    confirm(true, "20");
    EXPECT_EQ(window->autosaveInterval(), 20000);
    EXPECT_EQ(window->autosaveTicks, 7);
    confirm(false, "");
    EXPECT_FALSE(window->autosaveRunning());
}

// A named window saves at exactly sixty ticks; an untitled one asks for a name every period
// until it has one, bringing itself forward so the user sees which window is meant.
TEST_F(AutosaveTest, SavesEverySixtyTicksAndAsksForANameUntilItHasOne) {
    confirm(true, "5");
    tick(*window, 60);
    tick(*window, 60);
    ASSERT_EQ(dialogs.asked.size(), 2u);
    EXPECT_EQ(dialogs.asked[1].kind, "save");
    EXPECT_EQ(frame.broughtForward.count(window), 2);
    EXPECT_EQ(window->caption(), "noname1");

    const QString path = folder.filePath("named.html");
    dialogs.textAnswers = {path};
    setText("<p>kept</p>");
    tick(*window, 60);
    EXPECT_EQ(window->caption(), path);
    EXPECT_EQ(TestEnvironment::readFile(path), "<p>kept</p>");
    EXPECT_EQ(window->modifiedTag(), "s");
    setText("<p>again</p>");
    tick(*window, 59);
    EXPECT_EQ(TestEnvironment::readFile(path), "<p>kept</p>");
    tick(*window, 1);
    EXPECT_EQ(TestEnvironment::readFile(path), "<p>again</p>");
    EXPECT_EQ(window->autosaveTicks, 0);
    EXPECT_EQ(dialogs.asked.size(), 3u);

    // Document windows autosave too; with no window active, no timer is bound.
    StubWindow document(app, KindDocument);
    document.activate();
    confirm(true, "3");
    EXPECT_TRUE(document.autosaveRunning());
    // Ticks while a save is asking its question do not start another save.
    document.save = [&] { tick(document, 60); return true; };
    tick(document, 60);
    EXPECT_EQ(document.saves, 1);
    EXPECT_EQ(document.autosaveTicks, 0);

    app.activeWindowKind = KindNone;
    QPointer<frmautosave> none = confirm(true, "3");
    EXPECT_EQ(none->targetWindow(), nullptr);
    EXPECT_TRUE(!none || !none->isVisible());
}
