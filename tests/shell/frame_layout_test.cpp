// The frame as a user meets it: every menu shortcut reaches its command from the code pane,
// files named on the command line get their full path, palettes open where the screen shows
// them, and child windows stay inside the MDI area at a usable size.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "frame_fixture.h"
#include "html/html_window.h"
#include "shell/main_menu_table.h"
#include "shell/main_window.h"
#include "shell/palette_set.h"
#include "shell/palette_table.h"
#include "support/recording_web_view.h"
#include "support/test_environment.h"

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
    int tried = 0;
    for (const CommandRow& row : rows) {
        if (row.shortcut.isEmpty() || row.submenu) continue;
        int ran = 0;
        commands.add(row.name, [&ran] { ++ran; });
        enableWithParents(*frame, row);
        page->pane().SetFocus();
        QTest::keySequence(page->pane().widget(), QKeySequence(row.shortcut));
        EXPECT_EQ(ran, 1) << row.shortcut.toStdString() << " " << row.name.toStdString();
        ++tried;
    }
    EXPECT_GE(tried, 20);
    EXPECT_EQ(subWindows().size(), 3);  // Ctrl+W closed none of them
    // The sub-window's own Close keeps a key: Ctrl+F4, as in every multiple-document frame.
    QTest::keySequence(page->pane().widget(), QKeySequence("Ctrl+F4"));
    EXPECT_EQ(subWindows().size(), 2);
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
}

TEST_F(FrameLayoutTest, NewWindowsStayInsideTheAreaAndFollowAMaximisedOne) {
    for (int i = 0; i < 8; ++i) {
        openPage();
        const QRect placed = subWindows().last()->geometry();
        EXPECT_TRUE(area().contains(placed)) << i;
        EXPECT_GE(placed.width(), area().width() / 2) << i;
    }
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
