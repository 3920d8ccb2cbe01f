#pragma once
// Opening a file into an editor window's code pane, as the HTML and script windows do it.
#include <QByteArray>
#include <QString>

class EditorWindow;
struct AppState;

// Why a file cannot be read at all (missing, a folder, not permitted), or an empty string when
// it can; then *head holds its first 64 KB, for the caller to judge what kind of file it is.
QString unreadableFileReason(const QString& path, QByteArray* head);

// One file, one window: when a window other than `opener` holds the file at path, it is
// brought forward instead, and the answer is true.
bool showWindowOfFile(AppState& app, const QString& path, const EditorWindow* opener = nullptr);

// Loads the file into the window's pane in the editor font. A file that cannot be opened as
// text is reported to the user by name and reason, and the pane is left as it was. `busy` is
// raised while the pane loads, so that the window's change handler ignores the load.
// A file open in another window is not loaded: that window comes forward, and the answer is false.
bool openTextFile(EditorWindow& window, const QString& path, bool& busy);
