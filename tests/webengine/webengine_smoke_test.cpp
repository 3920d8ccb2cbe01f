// The real browser engine behind the preview and the browser window. Needs a display: the test
// runs under Xvfb.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>

#include "html/html_window.h"
#include "platform/web_view.h"
#include "support/recording_frame.h"
#include "support/scripted_dialogs.h"
#include "support/test_environment.h"
#include "web/browser_window.h"

namespace {
// What the page shown in the view answers to a script.
QVariant evaluate(WebView& view, const QString& script) {
    auto* engine = qobject_cast<QWebEngineView*>(view.widget());
    if (!engine) return {};
    QVariant answer;
    bool answered = false;
    engine->page()->runJavaScript(script, [&](const QVariant& value) {
        answer = value;
        answered = true;
    });
    if (!QTest::qWaitFor([&] { return answered; }, 20000)) return {};
    return answer;
}

// Until the view has loaded a page since it was asked for one.
bool waitForLoad(WebView& view, const std::function<void()>& ask) {
    bool loaded = false;
    const auto connection = QObject::connect(&view, &WebView::DownloadComplete, [&] { loaded = true; });
    ask();
    const bool arrived = QTest::qWaitFor([&] { return loaded; }, 60000);
    QObject::disconnect(connection);
    return arrived;
}
struct WebEngineSmoke : ::testing::Test {
    WebEngineSmoke() {
        app.dialogs = &dialogs;
        app.frame = &frame;
        app.tables.loadAll(TestEnvironment::programFolder());
    }
    ScriptedDialogs dialogs;
    RecordingFrame frame;
    AppState app;
};
}  // namespace

// The preview is a copy of the page kept elsewhere; the page's own style sheet and images,
// named relative to its folder or by their full path, still load, saved or not, and an
// edit does not send the user back to the top of the page.
TEST_F(WebEngineSmoke, PreviewLoadsThePagesOwnFilesAndKeepsItsPlace) {

    QTemporaryDir folder;
    QFile style(folder.filePath("look.css"));
    ASSERT_TRUE(style.open(QIODevice::WriteOnly));
    style.write("body { color: rgb(1, 2, 3) }");
    style.close();
    ASSERT_TRUE(QImage(37, 23, QImage::Format_RGB32).save(folder.filePath("pic.png")));
    ASSERT_TRUE(QImage(5, 7, QImage::Format_RGB32).save(folder.filePath("full.png")));
    const QByteArray page = "<!DOCTYPE html><html><head><link rel=stylesheet href=look.css></head>"
                            "<body><img id=near src=pic.png><img id=far src=\"" +
                            folder.filePath("full.png").toUtf8() +
                            "\"><div style='height:5000px'></div></body></html>";
    const QString check = "[getComputedStyle(document.body).color, near.naturalWidth, "
                          "far.naturalWidth, document.compatMode].join(' ')";
    const QString loaded = "rgb(1, 2, 3) 37 5 CSS1Compat";

    // A page never saved resolves against the folder its save dialog would open in.
    dialogs.folder = folder.path();
    QPointer<HtmlWindow> window = new HtmlWindow(app);
    window->resize(900, 600);
    window->show();
    window->activate();
    window->setCaption("noname1");
    window->pane().SetText(page);
    window->RefreshPreview();
    WebView* view = window->Browser1();
    ASSERT_TRUE(waitForLoad(*view, [] {}));
    EXPECT_EQ(evaluate(*view, check).toString(), loaded);

    // Saved elsewhere: its own folder counts, not the dialog's.
    QTemporaryDir other;
    ASSERT_TRUE(QFile::copy(folder.filePath("look.css"), other.filePath("look.css")));
    ASSERT_TRUE(QFile::copy(folder.filePath("pic.png"), other.filePath("pic.png")));
    QFile::remove(folder.filePath("pic.png"));
    const QString path = other.filePath("page.html");
    dialogs.textAnswers.push_back(path);
    ASSERT_TRUE(window->SaveDocument());
    ASSERT_TRUE(waitForLoad(*view, [&] { window->RefreshPreview(); }));
    EXPECT_EQ(evaluate(*view, check).toString(), loaded);

    evaluate(*view, "window.scrollTo(0, 1200)");
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(*view, "window.scrollY").toInt(), 1200, 20000);
    window->pane().SetSelStart(window->pane().TextLength());
    window->pane().SetSelText("<p>more</p>");
    ASSERT_TRUE(waitForLoad(*view, [&] { window->RefreshPreview(); }));
    QTRY_COMPARE_WITH_TIMEOUT(evaluate(*view, "document.body.lastElementChild.textContent").toString(),
                              QString("more"), 20000);
    EXPECT_EQ(evaluate(*view, "window.scrollY").toInt(), 1200);
    delete window.data();
}

TEST_F(WebEngineSmoke, PreviewAndBrowserWindowShowThePage) {

    QTemporaryDir folder;
    const QString path = folder.filePath("smoke.html");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<html><head><title>Smoke page</title></head><body><h1>Hello</h1></body></html>");
    file.close();

    QPointer<HtmlWindow> window = new HtmlWindow(app);
    window->resize(900, 600);
    window->show();
    window->activate();
    ASSERT_TRUE(window->openfromdir(path));
    frame.checked["split"] = true;
    window->RefreshPreview();
    QTRY_COMPARE_WITH_TIMEOUT(window->Browser1()->LocationName(), QString("Smoke page"), 60000);

    QStringList captions;
    mnuViewWebBrowser(app);
    frmBrowser* browser = openBrowserWindow();
    ASSERT_NE(browser, nullptr);
    captions << browser->windowTitle();
    QObject::connect(browser, &QWidget::windowTitleChanged,
                     [&captions](const QString& caption) { captions << caption; });
    QTRY_COMPARE_WITH_TIMEOUT(browser->windowTitle(), QString("Browser's view of Smoke page"),
                              60000);
    EXPECT_TRUE(captions.contains("Loading...")) << captions.join(" | ").toStdString();

    delete browser;
    delete window.data();
}
