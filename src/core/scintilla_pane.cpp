#include "core/scintilla_pane.h"

#include <Qsci/qscicommandset.h>
#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>

#include <QFile>
#include <climits>
#include <cstring>

#include "core/pane_input.h"
#include "core/plain_text_file.h"
#include "core/scintilla_accessibility.h"
#include "core/scintilla_styles.h"
#include "core/style_stripes.h"
#include "core/text_scan.h"

namespace {
using Sci = QsciScintillaBase;

constexpr int StrikeIndicator = 8;     // the first indicator Scintilla leaves to applications
constexpr int IndicatorValueFore = 1;  // the indicator takes its colour from its value
constexpr int StyleChunk = 1 << 16;
const char* const DefaultFont = "Monospace";
constexpr int DefaultSize = 10;

class BusyScope {
public:
    explicit BusyScope(int& depth) : depth_(depth) { ++depth_; }
    ~BusyScope() { --depth_; }

private:
    int& depth_;
};

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

Rgb shade(Rgb colour, int amount) {
    const bool light = RedOf(colour) + GreenOf(colour) + BlueOf(colour) > 384;
    const int step = light ? -amount : amount;
    return makeRgb(std::clamp(RedOf(colour) + step, 0, 255),
                   std::clamp(GreenOf(colour) + step, 0, 255),
                   std::clamp(BlueOf(colour) + step, 0, 255));
}
}  // namespace

ScintillaPane::ScintillaPane(QWidget* parent) : sci_(new QsciScintilla(parent)) {
    sci_->setUtf8(true);
    send(Sci::SCI_SETLEXER, Sci::SCLEX_CONTAINER);
    send(Sci::SCI_SETUNDOCOLLECTION, 0);
    send(Sci::SCI_EMPTYUNDOBUFFER);
    send(Sci::SCI_SETEOLMODE, Sci::SC_EOL_CRLF);
    send(Sci::SCI_SETPASTECONVERTENDINGS, 1);  // a paste takes the text's own line breaks
    // The pane counts edits from the notices sent before them; the ones after an edit, and
    // QScintilla's accessible text, cost work proportional to the whole text (see there).
    ScintillaAccessibility::attach(sci_, Sci::SC_MOD_BEFOREINSERT | Sci::SC_MOD_BEFOREDELETE);
    // Scintilla lays out the whole of a line whose text changed, measuring it in pieces of a
    // few dozen characters; measured pieces are kept in this cache. Its default size (1024)
    // holds a few screens: on a minified page of one 2 MB line every keystroke measured the
    // line anew (about 2 s), with room for the line's pieces it costs about 0.1 s. Entries
    // are small and made only for text that was laid out.
    send(Sci::SCI_SETPOSITIONCACHE, 1 << 17);
    send(Sci::SCI_SETSCROLLWIDTH, 1);  // grows with the longest line shown
    send(Sci::SCI_SETSCROLLWIDTHTRACKING, 1);
    send(Sci::SCI_SETMARGINTYPEN, 0, Sci::SC_MARGIN_NUMBER);
    for (int margin = 0; margin < 3; ++margin) send(Sci::SCI_SETMARGINWIDTHN, margin, 0);
    send(Sci::SCI_INDICSETSTYLE, StrikeIndicator, Sci::INDIC_STRIKE);
    send(Sci::SCI_INDICSETFLAGS, StrikeIndicator, IndicatorValueFore);
    // Undo belongs to the window's undo ring: leave its keys to the frame's menu.
    for (auto command : {QsciCommand::Undo, QsciCommand::Redo}) {
        if (QsciCommand* bound = sci_->standardCommands()->find(command)) {
            bound->setKey(0);
            bound->setAlternateKey(0);
        }
    }
    styles_ = std::make_unique<ScintillaStyles>(*sci_, QString::fromLatin1(DefaultFont), DefaultSize);
    styles_->setBaseFont(QString::fromLatin1(DefaultFont), DefaultSize);
    SetBackColor(makeRgb(255, 255, 255));

    connect(sci_, &QsciScintillaBase::SCN_MODIFIED, this,
            [this](int position, int type, const char* text, int length, int, int, int, int, int,
                   int) { onModified(position, type, text, length); });
    input_ = new PaneInput(*this, sci_, sci_->viewport());
}

ScintillaPane::~ScintillaPane() {
    handler_ = nullptr;
    if (!sci_) return;
    delete input_.data();
    disconnect(sci_, nullptr, this, nullptr);
    delete sci_.data();
}

QWidget* ScintillaPane::widget() { return sci_; }
QsciScintilla* ScintillaPane::scintilla() const { return sci_; }

int ScintillaPane::SelStart() const { return std::min(anchor_, caret_); }
int ScintillaPane::SelLength() const { return std::abs(caret_ - anchor_); }
int ScintillaPane::SelAlignment() const { return alignment_; }
void ScintillaPane::SetSelAlignment(int alignment) { alignment_ = alignment; }
int ScintillaPane::attributeBytes() const { return 1; }  // the style byte
PaneChanges ScintillaPane::changesSinceMark() const { return tracker_.changes(); }
PaneSnapshot ScintillaPane::markedStretch() const { return tracker_.marked(); }
void ScintillaPane::markUnchanged() { tracker_.mark(); }

long ScintillaPane::send(unsigned int message, unsigned long wParam, long lParam) const {
    return sci_->SendScintilla(message, wParam, lParam);
}

const char* ScintillaPane::bytesAt(int pos, int length) const {
    return reinterpret_cast<const char*>(send(Sci::SCI_GETRANGEPOINTER, pos, length));
}

int ScintillaPane::styleAt(int pos) const { return int(send(Sci::SCI_GETSTYLEAT, pos) & 0xFF); }

// What text inserted now would look like, as a rich-edit control decides it: the attributes
// set on the empty selection, else those of the first selected character, else those of the
// character before the caret.
int ScintillaPane::insertionStyle() const {
    if (insertionOverride_) return *insertionOverride_;
    const int start = SelStart();
    if (SelLength() > 0) return styleAt(start);
    if (start > 0) return styleAt(start - 1);
    return TextLength() > 0 ? styleAt(0) : 0;
}

const StyleKey& ScintillaPane::selectionKey() const { return styles_->key(insertionStyle()); }

// Hands the styles of [from, to) to `use` a chunk at a time, as (first position, styles,
// count), without copying them anywhere else.
template <typename Use>
void ScintillaPane::forEachStyleChunk(int from, int to, Use&& use) const {
    // Taken out of the pane while in use: a restyle inside `use` reads the old styles for the
    // undo ring, and that nested read gets a buffer of its own.
    std::vector<char> buffer;
    buffer.swap(scratch_);
    const size_t needed = 2 * size_t(std::min(to - from, StyleChunk)) + 2;
    if (buffer.size() < needed) buffer.resize(needed);
    for (int chunk = from; chunk < to; chunk += StyleChunk) {
        const int end = std::min(to, chunk + StyleChunk);
        sci_->SendScintilla(Sci::SCI_GETSTYLEDTEXT, long(chunk), long(end), buffer.data());
        for (int i = 0; i < end - chunk; ++i) buffer[i] = buffer[2 * i + 1];
        use(chunk, buffer.data(), end - chunk);
    }
    scratch_.swap(buffer);
}

QByteArray ScintillaPane::readStyles(int from, int to) const {
    QByteArray styles(to - from, Qt::Uninitialized);
    forEachStyleChunk(from, to, [&](int chunk, const char* chunkStyles, int count) {
        std::memcpy(styles.data() + (chunk - from), chunkStyles, size_t(count));
    });
    return styles;
}

void ScintillaPane::restyle(int from, int to, int style) {
    tracker_.restyled(from, to, TextLength());
    send(Sci::SCI_STARTSTYLING, from, 0);
    send(Sci::SCI_SETSTYLING, to - from, style);
}

// Writes the styles of a stretch that starts at `from`, which held `before`, as `after`:
// only the bytes that differ.
void ScintillaPane::writeStyles(int from, const QByteArray& before, const QByteArray& after) {
    const auto first = std::mismatch(before.begin(), before.end(), after.begin()).first;
    if (first == before.end()) return;
    const int changedFrom = from + int(first - before.begin());
    const auto last = std::mismatch(before.rbegin(), before.rend(), after.rbegin()).first;
    const int changedTo = from + int(before.size()) - int(last - before.rbegin());
    tracker_.restyled(changedFrom, changedTo, TextLength());
    send(Sci::SCI_STARTSTYLING, changedFrom, 0);
    sci_->SendScintilla(Sci::SCI_SETSTYLINGEX, uintptr_t(changedTo - changedFrom),
                        after.constData() + (changedFrom - from));
}

// After the text or the styles of [from, to) changed: a long line there has its pieces cut
// again (see style_stripes.h), as far as they come out different from the ones there. A long
// stretch goes a piece of 64 KB at a time, so that a page of megabytes is never held twice.
void ScintillaPane::stripeLongLines(int from, int to) {
    if (!widenToNewLongLines(from, to)) return;
    constexpr int Stretch = 1 << 16;
    const int length = TextLength();
    int reach = 64;  // the pieces after the stretch are found again within a piece or two
    for (;;) {
        const bool last = to - from <= Stretch;
        const int windowFrom = std::max(0, from - StyleStripes::Lookback);
        const int windowTo =
            last ? int(std::min<qint64>(length, qint64(to) + reach)) : from + Stretch;
        const QByteArray before = readStyles(windowFrom, windowTo);
        QByteArray after = before;
        auto* styles = reinterpret_cast<unsigned char*>(after.data());
        const int count = windowTo - windowFrom;
        const StyleStripes::Variants variants = styles_->variantsFor(styles, count);
        const bool done = StyleStripes::restripe(
            bytesAt(windowFrom, count), styles, count, from - windowFrom,
            (last ? to : windowTo) - windowFrom, !last || windowTo == length, variants);
        writeStyles(windowFrom, before, after);
        if (last && done) return;
        // On from the window's end: the rest of the stretch, or pieces that went on past it.
        from = windowTo;
        if (last) {
            to = windowTo;
            reach = std::min(4 * reach, Stretch);
        }
    }
}

// Whether [from, to) touches a line long enough to be striped. A line that became long since
// it was striped (Scintilla keeps a state for each line, and an edit keeps it with its line)
// is striped whole, so the stretch widens to it. Short lines are passed by with one question
// each: a recolouring of a whole page asks about every line.
bool ScintillaPane::widenToNewLongLines(int& from, int& to) {
    constexpr int Striped = 1;
    bool any = false;
    const int last = int(send(Sci::SCI_LINEFROMPOSITION, to));
    for (int line = int(send(Sci::SCI_LINEFROMPOSITION, from)); line <= last; ++line) {
        if (send(Sci::SCI_LINELENGTH, line) <= StyleStripes::LongLine) continue;
        any = true;
        if (send(Sci::SCI_GETLINESTATE, line) == Striped) continue;
        send(Sci::SCI_SETLINESTATE, line, Striped);
        from = std::min(from, int(send(Sci::SCI_POSITIONFROMLINE, line)));
        to = std::max(to, int(send(Sci::SCI_GETLINEENDPOSITION, line)));
    }
    return any;
}

void ScintillaPane::markStrike(int from, int to, bool on) {
    if (!on && !strikeUsed_) return;
    strikeUsed_ = true;
    send(Sci::SCI_SETINDICATORCURRENT, StrikeIndicator);
    if (on) {
        send(Sci::SCI_SETINDICATORVALUE, styles_->key(styleAt(from)).colour | Sci::SC_INDICVALUEBIT);
        send(Sci::SCI_INDICATORFILLRANGE, from, to - from);
    } else {
        send(Sci::SCI_INDICATORCLEARRANGE, from, to - from);
    }
}

void ScintillaPane::changeSelectionStyle(const StyleChange& change) {
    if (SelLength() == 0) {
        insertionOverride_ = styles_->derive(insertionStyle(), change);
        return;
    }
    // A long stretch is worth a look at the few styles in use before reading all its bytes:
    // setting the font the whole text already has is then free.
    if (SelLength() > StyleChunk && styles_->leavesAllAsTheyAre(change)) return;
    const int from = SelStart();
    // A run is one style with its twins: the pieces of a long line are striped again after.
    const unsigned char* primaryOf = styles_->primaries();
    int changedFrom = INT_MAX;
    int changedTo = 0;
    forEachStyleChunk(from, from + SelLength(), [&](int chunk, const char* styles, int count) {
        for (int runStart = 0; runStart < count;) {
            const int old = primaryOf[static_cast<unsigned char>(styles[runStart])];
            int runEnd = runStart + 1;
            while (runEnd < count && primaryOf[static_cast<unsigned char>(styles[runEnd])] == old)
                ++runEnd;
            const int style = styles_->derive(old, change);
            if (style != old) {
                restyle(chunk + runStart, chunk + runEnd, style);
                if (styles_->strikes(old) || styles_->strikes(style))
                    markStrike(chunk + runStart, chunk + runEnd, styles_->strikes(style));
                changedFrom = std::min(changedFrom, chunk + runStart);
                changedTo = chunk + runEnd;
            }
            runStart = runEnd;
        }
    });
    if (changedFrom < changedTo) stripeLongLines(changedFrom, changedTo);
}

void ScintillaPane::placeSelection(int anchor, int caret) {
    const int length = TextLength();
    anchor_ = std::clamp(anchor, 0, length);
    caret_ = std::clamp(caret, 0, length);
    if (!selectionPending_) {
        selectionPending_ = true;
        if (visible_) sci_->viewport()->update();
    }
    if (visible_ && !hideSelection_) scrollPending_ = true;
}

void ScintillaPane::setSelection(int anchor, int caret) {
    placeSelection(anchor, caret);
    reportSelection();
}

void ScintillaPane::reportSelection() {
    if (anchor_ == reportedAnchor_ && caret_ == reportedCaret_) return;
    reportedAnchor_ = anchor_;
    reportedCaret_ = caret_;
    insertionOverride_.reset();
    if (handler_) handler_->SelChange();
}

void ScintillaPane::pushSelection() const {
    if (!selectionPending_ || !sci_) return;
    selectionPending_ = false;
    const long length = send(Sci::SCI_GETLENGTH);
    send(Sci::SCI_SETSELECTION, std::min<long>(caret_, length), std::min<long>(anchor_, length));
    if (scrollPending_) send(Sci::SCI_SCROLLCARET);
    scrollPending_ = false;
}

void ScintillaPane::pullSelection() {
    selectionPending_ = false;
    anchor_ = int(send(Sci::SCI_GETANCHOR));
    caret_ = int(send(Sci::SCI_GETCURRENTPOS));
}

void ScintillaPane::SetSelStart(int pos) { setSelection(pos, pos); }

void ScintillaPane::SetSelLength(int length) {
    const int start = SelStart();
    setSelection(start, start + std::max(length, 0));
}

QString ScintillaPane::SelText() const {
    return QString::fromUtf8(bytesAt(SelStart(), SelLength()), SelLength());
}

void ScintillaPane::replaceRange(int from, int to, const QByteArray& bytes, int style) {
    applyPendingStyles();
    BusyScope busy(busy_);
    forcedStyle_ = style;
    send(Sci::SCI_SETTARGETRANGE, from, to);
    sci_->SendScintilla(Sci::SCI_REPLACETARGET, uintptr_t(bytes.size()), bytes.constData());
    forcedStyle_ = -1;
}

// The program writes its line breaks as CR LF; a text whose lines end in LF alone gets LF, so
// that an edited Unix file does not become mixed. Nothing else is converted: text taken from
// the pane and written back stays as it was (the bytes of a CR-only file are kept as read).
void ScintillaPane::SetSelText(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (lineBreak_ == LineBreak::Lf) bytes.replace("\r\n", "\n");
    const int from = SelStart();
    replaceRange(from, from + SelLength(), bytes, insertionStyle());
    placeSelection(from + bytes.size(), from + bytes.size());
    finishEdit();
}

Rgb ScintillaPane::SelColor() const { return selectionKey().colour; }
bool ScintillaPane::SelBold() const { return selectionKey().bold; }
bool ScintillaPane::SelItalic() const { return selectionKey().italic; }
bool ScintillaPane::SelUnderline() const { return selectionKey().underline; }
bool ScintillaPane::SelStrikeThru() const { return selectionKey().strike; }
QString ScintillaPane::SelFontName() const { return selectionKey().font; }
int ScintillaPane::SelFontSize() const { return selectionKey().size; }

StyleChange colourChange(Rgb colour) { return {StyleAttribute::Colour, colour & 0xFFFFFF, {}}; }

void ScintillaPane::SetSelColor(Rgb colour) { changeSelectionStyle(colourChange(colour)); }

// The styles of the whole stretch are read once and worked out run after run in the order the
// selection operations would, so the same styles are made in the same order; only the bytes
// that end up different are written, in one go.
void ScintillaPane::colourRuns(const std::vector<ColourRun>& runs) {
    const auto empty = [](const ColourRun& run) { return run.to <= run.from; };
    if (runs.empty() || std::any_of(runs.begin(), runs.end(), empty)) {
        EditorPane::colourRuns(runs);
        return;
    }
    const auto byFrom = [](const ColourRun& a, const ColourRun& b) { return a.from < b.from; };
    const auto byTo = [](const ColourRun& a, const ColourRun& b) { return a.to < b.to; };
    const int from = std::min_element(runs.begin(), runs.end(), byFrom)->from;
    const int to = std::max_element(runs.begin(), runs.end(), byTo)->to;
    const QByteArray before = readStyles(from, to);
    QByteArray after = before;
    bool strikes = false;
    for (const ColourRun& run : runs) {
        const StyleChange change = colourChange(run.colour);
        for (int runStart = run.from - from; runStart < run.to - from;) {
            const int old = static_cast<unsigned char>(after[runStart]);
            int runEnd = runStart + 1;
            while (runEnd < run.to - from && static_cast<unsigned char>(after[runEnd]) == old)
                ++runEnd;
            const int style = styles_->derive(old, change);
            strikes = strikes || styles_->strikes(old) || styles_->strikes(style);
            std::memset(after.data() + runStart, style, size_t(runEnd - runStart));
            runStart = runEnd;
        }
    }
    // The strike-through line takes the colour each run has when it is drawn: run by run it
    // is. The styles are all made by now, so this makes none of its own.
    if (strikes) {
        EditorPane::colourRuns(runs);
        return;
    }
    writeStyles(from, before, after);
    stripeLongLines(from, to);
    SetSelStart(runs.back().from);
    SetSelLength(runs.back().to - runs.back().from);
}
void ScintillaPane::SetSelBold(bool on) { changeSelectionStyle({StyleAttribute::Bold, on, {}}); }
void ScintillaPane::SetSelItalic(bool on) { changeSelectionStyle({StyleAttribute::Italic, on, {}}); }
void ScintillaPane::SetSelUnderline(bool on) {
    changeSelectionStyle({StyleAttribute::Underline, on, {}});
}
void ScintillaPane::SetSelStrikeThru(bool on) {
    changeSelectionStyle({StyleAttribute::Strike, on, {}});
}
void ScintillaPane::SetSelFontName(const QString& name) {
    changeSelectionStyle({StyleAttribute::FontName, 0, name.trimmed()});
}
void ScintillaPane::SetSelFontSize(int points) {
    changeSelectionStyle({StyleAttribute::FontSize, points, {}});
}

QByteArray ScintillaPane::Text() const {
    const int length = TextLength();
    return QByteArray(scanText(0, length).constData(), length);
}

// Asks for the stretch alone: Scintilla moves its gap out of the way only when the gap lies
// inside it, where asking for the whole text would move the gap to the end on every keystroke.
QByteArray ScintillaPane::scanText(int from, int to) const {
    const char* data =
        reinterpret_cast<const char*>(send(Sci::SCI_GETRANGEPOINTER, from, to - from));
    return QByteArray::fromRawData(data, to - from);
}

void ScintillaPane::SetText(const QByteArray& text) {
    replaceRange(0, TextLength(), text, newTextStyle());
    textReplaced();
}

// A new text takes the style of the old one's start.
int ScintillaPane::newTextStyle() const {
    return TextLength() > 0 ? styleAt(0) : insertionStyle();
}

// A new text brings its own line breaks (for Enter, pastes and what SetSelText writes).
void ScintillaPane::textReplaced() {
    lineBreak_ = lineBreakOf(scanText(0, TextLength()));
    send(Sci::SCI_SETEOLMODE, lineBreak_ == LineBreak::Lf ? Sci::SC_EOL_LF : Sci::SC_EOL_CRLF);
    placeSelection(0, 0);
    finishEdit();
}

QString ScintillaPane::TextString() const { return QString::fromUtf8(Text()); }

int ScintillaPane::TextLength() const { return length_; }

QByteArray ScintillaPane::TextRange(int from, int to) const {
    from = std::clamp(from, 0, TextLength());
    to = std::clamp(to, from, TextLength());
    return QByteArray(bytesAt(from, to - from), to - from);
}

PaneChanges ScintillaPane::takeEditedStretch() {
    const PaneChanges changes = edits_.changes();
    edits_.mark();
    return changes;
}

char ScintillaPane::CharAt(int pos) const {
    if (pos < 0 || pos >= TextLength()) return 0;
    return char(send(Sci::SCI_GETCHARAT, pos));
}

void ScintillaPane::SetBackColor(Rgb colour) {
    backColor_ = colour & 0xFFFFFF;
    styles_->setBackColor(backColor_);
    const bool light = RedOf(backColor_) + GreenOf(backColor_) + BlueOf(backColor_) > 384;
    send(Sci::SCI_SETCARETFORE, light ? makeRgb(0, 0, 0) : makeRgb(255, 255, 255));
    send(Sci::SCI_SETCARETLINEBACK, shade(backColor_, 20));
}

void ScintillaPane::SetBaseFont(const QString& name, int points) {
    styles_->setBaseFont(name.trimmed(), points);
    updateMarginWidth();
}

void ScintillaPane::SetVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    sci_->setUpdatesEnabled(visible);
    // The selection reaches Scintilla at the next paint, so that a run of edits each hiding
    // and showing the pane (Replace All) scrolls once, not once per edit.
    if (visible && selectionPending_) sci_->viewport()->update();
}

void ScintillaPane::SetFocus() { sci_->setFocus(); }

void ScintillaPane::SetLineNumbersVisible(bool visible) {
    lineNumbers_ = visible;
    updateMarginWidth();
}

// Room for five digits at least, and for every digit of the last line's number.
int ScintillaPane::lineNumberDigits() const {
    return std::max(5, int(QByteArray::number(lineCount()).size()));
}

void ScintillaPane::updateMarginWidth() {
    marginDigits_ = lineNumbers_ ? lineNumberDigits() : 0;
    const QByteArray widest = "_" + QByteArray(marginDigits_, '9');
    const long width =
        lineNumbers_ ? sci_->SendScintilla(Sci::SCI_TEXTWIDTH, uintptr_t(Sci::STYLE_LINENUMBER),
                                           widest.constData())
                     : 0;
    send(Sci::SCI_SETMARGINWIDTHN, 0, width);
}

void ScintillaPane::SetCurrentLineMarker(bool on) { send(Sci::SCI_SETCARETLINEVISIBLE, on); }

int ScintillaPane::Find(const QString& text, int start, int end, int options) {
    const int length = TextLength();
    start = std::max(start, 0);
    const int limit = (end < 0 || end > length) ? length : end;
    // One ASCII character, the common delimiter search, needs no conversion.
    const bool ascii = text.size() == 1 && text.at(0).unicode() < 128;
    const QByteArray needle = ascii ? QByteArray() : text.toUtf8();
    const char first = ascii ? char(text.at(0).unicode()) : (needle.isEmpty() ? '\0' : needle[0]);
    const int needleSize = ascii ? 1 : int(needle.size());
    if (needleSize == 0 || limit - start < needleSize) return -1;

    int found = -1;
    int foundEnd = -1;
    const bool oneByte = needleSize == 1 && !(options & FindWholeWord) &&
                         ((options & FindMatchCase) || !isAsciiLetter(first));
    if (oneByte) {
        const char* data = bytesAt(start, limit - start);
        const void* hit = std::memchr(data, first, size_t(limit - start));
        if (!hit) return -1;
        found = start + int(static_cast<const char*>(hit) - data);
        foundEnd = found + 1;
    } else {
        int flags = 0;
        if (options & FindWholeWord) flags |= Sci::SCFIND_WHOLEWORD;
        if (options & FindMatchCase) flags |= Sci::SCFIND_MATCHCASE;
        send(Sci::SCI_SETTARGETRANGE, start, limit);
        send(Sci::SCI_SETSEARCHFLAGS, flags);
        const QByteArray bytes = ascii ? QByteArray(1, first) : needle;
        found = int(sci_->SendScintilla(Sci::SCI_SEARCHINTARGET, uintptr_t(bytes.size()),
                                        bytes.constData()));
        if (found < 0) return -1;
        foundEnd = int(send(Sci::SCI_GETTARGETEND));
    }
    if (!(options & FindNoHighlight)) setSelection(found, foundEnd);
    return found;
}

// A forward move starts at the end of the selection, a backward one at its start. The text is
// looked at a block at a time from there: asking Scintilla for all of it at once would close
// its gap, a copy of the text between the gap and the caret on every call (and Replace All
// makes one per replacement).
void ScintillaPane::UpTo(const QByteArray& characterSet, bool forward, bool negate) {
    constexpr int Block = 4096;
    const ByteSet set(characterSet);
    int target = forward ? TextLength() : 0;
    if (forward) {
        for (int from = SelStart() + SelLength(); from < TextLength(); from += Block) {
            const int size = std::min(Block, TextLength() - from);
            const int found = firstIn(bytesAt(from, size), size, set, negate);
            if (found < size) {
                target = from + found;
                break;
            }
        }
    } else {
        for (int to = SelStart(); to > 0; to -= Block) {
            const int size = std::min(Block, to);
            const int found = afterLastIn(bytesAt(to - size, size), size, set, negate);
            if (found > 0) {
                target = to - size + found;
                break;
            }
        }
    }
    setSelection(target, target);
}

int ScintillaPane::GetLineFromChar(int pos) const {
    return int(send(Sci::SCI_LINEFROMPOSITION, std::clamp(pos, 0, TextLength())));
}

void ScintillaPane::lineScroll(int lines) {
    pushSelection();
    send(Sci::SCI_LINESCROLL, 0, lines);
}

int ScintillaPane::lineCount() const { return int(send(Sci::SCI_GETLINECOUNT)); }

int ScintillaPane::lineIndex(int line) const {
    if (line < 0 || line >= lineCount()) return -1;
    return int(send(Sci::SCI_POSITIONFROMLINE, line));
}

// Positions are bytes of UTF-8; the user counts characters, that is every byte but the
// continuation bytes (10xxxxxx). One plain pass over the line's bytes up to pos: the status bar
// asks after every key, and a single line may be megabytes long.
int ScintillaPane::columnOf(int pos) const {
    const int start = lineIndex(GetLineFromChar(pos));
    return utf8CharacterCount(bytesAt(start, pos - start), pos - start) + 1;
}

int ScintillaPane::firstVisibleLine() const {
    pushSelection();
    return int(send(Sci::SCI_GETFIRSTVISIBLELINE));
}

QRect ScintillaPane::caretRect() const {
    pushSelection();
    const int x = int(send(Sci::SCI_POINTXFROMPOSITION, 0, caret_));
    const int y = int(send(Sci::SCI_POINTYFROMPOSITION, 0, caret_));
    const int height = int(send(Sci::SCI_TEXTHEIGHT, GetLineFromChar(caret_)));
    return QRect(sci_->viewport()->mapTo(sci_, QPoint(x, y)), QSize(1, height));
}

// Code panes hold plain text only, so both kinds read and write the text.
bool ScintillaPane::LoadFile(const QString& path, FileKind, QString* error) {
    if (!loadUtf8(path)) {
        const auto file = readPlainText(path, error);
        if (!file) return false;
        encoding_ = file->encoding;
        SetText(file->utf8);
    }
    send(Sci::SCI_SETFIRSTVISIBLELINE, 0);
    return true;
}

// A UTF-8 file goes into Scintilla a piece at a time, its room made beforehand: a large page is
// never held twice. False, with the pane as it was, for any other file.
bool ScintillaPane::loadUtf8(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const int style = newTextStyle();
    bool emptied = false;
    const auto empty = [&] {
        if (emptied) return;
        replaceRange(0, TextLength(), {}, style);
        // Room for one byte more than the file: Scintilla grows its buffers by a sixth when an
        // insertion would fill them, and for a while holds the old ones beside the new ones.
        send(Sci::SCI_ALLOCATE, long(std::min<qint64>(file.size() + 1, INT_MAX)));
        emptied = true;
    };
    const auto encoding = streamUtf8(file, [&](QByteArrayView piece) {
        empty();
        replaceRange(TextLength(), TextLength(), QByteArray::fromRawData(piece.data(), piece.size()),
                     style);
    });
    if (!encoding) {
        if (emptied) SetText({});  // a read error part way: nothing half read stays
        return false;
    }
    empty();
    encoding_ = *encoding;
    textReplaced();
    return true;
}

bool ScintillaPane::SaveFile(const QString& path, FileKind, QString* error) {
    return writePlainText(path, Text(), encoding_, error);
}

QString ScintillaPane::firstUnencodable() const {
    return ::firstUnencodable(QByteArrayView(bytesAt(0, TextLength()), TextLength()), encoding_);
}

void ScintillaPane::SelPrint(QPrinter& printer) {
    QsciPrinter output(QPrinter::HighResolution);
    output.setOutputFormat(printer.outputFormat());
    output.setPrinterName(printer.printerName());
    output.setOutputFileName(printer.outputFileName());
    output.setPageLayout(printer.pageLayout());
    output.setCopyCount(printer.copyCount());
    output.setColorMode(printer.colorMode());
    output.setDocName(printer.docName());
    int from = -1;
    int to = -1;
    if (SelLength() > 0) {
        from = GetLineFromChar(SelStart());
        to = GetLineFromChar(SelStart() + SelLength());
    }
    output.printRange(sci_, from, to);
}

PaneSnapshot ScintillaPane::SnapshotRange(int from, int to) const {
    const int length = TextLength();
    from = std::clamp(from, 0, length);
    to = std::clamp(to, from, length);
    PaneSnapshot piece;
    piece.text = TextRange(from, to);
    piece.attributes = readStyles(from, to);
    piece.selStart = SelStart();
    piece.selLength = SelLength();
    return piece;
}

void ScintillaPane::RestoreRange(int from, int to, const PaneSnapshot& piece) {
    const int length = TextLength();
    from = std::clamp(from, 0, length);
    to = std::clamp(to, from, length);
    replaceRange(from, to, piece.text, 0);
    pendingStyles_.clear();  // the piece brings its own attributes
    const int size = int(piece.text.size());
    if (piece.attributes.size() == size && size > 0) {
        tracker_.restyled(from, from + size, TextLength());
        send(Sci::SCI_STARTSTYLING, from, 0);
        sci_->SendScintilla(Sci::SCI_SETSTYLINGEX, uintptr_t(size), piece.attributes.constData());
        markStrike(from, from + size, false);
        for (int i = 0; i < size; ++i) {
            const int style = static_cast<unsigned char>(piece.attributes[i]);
            if (styles_->strikes(style)) markStrike(from + i, from + i + 1, true);
        }
    }
    placeSelection(piece.selStart, piece.selStart + piece.selLength);
    finishEdit();
}

void ScintillaPane::runScintillaEdit(void (QsciScintilla::*edit)()) {
    pushSelection();
    {
        BusyScope busy(busy_);
        forcedStyle_ = insertionStyle();
        (sci_->*edit)();
        forcedStyle_ = -1;
    }
    pullSelection();
    finishEdit();
}

void ScintillaPane::Copy() {
    pushSelection();
    sci_->copy();
}
void ScintillaPane::Cut() { runScintillaEdit(&QsciScintilla::cut); }
void ScintillaPane::Paste() { runScintillaEdit(&QsciScintilla::paste); }
void ScintillaPane::SelectAll() { setSelection(0, TextLength()); }

// Told before each insertion and deletion, so the bookkeeping counts the edit as done.
void ScintillaPane::onModified(int position, int type, const char*, int length) {
    if (type & Sci::SC_MOD_BEFOREINSERT) {
        int style = forcedStyle_;
        if (style < 0) {
            if (position > 0) style = styleAt(position - 1);
            else style = position < length_ ? styleAt(position) : 0;
        }
        tracker_.editing(position, 0, length_);
        edits_.editing(position, 0, length_);
        unstriped_.editing(position, 0, length_);
        length_ += length;
        for (PendingStyle& pending : pendingStyles_)
            if (pending.pos >= position) pending.pos += length;
        pendingStyles_.push_back({position, length, style});
    } else if (type & Sci::SC_MOD_BEFOREDELETE) {
        tracker_.editing(position, length, length_);
        edits_.editing(position, length, length_);
        unstriped_.editing(position, length, length_);
        length_ -= length;
        const int removedEnd = position + length;
        std::vector<PendingStyle> kept;
        for (const PendingStyle& pending : pendingStyles_) {
            const int end = pending.pos + pending.length;
            const int before = std::max(0, std::min(end, position) - pending.pos);
            const int after = std::max(0, end - std::max(pending.pos, removedEnd));
            const int pos = pending.pos < position ? pending.pos
                            : pending.pos >= removedEnd ? pending.pos - length
                                                        : position;
            if (before + after > 0) kept.push_back({pos, before + after, pending.style});
        }
        pendingStyles_.swap(kept);
    } else {
        return;
    }
    textChanged_ = true;
    // An edit that came neither from this pane nor from an event it passed on (a caller
    // driving Scintilla directly) is finished once control returns to the event loop.
    if (busy_ == 0 && !flushQueued_) {
        flushQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                flushQueued_ = false;
                if (selectionPending_) placeSelection(anchor_, caret_);
                else pullSelection();
                finishEdit();
            },
            Qt::QueuedConnection);
    }
}

void ScintillaPane::applyPendingStyles() {
    std::vector<PendingStyle> pending;
    pending.swap(pendingStyles_);
    for (const PendingStyle& insert : pending) {
        if (insert.style != 0) restyle(insert.pos, insert.pos + insert.length, insert.style);
        markStrike(insert.pos, insert.pos + insert.length, styles_->strikes(insert.style));
    }
}

void ScintillaPane::finishEdit() {
    applyPendingStyles();
    if (const PaneChanges edits = unstriped_.changes(); edits.any) {
        unstriped_.mark();
        stripeLongLines(edits.head, TextLength() - edits.tail);
    }
    if (textChanged_) {
        textChanged_ = false;
        insertionOverride_.reset();
        reportedAnchor_ = -1;  // the text moved under the caret: always a selection change
        if (lineNumbers_ && lineNumberDigits() != marginDigits_) updateMarginWidth();
        if (handler_) handler_->Change();
    }
    reportSelection();
}

PaneEvents* ScintillaPane::inputHandler() const { return handler_; }
bool ScintillaPane::acceptsInput() const { return visible_; }
void ScintillaPane::beforePaint() { pushSelection(); }

void ScintillaPane::beforeInput(bool typing) {
    pushSelection();
    ++busy_;
    if (typing) forcedStyle_ = insertionStyle();
}

void ScintillaPane::afterInput() {
    forcedStyle_ = -1;
    --busy_;
    pullSelection();
    finishEdit();
}
