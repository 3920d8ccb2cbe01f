#pragma once
// Copies a stretch of one pane, with the look of every character, to the caret of another pane
// of the same kind: document panes hand the stretch over whole, other panes go run by run
// through the selection operations.
#include "core/editor_pane.h"

// Inserts [from, to) of source at target's caret; the caret ends after the copy. Both panes
// must count positions the same way (two code panes, or two document panes).
void copyFormatted(EditorPane& source, int from, int to, EditorPane& target);
