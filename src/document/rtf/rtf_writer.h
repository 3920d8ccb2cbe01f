#pragma once
// Writes a QTextDocument as RTF: a font table (the document's default font first), a colour
// table, then the paragraphs with their alignment, indents and spacing and the runs with their
// character formatting. Characters code page 1252 holds are written as \'hh, all others as
// \uN with a "?" for readers that do not know \u. No line is longer than 255 characters.
#include <QByteArray>

class QTextDocument;

namespace rtf {
QByteArray writeRtf(const QTextDocument& document);
}
