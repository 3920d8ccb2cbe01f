#include "document/rtf/rtf_writer.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <cmath>
#include <optional>
#include <vector>

#include "core/twips.h"
#include "document/rtf/code_pages.h"
#include "document/rtf/run_format.h"

namespace rtf {
namespace {
// Lines are broken before they reach this length, well under the 255 readers may insist on.
constexpr int LineBreakColumn = 200;

class Output {
public:
    QByteArray bytes;

    void word(const char* name) {
        breakLineIfLong();
        put('\\');
        putText(name);
        delimiterDue_ = true;
    }
    void word(const char* name, int param) {
        word(name);
        putText(QByteArray::number(param).constData());
    }
    void raw(const char* text) {
        breakLineIfLong();
        delimiterDue_ = false;
        putText(text);
    }
    void newline() {
        if (delimiterDue_) put(' ');
        delimiterDue_ = false;
        bytes += "\r\n";
        column_ = 0;
    }
    void text(const QString& s) {
        for (const QChar ch : s) character(ch.unicode());
    }

private:
    void put(char c) {
        bytes += c;
        ++column_;
    }
    void putText(const char* s) {
        for (; *s; ++s) put(*s);
    }
    void breakLineIfLong() {
        if (column_ >= LineBreakColumn) newline();
    }
    void plain(char c) {
        breakLineIfLong();
        if (delimiterDue_) put(' ');
        delimiterDue_ = false;
        put(c);
    }
    void character(char16_t c) {
        static const char hex[] = "0123456789abcdef";
        switch (c) {
        case '\\': raw("\\\\"); return;
        case '{': raw("\\{"); return;
        case '}': raw("\\}"); return;
        case '\t': word("tab"); return;
        case QChar::LineSeparator: word("line"); return;
        case QChar::Nbsp: raw("\\~"); return;
        case QChar::ObjectReplacementCharacter: return;  // pictures are not written
        default: break;
        }
        if (c >= 0x20 && c < 0x80) {
            plain(char(c));
            return;
        }
        if (c < 0x20) return;
        const int byte = westernByteOf(c);
        if (byte >= 0) {
            const char escape[] = {'\\', '\'', hex[byte >> 4], hex[byte & 15], 0};
            raw(escape);
            return;
        }
        // Written as one piece, so that a line break never comes between \uN and its "?".
        raw(("\\u" + QByteArray::number(static_cast<short>(c)) + '?').constData());
    }

    int column_ = 0;
    bool delimiterDue_ = false;
};

class Writer {
public:
    explicit Writer(const QTextDocument& document) : document_(document) {}
    QByteArray write();

private:
    const RunFormat& propsOf(const QTextFragment& fragment);
    int fontIndex(const QString& family);
    int colourIndex(const QColor& colour);
    void writeHeader(Output& out) const;
    void writeParagraph(Output& out, const QTextBlock& block);
    void writeRun(Output& out, const RunFormat& props);
    void openField(Output& out, const QString& instruction);
    void closeField(Output& out);

    const QTextDocument& document_;
    std::vector<std::optional<RunFormat>> props_;  // by the document's format index
    QStringList fonts_;
    std::vector<QColor> colours_;
    RunFormat current_;
    QString field_;           // instruction of the field being written
    RunFormat beforeField_;  // the formatting the field's group will return to
};

// The field a run of text is the shown result of: a hyperlink, or a field kept as read.
QString fieldOf(const QTextCharFormat& format) {
    if (format.isAnchor() && !format.anchorHref().isEmpty()) {
        const QString href = format.anchorHref();
        return href.startsWith(QLatin1Char('#'))
                   ? QStringLiteral("HYPERLINK \\l \"%1\"").arg(href.mid(1))
                   : QStringLiteral("HYPERLINK \"%1\"").arg(href);
    }
    return format.property(FieldInstructionProperty).toString();
}

int Writer::fontIndex(const QString& family) {
    const qsizetype index = fonts_.indexOf(family);
    if (index >= 0) return int(index);
    fonts_.append(family);
    return int(fonts_.size() - 1);
}

// Index 0 of the colour table is the automatic colour.
int Writer::colourIndex(const QColor& colour) {
    for (size_t i = 0; i < colours_.size(); ++i)
        if (colours_[i] == colour) return int(i) + 1;
    colours_.push_back(colour);
    return int(colours_.size());
}

const RunFormat& Writer::propsOf(const QTextFragment& fragment) {
    const int index = fragment.charFormatIndex();
    if (index >= int(props_.size())) props_.resize(size_t(index) + 1);
    std::optional<RunFormat>& known = props_[size_t(index)];
    if (known) return *known;
    const QTextCharFormat format = fragment.charFormat();
    const QFont font = format.font().resolve(document_.defaultFont());
    RunFormat p;
    p.bold = font.weight() >= QFont::DemiBold;
    p.italic = font.italic();
    p.underline = font.underline();
    p.strike = font.strikeOut();
    p.smallCaps = font.capitalization() == QFont::SmallCaps;
    p.caps = font.capitalization() == QFont::AllUppercase;
    const auto vertical = format.verticalAlignment();
    p.vertical = vertical == QTextCharFormat::AlignSuperScript ? 1
                 : vertical == QTextCharFormat::AlignSubScript ? -1 : 0;
    p.font = fontIndex(font.family());
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
    p.halfPoints = int(std::lround(points * 2));
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        p.foreground = colourIndex(format.foreground().color());
    if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush)
        p.background = colourIndex(format.background().color());
    known = p;
    return *known;
}

QByteArray Writer::write() {
    fonts_.append(document_.defaultFont().family());
    // The tables come first in the file but are only known after the runs: write the body,
    // then put the header in front of it.
    Output body;
    for (QTextBlock block = document_.begin(); block.isValid(); block = block.next())
        writeParagraph(body, block);
    Output out;
    writeHeader(out);
    out.bytes.reserve(out.bytes.size() + body.bytes.size() + 3);
    out.bytes += body.bytes;
    out.bytes += "}\r\n";
    return out.bytes;
}

void Writer::writeHeader(Output& out) const {
    out.raw("{");
    for (const char* name : {"rtf1", "ansi"}) out.word(name);
    out.word("ansicpg", WesternCodePage);
    out.word("deff", 0);
    out.word("uc", 1);
    out.raw("{");
    out.word("fonttbl");
    for (qsizetype i = 0; i < fonts_.size(); ++i) {
        out.raw("{");
        out.word("f", int(i));
        out.word("fnil");
        out.word("fcharset", 0);
        out.text(fonts_[i]);
        out.raw(";}");
    }
    out.raw("}");
    out.newline();
    out.raw("{");
    out.word("colortbl");
    out.raw(";");
    for (const QColor& c : colours_) {
        out.word("red", c.red());
        out.word("green", c.green());
        out.word("blue", c.blue());
        out.raw(";");
    }
    out.raw("}");
    out.newline();
}

void Writer::openField(Output& out, const QString& instruction) {
    if (instruction.isEmpty()) return;
    field_ = instruction;
    beforeField_ = current_;
    out.raw("{");
    out.word("field");
    out.raw("{\\*");
    out.word("fldinst");
    // "\l" (a place in the document) is a control word of the instruction, not its text.
    const QStringList parts = instruction.split(QStringLiteral("\\l"));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0) out.word("l");
        out.text(parts[i]);
    }
    out.raw("}{");
    out.word("fldrslt");
}

// The field's group ends, and with it whatever formatting its text set.
void Writer::closeField(Output& out) {
    if (field_.isEmpty()) return;
    out.raw("}}");
    field_.clear();
    current_ = beforeField_;
}

void Writer::writeParagraph(Output& out, const QTextBlock& block) {
    const QTextBlockFormat format = block.blockFormat();
    out.word("pard");
    if (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) out.word("pagebb");
    const Qt::Alignment alignment = format.alignment();
    if (alignment & Qt::AlignHCenter) out.word("qc");
    else if (alignment & Qt::AlignRight) out.word("qr");
    else if ((alignment & Qt::AlignJustify) == Qt::AlignJustify) out.word("qj");
    auto twips = [](double pixels) { return int(std::lround(pixels * TwipsPerPixel)); };
    const struct {
        const char* word;
        double pixels;
    } measures[] = {{"li", format.leftMargin()},    {"ri", format.rightMargin()},
                    {"fi", format.textIndent()},    {"sb", format.topMargin()},
                    {"sa", format.bottomMargin()}};
    for (const auto& m : measures)
        if (const int value = twips(m.pixels); value != 0) out.word(m.word, value);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid()) continue;
        if (const QString field = fieldOf(fragment.charFormat()); field != field_) {
            closeField(out);
            openField(out, field);
        }
        writeRun(out, propsOf(fragment));
        out.text(fragment.text());
    }
    closeField(out);
    out.word("par");
    out.newline();
}

// Only what differs from the run before is written: RTF keeps character formatting across
// paragraphs.
void Writer::writeRun(Output& out, const RunFormat& p) {
    RunFormat& c = current_;
    auto toggle = [&out](bool& now, bool wanted, const char* on, const char* off) {
        if (now == wanted) return;
        if (wanted) out.word(on);
        else if (off) out.word(off);
        else out.word(on, 0);
        now = wanted;
    };
    toggle(c.bold, p.bold, "b", nullptr);
    toggle(c.italic, p.italic, "i", nullptr);
    toggle(c.underline, p.underline, "ul", "ulnone");
    toggle(c.strike, p.strike, "strike", nullptr);
    toggle(c.smallCaps, p.smallCaps, "scaps", nullptr);
    toggle(c.caps, p.caps, "caps", nullptr);
    if (c.vertical != p.vertical) {
        out.word(p.vertical > 0 ? "super" : p.vertical < 0 ? "sub" : "nosupersub");
        c.vertical = p.vertical;
    }
    if (c.font != p.font) out.word("f", c.font = p.font);
    if (c.halfPoints != p.halfPoints) out.word("fs", c.halfPoints = p.halfPoints);
    if (c.foreground != p.foreground) out.word("cf", c.foreground = p.foreground);
    if (c.background != p.background) out.word("highlight", c.background = p.background);
}
}  // namespace

QByteArray writeRtf(const QTextDocument& document) { return Writer(document).write(); }

}  // namespace rtf
