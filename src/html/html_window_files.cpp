// Opening and saving the page of an HTML window.
#include <QApplication>

#include "core/open_text_file.h"
#include "core/save_dialog.h"
#include "html/html_window.h"
#include "platform/dialogs.h"
#include "platform/web_view.h"

namespace {
const QString OpenTitle = QStringLiteral("Open web page for editing  ");
const QString OpenFilter =
    QStringLiteral("html file(*.html)|*.html|Text Files(*.txt)|*.txt |All Files (*.*)|*.*");

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

void HtmlWindow::showRecoveredText(const QByteArray& text) { showText(text); }

void HtmlWindow::showText(const QByteArray& text) {
    colouringBusy = true;
    pane().SetBaseFont(app().editorFontName.trimmed(), app().editorFontSize);
    pane().SetText(text);
    colouringBusy = false;
    int start = 0;
    int length = pane().TextLength();
    refreshCode(start, length);
}

bool HtmlWindow::SaveDocument() { return saveWithDialog(*this, false); }

bool HtmlWindow::SaveDocumentAs() { return saveWithDialog(*this, true); }
