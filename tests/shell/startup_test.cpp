#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>

#include "core/app_state.h"
#include "core/settings_record.h"
#include "platform/hunspell_engine.h"
#include "shell/main_window.h"
#include "shell/splash.h"
#include "shell/startup.h"
#include "support/scripted_dialogs.h"
#include "support/test_environment.h"

namespace {
class StartupTest : public ::testing::Test {
protected:
    void TearDown() override {
        TestEnvironment::resetProgramFolder();
        QFile::remove(settingsFilePath());
    }
    static QString programFile(const char* name) {
        return TestEnvironment::programFolder() + "/" + name;
    }
    void expectLoadingError() const {
        ASSERT_EQ(dialogs.asked.size(), 1u);
        EXPECT_EQ(dialogs.asked.front().title, QStringLiteral("Sorry! Error in Loading"));
        EXPECT_EQ(dialogs.asked.front().icon, MsgIcon::Critical);
    }

    AppState app;
    ScriptedDialogs dialogs;
};

// A spelling engine whose check fails the way a broken installation would.
class BrokenSpelling : public SpellingEngine {
public:
    bool available() const override { return true; }
    bool CheckSpelling(const QString&) override { throw std::runtime_error("engine gone"); }
    QStringList suggestions(const QString&) override { return {}; }
};
}  // namespace

// Start-up loads the settings and tables without a question, shows the main window and closes
// the splash.
TEST_F(StartupTest, LoadsSettingsAndTablesAndShowsTheMainWindow) {
    SettingsRecord r = defaultSettingsRecord();
    r.htmlTagColor = makeRgb(12, 34, 56);
    r.editorFontSize = 13;
    writeSettingsRecord(settingsFilePath(), SettingsWriter::cwindow, r);
    writeSettingsRecord(settingsFilePath(), SettingsWriter::cfont, r);

    auto window = startApplication(app, dialogs, TestEnvironment::programFolder());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(dialogs.asked.empty());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<frmSplash*>(w), nullptr) << "the splash is gone";
    EXPECT_EQ(app.htmlTagColor, makeRgb(12, 34, 56));
    EXPECT_EQ(app.editorFontSize, 13);
    EXPECT_TRUE(app.tables.IsTag("body"));
}

TEST_F(StartupTest, AnOverfullOrMissingTableFileEndsWithTheLoadingError) {
    QFile tags(programFile("tag.tsh"));
    ASSERT_TRUE(tags.open(QIODevice::Append));
    tags.write("extra\r\n");  // the 112th item
    tags.close();
    EXPECT_FALSE(loadStartupState(app, dialogs, TestEnvironment::programFolder()));
    expectLoadingError();

    TestEnvironment::resetProgramFolder();
    dialogs.asked.clear();
    ASSERT_TRUE(QFile::remove(programFile("tooltiphtml.tsh")));
    EXPECT_EQ(startApplication(app, dialogs, TestEnvironment::programFolder()), nullptr);
    expectLoadingError();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy cursor is restored";
}

// A spelling engine that fails its first check leaves spelling off, without a question; a
// working one turns it on.
TEST_F(StartupTest, SpellingProbeFailureIsNoError) {
    BrokenSpelling broken;
    app.spelling = &broken;
    app.spellingAvailable = true;
    ASSERT_TRUE(loadStartupState(app, dialogs, TestEnvironment::programFolder()));
    EXPECT_FALSE(app.spellingAvailable);
    EXPECT_TRUE(dialogs.asked.empty());

    HunspellEngine real;
    app.spelling = &real;
    ASSERT_TRUE(loadStartupState(app, dialogs, TestEnvironment::programFolder()));
    EXPECT_TRUE(app.spellingAvailable);
}
