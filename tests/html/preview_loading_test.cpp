// The preview says it is loading from each navigation until the page has arrived, so a large
// page never leaves a blank preview that looks broken.
#include <QLabel>

#include "support/editor_fixture.h"

namespace {
struct PreviewLoading : HtmlFixture {
    QLabel* notice() const { return window->findChild<QLabel*>("previewLoading"); }
};
}  // namespace

TEST_F(PreviewLoading, NoticeShowsUntilThePageHasArrived) {
    setText("<p>one</p>");
    frame.checked["split"] = true;
    window->RefreshPreview();
    RecordingWebView* view = browsers.last();
    ASSERT_NE(view, nullptr);
    ASSERT_NE(notice(), nullptr);
    EXPECT_TRUE(notice()->isVisible());
    EXPECT_TRUE(view->widget()->geometry().contains(notice()->geometry()));
    // A refresh while the page is still loading stops that load rather than queue behind it.
    window->RefreshPreview();
    EXPECT_EQ(view->calls, QStringList{"Stop"});
    view->finishLoading("one");
    EXPECT_FALSE(notice()->isVisible());

    // Each refresh (split view after typing) loads again; View Code hides it with the browser.
    window->RefreshPreview();
    EXPECT_TRUE(notice()->isVisible());
    frame.checked["split"] = false;
    window->showCode();
    EXPECT_FALSE(notice()->isVisible());
    window->showPreview();
    EXPECT_TRUE(notice()->isVisible());
    EXPECT_EQ(view->navigated.size(), 4);
    EXPECT_EQ(view->calls, QStringList({"Stop", "Stop"}));
    view->finishLoading("one");
    EXPECT_FALSE(notice()->isVisible());
}
