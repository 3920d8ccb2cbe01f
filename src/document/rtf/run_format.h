#pragma once
// Character formatting as RTF states it, shared by the reader and the writer.
namespace rtf {

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

    bool operator==(const RunFormat&) const = default;
};

}  // namespace rtf
