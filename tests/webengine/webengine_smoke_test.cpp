// The real browser engine behind the preview and the browser window (run under Xvfb).
#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

#include "html/html_window.h"
#include "platform/web_view.h"
#include "support/recording_frame.h"
#include "support/scripted_dialogs.h"
#include "support/test_environment.h"
#include "web/browser_window.h"

// What the page shown in the view answers to a script.
static QVariant evaluate(WebView& view, const QString& script) {
    QVariant answer;
    bool answered = false;
    if (auto* engine = qobject_cast<QWebEngineView*>(view.widget()))
        engine->page()->runJavaScript(script, [&](const QVariant& value) {
            answer = value;
            answered = true;
        });
    return QTest::qWaitFor([&] { return answered; }, 20000) ? answer : QVariant();
}

// The preview is a copy of the page kept elsewhere: the page's own style sheet and images still
// load, saved or not, and an edit keeps the place on the page.
TEST(WebEngineSmoke, PreviewAndBrowserShowThePageWithItsOwnFilesAndKeepTheirPlace) {
    ScriptedDialogs dialogs;
    RecordingFrame frame;
    AppState app;
    app.dialogs = &dialogs;
    app.frame = &frame;
    app.tables.loadAll(TestEnvironment::programFolder());
    HtmlWindow window(app);
    window.resize(900, 600);
    window.show();
    window.activate();
    const auto previewLoads = [&window] {  // the browser is made on first use
        window.RefreshPreview();
        QSignalSpy loaded(window.Browser1(), &WebView::DownloadComplete);
        return loaded.wait(60000);
    };
    QTemporaryDir folder;
    using TestEnvironment::writeFile;
    ASSERT_TRUE(writeFile(folder.filePath("look.css"), "body { color: rgb(1, 2, 3) }"));
    ASSERT_TRUE(QImage(37, 23, QImage::Format_RGB32).save(folder.filePath("pic.png")));
    ASSERT_TRUE(QImage(5, 7, QImage::Format_RGB32).save(folder.filePath("full.png")));
    const QByteArray page = "<!DOCTYPE html><html><head><title>Smoke page</title>"
                            "<link rel=stylesheet href=look.css></head>"
                            "<body><img id=near src=pic.png><img id=far src=\"" +
                            folder.filePath("full.png").toUtf8() +
                            "\"><div style='height:5000px'></div></body></html>";
    const QString check = "[getComputedStyle(document.body).color, near.naturalWidth, "
                          "far.naturalWidth, document.compatMode].join(' ')";
    const QString loaded = "rgb(1, 2, 3) 37 5 CSS1Compat";

    // A page never saved resolves against the folder its save dialog would open in.
    dialogs.folder = folder.path();
    window.setCaption("noname1");
    window.pane().SetText(page);
    ASSERT_TRUE(previewLoads());
    WebView& view = *window.Browser1();
    EXPECT_EQ(evaluate(view, check).toString(), loaded);

    // Saved elsewhere: its own folder counts, not the dialog's.
    QTemporaryDir other;
    ASSERT_TRUE(QFile::copy(folder.filePath("look.css"), other.filePath("look.css")));
    ASSERT_TRUE(QFile::rename(folder.filePath("pic.png"), other.filePath("pic.png")));
    dialogs.textAnswers.push_back(other.filePath("page.html"));
    ASSERT_TRUE(window.SaveDocument());
    ASSERT_TRUE(previewLoads());
    EXPECT_EQ(evaluate(view, check).toString(), loaded);

    evaluate(view, "window.scrollTo(0, 1200)");
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(view, "window.scrollY").toInt(), 1200, 20000);
    window.pane().SetText(page + "<p>more</p>");
    ASSERT_TRUE(previewLoads());
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(view, "document.body.lastElementChild.textContent").toString(),
                              QString("more"), 20000);
    EXPECT_EQ(evaluate(view, "window.scrollY").toInt(), 1200);

    // The saved page in the browser window, named by its title once loaded.
    mnuViewWebBrowser(app);
    std::unique_ptr<frmBrowser> browser(openBrowserWindow());
    ASSERT_NE(browser, nullptr);
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Browser's view of Smoke page"),
                              60000);
}
