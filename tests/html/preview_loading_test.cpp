// The preview says it is loading from each navigation until the page has arrived, so a large
// page never leaves a blank preview that looks broken; its copy of the page sends relative
// addresses to the page's own folder.
#include <QLabel>

#include "html/preview_copy.h"
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

TEST(PreviewCopy, BaseElementGoesWhereTheBrowserTakesIt) {
    const QByteArray base = "<base href=\"file:///f/\">";
    const struct {
        QByteArray page;
        QByteArray copy;
    } rows[] = {
        {"<p>x", base + "<p>x"},
        {"", base},
        {"<!DOCTYPE html>\n<p>", "<!DOCTYPE html>" + base + "\n<p>"},
        {" <!-- a > b --> <!doctype HTML PUBLIC \"x\"><p>", " <!-- a > b --> <!doctype HTML PUBLIC \"x\">" + base + "<p>"},
        {"<!-- before --><html>", base + "<!-- before --><html>"},
        {"<!-- never closed <!doctype html>", base + "<!-- never closed <!doctype html>"},
        {"<head><BASE href=\"http://x/\">", "<head><BASE href=\"http://x/\">"},
        {"<base/>", "<base/>"},
        {"<basefont size=3>", base + "<basefont size=3>"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(withBaseAddress(row.page, QUrl("file:///f/")), row.copy) << row.page.data();

    // A saved page counts from its own file, one never saved from the folder Save starts in;
    // an address holds nothing that would end the attribute early.
    EXPECT_EQ(previewBase("/a b/\"q\"&c.html", "/ignored"), QUrl("file:///a%20b/%22q%22&c.html"));
    EXPECT_EQ(previewBase({}, "/site/pages"), QUrl("file:///site/pages/"));
    EXPECT_EQ(withBaseAddress("", previewBase("/a b/\"q\"&c.html", {})),
              "<base href=\"file:///a%20b/%22q%22&amp;c.html\">");
}
