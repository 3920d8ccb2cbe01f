#include "document/rtf/rtf_reader.h"

#include <QColor>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "core/twips.h"
#include "document/rtf/code_pages.h"
#include "document/rtf/rtf_tokenizer.h"
#include "document/rtf/run_format.h"

namespace rtf {
namespace {
// Deeper groups than this share their parent's state; the braces are still counted.
constexpr int MaxGroupDepth = 512;
const int DefaultHalfPoints = RunFormat().halfPoints;

enum class Destination { Body, FontTable, ColourTable, FieldInstruction, Skip };

enum class Act {
    // destinations
    FontTable, ColourTable, FieldInstruction, Skip,
    // character formatting
    Bold, Italic, Underline, UnderlineNone, Strike, SmallCaps, Caps, Font, Size, Foreground,
    Background, Plain, Super, Sub, NoSuperSub, Hidden,
    // paragraph formatting
    Par, Pard, Page, PageBreakBefore, AlignLeft, AlignCentre, AlignRight, Justify, LeftIndent, RightIndent,
    FirstIndent, SpaceBefore, SpaceAfter, Cell, Row,
    // characters
    Line, Tab, Char, Unicode, UnicodeSkip,
    // document and font table
    Ansi, Mac, Pc, Pca, AnsiCodePage, DefaultFont, Charset, FontCodePage, Red, Green, Blue,
};

struct WordRow {
    const char* name;
    Act act;
    char16_t character = 0;  // Act::Char
};

// Looked up by binary search over a sorted copy.
const WordRow wordRows[] = {
    {"ansi", Act::Ansi},
    {"ansicpg", Act::AnsiCodePage},
    {"author", Act::Skip},
    {"b", Act::Bold},
    {"blue", Act::Blue},
    {"bullet", Act::Char, 0x2022},
    {"buptim", Act::Skip},
    {"caps", Act::Caps},
    {"cb", Act::Background},
    {"cell", Act::Cell},
    {"cf", Act::Foreground},
    {"chcbpat", Act::Background},
    {"colortbl", Act::ColourTable},
    {"comment", Act::Skip},
    {"company", Act::Skip},
    {"cpg", Act::FontCodePage},
    {"creatim", Act::Skip},
    {"datastore", Act::Skip},
    {"deff", Act::DefaultFont},
    {"dn", Act::Sub},
    {"doccomm", Act::Skip},
    {"emdash", Act::Char, 0x2014},
    {"emspace", Act::Char, 0x2003},
    {"endash", Act::Char, 0x2013},
    {"enspace", Act::Char, 0x2002},
    {"f", Act::Font},
    {"fcharset", Act::Charset},
    {"fi", Act::FirstIndent},
    {"fonttbl", Act::FontTable},
    {"footer", Act::Skip},
    {"footerf", Act::Skip},
    {"footerl", Act::Skip},
    {"footerr", Act::Skip},
    {"footnote", Act::Skip},
    {"fs", Act::Size},
    {"ftncn", Act::Skip},
    {"ftnsep", Act::Skip},
    {"ftnsepc", Act::Skip},
    {"green", Act::Green},
    {"header", Act::Skip},
    {"headerf", Act::Skip},
    {"headerl", Act::Skip},
    {"headerr", Act::Skip},
    {"highlight", Act::Background},
    {"i", Act::Italic},
    {"info", Act::Skip},
    {"keywords", Act::Skip},
    {"ldblquote", Act::Char, 0x201C},
    {"li", Act::LeftIndent},
    {"line", Act::Line},
    {"lquote", Act::Char, 0x2018},
    {"mac", Act::Mac},
    {"nestcell", Act::Cell},
    {"nestrow", Act::Row},
    {"nonshppict", Act::Skip},
    {"nosupersub", Act::NoSuperSub},
    {"objclass", Act::Skip},
    {"objdata", Act::Skip},
    {"objname", Act::Skip},
    {"operator", Act::Skip},
    {"par", Act::Par},
    {"page", Act::Page},
    {"pagebb", Act::PageBreakBefore},
    {"pard", Act::Pard},
    {"pc", Act::Pc},
    {"pca", Act::Pca},
    {"pict", Act::Skip},
    {"plain", Act::Plain},
    {"pn", Act::Skip},
    {"printim", Act::Skip},
    {"private", Act::Skip},
    {"qc", Act::AlignCentre},
    {"qj", Act::Justify},
    {"ql", Act::AlignLeft},
    {"qr", Act::AlignRight},
    {"rdblquote", Act::Char, 0x201D},
    {"red", Act::Red},
    {"revtim", Act::Skip},
    {"ri", Act::RightIndent},
    {"row", Act::Row},
    {"rquote", Act::Char, 0x2019},
    {"sa", Act::SpaceAfter},
    {"sb", Act::SpaceBefore},
    {"scaps", Act::SmallCaps},
    {"sect", Act::Par},
    {"shpinst", Act::Skip},
    {"strike", Act::Strike},
    {"striked", Act::Strike},
    {"stylesheet", Act::Skip},
    {"sub", Act::Sub},
    {"subject", Act::Skip},
    {"super", Act::Super},
    {"tab", Act::Tab},
    {"tc", Act::Skip},
    {"template", Act::Skip},
    {"title", Act::Skip},
    {"txe", Act::Skip},
    {"u", Act::Unicode},
    {"uc", Act::UnicodeSkip},
    {"ul", Act::Underline},
    {"uld", Act::Underline},
    {"uldash", Act::Underline},
    {"uldashd", Act::Underline},
    {"uldashdd", Act::Underline},
    {"uldb", Act::Underline},
    {"ulhwave", Act::Underline},
    {"ulldash", Act::Underline},
    {"ulnone", Act::UnderlineNone},
    {"ulth", Act::Underline},
    {"ulw", Act::Underline},
    {"ulwave", Act::Underline},
    {"up", Act::Super},
    {"v", Act::Hidden},
    {"xe", Act::Skip},
    {"fldinst", Act::FieldInstruction},
    {"bkmkstart", Act::Skip},
    {"bkmkend", Act::Skip},
    {"generator", Act::Skip},
    {"xmlnstbl", Act::Skip},
    {"rsidtbl", Act::Skip},
    {"listtable", Act::Skip},
    {"listoverridetable", Act::Skip},
    {"latentstyles", Act::Skip},
    {"themedata", Act::Skip},
    {"colorschememapping", Act::Skip},
    {"pgdsctbl", Act::Skip},
    {"userprops", Act::Skip},
    {"docvar", Act::Skip},
    {"revtbl", Act::Skip},
    {"filetbl", Act::Skip},
};

// What the document leaves out, by the control word that starts it, named for the user.
const struct {
    const char* word;
    const char* name;
} unkeptRows[] = {
    {"pict", "pictures"},
    {"shppict", "pictures"},
    {"shp", "drawings"},
    {"object", "embedded objects"},
    {"trowd", "tables (their text is kept, a line per row)"},
    {"header", "headers and footers"},
    {"headerl", "headers and footers"},
    {"headerr", "headers and footers"},
    {"headerf", "headers and footers"},
    {"footer", "headers and footers"},
    {"footerl", "headers and footers"},
    {"footerr", "headers and footers"},
    {"footerf", "headers and footers"},
    {"footnote", "footnotes"},
    {"annotation", "comments"},
};

const char* unkeptName(std::string_view word) {
    for (const auto& row : unkeptRows)
        if (word == row.word) return row.name;
    return nullptr;
}

const WordRow* findWord(std::string_view name) {
    static const std::vector<WordRow> sorted = [] {
        std::vector<WordRow> rows(std::begin(wordRows), std::end(wordRows));
        std::sort(rows.begin(), rows.end(), [](const WordRow& a, const WordRow& b) {
            return std::string_view(a.name) < std::string_view(b.name);
        });
        return rows;
    }();
    const auto end = sorted.end();
    const auto it = std::lower_bound(sorted.begin(), end, name,
                                     [](const WordRow& row, std::string_view n) {
                                         return std::string_view(row.name) < n;
                                     });
    return it != end && std::string_view(it->name) == name ? &*it : nullptr;
}

// The link of a HYPERLINK field: its first quoted argument, or its first word; "\l" names a
// place in the document itself.
QString hyperlinkOf(const QString& instruction) {
    const QStringList words = instruction.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty() || words.first().compare(QLatin1String("HYPERLINK"), Qt::CaseInsensitive))
        return {};
    const qsizetype open = instruction.indexOf(QLatin1Char('"'));
    const qsizetype close = open < 0 ? -1 : instruction.indexOf(QLatin1Char('"'), open + 1);
    const QString target = close > open ? instruction.mid(open + 1, close - open - 1)
                                        : words.value(1);
    const bool local = words.contains(QLatin1String("\\l"));
    return local ? QLatin1Char('#') + target : target;
}

struct ParaState {
    int alignment = 0;  // 0 left, 1 centre, 2 right, 3 justified
    int leftIndent = 0;  // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    bool pageBreakBefore = false;

    bool operator==(const ParaState&) const = default;
};

struct GroupState {
    Destination destination = Destination::Body;
    RunFormat character;
    ParaState paragraph;
    int unicodeSkip = 1;
    bool hidden = false;  // \v: text that is not shown
};

struct FontEntry {
    int number = 0;
    int codePage = 0;  // 0: the document's
    QString name;
};

class Parser {
public:
    Parser(QTextDocument& document, QStringList* unkept)
        : document_(document), cursor_(&document), unkept_(unkept) {
        stack_.emplace_back();
    }

    void run(QByteArrayView input, const std::function<void(qsizetype)>& progress);

private:
    GroupState& state() { return stack_.back(); }
    void openGroup();
    void closeGroup();
    void word(const RtfToken& token);
    void symbol(char c);
    void text(std::string_view bytes);
    void bytes(std::string_view bytes);
    // Control words and symbols of the document body.
    void bodyWord(Act act, const RtfToken& token, char16_t character);
    void fontTableWord(Act act, const RtfToken& token);
    void colourTableWord(Act act, const RtfToken& token);
    void fontTableText(std::string_view text);
    void colourTableText(std::string_view text);

    void append(QChar c);
    void append(const QString& s);
    void decodePending();
    void flushRun();
    void endParagraph();
    void finish();
    void applyParagraphFormat();
    int codePage();
    const FontEntry* font(int number) const;
    QTextCharFormat charFormat(const RunFormat& s) const;

    void endFieldInstruction();

    QTextDocument& document_;
    QTextCursor cursor_;
    QStringList* unkept_;
    std::vector<GroupState> stack_;
    int overflowDepth_ = 0;
    bool ended_ = false;
    bool ignorableNext_ = false;
    int skipCount_ = 0;  // fallback characters after \uN still to skip

    int documentCodePage_ = WesternCodePage;
    int defaultFont_ = 0;
    std::vector<FontEntry> fonts_;
    FontEntry pendingFont_;
    bool fontPending_ = false;
    QByteArray fontNameBytes_;
    std::vector<QColor> colours_;
    int red_ = -1, green_ = -1, blue_ = -1;

    ByteDecoder decoder_;
    QByteArray pendingBytes_;
    int pendingCodePage_ = 0;
    QString run_;
    RunFormat runState_;
    int pendingTabs_ = 0;
    bool paragraphEmpty_ = true;  // nothing written since the last \par
    bool pageBreakDue_ = false;   // \page: the next paragraph starts a page
    QString instruction_;         // of the field being read
    bool sawParagraph_ = false;
};

void Parser::run(QByteArrayView input, const std::function<void(qsizetype)>& progress) {
    RtfTokenizer tokens(input);
    unsigned count = 0;
    for (RtfToken token = tokens.next(); token.kind != RtfToken::End && !ended_;
         token = tokens.next()) {
        if (progress && (++count & 0xFFF) == 0) progress(input.size() - tokens.left());
        if (token.kind != RtfToken::Hex && token.kind != RtfToken::Text) decodePending();
        if (skipCount_ > 0) {
            if (token.kind == RtfToken::GroupOpen || token.kind == RtfToken::GroupClose) {
                skipCount_ = 0;
            } else if (token.kind == RtfToken::Text) {
                const size_t skipped = std::min<size_t>(size_t(skipCount_), token.data.size());
                skipCount_ -= int(skipped);
                token.data.remove_prefix(skipped);
                if (token.data.empty()) continue;
            } else {
                --skipCount_;
                continue;
            }
        }
        switch (token.kind) {
        case RtfToken::GroupOpen: openGroup(); break;
        case RtfToken::GroupClose: closeGroup(); break;
        case RtfToken::Word: word(token); break;
        case RtfToken::Symbol: symbol(token.symbol); break;
        case RtfToken::Hex: {
            const char byte = char(token.byte);
            bytes(std::string_view(&byte, 1));
            break;
        }
        case RtfToken::Text: text(token.data); break;
        case RtfToken::Binary:
        case RtfToken::End: break;
        }
        if (!(token.kind == RtfToken::Symbol && token.symbol == '*')) ignorableNext_ = false;
    }
    decodePending();
    finish();
}

void Parser::openGroup() {
    if (int(stack_.size()) >= MaxGroupDepth) {
        ++overflowDepth_;
        return;
    }
    stack_.push_back(stack_.back());
}

void Parser::closeGroup() {
    if (overflowDepth_ > 0) {
        --overflowDepth_;
        return;
    }
    if (state().destination == Destination::FontTable && fontPending_) fontTableText(";");
    if (state().destination == Destination::FieldInstruction && stack_.size() > 2 &&
        stack_[stack_.size() - 2].destination != Destination::FieldInstruction)
        endFieldInstruction();
    if (stack_.size() <= 2) {
        // The document's own group has closed (its state stays for the last paragraph), or
        // a stray brace closes nothing.
        ended_ = stack_.size() == 2;
        return;
    }
    stack_.pop_back();
}

void Parser::word(const RtfToken& token) {
    GroupState& s = state();
    if (s.destination == Destination::Skip) return;
    if (const char* name = unkeptName(token.data); name && unkept_ && !unkept_->contains(name))
        unkept_->append(QString::fromLatin1(name));
    const WordRow* row = findWord(token.data);
    if (ignorableNext_) {
        // \* before a destination we do not read: the whole group goes.
        ignorableNext_ = false;
        if (!row || (row->act != Act::FontTable && row->act != Act::ColourTable &&
                     row->act != Act::FieldInstruction)) {
            s.destination = Destination::Skip;
            return;
        }
    }
    if (s.destination == Destination::FieldInstruction) {
        if (token.data == "l") instruction_ += QStringLiteral(" \\l ");  // a place, not a file
        return;
    }
    if (!row) return;
    if (row->act == Act::FieldInstruction) {
        instruction_.clear();
        s.destination = Destination::FieldInstruction;
        return;
    }
    if (row->act == Act::FontTable) {
        s.destination = Destination::FontTable;
        return;
    }
    if (row->act == Act::ColourTable) {
        s.destination = Destination::ColourTable;
        return;
    }
    if (row->act == Act::Skip) {
        s.destination = Destination::Skip;
        return;
    }
    switch (s.destination) {
    case Destination::FontTable: fontTableWord(row->act, token); break;
    case Destination::ColourTable: colourTableWord(row->act, token); break;
    default: bodyWord(row->act, token, row->character); break;
    }
}

void Parser::symbol(char c) {
    if (c == '*') {
        ignorableNext_ = true;
        return;
    }
    if (state().destination == Destination::Skip) return;
    switch (c) {
    case '\\':
    case '{':
    case '}': {
        const char literal = c;
        text(std::string_view(&literal, 1));
        break;
    }
    case '~': append(QChar(0x00A0)); break;
    case '_': append(QChar(0x2011)); break;
    case '\n': bodyWord(Act::Par, RtfToken(), 0); break;
    case '\t': append(QChar('\t')); break;
    default: break;  // \- (optional hyphen), \: and others have nothing to show
    }
}

void Parser::text(std::string_view bytes) {
    switch (state().destination) {
    case Destination::Skip: return;
    case Destination::FieldInstruction:
        instruction_ += QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
        return;
    case Destination::FontTable: fontTableText(bytes); return;
    case Destination::ColourTable: colourTableText(bytes); return;
    case Destination::Body: break;
    }
    // Plain ASCII goes straight in; bytes above 0x7F belong to the current code page.
    size_t start = 0;
    for (size_t i = 0; i <= bytes.size(); ++i) {
        const bool high = i < bytes.size() && static_cast<unsigned char>(bytes[i]) >= 0x80;
        if (i < bytes.size() && !high) continue;
        if (i > start) {
            decodePending();
            QString ascii;
            ascii.reserve(qsizetype(i - start));
            for (size_t j = start; j < i; ++j)
                if (static_cast<unsigned char>(bytes[j]) >= 0x20 || bytes[j] == '\t')
                    ascii += QLatin1Char(bytes[j]);
            append(ascii);
        }
        if (high) this->bytes(bytes.substr(i, 1));
        start = i + 1;
    }
}

void Parser::bytes(std::string_view data) {
    switch (state().destination) {
    case Destination::Body: break;
    case Destination::FontTable: fontNameBytes_.append(data.data(), qsizetype(data.size())); return;
    default: return;
    }
    const int page = codePage();
    if (!pendingBytes_.isEmpty() && page != pendingCodePage_) decodePending();
    pendingCodePage_ = page;
    pendingBytes_.append(data.data(), qsizetype(data.size()));
}

void Parser::decodePending() {
    if (pendingBytes_.isEmpty()) return;
    QString decoded;
    decoder_.decode(pendingCodePage_, pendingBytes_, decoded);
    pendingBytes_.clear();
    append(decoded);
}

int Parser::codePage() {
    const RunFormat& c = state().character;
    const FontEntry* entry = font(c.font);
    return entry && entry->codePage != 0 ? entry->codePage : documentCodePage_;
}

const FontEntry* Parser::font(int number) const {
    for (const FontEntry& entry : fonts_)
        if (entry.number == number) return &entry;
    return nullptr;
}

void Parser::append(QChar c) { append(QString(c)); }

void Parser::append(const QString& s) {
    if (s.isEmpty() || state().hidden) return;
    const RunFormat& current = state().character;
    if (!(current == runState_)) {
        flushRun();
        runState_ = current;
    }
    // A cell ended before this text: the cells of a row are kept apart by tabs.
    for (; pendingTabs_ > 0; --pendingTabs_) run_ += QLatin1Char('\t');
    run_ += s;
    paragraphEmpty_ = false;
}

QTextCharFormat Parser::charFormat(const RunFormat& s) const {
    QTextCharFormat format;
    if (s.bold) format.setFontWeight(QFont::Bold);
    if (s.italic) format.setFontItalic(true);
    if (s.underline) format.setFontUnderline(true);
    if (s.strike) format.setFontStrikeOut(true);
    if (s.smallCaps) format.setFontCapitalization(QFont::SmallCaps);
    else if (s.caps) format.setFontCapitalization(QFont::AllUppercase);
    if (s.vertical > 0) format.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (s.vertical < 0) format.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (const FontEntry* entry = font(s.font);
        entry && !entry->name.isEmpty())
        format.setFontFamilies(QStringList{entry->name});
    format.setFontPointSize(s.halfPoints / 2.0);
    auto colour = [this](int index) {
        return index > 0 && index < int(colours_.size()) ? colours_[size_t(index)] : QColor();
    };
    if (const QColor c = colour(s.foreground); c.isValid()) format.setForeground(c);
    if (const QColor c = colour(s.background); c.isValid()) format.setBackground(c);
    if (const QString link = hyperlinkOf(s.field); !link.isEmpty()) {
        format.setAnchor(true);
        format.setAnchorHref(link);
    } else if (!s.field.isEmpty()) {
        format.setProperty(FieldInstructionProperty, s.field);
    }
    return format;
}

void Parser::flushRun() {
    if (run_.isEmpty()) return;
    cursor_.insertText(run_, charFormat(runState_));
    run_.clear();
}

// The field's instruction belongs to the \field group around it: its result, read next, is
// text of that field.
void Parser::endFieldInstruction() {
    stack_[stack_.size() - 2].character.field = instruction_.simplified();
}

void Parser::applyParagraphFormat() {
    ParaState p = state().paragraph;
    p.pageBreakBefore = p.pageBreakBefore || pageBreakDue_;
    pageBreakDue_ = false;
    if (p == ParaState() && cursor_.blockFormat() == QTextBlockFormat()) return;
    QTextBlockFormat format;
    if (p.pageBreakBefore) format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    static constexpr Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter,
                                                   Qt::AlignRight, Qt::AlignJustify};
    if (p.alignment != 0) format.setAlignment(alignments[p.alignment]);
    if (p.leftIndent) format.setLeftMargin(pixelsOfTwips(p.leftIndent));
    if (p.rightIndent) format.setRightMargin(pixelsOfTwips(p.rightIndent));
    if (p.firstIndent) format.setTextIndent(pixelsOfTwips(p.firstIndent));
    if (p.spaceBefore) format.setTopMargin(pixelsOfTwips(p.spaceBefore));
    if (p.spaceAfter) format.setBottomMargin(pixelsOfTwips(p.spaceAfter));
    cursor_.setBlockFormat(format);
}

void Parser::endParagraph() {
    flushRun();
    pendingTabs_ = 0;
    applyParagraphFormat();
    cursor_.insertBlock(QTextBlockFormat(), charFormat(state().character));
    paragraphEmpty_ = true;
    sawParagraph_ = true;
}

void Parser::finish() {
    flushRun();
    applyParagraphFormat();
    // The \par that ends the last paragraph opens no paragraph of its own.
    if (sawParagraph_ && paragraphEmpty_ && document_.blockCount() > 1) {
        cursor_.movePosition(QTextCursor::End);
        cursor_.deletePreviousChar();
    }
}

void Parser::bodyWord(Act act, const RtfToken& token, char16_t character) {
    RunFormat& c = state().character;
    ParaState& p = state().paragraph;
    const bool on = !token.hasParam || token.param != 0;
    const int param = token.param;
    switch (act) {
    case Act::Bold: c.bold = on; break;
    case Act::Italic: c.italic = on; break;
    case Act::Underline: c.underline = on; break;
    case Act::UnderlineNone: c.underline = false; break;
    case Act::Strike: c.strike = on; break;
    case Act::SmallCaps: c.smallCaps = on; break;
    case Act::Caps: c.caps = on; break;
    case Act::Font:
        if (token.hasParam) c.font = param;
        break;
    case Act::Size:
        c.halfPoints = token.hasParam && param > 0 ? std::min(param, 3276) : DefaultHalfPoints;
        break;
    case Act::Foreground: c.foreground = std::max(param, 0); break;
    case Act::Background: c.background = std::max(param, 0); break;
    case Act::Hidden: state().hidden = on; break;
    case Act::Plain:
        state().hidden = false;
        c = RunFormat();
        c.font = defaultFont_;
        break;
    case Act::Super: c.vertical = on ? 1 : 0; break;
    case Act::Sub: c.vertical = on ? -1 : 0; break;
    case Act::NoSuperSub: c.vertical = 0; break;
    case Act::Par: endParagraph(); break;
    case Act::Page:
        // A page break inside a paragraph ends it; the next paragraph starts the new page.
        if (!paragraphEmpty_) endParagraph();
        pageBreakDue_ = true;
        break;
    case Act::PageBreakBefore: p.pageBreakBefore = on; break;
    case Act::Pard: p = ParaState(); break;
    case Act::AlignLeft: p.alignment = 0; break;
    case Act::AlignCentre: p.alignment = 1; break;
    case Act::AlignRight: p.alignment = 2; break;
    case Act::Justify: p.alignment = 3; break;
    // Indents beyond a few metres are nonsense; they are capped so layout stays sane.
    case Act::LeftIndent: p.leftIndent = std::clamp(param, -31680, 31680); break;
    case Act::RightIndent: p.rightIndent = std::clamp(param, -31680, 31680); break;
    case Act::FirstIndent: p.firstIndent = std::clamp(param, -31680, 31680); break;
    case Act::SpaceBefore: p.spaceBefore = std::clamp(param, 0, 31680); break;
    case Act::SpaceAfter: p.spaceAfter = std::clamp(param, 0, 31680); break;
    case Act::Cell: ++pendingTabs_; break;
    case Act::Row:
        pendingTabs_ = 0;
        endParagraph();
        break;
    case Act::Line: append(QChar(QChar::LineSeparator)); break;
    case Act::Tab: append(QChar('\t')); break;
    case Act::Char: append(QChar(character)); break;
    case Act::Unicode: {
        // \uN takes a signed 16-bit N; the fallback characters after it are skipped.
        const auto unit = char16_t(static_cast<unsigned short>(param));
        if (unit != 0) append(QChar(unit));
        skipCount_ = state().unicodeSkip;
        break;
    }
    case Act::UnicodeSkip: state().unicodeSkip = std::clamp(param, 0, 16); break;
    case Act::Ansi: documentCodePage_ = WesternCodePage; break;
    case Act::Mac: documentCodePage_ = 10000; break;
    case Act::Pc: documentCodePage_ = 437; break;
    case Act::Pca: documentCodePage_ = 850; break;
    case Act::AnsiCodePage:
        if (param > 0) documentCodePage_ = param;
        break;
    case Act::DefaultFont: defaultFont_ = c.font = param; break;
    default: break;
    }
}

void Parser::fontTableWord(Act act, const RtfToken& token) {
    switch (act) {
    case Act::Font:
        if (fontPending_ && !fontNameBytes_.isEmpty()) fontTableText(";");
        pendingFont_ = FontEntry{token.param, 0, QString()};
        fontPending_ = true;
        fontNameBytes_.clear();
        break;
    case Act::Charset: pendingFont_.codePage = codePageOfCharset(token.param); break;
    case Act::FontCodePage:
        if (token.param > 0) pendingFont_.codePage = token.param;
        break;
    default: break;
    }
}

void Parser::fontTableText(std::string_view text) {
    for (const char c : text) {
        if (c != ';') {
            fontNameBytes_ += c;
            continue;
        }
        if (!fontPending_) continue;
        QString name;
        decoder_.decode(pendingFont_.codePage ? pendingFont_.codePage : documentCodePage_,
                        fontNameBytes_, name);
        pendingFont_.name = name.trimmed();
        const auto known = std::find_if(fonts_.begin(), fonts_.end(), [this](const FontEntry& f) {
            return f.number == pendingFont_.number;
        });
        if (known != fonts_.end()) *known = pendingFont_;
        else fonts_.push_back(pendingFont_);
        fontPending_ = false;
        fontNameBytes_.clear();
    }
}

void Parser::colourTableWord(Act act, const RtfToken& token) {
    const int value = std::clamp(token.param, 0, 255);
    if (act == Act::Red) red_ = value;
    else if (act == Act::Green) green_ = value;
    else if (act == Act::Blue) blue_ = value;
}

void Parser::colourTableText(std::string_view text) {
    for (const char c : text) {
        if (c != ';') continue;
        // An entry without components is the automatic colour.
        colours_.push_back(red_ < 0 && green_ < 0 && blue_ < 0
                               ? QColor()
                               : QColor(std::max(red_, 0), std::max(green_, 0), std::max(blue_, 0)));
        red_ = green_ = blue_ = -1;
    }
}
}  // namespace

bool looksLikeRtf(QByteArrayView bytes) {
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\r' || bytes[i] == '\n' ||
                                bytes[i] == '\t'))
        ++i;
    return bytes.sliced(i).startsWith("{\\rtf");
}

bool readRtf(QByteArrayView rtf, QTextDocument& into, QString* error, QStringList* unkept,
             const std::function<void(qsizetype)>& progress) {
    into.clear();
    if (unkept) unkept->clear();
    if (!looksLikeRtf(rtf)) {
        if (error) *error = QStringLiteral("it is not a rich text (RTF) file.");
        return false;
    }
    Parser parser(into, unkept);
    parser.run(rtf, progress);
    return true;
}

}  // namespace rtf
