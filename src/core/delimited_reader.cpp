#include "core/delimited_reader.h"

namespace {
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }
bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Steps over one line end, CR LF counting as one.
qsizetype skipLineEnd(const QString& text, qsizetype i) {
    if (text[i] == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
        return i + 2;
    return i + 1;
}
}  // namespace

QStringList readDelimitedItems(const QString& text) {
    QStringList items;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && isBlank(text[i])) ++i;
        if (i == n) break;
        // An empty line holds no item, so a stray blank line cannot shift the positions
        // that follow it; an intended blank position is written as "".
        if (isLineEnd(text[i])) {
            i = skipLineEnd(text, i);
            continue;
        }
        qsizetype end = i;
        QString item;
        if (text[i] == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
            end = close < 0 ? n : close + 1;
            item = text.mid(i + 1, (close < 0 ? n : close) - i - 1);
            while (end < n && text[end] != QLatin1Char(',') && !isLineEnd(text[end])) ++end;
        } else {
            while (end < n && text[end] != QLatin1Char(',') && !isLineEnd(text[end])) ++end;
            item = text.mid(i, end - i);
        }
        items << item;
        if (end < n) end = text[end] == QLatin1Char(',') ? end + 1 : skipLineEnd(text, end);
        i = end;
    }
    return items;
}
