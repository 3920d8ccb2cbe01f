#pragma once
// Save and Save As as every editor window kind does them: the kind's dialog title, filter and
// default extension, the question only for a never-saved window (always for Save As), the pane
// written, the caption becoming the path.
#include "core/window_kind.h"
#include "platform/dialogs.h"

class EditorWindow;

FileDialogRequest saveDialogRequest(WindowKind kind, bool saveAs);

// False when the dialog was cancelled or the file could not be written (the user has been told
// which file and why); the window is then unchanged.
bool saveWithDialog(EditorWindow& window, bool saveAs);
