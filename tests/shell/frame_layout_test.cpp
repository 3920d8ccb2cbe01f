// The frame as a user meets it: every menu shortcut reaches its command from the code pane,
// files named on the command line get their full path, palettes open where the screen shows
// them, and child windows stay inside the MDI area at a usable size.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSet>
#include <QStyle>
#include <QTest>

#include "frame_fixture.h"
#include "html/html_window.h"
#include "search/find_dialog.h"
#include "shell/main_menu_table.h"
#include "shell/palette_set.h"
#include "shell/palette_table.h"
#include "shell/window_layout.h"
#include "support/recording_web_view.h"

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

// Enables an item and every menu above it, as a window that allows the command would.
void enableWithParents(mdiform1& frame, const CommandRow& row) {
    frame.command(row.name)->setEnabled(true);
    for (QString parent = row.parent; !parent.isEmpty();) {
        frame.menu(parent)->menuAction()->setEnabled(true);
        QString above;
        for (const CommandRow& candidate : mainMenuRows())
            if (candidate.name == parent) above = candidate.parent;
        parent = above;
    }
}
}  // namespace

TEST_F(FrameLayoutTest, EveryMenuShortcutRunsItsCommandFromTheCodePane) {
    openPage();
    openPage();  // two sub-windows, each with its own system menu
    HtmlWindow* page = openPage();
    std::vector<CommandRow> rows = mainMenuRows();
    rows.insert(rows.end(), commands.menuRows().begin(), commands.menuRows().end());
    QSet<QKeySequence> taken;
    int tried = 0;
    for (const CommandRow& row : rows) {
        if (row.shortcut.isEmpty() || row.submenu) continue;
        int ran = 0;
        commands.add(row.name, [&ran] { ++ran; });
        enableWithParents(*frame, row);
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

TEST_F(FrameLayoutTest, CtrlTabSwitchesWindowsAndF3SearchesAgainWithoutTheDialog) {
    HtmlWindow* first = openPage();
    HtmlWindow* second = openPage();
    QWidget* code = second->pane().widget();
    QTest::keySequence(code, QKeySequence("Ctrl+Tab"));
    EXPECT_EQ(frame->activeChild(), first);
    QTest::keySequence(first->pane().widget(), QKeySequence("Ctrl+Shift+Tab"));
    EXPECT_EQ(frame->activeChild(), second);

    // Nothing searched yet: F3 opens the Find dialog.
    second->pane().SetText("ab x ab x");
    QTest::keyClick(code, Qt::Key_F3);
    auto* dialog = frame->findChild<FindDialog*>();
    ASSERT_TRUE(dialog && dialog->isVisible());
    dialog->tfind->setEditText("x");
    dialog->hide();
    for (int found : {3, 8}) {
        QTest::keyClick(code, Qt::Key_F3);
        EXPECT_EQ(second->pane().SelStart(), found);
        EXPECT_EQ(second->pane().SelLength(), 1);
        EXPECT_FALSE(dialog->isVisible());
    }
}

TEST_F(FrameLayoutTest, PalettesOpenWhereTheScreenShowsThemWhole) {
    const QRect screen = frame->screen()->availableGeometry();
    // A frame filling the screen, one against its right edge, one against its left edge.
    for (const QRect& placed : {screen, screen.adjusted(screen.width() / 3, 0, 0, 0),
                                screen.adjusted(0, 0, -screen.width() / 3, 0)}) {
        frame->setGeometry(placed);
        for (const PaletteRow& row : paletteTable()) {
            frame->command(row.menuItem)->trigger();
            Palette* palette = frame->palettes().palette(row.menuItem);
            ASSERT_NE(palette, nullptr);
            EXPECT_TRUE(screen.contains(palette->frameGeometry()))
                << row.menuItem << " at " << palette->frameGeometry().x() << ","
                << palette->frameGeometry().y();
        }
        for (const PaletteRow& row : paletteTable()) frame->command(row.menuItem)->trigger();
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

// (New windows at their own places: see the arranged windows below.)
TEST_F(FrameLayoutTest, NewWindowsFollowAMaximisedOne) {
    openPage();
    subWindows().last()->showMaximized();
    openPage();
    EXPECT_TRUE(subWindows().last()->isMaximized());
    EXPECT_EQ(subWindows().last()->geometry(), area());
    // Also while another window has the focus, as a dialog or the page wizard does.
    QWidget wizard;
    wizard.show();
    wizard.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&wizard));
    openPage();
    EXPECT_TRUE(subWindows().last()->isMaximized());
}

// New windows inside the area and at least half its width; then cascade and both tiles at several
// frame sizes and window counts: every title bar inside the area; tiles that the area can hold
// share it without gap or overlap.
TEST_F(FrameLayoutTest, ArrangedWindowsKeepTheirTitleBarsInsideTheArea) {
    struct Row {
        QSize frame;
        int windows;
        bool tilesFit;
    };
    const Row rows[] = {{{760, 540}, 1, true},  {{760, 540}, 3, true},  {{760, 540}, 7, true},
                        {{1100, 800}, 12, true}, {{420, 320}, 2, true},  {{420, 320}, 12, false},
                        {{300, 260}, 25, false}};
    for (const Row& row : rows) {
        frame->resize(row.frame);
        while (subWindows().size() < row.windows) {
            openPage();
            const QRect placed = subWindows().last()->geometry();
            EXPECT_TRUE(area().contains(placed)) << subWindows().size();
            if (row.frame.width() >= 760)
                EXPECT_GE(placed.width(), area().width() / 2) << subWindows().size();
        }
        while (subWindows().size() > row.windows) {
            qobject_cast<EditorWindow*>(subWindows().last()->widget())->setModifiedTag("s");
            delete subWindows().last();
        }
        QApplication::processEvents();
        for (const char* command :
             {"mnuWindowTileHorizontal", "mnuWindowTileVertical", "mnuWindowCascade"}) {
            frame->command(command)->trigger();
            QApplication::processEvents();
            const std::string where = std::to_string(row.frame.width()) + "x" +
                                      std::to_string(row.frame.height()) + " " +
                                      std::to_string(row.windows) + " " + command;
            const int title = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
            qint64 covered = 0;
            for (QMdiSubWindow* sub : subWindows()) {
                const QRect placed = sub->geometry();
                EXPECT_TRUE(area().contains(QRect(placed.topLeft(), QSize(placed.width(), title))))
                    << where;
                covered += qint64(placed.width()) * placed.height();
                if (!row.tilesFit || QByteArray(command) == "mnuWindowCascade") continue;
                for (QMdiSubWindow* other : subWindows())
                    EXPECT_TRUE(other == sub || !placed.intersects(other->geometry())) << where;
            }
            if (row.tilesFit && QByteArray(command) != "mnuWindowCascade")
                EXPECT_EQ(covered, qint64(area().width()) * area().height()) << where;
            if (QByteArray(command) == "mnuWindowCascade" && row.frame.width() >= 760)
                for (QMdiSubWindow* sub : subWindows())
                    EXPECT_GE(sub->width(), area().width() / 2) << where;
        }
    }
}
