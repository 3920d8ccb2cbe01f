#include "core/open_text_file.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>

#include "core/editor_window.h"
#include "core/frame.h"
#include "core/plain_text_file.h"
#include "platform/dialogs.h"

QString unreadableFileReason(const QString& path, QByteArray* head) {
    const QFileInfo info(path);
    if (!info.exists()) return QStringLiteral("the file does not exist.");
    if (info.isDir()) return QStringLiteral("it is a folder, not a file.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return file.errorString() + QLatin1Char('.');
    *head = file.read(64 * 1024);
    return {};
}

namespace {
// Why a file cannot be opened as text, or an empty string when it can.
QString unreadableTextReason(const QString& path) {
    QByteArray head;
    const QString reason = unreadableFileReason(path, &head);
    if (reason.isEmpty() && !looksLikeText(head)) return QStringLiteral("it is not a text file.");
    return reason;
}
}  // namespace

bool showWindowOfFile(AppState& app, const QString& path, const EditorWindow* opener) {
    QWidget* holder = app.frame ? app.frame->windowOfFile(path) : nullptr;
    if (!holder || holder == opener) return false;
    app.frame->bringForward(holder);
    return true;
}

bool openTextFile(EditorWindow& window, const QString& path, bool& busy) {
    AppState& app = window.app();
    if (showWindowOfFile(app, path, &window)) return false;
    QString reason = unreadableTextReason(path);
    if (reason.isEmpty()) {
        EditorPane& pane = window.pane();
        busy = true;
        pane.SetBaseFont(app.editorFontName.trimmed(), app.editorFontSize);
        const bool loaded = pane.LoadFile(path, FilePlainText, &reason);
        busy = false;
        if (loaded) return true;
    }
    app.dialogs->messageBox(QStringLiteral("Cannot open \"%1\": %2").arg(path, reason),
                            QApplication::applicationName(), MsgButtons::Ok,
                            MsgIcon::Exclamation);
    return false;
}
