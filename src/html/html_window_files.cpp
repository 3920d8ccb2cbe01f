// Opening and saving the page of an HTML window.
#include <QApplication>

#include "core/open_text_file.h"
#include "html/html_window.h"
#include "platform/dialogs.h"
#include "platform/web_view.h"

namespace {
const QString OpenTitle = QStringLiteral("Open web page for editing  ");
const QString OpenFilter =
    QStringLiteral("html file(*.html)|*.html|Text Files(*.txt)|*.txt |All Files (*.*)|*.*");
const QString SaveTitle = QStringLiteral("Web page save as ");
const QString SaveAsTitle = QStringLiteral("Save HTML file as ");
const QString SaveFilter =
    QStringLiteral("HTML(*.html)|*.html|HTM Files(*.htm)|*.htm|All files(*.*)|*.*");
const QString DefaultExtension = QStringLiteral("*.html");

}  // namespace

void HtmlWindow::newfile(const QString& tag) {
    pane().SetBaseFont(app().editorFontName.trimmed(), app().editorFontSize);
    setModifiedTag(tag);
}

bool HtmlWindow::openfile() {
    activate();
    const auto chosen = app().dialogs->openFile({OpenTitle, OpenFilter, {}, {}});
    if (!chosen || chosen->isEmpty()) return false;
    return loadDocument(*chosen);
}

bool HtmlWindow::openfromdir(const QString& path) { return loadDocument(path); }

void HtmlWindow::reportProblem(const QString& text) {
    app().dialogs->messageBox(text, QApplication::applicationName(), MsgButtons::Ok,
                              MsgIcon::Exclamation);
}

bool HtmlWindow::loadDocument(const QString& path) {
    if (!openTextFile(*this, path, colouringBusy)) return false;
    EditorPane& p = pane();
    setCaption(path);
    p.SetVisible(false);
    if (Browser1()) navigatePreview(path);
    QApplication::processEvents();
    int start = 0;
    int length = p.TextLength();
    refreshCode(start, length);
    documentOpened();
    p.SetVisible(true);
    return true;
}

void HtmlWindow::showRecoveredText(const QByteArray& text) {
    colouringBusy = true;
    pane().SetBaseFont(app().editorFontName.trimmed(), app().editorFontSize);
    pane().SetText(text);
    colouringBusy = false;
    int start = 0;
    int length = pane().TextLength();
    refreshCode(start, length);
}

bool HtmlWindow::writeDocument(const QString& path) {
    QString error;
    if (!pane().SaveFile(path, FilePlainText, &error)) {
        reportProblem(QStringLiteral("Cannot save \"%1\": %2").arg(path, error));
        return false;
    }
    setCaption(path);
    setModifiedTag(QStringLiteral("s"));
    return true;
}

bool HtmlWindow::SaveDocument() {
    if (!isUntitled()) return writeDocument(caption());
    const auto chosen = app().dialogs->saveFile({SaveTitle, SaveFilter, DefaultExtension, {}});
    if (!chosen || chosen->isEmpty()) return false;
    return writeDocument(*chosen);
}

bool HtmlWindow::SaveDocumentAs() {
    const auto chosen = app().dialogs->saveFile({SaveAsTitle, SaveFilter, DefaultExtension, {}});
    if (!chosen || chosen->isEmpty()) return false;
    return writeDocument(*chosen);
}
