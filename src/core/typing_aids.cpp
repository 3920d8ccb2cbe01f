#include "core/typing_aids.h"

#include <cctype>
#include <cstring>

#include "core/editor_pane.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

QByteArray bytesOf(const EditorPane& pane, int from, int to) {
    QByteArray bytes;
    for (int i = from; i < to; ++i) bytes += pane.CharAt(i);
    return bytes;
}
}  // namespace

void TypingPairs::written(const EditorPane& pane, int open, int inner, int closer) {
    pairs_.push_back(
        {open, inner, pane.TextLength() - closer, pane.CharAt(open), pane.CharAt(closer),
         bytesOf(pane, inner, closer)});
}

void TypingPairs::noteEmptyQuotes(const EditorPane& pane) {
    const int caret = pane.SelStart();
    if (pane.SelLength() == 0 && pane.CharAt(caret - 1) == '"' && pane.CharAt(caret) == '"')
        written(pane, caret - 1, caret, caret);
}

int TypingPairs::closerOf(const EditorPane& pane, const Pair& pair) {
    return pane.TextLength() - pair.tail;
}

bool TypingPairs::holds(const EditorPane& pane, const Pair& pair, int caret) {
    const int closer = closerOf(pane, pair);
    return pair.inner <= caret && caret <= closer && pane.CharAt(closer) == pair.closer &&
           pane.CharAt(pair.open) == pair.opener;
}

void TypingPairs::caretMoved(const EditorPane& pane) {
    const int caret = pane.SelStart();
    std::erase_if(pairs_, [&](const Pair& pair) { return !holds(pane, pair, caret); });
}

bool TypingPairs::keyPress(EditorPane& pane, int keyAscii) {
    if (pairs_.empty() || pane.SelLength() != 0) return false;
    caretMoved(pane);
    if (pairs_.empty()) return false;
    const Pair pair = pairs_.back();
    const int caret = pane.SelStart();
    const int closer = closerOf(pane, pair);
    if (keyAscii == '\b') {
        if (caret != pair.inner || closer - caret != pair.filler.size() ||
            bytesOf(pane, caret, closer) != pair.filler)
            return false;
        pairs_.pop_back();
        pane.SetSelStart(pair.open);
        pane.SetSelLength(closer + 1 - pair.open);
        pane.SetSelText(QString());
        return true;
    }
    if (keyAscii != pair.closer) return false;
    for (int i = caret; i < closer; ++i)
        if (!isBlank(pane.CharAt(i))) return false;
    pairs_.pop_back();
    pane.SetSelStart(closer + 1);
    return true;
}

bool pairMayOpenBefore(char next) {
    // Bytes from 0x80 on belong to letters of other scripts.
    const auto byte = static_cast<unsigned char>(next);
    return !(std::isalnum(byte) || next == '_' || byte >= 0x80);
}

bool insideStringOrComment(const QByteArray& line, const char* commentMarker) {
    const bool cFamily = std::strcmp(commentMarker, "//") == 0;
    char quote = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        const QByteArrayView rest = QByteArrayView(line).sliced(i);
        if (quote) {
            if (cFamily && c == '\\') ++i;
            else if (c == quote) quote = 0;
        } else if (c == '"' || (cFamily && c == '\'')) {
            quote = c;
        } else if (rest.startsWith(commentMarker)) {
            return true;
        } else if (cFamily && rest.startsWith("/*")) {
            const qsizetype end = line.indexOf("*/", i + 2);
            if (end < 0) return true;
            i = end + 1;
        }
    }
    return quote != 0;
}

QByteArray lineBeforeCaret(const EditorPane& pane) {
    const int caret = pane.SelStart();
    // One read: the line may be a whole minified script.
    return pane.SnapshotRange(pane.lineIndex(pane.GetLineFromChar(caret)), caret).text;
}

QString lineBreakFor(const EditorPane& pane, bool keepIndent) {
    QString text = QStringLiteral("\r\n");
    if (!keepIndent) return text;
    const int caret = pane.SelStart();
    for (int i = pane.lineIndex(pane.GetLineFromChar(caret));
         i < caret && (pane.CharAt(i) == ' ' || pane.CharAt(i) == '\t'); ++i)
        text += QLatin1Char(pane.CharAt(i));
    return text;
}
