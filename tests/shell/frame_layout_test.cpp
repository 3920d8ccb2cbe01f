// The frame as a user meets it: every menu shortcut reaches its command from the code pane,
// palettes open where the screen shows them and write what the menu writes, and child windows
// stay inside the MDI area at a usable size.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <functional>

#include "frame_fixture.h"
#include "html/html_window.h"
#include "search/find_dialog.h"
#include "shell/main_menu_table.h"
#include "shell/palette_set.h"
#include "shell/palette_table.h"
#include "shell/window_layout.h"
#include "support/recording_web_view.h"
#include "tags/tag_commands.h"

namespace {
struct FrameLayoutTest : FrameFixture {
    RecordingWebViews browsers;

    void SetUp() override {
        FrameFixture::SetUp();
        frame->setGeometry(QRect(QPoint(20, 20), QSize(760, 540)));
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    }
    void TearDown() override {
        for (QMdiSubWindow* sub : frame->mdiArea()->subWindowList())
            if (auto* window = qobject_cast<EditorWindow*>(sub->widget()))
                window->setModifiedTag("s");
        FrameFixture::TearDown();
    }

    HtmlWindow* openPage() {
        auto* window = new HtmlWindow(app);
        window->setCaption("noname");
        window->newfile("s");
        frame->showChild(window);
        return window;
    }
    QRect area() const { return frame->mdiArea()->viewport()->rect(); }
    QList<QMdiSubWindow*> subWindows() const { return frame->mdiArea()->subWindowList(); }
};

}  // namespace

TEST_F(FrameLayoutTest, EveryMenuShortcutRunsItsCommandFromTheCodePane) {
    openPage();
    openPage();  // two sub-windows, each with its own system menu
    HtmlWindow* page = openPage();
    std::vector<CommandRow> rows = mainMenuRows();
    rows.insert(rows.end(), commands.menuRows().begin(), commands.menuRows().end());
    // Every item and every menu on, as a window that allows them all would have them.
    for (const CommandRow& row : rows) frame->setCommandEnabled(row.name, true);
    QSet<QKeySequence> taken;
    int tried = 0;
    for (const CommandRow& row : rows) {
        if (row.shortcut.isEmpty() || row.submenu) continue;
        int ran = 0;
        commands.add(row.name, [&ran] { ++ran; });
        for (const QKeySequence& key : QKeySequence::listFromString(row.shortcut)) {
            const std::string what = key.toString().toStdString() + " " + row.name.toStdString();
            EXPECT_FALSE(taken.contains(key)) << what << " is assigned twice";
            taken << key;
            ran = 0;
            page->pane().SetFocus();
            QTest::keySequence(page->pane().widget(), key);
            EXPECT_EQ(ran, 1) << what;
            ++tried;
        }
    }
    EXPECT_GE(tried, 25);
    EXPECT_EQ(subWindows().size(), 3);  // Ctrl+W closed none of them
    // The sub-window's own Close keeps a key: Ctrl+F4, as in every multiple-document frame.
    QTest::keySequence(page->pane().widget(), QKeySequence("Ctrl+F4"));
    EXPECT_EQ(subWindows().size(), 2);
}

TEST_F(FrameLayoutTest, F3SearchesAgainWithoutTheDialog) {
    HtmlWindow* page = openPage();
    QWidget* code = page->pane().widget();
    page->pane().SetText("ab x ab x");
    // Nothing searched yet: F3 opens the Find dialog.
    QTest::keyClick(code, Qt::Key_F3);
    auto* dialog = frame->findChild<FindDialog*>();
    ASSERT_TRUE(dialog && dialog->isVisible());
    dialog->tfind->setEditText("x");
    dialog->hide();
    for (int found : {3, 8}) {
        QTest::keyClick(code, Qt::Key_F3);
        EXPECT_EQ(page->pane().SelStart(), found);
        EXPECT_EQ(page->pane().SelLength(), 1);
        EXPECT_FALSE(dialog->isVisible());
    }
}

// Each View > Toolbox item opens its palette checked and where the screen shows it whole; the
// item or the palette's close box closes it again, unchecked.
TEST_F(FrameLayoutTest, PalettesToggleAndOpenWhereTheScreenShowsThemWhole) {
    const QRect screen = frame->screen()->availableGeometry();
    frame->setGeometry(screen.adjusted(screen.width() / 3, 0, 0, 0));  // against the right edge
    for (const PaletteRow& row : paletteTable()) {
        const QString item = QLatin1String(row.menuItem);
        for (const bool closeBox : {true, false}) {
            run(row.menuItem);
            Palette* palette = frame->palettes().palette(item);
            ASSERT_NE(palette, nullptr) << row.menuItem;
            EXPECT_TRUE(palette->isVisible() && frame->isCommandChecked(item)) << row.menuItem;
            EXPECT_TRUE(screen.contains(palette->frameGeometry())) << row.menuItem;
            if (closeBox) palette->close();
            else run(row.menuItem);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_FALSE(frame->isCommandChecked(item) || frame->palettes().palette(item));
        }
    }

    // A frame slid across a screen from edge to edge: wherever one side has room, the palette
    // opens there, clear of the frame.
    const QRect small(0, 0, 1000, 700);
    const QSize outer(150, 200);
    for (int left = 0; left <= 500; ++left) {
        const QRect placed(left, 50, 500, 400);
        const QRect palette(palettePlace(placed, outer, small, 0), outer);
        EXPECT_TRUE(small.contains(palette)) << left;
        const bool room = left >= 8 + outer.width() || 500 - left >= 8 + outer.width();
        EXPECT_EQ(room, !palette.intersects(placed)) << left;
    }
}

// Minimising the frame hides open palettes and restoring shows them, also those the window
// manager minimised along with it: shown again still minimised, a palette would take the frame
// back down with it, on every restore.
TEST_F(FrameLayoutTest, MinimisingTheFrameHidesOpenPalettesAndRestoringShowsThem) {
    run("form3");
    Palette* form = frame->palettes().palette("form3");
    ASSERT_NE(form, nullptr);
    frame->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(form->isVisible());
    form->setWindowState(form->windowState() | Qt::WindowMinimized);  // as window managers do
    frame->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(form->isVisible());
    EXPECT_FALSE(form->isMinimized() || frame->isMinimized());
}

// Without an HTML window the palette buttons do nothing; with one, each writes exactly what its
// command on the menu writes, and a press left before its release is no click.
TEST_F(FrameLayoutTest, PaletteButtonsWriteWhatTheMenuWritesAndNothingWithoutAnHtmlWindow) {
    registerTagCommands(app);  // no dialog answers: every dialog a command opens is cancelled
    const QSet<QString> wizards = {"listw", "wiz"};  // these open their wizard window
    const QWidgetList before = QApplication::topLevelWidgets();
    for (const PaletteRow& row : paletteTable()) {
        run(row.menuItem);
        for (PictureBox* box : frame->palettes().palette(QLatin1String(row.menuItem))->boxes()) {
            const QString command = QLatin1String(box->row().command);
            EXPECT_TRUE(commands.has(command)) << command.toStdString();
            if (!wizards.contains(command)) QTest::mouseClick(box, Qt::LeftButton);
        }
    }
    EXPECT_TRUE(dialogs.asked.empty());
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!before.contains(widget) && !qobject_cast<Palette*>(widget))
            EXPECT_FALSE(widget->isVisible()) << widget->metaObject()->className();

    EditorPane& pane = openPage()->pane();
    auto written = [&](const std::function<void()>& insert) {
        pane.SetText(QByteArray("x"));
        pane.SetSelStart(1);
        insert();
        return pane.Text();
    };
    int inserting = 0;
    for (const PaletteRow& row : paletteTable()) {
        for (PictureBox* box : frame->palettes().palette(QLatin1String(row.menuItem))->boxes()) {
            const QString command = QLatin1String(box->row().command);
            if (wizards.contains(command)) continue;
            const QByteArray byMenu = written([&] { commands.run(command); });
            const QByteArray byButton = written([&] { QTest::mouseClick(box, Qt::LeftButton); });
            EXPECT_EQ(byButton, byMenu) << command.toStdString();
            const QByteArray pressedAway = written([&] {
                QTest::mousePress(box, Qt::LeftButton);
                QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(-5, -5));
            });
            EXPECT_EQ(pressedAway, "x") << command.toStdString();
            if (byMenu.size() > 1) ++inserting;
        }
    }
    EXPECT_GT(inserting, 30);  // most buttons write a template
}

// Cascade and both tiles at several frame sizes and window counts: every title bar inside the
// area; tiles that the area can hold share it without gap or overlap; cascaded windows at least
// half the area's width while the frame is of a usable size.
TEST_F(FrameLayoutTest, ArrangedWindowsKeepTheirTitleBarsInsideTheArea) {
    struct Row {
        QSize frame;
        int windows;
        bool tilesFit;
    };
    // In the order of their window counts: each row opens windows and closes none.
    const Row rows[] = {{{760, 540}, 1, true},   {{420, 320}, 2, true},  {{760, 540}, 3, true},
                        {{760, 540}, 7, true},   {{1100, 800}, 12, true}, {{420, 320}, 12, false},
                        {{300, 260}, 25, false}};
    const int title = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
    for (const Row& row : rows) {
        frame->resize(row.frame);
        while (subWindows().size() < row.windows) openPage();
        QApplication::processEvents();
        for (const char* command :
             {"mnuWindowTileHorizontal", "mnuWindowTileVertical", "mnuWindowCascade"}) {
            run(command);
            QApplication::processEvents();
            SCOPED_TRACE(testing::Message() << row.frame.width() << "x" << row.frame.height()
                                            << " " << row.windows << " " << command);
            const bool tiled = row.tilesFit && QByteArray(command) != "mnuWindowCascade";
            qint64 covered = 0;
            for (QMdiSubWindow* sub : subWindows()) {
                const QRect placed = sub->geometry();
                EXPECT_TRUE(area().contains(QRect(placed.topLeft(), QSize(placed.width(), title))));
                covered += qint64(placed.width()) * placed.height();
                for (QMdiSubWindow* other : subWindows())
                    EXPECT_TRUE(!tiled || other == sub || !placed.intersects(other->geometry()));
            }
            if (tiled) EXPECT_EQ(covered, qint64(area().width()) * area().height());
            // Cascaded windows keep at least half the width of a usable area.
            if (row.frame.width() >= 760 && !tiled)
                EXPECT_GE(subWindows().last()->width(), area().width() / 2);
        }
    }
}
