#pragma once
// Goto Line: where the caret goes for the number the user typed.
#include <QString>

class EditorPane;

// The leading number of the text, rounded; 0 when the text does not start with one.
int leadingNumber(const QString& text);
// The start of line n (1-based) of the pane as the edit control's line index gives it: n = 0
// means the caret's line; -1 when there is no such line.
int lineStartForAnswer(const EditorPane& pane, const QString& answer);
