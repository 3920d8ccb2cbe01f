// The real browser engine behind the preview and the browser window. Needs a display: the test
// runs under Xvfb.
#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include "html/html_window.h"
#include "platform/web_view.h"
#include "support/recording_frame.h"
#include "support/scripted_dialogs.h"
#include "support/test_environment.h"
#include "web/browser_window.h"

TEST(WebEngineSmoke, PreviewAndBrowserWindowShowThePage) {
    ScriptedDialogs dialogs;
    RecordingFrame frame;
    AppState app;
    app.dialogs = &dialogs;
    app.frame = &frame;
    app.tables.loadAll(TestEnvironment::programFolder());

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
