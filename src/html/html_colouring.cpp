#include "html/html_colouring.h"

#include <QCoreApplication>
#include <QScopedValueRollback>
#include <algorithm>

#include "core/text_scan.h"
#include "html/html_typing_help.h"
#include "html/html_window.h"

namespace {
const QByteArray TagStartSet = QByteArrayLiteral("<>");
const QByteArray NameEndWithQuoteSet = QByteArrayLiteral(" ><\r\n\"");
constexpr int LongestLookedUpName = 15;
constexpr size_t RunsPerRequest = 4096;

// A tag name ends at a blank, a line break, a quote, "/" (as in <br/>) or a bracket.
bool isNameEnd(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '"' || c == '/' || c == '>' ||
           c == '<';
}

int nameEnd(const QByteArray& text, int from, int to) {
    while (from < to && !isNameEnd(text[from])) ++from;
    return from;
}

// The "<" at or before pos that starts the stretch pos lies in; 0 when there is none.
int stretchStart(const EditorPane& pane, int pos) {
    // Read backwards in growing pieces: the "<" is usually close by.
    for (int to = std::min(pos + 1, pane.TextLength()), piece = 1024; to > 0; piece *= 2) {
        const int from = std::max(0, to - piece);
        const int at = int(pane.TextRange(from, to).lastIndexOf('<'));
        if (at >= 0) return from + at;
        to = from;
    }
    return 0;
}

// Keeps the pane's selection across colouring, which selects what it colours.
class SelectionKept {
public:
    explicit SelectionKept(EditorPane& pane)
        : pane_(pane), start_(pane.SelStart()), length_(pane.SelLength()) {}
    ~SelectionKept() {
        pane_.SetSelStart(start_);
        pane_.SetSelLength(length_);
    }

private:
    EditorPane& pane_;
    int start_;
    int length_;
};
}  // namespace

HtmlColouring::HtmlColouring(HtmlWindow& window) : window_(window) {}

bool HtmlColouring::isTagName(const char* name, int length) {
    // Names looked up are shorter than 15 bytes, so a name and its length fit the key.
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

// The stretch from the "<" at p up to `next` (the next "<" or the end): a comment or known tag
// up to its ">", with the quoted values of a tag in their colour; anything else is text.
// Returns where the text after the tag starts.
int HtmlColouring::colourTag(const QByteArray& text, int p, int next, int offset, RunList& runs) {
    const AppState& app = window_.app();
    const bool comment = p + 1 < next && text[p + 1] == '!';
    if (!comment) {
        const int q = p + 1 + (p + 1 < next && text[p + 1] == '/' ? 1 : 0);
        const int r = nameEnd(text, q, next);
        if (q >= r || r - q >= LongestLookedUpName || !isTagName(text.constData() + q, r - q)) {
            runs.add(offset + p, offset + next, app.htmlTextColor);
            return next;
        }
    }
    const int close = indexOfByte(text, '>', p + 1, next);
    const int end = close < 0 ? next : close + 1;
    const Rgb colour = comment ? app.htmlCommentColor : app.htmlTagColor;
    int from = p;
    while (!comment) {
        const int a = indexOfByte(text, '"', from, end);
        const int b = a < 0 ? -1 : indexOfByte(text, '"', a + 1, end);
        if (b < 0) break;  // a quote without partner keeps the tag colour
        runs.add(offset + from, offset + a, colour);
        runs.add(offset + a, offset + b + 1, app.htmlParamColor);
        from = b + 1;
    }
    runs.add(offset + from, offset + end, colour);
    return end;
}

// Colours text, which starts at a "<" or at the start of the pane's text and ends before a
// "<" or at the end of the pane's text; offset is where it lies in the pane. The runs go to the
// pane a few thousand at a time, so that a whole page needs no copy of all its styles.
void HtmlColouring::colourText(const QByteArray& text, int offset) {
    EditorPane& pane = window_.pane();
    RunList runs;
    const int n = int(text.size());
    for (int pos = 0; pos < n;) {
        int p = indexOfByte(text, '<', pos);
        if (p < 0) p = n;
        runs.add(offset + pos, offset + p, window_.app().htmlTextColor);
        if (p == n) break;
        int next = indexOfByte(text, '<', p + 1);
        if (next < 0) next = n;
        pos = colourTag(text, p, next, offset, runs);
        if (runs.runs().size() >= RunsPerRequest) {
            pane.colourRuns(runs.runs());
            runs.clear();
        }
    }
    if (!runs.runs().empty()) pane.colourRuns(runs.runs());
}

void HtmlColouring::colourStretch(int from, int to) {
    EditorPane& pane = window_.pane();
    const int length = pane.TextLength();
    const PaneChanges edits = pane.takeEditedStretch();
    if (edits.any) {
        // The stretch just before an edit may end elsewhere now: it is coloured again too.
        from = std::min(from, std::max(0, edits.head - 1));
        to = std::max(to, length - edits.tail);
    }
    from = std::clamp(from, 0, length);
    to = std::clamp(to, 0, length);
    if (from > to) return;
    const int start = stretchStart(pane, from);
    int end = to < length ? pane.Find(QStringLiteral("<"), to, -1, FindNoHighlight) : -1;
    if (end < 0) end = length;
    if (end <= start) return;

    const QScopedValueRollback<bool> busy(window_.colouringBusy, true);  // as in tagAtCaret
    SelectionKept kept(pane);
    // The pane's own bytes rather than a copy of a large page: colouring changes attributes only.
    colourText(pane.scanText(start, end), start);
}

void HtmlColouring::colourEdits() {
    // An empty range: only the edits.
    colourStretch(window_.pane().TextLength(), 0);
}

void HtmlColouring::refreshCode(int& start, int& length) {
    EditorPane& pane = window_.pane();
    const AppState& app = window_.app();
    window_.colouringBusy = true;
    window_.rangeStart = start;
    const int end = start + length;

    pane.SetVisible(false);
    pane.SetSelStart(start);
    pane.SetSelLength(length);
    pane.SetSelFontName(app.editorFontName.trimmed());
    pane.SetSelFontSize(app.editorFontSize);
    QCoreApplication::processEvents();
    pane.SetHideSelection(true);
    colourStretch(start, end);
    start = end;

    pane.SetSelStart(end);
    pane.SetHideSelection(false);
    pane.SetVisible(true);
    pane.SetFocus();
    window_.ScrollText();
    window_.colouringBusy = false;
    window_.backup_code();
}

void HtmlColouring::recolourAll() {
    EditorPane& pane = window_.pane();
    window_.colouringBusy = true;
    pane.SetVisible(false);
    colourStretch(0, pane.TextLength());
    pane.SetVisible(true);
    window_.colouringBusy = false;
}

void HtmlColouring::tagAtCaret() {
    EditorPane& pane = window_.pane();
    AppState& app = window_.app();
    // The caret walks to the tag and back: the window is not to take that for the user's.
    const QScopedValueRollback<bool> busy(window_.colouringBusy, true);
    window_.savedCaret = pane.SelStart();
    pane.UpTo(TagStartSet, false);
    const int a = pane.SelStart();
    bool tag = false;
    if (a > 0 && pane.CharAt(a - 1) == '<' && pane.CharAt(a) != '!') {
        const bool closing = pane.CharAt(a) == '/';
        pane.UpTo(NameEndWithQuoteSet, true);
        const int nameStart = a + (closing ? 1 : 0);
        const int nameLength = pane.SelStart() - nameStart;
        const int longest = closing ? LongestLookedUpName : LongestLookedUpName - 1;
        // Asked afresh: the tooltip comes from this lookup.
        tag = nameLength >= 1 && nameLength <= longest &&
              app.tables.IsTag(QString::fromUtf8(pane.TextRange(nameStart, nameStart + nameLength)));
    }
    pane.SetSelStart(window_.savedCaret);
    if (tag) window_.typingHelp().tagRecognised(app.tables.results.foundTagTooltip.trimmed());
}
