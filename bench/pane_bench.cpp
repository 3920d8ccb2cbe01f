// The code pane and the undo ring on a large page, each against the cheapest way to do the
// same work directly: raw Scintilla styling, memchr, one plain copy.
#include <benchmark/benchmark.h>

#include <Qsci/qsciscintilla.h>

#include <cstring>
#include <random>

#include "core/scintilla_pane.h"
#include "core/undo_ring.h"
#include "html_page.h"

namespace {
using Sci = QsciScintillaBase;
constexpr Rgb Colours[] = {makeRgb(0, 0, 255), makeRgb(128, 0, 0)};

// A hidden pane holding the generated page, as a colouring pass leaves it.
struct LoadedPane {
    explicit LoadedPane(qsizetype megabytes) : page(generatedHtmlPage(int(megabytes))) {
        pane.SetText(page);
        pane.SetVisible(false);
        pane.SetHideSelection(true);
    }
    QByteArray page;
    ScintillaPane pane;
};

void BM_PaneColourTags(benchmark::State& state) {
    LoadedPane loaded(state.range(0));
    const auto ranges = tagRanges(loaded.page);
    int round = 0;
    for (auto _ : state) {
        const Rgb colour = Colours[round++ % 2];
        for (const TagRange& tag : ranges) {
            loaded.pane.SetSelStart(tag.start);
            loaded.pane.SetSelLength(tag.end - tag.start);
            loaded.pane.SetSelColor(colour);
        }
    }
    state.SetItemsProcessed(state.iterations() * qint64(ranges.size()));
}
BENCHMARK(BM_PaneColourTags)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_ScintillaStyleTags(benchmark::State& state) {
    LoadedPane loaded(state.range(0));
    const auto ranges = tagRanges(loaded.page);
    QsciScintilla* sci = loaded.pane.scintilla();
    for (int style = 1; style <= 2; ++style)
        sci->SendScintilla(Sci::SCI_STYLESETFORE, style, long(Colours[style - 1]));
    int round = 0;
    for (auto _ : state) {
        const int style = 1 + round++ % 2;
        for (const TagRange& tag : ranges) {
            sci->SendScintilla(Sci::SCI_STARTSTYLING, tag.start, 0L);
            sci->SendScintilla(Sci::SCI_SETSTYLING, tag.end - tag.start, long(style));
        }
    }
    state.SetItemsProcessed(state.iterations() * qint64(ranges.size()));
}
BENCHMARK(BM_ScintillaStyleTags)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_PaneFindAll(benchmark::State& state) {
    LoadedPane loaded(state.range(0));
    const QString open = QStringLiteral("<");
    qint64 found = 0;
    for (auto _ : state) {
        for (int pos = loaded.pane.Find(open, 0); pos >= 0; pos = loaded.pane.Find(open, pos + 1))
            ++found;
    }
    state.SetItemsProcessed(found);
}
BENCHMARK(BM_PaneFindAll)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_MemchrAll(benchmark::State& state) {
    const QByteArray page = generatedHtmlPage(int(state.range(0)));
    qint64 found = 0;
    for (auto _ : state) {
        const char* data = page.constData();
        const char* end = data + page.size();
        for (const char* hit = static_cast<const char*>(std::memchr(data, '<', page.size())); hit;
             hit = static_cast<const char*>(std::memchr(hit + 1, '<', size_t(end - hit - 1))))
            ++found;
        benchmark::DoNotOptimize(found);
    }
    state.SetItemsProcessed(found);
}
BENCHMARK(BM_MemchrAll)->Arg(10)->Unit(benchmark::kMillisecond);

// One character typed somewhere in the page, outside the timing.
void typeOneCharacter(EditorPane& pane, std::mt19937& random, benchmark::State* state) {
    if (state) state->PauseTiming();
    pane.SetSelStart(int(random() % unsigned(pane.TextLength())));
    pane.SetSelText(QStringLiteral("x"));
    if (state) state->ResumeTiming();
}

void BM_SnapshotTake(benchmark::State& state) {
    LoadedPane loaded(state.range(0));
    UndoRing ring(loaded.pane, {}, {});
    ring.take();
    std::mt19937 random(7);
    for (auto _ : state) {
        typeOneCharacter(loaded.pane, random, &state);
        ring.take();
    }
}
BENCHMARK(BM_SnapshotTake)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_CopyText(benchmark::State& state) {
    LoadedPane loaded(state.range(0));
    QsciScintilla* sci = loaded.pane.scintilla();
    const long length = sci->SendScintilla(Sci::SCI_GETLENGTH);
    std::vector<char> styled(2 * size_t(length) + 2);
    for (auto _ : state) {
        const auto* data =
            reinterpret_cast<const char*>(sci->SendScintilla(Sci::SCI_GETCHARACTERPOINTER));
        QByteArray text(data, length);
        sci->SendScintilla(Sci::SCI_GETSTYLEDTEXT, 0L, length, styled.data());
        benchmark::DoNotOptimize(text.data());
        benchmark::DoNotOptimize(styled.data());
    }
}
BENCHMARK(BM_CopyText)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_SnapshotRing(benchmark::State& state) {
    LoadedPane loaded(state.range(0));
    std::mt19937 random(11);
    double perByte = 0;
    for (auto _ : state) {
        UndoRing ring(loaded.pane, {}, {});
        for (int i = 0; i < UndoRing::Slots; ++i) {
            typeOneCharacter(loaded.pane, random, nullptr);
            ring.take();
        }
        perByte = double(ring.bytesHeld()) / double(loaded.pane.TextLength());
    }
    state.counters["bytes_per_doc_byte"] = perByte;
}
BENCHMARK(BM_SnapshotRing)->Arg(10)->Unit(benchmark::kMillisecond);
}  // namespace
