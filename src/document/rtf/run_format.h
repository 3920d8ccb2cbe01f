#pragma once
// Character formatting as RTF states it, shared by the reader and the writer.
#include <QString>
#include <QTextFormat>

namespace rtf {

// A field the document cannot compute (a page number, a date) keeps its instruction on the
// characters of its shown text, so that it is written back as the same field. A hyperlink is
// an anchor instead.
constexpr int FieldInstructionProperty = QTextFormat::UserProperty + 1;

struct RunFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool smallCaps = false;
    bool caps = false;
    int vertical = 0;  // 1 superscript, -1 subscript
    int font = 0;      // font table number
    int halfPoints = 24;
    int foreground = 0;  // colour table index; 0 is the automatic colour
    int background = 0;
    QString field;  // the instruction of the field this text is the result of

    bool operator==(const RunFormat&) const = default;
};

}  // namespace rtf
