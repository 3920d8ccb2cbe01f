#pragma once
// Reads RTF into a QTextDocument: the text with its character formatting (bold, italic,
// underline, strike-through, small capitals, super- and subscript, font, size, colour,
// background) and its paragraph formatting (alignment, indents, spacing). Lists come in as
// the paragraphs with their bullet or number, tables as one paragraph per row with a tab
// between cells; pictures, headers, footers and document information are left out. Page breaks
// are kept (as a break before the paragraph), fields keep their shown text and their
// instruction, hyperlinks their link. Unknown control words are ignored. Broken input loads as
// far as it can be read.
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <functional>

class QTextDocument;

namespace rtf {
// False (with a reason) only when the bytes are not RTF at all; the document is then cleared.
// `unkept` receives, for the user, what the file holds that the document leaves out
// ("pictures", "tables", ...), each named once. `progress` is told now and then how many bytes
// have been read.
bool readRtf(QByteArrayView rtf, QTextDocument& into, QString* error = nullptr,
             QStringList* unkept = nullptr, const std::function<void(qsizetype)>& progress = {});
// Whether the bytes start as an RTF file does.
bool looksLikeRtf(QByteArrayView bytes);
}  // namespace rtf
