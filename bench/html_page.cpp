#include "html_page.h"

#include <benchmark/benchmark.h>

#include <QComboBox>
#include <array>

#include "core/app_state.h"
#include "search/find_dialog.h"

namespace {
const std::array<const char*, 12> Words = {"editor", "page",  "colour", "table", "tag",
                                           "quick",  "brown", "script", "link",  "list",
                                           "window", "preview"};

// A fixed pseudo-random sequence, so every run measures the same page.
class Sequence {
public:
    unsigned next() {
        state_ = state_ * 1103515245u + 12345u;
        return (state_ >> 16) & 0x7fff;
    }

private:
    unsigned state_ = 2005;
};

void appendSentence(QByteArray& page, Sequence& random, int words) {
    for (int i = 0; i < words; ++i) {
        if (i) page += ' ';
        page += Words[random.next() % Words.size()];
    }
}

// One section of the page: each row's text, then that many words. "#" stands for the
// section's number.
struct Piece {
    const char* text;
    int words;
};
const Piece Section[] = {
    {"<!-- section # -->\r\n<div class=\"row\" id=\"r#\">\r\n<h2>", 3},
    {"</h2>\r\n<p>", 8},
    {" <b>", 2},
    {"</b> and <a href=\"page#.html\">", 2},
    {"</a> ", 6},
    {".</p>\r\n<table border=\"1\"><tr><td>", 1},
    {"</td><td>#</td></tr></table>\r\n<ul><li>", 2},
    {"</li><li>", 2},
    {"</li></ul>\r\n<custom-widget data=\"x\">", 1},
    {"</custom-widget>\r\n</div>\r\n", 0},
};
}  // namespace

QByteArray generatedHtmlPage(int megabytes) {
    const qsizetype size = qsizetype(megabytes) * 1024 * 1024;
    Sequence random;
    QByteArray page;
    page.reserve(size + 4096);
    page += "<html>\r\n<head><title>Generated page</title></head>\r\n<body>\r\n";
    for (int section = 0; page.size() < size; ++section) {
        const QByteArray number = QByteArray::number(section);
        for (const Piece& piece : Section) {
            page += QByteArray(piece.text).replace('#', number);
            appendSentence(page, random, piece.words);
        }
    }
    page += "</body>\r\n</html>\r\n";
    return page;
}

std::vector<TagRange> tagRanges(const QByteArray& page) {
    std::vector<TagRange> ranges;
    int open = -1;
    for (int i = 0; i < page.size(); ++i) {
        if (page[i] == '<') {
            open = i;
        } else if (page[i] == '>' && open >= 0) {
            ranges.push_back({open, i + 1});
            open = -1;
        }
    }
    return ranges;
}

void useInstalledSettings(AppState& app) {
    app.htmlTextColor = makeRgb(0, 0, 0);
    app.htmlTagColor = makeRgb(0, 0, 200);
    app.htmlParamColor = makeRgb(200, 0, 0);
    app.htmlCommentColor = makeRgb(0, 128, 0);
    app.htmlBackColor = makeRgb(255, 255, 255);
    app.scriptTextColor = makeRgb(0, 0, 0);
    app.scriptKeywordColor = makeRgb(0, 0, 200);
    app.scriptObjectColor = makeRgb(0, 150, 150);
    app.scriptParamColor = makeRgb(200, 0, 0);
    app.scriptCommentColor = makeRgb(0, 128, 0);
    app.scriptBackColor = makeRgb(255, 255, 255);
    app.editorFontName = QStringLiteral("DejaVu Sans Mono");
    app.editorFontSize = 10;
    app.programFolder = TESSAVEL_PROGRAM_DIR;
    app.tables.loadAll(app.programFolder);
}

void replaceAllInTurns(benchmark::State& state, FindDialog& find, const char* one, const char* other) {
    const char* const swapped[2] = {one, other};
    int round = 0;
    for (auto _ : state) {
        find.tfind->setEditText(QLatin1String(swapped[round % 2]));
        find.treplace->setEditText(QLatin1String(swapped[(round + 1) % 2]));
        ++round;
        find.Option1_Click();
        find.replaceAll_Click();
    }
}
