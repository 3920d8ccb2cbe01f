#include "script/jscript_scan.h"

#include <QStringList>
#include <utility>

namespace {
bool isWordChar(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('$'); }

// Whether a "/" after this much of the code starts a regular expression rather than a
// division: it does after an operator, an opening bracket, the start, or a keyword that takes
// an expression.
bool regexMayStart(const QString& code, int at) {
    int i = at - 1;
    while (i >= 0 && code[i].isSpace()) --i;
    if (i < 0) return true;
    const QChar c = code[i];
    if (c == QLatin1Char(')') || c == QLatin1Char(']') || c == QLatin1Char('}')) return false;
    if (!isWordChar(c)) return true;
    int start = i;
    while (start > 0 && isWordChar(code[start - 1])) --start;
    static const QStringList keywords = {
        QStringLiteral("return"), QStringLiteral("typeof"), QStringLiteral("case"),
        QStringLiteral("do"),     QStringLiteral("else"),   QStringLiteral("in"),
        QStringLiteral("new"),    QStringLiteral("delete"), QStringLiteral("void"),
        QStringLiteral("throw"),  QStringLiteral("instanceof")};
    return keywords.contains(code.mid(start, i - start + 1));
}

class Scanner {
public:
    explicit Scanner(const QString& text) : out_(text) {}

    JscriptScan run() {
        while (i_ < out_.size()) step();
        QString unclosed;
        for (auto open = open_.crbegin(); open != open_.crend(); ++open) unclosed += closerOf(*open);
        return {out_, unclosed};
    }

private:
    static QChar closerOf(QChar open) {
        return open == QLatin1Char('(') ? QLatin1Char(')') : open == QLatin1Char('[') ? QLatin1Char(']') : QLatin1Char('}');
    }
    QChar at(int i) const { return i < out_.size() ? out_[i] : QChar(); }
    bool startsWith(const char* marker) const { return out_.mid(i_).startsWith(QLatin1String(marker)); }
    void overwrite(const char* replacement) {
        const QString with = QLatin1String(replacement);
        out_.replace(i_, with.size(), with);
    }
    void skipLine() {
        while (i_ < out_.size() && out_[i_] != QLatin1Char('\n')) ++i_;
    }

    void step() {
        const QChar c = out_[i_];
        if (c == QLatin1Char('\n')) {
            lineStart_ = true;
            ++i_;
            return;
        }
        if (c.isSpace()) {
            ++i_;
            return;
        }
        const bool wasLineStart = std::exchange(lineStart_, false);
        if (startsWith("//")) return skipLine();
        if (startsWith("/*")) {
            const int end = out_.indexOf(QLatin1String("*/"), i_ + 2);
            i_ = end < 0 ? int(out_.size()) : end + 2;
            return;
        }
        if (startsWith("<!--")) {
            overwrite("////");
            return skipLine();
        }
        if (wasLineStart && startsWith("-->")) {
            overwrite("//>");
            return skipLine();
        }
        if (c == QLatin1Char('"') || c == QLatin1Char('\'') || c == QLatin1Char('`')) return quoted(c);
        if (c == QLatin1Char('/') && regexMayStart(out_, i_)) return regex();
        if (c.isDigit() && (i_ == 0 || (!isWordChar(out_[i_ - 1]) && out_[i_ - 1] != QLatin1Char('.'))))
            return number();
        if (c == QLatin1Char('(') || c == QLatin1Char('[') || c == QLatin1Char('{')) open_ += c;
        else if (!open_.isEmpty() && c == closerOf(open_.back())) open_.chop(1);
        ++i_;
    }

    // 010 and 08 read as the decimal number of the same length: the check needs a number there,
    // not its value.
    void number() {
        if (out_[i_] == QLatin1Char('0') && at(i_ + 1).isDigit()) out_[i_] = QLatin1Char('1');
        while (i_ < out_.size() && (isWordChar(out_[i_]) || out_[i_] == QLatin1Char('.'))) ++i_;
    }

    // A string or template; in strings an octal escape ("\012", "\8") becomes "\n12", "\n".
    void quoted(QChar quote) {
        ++i_;
        while (i_ < out_.size() && out_[i_] != quote) {
            if (quote != QLatin1Char('`') && out_[i_] == QLatin1Char('\n')) return;  // unterminated
            if (out_[i_] == QLatin1Char('\\')) {
                const QChar next = at(i_ + 1);
                if (quote != QLatin1Char('`') && next.isDigit() &&
                    (next != QLatin1Char('0') || at(i_ + 2).isDigit()))
                    out_[i_ + 1] = QLatin1Char('n');
                i_ += 2;
                continue;
            }
            ++i_;
        }
        ++i_;
    }

    void regex() {
        bool inClass = false;
        for (++i_; i_ < out_.size() && out_[i_] != QLatin1Char('\n'); ++i_) {
            const QChar c = out_[i_];
            if (c == QLatin1Char('\\')) ++i_;
            else if (c == QLatin1Char('[')) inClass = true;
            else if (c == QLatin1Char(']')) inClass = false;
            else if (c == QLatin1Char('/') && !inClass) break;
        }
        ++i_;
        while (i_ < out_.size() && isWordChar(out_[i_])) ++i_;  // flags
    }

    QString out_;
    int i_ = 0;
    bool lineStart_ = true;
    QString open_;
};
}  // namespace

JscriptScan scanJscript(const QString& text) { return Scanner(text).run(); }
