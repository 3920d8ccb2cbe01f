// The browser window: what it shows, its caption while and after loading and its buttons, with
// a recording browser behind it.
#include <QAction>
#include <QTimer>
#include <QToolBar>

#include "support/editor_fixture.h"
#include "web/browser_window.h"

class BrowserWindowTest : public EditorFixture {
protected:
    ~BrowserWindowTest() override { delete openBrowserWindow(); }

    frmBrowser* showBrowser() {
        mnuViewWebBrowser(app);
        return openBrowserWindow();
    }
};

// The current page's file, or its text as it stands when never saved, in one window reused; the
// caption while and after loading, and the toolbar buttons.
TEST_F(BrowserWindowTest, ShowsTheCurrentPageCaptionFollowsLoadingAndButtonsNavigate) {
    EXPECT_EQ(showBrowser(), nullptr);  // no HTML window: nothing to show

    HtmlWindow& page = openHtml();
    page.setCaption(QStringLiteral("/tmp/site/index.html"));
    frmBrowser* window = showBrowser();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    RecordingWebView* view = browsers.last();
    EXPECT_EQ(view->navigated, QStringList{"/tmp/site/index.html"});
    QTimer& timer = window->timTimer();
    EXPECT_TRUE(timer.isActive());
    QTRY_COMPARE(window->windowTitle(), QString("Loading..."));

    // The page's name alone when it arrives, then the long form once the browser is idle.
    timer.stop();
    view->finishLoading(QStringLiteral("My page"));
    EXPECT_EQ(window->windowTitle(), "My page");
    timer.start();
    QTRY_COMPARE(window->windowTitle(), QString("Browser's view of My page"));
    EXPECT_FALSE(timer.isActive());

    // Stop while loading gives the long form at once, with the name known at that moment; the
    // other buttons navigate and start the timer again.
    const QList<QAction*> actions = window->tbToolBar()->actions();
    const QStringList keys{"Back", "Forward", "Stop", "Refresh", "Home", "Search"};
    ASSERT_EQ(actions.size(), keys.size());
    view->busy = true;
    view->locationName = QStringLiteral("Half");
    actions[2]->trigger();
    EXPECT_EQ(view->calls.last(), "Stop");
    EXPECT_EQ(window->windowTitle(), "Browser's view of Half");
    EXPECT_FALSE(timer.isActive());
    for (const int i : {0, 1, 3, 4, 5}) {
        timer.stop();
        actions[i]->trigger();
        EXPECT_EQ(view->calls.last(), keys[i]);
        EXPECT_TRUE(timer.isActive());
    }

    // A page never saved shows its text as it stands, as the preview does: its caption is no
    // address to look up.
    page.setCaption(QStringLiteral("noname3"));
    page.pane().SetText("<p>unsaved</p>");
    EXPECT_EQ(showBrowser(), window);
    EXPECT_EQ(browsers.made.size(), 1u);
    EXPECT_EQ(view->navigated.last(), HtmlWindow::previewPath());
    EXPECT_TRUE(TestEnvironment::readFile(HtmlWindow::previewPath()).endsWith("><p>unsaved</p>"));
}
