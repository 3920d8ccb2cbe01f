#pragma once
// Opening a file into an editor window's code pane, as the HTML and script windows do it.
#include <QString>

class EditorWindow;

// Loads the file into the window's pane in the editor font. A file that cannot be opened as
// text is reported to the user by name and reason, and the pane is left as it was. `busy` is
// raised while the pane loads, so that the window's change handler ignores the load.
bool openTextFile(EditorWindow& window, const QString& path, bool& busy);
