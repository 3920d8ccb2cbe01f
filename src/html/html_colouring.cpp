#include "html/html_colouring.h"

#include <QCoreApplication>
#include <vector>

#include "core/coloured_insertion.h"
#include "core/text_scan.h"
#include "html/html_typing_help.h"
#include "html/html_window.h"

namespace {
const QByteArray TagStartSet = QByteArrayLiteral("<>");
const QByteArray TagEndSet = QByteArrayLiteral("><");
const QByteArray NameEndWithQuoteSet = QByteArrayLiteral(" ><\r\n\"");
const QByteArray TextEndSet = QByteArrayLiteral("<");
constexpr int LongestLookedUpName = 15;
constexpr int LongestStretch = 1 << 20;

bool isNameEnd(char c) { return c == ' ' || c == '>' || c == '<' || c == '\r' || c == '\n'; }

// Where a forward UpTo to the name-end set stops.
int nameEnd(const QByteArray& text, int from) {
    const char* bytes = text.constData();
    int i = from;
    while (i < text.size() && !isNameEnd(bytes[i])) ++i;
    return i;
}

// Where a forward UpTo to the tag-end set stops: the next ">" or "<", or the end of the text.
int tagEnd(const QByteArray& text, int from) {
    const int close = indexOfByte(text, '>', from);
    const int open = indexOfByte(text, '<', from);
    if (close < 0 && open < 0) return text.size();
    if (close < 0) return open;
    if (open < 0) return close;
    return std::min(open, close);
}
}  // namespace

// The colour changes of one pass. A stretch that ends up text and tags without a gap is
// coloured as text in one go and its tags painted over it, touching tags of one colour as one,
// all in one request to the pane: it then reads and writes the stretch's attributes once.
class HtmlColouring::ColourStretch {
public:
    ColourStretch(HtmlColouring& colouring, Rgb textColour)
        : colouring_(colouring), text_(textColour) {}
    ~ColourStretch() { flush(); }

    void text(int from, int to) {
        extend(from, to);
        flushIfLong();
    }
    void tag(int from, int to, Rgb colour) {
        extend(from, to);
        if (!tags_.empty() && tags_.back().to == from && tags_.back().colour == colour)
            tags_.back().to = to;
        else
            tags_.push_back({from, to, colour});
        flushIfLong();
    }
    // What follows is not joined to what came before.
    void flush() {
        if (to_ > from_) {
            // The text colour goes first so that the tags end up painted over it.
            tags_.insert(tags_.begin(), {from_, to_, text_});
            colouring_.window_.pane().colourRuns(tags_);
        }
        tags_.clear();
        from_ = to_ = 0;
    }

private:
    // A large page goes to the pane a stretch of about a megabyte at a time: the pane copies a
    // stretch's attributes while it colours it, and the list of runs grows with it.
    void flushIfLong() {
        if (to_ - from_ >= LongestStretch) flush();
    }
    void extend(int from, int to) {
        if (to <= from) return;
        if (to_ > from_ && from != to_) flush();
        if (to_ == from_) from_ = from;
        to_ = std::max(to_, to);
    }

    HtmlColouring& colouring_;
    Rgb text_;
    int from_ = 0;
    int to_ = 0;
    std::vector<ColourRun> tags_;
};

HtmlColouring::HtmlColouring(HtmlWindow& window) : window_(window) {}

bool HtmlColouring::isTagName(const char* name, int length) {
    // Names of the range pass are shorter than 15 bytes, so a name and its length fit the key.
    char packed[16] = {};
    std::memcpy(packed, name, size_t(std::min(length, 15)));
    packed[15] = char(length);
    std::pair<quint64, quint64> key;
    std::memcpy(&key.first, packed, 8);
    std::memcpy(&key.second, packed + 8, 8);
    const auto known = knownNames_.constFind(key);
    if (known != knownNames_.constEnd()) return *known;
    const bool tag = window_.app().tables.IsTag(QString::fromUtf8(name, length));
    knownNames_.insert(key, tag);
    return tag;
}

void HtmlColouring::colour(int from, int length, int rgb) {
    window_.pane().colourRuns({{from, from + length, Rgb(rgb)}});
}

void HtmlColouring::refreshCode(int& start, int& length) {
    EditorPane& pane = window_.pane();
    const AppState& app = window_.app();
    window_.colouringBusy = true;
    window_.rangeStart = start;
    int end = start + length;

    pane.SetVisible(false);
    pane.SetSelStart(start);
    pane.SetSelLength(length);
    pane.SetSelFontName(app.editorFontName.trimmed());
    pane.SetSelFontSize(app.editorFontSize);
    QCoreApplication::processEvents();
    pane.SetHideSelection(true);

    // The scan works on one copy of the bytes; only the colouring goes through the pane.
    const QByteArray text = pane.scanText();
    ColourStretch runs(*this, app.htmlTextColor);
    for (;;) {
        const int p = indexOfByte(text, '<', start);
        if (p < start || p > end) break;

        Rgb tagColour = app.htmlCommentColor;
        if (p + 1 >= text.size() || text[p + 1] != '!') {
            const int q = p + 1 + (p + 1 < text.size() && text[p + 1] == '/' ? 1 : 0);
            const int r = nameEnd(text, p + 1);
            const bool tag = q < r && r - q < LongestLookedUpName &&
                             isTagName(text.constData() + q, r - q);
            if (!tag) {
                // The characters up to the end of this word's tag keep the colour they had.
                runs.text(start, p + 1);
                runs.flush();
                start = tagEnd(text, r) + 1;
                continue;
            }
            tagColour = app.htmlTagColor;
        }
        const int t = indexOfByte(text, '>', p + 1);
        if (t < start) {
            runs.text(start, p + 1);
            break;
        }
        runs.text(start, p);
        length = t - p;
        runs.tag(p, t + 1, tagColour);
        start = t + 1;
    }
    runs.flush();
    ColourQuotedValues(window_.rangeStart, window_, end);

    pane.SetSelStart(end);
    pane.SetHideSelection(false);
    pane.SetVisible(true);
    pane.SetFocus();
    window_.ScrollText();
    window_.colouringBusy = false;
    window_.backup_code();
}

int HtmlColouring::colourToTagEnd(int from, int e, int rgb) {
    EditorPane& pane = window_.pane();
    const int last = pane.CharAt(e) == '<' ? e - 1 : std::min(e, pane.TextLength() - 1);
    if (last >= from) colour(from, last - from + 1, rgb);
    return last;
}

void HtmlColouring::colourLocalText(int a) {
    EditorPane& pane = window_.pane();
    pane.SetSelStart(a);
    pane.UpTo(TextEndSet, true);
    const int b = pane.SelStart();
    if (b > a) colour(a, b - a, window_.app().htmlTextColor);
}

void HtmlColouring::colourLocalTag(int p, int a) {
    EditorPane& pane = window_.pane();
    AppState& app = window_.app();
    if (pane.CharAt(p + 1) == '!') {
        pane.SetSelStart(p + 1);
        pane.UpTo(TagEndSet, true);
        colourToTagEnd(p, pane.SelStart(), app.htmlCommentColor);
        return;
    }
    const bool closing = pane.CharAt(p + 1) == '/';
    pane.SetSelStart(p + 1);
    pane.UpTo(NameEndWithQuoteSet, true);
    const int e = pane.SelStart();
    const int nameStart = p + (closing ? 2 : 1);
    const int nameLength = e - nameStart;
    const int longest = closing ? LongestLookedUpName : LongestLookedUpName - 1;
    bool tag = false;
    if (nameLength >= 1 && nameLength <= longest) {
        // Asked afresh: the tooltip comes from this lookup.
        QByteArray name;
        for (int i = nameStart; i < e; ++i) name += pane.CharAt(i);
        tag = app.tables.IsTag(QString::fromUtf8(name));
    }
    if (!tag) {
        colourLocalText(a);
        return;
    }
    pane.SetSelStart(p + 1);
    pane.UpTo(TagEndSet, true);
    int from = p;
    int last = colourToTagEnd(p, pane.SelStart(), app.htmlTagColor);
    ColourQuotedValues(from, window_, last);
    pane.SetVisible(true);
    pane.SetFocus();
    pane.SetSelStart(window_.savedCaret);
    window_.typingHelp().tagRecognised(app.tables.results.foundTagTooltip.trimmed());
}

void HtmlColouring::recolourAroundCaret() {
    EditorPane& pane = window_.pane();
    if (pane.TextLength() == 0) return;
    window_.colouringBusy = true;
    pane.SetHideSelection(true);
    pane.SetVisible(false);
    window_.savedCaret = pane.SelStart();

    pane.UpTo(TagStartSet, false);
    const int a = pane.SelStart();
    if (a > 0) {
        if (pane.CharAt(a - 1) == '<')
            colourLocalTag(a - 1, a);
        else
            colourLocalText(a);
    }

    window_.app().colourOnChange = true;
    pane.SetSelStart(window_.savedCaret);
    pane.SetVisible(true);
    pane.SetHideSelection(false);
    if (pane.widget()->isVisible()) pane.SetFocus();
    window_.colouringBusy = false;
}

void HtmlColouring::recolourWithoutLookup() {
    EditorPane& pane = window_.pane();
    const AppState& app = window_.app();
    window_.colouringBusy = true;
    const int caret = pane.SelStart();
    pane.SetVisible(false);
    pane.SetHideSelection(true);

    const QByteArray text = pane.scanText();
    ColourStretch runs(*this, app.htmlTextColor);
    int pos = 0;
    while (pos < text.size()) {
        int p = indexOfByte(text, '<', pos);
        if (p < 0) p = text.size();
        runs.text(pos, p);
        if (p == text.size()) break;
        int t = indexOfByte(text, '>', p + 1);
        if (t < 0) t = text.size() - 1;
        const bool comment = p + 1 < text.size() && text[p + 1] == '!';
        runs.tag(p, t + 1, comment ? app.htmlCommentColor : app.htmlTagColor);
        pos = t + 1;
    }
    runs.flush();
    int start = 0;
    int end = text.size();
    ColourQuotedValues(start, window_, end);

    pane.SetSelStart(caret);
    pane.SetHideSelection(false);
    pane.SetVisible(true);
    window_.colouringBusy = false;
}
