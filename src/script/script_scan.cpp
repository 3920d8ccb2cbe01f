#include "script/script_scan.h"

#include "core/keyword_tables.h"
#include "core/text_scan.h"
#include "script/script_kind.h"

namespace {
const ByteSet& delimiters() {
    static const ByteSet set(QByteArrayLiteral(",(){}[]-+*%/='~!&|\\<>?:;. \r\n\"\t"));
    return set;
}

// U+FEFF, written in UTF-8.
bool isByteOrderMark(const char* data, int at, int size) {
    return at + 2 < size && data[at] == '\xEF' && data[at + 1] == '\xBB' && data[at + 2] == '\xBF';
}

// No table entry is longer than this: longer words need no lookup.
constexpr int LongestTableWord = 40;

int lineEnd(const QByteArray& text, int from) {
    static const ByteSet lineBreaks(QByteArrayLiteral("\r\n"));
    return from + firstIn(text.constData() + from, int(text.size()) - from, lineBreaks, false);
}
}  // namespace

WordClassifier::WordClassifier(KeywordTables& tables, const ScriptKindRow& row)
    : tables_(tables), row_(row) {
    for (KeywordTableId id : {row.keywordTable, row.objectTable})
        for (const QString& entry : tables.table(id)) addToFilter(entry.trimmed());
}

quint64 WordClassifier::foldedHash(const char* word, int length) {
    quint64 hash = 14695981039346656037ull;  // FNV-1a
    for (int i = 0; i < length; ++i) {
        char c = word[i];
        if (c >= 'A' && c <= 'Z') c = char(c + 32);
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    return hash;
}

bool WordClassifier::mayBeInTables(quint64 hash) const {
    const unsigned a = unsigned(hash) & 0xFFFF;
    const unsigned b = unsigned(hash >> 32) & 0xFFFF;
    return (filter_[a >> 6] >> (a & 63) & 1) && (filter_[b >> 6] >> (b & 63) & 1);
}

void WordClassifier::addToFilter(const QString& word) {
    if (word.isEmpty()) return;
    const QByteArray bytes = word.toUtf8();
    const quint64 hash = foldedHash(bytes.constData(), int(bytes.size()));
    for (const unsigned bit : {unsigned(hash) & 0xFFFF, unsigned(hash >> 32) & 0xFFFF})
        filter_[bit >> 6] |= quint64(1) << (bit & 63);
}

const WordClassifier::Answer& WordClassifier::classify(const char* word, int length) {
    static const Answer plain;
    if (length > LongestTableWord || !mayBeInTables(foldedHash(word, length))) return plain;
    const QByteArray key = QByteArray::fromRawData(word, length);
    const auto known = known_.constFind(key);
    if (known != known_.constEnd()) return *known;

    Answer answer;
    const QString asText = QString::fromUtf8(word, length);
    if ((tables_.*row_.isKeyword)(asText)) {
        answer.type = Keyword;
        if (row_.correctsCase) answer.spelling = tables_.results.foundVbKeyword.trimmed().toUtf8();
    } else if ((tables_.*row_.isObject)(asText)) {
        answer.type = Object;
        if (row_.correctsCase) answer.spelling = tables_.results.foundVbObject.trimmed().toUtf8();
    }
    return *known_.insert(QByteArray(word, length), answer);
}

namespace {
bool isRem(const char* word, int length) {
    return length == 3 && (word[0] | 0x20) == 'r' && (word[1] | 0x20) == 'e' && (word[2] | 0x20) == 'm';
}
}  // namespace

int scanWords(const ScanRequest& r, int from, int to) {
    const QByteArray& text = r.text;
    const char* data = text.constData();
    const int n = int(text.size());
    const ByteSet& delimiter = delimiters();
    const bool slashes = r.commentMarker[0] == '/';
    const char marker = r.commentMarker[0];
    to = std::min(to, n);
    // Letter case is corrected in code only: never in a string nor in a Rem comment. The
    // colouring does not depend on the latter.
    bool remark = false;
    int p = from;
    while (p < to) {
        int q = p;
        while (q < n && !delimiter.contains(data[q]) && !isByteOrderMark(data, q, n)) ++q;
        if (q > p) {
            const WordClassifier::Answer& word = r.words.classify(data + p, q - p);
            const Rgb colour = word.type == WordClassifier::Keyword ? r.colours.keyword
                             : word.type == WordClassifier::Object  ? r.colours.object
                                                                    : r.colours.text;
            r.runs.add(p, q, colour);
            if (r.fixes && !remark && !word.spelling.isEmpty() &&
                std::memcmp(word.spelling.constData(), data + p, size_t(q - p)) != 0) {
                const bool typing = r.keepWordAt >= p && r.keepWordAt <= q;
                if (!typing) r.fixes->push_back({p, word.spelling});
                else if (r.keptFix) *r.keptFix = {p, word.spelling};
            }
            if (r.fixes && isRem(data + p, q - p)) remark = true;
            p = q;
            continue;
        }
        const bool comment = data[p] == marker && (!slashes || (p + 1 < n && data[p + 1] == '/'));
        if (comment) {
            const int end = lineEnd(text, p);
            r.runs.add(p, end, r.colours.comment);
            p = end;
        } else if (data[p] == '"') {
            const int end = lineEnd(text, p);
            int close = p + 1;
            while (close < end && data[close] != '"') close += slashes && data[close] == '\\' ? 2 : 1;
            const int stop = std::min(end, close + 1);
            r.runs.add(p, stop, r.colours.param);
            p = stop;
        } else {
            if (data[p] == '\r' || data[p] == '\n') remark = false;
            // A byte order mark inside the text separates words like a blank.
            const int width = isByteOrderMark(data, p, n) ? 3 : 1;
            r.runs.add(p, p + width, r.colours.text);
            p += width;
        }
    }
    return p;
}

bool isWholeWord(const QByteArray& text, int from, int to) {
    const ByteSet& delimiter = delimiters();
    if (from < 0 || to > text.size() || from >= to) return false;
    for (int i = from; i < to; ++i)
        if (delimiter.contains(text[i])) return false;
    return (from == 0 || delimiter.contains(text[from - 1])) &&
           (to == text.size() || delimiter.contains(text[to]));
}
