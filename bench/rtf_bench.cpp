// Our RTF reader and writer on a large formatted document, each against Qt's own HTML import
// and export of the same document in the same run.
#include <benchmark/benchmark.h>

#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <random>

#include "document/rtf/rtf_reader.h"
#include "document/rtf/rtf_writer.h"

namespace {
// About `megabytes` MB of text in paragraphs of a dozen runs, each run in one of a handful of
// formats, with the paragraph alignments mixed; the same for every run of the program.
std::unique_ptr<QTextDocument> generatedDocument(int megabytes) {
    static const char* const words[] = {"lorem", "ipsum", "caf\u00e9", "dolor", "sit", "amet",
                                        "na\u00efve", "consectetur", "adipiscing", "elit",
                                        "\u20ac", "tempor"};
    std::vector<QTextCharFormat> formats(8);
    formats[1].setFontWeight(QFont::Bold);
    formats[2].setFontItalic(true);
    formats[3].setFontUnderline(true);
    formats[4].setForeground(QColor(200, 0, 0));
    formats[5].setFontFamilies({"Courier New"});
    formats[5].setFontPointSize(10);
    formats[6].setBackground(QColor(255, 255, 0));
    formats[7].setFontWeight(QFont::Bold);
    formats[7].setFontItalic(true);
    formats[7].setForeground(QColor(0, 0, 160));
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight,
                                        Qt::AlignJustify};

    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(QFont("DejaVu Serif", 12));
    QTextCursor cursor(document.get());
    std::mt19937 random(1);
    const qsizetype target = qsizetype(megabytes) * 1000 * 1000;
    qsizetype written = 0;
    while (written < target) {
        QTextBlockFormat paragraph;
        paragraph.setAlignment(alignments[random() % 4]);
        if (written > 0) cursor.insertBlock(paragraph);
        else cursor.setBlockFormat(paragraph);
        for (int run = 0; run < 12; ++run) {
            QString text;
            for (int w = 3 + int(random() % 8); w > 0; --w)
                text += QString::fromUtf8(words[random() % 12]) + ' ';
            cursor.insertText(text, formats[random() % formats.size()]);
            written += text.size();
        }
    }
    return document;
}

const QTextDocument& sourceDocument(int megabytes) {
    static std::map<int, std::unique_ptr<QTextDocument>> made;
    auto& document = made[megabytes];
    if (!document) document = generatedDocument(megabytes);
    return *document;
}

void BM_RtfRead(benchmark::State& state) {
    const QByteArray rtf = rtf::writeRtf(sourceDocument(int(state.range(0))));
    for (auto _ : state) {
        QTextDocument document;
        rtf::readRtf(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}
BENCHMARK(BM_RtfRead)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RtfRead)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_HtmlRead(benchmark::State& state) {
    const QString html = sourceDocument(int(state.range(0))).toHtml();
    for (auto _ : state) {
        QTextDocument document;
        document.setHtml(html);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * html.size());
}
BENCHMARK(BM_HtmlRead)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HtmlRead)->Arg(20)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_RtfWrite(benchmark::State& state) {
    const QTextDocument& document = sourceDocument(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(rtf::writeRtf(document).size());
}
BENCHMARK(BM_RtfWrite)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_HtmlWrite(benchmark::State& state) {
    const QTextDocument& document = sourceDocument(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(document.toHtml().size());
}
BENCHMARK(BM_HtmlWrite)->Arg(1)->Unit(benchmark::kMillisecond);
}  // namespace
