#pragma once
// Which menu commands and toolbar buttons each kind of editor window switches on or off when it
// is activated, and which it switches off when it is unloaded.
#include "core/frame.h"
#include "core/window_kind.h"

void applyActivationRules(Frame& frame, WindowKind kind, const WindowCommandState& state);
// Applies only the rules that follow the clipboard (Paste), when its content changes.
void applyClipboardRules(Frame& frame, WindowKind kind, bool clipboardText);
// Disables everything the kind's activation may have switched on.
void applyUnloadRules(Frame& frame, WindowKind kind);
