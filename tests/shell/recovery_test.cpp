// Recovery of unsaved work: what is kept while a window holds unsaved changes, what a killed run
// leaves behind, and what the next start-up puts back.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <csignal>

#include "core/recovery_store.h"
#include "html/html_window.h"
#include "script/script_window.h"
#include "shell/frame_fixture.h"
#include "shell/recovery_dialog.h"

namespace {
// The run that gets killed writes here; the test that starts it reads it back.
const char* const killedRunFolder = "TESSAVEL_TEST_KILLED_RUN";
const QByteArray typedPage = "<p>caf\xc3\xa9 \xe2\x82\xac\r\nline two";

struct RecoveryTest : FrameFixture {
    QTemporaryDir root;
    std::unique_ptr<RecoveryStore> store;

    void SetUp() override {
        store = std::make_unique<RecoveryStore>(qEnvironmentVariable(killedRunFolder, root.path()));
        app.recovery = store.get();
        FrameFixture::SetUp();
    }
    void TearDown() override {
        FrameFixture::TearDown();
        store.reset();
    }
    HtmlWindow* typedWindow(const QByteArray& text) {
        auto* window = new HtmlWindow(app);
        window->setCaption(QStringLiteral("noname7"));
        window->newfile(QStringLiteral("s"));
        frame->showChild(window);
        window->pane().SetText(text);
        window->setModifiedTag(QStringLiteral("n"));
        return window;
    }
    QStringList keptFiles() {
        store->waitForWrites();
        return QDir(store->folder()).entryList({QStringLiteral("*.recovery")}, QDir::Files);
    }
};
}  // namespace

TEST_F(RecoveryTest, UnsavedTextIsKeptUntilSavedOrClosedAndACleanExitLeavesNothing) {
    // The write waits for a pause in the typing.
    HtmlWindow* window = typedWindow(typedPage);
    EXPECT_TRUE(keptFiles().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor([&] { return keptFiles().size() == 1; }, 10000));
    window->keepForRecovery();
    ASSERT_EQ(keptFiles().size(), 1);
    // A run that is still alive is never offered for recovery; a dead one's (a copy of this
    // folder) is, and Discard deletes it.
    EXPECT_TRUE(RecoveryStore::leftOver(root.path()).empty());
    const QString dead = QDir(root.path()).filePath(QStringLiteral("dead"));
    ASSERT_TRUE(QDir().mkpath(dead));
    ASSERT_TRUE(QFile::copy(store->folder() + "/" + keptFiles().value(0), dead + "/1.recovery"));
    ASSERT_EQ(RecoveryStore::leftOver(root.path()).size(), 1u);
    EXPECT_EQ(offerRecovery(*frame, root.path(),
                            [](RecoveryDialog&) { return RecoveryDialog::Discard; }),
              0);
    EXPECT_FALSE(QDir(dead).exists());
    EXPECT_EQ(keptFiles().size(), 1);

    // Saving removes the file; a new change brings it back; closing without saving removes it.
    const QString path = QDir(root.path()).filePath(QStringLiteral("saved.html"));
    dialogs.textAnswers.push_back(path);
    ASSERT_TRUE(window->SaveDocument());
    EXPECT_TRUE(keptFiles().isEmpty());
    window->setModifiedTag(QStringLiteral("n"));
    window->keepForRecovery();
    EXPECT_EQ(keptFiles().size(), 1);
    dialogs.messageAnswers.push_back(MsgAnswer::No);
    window->close();
    EXPECT_TRUE(keptFiles().isEmpty());

    typedWindow("<b>left open");
    frame.reset();
    store.reset();
    EXPECT_TRUE(QDir(root.path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

// Not a test of its own: the run that the next test kills, with two unsaved windows of two kinds.
TEST_F(RecoveryTest, DISABLED_KilledRun) {
    typedWindow(typedPage)->keepForRecovery();
    auto* script = new ScriptWindow(app, KindJava);
    script->setCaption(QStringLiteral("/home/user/src/Main.java"));
    frame->showChild(script);
    script->pane().SetText("class Main {}");
    script->pane().setEncoding(TextEncoding::Utf16BE);
    script->setModifiedTag(QStringLiteral("n"));
    script->keepForRecovery();
    store->waitForWrites();
    std::raise(SIGKILL);
}

TEST_F(RecoveryTest, AKilledRunsWindowsComeBackModifiedWithTheirTextAndCaptions) {
    QTemporaryDir killedRoot;
    QProcess run;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(killedRunFolder, killedRoot.path());
    run.setProcessEnvironment(env);
    run.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--gtest_also_run_disabled_tests"),
               QStringLiteral("--gtest_filter=RecoveryTest.DISABLED_KilledRun")});
    ASSERT_TRUE(run.waitForFinished(60000));
    ASSERT_EQ(run.exitStatus(), QProcess::CrashExit);

    // Closing the dialog without an answer keeps everything for the next start.
    int asked = 0;
    auto answer = [&asked](RecoveryDialog::Choice choice) {
        return [&asked, choice](RecoveryDialog& dialog) {
            ++asked;
            EXPECT_EQ(dialog.list()->topLevelItemCount(), 2);
            return choice;
        };
    };
    EXPECT_EQ(offerRecovery(*frame, killedRoot.path(), answer(RecoveryDialog::Undecided)), 0);
    EXPECT_EQ(RecoveryStore::leftOver(killedRoot.path()).size(), 2u);

    EXPECT_EQ(offerRecovery(*frame, killedRoot.path(), answer(RecoveryDialog::Recover)), 2);
    EXPECT_EQ(asked, 2);
    QStringList found;
    for (EditorWindow* window : frame->findChildren<EditorWindow*>()) {
        EXPECT_TRUE(window->isModified());
        found << QStringLiteral("%1 %2 %3 %4")
                     .arg(window->kind())
                     .arg(window->caption(), QString::fromUtf8(window->pane().Text()),
                          encodingName(window->pane().encoding()));
    }
    found.sort();
    EXPECT_EQ(found, QStringList({"1 noname7 " + QString::fromUtf8(typedPage) + " UTF-8",
                                  "4 /home/user/src/Main.java class Main {} UTF-16 BE"}));
    // Once recovered, nothing is offered again.
    EXPECT_TRUE(RecoveryStore::leftOver(killedRoot.path()).empty());
}
