// Opening and saving the page of an HTML window.
#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include "core/save_dialog.h"
#include "html/html_window.h"
#include "platform/dialogs.h"
#include "platform/web_view.h"

namespace {
const QString OpenTitle = QStringLiteral("Open web page for editing  ");
const QString OpenFilter =
    QStringLiteral("html file(*.html)|*.html|Text Files(*.txt)|*.txt |All Files (*.*)|*.*");

// Why a file cannot be opened as a page, or an empty string when it can.
QString unreadableReason(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("the file does not exist.");
    if (info.isDir()) return QStringLiteral("it is a folder, not a file.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString() + QLatin1Char('.');
    // Text never holds a NUL byte; pictures, archives and programs almost always do.
    if (file.read(64 * 1024).contains('\0')) return QStringLiteral("it is not a text file.");
    return {};
}
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
    const QString reason = unreadableReason(path);
    if (!reason.isEmpty()) {
        reportProblem(QStringLiteral("Cannot open \"%1\": %2").arg(path, reason));
        return false;
    }
    EditorPane& p = pane();
    QString error;
    colouringBusy = true;
    p.SetBaseFont(app().editorFontName.trimmed(), app().editorFontSize);
    const bool loaded = p.LoadFile(path, FilePlainText, &error);
    colouringBusy = false;
    if (!loaded) {
        reportProblem(QStringLiteral("Cannot open \"%1\": %2").arg(path, error));
        return false;
    }
    setCaption(path);
    p.SetVisible(false);
    if (Browser1()) Browser1()->Navigate(path);
    QApplication::processEvents();
    int start = 0;
    int length = p.TextLength();
    refreshCode(start, length);
    documentOpened();
    p.SetVisible(true);
    return true;
}

bool HtmlWindow::SaveDocument() { return saveWithDialog(*this, false); }

bool HtmlWindow::SaveDocumentAs() { return saveWithDialog(*this, true); }
