#include "html_page.h"

#include <random>
#include <vector>

namespace {
const char* const Words[] = {"lorem", "ipsum", "page", "editor", "table", "cell",
                             "colour", "script", "window", "tag", "value", "text"};
const char* const Blocks[] = {
    "<p>%w %w <b>%w</b> %w.</p>\r\n",
    "<a href=\"%w.html\" title=\"%w\">%w %w</a><br>\r\n",
    "<table border=\"1\"><tr><td>%w</td><td>%w</td></tr></table>\r\n",
    "<!-- %w %w -->\r\n",
    "<h2 align=\"center\">%w %w %w</h2>\r\n",
    "<ul>\r\n<li>%w</li>\r\n<li><i>%w</i> %w</li>\r\n</ul>\r\n",
    "<font color=\"#ff0000\" size=\"3\">%w</font> %w %w %w %w\r\n",
};
}  // namespace

QByteArray generateHtmlPage(qsizetype megabytes, unsigned seed) {
    const qsizetype size = megabytes * 1024 * 1024;
    std::mt19937 random(seed);
    QByteArray page;
    page.reserve(size + 256);
    page += "<html>\r\n<head><title>Generated page</title></head>\r\n<body>\r\n";
    const QByteArray tail = "</body>\r\n</html>\r\n";
    while (page.size() < size - tail.size()) {
        const QByteArray block = Blocks[random() % std::size(Blocks)];
        for (qsizetype i = 0; i < block.size(); ++i) {
            if (block[i] == '%' && i + 1 < block.size() && block[i + 1] == 'w') {
                page += Words[random() % std::size(Words)];
                ++i;
            } else {
                page += block[i];
            }
        }
    }
    page += tail;
    return page;
}

std::vector<TagRange> tagRanges(const QByteArray& page) {
    std::vector<TagRange> ranges;
    int open = -1;
    for (int i = 0; i < page.size(); ++i) {
        if (page[i] == '<') open = i;
        else if (page[i] == '>' && open >= 0) {
            ranges.push_back({open, i + 1});
            open = -1;
        }
    }
    return ranges;
}
