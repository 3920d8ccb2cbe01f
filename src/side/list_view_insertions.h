#pragma once
// What the list-views window writes into an HTML window: a script file as a script element,
// a symbol, and a tag from the tag tree. Each raises the insertion flag while it writes and
// ends with an undo snapshot.
#include <QByteArray>
#include <QString>
#include <vector>

#include "core/editor_pane.h"

class EditorWindow;

// "JavaScript" when the file name's last two characters are "js" (exactly: "JS" is not),
// else "VBScript".
QString scriptLanguageOf(const QString& fileName);

// The colours of a script's text as it is copied in: text outside tags, "<" opens a tag (tags
// nest), "!" inside a tag starts the parameter colour, and ">" closes a tag, the text colour
// coming back when none is open. Runs of one colour, in byte offsets of text.
std::vector<ColourRun> scriptColourRuns(const QByteArray& text, Rgb textColour, Rgb tagColour,
                                        Rgb paramColour);

// Writes the file between "<script language =...>" and "</Script>" at the caret. False, with
// nothing written, when the file cannot be read.
bool insertScriptFile(EditorWindow& window, const QString& path);

// Writes text at the caret in the text colour.
void insertSymbol(EditorWindow& window, const QString& text);

// Writes the tag ("<b>") over the selection; a tag that closes gets the selected text and its
// closing tag after it, with the caret just after the opening tag.
void insertTagNode(EditorWindow& window, const QString& nodeText, bool closes);
