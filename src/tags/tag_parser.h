#pragma once
// Checks the tag names of an HTML window against the tag table and reports every unknown one.
#include <QString>

class EditorWindow;

enum class ParseRange { All, AfterCaret, BeforeCaret, Selection };

// Scans the range, showing one message per unknown name (left selected while it is shown) and
// a summary at the end; the caret goes back where it was. Returns the number of unknown names.
int parseTags(EditorWindow& window, ParseRange range);
