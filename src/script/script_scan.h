#pragma once
// The token scan of the script colouring, on bytes: words looked up in the kind's keyword and
// object tables, comments to the end of their line, double-quoted strings that end with their
// line (in JScript and Java a backslash escapes the next character). Nothing carries from one
// line to the next, so a line is coloured the same by itself as within the whole text. It only works out
// which stretch takes which colour; the passes of ScriptColouring hand the runs to a pane.
#include <QByteArray>
#include <QHash>
#include <array>
#include <vector>

#include "platform/colour.h"
#include "core/editor_pane.h"

class KeywordTables;
struct ScriptKindRow;

struct ScriptColours {
    Rgb text = 0;
    Rgb keyword = 0;
    Rgb object = 0;
    Rgb param = 0;
    Rgb comment = 0;
};

// Answers whether a word is a keyword or an object of one kind's tables, remembering every
// answer: the tables never change while the program runs.
class WordClassifier {
public:
    enum Class : quint8 { Plain, Keyword, Object };
    struct Answer {
        Class type = Plain;
        QByteArray spelling;  // the table's own spelling, for kinds that correct the case
    };
    WordClassifier(KeywordTables& tables, const ScriptKindRow& row);
    const Answer& classify(const char* word, int length);

private:
    // A filter over the tables' words, letter case folded: a word it does not hold is in
    // neither table, and most words of a script are answered by it alone.
    static quint64 foldedHash(const char* word, int length);
    bool mayBeInTables(quint64 hash) const;
    void addToFilter(const QString& word);

    KeywordTables& tables_;
    const ScriptKindRow& row_;
    QHash<QByteArray, Answer> known_;
    std::array<quint64, 1024> filter_{};
};

// A typed word whose letter case differs from the table's spelling.
struct SpellingFix {
    int pos;
    QByteArray spelling;
};

struct ScanRequest {
    const QByteArray& text;
    const ScriptColours& colours;
    const char* commentMarker;
    WordClassifier& words;
    RunList& runs;
    // When set, words of the code (not of strings or comments) spelt otherwise than the table
    // are listed here, except the word that touches position `keepWordAt`: it is still being
    // typed, and its fix goes to `keptFix` when that is set.
    std::vector<SpellingFix>* fixes = nullptr;
    int keepWordAt = -1;
    SpellingFix* keptFix = nullptr;
};

// Colours the words, delimiters and comments from `from` on until `to` is reached; returns where
// the scan stopped (at or after `to`, a comment may carry it to the end of its line).
int scanWords(const ScanRequest& request, int from, int to);

// Whether text[from, to) is one whole word: no delimiter inside, one or the text's end on
// either side.
bool isWholeWord(const QByteArray& text, int from, int to);
