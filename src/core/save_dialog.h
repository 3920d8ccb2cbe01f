#pragma once
// Save and Save As as every editor window kind does them: the kind's dialog title, filter and
// default extension, the question only for a never-saved window (always for Save As), the pane
// written, the caption becoming the path.
#include "core/editor_pane.h"
#include "core/window_kind.h"
#include "platform/dialogs.h"

class EditorWindow;

FileDialogRequest saveDialogRequest(WindowKind kind, bool saveAs);

// False when the dialog was cancelled or the file could not be written (the user has been told
// which file and why); the window is then unchanged. A document's file type is the format it is
// written in: Richtext files RTF, Text files plain text, All files the document's own.
bool saveWithDialog(EditorWindow& window, bool saveAs);

// Writes the window's text to path as `kind`, as every save does: no file changed by another
// program is overwritten unasked, plain text keeps its encoding unless the user agrees to UTF-8,
// formatted text becomes plain text only when the user agrees. On success the caption becomes
// the path and the window is unmodified; a failure has been reported.
bool writeWindowFile(EditorWindow& window, const QString& path, FileKind kind);
