// The File menu of the main window.
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QPrinter>

#include "core/recovery_store.h"
#include "document/document_window.h"
#include "html/html_window.h"
#include "platform/dialogs.h"
#include "script/script_commands.h"
#include "script/script_window.h"
#include "shell/main_window.h"

void mdiform1::newHtml() {
    const short number = ++windowCounter_[KindHtml];
    auto* window = new HtmlWindow(app_);
    window->setCaption(EditorWindow::defaultName(KindHtml) + QString::number(number));
    window->newfile(QStringLiteral("s"));
    showChild(window);
    app_.commands->run(QStringLiteral("Form2"));
}

void mdiform1::openHtml() {
    auto* window = new HtmlWindow(app_);
    if (!window->openfile()) {
        delete window;
        reactivateActiveChild();
        return;
    }
    showChild(window);
}

// Rich-text files open as documents, scripts in a window of their kind, every other file as a
// web page. A path relative to the working folder becomes absolute, as the open dialog gives it.
void mdiform1::openFiles(const QStringList& paths) {
    for (const QString& given : paths) {
        const QString path = QDir::cleanPath(QFileInfo(given).absoluteFilePath());
        if (path.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive)) {
            openDocumentFile(path);
            continue;
        }
        const WindowKind kind = scriptKindOfFile(path);
        EditorWindow* window = nullptr;
        bool opened = false;
        if (kind != KindNone) {
            auto* script = new ScriptWindow(app_, kind);
            opened = script->openfromdir(path);
            window = script;
        } else {
            auto* page = new HtmlWindow(app_);
            opened = page->openfromdir(path);
            window = page;
        }
        if (opened) {
            showChild(window);
        } else {
            delete window;
            reactivateActiveChild();
        }
    }
}

bool mdiform1::recoverDocument(const RecoveredDocument& document) {
    // A file opened meanwhile (named on the command line) takes its recovered text itself; a
    // window with edits of its own keeps them, and the recovered text gets a window of its own.
    auto* window = qobject_cast<EditorWindow*>(windowOfFile(document.caption));
    if (window && window->kind() == document.kind && !window->isModified()) {
        window->recoverDocument(document.text, window->caption(), document.encoding);
        bringForward(window);
        return true;
    }
    switch (document.kind) {
    case KindDocument: window = new ::document(app_); break;
    case KindVbscript:
    case KindJscript:
    case KindJava: window = new ScriptWindow(app_, document.kind); break;
    default: window = new HtmlWindow(app_); break;
    }
    window->recoverDocument(document.text, document.caption, document.encoding);
    showChild(window);
    return true;
}

void mdiform1::closeActive() {
    EditorWindow& window = target();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window.parentWidget())) sub->close();
    else window.close();
}

void mdiform1::save() {
    EditorWindow& window = target();
    PalettesAway away(this);
    window.SaveDocument();
}

void mdiform1::saveAs() {
    EditorWindow& window = target();
    PalettesAway away(this);
    window.SaveDocumentAs();
}

void mdiform1::pageSetup() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    PalettesAway away(this);
    app_.dialogs->pageSetup(*printer_, QStringLiteral("Page Setup"));
}

void mdiform1::print() {
    EditorWindow& window = target();
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    PalettesAway away(this);
    if (!app_.dialogs->choosePrinter(*printer_, QStringLiteral(" Print file"))) return;
    window.pane().SelPrint(*printer_);
}

void mdiform1::exitProgram() { close(); }
