#pragma once
// A generated HTML page for benchmarks: paragraphs, tables, links with quoted attributes and
// comments, CR LF line breaks, the same bytes for the same size and seed.
#include <QByteArray>
#include <vector>

QByteArray generateHtmlPage(qsizetype megabytes, unsigned seed = 1);

// The [start, end) byte ranges of every tag ("<" through ">") of a page.
struct TagRange {
    int start;
    int end;
};
std::vector<TagRange> tagRanges(const QByteArray& page);
