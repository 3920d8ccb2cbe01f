#pragma once
// A compact picture of a QTextDocument for comparing formatting: paragraphs are separated by
// "|", a paragraph that is not plain starts with its settings in brackets ("[c li720]", "pb"
// for a page break before it), and a formatted run is written "<b i fg=#ff0000>text</>" (a
// link with "href=", the text of a field with "field=" and its instruction). Fonts and sizes are named only when
// they differ from Arial 12 pt. A tab shows as "\t", a line break inside a paragraph as "\n".
#include <QString>

class QTextDocument;

QString describeDocument(const QTextDocument& document);
