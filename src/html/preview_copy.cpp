#include "html/preview_copy.h"

#include <QDir>

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

// Whether `page` holds `word` at `at`, letter case aside.
bool holdsAt(const QByteArray& page, qsizetype at, const char* word) {
    const qsizetype length = qsizetype(qstrlen(word));
    return at + length <= page.size() && qstrnicmp(page.constData() + at, word, length) == 0;
}

// Where the base element goes: after any blanks, comments and doctype that open the page. A
// start tag before the doctype would make the browser ignore it and render the page in quirks
// mode.
qsizetype insertionPoint(const QByteArray& page) {
    qsizetype at = 0;
    for (;;) {
        while (at < page.size() && isBlank(page[at])) ++at;
        if (holdsAt(page, at, "<!--")) {
            const qsizetype end = page.indexOf("-->", at + 4);
            if (end < 0) return 0;
            at = end + 3;
        } else if (holdsAt(page, at, "<!doctype")) {
            const qsizetype end = page.indexOf('>', at);
            return end < 0 ? 0 : end + 1;
        } else {
            return 0;  // no doctype: the page is in quirks mode whatever comes first
        }
    }
}

bool namesItsOwnBase(const QByteArray& page) {
    for (qsizetype at = page.indexOf('<'); at >= 0; at = page.indexOf('<', at + 1)) {
        if (!holdsAt(page, at, "<base") || at + 5 >= page.size()) continue;
        const char after = page[at + 5];
        if (isBlank(after) || after == '>' || after == '/') return true;
    }
    return false;
}
}  // namespace

QUrl previewBase(const QString& pagePath, const QString& saveFolder) {
    if (!pagePath.isEmpty()) return QUrl::fromLocalFile(QDir::cleanPath(pagePath));
    // A folder's address ends in a slash, or its last name would be taken for a file's.
    QString folder = QDir::cleanPath(saveFolder);
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
    return QUrl::fromLocalFile(folder);
}

QByteArray withBaseAddress(const QByteArray& page, const QUrl& base) {
    if (namesItsOwnBase(page)) return page;
    // Fully encoded, the address holds no quote or angle bracket; "&" is the one character an
    // attribute value still needs written as a reference.
    QByteArray address = base.toEncoded(QUrl::FullyEncoded);
    address.replace('&', "&amp;");
    QByteArray copy = page;
    copy.insert(insertionPoint(page), "<base href=\"" + address + "\">");
    return copy;
}
