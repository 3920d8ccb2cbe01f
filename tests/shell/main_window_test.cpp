#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "frame_fixture.h"
#include "hardening/random_text.h"
#include "core/editor_window.h"
#include "core/recovery_store.h"
#include "core/save_dialog.h"
#include "core/scintilla_pane.h"
#include "html/html_window.h"
#include "platform/user_settings.h"
#include "shell/window_layout.h"
#include "support/recording_web_view.h"
#include "tags/tag_commands.h"

namespace {
// An editor window of any kind, saving the way every kind's Save does.
class TestWindow : public EditorWindow {
public:
    TestWindow(AppState& app, WindowKind kind)
        : EditorWindow(app, kind, std::make_unique<ScintillaPane>()) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(pane().widget());
        setCaption(defaultName(kind) + "1");
    }
    bool SaveDocument() override { return saveWithDialog(*this, false); }
    bool SaveDocumentAs() override { return saveWithDialog(*this, true); }
};

EditorWindow* editorOf(QMdiSubWindow* sub) {
    return sub ? qobject_cast<EditorWindow*>(sub->widget()) : nullptr;
}

using TestEnvironment::readFile;
using TestEnvironment::writeFile;

struct FrameTest : FrameFixture {
    static QString programFile(const char* name) {
        return QDir(TestEnvironment::programFolder()).filePath(name);
    }
    TestWindow* open(WindowKind kind) {
        auto* window = new TestWindow(app, kind);
        frame->showChild(window);
        return window;
    }
};
}  // namespace

// (What is on at load: the first step of the randomized test below.)
TEST_F(FrameTest, HangsRegisteredRowsUnderTheirParents) {
    frame.reset();
    commands.addMenuRows({{"extraSub", "extraItem", "E&xtra item"},
                          {"extraTop", "extraSub", "&Extra", "", true},
                          {"httg", "extraTop", "&More", "", true}});
    int ran = 0;
    commands.add("extraItem", [&ran] { ++ran; });
    frame = std::make_unique<mdiform1>(app);
    ASSERT_NE(frame->menu("extraSub"), nullptr);
    EXPECT_EQ(frame->menu("extraTop")->actions().value(0), frame->menu("extraSub")->menuAction());
    run("extraItem");
    EXPECT_EQ(ran, 1);
    // The tag commands' own tree, built twice into one registry, still appears once.
    QMenu* tags = frame->menu("httg");
    EXPECT_EQ(tags->actions().count(frame->menu("docTag")->menuAction()), 1);
    EXPECT_FALSE(on("docTag") || on("Allign"));  // disabled at load
}

// Windows of every kind opened, edited, selected in, brought forward and closed at random, with
// the clipboard filled and emptied, against a model of which windows exist: the active window's
// kind has its menus on and no other kind has; Save follows its modified flag, Cut, Copy and
// Delete its selection (VBScript windows leave them as they were), Paste the clipboard; closing
// a kind's last window turns off what it had on. Save asks where only for a window never saved.
TEST_F(FrameTest, RandomStepsKeepTheActiveWindowsCommandsOn) {
    RandomText random(1207);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->clear();
    std::vector<TestWindow*> windows;
    bool cutMenus = true, cutButton = false, toolbox = false, bold = false;  // as loaded
    for (int step = -1; step < 160 && !HasFailure(); ++step) {  // step -1: the frame as loaded
        const int roll = random.below(10);
        SCOPED_TRACE(testing::Message() << "step " << step << " roll " << roll);
        if (step < 0) {
        } else if (roll < 2 || windows.empty()) {
            windows.push_back(open(WindowKind(KindHtml + random.below(5))));
            windows.back()->pane().SetText("<p>one</p>");
        } else if (roll < 4) {
            frame->bringForward(windows[size_t(random.below(int(windows.size())))]);
        } else if (roll < 6) {
            app.activeWindow()->setModifiedTag(random.chance(50) ? "n" : "s");
            app.activeWindow()->pane().SetSelStart(random.below(8));
            app.activeWindow()->pane().SetSelLength(random.below(3));
            app.activeWindow()->activate();
        } else if (roll < 7) {
            if (random.chance(50)) clipboard->setText("x");
            else clipboard->clear();
        } else if (roll < 8) {
            // Save asks where only for a window never saved; cancelled, the window keeps its
            // name and its edits.
            EditorWindow* saving = app.activeWindow();
            const bool untitled = saving->isUntitled(), answered = random.chance(50);
            const QString path = programFile("saved") + QString::number(step);
            if (untitled && answered) dialogs.textAnswers.push_back(path);
            const size_t questions = dialogs.asked.size();
            saving->setModifiedTag("n");
            run("Save");
            EXPECT_EQ(dialogs.asked.size(), questions + (untitled ? 1 : 0));
            EXPECT_EQ(saving->isModified(), untitled && !answered);
            EXPECT_EQ(saving->caption() == path, untitled && answered);
            EXPECT_EQ(QFile::exists(path), untitled && answered);
        } else {
            EditorWindow* closing = app.activeWindow();
            const WindowKind kind = closing->kind();
            closing->setModifiedTag("s");
            run("mnuFileClose");
            windows.erase(std::find(windows.begin(), windows.end(), closing));
            if (kind != KindVbscript) cutMenus = cutButton = false;
            if (kind == KindHtml) toolbox = false;
            if (kind == KindHtml || kind == KindDocument) bold = false;
        }
        ASSERT_EQ(frame->mdiArea()->subWindowList().size(), qsizetype(windows.size()));
        EditorWindow* active = app.activeWindow();
        const WindowKind kind = windows.empty() ? KindNone : active->kind();
        if (!windows.empty()) {
            ASSERT_EQ(editorOf(frame->mdiArea()->activeSubWindow()), active);
            if (kind != KindVbscript) cutMenus = cutButton = active->pane().SelLength() > 0;
            toolbox = toolbox || kind == KindHtml;
            bold = kind == KindHtml || kind == KindDocument;
        }
        const bool some = !windows.empty();
        EXPECT_EQ(on("Edit") && on("Save_As"), some);
        EXPECT_EQ(on("mnHTML"), kind == KindHtml);
        EXPECT_EQ(on("mnujava"), kind == KindJava);
        EXPECT_EQ(on("mnuscript"), kind == KindVbscript || kind == KindJscript);
        EXPECT_EQ(on("spel"), kind == KindHtml || kind == KindDocument);
        EXPECT_EQ(on("Save") && button(3), some && active->isModified());
        EXPECT_EQ(on("Paste") && button(10), some && !clipboard->text().isEmpty());
        for (const bool state : {on("Cut"), on("Copy"), on("del")}) EXPECT_EQ(state, cutMenus);
        EXPECT_EQ(button(8), cutButton);
        EXPECT_EQ(on("toolbox"), toolbox);
        EXPECT_EQ(button(17), bold);
    }
}

TEST_F(FrameTest, GotoLineMovesTheCaretToTheStartOfTheLine) {
    TestWindow* html = open(KindHtml);
    html->pane().SetText("one\r\ntwo\r\nthree");
    struct Case {
        const char* answer;
        int caretBefore;
        int caretAfter;
    };
    const Case cases[] = {
        {"2", 0, 5},     {" 2.6 lines", 0, 10}, {"2.5", 12, 5},  // halves go to the even number
        {"none", 7, 5},  {"0", 12, 10},         {"9", 3, 3},  // no such line: caret stays
    };
    for (const Case& c : cases) {
        html->pane().SetSelStart(c.caretBefore);
        dialogs.textAnswers.push_back(QString(c.answer));
        run("gln");
        EXPECT_EQ(html->pane().SelStart(), c.caretAfter) << c.answer;
    }
}

// The first start opens on most of the screen with its pages maximised; the placement a run
// closes with is where the next one opens, its pages not maximised, unless it lies off every
// screen: then the frame opens as at the first start.
TEST(FramePlacement, SurvivesARestartUnlessOffTheScreen) {
    QFile::remove(QDir(TestEnvironment::settingsFolder()).filePath("Tessavel Editor 2005.ini"));
    AppState app;
    ScriptedDialogs dialogs;
    app.dialogs = &dialogs;
    const QRect large = firstStartPlace(QGuiApplication::primaryScreen()->availableGeometry());
    for (const bool firstStart : {true, false}) {
        mdiform1 frame(app);
        if (!firstStart)
            EXPECT_EQ(QRect(frame.pos(), frame.size()), QRect(120, 90, 640, 480));
        else
            EXPECT_EQ(frame.size(), large.size());
        frame.show();
        frame.showChild(new HtmlWindow(app));
        EXPECT_EQ(frame.mdiArea()->subWindowList().value(0)->isMaximized(), firstStart);
        frame.move(120, 90);
        frame.resize(640, 480);
        frame.close();
    }
    UserSettings::openForTitle()->setValue("Settings/MainLeft", 100000 * 15);
    EXPECT_EQ(mdiform1(app).size(), large.size());
}

// The page wizard of File > New > HTML takes the frame's focus away while it is up; when it
// goes, OK or Cancel, the new window is the active one and has the keyboard focus.
TEST_F(FrameTest, ANewWindowIsActiveWithTheFocusInItsPaneAfterItsWizard) {
    RecordingWebViews browsers;  // OK shows the new page's preview
    registerTagCommands(app);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    TestWindow* earlier = open(KindHtml);
    EXPECT_TRUE(earlier->pane().widget()->hasFocus());

    for (const char* button : {"&CANCEL", "&OK"}) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame->isActiveWindow(); }));
        const QWidgetList before = QApplication::topLevelWidgets();
        run("HTML");
        EditorWindow* page = app.activeWindow();
        ASSERT_NE(page, earlier);
        QWidget* wizard = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (!before.contains(top) && top->windowTitle() == "New web page") wizard = top;
        ASSERT_NE(wizard, nullptr);
        // The window manager gives the wizard the focus, and the frame back when it goes.
        wizard->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return wizard->isActiveWindow(); }));
        for (QPushButton* push : wizard->findChildren<QPushButton*>())
            if (push->text() == button) push->click();
        frame->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return page->pane().widget()->hasFocus(); })) << button;
        EXPECT_EQ(app.activeWindow(), page) << button;
        // Disabling the frame turned every submenu back on; the page's own set is back.
        EXPECT_FALSE(on("mnujava") || on("mnuscript")) << button;
    }
}

// One file, one window: File > Open, the command line and the list views bring forward the
// window that holds the file, however its path is written; Save As will not make a second one.
// Opening never leaves an empty window, and Undo never goes back past the text as opened.
TEST_F(FrameTest, AFileThatIsOpenAlreadyBringsItsWindowForward) {
    QTemporaryDir folder;
    const QString page = folder.filePath("page.html");
    const QString script = folder.filePath("a.vbs");
    const QString link = folder.filePath("link.html");
    for (const QString& path : {page, script})
        ASSERT_TRUE(TestEnvironment::writeFile(path, "text\r\n"));
    ASSERT_TRUE(QFile::link(page, link));
    run("openhtml");  // the file dialog is cancelled: no window
    dialogs.textAnswers.push_back(page);
    run("openhtml");
    EditorWindow* opened = app.activeWindow();
    // A file that cannot be read is reported and leaves no window.
    frame->openFiles({script, folder.filePath("missing.html")});
    EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 2);
    const AskedQuestion* missing = dialogs.last("message");
    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(missing->text.contains("missing.html")) << missing->text.toStdString();
    // Nothing to undo in a file as opened (edits and undo after opening: the randomized tests).
    frame->bringForward(opened);
    EXPECT_FALSE(on("Undo") || button(14));
    opened->undo_code();
    EXPECT_EQ(opened->pane().Text(), "text\r\n");
    TestWindow* other = open(KindJava);
    const struct {
        const char* command;  // null: opened by name, as the command line and list views do
        QString path;
        QString holder;
    } rows[] = {
        {nullptr, folder.path() + "/./page.html", page},
        {nullptr, link, page},
        {nullptr, QDir::current().relativeFilePath(script), script},
        {"openhtml", link, page},
        {"opendoc", page, page},
    };
    for (const auto& row : rows) {
        frame->bringForward(other);
        if (row.command) {
            dialogs.textAnswers.push_back(row.path);
            run(row.command);
        } else {
            frame->openFiles({row.path});
        }
        const std::string label = row.path.toStdString();
        EXPECT_EQ(frame->mdiArea()->subWindowList().size(), 3) << label;
        ASSERT_NE(app.activeWindow(), nullptr) << label;
        EXPECT_EQ(app.activeWindow()->caption(), row.holder) << label;
        EXPECT_EQ(editorOf(frame->mdiArea()->currentSubWindow()), app.activeWindow()) << label;
    }

    frame->bringForward(other);
    dialogs.textAnswers.push_back(link);
    run("Save_As");
    const AskedQuestion* refused = dialogs.last("message");
    ASSERT_NE(refused, nullptr);
    EXPECT_TRUE(refused->text.contains("open in another window")) << refused->text.toStdString();
    EXPECT_EQ(other->caption(), "Java1");
    EXPECT_EQ(readFile(page), "text\r\n");

    // Recovered text of an open file goes into its window, unless that has edits of its own.
    RecoveredDocument recovered;
    recovered.caption = link;
    recovered.text = "recovered";
    for (const int windows : {3, 4}) {
        ASSERT_TRUE(frame->recoverDocument(recovered));
        EXPECT_EQ(frame->mdiArea()->subWindowList().size(), windows);
        EXPECT_EQ(app.activeWindow()->pane().Text(), "recovered");
        EXPECT_TRUE(app.activeWindow()->isModified());
    }
    EXPECT_EQ(qobject_cast<EditorWindow*>(frame->windowOfFile(page))->caption(), page);
}

// Another program writes, rewrites with the same bytes or deletes an open file while its user
// edits, comes back to the window, saves and autosaves, at random, against a model of the file:
// each new state of the file is told once, at activation or at Save; Yes reloads (writes the
// deleted file again, replaces the changed one), No keeps the window's text; autosave never
// writes over a change, and the editor's own saves are no change.
TEST_F(FrameTest, ChangesOnDiskAreToldOnceAndNeverOverwrittenUnasked) {
    QTemporaryDir folder;
    const QString path = folder.filePath("page.html");
    const QByteArray deleted = "(deleted)";
    const QByteArray theirs[] = {"<p>a</p>", "<p>bb</p>", "<p>ccc</p>", deleted};
    QByteArray disk = theirs[0], known = disk, told, text = disk;
    bool modified = false;
    ASSERT_TRUE(writeFile(path, disk));
    frame->openFiles({path});
    EditorWindow* page = app.activeWindow();
    ASSERT_NE(page, nullptr);
    TestWindow* other = open(KindJava);
    RandomText random(2612);
    for (int step = 0; step < 300 && !HasFailure(); ++step) {
        const int roll = random.below(5);
        SCOPED_TRACE(testing::Message() << "step " << step << " roll " << roll);
        const bool yes = random.chance(50), changed = disk != known;
        dialogs.messageAnswers = {yes ? MsgAnswer::Yes : MsgAnswer::No};
        const size_t questions = dialogs.asked.size();
        const char* says = nullptr;  // words of the question expected
        bool writes = false;
        if (roll == 0) {
            disk = theirs[random.below(4)];
            if (disk == deleted) QFile::remove(path);
            else ASSERT_TRUE(writeFile(path, disk));
        } else if (roll <= 2) {  // back to the window, and an edit there now and then
            frame->bringForward(other);
            frame->bringForward(page);
            if (changed && disk != told) {
                told = disk;
                says = disk == deleted ? "deleted" : modified ? "lose the changes" : "Reload it?";
                if (yes && disk == deleted) writes = true;
                else if (yes) text = known = disk, modified = false, told.clear();
                else if (disk == deleted) modified = true;
            }
            if (roll == 1) {
                if (writes) disk = known = text, modified = false, told.clear(), writes = false;
                text = "<p>mine " + QByteArray::number(step) + "</p>";
                page->pane().SetText(text);
                page->setModifiedTag("n");
                modified = true;
            }
        } else if (roll == 3 && modified) {
            run("Save");
            const bool toldAlready = disk == told;
            if (changed) told = disk;
            if (!changed || (disk == deleted && toldAlready)) writes = true;
            else says = disk == deleted ? "deleted" : "Replace it", writes = yes;
        } else if (roll == 4) {
            for (int tick = 0; tick < EditorWindow::AutosaveTicksPerSave; ++tick)
                page->Timer1_Timer();
            writes = modified && !changed;
        }
        if (writes) disk = known = text, modified = false, told.clear();
        ASSERT_EQ(dialogs.asked.size(), questions + (says ? 1 : 0))
            << (dialogs.asked.empty() ? "" : dialogs.asked.back().text.toStdString());
        if (says) EXPECT_TRUE(dialogs.asked.back().text.contains(says)) << says;
        if (says) EXPECT_EQ(dialogs.asked.back().title, path);
        EXPECT_EQ(page->pane().Text(), text);
        EXPECT_EQ(page->isModified(), modified);
        EXPECT_EQ(QFile::exists(path), disk != deleted);
        if (disk != deleted) EXPECT_EQ(readFile(path), disk);
    }
}

// "You want to save changes ?" on Exit, and every other question about one window, is titled
// with that window's caption and asked with that window in front, restored if minimised. A save
// that fails on Close or Exit is reported and keeps the window and its edits.
TEST_F(FrameTest, QuestionsAboutAWindowNameItAndBringItForwardAndAFailedSaveKeepsIt) {
    dialogs.context = [this] {
        QMdiSubWindow* sub = frame->mdiArea()->currentSubWindow();
        EditorWindow* window = app.activeWindow();
        const bool inFront = sub && !sub->isMinimized() && editorOf(sub) == window;
        return inFront ? window->caption() : QStringLiteral("(not in front)");
    };
    const QString notAFolder = programFile("plain-file");
    ASSERT_TRUE(writeFile(notAFolder, {}));
    QStringList captions;
    for (const WindowKind kind : {KindHtml, KindJscript, KindJava}) {
        TestWindow* window = open(kind);
        window->setCaption(notAFolder + QStringLiteral("/file%1").arg(int(kind)));
        window->pane().SetText("class A {}");
        window->setModifiedTag("n");
        captions << window->caption();
    }
    for (const bool exiting : {false, true}) {
        dialogs.messageAnswers = {MsgAnswer::Yes};
        if (exiting) EXPECT_FALSE(frame->close());
        else run("mnuFileClose");
        const AskedQuestion* failed = dialogs.last("message");
        EXPECT_EQ(failed->context, failed->title);
        EXPECT_TRUE(failed->text.contains(failed->title)) << failed->text.toStdString();
        ASSERT_EQ(frame->mdiArea()->subWindowList().size(), 3);
        EXPECT_TRUE(app.activeWindow()->isModified());
        EXPECT_EQ(app.activeWindow()->pane().Text(), "class A {}");
    }
    dialogs.asked.clear();
    frame->mdiArea()->subWindowList().first()->showMinimized();
    dialogs.messageAnswers = {MsgAnswer::No, MsgAnswer::No, MsgAnswer::No};
    EXPECT_TRUE(frame->close());
    QStringList titles;
    for (const AskedQuestion& q : dialogs.asked) {
        EXPECT_EQ(q.context, q.title);
        titles << q.title;
    }
    titles.sort();
    EXPECT_EQ(titles, captions);
}
