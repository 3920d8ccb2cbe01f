// New and Open for document windows.
#include "core/open_text_file.h"
#include "document/document_window.h"
#include "platform/dialogs.h"
#include "shell/main_window.h"

void mdiform1::newDocument() {
    const short number = ++windowCounter_[KindDocument];
    auto* window = new document(app_);
    window->setCaption(EditorWindow::defaultName(KindDocument) + QString::number(number));
    window->newfile(QStringLiteral("s"));
    showChild(window);
}

void mdiform1::openDocument() {
    std::optional<QString> chosen;
    {
        PalettesAway away(this);
        chosen = app_.dialogs->openFile(
            {QStringLiteral("Open"), QStringLiteral("All Files (*.*)|*.*"), QString(), QString()});
    }
    if (!chosen || chosen->isEmpty()) return;
    openDocumentFile(*chosen);
}

bool mdiform1::openDocumentFile(const QString& path) {
    if (showWindowOfFile(app_, path)) return true;
    const short number = ++windowCounter_[KindDocument];
    auto* window = new document(app_);
    window->setCaption(EditorWindow::defaultName(KindDocument) + QString::number(number));
    if (!window->openfromdir(path)) {
        delete window;
        reactivateActiveChild();
        return false;
    }
    showChild(window);
    return true;
}
